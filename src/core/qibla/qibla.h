#pragma once

// The Qibla: the direction of the Kaaba from a place, as the initial bearing
// of the great circle towards it on a sphere, with the distance along it and
// the point of a sixteen-point compass rose.

#include <QString>

#include <optional>

namespace qarnivo {

// The Kaaba, latitude north positive and longitude east positive, in degrees.
inline constexpr double kKaabaLatitude = 21.4225;
inline constexpr double kKaabaLongitude = 39.8262;
inline constexpr double kEarthRadiusKm = 6371;
inline constexpr int kCompassPoints = 16;

// Within a kilometre of the Kaaba or of its antipode no one direction leads
// to it.
enum class QiblaNote { None, AtKaaba, AtAntipode };

struct Qibla {
    std::optional<double> bearing; // from true north, clockwise, 0 <= bearing < 360
    double distanceKm = 0;
    QiblaNote note = QiblaNote::None;
};

// From a place at `latitude` (-90..90, north positive) and `longitude`
// (east positive), in degrees.
Qibla QiblaFrom(double latitude, double longitude);

// The bearing to one decimal as it is shown, "292.4"; 359.96 shows as "0.0".
QString BearingText(double bearing);

// The compass point nearest the bearing, 0 (north) to 15 (north-northwest);
// each point takes 11.25 degrees either side of its direction.
int CompassPoint(double bearing);

// "north-northeast": the point in the interface language, and in English
// for programs.
QString CompassWords(int point);
QString CompassKey(int point);

// "at the Kaaba", "at the antipode: every direction"; empty for None. In the
// interface language, and in English for programs.
QString QiblaNoteWords(QiblaNote note);
QString QiblaNoteKey(QiblaNote note);

// The distance in whole kilometres, "4767", in the interface language's digits.
QString ShownKilometres(double distanceKm);

// "292.4°, west-northwest", or the note, in the interface language and its
// digits.
QString QiblaLine(const Qibla &qibla);

// "Qibla from Bhubaneswar: 280.0°, west (4767 km)"; at the Kaaba or its
// antipode the note without a distance.
QString QiblaFromLine(const QString &place, const Qibla &qibla);

} // namespace qarnivo
