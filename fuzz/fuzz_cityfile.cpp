// The city file: ReadCityFile on a file holding the input, and the main
// window's display forms of what it read.
// Input: the bytes of CityInfo.txt.

#include "core/calendar/leadingnumber.h"
#include "core/files/textfile.h"
#include "core/places/cityfile.h"
#include "core/places/fieldreader.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cmath>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

// One folder for the whole run, removed when the fuzzer exits.
QString CityFilePath()
{
    static const QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    return QDir(folder.path()).filePath(kCityFileName);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

// Whether a display form shows a number: an optional minus, at least
// `integerDigits` digits, a point and exactly `decimals` decimals.
bool IsFixedNumber(const QString &shown, int integerDigits, int decimals)
{
    const qsizetype i = shown.startsWith(u'-') ? 1 : 0;
    const qsizetype point = shown.indexOf(u'.', i);
    if (point - i < integerDigits || shown.size() - point - 1 != decimals)
        return false;
    for (qsizetype k = i; k < shown.size(); ++k) {
        if (k != point && !(shown[k] >= u'0' && shown[k] <= u'9'))
            return false;
    }
    return true;
}

// A number shown has the text's value rounded to the decimals shown; any
// other text is shown as it is.
void CheckNumberForm(const QString &text, const QString &shown, int integerDigits, int decimals)
{
    const double value = ReadLeadingNumber(text);
    if (!IsFixedNumber(shown, integerDigits, decimals) || !std::isfinite(value) ||
        std::fabs(value) > 1e15) {
        // Not shown as a number: the text itself, at most 24 characters.
        FUZZ_CHECK(shown == text.left(24));
        return;
    }
    const double back = ReadLeadingNumber(shown);
    const double step = std::pow(10.0, -decimals);
    if (!(std::fabs(back - value) <= step / 2 + std::fabs(value) * 1e-15)) {
        Show("text", text);
        Show("shown", shown);
        FUZZ_CHECK(std::fabs(back - value) <= step / 2 + std::fabs(value) * 1e-15);
    }
}

void CheckDisplayForms(const CityInfo &city)
{
    const QString name = CityNameDisplay(city.name);
    FUZZ_CHECK(name.size() <= kCityNameLength && city.name.startsWith(name));
    // A character that takes two UTF-16 units is shown whole or not at all.
    const bool cutInPair = !name.isEmpty() && name.size() < city.name.size() &&
                           name.back().isHighSurrogate() && city.name[name.size()].isLowSurrogate();
    if (cutInPair) {
        Show("name", city.name);
        FUZZ_CHECK(!cutInPair);
    }

    const QString latitude = LatitudeDisplay(city.latitude);
    FUZZ_CHECK(latitude.startsWith(u' ') && latitude.endsWith(QStringLiteral("º ")));
    CheckNumberForm(city.latitude, latitude.mid(1, latitude.size() - 3), 1, 2);

    const QString longitude = LongitudeDisplay(city.longitude);
    FUZZ_CHECK(longitude.startsWith(u' ') && longitude.endsWith(QStringLiteral("º ")));
    CheckNumberForm(city.longitude, longitude.mid(1, longitude.size() - 3), 2, 2);

    const QString offset = OffsetDisplay(city.offsetGMT);
    FUZZ_CHECK(offset.endsWith(QStringLiteral(" Hours")));
    CheckNumberForm(city.offsetGMT, offset.chopped(6), 1, 1);
}

// Reading a real file is slow under AddressSanitizer (the reader sets aside
// room for the largest file it accepts), so one input in 32, chosen by its
// content, goes through a file; the others are read from memory the way the
// reader reads its file's text.
bool ThroughFile(const QByteArray &bytes)
{
    return qHash(bytes, 0) % 32 == 0;
}

CityFileRead ReadFromMemory(const QByteArray &bytes)
{
    if (!IsProgramText(bytes))
        return {CityFileRead::Status::Unreadable, {}};
    const QStringList fields = ReadFields(DecodeText(bytes), 4);
    if (fields.size() < 4)
        return {CityFileRead::Status::TooFewFields, {}};
    return {CityFileRead::Status::Ok, {fields[0], fields[1], fields[2], fields[3]}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = BytesOf(data, size);
    const CityFileRead expected = ReadFromMemory(bytes);
    if (ThroughFile(bytes)) {
        const QString path = CityFilePath();
        WriteFile(path, bytes);
        const CityFileRead read = ReadCityFile(path);
        FUZZ_CHECK(read.status == expected.status);
        FUZZ_CHECK(read.city.name == expected.city.name &&
                   read.city.latitude == expected.city.latitude &&
                   read.city.longitude == expected.city.longitude &&
                   read.city.offsetGMT == expected.city.offsetGMT);
    }
    if (expected.status == CityFileRead::Status::Ok)
        CheckDisplayForms(expected.city);

    // The display forms of any text, as a hand-edited file may hold it.
    const QString text = QString::fromUtf8(bytes);
    CheckDisplayForms({text, text, text, text});
    return 0;
}
