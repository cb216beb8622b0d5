// The calendar core: known dates in both directions, the weekday rules, the
// day shift, and walks over every day of the accepted range.

#include "calendar/conversion.h"
#include "calendar/datestate.h"

#include <QCalendar>
#include <QtTest>

using namespace qarnivo;

Q_DECLARE_METATYPE(Ymd)

namespace {

QString show(const Ymd &d)
{
    return QStringLiteral("%1-%2-%3").arg(d.year).arg(d.month).arg(d.day);
}

bool sameDay(const Ymd &a, const Ymd &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

#define COMPARE_YMD(actual, expected) QCOMPARE(show(actual), show(expected))

// Western date, Hijri date, JD and weekday of days whose values are fixed
// elsewhere. Sources: JD 1948440 is the epoch of the arithmetic (civil) Hijri
// calendar, a Friday; JD 2299161 is the first day of the Gregorian reform;
// JD 2451545 is the J2000.0 epoch, 1 January 2000; 5373484 is the JD Qt's
// QDate gives for 31 December 9999. The Hijri dates follow the 30-year cycle
// and are cross-checked against Qt's Islamic civil calendar below.
void addKnownDates()
{
    QTest::addColumn<Ymd>("western");
    QTest::addColumn<Ymd>("hijri");
    QTest::addColumn<int>("jd");
    QTest::addColumn<int>("weekDay");

    QTest::newRow("epoch: 16 Jul 622 = 1 Muharram 1, Friday")
        << Ymd{622, 7, 16} << Ymd{1, 1, 1} << 1948440 << 6;
    QTest::newRow("Julian leap day 29 Feb 1500, Saturday")
        << Ymd{1500, 2, 29} << Ymd{905, 7, 29} << 2268992 << 7;
    QTest::newRow("last Julian day: 4 Oct 1582, Thursday")
        << Ymd{1582, 10, 4} << Ymd{990, 9, 16} << 2299160 << 5;
    QTest::newRow("first Gregorian day: 15 Oct 1582, Friday")
        << Ymd{1582, 10, 15} << Ymd{990, 9, 17} << 2299161 << 6;
    QTest::newRow("J2000: 1 Jan 2000, Saturday")
        << Ymd{2000, 1, 1} << Ymd{1420, 9, 24} << 2451545 << 7;
    QTest::newRow("1 Ramadhan 1445: 11 Mar 2024, Monday")
        << Ymd{2024, 3, 11} << Ymd{1445, 9, 1} << 2460381 << 2;
    QTest::newRow("14 Jamaadil-Awwal 1447: 5 Nov 2025, Wednesday")
        << Ymd{2025, 11, 5} << Ymd{1447, 5, 14} << 2460985 << 4;
    QTest::newRow("end of the month view: 31 Dec 9999, Friday")
        << Ymd{9999, 12, 31} << Ymd{9666, 4, 2} << 5373484 << 6;
    QTest::newRow("end of range: 30 May 20874, Wednesday")
        << Ymd{20874, 5, 30} << Ymd{20874, 5, 30} << int(kLastJulianDay) << 4;
}

// The next day after `d` in the Western calendar in force, computed from the
// month lengths rather than from the JD formulas.
Ymd nextWesternDay(const Ymd &d)
{
    if (d.year == 1582 && d.month == 10 && d.day == 4)
        return {1582, 10, 15};
    static constexpr int lengths[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int length = d.month == 2 && IsLeapYear(d.year) ? 29 : lengths[d.month];
    if (d.day < length)
        return {d.year, d.month, d.day + 1};
    if (d.month < 12)
        return {d.year, d.month + 1, 1};
    return {d.year + 1, 1, 1};
}

// Whether `h` is the Hijri day after `previous`: the next day of the month,
// or the 1st of the next month after a 29th or 30th.
bool followsInHijri(const Ymd &previous, const Ymd &h)
{
    if (h.year == previous.year && h.month == previous.month)
        return h.day == previous.day + 1;
    const bool nextMonth = (h.year == previous.year && h.month == previous.month + 1) ||
                           (h.year == previous.year + 1 && previous.month == 12 && h.month == 1);
    return nextMonth && h.day == 1 && previous.day >= 29;
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void gregorianToJulianDay_data() { addKnownDates(); }
    void gregorianToJulianDay();
    void julianDayToGregorian_data() { addKnownDates(); }
    void julianDayToGregorian();
    void julianDayToHijri_data() { addKnownDates(); }
    void julianDayToHijri();
    void hijriToJulianDay_data() { addKnownDates(); }
    void hijriToJulianDay();
    void weekDayOf_data() { addKnownDates(); }
    void weekDayOf();

    void correctedWeekDay_data();
    void correctedWeekDay();
    void hijriMonthLengths_data();
    void hijriMonthLengths();
    void leapYears_data();
    void leapYears();
    void shiftGregDate_data();
    void shiftGregDate();

    void everyDayRoundTripsInOrder();
    void agreesWithQtCalendars();
};

void TestConversion::gregorianToJulianDay()
{
    QFETCH(Ymd, western);
    QFETCH(int, jd);
    QCOMPARE(GregorianToJulianDay(western.year, western.month, western.day), jd);
}

void TestConversion::julianDayToGregorian()
{
    QFETCH(int, jd);
    QFETCH(Ymd, western);
    COMPARE_YMD(JulianDayToGregorian(jd), western);
}

void TestConversion::julianDayToHijri()
{
    QFETCH(int, jd);
    QFETCH(Ymd, hijri);
    COMPARE_YMD(JulianDayToHijri(jd), hijri);
}

void TestConversion::hijriToJulianDay()
{
    QFETCH(Ymd, hijri);
    QFETCH(int, jd);
    QCOMPARE(HijriToJulianDay(hijri.year, hijri.month, hijri.day), jd);
}

void TestConversion::weekDayOf()
{
    QFETCH(int, jd);
    QFETCH(int, weekDay);
    QCOMPARE(WeekDayOf(jd), weekDay);
}

void TestConversion::correctedWeekDay_data()
{
    QTest::addColumn<int>("correction");
    QTest::addColumn<int>("weekDay");
    QTest::newRow("none: Friday") << 0 << 6;
    QTest::newRow("+1: Saturday") << 1 << 7;
    QTest::newRow("+2 wraps to Sunday") << 2 << 1;
    QTest::newRow("-1: Thursday") << -1 << 5;
    QTest::newRow("-6: Saturday") << -6 << 7;
    QTest::newRow("a whole week changes nothing") << 7 << 6;
    QTest::newRow("the most negative 16-bit correction") << -32768 << 5;
}

// The correction moves the weekday of 1 Muharram 1 AH; the date is untouched.
void TestConversion::correctedWeekDay()
{
    QFETCH(int, correction);
    QFETCH(int, weekDay);
    QCOMPARE(CorrectedWeekDay(kFirstJulianDay, correction), weekDay);
}

void TestConversion::hijriMonthLengths_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("length");
    QTest::newRow("Muharram 1447") << 1447 << 1 << 30;
    QTest::newRow("Safar 1447") << 1447 << 2 << 29;
    QTest::newRow("Ramadhan 990 (holds the reform)") << 990 << 9 << 30;
    QTest::newRow("Dhul-Hijjah of cycle year 2") << 2 << 12 << 30;
    QTest::newRow("Dhul-Hijjah of cycle year 3") << 3 << 12 << 29;
    QTest::newRow("Dhul-Hijjah of cycle year 29") << 29 << 12 << 30;
    QTest::newRow("Dhul-Hijjah of cycle year 30") << 30 << 12 << 29;
    QTest::newRow("Dhul-Hijjah 1446 (cycle year 6)") << 1446 << 12 << 29;
    QTest::newRow("Dhul-Hijjah 1447 (cycle year 7)") << 1447 << 12 << 30;
}

void TestConversion::hijriMonthLengths()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, length);
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    QCOMPARE(HijriToJulianDay(nextYear, nextMonth, 1) - HijriToJulianDay(year, month, 1), length);
    // Day 30 of a 29-day month is the 1st of the next month.
    if (length == 29)
        QCOMPARE(HijriToJulianDay(year, month, 30), HijriToJulianDay(nextYear, nextMonth, 1));
}

