// The new crescent in the windows: the main window's line and the 29th's tip, and the New
// Crescent window's evenings, held against the astronomy for places given by hand in its own
// conventions (east positive, hours ahead of UT), its map saved as PNG through the platform.

#include "core/crescent/crescentline.h"
#include "windows/crescent/crescentnames.h"
#include "windows/crescent/crescentwindow.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>

using namespace qarnivo;
using namespace qarnivo::crescent;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::crescent::Criterion)

namespace {

// The default city, Bhubaneswar, as the astronomy takes it.
const Observer kBhubaneswar{20.27, 85.85, 0};
constexpr double kIndia = 5.5;

struct Crescent : AppFolder {
    QPointer<CrescentWindow> window;
    Crescent()
    {
        addCalculatorFiles();
        window = new CrescentWindow(platform, DefaultCity());
    }
    ~Crescent() { delete window.data(); }
    template <typename T> T *get(const ControlName &name) const { return control<T>(window, name); }
    void choose(const ControlName &list, int index) const
    {
        get<QComboBox>(list)->setCurrentIndex(index);
        emit get<QComboBox>(list)->activated(index);
    }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item =
            get<QTableWidget>(crescentnames::Evenings)->item(row, column);
        return item ? item->text() : QString();
    }
    // A cell's leading number.
    double value(int row, int column) const
    {
        return QLocale::c().toDouble(
            cell(row, column).section(QRegularExpression("[^-0-9.]"), 0, 0));
    }
};

} // namespace

class TestCrescentWindow : public QObject {
    Q_OBJECT
private slots:
    // The line shows from the 27th of the shown month to its end; the 29th's tip always tells the
    // evening of the 29th, by the chosen criterion.
    void mainWindowLine_data()
    {
        columns<QDate, QString, bool>({"today", "criterion", "shown"});
        row("29 Rajab 1446", QDate(2025, 1, 29), QString("Odeh"), true);
        row("the 27th is the first day shown", QDate(2025, 1, 27), QString("Odeh"), true);
        row("the 26th has the tip alone", QDate(2025, 1, 26), QString("Odeh"), false);
        row("the 30th, by Yallop", QDate(2025, 1, 30), QString("Yallop"), true);
        row("1 Shaban shows the next month", QDate(2025, 1, 31), QString("Odeh"), false);
    }
    void mainWindowLine()
    {
        const auto [today, criterion, shown] =
            fetch<QDate, QString, bool>("today", "criterion", "shown");
        Window w(today);
        w.setSetting(SettingKey::CrescentCriterion, criterion);
        w.load();
        const QDate twentyNinth =
            today < QDate(2025, 1, 31) ? QDate(2025, 1, 29) : QDate(2025, 2, 28);
        const QString expected =
            CrescentLine(twentyNinth,
                         EveningAt(kBhubaneswar, twentyNinth.year(), twentyNinth.month(),
                                   twentyNinth.day(), kIndia),
                         *CriterionFromSetting(criterion));
        QCOMPARE(w.text(mainnames::CrescentLine), shown ? expected : QString());
        const QTableWidgetItem *tip = w.days()->findItems("29", Qt::MatchExactly).value(0);
        QVERIFY(tip && tip->toolTip().contains(expected));
    }

