// Wildcard patterns of the list searches: the Like-style tokens, patterns
// that are not valid, and inputs long enough to expose runaway backtracking.

#include "sunpage/wildcard.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace qarnivo;

class TestWildcard : public QObject {
    Q_OBJECT
private slots:
    void match_data();
    void match();
    void longInputsStayFast_data();
    void longInputsStayFast();
};

void TestWildcard::match_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");

    QTest::newRow("empty pattern, empty text") << ""
                                               << "" << true;
    QTest::newRow("empty pattern, some text") << "A"
                                              << "" << false;
    QTest::newRow("star takes nothing") << ""
                                        << "*" << true;
    QTest::newRow("literal is case-sensitive") << "abc"
                                               << "ABC" << false;
    QTest::newRow("pattern longer than text") << "AB"
                                              << "ABC" << false;
    QTest::newRow("question mark one character") << "AB"
                                                 << "A?" << true;
    QTest::newRow("question mark not zero characters") << "A"
                                                       << "A?" << false;
    QTest::newRow("question mark a whole non-BMP character")
        << QString::fromUcs4(U"A\U0001D49C") << "A?" << true;
    QTest::newRow("hash a digit") << "A7"
                                  << "A#" << true;
    QTest::newRow("hash not an Arabic-Indic digit") << QString::fromUtf8("٣") << "#" << false;
    QTest::newRow("list member") << "B"
                                 << "[ABC]" << true;
    QTest::newRow("range inside") << "M"
                                  << "[A-Z]" << true;
    QTest::newRow("range is case-sensitive") << "m"
                                             << "[A-Z]" << false;
    QTest::newRow("two ranges in one list") << "Y"
                                            << "[A-CX-Z]" << true;
    QTest::newRow("negated list refuses member") << "A"
                                                 << "[!ABC]" << false;
    QTest::newRow("negated list takes other") << "D"
                                              << "[!ABC]" << true;
    QTest::newRow("hyphen first stands for itself") << "-"
                                                    << "[-A]" << true;
    QTest::newRow("hyphen last stands for itself") << "-"
                                                   << "[A-]" << true;
    QTest::newRow("hyphen after ! stands for itself") << "-"
                                                      << "[!-A]" << false;
    QTest::newRow("special characters in a list") << "*?#"
                                                  << "[*][?][#]" << true;
    QTest::newRow("listed star is not a wildcard") << "X"
                                                   << "[*]" << false;
    QTest::newRow("opening bracket in a list") << "["
                                               << "[[]" << true;
    QTest::newRow("empty list matches nothing at its place") << "AB"
                                                             << "A[]B" << true;
    QTest::newRow("empty list alone needs empty text") << "A"
                                                       << "[]" << false;
    QTest::newRow("[!] is any one character") << "X"
                                              << "[!]" << true;
    QTest::newRow("[!] needs a character") << ""
                                           << "[!]" << false;
    QTest::newRow("exclamation outside a list") << "HI!"
                                                << "HI!" << true;
    QTest::newRow("closing bracket outside a list") << "A]"
                                                    << "A]" << true;
    QTest::newRow("unclosed bracket is literal") << "A[B"
                                                 << "A[B" << true;
    QTest::newRow("unclosed bracket is not a list") << "AB"
                                                    << "A[B" << false;
    QTest::newRow("unclosed bracket inside stars") << "FOO [BAR"
                                                   << "*[BAR*" << true;
    QTest::newRow("backward range is literal") << "[Z-A]"
                                               << "[Z-A]" << true;
    QTest::newRow("backward range is not a list") << "M"
                                                  << "[Z-A]" << false;
    QTest::newRow("star run same as one star") << "ABC"
                                               << "A***C" << true;
    QTest::newRow("star must retry later") << "AXBXC"
                                           << "*X*C" << true;
    QTest::newRow("suffix after repeated prefix") << "ABAB"
                                                  << "*AB" << true;
    QTest::newRow("suffix missing") << "ABA"
                                    << "*AB" << false;
    QTest::newRow("several stars retried") << "MISSISSIPPI"
                                           << "M*SS*SS*PI" << true;
    QTest::newRow("several stars exhausted") << "MISSISSIPPI"
                                             << "M*SS*SS*SS*" << false;
    QTest::newRow("search for a negative offset") << "AUSTRIA (-1)"
                                                  << "*(-1)*" << true;
    QTest::newRow("search for -1 is not -10") << "AUSTRALIA - SYDNEY (-10)"
                                              << "*(-1)*" << false;
}

void TestWildcard::match()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(WildcardMatch(text, pattern), matches);
}

void TestWildcard::longInputsStayFast_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    const QString manyA(200000, u'A');
    QTest::newRow("many stars, no final B") << manyA << QString("*A").repeated(60) + "*B" << false;
    QTest::newRow("many stars, final B")
        << manyA + "B" << QString("*A").repeated(60) + "*B" << true;
    QTest::newRow("one star, long literal tail (worst case)")
        << QString(100000, u'A') << "*" + QString(1000, u'A') + "B" << false;
    QTest::newRow("long pattern of ? and *")
        << manyA << QString("?*").repeated(5000) + "C" << false;
    QTest::newRow("many unclosed brackets")
        << QString("[").repeated(20000) << QString("*[").repeated(100000) << false;
    QTest::newRow("many brackets before one backward range")
        << "X"
        << "*" + QString("[").repeated(100000) + "Z-A]*" << false;
}

void TestWildcard::longInputsStayFast()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(WildcardMatch(text, pattern), matches);
    // Exponential backtracking would take far longer than this.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed()) + " ms"));
}

QTEST_APPLESS_MAIN(TestWildcard)
#include "tst_wildcard.moc"
