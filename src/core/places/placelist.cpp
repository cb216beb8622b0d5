#include "core/places/placelist.h"

#include "core/calendar/leadingnumber.h"
#include "core/calendar/names.h"
#include "core/files/textfile.h"
#include "core/places/fieldreader.h"

#include <QCoreApplication>

#include <cmath>

namespace qarnivo {

namespace {

constexpr qsizetype kFieldsPerPlace = 4;

double numberField(const QString &field)
{
    const double value = ReadLeadingNumber(field);
    return std::isfinite(value) ? value : 0.0;
}

// Text saved with a byte order mark starts with U+FEFF when the decoder
// keeps it; it belongs to no field.
QString withoutByteOrderMark(const QString &text)
{
    return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
}

} // namespace

PlaceListRead ParsePlaceList(const QString &text)
{
    // One field beyond the limit tells whether there are too many places.
    const QStringList fields =
        ReadFields(withoutByteOrderMark(text), kMaxPlaces * kFieldsPerPlace + 1);
    PlaceListRead read;
    const qsizetype complete = qMin(fields.size() / kFieldsPerPlace, kMaxPlaces);
    read.places.reserve(complete);
    for (qsizetype n = 0; n < complete; ++n) {
        const qsizetype f = n * kFieldsPerPlace;
        read.places.append({fields[f], numberField(fields[f + 1]), numberField(fields[f + 2]),
                            numberField(fields[f + 3])});
    }
    if (fields.size() > kMaxPlaces * kFieldsPerPlace)
        read.status = PlaceListRead::Status::TooManyPlaces;
    else if (fields.size() % kFieldsPerPlace != 0)
        read.status = PlaceListRead::Status::IncompleteRecord;
    return read;
}

PlaceListRead ReadPlaceList(const QString &path)
{
    const TextFileRead file = ReadTextFile(path);
    switch (file.status) {
    case TextFileRead::Status::Ok:
        break;
    case TextFileRead::Status::NotFound:
        return {PlaceListRead::Status::NotFound, {}};
    case TextFileRead::Status::Unreadable:
    case TextFileRead::Status::TooLarge:
        return {PlaceListRead::Status::Unreadable, {}};
    }
    return ParsePlaceList(file.text);
}

CityInfo PlaceBoxTexts(const PlaceRecord &place)
{
    return {place.name, ShortestNumberText(place.latitude), ShortestNumberText(place.longitude),
            ShortestNumberText(place.offsetGMT)};
}

QString PlacePanelCaption(qsizetype placeCount)
{
    return QCoreApplication::translate("Places", "Select City by Double Click (%1)")
        .arg(ShownNumber(placeCount));
}

} // namespace qarnivo
