// The Umm al-Qura calendar against ICU's islamic-umalqura, an independent implementation: every
// day of the table both ways, known month starts beside the arithmetical calendar's (which
// tst_conversion walks against Qt), the seams of the table, and the stored setting.

#include "core/calendar/hijricalendar.h"

#include <QtTest>

#include <unicode/ucal.h>

#include <tuple>

using namespace qarnivo;

namespace {

// ICU's Hijri date of a Julian Day.
class IcuCalendar {
public:
    explicit IcuCalendar(const char *locale)
    {
        UErrorCode status = U_ZERO_ERROR;
        m_calendar = ucal_open(u"UTC", -1, locale, UCAL_DEFAULT, &status);
        if (U_FAILURE(status))
            qFatal("ICU: %s", u_errorName(status));
    }
    ~IcuCalendar() { ucal_close(m_calendar); }
    IcuCalendar(const IcuCalendar &) = delete;
    IcuCalendar &operator=(const IcuCalendar &) = delete;

    Ymd hijriOf(qint32 julianDay)
    {
        UErrorCode status = U_ZERO_ERROR;
        ucal_clear(m_calendar);
        ucal_set(m_calendar, UCAL_JULIAN_DAY, julianDay);
        const Ymd date{ucal_get(m_calendar, UCAL_EXTENDED_YEAR, &status),
                       ucal_get(m_calendar, UCAL_MONTH, &status) + 1,
                       ucal_get(m_calendar, UCAL_DATE, &status)};
        return U_SUCCESS(status) ? date : Ymd{};
    }

private:
    UCalendar *m_calendar = nullptr;
};

QString text(const Ymd &date)
{
    return QStringLiteral("%1-%2-%3").arg(date.year).arg(date.month).arg(date.day);
}

} // namespace

class TestUmmAlQura : public QObject {
    Q_OBJECT
private slots:
    void everyDayOfTheTable()
    {
        IcuCalendar icu("en@calendar=islamic-umalqura");
        const qint32 first = HijriToJulianDayIn(CalendarKind::UmmAlQura, 1300, 1, 1);
        const qint32 end = HijriToJulianDayIn(CalendarKind::UmmAlQura, 1600, 12, 1) + 29;
        int days = 0;
        for (qint32 day = first; day < end; ++day, ++days) {
            const Ymd ours = JulianDayToHijriIn(CalendarKind::UmmAlQura, day);
            const Ymd theirs = icu.hijriOf(day);
            if (ours.year != theirs.year || ours.month != theirs.month || ours.day != theirs.day)
                QFAIL(qPrintable(
                    QStringLiteral("JD %1: %2, ICU %3").arg(day).arg(text(ours), text(theirs))));
            if (HijriToJulianDayIn(CalendarKind::UmmAlQura, ours.year, ours.month, ours.day) != day)
                QFAIL(qPrintable(
                    QStringLiteral("JD %1 does not come back from %2").arg(day).arg(text(ours))));
        }
        QVERIFY(days > 106000); // 301 years
    }

