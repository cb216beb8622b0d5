#pragma once

#include "core/message.h"
#include "core/places/placealiases.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qarnivo {

// "Find Next" on the place list and on the country list. The window keeps
// the state between clicks (the list's selection, its continuation flag and
// the hit count that both lists share) and hands it in; the step says what
// to select and what to keep for the next click.
//
// A click without the flag starts at the first entry, with the flag at the
// entry after the selected one, and selects the first entry from there whose
// upper-case text, or one of its other spellings in `aliases` (see
// FoldedSpellings), contains the search text in upper case by wildcard rules
// (see WildcardPattern). When none is left, the summary is shown, the count
// goes back to 0 and the first entry is selected again.

struct SearchStep {
    enum class Outcome { Found, NoMoreFound };
    Outcome outcome = Outcome::NoMoreFound;
    int selected = -1;              // the entry to select; -1 only for an empty list
    bool continuing = false;        // the list's continuation flag for the next click
    int foundCount = 0;             // the shared hit count after this click
    std::optional<Message> summary; // shown when no more was found
};

SearchStep FindNextEntry(const QStringList &entries, const QString &searchText, int selected,
                         bool continuing, int foundCount, const SpellingGroups &aliases = {});

// The pattern a search text stands for: "*", the text in upper case, "*".
QString SearchPattern(const QString &searchText);

Message SearchSummaryMessage(int foundCount);

} // namespace qarnivo