void TestConversion::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1500, Julian rule") << 1500 << true;
    QTest::newRow("1582, not divisible by 4") << 1582 << false;
    QTest::newRow("1600, divisible by 400") << 1600 << true;
    QTest::newRow("1700, century") << 1700 << false;
    QTest::newRow("1900, century") << 1900 << false;
    QTest::newRow("2000, divisible by 400") << 2000 << true;
    QTest::newRow("2024") << 2024 << true;
    QTest::newRow("20800, divisible by 400") << 20800 << true;
}

void TestConversion::leapYears()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(IsLeapYear(year), leap);
}

void TestConversion::shiftGregDate_data()
{
    QTest::addColumn<Ymd>("from");
    QTest::addColumn<int>("daysBack");
    QTest::addColumn<Ymd>("to");
    QTest::newRow("forward over 28 Feb 1900 (common)") << Ymd{1900, 2, 28} << -1 << Ymd{1900, 3, 1};
    QTest::newRow("forward to 29 Feb 2000 (leap)") << Ymd{2000, 2, 28} << -1 << Ymd{2000, 2, 29};
    QTest::newRow("forward over the reform") << Ymd{1582, 10, 4} << -1 << Ymd{1582, 10, 15};
    QTest::newRow("back over the reform") << Ymd{1582, 10, 15} << 1 << Ymd{1582, 10, 4};
    QTest::newRow("back over the year end") << Ymd{2000, 1, 1} << 1 << Ymd{1999, 12, 31};
    QTest::newRow("forward 29 days over a month end")
        << Ymd{2007, 1, 20} << -29 << Ymd{2007, 2, 18};
    QTest::newRow("no move") << Ymd{2007, 1, 2} << 0 << Ymd{2007, 1, 2};
    QTest::newRow("forward 3 days") << Ymd{2007, 1, 2} << -3 << Ymd{2007, 1, 5};
}

