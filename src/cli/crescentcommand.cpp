#include "cli/crescentcommand.h"

#include "cli/dayandplace.h"
#include "cli/usage.h"
#include "core/crescent/crescentline.h"
#include "core/files/savefile.h"
#include "core/places/place.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace qarnivo {

namespace {

using namespace crescent;

constexpr int kDone = 0;

constexpr double kLowestElevation = -500;
constexpr double kHighestElevation = 9000;

struct Request {
    QDate date;
    PrayerPlace place;
    QString placeName;
    double elevation = 0;
    Criterion criterion = Criterion::Odeh;
};

std::optional<Criterion> requestedCriterion(const QCommandLineParser &parser, Criterion stored,
                                            QString &problem)
{
    if (!parser.isSet(QStringLiteral("criterion")))
        return stored;
    const QString name = parser.value(QStringLiteral("criterion"));
    for (const Criterion criterion : {Criterion::Odeh, Criterion::Yallop}) {
        if (name == CriterionKey(criterion))
            return criterion;
    }
    problem = QStringLiteral("The criterion is odeh or yallop.");
    return std::nullopt;
}

std::optional<double> requestedElevation(const QCommandLineParser &parser, QString &problem)
{
    if (!parser.isSet(QStringLiteral("elevation")))
        return 0.0;
    bool number = false;
    const double metres = parser.value(QStringLiteral("elevation")).trimmed().toDouble(&number);
    // Written as "inside" so that NaN is refused.
    if (!number || !(metres >= kLowestElevation && metres <= kHighestElevation)) {
        problem = QStringLiteral("The elevation is %1 to %2 metres.")
                      .arg(kLowestElevation)
                      .arg(kHighestElevation);
        return std::nullopt;
    }
    return metres;
}

std::optional<QDate> supportedDate(const QCommandLineParser &parser, const QDate &today,
                                   QString &problem)
{
    const std::optional<QDate> date = RequestedDate(parser, today, kFirstYear, kLastYear, problem);
    if (date && !SupportedDate(date->year(), date->month(), date->day())) {
        problem = QStringLiteral("The new crescent is computed from %1 to %2.")
                      .arg(kFirstYear)
                      .arg(kLastYear);
        return std::nullopt;
    }
    return date;
}

std::optional<Request> request(const QCommandLineParser &parser, const CrescentChoices &choices,
                               QString &problem)
{
    Request wanted;
    const auto date = supportedDate(parser, choices.today, problem);
    const auto place =
        date ? RequestedPlace(parser, choices.city, wanted.placeName, problem) : std::nullopt;
    const auto elevation = place ? requestedElevation(parser, problem) : std::nullopt;
    const auto criterion =
        elevation ? requestedCriterion(parser, choices.criterion, problem) : std::nullopt;
    if (!criterion)
        return std::nullopt;
    wanted.date = *date;
    wanted.place = *place;
    wanted.elevation = *elevation;
    wanted.criterion = *criterion;
    return wanted;
}

std::optional<QString> fixed(double value, int decimals)
{
    if (std::isnan(value))
        return std::nullopt;
    return QString::number(value, 'f', decimals);
}

bool judged(const Evening &evening, Criterion criterion)
{
    return !std::isnan(criterion == Criterion::Odeh ? evening.odehV : evening.yallopQ);
}

QString verdict(const Evening &evening, Criterion criterion)
{
    const bool seen = evening.obstacle == Obstacle::None;
    if (criterion == Criterion::Odeh)
        return OdehWords(seen ? evening.odehZone : OdehZone::D);
    return YallopWords(seen ? evening.yallopClass : YallopClass::F);
}

QString zoneLetter(const Evening &evening, Criterion criterion)
{
    const int grade =
        criterion == Criterion::Odeh ? int(evening.odehZone) : int(evening.yallopClass);
    return QString(QChar(u'A' + grade));
}

QString jsonText(const std::optional<QString> &text)
{
    return text ? u'"' + *text + u'"' : QStringLiteral("null");
}

// In the order a reader expects rather than a JSON object's sorted keys;
// no text needs escaping.
void printJson(const Request &wanted, const Evening &evening, QTextStream &out)
{
    const double offset = wanted.place.utcOffset;
    const auto number = [](const std::optional<QString> &text) {
        return text.value_or(QStringLiteral("null"));
    };
    const auto letter = [&evening](Criterion criterion) {
        return judged(evening, criterion) ? std::optional(zoneLetter(evening, criterion))
                                          : std::nullopt;
    };
    QStringList members{
        QStringLiteral("\"date\":\"%1\"").arg(wanted.date.toString(Qt::ISODate)),
        QStringLiteral("\"latitude\":%1").arg(QString::number(wanted.place.latitude, 'g', 10)),
        QStringLiteral("\"longitude\":%1").arg(QString::number(wanted.place.longitude, 'g', 10)),
        QStringLiteral("\"conjunction\":%1")
            .arg(jsonText(std::isnan(evening.conjunction)
                              ? std::nullopt
                              : std::optional(DateTimeOfJulianDay(evening.conjunction)
                                                  .toString(QStringLiteral("yyyy-MM-ddTHH:mm")) +
                                              u'Z'))),
        QStringLiteral("\"sunset\":%1").arg(jsonText(ClockMinute(evening.sunset, offset))),
        QStringLiteral("\"moonset\":%1").arg(jsonText(ClockMinute(evening.moonset, offset))),
        QStringLiteral("\"lag_minutes\":%1").arg(number(fixed(evening.lagMinutes, 0))),
        QStringLiteral("\"best_time\":%1").arg(jsonText(ClockMinute(evening.bestTime, offset))),
        QStringLiteral("\"moon_age_hours\":%1").arg(number(fixed(evening.moonAgeHours, 1))),
        QStringLiteral("\"arcl\":%1").arg(number(fixed(evening.arcl, 2))),
        QStringLiteral("\"arcv\":%1").arg(number(fixed(evening.arcv, 2))),
        QStringLiteral("\"daz\":%1").arg(number(fixed(evening.daz, 2))),
        QStringLiteral("\"width\":%1").arg(number(fixed(evening.width, 3))),
        QStringLiteral("\"odeh_v\":%1").arg(number(fixed(evening.odehV, 2))),
        QStringLiteral("\"odeh_zone\":%1").arg(jsonText(letter(Criterion::Odeh))),
        QStringLiteral("\"yallop_q\":%1").arg(number(fixed(evening.yallopQ, 3))),
        QStringLiteral("\"yallop_class\":%1").arg(jsonText(letter(Criterion::Yallop))),
        QStringLiteral("\"criterion\":\"%1\"").arg(CriterionKey(wanted.criterion)),
        QStringLiteral("\"visible\":\"%1\"").arg(verdict(evening, wanted.criterion))};
    if (evening.obstacle != Obstacle::None)
        members << QStringLiteral("\"reason\":\"%1\"").arg(ObstacleWords(evening.obstacle));
    out << u'{' << members.join(u',') << QStringLiteral("}\n");
}

QString shown(const std::optional<QString> &text, const QString &unit = QString())
{
    return text ? *text + unit : QStringLiteral("--");
}

void printBlock(const Request &wanted, const Evening &evening, QTextStream &out)
{
    const double offset = wanted.place.utcOffset;
    const QLocale c = QLocale::c();
    out << QStringLiteral("%1, evening of %2 (UTC%3%4)\n")
               .arg(wanted.placeName, c.toString(wanted.date, QStringLiteral("d MMMM yyyy")),
                    offset < 0 ? QStringLiteral("-") : QStringLiteral("+"))
               .arg(std::abs(offset));
    const QString conjunction = std::isnan(evening.conjunction)
                                    ? QStringLiteral("--")
                                    : c.toString(DateTimeOfJulianDay(evening.conjunction),
                                                 QStringLiteral("d MMMM yyyy HH:mm")) +
                                          QStringLiteral(" UTC");
    const std::optional<QString> lag = fixed(evening.lagMinutes, 0);
    out << QStringLiteral("Conjunction  %1\n").arg(conjunction)
        << QStringLiteral("Sunset       %1\n").arg(shown(ClockMinute(evening.sunset, offset)))
        << QStringLiteral("Moonset      %1\n").arg(shown(ClockMinute(evening.moonset, offset)))
        << QStringLiteral("Lag          %1\n").arg(shown(lag, QStringLiteral(" minutes")))
        << QStringLiteral("Moon's age   %1\n")
               .arg(shown(fixed(evening.moonAgeHours, 1), QStringLiteral(" hours")))
        << QStringLiteral("ARCL %1  ARCV %2  DAZ %3  W %4\n")
               .arg(shown(fixed(evening.arcl, 2), QStringLiteral("°")),
                    shown(fixed(evening.arcv, 2), QStringLiteral("°")),
                    shown(fixed(evening.daz, 2), QStringLiteral("°")),
                    shown(fixed(evening.width, 3), QStringLiteral("'")));
    const bool odeh = wanted.criterion == Criterion::Odeh;
    const QString value = odeh
                              ? QStringLiteral("Odeh V %1").arg(shown(fixed(evening.odehV, 2)))
                              : QStringLiteral("Yallop q %1").arg(shown(fixed(evening.yallopQ, 3)));
    if (evening.obstacle != Obstacle::None) {
        out << QStringLiteral("%1: not visible, %2\n").arg(value, ObstacleWords(evening.obstacle));
        return;
    }
    out << QStringLiteral("%1: %2 (%3 %4)\n")
               .arg(value, verdict(evening, wanted.criterion),
                    odeh ? QStringLiteral("zone") : QStringLiteral("class"),
                    zoneLetter(evening, wanted.criterion));
}

// The place marked on the map: the one given, else the default city when
// it can be read.
std::optional<MapMark> requestedMark(const QCommandLineParser &parser,
                                     const std::optional<CityInfo> &city, QString &problem)
{
    const QString latitude = parser.value(QStringLiteral("latitude"));
    const QString longitude = parser.value(QStringLiteral("longitude"));
    if (latitude.isNull() && longitude.isNull()) {
        const std::optional<PrayerPlace> place = city ? PrayerPlaceOfCity(*city) : std::nullopt;
        return place
                   ? std::optional(MapMark{city->name.trimmed(), place->latitude, place->longitude})
                   : std::nullopt;
    }
    const PlaceRead read =
        ReadPlace({QString(), latitude, longitude, QStringLiteral("0")}, kCommandLineRules);
    if (latitude.isNull() || longitude.isNull() || !read.ok()) {
        problem = QStringLiteral("Give --latitude (-90 to 90, north positive) and --longitude "
                                 "(-180 to 180, east positive) together.");
        return std::nullopt;
    }
    const PrayerPlace place = PrayerPlaceOf(read.place);
    return MapMark{QStringLiteral("%1, %2").arg(place.latitude).arg(place.longitude),
                   place.latitude, place.longitude};
}

std::optional<CrescentMapRequest> mapRequest(const QCommandLineParser &parser,
                                             const CrescentChoices &choices, QString &problem)
{
    if (!parser.isSet(QStringLiteral("date")) || !parser.isSet(QStringLiteral("output"))) {
        problem = QStringLiteral("--crescent-map needs --date YYYY-MM-DD and --output FILE.png.");
        return std::nullopt;
    }
    CrescentMapRequest wanted;
    wanted.output = parser.value(QStringLiteral("output"));
    const auto date = supportedDate(parser, choices.today, problem);
    const auto criterion =
        date ? requestedCriterion(parser, choices.criterion, problem) : std::nullopt;
    if (!criterion)
        return std::nullopt;
    wanted.mark = requestedMark(parser, choices.city, problem);
    if (!problem.isEmpty())
        return std::nullopt;
    if (const QString refused = RefusedSaveTarget(wanted.output); !refused.isEmpty()) {
        problem = QStringLiteral("%1 could not be written: %2").arg(wanted.output, refused);
        return std::nullopt;
    }
    wanted.date = *date;
    wanted.criterion = *criterion;
    return wanted;
}

} // namespace

