#pragma once

#include "core/calendar/conversion.h"
#include "core/calendar/ummalqura.h"

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

    // Days added to the weekday of every Hijri-to-Gregorian conversion.
    qint16 DayCorrection = 0;

    qint16 WeekDayNo = 0;    // weekday of the date converted last, either way
    qint16 FirstWeekDay = 1; // weekday of the 1st of the shown Hijri month
    qint32 HMonthDays = 30;  // length of the shown Hijri month
    QDate StartDate;         // the system date when the program started
    CalendarKind Calendar = CalendarKind::Tabular;

    Ymd currentGregorian() const { return {CurrentGregYear, CurrentGregMonth, CurrentGregDay}; }
};

// Moves the current Gregorian date `daysBack` days back (forward when negative).
void ShiftGregDate(DateState &state, qint16 daysBack);

} // namespace qarnivo
