// The main window's readings: today's Thought of the Day and occasion, the
// occasion of a selected day, the export of all readings, the scripture
// panel and the help commands.

#include "mainwindowfixture.h"

#include <QTextEdit>

using qarnivo::testing::Window;
using namespace qarnivo;

namespace {

QTextEdit *textBox(const Window &w, const char *name)
{
    return w.control<QTextEdit>(QLatin1String(name));
}

bool isDarkRed(QTextEdit *box)
{
    return box->styleSheet().contains(QStringLiteral("rgb(192, 0, 0)"));
}

void trigger(const Window &w, const char *action)
{
    w.control<QAction>(QLatin1String(action))->trigger();
}

} // namespace

class TestMainWindowReadings : public QObject {
    Q_OBJECT
private slots:
    void todaysReadingAndOccasion_data();
    void todaysReadingAndOccasion();
    void selectedDayShowsItsOccasion();
    void exportAsksFirst_data();
    void exportAsksFirst();
    void scripturePanel();
    void helpCommands();
    void manualIsOfferedOnlyWhenPresent();
};

void TestMainWindowReadings::todaysReadingAndOccasion_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("occasion");
    QTest::addColumn<QString>("readingEnd");
    QTest::newRow("1 Muharram 1447: the greeting and Al-Alaq")
        << QDate(2025, 6, 27)
        << "Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar year 1447."
        << " ...QURA'N [96:1..5]\n   (Surah Al-Alaq).";
    QTest::newRow("15 Sha'aban 1447") << QDate(2026, 2, 3) << "SHAB-E-BARAT"
                                      << "";
    QTest::newRow("5 Muharram 1447: no occasion") << QDate(2025, 7, 1) << ""
                                                  << "";
}

void TestMainWindowReadings::todaysReadingAndOccasion()
{
    QFETCH(QDate, today);
    QFETCH(QString, occasion);
    QFETCH(QString, readingEnd);
    Window w(today);
    w.load();
    QCOMPARE(w.text("Label7"), occasion);
    QCOMPARE(isDarkRed(textBox(w, "Text3")), !occasion.isEmpty());
    const QString reading = textBox(w, "Text3")->toPlainText();
    QVERIFY(!reading.isEmpty());
    QVERIFY(!reading.contains(u'\r'));
    QVERIFY2(reading.endsWith(readingEnd), qPrintable(reading.right(60)));
}

void TestMainWindowReadings::selectedDayShowsItsOccasion()
{
    Window w(QDate(2025, 7, 1)); // 5 Muharram 1447
    w.load();
    w.clickDay(7);
    QVERIFY(w.text("Label7").contains(u'&'));
    QVERIFY(!w.text("Label7").contains(QStringLiteral("&&")));
    w.clickDay(10);
    QVERIFY(w.text("Label7").startsWith(QStringLiteral("Youm-e-Aa'shurah")));
    w.clickDay(5);
    QCOMPARE(w.text("Label7"), QString());
    QVERIFY(!isDarkRed(textBox(w, "Text3"))); // selection never recolours the reading
}

void TestMainWindowReadings::exportAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("Yes writes the file") << int(MsgAnswer::Yes) << true;
    QTest::newRow("No leaves the old file") << int(MsgAnswer::No) << false;
    QTest::newRow("Cancel leaves the old file") << int(MsgAnswer::Cancel) << false;
}

void TestMainWindowReadings::exportAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, written);
    Window w;
    w.load();
    const QString path = w.folder.filePath(QStringLiteral("FullTips.txt"));
    QVERIFY(SaveTextFile(path, {QStringLiteral("old")}).isEmpty());
    w.platform.answers = {MsgAnswer(answer)};
    trigger(w, "PrintTips");
    QCOMPARE(w.platform.messages[0].buttons, MsgButtons::YesNoCancel);
    QCOMPARE(w.platform.messages[0].icon, MsgIcon::Information);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (!written) {
        QCOMPARE(bytes, QByteArray("old\r\n"));
        QCOMPARE(w.platform.messages.size(), 1);
        return;
    }
    QVERIFY(
        bytes.startsWith("BISME ALLAH - AR-RAHMAN - AR-RAHEEM\r\n\r\nMONTH: MUHARRAM-UL-HARAAM\r\n"
                         "Day - 1: "));
    QCOMPARE(w.platform.lastMessage(), QStringLiteral("DONE! FILE CREATED SUCCESSFULLY (117 kB)"));
}

