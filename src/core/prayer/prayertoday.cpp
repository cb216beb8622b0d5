#include "core/prayer/prayertoday.h"

#include <utility>

namespace qarnivo {

namespace {

int minuteOf(const QDateTime &moment)
{
    return moment.time().msecsSinceStartOfDay() / 60000;
}

bool samePlace(const std::optional<PrayerPlace> &a, const std::optional<PrayerPlace> &b)
{
    if (!a || !b)
        return !a && !b;
    return a->latitude == b->latitude && a->longitude == b->longitude &&
           a->utcOffset == b->utcOffset && a->daylightSaving == b->daylightSaving;
}

} // namespace

PrayerToday::PrayerToday(QObject *parent) : QObject(parent) {}

void PrayerToday::setPlace(const std::optional<PrayerPlace> &place)
{
    if (samePlace(place, m_place))
        return;
    m_place = place;
    recompute();
}

void PrayerToday::setSettings(const PrayerSettings &settings)
{
    if (settings == m_settings)
        return;
    m_settings = settings;
    emit settingsChanged(settings);
    recompute();
}

void PrayerToday::setNow(const QDateTime &now)
{
    const QDateTime last = std::exchange(m_now, now);
    if (now.date() != last.date())
        recompute();
    emit ticked();
    // A clock set back, or moved onto another day, owes no reminders.
    if (last.date() != now.date() || now < last)
        return;
    for (const Prayer prayer : PrayersDue(m_today, minuteOf(last), minuteOf(now)))
        emit prayerDue(prayer);
}

std::optional<NextPrayerAt> PrayerToday::next() const
{
    return NextPrayerFrom(m_today, m_tomorrow, m_now.time().msecsSinceStartOfDay() / 1000);
}

void PrayerToday::recompute()
{
    if (m_place && m_now.isValid()) {
        m_today = PrayerTimesFor(m_now.date(), *m_place, m_settings);
        m_tomorrow = PrayerTimesFor(m_now.date().addDays(1), *m_place, m_settings);
    } else {
        m_today = m_tomorrow = PrayerDay{};
    }
    emit timesChanged();
}

} // namespace qarnivo
