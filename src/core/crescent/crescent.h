#pragma once

// The young crescent on one evening at one place: sunset, moonset, the
// Moon's age and the geometry at the best time, judged by Odeh's and
// Yallop's criteria. Instants are Julian Days in UT; NaN stands for none.

#include <QString>

#include <limits>

namespace qarnivo::crescent {

inline constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Dates (proleptic Gregorian) the astronomy is trusted for.
inline constexpr int kFirstYear = 1583;
inline constexpr int kLastYear = 2500;
bool SupportedDate(int year, int month, int day);

// Latitude north positive, longitude east positive (degrees), elevation in
// metres above sea level.
struct Observer {
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
};

enum class Criterion { Odeh, Yallop };

enum class OdehZone { A, B, C, D };
enum class YallopClass { A, B, C, D, E, F };

// Why an evening is not visible whatever the criterion says.
enum class Obstacle { None, BeforeConjunction, MoonSetsFirst, SunDoesNotSet, MoonDoesNotSet };

struct Evening {
    double conjunction = kNone;  // the new moon nearest to sunset (JD UT)
    double sunset = kNone;       // JD UT
    double moonset = kNone;      // JD UT
    double lagMinutes = kNone;   // moonset - sunset
    double bestTime = kNone;     // sunset + 4/9 lag (JD UT)
    double moonAgeHours = kNone; // at sunset, negative before the conjunction

    // Topocentric and airless at the best time (Odeh's values).
    double arcl = kNone;  // degrees
    double arcv = kNone;  // degrees
    double daz = kNone;   // degrees, Sun azimuth - Moon azimuth
    double width = kNone; // arcminutes

    // Geocentric and airless at the best time (Yallop's ARCV and ARCL), and
    // the width from that ARCL with the topocentric semi-diameter.
    double geocentricArcl = kNone;
    double geocentricArcv = kNone;
    double yallopWidth = kNone;

    double odehV = kNone;
    double yallopQ = kNone;
    Obstacle obstacle = Obstacle::None;
    OdehZone odehZone = OdehZone::D;
    YallopClass yallopClass = YallopClass::F;
};

// The evening of the local date at `observer`, whose clocks are `utcOffset`
// hours ahead of UT: the first sunset and moonset after 12:00 local time.
// The date must be supported.
Evening EveningAt(const Observer &observer, int year, int month, int day, double utcOffset);

// The conjunction in ecliptic longitude nearest to the instant (JD UT).
double NewMoonNear(double julianDayUT);

double OdehV(double arcv, double width);
OdehZone OdehZoneOf(double v);
double YallopQ(double arcv, double width);
YallopClass YallopClassOf(double q);

// Whom words are for: a person reads them in the interface language, a
// program (JSON) in English whatever the language.
enum class Wording { Shown, English };

// The verdict in words: "visible by naked eye", ..., "not visible"; and
// Yallop's class's words.
QString OdehWords(OdehZone zone, Wording wording = Wording::Shown);
QString YallopWords(YallopClass yallopClass, Wording wording = Wording::Shown);
// Why an evening is not visible: "the Moon sets before the Sun", ...
QString ObstacleWords(Obstacle obstacle, Wording wording = Wording::Shown);

} // namespace qarnivo::crescent
