#pragma once

#include <QString>

namespace qarnivo
{

// The numeric value of a typed year: the leading number of the text (leading
// blanks skipped, an optional sign, digits with at most one ".", an optional
// exponent), or 0 when the text does not begin with a number. Any length or
// magnitude is safe: a number too large for a double reads as infinity, which
// every range check refuses.
double ReadYearValue(const QString &text);

// The whole number nearest to `value`, a half going to the even neighbour;
// values beyond the int range saturate at its ends.
int RoundHalfEven(double value);

} // namespace qarnivo
