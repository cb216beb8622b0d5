#pragma once

// The five daily prayers (and sunrise) for a day and a place, by the
// calculation methods communities use. Pure arithmetic over QtCore: the
// windows, the page and the command line all ask this module.

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace qarnivo {

struct CityInfo;
struct Place;

// The calculation methods, with the twilight angles (or Isha intervals) that
// their authorities publish.
enum class PrayerMethod {
    MuslimWorldLeague,
    NorthAmerica, // ISNA
    Egyptian,
    Karachi,
    UmmAlQura,
    Dubai,
    MoonsightingCommittee,
    Kuwait,
    Qatar,
    Singapore,
    Tehran,
    Turkey,
};
inline constexpr int kPrayerMethodCount = 12;

// Asr begins when a shadow is its object's noon shadow plus once (standard)
// or twice (Hanafi) its height.
enum class AsrRule { Standard, Hanafi };

// How Fajr and Isha are bounded where twilight lasts all night.
enum class HighLatitudeRule { MiddleOfTheNight, SeventhOfTheNight, TwilightAngle };

enum class Prayer { Fajr, Sunrise, Dhuhr, Asr, Maghrib, Isha };
inline constexpr int kPrayerCount = 6;
// The six times in the day's order, and the five prayers among them.
inline constexpr std::array<Prayer, kPrayerCount> kDayTimes = {
    Prayer::Fajr, Prayer::Sunrise, Prayer::Dhuhr, Prayer::Asr, Prayer::Maghrib, Prayer::Isha};
inline constexpr std::array<Prayer, 5> kFivePrayers = {Prayer::Fajr, Prayer::Dhuhr, Prayer::Asr,
                                                       Prayer::Maghrib, Prayer::Isha};

struct PrayerSettings {
    PrayerMethod method = PrayerMethod::Karachi;
    AsrRule asr = AsrRule::Hanafi;
    HighLatitudeRule highLatitude = HighLatitudeRule::MiddleOfTheNight;
    std::array<int, kPrayerCount> adjustments{}; // whole minutes, in Prayer order
    bool clock24 = true;
    bool operator==(const PrayerSettings &) const = default;
};

// A place as the arithmetic wants it: latitude north positive, longitude east
// positive, the UTC offset in hours east positive (5.5 for India), and
// daylight saving time adding one hour.
struct PrayerPlace {
    double latitude = 0;
    double longitude = 0;
    double utcOffset = 0;
    bool daylightSaving = false;
};

// A place of the city file's conventions (longitude west positive, the
// hours to add to local time to obtain GMT) in the arithmetic's, without
// daylight saving.
PrayerPlace PrayerPlaceOf(const Place &place);

// The city's texts read by kPrayerCityRules (core/places/place.h: each value
// the leading number of its text, latitude -90..90, longitude -180..180,
// offset -14..14) and turned into a place; none when one is refused.
std::optional<PrayerPlace> PrayerPlaceOfCity(const CityInfo &city);

enum class PolarState { None, PolarDay, PolarNight };

// One day's times, each in minutes after the local midnight that begins the
// date, rounded to the nearest minute (may pass 1440 when Isha falls after
// midnight), or none where it does not happen that day. On polar days and
// nights sunrise and Maghrib are none; Fajr and Isha stay where the twilight
// they mark happens (none when Isha counts from the missing sunset); Asr is
// none where the sun never reaches its altitude. Dhuhr is always there.
struct PrayerDay {
    QDate date;
    std::array<std::optional<int>, kPrayerCount> minutes{};
    PolarState polar = PolarState::None;
    std::optional<int> at(Prayer prayer) const { return minutes[static_cast<int>(prayer)]; }
};

// An invalid date, or a place outside latitude -90..90, longitude -180..180
// and offset -24..24, gives a day without times.
PrayerDay PrayerTimesFor(const QDate &date, const PrayerPlace &place,
                         const PrayerSettings &settings);

// Every day of a Gregorian month.
std::vector<PrayerDay> PrayerTimetable(int year, int month, const PrayerPlace &place,
                                       const PrayerSettings &settings);

// The first of Fajr, Dhuhr, Asr, Maghrib and Isha (never sunrise) at or after
// `minute` of that day; none when the day's last prayer has passed. Prayers
// the day lacks are skipped.
std::optional<Prayer> NextPrayer(const PrayerDay &day, int minute);

// "04:50" on the 24-hour clock, "4:50 AM" on the 12-hour one; minutes past
// 1440 show the next day's clock time.
QString FormatPrayerTime(int minutes, bool clock24);

// "Fajr", "Sunrise", "Dhuhr", "Asr", "Maghrib", "Isha", in the interface
// language; and "fajr", ..., "isha", the names programs read whatever it is.
QString PrayerName(Prayer prayer);
QString PrayerKey(Prayer prayer);

// Names of methods: the command line's ("mwl", "isna", "egypt", "karachi",
// "umm-al-qura", "dubai", "moonsighting-committee", "kuwait", "qatar",
// "singapore", "tehran", "turkey"), which the settings store too, and the
// words the windows show ("Muslim World League", ...).
QString PrayerMethodKey(PrayerMethod method);
std::optional<PrayerMethod> PrayerMethodFromKey(const QString &key);
QString PrayerMethodTitle(PrayerMethod method);

// The stored forms of the other settings: "Standard"/"Hanafi";
// "MiddleOfTheNight"/"SeventhOfTheNight"/"TwilightAngle"; six whole numbers
// joined by commas ("0,0,0,0,0,0"), each from -60 to 60. The readers take
// exactly these forms (blanks around them allowed) and give none for
// anything else.
QString AsrRuleSetting(AsrRule rule);
std::optional<AsrRule> AsrRuleFromSetting(const QString &text);
QString HighLatitudeRuleSetting(HighLatitudeRule rule);
std::optional<HighLatitudeRule> HighLatitudeRuleFromSetting(const QString &text);
QString AdjustmentsSetting(const std::array<int, kPrayerCount> &adjustments);
std::optional<std::array<int, kPrayerCount>> AdjustmentsFromSetting(const QString &text);

} // namespace qarnivo
