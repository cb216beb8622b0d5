#pragma once

#include <QPixmap>

namespace qarnivo {

// An open book in green and gold, the picture beside the daily reading that
// credits its translation.
QPixmap OpenBookPicture(const QSize &size);

} // namespace qarnivo
