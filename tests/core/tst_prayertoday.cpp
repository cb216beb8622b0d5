// Today's prayer times as the clock keeps them: the day recomputed, the next prayer and its
// countdown past Isha, the alerts and reminders a tick owes, polar days and nights, the clock
// arithmetic.

#include "core/calendar/hijricalendar.h"
#include "core/calendar/today.h"
#include "core/prayer/prayertoday.h"
#include "testsupport.h"

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

// Bhubaneswar (the default city), Karachi, Hanafi Asr, on 6 December 2026: Fajr 04:50, sunrise
// 06:09, Dhuhr 11:39, Asr 15:31, Maghrib 17:06, Isha 18:25.
const PrayerPlace kTromso{69.65, 18.96, 1, false};

std::optional<PrayerPlace> placeNamed(const QString &name)
{
    if (name == "Tromso")
        return kTromso;
    std::optional<PrayerPlace> bhubaneswar = PrayerPlaceOfCity(DefaultCity());
    if (name == "Bhubaneswar")
        return bhubaneswar;
    if (name == "Bhubaneswar DST") {
        bhubaneswar->daylightSaving = true;
        return bhubaneswar;
    }
    return std::nullopt;
}

// "Fajr" at a prayer's time, "Fajr-15 04:35" for a reminder 15 minutes before.
QString alertName(const AlertDue &due)
{
    const QString name = PrayerName(due.prayer);
    return due.minutesBefore == 0 ? name
                                  : QString("%1-%2 %3")
                                        .arg(name)
                                        .arg(due.minutesBefore)
                                        .arg(due.at.time().toString("hh:mm"));
}

QDateTime momentOf(const QString &text)
{
    return QDateTime::fromString(text, "yyyy-MM-dd hh:mm:ss");
}

// A model with its signals counted and the prayers it announced by name.
struct Watched {
    PrayerToday today;
    int timesChanged = 0;
    int settingsChanged = 0;
    QStringList due;
    Watched(const QString &place, const QDateTime &now)
    {
        QObject::connect(&today, &PrayerToday::timesChanged, [this] { ++timesChanged; });
        QObject::connect(&today, &PrayerToday::settingsChanged, [this] { ++settingsChanged; });
        QObject::connect(&today, &PrayerToday::alertDue,
                         [this](const AlertDue &alert) { due << alertName(alert); });
        today.setPlace(placeNamed(place));
        today.setNow(now);
        timesChanged = 0; // counted from here on
    }
    QString countdown() const
    {
        const auto next = today.next();
        return next ? CountdownText(*next) : QString();
    }
};

void change(PrayerToday &today, const QString &what)
{
    PrayerSettings egyptian;
    egyptian.method = PrayerMethod::Egyptian;
    if (what == "next second")
        today.setNow(today.now().addSecs(1));
    else if (what.startsWith("clock "))
        today.setNow(momentOf(what.mid(6)));
    else if (what == "same settings")
        today.setSettings(today.settings());
    else if (what == "Egyptian method")
        today.setSettings(egyptian);
    else
        today.setPlace(placeNamed(what));
}

PrayerDay dayWith(std::initializer_list<std::optional<int>> minutes)
{
    PrayerDay day;
    std::copy(minutes.begin(), minutes.end(), day.minutes.begin());
    return day;
}

} // namespace

class TestPrayerToday : public QObject {
    Q_OBJECT
private slots:
    // The day is recomputed, and timesChanged said, exactly when the date, the place or the
    // settings change; the day held is then the engine's for them.
    void recomputes_data()
    {
        columns<QString, QString, int, int>({"change", "place", "timesChanged", "settingsChanged"});
        row("a second later", "next second", "Bhubaneswar", 0, 0);
        row("midnight", "clock 2026-12-07 00:00:00", "Bhubaneswar", 1, 0);
        row("clock set back a day", "clock 2026-12-05 23:00:00", "Bhubaneswar", 1, 0);
        row("new place", "Tromso", "Tromso", 1, 0);
        row("same place", "Bhubaneswar", "Bhubaneswar", 0, 0);
        row("unreadable place", "nowhere", "nowhere", 1, 0);
        row("new settings", "Egyptian method", "Bhubaneswar", 1, 1);
        row("same settings", "same settings", "Bhubaneswar", 0, 0);
    }
    void recomputes()
    {
        const auto [what, place, timesChanged, settingsChanged] =
            fetch<QString, QString, int, int>("change", "place", "timesChanged", "settingsChanged");
        Watched w("Bhubaneswar", momentOf("2026-12-06 23:59:58"));
        change(w.today, what);
        QCOMPARE(w.timesChanged, timesChanged);
        QCOMPARE(w.settingsChanged, settingsChanged);
        const PrayerToday &t = w.today;
        if (const auto where = placeNamed(place)) {
            QCOMPARE(t.day().date, t.now().date());
            QCOMPARE(t.day().minutes, PrayerTimesFor(t.now().date(), *where, t.settings()).minutes);
        } else {
            QVERIFY(!t.hasPlace() && !t.day().date.isValid() && !t.next());
        }
    }

