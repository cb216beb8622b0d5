#include "core/crescent/angles.h"
#include "core/crescent/crescent.h"
#include "core/crescent/ecliptic.h"
#include "core/crescent/timescale.h"

#include <cmath>

namespace qarnivo::crescent {

namespace {

constexpr double kSynodicMonth = 29.530588861;

// Meeus, Astronomical Algorithms, (49.1): the mean new moon of lunation k
// (k = 0 in January 2000), as a Julian Ephemeris Day.
double MeanNewMoon(double k)
{
    const double t = k / 1236.85;
    return 2451550.09766 + kSynodicMonth * k +
           t * t * (0.00015437 + t * (-0.000000150 + t * 0.00000000073));
}

// The Moon's apparent longitude minus the Sun's, in [-180, 180); nutation
// is the same for both and left out.
double Elongation(double julianEphemerisDay)
{
    const double t = (julianEphemerisDay - kJ2000) / kDaysPerCentury;
    return Signed(MoonAt(t, 0).longitude - SunAt(t, 0).longitude);
}

// From the mean phase, the secant method on the elongation: a few steps
// bring it under a tenth of a second.
double NewMoonOf(double k)
{
    double t0 = MeanNewMoon(k);
    double f0 = Elongation(t0);
    double t1 = t0 - f0 / 12.19;
    for (int i = 0; i < 12 && std::abs(t1 - t0) > 1e-6; ++i) {
        const double f1 = Elongation(t1);
        const double next = f1 == f0 ? t1 : t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1, f0 = f1, t1 = next;
    }
    return t1 - DeltaT(t1) / 86400;
}

} // namespace

double NewMoonNear(double julianDayUT)
{
    const double k = std::round((julianDayUT - MeanNewMoon(0)) / kSynodicMonth);
    const double nearest = NewMoonOf(k);
    const double gap = julianDayUT - nearest;
    if (std::abs(gap) <= kSynodicMonth / 2)
        return nearest;
    const double other = NewMoonOf(gap > 0 ? k + 1 : k - 1);
    return std::abs(julianDayUT - other) < std::abs(gap) ? other : nearest;
}

} // namespace qarnivo::crescent
