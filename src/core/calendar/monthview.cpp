#include "core/calendar/monthview.h"

#include "core/calendar/names.h"

#include <QCoreApplication>

namespace qarnivo {

MonthGrid LayOutMonth(int firstWeekDay, int monthDays)
{
    MonthGrid grid{};
    int day = 0;
    for (int column = firstWeekDay - 1; column < 7; ++column)
        grid[0][column] = ++day;
    for (int row = 1; row < 6 && day < monthDays; ++row) {
        for (int column = 0; column < 7 && day < monthDays; ++column)
            grid[row][column] = ++day;
    }
    return grid;
}

QString HijriDateLine(int day, const QString &longMonthName, int year)
{
    return QCoreApplication::translate("DateLines", "%1, %2 - %3 Hijri")
        .arg(ShownNumber(day), longMonthName, ShownNumber(year));
}

QString HijriSelectionLine(int day, const QString &longMonthName, int year)
{
    return QCoreApplication::translate("DateLines", "%1, %2, %3 Hijri")
        .arg(ShownNumber(day), longMonthName, ShownNumber(year));
}

QString GregorianDateLine(int day, const QString &monthName, int year)
{
    return QCoreApplication::translate("DateLines", "%1, %2 - %3 AD")
        .arg(ShownNumber(day), monthName, ShownNumber(year));
}

bool InMonthView(int month, int year)
{
    if (year < 1 || year > kLastViewYear)
        return false;
    const HijriMonth next = NextHijriMonth({month, year});
    return HijriToJulianDay(next.year, next.month, 1) <= kLastViewJulianDay;
}

HijriMonth NextHijriMonth(HijriMonth shown)
{
    return shown.month == 12 ? HijriMonth{1, shown.year + 1}
                             : HijriMonth{shown.month + 1, shown.year};
}

HijriMonth PreviousHijriMonth(HijriMonth shown)
{
    return shown.month == 1 ? HijriMonth{12, shown.year - 1}
                            : HijriMonth{shown.month - 1, shown.year};
}

QString DateRangeMessage()
{
    return QCoreApplication::translate("DateLines",
                                       "Check Date Range. Date value must be between:\r\n\r\n"
                                       "1, Muharram 1 AH and 2, Rabi-ul-Aakhir 9666 AH\r\n"
                                       "\t   Corresponding to:\r\n"
                                       "   16, July 622 AD and 31, December 9999 AD");
}

QString InvalidYearMessage()
{
    return QCoreApplication::translate(
        "DateLines", "Invalid year value. Hijri year value should be between\r\n\r\n"
                     "\t      1 AH and 9666 AH");
}

} // namespace qarnivo
