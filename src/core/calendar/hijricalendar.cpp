#include "core/calendar/hijricalendar.h"

namespace qarnivo {

Ymd HijriCalendar::hijriOf(qint32 julianDay) const
{
    return JulianDayToHijriIn(m_kind, julianDay);
}

Ymd HijriCalendar::hijriOf(const QDate &date) const
{
    return hijriOf(GregorianToJulianDay(date.year(), date.month(), date.day()));
}

qint32 HijriCalendar::julianDayOf(const Ymd &hijri) const
{
    return HijriToJulianDayIn(m_kind, hijri.year, hijri.month, hijri.day);
}

int HijriCalendar::weekDayOf(const Ymd &hijri) const
{
    return correctedWeekDay(julianDayOf(hijri));
}

int HijriCalendar::correctedWeekDay(qint32 julianDay) const
{
    return CorrectedWeekDay(julianDay, m_correction);
}

MonthLayout HijriCalendar::month(int year, int month) const
{
    const HijriMonth next = NextHijriMonth({month, year});
    const qint32 firstDay = julianDayOf({year, month, 1});
    const qint32 followingDay = julianDayOf({next.year, next.month, 1});
    const int firstWeekDay = correctedWeekDay(firstDay);
    const int monthDays = followingDay - firstDay;
    return {firstDay, followingDay, firstWeekDay, monthDays, LayOutMonth(firstWeekDay, monthDays)};
}

bool HijriCalendar::outsideTable(int hijriYear) const
{
    return OutsideUmmAlQuraTable(m_kind, hijriYear);
}

} // namespace qarnivo
