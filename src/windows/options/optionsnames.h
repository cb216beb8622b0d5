#pragma once

// The Options window's controls by their fixed object names, each with the
// name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

namespace qarnivo::optionsnames {

inline constexpr ControlName CorrectionHelp{"Label1", "What the Hijri date correction does"};
inline constexpr ControlName CorrectionList{"Combo1", "Hijri date correction"};
inline constexpr ControlName ApplyButton{"Apply", "Apply Correction"};
inline constexpr ControlName SchemeFrame{"Frame2", "Click to Select Grid Color Schemes"};
inline constexpr ControlName SchemeButton{"Option2", ""}; // (0..5)
inline constexpr ControlName SchemeSample{"Label2", ""};  // (0..5)
inline constexpr ControlName CalendarCaption{"CalendarCaption", "Calendar"};
inline constexpr ControlName CalendarList{"CalendarList", "Hijri calendar"};
inline constexpr ControlName CrescentCaption{"CrescentCaption", "Crescent criterion"};
inline constexpr ControlName CrescentList{"CrescentCriterion", "Crescent criterion"};
inline constexpr ControlName LanguageCaption{"LanguageCaption", "Language"};
inline constexpr ControlName LanguageList{"LanguageList", "Language"};
inline constexpr ControlName LanguageNote{"LanguageNote", ""};
inline constexpr ControlName SunsetCheck{"DayStartsAtSunset", "The Hijri day begins at sunset"};
inline constexpr ControlName PrayerFrame{"PrayerFrame", "Prayer times"};
inline constexpr ControlName PrayerMethodList{"PrayerMethod", "Prayer time calculation method"};
inline constexpr ControlName AsrRuleList{"AsrRule", "Asr rule"};
inline constexpr ControlName HighLatitudeList{"HighLatitudeRule", "Rule for high latitudes"};
inline constexpr ControlName AdjustmentBox{"PrayerAdjustment", ""}; // (0..5)
inline constexpr ControlName Clock24Check{"Clock24", "24-hour clock"};
inline constexpr ControlName TrayCheck{"SystemTray", "Show in the system tray"};
inline constexpr ControlName RemindersCheck{"PrayerReminders", "Remind me at prayer times"};
inline constexpr ControlName CloseButton{"Cloze", "Close"};
inline constexpr ControlName MonthStartsButton{"MonthStarts", "Announced month starts"};

// The month starts dialog, opened from the Options window.
inline constexpr ControlName StartsDialog{"MonthStartsEditor", "Announced month starts"};
inline constexpr ControlName StartsList{"StartsList", "Announced months"};
inline constexpr ControlName StartsNote{"StartsNote", ""};
inline constexpr ControlName AddYear{"AddYear", "Hijri year"};
inline constexpr ControlName AddMonth{"AddMonth", "Hijri month"};
inline constexpr ControlName AddDate{"AddDate", "Gregorian day the month began"};
inline constexpr ControlName AddButton{"AddStart", "Add"};
inline constexpr ControlName RemoveButton{"RemoveStart", "Remove"};
inline constexpr ControlName EarlierButton{"BeganEarlier", ""};
inline constexpr ControlName LaterButton{"BeganLater", ""};
inline constexpr ControlName ImportButton{"ImportStarts", ""};
inline constexpr ControlName ExportButton{"ExportStarts", ""};
inline constexpr ControlName StartsCloseButton{"CloseStarts", "Close"};

} // namespace qarnivo::optionsnames
