#include "core/calendar/daystep.h"

#include <algorithm>

namespace qarnivo {

namespace {

int daysOf(DayStep step)
{
    switch (step) {
    case DayStep::DayBack:
        return -1;
    case DayStep::DayForward:
        return 1;
    case DayStep::WeekBack:
        return -7;
    case DayStep::WeekForward:
        return 7;
    default:
        return 0;
    }
}

} // namespace

std::optional<Ymd> SteppedDay(const HijriCalendar &calendar, const Ymd &from, DayStep step)
{
    Ymd to = from;
    if (step == DayStep::MonthBack || step == DayStep::MonthForward) {
        const HijriMonth month = step == DayStep::MonthBack
                                     ? PreviousHijriMonth({from.month, from.year})
                                     : NextHijriMonth({from.month, from.year});
        if (!InMonthView(month.month, month.year))
            return std::nullopt;
        to = {month.year, month.month,
              std::min(from.day, calendar.month(month.year, month.month).monthDays)};
    } else {
        to = calendar.hijriOf(calendar.julianDayOf(from) + daysOf(step));
    }
    if (!InMonthView(to.month, to.year))
        return std::nullopt;
    return to;
}

} // namespace qarnivo
