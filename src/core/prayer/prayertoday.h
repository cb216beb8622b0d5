#pragma once

// Today's prayer times for the default city, kept by the clock: the day's
// times computed once per day, place or settings, the next prayer and its
// countdown, and the prayer times and reminders whose moment came between two
// ticks. The main window's panel, its tray icon and the alerts all draw from
// this one object, so they never disagree.

#include "core/prayer/prayeralerts.h"
#include "core/prayer/prayerclock.h"
#include "core/prayer/prayertimes.h"

#include <QDateTime>
#include <QObject>

#include <optional>

namespace qarnivo {

class PrayerToday : public QObject {
    Q_OBJECT
public:
    explicit PrayerToday(QObject *parent = nullptr);

    // A place of none says the city's values cannot be used: no times.
    void setPlace(const std::optional<PrayerPlace> &place);
    void setSettings(const PrayerSettings &settings);
    // Minutes before each of the six times, in Prayer order; 0 is off.
    void setReminderMinutes(const std::array<int, kPrayerCount> &minutes);
    // Each clock tick. A new date brings that day's times; the times and
    // reminders whose moment came since the previous tick are announced,
    // each once only, however the clock or the times move (none when the
    // clock went back or slept past them; see AlertsDue).
    void setNow(const QDateTime &now);

    bool hasPlace() const { return m_place.has_value(); }
    const PrayerSettings &settings() const { return m_settings; }
    const QDateTime &now() const { return m_now; }
    // Today's times; a day without a date or times until both the place and
    // the clock are known.
    const PrayerDay &day() const { return m_today; }
    // The next of the five prayers from now, tomorrow's Fajr after Isha.
    std::optional<NextPrayerAt> next() const;

signals:
    void settingsChanged(const PrayerSettings &settings);
    // A new day, place or settings: any time may have moved.
    void timesChanged();
    // The clock moved on: the next prayer and its countdown with it.
    void ticked();
    void alertDue(const qarnivo::AlertDue &due);

private:
    void recompute();

    std::optional<PrayerPlace> m_place;
    PrayerSettings m_settings;
    QDateTime m_now;
    PrayerDay m_yesterday;
    PrayerDay m_today;
    PrayerDay m_tomorrow;
    std::array<int, kPrayerCount> m_reminderMinutes{};
    QList<AlertDue> m_announced; // of the last days, so that none comes twice
};

} // namespace qarnivo
