#include "core/settings/storedchoices.h"

#include "core/crescent/crescentline.h"
#include "core/settings/prayersettings.h"
#include "core/settings/settingscatalogue.h"

namespace qarnivo {

StoredChoices ReadStoredChoices(const std::function<QString(const QString &key)> &stored)
{
    StoredChoices choices;
    const auto number = [&stored](const QString &key, qint16 fallback) {
        return SettingToInt16(stored(key)).value_or(fallback);
    };
    const auto truth = [&stored](const QString &key, bool fallback) {
        return SettingToBool(stored(key)).value_or(fallback);
    };
    choices.correction = number(SettingKey::Correction, choices.correction);
    choices.calendar = CalendarFromSetting(stored(SettingKey::Calendar)).value_or(choices.calendar);
    choices.monthStarts = MonthStartsFromSetting(stored(SettingKey::MonthStarts));
    choices.prayer = PrayerSettingsFrom(stored);
    choices.windowFull = truth(SettingKey::WindowFull, choices.windowFull);
    choices.windowMax = truth(SettingKey::WindowMax, choices.windowMax);
    choices.dovrellBG = number(SettingKey::DovrellBG, choices.dovrellBG);
    choices.colorIndex = number(SettingKey::ColorIndex, choices.colorIndex);
    if (const QString dayView = stored(SettingKey::DayView); !dayView.isEmpty())
        choices.dayView = dayView;
    choices.showFirst = truth(SettingKey::ShowFirst, choices.showFirst);
    choices.systemTray = truth(SettingKey::SystemTray, choices.systemTray);
    choices.reminders = truth(SettingKey::PrayerReminders, choices.reminders);
    choices.alerts = AlertChoicesFrom(stored);
    choices.dayStartsAtSunset = truth(SettingKey::DayStartsAtSunset, choices.dayStartsAtSunset);
    choices.crescentCriterion =
        crescent::CriterionFromSetting(stored(SettingKey::CrescentCriterion))
            .value_or(choices.crescentCriterion);
    choices.language = LanguageFromSetting(stored(SettingKey::Language));
    return choices;
}

} // namespace qarnivo
