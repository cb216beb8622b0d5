#include "core/places/cityfile.h"

#include "core/calendar/leadingnumber.h"
#include "core/files/textfile.h"
#include "core/places/fieldreader.h"

#include <QCoreApplication>

#include <cmath>

namespace qarnivo {

namespace {

// The value of `text` with `decimals` decimals and at least `integerDigits`
// digits before the point; halves are rounded away from zero.
QString fixedNumber(const QString &text, int integerDigits, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double value = ReadLeadingNumber(text);
    // A text that is not a number, or not a sensible one, shows as it is.
    const bool numeric = !ReadLeadingNumberText(text).isEmpty();
    if (!numeric || !std::isfinite(value) || std::fabs(value) > 1e15)
        return text.left(24);
    value = std::round(value * scale) / scale;
    const QString digits = QString::number(std::fabs(value), 'f', decimals);
    const int width = integerDigits + 1 + decimals;
    const QString padded = digits.rightJustified(width, u'0');
    return (value < 0 ? QStringLiteral("-") : QString()) + padded;
}

} // namespace

CityFileRead ReadCityFile(const QString &path)
{
    const TextFileRead file = ReadTextFile(path);
    switch (file.status) {
    case TextFileRead::Status::Ok:
        break;
    case TextFileRead::Status::NotFound:
        return {CityFileRead::Status::NotFound, {}};
    case TextFileRead::Status::Unreadable:
    case TextFileRead::Status::TooLarge:
        return {CityFileRead::Status::Unreadable, {}};
    }
    const QStringList fields = ReadFields(file.text, 4);
    if (fields.size() < 4)
        return {CityFileRead::Status::TooFewFields, {}};
    return {CityFileRead::Status::Ok, {fields[0], fields[1], fields[2], fields[3]}};
}

QStringList CityFileLines(const CityInfo &city)
{
    return {city.name,
            city.latitude,
            city.longitude,
            city.offsetGMT,
            QString(),
            QString(49, u'_'),
            QStringLiteral("CAUTION:"),
            QStringLiteral("Enter details of new City/ Location Starting from first line"),
            QStringLiteral("in the following sequence:"),
            QString(),
            QStringLiteral("CityName"),
            QStringLiteral("Latitude in degrees ( - for South)"),
            QStringLiteral("Longitude in degrees ( - for East)"),
            QStringLiteral("Time Offset from GMT in Hours")};
}

CityInfo DefaultCity()
{
    return {QStringLiteral("India - Bhubaneswar"), QStringLiteral("20.267"),
            QStringLiteral("-85.85"), QStringLiteral("-5.5")};
}

QString MissingCityFileMessage()
{
    return QCoreApplication::translate(
        "Places", "File 'InfoCity.txt' not found. For your convenience this file has been\r\n"
                  "created in your application folder. You can change its contents\r\n"
                  "carefully. You may also change this default value from within the\r\n"
                  "program.\r\n\r\nRE-START THE PROGRAM TO TAKE EFFECT NEW VALUES.");
}

QString CityFileNotWrittenMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("Places", "The city file could not be created:\r\n%1\r\n%2"
                                                 "\r\n\r\nThe default city is shown for this "
                                                 "session.")
        .arg(path, reason);
}

QString CityFileUnusableMessage(const QString &path, CityFileRead::Status status)
{
    const QString reason =
        status == CityFileRead::Status::TooFewFields
            ? QCoreApplication::translate(
                  "Places", "It does not hold the city's name, latitude, longitude and GMT offset.")
            : QCoreApplication::translate("Places", "It is not a text file that can be read.");
    return QCoreApplication::translate("Places", "The city file cannot be used:\r\n%1\r\n%2\r\n"
                                                 "\r\nThe file is left as it is; the default "
                                                 "city is shown for this session.")
        .arg(path, reason);
}

QString CityNameDisplay(const QString &name)
{
    // Never half of a character that takes two UTF-16 units.
    qsizetype length = kCityNameLength;
    if (length < name.size() && name.at(length - 1).isHighSurrogate())
        --length;
    return name.left(length);
}

QString LatitudeDisplay(const QString &latitude)
{
    return u' ' + fixedNumber(latitude, 1, 2) + QStringLiteral("º ");
}

QString LongitudeDisplay(const QString &longitude)
{
    return u' ' + fixedNumber(longitude, 2, 2) + QStringLiteral("º ");
}

QString OffsetDisplay(const QString &offsetGMT)
{
    return QCoreApplication::translate("Places", "%1 Hours").arg(fixedNumber(offsetGMT, 1, 1));
}

} // namespace qarnivo
