#pragma once

// `--qibla`: the direction of the Kaaba and the distance to it from the
// default city or a place given by its coordinates.

#include "core/places/cityfile.h"

#include <optional>

class QCommandLineParser;
class QTextStream;

namespace qarnivo {

void DescribeQiblaOptions(QCommandLineParser &parser);

int PrintQibla(const QCommandLineParser &parser, const std::optional<CityInfo> &city,
               QTextStream &out, QTextStream &err);

} // namespace qarnivo
