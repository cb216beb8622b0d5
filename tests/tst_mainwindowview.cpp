// The main window's views, its banner, its answers to the pointer, and the
// settings that carry all of them over to the next start.

#include "mainwindowfixture.h"
#include "sunpage/wwtimecal.h"

#include "webenginetestmain.h"
#include <QCheckBox>

using qarnivo::testing::Window;
using namespace qarnivo;

namespace {

QString setting(const Window &w, const char *key)
{
    return w.platform.settings.value(QStringLiteral("ViewWindow/") + QLatin1String(key));
}

QColor bannerColour(const Window &w)
{
    return w.control<QWidget>(QStringLiteral("Picture2"))->palette().color(QPalette::Window);
}

void moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

class TestMainWindowView : public QObject {
    Q_OBJECT
private slots:
    // The window's sizes are the design's on the design's own face; other
    // faces are the layout suite's.
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }
    void firstStartWithAnEmptyStore();
    void viewSwitch();
    void maximizedStartOffersConversion();
    void bannerColourCycle_data();
    void bannerColourCycle();
    void settingsSurviveARestart();
    void pointerFeedback();
    void informationBoxes();
    void sunriseQuestion();
    void accessibility();
};

void TestMainWindowView::firstStartWithAnEmptyStore()
{
    Window w;
    w.platform.settings.clear();
    w.load();
    // The calculator window comes first, its box ticked; the main window
    // shows when it closes.
    auto *calculator = w.window->findChild<WwtimeCal *>(QStringLiteral("WwtimeCal"));
    QVERIFY(calculator && calculator->isVisible());
    QVERIFY(!w.window->isVisible());
    QVERIFY(calculator->findChild<QCheckBox *>(QStringLiteral("Check1"))->isChecked());
    calculator->close();
    QVERIFY(w.window->isVisible());
    QCOMPARE(setting(w, "Show First"), QStringLiteral("1"));
    QCOMPARE(setting(w, "WindowFull"), QStringLiteral("False"));
    QCOMPARE(setting(w, "DovrellBG"), QStringLiteral("0"));
    QCOMPARE(setting(w, "ColorIndex"), QStringLiteral("0"));
    QCOMPARE(w.window->width(), 8840 / 15);
    QCOMPARE(w.window->height(), 8700 / 15);
    QVERIFY(!w.window->isMaximized());
    QVERIFY(!w.control<QAction>(QStringLiteral("ConvertDate"))->isEnabled());
    QCOMPARE(w.control<QAction>(QStringLiteral("View"))->text(), QStringLiteral("&ViewFull"));
    QCOMPARE(bannerColour(w), w.window->palette().color(QPalette::Window));
    QCOMPARE(w.window->dayView(), QStringLiteral("Urdu"));
    // The short view ends at the calendar's right edge.
    const QRect grid = w.days()->geometry();
    QVERIFY(grid.right() < w.window->centralWidget()->width());
    QVERIFY(w.control<QWidget>(QStringLiteral("Text3"))->geometry().left() >=
            w.window->centralWidget()->width());
}

void TestMainWindowView::viewSwitch()
{
    Window w;
    w.platform.settings.insert(QStringLiteral("ViewWindow/WindowFull"), QStringLiteral("True"));
    w.load();
    QCOMPARE(w.window->width(), 11970 / 15);
    auto *clock = w.control<QPushButton>(QStringLiteral("Optionz"));
    QCOMPARE(clock->toolTip(), QStringLiteral("Change View Window"));
    clock->click();
    QCOMPARE(setting(w, "WindowFull"), QStringLiteral("False"));
    QCOMPARE(w.window->width(), 8840 / 15);
    QVERIFY(!w.control<QAction>(QStringLiteral("ConvertDate"))->isEnabled());
    clock->click();
    QCOMPARE(setting(w, "WindowFull"), QStringLiteral("True"));
    QCOMPARE(w.window->width(), 11970 / 15);
    QCOMPARE(w.control<QAction>(QStringLiteral("View"))->text(), QStringLiteral("&ViewShort"));
    QVERIFY(w.control<QAction>(QStringLiteral("ConvertDate"))->isEnabled());

    w.window->showMaximized();
    clock->click(); // a switch always leaves the maximized state
    QVERIFY(!w.window->isMaximized());
}

