#include "core/crescent/angles.h"
#include "core/crescent/ecliptic.h"

#include <array>

namespace qarnivo::crescent {

namespace {

// ELP-2000/82 as truncated by Meeus, Astronomical Algorithms (2nd ed.),
// tables 47.A (longitude in 1e-6 degree, distance in metres) and 47.B
// (latitude in 1e-6 degree): multiples of D, M, M', F.
struct LongitudeTerm {
    signed char d, m, mp, f;
    int longitude, distance;
};
struct LatitudeTerm {
    signed char d, m, mp, f;
    int latitude;
};

constexpr LongitudeTerm kLongitude[] = {
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
};

constexpr LatitudeTerm kLatitude[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};

double Quartic(double t, double c0, double c1, double c2, double c3, double c4)
{
    return (((c4 * t + c3) * t + c2) * t + c1) * t + c0;
}

// A point on the unit circle (cos, sin); their product adds the angles.
struct Turn {
    double c = 1;
    double s = 0;
};
Turn operator*(const Turn &a, const Turn &b)
{
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// The turns by n x for n = -4..4, so that each term's angle is a product of
// four of these rather than a sine of its own.
using Turns = std::array<Turn, 9>;
Turns TurnsOf(double degrees)
{
    Turns turns;
    const Turn one{CosDeg(degrees), SinDeg(degrees)};
    for (int n = 1; n <= 4; ++n) {
        turns[4 + n] = turns[3 + n] * one;
        turns[4 - n] = {turns[4 + n].c, -turns[4 + n].s};
    }
    return turns;
}

// The terms in M are multiplied by the decreasing eccentricity of the
// Earth's orbit, once per unit of M.
double EccentricityFactor(int m, double e)
{
    return m == 0 ? 1 : (m == 1 || m == -1 ? e : e * e);
}

} // namespace

// Meeus, Astronomical Algorithms, ch. 47: the mean elements (47.1-47.5),
// A1..A3 and E, the series, and nutation added for the apparent longitude.
EclipticPlace MoonAt(double t, double nutationLongitude)
{
    const double lp =
        Quartic(t, 218.3164477, 481267.88123421, -0.0015786, 1.0 / 538841, -1.0 / 65194000);
    const double d =
        Quartic(t, 297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868, -1.0 / 113065000);
    const double m = Quartic(t, 357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000, 0);
    const double mp =
        Quartic(t, 134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699, -1.0 / 14712000);
    const double f =
        Quartic(t, 93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000, 1.0 / 863310000);
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.290 * t;
    const double a3 = 313.45 + 481266.484 * t;
    const double e = 1 - t * (0.002516 + 0.0000074 * t);

    const Turns td = TurnsOf(d), tm = TurnsOf(m), tmp = TurnsOf(mp), tf = TurnsOf(f);
    const auto turn = [&](const auto &k) {
        const Turn z = td[4 + k.d] * tm[4 + k.m] * tmp[4 + k.mp] * tf[4 + k.f];
        const double factor = EccentricityFactor(k.m, e);
        return Turn{factor * z.c, factor * z.s};
    };
    double sl = 0;
    double sr = 0;
    for (const LongitudeTerm &k : kLongitude) {
        const Turn z = turn(k);
        sl += k.longitude * z.s;
        sr += k.distance * z.c;
    }
    double sb = 0;
    for (const LatitudeTerm &k : kLatitude)
        sb += k.latitude * turn(k).s;
    sl += 3958 * SinDeg(a1) + 1962 * SinDeg(lp - f) + 318 * SinDeg(a2);
    sb += -2235 * SinDeg(lp) + 382 * SinDeg(a3) + 175 * SinDeg(a1 - f) + 175 * SinDeg(a1 + f) +
          127 * SinDeg(lp - mp) - 115 * SinDeg(lp + mp);
    return {Revolution(lp + sl * 1e-6 + nutationLongitude), sb * 1e-6, 385000.56 + sr / 1000};
}

} // namespace qarnivo::crescent