    void knownDates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QDate>("ummAlQura");
        QTest::addColumn<QDate>("tabular");
        // Umm al-Qura month starts as announced in Saudi Arabia, and the arithmetical
        // calendar's, which differ by a day now and then.
        QTest::newRow("1 Ramadhan 1445") << 1445 << 9 << QDate(2024, 3, 11) << QDate(2024, 3, 11);
        QTest::newRow("1 Muharram 1447") << 1447 << 1 << QDate(2025, 6, 26) << QDate(2025, 6, 27);
        QTest::newRow("1 Shawwal 1444") << 1444 << 10 << QDate(2023, 4, 21) << QDate(2023, 4, 22);
    }

    void knownDates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QDate, ummAlQura);
        QFETCH(QDate, tabular);
        QCOMPARE(HijriToJulianDayIn(CalendarKind::UmmAlQura, year, month, 1),
                 ummAlQura.toJulianDay());
        QCOMPARE(HijriToJulianDayIn(CalendarKind::Tabular, year, month, 1), tabular.toJulianDay());
        // The calendar object: the month's Western days and its dates both ways, with a
        // correction of one day that pairs every Hijri date with the next Western day.
        for (const auto &[kind, calendarFirst] : {std::pair{CalendarKind::UmmAlQura, ummAlQura},
                                                  std::pair{CalendarKind::Tabular, tabular}}) {
            const QDate first = calendarFirst.addDays(1);
            const HijriCalendar calendar(kind, 1);
            const MonthLayout layout = calendar.month(year, month);
            QCOMPARE(layout.firstDay, first.toJulianDay());
            QCOMPARE(text(calendar.hijriOf(first)), text({year, month, 1}));
            QCOMPARE(text(calendar.hijriOf(first.addDays(-1))).section(u'-', 1, 1),
                     QString::number(month == 1 ? 12 : month - 1));
            const QDate last = QDate::fromJulianDay(layout.followingDay - 1);
            QCOMPARE(text(calendar.hijriOf(last)), text({year, month, layout.monthDays}));
            QVERIFY(layout.monthDays == 29 || layout.monthDays == 30);
            QCOMPARE(calendar.julianDayOf({year, month, layout.monthDays}), last.toJulianDay());
            const int weekDay = first.dayOfWeek() % 7 + 1; // Sunday = 1
            QCOMPARE(calendar.weekDayOf({year, month, 1}), weekDay);
            QCOMPARE(layout.firstWeekDay, weekDay);
            QCOMPARE(layout.days[0][layout.firstWeekDay - 1], 1);
        }
    }

    void outsideTheTable()
    {
        for (const int year : {1, 1299, 1601, 9666}) {
            QVERIFY(OutsideUmmAlQuraTable(CalendarKind::UmmAlQura, year));
            QVERIFY(HijriCalendar(CalendarKind::UmmAlQura).outsideTable(year));
            QVERIFY(!HijriCalendar(CalendarKind::Tabular).outsideTable(year));
            QCOMPARE(HijriToJulianDayIn(CalendarKind::UmmAlQura, year, 5, 10),
                     HijriToJulianDay(year, 5, 10));
        }
        QVERIFY(!OutsideUmmAlQuraTable(CalendarKind::UmmAlQura, 1300));
        QVERIFY(!OutsideUmmAlQuraTable(CalendarKind::UmmAlQura, 1600));
        QVERIFY(!HijriCalendar(CalendarKind::UmmAlQura).outsideTable(1300));
        QVERIFY(!OutsideUmmAlQuraTable(CalendarKind::Tabular, 1));
        // Every day across both seams has one Hijri date, and the dates run on.
        for (const qint32 seam : {HijriToJulianDayIn(CalendarKind::UmmAlQura, 1300, 1, 1),
                                  HijriToJulianDayIn(CalendarKind::UmmAlQura, 1600, 12, 29)}) {
            Ymd previous = JulianDayToHijriIn(CalendarKind::UmmAlQura, seam - 40);
            for (qint32 day = seam - 39; day < seam + 40; ++day) {
                const Ymd now = JulianDayToHijriIn(CalendarKind::UmmAlQura, day);
                const bool later = std::tie(now.year, now.month, now.day) >
                                   std::tie(previous.year, previous.month, previous.day);
                QVERIFY2(later, qPrintable(QStringLiteral("JD %1: %2 after %3")
                                               .arg(day)
                                               .arg(text(now), text(previous))));
                previous = now;
            }
        }
    }

    void setting()
    {
        QCOMPARE(CalendarFromSetting(QStringLiteral("UmmAlQura")), CalendarKind::UmmAlQura);
        QCOMPARE(CalendarFromSetting(QStringLiteral("Tabular")), CalendarKind::Tabular);
        QCOMPARE(CalendarFromSetting(QStringLiteral("ummalqura")), std::nullopt);
        QCOMPARE(CalendarFromSetting(QString()), std::nullopt);
        QCOMPARE(CalendarSettingText(CalendarKind::UmmAlQura), QStringLiteral("UmmAlQura"));
        QCOMPARE(CalendarSettingText(CalendarKind::Tabular), QStringLiteral("Tabular"));
    }
};

QTEST_APPLESS_MAIN(TestUmmAlQura)
#include "tst_ummalqura.moc"
