// The default city's edit cycle without the window: the checks of the four
// boxes and their order, the city they leave behind, and the saved file.

#include "sunpage/citycheck.h"

#include "platform/textfile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;

Q_DECLARE_METATYPE(qarnivo::CityCheck::Outcome)

namespace {

const CityInfo kCurrent = DefaultCity(); // "India - Bhubaneswar", "20.267", "-85.85", "-5.5"
const QString kNameMessage = "City must have some name. New values not saved.";
const QString kQuoteMessage =
    "City details must not contain double quotes (\"). New values not saved.";
const QString kLatitudeMessage = "Invalid Latitude value. Valid values are between -89.8 & 89.8";
const QString kLongitudeMessage = "Invalid Longitude value.  Valid values are between -180 & 180";
const QString kOffsetMessage = "Invalid GMT Time offset value.  Valid values are between -12 & 12";

} // namespace

class TestCityCheck : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void cutNameKeepsWholeCharacters();
    void failedCheckThenGoodCheck();
    void saveLines_data();
    void saveLines();
    void savedFileReadsBack_data();
    void savedFileReadsBack();
    void saveOutcome();
};

void TestCityCheck::check_data()
{
    QTest::addColumn<QStringList>("boxes"); // name, latitude, longitude, offset as typed
    QTest::addColumn<CityCheck::Outcome>("outcome");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("city"); // the default city afterwards

    using O = CityCheck::Outcome;
    const QStringList current{kCurrent.name, kCurrent.latitude, kCurrent.longitude,
                              kCurrent.offsetGMT};
    auto row = [](const char *name, const QStringList &boxes, O outcome, const QString &message,
                  const QStringList &city) {
        QTest::newRow(name) << boxes << outcome << message << city;
    };

    row("default values pass", {"India - Bhubaneswar", "20.267", "-85.85", "-5.5"}, O::Valid, "",
        {"India - Bhubaneswar", "20.267", "-85.85", "-5.5"});
    row("name of 22 kept", {"Abcdefghijklmnopqrstuv", "0", "0", "0"}, O::Valid, "",
        {"Abcdefghijklmnopqrstuv", "0", "0", "0"});
    row("name of 23 cut to 22", {"Abcdefghijklmnopqrstuvw", "0", "0", "0"}, O::Valid, "",
        {"Abcdefghijklmnopqrstuv", "0", "0", "0"});
    row("name of blanks is not empty", {"   ", "1", "2", "3"}, O::Valid, "",
        {"   ", "1", "2", "3"});
    row("empty name changes nothing", {"", "95", "200", "13"}, O::EmptyName, kNameMessage, current);
    row("empty name before double quote", {"", "\"1\"", "0", "0"}, O::EmptyName, kNameMessage,
        current);
    row("double quote in name changes nothing", {"Cuttack \"old\"", "95", "0", "0"}, O::DoubleQuote,
        kQuoteMessage, current);
    row("double quote in offset", {"Cuttack", "20", "-85", "-5.5\""}, O::DoubleQuote, kQuoteMessage,
        current);
    row("latitude 89.8 passes", {"N", "89.8", "0", "0"}, O::Valid, "", {"N", "89.8", "0", "0"});
    row("latitude -89.8 passes", {"S", "-89.8", "0", "0"}, O::Valid, "", {"S", "-89.8", "0", "0"});
    row("latitude 89.81 fails but is kept", {"N", "89.81", "1", "2"}, O::BadLatitude,
        kLatitudeMessage, {"N", "89.81", "1", "2"});
    row("latitude -89.81 fails", {"S", "-89.81", "1", "2"}, O::BadLatitude, kLatitudeMessage,
        {"S", "-89.81", "1", "2"});
    row("latitude too large for a number fails", {"N", "1e999", "0", "0"}, O::BadLatitude,
        kLatitudeMessage, {"N", "1.79769313486231e+308", "0", "0"});
    row("longitude 180 passes", {"W", "0", "180", "0"}, O::Valid, "", {"W", "0", "180", "0"});
    row("longitude -180 passes", {"E", "0", "-180", "0"}, O::Valid, "", {"E", "0", "-180", "0"});
    row("longitude 180.5 fails", {"W", "0", "180.5", "0"}, O::BadLongitude, kLongitudeMessage,
        {"W", "0", "180.5", "0"});
    row("longitude -180.5 fails", {"E", "0", "-180.5", "0"}, O::BadLongitude, kLongitudeMessage,
        {"E", "0", "-180.5", "0"});
    row("offset -12 passes", {"Fiji", "-18", "-178", "-12"}, O::Valid, "",
        {"Fiji", "-18", "-178", "-12"});
    row("offset 11.99 passes", {"X", "0", "0", "11.99"}, O::Valid, "", {"X", "0", "0", "11.99"});
    row("offset 12 fails", {"X", "0", "0", "12"}, O::BadOffset, kOffsetMessage,
        {"X", "0", "0", "12"});
    row("offset -12.01 fails", {"X", "0", "0", "-12.01"}, O::BadOffset, kOffsetMessage,
        {"X", "0", "0", "-12.01"});
    row("latitude abc reads as 0", {"X", "abc", "0", "0"}, O::Valid, "", {"X", "0", "0", "0"});
    row("trailing zeros dropped", {"X", "20.50", "-85.850", "-5.50"}, O::Valid, "",
        {"X", "20.5", "-85.85", "-5.5"});
    row("leading blanks, sign and trailing text", {"X", "  +21.42N", "-39.83 E", "-3h"}, O::Valid,
        "", {"X", "21.42", "-39.83", "-3"});
    row("bad latitude hides bad offset", {"X", "95", "0", "12"}, O::BadLatitude, kLatitudeMessage,
        {"X", "95", "0", "12"});
    row("bad longitude hides bad offset", {"X", "0", "200", "12"}, O::BadLongitude,
        kLongitudeMessage, {"X", "0", "200", "12"});
}

