#pragma once

// The Earth's axis on a date: nutation, the obliquity of the ecliptic and
// sidereal time.

namespace qarnivo::crescent {

struct Nutation {
    double longitude = 0;     // delta psi, degrees
    double obliquity = 0;     // delta epsilon, degrees
    double trueObliquity = 0; // epsilon0 + delta epsilon, degrees
};

// At T Julian centuries of TT since J2000.0.
Nutation NutationAt(double centuriesTT);

// Greenwich mean sidereal time in degrees at a Julian Day (UT); add the
// equation of the equinoxes, nutation.longitude * cos(trueObliquity), for
// the apparent time.
double MeanSiderealTime(double julianDayUT);

} // namespace qarnivo::crescent
