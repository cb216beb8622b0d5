// The prayer-time engine: adhan 4.4.6's times for fixed days (tools/prayer compares many more),
// polar days and nights, any latitude and date, the city file's conventions, the stored
// settings, the clock texts, the minute adjustments and daylight saving time.

#include "core/places/place.h"
#include "core/prayer/nighttimes.h"
#include "core/prayer/prayertimes.h"
#include "core/prayer/timetabletext.h"
#include "testsupport.h"

#include <limits>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

using Minutes = QList<int>; // in Prayer order, -1 for none

Minutes minutesOf(const PrayerDay &day)
{
    Minutes out;
    for (const auto &m : day.minutes)
        out << m.value_or(-1);
    return out;
}

PrayerSettings settingsOf(PrayerMethod method, AsrRule asr)
{
    PrayerSettings settings;
    settings.method = method;
    settings.asr = asr;
    return settings;
}

const PrayerPlace kMakkah{21.4225, 39.8262, 3, false};
const PrayerPlace kRaleigh{35.775, -78.6336, -5, true};
const PrayerPlace kTromso{69.65, 18.96, 1, false};

} // namespace

Q_DECLARE_METATYPE(qarnivo::PrayerPlace)
Q_DECLARE_METATYPE(qarnivo::PrayerSettings)
Q_DECLARE_METATYPE(qarnivo::PolarState)

class TestPrayerTimes : public QObject {
    Q_OBJECT
private slots:
    void knownTimes_data()
    {
        columns<PrayerPlace, QDate, PrayerSettings, Minutes, PolarState>(
            {"place", "date", "settings", "want", "polar"});
        const auto st = AsrRule::Standard;
        const auto none = PolarState::None;
        const QDate june(2024, 6, 21);
        const QDate december(2024, 12, 21);
        const auto mwl = settingsOf(PrayerMethod::MuslimWorldLeague, st);
        // From adhan 4.4.6; Raleigh is the example of adhan's own manual (EDT).
        row("Makkah umm-al-qura", kMakkah, june, settingsOf(PrayerMethod::UmmAlQura, st),
            Minutes{251, 339, 743, 943, 1146, 1236}, none);
        row("Raleigh isna hanafi", kRaleigh, QDate(2015, 7, 12),
            settingsOf(PrayerMethod::NorthAmerica, AsrRule::Hanafi),
            Minutes{282, 368, 801, 1102, 1232, 1317}, none);
        // Above 55 degrees: the committee's seventh of the night; Singapore rounds up.
        row("58N moonsighting", PrayerPlace{58, 10, 1}, june,
            settingsOf(PrayerMethod::MoonsightingCommittee, st),
            Minutes{146, 196, 747, 1019, 1290, 1337}, none);
        row("58N singapore, Isha past midnight", PrayerPlace{58, 10, 1}, june,
            settingsOf(PrayerMethod::Singapore, st), Minutes{22, 197, 743, 1020, 1288, 1463}, none);
        row("Tromso equinox", kTromso, QDate(2024, 3, 20), mwl,
            Minutes{102, 342, 712, 880, 1083, 1306}, none);
        // Polar night: dawn and dusk twilight happen, sunrise, sunset and Asr do not (adhan
        // still gives an Asr there), and Isha counted from the missing sunset is none.
        row("Tromso December mwl", kTromso, december, mwl, Minutes{389, -1, 703, -1, -1, 1004},
            PolarState::PolarNight);
        row("Tromso December umm-al-qura", kTromso, december,
            settingsOf(PrayerMethod::UmmAlQura, st), Minutes{383, -1, 702, -1, -1, -1},
            PolarState::PolarNight);
        // Polar day: no night to bound, the Asr shadow is reached.
        row("Tromso June", PrayerPlace{69.65, 18.96, 2}, june, mwl,
            Minutes{-1, -1, 767, 1078, -1, -1}, PolarState::PolarDay);
        // Near the poles the sun circles at one height: no Asr, no twilight.
        row("89N June", PrayerPlace{89, 0, 0}, june, mwl, Minutes{-1, -1, 723, -1, -1, -1},
            PolarState::PolarDay);
        row("south pole December", PrayerPlace{-90, 0, 0}, december, mwl,
            Minutes{-1, -1, 719, -1, -1, -1}, PolarState::PolarDay);
    }
    void knownTimes()
    {
        auto [place, date, settings, want, polar] =
            fetch<PrayerPlace, QDate, PrayerSettings, Minutes, PolarState>(
                "place", "date", "settings", "want", "polar");
        const PrayerDay day = PrayerTimesFor(date, place, settings);
        QCOMPARE(minutesOf(day), want);
        QCOMPARE(day.polar, polar);
    }