QString CriterionKey(Criterion criterion)
{
    return criterion == Criterion::Odeh ? QStringLiteral("odeh") : QStringLiteral("yallop");
}

void DescribeCrescentOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("crescent"),
         QStringLiteral("Prints whether the new crescent can be seen on the evening of --date "
                        "(default today) at the default city or the place given.")},
        {QStringLiteral("crescent-map"),
         QStringLiteral("Draws where on Earth the new crescent can be seen on the evening of "
                        "--date as a PNG picture, --output FILE.png.")},
        {QStringLiteral("elevation"),
         QStringLiteral("The place's height above sea level, -500 to 9000 metres (default 0)."),
         QStringLiteral("M")},
        {QStringLiteral("criterion"),
         QStringLiteral("odeh or yallop (default: the stored choice, else odeh)."),
         QStringLiteral("NAME")},
        {QStringLiteral("output"), QStringLiteral("The picture --crescent-map writes."),
         QStringLiteral("FILE")},
    });
}

int PrintCrescent(const QCommandLineParser &parser, const CrescentChoices &choices,
                  QTextStream &out, QTextStream &err)
{
    return AnswerRequest([&](QString &problem) { return request(parser, choices, problem); },
                         [&](const Request &wanted) {
                             const Evening evening = EveningAt(
                                 {wanted.place.latitude, wanted.place.longitude, wanted.elevation},
                                 wanted.date.year(), wanted.date.month(), wanted.date.day(),
                                 wanted.place.utcOffset);
                             if (parser.isSet(QStringLiteral("json")))
                                 printJson(wanted, evening, out);
                             else
                                 printBlock(wanted, evening, out);
                             return kDone;
                         },
                         err);
}

int WriteCrescentMap(const QCommandLineParser &parser, const CrescentChoices &choices,
                     const CrescentMapWriter &writer, QTextStream &err)
{
    return AnswerRequest([&](QString &problem) { return mapRequest(parser, choices, problem); },
                         writer, err);
}

} // namespace qarnivo
