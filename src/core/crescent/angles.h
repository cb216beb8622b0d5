#pragma once

// Angles in degrees, the unit of the astronomical tables, and the vectors the
// evening's geometry is done with.

#include <cmath>
#include <numbers>

namespace qarnivo::crescent {

inline constexpr double kRadians = std::numbers::pi / 180;
inline constexpr double kArcsecond = 1.0 / 3600;

inline double SinDeg(double degrees)
{
    return std::sin(degrees * kRadians);
}
inline double CosDeg(double degrees)
{
    return std::cos(degrees * kRadians);
}

// Into [0, 360).
inline double Revolution(double degrees)
{
    const double r = std::fmod(degrees, 360.0);
    return r < 0 ? r + 360 : r;
}

// Into [-180, 180).
inline double Signed(double degrees)
{
    return Revolution(degrees + 180) - 180;
}

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator-(const Vec3 &a, const Vec3 &b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline double Dot(const Vec3 &a, const Vec3 &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double Length(const Vec3 &a)
{
    return std::sqrt(Dot(a, a));
}

// A direction given by a longitude and a latitude (degrees), at a distance.
inline Vec3 FromSpherical(double longitude, double latitude, double distance)
{
    const double c = distance * CosDeg(latitude);
    return {c * CosDeg(longitude), c * SinDeg(longitude), distance * SinDeg(latitude)};
}

// The angle between two directions in degrees, accurate at small angles too.
inline double AngleBetween(const Vec3 &a, const Vec3 &b)
{
    const Vec3 c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(Length(c), Dot(a, b)) / kRadians;
}

} // namespace qarnivo::crescent
