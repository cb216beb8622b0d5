#pragma once

#include "core/message.h"
#include "core/places/cityfile.h"

#include <QStringList>

#include <optional>

namespace qarnivo {

// The edit cycle of the default city, without the window: the calculator
// window hands in the four box texts (name, latitude, longitude, GMT offset,
// held in a CityInfo) and shows what comes back.
//
//   Update click -> CheckCityBoxes -> refusal? show it, stay in editing
//                                  -> valid?   SaveTextFile(CitySaveLines)
//                                              -> CitySaveOutcome message

struct CityCheck {
    enum class Outcome { Valid, EmptyName, DoubleQuote, BadLatitude, BadLongitude, BadOffset };
    Outcome outcome = Outcome::Valid;
    // The default city after the check. An empty name or a double quote
    // leaves it as it was; otherwise it holds the name (at most 22
    // characters) and the number texts of the boxes, even when a range check
    // then fails.
    CityInfo city;
    std::optional<Message> refusal; // the warning to show, none when valid
    bool valid() const { return outcome == Outcome::Valid; }
};

// Checks the boxes in a fixed order: an empty name; a double quote in any box
// (the city file could not hold it); then the boxes read by kCityBoxRules
// (core/places/place.h: the leading number of each box, 0 without one;
// latitude -89.8..89.8, longitude -180..180, GMT offset from -12 included to
// 12 excluded). The first failing check decides the warning.
CityCheck CheckCityBoxes(const CityInfo &boxes, const CityInfo &current);

// The name as the city keeps it: its first 22 characters (never half of a
// character that takes two UTF-16 units).
QString CutCityName(const QString &name);

// The fourteen lines of the city file for the boxes as typed (the name cut
// to 22 characters). A value that the file reader would not give back as it
// stands (empty, only blanks, a leading blank, a comma, a line break, a
// leading double quote) is written between double quotes.
QStringList CitySaveLines(const CityInfo &boxes);

// What to show after SaveTextFile(path, CitySaveLines(...)) returned
// `reason`: the confirmation when it is empty, else the failure, naming the
// file and the reason. After a failure the boxes stay open for editing.
Message CitySaveOutcome(const QString &path, const QString &reason);

Message CitySavedMessage();

} // namespace qarnivo
