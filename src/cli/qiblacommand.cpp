#include "cli/qiblacommand.h"

#include "cli/dayandplace.h"
#include "core/qibla/qibla.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace qarnivo {

namespace {

constexpr int kDone = 0;

std::optional<NamedPosition> request(const QCommandLineParser &parser,
                                     const std::optional<CityInfo> &city, QString &problem)
{
    const std::optional<NamedPosition> position = RequestedPosition(parser, city, problem);
    if (!position && problem.isEmpty())
        problem = QCoreApplication::translate(
            "CommandLine", "The default city cannot be read: give --latitude and --longitude.");
    return position;
}

QString jsonText(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("null") : u'"' + text + u'"';
}

// In a fixed order, the bearing to a tenth and the distance whole; the values
// are numbers or the program's own English words, which need no escaping.
void printJson(const NamedPosition &where, const Qibla &qibla, QTextStream &out)
{
    QStringList members{
        QStringLiteral("\"latitude\":%1").arg(QString::number(where.latitude, 'g', 10)),
        QStringLiteral("\"longitude\":%1").arg(QString::number(where.longitude, 'g', 10)),
        QStringLiteral("\"bearing\":%1")
            .arg(qibla.bearing ? BearingText(*qibla.bearing) : QStringLiteral("null")),
        QStringLiteral("\"distance_km\":%1").arg(qRound(qibla.distanceKm)),
        QStringLiteral("\"compass\":%1")
            .arg(jsonText(qibla.bearing ? CompassKey(CompassPoint(*qibla.bearing)) : QString()))};
    if (qibla.note != QiblaNote::None)
        members << QStringLiteral("\"note\":%1").arg(jsonText(QiblaNoteKey(qibla.note)));
    out << u'{' << members.join(u',') << QStringLiteral("}\n");
}

} // namespace

void DescribeQiblaOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("qibla"),
                      QCoreApplication::translate(
                          "CommandLine", "Prints the direction of the Kaaba and the distance to "
                                         "it from the default city or the place given.")});
}

int PrintQibla(const QCommandLineParser &parser, const std::optional<CityInfo> &city,
               QTextStream &out, QTextStream &err)
{
    return AnswerRequest([&](QString &problem) { return request(parser, city, problem); },
                         [&](const NamedPosition &where) {
                             const Qibla qibla = QiblaFrom(where.latitude, where.longitude);
                             if (parser.isSet(QStringLiteral("json")))
                                 printJson(where, qibla, out);
                             else
                                 out << QiblaFromLine(where.name, qibla) << '\n';
                             return kDone;
                         },
                         err);
}

} // namespace qarnivo