void TestMainWindowView::maximizedStartOffersConversion()
{
    Window w;
    w.platform.settings.insert(QStringLiteral("ViewWindow/WindowMax"), QStringLiteral("True"));
    w.load();
    QVERIFY(w.window->windowState() & Qt::WindowMaximized);
    QVERIFY(w.control<QAction>(QStringLiteral("ConvertDate"))->isEnabled());
    w.window->Exit_Click();
    QCOMPARE(setting(w, "WindowMax"), QStringLiteral("True"));
}

void TestMainWindowView::bannerColourCycle_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QString>("nextStored");
    QTest::newRow("stored 2") << "2" << QColor(255, 224, 192) << "3";
    QTest::newRow("stored 6 wraps") << "6" << QColor(255, 192, 255) << "0";
    QTest::newRow("stored 9 shows colour 6, then 0") << "9" << QColor(255, 192, 255) << "0";
}

void TestMainWindowView::bannerColourCycle()
{
    QFETCH(QString, stored);
    QFETCH(QColor, first);
    QFETCH(QString, nextStored);
    Window w;
    w.platform.settings.insert(QStringLiteral("ViewWindow/DovrellBG"), stored);
    w.load();
    QCOMPARE(bannerColour(w), first);
    QCOMPARE(setting(w, "DovrellBG"), stored);
    QTest::mouseClick(w.control<QWidget>(QStringLiteral("Picture2")), Qt::LeftButton);
    QCOMPARE(setting(w, "DovrellBG"), nextStored);
    // Seven clicks show every colour once and come back.
    const QColor shown = bannerColour(w);
    for (int click = 0; click < 7; ++click)
        QTest::mouseClick(w.control<QWidget>(QStringLiteral("Picture2")), Qt::LeftButton);
    QCOMPARE(bannerColour(w), shown);
}

void TestMainWindowView::settingsSurviveARestart()
{
    Window w;
    w.load();
    w.control<QPushButton>(QStringLiteral("Optionz"))->click(); // full view
    w.window->grCal0_Click();                                   // English
    QTest::mouseClick(w.control<QWidget>(QStringLiteral("Picture2")), Qt::LeftButton);
    w.window->Exit_Click();

    auto again = std::make_unique<frmqarnivo>(w.platform);
    again->Form_Load();
    QCOMPARE(again->width(), 11970 / 15);
    QCOMPARE(again->dayView(), QStringLiteral("English"));
    QCOMPARE(
        again->findChild<QWidget *>(QStringLiteral("Picture2"))->palette().color(QPalette::Window),
        QColor(255, 255, 255));
}

void TestMainWindowView::pointerFeedback()
{
    Window w;
    w.load();
    auto *hover = w.control<QLabel>(QStringLiteral("Image4(2)"));
    auto *lit = w.control<QLabel>(QStringLiteral("Image4(1)"));
    moveOver(w.control<QLabel>(QStringLiteral("Image4(3)")));
    QVERIFY(hover->isHidden());
    QTest::mousePress(lit, Qt::LeftButton);
    QVERIFY(lit->isHidden());
    moveOver(w.control<QLabel>(QStringLiteral("Image6(0)")));
    QVERIFY(w.control<QLabel>(QStringLiteral("Image6(1)"))->isHidden());
    moveOver(w.control<QLabel>(QStringLiteral("Label12")));
    QVERIFY(w.control<QLabel>(QStringLiteral("Label12"))->font().bold());
    QVERIFY(w.control<QLabel>(QStringLiteral("Label12"))->styleSheet().contains("255, 0, 0"));
    moveOver(w.control<QLabel>(QStringLiteral("Label8")));
    QVERIFY(w.control<QLabel>(QStringLiteral("Label8"))->styleSheet().contains("underline"));

    moveOver(w.window->centralWidget());
    QVERIFY(!hover->isHidden() && !lit->isHidden());
    QVERIFY(!w.control<QLabel>(QStringLiteral("Image6(1)"))->isHidden());
    QVERIFY(!w.control<QLabel>(QStringLiteral("Label12"))->font().bold());
    QVERIFY(!w.control<QLabel>(QStringLiteral("Label8"))->styleSheet().contains("underline"));
}

