// The main window through its controls: startup, the city file, month
// navigation, day selection, the day-name views, the clock and the exit.

#include "mainwindowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;

using qarnivo::testing::Window;

namespace {

const QString kRangeMessage = QStringLiteral("Check Date Range. Date value must be between:\r\n\r\n"
                                             "1, Muharram 1 AH and 2, Rabi-ul-Aakhir 9666 AH\r\n"
                                             "\t   Corresponding to:\r\n"
                                             "   16, July 622 AD and 31, December 9999 AD");
const QString kInvalidYear =
    QStringLiteral("Invalid year value. Hijri year value should be between\r\n\r\n"
                   "\t      1 AH and 9666 AH");

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startupDrawsTodaysMonth();
    void startupShowsTheCity();
    void missingCityFileIsWrittenAndEndsTheProgram();
    void unusableCityFileShowsTheDefaultCity();
    void unreadableSettingsFallBackToDefaults();
    void correctionMovesTheFirstDayOnly();
    void monthSteps_data();
    void monthSteps();
    void refusedStepsChangeNothing_data();
    void refusedStepsChangeNothing();
    void goToYear_data();
    void goToYear();
    void monthLengths_data();
    void monthLengths();
    void todayReturnsToTheStartDate();
    void selectingDays();
    void emptyCellClickChangesNothing();
    void keyboardMovesDoNotSelect();
    void dayNameViews();
    void savedEnglishViewSurvivesExit();
    void missingArabicFontIsReportedOnce();
    void clockShowsTheTime();
    void exitSequence_data();
    void exitSequence();
    void closingTheWindowRunsTheExit();
};

void TestMainWindow::startupDrawsTodaysMonth()
{
    Window w; // 5 November 2025 is 14 Jumadil-Awwal 1447, the 1st a Thursday
    w.load();
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.shownMonth(), QStringLiteral("Jumadil-Awwal 1447"));
    QCOMPARE(w.text("Text1"), QStringLiteral("14, Jamaadil-Awwal - 1447 Hijri"));
    QCOMPARE(w.text("Text2"), QStringLiteral("5, November - 2025 AD"));
    QCOMPARE(w.cell(0, 3), QString());
    QCOMPARE(w.cell(0, 4), QStringLiteral("1"));
    QCOMPARE(w.cell(2, 0), QStringLiteral("11"));
    QCOMPARE(w.cell(4, 5), QStringLiteral("30"));
    QCOMPARE(w.cell(4, 6), QString());
    QCOMPARE(w.days()->currentRow(), 2);
    QCOMPARE(w.days()->currentColumn(), 3);
    QVERIFY(w.highlighted(2, 3));
    QCOMPARE(w.window->dateState().HMonthDays, 30);
    QVERIFY(!w.control<QWidget>(QStringLiteral("Image1(5)"))->isHidden());
    QVERIFY(w.control<QWidget>(QStringLiteral("Image1(4)"))->isHidden());
    QVERIFY(w.control<QWidget>(QStringLiteral("Frame3"))->isHidden());
    QVERIFY(w.control<QWidget>(QStringLiteral("Frame4"))->isHidden());
    QVERIFY(w.platform.messages.isEmpty());
}

void TestMainWindow::startupShowsTheCity()
{
    Window w;
    SaveTextFile(w.cityPath(), CityFileLines({QStringLiteral("Reykjavik, the capital of Iceland"),
                                              QStringLiteral("64.1466"), QStringLiteral("21.9426"),
                                              QStringLiteral("0")}));
    w.load();
    QCOMPARE(w.text("Label12"), QStringLiteral("Reykjavik"));
    QCOMPARE(w.text("Label10"), QStringLiteral(" the capital of Iceland\u00ba "));
    Window plain;
    plain.load();
    QCOMPARE(plain.text("Label12"), QStringLiteral("India - Bhubaneswar"));
    QCOMPARE(plain.text("Label10"), QStringLiteral(" 20.27º "));
    QCOMPARE(plain.text("Label11"), QStringLiteral(" -85.85º "));
    QCOMPARE(plain.text("Label4"), QStringLiteral("-5.5 Hours"));
}

