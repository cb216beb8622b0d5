#include "core/prayer/prayertimes.h"

#include "core/calendar/leadingnumber.h"
#include "core/places/cityfile.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace qarnivo {

namespace {

// The arithmetic follows the adhan library (4.4.6), whose times the
// communities' timetables are checked against: the sun's place from Meeus's
// "Astronomical Algorithms" (low precision), rise, set and twilight by the
// interpolated hour-angle correction, and each method's angles, intervals,
// fixed minute shifts and rounding as adhan publishes them.

constexpr double kPi = 3.14159265358979323846;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kRiseAltitude = -50.0 / 60.0; // refraction and the sun's radius
constexpr double kDay = 86400.0;
// A refinement of a crossing's time of a quarter of a day or more is not one.
constexpr double kMaximumRefinement = 0.25;

struct Method {
    const char *key;
    const char *title;
    double fajrAngle;
    double ishaAngle;
    int ishaInterval; // minutes after sunset; when set, ishaAngle is unused
    double maghribAngle;
    std::array<int, kPrayerCount> shift; // the method's own minutes
    bool roundUp;
};

// In PrayerMethod order.
const Method kMethods[kPrayerMethodCount] = {
    {"mwl", "Muslim World League", 18, 17, 0, 0, {0, 0, 1, 0, 0, 0}, false},
    {"isna", "ISNA (North America)", 15, 15, 0, 0, {0, 0, 1, 0, 0, 0}, false},
    {"egypt", "Egyptian", 19.5, 17.5, 0, 0, {0, 0, 1, 0, 0, 0}, false},
    {"karachi", "Karachi", 18, 18, 0, 0, {0, 0, 1, 0, 0, 0}, false},
    {"umm-al-qura", "Umm al-Qura", 18.5, 0, 90, 0, {}, false},
    {"dubai", "Dubai", 18.2, 18.2, 0, 0, {0, -3, 3, 3, 3, 0}, false},
    {"moonsighting-committee", "Moonsighting Committee", 18, 18, 0, 0, {0, 0, 5, 0, 3, 0}, false},
    {"kuwait", "Kuwait", 18, 17.5, 0, 0, {}, false},
    {"qatar", "Qatar", 18, 0, 90, 0, {}, false},
    {"singapore", "Singapore", 20, 18, 0, 0, {0, 0, 1, 0, 0, 0}, true},
    {"tehran", "Tehran", 17.7, 14, 0, 4.5, {}, false},
    {"turkey", "Turkey", 18, 17, 0, 0, {0, -7, 5, 4, 7, 0}, false},
};

const Method &methodOf(PrayerMethod method)
{
    const int index = static_cast<int>(method);
    return kMethods[index >= 0 && index < kPrayerMethodCount ? index : 0];
}

double rad(double degrees)
{
    return degrees * kPi / 180.0;
}

double deg(double radians)
{
    return radians * 180.0 / kPi;
}

double normalized(double value, double max)
{
    return value - max * std::floor(value / max);
}

double unwound(double angle)
{
    return normalized(angle, 360.0);
}

// The sun as seen at 0h UT of a day.
struct Sun {
    double declination;
    double rightAscension;
    double siderealTime; // apparent, at Greenwich
};

Sun sunAt(double julianDay)
{
    const double t = (julianDay - 2451545.0) / 36525;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double meanLongitude = unwound(280.4664567 + 36000.76983 * t + 0.0003032 * t2);
    const double moonLongitude = unwound(218.3165 + 481267.8813 * t);
    const double node = unwound(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000);
    const double anomaly = rad(unwound(357.52911 + 35999.05029 * t - 0.0001537 * t2));
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t2) * std::sin(anomaly) +
                          (0.019993 - 0.000101 * t) * std::sin(2 * anomaly) +
                          0.000289 * std::sin(3 * anomaly);
    const double omega = rad(125.04 - 1934.136 * t);
    const double longitude =
        rad(unwound(meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega)));
    const double meanSidereal = unwound(280.46061837 + 360.98564736629 * (julianDay - 2451545) +
                                        0.000387933 * t2 - t3 / 38710000);
    const double n = rad(node);
    const double l = rad(meanLongitude);
    const double m = rad(moonLongitude);
    const double nutationLongitude = (-17.2 * std::sin(n) - 1.32 * std::sin(2 * l) -
                                      0.23 * std::sin(2 * m) + 0.21 * std::sin(2 * n)) /
                                     3600;
    const double nutationObliquity = (9.2 * std::cos(n) + 0.57 * std::cos(2 * l) +
                                      0.1 * std::cos(2 * m) - 0.09 * std::cos(2 * n)) /
                                     3600;
    const double meanObliquity =
        23.439291 - 0.013004167 * t - 0.0000001639 * t2 + 0.0000005036 * t3;
    const double obliquity = rad(meanObliquity + 0.00256 * std::cos(omega));
    return {
        deg(std::asin(std::sin(obliquity) * std::sin(longitude))),
        unwound(deg(std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)))),
        meanSidereal + nutationLongitude * std::cos(rad(meanObliquity + nutationObliquity))};
}

