// Stored setting values: SettingToInt16 and SettingToBool.
// Input: the stored text as UTF-8.

#include "core/settings/settingscatalogue.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

// The value of a text that is wholly one decimal number (after trimming),
// by the C library; nothing for any other text.
std::optional<double> PlainDecimal(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || ReferenceNumberEnd(trimmed, 0) != trimmed.size())
        return std::nullopt;
    return ReferenceLeadingNumber(trimmed);
}

void CheckInt16(const QString &text)
{
    const std::optional<qint16> number = SettingToInt16(text);
    // A plain decimal is refused only when, rounded half to even, it does
    // not fit 16 bits (a too small number that reads as 0 aside).
    if (const std::optional<double> value = PlainDecimal(text); value && *value != 0.0) {
        const double nearest = std::nearbyint(*value);
        const bool fits = nearest >= -32768.0 && nearest <= 32767.0;
        if (fits != number.has_value()) {
            Show("text", text);
            FUZZ_CHECK(fits == number.has_value());
        }
        if (number)
            FUZZ_CHECK(*number == static_cast<qint16>(nearest));
    }
    if (!number)
        return;
    // A stored number reads back as itself, with blanks around it too.
    FUZZ_CHECK(SettingToInt16(QString::number(*number)) == number);
    FUZZ_CHECK(SettingToInt16(QStringLiteral("  ") + text + QStringLiteral(" \t")) == number);
    // Whatever reads as a number also reads as a Boolean.
    FUZZ_CHECK(SettingToBool(text).has_value());
}

void CheckBool(const QString &text)
{
    const std::optional<bool> value = SettingToBool(text);
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        FUZZ_CHECK(value == true);
    else if (trimmed.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
        FUZZ_CHECK(value == false);
    else if (const std::optional<double> number = PlainDecimal(text);
             number && *number != 0.0 && std::isfinite(*number))
        FUZZ_CHECK(value == true);
    FUZZ_CHECK(SettingToBool(QStringLiteral(" ") + text + u' ') == value);
    if (value)
        FUZZ_CHECK(SettingToBool(BoolSettingText(*value)) == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(BytesOf(data, size));
    CheckInt16(text);
    CheckBool(text);
    return 0;
}