void TestMainWindow::missingCityFileIsWrittenAndEndsTheProgram()
{
    Window w(QDate(2025, 11, 5), false);
    w.load();
    QVERIFY(w.platform.ended);
    QVERIFY(!w.window->isVisible());
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.messages[0].icon, MsgIcon::Critical);
    QCOMPARE(w.platform.messages[0].text, MissingCityFileMessage());
    QVERIFY(w.platform.messages[0].text.startsWith("File 'InfoCity.txt' not found."));
    QFile file(w.cityPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("India - Bhubaneswar\r\n20.267\r\n-85.85\r\n-5.5\r\n\r\n"));
    QVERIFY(bytes.endsWith("Time Offset from GMT in Hours\r\n"));
    QCOMPARE(bytes.count("\r\n"), 14);

    Window next(QDate(2025, 11, 5), false); // the next start runs normally
    next.folder.remove();
    next.platform.appFolder = w.folder.path();
    next.load();
    QVERIFY(!next.platform.ended);
    QVERIFY(next.platform.messages.isEmpty());
}

void TestMainWindow::unusableCityFileShowsTheDefaultCity()
{
    Window w;
    QFile file(w.cityPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Only a name\r\n");
    file.close();
    w.load();
    QVERIFY(!w.platform.ended);
    QCOMPARE(w.window->currentCity().name, QStringLiteral("India - Bhubaneswar"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Only a name\r\n")); // the user's file stays
}

void TestMainWindow::unreadableSettingsFallBackToDefaults()
{
    Window w;
    w.platform.settings.insert("ViewWindow/Correction", "abc");
    w.platform.settings.insert("ViewWindow/WindowMax", "Maybe");
    w.platform.settings.insert("ViewWindow/ColorIndex", "99999");
    w.platform.settings.insert("ViewWindow/Show First", "False");
    w.load();
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.window->dateState().DayCorrection, qint16(0));
    QCOMPARE(w.cell(0, 4), QStringLiteral("1"));
}

void TestMainWindow::correctionMovesTheFirstDayOnly()
{
    Window w;
    w.platform.settings.insert(QStringLiteral("ViewWindow/Correction"), QStringLiteral("1"));
    w.load();
    QCOMPARE(w.cell(0, 5), QStringLiteral("1")); // Friday instead of Thursday
    QCOMPARE(w.text("Text2"), QStringLiteral("5, November - 2025 AD"));
    QCOMPARE(w.text("Text1"), QStringLiteral("14, Jamaadil-Awwal - 1447 Hijri"));
}

void TestMainWindow::monthSteps_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("westernLine");
    QTest::newRow("back from Muharram 1447 to Dhul-Hijjah 1446")
        << QDate(2025, 7, 1) << QStringList{"Backward"} << "Dhul-Hijjah 1446"
        << "2, June - 2025 AD";
    QTest::newRow("forward from Dhul-Hijjah 1446 to Muharram 1447")
        << QDate(2025, 6, 1) << QStringList{"Forward"} << "Muharram 1447"
        << "30, June - 2025 AD";
    QTest::newRow("a year forward and back")
        << QDate(2025, 11, 5) << QStringList(12, "Forward") + QStringList(12, "Backward")
        << "Jumadil-Awwal 1447"
        << "5, November - 2025 AD";
}

// Steps keep the current Hijri day and show its Western date.
void TestMainWindow::monthSteps()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, buttons);
    QFETCH(QString, month);
    QFETCH(QString, westernLine);
    Window w(today);
    w.load();
    const qint16 day = w.window->dateState().CurrentHijriDay;
    for (const QString &button : buttons)
        w.click(qPrintable(button));
    QCOMPARE(w.shownMonth(), month);
    QCOMPARE(w.text("Text2"), westernLine);
    QCOMPARE(w.window->dateState().CurrentHijriDay, day);
    QVERIFY(w.platform.messages.isEmpty());
}

void TestMainWindow::refusedStepsChangeNothing_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::newRow("back from Muharram 1 AH")
        << QDate(622, 7, 20) << "Backward"
        << "The Year Value must be between 1 AH & 20874 AH" << int(MsgIcon::None);
    QTest::newRow("forward from Rabi-ul-Awwal 9666")
        << QDate(9999, 12, 1) << "Forward" << kRangeMessage << int(MsgIcon::Critical);
}