void TestMainWindowReadings::scripturePanel()
{
    Window w;
    w.load();
    QTextEdit *panel = textBox(w, "Text6");
    QVERIFY(panel->isHidden());
    trigger(w, "OurSoft");
    QVERIFY(!panel->isHidden());
    trigger(w, "DivineCal"); // replaces the product list
    QVERIFY(panel->toPlainText().startsWith(QStringLiteral(
        "DIVINE COMMAND TO USE A (HIJRA) CALENDAR\n\nSurah II-Al-Baqarah, Ayat: 189:")));
    QVERIFY(panel->toPlainText().contains(QStringLiteral("Surah IX-Al-Taubah, Ayat:37:")));
    QTest::mouseDClick(panel->viewport(), Qt::LeftButton);
    QVERIFY(panel->isHidden());

    trigger(w, "CalendFeatures"); // a box only; the panel stays hidden
    QVERIFY(panel->isHidden());
    QCOMPARE(w.platform.lastMessage(),
             QStringLiteral("Please read the Manual File 'Qarnivo User's Manual.pdf' supplied\r\n"
                            "with this software for updated features.\r\n"));
}

void TestMainWindowReadings::helpCommands()
{
    Window w;
    w.load();
    trigger(w, "SoftVersion");
    QCOMPARE(w.platform.lastMessage(), QStringLiteral("Qarnivo of Tarvelonix\r\n\tVersion: 3.5"));
    QCOMPARE(w.platform.messages.last().icon, MsgIcon::Information);
    trigger(w, "Developers");
    QVERIFY(w.platform.lastMessage().startsWith(QStringLiteral(
        "Please visit our website addressed below to know about us.\r\n\r\n\t  http")));
    trigger(w, "GetFree");
    QCOMPARE(w.platform.lastMessage().count(QStringLiteral("\r\n")), 4);
    QTest::mouseDClick(w.control<QLabel>(QStringLiteral("Image7")), Qt::LeftButton);
    QVERIFY(w.platform.lastMessage().startsWith(
        QStringLiteral("      INTERPRETATION OF THE MEANING OF THE NOBLE QURAN\r\n")));
    QVERIFY(w.platform.lastMessage().contains(QStringLiteral("Pickthall")));
    QCOMPARE(w.platform.messages.last().icon, MsgIcon::None);
    QTest::mouseClick(w.control<QLabel>(QStringLiteral("Label8")), Qt::LeftButton);
    QCOMPARE(w.platform.openedAddresses.size(), 1);
    QCOMPARE(w.platform.openedAddresses[0].scheme(), QStringLiteral("https"));
}

void TestMainWindowReadings::manualIsOfferedOnlyWhenPresent()
{
    Window without;
    without.load();
    QVERIFY(!without.control<QAction>(QStringLiteral("Manual"))->isEnabled());
    QVERIFY(!without.window->manualPresent());

    Window with;
    QVERIFY(
        SaveTextFile(with.folder.filePath(QStringLiteral("Qarnivo User's Manual.pdf")), {"%PDF"})
            .isEmpty());
    with.load();
    QVERIFY(with.window->manualPresent());
    trigger(with, "Manual");
    QCOMPARE(with.platform.openedDocuments,
             QStringList{QStringLiteral("Qarnivo User's Manual.pdf")});
}

QTEST_MAIN(TestMainWindowReadings)
#include "tst_mainwindowreadings.moc"
