#include "core/calendar/today.h"

#include "core/calendar/sunsetday.h"

namespace qarnivo {

void Today::setNow(const QDateTime &now)
{
    if (!now.date().isValid() || now == m_now)
        return;
    m_now = now;
    update();
}

void Today::setDayStartsAtSunset(bool on)
{
    m_sunset = on;
    update();
}

void Today::setMaghrib(const QDate &date, std::optional<int> minute)
{
    m_maghribDate = date;
    m_maghrib = minute;
    update();
}

// Both are set before either is told, so that a view told of one reads the
// other already in force.
void Today::update()
{
    if (!m_now.isValid())
        return;
    const bool known = m_sunset && m_maghribDate == m_now.date();
    const SunsetState state = !known                         ? SunsetState::Civil
                              : !m_maghrib                   ? SunsetState::NoMaghrib
                              : IsHijriEve(m_now, m_maghrib) ? SunsetState::Eve
                                                             : SunsetState::Civil;
    const QDate date = m_now.date().addDays(state == SunsetState::Eve ? 1 : 0);
    const bool newDay = date != m_date;
    const bool newState = state != m_state;
    m_date = date;
    m_state = state;
    if (newDay)
        emit dayChanged(date);
    if (newState)
        emit sunsetStateChanged(state);
}

} // namespace qarnivo
