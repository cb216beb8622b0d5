// The conversion panel through its controls: both directions, the arrows,
// refusals that leave the other side alone, and the menu command.

#include "calendar/conversionpanel.h"
#include "calendar/datestate.h"
#include "calendar/names.h"
#include "mainwindow/frmqarnivo.h"
#include "platform/fakeplatform.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace qarnivo;

namespace {

// A panel with loaded name tables over a fake platform.
struct PanelFixture {
    FakePlatform platform;
    DateState state;
    NameTables names;
    ConversionPanel panel{platform, state, names};

    PanelFixture()
    {
        LoadMonthNames(names);
        LoadWeekDayNames(names);
        panel.FillLists();
    }
    template <typename T> T *control(const char *name) const
    {
        T *found = panel.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QComboBox *combo(const char *name) const { return control<QComboBox>(name); }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    QString weekDay() const { return control<QLabel>("Label6")->text(); }

    void typeWestern(int day, int month, const QString &year)
    {
        combo("Combo1")->setCurrentIndex(day - 1);
        combo("Combo2")->setCurrentIndex(month - 1);
        box("Text4")->setText(year);
    }
    void typeHijri(int day, int month, const QString &year)
    {
        combo("Combo3")->setCurrentIndex(day - 1);
        combo("Combo4")->setCurrentIndex(month - 1);
        box("Text5")->setText(year);
    }
    // Day, month name and year text of one side, for comparing whole sides.
    QString western() const
    {
        return combo("Combo1")->currentText() + ' ' + combo("Combo2")->currentText() + ' ' +
               box("Text4")->text();
    }
    QString hijri() const
    {
        return combo("Combo3")->currentText() + ' ' + combo("Combo4")->currentText() + ' ' +
               box("Text5")->text();
    }
};

} // namespace

class TestConversionPanel : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDesignContents();
    void westernToHijri_data();
    void westernToHijri();
    void hijriToWestern_data();
    void hijriToWestern();
    void refusalLeavesTheOtherSide_data();
    void refusalLeavesTheOtherSide();
    void arrowsDoWhatTheButtonsDo();
    void convertDateMenuToggles();
};

void TestConversionPanel::startsWithTheDesignContents()
{
    PanelFixture f;
    QCOMPARE(f.panel.title(), QStringLiteral("Date Conversion (±1)"));
    QCOMPARE(f.box("Text4")->text(), QStringLiteral("2006"));
    QCOMPARE(f.box("Text5")->text(), QStringLiteral("1427"));
    QCOMPARE(f.weekDay(), QStringLiteral("±1 day"));
    QCOMPARE(f.combo("Combo1")->count(), 31);
    QCOMPARE(f.combo("Combo3")->count(), 30);
    QCOMPARE(f.combo("Combo2")->itemText(11), QStringLiteral("December"));
    QCOMPARE(f.combo("Combo4")->itemText(5), QStringLiteral("Jumadis -Sani"));
    for (const char *name : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
        QCOMPARE(f.combo(name)->currentIndex(), 0);
        QVERIFY(!f.combo(name)->isEditable());
    }
}

void TestConversionPanel::westernToHijri_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("hijri");
    QTest::addColumn<QString>("weekDay");
    QTest::newRow("16 Jul 622") << 16 << 7 << "622"
                                << "1 Muharram 1"
                                << "Friday";
    QTest::newRow("29 Feb 1500, Julian leap day") << 29 << 2 << "1500"
                                                  << "29 Rajjab 905"
                                                  << "Saturday";
    QTest::newRow("15 Oct 1582") << 15 << 10 << "1582"
                                 << "17 Ramadhan 990"
                                 << "Friday";
    QTest::newRow("11 Mar 2024") << 11 << 3 << "2024"
                                 << "1 Ramadhan 1445"
                                 << "Monday";
    QTest::newRow("typed as 2024.4") << 11 << 3 << "2024.4"
                                     << "1 Ramadhan 1445"
                                     << "Monday";
    QTest::newRow("30 May 20874") << 30 << 5 << "20874"
                                  << "30 Jumadil-Awwal 20874"
                                  << "Wednesday";
}

