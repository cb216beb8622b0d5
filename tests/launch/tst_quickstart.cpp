// The quick start against the full command line, its oracle: wherever it
// answers a conversion, its output is the full command line's to the byte;
// it reads the settings file as QSettings does or hands over, and the
// environment's language as the windows do.

#include "cli/commandline.h"
#include "core/settings/settingscatalogue.h"
#include "launch/commandchoice.h"
#include "launch/quickconversion.h"
#include "testsupport.h"

#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>

#include <map>
#include <unistd.h>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

struct Answer {
    int status;
    QString out;
    QString err;
};

Answer fullAnswer(const QStringList &arguments, const QuickChoices &choices)
{
    CommandLineInput input;
    input.stored.calendar = choices.calendar;
    input.stored.correction = static_cast<qint16>(choices.correction);
    input.today = QDate(2026, 12, 7);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = RunCommandLine(QStringList{QStringLiteral("Qarnivo")} + arguments, input,
                                      outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

std::vector<std::string> stdArguments(const QStringList &arguments)
{
    std::vector<std::string> list;
    for (const QString &argument : arguments)
        list.push_back(argument.toStdString());
    return list;
}

QString iso(const Ymd &date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year, 4, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'));
}

// Western dates: a sweep over the range, and the days around its ends, the
// reform, leap days of both calendars and the Umm al-Qura table's seams.
QStringList westernDates(qint32 from, qint32 to, int step)
{
    QStringList dates;
    for (qint32 day = from; day <= to; day += step)
        dates << iso(JulianDayToGregorian(day));
    for (const qint32 edge : {kFirstJulianDay, kLastJulianDay, kReformJulianDay,
                              ummalqura::kFirstDayOfTable, qint32{2515800}}) {
        for (qint32 day = edge - 4; day <= edge + 4; ++day)
            dates << iso(JulianDayToGregorian(day));
    }
    dates << "1582-10-10"
          << "1500-02-29"
          << "1700-02-29"
          << "2000-02-29"
          << "2100-02-29"
          << "2026-02-30"
          << "2026-04-31"
          << "02026-12-07"
          << "2026-1-7"
          << "0622-07-16"
          << "622-07-16";
    return dates;
}

// Hijri dates: the 1st, 29th and 30th of months across the years, and the
// last days the range allows.
QStringList hijriDates(int firstYear, int lastYear, int yearStep)
{
    QStringList dates;
    for (int year = firstYear; year <= lastYear; year += yearStep) {
        for (int month = 1 + year % 3; month <= 12; month += 3) {
            for (const int day : {1, 29, 30})
                dates << iso({year, month, day});
        }
    }
    for (int month = 1; month <= 12; ++month)
        dates << iso({firstYear, month, 30}) << iso({lastYear, month, 30});
    dates << "20874-05-29"
          << "20874-05-30"
          << "20874-06-01"
          << "0001-01-01"
          << "1-01-01"
          << "1300-01-01"
          << "1299-12-30"
          << "1600-12-29"
          << "1601-01-01"
          << "1448-13-01";
    return dates;
}

} // namespace

class TestQuickStart : public QObject {
    Q_OBJECT
private slots:
    void sameAsFullCommandLine_data()
    {
        columns<QString, int, QStringList, QString, int>(
            {"command", "calendar", "dates", "json", "fewestAnswered"});
        const QStringList everyWestern = westernDates(kFirstJulianDay, kLastJulianDay, 1013);
        const QStringList tableWestern =
            westernDates(ummalqura::kFirstDayOfTable - 400, 2515800 + 400, 173);
        const int tabular = int(CalendarKind::Tabular);
        const int ummAlQura = int(CalendarKind::UmmAlQura);
        row("to Hijri, tabular", "--convert", tabular, everyWestern, "", 7000);
        row("to Hijri, tabular, JSON", "--convert", tabular, everyWestern, "--json", 7000);
        row("to Hijri, Umm al-Qura", "--convert", ummAlQura, tableWestern, "", 550);
        row("to Hijri, Umm al-Qura, JSON", "--convert", ummAlQura, tableWestern, "--json", 550);
        row("to Gregorian, tabular", "--to-gregorian", tabular, hijriDates(1, 20874, 97), "", 1400);
        row("to Gregorian, Umm al-Qura", "--to-gregorian", ummAlQura, hijriDates(1290, 1610, 1), "",
            1500);
        row("to Gregorian, Umm al-Qura, JSON", "--to-gregorian", ummAlQura,
            hijriDates(1290, 1610, 7), "--json", 60);
    }

    // Every date alone, with each correction: where the quick start answers,
    // the full command line gives the same bytes and succeeds.
    void sameAsFullCommandLine()
    {
        const auto [command, calendar, dates, json, fewestAnswered] =
            fetch<QString, int, QStringList, QString, int>("command", "calendar", "dates", "json",
                                                           "fewestAnswered");
        for (const int correction : {0, -2, 1}) {
            const QuickChoices choices{CalendarKind(calendar), correction, true};
            int answered = 0;
            for (const QString &date : dates) {
                QStringList arguments{command, date};
                if (!json.isEmpty())
                    arguments.insert(1, json);
                const std::optional<std::string> quick =
                    QuickConversion(stdArguments(arguments), choices);
                if (!quick)
                    continue;
                ++answered;
                const Answer full = fullAnswer(arguments, choices);
                const QByteArray context =
                    (arguments.join(u' ') + " correction " + QString::number(correction)).toUtf8();
                QVERIFY2(full.status == 0 && full.err.isEmpty(),
                         context + ": " + full.err.toUtf8());
                QCOMPARE(QString::fromStdString(*quick), full.out);
            }
            // Not a start that hands everything over.
            QVERIFY2(answered >= fewestAnswered, QByteArray::number(answered));
        }
    }

    void severalDatesAtOnce()
    {
        const QStringList arguments{"--convert", "2026-12-07", "1582-10-15", "1582-10-04"};
        const std::optional<std::string> quick = QuickConversion(stdArguments(arguments), {});
        QVERIFY(quick);
        QCOMPARE(QString::fromStdString(*quick), fullAnswer(arguments, {}).out);
        QCOMPARE(QString::fromStdString(*quick).count(u'\n'), 3);
        // One refused date: the full command line tells it, and answers the others.
        QVERIFY(!QuickConversion(stdArguments(arguments + QStringList{"1582-10-10"}), {}));
    }

    void handsOver_data()
    {
        columns<QString>({"arguments"});
        row("no date", "--convert");
        row("no command", "2026-12-07");
        row("two commands", "--convert --to-gregorian 2026-12-07");
        row("the command twice", "--convert --convert 2026-12-07");
        row("JSON twice", "--convert --json --json 2026-12-07");
        row("a language", "--convert 2026-12-07 --lang en");
        row("a calendar", "--convert --calendar tabular 2026-12-07");
        row("a correction", "--convert --correction=1 2026-12-07");
        row("the option with its value", "--convert=2026-12-07");
        row("one dash", "-convert 2026-12-07");
        row("help", "--convert 2026-12-07 --help");
        row("a date with a slash", "--convert 2026/12/07");
        row("a six-digit year", "--convert 202612-12-07");
        row("a three-digit month", "--convert 2026-012-07");
        row("no day", "--convert 2026-12");
        row("month 0", "--convert 2026-00-07");
        row("day 0", "--convert 2026-12-00");
        row("before the range", "--convert 0622-07-15");
        row("after the range", "--convert 20874-05-31");
        row("the reform's gap", "--convert 1582-10-14");
        row("Hijri day 31", "--to-gregorian 1448-06-31");
        row("Hijri year 0", "--to-gregorian 0-01-01");
        row("Arabic-Indic digits", "--convert \u0662\u0660\u0662\u0666-12-07");
    }

    void handsOver()
    {
        const auto [arguments] = fetch<QString>("arguments");
        QVERIFY(!QuickConversion(stdArguments(arguments.split(u' ')), {}));
    }

    void blankAroundDateHandsOver()
    {
        QVERIFY(!QuickConversion({"--convert", " 2026-12-07"}, {}));
        QVERIFY(!QuickConversion({"--convert", "2026-12-07\n"}, {}));
    }

    void settingsText_data()
    {
        columns<QByteArray, bool>({"text", "read"});
        row("no file", QByteArray(), true);
        row("the program's own file",
            QByteArray("[ViewWindow]\nCalendar=UmmAlQura\nCorrection=-1\nLanguage=en\n"
                       "Show%20First=False\nMonthStarts=\n"),
            true);
        row("blanks around", QByteArray("[ViewWindow]\n  Calendar = UmmAlQura  \nCorrection= 2\n"),
            true);
        row("CR LF and a byte-order mark",
            QByteArray("\xEF\xBB\xBF[ViewWindow]\r\nCalendar=UmmAlQura\r\nCorrection=1\r\n"), true);
        row("another group's keys", QByteArray("[Other]\nCalendar=UmmAlQura\nCorrection=2\n"),
            true);
        row("a comment", QByteArray("[ViewWindow]\n;Calendar=UmmAlQura\n"), true);
        row("a calendar the program does not know", QByteArray("[ViewWindow]\nCalendar=Lunar\n"),
            true);
        row("a language it does not speak", QByteArray("[ViewWindow]\nLanguage=fr\n"), true);
        row("the system's language", QByteArray("[ViewWindow]\nLanguage=system\n"), true);
        row("a key escaped", QByteArray("[ViewWindow]\n%43alendar=UmmAlQura\n"), true);
        row("announced months", QByteArray("[ViewWindow]\nMonthStarts=1447-09=2026-02-18\n"),
            false);
        row("announced months, quoted",
            QByteArray("[ViewWindow]\nMonthStarts=\"1447-09=2026-02-18 1447-10=2026-03-20\"\n"),
            false);
        row("Arabic", QByteArray("[ViewWindow]\nLanguage=ar\n"), false);
        row("Urdu", QByteArray("[ViewWindow]\nLanguage=ur\n"), false);
        row("a quoted value", QByteArray("[ViewWindow]\nCalendar=\"UmmAlQura\"\n"), false);
        row("a list", QByteArray("[ViewWindow]\nCalendar=UmmAlQura, Tabular\n"), false);
        row("a typed value", QByteArray("[ViewWindow]\nCorrection=@Variant(\\0\\0\\0\\x2)\n"),
            false);
        row("a fraction", QByteArray("[ViewWindow]\nCorrection=1.5\n"), false);
        row("a word for a number", QByteArray("[ViewWindow]\nCorrection=one\n"), false);
        row("the group in the key", QByteArray("[General]\nViewWindow\\Calendar=UmmAlQura\n"),
            false);
        row("a key twice", QByteArray("[ViewWindow]\nCalendar=Tabular\nCalendar=UmmAlQura\n"),
            false);
        row("the same key in two forms",
            QByteArray(
                "[ViewWindow]\nCalendar=Tabular\n[General]\nViewWindow/Calendar=UmmAlQura\n"),
            false);
        row("a line continued", QByteArray("[ViewWindow]\nDayView=Urdu\\\nCalendar=UmmAlQura\n"),
            false);
        row("a wide escape", QByteArray("[ViewWindow]\n%U0043alendar=UmmAlQura\n"), false);
        row("a broken escape", QByteArray("[ViewWindow]\nCalendar%4=UmmAlQura\n"), false);
    }

    // What the quick start reads is what QSettings and the stored choices read.
    void settingsText()
    {
        const auto [text, read] = fetch<QByteArray, bool>("text", "read");
        const std::optional<QuickChoices> quick = QuickChoicesFrom(text.toStdString());
        QCOMPARE(quick.has_value(), read);
        if (!quick)
            return;
        const QTemporaryDir folder;
        const QString path = folder.filePath("Qarnivo.ini");
        QVERIFY(writeBytes(path, text));
        const QSettings store(path, QSettings::IniFormat);
        const StoredChoices stored = ReadStoredChoices([&store](const QString &key) {
            return SettingText(store.value(QStringLiteral("ViewWindow/") + key));
        });
        QCOMPARE(quick->calendar, stored.calendar);
        QCOMPARE(quick->correction, int(stored.correction));
        QCOMPARE(quick->systemLanguage, stored.language == Language::System);
        QVERIFY(stored.monthStarts.isEmpty());
    }

    void settingsPath_data()
    {
        columns<QStringList, QString>({"environment", "path"});
        row("the home's folder", QStringList{"HOME=/home/amina"},
            QString("/home/amina/.config/Qarnivo/Qarnivo.ini"));
        row("the XDG folder first", QStringList{"HOME=/home/amina", "XDG_CONFIG_HOME=/cfg"},
            QString("/cfg/Qarnivo/Qarnivo.ini"));
        row("an empty XDG folder", QStringList{"HOME=/home/amina", "XDG_CONFIG_HOME="},
            QString("/home/amina/.config/Qarnivo/Qarnivo.ini"));
        row("a relative XDG folder", QStringList{"HOME=/home/amina", "XDG_CONFIG_HOME=cfg"},
            QString());
        row("no home", QStringList{}, QString());
        row("a relative home", QStringList{"HOME=amina"}, QString());
    }

    void settingsPath()
    {
        const auto [variables, path] = fetch<QStringList, QString>("environment", "path");
        const std::optional<std::string> found = QuickSettingsPath(environmentOf(variables));
        QCOMPARE(found ? QString::fromStdString(*found) : QString(), path);
    }

    void environmentLanguage_data()
    {
        columns<QStringList>({"environment"});
        row("nothing", QStringList{});
        row("English", QStringList{"LANG=en_GB.UTF-8"});
        row("Arabic", QStringList{"LANG=ar_SA.UTF-8"});
        row("Urdu without a country", QStringList{"LANG=ur"});
        row("Urdu in Latin letters", QStringList{"LC_ALL=ur@latin", "LANG=en_US.UTF-8"});
        row("LC_ALL before LANG", QStringList{"LC_ALL=en_US.UTF-8", "LANG=ar_EG.UTF-8"});
        row("LC_MESSAGES before LANG", QStringList{"LC_MESSAGES=ar", "LANG=en_US.UTF-8"});
        row("an empty LC_ALL", QStringList{"LC_ALL=", "LANG=ar_EG.UTF-8"});
        row("LANGUAGE first", QStringList{"LANGUAGE=ur:en", "LANG=en_US.UTF-8"});
        row("LANGUAGE's empty entries", QStringList{"LANGUAGE=::ar", "LANG=en_US.UTF-8"});
        row("LANGUAGE empty", QStringList{"LANGUAGE=:", "LANG=ar_SA.UTF-8"});
        row("Arabic's code in another", QStringList{"LANG=arn_CL.UTF-8"});
    }

    void environmentLanguage()
    {
        const auto [variables] = fetch<QStringList>("environment");
        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QCOMPARE(EnvironmentSpeaksEnglish(environmentOf(variables)),
                 LanguageFromEnvironment(environment) == Language::English);
    }

    // The whole start: the settings files found as the store finds them.
    void answerFromTheSettingsFile()
    {
        const QTemporaryDir home;
        const QString folder = home.filePath(".config/Qarnivo");
        const Environment environment = environmentOf({"HOME=" + home.path(), "LANG=C.UTF-8"});
        const std::vector<std::string> convert{"--convert", "2026-12-07"};
        const auto hijri = [&] {
            const std::optional<std::string> answer = QuickAnswer(convert, environment);
            return answer ? QString::fromStdString(*answer).section(u' ', 2, 2) : QString();
        };
        QCOMPARE(hijri(), QString("1448-06-26"));
        QVERIFY(writeBytes(folder + "/Qarnivo.ini",
                           "[ViewWindow]\nCalendar=UmmAlQura\nCorrection=1\n"));
        QCOMPARE(hijri(), QString("1448-06-26"));
        QVERIFY(writeBytes(folder + "/Qarnivo.ini", "[ViewWindow]\nCorrection=1\n"));
        QCOMPARE(hijri(), QString("1448-06-25"));
        // Arabic from the environment, a damaged file, or the organisation's
        // own file beside it: the full command line answers.
        QVERIFY(!QuickAnswer(convert, environmentOf({"HOME=" + home.path(), "LANG=ar_SA.UTF-8"})));
        QVERIFY(writeBytes(folder + "/Qarnivo.ini", "[ViewWindow]\nCorrection=\"1\n"));
        QVERIFY(!QuickAnswer(convert, environment));
        QVERIFY(QFile::remove(folder + "/Qarnivo.ini"));
        QVERIFY(!hijri().isEmpty());
        QVERIFY(writeBytes(home.filePath(".config/Qarnivo.ini"), "[ViewWindow]\n"));
        QVERIFY(!QuickAnswer(convert, environment));
    }

    void settingsThatAreNoFile()
    {
        const QTemporaryDir home;
        const Environment environment = environmentOf({"HOME=" + home.path()});
        QVERIFY(QDir().mkpath(home.filePath(".config/Qarnivo/Qarnivo.ini")));
        QVERIFY(!QuickAnswer({"--convert", "2026-12-07"}, environment));
    }

    void unreadableSettings()
    {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        const QTemporaryDir home;
        const QString path = home.filePath(".config/Qarnivo/Qarnivo.ini");
        QVERIFY(writeBytes(path, "[ViewWindow]\nCalendar=UmmAlQura\n"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QVERIFY(!QuickAnswer({"--convert", "2026-12-07"}, environmentOf({"HOME=" + home.path()})));
    }

    // The store's folder for every user is where this Qt keeps it.
    void systemSettingsFolder()
    {
        QCOMPARE(QLibraryInfo::path(QLibraryInfo::SettingsPath), QString("/etc/xdg"));
    }

    void wantsCommandLine_data()
    {
        columns<QString, bool>({"arguments", "wanted"});
        row("no options: the windows", "", false);
        row("a Qt option: the windows", "-style Fusion", false);
        row("--today", "--today", true);
        row("--month=1445-09", "--month=1445-09", true);
        row("-h", "-h", true);
        row("--json alone: refused in the shell", "--json", true);
        row("an unknown option", "--frobnicate", true);
        row("the session manager's restart", "-session 1a2b", false);
        row("a Qt option with two dashes", "--style=Fusion", false);
        row("a Qt option beside an unknown one", "-reverse -x", true);
        row("a date alone: the windows", "2024-03-11", false);
    }

    void wantsCommandLine()
    {
        const auto [arguments, wanted] = fetch<QString, bool>("arguments", "wanted");
        QCOMPARE(WantsCommandLine(stdArguments(arguments.split(u' ', Qt::SkipEmptyParts))), wanted);
    }

private:
    static Environment environmentOf(const QStringList &variables)
    {
        std::map<std::string, std::string> values;
        for (const QString &variable : variables)
            values[variable.section(u'=', 0, 0).toStdString()] =
                variable.section(u'=', 1).toStdString();
        return [values](const char *name) -> std::optional<std::string> {
            const auto found = values.find(name);
            return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
        };
    }
};

QTEST_GUILESS_MAIN(TestQuickStart)
#include "tst_quickstart.moc"
