// The city panel's place list (AddCity.txt), the country panel's offset list
// (the program's entries and GMT Offsets.txt), and "Find Next" on both.

#include "sunpage/listsearch.h"
#include "sunpage/offsetlist.h"
#include "sunpage/placelist.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;

Q_DECLARE_METATYPE(qarnivo::PlaceListRead::Status)

namespace {

QString places(int count)
{
    QString text;
    for (int n = 1; n <= count; ++n)
        text += QStringLiteral("Place %1,%2,-%2,-5.5\r\n").arg(n).arg(n % 90);
    return text;
}

QStringList namesOf(const QList<PlaceRecord> &records)
{
    QStringList names;
    for (const PlaceRecord &record : records)
        names.append(record.name);
    return names;
}

// Clicks "Find Next" until the summary shows; returns the entries selected
// on the way and the summary text.
QPair<QStringList, QString> searchAll(const QStringList &entries, const QString &text,
                                      int foundCount = 0)
{
    QStringList hits;
    int selected = 0;
    bool continuing = false;
    for (int click = 0; click <= entries.size() + 1; ++click) {
        const SearchStep step = FindNextEntry(entries, text, selected, continuing, foundCount);
        selected = step.selected;
        continuing = step.continuing;
        foundCount = step.foundCount;
        if (step.outcome == SearchStep::Outcome::NoMoreFound)
            return {hits, step.summary->text};
        hits.append(entries[step.selected]);
    }
    return {hits, "no summary"};
}

QString summary(int count)
{
    return QStringLiteral("Search complete, no more found.\r\nTotal found = (%1).").arg(count);
}

} // namespace

class TestPlaceList : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void numbersAndBoxTexts();
    void limitOf501_data();
    void limitOf501();
    void readFile();
    void countryList();
    void countryFileLines();
    void shippedCountryFile();
    void search_data();
    void search();
    void searchState();
};

void TestPlaceList::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PlaceListRead::Status>("status");
    QTest::addColumn<QStringList>("names");
    using S = PlaceListRead::Status;
    QTest::newRow("one place a line, CR LF")
        << "Bhubaneswar,20.27,-85.85,-5.5\r\nMecca,21.42,-39.83,-3\r\n"
        << S::Ok << QStringList{"Bhubaneswar", "Mecca"};
    QTest::newRow("LF, no final line end") << "A,1,2,3\nB,4,5,6" << S::Ok << QStringList{"A", "B"};
    QTest::newRow("CR only") << "A,1,2,3\rB,4,5,6\r" << S::Ok << QStringList{"A", "B"};
    QTest::newRow("empty file") << "" << S::Ok << QStringList{};
    QTest::newRow("only line ends") << "\r\n\r\n\n\r" << S::Ok << QStringList{};
    QTest::newRow("blank lines at the end give no place") << "A,1,2,3\r\n\r\n   \r\n\r\n"
                                                          << S::Ok << QStringList{"A"};
    QTest::newRow("quoted name keeps its comma") << "\"Washington, DC\",38.9,77,5\r\n"
                                                 << S::Ok << QStringList{"Washington, DC"};
    QTest::newRow("one value a line") << "A\r\n1\r\n2\r\n3\r\n" << S::Ok << QStringList{"A"};
    QTest::newRow("file ends inside a place")
        << "A,1,2,3\r\nB,4" << S::IncompleteRecord << QStringList{"A"};
    QTest::newRow("unclosed quote swallows the rest")
        << "A,1,2,3\r\n\"B,4,5,6\r\nC,7,8,9" << S::IncompleteRecord << QStringList{"A"};
    QTest::newRow("byte order mark is no part of the name")
        << QString(QChar(0xFEFF)) + "A,1,2,3" << S::Ok << QStringList{"A"};
    QTest::newRow("leading blanks skipped") << "  A,  1,2,3" << S::Ok << QStringList{"A"};
}

void TestPlaceList::parse()
{
    QFETCH(QString, text);
    QFETCH(PlaceListRead::Status, status);
    QFETCH(QStringList, names);
    const PlaceListRead read = ParsePlaceList(text);
    QCOMPARE(read.status, status);
    QVERIFY(read.wasRead());
    QCOMPARE(namesOf(read.places), names);
}

void TestPlaceList::numbersAndBoxTexts()
{
    const PlaceListRead read =
        ParsePlaceList("Mecca,21.4200,-39.83,-3\r\nOdd,abc,1e999,\"-5.50\"\r\n");
    QCOMPARE(read.places.size(), 2);
    const CityInfo mecca = PlaceBoxTexts(read.places[0]);
    QCOMPARE((QStringList{mecca.name, mecca.latitude, mecca.longitude, mecca.offsetGMT}),
             (QStringList{"Mecca", "21.42", "-39.83", "-3"}));
    // No leading number and a number beyond a double both read as 0.
    const CityInfo odd = PlaceBoxTexts(read.places[1]);
    QCOMPARE((QStringList{odd.latitude, odd.longitude, odd.offsetGMT}),
             (QStringList{"0", "0", "-5.5"}));
    QCOMPARE(PlacePanelCaption(2), QString("Select City by Double Click (2)"));
}