void TestConversionPanel::westernToHijri()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(QString, hijri);
    QFETCH(QString, weekDay);
    PanelFixture f;
    f.typeWestern(day, month, year);
    f.panel.Greg_Hijri_Click();
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.hijri(), hijri);
    QCOMPARE(f.weekDay(), weekDay);
    QCOMPARE(f.names.WeekDayName[f.state.WeekDayNo], weekDay);
    QCOMPARE(f.box("Text4")->text(), year); // its own side stays as typed
}

void TestConversionPanel::hijriToWestern_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("correction");
    QTest::addColumn<QString>("western");
    QTest::addColumn<QString>("weekDay");
    QTest::newRow("1/1/1") << 1 << 1 << "1" << 0 << "16 July 622"
                           << "Friday";
    QTest::newRow("1/1/1, correction +1") << 1 << 1 << "1" << 1 << "16 July 622"
                                          << "Saturday";
    QTest::newRow("1/1/1, correction -1") << 1 << 1 << "1" << -1 << "16 July 622"
                                          << "Thursday";
    QTest::newRow("16 Ramadhan 990") << 16 << 9 << "990" << 0 << "4 October 1582"
                                     << "Thursday";
    QTest::newRow("17 Ramadhan 990") << 17 << 9 << "990" << 0 << "15 October 1582"
                                     << "Friday";
    QTest::newRow("30 Safar 1447 = 1 Rabi-ul-Awwal") << 30 << 2 << "1447" << 0 << "25 August 2025"
                                                     << "Monday";
    QTest::newRow("1 Rabi-ul-Awwal 1447") << 1 << 3 << "1447" << 0 << "25 August 2025"
                                          << "Monday";
    QTest::newRow("2/4/9666") << 2 << 4 << "9666" << 0 << "31 December 9999"
                              << "Friday";
    QTest::newRow("30/5/20874") << 30 << 5 << "20874" << 0 << "30 May 20874"
                                << "Wednesday";
}

void TestConversionPanel::hijriToWestern()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(int, correction);
    QFETCH(QString, western);
    QFETCH(QString, weekDay);
    PanelFixture f;
    f.state.DayCorrection = qint16(correction);
    f.typeHijri(day, month, year);
    f.panel.Hijri_Greg_Click();
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.western(), western);
    QCOMPARE(f.weekDay(), weekDay);
    QCOMPARE(f.names.WeekDayName[f.state.WeekDayNo], weekDay);
}

void TestConversionPanel::refusalLeavesTheOtherSide_data()
{
    QTest::addColumn<bool>("fromWestern");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("yearEmptied");
    QTest::addColumn<int>("icon");
    QTest::newRow("29 Feb 1900") << true << 29 << 2 << "1900" << false << int(MsgIcon::Exclamation);
    QTest::newRow("10 Oct 1582") << true << 10 << 10 << "1582" << false
                                 << int(MsgIcon::Exclamation);
    QTest::newRow("Western year 621")
        << true << 1 << 1 << "621" << true << int(MsgIcon::Exclamation);
    QTest::newRow("Western 1e400")
        << true << 1 << 1 << "1e400" << true << int(MsgIcon::Exclamation);
    QTest::newRow("Hijri year cleared") << false << 1 << 1 << "" << true << int(MsgIcon::None);
    QTest::newRow("1 Jumadis -Sani 20874")
        << false << 1 << 6 << "20874" << false << int(MsgIcon::Exclamation);
}

void TestConversionPanel::refusalLeavesTheOtherSide()
{
    QFETCH(bool, fromWestern);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(bool, yearEmptied);
    QFETCH(int, icon);
    PanelFixture f;
    // A successful conversion first, so that there is a result to keep.
    f.typeWestern(5, 11, QStringLiteral("2025"));
    f.panel.Greg_Hijri_Click();
    const QString westernBefore = f.western();
    const QString hijriBefore = f.hijri();
    const qint16 weekDayNoBefore = f.state.WeekDayNo;

    if (fromWestern) {
        f.typeWestern(day, month, year);
        f.panel.Greg_Hijri_Click();
        QCOMPARE(f.hijri(), hijriBefore);
        QCOMPARE(f.box("Text4")->text(), yearEmptied ? QString() : year);
    } else {
        f.typeHijri(day, month, year);
        f.panel.Hijri_Greg_Click();
        QCOMPARE(f.western(), westernBefore);
        QCOMPARE(f.box("Text5")->text(), yearEmptied ? QString() : year);
    }
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(int(f.platform.messages.first().icon), icon);
    QCOMPARE(f.platform.messages.first().buttons, MsgButtons::Ok);
    QCOMPARE(f.weekDay(), QStringLiteral("Wednesday"));
    QCOMPARE(f.state.WeekDayNo, weekDayNoBefore);
}