void TestMainWindowView::informationBoxes()
{
    Window w(QDate(2026, 3, 1)); // in Ramadhan
    w.load();
    QTest::mouseClick(w.control<QLabel>(QStringLiteral("Image1(9)")), Qt::LeftButton);
    QCOMPARE(w.platform.lastMessage(), QStringLiteral("RAMADHAN-UL-MUBARAK"));
    QCOMPARE(w.platform.messages.last().icon, MsgIcon::Information);
    QTest::mouseClick(w.control<QLabel>(QStringLiteral("Image8")), Qt::LeftButton);
    QVERIFY(w.platform.lastMessage().startsWith(QString::fromUtf8("IN THE NAME OF ALLÂH")));
}

void TestMainWindowView::sunriseQuestion()
{
    Window w;
    w.load();
    w.platform.answers = {MsgAnswer::No};
    QTest::mouseDClick(w.control<QLabel>(QStringLiteral("Label10")), Qt::LeftButton);
    QCOMPARE(w.platform.messages.size(), 1);
    QCOMPARE(w.platform.messages[0].buttons, MsgButtons::YesNoCancel);
    QVERIFY(w.platform.lastMessage().startsWith(QStringLiteral(
        "Click SunriseSunset menu item to know the Sunrise and Sunset timings\r\n")));
    QVERIFY(w.window->isVisible());
    QVERIFY(!w.window->findChild<WwtimeCal *>(QStringLiteral("WwtimeCal")));

    w.platform.answers = {MsgAnswer::Yes};
    QTest::mouseDClick(w.control<QLabel>(QStringLiteral("Label12")), Qt::LeftButton);
    auto *calculator = w.window->findChild<WwtimeCal *>(QStringLiteral("WwtimeCal"));
    QVERIFY(calculator && calculator->isVisible());
    QVERIFY(!w.window->isVisible());
}

void TestMainWindowView::accessibility()
{
    Window w(QDate(2026, 2, 3)); // 15 Sha'aban 1447, a night of occasion
    w.load();
    // Every named control of the window can be told apart by name.
    QStringList unnamed;
    for (QWidget *widget : w.window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            widget->accessibleName().isEmpty())
            unnamed.append(name);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
    // The day cells say their dates and occasion in full.
    QString description;
    for (int row = 0; row < 6 && description.isEmpty(); ++row)
        for (int column = 0; column < 7; ++column)
            if (w.cell(row, column) == QLatin1String("15"))
                description =
                    w.days()->item(row, column)->data(Qt::AccessibleDescriptionRole).toString();
    QVERIFY2(description.startsWith(QStringLiteral("15 Sha'aban-ul-Moazzam 1447 Hijri, ")),
             qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("3 February 2026")), qPrintable(description));
    QVERIFY2(description.endsWith(QStringLiteral("SHAB-E-BARAT")), qPrintable(description));
    // So do those of the calculator and map windows.
    w.window->SunRiseSunSet_Click();
    auto *calculator = w.window->findChild<WwtimeCal *>(QStringLiteral("WwtimeCal"));
    QVERIFY(calculator);
    calculator->findChild<QAction *>(QStringLiteral("GMTMap"))->trigger();
    for (QWidget *widget :
         calculator->findChildren<QWidget *>() +
             w.window->findChild<QWidget *>(QStringLiteral("MapGMT"))->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            widget->accessibleName().isEmpty())
            unnamed.append(name);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
    // The main commands have keys.
    for (const char *command : {"Exit", "Todayz", "ConvertDate", "SunRiseSunSet", "PrintTips"})
        QVERIFY2(!w.control<QAction>(QLatin1String(command))->shortcut().isEmpty(), command);
}

QARNIVO_WEBENGINE_TEST_MAIN(TestMainWindowView)
#include "tst_mainwindowview.moc"
