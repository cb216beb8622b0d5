// The occasion table: its fixed texts and joins, the greeting's year, the
// empty cells, the counts, and how the doubled ampersand is shown.

#include "readings/datetable.h"
#include "readings/occasions.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace qarnivo;

namespace {

// A named commemoration: kind word, honorific, name, 'RA' or 'SA', and for
// a saint's anniversary the place of the shrine after a comma.
const QRegularExpression
    kNamedEntry(QStringLiteral("^(Wafat|Wiladat|Youm-e-Wiladat|Shahadat|Youm-e-Shahadat|Urs-) ?"
                               "(Hazrat|Imam) [A-Z][A-Za-z' -]+ '(RA|SA)'(, [A-Z][A-Za-z ]+)?$"));

} // namespace

class TestOccasions : public QObject {
    Q_OBJECT
private slots:
    void fixedTexts_data();
    void fixedTexts();
    void joinedTexts_data();
    void joinedTexts();
    void namedEntriesFollowThePattern_data();
    void namedEntriesFollowThePattern();
    void namedFigures_data();
    void namedFigures();
    void emptyCells_data();
    void emptyCells();
    void greetingCarriesTheStartupYear_data();
    void greetingCarriesTheStartupYear();
    void counts();
    void muharram7HoldsOneDoubledAmpersand();
    void displayText_data();
    void displayText();
    void tableRefusesCellsOutsideTheCalendar_data();
    void tableRefusesCellsOutsideTheCalendar();
};

void TestOccasions::fixedTexts_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("text");
    QTest::newRow("Muharram 9, eve of Ashura") << 1 << 9 << "Shab-e-Shahadat of Ahle-Bait 'RA'";
    QTest::newRow("last Wednesday of Safar") << 2 << 26 << "Aakhri-Chahar Shamba";
    QTest::newRow("Rabi-ul-Aakhir 11") << 4 << 11 << "Gayarwheen Sharif";
    QTest::newRow("Sha'aban 15") << 8 << 15 << "SHAB-E-BARAT";
    QTest::newRow("Ramadhan 1") << 9 << 1 << "Start of Ramazan-ul-Mubarak";
    QTest::newRow("Ramadhan 20, conquest of Makkah") << 9 << 20 << "Fatah-e-Makkah";
    for (int day = 22; day <= 29; ++day) {
        QTest::addRow("Ramadhan %d, odd and even nights alike", day)
            << 9 << day << "LAILAT-UL-QUADRA";
    }
    QTest::newRow("Shawwal 1") << 10 << 1 << "E'ID-UL-FITRA";
    QTest::newRow("Dhul-Hijjah 8") << 12 << 8 << "YOUM-UL-HAJJ";
    QTest::newRow("Dhul-Hijjah 9") << 12 << 9 << "YOUM-UL-HAJJ";
    QTest::newRow("Dhul-Hijjah 10") << 12 << 10 << "E'ID-UL-AZHA";
}

void TestOccasions::fixedTexts()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, text);
    const DateTable table = BuildOccasionTable(1446);
    QCOMPARE(table.at(month, day), text);
    QVERIFY(HasOccasion(table, month, day));
}

void TestOccasions::joinedTexts_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("fixedParts"); // "" marks the named part
    QTest::newRow("Ashura and the martyrdom")
        << 1 << 10 << "/ " << QStringList{"Youm-e-Aa'shurah", ""};
    QTest::newRow("Mi'raj night and a death anniversary")
        << 7 << 27 << "/ " << QStringList{"SHAB-E-ME'RAJ", ""};
    QTest::newRow("Ramadhan 17, three occasions in order")
        << 9 << 17 << "/ " << QStringList{"Nazul-e-Qur'an", "", "Jang-e-Badar"};
    QTest::newRow("Ramadhan 21, joined with blanks on both sides")
        << 9 << 21 << " / " << QStringList{"Shab-e-Quadra", ""};
}

void TestOccasions::joinedTexts()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, separator);
    QFETCH(QStringList, fixedParts);
    const QStringList parts = BuildOccasionTable(1446).at(month, day).split(separator);
    QCOMPARE(parts.size(), fixedParts.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (fixedParts[i].isEmpty())
            QVERIFY2(kNamedEntry.match(parts[i]).hasMatch(), qPrintable(parts[i]));
        else
            QCOMPARE(parts[i], fixedParts[i]);
    }
}