    // Every latitude, far dates and every setting: Dhuhr always, times near the day, sunrise and
    // Maghrib missing exactly on polar days and nights; nonsense input gives no times.
    void anyPlaceAnyDate()
    {
        const QDate dates[] = {{1583, 1, 1},   {1583, 6, 21},  {2024, 3, 20},
                               {9999, 12, 31}, {-3000, 6, 21}, {30000, 12, 21}};
        for (int lat = -90; lat <= 90; lat += 5)
            for (const QDate &date : dates)
                for (int m = 0; m < kPrayerMethodCount; ++m)
                    for (int rule = 0; rule < 3; ++rule) {
                        PrayerSettings s = settingsOf(PrayerMethod(m), AsrRule::Hanafi);
                        s.highLatitude = HighLatitudeRule(rule);
                        const PrayerDay day = PrayerTimesFor(date, {double(lat), 97.5, 6.5}, s);
                        QVERIFY(day.at(Prayer::Dhuhr));
                        for (const auto &t : day.minutes)
                            QVERIFY(!t || (*t > -720 && *t < 2880));
                        QCOMPARE(day.polar == PolarState::None,
                                 day.at(Prayer::Sunrise).has_value());
                        QVERIFY(day.polar == PolarState::None || !day.at(Prayer::Maghrib));
                    }
        // Where the sun only just reaches Asr's altitude at noon (found by the fuzzer: Asr
        // was days away), Asr falls between noon and sunset.
        const PrayerDay lowSun =
            PrayerTimesFor(QDate(1820, 11, 28), {68.69, 18.96, 2},
                           settingsOf(PrayerMethod::MuslimWorldLeague, AsrRule::Standard));
        const auto asr = lowSun.at(Prayer::Asr);
        QVERIFY(asr && *asr >= *lowSun.at(Prayer::Dhuhr) && *asr <= *lowSun.at(Prayer::Maghrib));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (const PrayerPlace &bad : {PrayerPlace{91, 0, 0}, PrayerPlace{0, 181, 0},
                                       PrayerPlace{nan, 0, 0}, PrayerPlace{0, 0, nan}})
            QCOMPARE(minutesOf(PrayerTimesFor(QDate(2024, 1, 1), bad, {})), Minutes(6, -1));
        QCOMPARE(minutesOf(PrayerTimesFor(QDate(), kMakkah, {})), Minutes(6, -1));
    }

    void timetable()
    {
        const auto month = PrayerTimetable(2024, 2, kRaleigh, PrayerSettings{});
        QCOMPARE(int(month.size()), 29);
        for (const PrayerDay &day : month)
            QCOMPARE(minutesOf(day), minutesOf(PrayerTimesFor(day.date, kRaleigh, {})));
        QVERIFY(PrayerTimetable(2024, 13, kRaleigh, {}).empty());
    }

    // The CSV's titles follow the interface language; its dates and times stay as programs read
    // them.
    void csvInUrdu()
    {
        const std::vector<PrayerDay> days{PrayerTimesFor(QDate(2024, 3, 11), kMakkah, {})};
        const QByteArray english = TimetableCsv(days);
        const InLanguage in("ur");
        QVERIFY(in.loaded());
        const QList<QByteArray> records = TimetableCsv(days).split('\n');
        QCOMPARE(records[0], QByteArray("تاریخ,ہجری تاریخ,فجر,طلوع آفتاب,ظہر,عصر,مغرب,عشاء\r"));
        QCOMPARE(records[1], english.split('\n')[1]);
    }

    void adjustmentsAndDaylightSaving()
    {
        const PrayerSettings plain = settingsOf(PrayerMethod::Singapore, AsrRule::Standard);
        PrayerSettings adjusted = plain;
        adjusted.adjustments = {-60, 1, -2, 3, 60, -7};
        PrayerPlace summer = kMakkah;
        summer.daylightSaving = true;
        const QDate date(2024, 3, 11);
        const Minutes base = minutesOf(PrayerTimesFor(date, kMakkah, plain));
        const Minutes moved = minutesOf(PrayerTimesFor(date, kMakkah, adjusted));
        const Minutes later = minutesOf(PrayerTimesFor(date, summer, plain));
        for (int i = 0; i < kPrayerCount; ++i) {
            QCOMPARE(moved[i] - base[i], adjusted.adjustments[i]);
            QCOMPARE(later[i] - base[i], 60);
        }
    }

