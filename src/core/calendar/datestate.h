#pragma once

#include "core/calendar/conversion.h"

#include <QDate>

namespace qarnivo {

// Which date the main window is on. The Hijri fields hold the shown month and
// its current day; the Gregorian fields hold the date of the selected day
// (Julian calendar before 15 October 1582). Widths follow the stored forms.
struct DateState {
    qint16 CurrentHijriDay = 1;
    qint16 CurrentHijriMonth = 1;
    qint16 CurrentHijriYear = 1;
    qint16 CurrentGregDay = 16;
    qint16 CurrentGregMonth = 7;
    qint16 CurrentGregYear = 622;

    Ymd currentGregorian() const { return {CurrentGregYear, CurrentGregMonth, CurrentGregDay}; }
};

// Moves the current Gregorian date `daysBack` days back (forward when negative).
void ShiftGregDate(DateState &state, qint16 daysBack);

} // namespace qarnivo