// Meeus's three-point interpolation at `n` days from the middle value.
double interpolated(double middle, double before, double after, double n)
{
    const double a = middle - before;
    const double b = after - middle;
    return middle + n / 2 * (a + b + n * (b - a));
}

double interpolatedAngle(double middle, double before, double after, double n)
{
    const double a = unwound(middle - before);
    const double b = unwound(after - middle);
    return middle + n / 2 * (a + b + n * (b - a));
}

// The sun's course over one place on one day (0h UT of `sun[1]`'s day):
// times in hours after that midnight, NaN where the sun never reaches the
// altitude asked for.
class SunCourse {
public:
    SunCourse(const Sun *sun, double latitude, double longitude)
        : m_sun(sun), m_latitude(latitude), m_west(-longitude),
          m_sinLatitude(std::sin(rad(latitude))), m_cosLatitude(std::cos(rad(latitude)))
    {
        const double m0 =
            normalized((sun[1].rightAscension + m_west - sun[1].siderealTime) / 360, 1);
        // Near the date line the plain formula can land on the neighbouring
        // day; the transit lies within half a day of the clock's noon there.
        const double expected = normalized((12.0 - longitude / 15.0) / 24.0, 1);
        m_approxTransit = m0 - expected > 0.5 ? m0 - 1 : (expected - m0 > 0.5 ? m0 + 1 : m0);
    }

    double transit() const
    {
        const double m = m_approxTransit;
        const double theta = unwound(m_sun[1].siderealTime + 360.985647 * m);
        const double a = unwound(interpolatedAngle(m_sun[1].rightAscension, m_sun[0].rightAscension,
                                                   m_sun[2].rightAscension, m));
        double h = theta - m_west - a;
        if (h < -180 || h > 180)
            h -= 360 * std::floor(h / 360 + 0.5);
        return (m - h / 360) * 24;
    }

    double atAltitude(double altitude, bool afterTransit) const
    {
        const double d = rad(m_sun[1].declination);
        const double cosH0 =
            (std::sin(rad(altitude)) - m_sinLatitude * std::sin(d)) / (m_cosLatitude * std::cos(d));
        if (!(cosH0 >= -1 && cosH0 <= 1))
            return kNone;
        const double h0 = deg(std::acos(cosH0));
        const double m = afterTransit ? m_approxTransit + h0 / 360 : m_approxTransit - h0 / 360;
        const double theta = unwound(m_sun[1].siderealTime + 360.985647 * m);
        const double a = unwound(interpolatedAngle(m_sun[1].rightAscension, m_sun[0].rightAscension,
                                                   m_sun[2].rightAscension, m));
        const double delta =
            rad(interpolated(m_sun[1].declination, m_sun[0].declination, m_sun[2].declination, m));
        const double hourAngle = rad(theta - m_west - a);
        const double reached =
            deg(std::asin(m_sinLatitude * std::sin(delta) +
                          m_cosLatitude * std::cos(delta) * std::cos(hourAngle)));
        const double dm =
            (reached - altitude) / (360 * std::cos(delta) * m_cosLatitude * std::sin(hourAngle));
        // Where the sun only just reaches the altitude the hour angle is near
        // zero and the refinement's division runs away (days off, near the
        // polar circles); the first estimate is then the better answer.
        if (!(std::fabs(dm) < kMaximumRefinement))
            return m * 24;
        return (m + dm) * 24;
    }

