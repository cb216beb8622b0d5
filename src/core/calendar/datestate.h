#pragma once

#include "core/calendar/hijricalendar.h"

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

// Shows another Hijri month: the current day is kept, brought down to the
// month's last day when the month is shorter (30 into a 29-day month).
void ShowHijriMonth(DateState &state, const HijriCalendar &calendar, int month, int year);

} // namespace qarnivo
