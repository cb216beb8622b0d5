#pragma once

// Other spellings of place names (Mecca for Makkah, Bombay for Mumbai), so
// that the place searches find a place however the user knows it.

#include <QList>
#include <QString>
#include <QStringList>

namespace qarnivo {

// Groups of spellings of one place, e.g. {"Makkah", "Mecca", "Makka"}.
using SpellingGroups = QList<QStringList>;

inline constexpr char kPlaceAliasesResource[] = ":/data/placealiases.txt";

// The groups of a table's text, a group a line: "Makkah = Mecca, Makka".
// Blank lines, lines starting with '#' and lines of a single spelling are
// left out.
SpellingGroups ParsePlaceAliases(const QString &text);

// The table compiled into the program.
SpellingGroups ShippedPlaceAliases();

// The text as searches compare it: case folded, accents taken off.
QString FoldedText(const QString &text);

// The name folded, then the name with each spelling of a group that stands
// as whole words in it replaced by each other spelling of that group, all
// folded: "India - Mumbai" gives "india - mumbai" and "india - bombay".
QStringList FoldedSpellings(const QString &name, const SpellingGroups &aliases);

// Whether a filter text finds the place `name`: an empty filter finds every
// place, any other when it stands anywhere in one of the name's spellings,
// whatever its case and accents.
bool PlaceFilterMatches(const QString &name, const QString &filter, const SpellingGroups &aliases);

} // namespace qarnivo