    // Asr: the shadow is the noon shadow plus `shadow` times the height. With
    // the sun below the horizon at noon (|latitude - declination| of 90 or
    // more) there is no shadow, so no Asr; adhan's formula would give a
    // meaningless negative altitude there.
    double afternoon(double shadow) const
    {
        const double zenith = std::fabs(m_latitude - m_sun[1].declination);
        if (zenith >= 90)
            return kNone;
        return atAltitude(deg(std::atan(1.0 / (shadow + std::tan(rad(zenith))))), true);
    }

    double noonAltitude() const { return 90 - std::fabs(m_latitude - m_sun[1].declination); }

private:
    const Sun *m_sun; // the day before, the day, the day after
    double m_latitude;
    double m_west;
    double m_sinLatitude;
    double m_cosLatitude;
    double m_approxTransit = 0;
};

// Hours after midnight as whole seconds, truncated the way adhan turns them
// into a clock time; NaN stays NaN.
double wholeSeconds(double hours)
{
    if (!(std::fabs(hours) < 1e6))
        return kNone;
    const double h = std::floor(hours);
    const double m = std::floor((hours - h) * 60);
    const double s = std::floor((hours - (h + m / 60)) * 3600);
    return h * 3600 + m * 60 + s;
}

// The Moonsighting Committee's twilight in minutes: a curve through the
// values at the solstices and between, scaled with the latitude, counted in
// days since the winter solstice of the place's hemisphere.
double seasonalMinutes(double latitude, const QDate &date, const double (&scale)[4])
{
    constexpr double base = 75;
    const double lat = std::fabs(latitude);
    const double a = base + scale[0] / 55.0 * lat;
    const double b = base + scale[1] / 55.0 * lat;
    const double c = base + scale[2] / 55.0 * lat;
    const double d = base + scale[3] / 55.0 * lat;
    const int daysInYear = QDate::isLeapYear(date.year()) ? 366 : 365;
    int days = date.dayOfYear();
    if (latitude >= 0) {
        days += 10;
        if (days >= daysInYear)
            days -= daysInYear;
    } else {
        days -= QDate::isLeapYear(date.year()) ? 173 : 172;
        if (days < 0)
            days += daysInYear;
    }
    if (days < 91)
        return a + (b - a) / 91.0 * days;
    if (days < 137)
        return b + (c - b) / 46.0 * (days - 91);
    if (days < 183)
        return c + (d - c) / 46.0 * (days - 137);
    if (days < 229)
        return d + (c - d) / 46.0 * (days - 183);
    if (days < 275)
        return c + (b - c) / 46.0 * (days - 229);
    return b + (a - b) / 91.0 * (days - 275);
}

double jsRound(double value)
{
    return std::floor(value + 0.5);
}

// The minute of `seconds` (after 0h UT) as adhan rounds it: to the nearest,
// half a minute up, or always up to the next minute; then the shift to the
// local day. None for NaN or a time days away (only nonsense input gets
// there).
std::optional<int> roundedMinute(double seconds, int adjust, bool roundUp, int shiftMinutes)
{
    if (!(std::fabs(seconds) < 10 * kDay))
        return std::nullopt;
    const double s = std::floor(seconds) + adjust * 60.0;
    const double second = s - 60 * std::floor(s / 60);
    const double minute = (s - second) / 60 + (roundUp || second >= 30 ? 1 : 0);
    return static_cast<int>(minute) + shiftMinutes;
}

