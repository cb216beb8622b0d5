#include "core/places/placealiases.h"

#include "core/files/textfile.h"

#include <algorithm>

namespace qarnivo {

namespace {

bool isWordCharacter(const QString &text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isLetterOrNumber();
}

// Where `word` stands as whole words in `text`, or -1.
qsizetype wholeWordIndex(const QString &text, const QString &word)
{
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        if (!isWordCharacter(text, at - 1) && !isWordCharacter(text, at + word.size()))
            return at;
    }
    return -1;
}

} // namespace

SpellingGroups ParsePlaceAliases(const QString &text)
{
    SpellingGroups groups;
    for (const QString &line : SplitLines(text)) {
        if (line.trimmed().startsWith(u'#'))
            continue;
        QStringList group;
        for (const QString &spelling : QString(line).replace(u'=', u',').split(u','))
            if (!spelling.trimmed().isEmpty())
                group.append(spelling.trimmed());
        if (group.size() > 1)
            groups.append(group);
    }
    return groups;
}

SpellingGroups ShippedPlaceAliases()
{
    return ParsePlaceAliases(ReadTextFile(QString::fromLatin1(kPlaceAliasesResource)).text);
}

QString FoldedText(const QString &text)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD))
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    return folded.toCaseFolded();
}

QStringList FoldedSpellings(const QString &name, const SpellingGroups &aliases)
{
    const QString folded = FoldedText(name);
    QStringList spellings{folded};
    for (const QStringList &group : aliases) {
        for (const QString &spelling : group) {
            const QString word = FoldedText(spelling);
            const qsizetype at = wholeWordIndex(folded, word);
            if (at < 0)
                continue;
            for (const QString &other : group)
                if (other != spelling)
                    spellings.append(QString(folded).replace(at, word.size(), FoldedText(other)));
        }
    }
    return spellings;
}

bool PlaceFilterMatches(const QString &name, const QString &filter, const SpellingGroups &aliases)
{
    const QString wanted = FoldedText(filter.trimmed());
    if (wanted.isEmpty())
        return true;
    const QStringList spellings = FoldedSpellings(name, aliases);
    return std::any_of(spellings.begin(), spellings.end(),
                       [&wanted](const QString &spelling) { return spelling.contains(wanted); });
}

} // namespace qarnivo
