#include "platform/settingsstore.h"

#include "platform/platform.h"

namespace qarnivo {

qint16 ReadInt16Setting(Platform &platform, const QString &key, qint16 defaultValue)
{
    const QString text = platform.readSetting(kSettingsSection, key, QString::number(defaultValue));
    return SettingToInt16(text).value_or(defaultValue);
}

bool ReadBoolSetting(Platform &platform, const QString &key, bool defaultValue)
{
    const QString text = platform.readSetting(kSettingsSection, key, BoolSettingText(defaultValue));
    return SettingToBool(text).value_or(defaultValue);
}

QString ReadTextSetting(Platform &platform, const QString &key, const QString &defaultValue)
{
    return platform.readSetting(kSettingsSection, key, defaultValue);
}

void WriteIntSetting(Platform &platform, const QString &key, int value)
{
    platform.writeSetting(kSettingsSection, key, QString::number(value));
}

void WriteBoolSetting(Platform &platform, const QString &key, bool value)
{
    platform.writeSetting(kSettingsSection, key, BoolSettingText(value));
}

void WriteTextSetting(Platform &platform, const QString &key, const QString &value)
{
    platform.writeSetting(kSettingsSection, key, value);
}

} // namespace qarnivo