struct Placed {
    int dayShift;     // days from the date to the UT day whose noon is the local one
    int shiftMinutes; // from minutes after 0h UT of that day to the date's local minutes
};

bool isUsable(const PrayerPlace &place)
{
    return place.latitude >= -90 && place.latitude <= 90 && place.longitude >= -180 &&
           place.longitude <= 180 && place.utcOffset >= -24 && place.utcOffset <= 24;
}

// adhan works on the UT day; the date asked for is the local one. Where the
// offset is far from the longitude's (the date line, Kiribati), the local
// noon belongs to the UT day before or after.
Placed placed(const PrayerPlace &place)
{
    const double offset = place.utcOffset + (place.daylightSaving ? 1 : 0);
    const double localNoon = normalized(12.0 - place.longitude / 15.0, 24.0) + offset;
    const int dayShift = static_cast<int>(std::floor(localNoon / 24));
    return {dayShift, static_cast<int>(std::lround(offset * 60)) - dayShift * 1440};
}

// One day from the sun on the four days around it: the UT day before,
// the day (`solarDate`), the next day and the one after that.
PrayerDay dayOf(const QDate &date, const QDate &solarDate, const Placed &where,
                const PrayerPlace &place, const PrayerSettings &settings, const Sun *sun)
{
    const Method &method = methodOf(settings.method);
    const bool moonsighting = settings.method == PrayerMethod::MoonsightingCommittee;
    const double lat = place.latitude;
    const SunCourse today(sun, lat, place.longitude);
    const SunCourse tomorrow(sun + 1, lat, place.longitude);

    const double transit = wholeSeconds(today.transit());
    const double sunrise = wholeSeconds(today.atAltitude(kRiseAltitude, false));
    const double sunset = wholeSeconds(today.atAltitude(kRiseAltitude, true));
    const double asr = wholeSeconds(today.afternoon(settings.asr == AsrRule::Hanafi ? 2.0 : 1.0));
    const double nextSunrise = wholeSeconds(tomorrow.atAltitude(kRiseAltitude, false)) + kDay;
    const double night = nextSunrise - sunset;

    // Fajr and Isha come from the twilight angle, bounded so that they keep
    // to a share of the night (the rule chosen, or the committee's seasonal
    // minutes). Where the sun neither rises nor sets the night has no length
    // and there is nothing to bound: a twilight that happens is kept (the
    // polar night's dawn and dusk), one that does not is none, and so is
    // Isha counted from a sunset that does not happen. Above 55 degrees
    // north the committee counts a seventh of the night instead.
    double fajrPortion = 0.5;
    double ishaPortion = 0.5;
    if (settings.highLatitude == HighLatitudeRule::SeventhOfTheNight) {
        fajrPortion = ishaPortion = 1.0 / 7;
    } else if (settings.highLatitude == HighLatitudeRule::TwilightAngle) {
        fajrPortion = method.fajrAngle / 60;
        ishaPortion = method.ishaAngle / 60;
    }
    const bool seventh = moonsighting && lat >= 55;

    double fajr = wholeSeconds(today.atAltitude(-method.fajrAngle, false));
    if (seventh)
        fajr = sunrise - night / 7;
    const double safeFajr =
        moonsighting
            ? sunrise +
                  jsRound(seasonalMinutes(lat, solarDate, {28.65, 19.44, 32.74, 48.1}) * -60.0)
            : sunrise - fajrPortion * night;
    if (std::isnan(fajr) || safeFajr > fajr)
        fajr = safeFajr;

    double isha;
    if (method.ishaInterval > 0) {
        isha = sunset + method.ishaInterval * 60.0;
    } else {
        isha = wholeSeconds(today.atAltitude(-method.ishaAngle, true));
        if (seventh)
            isha = sunset + night / 7;
        const double safeIsha =
            moonsighting
                ? sunset +
                      jsRound(seasonalMinutes(lat, solarDate, {25.6, 2.05, -9.21, 6.14}) * 60.0)
                : sunset + ishaPortion * night;
        if (std::isnan(isha) || safeIsha < isha)
            isha = safeIsha;
    }

    double maghrib = sunset;
    if (method.maghribAngle > 0) {
        const double dusk = wholeSeconds(today.atAltitude(-method.maghribAngle, true));
        if (sunset < dusk && isha > dusk)
            maghrib = dusk;
    }

    PrayerDay day;
    day.date = date;
    const double times[kPrayerCount] = {fajr, sunrise, transit, asr, maghrib, isha};
    for (int i = 0; i < kPrayerCount; ++i)
        day.minutes[i] = roundedMinute(times[i], method.shift[i] + settings.adjustments[i],
                                       method.roundUp, where.shiftMinutes);
    if (std::isnan(sunrise) || std::isnan(sunset))
        day.polar =
            today.noonAltitude() > kRiseAltitude ? PolarState::PolarDay : PolarState::PolarNight;
    return day;
}

} // namespace

