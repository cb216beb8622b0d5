// The calendar core: the weekday rules, the day shift, a walk over every
// day of the range against Qt, the name tables, the month view; and the checks of a typed date:
// the number read, its rounding, the order of the checks and each refusal's words and icon.

#include "core/calendar/checks.h"
#include "core/calendar/datestate.h"
#include "core/calendar/daystep.h"
#include "core/calendar/leadingnumber.h"
#include "core/calendar/monthview.h"
#include "core/calendar/names.h"
#include "core/calendar/sunsetday.h"
#include "core/readings/occasions.h"
#include "testsupport.h"

#include <QCalendar>
#include <climits>
#include <cmath>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(Ymd)
Q_DECLARE_METATYPE(qarnivo::MsgIcon)
Q_DECLARE_METATYPE(qarnivo::DayStep)

namespace {

QString show(const Ymd &d)
{
    return QStringLiteral("%1-%2-%3").arg(d.year).arg(d.month).arg(d.day);
}

const QString kWesternYear =
    QStringLiteral("The Year Value must be between 622 AD & 20874 AD i.e.\r\n"
                   "from 1st Muharram 1 Hijri to 30.05.20874 AH/AD");
const QString kBeforeEra =
    QStringLiteral("Invalid Date. Dates prior to 16th July 622 AD (i.e. Before Hijri Era)\r\n"
                   "might yield erroneous by this program.");
const QString kBeyondWestern =
    QStringLiteral("Invalid Date. Dates beyond 30th May 20874 AD shall\r\n"
                   "might yield erroneous by this program.");
const QString kLeapFebruary = QStringLiteral("INVALID DATE, DAY VALUE SHOULD BE UPTO 29");
const QString kCommonFebruary = QStringLiteral("Invalid date, Day value should be upto 28");
const QString kThirtyDays = QStringLiteral("Invalid date, Day value should be upto 30");
const QString kReform =
    QStringLiteral("Invalid Date. Dates between 5th October 1582 & 14th October 1582\r\n"
                   "are not valid due to adustment of in between 10 days to make the\r\n"
                   "Gregorian at par with Julian Calendar.");
const QString kHijriYear = QStringLiteral("The Year Value must be between 1 AH & 20874 AH");
const QString kBeyondHijri =
    QStringLiteral("Invalid Date. Dates beyond to 30th Jumadil-Awwal 20874 AH\r\n"
                   "might yield erroneous by this program.");

// The typed date; the refusal (empty: accepted), its icon, whether it empties the year box; the
// year the date is taken in.
void dateColumns()
{
    columns<QString, int, int, QString, MsgIcon, bool, int>(
        {"year", "month", "day", "message", "icon", "emptiesYear", "checkedYear"});
}

void accepted(const char *name, const QString &year, int month, int day, int checkedYear)
{
    row(name, year, month, day, QString(), MsgIcon::None, false, checkedYear);
}

void refused(const char *name, const QString &year, int month, int day, const QString &message,
             MsgIcon icon = MsgIcon::Exclamation, bool emptiesYear = false)
{
    row(name, year, month, day, message, icon, emptiesYear, 0);
}

void verifyDate(CheckedDate (*check)(const QString &, int, int))
{
    const auto [year, month, day, message, icon, emptiesYear, checkedYear] =
        fetch<QString, int, int, QString, MsgIcon, bool, int>("year", "month", "day", "message",
                                                              "icon", "emptiesYear", "checkedYear");
    const CheckedDate checked = check(year, month, day);
    if (message.isEmpty()) {
        QVERIFY2(!checked.refusal, qPrintable(checked.refusal ? checked.refusal->text : ""));
        QCOMPARE(QList<int>({checked.date.year, checked.date.month, checked.date.day}),
                 QList<int>({checkedYear, month, day}));
        return;
    }
    QVERIFY(checked.refusal.has_value());
    QCOMPARE(checked.refusal->text, message);
    QCOMPARE(checked.refusal->icon, icon);
    QCOMPARE(checked.refusal->buttons, MsgButtons::Ok);
    QCOMPARE(checked.refusal->emptiesYearBox, emptiesYear);
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    // The correction moves the weekday of 1 Muharram 1 AH (a Friday); the date is untouched.
    void correctedWeekDay_data()
    {
        columns<int, int>({"correction", "weekDay"});
        row("none: Friday", 0, 6);
        row("+2 wraps to Sunday", 2, 1);
        row("-1: Thursday", -1, 5);
        row("a whole week changes nothing", 7, 6);
        row("the most negative 16-bit correction", -32768, 5);
    }
    void correctedWeekDay()
    {
        const auto [correction, weekDay] = fetch<int, int>("correction", "weekDay");
        QCOMPARE(CorrectedWeekDay(kFirstJulianDay, correction), weekDay);
    }

    void shiftGregDate_data()
    {
        columns<Ymd, int, Ymd>({"from", "daysBack", "to"});
        row("forward over 28 Feb 1900", Ymd{1900, 2, 28}, -1, Ymd{1900, 3, 1});
        row("forward over the reform", Ymd{1582, 10, 4}, -1, Ymd{1582, 10, 15});
        row("back over the reform", Ymd{1582, 10, 15}, 1, Ymd{1582, 10, 4});
        row("back over the year end", Ymd{2000, 1, 1}, 1, Ymd{1999, 12, 31});
    }
    void shiftGregDate()
    {
        const auto [from, daysBack, to] = fetch<Ymd, int, Ymd>("from", "daysBack", "to");
        DateState state;
        state.CurrentGregYear = qint16(from.year);
        state.CurrentGregMonth = qint16(from.month);
        state.CurrentGregDay = qint16(from.day);
        state.CurrentHijriDay = 12;
        ShiftGregDate(state, qint16(daysBack));
        QCOMPARE(show(state.currentGregorian()), show(to));
        QCOMPARE(state.CurrentHijriDay, qint16(12));
    }

    // Every day of the range goes to the JD and back unchanged in both calendars, and agrees
    // with Qt's Julian, Gregorian and Islamic civil calendars, written independently: the known
    // dates of testsupport.h among them.
    void everyDayRoundTripsAndAgreesWithQt()
    {
        const QCalendar julian(QCalendar::System::Julian);
        const QCalendar gregorian(QCalendar::System::Gregorian);
        const QCalendar islamic(QCalendar::System::IslamicCivil);
        const auto theirs = [](const QCalendar &calendar, const QDate &date) {
            const QCalendar::YearMonthDay d = calendar.partsFromDate(date);
            return show({d.year, d.month, d.day});
        };
        for (qint32 jd = kFirstJulianDay; jd <= kLastJulianDay; ++jd) {
            const Ymd w = JulianDayToGregorian(jd);
            const Ymd h = JulianDayToHijri(jd);
            const QDate date = QDate::fromJulianDay(jd);
            const QString ours = show(w) + ' ' + show(h) + ' ' + QString::number(WeekDayOf(jd));
            const QString qt = theirs(jd < kReformJulianDay ? julian : gregorian, date) + ' ' +
                               theirs(islamic, date) + ' ' +
                               QString::number(date.dayOfWeek() % 7 + 1);
            if (ours != qt || GregorianToJulianDay(w.year, w.month, w.day) != jd ||
                HijriToJulianDay(h.year, h.month, h.day) != jd)
                QFAIL(qPrintable(QStringLiteral("JD %1: ours %2, Qt's %3").arg(jd).arg(ours, qt)));
        }
    }

    // The shown texts in the interface language, its digits included; with no
    // translation the English of before, and the English table whatever the language.
    void shownInLanguage_data()
    {
        columns<QString, QString, QString>({"language", "text", "shown"});
        const QStringList texts{"month", "weekday", "date line", "eve", "occasion", "english"};
        const QList<QStringList> shown{{"", "Ramadhan-ul-Mubarak", "Friday",
                                        "1, Ramadhan - 1447 Hijri", "Eve of 1 Ramadhan 1447",
                                        "E'ID-UL-FITRA", "Ramadhan"},
                                       {"ar", "رمضان المبارك", "الجمعة", "١ رمضان ١٤٤٧ هـ",
                                        "ليلة ١ رمضان ١٤٤٧", "عيد الفطر", "Ramadhan"},
                                       {"ur", "رمضان المبارک", "جمعہ", "۱ رمضان ۱۴۴۷ ہجری",
                                        "شبِ ۱ رمضان ۱۴۴۷", "عید الفطر", "Ramadhan"}};
        for (const QStringList &language : shown) {
            for (qsizetype i = 0; i < texts.size(); ++i)
                QTest::addRow("%s %s", qPrintable(language[0]), qPrintable(texts[i]))
                    << language[0] << texts[i] << language[i + 1];
        }
    }
    void shownInLanguage()
    {
        const auto [language, text, shown] =
            fetch<QString, QString, QString>("language", "text", "shown");
        const InLanguage in(language);
        QVERIFY(in.loaded());
        const NameTables names = CalendarNames();
        const QHash<QString, QString> texts{
            {"month", names.HMonthName[9]},
            {"weekday", names.WeekDayName[6]},
            {"date line", HijriDateLine(1, names.HMonthShort[9], 1447)},
            {"eve", EveLine({1447, 9, 1}, names)},
            {"occasion", BuildOccasionTable(1447).at(10, 1)},
            {"english", EnglishNames().HMonthShort[9]}};
        QCOMPARE(texts.value(text), shown);
    }

    // The program's own spellings, blanks and capitals included, as the windows show them.
    void nameTables()
    {
        NameTables names;
        LoadMonthNames(names);
        LoadWeekDayNames(names);
        const auto joined = [](const auto &table) {
            return QStringList(table.begin(), table.end()).join(u'|');
        };
        QCOMPARE(joined(names.HMonthName),
                 "|Muharram-ul-Haraam|Safar-ul-Muzaffar|Rabi-ul-Awwal|Rabi-ul-Aakhir|"
                 "Jamaadil-Awwal|Jamaadil -Aakhir|Rajjab-ul-Marjab|Sha'aban-ul-Moazzam|"
                 "Ramadhan-ul-Mubarak|Shawwal-ul-Mukarram|Dhiquadat-ul-Haraam|Dhul-Hijjah");
        QCOMPARE(joined(names.HMonthShort),
                 "|Muharram|Safar|Rabi-ul-Awwal|Rabi-ul-Aakhir|Jumadil-Awwal|Jumadis -Sani|"
                 "Rajjab|Sha'aban|Ramadhan|Shawwal|Dhul-aquada|Dhul-Hijjah");
        QCOMPARE(joined(names.GMonthName), "|January|February|March|April|May|June|July|August|"
                                           "September|October|November|December");
        QCOMPARE(joined(names.WeekDayName),
                 "|Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday");
        QCOMPARE(joined(names.WeekDayShort), "|SUN|MON|TUE|WED|THU|FRI|SAT");
    }

    // Day d of a month starting on weekday w sits at position w - 1 + d - 1, nothing else is
    // filled, and the ornament's cell (5, 1) stays free.
    void layOutMonth_data()
    {
        columns<int, int, int>({"firstWeekDay", "monthDays", "lastCell"});
        row("Sunday, 29 days: ends in (4, 0)", 1, 29, 28);
        row("Saturday, 30 days: ends in (5, 0)", 7, 30, 35);
    }
    void layOutMonth()
    {
        const auto [first, days, last] =
            fetch<int, int, int>("firstWeekDay", "monthDays", "lastCell");
        const MonthGrid grid = LayOutMonth(first, days);
        QCOMPARE(grid[last / 7][last % 7], days);
        for (int cell = 0; cell < 42; ++cell) {
            const int day = grid[cell / 7][cell % 7];
            QCOMPARE(day, cell >= first - 1 && cell < first - 1 + days ? cell - first + 2 : 0);
        }
        QCOMPARE(grid[5][1], 0);
    }

    void monthViewValues()
    {
        QCOMPARE(HijriDateLine(14, "Jamaadil-Awwal", 1447), "14, Jamaadil-Awwal - 1447 Hijri");
        QCOMPARE(HijriSelectionLine(12, "Dhul-Hijjah", 1427), "12, Dhul-Hijjah, 1427 Hijri");
        QCOMPARE(GregorianDateLine(5, "December", 2025), "5, December - 2025 AD");
        QCOMPARE(GregorianDateLine(16, "July", 622), "16, July - 622 AD");
        const auto month = [](const auto &m) {
            return QStringLiteral("%1/%2").arg(m.month).arg(m.year);
        };
        QCOMPARE(month(NextHijriMonth({12, 1446})), "1/1447");
        QCOMPARE(month(NextHijriMonth({5, 1447})), "6/1447");
        QCOMPARE(month(PreviousHijriMonth({1, 1447})), "12/1446");
        QCOMPARE(month(PreviousHijriMonth({5, 1447})), "4/1447");
        // The view runs from Muharram 1 to the month in which 31 December 9999 falls.
        QVERIFY(InMonthView(1, 1) && !InMonthView(12, 0));
        QVERIFY(InMonthView(3, 9666));  // the next month starts 30 Dec 9999
        QVERIFY(!InMonthView(4, 9666)); // the next month starts in 10000
        QVERIFY(!InMonthView(1, 9667));
    }

    // A keyboard step crosses into the neighbouring month and year, keeps the day of the month
    // within a shorter month, and stops at the ends of the view.
    void steppedDay_data()
    {
        columns<Ymd, DayStep, QString>({"from", "step", "to"});
        row("day within the month", Ymd{1447, 5, 14}, DayStep::DayForward, "1447-5-15");
        row("day back over the 1st", Ymd{1447, 5, 1}, DayStep::DayBack, "1447-4-29");
        row("day over a 30-day month's end", Ymd{1447, 1, 30}, DayStep::DayForward, "1447-2-1");
        row("week into the next year", Ymd{1446, 12, 27}, DayStep::WeekForward, "1447-1-5");
        row("week back into the last month", Ymd{1447, 5, 3}, DayStep::WeekBack, "1447-4-25");
        row("month keeps the day", Ymd{1447, 5, 14}, DayStep::MonthBack, "1447-4-14");
        row("month into a shorter month", Ymd{1447, 1, 30}, DayStep::MonthForward, "1447-2-29");
        row("month into the next year", Ymd{1446, 12, 3}, DayStep::MonthForward, "1447-1-3");
        row("first day, back", Ymd{1, 1, 1}, DayStep::DayBack, "");
        row("first week, back", Ymd{1, 1, 6}, DayStep::WeekBack, "");
        row("first month, back", Ymd{1, 1, 20}, DayStep::MonthBack, "");
        row("last month, forward", Ymd{9666, 3, 2}, DayStep::MonthForward, "");
        row("last day, forward", Ymd{9666, 3, 30}, DayStep::DayForward, "");
    }
    void steppedDay()
    {
        const auto [from, step, to] = fetch<Ymd, DayStep, QString>("from", "step", "to");
        const std::optional<Ymd> reached = SteppedDay(HijriCalendar(), from, step);
        QCOMPARE(reached ? show(*reached) : QString(), to);
    }

    void readLeadingNumber_data()
    {
        columns<QString, double>({"text", "value"});
        row("leading blanks", "   1447", 1447.0);
        row("digits then letters", "2026abc", 2026.0);
        row("stops at an inner blank", "20 26", 20.0);
        row("empty", "", 0.0);
        row("letters before digits", "AD2026", 0.0);
        row("plus sign", "+622", 622.0);
        row("minus sign", "-5", -5.0);
        row("fraction", "622.5", 622.5);
        row("only one point counts", "1.2.3", 1.2);
        row("exponent", "2.0874e4", 20874.0);
        row("upper-case exponent with sign", "6220E-1", 622.0);
        row("exponent without digits is not read", "1447e", 1447.0);
        row("no comma decimals", "622,5", 622.0);
        row("Arabic-Indic digits, as typed in Arabic", QString::fromUtf8("١٤٤٧"), 1447.0);
        row("Extended Arabic-Indic digits, as typed in Urdu", QString::fromUtf8("۱۴۴۷x"), 1447.0);
    }
    void readLeadingNumber()
    {
        const auto [text, value] = fetch<QString, double>("text", "value");
        QCOMPARE(ReadLeadingNumber(text), value);
        // The user's locale never changes how a number is read (German uses a comma).
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const double inGerman = ReadLeadingNumber(text);
        QLocale::setDefault(saved);
        QCOMPARE(inGerman, value);
    }

    // Halves to the even neighbour; beyond int the nearest end; NaN is 0.
    void roundHalfEven_data()
    {
        columns<double, int>({"value", "rounded"});
        row("half to even, down", 622.5, 622);
        row("half to even, up", 623.5, 624);
        row("infinity", double(INFINITY), INT_MAX);
        row("minus infinity", -double(INFINITY), INT_MIN);
        row("NaN", double(NAN), 0);
    }
    void roundHalfEven()
    {
        const auto [value, rounded] = fetch<double, int>("value", "rounded");
        QCOMPARE(RoundHalfEven(value), rounded);
    }

    void shortestNumberText_data()
    {
        columns<QString, QString>({"typed", "text"});
        row("trailing zero dropped", "20.50", "20.5");
        row("whole number has no point", "88.000", "88");
        row("negative zero is 0", "-0.0", "0");
        row("15 significant digits", "1.23456789012345678", "1.23456789012346");
        row("longest in range", "-89.7999999999999", "-89.7999999999999");
    }
    void shortestNumberText()
    {
        const auto [typed, text] = fetch<QString, QString>("typed", "text");
        QCOMPARE(ShortestNumberText(ReadLeadingNumber(typed)), text);
    }

    void gregorianDate_data()
    {
        dateColumns();
        accepted("first day of the era", "622", 7, 16, 622);
        accepted("last day of the range", "20874", 5, 30, 20874);
        accepted("622.5 rounds to 622", "622.5", 7, 16, 622);
        accepted("623.5 rounds to 624", "623.5", 1, 1, 624);
        accepted("29 Feb 1500 (Julian leap year)", "1500", 2, 29, 1500);
        accepted("29 Feb 2000", "2000", 2, 29, 2000);
        accepted("4 Oct 1582", "1582", 10, 4, 1582);
        accepted("15 Oct 1582", "1582", 10, 15, 1582);
        const MsgIcon warn = MsgIcon::Exclamation;
        refused("year 621", "621", 12, 31, kWesternYear, warn, true);
        refused("year 20875", "20875", 1, 1, kWesternYear, warn, true);
        refused("a fraction below 622", "621.9", 7, 16, kWesternYear, warn, true);
        refused("empty year", "", 1, 1, kWesternYear, warn, true);
        refused("1e400", "1e400", 1, 1, kWesternYear, warn, true);
        refused("15 Jul 622", "622", 7, 15, kBeforeEra);
        refused("31 May 20874", "20874", 5, 31, kBeyondWestern);
        refused("30 Feb 2000 (leap)", "2000", 2, 30, kLeapFebruary);
        refused("31 Feb 1500 (Julian leap)", "1500", 2, 31, kLeapFebruary);
        refused("30 Feb 2001 (common)", "2001", 2, 30, kCommonFebruary);
        refused("29 Feb 1900", "1900", 2, 29, kCommonFebruary);
        for (const int month : {4, 6, 9, 11})
            QTest::addRow("31 of month %d", month)
                << "2024" << month << 31 << kThirtyDays << MsgIcon::Exclamation << false << 0;
        refused("5 Oct 1582", "1582", 10, 5, kReform);
        refused("14 Oct 1582", "1582", 10, 14, kReform);
        refused("the era check comes before February", "622", 2, 30, kBeforeEra);
    }
    void gregorianDate() { verifyDate(CheckGregorianInput); }

    void hijriDate_data()
    {
        dateColumns();
        accepted("1 Muharram 1", "1", 1, 1, 1);
        accepted("30 Jumadil-Awwal 20874", "20874", 5, 30, 20874);
        accepted("day 30 of a 29-day month passes", "1447", 2, 30, 1447);
        accepted("1.5 rounds to 2", "1.5", 1, 1, 2);
        refused("year 0", "0", 1, 1, kHijriYear, MsgIcon::None, true);
        refused("year 20875", "20875", 1, 1, kHijriYear, MsgIcon::None, true);
        refused("0.6 is below 1", "0.6", 1, 1, kHijriYear, MsgIcon::None, true);
        refused("1 Jumadis -Sani 20874", "20874", 6, 1, kBeyondHijri);
    }
    void hijriDate() { verifyDate(CheckHijriInput); }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
