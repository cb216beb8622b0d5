#pragma once

// The day and the place an astronomical command is asked about: --date, and
// --latitude, --longitude and --utc-offset (east positive) or else the
// default city, read in the city file's conventions and turned east positive.

#include "core/calendar/conversion.h"
#include "core/places/cityfile.h"
#include "core/prayer/prayertimes.h"

#include <QDate>
#include <QTextStream>

#include <optional>

class QCommandLineParser;

namespace qarnivo {

// A date as the text forms show it, "18 February 2026", in the interface language.
QString ShownDate(const Ymd &date, const QString &monthName);
QString ShownDate(const QDate &date);

// --date (YYYY-MM-DD, in the years given), or `today` when it is not set;
// none, with the problem told, when it cannot be read.
std::optional<QDate> RequestedDate(const QCommandLineParser &parser, const QDate &today,
                                   int firstYear, int lastYear, QString &problem);

// The place given, or the default city; `name` is the city's, or the
// coordinates given.
std::optional<PrayerPlace> RequestedPlace(const QCommandLineParser &parser,
                                          const std::optional<CityInfo> &city, QString &name,
                                          QString &problem);

// A place by its coordinates alone, east positive, named by the city's name
// or the coordinates given.
struct NamedPosition {
    QString name;
    double latitude = 0;
    double longitude = 0;
};

// --latitude and --longitude given together, or else the default city; none
// when neither can be had, with `problem` told only when the coordinates
// given are refused.
std::optional<NamedPosition> RequestedPosition(const QCommandLineParser &parser,
                                               const std::optional<CityInfo> &city,
                                               QString &problem);

// Reads a request with `read` (which tells its problem) and answers it with
// `answer`, which gives the status; 2, with the problem on `err`, when it is
// refused.
template <typename Read, typename Answer>
int AnswerRequest(const Read &read, const Answer &answer, QTextStream &err)
{
    QString problem;
    const auto wanted = read(problem);
    if (!wanted) {
        err << problem << Qt::endl;
        return 2;
    }
    return answer(*wanted);
}

} // namespace qarnivo
