// The checks on a typed date: their order, the exact words of each refusal,
// its icon and buttons, and which refusals empty the year box.

#include "calendar/checks.h"

#include <QtTest>

using namespace qarnivo;

Q_DECLARE_METATYPE(qarnivo::MsgIcon)

namespace {

const QString kWesternYear =
    QStringLiteral("The Year Value must be between 622 AD & 20874 AD i.e.\r\n"
                   "from 1st Muharram 1 Hijri to 30.05.20874 AH/AD");
const QString kBeforeEra =
    QStringLiteral("Invalid Date. Dates prior to 16th July 622 AD (i.e. Before Hijri Era)\r\n"
                   "might yield erroneous by this program.");
const QString kBeyondWestern =
    QStringLiteral("Invalid Date. Dates beyond 30th May 20874 AD shall\r\n"
                   "might yield erroneous by this program.");
const QString kLeapFebruary = QStringLiteral("INVALID DATE, DAY VALUE SHOULD BE UPTO 29");
const QString kCommonFebruary = QStringLiteral("Invalid date, Day value should be upto 28");
const QString kThirtyDays = QStringLiteral("Invalid date, Day value should be upto 30");
const QString kReform =
    QStringLiteral("Invalid Date. Dates between 5th October 1582 & 14th October 1582\r\n"
                   "are not valid due to adustment of in between 10 days to make the\r\n"
                   "Gregorian at par with Julian Calendar.");
const QString kHijriYear = QStringLiteral("The Year Value must be between 1 AH & 20874 AH");
const QString kBeyondHijri =
    QStringLiteral("Invalid Date. Dates beyond to 30th Jumadil-Awwal 20874 AH\r\n"
                   "might yield erroneous by this program.");

void addColumns()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("message"); // empty when the date passes
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<bool>("emptiesYear");
    QTest::addColumn<int>("checkedYear");
}

void accepted(const char *name, const QString &year, int month, int day, int checkedYear)
{
    QTest::newRow(name) << year << month << day << QString() << MsgIcon::None << false
                        << checkedYear;
}

void refused(const char *name, const QString &year, int month, int day, const QString &message,
             MsgIcon icon = MsgIcon::Exclamation, bool emptiesYear = false)
{
    QTest::newRow(name) << year << month << day << message << icon << emptiesYear << 0;
}

void verify(const CheckedDate &checked)
{
    QFETCH(QString, message);
    QFETCH(MsgIcon, icon);
    QFETCH(bool, emptiesYear);
    QFETCH(int, checkedYear);
    QFETCH(int, month);
    QFETCH(int, day);
    if (message.isEmpty()) {
        QVERIFY2(!checked.refusal, qPrintable(checked.refusal ? checked.refusal->text : ""));
        QCOMPARE(checked.date.year, checkedYear);
        QCOMPARE(checked.date.month, month);
        QCOMPARE(checked.date.day, day);
        return;
    }
    QVERIFY(checked.refusal.has_value());
    QCOMPARE(checked.refusal->text, message);
    QCOMPARE(checked.refusal->icon, icon);
    QCOMPARE(checked.refusal->buttons, MsgButtons::Ok);
    QCOMPARE(checked.refusal->emptiesYearBox, emptiesYear);
}

} // namespace

class TestChecks : public QObject {
    Q_OBJECT
private slots:
    void gregorian_data();
    void gregorian();
    void hijri_data();
    void hijri();
};

