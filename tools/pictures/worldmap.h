#pragma once

#include <QImage>
#include <QList>
#include <QPolygonF>
#include <QString>

namespace picturegen {

// Outlines of the world in degrees (x = longitude east, y = latitude north).
struct WorldOutlines {
    QList<QPolygonF> land;    // closed rings: coasts, and the shores of inland seas
    QList<QPolygonF> borders; // open lines between two countries
};

// Reads Natural Earth's outlines from world-atlas's countries TopoJSON file
// (the objects "land" and "countries"). Ends the program when the file is
// missing or not TopoJSON.
WorldOutlines ReadWorldAtlas(const QString &path);

// The world time-zone map: an equirectangular map from 84° N to 73° S with
// the 25 hour zones of GMT (-12 .. +12, each 15° wide and centred on a
// multiple of 15°, the two at the date line half as wide) in alternating
// tints, their numbers above the map and a legend below. Drawn at 1252 x
// 612 pixels, twice the 626 x 306 at which the map window shows it.
QImage DrawWorldGmtMap(const WorldOutlines &world, const QString &labelFamily);

} // namespace picturegen
