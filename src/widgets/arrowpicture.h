#pragma once

#include <QPixmap>

namespace qarnivo {

enum class ArrowDirection { Up, Down, Left, Right };

// A red arrow on a transparent ground, drawn at the given logical size for a
// screen of `devicePixelRatio`; used for the conversion panel's direction
// pictures and the month step buttons.
QPixmap RedArrowPicture(ArrowDirection direction, const QSize &size, qreal devicePixelRatio = 1.0);

} // namespace qarnivo
