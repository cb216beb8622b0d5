#include "core/places/place.h"
#include "core/prayer/prayertimes_methods.h"
#include "core/prayer/prayertimes_sun.h"

#include <cmath>

namespace qarnivo {

namespace {

// Each method's angles, intervals, fixed minute shifts and rounding are
// applied as adhan applies them, on the sun's events of prayertimes_sun.

using sun::kDay;
using sun::kNone;
using sun::kRiseAltitude;
using sun::Sun;
using sun::SunAt;
using sun::SunCourse;
using sun::WholeSeconds;

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
    return BoundsFault(place.latitude, place.longitude, place.utcOffset, kPrayerEngineBounds) ==
           PlaceFault::None;
}

// adhan works on the UT day; the date asked for is the local one. Where the
// offset is far from the longitude's (the date line, Kiribati), the local
// noon belongs to the UT day before or after.
Placed placed(const PrayerPlace &place)
{
    const double offset = place.utcOffset + (place.daylightSaving ? 1 : 0);
    const double localNoon = sun::Normalized(12.0 - place.longitude / 15.0, 24.0) + offset;
    const int dayShift = static_cast<int>(std::floor(localNoon / 24));
    return {dayShift, static_cast<int>(std::lround(offset * 60)) - dayShift * 1440};
}

// The sun's events of the day, in whole seconds after 0h UT (NaN where one
// does not happen), and the night from sunset to the next sunrise.
struct SunEvents {
    double transit;
    double sunrise;
    double sunset;
    double asr;
    double night;
};

SunEvents sunEvents(const SunCourse &today, const SunCourse &tomorrow, AsrRule asr)
{
    const double sunset = WholeSeconds(today.atAltitude(kRiseAltitude, true));
    const double nextSunrise = WholeSeconds(tomorrow.atAltitude(kRiseAltitude, false)) + kDay;
    return {WholeSeconds(today.transit()), WholeSeconds(today.atAltitude(kRiseAltitude, false)),
            sunset, WholeSeconds(today.afternoon(asr == AsrRule::Hanafi ? 2.0 : 1.0)),
            nextSunrise - sunset};
}

// Fajr and Isha come from the twilight angle, bounded so that they keep to a
// share of the night (the rule chosen, or the committee's seasonal minutes).
// Where the sun neither rises nor sets the night has no length and there is
// nothing to bound: a twilight that happens is kept (the polar night's dawn
// and dusk), one that does not is none, and so is Isha counted from a sunset
// that does not happen. Above 55 degrees north the committee counts a
// seventh of the night instead.
struct Twilight {
    const SunCourse &today;
    const SunEvents &events;
    const PrayerMethodParameters &method;
    double latitude;
    QDate solarDate;
    bool moonsighting;
    double fajrShare;
    double ishaShare;

    bool seventh() const { return moonsighting && latitude >= 55; }
};

Twilight twilightOf(const SunCourse &today, const SunEvents &events, double latitude,
                    const QDate &solarDate, const PrayerSettings &settings)
{
    const PrayerMethodParameters &method = PrayerMethodParametersOf(settings.method);
    Twilight twilight{today,    events,    method,
                      latitude, solarDate, settings.method == PrayerMethod::MoonsightingCommittee,
                      0.5,      0.5};
    if (settings.highLatitude == HighLatitudeRule::SeventhOfTheNight) {
        twilight.fajrShare = twilight.ishaShare = 1.0 / 7;
    } else if (settings.highLatitude == HighLatitudeRule::TwilightAngle) {
        twilight.fajrShare = method.fajrAngle / 60;
        twilight.ishaShare = method.ishaAngle / 60;
    }
    return twilight;
}

double fajrOf(const Twilight &t)
{
    double fajr = WholeSeconds(t.today.atAltitude(-t.method.fajrAngle, false));
    if (t.seventh())
        fajr = t.events.sunrise - t.events.night / 7;
    const double safeFajr =
        t.moonsighting
            ? t.events.sunrise +
                  jsRound(seasonalMinutes(t.latitude, t.solarDate, {28.65, 19.44, 32.74, 48.1}) *
                          -60.0)
            : t.events.sunrise - t.fajrShare * t.events.night;
    return std::isnan(fajr) || safeFajr > fajr ? safeFajr : fajr;
}

double ishaOf(const Twilight &t)
{
    if (t.method.ishaInterval > 0)
        return t.events.sunset + t.method.ishaInterval * 60.0;
    double isha = WholeSeconds(t.today.atAltitude(-t.method.ishaAngle, true));
    if (t.seventh())
        isha = t.events.sunset + t.events.night / 7;
    const double safeIsha =
        t.moonsighting
            ? t.events.sunset +
                  jsRound(seasonalMinutes(t.latitude, t.solarDate, {25.6, 2.05, -9.21, 6.14}) *
                          60.0)
            : t.events.sunset + t.ishaShare * t.events.night;
    return std::isnan(isha) || safeIsha < isha ? safeIsha : isha;
}

// Sunset, or the method's own dusk angle where it falls between sunset and Isha.
double maghribOf(const Twilight &t, double isha)
{
    if (t.method.maghribAngle > 0) {
        const double dusk = WholeSeconds(t.today.atAltitude(-t.method.maghribAngle, true));
        if (t.events.sunset < dusk && isha > dusk)
            return dusk;
    }
    return t.events.sunset;
}

// One day from the sun on the four days around it: the UT day before,
// the day (`solarDate`), the next day and the one after that.
PrayerDay dayOf(const QDate &date, const QDate &solarDate, const Placed &where,
                const PrayerPlace &place, const PrayerSettings &settings, const Sun *sun)
{
    const SunCourse today(sun, place.latitude, place.longitude);
    const SunCourse tomorrow(sun + 1, place.latitude, place.longitude);
    const SunEvents events = sunEvents(today, tomorrow, settings.asr);
    const Twilight twilight = twilightOf(today, events, place.latitude, solarDate, settings);
    const double isha = ishaOf(twilight);

    PrayerDay day;
    day.date = date;
    const double times[kPrayerCount] = {fajrOf(twilight),
                                        events.sunrise,
                                        events.transit,
                                        events.asr,
                                        maghribOf(twilight, isha),
                                        isha};
    for (int i = 0; i < kPrayerCount; ++i)
        day.minutes[i] = roundedMinute(times[i], twilight.method.shift[i] + settings.adjustments[i],
                                       twilight.method.roundUp, where.shiftMinutes);
    if (std::isnan(events.sunrise) || std::isnan(events.sunset))
        day.polar =
            today.noonAltitude() > kRiseAltitude ? PolarState::PolarDay : PolarState::PolarNight;
    return day;
}

} // namespace

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
    const Sun sun[4] = {SunAt(midnight - 1), SunAt(midnight), SunAt(midnight + 1),
                        SunAt(midnight + 2)};
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
        sun.push_back(SunAt(midnight + i));
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

} // namespace qarnivo
