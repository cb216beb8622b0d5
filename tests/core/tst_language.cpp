// The language: its stored forms, what "System" means in an environment, the digits numbers
// are shown and typed with, and the face the windows write it in.

#include "core/language/digits.h"
#include "core/language/language.h"
#include "testsupport.h"

#include <QProcessEnvironment>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::Language)

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void storedForm_data()
    {
        columns<QString, Language, QString>({"stored", "read", "written"});
        row("system", QString("system"), Language::System, QString("system"));
        row("English", QString("en"), Language::English, QString("en"));
        row("Arabic", QString("ar"), Language::Arabic, QString("ar"));
        row("Urdu", QString("ur"), Language::Urdu, QString("ur"));
        row("nothing stored", QString(), Language::System, QString("system"));
        row("a name is not a code", QString("Urdu"), Language::System, QString("system"));
        row("a locale is not a code", QString("ar_SA"), Language::System, QString("system"));
    }
    void storedForm()
    {
        const auto [stored, read, written] =
            fetch<QString, Language, QString>("stored", "read", "written");
        QCOMPARE(LanguageFromSetting(stored), read);
        QCOMPARE(LanguageSettingText(read), written);
    }

    // The environment as "NAME=value" entries, and the language System stands for there.
    void systemLanguage_data()
    {
        columns<QStringList, Language>({"environment", "language"});
        row("nothing set", QStringList{}, Language::English);
        row("LANG Arabic", QStringList{"LANG=ar_SA.UTF-8"}, Language::Arabic);
        row("LANG Urdu", QStringList{"LANG=ur_PK"}, Language::Urdu);
        row("LANG bare code", QStringList{"LANG=ur"}, Language::Urdu);
        row("LANG with modifier", QStringList{"LANG=ar@latin"}, Language::Arabic);
        row("LANG French", QStringList{"LANG=fr_FR.UTF-8"}, Language::English);
        row("LANG C", QStringList{"LANG=C.UTF-8"}, Language::English);
        row("a code that only begins like Arabic", QStringList{"LANG=arn_CL"}, Language::English);
        row("LANGUAGE list, first wins", QStringList{"LANGUAGE=ur:en", "LANG=ar_SA"},
            Language::Urdu);
        row("LANGUAGE English over an Arabic LANG", QStringList{"LANGUAGE=en_GB:ar", "LANG=ar_SA"},
            Language::English);
        row("LANGUAGE empty entries skipped", QStringList{"LANGUAGE=:ar", "LANG=en_US"},
            Language::Arabic);
        row("LANGUAGE empty falls to LANG", QStringList{"LANGUAGE=", "LANG=ur_IN"}, Language::Urdu);
        row("LC_ALL over LC_MESSAGES and LANG",
            QStringList{"LC_ALL=ar_EG", "LC_MESSAGES=ur_PK", "LANG=en_US"}, Language::Arabic);
        row("LC_MESSAGES over LANG", QStringList{"LC_MESSAGES=ur_PK", "LANG=ar_SA"},
            Language::Urdu);
        row("LC_MESSAGES English over LANG Arabic", QStringList{"LC_MESSAGES=C", "LANG=ar_SA"},
            Language::English);
    }
    void systemLanguage()
    {
        const auto [entries, language] = fetch<QStringList, Language>("environment", "language");
        QProcessEnvironment environment;
        for (const QString &entry : entries)
            environment.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        QCOMPARE(ResolvedLanguage(Language::System, environment), language);
        // A choice of its own is kept whatever the environment says.
        QCOMPARE(ResolvedLanguage(Language::Urdu, environment), Language::Urdu);
        QCOMPARE(ResolvedLanguage(Language::English, environment), Language::English);
    }

    // How the language shows 1447 and -2.5, and whether it is written right to left.
    void numbers_data()
    {
        columns<Language, QString, QString, bool>({"language", "year", "fraction", "rightToLeft"});
        row("English", Language::English, QString("1447"), QString("-2.5"), false);
        row("Arabic", Language::Arabic, QString("١٤٤٧"), QString("٢٫٥"), true);
        row("Urdu", Language::Urdu, QString("۱۴۴۷"), QString("۲٫۵"), true);
    }
    void numbers()
    {
        const auto [language, year, fraction, rightToLeft] =
            fetch<Language, QString, QString, bool>("language", "year", "fraction", "rightToLeft");
        const QLocale locale = NumberLocale(language);
        QCOMPARE(locale.toString(1447), year);
        QVERIFY(locale.toString(-2.5).endsWith(fraction));
        QCOMPARE(IsRightToLeft(language), rightToLeft);
        // What the language shows, typed back, is read as the number it is.
        QCOMPARE(AsciiDigits(locale.toString(-2.5)), QString("-2.5"));
    }

    void asciiDigits_data()
    {
        columns<QString, QString>({"typed", "read"});
        row("ASCII kept", QString("1447"), QString("1447"));
        row("Arabic-Indic", QString("٠١٢٣٤٥٦٧٨٩"), QString("0123456789"));
        row("Extended Arabic-Indic", QString("۰۱۲۳۴۵۶۷۸۹"), QString("0123456789"));
        row("mixed with ASCII and a separator", QString("١٤٤٧-۰9-1"), QString("1447-09-1"));
        row("Arabic decimal separator", QString("٢١٫٤٢"), QString("21.42"));
        row("minus sign", QString("\u2212٣"), QString("-3"));
        row("direction marks dropped", QString("\u061C-\u200E٥\u200F"), QString("-5"));
        row("the Arabic comma is not a point", QString("٢،٥"), QString("2،5"));
        row("digits just outside the ranges kept", QString("\u065F\u066A\u06EF\u06FA"),
            QString("\u065F\u066A\u06EF\u06FA"));
        row("letters kept", QString("Makkah مكة"), QString("Makkah مكة"));
    }
    void asciiDigits()
    {
        const auto [typed, read] = fetch<QString, QString>("typed", "read");
        QCOMPARE(AsciiDigits(typed), read);
    }

    void fontFamily_data()
    {
        columns<Language, QStringList, QString>({"language", "installed", "family"});
        const QStringList noto{"DejaVu Sans", "Noto Naskh Arabic", "Noto Nastaliq Urdu"};
        row("Urdu in Nastaliq", Language::Urdu, noto, QString("Noto Nastaliq Urdu"));
        row("Arabic in Naskh", Language::Arabic, noto, QString("Noto Naskh Arabic"));
        row("English keeps the desktop's", Language::English, noto, QString());
        row("Urdu without its face", Language::Urdu, QStringList{"Noto Naskh Arabic"}, QString());
        row("Arabic without its face", Language::Arabic, QStringList{"Noto Nastaliq Urdu"},
            QString());
    }
    void fontFamily()
    {
        const auto [language, installed, family] =
            fetch<Language, QStringList, QString>("language", "installed", "family");
        QCOMPARE(LanguageFontFamily(language, installed), family);
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
