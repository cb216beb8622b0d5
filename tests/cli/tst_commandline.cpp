// The calendar in a shell: conversions both ways with the window's checks
// and messages, JSON lines, the month grid, and which arguments ask for it.

#include "cli/commandline.h"
#include "cli/translators.h"
#include "core/crescent/crescent.h"
#include "core/readings/occasionexport.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::Language)

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run run(
    const QStringList &options, int correction = 0, const QString &monthStarts = QString(),
    bool sunset = false, bool city = true,
    const CrescentMapWriter &writer = [](const CrescentMapRequest &) { return 0; },
    const std::function<void(Language)> &useLanguage = {})
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    CommandLineInput input;
    input.stored.correction = static_cast<qint16>(correction);
    input.stored.monthStarts = MonthStartsFromSetting(monthStarts);
    input.stored.dayStartsAtSunset = sunset;
    input.today = QDate(2024, 3, 14);
    if (city)
        input.city = DefaultCity();
    input.writeCrescentMap = writer;
    input.stored.language = Language::Urdu;
    input.useLanguage = useLanguage;
    const int status = RunCommandLine(QStringList{QStringLiteral("Qarnivo")} + options, input,
                                      outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void converts_data()
    {
        columns<QString, QString, int>({"options", "line", "correction"});
        // 1 Ramadhan 1445 of the arithmetic calendar is Monday 11 March 2024 (ICU islamic-civil).
        const QString ramadhan = "2024-03-11  1445-09-01  Monday  11 March 2024 = 1 Ramadhan 1445";
        row("Gregorian to Hijri", "--convert 2024-03-11", ramadhan, 0);
        row("Hijri to Gregorian", "--to-gregorian 1445-09-01", ramadhan, 0);
        row("the correction moves Hijri dates a day later", "--to-gregorian 1448-06-25",
            "2026-12-07  1448-06-25  Monday  7 December 2026 = 25 Jumadis -Sani 1448", 1);
        row("stored correction overridden", "--to-gregorian --correction 0 1445-09-01", ramadhan,
            2);
        row("first day of the era, zero-padded", "--convert 0622-07-16",
            "0622-07-16  0001-01-01  Friday  16 July 622 = 1 Muharram 1", 0);
        row("first Gregorian day", "--convert 1582-10-15",
            "1582-10-15  0990-09-17  Friday  15 October 1582 = 17 Ramadhan 990", 0);
        row("last day, five-digit year", "--convert 20874-05-30",
            "20874-05-30  20874-05-30  Wednesday  30 May 20874 = 30 Jumadil-Awwal 20874", 0);
        // 1 Muharram 1447 began on 26 June 2025 in Saudi Arabia (Umm al-Qura), a day before the
        // arithmetical calendar's (ICU agrees on both).
        row("Umm al-Qura", "--calendar umm-al-qura --convert 2025-06-26",
            "2025-06-26  1447-01-01  Thursday  26 June 2025 = 1 Muharram 1447", 0);
        row("arithmetical on the same day", "--convert 2025-06-26",
            "2025-06-26  1446-12-29  Thursday  26 June 2025 = 29 Dhul-Hijjah 1446", 0);
        row("Umm al-Qura outside its table says so",
            "--calendar umm-al-qura --to-gregorian 1700-01-01",
            "2270-12-15  1700-01-01  Thursday  15 December 2270 = 1 Muharram 1700  (arithmetical: "
            "outside the Umm al-Qura table, 1300 to 1600 AH)",
            0);
        row("today", "--today", "2024-03-14  1445-09-04  Thursday  14 March 2024 = 4 Ramadhan 1445",
            0);
    }

    void converts()
    {
        const auto [options, line, correction] =
            fetch<QString, QString, int>("options", "line", "correction");
        const Run result = run(options.split(u' '), correction);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out.section(u'\n', 0, 0), line);
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    }

    // --today at a clock time of Bhubaneswar, where Maghrib on 6 December 2026 is 17:06: from
    // Maghrib's own minute, when the day begins at sunset (told or stored), the next Hijri day,
    // the civil date kept. 16 June 2026 is the last day of 1447.
    void hijriDayFromSunset_data()
    {
        columns<QString, bool, QString>({"options", "stored", "line"});
        const QString civil =
            "2026-12-06  1448-06-25  Sunday  6 December 2026 = 25 Jumadis -Sani 1448";
        const QString eve = "2026-12-06  1448-06-26  Sunday  6 December 2026 = 26 Jumadis -Sani "
                            "1448 (from Maghrib)";
        row("17:05", "--at 2026-12-06T17:05 --day-starts sunset", false, civil);
        row("Maghrib's own minute", "--at 2026-12-06T17:06 --day-starts sunset", false, eve);
        row("midnight, the default", "--at 2026-12-06T23:59", false, civil);
        row("the stored choice", "--at 2026-12-06T17:07", true, eve);
        row("midnight over the stored choice", "--at 2026-12-06T17:07 --day-starts midnight", true,
            civil);
        row("end of a year", "--at 2026-06-16T20:00 --day-starts sunset", false,
            "2026-06-16  1448-01-01  Tuesday  16 June 2026 = 1 Muharram 1448 (from Maghrib)");
        row("JSON on an eve", "--json --at 2026-12-06T17:06 --day-starts sunset", false,
            "true 1448-06-26 2026-12-06");
        row("JSON before Maghrib", "--json --at 2026-12-06T17:05 --day-starts sunset", false,
            "false 1448-06-25 2026-12-06");
    }
    void hijriDayFromSunset()
    {
        const auto [options, stored, line] =
            fetch<QString, bool, QString>("options", "stored", "line");
        const Run result = run(("--today " + options).split(u' '), 0, QString(), stored);
        QCOMPARE(result.status, 0);
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
        const QString first = result.out.section(u'\n', 0, 0);
        if (!options.startsWith("--json")) {
            QCOMPARE(first, line);
            return;
        }
        const QJsonObject object = QJsonDocument::fromJson(first.toUtf8()).object();
        QCOMPARE(QStringList({object["eve"].toVariant().toString(), object["hijri"].toString(),
                              object["gregorian"].toString()})
                     .join(u' '),
                 line);
    }

    // The options, split at blanks, and a part of the message.
    void refuses_data()
    {
        columns<QString, QString>({"options", "message"});
        row("the lost days of 1582", "--convert 1582-10-10",
            "Invalid Date. Dates between 5th October 1582 & 14th October 1582\nare not valid");
        row("Hijri year 0", "--to-gregorian 0000-01-01",
            "The Year Value must be between 1 AH & 20874 AH");
        row("not a date", "--convert 11/03/2024", "is not a date");
        row("Hijri day 31", "--to-gregorian 1445-01-31", "is not a date");
        row("no date at all", "--convert", "Name at least one date");
        row("month out of the view", "--month 9666-05", "Date Range");
        row("a correction that is no number", "--today --correction x", "whole number of days");
        row("an unknown option", "--conver", "Unknown option: \"--conver\". See Qarnivo --help.");
        row("an unknown option after a command", "--month 1445-09 -x", "Unknown option: \"-x\"");
        row("a missing value", "--export-ics", "Missing value");
        row("--hijri-year without --export-ics", "--hijri-year 1447",
            "No command for --hijri-year");
        row("two commands", "--today --month", "--today and --month do not go together");
        row("a prayer option with a conversion", "--convert 2024-03-11 --date 2024-03-11",
            "--convert does not take --date.");
        row("a calendar option with the prayer times", "--prayer-times --hijri-year 1447",
            "--prayer-times does not take --hijri-year.");
        row("JSON with an export, nothing written", "--export-ics x.ics --hijri-year 1446 --json",
            "--export-ics does not take --json.");
        row("a second month", "--month 1445-09 1445-10", "--month does not take \"1445-10\"");
        row("control characters escaped", "--convert a\x1b[2J\u2028",
            "\"a\\x1b[2J\\u2028\" is not");
        row("an unknown option escaped", "--a\nb", "Unknown option: \"--a\\x0ab\"");
        row("40 characters shown whole", "--convert " + QString(40, u'y'),
            "\"" + QString(40, u'y') + "\" is");
        row("41 characters cut to 37", "--convert " + QString(41, u'y'),
            "\"" + QString(37, u'y') + "...\" is");
        row("an unknown calendar", "--calendar lunar --today", "tabular or umm-al-qura");
        row("an export without its year", "--export-ics x.ics", "--hijri-year");
        row("--at without a time", "--today --at 2026-12-06", "is not a clock time");
        row("--at past the day's end", "--today --at 2026-12-06T24:00", "is not a clock time");
        row("--at on 30 February", "--today --at 2026-02-30T12:00", "is not a clock time");
        row("an unknown day start", "--today --day-starts dawn", "sunset or midnight");
        row("an unknown language", "--today --lang fr", "The language is en, ar or ur.");
        row("the system is no --lang", "--today --lang system", "The language is en, ar or ur.");
        row("--lang alone", "--lang ar", "No command: give one of");
        row("--at with a conversion", "--convert 2024-03-11 --at 2024-03-11T12:00",
            "--convert does not take --at.");
    }

    void refuses()
    {
        const auto [options, message] = fetch<QString, QString>("options", "message");
        const Run result = run(options.split(u' '));
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.contains(message, Qt::CaseInsensitive), qPrintable(result.err));
        QVERIFY2(!result.err.contains(u'\r'), "line breaks are plain newlines");
        QVERIFY2(!result.err.contains(QChar(0x1b)), "control characters escaped");
        QVERIFY2(result.out.isEmpty(), qPrintable(result.out));
    }

    // Announced starts stored, from --month-start and from a file (FILE, BAD): what is printed
    // on each stream, and the refusals; a start set aside by the options is said, not refused.
    void monthStarts_data()
    {
        columns<QString, QString, int, QString, QString>(
            {"stored", "options", "status", "out", "err"});
        row("a stored start", "1447-09=2026-02-19", "--convert 2026-02-19 --json", 0,
            "\"hijri\":\"1447-09-01\",\"hijri_text\":\"1 Ramadhan 1447\",\"source\":\"announced\"",
            "");
        row("a given start", "", "--convert 2026-02-19 --month-start 1447-09=2026-02-19", 0,
            "2026-02-19  1447-09-01  Thursday  19 February 2026 = 1 Ramadhan 1447", "");
        row("a file over the stored", "1447-09=2026-02-18", "--month 1447-10 --month-starts FILE",
            0, "1 Shawwal = 19 March 2026; 30 Shawwal = 17 April 2026", "");
        row("the month's source", "1447-10=2026-03-19", "--month 1447-10 --json", 0,
            "\"source\":\"announced\"", "");
        row("set aside by --correction", "1447-10=2026-03-19",
            "--to-gregorian 1447-10-01 --correction 2", 0,
            "2026-03-22  1447-10-01  Sunday  22 March 2026 = 1 Shawwal 1447",
            "Set aside: 1 Shawwal 1447 = 19 March 2026 is 3 days before the calendar's 1st");
        row("an announced 30th of Safar", "1446-03=2024-09-06", "--to-gregorian 1446-02-30", 0,
            "2024-09-05  1446-02-30", "");
        row("the 30th of a 29-day month", "", "--to-gregorian 1446-02-30", 2, "",
            "Invalid date, Safar 1446 has 29 days");
        row("3 days off", "", "--today --month-start 1447-09=2026-02-21", 2, "",
            "1 Ramadhan 1447 = 21 February 2026 is 3 days after");
        row("a neighbour made 28 days", "1447-10=2026-03-19",
            "--today --month-start 1447-11=2026-04-16", 2, "", "Shawwal 1447 would have 28 days");
        row("an unreadable start", "", "--today --month-start 1447-09", 2, "",
            "\"1447-09\" is not a month start");
        row("a bad file line", "", "--month --month-starts BAD", 2, "", "Line 2 of the file");
        row("no file", "", "--month --month-starts NONE", 2, "", "could not be read");
        row("a refused start with the prayer times", "",
            "--prayer-times --month-start 1448-06=2026-11-16", 2, "", "1448");
    }
    void monthStarts()
    {
        const auto [stored, options, status, out, err] =
            fetch<QString, QString, int, QString, QString>("stored", "options", "status", "out",
                                                           "err");
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("file"), "# council\n1447-10 2026-03-19\n") &&
                writeBytes(dir.filePath("bad"), "1447-10 2026-03-19\n1447-11\n"));
        QStringList arguments = options.split(u' ');
        for (QString &argument : arguments) {
            if (argument == argument.toUpper() && argument.at(0).isLetter())
                argument = dir.filePath(argument.toLower());
        }
        const Run result = run(arguments, 0, stored);
        QCOMPARE(result.status, status);
        QVERIFY2(result.out.contains(out) && result.out.isEmpty() == (status != 0),
                 qPrintable(result.out));
        QVERIFY2(result.err.contains(err) && result.err.isEmpty() == err.isEmpty(),
                 qPrintable(result.err));
    }

    // iCalendar years have four digits: the events after 31 December 9999 are left out and
    // counted. A pipe or device named as the file is refused and left as it was.
    void exportsOccasions_data()
    {
        columns<QString, int, int, int, QString, QString>(
            {"target", "year", "correction", "status", "said", "lastEvent"});
        row("a year far from the limit", "file", 1446, 0, 0, "occasions of 1446 AH written to",
            "UID:1446-12-");
        row("9666 AH ends with 12 Rabi ul Awwal on 11 December 9999", "file", 9666, 0, 0,
            "32 occasions after 31 December 9999 left out", "9666-03-12|99991211");
        row("moved to 31 December 9999, the last day kept", "file", 9666, 20, 0,
            "32 occasions after 31 December 9999 left out", "9666-03-12|99991231");
        row("moved to 1 January 10000, the first day left out", "file", 9666, 21, 0,
            "33 occasions after 31 December 9999 left out", "9666-02-28|99991219");
        row("a pipe", "fifo", 1446, 0, 2, "it is not a regular file", "");
        row("a device node", "node", 1446, 0, 2, "it is not a regular file", "");
        row("a folder", "folder", 1446, 0, 2, "it is not a regular file", "");
    }
    void exportsOccasions()
    {
        const auto [target, year, correction, status, said, lastEvent] =
            fetch<QString, int, int, int, QString, QString>("target", "year", "correction",
                                                            "status", "said", "lastEvent");
        QTemporaryDir dir;
        const QString path = dir.filePath("out.ics");
        if (target != "file" && !MakeSpecialFile(path, target))
            QSKIP("this system does not let the test make that kind of file");
        const Run result =
            run({"--export-ics", path, "--hijri-year", QString::number(year)}, correction);
        QCOMPARE(result.status, status);
        QVERIFY2((result.out + result.err).contains(said), qPrintable(result.out + result.err));
        if (status != 0) {
            QVERIFY2(result.err.contains(path), qPrintable(result.err));
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
            return;
        }
        // The normal line is unchanged; only the limit adds a line, on standard error.
        QCOMPARE(result.out, QStringLiteral("%1 occasions of %2 AH written to %3\n")
                                 .arg(year == 9666 ? 12 - (correction > 20) : 44)
                                 .arg(year)
                                 .arg(path));
        const QString ics = QString::fromUtf8(readBytes(path));
        const QStringList starts = ics.split("\r\n").filter("DTSTART;VALUE=DATE:");
        for (const QString &start : starts)
            QCOMPARE(start.size(), int(strlen("DTSTART;VALUE=DATE:yyyymmdd")));
        const qsizetype lastUid = ics.lastIndexOf("UID:");
        const QString last = ics.mid(lastUid + 4, 10) + "|" + starts.last().right(8);
        QVERIFY2(last.startsWith(lastEvent.section(u'|', 0, 0).remove("UID:")) &&
                     last.endsWith(lastEvent.section(u'|', 1)),
                 qPrintable(last));
        QCOMPARE(result.err.isEmpty(), year != 9666);
    }

    // JSON is for programs: English names and ASCII digits in every language.
    void jsonWhateverTheLanguage_data()
    {
        columns<QString, QString>({"language", "options"});
        for (const char *language : {"ar", "ur"}) {
            for (const char *options :
                 {"--convert 2024-03-11", "--today", "--month 1445-09",
                  "--prayer-times --date 2026-12-06", "--crescent", "--crescent --date 2026-02-16",
                  "--qibla", "--qibla --latitude 21.4225 --longitude 39.8262"})
                QTest::addRow("%s %s", language, options) << QString(language) << QString(options);
        }
    }
    void jsonWhateverTheLanguage()
    {
        const auto [language, options] = fetch<QString, QString>("language", "options");
        const QStringList arguments = ("--json " + options).split(u' ');
        const Run english = run(arguments);
        const InLanguage in(language);
        QVERIFY(in.loaded());
        QVERIFY(!english.out.isEmpty());
        QCOMPARE(run(arguments + QStringList{"--lang", language}).out, english.out);
    }

    // The text forms and refusals a person reads, in the language and its digits.
    void textInLanguage_data()
    {
        columns<QString, QString, int, QString>({"language", "options", "line", "shown"});
        const QString makkah = " --latitude 21.42 --longitude 39.83 --utc-offset 3";
        row("Urdu sunrise", QString("ur"), "--prayer-times --date 2026-12-06" + makkah, 2,
            QString("طلوع آفتاب  ۰۶:۴۵"));
        row("Urdu Qibla", QString("ur"), QString("--qibla"), 0,
            QString("India - Bhubaneswar سے قبلہ: ۲۸۰٫۰°، مغرب (۴۷۶۷ کلومیٹر)"));
        row("Arabic verdict", QString("ar"),
            "--crescent --date 2025-03-30 --criterion yallop" + makkah, 7,
            QString("يالوب q ٠٫٩٧٤: مرئي بسهولة (الفئة A)"));
        row("Arabic refusal", QString("ar"), QString("--today --day-starts dawn"), 0,
            QString("يبدأ اليوم عند الغروب (sunset) أو منتصف الليل (midnight)."));
    }
    void textInLanguage()
    {
        const auto [language, options, line, shown] =
            fetch<QString, QString, int, QString>("language", "options", "line", "shown");
        const InLanguage in(language);
        QVERIFY(in.loaded());
        const Run result = run(options.split(u' '));
        QCOMPARE((result.status == 0 ? result.out : result.err).split(u'\n').value(line), shown);
    }

    // The grid a person reads: the month's name and the digits in the language.
    void monthGridInUrdu()
    {
        const InLanguage in(QStringLiteral("ur"));
        QVERIFY(in.loaded());
        const QStringList lines = run({"--month", "1445-09"}).out.split(u'\n');
        QCOMPARE(lines[0].trimmed(), "رمضان ۱۴۴۵");
        QCOMPARE(lines[2], "      ۱   ۲   ۳ [ ۴]  ۵   ۶");
    }

    void jsonLinesInTheOrderGiven()
    {
        const Run result = run({"--json", "--convert", "2024-03-11", "1582-10-10", "0622-07-16"});
        QCOMPARE(result.status, 2); // one date refused, the others printed
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        // The keys, once shipped, keep their names; no other key appears.
        QCOMPARE(QJsonDocument::fromJson(lines[0].toUtf8()).object(),
                 QJsonObject({{"calendar", "tabular"},
                              {"source", "tabular"},
                              {"gregorian", "2024-03-11"},
                              {"hijri", "1445-09-01"},
                              {"weekday", "Monday"},
                              {"hijri_text", "1 Ramadhan 1445"},
                              {"gregorian_text", "11 March 2024"}}));
        QCOMPARE(QJsonDocument::fromJson(lines[1].toUtf8()).object().value("hijri").toString(),
                 QStringLiteral("0001-01-01"));
    }

    // --lang with every command, over the stored Urdu.
    void language_data()
    {
        columns<QString, Language>({"options", "language"});
        row("stored", "--convert 2024-03-11", Language::Urdu);
        row("convert", "--convert 2024-03-11 --lang ar", Language::Arabic);
        row("to Gregorian", "--lang en --to-gregorian 1445-09-01", Language::English);
        row("today", "--today --lang ur", Language::Urdu);
        row("month", "--month 1445-09 --lang ar", Language::Arabic);
        row("prayer times", "--prayer-times --lang ar", Language::Arabic);
        row("crescent", "--crescent --date 2025-03-29 --lang en", Language::English);
        row("crescent map", "--crescent-map --date 2025-03-29 --output m.png --lang ar",
            Language::Arabic);
        row("help", "--help --lang ar", Language::Arabic);
    }
    void language()
    {
        const auto [options, language] = fetch<QString, Language>("options", "language");
        QList<Language> taken;
        const Run result = run(
            options.split(u' '), 0, {}, false, true, [](const CrescentMapRequest &) { return 0; },
            [&taken](Language chosen) { taken << chosen; });
        QVERIFY2(result.status == 0, qPrintable(result.err));
        QCOMPARE(taken, QList<Language>{language});
    }

    // Whatever the language, JSON stays as programs read it; the language's translations,
    // the program's and Qt's, are found inside the program.
    void jsonInEveryLanguage_data()
    {
        columns<QString>({"language"});
        row("Arabic", QString("ar"));
        row("Urdu", QString("ur"));
    }
    void jsonInEveryLanguage()
    {
        const auto [language] = fetch<QString>("language");
        const QStringList options{"--json", "--convert", "2024-03-11", "--lang"};
        const Run english = run(options + QStringList{"en"});
        const Run chosen = run(
            options + QStringList{language}, 0, {}, false, true,
            [](const CrescentMapRequest &) { return 0; }, InstallLanguage);
        const QString qtCancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        const QString shown = QLocale().toString(12);
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(NumberLocale(Language::English));
        QCOMPARE(chosen.out, english.out);
        QVERIFY2(qtCancel != "Cancel", "Qt's texts are translated");
        QCOMPARE(shown, NumberLocale(LanguageFromSetting(language)).toString(12));
    }

    void monthGrid()
    {
        const Run result = run({"--month", "1445-09"});
        QCOMPARE(result.status, 0);
        const QStringList lines = result.out.split(u'\n');
        QCOMPARE(lines[0].trimmed(), QStringLiteral("Ramadhan 1445"));
        QCOMPARE(lines[1], QStringLiteral(" Su  Mo  Tu  We  Th  Fr  Sa"));
        // The 1st on a Monday; today, 14 March 2024, is the 4th and marked.
        QCOMPARE(lines[2], QStringLiteral("      1   2   3 [ 4]  5   6"));
        QCOMPARE(lines[3], QStringLiteral("  7   8   9  10  11  12  13"));
        QCOMPARE(lines[6], QStringLiteral(" 28  29  30"));
        QCOMPARE(lines[7],
                 QStringLiteral("1 Ramadhan = 11 March 2024; 30 Ramadhan = 9 April 2024"));
        QCOMPARE(run({"--month"}).out, result.out); // today's month by default
        // Shawwal 1445 begins on a Wednesday and has no today in it.
        QCOMPARE(run({"--month", "1445-10"}).out.split(u'\n')[2],
                 QStringLiteral("              1   2   3   4"));
    }

    // One object for the month; its rows hold null where the grid is blank.
    void monthJson()
    {
        const Run result = run({"--month", "1445-09", "--json"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out.count(u'\n'), 1);
        const QJsonValue none;
        const QJsonArray weeks{
            QJsonArray{none, 1, 2, 3, 4, 5, 6}, QJsonArray{7, 8, 9, 10, 11, 12, 13},
            QJsonArray{14, 15, 16, 17, 18, 19, 20}, QJsonArray{21, 22, 23, 24, 25, 26, 27},
            QJsonArray{28, 29, 30, none, none, none, none}};
        QCOMPARE(QJsonDocument::fromJson(result.out.toUtf8()).object(),
                 QJsonObject({{"calendar", "tabular"},
                              {"source", "tabular"},
                              {"month", "1445-09"},
                              {"title", "Ramadhan 1445"},
                              {"days", 30},
                              {"first_gregorian", "2024-03-11"},
                              {"last_gregorian", "2024-04-09"},
                              {"weeks", weeks}}));
    }

    // Today's times for the default city (the page's example, agreeing with adhan), a polar
    // night with its missing times, and the arguments refused.
    void prayerTimes_data()
    {
        columns<QString, int, QString>({"options", "status", "out"});
        row("default city, JSON", "--json --date 2026-12-06", 0,
            "{\"date\": \"2026-12-06\", \"hijri\": \"1448-06-25\", \"source\": \"tabular\", "
            "\"fajr\": \"04:50\", \"sunrise\": \"06:09\", \"dhuhr\": "
            "\"11:39\", \"asr\": \"15:31\", \"maghrib\": \"17:06\", \"isha\": \"18:25\"}");
        row("an announced month start moves the Hijri date",
            "--json --date 2026-12-06 --month-start 1448-06=2026-11-11", 0,
            "\"hijri\": \"1448-06-26\", \"source\": \"announced\"");
        row("the Asr rule named", "--asr standard --date 2026-12-06", 0,
            "India - Bhubaneswar, 6 December 2026 (Karachi, standard Asr)");
        row("polar night: no sunrise, no Maghrib",
            "--json --latitude 69.65 --longitude 18.96 --utc-offset 1 --date 2026-12-21 --method "
            "mwl",
            0,
            "{\"date\": \"2026-12-21\", \"hijri\": \"1448-07-11\", \"source\": \"tabular\", "
            "\"fajr\": \"06:28\", \"sunrise\": null, \"dhuhr\": "
            "\"11:43\", \"asr\": null, \"maghrib\": null, \"isha\": \"16:44\"}");
        row("daylight saving adds an hour",
            "--json --latitude 0 --longitude 0 --utc-offset 0 --dst --date 2024-03-20", 0,
            "\"dhuhr\": \"13:");
        row("place half given", "--latitude 10", 2, "");
        row("latitude out of range", "--latitude 91 --longitude 0 --utc-offset 0", 2, "");
        row("unknown method", "--method x", 2, "");
        row("date before 1583", "--date 1582-12-31", 2, "");
        row("not a date", "--date 2024-02-30", 2, "");
    }
    void prayerTimes()
    {
        const auto [options, status, out] =
            fetch<QString, int, QString>("options", "status", "out");
        const Run result = run(("--prayer-times " + options).split(u' '));
        QCOMPARE(result.status, status);
        QVERIFY2(result.out.section(u'\n', 0, 0).contains(out), qPrintable(result.out));
        QCOMPARE(result.err.isEmpty(), status == 0);
        QCOMPARE(result.out.isEmpty(), status != 0);
    }

    // The evening's JSON: its keys in order, each value in its form or null; where the Sun does
    // not set or the crescent cannot be there, the verdict and the reason.
    void crescentJson_data()
    {
        columns<QString, QString, QString>({"options", "keys", "part"});
        const QString keys = "date latitude longitude conjunction sunset moonset lag_minutes "
                             "best_time moon_age_hours arcl arcv daz width odeh_v odeh_zone "
                             "yallop_q yallop_class criterion visible";
        const QString makkah = "--latitude 21.4225 --longitude 39.8262 --utc-offset 3";
        // The new moon of 17 February 2026 at 12:01-12:02 UTC, sunset at 18:19 and moonset at
        // 19:18 in Makkah (pieces split at '|').
        row("Makkah, a day after the new moon", "--date 2026-02-18 " + makkah, keys,
            "{\"date\":\"2026-02-18\",\"latitude\":21.4225,\"longitude\":39.8262,"
            "\"conjunction\":\"2026-02-17T12:0|\"sunset\":\"18:|\"moonset\":\"19:");
        row("Yallop's criterion named", "--date 2026-02-18 --criterion yallop " + makkah, keys,
            "\"criterion\":\"yallop\",\"visible\":\"");
        row("the eve of the new moon: not visible, and why", "--date 2026-02-16 " + makkah,
            keys + " reason", "\"visible\":\"not visible\",\"reason\":\"");
        row("Yallop's words for it", "--date 2026-02-16 --criterion yallop " + makkah,
            keys + " reason",
            "\"visible\":\"" + crescent::YallopWords(crescent::YallopClass::F) + "\",\"reason\"");
        row("no sunset in a polar summer",
            "--date 2026-06-21 --latitude 78.22 --longitude 15.65 --utc-offset 2", keys + " reason",
            "\"sunset\":null,|\"lag_minutes\":null,\"best_time\":null,"
            "\"moon_age_hours\":null,\"arcl\":null,\"arcv\":null,\"daz\":null,\"width\":null,"
            "\"odeh_v\":null,\"odeh_zone\":null,\"yallop_q\":null,\"yallop_class\":null,"
            "\"criterion\":\"odeh\",\"visible\":\"not visible\",\"reason\":\"" +
                crescent::ObstacleWords(crescent::Obstacle::SunDoesNotSet) + "\"}");
        // The city file's longitude is west positive and its offset is GMT minus local time;
        // sunset in Bhubaneswar is near 12:15 UTC, a day after the new moon.
        row("the default city east positive", "--date 2026-02-18", keys,
            "\"latitude\":20.267,\"longitude\":85.85,|\"moon_age_hours\":24.");
    }
    void crescentJson()
    {
        const auto [options, keys, part] =
            fetch<QString, QString, QString>("options", "keys", "part");
        const Run result = run(("--crescent --json " + options).split(u' '));
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out.count(u'\n'), 1);
        for (const QString &piece : part.split(u'|'))
            QVERIFY2(result.out.contains(piece), qPrintable(result.out));
        static const QRegularExpression member("\"(\\w+)\":(null|\"[^\"]*\"|[-0-9.]+)");
        static const QMap<QString, QString> forms{
            {"date", "\"\\d{4}-\\d\\d-\\d\\d\""},
            {"conjunction", "\"\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\dZ\""},
            {"sunset", "\"\\d\\d:\\d\\d\""},
            {"moonset", "\"\\d\\d:\\d\\d\""},
            {"best_time", "\"\\d\\d:\\d\\d\""},
            {"lag_minutes", "-?\\d+"},
            {"moon_age_hours", "-?\\d+\\.\\d"},
            {"arcl", "-?\\d+\\.\\d\\d"},
            {"arcv", "-?\\d+\\.\\d\\d"},
            {"daz", "-?\\d+\\.\\d\\d"},
            {"width", "\\d+\\.\\d{3}"},
            {"odeh_v", "-?\\d+\\.\\d\\d"},
            {"odeh_zone", "\"[A-D]\""},
            {"yallop_q", "-?\\d+\\.\\d{3}"},
            {"yallop_class", "\"[A-F]\""}};
        QStringList found;
        for (const QRegularExpressionMatch &match : member.globalMatch(result.out)) {
            found << match.captured(1);
            const QString value = match.captured(2);
            const QString form = forms.value(match.captured(1));
            QVERIFY2(value == "null" || form.isEmpty() ||
                         QRegularExpression("^" + form + "$").match(value).hasMatch(),
                     qPrintable(match.captured(0)));
        }
        QCOMPARE(found.join(u' '), keys);
        QVERIFY(QJsonDocument::fromJson(result.out.toUtf8()).isObject());
    }

    // The Qibla from the default city (its longitude read west positive) or the place given,
    // east positive; no bearing at the Kaaba and its antipode; every refusal status 2.
    void qibla_data()
    {
        columns<QString, bool, int, QString>({"options", "city", "status", "out"});
        row("default city, JSON", "--json", true, 0,
            "{\"latitude\":20.267,\"longitude\":85.85,\"bearing\":280.0,\"distance_km\":4767,"
            "\"compass\":\"west\"}");
        row("default city, words", "", true, 0,
            "Qibla from India - Bhubaneswar: 280.0°, west (4767 km)");
        row("a place west of Makkah", "--json --latitude 51.5074 --longitude -0.1278", false, 0,
            "{\"latitude\":51.5074,\"longitude\":-0.1278,\"bearing\":119.0,\"distance_km\":4794,"
            "\"compass\":\"east-southeast\"}");
        row("at the Kaaba", "--json --latitude 21.4225 --longitude 39.8262", true, 0,
            "{\"latitude\":21.4225,\"longitude\":39.8262,\"bearing\":null,\"distance_km\":0,"
            "\"compass\":null,\"note\":\"at the Kaaba\"}");
        row("at the antipode", "--json --latitude -21.4225 --longitude -140.1738", true, 0,
            "{\"latitude\":-21.4225,\"longitude\":-140.1738,\"bearing\":null,"
            "\"distance_km\":20015,\"compass\":null,\"note\":\"at the antipode: every "
            "direction\"}");
        row("the Kaaba in words", "--latitude 21.4225 --longitude 39.8262", true, 0,
            "Qibla from 21.4225, 39.8262: at the Kaaba");
        row("no number", "--latitude north --longitude 0", true, 2, "");
        row("latitude beyond 90", "--latitude 90.5 --longitude 0", true, 2, "");
        row("longitude beyond 180", "--latitude 0 --longitude -181", true, 2, "");
        row("a latitude alone", "--latitude 10", true, 2, "");
        row("a longitude alone", "--longitude 10", true, 2, "");
        row("no default city and no place", "", false, 2, "");
        row("a time zone it does not take", "--utc-offset 3", true, 2, "");
    }
    void qibla()
    {
        const auto [options, city, status, out] =
            fetch<QString, bool, int, QString>("options", "city", "status", "out");
        const Run result =
            run(("--qibla " + options).trimmed().split(u' '), 0, QString(), false, city);
        QCOMPARE(result.status, status);
        QCOMPARE(result.out, out.isEmpty() ? out : out + u'\n');
        QCOMPARE(result.err.isEmpty(), status == 0);
    }

    // Every refusal is status 2 with a message and nothing printed.
    void crescentRefuses_data()
    {
        columns<QString, bool>({"options", "city"});
        row("not a date", "--crescent --date 2026-02-30", true);
        row("before 1583", "--crescent --date 1582-12-31", true);
        row("after 2500", "--crescent --date 2501-01-01", true);
        row("a latitude alone", "--crescent --latitude 21.4", true);
        row("a bad longitude", "--crescent --latitude 21 --longitude east --utc-offset 3", true);
        row("an elevation that is no number", "--crescent --elevation high", true);
        row("too high", "--crescent --elevation 9001", true);
        row("too low", "--crescent --elevation -501", true);
        row("an unknown criterion", "--crescent --criterion hilal", true);
        row("no default city and no place", "--crescent", false);
        row("a map without its date", "--crescent-map --output x.png", true);
        row("a map without its file", "--crescent-map --date 2026-02-18", true);
        row("a map of an unsupported date", "--crescent-map --date 2501-01-01 --output x.png",
            true);
        row("a map with a longitude alone",
            "--crescent-map --date 2026-02-18 --output x.png --longitude 40", true);
        row("a map with an unknown criterion",
            "--crescent-map --date 2026-02-18 --output x.png --criterion hilal", true);
    }
    void crescentRefuses()
    {
        const auto [options, city] = fetch<QString, bool>("options", "city");
        bool drawn = false;
        const Run result = run(options.split(u' '), 0, QString(), false, city,
                               [&drawn](const CrescentMapRequest &) {
                                   drawn = true;
                                   return 0;
                               });
        QCOMPARE(result.status, 2);
        QVERIFY(!result.err.isEmpty() && result.out.isEmpty() && !drawn);
    }

    // The map's options reach the writer checked; a target that is no regular file is refused
    // before anything is drawn.
    void crescentMap_data()
    {
        columns<QString, QString, int, QString>({"target", "options", "status", "request"});
        row("the default city marked", "file", "", 0,
            "2026-02-18 odeh India - Bhubaneswar 20.267 85.85");
        row("a place given, Yallop", "file", "--criterion yallop --latitude -33.9 --longitude 18.4",
            0, "2026-02-18 yallop -33.9, 18.4 -33.9 18.4");
        row("a pipe", "fifo", "", 2, "");
        row("a folder", "folder", "", 2, "");
    }
    void crescentMap()
    {
        const auto [target, options, status, request] =
            fetch<QString, QString, int, QString>("target", "options", "status", "request");
        QTemporaryDir dir;
        const QString path = dir.filePath("map.png");
        if (target != "file" && !MakeSpecialFile(path, target))
            QSKIP("this system does not let the test make that kind of file");
        QString drawn;
        const QStringList arguments =
            QStringList{"--crescent-map", "--date", "2026-02-18", "--output", path} +
            options.split(u' ', Qt::SkipEmptyParts);
        const Run result =
            run(arguments, 0, QString(), false, true,
                [&drawn, &path](const CrescentMapRequest &wanted) {
                    drawn = QStringList{wanted.date.toString(Qt::ISODate),
                                        CriterionKey(wanted.criterion), wanted.mark->name,
                                        QString::number(wanted.mark->latitude),
                                        QString::number(wanted.mark->longitude)}
                                .join(u' ');
                    return wanted.output == path ? 0 : 1;
                });
        QCOMPARE(result.status, status);
        QCOMPARE(drawn, request);
        QCOMPARE(result.err.isEmpty(), status == 0);
    }

    void icsLines_data()
    {
        columns<QString, QByteArray>({"line", "written"});
        row("short line", QString("VERSION:2.0"), QByteArray("VERSION:2.0\r\n"));
        row("75 octets stay on one line", QString(75, u'a'), QByteArray(75, 'a') + "\r\n");
        row("76 octets fold", QString(76, u'a'), QByteArray(75, 'a') + "\r\n a\r\n");
        // "â" is two octets: 74 + 2 would be 76, so it moves whole to the next line.
        row("no cut inside a character", QString(74, u'a') + QStringLiteral("\u00e2b"),
            QByteArray(74, 'a') + "\r\n \xc3\xa2" + "b\r\n");
        row("continuation lines hold 74 octets after their space", QString(150, u'b'),
            QByteArray(75, 'b') + "\r\n " + QByteArray(74, 'b') + "\r\n b\r\n");
    }

    void icsLines()
    {
        const auto [line, written] = fetch<QString, QByteArray>("line", "written");
        QCOMPARE(IcsLine(line), written);
        QCOMPARE(IcsText(QStringLiteral("a\\b;c,d\r\ne")), QStringLiteral("a\\\\b\\;c\\,d\\ne"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
