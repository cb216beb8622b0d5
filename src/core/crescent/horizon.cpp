#include "core/crescent/horizon.h"

namespace qarnivo::crescent {

namespace {

constexpr double kEarthRadiusKm = 6378.14;
constexpr double kPolarRatio = 0.99664719; // b / a

} // namespace

// Meeus, Astronomical Algorithms, ch. 11: rho sin(phi') and rho cos(phi')
// with the height above sea level; the parallax of ch. 40 then follows from
// the difference of the two vectors, exactly.
ObserverFrame::ObserverFrame(const Observer &observer)
    : longitude_(observer.longitude), sinLatitude_(SinDeg(observer.latitude)),
      cosLatitude_(CosDeg(observer.latitude))
{
    const double u = std::atan(kPolarRatio * std::tan(observer.latitude * kRadians));
    const double height = observer.elevation / 1000 / kEarthRadiusKm;
    rhoSin_ = kEarthRadiusKm * (kPolarRatio * std::sin(u) + height * sinLatitude_);
    rhoCos_ = kEarthRadiusKm * (std::cos(u) + height * cosLatitude_);
}

Vec3 ObserverFrame::position(double siderealTime) const
{
    const double theta = siderealTime + longitude_;
    return {rhoCos_ * CosDeg(theta), rhoCos_ * SinDeg(theta), rhoSin_};
}

// Meeus, Astronomical Algorithms, ch. 13, with the hour angle taken from the
// vector; the azimuth is counted from the north.
Horizontal ObserverFrame::horizontal(const Vec3 &v, double siderealTime) const
{
    const double theta = (siderealTime + longitude_) * kRadians;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double meridian = v.x * c + v.y * s; // r cos(dec) cos(H)
    const double west = v.x * s - v.y * c;     // r cos(dec) sin(H)
    const double up = sinLatitude_ * v.z + cosLatitude_ * meridian;
    const double north = cosLatitude_ * v.z - sinLatitude_ * meridian;
    return {std::atan2(up, std::hypot(north, west)) / kRadians,
            Revolution(std::atan2(-west, north) / kRadians)};
}

} // namespace qarnivo::crescent
