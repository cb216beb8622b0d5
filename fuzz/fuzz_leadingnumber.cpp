// Typed numbers: ReadLeadingNumber, RoundHalfEven and ShortestNumberText.
// Input: the typed text as UTF-8; its first eight bytes are also taken as a
// double, so that every bit pattern reaches the rounding and the formatting.

#include "core/calendar/leadingnumber.h"
#include "fuzzsupport.h"

#include <cfenv>
#include <climits>
#include <cmath>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

// The whole number nearest to `value`, halves to even, clamped to int; the
// C library's rounding in its default mode is exactly that.
int ReferenceRound(double value)
{
    if (std::isnan(value))
        return 0;
    const double nearest = std::nearbyint(value);
    if (nearest >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (nearest <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(nearest);
}

void CheckRounding(double value)
{
    const int rounded = RoundHalfEven(value);
    if (rounded != ReferenceRound(value)) {
        std::fprintf(stderr, "value %.17g rounds to %d, expected %d\n", value, rounded,
                     ReferenceRound(value));
        FUZZ_CHECK(rounded == ReferenceRound(value));
    }
}

// Whether the exact decimal value of `value` lies halfway between two
// 15-digit numbers, where either neighbour is a fair rounding.
bool IsTieAt15Digits(double value)
{
    char exact[1100];
    std::snprintf(exact, sizeof exact, "%.800e", value); // glibc prints it exactly
    const char *digits = exact + (exact[0] == '-' ? 1 : 0);
    // d.dddddddddddddd d ...: the 16th significant digit is at offset 16.
    if (digits[16] != '5')
        return false;
    for (const char *p = digits + 17; *p != 'e'; ++p) {
        if (*p != '0')
            return false;
    }
    return true;
}

void CheckNumberText(double value)
{
    const QString text = ShortestNumberText(value);
    FUZZ_CHECK(!text.isEmpty());
    FUZZ_CHECK(!text.startsWith(u'+'));
    if (!std::isfinite(value))
        return;
    // 15 significant digits, the shortest form: what printf's %.15g gives,
    // except that minus zero shows as "0" (and an exact tie may go either way).
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.15g", value == 0.0 ? 0.0 : value);
    if (text != QLatin1String(expected) && !IsTieAt15Digits(value)) {
        std::fprintf(stderr, "value %.17g, expected \"%s\"\n", value, expected);
        Show("text", text);
        FUZZ_CHECK(text == QLatin1String(expected));
    }
    // The text reads back as a number that gives the same text again, and
    // within the precision of 15 digits of the value.
    const double back = ReadLeadingNumber(text);
    if (std::isinf(back)) { // 1.79769313486232e+308 and above
        FUZZ_CHECK(FifteenDigitsOverflow(value));
        return;
    }
    FUZZ_CHECK(ShortestNumberText(back) == text);
    FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-14 || std::fabs(value) < 1e-300);
    // No trailing zeros after a point, and no point without a fraction.
    const qsizetype exponent = text.indexOf(u'e');
    const QString mantissa = exponent < 0 ? text : text.left(exponent);
    if (mantissa.contains(u'.'))
        FUZZ_CHECK(!mantissa.endsWith(u'0') && !mantissa.endsWith(u'.'));
}

void CheckReading(const QString &text)
{
    const double value = ReadLeadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));
    const double expected = ReferenceLeadingNumber(text);
    if (!(value == expected)) {
        Show("text", text);
        std::fprintf(stderr, "read %.17g, expected %.17g\n", value, expected);
        FUZZ_CHECK(value == expected);
    }
    // Blanks before the number and text after it change nothing; a minus put
    // before a number that starts with a digit or a point negates it.
    FUZZ_CHECK(ReadLeadingNumber(QStringLiteral(" \t") + text) == value);
    FUZZ_CHECK(ReadLeadingNumber(text + u'x') == value);
    if (!text.isEmpty() && (text[0].isDigit() || text[0] == u'.') && text[0].unicode() < 0x80)
        FUZZ_CHECK(ReadLeadingNumber(u'-' + text) == -value);
    CheckRounding(value);
    CheckNumberText(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FUZZ_CHECK(std::fegetround() == FE_TONEAREST);
    const QByteArray bytes = BytesOf(data, size);
    CheckReading(QString::fromUtf8(bytes));
    double raw = 0;
    if (DoubleOf(bytes, raw)) {
        CheckRounding(raw);
        CheckNumberText(raw);
    }
    return 0;
}
