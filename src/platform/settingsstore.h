#pragma once

// The settings catalogue read from and written to the Platform's settings
// store, in the section kSettingsSection.

#include "core/settings/settingscatalogue.h"

#include <QString>

namespace qarnivo {

class Platform;

// Reading a key gives its default when it is absent or cannot be converted,
// so a damaged store never stops the program from starting.
qint16 ReadInt16Setting(Platform &platform, const QString &key, qint16 defaultValue);
bool ReadBoolSetting(Platform &platform, const QString &key, bool defaultValue);
QString ReadTextSetting(Platform &platform, const QString &key, const QString &defaultValue);

void WriteIntSetting(Platform &platform, const QString &key, int value);
void WriteBoolSetting(Platform &platform, const QString &key, bool value);
void WriteTextSetting(Platform &platform, const QString &key, const QString &value);

} // namespace qarnivo
