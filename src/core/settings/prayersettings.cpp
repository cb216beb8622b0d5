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

AlertChoices AlertChoicesFrom(const std::function<QString(const QString &key)> &stored)
{
    AlertChoices choices;
    choices.alerts = AlertsFromSetting(stored(SettingKey::PrayerAlerts)).value_or(choices.alerts);
    choices.reminderMinutes = ReminderMinutesFromSetting(stored(SettingKey::PrayerReminderMinutes))
                                  .value_or(choices.reminderMinutes);
    choices.sound = stored(SettingKey::PrayerSound);
    choices.fajrSound = stored(SettingKey::PrayerFajrSound);
    const std::optional<qint16> volume = SettingToInt16(stored(SettingKey::PrayerVolume));
    if (volume && *volume >= 0 && *volume <= 100)
        choices.volume = *volume;
    return choices;
}

QList<QPair<QString, QString>> AlertChoicesTexts(const AlertChoices &choices)
{
    return {{SettingKey::PrayerAlerts, AlertsSetting(choices.alerts)},
            {SettingKey::PrayerReminderMinutes, ReminderMinutesSetting(choices.reminderMinutes)},
            {SettingKey::PrayerSound, choices.sound},
            {SettingKey::PrayerFajrSound, choices.fajrSound},
            {SettingKey::PrayerVolume, QString::number(choices.volume)}};
}

} // namespace qarnivo
