#pragma once

// The first setting of a body: where its height above the horizon of
// setting turns from positive to not.

#include "core/crescent/crescent.h"

#include <cmath>

namespace qarnivo::crescent {

// The first instant in [from, to] (Julian Days) where `height` crosses zero
// downwards, to about 0.1 s; kNone if it does not. The scan's `step` (days)
// must be shorter than any stay above or below the horizon to be seen.
template <typename Height> double FirstSetting(Height height, double from, double to, double step)
{
    double a = from;
    double fa = height(a);
    while (a < to) {
        const double b = std::fmin(a + step, to);
        const double fb = height(b);
        if (fa > 0 && fb <= 0) {
            // Regula falsi with the Illinois halving: the heights are smooth,
            // so it converges in a few evaluations.
            double lo = a, hi = b, flo = fa, fhi = fb;
            int side = 0;
            for (int i = 0; i < 60 && hi - lo > 1e-6; ++i) {
                const double m = (lo * fhi - hi * flo) / (fhi - flo);
                const double fm = height(m);
                if (fm > 0) {
                    lo = m, flo = fm;
                    fhi = side == 1 ? fhi / 2 : fhi;
                    side = 1;
                } else {
                    hi = m, fhi = fm;
                    flo = side == -1 ? flo / 2 : flo;
                    side = -1;
                }
                if (fm == 0)
                    return m;
            }
            return (lo + hi) / 2;
        }
        a = b;
        fa = fb;
    }
    return kNone;
}

} // namespace qarnivo::crescent
