#include "core/prayer/prayertoday.h"

#include <algorithm>
#include <utility>

namespace qarnivo {

namespace {

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

void PrayerToday::setReminderMinutes(const std::array<int, kPrayerCount> &minutes)
{
    m_reminderMinutes = minutes;
}

void PrayerToday::setNow(const QDateTime &now)
{
    const QDateTime last = std::exchange(m_now, now);
    if (now.date() != last.date())
        recompute();
    emit ticked();
    const QDate oldest = now.date().addDays(-2);
    m_announced.removeIf([&oldest](const AlertDue &due) { return due.day < oldest; });
    for (const AlertDue &due :
         AlertsDue({m_yesterday, m_today, m_tomorrow}, m_reminderMinutes, last, now)) {
        // Times moved by new settings or a new place may come round again.
        const bool announced =
            std::any_of(m_announced.cbegin(), m_announced.cend(), [&due](const AlertDue &done) {
                return done.prayer == due.prayer && done.minutesBefore == due.minutesBefore &&
                       done.day == due.day;
            });
        if (announced)
            continue;
        m_announced.append(due);
        emit alertDue(due);
    }
}

std::optional<NextPrayerAt> PrayerToday::next() const
{
    return NextPrayerFrom(m_today, m_tomorrow, m_now.time().msecsSinceStartOfDay() / 1000);
}

void PrayerToday::recompute()
{
    if (m_place && m_now.isValid()) {
        m_yesterday = PrayerTimesFor(m_now.date().addDays(-1), *m_place, m_settings);
        m_today = PrayerTimesFor(m_now.date(), *m_place, m_settings);
        m_tomorrow = PrayerTimesFor(m_now.date().addDays(1), *m_place, m_settings);
    } else {
        m_yesterday = m_today = m_tomorrow = PrayerDay{};
    }
    emit timesChanged();
}

} // namespace qarnivo
