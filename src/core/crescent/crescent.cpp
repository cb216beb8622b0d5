#include "core/crescent/crescent.h"

#include "core/crescent/evening.h"
#include "core/crescent/timescale.h"

#include <QCoreApplication>
#include <QDate>

namespace qarnivo::crescent {

bool SupportedDate(int year, int month, int day)
{
    return year >= kFirstYear && year <= kLastYear && QDate::isValid(year, month, day);
}

Evening EveningAt(const Observer &observer, int year, int month, int day, double utcOffset)
{
    const double noon = JulianDayAtMidnight(year, month, day) + (12 - utcOffset) / 24;
    const SkyTable sky(noon, noon + 1);
    return EveningFrom(sky, observer, noon, NewMoonNear);
}

namespace {

// The width's part of the fitted limits: Odeh's and Yallop's curves differ
// only in the constant.
double WidthCurve(double w)
{
    return ((-0.1018 * w + 0.7319) * w - 6.3226) * w;
}

} // namespace

// Odeh, "New criterion for lunar crescent visibility", Experimental
// Astronomy 18 (2004/2006), 39-64: ARCV above the fitted limit at width W.
double OdehV(double arcv, double width)
{
    return arcv - (WidthCurve(width) + 7.1651);
}

OdehZone OdehZoneOf(double v)
{
    if (v >= 5.65)
        return OdehZone::A;
    if (v >= 2)
        return OdehZone::B;
    if (v >= -0.96)
        return OdehZone::C;
    return OdehZone::D;
}

// Yallop, "A method for predicting the first sighting of the new crescent
// moon", NAO Technical Note 69 (1997), with the geocentric ARCV.
double YallopQ(double arcv, double width)
{
    return (arcv - (WidthCurve(width) + 11.8371)) / 10;
}

YallopClass YallopClassOf(double q)
{
    if (q > 0.216)
        return YallopClass::A;
    if (q > -0.014)
        return YallopClass::B;
    if (q > -0.160)
        return YallopClass::C;
    if (q > -0.232)
        return YallopClass::D;
    if (q > -0.293)
        return YallopClass::E;
    return YallopClass::F;
}

namespace {

const char *odehText(OdehZone zone)
{
    switch (zone) {
    case OdehZone::A:
        return QT_TRANSLATE_NOOP("Crescent", "visible by naked eye");
    case OdehZone::B:
        return QT_TRANSLATE_NOOP("Crescent",
                                 "visible with optical aid, could be seen by naked eye");
    case OdehZone::C:
        return QT_TRANSLATE_NOOP("Crescent", "visible with optical aid only");
    case OdehZone::D:
        break;
    }
    return QT_TRANSLATE_NOOP("Crescent", "not visible");
}

const char *yallopText(YallopClass yallopClass)
{
    switch (yallopClass) {
    case YallopClass::A:
        return QT_TRANSLATE_NOOP("Crescent", "easily visible");
    case YallopClass::B:
        return QT_TRANSLATE_NOOP("Crescent", "visible under perfect conditions");
    case YallopClass::C:
        return QT_TRANSLATE_NOOP("Crescent", "may need optical aid to find the crescent");
    case YallopClass::D:
        return QT_TRANSLATE_NOOP("Crescent", "will need optical aid to find the crescent");
    case YallopClass::E:
        return QT_TRANSLATE_NOOP("Crescent", "not visible with a telescope");
    case YallopClass::F:
        break;
    }
    return QT_TRANSLATE_NOOP("Crescent", "not visible, below the Danjon limit");
}

const char *obstacleText(Obstacle obstacle)
{
    switch (obstacle) {
    case Obstacle::BeforeConjunction:
        return QT_TRANSLATE_NOOP("Crescent", "the evening is before the new moon");
    case Obstacle::MoonSetsFirst:
        return QT_TRANSLATE_NOOP("Crescent", "the Moon sets before the Sun");
    case Obstacle::SunDoesNotSet:
        return QT_TRANSLATE_NOOP("Crescent", "the Sun does not set");
    case Obstacle::MoonDoesNotSet:
        return QT_TRANSLATE_NOOP("Crescent", "the Moon does not set");
    case Obstacle::None:
        break;
    }
    return "";
}

QString worded(const char *text, Wording wording)
{
    return wording == Wording::English ? QString::fromLatin1(text)
                                       : QCoreApplication::translate("Crescent", text);
}

} // namespace

QString OdehWords(OdehZone zone, Wording wording)
{
    return worded(odehText(zone), wording);
}

QString YallopWords(YallopClass yallopClass, Wording wording)
{
    return worded(yallopText(yallopClass), wording);
}

QString ObstacleWords(Obstacle obstacle, Wording wording)
{
    return worded(obstacleText(obstacle), wording);
}

} // namespace qarnivo::crescent
