#pragma once

#include "core/calendar/conversion.h"

#include <QDate>
#include <QString>

#include <array>

namespace qarnivo {

// What the month view shows, as plain values: the week grid of one Hijri
// month, the date lines, the limits of the view and its messages.

// Day numbers by week row and weekday column (0 = Sunday); 0 is an empty
// cell. The first row is filled from the weekday of the 1st to its end.
using MonthGrid = std::array<std::array<int, 7>, 6>;
MonthGrid LayOutMonth(int firstWeekDay, int monthDays);

// One Hijri month as the window shows it (HijriCalendar::month lays it
// out): the Julian Days of its 1st and of the next month's 1st, the weekday
// of its 1st (day correction applied), its length, and its week grid. The
// Western date of its day d is JulianDayToGregorian(firstDay + d - 1).
struct MonthLayout {
    qint32 firstDay = 0;
    qint32 followingDay = 0;
    int firstWeekDay = 1; // 1 = Sunday .. 7 = Saturday
    int monthDays = 30;   // 29 or 30
    MonthGrid days{};
};

// "14, Jamaadil-Awwal - 1447 Hijri": after startup and every month change.
QString HijriDateLine(int day, const QString &longMonthName, int year);
// "12, Dhul-Hijjah, 1427 Hijri": after a day is selected.
QString HijriSelectionLine(int day, const QString &longMonthName, int year);
// "5, December - 2025 AD".
QString GregorianDateLine(int day, const QString &monthName, int year);

// The month view runs from Muharram 1 AH to Rabi-ul-Awwal 9666 AH, the last
// month whose following month begins no later than 31 December 9999.
inline constexpr int kLastViewYear = 9666;
inline constexpr qint32 kLastViewJulianDay = 5373484; // 31 December 9999
bool InMonthView(int month, int year);

struct HijriMonth {
    int month;
    int year;
};
HijriMonth NextHijriMonth(HijriMonth shown);
HijriMonth PreviousHijriMonth(HijriMonth shown);

QString DateRangeMessage();
QString InvalidYearMessage();

} // namespace qarnivo
