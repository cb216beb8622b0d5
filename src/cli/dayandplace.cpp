#include "cli/dayandplace.h"

#include "cli/usage.h"
#include "core/calendar/names.h"
#include "core/places/place.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace qarnivo {

namespace {

const QString kLatitude = QStringLiteral("latitude");
const QString kLongitude = QStringLiteral("longitude");
const QString kUtcOffset = QStringLiteral("utc-offset");

} // namespace

QString ShownDate(const Ymd &date, const QString &monthName)
{
    return QCoreApplication::translate("CommandLine", "%1 %2 %3")
        .arg(ShownNumber(date.day), monthName, ShownNumber(date.year));
}

QString ShownDate(const QDate &date)
{
    return ShownDate({date.year(), date.month(), date.day()},
                     CalendarNames().GMonthName[date.month()]);
}

std::optional<QDate> RequestedDate(const QCommandLineParser &parser, const QDate &today,
                                   int firstYear, int lastYear, QString &problem)
{
    if (!parser.isSet(QStringLiteral("date")))
        return today;
    const QString text = parser.value(QStringLiteral("date"));
    const QDate date = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || date.year() < firstYear || date.year() > lastYear) {
        problem = QCoreApplication::translate(
                      "CommandLine", "\"%1\" is not a date from %2 to %3: write it as YYYY-MM-DD.")
                      .arg(ShownArgument(text), ShownNumber(firstYear), ShownNumber(lastYear));
        return std::nullopt;
    }
    return date;
}

std::optional<PrayerPlace> RequestedPlace(const QCommandLineParser &parser,
                                          const std::optional<CityInfo> &city, QString &name,
                                          QString &problem)
{
    const int given = int(parser.isSet(kLatitude)) + int(parser.isSet(kLongitude)) +
                      int(parser.isSet(kUtcOffset));
    if (given == 0) {
        const std::optional<PrayerPlace> place = city ? PrayerPlaceOfCity(*city) : std::nullopt;
        if (!place) {
            problem = QCoreApplication::translate("CommandLine",
                                                  "The default city cannot be read: give "
                                                  "--latitude, --longitude and --utc-offset.");
            return std::nullopt;
        }
        name = city->name.trimmed();
        return place;
    }
    if (given < 3) {
        problem = QCoreApplication::translate(
            "CommandLine", "Give --latitude, --longitude and --utc-offset together.");
        return std::nullopt;
    }
    const PlaceRead read = ReadPlace(
        {QString(), parser.value(kLatitude), parser.value(kLongitude), parser.value(kUtcOffset)},
        kCommandLineRules);
    if (!read.ok()) {
        problem = QCoreApplication::translate(
            "CommandLine", "The latitude is -90 to 90 (north positive), the longitude -180 to 180 "
                           "(east positive) and the UTC offset -12 to 14 hours (east positive).");
        return std::nullopt;
    }
    const PrayerPlace place = PrayerPlaceOf(read.place);
    name = QStringLiteral("%1, %2").arg(place.latitude).arg(place.longitude);
    return place;
}

std::optional<NamedPosition> RequestedPosition(const QCommandLineParser &parser,
                                               const std::optional<CityInfo> &city,
                                               QString &problem)
{
    const QString latitude = parser.value(kLatitude);
    const QString longitude = parser.value(kLongitude);
    if (latitude.isNull() && longitude.isNull()) {
        const std::optional<PrayerPlace> place = city ? PrayerPlaceOfCity(*city) : std::nullopt;
        return place ? std::optional(
                           NamedPosition{city->name.trimmed(), place->latitude, place->longitude})
                     : std::nullopt;
    }
    const PlaceRead read =
        ReadPlace({QString(), latitude, longitude, QStringLiteral("0")}, kCommandLineRules);
    if (latitude.isNull() || longitude.isNull() || !read.ok()) {
        problem = QCoreApplication::translate(
            "CommandLine", "Give --latitude (-90 to 90, north positive) and --longitude (-180 to "
                           "180, east positive) together.");
        return std::nullopt;
    }
    const PrayerPlace place = PrayerPlaceOf(read.place);
    return NamedPosition{QStringLiteral("%1, %2").arg(place.latitude).arg(place.longitude),
                         place.latitude, place.longitude};
}

} // namespace qarnivo
