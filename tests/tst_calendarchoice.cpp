// The Umm al-Qura calendar in the window: the stored choice at startup, a
// change in the Options window, and the mark on a year outside its table.
// The conversions themselves are checked against ICU in tst_ummalqura.

#include "mainwindowfixture.h"

#include <QComboBox>

using namespace qarnivo;
using namespace qarnivo::testing;

class TestCalendarChoice : public QObject {
    Q_OBJECT
private slots:
    void storedChoice_data();
    void storedChoice();
    void choosingInOptions();
    void yearOutsideTheTable();
    void exportOccasions_data();
    void exportOccasions();
};

void TestCalendarChoice::storedChoice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("hijriLine");
    // 26 June 2025: 1 Muharram 1447 in Saudi Arabia, 29 Dhul-Hijjah 1446 in
    // the arithmetical calendar.
    QTest::newRow("Umm al-Qura") << "UmmAlQura"
                                 << "1, Muharram-ul-Haraam - 1447 Hijri";
    QTest::newRow("arithmetical") << "Tabular"
                                  << "29, Dhul-Hijjah - 1446 Hijri";
    QTest::newRow("unreadable: arithmetical") << "ummalqura"
                                              << "29, Dhul-Hijjah - 1446 Hijri";
}

void TestCalendarChoice::storedChoice()
{
    QFETCH(QString, stored);
    QFETCH(QString, hijriLine);
    Window w(QDate(2025, 6, 26));
    w.platform.settings.insert(QStringLiteral("ViewWindow/Calendar"), stored);
    w.load();
    QCOMPARE(w.text(QStringLiteral("Text1")), hijriLine);
    QCOMPARE(w.text(QStringLiteral("Text2")), QStringLiteral("26, June - 2025 AD"));
}

void TestCalendarChoice::choosingInOptions()
{
    Window w(QDate(2025, 6, 26));
    w.load();
    w.window->Option1_Click();
    auto *list = w.window->findChild<QComboBox *>(QStringLiteral("CalendarList"));
    QVERIFY(list);
    list->setCurrentIndex(1);
    QMetaObject::invokeMethod(list->parent(), "CalendarList_Click");
    QCOMPARE(w.platform.settings.value(QStringLiteral("ViewWindow/Calendar")),
             QStringLiteral("UmmAlQura"));
    QCOMPARE(w.shownMonth(), QStringLiteral("Muharram 1447"));
    QCOMPARE(w.text(QStringLiteral("Text1")), QStringLiteral("1, Muharram-ul-Haraam - 1447 Hijri"));
    QCOMPARE(w.cell(0, 4), QStringLiteral("1")); // Thursday
}

void TestCalendarChoice::yearOutsideTheTable()
{
    Window w(QDate(2025, 6, 26));
    w.platform.settings.insert(QStringLiteral("ViewWindow/Calendar"), QStringLiteral("UmmAlQura"));
    w.load();
    QVERIFY(!w.text(QStringLiteral("Text1")).endsWith(u'*'));
    w.goToYear(QStringLiteral("1700"));
    QVERIFY(w.text(QStringLiteral("Text1")).endsWith(QLatin1String(" *")));
    QVERIFY(w.control<QLineEdit>(QStringLiteral("Text1"))->toolTip().contains("arithmetical"));
}

void TestCalendarChoice::exportOccasions_data()
{
    QTest::addColumn<QString>("answer"); // what the save dialog returns
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("message");
    QTest::newRow("saved") << "occasions.ics" << true << "DONE! 44 occasions of 1446 AH written to";
    QTest::newRow("cancelled") << "" << false << "";
    QTest::newRow("folder missing") << "missing/occasions.ics" << false << "could not be written";
}

void TestCalendarChoice::exportOccasions()
{
    QFETCH(QString, answer);
    QFETCH(bool, written);
    QFETCH(QString, message);
    Window w(QDate(2025, 3, 1)); // 1 Ramadhan 1446
    w.load();
    const QString path = answer.isEmpty() ? QString() : w.folder.filePath(answer);
    w.platform.saveAnswer = path;
    w.platform.messages.clear();
    w.window->ExportOccasions_Click();
    QCOMPARE(w.platform.saveSuggestions,
             QStringList{w.folder.filePath(QStringLiteral("Qarnivo Occasions 1446 AH.ics"))});
    QCOMPARE(QFile::exists(path), written);
    QCOMPARE(w.platform.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(w.platform.lastMessage().contains(message), qPrintable(w.platform.lastMessage()));
    if (written) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(content.startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(content.count("BEGIN:VEVENT"), 44);
        QVERIFY(content.contains("DTSTART;VALUE=DATE:20250301\r\nDTEND;VALUE=DATE:20250302"));
    }
}

QTEST_MAIN(TestCalendarChoice)
#include "tst_calendarchoice.moc"
