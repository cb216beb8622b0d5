#pragma once

// Each calculation method's parameters, as its authority publishes them
// (and as the adhan library holds them). The engine computes with them and
// the calculator page gets its own table written from them.

#include "core/prayer/prayertimes.h"

namespace qarnivo {

struct PrayerMethodParameters {
    const char *key;   // PrayerMethodKey
    const char *title; // PrayerMethodTitle
    double fajrAngle;  // degrees below the horizon
    double ishaAngle;
    int ishaInterval; // minutes after sunset; when set, ishaAngle is unused
    double maghribAngle;
    std::array<int, kPrayerCount> shift; // the method's own minutes, in Prayer order
    bool roundUp; // times rounded up to the minute rather than to the nearest one
};

// An out-of-range method gives the first one's parameters.
const PrayerMethodParameters &PrayerMethodParametersOf(PrayerMethod method);

} // namespace qarnivo
