#include "core/prayer/prayertimes_sun.h"

#include <cmath>

namespace qarnivo::sun {

namespace {

// The arithmetic follows the adhan library (4.4.6), whose times the
// communities' timetables are checked against: the sun's place from Meeus's
// "Astronomical Algorithms" (low precision), rise, set and twilight by the
// interpolated hour-angle correction.

constexpr double kPi = 3.14159265358979323846;
// A refinement of a crossing's time of a quarter of a day or more is not one.
constexpr double kMaximumRefinement = 0.25;

double rad(double degrees)
{
    return degrees * kPi / 180.0;
}

double deg(double radians)
{
    return radians * 180.0 / kPi;
}

double unwound(double angle)
{
    return Normalized(angle, 360.0);
}

// Meeus's three-point interpolation at `n` days from the middle value.
double interpolated(double middle, double before, double after, double n)
{
    const double a = middle - before;
    const double b = after - middle;
    return middle + n / 2 * (a + b + n * (b - a));
}

double interpolatedAngle(double middle, double before, double after, double n)
{
    const double a = unwound(middle - before);
    const double b = unwound(after - middle);
    return middle + n / 2 * (a + b + n * (b - a));
}

} // namespace

double Normalized(double value, double max)
{
    return value - max * std::floor(value / max);
}

Sun SunAt(double julianDay)
{
    const double t = (julianDay - 2451545.0) / 36525;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double meanLongitude = unwound(280.4664567 + 36000.76983 * t + 0.0003032 * t2);
    const double moonLongitude = unwound(218.3165 + 481267.8813 * t);
    const double node = unwound(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000);
    const double anomaly = rad(unwound(357.52911 + 35999.05029 * t - 0.0001537 * t2));
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t2) * std::sin(anomaly) +
                          (0.019993 - 0.000101 * t) * std::sin(2 * anomaly) +
                          0.000289 * std::sin(3 * anomaly);
    const double omega = rad(125.04 - 1934.136 * t);
    const double longitude =
        rad(unwound(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega)));
    const double meanSidereal = unwound(280.46061837 + 360.98564736629 * (julianDay - 2451545) +
                                        0.000387933 * t2 - t3 / 38710000);
    const double n = rad(node);
    const double l = rad(meanLongitude);
    const double m = rad(moonLongitude);
    const double nutationLongitude = (-17.2 * std::sin(n) - 1.32 * std::sin(2 * l) -
                                      0.23 * std::sin(2 * m) + 0.21 * std::sin(2 * n)) /
                                     3600;
    const double nutationObliquity = (9.2 * std::cos(n) + 0.57 * std::cos(2 * l) +
                                      0.1 * std::cos(2 * m) - 0.09 * std::cos(2 * n)) /
                                     3600;
    const double meanObliquity =
        23.439291 - 0.013004167 * t - 0.0000001639 * t2 + 0.0000005036 * t3;
    const double obliquity = rad(meanObliquity + 0.00256 * std::cos(omega));
    return {
        deg(std::asin(std::sin(obliquity) * std::sin(longitude))),
        unwound(deg(std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)))),
        meanSidereal + nutationLongitude * std::cos(rad(meanObliquity + nutationObliquity))};
}

SunCourse::SunCourse(const Sun *sun, double latitude, double longitude)
    : m_sun(sun), m_latitude(latitude), m_west(-longitude), m_sinLatitude(std::sin(rad(latitude))),
      m_cosLatitude(std::cos(rad(latitude)))
{
    const double m0 = Normalized((sun[1].rightAscension + m_west - sun[1].siderealTime) / 360, 1);
    // Near the date line the plain formula can land on the neighbouring
    // day; the transit lies within half a day of the clock's noon there.
    const double expected = Normalized((12.0 - longitude / 15.0) / 24.0, 1);
    m_approxTransit = m0 - expected > 0.5 ? m0 - 1 : (expected - m0 > 0.5 ? m0 + 1 : m0);
}

double SunCourse::transit() const
{
    const double m = m_approxTransit;
    const double theta = unwound(m_sun[1].siderealTime + 360.985647 * m);
    const double a = unwound(interpolatedAngle(m_sun[1].rightAscension, m_sun[0].rightAscension,
                                               m_sun[2].rightAscension, m));
    double h = theta - m_west - a;
    if (h < -180 || h > 180)
        h -= 360 * std::floor(h / 360 + 0.5);
    return (m - h / 360) * 24;
}

double SunCourse::atAltitude(double altitude, bool afterTransit) const
{
    const double d = rad(m_sun[1].declination);
    const double cosH0 =
        (std::sin(rad(altitude)) - m_sinLatitude * std::sin(d)) / (m_cosLatitude * std::cos(d));
    if (!(cosH0 >= -1 && cosH0 <= 1))
        return kNone;
    const double h0 = deg(std::acos(cosH0));
    const double m = afterTransit ? m_approxTransit + h0 / 360 : m_approxTransit - h0 / 360;
    const double theta = unwound(m_sun[1].siderealTime + 360.985647 * m);
    const double a = unwound(interpolatedAngle(m_sun[1].rightAscension, m_sun[0].rightAscension,
                                               m_sun[2].rightAscension, m));
    const double delta =
        rad(interpolated(m_sun[1].declination, m_sun[0].declination, m_sun[2].declination, m));
    const double hourAngle = rad(theta - m_west - a);
    const double reached = deg(std::asin(m_sinLatitude * std::sin(delta) +
                                         m_cosLatitude * std::cos(delta) * std::cos(hourAngle)));
    const double dm =
        (reached - altitude) / (360 * std::cos(delta) * m_cosLatitude * std::sin(hourAngle));
    // Where the sun only just reaches the altitude the hour angle is near
    // zero and the refinement's division runs away (days off, near the
    // polar circles); the first estimate is then the better answer.
    if (!(std::fabs(dm) < kMaximumRefinement))
        return m * 24;
    return (m + dm) * 24;
}

// With the sun below the horizon at noon (|latitude - declination| of 90 or
// more) there is no shadow, so no Asr; adhan's formula would give a
// meaningless negative altitude there.
double SunCourse::afternoon(double shadow) const
{
    const double zenith = std::fabs(m_latitude - m_sun[1].declination);
    if (zenith >= 90)
        return kNone;
    return atAltitude(deg(std::atan(1.0 / (shadow + std::tan(rad(zenith))))), true);
}

double SunCourse::noonAltitude() const
{
    return 90 - std::fabs(m_latitude - m_sun[1].declination);
}

double WholeSeconds(double hours)
{
    if (!(std::fabs(hours) < 1e6))
        return kNone;
    const double h = std::floor(hours);
    const double m = std::floor((hours - h) * 60);
    const double s = std::floor((hours - (h + m / 60)) * 3600);
    return h * 3600 + m * 60 + s;
}

} // namespace qarnivo::sun
