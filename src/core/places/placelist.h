#pragma once

#include "core/places/cityfile.h"
#include "core/places/place.h"

#include <QList>
#include <QString>

namespace qarnivo {

// The place list of the city panel, read from AddCity.txt in the
// application folder: fields separated by commas or line ends, taken four at
// a time as name, latitude, longitude and GMT offset, one place a line by
// convention ("Bhubaneswar,20.27,-85.85,-5.5"). Fields follow ReadFields;
// a number field is read as its leading number, 0 when it has none or when
// it is too large to be a number.

using PlaceRecord = Place;

inline constexpr qsizetype kMaxPlaces = 501;
inline const QString kPlaceFileName = QStringLiteral("AddCity.txt");

struct PlaceListRead {
    enum class Status {
        Ok,
        NotFound,         // no file: no places
        Unreadable,       // the file cannot be read, or is too large: no places
        TooManyPlaces,    // more than 501 places: the first 501 are kept
        IncompleteRecord, // the file ends inside a place: the complete ones are kept
    };
    Status status = Status::Ok;
    QList<PlaceRecord> places; // in file order

    // Whether the file was read (the places are usable even when it held
    // too many places or ended inside one).
    bool wasRead() const { return status != Status::NotFound && status != Status::Unreadable; }
};

PlaceListRead ReadPlaceList(const QString &path);

// The places of a file's text.
PlaceListRead ParsePlaceList(const QString &text);

// The four city boxes filled from a place: the name, and the numbers in
// their shortest form (21.4200 in the file shows as 21.42).
CityInfo PlaceBoxTexts(const PlaceRecord &place);

// The city panel's caption once the list is filled.
QString PlacePanelCaption(qsizetype placeCount);

} // namespace qarnivo
