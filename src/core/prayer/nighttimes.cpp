#include "core/prayer/nighttimes.h"

#include <cmath>

namespace qarnivo {

namespace {

constexpr int kDayMinutes = 24 * 60;

} // namespace

NightTimes NightTimesOf(const PrayerDay &evening, const PrayerDay &morning)
{
    const std::optional<int> maghrib = evening.at(Prayer::Maghrib);
    const std::optional<int> fajr = morning.at(Prayer::Fajr);
    if (!maghrib || !fajr || !evening.date.isValid() || morning.date != evening.date.addDays(1))
        return {};
    const double night = *fajr + kDayMinutes - *maghrib;
    const auto after = [&](double share) {
        return *maghrib + static_cast<int>(std::lround(night * share));
    };
    return {after(1.0 / 2), after(2.0 / 3)};
}

} // namespace qarnivo
