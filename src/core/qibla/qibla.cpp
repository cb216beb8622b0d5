#include "core/qibla/qibla.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>
#include <numbers>

namespace qarnivo {

namespace {

constexpr double kNearKm = 1;

constexpr std::array<const char *, kCompassPoints> kPointNames = {
    QT_TRANSLATE_NOOP("Qibla", "north"),     QT_TRANSLATE_NOOP("Qibla", "north-northeast"),
    QT_TRANSLATE_NOOP("Qibla", "northeast"), QT_TRANSLATE_NOOP("Qibla", "east-northeast"),
    QT_TRANSLATE_NOOP("Qibla", "east"),      QT_TRANSLATE_NOOP("Qibla", "east-southeast"),
    QT_TRANSLATE_NOOP("Qibla", "southeast"), QT_TRANSLATE_NOOP("Qibla", "south-southeast"),
    QT_TRANSLATE_NOOP("Qibla", "south"),     QT_TRANSLATE_NOOP("Qibla", "south-southwest"),
    QT_TRANSLATE_NOOP("Qibla", "southwest"), QT_TRANSLATE_NOOP("Qibla", "west-southwest"),
    QT_TRANSLATE_NOOP("Qibla", "west"),      QT_TRANSLATE_NOOP("Qibla", "west-northwest"),
    QT_TRANSLATE_NOOP("Qibla", "northwest"), QT_TRANSLATE_NOOP("Qibla", "north-northwest"),
};

const char *noteName(QiblaNote note)
{
    switch (note) {
    case QiblaNote::AtKaaba:
        return QT_TRANSLATE_NOOP("Qibla", "at the Kaaba");
    case QiblaNote::AtAntipode:
        return QT_TRANSLATE_NOOP("Qibla", "at the antipode: every direction");
    case QiblaNote::None:
        break;
    }
    return "";
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// Tenths of a degree as shown, 0..3599.
int shownTenths(double bearing)
{
    return static_cast<int>(std::lround(bearing * 10)) % 3600;
}

// The interface language's digits, without the thousands' separators that
// would make a distance look like a list.
QLocale shownLocale()
{
    QLocale shown;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    return shown;
}

} // namespace

Qibla QiblaFrom(double latitude, double longitude)
{
    const double from = radians(latitude);
    const double to = radians(kKaabaLatitude);
    const double east = radians(kKaabaLongitude - longitude);
    // The haversine form keeps its accuracy for short distances.
    const double half = std::pow(std::sin((to - from) / 2), 2) +
                        std::cos(from) * std::cos(to) * std::pow(std::sin(east / 2), 2);
    const double distance = 2 * kEarthRadiusKm * std::atan2(std::sqrt(half), std::sqrt(1 - half));
    if (distance < kNearKm)
        return {std::nullopt, distance, QiblaNote::AtKaaba};
    if (std::numbers::pi * kEarthRadiusKm - distance < kNearKm)
        return {std::nullopt, distance, QiblaNote::AtAntipode};
    const double bearing = degrees(
        std::atan2(std::sin(east) * std::cos(to),
                   std::cos(from) * std::sin(to) - std::sin(from) * std::cos(to) * std::cos(east)));
    return {std::fmod(bearing + 360, 360), distance, QiblaNote::None};
}

QString BearingText(double bearing)
{
    return QString::number(shownTenths(bearing) / 10.0, 'f', 1);
}

int CompassPoint(double bearing)
{
    constexpr double width = 360.0 / kCompassPoints;
    return static_cast<int>(std::floor(bearing / width + 0.5)) % kCompassPoints;
}

QString CompassWords(int point)
{
    return QCoreApplication::translate("Qibla", kPointNames.at(point));
}

QString CompassKey(int point)
{
    return QString::fromLatin1(kPointNames.at(point));
}

QString QiblaNoteWords(QiblaNote note)
{
    return QCoreApplication::translate("Qibla", noteName(note));
}

QString QiblaNoteKey(QiblaNote note)
{
    return QString::fromLatin1(noteName(note));
}

QString ShownKilometres(double distanceKm)
{
    return shownLocale().toString(static_cast<qint64>(std::lround(distanceKm)));
}

QString QiblaLine(const Qibla &qibla)
{
    if (!qibla.bearing)
        return QiblaNoteWords(qibla.note);
    return QCoreApplication::translate("Qibla", "%1°, %2")
        .arg(shownLocale().toString(shownTenths(*qibla.bearing) / 10.0, 'f', 1),
             CompassWords(CompassPoint(*qibla.bearing)));
}

QString QiblaFromLine(const QString &place, const Qibla &qibla)
{
    return qibla.bearing ? QCoreApplication::translate("Qibla", "Qibla from %1: %2 (%3 km)")
                               .arg(place, QiblaLine(qibla), ShownKilometres(qibla.distanceKm))
                         : QCoreApplication::translate("Qibla", "Qibla from %1: %2")
                               .arg(place, QiblaLine(qibla));
}

} // namespace qarnivo
