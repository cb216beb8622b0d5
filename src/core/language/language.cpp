#include "core/language/language.h"

#include <QProcessEnvironment>

namespace qarnivo {

Language LanguageFromSetting(const QString &text)
{
    const QString form = text.trimmed();
    if (form == QLatin1String("en"))
        return Language::English;
    if (form == QLatin1String("ar"))
        return Language::Arabic;
    if (form == QLatin1String("ur"))
        return Language::Urdu;
    return Language::System;
}

QString LanguageSettingText(Language language)
{
    switch (language) {
    case Language::English:
        return QStringLiteral("en");
    case Language::Arabic:
        return QStringLiteral("ar");
    case Language::Urdu:
        return QStringLiteral("ur");
    case Language::System:
        break;
    }
    return QStringLiteral("system");
}

namespace {

// A locale name as the environment writes it: "ar_SA.UTF-8", "ur", "ur@latin".
Language languageNamed(const QString &name)
{
    const QString code = name.section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0);
    if (code == QLatin1String("ar"))
        return Language::Arabic;
    if (code == QLatin1String("ur"))
        return Language::Urdu;
    return Language::English;
}

} // namespace

Language LanguageFromEnvironment(const QProcessEnvironment &environment)
{
    // LANGUAGE, when set, is the user's order of preference over the locale.
    const QStringList preferred =
        environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
    if (!preferred.isEmpty())
        return languageNamed(preferred.first());
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(variable));
        if (!value.isEmpty())
            return languageNamed(value);
    }
    return Language::English;
}

Language ResolvedLanguage(Language chosen, const QProcessEnvironment &environment)
{
    return chosen == Language::System ? LanguageFromEnvironment(environment) : chosen;
}

QString LanguageCode(Language language)
{
    return language == Language::Arabic || language == Language::Urdu
               ? LanguageSettingText(language)
               : QString();
}

bool IsRightToLeft(Language language)
{
    return !LanguageCode(language).isEmpty();
}

QLocale NumberLocale(Language language)
{
    // Qt's Urdu of Pakistan writes ASCII digits; its Urdu of India writes
    // Urdu's own. Saudi Arabia's Arabic writes the Arabic-Indic ones.
    QLocale locale = language == Language::Arabic ? QLocale(QLocale::Arabic, QLocale::SaudiArabia)
                     : language == Language::Urdu
                         ? QLocale(QLocale::Urdu, QLocale::India)
                         : QLocale(QLocale::English, QLocale::UnitedStates);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString LanguageFontFamily(Language language, const QStringList &installed)
{
    const QString family = language == Language::Arabic ? QStringLiteral("Noto Naskh Arabic")
                           : language == Language::Urdu ? QStringLiteral("Noto Nastaliq Urdu")
                                                        : QString();
    return installed.contains(family) ? family : QString();
}

} // namespace qarnivo