std::optional<PrayerPlace> PrayerPlaceOfCity(const CityInfo &city)
{
    // The numbers are read as the rest of the program reads the city (the
    // leading number of the text, "20.27º" giving 20.27); a text that does
    // not begin with one is no number.
    const auto number = [](const QString &text) -> std::optional<double> {
        if (ReadLeadingNumberText(text).isEmpty())
            return std::nullopt;
        return ReadLeadingNumber(text);
    };
    const auto latitude = number(city.latitude);
    const auto west = number(city.longitude);
    const auto toGmt = number(city.offsetGMT);
    if (!latitude || !west || !toGmt)
        return std::nullopt;
    // Written as "inside" so that infinities fail too.
    if (!(*latitude >= -90 && *latitude <= 90 && *west >= -180 && *west <= 180 && *toGmt >= -14 &&
          *toGmt <= 14))
        return std::nullopt;
    PrayerPlace place;
    place.latitude = *latitude;
    place.longitude = *west == 0 ? 0.0 : -*west;
    place.utcOffset = *toGmt == 0 ? 0.0 : -*toGmt;
    return place;
}

PrayerDay PrayerTimesFor(const QDate &date, const PrayerPlace &place,
                         const PrayerSettings &settings)
{
    PrayerDay day;
    day.date = date;
    if (!date.isValid() || !isUsable(place))
        return day;
    const Placed where = placed(place);
    const QDate solarDate = date.addDays(-where.dayShift);
    const double midnight = double(solarDate.toJulianDay()) - 0.5;
    const Sun sun[4] = {sunAt(midnight - 1), sunAt(midnight), sunAt(midnight + 1),
                        sunAt(midnight + 2)};
    return dayOf(date, solarDate, where, place, settings, sun);
}

std::vector<PrayerDay> PrayerTimetable(int year, int month, const PrayerPlace &place,
                                       const PrayerSettings &settings)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return {};
    const int days = first.daysInMonth();
    std::vector<PrayerDay> table;
    table.reserve(days);
    if (!isUsable(place)) {
        for (int i = 0; i < days; ++i)
            table.push_back(PrayerTimesFor(first.addDays(i), place, settings));
        return table;
    }
    // Each day needs the sun on the day before to two days after: compute
    // every one of them once for the month.
    const Placed where = placed(place);
    const QDate solarFirst = first.addDays(-where.dayShift);
    const double midnight = double(solarFirst.toJulianDay()) - 0.5;
    std::vector<Sun> sun;
    sun.reserve(days + 3);
    for (int i = -1; i <= days + 1; ++i)
        sun.push_back(sunAt(midnight + i));
    for (int i = 0; i < days; ++i)
        table.push_back(
            dayOf(first.addDays(i), solarFirst.addDays(i), where, place, settings, sun.data() + i));
    return table;
}