void TestCityCheck::check()
{
    QFETCH(QStringList, boxes);
    QFETCH(CityCheck::Outcome, outcome);
    QFETCH(QString, message);
    QFETCH(QStringList, city);

    const CityCheck result = CheckCityBoxes({boxes[0], boxes[1], boxes[2], boxes[3]}, kCurrent);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.valid(), outcome == CityCheck::Outcome::Valid);
    QCOMPARE((QStringList{result.city.name, result.city.latitude, result.city.longitude,
                          result.city.offsetGMT}),
             city);
    if (message.isEmpty()) {
        QVERIFY(!result.refusal);
    } else {
        QVERIFY(result.refusal);
        QCOMPARE(result.refusal->text, message);
        QCOMPARE(result.refusal->icon, MsgIcon::Exclamation);
        QCOMPARE(result.refusal->buttons, MsgButtons::Ok);
    }
}

void TestCityCheck::cutNameKeepsWholeCharacters()
{
    // 21 letters and a character of two UTF-16 units at places 22 and 23.
    const QString name = QString(21, u'a') + QString::fromUcs4(U"\U0001F54C") + "b";
    QCOMPARE(CutCityName(name), QString(21, u'a'));
    QCOMPARE(CutCityName(QString(30, u'x')), QString(22, u'x'));
}

void TestCityCheck::failedCheckThenGoodCheck()
{
    // The refused values are kept in the city, and the next check starts
    // from there and replaces them.
    const CityCheck refused = CheckCityBoxes({"Mecca", "95", "-39.83", "-3"}, kCurrent);
    QCOMPARE(refused.outcome, CityCheck::Outcome::BadLatitude);
    const CityCheck accepted = CheckCityBoxes({"Mecca", "21.42", "-39.83", "-3"}, refused.city);
    QVERIFY(accepted.valid());
    QCOMPARE(accepted.city.latitude, QString("21.42"));
    const CityCheck emptied = CheckCityBoxes({"", "1", "1", "1"}, accepted.city);
    QCOMPARE(emptied.city.name, QString("Mecca"));
}

