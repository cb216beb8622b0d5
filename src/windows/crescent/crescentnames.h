#pragma once

// The New Crescent window's controls by their fixed object names, each with
// the name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

namespace qarnivo::crescentnames {

inline constexpr ControlName MonthList{"CrescentMonth",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Hijri month")};
inline constexpr ControlName YearBox{"CrescentYear",
                                     QT_TRANSLATE_NOOP("AccessibleName", "Hijri year")};
inline constexpr ControlName Conjunction{"Conjunction",
                                         QT_TRANSLATE_NOOP("AccessibleName", "The new moon")};
inline constexpr ControlName PlaceFilter{"PlaceFilter",
                                         QT_TRANSLATE_NOOP("AccessibleName", "Find a place")};
inline constexpr ControlName PlaceList{"PlaceList", QT_TRANSLATE_NOOP("AccessibleName", "Place")};
inline constexpr ControlName CriterionList{
    "Criterion", QT_TRANSLATE_NOOP("AccessibleName", "Crescent criterion")};
inline constexpr ControlName Evenings{
    "Evenings", QT_TRANSLATE_NOOP("AccessibleName", "The evenings of the 29th and the 30th")};
inline constexpr ControlName Verdicts{
    "Verdicts", QT_TRANSLATE_NOOP("AccessibleName", "The verdicts of the evenings")};
inline constexpr ControlName MapEvening{"MapEvening",
                                        QT_TRANSLATE_NOOP("AccessibleName", "Evening of the map")};
inline constexpr ControlName MapPicture{
    "CrescentMap", QT_TRANSLATE_NOOP("AccessibleName", "Where the crescent can be seen")};
inline constexpr ControlName SaveButton{"SaveMap", QT_TRANSLATE_NOOP("AccessibleName", "Save Map")};
inline constexpr ControlName CloseButton{"Cloze", QT_TRANSLATE_NOOP("AccessibleName", "Close")};

} // namespace qarnivo::crescentnames
