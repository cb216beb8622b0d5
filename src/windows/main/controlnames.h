#pragma once

// The main window's controls by their fixed object names, each with the name
// assistive technology reads. Outside checks, the tests and the manual find
// the controls by these names: never change one. The members that hold the
// controls are named for what they are.

#include "widgets/namedcontrol.h"

#include <QCoreApplication>

namespace qarnivo::mainnames {

// Menus and their commands.
inline constexpr ControlName ExitCommand{"Exit", ""};
inline constexpr ControlName SettingsCommand{"Option1", ""};
inline constexpr ControlName ViewCommand{"View", ""};
inline constexpr ControlName TodayCommand{"Todayz", ""};
inline constexpr ControlName ConversionCommand{"ConvertDate", ""};
inline constexpr ControlName SunTimesCommand{"SunRiseSunSet", ""};
inline constexpr ControlName PrayerTimesCommand{"PrayerTimesMenu", ""};
inline constexpr ControlName CrescentCommand{"CrescentMenu", ""};
inline constexpr ControlName TipsMenu{"DayTips",
                                      QT_TRANSLATE_NOOP("AccessibleName", "Tips of the Days")};
inline constexpr ControlName NextTipCommand{"TestTips", ""};
inline constexpr ControlName ExportTipsCommand{"PrintTips", ""};
inline constexpr ControlName ExportOccasionsCommand{"ExportOccasions", ""};
inline constexpr ControlName ManualCommand{"Manual", ""};
inline constexpr ControlName AboutMenu{"About", QT_TRANSLATE_NOOP("AccessibleName", "About")};
inline constexpr ControlName DivineCalendarCommand{"DivineCal", ""};
inline constexpr ControlName FeaturesCommand{"CalendFeatures", ""};
inline constexpr ControlName VersionCommand{"SoftVersion", ""};
inline constexpr ControlName DevelopersCommand{"Developers", ""};
inline constexpr ControlName GetFreeCommand{"GetFree", ""};
inline constexpr ControlName OurSoftwareCommand{"OurSoft", ""};

// The month line and the grid.
inline constexpr ControlName PreviousButton{"Backward",
                                            QT_TRANSLATE_NOOP("AccessibleName", "Previous month")};
inline constexpr ControlName NextButton{"Forward",
                                        QT_TRANSLATE_NOOP("AccessibleName", "Next month")};
inline constexpr ControlName MonthCaption{"Label1", QT_TRANSLATE_NOOP("AccessibleName", "Month")};
inline constexpr ControlName MonthPicture{
    "Image1", QT_TRANSLATE_NOOP("AccessibleName", "Month name in Urdu")}; // (1..12)
inline constexpr ControlName UrduYearRow{"Picture1", QT_TRANSLATE_NOOP("AccessibleName", "Year")};
inline constexpr ControlName YearBox{"Text7", QT_TRANSLATE_NOOP("AccessibleName", "Hijri year")};
inline constexpr ControlName GoButton{"GoToYear",
                                      QT_TRANSLATE_NOOP("AccessibleName", "Go to year")};
inline constexpr ControlName EnglishYearRow{"Frame4", QT_TRANSLATE_NOOP("AccessibleName", "Year")};
inline constexpr ControlName EnglishYearBox{"Text8",
                                            QT_TRANSLATE_NOOP("AccessibleName", "Hijri year")};
inline constexpr ControlName EnglishGoButton{"GoToYrE",
                                             QT_TRANSLATE_NOOP("AccessibleName", "Go to year")};
inline constexpr ControlName GridFrame{"Frame1", QT_TRANSLATE_NOOP("AccessibleName", "Calendar")};
inline constexpr ControlName WeekdayHeader{"grCal0",
                                           QT_TRANSLATE_NOOP("AccessibleName", "Weekday names")};
inline constexpr ControlName DayGrid{"grCal1",
                                     QT_TRANSLATE_NOOP("AccessibleName", "Days of the month")};

// Below the grid.
inline constexpr ControlName HijriDateLine{
    "Text1", QT_TRANSLATE_NOOP("AccessibleName", "Hijri date of the selected day")};
inline constexpr ControlName GregorianDateLine{
    "Text2", QT_TRANSLATE_NOOP("AccessibleName", "Gregorian date of the selected day")};
inline constexpr ControlName OccasionLine{
    "Label7", QT_TRANSLATE_NOOP("AccessibleName", "Occasion of the selected day")};
inline constexpr ControlName ClockButton{
    "Optionz",
    QT_TRANSLATE_NOOP("AccessibleName", "Clock; switches between the full and the short view")};
inline constexpr ControlName ClockTimer{"Timer1", ""};
inline constexpr ControlName CrescentLine{
    "CrescentLine", QT_TRANSLATE_NOOP("AccessibleName", "The new crescent at the month's end")};
// Shown while the adhan plays, at the end of the crescent line's band.
inline constexpr ControlName StopSoundButton{"StopSound",
                                             QT_TRANSLATE_NOOP("AccessibleName", "Stop the adhan")};

// The right-hand column.
inline constexpr ControlName CityName{"Label12",
                                      QT_TRANSLATE_NOOP("AccessibleName", "Default city")};
inline constexpr ControlName LatitudeCaption{"Label5", ""};
inline constexpr ControlName LongitudeCaption{"Label9", ""};
inline constexpr ControlName TimeZoneCaption{"Label3", ""};
inline constexpr ControlName CityLatitude{
    "Label10", QT_TRANSLATE_NOOP("AccessibleName", "Latitude of the default city")};
inline constexpr ControlName CityLongitude{
    "Label11", QT_TRANSLATE_NOOP("AccessibleName", "Longitude of the default city")};
inline constexpr ControlName CityTimeZone{
    "Label4", QT_TRANSLATE_NOOP("AccessibleName", "Time zone of the default city")};
inline constexpr ControlName CityQibla{
    "CityQibla", QT_TRANSLATE_NOOP("AccessibleName", "Qibla from the default city")};
inline constexpr ControlName ReadingBox{"Text3",
                                        QT_TRANSLATE_NOOP("AccessibleName", "Thought of the Day")};
inline constexpr ControlName InfoPanel{"Text6",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Information panel")};
inline constexpr ControlName TranslationCredits{
    "Image7", QT_TRANSLATE_NOOP("AccessibleName", "Credits of the translation")};
inline constexpr ControlName WebLink{
    "Label8", QT_TRANSLATE_NOOP("AccessibleName", "Visit the maker's web site")};
inline constexpr ControlName Invocation{"Image8", QT_TRANSLATE_NOOP("AccessibleName", "Bismillah")};
inline constexpr ControlName Banner{
    "Picture2", QT_TRANSLATE_NOOP("AccessibleName", "Banner; click to change its colour")};

} // namespace qarnivo::mainnames
