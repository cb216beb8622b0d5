#pragma once

#include <QPixmap>

namespace qarnivo {

enum class ArrowDirection { Up, Down, Left, Right };

// A red arrow on a transparent ground, drawn at the given size; used for the
// conversion panel's direction pictures and the month step buttons.
QPixmap RedArrowPicture(ArrowDirection direction, const QSize &size);

} // namespace qarnivo
