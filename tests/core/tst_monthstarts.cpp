// Announced month starts: every day of many years with months moved both ways, the changes a
// user makes and their refusals, the sharing file, and the impossible 30th.

#include "core/calendar/checks.h"
#include "core/calendar/datestate.h"
#include "core/calendar/monthstartedit.h"
#include "core/readings/occasionexport.h"
#include "testsupport.h"

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(Ymd)
Q_DECLARE_METATYPE(qarnivo::CalendarKind)

namespace {

// The arithmetical calendar's 1sts used below (ICU islamic-civil agrees):
// 1 Ramadhan 1447 = 18 February 2026, 1 Shawwal = 20 March, 1 Dhul-aquada = 18 April,
// 1 Shawwal 1600 = 29 August 2174; Safar 1446 runs from 7 August to 4 September 2024.

StartsChange change(const HijriCalendar &calendar, const QString &action)
{
    const QString verb = action.section(u':', 0, 0);
    const QString what = action.section(u':', 1);
    const int year = what.left(4).toInt();
    const int month = what.mid(5, 2).toInt();
    if (verb == "add")
        return WithAnnouncedStart(calendar, *ReadAnnouncedStart(what));
    if (verb == "remove")
        return WithoutAnnouncedStart(calendar, year, month);
    if (verb == "earlier" || verb == "later")
        return WithMonthMoved(calendar, year, month, verb == "earlier" ? -1 : 1);
    return WithImportedStarts(calendar, what);
}

// Occasions of `year` that fall in an announced month, as "UID day|start" lines.
QStringList announcedOccasions(const HijriCalendar &calendar, int year)
{
    NameTables names;
    LoadMonthNames(names);
    LoadWeekDayNames(names);
    const QStringList lines =
        QString::fromUtf8(OccasionCalendar(year, calendar, names, QDateTime())).split("\r\n");
    QStringList found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith("UID:"))
            continue;
        const int month = lines[i].mid(9, 2).toInt();
        const int day = lines[i].mid(12, 2).toInt();
        if (calendar.sourceOf(year, month) == HijriSource::Announced)
            found << QStringLiteral("%1|%2")
                         .arg(calendar.firstDayOf(year, month) + day - 1)
                         .arg(QDate::fromString(lines[i + 2].right(8), "yyyyMMdd").toJulianDay());
    }
    return found;
}

} // namespace

