#pragma once

// The sun's place and its course over a place, as the prayer engine needs
// them. Internal to the engine (prayertimes_*.cpp).

#include <limits>

namespace qarnivo::sun {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kRiseAltitude = -50.0 / 60.0; // refraction and the sun's radius
constexpr double kDay = 86400.0;

// The sun as seen at 0h UT of a day.
struct Sun {
    double declination;
    double rightAscension;
    double siderealTime; // apparent, at Greenwich
};

Sun SunAt(double julianDay);

// The sun's course over one place on one day (0h UT of `sun[1]`'s day):
// times in hours after that midnight, NaN where the sun never reaches the
// altitude asked for.
class SunCourse {
public:
    SunCourse(const Sun *sun, double latitude, double longitude);

    double transit() const;
    double atAltitude(double altitude, bool afterTransit) const;
    // Asr: the shadow is the noon shadow plus `shadow` times the height.
    double afternoon(double shadow) const;
    double noonAltitude() const;

private:
    const Sun *m_sun; // the day before, the day, the day after
    double m_latitude;
    double m_west;
    double m_sinLatitude;
    double m_cosLatitude;
    double m_approxTransit = 0;
};

// `value` brought into 0 (included) to `max` (excluded).
double Normalized(double value, double max);

// Hours after midnight as whole seconds, truncated the way adhan turns them
// into a clock time; NaN stays NaN.
double WholeSeconds(double hours);

} // namespace qarnivo::sun
