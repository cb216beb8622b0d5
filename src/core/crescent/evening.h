#pragma once

// One evening's astronomy over a table of the sky, shared by the single
// evening and the world map so that both give the same values.

#include "core/crescent/crescent.h"
#include "core/crescent/sky.h"

#include <functional>

namespace qarnivo::crescent {

// The evening whose search starts at local noon `noonUT` (JD UT); `sky`
// must cover [noonUT, noonUT + 1]. `conjunctionNear` gives the new moon
// nearest to an instant.
Evening EveningFrom(const SkyTable &sky, const Observer &observer, double noonUT,
                    const std::function<double(double)> &conjunctionNear);

} // namespace qarnivo::crescent
