#include "core/crescent/nutation.h"

#include "core/crescent/angles.h"
#include "core/crescent/timescale.h"

#include <array>

namespace qarnivo::crescent {

namespace {

// IAU 1980 nutation, the terms of Meeus, Astronomical Algorithms (2nd ed.),
// table 22.A: multiples of D, M, M', F, Omega; delta psi = (a + b T) sin,
// delta epsilon = (c + d T) cos, in 0.0001".
struct Term {
    signed char d, m, mp, f, om;
    double a, b, c, e;
};

constexpr std::array<Term, 63> kTerms{{
    {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
    {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
    {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
    {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
    {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
    {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
    {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
    {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 0.1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -0.1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -0.1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 0.1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
    {-2, 0, 1, 0, 1, -13, 0, 7, 0},
    {0, -1, 0, 0, 1, -12, 0, 6, 0},
    {0, 0, 2, -2, 0, 11, 0, 0, 0},
    {2, 0, -1, 2, 1, -10, 0, 5, 0},
    {2, 0, 1, 2, 2, -8, 0, 3, 0},
    {0, 1, 0, 2, 2, 7, 0, -3, 0},
    {-2, 1, 1, 0, 0, -7, 0, 0, 0},
    {0, -1, 0, 2, 2, -7, 0, 3, 0},
    {2, 0, 0, 2, 1, -7, 0, 3, 0},
    {2, 0, 1, 0, 0, 6, 0, 0, 0},
    {-2, 0, 2, 2, 2, 6, 0, -3, 0},
    {-2, 0, 1, 2, 1, 6, 0, -3, 0},
    {2, 0, -2, 0, 1, -6, 0, 3, 0},
    {2, 0, 0, 0, 1, -6, 0, 3, 0},
    {0, -1, 1, 0, 0, 5, 0, 0, 0},
    {-2, -1, 0, 2, 1, -5, 0, 3, 0},
    {-2, 0, 0, 0, 1, -5, 0, 3, 0},
    {0, 0, 2, 2, 1, -5, 0, 3, 0},
    {-2, 0, 2, 0, 1, 4, 0, 0, 0},
    {-2, 1, 0, 2, 1, 4, 0, 0, 0},
    {0, 0, 1, -2, 0, 4, 0, 0, 0},
    {-1, 0, 1, 0, 0, -4, 0, 0, 0},
    {-2, 1, 0, 0, 0, -4, 0, 0, 0},
    {1, 0, 0, 0, 0, -4, 0, 0, 0},
    {0, 0, 1, 2, 0, 3, 0, 0, 0},
    {0, 0, -2, 2, 2, -3, 0, 0, 0},
    {-1, -1, 1, 0, 0, -3, 0, 0, 0},
    {0, 1, 1, 0, 0, -3, 0, 0, 0},
    {0, -1, 1, 2, 2, -3, 0, 0, 0},
    {2, -1, -1, 2, 2, -3, 0, 0, 0},
    {0, 0, 3, 2, 2, -3, 0, 0, 0},
    {2, -1, 0, 2, 2, -3, 0, 0, 0},
}};

double Cubic(double t, double c0, double c1, double c2, double c3)
{
    return ((c3 * t + c2) * t + c1) * t + c0;
}

} // namespace

// Meeus, Astronomical Algorithms, ch. 22: the fundamental arguments, the
// series and the mean obliquity (22.2).
Nutation NutationAt(double t)
{
    const double d = Cubic(t, 297.85036, 445267.111480, -0.0019142, 1.0 / 189474);
    const double m = Cubic(t, 357.52772, 35999.050340, -0.0001603, -1.0 / 300000);
    const double mp = Cubic(t, 134.96298, 477198.867398, 0.0086972, 1.0 / 56250);
    const double f = Cubic(t, 93.27191, 483202.017538, -0.0036825, 1.0 / 327270);
    const double om = Cubic(t, 125.04452, -1934.136261, 0.0020708, 1.0 / 450000);
    double psi = 0;
    double eps = 0;
    for (const Term &k : kTerms) {
        const double arg = (k.d * d + k.m * m + k.mp * mp + k.f * f + k.om * om) * kRadians;
        psi += (k.a + k.b * t) * std::sin(arg);
        eps += (k.c + k.e * t) * std::cos(arg);
    }
    const double mean = 23 + 26.0 / 60 + Cubic(t, 21.448, -46.8150, -0.00059, 0.001813) / 3600;
    const double toDegrees = 1e-4 * kArcsecond;
    return {psi * toDegrees, eps * toDegrees, mean + eps * toDegrees};
}

// Meeus, Astronomical Algorithms, (12.4).
double MeanSiderealTime(double julianDayUT)
{
    const double t = (julianDayUT - kJ2000) / kDaysPerCentury;
    return Revolution(280.46061837 + 360.98564736629 * (julianDayUT - kJ2000) +
                      t * t * (0.000387933 - t / 38710000));
}

} // namespace qarnivo::crescent
