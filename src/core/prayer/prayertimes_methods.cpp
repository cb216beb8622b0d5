#include "core/prayer/prayertimes_methods.h"

#include <QCoreApplication>
#include <QStringList>

namespace qarnivo {

namespace {

// In PrayerMethod order.
const PrayerMethodParameters kMethods[kPrayerMethodCount] = {
    {"mwl",
     QT_TRANSLATE_NOOP("Prayer", "Muslim World League"),
     18,
     17,
     0,
     0,
     {0, 0, 1, 0, 0, 0},
     false},
    {"isna",
     QT_TRANSLATE_NOOP("Prayer", "ISNA (North America)"),
     15,
     15,
     0,
     0,
     {0, 0, 1, 0, 0, 0},
     false},
    {"egypt", QT_TRANSLATE_NOOP("Prayer", "Egyptian"), 19.5, 17.5, 0, 0, {0, 0, 1, 0, 0, 0}, false},
    {"karachi", QT_TRANSLATE_NOOP("Prayer", "Karachi"), 18, 18, 0, 0, {0, 0, 1, 0, 0, 0}, false},
    {"umm-al-qura", QT_TRANSLATE_NOOP("Prayer", "Umm al-Qura"), 18.5, 0, 90, 0, {}, false},
    {"dubai", QT_TRANSLATE_NOOP("Prayer", "Dubai"), 18.2, 18.2, 0, 0, {0, -3, 3, 3, 3, 0}, false},
    {"moonsighting-committee",
     QT_TRANSLATE_NOOP("Prayer", "Moonsighting Committee"),
     18,
     18,
     0,
     0,
     {0, 0, 5, 0, 3, 0},
     false},
    {"kuwait", QT_TRANSLATE_NOOP("Prayer", "Kuwait"), 18, 17.5, 0, 0, {}, false},
    {"qatar", QT_TRANSLATE_NOOP("Prayer", "Qatar"), 18, 0, 90, 0, {}, false},
    {"singapore", QT_TRANSLATE_NOOP("Prayer", "Singapore"), 20, 18, 0, 0, {0, 0, 1, 0, 0, 0}, true},
    {"tehran", QT_TRANSLATE_NOOP("Prayer", "Tehran"), 17.7, 14, 0, 4.5, {}, false},
    {"turkey", QT_TRANSLATE_NOOP("Prayer", "Turkey"), 18, 17, 0, 0, {0, -7, 5, 4, 7, 0}, false},
};

} // namespace

const PrayerMethodParameters &PrayerMethodParametersOf(PrayerMethod method)
{
    const int index = static_cast<int>(method);
    return kMethods[index >= 0 && index < kPrayerMethodCount ? index : 0];
}

QString PrayerMethodKey(PrayerMethod method)
{
    return QString::fromLatin1(PrayerMethodParametersOf(method).key);
}

std::optional<PrayerMethod> PrayerMethodFromKey(const QString &key)
{
    const QString text = key.trimmed();
    for (int i = 0; i < kPrayerMethodCount; ++i)
        if (text == QLatin1String(kMethods[i].key))
            return static_cast<PrayerMethod>(i);
    return std::nullopt;
}

QString PrayerMethodTitle(PrayerMethod method)
{
    return QCoreApplication::translate("Prayer", PrayerMethodParametersOf(method).title);
}

QString AsrRuleSetting(AsrRule rule)
{
    return rule == AsrRule::Hanafi ? QStringLiteral("Hanafi") : QStringLiteral("Standard");
}

std::optional<AsrRule> AsrRuleFromSetting(const QString &text)
{
    const QString value = text.trimmed();
    if (value == QLatin1String("Standard"))
        return AsrRule::Standard;
    if (value == QLatin1String("Hanafi"))
        return AsrRule::Hanafi;
    return std::nullopt;
}

QString HighLatitudeRuleSetting(HighLatitudeRule rule)
{
    switch (rule) {
    case HighLatitudeRule::SeventhOfTheNight:
        return QStringLiteral("SeventhOfTheNight");
    case HighLatitudeRule::TwilightAngle:
        return QStringLiteral("TwilightAngle");
    case HighLatitudeRule::MiddleOfTheNight:
        break;
    }
    return QStringLiteral("MiddleOfTheNight");
}

std::optional<HighLatitudeRule> HighLatitudeRuleFromSetting(const QString &text)
{
    const QString value = text.trimmed();
    for (HighLatitudeRule rule :
         {HighLatitudeRule::MiddleOfTheNight, HighLatitudeRule::SeventhOfTheNight,
          HighLatitudeRule::TwilightAngle})
        if (value == HighLatitudeRuleSetting(rule))
            return rule;
    return std::nullopt;
}

QString AdjustmentsSetting(const std::array<int, kPrayerCount> &adjustments)
{
    QStringList parts;
    for (int minutes : adjustments)
        parts << QString::number(minutes);
    return parts.join(u',');
}

std::optional<std::array<int, kPrayerCount>> AdjustmentsFromSetting(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != kPrayerCount)
        return std::nullopt;
    std::array<int, kPrayerCount> adjustments{};
    for (int i = 0; i < kPrayerCount; ++i) {
        bool ok = false;
        const int minutes = parts[i].trimmed().toInt(&ok, 10);
        if (!ok || minutes < -60 || minutes > 60)
            return std::nullopt;
        adjustments[i] = minutes;
    }
    return adjustments;
}

} // namespace qarnivo
