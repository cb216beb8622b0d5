#pragma once

// Shared pieces of the fuzz targets: turning the fuzzer's bytes into the
// texts a reader is handed, an invariant check that stops the run with a
// readable message, and reference versions of the number rules that the
// readers are checked against.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qarnivo::fuzz {

[[noreturn]] inline void Fail(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "\n*** invariant failed: %s\n    at %s:%d\n", condition, file, line);
    std::abort();
}

// Prints a text with every character outside printable ASCII as \uXXXX, so
// that the log shows exactly what a reader was handed.
inline void Show(const char *label, const QString &text)
{
    std::string shown;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'\\') {
            shown += static_cast<char>(u);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(u));
            shown += escape;
        }
    }
    std::fprintf(stderr, "%s: \"%s\"\n", label, shown.c_str());
}

inline QByteArray BytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// The parts of the input between NUL bytes, at most `maxParts` (the last part
// keeps any further NULs); the way a target is handed several texts at once.
inline QList<QByteArray> SplitAtNul(const QByteArray &bytes, qsizetype maxParts)
{
    QList<QByteArray> parts;
    qsizetype start = 0;
    while (parts.size() + 1 < maxParts) {
        const qsizetype nul = bytes.indexOf('\0', start);
        if (nul < 0)
            break;
        parts.append(bytes.mid(start, nul - start));
        start = nul + 1;
    }
    parts.append(bytes.mid(start));
    return parts;
}

// The input read as raw UTF-16 code units (an odd last byte is dropped), so
// that texts with lone surrogates, which no decoder produces, are tried too.
inline QString Utf16Of(const QByteArray &bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        text.append(QChar(static_cast<char16_t>(low | (high << 8))));
    }
    return text;
}

// Where the number at `start` ends: an optional sign, digits with at most one
// ".", at least one digit, and an exponent only when digits follow its "e".
// Returns `start` when no number stands there.
inline qsizetype ReferenceNumberEnd(const QString &text, qsizetype start)
{
    const auto digitAt = [&text](qsizetype i) {
        return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
    };
    qsizetype i = start;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    for (; digitAt(i); ++i)
        ++digits;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        for (; digitAt(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return start;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        if (digitAt(e)) {
            while (digitAt(e))
                ++e;
            i = e;
        }
    }
    return i;
}

// The value of the number that begins `text` after blanks and tabs, read by
// the C library (correctly rounded), or 0 when there is none.
// A typed number's characters as the readers take them: the two Arabic
// digit sets as 0-9, the Arabic decimal separator as a point, the minus sign
// as a hyphen, and the direction marks gone.
inline QString ReferenceTypedAscii(const QString &typed)
{
    static const QString arabic = QString::fromUtf8("\u0660\u0661\u0662\u0663\u0664\u0665"
                                                    "\u0666\u0667\u0668\u0669");
    static const QString extended = QString::fromUtf8("\u06F0\u06F1\u06F2\u06F3\u06F4"
                                                      "\u06F5\u06F6\u06F7\u06F8\u06F9");
    QString text;
    for (const QChar c : typed) {
        if (arabic.contains(c))
            text += QChar(char16_t(u'0' + arabic.indexOf(c)));
        else if (extended.contains(c))
            text += QChar(char16_t(u'0' + extended.indexOf(c)));
        else if (c == QChar(0x066B))
            text += u'.';
        else if (c == QChar(0x2212))
            text += u'-';
        else if (c != QChar(0x061C) && c != QChar(0x200E) && c != QChar(0x200F))
            text += c;
    }
    return text;
}

inline double ReferenceLeadingNumber(const QString &typed)
{
    const QString text = ReferenceTypedAscii(typed);
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    const qsizetype end = ReferenceNumberEnd(text, start);
    if (end == start)
        return 0.0;
    const QByteArray ascii = text.mid(start, end - start).toLatin1();
    return std::strtod(ascii.constData(), nullptr);
}

// Whether the 15-digit text of `value` lies beyond the largest double and so
// reads back as infinity: only values within a hair of the largest double.
inline bool FifteenDigitsOverflow(double value)
{
    return std::fabs(value) >= 1.797693134862315e308;
}

// The input's first eight bytes as a double (all bit patterns: NaNs,
// infinities, subnormals), or nothing for a shorter input.
inline bool DoubleOf(const QByteArray &bytes, double &value)
{
    if (bytes.size() < static_cast<qsizetype>(sizeof value))
        return false;
    __builtin_memcpy(&value, bytes.constData(), sizeof value);
    return true;
}

} // namespace qarnivo::fuzz

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? static_cast<void>(0) : ::qarnivo::fuzz::Fail(#condition, __FILE__, __LINE__))
