// The place list of the city panel (AddCity.txt): ParsePlaceList and the
// city boxes a place fills.
// Input: the bytes of AddCity.txt, decoded as the program decodes files.

#include "core/calendar/leadingnumber.h"
#include "core/files/textfile.h"
#include "core/places/fieldreader.h"
#include "core/places/placelist.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

// A number field: its leading number, 0 when it has none or is too large.
double NumberOf(const QString &field)
{
    const double value = ReadLeadingNumber(field);
    return std::isfinite(value) ? value : 0.0;
}

void CheckBoxTexts(const PlaceRecord &place)
{
    const CityInfo boxes = PlaceBoxTexts(place);
    FUZZ_CHECK(boxes.name == place.name);
    // Each box holds a number that reads back as the place's value to 15
    // digits, and gives the same text again.
    for (const auto &[text, value] :
         {std::pair{boxes.latitude, place.latitude}, std::pair{boxes.longitude, place.longitude},
          std::pair{boxes.offsetGMT, place.offsetGMT}}) {
        const double back = ReadLeadingNumber(text);
        if (std::isinf(back)) { // beyond any coordinate: the box is refused when checked
            FUZZ_CHECK(FifteenDigitsOverflow(value));
            continue;
        }
        FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-14 ||
                   std::fabs(value) < 1e-300);
        FUZZ_CHECK(ShortestNumberText(back) == text);
    }
}

void CheckList(const QString &text)
{
    const PlaceListRead read = ParsePlaceList(text);
    FUZZ_CHECK(read.wasRead());
    FUZZ_CHECK(read.places.size() <= kMaxPlaces);

    // Fields taken four at a time, a byte order mark being no part of them.
    const QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    const QStringList fields = ReadFields(body, kMaxPlaces * 4 + 1);
    const qsizetype complete = std::min(fields.size() / 4, kMaxPlaces);
    FUZZ_CHECK(read.places.size() == complete);
    for (qsizetype n = 0; n < complete; ++n) {
        const PlaceRecord &place = read.places[n];
        FUZZ_CHECK(place.name == fields[4 * n]);
        FUZZ_CHECK(place.latitude == NumberOf(fields[4 * n + 1]));
        FUZZ_CHECK(place.longitude == NumberOf(fields[4 * n + 2]));
        FUZZ_CHECK(place.offsetGMT == NumberOf(fields[4 * n + 3]));
        CheckBoxTexts(place);
    }

    using Status = PlaceListRead::Status;
    if (fields.size() > kMaxPlaces * 4)
        FUZZ_CHECK(read.status == Status::TooManyPlaces);
    else if (fields.size() % 4 != 0)
        FUZZ_CHECK(read.status == Status::IncompleteRecord);
    else
        FUZZ_CHECK(read.status == Status::Ok);

    FUZZ_CHECK(PlacePanelCaption(read.places.size())
                   .endsWith(u'(' + QString::number(read.places.size()) + u')'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = BytesOf(data, size);
    CheckList(DecodeText(bytes));
    CheckList(Utf16Of(bytes));
    return 0;
}
