#include "core/places/citycheck.h"

#include "core/calendar/leadingnumber.h"
#include "core/places/place.h"

#include <QCoreApplication>

#include <cmath>

namespace qarnivo {

namespace {

CityCheck refuse(CityCheck::Outcome outcome, const CityInfo &city, const QString &text)
{
    return {outcome, city, Message{text, MsgIcon::Exclamation, MsgButtons::Ok}};
}

bool holdsDoubleQuote(const CityInfo &boxes)
{
    return boxes.name.contains(u'"') || boxes.latitude.contains(u'"') ||
           boxes.longitude.contains(u'"') || boxes.offsetGMT.contains(u'"');
}

// The number text of a box's value. A number too large for a double is kept
// as the largest one of its sign, so that the text stays a number that
// readers of the city (the page among them) can read.
QString numberText(double value)
{
    // The largest magnitude whose 15-digit text still reads back as a finite
    // number; anything beyond is kept as that, with its sign.
    constexpr double kLargest = 1.79769313486231e308;
    if (!(std::fabs(value) <= kLargest))
        return ShortestNumberText(std::copysign(kLargest, value));
    return ShortestNumberText(value);
}

// Whether the field reader gives `value` back unchanged from a line of its own.
bool readsBackPlain(const QString &value)
{
    if (value.isEmpty())
        return false;
    const QChar first = value.front();
    if (first == u' ' || first == u'\t' || first == u'"')
        return false;
    return !value.contains(u',') && !value.contains(u'\r') && !value.contains(u'\n');
}

// A value as a line of the city file. Double quotes cannot stand inside a
// quoted field; the check refuses them, and should one arrive here anyway it
// becomes a single quote rather than break the file.
QString fieldLine(const QString &value)
{
    if (readsBackPlain(value))
        return value;
    QString inner = value;
    inner.replace(u'"', u'\'');
    return u'"' + inner + u'"';
}

} // namespace

QString CutCityName(const QString &name)
{
    if (name.size() <= kCityNameLength)
        return name;
    qsizetype length = kCityNameLength;
    if (name.at(length - 1).isHighSurrogate())
        --length;
    return name.left(length);
}

CityCheck CheckCityBoxes(const CityInfo &boxes, const CityInfo &current)
{
    using Outcome = CityCheck::Outcome;
    if (boxes.name.isEmpty())
        return refuse(Outcome::EmptyName, current,
                      QCoreApplication::translate(
                          "Places", "City must have some name. New values not saved."));
    if (holdsDoubleQuote(boxes))
        return refuse(
            Outcome::DoubleQuote, current,
            QCoreApplication::translate(
                "Places",
                "City details must not contain double quotes (\"). New values not saved."));

    const PlaceRead read = ReadPlace(boxes, kCityBoxRules);
    const CityInfo city{CutCityName(boxes.name), numberText(read.place.latitude),
                        numberText(read.place.longitude), numberText(read.place.offsetGMT)};
    switch (read.fault) {
    case PlaceFault::None:
        break;
    case PlaceFault::Latitude:
        return refuse(
            Outcome::BadLatitude, city,
            QCoreApplication::translate(
                "Places", "Invalid Latitude value. Valid values are between -89.8 & 89.8"));
    case PlaceFault::Longitude:
        return refuse(
            Outcome::BadLongitude, city,
            QCoreApplication::translate(
                "Places", "Invalid Longitude value.  Valid values are between -180 & 180"));
    case PlaceFault::Offset:
        return refuse(
            Outcome::BadOffset, city,
            QCoreApplication::translate(
                "Places", "Invalid GMT Time offset value.  Valid values are between -12 & 12"));
    }
    return {Outcome::Valid, city, std::nullopt};
}

QStringList CitySaveLines(const CityInfo &boxes)
{
    return CityFileLines({fieldLine(CutCityName(boxes.name)), fieldLine(boxes.latitude),
                          fieldLine(boxes.longitude), fieldLine(boxes.offsetGMT)});
}

Message CitySavedMessage()
{
    return {QCoreApplication::translate("Places",
                                        "Default City Information, saved successfully.\r\n"
                                        "Changes will be effective on next session."),
            MsgIcon::Information, MsgButtons::Ok};
}

Message CitySaveOutcome(const QString &path, const QString &reason)
{
    if (reason.isEmpty())
        return CitySavedMessage();
    return {QCoreApplication::translate(
                "Places", "Default City Information could not be saved to '%1':\r\n%2\r\n"
                          "The file is unchanged. Correct the problem and click Update "
                          "again.")
                .arg(path, reason),
            MsgIcon::Critical, MsgButtons::Ok};
}

} // namespace qarnivo
