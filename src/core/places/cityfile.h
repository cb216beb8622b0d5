#pragma once

#include <QString>
#include <QStringList>

namespace qarnivo {

// The default city, held as text the way the city file stores it: latitude
// north positive, longitude west positive, GMT offset the hours to add to
// local time to obtain GMT (east of Greenwich negative).
struct CityInfo {
    QString name;
    QString latitude;
    QString longitude;
    QString offsetGMT;
};

inline constexpr int kCityNameLength = 22;
inline const QString kCityFileName = QStringLiteral("CityInfo.txt");

struct CityFileRead {
    enum class Status { Ok, NotFound, Unreadable, TooFewFields };
    Status status = Status::Ok;
    CityInfo city;
};

// Reads the first four fields of the city file.
CityFileRead ReadCityFile(const QString &path);

// The fourteen lines of the city file: the four values, then a note for
// people who edit the file by hand.
QStringList CityFileLines(const CityInfo &city);

CityInfo DefaultCity();

// What the user is told when the city file was missing and has been written.
QString MissingCityFileMessage();

// What the user is told when the missing city file could not be written.
QString CityFileNotWrittenMessage(const QString &path, const QString &reason);

// What the user is told when the city file exists but cannot be used.
QString CityFileUnusableMessage(const QString &path, CityFileRead::Status status);

// The main window's display forms of the four values.
QString CityNameDisplay(const QString &name);     // first 22 characters
QString LatitudeDisplay(const QString &latitude); // " 20.27º "
QString LongitudeDisplay(const QString &longitude);
QString OffsetDisplay(const QString &offsetGMT); // "-5.5 Hours"

} // namespace qarnivo
