// The stored choices as the command line and the windows read them, from a damaged store too;
// and today's date, which tells its followers of each new day.

#include "core/calendar/today.h"
#include "core/crescent/crescentline.h"
#include "core/settings/settingscatalogue.h"
#include "core/settings/settingsfault.h"
#include "core/settings/storedchoices.h"
#include "testsupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// Every field, in the order of the struct, as one line to compare.
QString summary(const StoredChoices &c)
{
    QStringList adjustments;
    for (const int minutes : c.prayer.adjustments)
        adjustments << QString::number(minutes);
    return QStringList{QString::number(c.correction),
                       c.calendar == CalendarKind::UmmAlQura ? "UmmAlQura" : "Tabular",
                       MonthStartsSettingText(c.monthStarts),
                       PrayerMethodKey(c.prayer.method),
                       AsrRuleSetting(c.prayer.asr),
                       HighLatitudeRuleSetting(c.prayer.highLatitude),
                       adjustments.join(u','),
                       c.prayer.clock24 ? "24h" : "12h",
                       c.windowFull ? "full" : "short",
                       c.windowMax ? "max" : "normal",
                       QString::number(c.dovrellBG),
                       QString::number(c.colorIndex),
                       c.dayView,
                       c.showFirst ? "first" : "later",
                       c.systemTray ? "tray" : "no tray",
                       c.reminders ? "reminders" : "quiet",
                       c.dayStartsAtSunset ? "sunset" : "midnight",
                       crescent::CriterionName(c.crescentCriterion),
                       LanguageSettingText(c.language)}
        .join(u'|');
}

const QString kDefaults = "0|Tabular||karachi|Hanafi|MiddleOfTheNight|0,0,0,0,0,0|24h|short|normal|"
                          "0|0|Urdu|first|no tray|quiet|midnight|Odeh|system";

} // namespace

class TestStoredChoices : public QObject {
    Q_OBJECT
private slots:
    // Stored texts ("Key=value") and what is read; whatever cannot be read keeps its default.
    void read_data()
    {
        columns<QStringList, QString>({"stored", "read"});
        row("nothing stored", QStringList{}, kDefaults);
        row("every choice readable",
            QStringList{"Correction=-2", "Calendar=UmmAlQura",
                        // Sorted on reading; an unreadable entry is left out, the others kept.
                        "MonthStarts=1447-10=2026-03-20 1447-9=2026-2-30 1447-09=2026-02-18",
                        "PrayerMethod=egypt", "AsrRule=Standard", "HighLatitudeRule=TwilightAngle",
                        "PrayerAdjustments=5,0,-3,0,0,60", "Clock24=False", "WindowFull=True",
                        "WindowMax=1", "DovrellBG=3", "ColorIndex=4", "DayView=English",
                        "Show First=false", "SystemTray=TRUE", "PrayerReminders=-1",
                        "DayStartsAtSunset=True", "CrescentCriterion=Yallop", "Language=ur"},
            QString(
                "-2|UmmAlQura|1447-09=2026-02-18 "
                "1447-10=2026-03-20|egypt|Standard|TwilightAngle|5,0,-3,0,0,60|12h|full|max|3|4|"
                "English|later|tray|reminders|sunset|Yallop|ur"));
        row("garbage keeps every default",
            QStringList{"Correction=abc", "Calendar=ummalqura", "MonthStarts=1447-09",
                        "PrayerMethod=Karachi", "AsrRule=hanafi", "HighLatitudeRule=x",
                        "PrayerAdjustments=1,2", "Clock24=no", "WindowFull=maybe", "WindowMax=yes",
                        "DovrellBG=3x", "ColorIndex=five", "Show First=Y", "SystemTray=on",
                        "PrayerReminders=?", "DayStartsAtSunset=dusk", "CrescentCriterion=yallop",
                        "Language=Urdu"},
            kDefaults);
        row("blanks keep every default",
            QStringList{"Correction=", "Calendar=", "PrayerMethod=", "AsrRule=",
                        "PrayerAdjustments=", "Clock24=", "WindowFull=", "DovrellBG=",
                        "ColorIndex=", "DayView=", "Show First=", "SystemTray="},
            kDefaults);
        row("blanks around numbers, a half rounded to even",
            QStringList{"Correction= 2.5 ", "ColorIndex= 5", "WindowFull= 1 "},
            QString("2|Tabular||karachi|Hanafi|MiddleOfTheNight|0,0,0,0,0,0|24h|full|normal|0|5|"
                    "Urdu|first|no tray|quiet|midnight|Odeh|system"));
        row("beyond 16 bits and beyond an hour",
            QStringList{"Correction=32768", "DovrellBG=-32769", "ColorIndex=1e400",
                        "PrayerAdjustments=61,0,0,0,0,0"},
            kDefaults);
        row("16-bit limits are kept", QStringList{"Correction=-32768", "DovrellBG=32767"},
            QString("-32768|Tabular||karachi|Hanafi|MiddleOfTheNight|0,0,0,0,0,0|24h|short|"
                    "normal|32767|0|Urdu|first|no tray|quiet|midnight|Odeh|system"));
        // The window, not the store, brings a scheme out of range back to the first.
        row("a scheme out of range is read as stored", QStringList{"ColorIndex=9"},
            QString("0|Tabular||karachi|Hanafi|MiddleOfTheNight|0,0,0,0,0,0|24h|short|normal|0|9|"
                    "Urdu|first|no tray|quiet|midnight|Odeh|system"));
    }
    void read()
    {
        const auto [stored, read] = fetch<QStringList, QString>("stored", "read");
        QMap<QString, QString> store;
        for (const QString &entry : stored)
            store.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        QStringList asked;
        const StoredChoices choices = ReadStoredChoices([&](const QString &key) {
            asked << key;
            return store.value(key);
        });
        QCOMPARE(summary(choices), read);
        // Each key is asked for once.
        QCOMPARE(asked.size(), QSet<QString>(asked.begin(), asked.end()).size());
        const HijriCalendar calendar = choices.hijriCalendar();
        QCOMPARE(calendar.correction(), int(choices.correction));
        QCOMPARE(calendar.kind(), choices.calendar);
        QVERIFY(calendar.announced() == choices.monthStarts);
    }

