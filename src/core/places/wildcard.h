#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace qarnivo {

// Wildcard patterns in the manner of Basic's Like operator:
//   *            any run of characters, also none
//   ?            any one character
//   #            any one digit 0..9
//   [list]       one character of the list; "A-Z" in a list is a range, and a
//                "-" at the start or the end of the list stands for itself
//   [!list]      one character not in the list; "[!]" is any one character
//   []           nothing (matches the empty text at its place)
// Every other character stands for itself, and letters are compared exactly:
// callers that want case to be ignored put both sides in upper case. A "["
// without a closing "]", or a list with a backward range such as "[Z-A]",
// is not a list: its "[" stands for itself. Reading a pattern takes time in
// proportion to its length, and matching at most (text length + 1) x
// (pattern length + 1) steps, whatever the input.
class WildcardPattern {
public:
    explicit WildcardPattern(const QString &pattern);
    bool matches(const QString &text) const;

private:
    enum class Kind { Literal, AnyChar, Digit, Star, List };
    struct Range {
        char32_t low;
        char32_t high;
    };
    struct Token {
        explicit Token(Kind k, char32_t c = 0) : kind(k), character(c) {}
        Kind kind;
        char32_t character;
        bool negated = false;
        QList<Range> ranges;
    };
    // Where each position's list would close, and whether the list text
    // from there to that "]" holds no backward range; found in one pass from
    // the end, so that no "[" has to search or check its list again.
    struct ListScan {
        explicit ListScan(const QList<uint> &pattern);
        QList<qsizetype> close; // position of the next "]", -1 when none
        QList<bool> validFrom;
    };
    // A bracketed list read from the pattern: `next` is the position after
    // its "]", or -1 when no valid list opens there; no token for "[]".
    struct ListRead {
        qsizetype next = -1;
        std::optional<Token> token;
    };
    static bool accepts(const Token &token, char32_t c);
    static ListRead readList(const QList<uint> &pattern, const ListScan &scan, qsizetype open);

    QList<Token> m_tokens;
};

bool WildcardMatch(const QString &text, const QString &pattern);

} // namespace qarnivo