class TestMonthStarts : public QObject {
    Q_OBJECT
private slots:
    // Months of 1356-1500 AH announced up to two days from the calendar either way, where the
    // calendar takes them; then every day converts both ways within months of 29 or 30 days.
    void everyDayFollowsTheAnnouncements_data()
    {
        columns<CalendarKind, int>({"kind", "correction"});
        row("arithmetical", CalendarKind::Tabular, 0);
        row("Umm al-Qura, corrected", CalendarKind::UmmAlQura, 1);
    }
    void everyDayFollowsTheAnnouncements()
    {
        const auto [kind, correction] = fetch<CalendarKind, int>("kind", "correction");
        HijriCalendar calendar(kind, correction);
        int earlier = 0;
        int later = 0;
        for (int year = 1356; year <= 1500; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const int moved = (year * 7 + month) % 5 - 2;
                const StartsChange taken = WithAnnouncedStart(
                    calendar,
                    {year, month, CalendarFirstDay(kind, correction, year, month) + moved});
                if (taken.refused() || moved == 0)
                    continue;
                calendar = HijriCalendar(kind, correction, taken.starts);
                (moved < 0 ? earlier : later) += 1;
            }
        }
        QVERIFY2(earlier > 100 && later > 100,
                 qPrintable(QString("%1 %2").arg(earlier).arg(later)));
        QVERIFY(calendar.setAside().empty());
        Ymd previous = calendar.hijriOf(calendar.firstDayOf(1356, 1) - 1);
        for (qint32 day = calendar.firstDayOf(1356, 1); day < calendar.firstDayOf(1501, 1); ++day) {
            const Ymd hijri = calendar.hijriOf(day);
            QCOMPARE(calendar.julianDayOf(hijri), day);
            const int length = calendar.monthDays(hijri.year, hijri.month);
            QVERIFY(length == 29 || length == 30);
            QVERIFY(hijri.day >= 1 && hijri.day <= length);
            QVERIFY(hijri.day == previous.day + 1 || (hijri.day == 1 && previous.day >= 29));
            previous = hijri;
        }
        for (const AnnouncedStart &start : calendar.announced().entries()) {
            const Ymd first = calendar.hijriOf(start.firstDay);
            QCOMPARE(QList<int>({first.year, first.month, first.day}),
                     QList<int>({start.year, start.month, 1}));
        }
        for (int year = 1356; year <= 1500; year += 12) {
            for (const QString &occasion : announcedOccasions(calendar, year))
                QCOMPARE(occasion.section(u'|', 1), occasion.section(u'|', 0, 0));
        }
    }

    // The stored announcements before, the change asked for, what a refusal says (empty when
    // the change is taken), and the stored text after; a refusal keeps what was there.
    void changes_data()
    {
        columns<QString, QString, QString, QString>({"before", "action", "refusal", "after"});
        row("a day later", "", "add:1447-09=2026-02-19", "", "1447-09=2026-02-19");
        row("3 days off", "", "add:1447-09=2026-02-21",
            "1 Ramadhan 1447 = 21 February 2026 is 3 days after the calendar's 1st of that "
            "month, 18 February 2026",
            "");
        row("the month before made 28 days", "", "add:1447-09=2026-02-17",
            "Sha'aban 1447 would have 28 days", "");
        row("a neighbour made 28 days", "1447-10=2026-03-19", "add:1447-11=2026-04-16",
            "With 1 Dhul-aquada 1447 = 16 April 2026, Shawwal 1447 would have 28 days; a month "
            "has 29 or 30.",
            "1447-10=2026-03-19");
        row("a neighbour made 31 days", "1447-10=2026-03-19", "add:1447-11=2026-04-19",
            "Shawwal 1447 would have 31 days", "1447-10=2026-03-19");
        row("a month far ahead", "", "add:1600-10=2174-08-28", "", "1600-10=2174-08-28");
        row("withdrawn", "1447-10=2026-03-19", "remove:1447-10", "", "");
        row("a day earlier", "", "earlier:1447-10", "", "1447-10=2026-03-19");
        row("a day later again is the calendar's", "1447-10=2026-03-19", "later:1447-10", "", "");
        row("a file merges", "1447-10=2026-03-19", "file:# council\n\n1447-09 2026-02-18\n", "",
            "1447-09=2026-02-18 1447-10=2026-03-19");
        row("a file replaces its months", "1447-10=2026-03-19", "file:1447-10 2026-03-20 # ok", "",
            "1447-10=2026-03-20");
        row("a bad line", "1447-10=2026-03-19",
            "file:1447-09 2026-02-18\n# moon seen\n1447-11 2026-02-30\n",
            "Line 3 of the file: 2026-02-30 is no date.", "1447-10=2026-03-19");
        row("a month twice", "", "file:1447-10 2026-03-19\r\n1447-10 2026-03-20\r\n",
            "Line 2 of the file: Shawwal 1447 is already on line 1.", "");
        row("a line of the wrong form", "", "file:1447-09=2026-02-18",
            "Line 1 of the file: write the Hijri month", "");
        row("a file the calendar refuses", "", "file:1447-09 2026-02-21", "is 3 days after", "");
    }
    void changes()
    {
        const auto [before, action, refusal, after] =
            fetch<QString, QString, QString, QString>("before", "action", "refusal", "after");
        const HijriCalendar calendar(CalendarKind::Tabular, 0, MonthStartsFromSetting(before));
        QVERIFY(calendar.setAside().empty());
        const StartsChange changed = change(calendar, action);
        QVERIFY2(changed.refusal.contains(refusal) && changed.refused() == !refusal.isEmpty(),
                 qPrintable(changed.refusal));
        QCOMPARE(MonthStartsSettingText(changed.starts), after);
        if (changed.refused())
            return;
        // Taken changes survive the sharing file and the store.
        QCOMPARE(MonthStartsSettingText(ReadSharingFile(SharingFileText(changed.starts)).starts),
                 after);
        QCOMPARE(
            MonthStartsSettingText(MonthStartsFromSetting(MonthStartsSettingText(changed.starts))),
            after);
    }

    // 1 Shawwal 1447 announced on 19 March 2026, the arithmetical calendar's day before: a
    // later correction or calendar keeps it stored and applies it, or sets it aside and says why.
    void setAside_data()
    {
        columns<CalendarKind, int, QString>({"kind", "correction", "reason"});
        row("the calendar it was made for", CalendarKind::Tabular, 0, "");
        row("a correction of -1", CalendarKind::Tabular, -1, "");
        row("a correction of 2", CalendarKind::Tabular, 2,
            "1 Shawwal 1447 = 19 March 2026 is 3 days before the calendar's 1st of that month, "
            "22 March 2026");
        row("Umm al-Qura", CalendarKind::UmmAlQura, 0, "");
    }
    void setAside()
    {
        const auto [kind, correction, reason] =
            fetch<CalendarKind, int, QString>("kind", "correction", "reason");
        const MonthStarts stored = MonthStartsFromSetting("1447-10=2026-03-19");
        const HijriCalendar calendar(kind, correction, stored);
        QVERIFY(calendar.announced() == stored);
        const qint32 announced = QDate(2026, 3, 19).toJulianDay();
        const Ymd hijri = calendar.hijriOf(announced);
        QCOMPARE(hijri.month == 10 && hijri.day == 1, reason.isEmpty());
        QCOMPARE(calendar.sourceOf(1447, 10) == HijriSource::Announced, reason.isEmpty());
        QCOMPARE(calendar.setAside().size(), size_t(reason.isEmpty() ? 0 : 1));
        // The editor's line and the grid's tooltip.
        const QString line = AnnouncedStartLines(calendar).value(0);
        QVERIFY2(line.startsWith("1 Shawwal 1447 = 19 March 2026"), qPrintable(line));
        QCOMPARE(line.contains(" (set aside: " + reason), !reason.isEmpty());
        QCOMPARE(AnnouncedMarkTip(announced), "Begun by announcement on 19 March 2026");
        if (!reason.isEmpty())
            QVERIFY2(calendar.setAside().front().reason.contains(reason),
                     qPrintable(calendar.setAside().front().reason));
    }

    // The 30th of a 29-day month does not exist; a month step brings a 30th down to the 29th.
    void impossibleThirtieth_data()
    {
        columns<QString, Ymd, QString>({"announced", "date", "refusal"});
        row("Safar 1446 has 29 days", QString(), Ymd{1446, 2, 30},
            "Invalid date, Safar 1446 has 29 days");
        row("Muharram 1446 has 30", QString(), Ymd{1446, 1, 30}, QString());
        row("a later Rabi-ul-Awwal makes Safar 30 days long", "1446-03=2024-09-06",
            Ymd{1446, 2, 30}, QString());
    }
    void impossibleThirtieth()
    {
        const auto [announced, date, refusal] =
            fetch<QString, Ymd, QString>("announced", "date", "refusal");
        const HijriCalendar calendar(CalendarKind::Tabular, 0, MonthStartsFromSetting(announced));
        const std::optional<Refusal> refused = CheckHijriDay(calendar, date);
        QCOMPARE(refused ? refused->text : QString(), refusal);
        DateState state;
        state.CurrentHijriDay = 30;
        ShowHijriMonth(state, calendar, date.month, date.year);
        QCOMPARE(int(state.CurrentHijriDay), refusal.isEmpty() ? 30 : 29);
    }
};

QTEST_GUILESS_MAIN(TestMonthStarts)
#include "tst_monthstarts.moc"
