#include "cli/crescentcommand.h"

#include "cli/dayandplace.h"
#include "cli/usage.h"
#include "core/calendar/names.h"
#include "core/crescent/crescentline.h"
#include "core/files/savefile.h"
#include "core/language/digits.h"
#include "core/places/place.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
    problem = QCoreApplication::translate("CommandLine", "The criterion is odeh or yallop.");
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
        problem = QCoreApplication::translate("CommandLine", "The elevation is %1 to %2 metres.")
                      .arg(ShownNumber(kLowestElevation), ShownNumber(kHighestElevation));
        return std::nullopt;
    }
    return metres;
}

std::optional<QDate> supportedDate(const QCommandLineParser &parser, const QDate &today,
                                   QString &problem)
{
    const std::optional<QDate> date = RequestedDate(parser, today, kFirstYear, kLastYear, problem);
    if (date && !SupportedDate(date->year(), date->month(), date->day())) {
        problem = QCoreApplication::translate("CommandLine",
                                              "The new crescent is computed from %1 to %2.")
                      .arg(ShownNumber(kFirstYear), ShownNumber(kLastYear));
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

QString verdict(const Evening &evening, Criterion criterion, Wording wording)
{
    const bool seen = evening.obstacle == Obstacle::None;
    if (criterion == Criterion::Odeh)
        return OdehWords(seen ? evening.odehZone : OdehZone::D, wording);
    return YallopWords(seen ? evening.yallopClass : YallopClass::F, wording);
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
        QStringLiteral("\"visible\":\"%1\"")
            .arg(verdict(evening, wanted.criterion, Wording::English))};
    if (evening.obstacle != Obstacle::None)
        members << QStringLiteral("\"reason\":\"%1\"")
                       .arg(ObstacleWords(evening.obstacle, Wording::English));
    out << u'{' << members.join(u',') << QStringLiteral("}\n");
}

const QString kNoNumber = QStringLiteral("--");

// A value in the interface language's digits with its unit, or "--" for none.
QString amount(double value, int decimals, const QString &unit = QString())
{
    return std::isnan(value) ? kNoNumber : QLocale().toString(value, 'f', decimals) + unit;
}

QString clock(double julianDay, double offset)
{
    return ShownDigits(ClockMinute(julianDay, offset).value_or(kNoNumber));
}

QString conjunctionText(double julianDay)
{
    if (std::isnan(julianDay))
        return kNoNumber;
    const QDateTime utc = DateTimeOfJulianDay(julianDay);
    return QCoreApplication::translate("CommandLine", "%1 %2 UTC")
        .arg(ShownDate(utc.date()), ShownDigits(utc.toString(QStringLiteral("HH:mm"))));
}

void printVerdict(const Request &wanted, const Evening &evening, QTextStream &out)
{
    const bool odeh = wanted.criterion == Criterion::Odeh;
    const QString value =
        odeh ? QCoreApplication::translate("CommandLine", "Odeh V %1").arg(amount(evening.odehV, 2))
             : QCoreApplication::translate("CommandLine", "Yallop q %1")
                   .arg(amount(evening.yallopQ, 3));
    if (evening.obstacle != Obstacle::None) {
        out << QCoreApplication::translate("CommandLine", "%1: not visible, %2")
                   .arg(value, ObstacleWords(evening.obstacle))
            << '\n';
        return;
    }
    const QString line = odeh ? QCoreApplication::translate("CommandLine", "%1: %2 (zone %3)")
                              : QCoreApplication::translate("CommandLine", "%1: %2 (class %3)");
    out << line.arg(value, verdict(evening, wanted.criterion, Wording::Shown),
                    zoneLetter(evening, wanted.criterion))
        << '\n';
}

void printBlock(const Request &wanted, const Evening &evening, QTextStream &out)
{
    const double offset = wanted.place.utcOffset;
    const auto line = [&out](const char *text, const QString &value) {
        out << QCoreApplication::translate("CommandLine", text).arg(value) << '\n';
    };
    out << QCoreApplication::translate("CommandLine", "%1, evening of %2 (UTC%3%4)")
               .arg(wanted.placeName, ShownDate(wanted.date),
                    offset < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                    QLocale().toString(std::abs(offset), 'g', QLocale::FloatingPointShortest))
        << '\n';
    line(QT_TRANSLATE_NOOP("CommandLine", "Conjunction  %1"), conjunctionText(evening.conjunction));
    line(QT_TRANSLATE_NOOP("CommandLine", "Sunset       %1"), clock(evening.sunset, offset));
    line(QT_TRANSLATE_NOOP("CommandLine", "Moonset      %1"), clock(evening.moonset, offset));
    line(QT_TRANSLATE_NOOP("CommandLine", "Lag          %1"),
         amount(evening.lagMinutes, 0, QCoreApplication::translate("CommandLine", " minutes")));
    line(QT_TRANSLATE_NOOP("CommandLine", "Moon's age   %1"),
         amount(evening.moonAgeHours, 1, QCoreApplication::translate("CommandLine", " hours")));
    const QString degrees = QStringLiteral("°");
    out << QStringLiteral("ARCL %1  ARCV %2  DAZ %3  W %4\n")
               .arg(amount(evening.arcl, 2, degrees), amount(evening.arcv, 2, degrees),
                    amount(evening.daz, 2, degrees), amount(evening.width, 3, QStringLiteral("'")));
    printVerdict(wanted, evening, out);
}

// The place marked on the map: the one given, else the default city when
// it can be read.
std::optional<MapMark> requestedMark(const QCommandLineParser &parser,
                                     const std::optional<CityInfo> &city, QString &problem)
{
    const std::optional<NamedPosition> position = RequestedPosition(parser, city, problem);
    return position
               ? std::optional(MapMark{position->name, position->latitude, position->longitude})
               : std::nullopt;
}

std::optional<CrescentMapRequest> mapRequest(const QCommandLineParser &parser,
                                             const CrescentChoices &choices, QString &problem)
{
    if (!parser.isSet(QStringLiteral("date")) || !parser.isSet(QStringLiteral("output"))) {
        problem = QCoreApplication::translate(
            "CommandLine", "--crescent-map needs --date YYYY-MM-DD and --output FILE.png.");
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
        problem = QCoreApplication::translate("CommandLine", "%1 could not be written: %2")
                      .arg(wanted.output, refused);
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
         QCoreApplication::translate(
             "CommandLine", "Prints whether the new crescent can be seen on the evening of --date "
                            "(default today) at the default city or the place given.")},
        {QStringLiteral("crescent-map"),
         QCoreApplication::translate(
             "CommandLine", "Draws where on Earth the new crescent can be seen on the evening of "
                            "--date as a PNG picture, --output FILE.png.")},
        {QStringLiteral("elevation"),
         QCoreApplication::translate(
             "CommandLine", "The place's height above sea level, -500 to 9000 metres (default 0)."),
         QStringLiteral("M")},
        {QStringLiteral("criterion"),
         QCoreApplication::translate("CommandLine",
                                     "odeh or yallop (default: the stored choice, else odeh)."),
         QStringLiteral("NAME")},
        {QStringLiteral("output"),
         QCoreApplication::translate("CommandLine", "The picture --crescent-map writes."),
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
