#pragma once

// A place with its numbers read, and the one reading of a place's number
// texts. Where the texts come from decides how a number may be written and
// which values are accepted; each source has its rules below.

#include "core/places/cityfile.h"

#include <limits>
#include <optional>

namespace qarnivo {

// In the city file's conventions: latitude north positive, longitude west
// positive, the GMT offset the hours to add to local time to obtain GMT.
struct Place {
    QString name;
    double latitude = 0;
    double longitude = 0;
    double offsetGMT = 0;
};

enum class NumberForm {
    Leading,       // the leading number of the text ("20.27º" gives 20.27); none without one
    LeadingOrZero, // the same, but 0 without one
    Whole,         // the whole text is the number, blanks around it allowed
};

// The accepted values: latitude and longitude from minus to plus the bound,
// the offset from `offsetLowest` to `offsetHighest`. Written as "inside" so
// that NaN is refused; an infinite value is refused by every finite bound.
struct PlaceBounds {
    double latitude;
    double longitude;
    double offsetLowest;
    double offsetHighest;
    bool offsetHighestIncluded = true;
};

struct PlaceRules {
    NumberForm form;
    // Longitude and offset given east positive (the offset as the hours
    // ahead of UTC); the bounds then hold for the numbers as given.
    bool eastPositive;
    PlaceBounds bounds;
};

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// The default city as typed in the calculator's boxes, and so as saved.
inline constexpr PlaceRules kCityBoxRules{
    NumberForm::LeadingOrZero, false, {89.8, 180, -12, 12, false}};
// A city (the city file's, or a place of the list) asked for prayer times.
inline constexpr PlaceRules kPrayerCityRules{NumberForm::Leading, false, {90, 180, -14, 14}};
// The command line's --latitude, --longitude and --utc-offset.
inline constexpr PlaceRules kCommandLineRules{NumberForm::Whole, true, {90, 180, -12, 14}};
// The default city as the calculator page shows it: every number, even one
// out of range or too large (the page's form points it out).
inline constexpr PlaceRules kPageCityRules{
    NumberForm::LeadingOrZero, false, {kUnbounded, kUnbounded, -kUnbounded, kUnbounded}};
// The places the prayer engine computes (east positive, but symmetric).
inline constexpr PlaceBounds kPrayerEngineBounds{90, 180, -24, 24};

// The number of `text` in `form`; none when there is none.
std::optional<double> ReadPlaceNumber(const QString &text, NumberForm form);

// The first value out of bounds, in the order latitude, longitude, offset.
enum class PlaceFault { None, Latitude, Longitude, Offset };
PlaceFault BoundsFault(double latitude, double longitude, double offset, const PlaceBounds &bounds);

struct PlaceRead {
    // The name as given and every number that could be read (0 for one
    // that could not), also when the place is refused.
    Place place;
    // The first value, in the order latitude, longitude, offset, that is no
    // number in its form or is out of bounds.
    PlaceFault fault = PlaceFault::None;
    bool ok() const { return fault == PlaceFault::None; }
};

PlaceRead ReadPlace(const CityInfo &texts, const PlaceRules &rules);

} // namespace qarnivo