    // The next prayer from a moment of the day: never sunrise, never a prayer whose minute has
    // begun, tomorrow's Fajr (not today's) after Isha, and none where the day has no more.
    void countdown_data()
    {
        columns<QString, QString, QString>({"place", "moment", "countdown"});
        row("morning", "Bhubaneswar", "2026-12-06 09:30:00", "Dhuhr in 2:09:00");
        // Tromso on 10 March: Isha 20:55, Fajr 02:58 that day and 02:52 the next.
        row("after Isha", "Tromso", "2026-03-10 21:00:00", "Fajr (tomorrow) in 5:52:00");
        row("Isha's own minute", "Tromso", "2026-03-10 20:55:00", "Fajr (tomorrow) in 5:57:00");
        row("midnight", "Tromso", "2026-03-11 00:00:00", "Fajr in 2:52:00");
        // Polar night (Fajr 06:11, Dhuhr 11:36, Isha 16:59, no Asr); polar day (no Isha, and no
        // Fajr the next day).
        row("polar night skips the missing Asr", "Tromso", "2026-12-06 12:00:00",
            "Isha in 4:59:00");
        row("polar day after Asr", "Tromso", "2026-06-21 19:00:00", QString());
        row("unreadable place", "nowhere", "2026-12-06 09:30:00", QString());
    }
    void countdown()
    {
        const auto [place, moment, countdown] =
            fetch<QString, QString, QString>("place", "moment", "countdown");
        Watched w(place, momentOf(moment));
        QCOMPARE(w.countdown(), countdown);
    }

    // The alerts announced by a run of ticks ("from..to" ticks every 30 seconds; "place X"
    // moves to another place while running): one for each time whose minute came since the tick
    // before, and for each reminder, once only; none for sunrise's own time or a time the day
    // lacks; none at the first tick, when the clock went back, or when it slept past by more
    // than five minutes. Reminders: Fajr 15, Sunrise 10, Dhuhr 10 minutes before.
    void reminders_data()
    {
        columns<QString, QStringList, QString>({"place", "ticks", "due"});
        row("onto Fajr's minute", "Bhubaneswar",
            QStringList{"2026-12-06 04:49:59", "2026-12-06 04:50:00"}, "Fajr");
        row("within Fajr's minute", "Bhubaneswar",
            QStringList{"2026-12-06 04:50:00", "2026-12-06 04:50:59"}, QString());
        row("the whole day", "Bhubaneswar", QStringList{"2026-12-06 00:00:00..2026-12-06 23:59:59"},
            "Fajr-15 04:35 Fajr Sunrise-10 05:59 Dhuhr-10 11:29 Dhuhr Asr Maghrib Isha");
        row("first tick", "Bhubaneswar", QStringList{"2026-12-06 12:00:00"}, QString());
        row("set back and forth", "Bhubaneswar",
            QStringList{"2026-12-06 11:38:00", "2026-12-06 11:37:00", "2026-12-06 11:39:00"},
            "Dhuhr");
        row("back over a minute already told", "Bhubaneswar",
            QStringList{"2026-12-06 11:38:00", "2026-12-06 11:39:00", "2026-12-06 11:37:00",
                        "2026-12-06 11:39:00"},
            "Dhuhr");
        row("slept past by five minutes", "Bhubaneswar",
            QStringList{"2026-12-06 11:36:00", "2026-12-06 11:44:00"}, "Dhuhr");
        row("slept past by more", "Bhubaneswar",
            QStringList{"2026-12-06 11:36:00", "2026-12-06 11:44:01"}, QString());
        row("a day later", "Bhubaneswar", QStringList{"2026-12-06 04:00:00", "2026-12-07 12:00:00"},
            QString());
        row("daylight saving", "Bhubaneswar DST",
            QStringList{"2026-12-06 11:00:00..2026-12-06 13:00:00"}, "Dhuhr-10 12:29 Dhuhr");
        row("daylight saving switched on after Dhuhr", "Bhubaneswar",
            QStringList{"2026-12-06 11:00:00..2026-12-06 11:45:00", "place Bhubaneswar DST",
                        "2026-12-06 11:45:00..2026-12-06 13:00:00"},
            "Dhuhr-10 11:29 Dhuhr");
        row("daylight saving switched on before the reminder", "Bhubaneswar",
            QStringList{"2026-12-06 11:00:00..2026-12-06 11:20:00", "place Bhubaneswar DST",
                        "2026-12-06 11:20:00..2026-12-06 13:00:00"},
            "Dhuhr-10 12:29 Dhuhr");
        row("polar night", "Tromso", QStringList{"2026-12-06 00:00:00..2026-12-06 23:59:59"},
            "Fajr-15 05:56 Fajr Dhuhr-10 11:26 Dhuhr Isha");
        row("polar day", "Tromso", QStringList{"2026-06-21 00:00:00..2026-06-21 23:59:59"},
            "Dhuhr-10 11:37 Dhuhr Asr");
    }
    void reminders()
    {
        const auto [place, ticks, due] =
            fetch<QString, QStringList, QString>("place", "ticks", "due");
        Watched w(place, momentOf(ticks.first().section("..", 0, 0)));
        w.today.setReminderMinutes({15, 10, 10, 0, 0, 0});
        for (const QString &tick : ticks) {
            if (tick.startsWith("place ")) {
                w.today.setPlace(placeNamed(tick.mid(6)));
                continue;
            }
            const QDateTime from = momentOf(tick.section("..", 0, 0));
            const QDateTime to = tick.contains("..") ? momentOf(tick.section("..", 1)) : from;
            for (QDateTime moment = from; moment <= to; moment = moment.addSecs(30))
                w.today.setNow(moment);
        }
        QCOMPARE(w.due.join(u' '), due);
    }