    // The place as "latitude longitude offset daylight", empty for none.
    void cityPlace_data()
    {
        columns<QString, QString>({"city", "place"});
        row("default city", "Bhubaneswar|20.267|-85.85|-5.5", "20.267 85.85 5.5 0");
        row("south east", "Sydney|-33.9|-151.2|-10", "-33.9 151.2 10 0");
        row("the ends", "Edge|-90|180|14", "-90 -180 -14 0");
        row("degree sign", "X|20.27º|0|0", "20.27 0 0 0");
        row("a refused value: no place", "X|north|0|", QString());
    }
    void cityPlace()
    {
        auto [city, want] = fetch<QString, QString>("city", "place");
        const auto p = PrayerPlaceOfCity(cityOf(city.split(u'|')));
        QCOMPARE(p ? QString("%1 %2 %3 %4")
                         .arg(p->latitude)
                         .arg(p->longitude)
                         .arg(p->utcOffset)
                         .arg(p->daylightSaving)
                   : QString(),
                 want);
    }

    // Name|latitude|longitude|offset read by a source's rules: the place's "latitude longitude
    // offset" (west positive, hours to GMT), or the first value refused.
    void readPlace_data()
    {
        columns<QString, QString, QString>({"rules", "texts", "want"});
        row("box: latitude 89.8 inside", "box", "X|89.8|0|0", "89.8 0 0");
        row("box: latitude -89.81 outside", "box", "X|-89.81|0|0", "latitude");
        row("box: offset 11.99 inside", "box", "X|0|0|11.99", "0 0 11.99");
        row("box: offset 12 outside", "box", "X|0|0|12", "offset");
        row("box: no number reads as 0", "box", "X|abc||-", "0 0 0");
        row("box: blanks, sign, trailing text", "box", "X|  +21.42N|-39.83 E|-3h",
            "21.42 -39.83 -3");
        row("box: infinite refused", "box", "X|1e999|0|0", "latitude");
        row("prayer: latitude 90 inside", "prayer", "X|90|0|0", "90 0 0");
        row("prayer: latitude 90.01 outside", "prayer", "X|90.01|0|0", "latitude");
        row("prayer: longitude -180 inside", "prayer", "X|0|-180|0", "0 -180 0");
        row("prayer: longitude 180.5 outside", "prayer", "X|0|180.5|0", "longitude");
        row("prayer: offset -14 inside", "prayer", "X|0|0|-14", "0 0 -14");
        row("prayer: offset 14.01 outside", "prayer", "X|0|0|14.01", "offset");
        row("prayer: blank refused", "prayer", "X|0| |0", "longitude");
        row("prayer: first fault first", "prayer", "X|95||", "latitude");
        row("prayer: infinite refused", "prayer", "X|0|0|1e999", "offset");
        row("command line: east turned west", "cli", "|21.42|39.83|3", "21.42 -39.83 -3");
        row("command line: offset -12 inside", "cli", "|0|0|-12", "0 0 12");
        row("command line: offset -12.01 outside", "cli", "|0|0|-12.01", "offset");
        row("command line: offset 14 inside", "cli", "|0|0|14", "0 0 -14");
        row("command line: offset 14.01 outside", "cli", "|0|0|14.01", "offset");
        row("command line: blanks around, exponent", "cli", "| 20 |1e1|+5.5", "20 -10 -5.5");
        row("command line: trailing text refused", "cli", "|20abc|0|0", "latitude");
        row("command line: comma refused", "cli", "|0|1,5|0", "longitude");
        row("command line: nan refused", "cli", "|nan|0|0", "latitude");
        row("page: out of range kept", "page", "X|95|-200|30", "95 -200 30");
        row("page: infinite kept", "page", "X|1e999|0|0", "inf 0 0");
    }
    void readPlace()
    {
        const auto [rules, texts, want] =
            fetch<QString, QString, QString>("rules", "texts", "want");
        const QMap<QString, PlaceRules> sources{{"box", kCityBoxRules},
                                                {"prayer", kPrayerCityRules},
                                                {"cli", kCommandLineRules},
                                                {"page", kPageCityRules}};
        const PlaceRead read = ReadPlace(cityOf(texts.split(u'|')), sources[rules]);
        static const char *const faults[] = {"", "latitude", "longitude", "offset"};
        QCOMPARE(read.ok() ? QString("%1 %2 %3")
                                 .arg(read.place.latitude)
                                 .arg(read.place.longitude)
                                 .arg(read.place.offsetGMT)
                           : faults[int(read.fault)],
                 want);
        QCOMPARE(read.place.name, texts.section(u'|', 0, 0));
    }

