#pragma once

// The geocentric apparent Sun and Moon as vectors in the true equator and
// equinox of date, with the Greenwich apparent sidereal time: everything an
// observer's view needs. A table of them evaluates the long series at a few
// instants and interpolates in between.

#include "core/crescent/angles.h"
#include "core/crescent/nutation.h"

#include <vector>

namespace qarnivo::crescent {

struct Sky {
    Vec3 sun;                // km
    Vec3 moon;               // km
    double siderealTime = 0; // degrees
};

// From the full series at a Julian Day (UT).
Sky SkyAt(double julianDayUT);

class SkyTable {
public:
    // Covers [first, last] (Julian Days, UT) with nodes every `step` days.
    SkyTable(double first, double last, double step = 0.5);
    Sky at(double julianDayUT) const;

private:
    struct Node {
        Vec3 sun;
        Vec3 moon;
    };
    double start_;
    double step_;
    Nutation nutation_; // at the middle; it moves by well under 1" a day
    std::vector<Node> nodes_;
};

} // namespace qarnivo::crescent
