#pragma once

// What the program does at and before prayer times: for each of the five
// prayers silence, a notification, or a notification with the adhan; a
// reminder some minutes before each of the six times; and which of these one
// clock tick owes.

#include "core/prayer/prayertimes.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace qarnivo {

enum class PrayerAlert { Silent, Notification, Sound };

inline constexpr int kMaximumReminderMinutes = 120;
// A time the program slept past by more than this is let go: an adhan or a
// reminder long after its moment helps no one.
inline constexpr int kLateAlertMinutes = 5;

struct AlertChoices {
    // In the order of kFivePrayers.
    std::array<PrayerAlert, 5> alerts{PrayerAlert::Notification, PrayerAlert::Notification,
                                      PrayerAlert::Notification, PrayerAlert::Notification,
                                      PrayerAlert::Notification};
    QString sound;     // empty: the built-in chime
    QString fajrSound; // empty: the same as the others
    int volume = 80;   // 0..100
    // Minutes before each of the six times, in Prayer order; 0 is off.
    std::array<int, kPrayerCount> reminderMinutes{};

    PrayerAlert alertOf(Prayer prayer) const;
    void setAlertOf(Prayer prayer, PrayerAlert alert);
    // The file to play for `prayer`; empty for the chime.
    QString soundOf(Prayer prayer) const;
    bool operator==(const AlertChoices &) const = default;
};

// The stored forms: "PrayerAlerts" five words ("silent", "notification",
// "sound") in the order of the five prayers; "PrayerReminderMinutes" six
// numbers 0..120 separated by spaces. Anything else cannot be read.
QString AlertsSetting(const std::array<PrayerAlert, 5> &alerts);
std::optional<std::array<PrayerAlert, 5>> AlertsFromSetting(const QString &text);
QString ReminderMinutesSetting(const std::array<int, kPrayerCount> &minutes);
std::optional<std::array<int, kPrayerCount>> ReminderMinutesFromSetting(const QString &text);

// One thing a tick owes: a prayer's time (minutesBefore 0) or a reminder.
struct AlertDue {
    Prayer prayer = Prayer::Fajr;
    int minutesBefore = 0;
    QDate day;    // the day whose times hold it
    QDateTime at; // the moment, on the local clock
    bool operator==(const AlertDue &) const = default;
};

// The times of `days` (consecutive days' times, so that an Isha past
// midnight and a reminder before a Fajr after midnight are found) whose
// moment lies after `last` and at or before `now`, and at most
// kLateAlertMinutes before `now`; in the order they fall. A clock that went
// back owes nothing.
QList<AlertDue> AlertsDue(const QList<PrayerDay> &days,
                          const std::array<int, kPrayerCount> &reminderMinutes,
                          const QDateTime &last, const QDateTime &now);

// The notification's title and text for `due` at `place`; `time` is its
// prayer's time as the clock shows it. On Friday Dhuhr's reminder is
// Jumu'ah's; Sunrise's reminder warns that Fajr's time is ending.
QString AlertTitle(const AlertDue &due);
QString AlertText(const AlertDue &due, const QString &time, const QString &place);

} // namespace qarnivo