    // The alerts owed between two clock readings on made-up days (Fajr 05:00, sunrise 06:00,
    // Dhuhr 12:00, Asr 15:00, Maghrib 18:00), the day before's Isha at `isha` minutes: an Isha
    // past midnight is found on the next date, and its reminder before midnight.
    void alertsDue_data()
    {
        columns<int, QString, QString, QString>({"isha", "last", "now", "due"});
        row("Isha past midnight", 1470, "2026-12-07 00:29:00", "2026-12-07 00:30:00",
            "2026-12-06 Isha 2026-12-07 00:30");
        row("its reminder before midnight", 1470, "2026-12-06 23:40:00", "2026-12-06 23:45:00",
            "2026-12-06 Isha-45 2026-12-06 23:45");
        row("Fajr's reminder the evening before", 1200, "2026-12-07 04:14:00",
            "2026-12-07 04:15:00", "2026-12-07 Fajr-45 2026-12-07 04:15");
        row("two in one tick, in order", 1200, "2026-12-06 17:57:00", "2026-12-06 18:00:00",
            "2026-12-06 Maghrib-2 2026-12-06 17:58 2026-12-06 Maghrib 2026-12-06 18:00");
        row("the later end counts, not the earlier", 1200, "2026-12-06 12:00:00",
            "2026-12-06 12:00:30", QString());
        row("the clock back", 1200, "2026-12-06 12:01:00", "2026-12-06 11:59:00", QString());
    }
    void alertsDue()
    {
        const auto [isha, last, now, due] =
            fetch<int, QString, QString, QString>("isha", "last", "now", "due");
        const auto day = [isha](const QDate &date) {
            PrayerDay made = dayWith({300, 360, 720, 900, 1080, isha});
            made.date = date;
            return made;
        };
        const QDate first(2026, 12, 6);
        QStringList found;
        for (const AlertDue &alert : AlertsDue({day(first), day(first.addDays(1))},
                                               {45, 0, 0, 0, 2, 45}, momentOf(last), momentOf(now)))
            found << alert.day.toString(Qt::ISODate) + ' ' +
                         (alert.minutesBefore ? PrayerName(alert.prayer) + '-' +
                                                    QString::number(alert.minutesBefore)
                                              : PrayerName(alert.prayer)) +
                         ' ' + alert.at.toString("yyyy-MM-dd hh:mm");
        QCOMPARE(found.join(u' '), due);
    }

