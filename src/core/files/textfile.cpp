#include "core/files/textfile.h"

#include "core/files/savefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace qarnivo {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five
// unassigned bytes, which are read as the C1 control of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t fromWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

char toWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

} // namespace

bool IsProgramText(const QByteArray &bytes)
{
    return !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF") && !bytes.contains('\0');
}

QString DecodeText(const QByteArray &bytes)
{
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes); // not const: returned by moving
        if (!utf8.hasError())
            return text;
    }
    // Latin-1 is Windows-1252 but for 0x80..0x9F, which are put right after.
    QString text = QString::fromLatin1(bytes);
    for (QChar &c : text) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(fromWindows1252(static_cast<unsigned char>(c.unicode())));
    }
    return text;
}

QByteArray EncodeWindows1252(const QString &text)
{
    QByteArray bytes = text.toLatin1(); // fast; what Latin-1 lacks is fixed below
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80 && (c <= 0x9F || c > 0xFF))
            bytes[i] = toWindows1252(c);
    }
    return bytes;
}

bool FitsWindows1252(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 || (u >= 0xA0 && u <= 0xFF) || toWindows1252(u) != '?';
    });
}

QByteArray EncodeLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return {};
    const QString crLf = QStringLiteral("\r\n");
    const QString text = lines.join(crLf) + crLf;
    // Text that Windows-1252 cannot hold is written in UTF-8, which the
    // readers take as well, rather than losing its letters.
    // Windows-1252 bytes that happen to form UTF-8 would read back as UTF-8
    // and change the text; such text is written in UTF-8 as well.
    if (FitsWindows1252(text)) {
        QByteArray bytes = EncodeWindows1252(text); // not const: returned by moving
        if (DecodeText(bytes) == text)
            return bytes;
    }
    return text.toUtf8();
}

QStringList SplitLines(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    if (normal.endsWith(u'\n'))
        normal.chop(1);
    if (normal.isEmpty())
        return {};
    return normal.split(u'\n');
}

TextFileRead ReadTextFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {TextFileRead::Status::NotFound, {}};
    // Only a regular file is read: a folder, or a pipe that would wait for a
    // writer for ever, is refused before it is opened.
    if (!info.isFile())
        return {TextFileRead::Status::Unreadable, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {TextFileRead::Status::Unreadable, {}};
    if (file.size() > maxBytes)
        return {TextFileRead::Status::TooLarge, {}};
    const QByteArray bytes = file.read(qMin(maxBytes, file.size()) + 1);
    if (bytes.size() > maxBytes)
        return {TextFileRead::Status::TooLarge, {}};
    if (!IsProgramText(bytes))
        return {TextFileRead::Status::Unreadable, {}};
    return {TextFileRead::Status::Ok, DecodeText(bytes)};
}

QString SaveTextFile(const QString &path, const QStringList &lines)
{
    return SaveBytes(path, EncodeLines(lines));
}

} // namespace qarnivo
