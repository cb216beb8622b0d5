// The field reader of the data files (CityInfo.txt, AddCity.txt).
// Input: the bytes of a data file, decoded as the program decodes files.
// The same bytes, cut at NULs, are also used as values that are written the
// way the city file is written and must come back unchanged.

#include "core/files/textfile.h"
#include "core/places/fieldreader.h"
#include "fuzzsupport.h"

#include <QStringList>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

// Commas plus line ends (CR LF counting once): no reading can give more
// fields than one more than these.
qsizetype SeparatorCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u',' || text[i] == u'\n')
            ++count;
        else if (text[i] == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n'))
            ++count;
    }
    return count;
}

void CheckReading(const QString &text)
{
    const QStringList fields = ReadFields(text);
    FUZZ_CHECK(fields.size() <= SeparatorCount(text) + 1);
    qsizetype characters = 0;
    for (const QString &field : fields)
        characters += field.size();
    FUZZ_CHECK(characters <= text.size());

    // A limit gives the first fields of the whole reading.
    for (const qsizetype limit : {qsizetype(0), qsizetype(1), qsizetype(4), qsizetype(7)}) {
        const QStringList limited = ReadFields(text, limit);
        FUZZ_CHECK(limited == fields.mid(0, limit));
    }
    // Empty lines and blanks before the first field give nothing.
    FUZZ_CHECK(ReadFields(QStringLiteral("\r\n\n \t\r\n") + text) == fields);
    FUZZ_CHECK(ReadFields(QStringLiteral(" \t") + text) == fields);
}

// A value as the city file writes it: plain when the reader gives it back as
// it stands, else between double quotes.
QString WrittenField(const QString &value)
{
    const bool plain = !value.isEmpty() && value[0] != u' ' && value[0] != u'\t' &&
                       value[0] != u'"' && !value.contains(u',') && !value.contains(u'\r') &&
                       !value.contains(u'\n');
    return plain ? value : u'"' + value + u'"';
}

// Values without double quotes (a quoted field cannot hold one), each
// written and then read back; the first byte of each part chooses whether a
// comma or a line end follows it.
void CheckWrittenValues(const QByteArray &bytes)
{
    QStringList values;
    QString file;
    for (const QByteArray &part : SplitAtNul(bytes, 64)) {
        QString value = QString::fromUtf8(part);
        value.replace(u'"', u'\'');
        values.append(value);
        const bool comma = !part.isEmpty() && (static_cast<unsigned char>(part[0]) & 1);
        file += WrittenField(value) + (comma ? QStringLiteral(",") : QStringLiteral("\r\n"));
    }
    const QStringList back = ReadFields(file);
    if (back != values) {
        Show("file", file);
        for (const QString &field : back)
            Show("read", field);
        FUZZ_CHECK(back == values);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = BytesOf(data, size);
    CheckReading(DecodeText(bytes));
    CheckReading(Utf16Of(bytes));
    CheckWrittenValues(bytes);
    return 0;
}
