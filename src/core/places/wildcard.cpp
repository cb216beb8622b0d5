#include "core/places/wildcard.h"

namespace qarnivo {

WildcardPattern::WildcardPattern(const QString &pattern)
{
    const QList<uint> chars = pattern.toUcs4();
    const ListScan scan(chars);
    qsizetype i = 0;
    while (i < chars.size()) {
        const char32_t c = chars[i];
        if (c == U'*') {
            // A run of stars means the same as one star.
            if (m_tokens.isEmpty() || m_tokens.last().kind != Kind::Star)
                m_tokens.append(Token(Kind::Star));
            ++i;
        } else if (c == U'?') {
            m_tokens.append(Token(Kind::AnyChar));
            ++i;
        } else if (c == U'#') {
            m_tokens.append(Token(Kind::Digit));
            ++i;
        } else if (c == U'[') {
            const ListRead list = readList(chars, scan, i);
            if (list.next < 0) { // not a valid list: the "[" stands for itself
                m_tokens.append(Token(Kind::Literal, c));
                ++i;
                continue;
            }
            if (list.token)
                m_tokens.append(*list.token);
            i = list.next;
        } else {
            m_tokens.append(Token(Kind::Literal, c));
            ++i;
        }
    }
}

WildcardPattern::ListScan::ListScan(const QList<uint> &pattern)
    : close(pattern.size() + 1, -1), validFrom(pattern.size() + 1, false)
{
    for (qsizetype p = pattern.size() - 1; p >= 0; --p) {
        if (pattern[p] == U']') {
            close[p] = p;
            validFrom[p] = true; // nothing left to check
            continue;
        }
        close[p] = close[p + 1];
        if (close[p] < 0)
            continue;
        // A range "low-high" starts here when a "-" follows and a character
        // other than the "]" comes after it.
        if (p + 2 < close[p] && pattern[p + 1] == U'-')
            validFrom[p] = pattern[p] <= pattern[p + 2] && validFrom[p + 3];
        else
            validFrom[p] = validFrom[p + 1];
    }
}

// Reads the list whose "[" stands at `open`.
WildcardPattern::ListRead WildcardPattern::readList(const QList<uint> &pattern,
                                                    const ListScan &scan, qsizetype open)
{
    const qsizetype close = scan.close[open + 1];
    if (close < 0)
        return {};
    qsizetype pos = open + 1;
    if (pos == close) // "[]" matches the empty text: no token
        return {close + 1, std::nullopt};
    Token token(Kind::List);
    if (pattern[pos] == U'!') {
        token.negated = true;
        ++pos;
    }
    if (pos == close) // "[!]": any character, as none is in the empty list
        return {close + 1, Token(Kind::AnyChar)};
    if (!scan.validFrom[pos])
        return {};
    while (pos < close) {
        if (pos + 2 < close && pattern[pos + 1] == U'-') {
            token.ranges.append({pattern[pos], pattern[pos + 2]});
            pos += 3;
        } else {
            token.ranges.append({pattern[pos], pattern[pos]});
            ++pos;
        }
    }
    return {close + 1, token};
}

bool WildcardPattern::accepts(const Token &token, char32_t c)
{
    switch (token.kind) {
    case Kind::Literal:
        return c == token.character;
    case Kind::AnyChar:
        return true;
    case Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Kind::List: {
        bool inList = false;
        for (const Range &range : token.ranges)
            inList = inList || (c >= range.low && c <= range.high);
        return inList != token.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

// Every token but the star takes exactly one character, so one pass that
// remembers the last star and retries from it is enough: each retry moves
// the star's end one character on, which bounds the work by the product of
// the two lengths.
bool WildcardPattern::matches(const QString &text) const
{
    const QList<uint> chars = text.toUcs4();
    const qsizetype tokenCount = m_tokens.size();
    qsizetype t = 0;       // next token
    qsizetype c = 0;       // next character
    qsizetype star = -1;   // last star passed, -1 before any
    qsizetype starEnd = 0; // characters the last star has taken up to here
    while (c < chars.size()) {
        if (t < tokenCount && m_tokens[t].kind == Kind::Star) {
            star = t++;
            starEnd = c;
        } else if (t < tokenCount && accepts(m_tokens[t], chars[c])) {
            ++t;
            ++c;
        } else if (star >= 0) {
            t = star + 1;
            c = ++starEnd;
        } else {
            return false;
        }
    }
    while (t < tokenCount && m_tokens[t].kind == Kind::Star)
        ++t;
    return t == tokenCount;
}

bool WildcardMatch(const QString &text, const QString &pattern)
{
    return WildcardPattern(pattern).matches(text);
}

} // namespace qarnivo
