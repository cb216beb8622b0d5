#pragma once

// The land outlines drawn under the crescent map: a text of one ring a line,
// "lon,lat" pairs in degrees (east and north positive) parted by blanks;
// lines beginning with '#' are notes.

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

namespace qarnivo::crescent {

// x is the longitude, y the latitude.
using LandRing = QList<QPointF>;

// Every ring of the text; none when a line is not a ring of at least three
// points inside -180..180 by -90..90.
std::optional<QList<LandRing>> ReadLandOutlines(const QString &text);

} // namespace qarnivo::crescent
