#pragma once

// `--crescent`: the young crescent on one evening at one place, judged by
// Odeh's or Yallop's criterion; `--crescent-map`: its world map as a
// picture, drawn by the windows' module once the options are checked here.

#include "core/crescent/crescent.h"
#include "core/places/cityfile.h"

#include <QDate>

#include <functional>
#include <optional>

class QCommandLineParser;
class QTextStream;

namespace qarnivo {

struct CrescentChoices {
    std::optional<CityInfo> city; // the default city, when its file could be read
    QDate today;
    crescent::Criterion criterion = crescent::Criterion::Odeh;
};

// A place marked on the map, east positive.
struct MapMark {
    QString name;
    double latitude = 0;
    double longitude = 0;
};

struct CrescentMapRequest {
    QDate date;
    crescent::Criterion criterion = crescent::Criterion::Odeh;
    QString output;
    std::optional<MapMark> mark;
};

// Draws and writes the map; the exit status.
using CrescentMapWriter = std::function<int(const CrescentMapRequest &)>;

void DescribeCrescentOptions(QCommandLineParser &parser);

int PrintCrescent(const QCommandLineParser &parser, const CrescentChoices &choices,
                  QTextStream &out, QTextStream &err);

int WriteCrescentMap(const QCommandLineParser &parser, const CrescentChoices &choices,
                     const CrescentMapWriter &writer, QTextStream &err);

// The criterion's name on the command line and in JSON.
QString CriterionKey(crescent::Criterion criterion);

} // namespace qarnivo
