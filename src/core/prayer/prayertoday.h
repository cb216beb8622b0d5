#pragma once

// Today's prayer times for the default city, kept by the clock: the day's
// times computed once per day, place or settings, the next prayer and its
// countdown, and the prayers whose time came between two ticks. The main
// window's panel, its tray icon and the reminders all draw from this one
// object, so they never disagree.

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
    // Each clock tick. A new date brings that day's times; the prayers whose
    // minute came since the previous tick are announced (none when the clock
    // went back or onto another day).
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
    void prayerDue(Prayer prayer);

private:
    void recompute();

    std::optional<PrayerPlace> m_place;
    PrayerSettings m_settings;
    QDateTime m_now;
    PrayerDay m_today;
    PrayerDay m_tomorrow;
};

} // namespace qarnivo
