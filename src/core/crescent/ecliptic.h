#pragma once

// The apparent geocentric places of the Sun and the Moon in ecliptic
// coordinates of date.

namespace qarnivo::crescent {

inline constexpr double kKilometresPerAu = 149597870.7;

struct EclipticPlace {
    double longitude = 0; // degrees, [0, 360)
    double latitude = 0;  // degrees
    double distance = 0;  // km
};

// At T Julian centuries of TT since J2000.0, with the nutation in longitude
// (degrees) added.
EclipticPlace SunAt(double centuriesTT, double nutationLongitude);
EclipticPlace MoonAt(double centuriesTT, double nutationLongitude);

} // namespace qarnivo::crescent
