// The field reader of the data files.

#include "sunpage/fieldreader.h"

#include <QtTest>

using namespace qarnivo;

class TestFieldReader : public QObject {
    Q_OBJECT
private slots:
    void readFields_data();
    void readFields();
    void stopsAfterMaxFields();
};

void TestFieldReader::readFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("one value a line, CR LF")
        << "India - Bhubaneswar\r\n20.267\r\n-85.85\r\n-5.5\r\n"
        << QStringList{"India - Bhubaneswar", "20.267", "-85.85", "-5.5"};
    QTest::newRow("LF line ends") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("CR-only line ends") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("comma cuts a name") << "Cuttack, India\r\n20.5\r\n"
                                       << QStringList{"Cuttack", "India", "20.5"};
    QTest::newRow("leading blanks skipped, trailing kept")
        << "  a  ,\tb" << QStringList{"a  ", "b"};
    QTest::newRow("quoted field keeps its comma") << "\"Washington, DC\",38.9\r\n"
                                                  << QStringList{"Washington, DC", "38.9"};
    QTest::newRow("text after the closing quote is passed over")
        << "\"Pune\" junk,18.5" << QStringList{"Pune", "18.5"};
    QTest::newRow("unclosed quote runs to the end") << "\"abc\r\ndef" << QStringList{"abc\r\ndef"};
    QTest::newRow("four fields a line")
        << "Mecca,21.42,-39.83,-3\r\nMedina,24.47,-39.61,-3\r\n"
        << QStringList{"Mecca", "21.42", "-39.83", "-3", "Medina", "24.47", "-39.61", "-3"};
    QTest::newRow("empty lines give no field") << "a\r\n\r\n  \r\nb" << QStringList{"a", "b"};
    QTest::newRow("empty field between commas") << "a,,b" << QStringList{"a", "", "b"};
    QTest::newRow("comma at a line end") << "a,\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
}

void TestFieldReader::readFields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QCOMPARE(ReadFields(text), fields);
}

void TestFieldReader::stopsAfterMaxFields()
{
    const QString text = QStringLiteral("n\r\n1\r\n2\r\n3\r\n\r\n____\r\nCAUTION:\r\n");
    QCOMPARE(ReadFields(text, 4), (QStringList{"n", "1", "2", "3"}));
    QCOMPARE(ReadFields(text, 0), QStringList{});
}

QTEST_APPLESS_MAIN(TestFieldReader)
#include "tst_fieldreader.moc"
