#pragma once

#include <QString>

namespace qarnivo {

// The numeric value of a typed number (a year, a latitude, ...): the leading
// number of the text in ASCII digits (language/digits.h: Arabic and Urdu
// digits count) (leading blanks skipped, an optional sign, digits with
// at most one ".", an optional exponent), or 0 when the text does not begin
// with a number. Any length or
// magnitude is safe: a number too large for a double reads as infinity, which
// every range check refuses.
double ReadLeadingNumber(const QString &text);

// The text of that leading number in ASCII, or an empty string when there is none.
QString ReadLeadingNumberText(const QString &text);

// The whole number nearest to `value`, a half going to the even neighbour;
// values beyond the int range saturate at its ends.
int RoundHalfEven(double value);

// The shortest decimal text of `value` with at most 15 significant digits:
// "." as the decimal point, "-" for negative values, no "+", no trailing
// zeros, no point for whole numbers ("20.27", "-5.5", "88", "0").
QString ShortestNumberText(double value);

} // namespace qarnivo