void TestConversionPanel::arrowsDoWhatTheButtonsDo()
{
    PanelFixture byButton;
    PanelFixture byArrow;
    for (PanelFixture *f : {&byButton, &byArrow})
        f->typeWestern(2, 1, QStringLiteral("2007"));
    QTest::mouseClick(byButton.control<QPushButton>("Greg_Hijri"), Qt::LeftButton);
    QTest::mouseClick(byArrow.control<QLabel>("Image10"), Qt::LeftButton);
    QCOMPARE(byArrow.hijri(), QStringLiteral("12 Dhul-Hijjah 1427"));
    QCOMPARE(byArrow.hijri(), byButton.hijri());

    for (PanelFixture *f : {&byButton, &byArrow})
        f->typeHijri(30, 2, QStringLiteral("1447"));
    QTest::mouseClick(byButton.control<QPushButton>("Hijri_Greg"), Qt::LeftButton);
    QTest::mouseClick(byArrow.control<QLabel>("Image9"), Qt::LeftButton);
    QCOMPARE(byArrow.western(), QStringLiteral("25 August 2025"));
    QCOMPARE(byArrow.western(), byButton.western());
    QCOMPARE(byArrow.weekDay(), byButton.weekDay());
    QVERIFY(!byArrow.control<QLabel>("Image9")->pixmap().isNull());
    QVERIFY(!byArrow.control<QLabel>("Image10")->pixmap().isNull());
}

// The menu command toggles the panel and shows the current date in both
// calendars each time.
void TestConversionPanel::convertDateMenuToggles()
{
    FakePlatform platform;
    platform.clock = QDateTime(QDate(2025, 11, 5), QTime(9, 30));
    platform.fonts = {QStringLiteral("Tarvelonix")};
    platform.settings.insert(QStringLiteral("ViewWindow/WindowFull"), QStringLiteral("True"));
    platform.settings.insert(QStringLiteral("ViewWindow/Show First"), QStringLiteral("0"));
    frmqarnivo window(platform);
    window.Form_Load();
    auto *panel = window.findChild<QGroupBox *>(QStringLiteral("Frame3"));
    auto *menu = window.findChild<QAction *>(QStringLiteral("ConvertDate"));
    QVERIFY(panel && menu);
    QVERIFY(panel->isHidden());

    panel->findChild<QLineEdit *>(QStringLiteral("Text5"))->setText(QStringLiteral("1"));
    menu->trigger();
    QVERIFY(!panel->isHidden());
    auto text = [panel](const char *name) {
        if (auto *combo = panel->findChild<QComboBox *>(QLatin1String(name)))
            return combo->currentText();
        return panel->findChild<QLineEdit *>(QLatin1String(name))->text();
    };
    QCOMPARE(text("Combo1") + ' ' + text("Combo2") + ' ' + text("Text4"),
             QStringLiteral("5 November 2025"));
    QCOMPARE(text("Combo3") + ' ' + text("Combo4") + ' ' + text("Text5"),
             QStringLiteral("14 Jumadil-Awwal 1447"));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("Label6"))->text(),
             QStringLiteral("Wednesday"));

    panel->findChild<QLineEdit *>(QStringLiteral("Text5"))->setText(QStringLiteral("1"));
    QVERIFY(QMetaObject::invokeMethod(&window, "ConvertDate_Click"));
    QVERIFY(panel->isHidden());
    QCOMPARE(text("Text5"), QStringLiteral("1447"));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(TestConversionPanel)
#include "tst_conversionpanel.moc"
