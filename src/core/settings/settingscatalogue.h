#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace qarnivo {

// Every stored value lives in one section of the per-user settings store.
inline const QString kSettingsSection = QStringLiteral("ViewWindow");

namespace SettingKey {
inline const QString Correction = QStringLiteral("Correction");
inline const QString WindowFull = QStringLiteral("WindowFull");
inline const QString WindowMax = QStringLiteral("WindowMax");
inline const QString DovrellBG = QStringLiteral("DovrellBG");
inline const QString ColorIndex = QStringLiteral("ColorIndex");
inline const QString DayView = QStringLiteral("DayView");
inline const QString ShowFirst = QStringLiteral("Show First");
inline const QString Calendar = QStringLiteral("Calendar"); // "Tabular" or "UmmAlQura"
// Announced month starts, "1447-09=2026-02-18 1447-10=2026-03-20" (calendar/monthstarts.h).
inline const QString MonthStarts = QStringLiteral("MonthStarts");
// The prayer times (their stored forms are in prayer/prayertimes.h).
inline const QString PrayerMethod = QStringLiteral("PrayerMethod");
inline const QString AsrRule = QStringLiteral("AsrRule");
inline const QString HighLatitudeRule = QStringLiteral("HighLatitudeRule");
inline const QString PrayerAdjustments = QStringLiteral("PrayerAdjustments");
inline const QString Clock24 = QStringLiteral("Clock24");
inline const QString SystemTray = QStringLiteral("SystemTray");           // Boolean, off
inline const QString PrayerReminders = QStringLiteral("PrayerReminders"); // Boolean, off
// What each of the five prayers brings, "notification sound ..." and the
// minutes of the reminders before the six times, "15 0 10 0 0 0"
// (prayer/prayeralerts.h); the adhan files (empty: the built-in chime) and
// their volume, 0..100.
inline const QString PrayerAlerts = QStringLiteral("PrayerAlerts");
inline const QString PrayerReminderMinutes = QStringLiteral("PrayerReminderMinutes");
inline const QString PrayerSound = QStringLiteral("PrayerSound");
inline const QString PrayerFajrSound = QStringLiteral("PrayerFajrSound");
inline const QString PrayerVolume = QStringLiteral("PrayerVolume");
// The Hijri day begins at the default city's Maghrib (else at midnight).
inline const QString DayStartsAtSunset = QStringLiteral("DayStartsAtSunset"); // Boolean, off
// Whose criterion judges the young crescent: "Odeh" or "Yallop" (crescent/crescentline.h).
inline const QString CrescentCriterion = QStringLiteral("CrescentCriterion");
// The language of the texts: "system", "en", "ar" or "ur" (language/language.h).
inline const QString Language = QStringLiteral("Language");
// Where the windows were (their forms are in placement/windowfit.h): the main
// window's position "x y", the others' saveGeometry() records in base64.
inline const QString MainPosition = QStringLiteral("MainPosition");
inline const QString OptionsGeometry = QStringLiteral("OptionsGeometry");
inline const QString CalculatorGeometry = QStringLiteral("CalculatorGeometry");
inline const QString PrayerTimesGeometry = QStringLiteral("PrayerTimesGeometry");
inline const QString CrescentGeometry = QStringLiteral("CrescentGeometry");
} // namespace SettingKey

// Conversions of stored texts. A number is decimal text (blanks around it
// allowed, a fraction rounded half to even) that fits 16 bits; a Boolean is
// "True" or "False" in any case, or a number, zero being false. Anything else
// cannot be converted.
std::optional<qint16> SettingToInt16(const QString &text);
std::optional<bool> SettingToBool(const QString &text);
QString BoolSettingText(bool value); // "True" or "False"

// The text of a value as the store hands it back. An INI file's unquoted
// "0,30,0,0,0,0", as a user types it, reads back as a list: its items joined
// by commas are that text again.
QString SettingText(const QVariant &stored);

// Reading and writing the store itself is in settings/settingsstore.h.

} // namespace qarnivo
