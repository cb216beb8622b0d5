#pragma once

// The Prayer Times window's controls by their fixed object names, each with
// the name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

namespace qarnivo::prayerwindownames {

inline constexpr ControlName PlaceFilter{"PlaceFilter",
                                         QT_TRANSLATE_NOOP("AccessibleName", "Find a place")};
inline constexpr ControlName PlaceList{"PlaceList", QT_TRANSLATE_NOOP("AccessibleName", "Place")};
inline constexpr ControlName DayDate{"DayDate", QT_TRANSLATE_NOOP("AccessibleName", "Date")};
inline constexpr ControlName DayBox{"DayBox",
                                    QT_TRANSLATE_NOOP("AccessibleName", "The day's prayer times")};
inline constexpr ControlName GregorianDate{"GregorianDate",
                                           QT_TRANSLATE_NOOP("AccessibleName", "Gregorian date")};
inline constexpr ControlName HijriDate{"HijriDate",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Hijri date")};
inline constexpr ControlName PrayerCaption{"PrayerCaption", ""}; // (0..5), in Prayer order
inline constexpr ControlName PrayerTime{"PrayerTime", ""};       // (0..5), in Prayer order
inline constexpr ControlName NightMiddle{
    "NightMiddle", QT_TRANSLATE_NOOP("AccessibleName", "Middle of the night")};
inline constexpr ControlName NightLastThird{
    "NightLastThird", QT_TRANSLATE_NOOP("AccessibleName", "Last third of the night")};
inline constexpr ControlName QiblaCompass{"QiblaCompass",
                                          QT_TRANSLATE_NOOP("AccessibleName", "Qibla compass")};
inline constexpr ControlName QiblaLine{"QiblaLine", QT_TRANSLATE_NOOP("AccessibleName", "Qibla")};
inline constexpr ControlName MethodCaption{
    "MethodCaption", QT_TRANSLATE_NOOP("AccessibleName", "Calculation method")};
inline constexpr ControlName PreviousMonth{"PreviousMonth",
                                           QT_TRANSLATE_NOOP("AccessibleName", "Previous month")};
inline constexpr ControlName MonthList{"MonthList", QT_TRANSLATE_NOOP("AccessibleName", "Month")};
inline constexpr ControlName YearBox{"YearBox", QT_TRANSLATE_NOOP("AccessibleName", "Year")};
inline constexpr ControlName NextMonth{"NextMonth",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Next month")};
inline constexpr ControlName Timetable{"Timetable",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Month timetable")};
inline constexpr ControlName PrintButton{"PrintTimetable",
                                         QT_TRANSLATE_NOOP("AccessibleName", "Print")};
inline constexpr ControlName PdfButton{"SavePdf",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Save as PDF")};
inline constexpr ControlName CsvButton{"ExportCsv",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Export CSV")};
inline constexpr ControlName CloseButton{"Cloze", QT_TRANSLATE_NOOP("AccessibleName", "Close")};

} // namespace qarnivo::prayerwindownames
