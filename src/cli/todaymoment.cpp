#include "cli/todaymoment.h"

#include "cli/usage.h"
#include "core/calendar/sunsetday.h"
#include "core/prayer/prayertimes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace qarnivo {

namespace {

// A clock reading of the city's offset, kept in UTC so that no daylight
// saving gap of this computer's zone can refuse it.
std::optional<QDateTime> readAt(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})T(\\d{2}:\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    const QDate date = QDate::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(match.captured(2), QStringLiteral("HH:mm"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

// Without a readable default city there is no Maghrib: the day changes at
// midnight, and the caller is told so.
bool isEve(const QDateTime &at, const CommandLineInput &input, QTextStream &err)
{
    const std::optional<PrayerPlace> place =
        input.city ? PrayerPlaceOfCity(*input.city) : std::nullopt;
    if (!place) {
        err << QCoreApplication::translate(
                   "CommandLine",
                   "The default city cannot be read: the Hijri day changes at midnight.")
            << Qt::endl;
        return false;
    }
    return IsHijriEve(at,
                      PrayerTimesFor(at.date(), *place, input.stored.prayer).at(Prayer::Maghrib));
}

} // namespace

std::optional<TodayMoment> ReadTodayMoment(const QCommandLineParser &parser,
                                           const CommandLineInput &input, QTextStream &err)
{
    QDateTime at(input.today, input.time, Qt::UTC);
    if (parser.isSet(QStringLiteral("at"))) {
        const QString text = parser.value(QStringLiteral("at"));
        const std::optional<QDateTime> read = readAt(text);
        if (!read) {
            err << QCoreApplication::translate(
                       "CommandLine", "\"%1\" is not a clock time: write it as YYYY-MM-DDTHH:MM.")
                       .arg(ShownArgument(text))
                << Qt::endl;
            return std::nullopt;
        }
        at = *read;
    }
    bool sunset = input.stored.dayStartsAtSunset;
    if (parser.isSet(QStringLiteral("day-starts"))) {
        const QString start = parser.value(QStringLiteral("day-starts"));
        if (start != QLatin1String("sunset") && start != QLatin1String("midnight")) {
            err << QCoreApplication::translate("CommandLine",
                                               "The day starts at sunset or midnight.")
                << Qt::endl;
            return std::nullopt;
        }
        sunset = start == QLatin1String("sunset");
    }
    if (!sunset)
        return TodayMoment{at.date(), std::nullopt};
    return TodayMoment{at.date(), isEve(at, input, err)};
}

} // namespace qarnivo
