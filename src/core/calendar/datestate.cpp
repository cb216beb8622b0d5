#include "core/calendar/datestate.h"

namespace qarnivo {

void ShiftGregDate(DateState &state, qint16 daysBack)
{
    const Ymd moved = GregorianDaysBefore(state.currentGregorian(), daysBack);
    state.CurrentGregYear = static_cast<qint16>(moved.year);
    state.CurrentGregMonth = static_cast<qint16>(moved.month);
    state.CurrentGregDay = static_cast<qint16>(moved.day);
}

} // namespace qarnivo