    void settingsRoundTrip()
    {
        QStringList keys;
        QSet<QString> titles;
        for (int i = 0; i < kPrayerMethodCount; ++i) {
            keys << PrayerMethodKey(PrayerMethod(i));
            titles << PrayerMethodTitle(PrayerMethod(i));
            QCOMPARE(PrayerMethodFromKey(" " + keys.last() + " "), PrayerMethod(i));
        }
        QCOMPARE(keys.join(u' '), "mwl isna egypt karachi umm-al-qura dubai moonsighting-committee "
                                  "kuwait qatar singapore tehran turkey");
        QCOMPARE(titles.size(), kPrayerMethodCount);
        QCOMPARE(AsrRuleFromSetting(AsrRuleSetting(AsrRule::Hanafi)), AsrRule::Hanafi);
        QCOMPARE(AsrRuleFromSetting("Standard"), AsrRule::Standard);
        for (auto rule : {HighLatitudeRule::MiddleOfTheNight, HighLatitudeRule::SeventhOfTheNight,
                          HighLatitudeRule::TwilightAngle})
            QCOMPARE(HighLatitudeRuleFromSetting(HighLatitudeRuleSetting(rule)), rule);
        QCOMPARE(HighLatitudeRuleFromSetting("SeventhOfTheNight"),
                 HighLatitudeRule::SeventhOfTheNight);
        const std::array<int, kPrayerCount> adjustments{-60, 0, 5, 60, -1, 3};
        QCOMPARE(AdjustmentsSetting(adjustments), "-60,0,5,60,-1,3");
        QCOMPARE(AdjustmentsFromSetting(" -60, 0,5 ,60,-1,3"), adjustments);
        QCOMPARE(AdjustmentsSetting({}), "0,0,0,0,0,0");
    }

    void settingsRejected_data()
    {
        columns<QString>({"text"});
        for (const char *text : {"", "MWL", "mwl2", "umm al qura", "hanafi", "Shafi", "Middle",
                                 "middleofthenight", "0,0,0,0,0", "0,0,0,0,0,0,0", "0,0,0,0,0,61",
                                 "-61,0,0,0,0,0", "0,0,x,0,0,0", "0,,0,0,0,0", "1.5,0,0,0,0,0"})
            row(text, QString::fromUtf8(text));
    }
    void settingsRejected()
    {
        auto [text] = fetch<QString>("text");
        QVERIFY(!PrayerMethodFromKey(text));
        QVERIFY(!AsrRuleFromSetting(text));
        QVERIFY(!HighLatitudeRuleFromSetting(text));
        QVERIFY(!AdjustmentsFromSetting(text));
    }

    void format_data()
    {
        columns<int, bool, QString>({"minutes", "clock24", "text"});
        row("midnight 24", 0, true, "00:00");
        row("midnight 12", 0, false, "12:00 AM");
        row("dawn 12", 290, false, "4:50 AM");
        row("noon 12", 720, false, "12:00 PM");
        row("1 PM", 780, false, "1:00 PM");
        row("wrap 12", 1450, false, "12:10 AM");
        row("the day before", -10, true, "23:50");
    }
    void format()
    {
        auto [minutes, clock24, text] = fetch<int, bool, QString>("minutes", "clock24", "text");
        QCOMPARE(FormatPrayerTime(minutes, clock24), text);
    }
    // The night runs from Maghrib to the next day's Fajr, across midnight; without either
    // bound, or without the next day, there is none.
    void nightTimes_data()
    {
        columns<int, int, int, QString, QString>({"maghrib", "fajr", "days", "middle", "third"});
        row("winter night across midnight", 17 * 60 + 6, 4 * 60 + 50, 1, QString("22:58"),
            QString("00:55"));
        row("short night, its middle at midnight", 21 * 60 + 30, 2 * 60 + 30, 1, QString("00:00"),
            QString("00:50"));
        row("polar night: no Maghrib", -1, 6 * 60, 1, QString(), QString());
        row("white night: no Fajr", 22 * 60, -1, 1, QString(), QString());
        row("not the next day", 18 * 60, 5 * 60, 2, QString(), QString());
    }
    void nightTimes()
    {
        const auto [maghrib, fajr, days, middle, third] =
            fetch<int, int, int, QString, QString>("maghrib", "fajr", "days", "middle", "third");
        const auto at = [](int minute) {
            return minute < 0 ? std::nullopt : std::optional(minute);
        };
        PrayerDay evening{QDate(2026, 12, 31), {}, PolarState::None};
        evening.minutes[static_cast<int>(Prayer::Maghrib)] = at(maghrib);
        PrayerDay morning{evening.date.addDays(days), {}, PolarState::None};
        morning.minutes[static_cast<int>(Prayer::Fajr)] = at(fajr);
        const NightTimes night = NightTimesOf(evening, morning);
        const auto text = [](std::optional<int> minutes) {
            return minutes ? FormatPrayerTime(*minutes, true) : QString();
        };
        QCOMPARE(text(night.middle), middle);
        QCOMPARE(text(night.lastThird), third);
        QVERIFY(!night.middle || *night.lastThird > *night.middle);
    }
};

QTEST_GUILESS_MAIN(TestPrayerTimes)
#include "tst_prayertimes.moc"
