#pragma once

#include <QPixmap>

namespace qarnivo {

// The pictures of the main window's calendar.
QPixmap WeekDayPicture(int column);  // Urdu weekday name, 0 = Sunday
QPixmap MonthNamePicture(int month); // Hijri month name in Arabic script, 1..12
QPixmap GridOrnament();              // the ornament of the day grid's last row

} // namespace qarnivo