void TestMainWindow::refusedStepsChangeNothing()
{
    QFETCH(QDate, today);
    QFETCH(QString, button);
    QFETCH(QString, message);
    QFETCH(int, icon);
    Window w(today);
    w.load();
    const QString month = w.shownMonth();
    const QString lines = w.text("Text1") + w.text("Text2");
    w.click(qPrintable(button));
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.lastMessage(), message);
    QCOMPARE(int(w.platform.messages[0].icon), icon);
    QCOMPARE(w.shownMonth(), month);
    QCOMPARE(w.text("Text1") + w.text("Text2"), lines);
}

void TestMainWindow::goToYear_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("month"); // empty: refused
    QTest::addColumn<QString>("message");
    QTest::newRow("1447.3 goes to 1447") << QDate(2025, 11, 5) << "1447.3"
                                         << "Jumadil-Awwal 1447"
                                         << "";
    QTest::newRow("Safar of 9666 is shown") << QDate(2025, 8, 1) << "9666"
                                            << "Safar 9666"
                                            << "";
    QTest::newRow("Jumadil-Awwal of 9666 is past the range") << QDate(2025, 11, 5) << "9666"
                                                             << "" << kRangeMessage;
    QTest::newRow("year 0") << QDate(2025, 11, 5) << "0"
                            << "" << kInvalidYear;
    QTest::newRow("year 9667") << QDate(2025, 11, 5) << "9667"
                               << "" << kInvalidYear;
    QTest::newRow("six digits") << QDate(2025, 11, 5) << "123456"
                                << "" << kInvalidYear;
    QTest::newRow("huge") << QDate(2025, 11, 5) << "1e400"
                          << "" << kInvalidYear;
    QTest::newRow("letters") << QDate(2025, 11, 5) << "abc"
                             << "" << kInvalidYear;
}

void TestMainWindow::goToYear()
{
    QFETCH(QDate, today);
    QFETCH(QString, typed);
    QFETCH(QString, month);
    QFETCH(QString, message);
    Window w(today);
    w.load();
    const QString before = w.shownMonth();
    w.goToYear(typed);
    if (month.isEmpty()) {
        QCOMPARE(w.platform.lastMessage(), message);
        QCOMPARE(w.platform.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(w.window->dateState().CurrentHijriYear, qint16(before.section(' ', -1).toInt()));
    } else {
        QVERIFY(w.platform.messages.isEmpty());
        QCOMPARE(w.shownMonth(), month);
        QCOMPARE(w.text("Text8"), month.section(' ', -1));
    }
}

void TestMainWindow::monthLengths_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("length");
    QTest::newRow("Ramadhan 990 holds the reform") << QDate(2025, 3, 5) << "990" << 30;
    QTest::newRow("Safar 1447") << QDate(2025, 8, 1) << "1447" << 29;
}

void TestMainWindow::monthLengths()
{
    QFETCH(QDate, today);
    QFETCH(QString, year);
    QFETCH(int, length);
    Window w(today);
    w.load();
    w.goToYear(year);
    QCOMPARE(w.window->dateState().HMonthDays, length);
}

void TestMainWindow::todayReturnsToTheStartDate()
{
    Window w;
    w.load();
    w.click("Forward");
    w.clickDay(3);
    w.platform.clock = QDateTime(QDate(2025, 11, 7), QTime(1, 0)); // past midnight
    w.control<QAction>(QStringLiteral("Todayz"))->trigger();
    QCOMPARE(w.shownMonth(), QStringLiteral("Jumadil-Awwal 1447"));
    QCOMPARE(w.text("Text2"), QStringLiteral("5, November - 2025 AD"));
    QVERIFY(w.platform.systemDateSets.isEmpty());
}

