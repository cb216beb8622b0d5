// The month view as values: the week grid, the date lines and the limits of
// the view.

#include "mainwindow/monthview.h"

#include <QtTest>

using namespace qarnivo;

class TestMonthView : public QObject {
    Q_OBJECT
private slots:
    void layOutMonth_data();
    void layOutMonth();
    void dateLines();
    void monthViewLimits_data();
    void monthViewLimits();
    void neighbouringMonths();
};

void TestMonthView::layOutMonth_data()
{
    QTest::addColumn<int>("firstWeekDay");
    QTest::addColumn<int>("monthDays");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("lastColumn");
    QTest::newRow("Sunday, 29 days: ends in (4, 0)") << 1 << 29 << 4 << 0;
    QTest::newRow("Sunday, 30 days") << 1 << 30 << 4 << 1;
    QTest::newRow("Saturday, 30 days: ends in (5, 0)") << 7 << 30 << 5 << 0;
    QTest::newRow("Friday, 30 days") << 6 << 30 << 4 << 6;
    QTest::newRow("Thursday, 29 days") << 5 << 29 << 4 << 4;
}

void TestMonthView::layOutMonth()
{
    QFETCH(int, firstWeekDay);
    QFETCH(int, monthDays);
    QFETCH(int, lastRow);
    QFETCH(int, lastColumn);
    const MonthGrid grid = LayOutMonth(firstWeekDay, monthDays);
    QCOMPARE(grid[0][firstWeekDay - 1], 1);
    QCOMPARE(grid[lastRow][lastColumn], monthDays);
    // Day d sits at position first weekday - 1 + d - 1, and nothing else is filled.
    int filled = 0;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int day = grid[row][column];
            if (day == 0)
                continue;
            ++filled;
            QCOMPARE(row * 7 + column, firstWeekDay - 1 + day - 1);
        }
    }
    QCOMPARE(filled, monthDays);
    QCOMPARE(grid[5][1], 0); // the ornament's cell is always free
}

void TestMonthView::dateLines()
{
    QCOMPARE(HijriDateLine(14, QStringLiteral("Jamaadil-Awwal"), 1447),
             QStringLiteral("14, Jamaadil-Awwal - 1447 Hijri"));
    QCOMPARE(HijriSelectionLine(12, QStringLiteral("Dhul-Hijjah"), 1427),
             QStringLiteral("12, Dhul-Hijjah, 1427 Hijri"));
    QCOMPARE(GregorianDateLine(5, QStringLiteral("December"), 2025),
             QStringLiteral("5, December - 2025 AD"));
    QCOMPARE(GregorianDateLine(16, QStringLiteral("July"), 622),
             QStringLiteral("16, July - 622 AD"));
}

void TestMonthView::monthViewLimits_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("inView");
    QTest::newRow("Muharram 1") << 1 << 1 << true;
    QTest::newRow("Dhul-Hijjah 0") << 12 << 0 << false;
    QTest::newRow("Rabi-ul-Awwal 9666 (next month starts 30 Dec 9999)") << 3 << 9666 << true;
    QTest::newRow("Rabi-ul-Aakhir 9666 (next month starts in 10000)") << 4 << 9666 << false;
    QTest::newRow("Muharram 9667") << 1 << 9667 << false;
}

void TestMonthView::monthViewLimits()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(bool, inView);
    QCOMPARE(InMonthView(month, year), inView);
}

void TestMonthView::neighbouringMonths()
{
    QCOMPARE(NextHijriMonth({12, 1446}).month, 1);
    QCOMPARE(NextHijriMonth({12, 1446}).year, 1447);
    QCOMPARE(PreviousHijriMonth({1, 1447}).month, 12);
    QCOMPARE(PreviousHijriMonth({1, 1447}).year, 1446);
    QCOMPARE(PreviousHijriMonth({5, 1447}).month, 4);
}

QTEST_APPLESS_MAIN(TestMonthView)
#include "tst_monthview.moc"