void TestOccasions::namedEntriesFollowThePattern_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("kind");
    const struct {
        int month, day;
        const char *kind;
    } rows[] = {{1, 11, "Wafat"},    {1, 18, "Wafat"},   {1, 20, "Wafat"}, {2, 28, "Shahadat"},
                {4, 7, "Wafat"},     {4, 19, "Urs-"},    {6, 22, "Wafat"}, {7, 4, "Wafat"},
                {7, 6, "Urs-"},      {7, 13, "Wiladat"}, {7, 21, "Wafat"}, {8, 3, "Wiladat"},
                {8, 4, "Wafat"},     {9, 3, "Wafat"},    {9, 10, "Wafat"}, {10, 6, "Wafat"},
                {12, 18, "Shahadat"}};
    for (const auto &row : rows)
        QTest::addRow("%d-%d %s", row.month, row.day, row.kind) << row.month << row.day << row.kind;
}

void TestOccasions::namedEntriesFollowThePattern()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, kind);
    const QString text = BuildOccasionTable(1446).at(month, day);
    const QRegularExpressionMatch match = kNamedEntry.match(text);
    QVERIFY2(match.hasMatch(), qPrintable(text));
    QVERIFY2(match.captured(1).contains(kind), qPrintable(text));
    QCOMPARE(match.captured(3), QStringLiteral("RA"));
    // A saint's anniversary names the place of the shrine.
    QCOMPARE(!match.captured(4).isEmpty(), kind == QLatin1String("Urs-"));
}

// Dates on which the tradition is not in doubt.
void TestOccasions::namedFigures_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("name");
    QTest::newRow("Karbala, 10 Muharram 61 AH") << 1 << 10 << "Imam Husain 'RA'";
    QTest::newRow("arrival at Karbala, 2 Muharram 61 AH") << 1 << 2 << "Imam Husain 'RA'";
    QTest::newRow("the Prophet, 12 Rabi-ul-Awwal 11 AH")
        << 3 << 12 << "Wiladat/ Wafat Hazrat Muhammad 'SA'";
    QTest::newRow("Abu Bakr, 22 Jumada al-Akhirah 13 AH") << 6 << 22 << "Abu Bakr";
    QTest::newRow("Ali born, 13 Rajab") << 7 << 13 << "Hazrat Ali 'RA'";
    QTest::newRow("Khwaja of Ajmer, 6 Rajab 633 AH") << 7 << 6 << "Moinuddin Chishti";
    QTest::newRow("Husain born, 3 Sha'ban 4 AH") << 8 << 3 << "Imam Husain 'RA'";
    QTest::newRow("Khadija, 10 Ramadan") << 9 << 10 << "Khadija";
    QTest::newRow("Ayesha, 17 Ramadan 58 AH") << 9 << 17 << "Ayesha";
    QTest::newRow("Ali martyred, 21 Ramadan 40 AH") << 9 << 21 << "Shahadat Hazrat Ali 'RA'";
    QTest::newRow("Usman martyred, 18 Dhul-Hijjah 35 AH") << 12 << 18 << "Usman";
}

void TestOccasions::namedFigures()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, name);
    QVERIFY(BuildOccasionTable(1446).at(month, day).contains(name));
}

void TestOccasions::emptyCells_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("Muharram 5, no entry") << 1 << 5;
    QTest::newRow("Ramadhan 30 after the eight nights") << 9 << 30;
    QTest::newRow("Dhul-Hijjah 11 between Eid and 18") << 12 << 11;
    QTest::newRow("month 0") << 0 << 10;
    QTest::newRow("day 0") << 1 << 0;
    QTest::newRow("month 0 day 0") << 0 << 0;
    QTest::newRow("day 30 of Muharram") << 1 << 30;
    QTest::newRow("day 31 does not exist") << 9 << 31;
    QTest::newRow("month 13 does not exist") << 13 << 1;
    QTest::newRow("negative month") << -1 << 1;
    QTest::newRow("negative day") << 1 << -10;
    for (int day = 1; day <= 30; ++day) {
        QTest::addRow("Jamaadil-Awwal %d", day) << 5 << day;
        QTest::addRow("Dhiquadat-ul-Haraam %d", day) << 11 << day;
    }
}

