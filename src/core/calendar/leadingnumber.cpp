#include "core/calendar/leadingnumber.h"

#include "core/language/digits.h"

#include <climits>
#include <cmath>

namespace qarnivo {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(const QString &text, qsizetype pos)
{
    while (pos < text.size() && isDigit(text.at(pos)))
        ++pos;
    return pos;
}

// The length of the number at the start of `text` (from `start`), or the
// position of `start` itself when no number stands there.
qsizetype numberEnd(const QString &text, qsizetype start)
{
    qsizetype pos = start;
    if (pos < text.size() && (text.at(pos) == u'+' || text.at(pos) == u'-'))
        ++pos;
    const qsizetype mantissaStart = pos;
    pos = skipDigits(text, pos);
    bool hasDigits = pos > mantissaStart;
    if (pos < text.size() && text.at(pos) == u'.') {
        const qsizetype fractionEnd = skipDigits(text, pos + 1);
        hasDigits = hasDigits || fractionEnd > pos + 1;
        pos = fractionEnd;
    }
    if (!hasDigits)
        return start;
    // An exponent counts only when digits follow it ("1e" reads as 1).
    if (pos < text.size() && (text.at(pos) == u'e' || text.at(pos) == u'E')) {
        qsizetype exp = pos + 1;
        if (exp < text.size() && (text.at(exp) == u'+' || text.at(exp) == u'-'))
            ++exp;
        const qsizetype expEnd = skipDigits(text, exp);
        if (expEnd > exp)
            pos = expEnd;
    }
    return pos;
}

} // namespace

QString ReadLeadingNumberText(const QString &typed)
{
    const QString text = AsciiDigits(typed);
    qsizetype start = 0;
    while (start < text.size() && (text.at(start) == u' ' || text.at(start) == u'\t'))
        ++start;
    return text.mid(start, numberEnd(text, start) - start);
}

double ReadLeadingNumber(const QString &text)
{
    // QString reads numbers in the C locale whatever the user's locale is; an
    // overflow gives an infinity and an underflow 0, never undefined behaviour.
    const QString number = ReadLeadingNumberText(text);
    return number.isEmpty() ? 0.0 : number.toDouble();
}

int RoundHalfEven(double value)
{
    // Beyond the int range (or NaN) there is no nearest int; saturate instead
    // of converting, which would be undefined.
    if (!(value > INT_MIN && value < INT_MAX))
        return value > 0 ? INT_MAX : (value < 0 ? INT_MIN : 0);
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<int>(rounded);
}

QString ShortestNumberText(double value)
{
    if (value == 0.0) // also turns -0 into "0"
        return QStringLiteral("0");
    // 'g' with 15 digits drops trailing zeros; very large or small values keep
    // an exponent, which no real coordinate or offset reaches.
    return QString::number(value, 'g', 15);
}

} // namespace qarnivo