    // A file written by hand: an unquoted list of minutes reads as the same text as a quoted
    // one, and the prayer settings take it.
    void handWrittenIniFile_data()
    {
        columns<QByteArray, QString>({"line", "adjustments"});
        row("unquoted, as a user types it", QByteArray("PrayerAdjustments=0,30,0,0,0,0"),
            QString("0,30,0,0,0,0"));
        row("quoted, as the program writes it", QByteArray("PrayerAdjustments=\"0,0,5,0,0,-5\""),
            QString("0,0,5,0,0,-5"));
        row("blanks after the commas", QByteArray("PrayerAdjustments=1, 2, 3, 4, 5, 6"),
            QString("1,2,3,4,5,6"));
        row("too few minutes keep the default", QByteArray("PrayerAdjustments=0,30"),
            QString("0,0,0,0,0,0"));
    }
    void handWrittenIniFile()
    {
        const auto [line, adjustments] = fetch<QByteArray, QString>("line", "adjustments");
        QTemporaryDir folder;
        const QString path = folder.filePath("Qarnivo.ini");
        QVERIFY(writeBytes(path, "[ViewWindow]\r\nClock24=false\r\n" + line + "\r\n"));
        const QSettings store(path, QSettings::IniFormat);
        const StoredChoices choices = ReadStoredChoices([&store](const QString &key) {
            return SettingText(store.value(kSettingsSection + u'/' + key));
        });
        QCOMPARE(AdjustmentsSetting(choices.prayer.adjustments), adjustments);
        QCOMPARE(choices.prayer.clock24, false);
    }

    // A fault names the file and says the changes are lost; a sound file says nothing.
    void settingsFaultText_data()
    {
        columns<QSettings::Status, bool>({"status", "told"});
        row("no fault", QSettings::NoError, false);
        row("cannot be opened", QSettings::AccessError, true);
        row("cannot be parsed", QSettings::FormatError, true);
    }
    void settingsFaultText()
    {
        const auto [status, told] = fetch<QSettings::Status, bool>("status", "told");
        const QString text = SettingsFaultText("/home/u/.config/Qarnivo/Qarnivo.ini", status);
        QCOMPARE(text.contains("/home/u/.config/Qarnivo/Qarnivo.ini"), told);
        QCOMPARE(text.contains("will not be kept"), told);
    }

    // The clock's times in order and the dates told: a new date once, at its first second.
    void todayTellsEachNewDay_data()
    {
        const QDate day(2025, 3, 1);
        columns<QList<QDateTime>, QStringList, QDate>({"times", "told", "date"});
        row("the first time tells its date", QList<QDateTime>{QDateTime(day, QTime(9, 30))},
            QStringList{"2025-03-01"}, day);
        row("seconds of one day tell nothing more",
            QList<QDateTime>{QDateTime(day, QTime(0, 0)), QDateTime(day, QTime(12, 0)),
                             QDateTime(day, QTime(23, 59, 59))},
            QStringList{"2025-03-01"}, day);
        row("midnight tells the next day once",
            QList<QDateTime>{QDateTime(day, QTime(23, 59, 59)),
                             QDateTime(day.addDays(1), QTime(0, 0)),
                             QDateTime(day.addDays(1), QTime(0, 0, 1))},
            QStringList{"2025-03-01", "2025-03-02"}, day.addDays(1));
        row("a clock set back tells the earlier day",
            QList<QDateTime>{QDateTime(day, QTime(8, 0)), QDateTime(day.addDays(-1), QTime(8, 0))},
            QStringList{"2025-03-01", "2025-02-28"}, day.addDays(-1));
        row("an invalid time changes nothing",
            QList<QDateTime>{QDateTime(day, QTime(8, 0)), QDateTime()}, QStringList{"2025-03-01"},
            day);
        row("nothing read yet", QList<QDateTime>{QDateTime()}, QStringList{}, QDate());
    }
    void todayTellsEachNewDay()
    {
        const auto [times, told, date] =
            fetch<QList<QDateTime>, QStringList, QDate>("times", "told", "date");
        Today today;
        QSignalSpy spy(&today, &Today::dayChanged);
        for (const QDateTime &time : times)
            today.setNow(time);
        QStringList dates;
        for (const QList<QVariant> &signal : spy)
            dates << signal.at(0).toDate().toString(Qt::ISODate);
        QCOMPARE(dates, told);
        QCOMPARE(today.date(), date);
    }
};

QTEST_APPLESS_MAIN(TestStoredChoices)
#include "tst_storedchoices.moc"
