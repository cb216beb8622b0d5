// The Qibla: published bearings on every continent, others computed apart from the program
// (a few lines of Python on the same spherical formulas), the city file's sign conventions,
// no bearing at the Kaaba and its antipode, and the sixteen points of the compass rose.

#include "core/places/cityfile.h"
#include "core/prayer/prayertimes.h"
#include "core/qibla/qibla.h"
#include "testsupport.h"

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::QiblaNote)

class TestQibla : public QObject {
    Q_OBJECT
private slots:
    // Published bearings are given to a tenth with their own coordinates, so they are held to
    // 0.1 degree; the computed ones to 0.01 degree and half a kilometre.
    void bearings_data()
    {
        columns<double, double, double, double, double, QString>(
            {"latitude", "longitude", "bearing", "tolerance", "distance", "compass"});
        row("Jakarta", -6.2088, 106.8456, 295.2, 0.1, -1.0, QString("west-northwest"));
        row("London", 51.5074, -0.1278, 119.0, 0.1, -1.0, QString("east-southeast"));
        row("New York", 40.7128, -74.0060, 58.5, 0.1, -1.0, QString("east-northeast"));
        row("Sydney", -33.8688, 151.2093, 277.5, 0.1, -1.0, QString("west"));
        row("Bhubaneswar", 20.27, 85.85, 280.0, 0.1, -1.0, QString("west"));
        row("Cape Town", -33.9249, 18.4241, 23.353, 0.01, 6558.3, QString("north-northeast"));
        row("Tokyo", 35.6762, 139.6503, 292.999, 0.01, 9471.8, QString("west-northwest"));
        row("Moscow", 55.7558, 37.6173, 176.356, 0.01, 3822.1, QString("south"));
        row("Sao Paulo", -23.5505, -46.6333, 68.939, 0.01, 10602.4, QString("east-northeast"));
        row("Anchorage", 61.2181, -149.9003, 350.883, 0.01, 10784.5, QString("north"));
    }
    void bearings()
    {
        const auto [latitude, longitude, bearing, tolerance, distance, compass] =
            fetch<double, double, double, double, double, QString>(
                "latitude", "longitude", "bearing", "tolerance", "distance", "compass");
        const Qibla qibla = QiblaFrom(latitude, longitude);
        QVERIFY(qibla.bearing);
        QVERIFY2(std::abs(*qibla.bearing - bearing) <= tolerance,
                 qPrintable(QString::number(*qibla.bearing)));
        QVERIFY(distance < 0 || std::abs(qibla.distanceKm - distance) <= 0.5);
        QCOMPARE(CompassKey(CompassPoint(*qibla.bearing)), compass);
        QCOMPARE(qibla.note, QiblaNote::None);
    }

    // The city file keeps longitudes west positive: the default city lies east of Makkah, so
    // its Qibla points west.
    void defaultCity()
    {
        const std::optional<PrayerPlace> place = PrayerPlaceOfCity(DefaultCity());
        QVERIFY(place);
        const Qibla qibla = QiblaFrom(place->latitude, place->longitude);
        QCOMPARE(QiblaLine(qibla), "280.0°, west");
        QCOMPARE(qRound(qibla.distanceKm), 4767);
    }

    // Within a kilometre of the Kaaba or its antipode the note takes the bearing's place.
    void nearTheEnds_data()
    {
        columns<double, double, QiblaNote, QString>({"latitude", "longitude", "note", "line"});
        row("at the Kaaba", kKaabaLatitude, kKaabaLongitude, QiblaNote::AtKaaba,
            QString("at the Kaaba"));
        row("half a kilometre north", kKaabaLatitude + 0.0045, kKaabaLongitude, QiblaNote::AtKaaba,
            QString("at the Kaaba"));
        row("two kilometres north", kKaabaLatitude + 0.018, kKaabaLongitude, QiblaNote::None,
            QString("180.0°, south"));
        row("at the antipode", -kKaabaLatitude, kKaabaLongitude - 180, QiblaNote::AtAntipode,
            QString("at the antipode: every direction"));
        row("the antipode's longitude the other way", -kKaabaLatitude, kKaabaLongitude + 180,
            QiblaNote::AtAntipode, QString("at the antipode: every direction"));
        row("two kilometres north of the antipode", -kKaabaLatitude + 0.018, kKaabaLongitude - 180,
            QiblaNote::None, QString("0.0°, north"));
    }
    void nearTheEnds()
    {
        const auto [latitude, longitude, note, line] =
            fetch<double, double, QiblaNote, QString>("latitude", "longitude", "note", "line");
        const Qibla qibla = QiblaFrom(latitude, longitude);
        QCOMPARE(qibla.note, note);
        QCOMPARE(qibla.bearing.has_value(), note == QiblaNote::None);
        QCOMPARE(QiblaLine(qibla), line);
        QCOMPARE(QiblaNoteKey(note), note == QiblaNote::None ? QString() : line);
    }

    // Each point's sector begins 11.25 degrees before its direction.
    void compassBoundaries_data()
    {
        columns<int, QString>({"point", "words"});
        const char *words[] = {"north", "north-northeast", "northeast", "east-northeast",
                               "east",  "east-southeast",  "southeast", "south-southeast",
                               "south", "south-southwest", "southwest", "west-southwest",
                               "west",  "west-northwest",  "northwest", "north-northwest"};
        for (int point = 0; point < kCompassPoints; ++point)
            QTest::addRow("%s", words[point]) << point << QString(words[point]);
    }
    void compassBoundaries()
    {
        const auto [point, words] = fetch<int, QString>("point", "words");
        const double start = std::fmod(point * 22.5 - 11.25 + 360, 360);
        QCOMPARE(CompassPoint(start + 1e-9), point);
        QCOMPARE(CompassPoint(std::fmod(start - 1e-9 + 360, 360)),
                 (point + kCompassPoints - 1) % kCompassPoints);
        QCOMPARE(CompassKey(point), words);
        QCOMPARE(CompassWords(point), words);
    }

    // A bearing is shown to a tenth, and never as 360.
    void bearingText_data()
    {
        columns<double, QString>({"bearing", "text"});
        row("rounded down", 359.94, QString("359.9"));
        row("360 shows as 0", 359.96, QString("0.0"));
        row("rounded up", 0.05, QString("0.1"));
        row("whole", 90.0, QString("90.0"));
    }
    void bearingText()
    {
        const auto [bearing, text] = fetch<double, QString>("bearing", "text");
        QCOMPARE(BearingText(bearing), text);
    }

    // In Arabic the words and the digits are the language's.
    void arabicLine()
    {
        const InLanguage in(QStringLiteral("ar"));
        QVERIFY(in.loaded());
        const QString line = QiblaLine(QiblaFrom(51.5074, -0.1278));
        QVERIFY2(line.startsWith(QStringLiteral("١١٩٫٠")), qPrintable(line));
        QVERIFY(!line.contains(QStringLiteral("east")));
    }
};

QTEST_GUILESS_MAIN(TestQibla)

#include "tst_qibla.moc"
