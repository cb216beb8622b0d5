#pragma once

// What the clock makes of a day's prayer times: the next prayer with its
// countdown.

#include "core/prayer/prayertimes.h"

#include <QList>
#include <QString>

namespace qarnivo {

struct NextPrayerAt {
    Prayer prayer = Prayer::Fajr;
    bool tomorrow = false; // today's Isha has passed: tomorrow's Fajr
    int secondsLeft = 0;
};

// The next of the five prayers after `secondOfDay` (0..86399), counted in
// `today`'s minutes, else tomorrow's Fajr; none where neither has one.
std::optional<NextPrayerAt> NextPrayerFrom(const PrayerDay &today, const PrayerDay &tomorrow,
                                           int secondOfDay);

// "polar day" or "polar night", and why: "the sun does not set" or "the sun
// does not rise"; empty for an ordinary day.
QString PolarText(PolarState state);
QString PolarReason(PolarState state);

// "Asr in 1:05:09"; "Fajr (tomorrow) in 7:30:00".
QString CountdownText(const NextPrayerAt &next);

} // namespace qarnivo
