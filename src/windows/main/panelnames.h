#pragma once

// The conversion panel's controls by their fixed object names, each with the
// name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

#include <QCoreApplication>

namespace qarnivo::panelnames {

inline constexpr ControlName Panel{"Frame3",
                                   QT_TRANSLATE_NOOP("AccessibleName", "Date conversion")};
inline constexpr ControlName WesternDay{"Combo1",
                                        QT_TRANSLATE_NOOP("AccessibleName", "Gregorian day")};
inline constexpr ControlName WesternMonth{"Combo2",
                                          QT_TRANSLATE_NOOP("AccessibleName", "Gregorian month")};
inline constexpr ControlName WesternYear{"Text4",
                                         QT_TRANSLATE_NOOP("AccessibleName", "Gregorian year")};
inline constexpr ControlName HijriDay{"Combo3", QT_TRANSLATE_NOOP("AccessibleName", "Hijri day")};
inline constexpr ControlName HijriMonth{"Combo4",
                                        QT_TRANSLATE_NOOP("AccessibleName", "Hijri month")};
inline constexpr ControlName HijriYear{"Text5", QT_TRANSLATE_NOOP("AccessibleName", "Hijri year")};
inline constexpr ControlName ToHijriButton{
    "Greg_Hijri", QT_TRANSLATE_NOOP("AccessibleName", "Gregorian to Hijri")};
inline constexpr ControlName ToGregorianButton{
    "Hijri_Greg", QT_TRANSLATE_NOOP("AccessibleName", "Hijri to Gregorian")};
inline constexpr ControlName UpArrow{
    "Image9", QT_TRANSLATE_NOOP("AccessibleName", "Convert Hijri to Gregorian")};
inline constexpr ControlName DownArrow{
    "Image10", QT_TRANSLATE_NOOP("AccessibleName", "Convert Gregorian to Hijri")};
inline constexpr ControlName WeekDay{
    "Label6", QT_TRANSLATE_NOOP("AccessibleName", "Weekday of the converted date")};

} // namespace qarnivo::panelnames
