// The wildcard patterns of the list searches: WildcardPattern and
// WildcardMatch, against a matcher written here that reads the pattern rules
// on its own and matches by a table over all positions.
// Input: "pattern", a NUL, "text" (without a NUL, the input is both).

#include "core/places/wildcard.h"
#include "fuzzsupport.h"

#include <QList>

#include <vector>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

// One step of a pattern: a star, or a set of characters taking one.
struct Step {
    bool star = false;
    bool any = false;
    bool digit = false;
    bool negated = false;
    QList<std::pair<char32_t, char32_t>> ranges; // the list, or one literal
};

// The list whose "[" stands at `open`, or nothing when the "[" stands for
// itself. `next` is set to the position after the "]"; an empty list "[]"
// gives a step that is not added.
std::optional<std::optional<Step>> ReadList(const QList<uint> &p, qsizetype open, qsizetype &next)
{
    qsizetype close = open + 1;
    while (close < p.size() && p[close] != U']')
        ++close;
    if (close >= p.size())
        return std::nullopt; // no "]": not a list
    next = close + 1;
    qsizetype i = open + 1;
    if (i == close)
        return std::optional<Step>{}; // "[]": nothing
    Step step;
    if (p[i] == U'!') {
        step.negated = true;
        ++i;
    }
    if (i == close) {
        step.negated = false;
        step.any = true; // "[!]": any one character
        return std::optional<Step>{step};
    }
    while (i < close) {
        // "a-b" is a range unless the "-" is the list's last character.
        if (i + 2 < close && p[i + 1] == U'-') {
            if (p[i] > p[i + 2])
                return std::nullopt; // a backward range: not a list
            step.ranges.append({p[i], p[i + 2]});
            i += 3;
        } else {
            step.ranges.append({p[i], p[i]});
            ++i;
        }
    }
    return std::optional<Step>{step};
}

QList<Step> ReadSteps(const QString &pattern)
{
    const QList<uint> p = pattern.toUcs4();
    QList<Step> steps;
    qsizetype i = 0;
    while (i < p.size()) {
        Step step;
        if (p[i] == U'*') {
            step.star = true;
        } else if (p[i] == U'?') {
            step.any = true;
        } else if (p[i] == U'#') {
            step.digit = true;
        } else if (p[i] == U'[') {
            qsizetype next = 0;
            if (const auto list = ReadList(p, i, next)) {
                if (*list)
                    steps.append(**list);
                i = next;
                continue;
            }
            step.ranges.append({U'[', U'['});
        } else {
            step.ranges.append({p[i], p[i]});
        }
        steps.append(step);
        ++i;
    }
    return steps;
}

bool Takes(const Step &step, char32_t c)
{
    if (step.any)
        return true;
    if (step.digit)
        return c >= U'0' && c <= U'9';
    bool listed = false;
    for (const auto &[low, high] : step.ranges)
        listed = listed || (c >= low && c <= high);
    return listed != step.negated;
}

// matched[s][c]: the first s steps match the first c characters.
bool ReferenceMatch(const QString &textIn, const QString &pattern)
{
    const QList<uint> text = textIn.toUcs4();
    const QList<Step> steps = ReadSteps(pattern);
    const size_t columns = static_cast<size_t>(text.size()) + 1;
    std::vector<char> row(columns, 0);
    row[0] = 1;
    for (const Step &step : steps) {
        std::vector<char> next(columns, 0);
        for (size_t c = 0; c < columns; ++c) {
            if (step.star)
                next[c] = row[c] || (c > 0 && next[c - 1]);
            else
                next[c] = c > 0 && row[c - 1] && Takes(step, text[c - 1]);
        }
        row.swap(next);
    }
    return row[columns - 1];
}

// A pattern that matches exactly `text`: each character that means
// something in a pattern is put in a list of its own.
QString Escaped(const QString &text)
{
    QString pattern;
    for (const QChar c : text) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            pattern += u'[' + QString(c) + u']';
        else
            pattern += c;
    }
    return pattern;
}

void Check(const QString &text, const QString &pattern)
{
    const bool matched = WildcardMatch(text, pattern);
    if (matched != ReferenceMatch(text, pattern)) {
        Show("text", text);
        Show("pattern", pattern);
        FUZZ_CHECK(matched == ReferenceMatch(text, pattern));
    }
    const WildcardPattern compiled(pattern);
    FUZZ_CHECK(compiled.matches(text) == matched);
    // A text is found inside itself, and "*" finds every text.
    FUZZ_CHECK(WildcardMatch(text, Escaped(text)));
    FUZZ_CHECK(WildcardMatch(text, u'*' + Escaped(text) + u'*'));
    FUZZ_CHECK(WildcardMatch(QStringLiteral("<") + text + u'>', u'*' + Escaped(text) + u'*'));
    FUZZ_CHECK(WildcardMatch(text, QStringLiteral("*")));
    // A star put before or after a pattern only widens it, and a run of
    // stars means the same as one.
    const QString star = QStringLiteral("*");
    const bool widened = WildcardMatch(text, star + pattern);
    FUZZ_CHECK(!matched || (widened && WildcardMatch(text, pattern + star)));
    FUZZ_CHECK(WildcardMatch(text, star + star + pattern) == widened);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = SplitAtNul(BytesOf(data, size), 2);
    const QString pattern = QString::fromUtf8(parts.first());
    const QString text = QString::fromUtf8(parts.last());
    Check(text, pattern);
    Check(Utf16Of(parts.last()), Utf16Of(parts.first()));
    return 0;
}
