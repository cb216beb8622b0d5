#include "cli/prayercommand.h"

#include "cli/commandline.h"
#include "cli/dayandplace.h"
#include "core/calendar/names.h"
#include "core/language/digits.h"
#include "core/prayer/prayerclock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

namespace qarnivo {

namespace {

constexpr int kDone = 0;

// The engine's accuracy is checked from the Gregorian reform to 9999.
constexpr int kFirstYear = 1583;
constexpr int kLastYear = 9999;

struct Request {
    QDate date;
    PrayerPlace place;
    QString placeName;
    PrayerSettings settings;
};

// The settings as stored, overridden by the options; a problem names the
// option that could not be read.
std::optional<PrayerSettings> requestedSettings(const QCommandLineParser &parser,
                                                PrayerSettings settings, QString &problem)
{
    if (parser.isSet(QStringLiteral("method"))) {
        const auto method = PrayerMethodFromKey(parser.value(QStringLiteral("method")));
        if (!method) {
            QStringList keys;
            for (int m = 0; m < kPrayerMethodCount; ++m)
                keys << PrayerMethodKey(static_cast<PrayerMethod>(m));
            problem = QCoreApplication::translate("CommandLine", "The method is one of: %1.")
                          .arg(keys.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        settings.method = *method;
    }
    if (parser.isSet(QStringLiteral("asr"))) {
        const QString rule = parser.value(QStringLiteral("asr"));
        if (rule != QLatin1String("standard") && rule != QLatin1String("hanafi")) {
            problem =
                QCoreApplication::translate("CommandLine", "The Asr rule is standard or hanafi.");
            return std::nullopt;
        }
        settings.asr = rule == QLatin1String("hanafi") ? AsrRule::Hanafi : AsrRule::Standard;
    }
    if (parser.isSet(QStringLiteral("high-latitude"))) {
        static const QStringList rules = {QStringLiteral("middle-of-the-night"),
                                          QStringLiteral("seventh-of-the-night"),
                                          QStringLiteral("twilight-angle")};
        const qsizetype rule = rules.indexOf(parser.value(QStringLiteral("high-latitude")));
        if (rule < 0) {
            problem =
                QCoreApplication::translate("CommandLine", "The high-latitude rule is one of: %1.")
                    .arg(rules.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        settings.highLatitude = static_cast<HighLatitudeRule>(rule);
    }
    return settings;
}

std::optional<Request> request(const QCommandLineParser &parser, const PrayerChoices &choices,
                               QString &problem)
{
    Request wanted;
    const auto date = RequestedDate(parser, choices.today, kFirstYear, kLastYear, problem);
    const auto place =
        date ? RequestedPlace(parser, choices.city, wanted.placeName, problem) : std::nullopt;
    const auto settings =
        place ? requestedSettings(parser, choices.settings, problem) : std::nullopt;
    if (!settings)
        return std::nullopt;
    if (!parser.positionalArguments().isEmpty()) {
        problem = QCoreApplication::translate(
            "CommandLine", "--prayer-times takes no dates of its own: use --date.");
        return std::nullopt;
    }
    wanted.date = *date;
    wanted.place = *place;
    wanted.place.daylightSaving = parser.isSet(QStringLiteral("dst"));
    wanted.settings = *settings;
    return wanted;
}

// In the day's order rather than a JSON object's sorted keys; every value is
// a date, a clock time, a source's name or null, so none needs escaping.
void printJson(const PrayerDay &day, const HijriCalendar &calendar, QTextStream &out)
{
    const Ymd hijri = calendar.hijriOf(day.date);
    QStringList members{
        QStringLiteral("\"date\": \"%1\"").arg(day.date.toString(Qt::ISODate)),
        QStringLiteral("\"hijri\": \"%1\"").arg(IsoDate(hijri.year, hijri.month, hijri.day)),
        QStringLiteral("\"source\": \"%1\"")
            .arg(HijriSourceName(calendar.sourceOf(hijri.year, hijri.month)))};
    for (int p = 0; p < kPrayerCount; ++p) {
        const auto prayer = static_cast<Prayer>(p);
        const auto minutes = day.at(prayer);
        members << QStringLiteral("\"%1\": %2")
                       .arg(PrayerKey(prayer), minutes
                                                   ? u'"' + FormatPrayerTime(*minutes, true) + u'"'
                                                   : QStringLiteral("null"));
    }
    out << u'{' << members.join(QStringLiteral(", ")) << QStringLiteral("}\n");
}

void printTable(const Request &wanted, const PrayerDay &day, QTextStream &out)
{
    const QString title =
        wanted.settings.asr == AsrRule::Hanafi
            ? QCoreApplication::translate("CommandLine", "%1, %2 (%3, Hanafi Asr)")
            : QCoreApplication::translate("CommandLine", "%1, %2 (%3, standard Asr)");
    out << title.arg(wanted.placeName, ShownDate(day.date),
                     PrayerMethodTitle(wanted.settings.method))
        << '\n';
    // The times in one column, however long the language's names are.
    qsizetype width = 9;
    for (int p = 0; p < kPrayerCount; ++p)
        width = std::max(width, PrayerName(static_cast<Prayer>(p)).size() + 2);
    for (int p = 0; p < kPrayerCount; ++p) {
        const auto prayer = static_cast<Prayer>(p);
        const auto minutes = day.at(prayer);
        QString line = PrayerName(prayer).leftJustified(width) +
                       (minutes ? ShownDigits(FormatPrayerTime(*minutes, wanted.settings.clock24))
                                : QStringLiteral("--"));
        if (!minutes && (prayer == Prayer::Sunrise || prayer == Prayer::Maghrib))
            line += QCoreApplication::translate("CommandLine", "  (%1: %2)")
                        .arg(PolarText(day.polar), PolarReason(day.polar));
        out << line << '\n';
    }
}

} // namespace

void DescribePrayerOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("prayer-times"),
         QCoreApplication::translate(
             "CommandLine", "Prints the day's prayer times (default city and today unless told).")},
        {QStringLiteral("date"),
         QCoreApplication::translate(
             "CommandLine", "The day of --prayer-times, --crescent or --crescent-map, YYYY-MM-DD."),
         QStringLiteral("DATE")},
        {QStringLiteral("latitude"),
         QCoreApplication::translate("CommandLine", "Latitude in degrees, north positive."),
         QStringLiteral("L")},
        {QStringLiteral("longitude"),
         QCoreApplication::translate("CommandLine", "Longitude in degrees, east positive."),
         QStringLiteral("L")},
        {QStringLiteral("utc-offset"),
         QCoreApplication::translate("CommandLine",
                                     "Hours ahead of UTC, east positive (5.5 for India)."),
         QStringLiteral("H")},
        {QStringLiteral("dst"),
         QCoreApplication::translate("CommandLine", "Daylight saving time: one hour later.")},
        {QStringLiteral("method"),
         QCoreApplication::translate(
             "CommandLine",
             "mwl, isna, egypt, karachi, umm-al-qura, dubai, moonsighting-committee, "
             "kuwait, qatar, singapore, tehran or turkey."),
         QStringLiteral("NAME")},
        {QStringLiteral("asr"), QCoreApplication::translate("CommandLine", "standard or hanafi."),
         QStringLiteral("RULE")},
        {QStringLiteral("high-latitude"),
         QCoreApplication::translate(
             "CommandLine", "middle-of-the-night, seventh-of-the-night or twilight-angle."),
         QStringLiteral("RULE")},
    });
}

int PrintPrayerTimes(const QCommandLineParser &parser, const PrayerChoices &choices,
                     QTextStream &out, QTextStream &err)
{
    return AnswerRequest([&](QString &problem) { return request(parser, choices, problem); },
                         [&](const Request &wanted) {
                             const PrayerDay day =
                                 PrayerTimesFor(wanted.date, wanted.place, wanted.settings);
                             if (parser.isSet(QStringLiteral("json")))
                                 printJson(day, choices.calendar, out);
                             else
                                 printTable(wanted, day, out);
                             return kDone;
                         },
                         err);
}

} // namespace qarnivo
