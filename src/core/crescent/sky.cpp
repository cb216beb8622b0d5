#include "core/crescent/sky.h"

#include "core/crescent/ecliptic.h"
#include "core/crescent/timescale.h"

#include <algorithm>
#include <array>

namespace qarnivo::crescent {

namespace {

// Ecliptic to equatorial of date: a turn by the true obliquity about the
// equinox's direction.
Vec3 Equatorial(const EclipticPlace &place, double obliquity)
{
    const Vec3 v = FromSpherical(place.longitude, place.latitude, place.distance);
    const double c = CosDeg(obliquity);
    const double s = SinDeg(obliquity);
    return {v.x, v.y * c - v.z * s, v.y * s + v.z * c};
}

// Meeus, Astronomical Algorithms, ch. 12: the mean time plus the equation
// of the equinoxes.
double ApparentSiderealTime(double julianDayUT, const Nutation &nutation)
{
    return Revolution(MeanSiderealTime(julianDayUT) +
                      nutation.longitude * CosDeg(nutation.trueObliquity));
}

Vec3 Weighted(const std::array<double, 4> &w, const Vec3 &a, const Vec3 &b, const Vec3 &c,
              const Vec3 &d)
{
    return {w[0] * a.x + w[1] * b.x + w[2] * c.x + w[3] * d.x,
            w[0] * a.y + w[1] * b.y + w[2] * c.y + w[3] * d.y,
            w[0] * a.z + w[1] * b.z + w[2] * c.z + w[3] * d.z};
}

} // namespace

Sky SkyAt(double julianDayUT)
{
    const double t = CenturiesTT(julianDayUT);
    const Nutation n = NutationAt(t);
    return {Equatorial(SunAt(t, n.longitude), n.trueObliquity),
            Equatorial(MoonAt(t, n.longitude), n.trueObliquity),
            ApparentSiderealTime(julianDayUT, n)};
}

SkyTable::SkyTable(double first, double last, double step)
    : start_(first - step), step_(step), nutation_(NutationAt(CenturiesTT((first + last) / 2)))
{
    const int count = static_cast<int>(std::ceil((last - first) / step)) + 3;
    nodes_.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = CenturiesTT(start_ + i * step);
        nodes_.push_back({Equatorial(SunAt(t, nutation_.longitude), nutation_.trueObliquity),
                          Equatorial(MoonAt(t, nutation_.longitude), nutation_.trueObliquity)});
    }
}

// Lagrange's cubic through the two nodes either side of the instant.
Sky SkyTable::at(double julianDayUT) const
{
    const double x = (julianDayUT - start_) / step_;
    const int last = static_cast<int>(nodes_.size()) - 3;
    const int i = std::clamp(static_cast<int>(std::floor(x)), 1, last);
    const double p = x - i;
    const std::array<double, 4> w{-p * (p - 1) * (p - 2) / 6, (p + 1) * (p - 1) * (p - 2) / 2,
                                  -(p + 1) * p * (p - 2) / 2, (p + 1) * p * (p - 1) / 6};
    const Node &a = nodes_[i - 1];
    const Node &b = nodes_[i];
    const Node &c = nodes_[i + 1];
    const Node &d = nodes_[i + 2];
    return {Weighted(w, a.sun, b.sun, c.sun, d.sun), Weighted(w, a.moon, b.moon, c.moon, d.moon),
            ApparentSiderealTime(julianDayUT, nutation_)};
}

} // namespace qarnivo::crescent
