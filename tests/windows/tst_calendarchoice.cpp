// The Umm al-Qura calendar in the window: the stored choice at startup, a
// change in the Options window, and the mark on a year outside its table.
// The conversions themselves are checked against ICU in tst_ummalqura.

#include "windowsupport.h"

#include <QComboBox>

using namespace qarnivo;
using namespace qarnivo::testing;

class TestCalendarChoice : public QObject {
    Q_OBJECT
private slots:
    // 26 June 2025: 1 Muharram 1447 in Saudi Arabia, 29 Dhul-Hijjah 1446 in the arithmetical
    // calendar. An unreadable choice is the arithmetical one.
    void storedChoice_data()
    {
        columns<QString, QString>({"stored", "hijriLine"});
        row("Umm al-Qura", QString("UmmAlQura"), QString("1, Muharram-ul-Haraam - 1447 Hijri"));
        row("arithmetical", QString("Tabular"), QString("29, Dhul-Hijjah - 1446 Hijri"));
        row("unreadable", QString("ummalqura"), QString("29, Dhul-Hijjah - 1446 Hijri"));
    }
    void storedChoice()
    {
        const auto [stored, hijriLine] = fetch<QString, QString>("stored", "hijriLine");
        Window w(QDate(2025, 6, 26));
        w.setSetting(SettingKey::Calendar, stored);
        w.load();
        QCOMPARE(w.text(mainnames::HijriDateLine), hijriLine);
        QCOMPARE(w.text(mainnames::GregorianDateLine), "26, June - 2025 AD");
    }

    // A choice in the Options window is stored and redraws the month; a year outside the
    // table is marked as arithmetical.
    void choosingInOptions()
    {
        Window w(QDate(2025, 6, 26));
        w.load();
        w.main->Option1_Click();
        auto *list = w.get<QComboBox>(optionsnames::CalendarList);
        list->setCurrentIndex(1);
        QMetaObject::invokeMethod(list->window(), "CalendarList_Click");
        QCOMPARE(w.setting(SettingKey::Calendar), "UmmAlQura");
        QCOMPARE(w.shownMonth(), "Muharram 1447");
        QCOMPARE(w.text(mainnames::HijriDateLine), "1, Muharram-ul-Haraam - 1447 Hijri");
        QCOMPARE(w.cell(0, 4), "1"); // Thursday
        QVERIFY(!w.text(mainnames::HijriDateLine).endsWith(u'*'));
        w.goToYear("1700");
        QVERIFY(w.text(mainnames::HijriDateLine).endsWith(" *"));
        QVERIFY(w.get(mainnames::HijriDateLine)->toolTip().contains("arithmetical"));
    }

    // The save dialog's answer: a file, a cancel, or a folder that does not exist.
    void exportOccasions_data()
    {
        columns<QString, bool, QString>({"answer", "written", "message"});
        row("saved", QString("occasions.ics"), true,
            QString("DONE! 44 occasions of 1446 AH written to"));
        row("cancelled", QString(), false, QString());
        row("folder missing", QString("missing/occasions.ics"), false,
            QString("could not be written"));
    }
    void exportOccasions()
    {
        const auto [answer, written, message] =
            fetch<QString, bool, QString>("answer", "written", "message");
        Window w(QDate(2025, 3, 1)); // 1 Ramadhan 1446
        w.load();
        const QString path = answer.isEmpty() ? QString() : w.path(answer);
        w.platform.saveAnswer = path;
        w.platform.messages.clear();
        w.main->ExportOccasions_Click();
        QCOMPARE(w.platform.saveSuggestions, QStringList{w.path("Qarnivo Occasions 1446 AH.ics")});
        QCOMPARE(QFile::exists(path), written);
        QCOMPARE(w.platform.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(w.platform.lastMessage().contains(message),
                     qPrintable(w.platform.lastMessage()));
        const QByteArray content = readBytes(path);
        QCOMPARE(content.count("BEGIN:VEVENT"), written ? 44 : 0);
        if (written)
            QVERIFY(content.startsWith("BEGIN:VCALENDAR\r\n") &&
                    content.contains("DTSTART;VALUE=DATE:20250301\r\nDTEND;VALUE=DATE:20250302"));
    }
};

QTEST_MAIN(TestCalendarChoice)
#include "tst_calendarchoice.moc"
