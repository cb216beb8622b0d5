#pragma once

#include <QString>

namespace qarnivo {

// A typed number as the readers of numbers take it: Arabic-Indic (U+0660..)
// and Extended Arabic-Indic (U+06F0..) digits made ASCII, the Arabic decimal
// separator U+066B made ".", the minus sign U+2212 made "-", and the
// direction marks that Arabic locales put before a sign dropped. Every other
// character is kept.
QString AsciiDigits(const QString &text);

} // namespace qarnivo
