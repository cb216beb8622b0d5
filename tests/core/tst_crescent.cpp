// The young crescent's astronomy: Meeus's worked examples for the Moon, the
// Sun, nutation and the new moon; the series between the table's nodes; the
// Odeh and Yallop formulas and their thresholds; evenings with and without
// an obstacle; the supported dates; the world map against single evenings.
// tools/crescent compares many evenings with astronomy-engine.

#include "core/crescent/crescentmap.h"
#include "core/crescent/ecliptic.h"
#include "core/crescent/sky.h"
#include "core/crescent/timescale.h"
#include "testsupport.h"

using namespace qarnivo::crescent;
using namespace qarnivo::testing;

namespace {

double centuriesOf(double julianEphemerisDay)
{
    return (julianEphemerisDay - kJ2000) / kDaysPerCentury;
}

// Right ascension and declination (degrees) of an ecliptic place of date.
QPair<double, double> equatorialOf(const EclipticPlace &place, double obliquity)
{
    const double l = place.longitude * kRadians, b = place.latitude * kRadians;
    const double e = obliquity * kRadians;
    const double ra =
        std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
    const double dec =
        std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l));
    return {Revolution(ra / kRadians), dec / kRadians};
}

// A Julian Day (UT) from a civil date and time.
double julianDayOf(int y, int m, int d, double hours)
{
    return JulianDayAtMidnight(y, m, d) + hours / 24;
}

} // namespace

Q_DECLARE_METATYPE(qarnivo::crescent::Obstacle)

class TestCrescent : public QObject {
    Q_OBJECT

private slots:
    // Meeus, example 47.a: 1992 April 12, 0h TD.
    void moonOfExample47a()
    {
        const double t = centuriesOf(2448724.5);
        const EclipticPlace moon = MoonAt(t, 0);
        QVERIFY(std::abs(moon.longitude - 133.162655) < 2e-6);
        QVERIFY(std::abs(moon.latitude - -3.229126) < 2e-6);
        QVERIFY(std::abs(moon.distance - 368409.7) < 0.1);
        const Nutation n = NutationAt(t);
        const auto [ra, dec] = equatorialOf(MoonAt(t, n.longitude), n.trueObliquity);
        QVERIFY(std::abs(ra - 134.688470) < 2e-5);
        QVERIFY(std::abs(dec - 13.768368) < 2e-5);
    }

    // Meeus, example 22.a (1987 April 10, 0h TD) and example 12.b's
    // sidereal time at 19h21m UT that day.
    void nutationOfExample22a()
    {
        const Nutation n = NutationAt(centuriesOf(2446895.5));
        QVERIFY(std::abs(n.longitude * 3600 - -3.788) < 0.002);
        QVERIFY(std::abs(n.obliquity * 3600 - 9.443) < 0.002);
        QVERIFY(std::abs(n.trueObliquity - (23 + 26.0 / 60 + 36.850 / 3600)) < 0.002 / 3600);
        QVERIFY(std::abs(MeanSiderealTime(2446896.30625) - 128.7378734) < 1e-6);
    }

    // Meeus, example 25.b: 1992 October 13, 0h TD, the apparent place from
    // the truncated VSOP87 within a second of arc of the full theory's.
    void sunOfExample25b()
    {
        const double t = centuriesOf(2448908.5);
        const Nutation n = NutationAt(t);
        const EclipticPlace sun = SunAt(t, n.longitude);
        QVERIFY(std::abs(sun.distance / kKilometresPerAu - 0.99760775) < 1e-7);
        const auto [ra, dec] = equatorialOf(sun, n.trueObliquity);
        QVERIFY(std::abs(ra - (13 + 13.0 / 60 + 30.749 / 3600) * 15) < 1.0 / 3600);
        QVERIFY(std::abs(dec - -(7 + 47.0 / 60 + 1.74 / 3600)) < 1.0 / 3600);
    }

    // The new moon nearest to an instant, within the seconds by which the
    // published times are rounded: Meeus's example 49.a (1977 February 18,
    // 3h37m42s TD by the full theory) and the new moons of February and
    // March 2026 (12:02 and 01:23 UT), asked from both sides.
    void newMoonNear_data()
    {
        columns<double, double, double>({"from", "expected", "seconds"});
        const double meeus = 2443192.5 + (3 + 37.0 / 60 + 42.0 / 3600) / 24;
        row("example 49.a", 2443190.0, meeus - DeltaT(meeus) / 86400, 10.0);
        const double february = julianDayOf(2026, 2, 17, 12 + 2.0 / 60);
        const double march = julianDayOf(2026, 3, 19, 1 + 23.0 / 60);
        row("14 days before", february - 14, february, 60.0);
        row("14 days after", february + 14, february, 60.0);
        row("16 days after", february + 16, march, 60.0);
    }
    void newMoonNear()
    {
        QFETCH(double, from);
        QFETCH(double, expected);
        QFETCH(double, seconds);
        const double found = NewMoonNear(from);
        QVERIFY2(std::abs(found - expected) * 86400 < seconds,
                 qPrintable(QString::number(found, 'f', 6)));
    }

