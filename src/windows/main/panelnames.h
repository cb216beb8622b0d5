#pragma once

// The conversion panel's controls by their fixed object names, each with the
// name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

namespace qarnivo::panelnames {

inline constexpr ControlName Panel{"Frame3", "Date conversion"};
inline constexpr ControlName WesternDay{"Combo1", "Gregorian day"};
inline constexpr ControlName WesternMonth{"Combo2", "Gregorian month"};
inline constexpr ControlName WesternYear{"Text4", "Gregorian year"};
inline constexpr ControlName HijriDay{"Combo3", "Hijri day"};
inline constexpr ControlName HijriMonth{"Combo4", "Hijri month"};
inline constexpr ControlName HijriYear{"Text5", "Hijri year"};
inline constexpr ControlName ToHijriButton{"Greg_Hijri", "Gregorian to Hijri"};
inline constexpr ControlName ToGregorianButton{"Hijri_Greg", "Hijri to Gregorian"};
inline constexpr ControlName UpArrow{"Image9", "Convert Hijri to Gregorian"};
inline constexpr ControlName DownArrow{"Image10", "Convert Gregorian to Hijri"};
inline constexpr ControlName WeekDay{"Label6", "Weekday of the converted date"};

} // namespace qarnivo::panelnames
