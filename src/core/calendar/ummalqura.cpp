#include "core/calendar/ummalqura.h"

#include <algorithm>
#include <vector>

namespace qarnivo {

namespace {

using namespace ummalqura;

constexpr int kTableMonths = (kLastTableYear - kFirstTableYear + 1) * 12;

// The Julian Day of the 1st of every month of the table, and one more: the
// day after its last month.
const std::vector<std::int32_t> &monthStarts()
{
    static const std::vector<std::int32_t> starts = [] {
        std::vector<std::int32_t> days;
        days.reserve(kTableMonths + 1);
        std::int32_t day = kFirstDayOfTable;
        for (const std::uint16_t longMonths : kLongMonths) {
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

std::int32_t HijriToJulianDayIn(CalendarKind calendar, int year, int month, int day)
{
    if (calendar == CalendarKind::Tabular || !inTable(year))
        return HijriToJulianDay(year, month, day);
    return monthStarts()[(year - kFirstTableYear) * 12 + month - 1] + day - 1;
}

Ymd JulianDayToHijriIn(CalendarKind calendar, std::int32_t julianDay)
{
    const std::vector<std::int32_t> &starts = monthStarts();
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

std::int32_t CalendarFirstDay(CalendarKind kind, int correction, int year, int month)
{
    return HijriToJulianDayIn(kind, year, month, 1) + correction;
}

} // namespace qarnivo