void TestMainWindow::selectingDays()
{
    Window w(QDate(2007, 1, 2)); // 12 Dhul-Hijjah 1427
    w.load();
    QCOMPARE(w.text("Text1"), QStringLiteral("12, Dhul-Hijjah - 1427 Hijri"));
    w.clickDay(15);
    QCOMPARE(w.text("Text1"), QStringLiteral("15, Dhul-Hijjah, 1427 Hijri"));
    QCOMPARE(w.text("Text2"), QStringLiteral("5, January - 2007 AD"));
    QVERIFY(w.highlighted(w.days()->currentRow(), w.days()->currentColumn()));
    int marked = 0;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column)
            marked += w.highlighted(row, column);
    QCOMPARE(marked, 1);

    w.clickDay(15); // the same day again: only the line's form changes
    QCOMPARE(w.text("Text2"), QStringLiteral("5, January - 2007 AD"));
    w.clickDay(29); // the last day: this Dhul-Hijjah has 29 days
    QCOMPARE(w.text("Text2"), QStringLiteral("19, January - 2007 AD"));
    w.clickDay(1); // back 28 days, over the year's end
    QCOMPARE(w.text("Text2"), QStringLiteral("22, December - 2006 AD"));
    QCOMPARE(w.window->dateState().CurrentHijriDay, qint16(12));

    w.click("Forward"); // a redraw selects the current day again
    QCOMPARE(w.text("Text1"), QStringLiteral("12, Muharram-ul-Haraam - 1428 Hijri"));
}

void TestMainWindow::emptyCellClickChangesNothing()
{
    Window w;
    w.load();
    const QString lines = w.text("Text1") + w.text("Text2");
    w.clickCell(0, 0); // before the 1st, which is a Thursday
    QCOMPARE(w.text("Text1") + w.text("Text2"), lines);
    QVERIFY(w.highlighted(2, 3));
}

void TestMainWindow::keyboardMovesDoNotSelect()
{
    Window w;
    w.load();
    const QString lines = w.text("Text1") + w.text("Text2");
    w.days()->setFocus();
    QTest::keyClick(w.days(), Qt::Key_Right);
    QTest::keyClick(w.days(), Qt::Key_Down);
    QCOMPARE(w.text("Text1") + w.text("Text2"), lines);
    QVERIFY(w.highlighted(2, 3));
}

void TestMainWindow::dayNameViews()
{
    Window w;
    w.load();
    auto *header = w.control<QTableWidget>(QStringLiteral("grCal0"));
    QVERIFY(!header->item(0, 0)->data(Qt::DecorationRole).value<QPixmap>().isNull());
    QCOMPARE(w.days()->font().family(), QStringLiteral("Tarvelonix"));
    QCOMPARE(w.text("Text1"), QStringLiteral("14, Jamaadil-Awwal - 1447 Hijri"));

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      header->visualItemRect(header->item(0, 3)).center());
    QCOMPARE(w.window->dayView(), QStringLiteral("English"));
    QCOMPARE(header->item(0, 0)->text(), QStringLiteral("SUN"));
    QCOMPARE(header->item(0, 6)->text(), QStringLiteral("SAT"));
    QVERIFY(header->item(0, 0)->data(Qt::DecorationRole).value<QPixmap>().isNull());
    QCOMPARE(w.days()->font().family(), QStringLiteral("Arial"));
    QVERIFY(!w.control<QWidget>(QStringLiteral("Frame4"))->isHidden());
    QCOMPARE(w.text("Text1"), QStringLiteral("14, Jamaadil-Awwal - 1447 Hijri"));

    // In the English view the year box of the English frame is the one read.
    w.control<QLineEdit>(QStringLiteral("Text8"))->setText(QStringLiteral("1448"));
    w.click("GoToYrE");
    QCOMPARE(w.shownMonth(), QStringLiteral("Jumadil-Awwal 1448"));
    QCOMPARE(w.text("Text7"), QStringLiteral("1448"));

    w.window->grCal0_Click();
    QCOMPARE(w.window->dayView(), QStringLiteral("Urdu"));
    QVERIFY(w.control<QWidget>(QStringLiteral("Frame4"))->isHidden());
    QCOMPARE(w.days()->font().family(), QStringLiteral("Tarvelonix"));
}

void TestMainWindow::savedEnglishViewSurvivesExit()
{
    for (const auto &[stored, shown] :
         {std::pair{"English", "English"}, std::pair{"Klingon", "Urdu"}}) {
        Window w;
        w.platform.settings.insert(QStringLiteral("ViewWindow/DayView"), QLatin1String(stored));
        w.load();
        QCOMPARE(w.window->dayView(), QLatin1String(shown));
        w.window->Exit_Click();
        QCOMPARE(w.platform.settings.value(QStringLiteral("ViewWindow/DayView")),
                 QLatin1String(shown));
    }
}

