// The text file codec: DecodeText, EncodeWindows1252, EncodeLines and
// SplitLines, checked against the Windows-1252 table and a strict UTF-8
// reading written here.
// Input: the bytes of a text file; read as UTF-16 code units it is also a
// text to be written.

#include "core/files/textfile.h"
#include "fuzzsupport.h"

#include <QStringList>

#include <array>
#include <optional>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes read as the C1
// control of the same number.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FromCp1252(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte;
}

// The byte Windows-1252 gives `c`, or nothing when it has none (the C1
// controls that stand in for the unassigned bytes are not characters of it).
std::optional<unsigned char> ToCp1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (unsigned i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == c && c > 0x9F)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// The text of well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF), or nothing.
std::optional<QString> StrictUtf8(const QByteArray &bytes)
{
    QString text;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1, code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > bytes.size())
            return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(static_cast<char16_t>(code));
        }
        i += length;
    }
    return text;
}

bool IsAscii(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}

void CheckDecoding(const QByteArray &bytes)
{
    const QString text = DecodeText(bytes);
    const std::optional<QString> utf8 = IsAscii(bytes) ? std::nullopt : StrictUtf8(bytes);
    if (utf8) {
        // A byte order mark at the start is dropped.
        const QString expected = utf8->startsWith(QChar(0xFEFF)) ? utf8->mid(1) : *utf8;
        FUZZ_CHECK(text == expected);
        return;
    }
    FUZZ_CHECK(text.size() == bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        FUZZ_CHECK(text[i] == QChar(FromCp1252(static_cast<unsigned char>(bytes[i]))));
    // Read as Windows-1252, every byte stands for a character of its own, so
    // writing the text gives the bytes back, but for the unassigned bytes.
    const QByteArray written = EncodeWindows1252(text);
    FUZZ_CHECK(written.size() == bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool unassigned = FromCp1252(byte) == byte && byte >= 0x80 && byte <= 0x9F;
        FUZZ_CHECK(written[i] == (unassigned ? '?' : bytes[i]));
    }
}

void CheckLines(const QString &text)
{
    const QStringList lines = SplitLines(text);
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    // Joined with one line end each, the lines are the text with its line
    // ends made alike and a final one dropped.
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (normal.endsWith(u'\n'))
        normal.chop(1);
    FUZZ_CHECK(lines.join(u'\n') == normal);
    FUZZ_CHECK(lines.isEmpty() == normal.isEmpty());
}

bool HasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

void CheckEncoding(const QString &text)
{
    const QByteArray bytes = EncodeWindows1252(text);
    FUZZ_CHECK(bytes.size() == text.size());
    bool representable = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<unsigned char> byte = ToCp1252(text[i].unicode());
        representable = representable && byte.has_value();
        FUZZ_CHECK(static_cast<unsigned char>(bytes[i]) == byte.value_or('?'));
    }
    FUZZ_CHECK(FitsWindows1252(text) == representable);
    // A text Windows-1252 holds reads back unchanged, unless its bytes happen
    // to be well-formed UTF-8 with a non-ASCII character (such as "Ã©"):
    // those are taken as UTF-8, which is what lets the program read UTF-8.
    const bool readAsUtf8 = !IsAscii(bytes) && StrictUtf8(bytes).has_value();
    if (representable && !readAsUtf8)
        FUZZ_CHECK(DecodeText(bytes) == text);

    // The lines of a file written and read again come back unchanged, in
    // whichever encoding the file was written; the exceptions are text no
    // encoding holds (a lone surrogate) and a byte order mark opening a
    // UTF-8 file, which the reader takes for the file's mark.
    const QStringList lines = SplitLines(text);
    const QByteArray file = EncodeLines(lines);
    FUZZ_CHECK(file.endsWith("\r\n") || lines.isEmpty());
    if (HasLoneSurrogate(text) || text.startsWith(QChar(0xFEFF)))
        return;
    const QStringList back = SplitLines(DecodeText(file));
    if (back != lines) {
        for (const QString &line : lines)
            Show("line", line);
        for (const QString &line : back)
            Show("read", line);
        FUZZ_CHECK(back == lines);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = BytesOf(data, size);
    CheckDecoding(bytes);
    CheckLines(DecodeText(bytes));
    CheckEncoding(Utf16Of(bytes));
    CheckEncoding(DecodeText(bytes));
    return 0;
}
