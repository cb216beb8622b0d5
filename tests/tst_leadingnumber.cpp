// Reading a typed year: the leading number of any text, safely, and the
// rounding of a year value to a whole year.

#include "calendar/leadingnumber.h"

#include <QtTest>

#include <climits>
#include <cmath>

using namespace qarnivo;

class TestLeadingNumber : public QObject {
    Q_OBJECT
private slots:
    void readYearValue_data();
    void readYearValue();
    void hugeAndTinyNumbersStayFinite_data();
    void hugeAndTinyNumbersStayFinite();
    void roundHalfEven_data();
    void roundHalfEven();
    void readsTheSameInAnyLocale();
    void shortestNumberText_data();
    void shortestNumberText();
};

void TestLeadingNumber::readYearValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain year") << "2026" << 2026.0;
    QTest::newRow("leading blanks") << "   1447" << 1447.0;
    QTest::newRow("leading tab") << "\t1447" << 1447.0;
    QTest::newRow("digits then letters") << "2026abc" << 2026.0;
    QTest::newRow("stops at an inner blank") << "20 26" << 20.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("letters before digits") << "AD2026" << 0.0;
    QTest::newRow("plus sign") << "+622" << 622.0;
    QTest::newRow("minus sign") << "-5" << -5.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("fraction") << "622.5" << 622.5;
    QTest::newRow("only one point counts") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "1447." << 1447.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("exponent") << "2.0874e4" << 20874.0;
    QTest::newRow("upper-case exponent with sign") << "6220E-1" << 622.0;
    QTest::newRow("exponent without digits is not read") << "1447e" << 1447.0;
    QTest::newRow("exponent sign without digits") << "1447e+x" << 1447.0;
    QTest::newRow("no comma decimals") << "622,5" << 622.0;
    QTest::newRow("Arabic-Indic digits are not ASCII digits") << QString::fromUtf8("١٤٤٧") << 0.0;
}

void TestLeadingNumber::readYearValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadLeadingNumber(text), value);
}

void TestLeadingNumber::hugeAndTinyNumbersStayFinite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("beyondAnyYear");
    QTest::newRow("23 digits") << "99999999999999999999999" << true;
    QTest::newRow("exponent 400") << "1e400" << true;
    QTest::newRow("negative exponent 400") << "-1e400" << true;
    QTest::newRow("4000 digits") << QString(4000, u'9') << true;
    QTest::newRow("huge exponent digits") << "1e99999999999999999999" << true;
    QTest::newRow("underflow") << "1e-400" << false;
    QTest::newRow("many zeros after the point") << "0." + QString(5000, u'0') + "1" << false;
}

// A number beyond any year reads as something every range check refuses;
// an underflow reads as (nearly) 0.
void TestLeadingNumber::hugeAndTinyNumbersStayFinite()
{
    QFETCH(QString, text);
    QFETCH(bool, beyondAnyYear);
    const double value = ReadLeadingNumber(text);
    QVERIFY(!std::isnan(value));
    if (beyondAnyYear)
        QVERIFY(std::fabs(value) > 1e20);
    else
        QVERIFY(std::fabs(value) < 1e-300);
}

void TestLeadingNumber::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("whole") << 1447.0 << 1447;
    QTest::newRow("below a half") << 1447.4 << 1447;
    QTest::newRow("above a half") << 1447.6 << 1448;
    QTest::newRow("half to even, down") << 622.5 << 622;
    QTest::newRow("half to even, up") << 623.5 << 624;
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("1.5 to 2") << 1.5 << 2;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
    QTest::newRow("-0.4 to 0") << -0.4 << 0;
    QTest::newRow("infinity saturates") << double(INFINITY) << INT_MAX;
    QTest::newRow("minus infinity saturates") << -double(INFINITY) << INT_MIN;
    QTest::newRow("beyond int saturates") << 1e30 << INT_MAX;
    QTest::newRow("NaN is 0") << double(NAN) << 0;
}

void TestLeadingNumber::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(RoundHalfEven(value), rounded);
}

// The user's locale never changes how a year is read (a German locale uses a
// comma for decimals, but the program reads a point).
void TestLeadingNumber::readsTheSameInAnyLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const double value = ReadLeadingNumber(QStringLiteral("622.5"));
    QLocale::setDefault(saved);
    QCOMPARE(value, 622.5);
}

void TestLeadingNumber::shortestNumberText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("two decimals") << "20.27"
                                  << "20.27";
    QTest::newRow("trailing zero dropped") << "20.50"
                                           << "20.5";
    QTest::newRow("negative half") << "-5.5"
                                   << "-5.5";
    QTest::newRow("whole number has no point") << "88.000"
                                               << "88";
    QTest::newRow("no plus sign") << "+12"
                                  << "12";
    QTest::newRow("letters read as 0") << "abc"
                                       << "0";
    QTest::newRow("negative zero is 0") << "-0.0"
                                        << "0";
    QTest::newRow("15 significant digits at most") << "1.23456789012345678"
                                                   << "1.23456789012346";
    QTest::newRow("small fraction") << "0.001"
                                    << "0.001";
    QTest::newRow("longest in range") << "-89.7999999999999"
                                      << "-89.7999999999999";
}

void TestLeadingNumber::shortestNumberText()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QCOMPARE(ShortestNumberText(ReadLeadingNumber(typed)), text);
}

QTEST_APPLESS_MAIN(TestLeadingNumber)
#include "tst_leadingnumber.moc"