    // The clock arithmetic on a made-up day. At its own minute a prayer has begun; an Isha
    // after midnight still belongs to its day.
    void nextPrayerAndDue_data()
    {
        columns<int, int, QString, QString>({"isha", "second", "next", "language"});
        row("before Fajr", 1260, 4 * 3600, "Fajr in 1:00:00", QString());
        row("Fajr's own minute", 1260, 5 * 3600, "Dhuhr in 7:00:00", QString());
        row("after Isha", 1260, 22 * 3600, "Fajr (tomorrow) in 7:01:00", QString());
        row("Isha after midnight", 1470, 86399, "Isha in 0:30:01", QString());
        row("Arabic, before Fajr", 1260, 4 * 3600, "الفجر بعد ١:٠٠:٠٠", QString("ar"));
        row("Urdu, after Isha", 1260, 22 * 3600, "فجر (کل) ۷:۰۱:۰۰ میں", QString("ur"));
    }
    void nextPrayerAndDue()
    {
        const auto [isha, second, next, language] =
            fetch<int, int, QString, QString>("isha", "second", "next", "language");
        const InLanguage in(language);
        QVERIFY(in.loaded());
        // Fajr 05:00, sunrise 06:00, Dhuhr 12:00, Asr 15:00, Maghrib 18:00.
        const PrayerDay today = dayWith({300, 360, 720, 900, 1080, isha});
        const PrayerDay tomorrow = dayWith({301, 361, 720, 900, 1080, isha});
        const auto found = NextPrayerFrom(today, tomorrow, second);
        QVERIFY(found);
        QCOMPARE(CountdownText(*found), next);
    }

    // The Hijri day from sunset, the clock fed as the window feeds it (the time, then the
    // date's Maghrib). At Bhubaneswar on 6 December 2026 Maghrib is 17:06; 21 November 2025 is
    // 30 Jumadil-Awwal 1447 and 16 June 2026 the last day of 1447.
    void hijriDayFromSunset_data()
    {
        columns<QString, QStringList, bool, QString, QString, int>(
            {"place", "ticks", "sunset", "hijri", "state", "daysTold"});
        const QString maghrib = "2026-12-06 17:06:00";
        row("17:05", "Bhubaneswar", QStringList{"2026-12-06 17:05:59"}, true, "1448-06-25", "civil",
            0);
        row("Maghrib's own minute", "Bhubaneswar", QStringList{maghrib}, true, "1448-06-26", "eve",
            0);
        row("17:07", "Bhubaneswar", QStringList{"2026-12-06 17:05:00", "2026-12-06 17:07:00"}, true,
            "1448-06-26", "eve", 1);
        row("midnight keeps the Hijri day", "Bhubaneswar",
            QStringList{maghrib, "2026-12-07 00:00:00"}, true, "1448-06-26", "civil", 0);
        row("rule off", "Bhubaneswar", QStringList{maghrib}, false, "1448-06-25", "civil", 0);
        row("end of a month", "Bhubaneswar", QStringList{"2025-11-21 19:00:00"}, true, "1447-06-01",
            "eve", 0);
        row("end of a year", "Bhubaneswar", QStringList{"2026-06-16 20:00:00"}, true, "1448-01-01",
            "eve", 0);
        row("polar day: at midnight", "Tromso",
            QStringList{"2026-06-16 23:59:00", "2026-06-17 00:00:00"}, true, "1448-01-01",
            "no Maghrib", 1);
    }
    void hijriDayFromSunset()
    {
        const auto [place, ticks, sunset, hijri, state, daysTold] =
            fetch<QString, QStringList, bool, QString, QString, int>("place", "ticks", "sunset",
                                                                     "hijri", "state", "daysTold");
        Today today;
        today.setDayStartsAtSunset(sunset);
        const auto tick = [&](const QString &moment) {
            const QDateTime now = momentOf(moment);
            today.setNow(now);
            const PrayerDay day = PrayerTimesFor(now.date(), *placeNamed(place), {});
            today.setMaghrib(day.date, day.at(Prayer::Maghrib));
        };
        tick(ticks.first());
        int told = 0; // the days told after the first tick
        QObject::connect(&today, &Today::dayChanged, [&told] { ++told; });
        for (const QString &moment : ticks.mid(1))
            tick(moment);
        const Ymd found = HijriCalendar().hijriOf(today.date());
        QCOMPARE(QDate(found.year, found.month, found.day).toString(Qt::ISODate), hijri);
        const QStringList states{"civil", "eve", "no Maghrib"};
        QCOMPARE(states.at(static_cast<int>(today.sunsetState())), state);
        QCOMPARE(told, daysTold);
    }
};

QTEST_GUILESS_MAIN(TestPrayerToday)
#include "tst_prayertoday.moc"
