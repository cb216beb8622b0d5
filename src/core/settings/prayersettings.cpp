#include "core/settings/prayersettings.h"

#include "core/settings/settingscatalogue.h"

namespace qarnivo {

PrayerSettings PrayerSettingsFrom(const std::function<QString(const QString &key)> &stored)
{
    PrayerSettings settings;
    settings.method =
        PrayerMethodFromKey(stored(SettingKey::PrayerMethod)).value_or(settings.method);
    settings.asr = AsrRuleFromSetting(stored(SettingKey::AsrRule)).value_or(settings.asr);
    settings.highLatitude = HighLatitudeRuleFromSetting(stored(SettingKey::HighLatitudeRule))
                                .value_or(settings.highLatitude);
    settings.adjustments = AdjustmentsFromSetting(stored(SettingKey::PrayerAdjustments))
                               .value_or(settings.adjustments);
    settings.clock24 = SettingToBool(stored(SettingKey::Clock24)).value_or(settings.clock24);
    return settings;
}

QList<QPair<QString, QString>> PrayerSettingsTexts(const PrayerSettings &settings)
{
    return {{SettingKey::PrayerMethod, PrayerMethodKey(settings.method)},
            {SettingKey::AsrRule, AsrRuleSetting(settings.asr)},
            {SettingKey::HighLatitudeRule, HighLatitudeRuleSetting(settings.highLatitude)},
            {SettingKey::PrayerAdjustments, AdjustmentsSetting(settings.adjustments)},
            {SettingKey::Clock24, BoolSettingText(settings.clock24)}};
}

} // namespace qarnivo
