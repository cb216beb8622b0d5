#include "core/places/listsearch.h"

#include "core/calendar/names.h"
#include "core/places/wildcard.h"

#include <QCoreApplication>

#include <algorithm>

namespace qarnivo {

namespace {

bool entryMatches(const WildcardPattern &pattern, const QString &entry,
                  const SpellingGroups &aliases)
{
    if (pattern.matches(entry.toUpper()))
        return true;
    // The first spelling is the entry itself, already tried.
    const QStringList spellings = FoldedSpellings(entry, aliases);
    return std::any_of(spellings.begin() + 1, spellings.end(), [&pattern](const QString &spelling) {
        return pattern.matches(spelling.toUpper());
    });
}

} // namespace

QString SearchPattern(const QString &searchText)
{
    return u'*' + searchText.toUpper() + u'*';
}

Message SearchSummaryMessage(int foundCount)
{
    return {QCoreApplication::translate("Places",
                                        "Search complete, no more found.\r\nTotal found = (%1).")
                .arg(ShownNumber(foundCount)),
            MsgIcon::Information, MsgButtons::Ok};
}

SearchStep FindNextEntry(const QStringList &entries, const QString &searchText, int selected,
                         bool continuing, int foundCount, const SpellingGroups &aliases)
{
    const WildcardPattern pattern(SearchPattern(searchText));
    const qsizetype start = continuing ? qMax(selected + 1, 0) : 0;
    for (qsizetype i = start; i < entries.size(); ++i) {
        if (entryMatches(pattern, entries[i], aliases)) {
            // Any hit, the last entry too, lets the next click go on below
            // it, so that repeated clicks always end with the summary.
            return {SearchStep::Outcome::Found, int(i), true, foundCount + 1, std::nullopt};
        }
    }
    return {SearchStep::Outcome::NoMoreFound, entries.isEmpty() ? -1 : 0, false, 0,
            SearchSummaryMessage(foundCount)};
}

} // namespace qarnivo
