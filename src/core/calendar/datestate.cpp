#include "core/calendar/datestate.h"

#include <algorithm>

namespace qarnivo {

void ShiftGregDate(DateState &state, qint16 daysBack)
{
    const Ymd moved = GregorianDaysBefore(state.currentGregorian(), daysBack);
    state.CurrentGregYear = static_cast<qint16>(moved.year);
    state.CurrentGregMonth = static_cast<qint16>(moved.month);
    state.CurrentGregDay = static_cast<qint16>(moved.day);
}

void ShowHijriMonth(DateState &state, const HijriCalendar &calendar, int month, int year)
{
    state.CurrentHijriMonth = static_cast<qint16>(month);
    state.CurrentHijriYear = static_cast<qint16>(year);
    state.CurrentHijriDay =
        static_cast<qint16>(std::min<int>(state.CurrentHijriDay, calendar.monthDays(year, month)));
}

} // namespace qarnivo
