#pragma once

// The night of the Sunna, from Maghrib to the next day's Fajr: its middle,
// and the beginning of its last third.

#include "core/prayer/prayertimes.h"

#include <optional>

namespace qarnivo {

// In minutes after the local midnight that begins the evening's date, so
// past 1440 once midnight has passed; none where either bound is missing.
struct NightTimes {
    std::optional<int> middle;
    std::optional<int> lastThird;
};

// The night from `evening`'s Maghrib to `morning`'s Fajr; `morning` must be
// the next date, or there is no night.
NightTimes NightTimesOf(const PrayerDay &evening, const PrayerDay &morning);

} // namespace qarnivo
