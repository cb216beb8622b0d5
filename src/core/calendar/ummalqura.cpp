#include "core/calendar/ummalqura.h"

#include <algorithm>
#include <vector>

namespace qarnivo {

namespace {

using namespace ummalqura;

constexpr int kTableMonths = (kLastTableYear - kFirstTableYear + 1) * 12;

// The Julian Day of the 1st of every month of the table, and one more: the
// day after its last month.
const std::vector<qint32> &monthStarts()
{
    static const std::vector<qint32> starts = [] {
        std::vector<qint32> days;
        days.reserve(kTableMonths + 1);
        qint32 day = kFirstDayOfTable;
        for (const quint16 longMonths : kLongMonths) {
            for (int month = 0; month < 12; ++month) {
                days.push_back(day);
                day += (longMonths >> month) & 1 ? 30 : 29;
            }
        }
        days.push_back(day);
        return days;
    }();
    return starts;
}

bool inTable(int year)
{
    return year >= kFirstTableYear && year <= kLastTableYear;
}

} // namespace

qint32 HijriToJulianDayIn(CalendarKind calendar, int year, int month, int day)
{
    if (calendar == CalendarKind::Tabular || !inTable(year))
        return HijriToJulianDay(year, month, day);
    return monthStarts()[(year - kFirstTableYear) * 12 + month - 1] + day - 1;
}

Ymd JulianDayToHijriIn(CalendarKind calendar, qint32 julianDay)
{
    const std::vector<qint32> &starts = monthStarts();
    if (calendar == CalendarKind::Tabular || julianDay < starts.front() ||
        julianDay >= starts.back()) {
        const Ymd tabular = JulianDayToHijri(julianDay);
        // A day just outside the table whose arithmetical date would fall in
        // a table year belongs to the year beside the table.
        if (calendar == CalendarKind::UmmAlQura && inTable(tabular.year))
            return julianDay < starts.front() ? Ymd{kFirstTableYear - 1, 12, 30}
                                              : Ymd{kLastTableYear + 1, 1, 1};
        return tabular;
    }
    const auto next = std::upper_bound(starts.begin(), starts.end(), julianDay);
    const int index = int(next - starts.begin()) - 1;
    return {kFirstTableYear + index / 12, index % 12 + 1, julianDay - starts[index] + 1};
}

bool OutsideUmmAlQuraTable(CalendarKind calendar, int hijriYear)
{
    return calendar == CalendarKind::UmmAlQura && !inTable(hijriYear);
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
