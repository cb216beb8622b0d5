// The young crescent: microseconds for one evening (the target is under
// 100 us on one core) and seconds for the 1-degree world map of 120 x 360
// cells (under 3 s on two cores). Build in Release.

#include "core/crescent/crescentmap.h"

#include <chrono>
#include <cstdio>

using namespace qarnivo::crescent;

namespace {

template <typename Body> double secondsOf(int rounds, Body body)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        body(i);
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(stop - start).count() / rounds;
}

} // namespace

int main()
{
    double sink = 0;
    constexpr int kEvenings = 2000;
    const double evening = secondsOf(kEvenings, [&](int i) {
        const Observer place{-50.0 + i % 110, -180.0 + i % 360, 0};
        sink += EveningAt(place, 2026, 2, 18, std::round(place.longitude / 15)).arcl;
    });
    std::printf("%-40s %9.1f us  (target < 100; check %.0f)\n", "one evening", evening * 1e6, sink);

    constexpr int kMaps = 3;
    int visible = 0;
    const double map = secondsOf(kMaps, [&](int) {
        const CrescentMap m = ComputeCrescentMap(2026, 2, 18, Criterion::Odeh);
        for (const MapCell &cell : m.cells)
            visible += cell.grade == 0;
    });
    std::printf("%-40s %9.3f s   (target < 3; %d cells in zone A)\n",
                "1-degree world map, every core", map, visible / kMaps);
}