    // The table's cubic between nodes half a day apart keeps to a fraction
    // of a second of arc of the series, and so does the sidereal time.
    void tableFollowsTheSeries()
    {
        const double first = julianDayOf(2026, 2, 18, 9);
        const SkyTable table(first, first + 1);
        for (double t = first; t <= first + 1; t += 0.07) {
            const Sky fast = table.at(t);
            const Sky full = SkyAt(t);
            QVERIFY(AngleBetween(fast.moon, full.moon) * 3600 < 0.5);
            QVERIFY(AngleBetween(fast.sun, full.sun) * 3600 < 0.1);
            QVERIFY(std::abs(Length(fast.moon) - Length(full.moon)) < 3);
            QVERIFY(std::abs(fast.siderealTime - full.siderealTime) * 3600 < 0.1);
        }
    }

    // Four widths fix each cubic, so every coefficient is held: Odeh's
    // V = ARCV - (-0.1018 W^3 + 0.7319 W^2 - 6.3226 W + 7.1651) and Yallop's
    // q = (ARCV - (11.8371 - 6.3226 W + 0.7319 W^2 - 0.1018 W^3)) / 10.
    void formulas_data()
    {
        columns<double, double, double>({"width", "odehV", "yallopQ"});
        row("W 0", 0.0, 2.8349, -0.18371);
        row("W 1", 1.0, 8.5274, 0.38554);
        row("W 2", 2.0, 13.3669, 0.86949);
        row("W 3", 3.0, 17.9642, 1.32922);
    }
    void formulas()
    {
        QFETCH(double, width);
        QFETCH(double, odehV);
        QFETCH(double, yallopQ);
        QVERIFY(std::abs(OdehV(10, width) - odehV) < 1e-9);
        QVERIFY(std::abs(YallopQ(10, width) - yallopQ) < 1e-9);
    }

    // Odeh's zones include their lower edge; Yallop's classes start above it.
    void thresholds_data()
    {
        columns<int, double, int>({"criterion", "value", "grade"});
        const int odeh = int(Criterion::Odeh), yallop = int(Criterion::Yallop);
        row("V 5.65", odeh, 5.65, 0);
        row("V below 5.65", odeh, 5.6499, 1);
        row("V 2", odeh, 2.0, 1);
        row("V below 2", odeh, 1.9999, 2);
        row("V -0.96", odeh, -0.96, 2);
        row("V below -0.96", odeh, -0.9601, 3);
        row("V NaN", odeh, kNone, 3);
        row("q above 0.216", yallop, 0.2161, 0);
        row("q 0.216", yallop, 0.216, 1);
        row("q -0.014", yallop, -0.014, 2);
        row("q -0.160", yallop, -0.160, 3);
        row("q -0.232", yallop, -0.232, 4);
        row("q above -0.293", yallop, -0.2929, 4);
        row("q -0.293", yallop, -0.293, 5);
        row("q NaN", yallop, kNone, 5);
    }
    void thresholds()
    {
        QFETCH(int, criterion);
        QFETCH(double, value);
        QFETCH(int, grade);
        const int found =
            criterion == int(Criterion::Odeh) ? int(OdehZoneOf(value)) : int(YallopClassOf(value));
        QCOMPARE(found, grade);
    }

    // Makkah, 18 February 2026 (UTC+3), the day after the new moon.
    void makkahEvening()
    {
        const Evening e = EveningAt({21.4225, 39.8262, 0}, 2026, 2, 18, 3);
        QCOMPARE(e.obstacle, Obstacle::None);
        QVERIFY(std::abs(e.sunset - julianDayOf(2026, 2, 18, 15 + 20.0 / 60)) * 1440 < 1);
        QVERIFY(std::abs(e.lagMinutes - 59) < 1);
        QVERIFY(std::abs(e.bestTime - (e.sunset + e.lagMinutes * 4 / 9 / 1440)) < 1e-9);
        QVERIFY(std::abs(e.moonAgeHours - 27.3) < 0.05);
        QVERIFY(std::abs(e.arcl - 13.28) < 0.01);
        QVERIFY(std::abs(e.arcv - 13.27) < 0.01);
        QVERIFY(std::abs(e.daz - -0.50) < 0.01);
        QVERIFY(std::abs(e.width - 0.421) < 0.001);
        QVERIFY(std::abs(e.odehV - 8.65) < 0.01);
        QVERIFY(std::abs(e.yallopQ - 0.529) < 0.001);
        QCOMPARE(e.odehZone, OdehZone::A);
        QCOMPARE(e.yallopClass, YallopClass::A);
    }

