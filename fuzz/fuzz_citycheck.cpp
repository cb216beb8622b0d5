// The default city's edit cycle: CheckCityBoxes on four typed boxes, and a
// valid city written as the city file is written and read back.
// Input: the four boxes (name, latitude, longitude, GMT offset) as UTF-8,
// separated by NULs; missing boxes are empty.

#include "core/calendar/leadingnumber.h"
#include "core/files/textfile.h"
#include "core/places/citycheck.h"
#include "core/places/fieldreader.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

bool SameCity(const CityInfo &a, const CityInfo &b)
{
    return a.name == b.name && a.latitude == b.latitude && a.longitude == b.longitude &&
           a.offsetGMT == b.offsetGMT;
}

CityCheck::Outcome ExpectedOutcome(const CityInfo &boxes)
{
    using Outcome = CityCheck::Outcome;
    if (boxes.name.isEmpty())
        return Outcome::EmptyName;
    for (const QString *box : {&boxes.name, &boxes.latitude, &boxes.longitude, &boxes.offsetGMT})
        if (box->contains(u'"'))
            return Outcome::DoubleQuote;
    const double latitude = ReadLeadingNumber(boxes.latitude);
    if (!(latitude >= -89.8 && latitude <= 89.8))
        return Outcome::BadLatitude;
    const double longitude = ReadLeadingNumber(boxes.longitude);
    if (!(longitude >= -180.0 && longitude <= 180.0))
        return Outcome::BadLongitude;
    const double offset = ReadLeadingNumber(boxes.offsetGMT);
    if (!(offset >= -12.0 && offset < 12.0))
        return Outcome::BadOffset;
    return Outcome::Valid;
}

// A number text the city keeps: a finite number, even for a box too large
// for a double, that gives its own text again and is the box's value to 15
// digits (or, beyond the largest double, a number as large of its sign).
void CheckNumberText(const QString &kept, const QString &box)
{
    const double value = ReadLeadingNumber(kept);
    if (!std::isfinite(value)) {
        Show("box", box);
        Show("kept", kept);
        FUZZ_CHECK(std::isfinite(value));
    }
    FUZZ_CHECK(ShortestNumberText(value) == kept);
    const double typed = ReadLeadingNumber(box);
    if (std::isinf(typed) || FifteenDigitsOverflow(typed))
        FUZZ_CHECK(std::fabs(value) >= 1.7976931348623e308 &&
                   std::signbit(value) == std::signbit(typed));
    else
        FUZZ_CHECK(std::fabs(value - typed) <= std::fabs(typed) * 1e-14 ||
                   std::fabs(typed) < 1e-300);
}

void CheckName(const QString &kept, const QString &typed)
{
    FUZZ_CHECK(typed.startsWith(kept));
    FUZZ_CHECK(kept.size() <= kCityNameLength);
    FUZZ_CHECK(kept.size() >= std::min<qsizetype>(typed.size(), kCityNameLength - 1));
    // Never half of a character that takes two UTF-16 units.
    if (kept.size() < typed.size())
        FUZZ_CHECK(!(kept.back().isHighSurrogate() && typed[kept.size()].isLowSurrogate()));
}

// The valid boxes saved and read as the city file: the reader gives back
// the name as kept and the boxes as typed, whichever encoding the file was
// written in. (A name opening with U+FEFF loses it when the file is written
// in UTF-8: the reader takes it for the file's byte order mark.)
void CheckSaved(const CityInfo &boxes)
{
    const QStringList lines = CitySaveLines(boxes);
    FUZZ_CHECK(lines.size() == 14);
    const QStringList expected{CutCityName(boxes.name), boxes.latitude, boxes.longitude,
                               boxes.offsetGMT};
    if (expected.first().startsWith(QChar(0xFEFF)))
        return;
    const QStringList fields = ReadFields(DecodeText(EncodeLines(lines)), 4);
    if (fields != expected) {
        for (const QString &line : lines.mid(0, 4))
            Show("line", line);
        for (const QString &field : fields)
            Show("read", field);
        FUZZ_CHECK(fields == expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = SplitAtNul(BytesOf(data, size), 4);
    CityInfo boxes;
    QString *fields[] = {&boxes.name, &boxes.latitude, &boxes.longitude, &boxes.offsetGMT};
    for (qsizetype i = 0; i < parts.size(); ++i)
        *fields[i] = QString::fromUtf8(parts[i]);
    const CityInfo current = DefaultCity();

    const CityCheck check = CheckCityBoxes(boxes, current);
    FUZZ_CHECK(check.outcome == ExpectedOutcome(boxes));
    FUZZ_CHECK(check.valid() == !check.refusal.has_value());
    if (check.refusal)
        FUZZ_CHECK(!check.refusal->text.isEmpty());

    using Outcome = CityCheck::Outcome;
    if (check.outcome == Outcome::EmptyName || check.outcome == Outcome::DoubleQuote) {
        FUZZ_CHECK(SameCity(check.city, current));
        return 0;
    }
    CheckName(check.city.name, boxes.name);
    FUZZ_CHECK(check.city.name == CutCityName(boxes.name));
    CheckNumberText(check.city.latitude, boxes.latitude);
    CheckNumberText(check.city.longitude, boxes.longitude);
    CheckNumberText(check.city.offsetGMT, boxes.offsetGMT);
    if (check.valid())
        CheckSaved(boxes);
    return 0;
}