void TestPlaceList::limitOf501_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PlaceListRead::Status>("status");
    using S = PlaceListRead::Status;
    QTest::newRow("500 places") << places(500) << S::Ok;
    QTest::newRow("501 places") << places(501) << S::Ok;
    QTest::newRow("502 places") << places(502) << S::TooManyPlaces;
    QTest::newRow("501 places and a part of one") << places(501) + "Extra,1" << S::TooManyPlaces;
    QTest::newRow("5000 places") << places(5000) << S::TooManyPlaces;
}

void TestPlaceList::limitOf501()
{
    QFETCH(QString, text);
    QFETCH(PlaceListRead::Status, status);
    const PlaceListRead read = ParsePlaceList(text);
    QCOMPARE(read.status, status);
    const qsizetype expected = qMin<qsizetype>(text.count("\r\n"), kMaxPlaces);
    QCOMPARE(read.places.size(), expected);
    QCOMPARE(read.places.last().name, QStringLiteral("Place %1").arg(expected));
}

void TestPlaceList::readFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(ReadPlaceList(dir.filePath("none.txt")).status, PlaceListRead::Status::NotFound);
    QCOMPARE(ReadPlaceList(dir.path()).status, PlaceListRead::Status::Unreadable);

    QFile file(dir.filePath(kPlaceFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Z\xfcrich,47.37,-8.54,-1\r\n"); // Windows-1252
    file.close();
    const PlaceListRead read = ReadPlaceList(file.fileName());
    QCOMPARE(read.status, PlaceListRead::Status::Ok);
    QCOMPARE(namesOf(read.places), QStringList{QString::fromUtf8("Zürich")});

    // Binary bytes: whatever comes of them, the reader stays within its limit.
    QByteArray junk;
    for (int i = 0; i < 200000; ++i)
        junk.append(char((i * 7919) % 256));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(junk);
    file.close();
    const PlaceListRead binary = ReadPlaceList(file.fileName());
    QVERIFY(binary.wasRead());
    QVERIFY(binary.places.size() <= kMaxPlaces);
}

void TestPlaceList::countryList()
{
    const QStringList builtIn = BuiltInCountryOffsets();
    QCOMPARE(builtIn.size(), kBuiltInCountryCount);
    QCOMPARE(builtIn.first(), QString("Afghanistan (-4.5)"));
    QCOMPARE(builtIn[19], QString("Ethopia (-3)"));
    QCOMPARE(builtIn.last(), QString("Iraq (-3)"));
    QCOMPARE(CountryOffsetList({}), builtIn); // already in order

    const QStringList list =
        CountryOffsetList({"Jordan (-3)", "algeria (-1)", "Zambia (-2)", "AFGHANISTAN (-4.5)"});
    QCOMPARE(list.size(), 33);
    QCOMPARE(list.indexOf("Jordan (-3)"), list.indexOf("Iraq (-3)") + 1);
    QCOMPARE(list.indexOf("algeria (-1)"), list.indexOf("Afghanistan (-4.5)") + 2);
    QCOMPARE(list.indexOf("Australia - Brisbane (-10)"), list.indexOf("algeria (-1)") + 1);
    // Equal without regard to case: the program's entry was added first.
    QCOMPARE(list.indexOf("AFGHANISTAN (-4.5)"), list.indexOf("Afghanistan (-4.5)") + 1);
    QCOMPARE(list.last(), QString("Zambia (-2)"));
    QCOMPARE(CountryCountCaption(list.size()), QString("(33)"));
}

void TestPlaceList::countryFileLines()
{
    QCOMPARE(CountryFileLines("A, B (1)\r\n\r\n  \r\nC (2)\rD (3)\n"),
             (QStringList{"A, B (1)", "C (2)", "D (3)"}));
    QCOMPARE(CountryFileLines(QString(QChar(0xFEFF)) + "E (0)"), QStringList{"E (0)"});
    QCOMPARE(CountryFileLines(""), QStringList{});

    QTemporaryDir dir;
    QCOMPARE(ReadCountryFile(dir.filePath(kCountryFileName)).status,
             CountryFileRead::Status::NotFound);
}

void TestPlaceList::shippedCountryFile()
{
    const QString path = QStringLiteral(QARNIVO_SOURCE_DIR "/resources/data/") + kCountryFileName;
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n')); // CR LF throughout

    const CountryFileRead read = ReadCountryFile(path);
    QCOMPARE(read.status, CountryFileRead::Status::Ok);
    QVERIFY(read.lines.size() >= 150);
    const QRegularExpression entry(QStringLiteral(R"(^[^()]+ \((-?\d+(\.\d+)?)\)$)"));
    for (const QString &line : read.lines) {
        const QRegularExpressionMatch match = entry.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        // Offsets the city check accepts: -12 included to 12 excluded.
        const double offset = match.captured(1).toDouble();
        QVERIFY2(offset >= -12 && offset < 12, qPrintable(line));
        QVERIFY2(!BuiltInCountryOffsets().contains(line), qPrintable(line));
        QCOMPARE(read.lines.count(line), 1);
    }
}

void TestPlaceList::search_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("hits");
    QTest::addColumn<QString>("summary");

    const QStringList countries = BuiltInCountryOffsets();
    QTest::newRow("afgh finds the first entry")
        << countries << "afgh" << QStringList{"Afghanistan (-4.5)"} << summary(1);
    QTest::newRow("(-1) walks down the list")
        << countries << "(-1)" << QStringList{"Austria (-1)", "Belgium (-1)", "Czechoslovakia (-1)",
                                              "Denmark (-1)", "Germany (-1)", "Hungary (-1)"}
        << summary(6);
    QTest::newRow("# finds every entry with a digit")
        << QStringList{"A1", "B", "C2"} << "#" << QStringList{"A1", "C2"} << summary(2);
    QTest::newRow("empty text finds every entry")
        << QStringList{"a", "b", "c"} << "" << QStringList{"a", "b", "c"} << summary(3);
    QTest::newRow("case ignored on both sides")
        << countries << "iNdIa" << QStringList{"India (-5.5)"} << summary(1);
    QTest::newRow("wildcards inside the text")
        << countries << "AUSTRALIA - ?????? ("
        << QStringList{"Australia - Darwin (-9.5)", "Australia - Sydney (-10)"} << summary(2);
    QTest::newRow("bracket list") << countries << "[XZ]" << QStringList{"Czechoslovakia (-1)"}
                                  << summary(1);
    QTest::newRow("unclosed bracket is searched literally")
        << QStringList{"Foo", "Foo [bar]", "[baz"} << "[ba" << QStringList{"Foo [bar]", "[baz"}
        << summary(2);
    QTest::newRow("no match") << countries << "Narnia" << QStringList{} << summary(0);
    QTest::newRow("only the last entry matches")
        << QStringList{"a", "b", "zurich"} << "zur" << QStringList{"zurich"} << summary(1);
    QTest::newRow("empty list") << QStringList{} << "x" << QStringList{} << summary(0);
}

