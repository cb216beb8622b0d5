#pragma once

// The Prayer Times window's controls by their fixed object names, each with
// the name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

namespace qarnivo::prayerwindownames {

inline constexpr ControlName PlaceFilter{"PlaceFilter", "Find a place"};
inline constexpr ControlName PlaceList{"PlaceList", "Place"};
inline constexpr ControlName DayDate{"DayDate", "Date"};
inline constexpr ControlName DayBox{"DayBox", "The day's prayer times"};
inline constexpr ControlName GregorianDate{"GregorianDate", "Gregorian date"};
inline constexpr ControlName HijriDate{"HijriDate", "Hijri date"};
inline constexpr ControlName PrayerCaption{"PrayerCaption", ""}; // (0..5), in Prayer order
inline constexpr ControlName PrayerTime{"PrayerTime", ""};       // (0..5), in Prayer order
inline constexpr ControlName MethodCaption{"MethodCaption", "Calculation method"};
inline constexpr ControlName PreviousMonth{"PreviousMonth", "Previous month"};
inline constexpr ControlName MonthList{"MonthList", "Month"};
inline constexpr ControlName YearBox{"YearBox", "Year"};
inline constexpr ControlName NextMonth{"NextMonth", "Next month"};
inline constexpr ControlName Timetable{"Timetable", "Month timetable"};
inline constexpr ControlName PrintButton{"PrintTimetable", "Print"};
inline constexpr ControlName PdfButton{"SavePdf", "Save as PDF"};
inline constexpr ControlName CsvButton{"ExportCsv", "Export CSV"};
inline constexpr ControlName CloseButton{"Cloze", "Close"};

} // namespace qarnivo::prayerwindownames
