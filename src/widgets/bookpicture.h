#pragma once

#include <QPixmap>

namespace qarnivo {

// An open book in green and gold, the picture beside the daily reading that
// credits its translation, at a logical size for a screen of
// `devicePixelRatio`.
QPixmap OpenBookPicture(const QSize &size, qreal devicePixelRatio = 1.0);

} // namespace qarnivo
