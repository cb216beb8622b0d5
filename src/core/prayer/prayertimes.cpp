#include "core/prayer/prayertimes.h"

#include "core/places/place.h"

#include <QCoreApplication>

namespace qarnivo {

PrayerPlace PrayerPlaceOf(const Place &place)
{
    // Turned to east positive without a negative zero.
    PrayerPlace where;
    where.latitude = place.latitude;
    where.longitude = place.longitude == 0 ? 0.0 : -place.longitude;
    where.utcOffset = place.offsetGMT == 0 ? 0.0 : -place.offsetGMT;
    return where;
}

std::optional<PrayerPlace> PrayerPlaceOfCity(const CityInfo &city)
{
    const PlaceRead read = ReadPlace(city, kPrayerCityRules);
    return read.ok() ? std::optional(PrayerPlaceOf(read.place)) : std::nullopt;
}

QString FormatPrayerTime(int minutes, bool clock24)
{
    const int clock = ((minutes % 1440) + 1440) % 1440;
    const int hour = clock / 60;
    const int minute = clock % 60;
    if (clock24)
        return QStringLiteral("%1:%2")
            .arg(hour, 2, 10, QLatin1Char('0'))
            .arg(minute, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2 %3")
        .arg(hour % 12 == 0 ? 12 : hour % 12)
        .arg(minute, 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? QCoreApplication::translate("Prayer", "AM")
                       : QCoreApplication::translate("Prayer", "PM"));
}

namespace {

const char *prayerText(Prayer prayer)
{
    static const char *const names[kPrayerCount] = {
        QT_TRANSLATE_NOOP("Prayer", "Fajr"),    QT_TRANSLATE_NOOP("Prayer", "Sunrise"),
        QT_TRANSLATE_NOOP("Prayer", "Dhuhr"),   QT_TRANSLATE_NOOP("Prayer", "Asr"),
        QT_TRANSLATE_NOOP("Prayer", "Maghrib"), QT_TRANSLATE_NOOP("Prayer", "Isha")};
    const int index = static_cast<int>(prayer);
    return index >= 0 && index < kPrayerCount ? names[index] : "";
}

} // namespace

QString PrayerName(Prayer prayer)
{
    return QCoreApplication::translate("Prayer", prayerText(prayer));
}

QString PrayerKey(Prayer prayer)
{
    return QString::fromLatin1(prayerText(prayer)).toLower();
}

} // namespace qarnivo
