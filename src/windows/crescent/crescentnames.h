#pragma once

// The New Crescent window's controls by their fixed object names, each with
// the name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

namespace qarnivo::crescentnames {

inline constexpr ControlName MonthList{"CrescentMonth", "Hijri month"};
inline constexpr ControlName YearBox{"CrescentYear", "Hijri year"};
inline constexpr ControlName Conjunction{"Conjunction", "The new moon"};
inline constexpr ControlName PlaceFilter{"PlaceFilter", "Find a place"};
inline constexpr ControlName PlaceList{"PlaceList", "Place"};
inline constexpr ControlName CriterionList{"Criterion", "Crescent criterion"};
inline constexpr ControlName Evenings{"Evenings", "The evenings of the 29th and the 30th"};
inline constexpr ControlName Verdicts{"Verdicts", "The verdicts of the evenings"};
inline constexpr ControlName MapEvening{"MapEvening", "Evening of the map"};
inline constexpr ControlName MapPicture{"CrescentMap", "Where the crescent can be seen"};
inline constexpr ControlName SaveButton{"SaveMap", "Save Map"};
inline constexpr ControlName CloseButton{"Cloze", "Close"};

} // namespace qarnivo::crescentnames
