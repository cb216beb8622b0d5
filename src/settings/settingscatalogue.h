#pragma once

#include <QString>

#include <optional>

namespace qarnivo {

class Platform;

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
} // namespace SettingKey

// Conversions of stored texts. A number is decimal text (blanks around it
// allowed, a fraction rounded half to even) that fits 16 bits; a Boolean is
// "True" or "False" in any case, or a number, zero being false. Anything else
// cannot be converted.
std::optional<qint16> SettingToInt16(const QString &text);
std::optional<bool> SettingToBool(const QString &text);
QString BoolSettingText(bool value); // "True" or "False"

// Reading a key gives its default when it is absent or cannot be converted,
// so a damaged store never stops the program from starting.
qint16 ReadInt16Setting(Platform &platform, const QString &key, qint16 defaultValue);
bool ReadBoolSetting(Platform &platform, const QString &key, bool defaultValue);
QString ReadTextSetting(Platform &platform, const QString &key, const QString &defaultValue);

void WriteIntSetting(Platform &platform, const QString &key, int value);
void WriteBoolSetting(Platform &platform, const QString &key, bool value);
void WriteTextSetting(Platform &platform, const QString &key, const QString &value);

} // namespace qarnivo
