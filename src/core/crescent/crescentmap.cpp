#include "core/crescent/crescentmap.h"

#include "core/crescent/evening.h"
#include "core/crescent/timescale.h"

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

namespace qarnivo::crescent {

namespace {

MapCell CellOf(const Evening &e, Criterion criterion)
{
    MapCell cell;
    cell.moonSetsFirst = e.moonset < e.sunset;
    if (e.obstacle == Obstacle::SunDoesNotSet || e.obstacle == Obstacle::MoonDoesNotSet)
        return cell;
    cell.grade = static_cast<qint8>(criterion == Criterion::Odeh ? static_cast<int>(e.odehZone)
                                                                 : static_cast<int>(e.yallopClass));
    return cell;
}

} // namespace

// Every cell's evening comes from one table of the sky over the two days the
// local noons and evenings span, and from the three new moons around them.
CrescentMap ComputeCrescentMap(int year, int month, int day, Criterion criterion,
                               const MapArea &area)
{
    CrescentMap map;
    map.year = year;
    map.month = month;
    map.day = day;
    map.criterion = criterion;
    map.area = area;
    map.columns = static_cast<int>(std::lround(360 / area.step));
    map.rows = static_cast<int>(std::lround((area.north - area.south) / area.step));
    map.cells.resize(qsizetype(map.rows) * map.columns);

    const double midnight = JulianDayAtMidnight(year, month, day);
    const SkyTable sky(midnight, midnight + 2);
    const double middle = NewMoonNear(midnight + 1);
    const std::array<double, 3> newMoons{NewMoonNear(middle - 29), middle,
                                         NewMoonNear(middle + 29)};
    const auto nearest = [&newMoons](double t) {
        return *std::min_element(newMoons.begin(), newMoons.end(), [t](double a, double b) {
            return std::abs(a - t) < std::abs(b - t);
        });
    };

    const auto rowsFrom = [&](int first, int stride) {
        for (int row = first; row < map.rows; row += stride) {
            for (int column = 0; column < map.columns; ++column) {
                const double longitude = map.longitudeOf(column);
                const double noon = midnight + (12 - std::round(longitude / 15)) / 24;
                const Evening e =
                    EveningFrom(sky, {map.latitudeOf(row), longitude, 0}, noon, nearest);
                map.cells[qsizetype(row) * map.columns + column] = CellOf(e, criterion);
            }
        }
    };
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::jthread> workers;
    for (int i = 1; i < threads; ++i)
        workers.emplace_back(rowsFrom, i, threads);
    rowsFrom(0, threads);
    return map;
}

} // namespace qarnivo::crescent