void TestPlaceList::search()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(QStringList, hits);
    QFETCH(QString, summary);
    const auto [found, message] = searchAll(entries, text);
    QCOMPARE(found, hits);
    QCOMPARE(message, summary);
}

void TestPlaceList::searchState()
{
    const QStringList entries{"Alpha 1", "Beta 2", "Gamma 3", "Delta 4", "Epsilon"};

    // Without the flag the search starts at the top whatever is selected.
    SearchStep step = FindNextEntry(entries, "a", 3, false, 0);
    QCOMPARE(step.selected, 0);
    QVERIFY(step.continuing);
    QCOMPARE(step.foundCount, 1);
    QVERIFY(!step.summary);

    // With the flag it goes on below the selection, which the user may
    // have moved, and a changed text goes on from there too.
    step = FindNextEntry(entries, "a", 1, true, 1);
    QCOMPARE(step.selected, 2);
    step = FindNextEntry(entries, "#", 2, true, step.foundCount);
    QCOMPARE(step.selected, 3);
    QCOMPARE(step.foundCount, 3);

    // The summary shows the count carried in (shared by both lists), then
    // everything starts again at the first entry.
    step = FindNextEntry(entries, "zzz", 0, true, 7);
    QCOMPARE(step.outcome, SearchStep::Outcome::NoMoreFound);
    QCOMPARE(step.summary->text, summary(7));
    QCOMPARE(step.summary->icon, MsgIcon::Information);
    QCOMPARE(step.summary->buttons, MsgButtons::Ok);
    QCOMPARE(step.selected, 0);
    QVERIFY(!step.continuing);
    QCOMPARE(step.foundCount, 0);

    // A hit on the last entry lets the next click end with the summary
    // instead of finding the same entry again and again.
    step = FindNextEntry(entries, "EPS", 0, false, 0);
    QCOMPARE(step.selected, 4);
    step = FindNextEntry(entries, "EPS", step.selected, step.continuing, step.foundCount);
    QCOMPARE(step.summary->text, summary(1));

    // Empty list: nothing to select.
    step = FindNextEntry({}, "", -1, true, 2);
    QCOMPARE(step.selected, -1);
    QCOMPARE(step.summary->text, summary(2));

    QCOMPARE(SearchPattern("ab[c"), QString("*AB[C*"));
}

QTEST_APPLESS_MAIN(TestPlaceList)
#include "tst_placelist.moc"