void TestChecks::gregorian_data()
{
    addColumns();
    accepted("first day of the era", "622", 7, 16, 622);
    accepted("last day of the range", "20874", 5, 30, 20874);
    accepted("622.5 rounds to 622", "622.5", 7, 16, 622);
    accepted("623.5 rounds to 624", "623.5", 1, 1, 624);
    accepted("2026 followed by letters", "2026abc", 3, 1, 2026);
    accepted("29 Feb 1500 (Julian leap year)", "1500", 2, 29, 1500);
    accepted("29 Feb 1600", "1600", 2, 29, 1600);
    accepted("29 Feb 2000", "2000", 2, 29, 2000);
    accepted("31 of a long month", "2024", 12, 31, 2024);
    accepted("4 Oct 1582", "1582", 10, 4, 1582);
    accepted("15 Oct 1582", "1582", 10, 15, 1582);

    refused("year 621", "621", 12, 31, kWesternYear, MsgIcon::Exclamation, true);
    refused("year 20875", "20875", 1, 1, kWesternYear, MsgIcon::Exclamation, true);
    refused("a fraction below 622", "621.9", 7, 16, kWesternYear, MsgIcon::Exclamation, true);
    refused("a fraction above 20874", "20874.1", 1, 1, kWesternYear, MsgIcon::Exclamation, true);
    refused("empty year", "", 1, 1, kWesternYear, MsgIcon::Exclamation, true);
    refused("letters only", "abc", 1, 1, kWesternYear, MsgIcon::Exclamation, true);
    refused("23 digits", "99999999999999999999999", 1, 1, kWesternYear, MsgIcon::Exclamation, true);
    refused("1e400", "1e400", 1, 1, kWesternYear, MsgIcon::Exclamation, true);
    refused("-1e400", "-1e400", 1, 1, kWesternYear, MsgIcon::Exclamation, true);
    refused("15 Jul 622", "622", 7, 15, kBeforeEra);
    refused("1 Jan 622", "622", 1, 1, kBeforeEra);
    refused("31 May 20874", "20874", 5, 31, kBeyondWestern);
    refused("1 Jun 20874", "20874", 6, 1, kBeyondWestern);
    refused("30 Feb 2000 (leap)", "2000", 2, 30, kLeapFebruary);
    refused("31 Feb 1500 (Julian leap)", "1500", 2, 31, kLeapFebruary);
    refused("30 Feb 2001 (common)", "2001", 2, 30, kCommonFebruary);
    refused("29 Feb 1700", "1700", 2, 29, kCommonFebruary);
    refused("29 Feb 1800", "1800", 2, 29, kCommonFebruary);
    refused("29 Feb 1900", "1900", 2, 29, kCommonFebruary);
    refused("31 Apr", "2024", 4, 31, kThirtyDays);
    refused("31 Jun", "2024", 6, 31, kThirtyDays);
    refused("31 Sep", "2024", 9, 31, kThirtyDays);
    refused("31 Nov", "2024", 11, 31, kThirtyDays);
    refused("5 Oct 1582", "1582", 10, 5, kReform);
    refused("14 Oct 1582", "1582", 10, 14, kReform);
    refused("the era check comes before February", "622", 2, 30, kBeforeEra);
}

void TestChecks::gregorian()
{
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(int, day);
    verify(CheckGregorianInput(year, month, day));
}

void TestChecks::hijri_data()
{
    addColumns();
    accepted("1 Muharram 1", "1", 1, 1, 1);
    accepted("30 Jumadil-Awwal 20874", "20874", 5, 30, 20874);
    accepted("day 30 of a 29-day month passes", "1447", 2, 30, 1447);
    accepted("0.5 is below 1 but 1.5 rounds to 2", "1.5", 1, 1, 2);
    accepted("1447 and a small fraction", "1447.3", 9, 1, 1447);

    refused("year 0", "0", 1, 1, kHijriYear, MsgIcon::None, true);
    refused("empty year", "", 1, 1, kHijriYear, MsgIcon::None, true);
    refused("year 20875", "20875", 1, 1, kHijriYear, MsgIcon::None, true);
    refused("0.6 is below 1", "0.6", 1, 1, kHijriYear, MsgIcon::None, true);
    refused("huge", "99999999999999999999999", 1, 1, kHijriYear, MsgIcon::None, true);
    refused("negative", "-3", 1, 1, kHijriYear, MsgIcon::None, true);
    refused("1 Jumadis -Sani 20874", "20874", 6, 1, kBeyondHijri);
    refused("Dhul-Hijjah 20874", "20874", 12, 30, kBeyondHijri);
}

void TestChecks::hijri()
{
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(int, day);
    verify(CheckHijriInput(year, month, day));
}

QTEST_APPLESS_MAIN(TestChecks)
#include "tst_checks.moc"
