#pragma once

// The world map of the new crescent as a picture: an equirectangular grid
// of the map's cells coloured by their grade, the land outlines over it, a
// 30-degree graticule, a marked place, a title and a legend in words. Shared
// by the command line's --crescent-map and the windows.

#include "core/crescent/crescentmap.h"
#include "core/crescent/landoutline.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <optional>

namespace qarnivo {

// A place marked with a ring and its name, east positive.
struct CrescentMapMark {
    QString name;
    double latitude = 0;
    double longitude = 0;
};

// The colour of a grade (Odeh's zone 0-3 or Yallop's class 0-5), strong
// where the crescent is easily seen and pale where it is not; a neutral grey
// for -1, where the Sun or the Moon does not set.
QColor CrescentGradeColour(crescent::Criterion criterion, int grade);

// The program's land outlines; none when the compiled-in file cannot be read.
QList<crescent::LandRing> LandOutlines();

QImage DrawCrescentMap(const crescent::CrescentMap &map, const QList<crescent::LandRing> &land,
                       const std::optional<CrescentMapMark> &mark);

// The picture's pixel at a latitude and longitude of the map.
QPoint CrescentMapPixel(const crescent::CrescentMap &map, double latitude, double longitude);

// Saves the picture as PNG whole or not at all; the reason on failure.
QString SaveCrescentMapPicture(const QString &path, const QImage &image);

} // namespace qarnivo
