// The city file: reading its first four fields, writing its fourteen lines,
// and the main window's display forms of the values.

#include "platform/textfile.h"
#include "sunpage/cityfile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;

class TestCityFile : public QObject {
    Q_OBJECT
private slots:
    void readsWhatItWrites();
    void reading_data();
    void reading();
    void displayForms_data();
    void displayForms();
};

void TestCityFile::readsWhatItWrites()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(kCityFileName);
    QVERIFY(SaveTextFile(path, CityFileLines(DefaultCity())).isEmpty());
    const CityFileRead read = ReadCityFile(path);
    QCOMPARE(read.status, CityFileRead::Status::Ok);
    QCOMPARE(read.city.name, QStringLiteral("India - Bhubaneswar"));
    QCOMPARE(read.city.offsetGMT, QStringLiteral("-5.5"));
    QCOMPARE(CityFileLines(DefaultCity()).size(), 14);
    QCOMPARE(CityFileLines(DefaultCity()).at(5), QString(49, u'_'));
}

void TestCityFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("latitude");
    QTest::newRow("LF line ends") << QByteArray("Pune\n18.52\n-73.86\n-5.5\n")
                                  << int(CityFileRead::Status::Ok) << "Pune"
                                  << "18.52";
    QTest::newRow("a comma cuts the name")
        << QByteArray("Cuttack, India\r\n20.46\r\n-85.88\r\n-5.5\r\n")
        << int(CityFileRead::Status::Ok) << "Cuttack"
        << "India";
    QTest::newRow("UTF-8 name") << QByteArray("K\xc3\xb6ln\r\n50.94\r\n-6.96\r\n-1\r\n")
                                << int(CityFileRead::Status::Ok) << QString::fromUtf8("Köln")
                                << "50.94";
    QTest::newRow("Windows-1252 name")
        << QByteArray("K\xf6ln\r\n50.94\r\n-6.96\r\n-1\r\n") << int(CityFileRead::Status::Ok)
        << QString::fromUtf8("Köln") << "50.94";
    QTest::newRow("three fields") << QByteArray("Pune\r\n18.52\r\n-73.86\r\n")
                                  << int(CityFileRead::Status::TooFewFields) << ""
                                  << "";
    QTest::newRow("empty file") << QByteArray() << int(CityFileRead::Status::TooFewFields) << ""
                                << "";
}

void TestCityFile::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QString, name);
    QFETCH(QString, latitude);
    QTemporaryDir dir;
    const QString path = dir.filePath(kCityFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const CityFileRead read = ReadCityFile(path);
    QCOMPARE(int(read.status), status);
    QCOMPARE(read.city.name, name);
    QCOMPARE(read.city.latitude, latitude);
    QCOMPARE(ReadCityFile(dir.filePath(QStringLiteral("none.txt"))).status,
             CityFileRead::Status::NotFound);
}

void TestCityFile::displayForms_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the default city")
        << "India - Bhubaneswar"
        << "20.267"
        << "-85.85"
        << "-5.5" << QString::fromUtf8("India - Bhubaneswar| 20.27º | -85.85º |-5.5 Hours");
    QTest::newRow("padding and rounding")
        << "Accra"
        << "5.6037"
        << "0.187"
        << "0" << QString::fromUtf8("Accra| 5.60º | 00.19º |0.0 Hours");
    QTest::newRow("halves away from zero")
        << "X"
        << "-0.125"
        << "100.005"
        << "12" << QString::fromUtf8("X| -0.13º | 100.01º |12.0 Hours");
    QTest::newRow("a long name is cut to 22")
        << "Llanfairpwllgwyngyllgogerychwyrndrobwll"
        << "53.22"
        << "4.2"
        << "0" << QString::fromUtf8("Llanfairpwllgwyngyllgo| 53.22º | 04.20º |0.0 Hours");
    QTest::newRow("a two-unit character is not cut in half")
        << QString(21, u'a') + QString::fromUtf8("🕌") << "1"
        << "2"
        << "3" << QString(21, u'a') + QString::fromUtf8("| 1.00º | 02.00º |3.0 Hours");
    QTest::newRow("a word shows as it is") << "Y"
                                           << "north"
                                           << ""
                                           << "x" << QString::fromUtf8("Y| northº | º |x Hours");
}

void TestCityFile::displayForms()
{
    QFETCH(QString, name);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, offset);
    QFETCH(QString, shown);
    QCOMPARE(CityNameDisplay(name) + '|' + LatitudeDisplay(latitude) + '|' +
                 LongitudeDisplay(longitude) + '|' + OffsetDisplay(offset),
             shown);
}

QTEST_APPLESS_MAIN(TestCityFile)
#include "tst_cityfile.moc"