void TestOccasions::emptyCells()
{
    QFETCH(int, month);
    QFETCH(int, day);
    const DateTable table = BuildOccasionTable(1446);
    QCOMPARE(table.at(month, day), QString());
    QVERIFY(!HasOccasion(table, month, day));
}

void TestOccasions::greetingCarriesTheStartupYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("ending");
    QTest::newRow("1428") << 1428 << "year 1428.";
    QTest::newRow("first year") << 1 << "year 1.";
    QTest::newRow("last year of the calendar") << 9666 << "year 9666.";
    QTest::newRow("no leading zeros") << 47 << "year 47.";
}

void TestOccasions::greetingCarriesTheStartupYear()
{
    QFETCH(int, year);
    QFETCH(QString, ending);
    const QString greeting = BuildOccasionTable(year).at(1, 1);
    QCOMPARE(greeting, NewYearGreeting(year));
    QVERIFY(greeting.startsWith(
        "Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar year "));
    QVERIFY2(greeting.endsWith(" " + ending), qPrintable(greeting));
    // Only the greeting depends on the year.
    DateTable withoutGreeting = BuildOccasionTable(year);
    DateTable other = BuildOccasionTable(year + 1);
    withoutGreeting.set(1, 1, {});
    other.set(1, 1, {});
    QVERIFY(withoutGreeting == other);
}

void TestOccasions::counts()
{
    const DateTable table = BuildOccasionTable(1446);
    QCOMPARE(table.filledCount(), 44);
    QSet<QString> fixed;
    int nights = 0;
    int hajj = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day) {
            const QString text = table.at(month, day);
            if (text.isEmpty() || (month == 1 && day == 1))
                continue;
            fixed.insert(text);
            nights += text == QLatin1String("LAILAT-UL-QUADRA");
            hajj += text == QLatin1String("YOUM-UL-HAJJ");
            QVERIFY2(text == text.trimmed(), qPrintable(text));
            for (const QChar c : text)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(text));
        }
    }
    QCOMPARE(fixed.size(), 35);
    QCOMPARE(nights, 8);
    QCOMPARE(hajj, 2);
}

void TestOccasions::muharram7HoldsOneDoubledAmpersand()
{
    const QString stored = BuildOccasionTable(1446).at(1, 7);
    QCOMPARE(stored.count(QLatin1String("&&")), 1);
    QCOMPARE(stored.count(u'&'), 2);
    QVERIFY(stored.contains("Karbala"));
    const QString shown = OccasionDisplayText(stored);
    QCOMPARE(shown.count(u'&'), 1);
    QCOMPARE(shown.size(), stored.size() - 1);
}

void TestOccasions::displayText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no ampersand") << "E'ID-UL-AZHA"
                                  << "E'ID-UL-AZHA";
    QTest::newRow("doubled ampersand") << "Husain && his family"
                                       << "Husain & his family";
    QTest::newRow("two doubled ampersands") << "a && b && c"
                                            << "a & b & c";
    QTest::newRow("four in a row show two") << "&&&&"
                                            << "&&";
    QTest::newRow("access-key marker is dropped") << "&Manual"
                                                  << "Manual";
    QTest::newRow("lone ampersand at the end stays") << "Rock&"
                                                     << "Rock&";
    QTest::newRow("empty") << ""
                           << "";
}

void TestOccasions::displayText()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(OccasionDisplayText(stored), shown);
}

void TestOccasions::tableRefusesCellsOutsideTheCalendar_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("stored");
    QTest::newRow("first cell") << 1 << 1 << true;
    QTest::newRow("last cell") << 12 << 30 << true;
    QTest::newRow("month 0") << 0 << 5 << false;
    QTest::newRow("day 0") << 5 << 0 << false;
    QTest::newRow("day 31") << 5 << 31 << false;
    QTest::newRow("month 13") << 13 << 5 << false;
    QTest::newRow("far outside") << 1000 << -1000 << false;
}

void TestOccasions::tableRefusesCellsOutsideTheCalendar()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, stored);
    DateTable table;
    QCOMPARE(table.set(month, day, QStringLiteral("x")), stored);
    QCOMPARE(table.at(month, day), stored ? QStringLiteral("x") : QString());
    QCOMPARE(table.filledCount(), stored ? 1 : 0);
    QCOMPARE(DateTable::holds(month, day), stored);
}

QTEST_APPLESS_MAIN(TestOccasions)
#include "tst_occasions.moc"
