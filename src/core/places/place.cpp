#include "core/places/place.h"

#include "core/calendar/leadingnumber.h"
#include "core/language/digits.h"

#include <cmath>

namespace qarnivo {

namespace {

bool inside(double value, double lowest, double highest, bool highestIncluded)
{
    return value >= lowest && (highestIncluded ? value <= highest : value < highest);
}

} // namespace

std::optional<double> ReadPlaceNumber(const QString &text, NumberForm form)
{
    switch (form) {
    case NumberForm::Leading:
        if (ReadLeadingNumberText(text).isEmpty())
            return std::nullopt;
        return ReadLeadingNumber(text);
    case NumberForm::LeadingOrZero:
        return ReadLeadingNumber(text);
    case NumberForm::Whole:
        break;
    }
    bool ok = false;
    const double value = AsciiDigits(text).trimmed().toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

PlaceFault BoundsFault(double latitude, double longitude, double offset, const PlaceBounds &bounds)
{
    if (!inside(latitude, -bounds.latitude, bounds.latitude, true))
        return PlaceFault::Latitude;
    if (!inside(longitude, -bounds.longitude, bounds.longitude, true))
        return PlaceFault::Longitude;
    if (!inside(offset, bounds.offsetLowest, bounds.offsetHighest, bounds.offsetHighestIncluded))
        return PlaceFault::Offset;
    return PlaceFault::None;
}

PlaceRead ReadPlace(const CityInfo &texts, const PlaceRules &rules)
{
    // A text without a number reads as NaN, which no bounds hold, so that
    // the first fault is found in the order of the values either way.
    constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();
    const double latitude = ReadPlaceNumber(texts.latitude, rules.form).value_or(kNoNumber);
    const double longitude = ReadPlaceNumber(texts.longitude, rules.form).value_or(kNoNumber);
    const double offset = ReadPlaceNumber(texts.offsetGMT, rules.form).value_or(kNoNumber);
    PlaceRead read;
    read.fault = BoundsFault(latitude, longitude, offset, rules.bounds);
    // East positive turns west positive by the sign alone, so that the
    // numbers as given come back by turning it again.
    const double sign = rules.eastPositive ? -1 : 1;
    const auto number = [](double value) { return std::isnan(value) ? 0.0 : value; };
    read.place = {texts.name, number(latitude), sign * number(longitude), sign * number(offset)};
    return read;
}

} // namespace qarnivo
