#pragma once

// The Options window's controls by their fixed object names, each with the
// name assistive technology reads; outside checks find them by these names.

#include "widgets/namedcontrol.h"

namespace qarnivo::optionsnames {

inline constexpr ControlName CorrectionHelp{
    "Label1", QT_TRANSLATE_NOOP("AccessibleName", "What the Hijri date correction does")};
inline constexpr ControlName CorrectionList{
    "Combo1", QT_TRANSLATE_NOOP("AccessibleName", "Hijri date correction")};
inline constexpr ControlName ApplyButton{"Apply",
                                         QT_TRANSLATE_NOOP("AccessibleName", "Apply Correction")};
inline constexpr ControlName SchemeFrame{
    "Frame2", QT_TRANSLATE_NOOP("AccessibleName", "Click to Select Grid Color Schemes")};
inline constexpr ControlName SchemeButton{"Option2", ""}; // (0..5)
inline constexpr ControlName SchemeSample{"Label2", ""};  // (0..5)
inline constexpr ControlName CalendarCaption{"CalendarCaption",
                                             QT_TRANSLATE_NOOP("AccessibleName", "Calendar")};
inline constexpr ControlName CalendarList{"CalendarList",
                                          QT_TRANSLATE_NOOP("AccessibleName", "Hijri calendar")};
inline constexpr ControlName CrescentCaption{
    "CrescentCaption", QT_TRANSLATE_NOOP("AccessibleName", "Crescent criterion")};
inline constexpr ControlName CrescentList{
    "CrescentCriterion", QT_TRANSLATE_NOOP("AccessibleName", "Crescent criterion")};
inline constexpr ControlName LanguageCaption{"LanguageCaption",
                                             QT_TRANSLATE_NOOP("AccessibleName", "Language")};
inline constexpr ControlName LanguageList{"LanguageList",
                                          QT_TRANSLATE_NOOP("AccessibleName", "Language")};
inline constexpr ControlName LanguageNote{"LanguageNote", ""};
inline constexpr ControlName SunsetCheck{
    "DayStartsAtSunset", QT_TRANSLATE_NOOP("AccessibleName", "The Hijri day begins at sunset")};
inline constexpr ControlName PrayerFrame{"PrayerFrame",
                                         QT_TRANSLATE_NOOP("AccessibleName", "Prayer times")};
inline constexpr ControlName PrayerMethodList{
    "PrayerMethod", QT_TRANSLATE_NOOP("AccessibleName", "Prayer time calculation method")};
inline constexpr ControlName AsrRuleList{"AsrRule",
                                         QT_TRANSLATE_NOOP("AccessibleName", "Asr rule")};
inline constexpr ControlName HighLatitudeList{
    "HighLatitudeRule", QT_TRANSLATE_NOOP("AccessibleName", "Rule for high latitudes")};
inline constexpr ControlName AdjustmentBox{"PrayerAdjustment", ""}; // (0..5)
inline constexpr ControlName Clock24Check{"Clock24",
                                          QT_TRANSLATE_NOOP("AccessibleName", "24-hour clock")};
inline constexpr ControlName TrayCheck{
    "SystemTray", QT_TRANSLATE_NOOP("AccessibleName", "Show in the system tray")};
inline constexpr ControlName RemindersCheck{
    "PrayerReminders", QT_TRANSLATE_NOOP("AccessibleName", "Remind me at prayer times")};
inline constexpr ControlName CloseButton{"Cloze", QT_TRANSLATE_NOOP("AccessibleName", "Close")};
inline constexpr ControlName AlertsButton{
    "PrayerAlertsButton", QT_TRANSLATE_NOOP("AccessibleName", "Adhan and reminders")};
// The adhan and reminders dialog.
inline constexpr ControlName AlertsDialog{
    "PrayerAlerts", QT_TRANSLATE_NOOP("AccessibleName", "Adhan and reminders")};
inline constexpr ControlName AlertList{"AlertList", ""};       // (0..4), the five prayers
inline constexpr ControlName SoundFile{"SoundFile", ""};       // (0..1), the adhan, Fajr's
inline constexpr ControlName SoundChoose{"SoundChoose", ""};   // (0..1)
inline constexpr ControlName SoundDefault{"SoundDefault", ""}; // (0..1)
inline constexpr ControlName VolumeSlider{"Volume", QT_TRANSLATE_NOOP("AccessibleName", "Volume")};
inline constexpr ControlName TestSound{"TestSound",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Play the adhan now")};
inline constexpr ControlName ReminderBox{"ReminderBox", ""}; // (0..5), in Prayer order
inline constexpr ControlName MonthStartsButton{
    "MonthStarts", QT_TRANSLATE_NOOP("AccessibleName", "Announced month starts")};

// The month starts dialog, opened from the Options window.
inline constexpr ControlName StartsDialog{
    "MonthStartsEditor", QT_TRANSLATE_NOOP("AccessibleName", "Announced month starts")};
inline constexpr ControlName StartsList{"StartsList",
                                        QT_TRANSLATE_NOOP("AccessibleName", "Announced months")};
inline constexpr ControlName StartsNote{"StartsNote", ""};
inline constexpr ControlName AddYear{"AddYear", QT_TRANSLATE_NOOP("AccessibleName", "Hijri year")};
inline constexpr ControlName AddMonth{"AddMonth",
                                      QT_TRANSLATE_NOOP("AccessibleName", "Hijri month")};
inline constexpr ControlName AddDate{
    "AddDate", QT_TRANSLATE_NOOP("AccessibleName", "Gregorian day the month began")};
inline constexpr ControlName AddButton{"AddStart", QT_TRANSLATE_NOOP("AccessibleName", "Add")};
inline constexpr ControlName RemoveButton{"RemoveStart",
                                          QT_TRANSLATE_NOOP("AccessibleName", "Remove")};
inline constexpr ControlName EarlierButton{"BeganEarlier", ""};
inline constexpr ControlName LaterButton{"BeganLater", ""};
inline constexpr ControlName ImportButton{"ImportStarts", ""};
inline constexpr ControlName ExportButton{"ExportStarts", ""};
inline constexpr ControlName StartsCloseButton{"CloseStarts",
                                               QT_TRANSLATE_NOOP("AccessibleName", "Close")};

} // namespace qarnivo::optionsnames
