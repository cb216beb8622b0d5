// The young crescent's values for many evenings at once, for the check
// against astronomy-engine (check_crescent.js). Reads one evening a line
// from stdin:
//
//   2026-02-18 21.4225 39.8262 0 3
//
// (local date, latitude, longitude east positive, elevation in metres, UTC
// offset in hours) and writes the conjunction, sunset, moonset and best time
// (JD UT), then ARCL, ARCV, DAZ, W and the geocentric ARCL and ARCV, "nan"
// where there is none. A line it cannot read gives "?" and makes the exit
// status 1.

#include "core/crescent/crescent.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

using namespace qarnivo::crescent;

namespace {

std::string valuesOf(const QString &line)
{
    const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
    if (f.size() != 5)
        return {};
    const QDate date = QDate::fromString(f[0], Qt::ISODate);
    bool ok[4] = {};
    const Observer observer{f[1].toDouble(&ok[0]), f[2].toDouble(&ok[1]), f[3].toDouble(&ok[2])};
    const double offset = f[4].toDouble(&ok[3]);
    if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || !date.isValid() ||
        !SupportedDate(date.year(), date.month(), date.day()))
        return {};
    const Evening e = EveningAt(observer, date.year(), date.month(), date.day(), offset);
    char out[400];
    std::snprintf(out, sizeof out, "%.7f %.7f %.7f %.7f %.5f %.5f %.5f %.5f %.5f %.5f",
                  e.conjunction, e.sunset, e.moonset, e.bestTime, e.arcl, e.arcv, e.daz, e.width,
                  e.geocentricArcl, e.geocentricArcv);
    return out;
}

} // namespace

int main()
{
    std::string line;
    std::string out;
    int status = 0;
    while (std::getline(std::cin, line)) {
        const std::string values = valuesOf(QString::fromStdString(line).trimmed());
        if (values.empty())
            status = 1;
        out += values.empty() ? std::string("?") : values;
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return status;
}