void TestConversion::shiftGregDate()
{
    QFETCH(Ymd, from);
    QFETCH(int, daysBack);
    QFETCH(Ymd, to);
    DateState state;
    state.CurrentGregYear = qint16(from.year);
    state.CurrentGregMonth = qint16(from.month);
    state.CurrentGregDay = qint16(from.day);
    state.CurrentHijriDay = 12;
    ShiftGregDate(state, qint16(daysBack));
    COMPARE_YMD(state.currentGregorian(), to);
    QCOMPARE(state.CurrentHijriDay, qint16(12));
}

// Every day of the range: both calendars go to the JD and back unchanged, and
// consecutive JDs are consecutive dates in both calendars.
void TestConversion::everyDayRoundTripsInOrder()
{
    Ymd western{622, 7, 16};
    Ymd previousHijri{0, 12, 30};
    for (qint32 jd = kFirstJulianDay; jd <= kLastJulianDay; ++jd) {
        const Ymd w = JulianDayToGregorian(jd);
        const Ymd h = JulianDayToHijri(jd);
        if (!sameDay(w, western))
            QFAIL(qPrintable(
                QStringLiteral("JD %1 gives %2, expected %3").arg(jd).arg(show(w), show(western))));
        if (!followsInHijri(previousHijri, h))
            QFAIL(qPrintable(QStringLiteral("JD %1: Hijri %2 after %3")
                                 .arg(jd)
                                 .arg(show(h), show(previousHijri))));
        if (GregorianToJulianDay(w.year, w.month, w.day) != jd ||
            HijriToJulianDay(h.year, h.month, h.day) != jd)
            QFAIL(qPrintable(QStringLiteral("JD %1 does not round-trip").arg(jd)));
        western = nextWesternDay(w);
        previousHijri = h;
    }
    COMPARE_YMD(previousHijri, (Ymd{20874, 5, 30}));
}

// Qt's own Julian, Gregorian and Islamic civil calendars are an independent
// implementation of the same rules; they must agree on every 13th day.
void TestConversion::agreesWithQtCalendars()
{
    const QCalendar julian(QCalendar::System::Julian);
    const QCalendar gregorian(QCalendar::System::Gregorian);
    const QCalendar islamic(QCalendar::System::IslamicCivil);
    QVERIFY(islamic.isValid());
    for (qint32 jd = kFirstJulianDay; jd <= kLastJulianDay; jd += 13) {
        const QDate date = QDate::fromJulianDay(jd);
        const QCalendar::YearMonthDay w =
            (jd < kReformJulianDay ? julian : gregorian).partsFromDate(date);
        const QCalendar::YearMonthDay h = islamic.partsFromDate(date);
        const Ymd ours = JulianDayToGregorian(jd);
        const Ymd ourHijri = JulianDayToHijri(jd);
        if (w.year != ours.year || w.month != ours.month || w.day != ours.day ||
            h.year != ourHijri.year || h.month != ourHijri.month || h.day != ourHijri.day)
            QFAIL(qPrintable(
                QStringLiteral("JD %1: ours %2 / %3").arg(jd).arg(show(ours), show(ourHijri))));
        if (WeekDayOf(jd) != date.dayOfWeek() % 7 + 1)
            QFAIL(qPrintable(QStringLiteral("JD %1: weekday differs").arg(jd)));
    }
}

QTEST_APPLESS_MAIN(TestConversion)
#include "tst_conversion.moc"
