#pragma once

#include <QString>

class QTime;

namespace qarnivo {

// A typed number as the readers of numbers take it: Arabic-Indic (U+0660..)
// and Extended Arabic-Indic (U+06F0..) digits made ASCII, the Arabic decimal
// separator U+066B made ".", the minus sign U+2212 made "-", and the
// direction marks that Arabic locales put before a sign dropped. Every other
// character is kept.
QString AsciiDigits(const QString &text);

// The reverse for a text made with ASCII digits (a clock time "18:05"): its
// digits in the default locale's, every other character kept.
QString ShownDigits(const QString &ascii);

// `time` in the default locale's long time format without a time zone name,
// its AM and PM in the program's own words: Qt's Urdu keeps the English ones.
QString LocalClockText(const QTime &time);

} // namespace qarnivo
