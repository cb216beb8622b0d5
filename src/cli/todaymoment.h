#pragma once

// `--today --at` and `--day-starts`: the moment --today answers for, and
// whether it is the eve of the next Hijri day when that day begins at the
// default city's Maghrib.

#include "cli/commandline.h"

#include <QDate>

#include <optional>

class QCommandLineParser;
class QTextStream;

namespace qarnivo {

struct TodayMoment {
    QDate date;              // the civil date, which the Gregorian answer keeps
    std::optional<bool> eve; // none when the Hijri day begins at midnight
};

// None, with the reason told on `err`, when --at or --day-starts is refused.
std::optional<TodayMoment> ReadTodayMoment(const QCommandLineParser &parser,
                                           const CommandLineInput &input, QTextStream &err);

} // namespace qarnivo
