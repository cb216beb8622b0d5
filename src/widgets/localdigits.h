#pragma once

// Numbers on the screen in the digits of the chosen language (the default
// QLocale: ٠١٢ in Arabic, ۰۱۲ in Urdu), without the locale's grouping, so
// that a year reads 1447 and not 1,447. Files keep ASCII digits.

#include <QString>

namespace qarnivo {

// `text` with its ASCII digits written in the default locale's digits.
QString LocalDigits(const QString &text);

// `number` in the default locale's digits.
QString LocalNumber(qint64 number);

} // namespace qarnivo
