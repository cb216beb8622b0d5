#include "core/calendar/hijricalendar.h"

namespace qarnivo {

HijriCalendar::HijriCalendar(CalendarKind kind, int dayCorrection, const MonthStarts &announced)
    : m_kind(kind), m_correction(dayCorrection), m_announced(announced)
{
    CheckedStarts checked = CheckMonthStarts(announced, kind, dayCorrection);
    m_applied = std::move(checked.applied);
    m_setAside = std::move(checked.setAside);
}

// Each applied start lies within two days of the calendar's and no month is
// shorter than 29 days, so the day belongs to the calendar's month or to one
// of its neighbours.
Ymd HijriCalendar::hijriOf(qint32 julianDay) const
{
    const Ymd chosen = JulianDayToHijriIn(m_kind, julianDay - m_correction);
    HijriMonth month{chosen.month, chosen.year};
    if (julianDay < firstDayOf(month.year, month.month)) {
        month = PreviousHijriMonth(month);
    } else {
        const HijriMonth next = NextHijriMonth(month);
        if (julianDay >= firstDayOf(next.year, next.month))
            month = next;
    }
    return {month.year, month.month, julianDay - firstDayOf(month.year, month.month) + 1};
}

Ymd HijriCalendar::hijriOf(const QDate &date) const
{
    return hijriOf(GregorianToJulianDay(date.year(), date.month(), date.day()));
}

qint32 HijriCalendar::julianDayOf(const Ymd &hijri) const
{
    return firstDayOf(hijri.year, hijri.month) + hijri.day - 1;
}

int HijriCalendar::weekDayOf(const Ymd &hijri) const
{
    return WeekDayOf(julianDayOf(hijri));
}

qint32 HijriCalendar::firstDayOf(int year, int month) const
{
    return m_applied.firstDayOf(year, month)
        .value_or(CalendarFirstDay(m_kind, m_correction, year, month));
}

int HijriCalendar::monthDays(int year, int month) const
{
    const HijriMonth next = NextHijriMonth({month, year});
    return firstDayOf(next.year, next.month) - firstDayOf(year, month);
}

MonthLayout HijriCalendar::month(int year, int month) const
{
    const HijriMonth next = NextHijriMonth({month, year});
    const qint32 firstDay = firstDayOf(year, month);
    const qint32 followingDay = firstDayOf(next.year, next.month);
    const int firstWeekDay = WeekDayOf(firstDay);
    const int monthDays = followingDay - firstDay;
    return {firstDay, followingDay, firstWeekDay, monthDays, LayOutMonth(firstWeekDay, monthDays)};
}

HijriSource HijriCalendar::sourceOf(int year, int month) const
{
    if (m_applied.firstDayOf(year, month))
        return HijriSource::Announced;
    return m_kind == CalendarKind::UmmAlQura && !outsideTable(year) ? HijriSource::UmmAlQura
                                                                    : HijriSource::Tabular;
}

bool HijriCalendar::outsideTable(int hijriYear) const
{
    return OutsideUmmAlQuraTable(m_kind, hijriYear);
}

QString HijriSourceName(HijriSource source)
{
    switch (source) {
    case HijriSource::Announced:
        return QStringLiteral("announced");
    case HijriSource::UmmAlQura:
        return QStringLiteral("umm-al-qura");
    default:
        return QStringLiteral("tabular");
    }
}

QString CalendarSettingText(CalendarKind calendar)
{
    return calendar == CalendarKind::UmmAlQura ? QStringLiteral("UmmAlQura")
                                               : QStringLiteral("Tabular");
}

std::optional<CalendarKind> CalendarFromSetting(const QString &text)
{
    if (text == QLatin1String("UmmAlQura"))
        return CalendarKind::UmmAlQura;
    if (text == QLatin1String("Tabular"))
        return CalendarKind::Tabular;
    return std::nullopt;
}

} // namespace qarnivo
