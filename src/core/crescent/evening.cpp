#include "core/crescent/evening.h"

#include "core/crescent/horizon.h"
#include "core/crescent/riseset.h"

namespace qarnivo::crescent {

namespace {

constexpr double kRefraction = 34.0 / 60; // at the horizon, degrees
constexpr double kSunRadiusKm = 695700;
constexpr double kMoonRadiusKm = 1737.4;
constexpr double kScanStep = 1.0 / 24; // days

// The angular radius (degrees) of a body of `radius` at `distance`.
double SemiDiameter(double radius, double distance)
{
    return std::asin(radius / distance) / kRadians;
}

// The topocentric view of both bodies at one instant, without refraction.
struct View {
    Vec3 sun;  // topocentric, km
    Vec3 moon; // topocentric, km
    Horizontal sunSeen;
    Horizontal moonSeen;
};

View ViewAt(const Sky &sky, const ObserverFrame &frame)
{
    const Vec3 place = frame.position(sky.siderealTime);
    const Vec3 sun = sky.sun - place;
    const Vec3 moon = sky.moon - place;
    return {sun, moon, frame.horizontal(sun, sky.siderealTime),
            frame.horizontal(moon, sky.siderealTime)};
}

// Heights of the upper limb above the horizon of setting: the centre's
// airless topocentric altitude plus the semi-diameter and the refraction.
double SunHeight(const SkyTable &table, const ObserverFrame &frame, double t)
{
    const Sky sky = table.at(t);
    const Vec3 sun = sky.sun - frame.position(sky.siderealTime);
    return frame.horizontal(sun, sky.siderealTime).altitude +
           SemiDiameter(kSunRadiusKm, Length(sun)) + kRefraction;
}

double MoonHeight(const SkyTable &table, const ObserverFrame &frame, double t)
{
    const Sky sky = table.at(t);
    const Vec3 moon = sky.moon - frame.position(sky.siderealTime);
    return frame.horizontal(moon, sky.siderealTime).altitude +
           SemiDiameter(kMoonRadiusKm, Length(moon)) + kRefraction;
}

Obstacle ObstacleOf(const Evening &e)
{
    if (std::isnan(e.sunset))
        return Obstacle::SunDoesNotSet;
    if (std::isnan(e.moonset))
        return Obstacle::MoonDoesNotSet;
    if (e.sunset < e.conjunction)
        return Obstacle::BeforeConjunction;
    if (e.moonset < e.sunset)
        return Obstacle::MoonSetsFirst;
    return Obstacle::None;
}

// The geometry at the best time: Odeh's topocentric values and Yallop's
// geocentric ones, both airless.
void MeasureAtBestTime(Evening &e, const Sky &sky, const ObserverFrame &frame)
{
    const View seen = ViewAt(sky, frame);
    e.arcv = seen.moonSeen.altitude - seen.sunSeen.altitude;
    e.daz = Signed(seen.sunSeen.azimuth - seen.moonSeen.azimuth);
    e.arcl = AngleBetween(seen.sun, seen.moon);
    const double sd = SemiDiameter(kMoonRadiusKm, Length(seen.moon)) * 60;
    e.width = sd * (1 - CosDeg(e.arcl));

    e.geocentricArcv = frame.horizontal(sky.moon, sky.siderealTime).altitude -
                       frame.horizontal(sky.sun, sky.siderealTime).altitude;
    e.geocentricArcl = AngleBetween(sky.sun, sky.moon);
    e.yallopWidth = sd * (1 - CosDeg(e.geocentricArcl));
}

} // namespace

Evening EveningFrom(const SkyTable &sky, const Observer &observer, double noonUT,
                    const std::function<double(double)> &conjunctionNear)
{
    const ObserverFrame frame(observer);
    const double end = noonUT + 1;
    Evening e;
    e.sunset =
        FirstSetting([&](double t) { return SunHeight(sky, frame, t); }, noonUT, end, kScanStep);
    e.moonset =
        FirstSetting([&](double t) { return MoonHeight(sky, frame, t); }, noonUT, end, kScanStep);
    e.conjunction = conjunctionNear(std::isnan(e.sunset) ? noonUT : e.sunset);
    e.moonAgeHours = (e.sunset - e.conjunction) * 24;
    e.lagMinutes = (e.moonset - e.sunset) * 1440;
    e.obstacle = ObstacleOf(e);
    if (!std::isnan(e.lagMinutes)) {
        // Bruin's best time, as Yallop (1997) and Odeh (2006) take it.
        e.bestTime = e.sunset + 4.0 / 9 * (e.moonset - e.sunset);
        MeasureAtBestTime(e, sky.at(e.bestTime), frame);
        e.odehV = OdehV(e.arcv, e.width);
        e.yallopQ = YallopQ(e.geocentricArcv, e.yallopWidth);
    }
    if (e.obstacle == Obstacle::None) {
        e.odehZone = OdehZoneOf(e.odehV);
        e.yallopClass = YallopClassOf(e.yallopQ);
    }
    return e;
}

} // namespace qarnivo::crescent
