#pragma once

// The language the program speaks: the stored choice, what "System" means in
// a given environment, and how the chosen language writes and shows numbers.

#include <QLocale>
#include <QString>
#include <QStringList>

class QProcessEnvironment;

namespace qarnivo {

enum class Language { System, English, Arabic, Urdu };

// The stored forms "system", "en", "ar", "ur"; any other text is System.
Language LanguageFromSetting(const QString &text);
QString LanguageSettingText(Language language);

// The language a desktop session asks for: the first of LANGUAGE (a colon
// list, its first entry that names a language), LC_ALL, LC_MESSAGES and LANG
// that is set; Arabic or Urdu when it names them, English otherwise.
Language LanguageFromEnvironment(const QProcessEnvironment &environment);

// The chosen language, System replaced by the environment's: never System.
Language ResolvedLanguage(Language chosen, const QProcessEnvironment &environment);

// "ar" or "ur", the suffix of the translation files; empty for English.
QString LanguageCode(Language language);

bool IsRightToLeft(Language language);

// The locale numbers are shown with: Arabic-Indic digits for Arabic,
// Extended Arabic-Indic (Urdu's) for Urdu, ASCII otherwise; never grouped,
// so that a year reads 1447 and not 1,447.
QLocale NumberLocale(Language language);

// The face the windows write the language in, when `installed` (the font
// families there are) holds it: Noto Nastaliq Urdu for Urdu, Noto Naskh
// Arabic for Arabic. Empty for English, or when the face is missing: the
// desktop's face then stays.
QString LanguageFontFamily(Language language, const QStringList &installed);

} // namespace qarnivo
