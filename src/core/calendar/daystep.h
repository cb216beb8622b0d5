#pragma once

#include "core/calendar/hijricalendar.h"

#include <optional>

namespace qarnivo {

// A move of the selected day by the keyboard.
enum class DayStep { DayBack, DayForward, WeekBack, WeekForward, MonthBack, MonthForward };

// The Hijri day a step from `from` reaches in `calendar`, or nothing when it
// would leave the month view. A month's step keeps the day of the month,
// brought down to the length of a shorter month.
std::optional<Ymd> SteppedDay(const HijriCalendar &calendar, const Ymd &from, DayStep step);

} // namespace qarnivo
