#pragma once

// Where on Earth the young crescent can be seen on one evening: a grid of
// cells, each judged on the same calendar date at its own local time
// (UTC + round(longitude / 15)).

#include "core/crescent/crescent.h"

#include <QList>

namespace qarnivo::crescent {

struct MapArea {
    double south = -60;
    double north = 60;
    double step = 1; // degrees, cells are step x step
};

struct MapCell {
    // Odeh's zone (0-3 for A-D) or Yallop's class (0-5 for A-F), or -1
    // where the Sun or the Moon does not set.
    qint8 grade = -1;
    bool moonSetsFirst = false;
};

struct CrescentMap {
    int year = 0;
    int month = 0;
    int day = 0;
    Criterion criterion = Criterion::Odeh;
    MapArea area;
    int columns = 0;      // west to east from longitude -180
    int rows = 0;         // north to south from `area.north`
    QList<MapCell> cells; // row by row

    const MapCell &cell(int row, int column) const { return cells[row * columns + column]; }
    // The centre of a cell.
    double latitudeOf(int row) const { return area.north - (row + 0.5) * area.step; }
    double longitudeOf(int column) const { return -180 + (column + 0.5) * area.step; }
};

// The map of the evening of a supported date, computed on every core.
CrescentMap ComputeCrescentMap(int year, int month, int day, Criterion criterion,
                               const MapArea &area = {});

} // namespace qarnivo::crescent