    // Evenings that no criterion may call visible, with the settings that
    // exist and the values that follow from them still filled.
    void obstacles_data()
    {
        columns<double, double, int, QDate, Obstacle>(
            {"latitude", "longitude", "offset", "date", "obstacle"});
        row("before the new moon", 21.4225, 39.8262, 3, QDate(2026, 2, 16),
            Obstacle::BeforeConjunction);
        row("Moon sets first", -60.0, 0.0, 0, QDate(2025, 3, 30), Obstacle::MoonSetsFirst);
        row("midnight sun", 78.0, 15.0, 1, QDate(2026, 6, 15), Obstacle::SunDoesNotSet);
        row("Moon stays up", 64.0, 15.0, 1, QDate(2025, 5, 28), Obstacle::MoonDoesNotSet);
    }
    void obstacles()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, offset);
        QFETCH(QDate, date);
        QFETCH(Obstacle, obstacle);
        const Evening e =
            EveningAt({latitude, longitude, 0}, date.year(), date.month(), date.day(), offset);
        QCOMPARE(e.obstacle, obstacle);
        QCOMPARE(e.odehZone, OdehZone::D);
        QCOMPARE(e.yallopClass, YallopClass::F);
        QCOMPARE(std::isnan(e.sunset), obstacle == Obstacle::SunDoesNotSet);
        if (obstacle != Obstacle::SunDoesNotSet)
            QCOMPARE(std::isnan(e.moonset), obstacle == Obstacle::MoonDoesNotSet);
        const bool both =
            obstacle == Obstacle::BeforeConjunction || obstacle == Obstacle::MoonSetsFirst;
        QCOMPARE(std::isfinite(e.odehV) && std::isfinite(e.yallopQ), both);
        QCOMPARE(e.moonAgeHours < 0, obstacle == Obstacle::BeforeConjunction);
        QVERIFY(!ObstacleWords(obstacle).isEmpty());
    }

    void supportedDate_data()
    {
        columns<QDate, bool>({"date", "supported"});
        row("first day", QDate(1583, 1, 1), true);
        row("before", QDate(1582, 12, 31), false);
        row("last day", QDate(2500, 12, 31), true);
        row("after", QDate(2501, 1, 1), false);
        row("leap day", QDate(2400, 2, 29), true);
        row("no leap day", QDate(2100, 2, 29), false);
    }
    void supportedDate()
    {
        QFETCH(QDate, date);
        QFETCH(bool, supported);
        // QDate refuses 2100-02-29, so the day is given by hand there.
        const int day = date.isValid() ? date.day() : 29;
        const int month = date.isValid() ? date.month() : 2;
        const int year = date.isValid() ? date.year() : 2100;
        QCOMPARE(SupportedDate(year, month, day), supported);
    }

    // A map's cells agree with the single evening at their centres and
    // local times, round the globe.
    void mapAgreesWithEvenings_data()
    {
        columns<QDate, int, double>({"date", "criterion", "latitude"});
        row("Makkah's row, Odeh", QDate(2026, 2, 18), int(Criterion::Odeh), 21.5);
        row("southern row, Yallop", QDate(2025, 3, 30), int(Criterion::Yallop), -59.5);
        row("midnight sun", QDate(2026, 6, 15), int(Criterion::Odeh), 78.5);
    }
    void mapAgreesWithEvenings()
    {
        QFETCH(QDate, date);
        QFETCH(int, criterion);
        QFETCH(double, latitude);
        const MapArea area{latitude - 0.5, latitude + 0.5, 1};
        const CrescentMap map =
            ComputeCrescentMap(date.year(), date.month(), date.day(), Criterion(criterion), area);
        QCOMPARE(map.rows, 1);
        QCOMPARE(map.columns, 360);
        for (int column = 5; column < map.columns; column += 20) {
            const double longitude = map.longitudeOf(column);
            const Evening e = EveningAt({map.latitudeOf(0), longitude, 0}, date.year(),
                                        date.month(), date.day(), std::round(longitude / 15));
            const bool sets = !std::isnan(e.sunset) && !std::isnan(e.moonset);
            const int grade = !sets                               ? -1
                              : criterion == int(Criterion::Odeh) ? int(e.odehZone)
                                                                  : int(e.yallopClass);
            QCOMPARE(int(map.cell(0, column).grade), grade);
            QCOMPARE(map.cell(0, column).moonSetsFirst, e.moonset < e.sunset);
        }
    }
};

QTEST_GUILESS_MAIN(TestCrescent)
#include "tst_crescent.moc"
