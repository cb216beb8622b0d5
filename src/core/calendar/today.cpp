#include "core/calendar/today.h"

namespace qarnivo {

void Today::setNow(const QDateTime &now)
{
    const QDate date = now.date();
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    emit dayChanged(date);
}

} // namespace qarnivo