void TestMainWindow::missingArabicFontIsReportedOnce()
{
    Window w;
    w.platform.fonts = {QStringLiteral("DejaVu Sans")};
    w.load();
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.messages[0].icon, MsgIcon::Critical);
    const QStringList lines = w.platform.messages[0].text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0],
             QStringLiteral("Tarvelonix Font is not installed in your system. You will not be"));
    QCOMPARE(lines[3], QString());
    QVERIFY(lines[4].startsWith(QString(9, u' ') + "http"));
    QCOMPARE(w.days()->font().family(), QStringLiteral("Arial"));
    QCOMPARE(w.control<QLineEdit>(QStringLiteral("Text7"))->font().family(),
             QStringLiteral("Arial"));
    QCOMPARE(w.cell(0, 4), QStringLiteral("1")); // digits stay ASCII
}

void TestMainWindow::clockShowsTheTime()
{
    Window w;
    auto *clock = w.control<QPushButton>(QStringLiteral("Optionz"));
    QCOMPARE(clock->text(), QStringLiteral("Options"));
    w.load();
    w.platform.clock = QDateTime(QDate(2025, 11, 5), QTime(14, 7, 9));
    w.window->Timer1_Timer();
    QVERIFY2(clock->text().contains(QStringLiteral("07:09")) ||
                 clock->text().contains(QStringLiteral("7:09")),
             qPrintable(clock->text()));
    QVERIFY(w.window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

void TestMainWindow::exitSequence_data()
{
    QTest::addColumn<QDate>("dateAtExit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("setWorks");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("dateSetBack");
    QTest::newRow("same day: no question")
        << QDate(2025, 11, 5) << int(MsgAnswer::Yes) << true << 0 << false;
    QTest::newRow("past midnight, Yes keeps the date")
        << QDate(2025, 11, 6) << int(MsgAnswer::Yes) << true << 1 << false;
    QTest::newRow("past midnight, No sets it back")
        << QDate(2025, 11, 6) << int(MsgAnswer::No) << true << 1 << true;
    QTest::newRow("past midnight, Cancel sets it back and still exits")
        << QDate(2025, 11, 6) << int(MsgAnswer::Cancel) << true << 1 << true;
    QTest::newRow("the system refuses: the user is told")
        << QDate(2025, 11, 6) << int(MsgAnswer::No) << false << 2 << true;
}

void TestMainWindow::exitSequence()
{
    QFETCH(QDate, dateAtExit);
    QFETCH(int, answer);
    QFETCH(bool, setWorks);
    QFETCH(int, messages);
    QFETCH(bool, dateSetBack);
    Window w;
    w.load();
    w.platform.clock = QDateTime(dateAtExit, QTime(0, 5));
    w.platform.answers = {MsgAnswer(answer)};
    w.platform.setSystemDateWorks = setWorks;
    w.control<QAction>(QStringLiteral("Exit"))->trigger();
    QVERIFY(w.platform.ended);
    QCOMPARE(w.platform.messages.size(), messages);
    if (messages > 0) {
        QCOMPARE(w.platform.messages[0].text,
                 QStringLiteral("Date value has been changed. Would you like to continue?"));
        QCOMPARE(w.platform.messages[0].icon, MsgIcon::Exclamation);
        QCOMPARE(w.platform.messages[0].buttons, MsgButtons::YesNoCancel);
    }
    QCOMPARE(w.platform.systemDateSets,
             dateSetBack ? QList<QDate>{QDate(2025, 11, 5)} : QList<QDate>{});
    QCOMPARE(w.platform.settings.value(QStringLiteral("ViewWindow/DayView")),
             QStringLiteral("Urdu"));
    QCOMPARE(w.platform.settings.value(QStringLiteral("ViewWindow/WindowMax")),
             QStringLiteral("False"));
}

void TestMainWindow::closingTheWindowRunsTheExit()
{
    Window w;
    w.load();
    QVERIFY(!w.window->close());
    QVERIFY(w.platform.ended);
    QCOMPARE(w.platform.settings.value(QStringLiteral("ViewWindow/WindowMax")),
             QStringLiteral("False"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