void TestCityCheck::saveLines_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("lines"); // the first four lines of the file

    QTest::newRow("boxes as typed, not number texts")
        << QStringList{"Cuttack", "20.50", "abc", "-5.5"}
        << QStringList{"Cuttack", "20.50", "abc", "-5.5"};
    QTest::newRow("name cut to 22") << QStringList{"Abcdefghijklmnopqrstuvwxyz", "1", "2", "3"}
                                    << QStringList{"Abcdefghijklmnopqrstuv", "1", "2", "3"};
    QTest::newRow("comma in the name is quoted")
        << QStringList{"Washington, DC", "38.9", "77", "5"}
        << QStringList{"\"Washington, DC\"", "38.9", "77", "5"};
    QTest::newRow("leading blank and blanks-only quoted")
        << QStringList{"  Pune", "   ", "73.8", "-5.5"}
        << QStringList{"\"  Pune\"", "\"   \"", "73.8", "-5.5"};
    QTest::newRow("empty number box quoted")
        << QStringList{"X", "", "0", "0"} << QStringList{"X", "\"\"", "0", "0"};
    QTest::newRow("inner quote needs no quoting")
        << QStringList{"X", "20\"", "0", "0"} << QStringList{"X", "20\"", "0", "0"};
}

void TestCityCheck::saveLines()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, lines);
    const QStringList saved = CitySaveLines({boxes[0], boxes[1], boxes[2], boxes[3]});
    QCOMPARE(saved.size(), 14);
    QCOMPARE(saved.mid(0, 4), lines);
    QCOMPARE(saved.mid(4), CityFileLines(kCurrent).mid(4));
}

void TestCityCheck::savedFileReadsBack_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("plain") << QStringList{"India - Bhubaneswar", "20.267", "-85.85", "-5.5"};
    QTest::newRow("comma in name") << QStringList{"Makkah, Saudi Arabia", "21.42", "-39.83", "-3"};
    QTest::newRow("comma in latitude") << QStringList{"X", "20,5", "1", "2"};
    QTest::newRow("blanks-only name, empty boxes") << QStringList{"   ", "", "", ""};
    QTest::newRow("leading blanks kept") << QStringList{" Pune", " 18.5", "\t73.8", "-5.5"};
    QTest::newRow("Latin-1 letters")
        << QStringList{QString::fromUtf8("Zürich"), "47.37", "-8.54", "-1"};
}

void TestCityCheck::savedFileReadsBack()
{
    QFETCH(QStringList, boxes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kCityFileName);
    QCOMPARE(SaveTextFile(path, CitySaveLines({boxes[0], boxes[1], boxes[2], boxes[3]})),
             QString());
    const CityFileRead read = ReadCityFile(path);
    QCOMPARE(read.status, CityFileRead::Status::Ok);
    QCOMPARE(
        (QStringList{read.city.name, read.city.latitude, read.city.longitude, read.city.offsetGMT}),
        boxes);
}

void TestCityCheck::saveOutcome()
{
    const BoxMessage saved = CitySaveOutcome("/x/CityInfo.txt", QString());
    QCOMPARE(saved.text, QString("Default City Information, saved successfully.\r\n"
                                 "Changes will be effective on next session."));
    QCOMPARE(saved.icon, MsgIcon::Information);
    QCOMPARE(saved, CitySavedMessage());

    QTemporaryDir dir;
    const QString path = dir.filePath("missing folder/CityInfo.txt");
    const QString reason = SaveTextFile(path, CitySaveLines(kCurrent));
    QVERIFY(!reason.isEmpty());
    const BoxMessage failed = CitySaveOutcome(path, reason);
    QCOMPARE(failed.icon, MsgIcon::Critical);
    QCOMPARE(failed.buttons, MsgButtons::Ok);
    QVERIFY(failed.text.contains(path));
    QVERIFY(failed.text.contains(reason));
    QVERIFY(!failed.text.contains("saved successfully"));
}

QTEST_APPLESS_MAIN(TestCityCheck)
#include "tst_citycheck.moc"