    // A change of month, place or criterion shows the evenings of the 29th and the 30th of the
    // month before, at that place, as the astronomy finds them.
    void evenings_data()
    {
        columns<int, int, int, Criterion, Observer, double, QDate>(
            {"month", "year", "place", "criterion", "observer", "offset", "29th"});
        row("Ramadan 1447 in Bhubaneswar", 9, 1447, 0, Criterion::Odeh, kBhubaneswar, kIndia,
            QDate(2026, 2, 17));
        row("Shawwal 1447 in Sydney, by Yallop", 10, 1447, 4, Criterion::Yallop,
            Observer{-33.8688, 151.2093, 0}, 10.0, QDate(2026, 3, 18));
        row("Muharram 1448 in Washington", 1, 1448, 3, Criterion::Odeh,
            Observer{38.9072, -77.0369, 0}, -5.0, QDate(2026, 6, 15));
    }
    void evenings()
    {
        const auto [month, year, place, criterion, observer, offset, first] =
            fetch<int, int, int, Criterion, Observer, double, QDate>(
                "month", "year", "place", "criterion", "observer", "offset", "29th");
        Crescent c;
        c.get<QSpinBox>(crescentnames::YearBox)->setValue(year);
        c.choose(crescentnames::MonthList, month - 1);
        c.choose(crescentnames::PlaceList, place);
        c.choose(crescentnames::CriterionList, static_cast<int>(criterion));
        const bool yallop = criterion == Criterion::Yallop;
        for (const int evening : {0, 1}) {
            const QDate date = first.addDays(evening);
            const Evening e = EveningAt(observer, date.year(), date.month(), date.day(), offset);
            const auto header =
                c.get<QTableWidget>(crescentnames::Evenings)->horizontalHeaderItem(evening);
            QVERIFY(header->text().contains(date.toString("dddd d MMMM yyyy")));
            QCOMPARE(c.cell(0, evening), ClockTime(e.sunset, offset));
            QCOMPARE(c.value(2, evening), double(qRound(e.lagMinutes)));
            QCOMPARE(c.value(4, evening),
                     qRound((yallop ? e.geocentricArcl : e.arcl) * 100) / 100.0);
            QCOMPARE(c.value(5, evening),
                     qRound((yallop ? e.geocentricArcv : e.arcv) * 100) / 100.0);
            const QChar grade(u'A' + (yallop ? int(e.yallopClass) : int(e.odehZone)));
            QCOMPARE(c.cell(9, evening), QString(grade));
            QVERIFY(c.get<QLabel>(crescentnames::Verdicts)->text().contains(Verdict(e, criterion)));
        }
        const QDateTime conjunction = DateTimeOfJulianDay(
            EveningAt(observer, first.year(), first.month(), first.day(), offset).conjunction);
        QVERIFY(c.get<QLabel>(crescentnames::Conjunction)
                    ->text()
                    .contains(conjunction.toString("d MMMM yyyy HH:mm")));
    }

    // The map is computed once the window shows; Save writes it whole as PNG, and a target that
    // is not a file is refused and told.
    void saveMap()
    {
        Crescent c;
        QSignalSpy shown(c.window, &CrescentWindow::mapShown);
        c.window->show();
        QVERIFY(shown.wait(60000));
        const QString file = c.path("map.png");
        c.platform.saveAnswer = file;
        c.window->SaveMap_Click();
        QImage saved;
        QVERIFY(saved.loadFromData(readBytes(file), "PNG"));
        QCOMPARE(saved.size(), c.window->map().size());
        QVERIFY(c.platform.messages.isEmpty());
        c.platform.saveAnswer = c.path("folder.png");
        QVERIFY(MakeSpecialFile(c.platform.saveAnswer, "folder"));
        c.window->SaveMap_Click();
        QCOMPARE(c.platform.messages.size(), 1);
        QVERIFY(c.platform.lastMessage().contains(c.platform.saveAnswer));
    }

    // The menu opens the window at the month after the shown one; Escape closes it.
    void menuOpensIt()
    {
        Window w(QDate(2025, 1, 29));
        w.load();
        w.trigger(mainnames::CrescentCommand);
        QPointer<CrescentWindow> window = w.main->findChild<CrescentWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->month().month, 8);
        QCOMPARE(window->month().year, 1446);
        QSignalSpy shown(window.data(), &CrescentWindow::mapShown);
        QVERIFY(shown.wait(60000));
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
        // The line below the calendar opens it too.
        QTest::mouseClick(w.main->findChild<QWidget *>(ObjectName(mainnames::CrescentLine)),
                          Qt::LeftButton);
        QVERIFY(w.main->findChild<CrescentWindow *>());
    }
};

QTEST_MAIN(TestCrescentWindow)
#include "tst_crescentwindow.moc"
