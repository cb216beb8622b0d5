#pragma once

// An observer on the Earth's surface: where the place is in the equatorial
// frame of date, and the altitude and azimuth of a direction seen from it.

#include "core/crescent/angles.h"
#include "core/crescent/crescent.h"

namespace qarnivo::crescent {

struct Horizontal {
    double altitude = 0; // degrees, without refraction
    double azimuth = 0;  // degrees from north through east, [0, 360)
};

class ObserverFrame {
public:
    explicit ObserverFrame(const Observer &observer);

    // The place as seen from the Earth's centre (km) at a Greenwich sidereal
    // time (degrees); subtracted from a body's geocentric vector it gives the
    // topocentric one.
    Vec3 position(double siderealTime) const;
    Horizontal horizontal(const Vec3 &direction, double siderealTime) const;

private:
    double longitude_;
    double sinLatitude_;
    double cosLatitude_;
    double rhoSin_; // rho sin(phi'), km
    double rhoCos_; // rho cos(phi'), km
};

} // namespace qarnivo::crescent