std::optional<Prayer> NextPrayer(const PrayerDay &day, int minute)
{
    // The earliest prayer still to come; on equal times the one first in
    // the day's order.
    std::optional<Prayer> next;
    int best = 0;
    for (const Prayer prayer : kFivePrayers) {
        const std::optional<int> at = day.at(prayer);
        if (at && *at >= minute && (!next || *at < best)) {
            next = prayer;
            best = *at;
        }
    }
    return next;
}

QString FormatPrayerTime(int minutes, bool clock24)
{
    const int clock = ((minutes % 1440) + 1440) % 1440;
    const int hour = clock / 60;
    const int minute = clock % 60;
    if (clock24)
        return QStringLiteral("%1:%2")
            .arg(hour, 2, 10, QLatin1Char('0'))
            .arg(minute, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2 %3")
        .arg(hour % 12 == 0 ? 12 : hour % 12)
        .arg(minute, 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString PrayerName(Prayer prayer)
{
    static const char *const names[kPrayerCount] = {"Fajr", "Sunrise", "Dhuhr",
                                                    "Asr",  "Maghrib", "Isha"};
    const int index = static_cast<int>(prayer);
    return index >= 0 && index < kPrayerCount ? QString::fromLatin1(names[index]) : QString();
}

QString PrayerMethodKey(PrayerMethod method)
{
    return QString::fromLatin1(methodOf(method).key);
}

std::optional<PrayerMethod> PrayerMethodFromKey(const QString &key)
{
    const QString text = key.trimmed();
    for (int i = 0; i < kPrayerMethodCount; ++i)
        if (text == QLatin1String(kMethods[i].key))
            return static_cast<PrayerMethod>(i);
    return std::nullopt;
}

QString PrayerMethodTitle(PrayerMethod method)
{
    return QString::fromLatin1(methodOf(method).title);
}

QString AsrRuleSetting(AsrRule rule)
{
    return rule == AsrRule::Hanafi ? QStringLiteral("Hanafi") : QStringLiteral("Standard");
}

std::optional<AsrRule> AsrRuleFromSetting(const QString &text)
{
    const QString value = text.trimmed();
    if (value == QLatin1String("Standard"))
        return AsrRule::Standard;
    if (value == QLatin1String("Hanafi"))
        return AsrRule::Hanafi;
    return std::nullopt;
}

QString HighLatitudeRuleSetting(HighLatitudeRule rule)
{
    switch (rule) {
    case HighLatitudeRule::SeventhOfTheNight:
        return QStringLiteral("SeventhOfTheNight");
    case HighLatitudeRule::TwilightAngle:
        return QStringLiteral("TwilightAngle");
    case HighLatitudeRule::MiddleOfTheNight:
        break;
    }
    return QStringLiteral("MiddleOfTheNight");
}

std::optional<HighLatitudeRule> HighLatitudeRuleFromSetting(const QString &text)
{
    const QString value = text.trimmed();
    for (HighLatitudeRule rule :
         {HighLatitudeRule::MiddleOfTheNight, HighLatitudeRule::SeventhOfTheNight,
          HighLatitudeRule::TwilightAngle})
        if (value == HighLatitudeRuleSetting(rule))
            return rule;
    return std::nullopt;
}

QString AdjustmentsSetting(const std::array<int, kPrayerCount> &adjustments)
{
    QStringList parts;
    for (int minutes : adjustments)
        parts << QString::number(minutes);
    return parts.join(u',');
}

std::optional<std::array<int, kPrayerCount>> AdjustmentsFromSetting(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != kPrayerCount)
        return std::nullopt;
    std::array<int, kPrayerCount> adjustments{};
    for (int i = 0; i < kPrayerCount; ++i) {
        bool ok = false;
        const int minutes = parts[i].trimmed().toInt(&ok, 10);
        if (!ok || minutes < -60 || minutes > 60)
            return std::nullopt;
        adjustments[i] = minutes;
    }
    return adjustments;
}

} // namespace qarnivo
