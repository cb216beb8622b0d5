// The Thoughts of the Day: every reading checked against its reference and
// against the verses of the Pickthall source, the counts of reference and
// chapter lines, the reader's refusals, and the "Print All Tips" export.

#include "calendar/names.h"
#include "platform/fakeplatform.h"
#include "platform/textfile.h"
#include "readings/textbox.h"
#include "readings/thoughts.h"
#include "readings/tipsexport.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

using namespace qarnivo;

namespace {

// The reference of each reading by month (index 0 = Muharram) and day, and
// the name in its chapter line or "(no line)". Surah 112 has four verses;
// its reading names 112:1..4.
const char *const kReferenceTable[12] = {
    "1: 96:1..5 Al-Alaq; 2: 2:255 Al-Baqarah; 3: 10:30 Yunus; 4: 10:31 Yunus; 5: 10:32 Yunus; 6: "
    "10:33 Yunus; 7: 10:34 Yunus; 8: 10:35 Yunus; 9: 10:36 Yunus; 10: 10:37 Yunus; 11: 10:38 "
    "Yunus; 12: 10:39 Yunus; 13: 10:40 Yunus; 14: 10:41 Yunus; 15: 10:42-43-44 Yunus; 16: 10:45 "
    "Yunus; 17: 10:47 Yunus; 18: 10:48-49 Yunus; 19: 10:53 Yunus; 20: 10:54 Yunus; 21: 10:55 "
    "Yunus; 22: 10:56 Yunus; 23: 10:57 Yunus; 24: 10:59 Yunus; 25: 10:60 Yunus; 26: 10:61 Yunus; "
    "27: 10:62 Yunus; 28: 10:63-64 Yunus; 29: 10:66 Yunus; 30: 10:67 Yunus",
    "1: 10:68 Yunus; 2: 10:70 Yunus; 3: 10:71 Yunus; 4: 10:75-76 Yunus; 5: 10:82 Yunus; 6: 10:90 "
    "Yunus; 7: 10:94 Yunus; 8: 10:65-96-97 Yunus; 9: 10:99-100 Yunus; 10: 10:104 Yunus; 11: 10:105 "
    "Yunus; 12: 10:106 Yunus; 13: 10:107 Yunus; 14: 10:108 Yunus; 15: 13:2 Ar-Ra'd; 16: 13:3 "
    "Ar-Ra'd; 17: 13:4 Ar-Ra'd; 18: 13:5 Ar-Ra'd; 19: 13:8-9-10 Ar-Ra'd; 20: 13:11 Ar-Ra'd; 21: "
    "13:12 Ar-Ra'd; 22: 13:13 Ar-Ra'd; 23: 13:14 Ar-Ra'd; 24: 13:16 Ar-Ra'd; 25: 13:18 Ar-Ra'd; "
    "26: 13:21..24 Ar-Ra'd; 27: 13:25 Ar-Ra'd; 28: 13:26 Ar-Ra'd; 29: 13:30 Ar-Ra'd; 30: 13:31 "
    "Ar-Ra'd",
    "1: 73:1..5 Al-Muzzammil; 2: 73:6 Al-Muzzammil; 3: 73:8 Al-Muzzammil; 4: 73:9 Al-Muzzammil; 5: "
    "73:10 Al-Muzzammil; 6: 73:11 Al-Muzzammil; 7: 73:14 Al-Muzzammil; 8: 73:15 Al-Muzzammil; 9: "
    "73:16 Al-Muzzammil; 10: 73:17 Al-Muzzammil; 11: 73:20p Al-Muzzammil; 12: 74:1..5 "
    "Al-Muddathir; 13: 74:6-7 Al-Muddathir; 14: 74:8..10 Al-Muddathir; 15: 74:26..30 Al-Muddathir; "
    "16: 74:31 Al-Muddathir; 17: 74:32..35 Al-Muddathir; 18: 74:52 Al-Muddathir; 19: 74:56 "
    "Al-Muddathir; 20: 20:11..14 Ta-Ha; 21: 20:123 Ta-Ha; 22: 21:58..63 Al-Anbiyah'; 23: 22:37 "
    "Al-Hajj; 24: 23:62 Al-Mu'minun; 25: 24:2 An-Nur; 26: 24:4 An-Nur; 27: 24:6 An-Nur; 28: 24:8-9 "
    "An-Nur; 29: 24:19 An-Nur; 30: 24:23-24 An-Nur",
    "1: 13:33-34 Ar-Ra'd; 2: 13:35 Ar-Ra'd; 3: 13:36 Ar-Ra'd; 4: 13:37 Ar-Ra'd; 5: 13:40 Ar-Ra'd; "
    "6: 13:43 Ar-Ra'd; 7: 67:1-2-3 Al-Mulk; 8: 67:5 Al-Mulk; 9: 67:6-7-8 Al-Mulk; 10: 67:9..11 "
    "Al-Mulk; 11: 67:12 Al-Mulk; 12: 67:13 Al-Mulk; 13: 67:15 Al-Mulk; 14: 67:19 Al-Mulk; 15: "
    "67:22 Al-Mulk; 16: 67:23-24 Al-Mulk; 17: 67:25-26 Al-Mulk; 18: 1:2..7 (no line); 19: 2:2 (no "
    "line); 20: 2:3 (no line); 21: 2:4-5 (no line); 22: 2:6-7 (no line); 23: 2:8-9 (no line); 24: "
    "2:11-12 (no line); 25: 2:13 (no line); 26: 2:14 (no line); 27: 2:21 (no line); 28: 2:22 (no "
    "line); 29: 2:25 (no line); 30: 2:26 (no line)",
    "1: 2:28 (no line); 2: 2:29 (no line); 3: 2:45 (no line); 4: 2:48 (no line); 5: 2:50 (no "
    "line); 6: 11:1 Hud; 7: 11:3-4 Hud; 8: 11:5 Hud; 9: 11:6 Hud; 10: 11:7 Hud; 11: 11:9 Hud; 12: "
    "11:10 Hud; 13: 11:12 Hud; 14: 11:13 Hud; 15: 11:15-16 Hud; 16: 11:20 Hud; 17: 11:21-22 Hud; "
    "18: 11:23 Hud; 19: 11:24 Hud; 20: 11:27 Hud; 21: 11:28 Hud; 22: 11:42 Hud; 23: 11:43 Hud; 24: "
    "11:44 Hud; 25: 11:45 Hud; 26: 11:46 Hud; 27: 11:47 Hud; 28: 11:48 Hud; 29: 11:52-53 Hud; 30: "
    "11:58 Hud",
    "1: 11:61 Hud; 2: 11:64-65 Hud; 3: 11:66 Hud; 4: 11:67-68 Hud; 5: 11:73 Hud; 6: 11:77 Hud; 7: "
    "11:78 Hud; 8: 11:81 Hud; 9: 11:84 Hud; 10: 11:85 Hud; 11: 11:87 Hud; 12: 11:90 Hud; 13: "
    "11:94-95 Hud; 14: 11:101 Hud; 15: 11:102 Hud; 16: 11:103 Hud; 17: 11:104 Hud; 18: 11:105 Hud; "
    "19: 11:106 Hud; 20: 11:107 Hud; 21: 11:108 Hud; 22: 11:109 Hud; 23: 11:111 Hud; 24: 11:113 "
    "Hud; 25: 11:114 Hud; 26: 11:117 Hud; 27: 11:118-119 Hud; 28: 11:123 Hud; 29: 12:2 Yusuf; 30: "
    "12:3 Yusuf",
    "1: 9:36 Al-Taubah; 2: 9:37 Al-Taubah; 3: 9:38 Al-Taubah; 4: 9:34 Al-Taubah; 5: 9:35 "
    "Al-Taubah; 6: 12:4-5 Yusuf; 7: 13:2 Ar-Ra'd; 8: 13:11 Ar-Ra'd; 9: 13:13 Ar-Ra'd; 10: 13:22 "
    "Ar-Ra'd; 11: 14:18 Ibrahim; 12: 14:52 Ibrahim; 13: 15:16..18 Al-Hijr; 14: 16:2 An-Nahl; 15: "
    "16:4 An-Nahl; 16: 16:11 An-Nahl; 17: 16:12 An-Nahl; 18: 16:14 An-Nahl; 19: 16:72 An-Nahl; 20: "
    "16:126 An-Nahl; 21: 17:1 Al-Isra'; 22: 17:11 Al-Isra'; 23: 17:111 Al-Isra'; 24: 18:4-5 "
    "Al-Kahf; 25: 18:23-24 Al-Kahf; 26: 18:25-26 Al-Kahf; 27: 18:45 Al-Kahf; 28: 18:46 Al-Kahf; "
    "29: 18:109 Al-Kahf; 30: 19:7..9 Maryam",
    "1: 2:282 Al-Baqarah; 2: 10:30 Yunus; 3: 10:1 Yunus; 4: 19:7..9 Maryam; 5: 103:1..3 Al-Asr; 6: "
    "78:8..14 An-Naba'; 7: 10:28 Yunus; 8: 36:37 Ya-Seen; 9: 10:5 Yunus; 10: 10:6 Yunus; 11: "
    "55:1..7 Ar-Rahman; 12: 55:10..13 Ar-Rahman; 13: 55:14..16 Ar-Rahman; 14: 55:17-18 Ar-Rahman; "
    "15: 55:19..22 Ar-Rahman; 16: 55:33-34 Ar-Rahman; 17: 55:56..58 Ar-Rahman; 18: 55:70..74 "
    "Ar-Rahman; 19: 85:10 Al-Burooj; 20: 85:1..9 Al-Burooj; 21: 95:1..5 At-teen; 22: 68:4 "
    "Al-Qalam; 23: 47:10 Muhammad; 24: 24:27 An-Nur; 25: 24:28 An-Nur; 26: 24:29 An-Nur; 27: 24:30 "
    "An-Nur; 28: 24:32 An-Nur; 29: 24:35 An-Nur; 30: 24:37 An-Nur",
    "1: 114:1..6 An-Naas; 2: 113:1..5 Al-Falaq; 3: 112:1..4 Al-Ikhlaas; 4: 111:1..5 Al-Lahab; 5: "
    "110:1..3 An-Nasr; 6: 109:1..6 Al-Kaafiroon; 7: 108:1..3 Al-Kauthar; 8: 107:1..7 Al-Maa'oon; "
    "9: 106:1..4 Al-Quraish; 10: 105:1..5 Al-Feel; 11: 36:2..6 Ya-Seen; 12: 36:7-8 Ya-Seen; 13: "
    "36:9-10 Ya-Seen; 14: 36:11 Ya-Seen; 15: 36:12 Ya-Seen; 16: 36:15..17 Ya-Seen; 17: 36:20..21 "
    "Ya-Seen; 18: 36:22 Ya-Seen; 19: 36:23 Ya-Seen; 20: 36:29 Ya-Seen; 21: 36:30 Ya-Seen; 22: "
    "36:31 Ya-Seen; 23: 36:32 Ya-Seen; 24: 36:33 Ya-Seen; 25: 36:34-35 Ya-Seen; 26: 36:36 Ya-Seen; "
    "27: 97:1..5 Al-Qadr; 28: 36:38-39 Ya-Seen; 29: 36:40 Ya-Seen; 30: 36:47 Ya-Seen",
    "1: 36:49-50 Ya-Seen; 2: 36:51-52 Ya-Seen; 3: 36:53-54 Ya-Seen; 4: 36:55..58 Ya-Seen; 5: "
    "36:60-61 Ya-Seen; 6: 36:62..64 Ya-Seen; 7: 36:65 Ya-Seen; 8: 36:68 Ya-Seen; 9: 36:69 Ya-Seen; "
    "10: 36:70 Ya-Seen; 11: 36:77-78 Ya-Seen; 12: 36:81..83 Ya-Seen; 13: 3:2 Al-Imran; 14: 3:5-6 "
    "Al-Imran; 15: 3:8 Al-Imran; 16: 3:9 Al-Imran; 17: 3:10 Al-Imran; 18: 2:256 Al-Baqarah; 19: "
    "2:257 Al-Baqarah; 20: 10:27 Yunus; 21: 2:268 Al-Baqarah; 22: 2:271 Al-Baqarah; 23: 2:276 "
    "Al-Baqarah; 24: 2:277 Al-Baqarah; 25: 2:280 Al-Baqarah; 26: 4:1 An-Nisa'; 27: 4:2 An-Nisa'; "
    "28: 4:5 An-Nisa'; 29: 4:7 An-Nisa'; 30: 4:29 An-Nisa'",
    "1: 4:11 An-Nisa'; 2: 4:12 An-Nisa'; 3: 2:189 Al-Baqarah; 4: 5:8 Al-Ma'idah; 5: 5:18 "
    "Al-Ma'idah; 6: 5:31 Al-Ma'idah; 7: 5:38-39 Al-Ma'idah; 8: 5:58 Al-Ma'idah; 9: 6:1 Al-An'am; "
    "10: 6:2 Al-An'am; 11: 6:7 Al-An'am; 12: 6:8 Al-An'am; 13: 6:97 Al-An'am; 14: 6:98 Al-An'am; "
    "15: 6:108 Al-An'am; 16: 6:111 Al-An'am; 17: 6:133 Al-An'am; 18: 6:155 Al-An'am; 19: 7:48 "
    "Al-A'raf; 20: 7:50 Al-A'raf; 21: 7:171 Al-A'raf; 22: 8:30 Al-Anfal; 23: 8:31 Al-Anfal; 24: "
    "8:63 Al-Anfal; 25: 9:8 Al-Taubah; 26: 9:11 Al-Taubah; 27: 9:12 Al-Taubah; 28: 9:125 "
    "Al-Taubah; 29: 12:2 Yusuf; 30: 12:4-5 Yusuf",
    "1: 10:16 Yunus; 2: 10:17 Yunus; 3: 16:49-50 An-Nahl; 4: 10:19 Yunus; 5: 10:20 Yunus; 6: 10:21 "
    "Yunus; 7: 10:22 Yunus; 8: 10:23 Yunus; 9: 10:24 Yunus; 10: 10:25 Yunus; 11: 10:26 Yunus; 12: "
    "saying HADITH; 13: saying HADITH; 14: saying COLLECTION; 15: 54:17 (no line); 16: 3:92 (no "
    "line); 17: saying HADITH; 18: 10:2 Yunus; 19: 10:3 Yunus; 20: 10:4 Yunus; 21: 10:5 Yunus; 22: "
    "10:6 Yunus; 23: 10:7 Yunus; 24: 10:8 Yunus; 25: 10:9 Yunus; 26: 10:10 Yunus; 27: 10:11 Yunus; "
    "28: 10:12 Yunus; 29: 10:13 Yunus; 30: 10:15 Yunus",
};

struct Expected {
    QString reference; // inside the brackets, or HADITH / COLLECTION
    QString chapter;   // the chapter line's name, or "" for none
};

using ExpectedTable = std::map<std::pair<int, int>, Expected>;

ExpectedTable parseReferenceTable()
{
    ExpectedTable table;
    for (int month = 1; month <= 12; ++month) {
        const QStringList entries = QString::fromLatin1(kReferenceTable[month - 1]).split("; ");
        for (const QString &entry : entries) {
            const qsizetype colon = entry.indexOf(QLatin1String(": "));
            const int day = entry.left(colon).toInt();
            const QString rest = entry.mid(colon + 2);
            const qsizetype blank = rest.indexOf(u' ');
            Expected expected{rest.left(blank), rest.mid(blank + 1)};
            if (expected.reference == QLatin1String("saying")) {
                expected.reference = expected.chapter;
                expected.chapter.clear();
            } else if (expected.chapter == QLatin1String("(no line)")) {
                expected.chapter.clear();
            }
            table[{month, day}] = expected;
        }
    }
    return table;
}

// The source: "chapter:verse" -> text.
QHash<QString, QString> readSource()
{
    QHash<QString, QString> verses;
    QFile file(QStringLiteral(QARNIVO_SOURCE_DIR "/tools/readings/data/pickthall.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return verses;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        const QStringList fields = line.split(u'|');
        if (fields.size() == 3)
            verses.insert(fields[0] + u':' + fields[1], fields[2].trimmed());
    }
    return verses;
}

// The verses a reference names, in order; `partial` for a trailing "p".
struct VerseList {
    QStringList keys;
    bool partial = false;
};

VerseList versesOf(const QString &reference)
{
    const QString chapter = reference.section(u':', 0, 0);
    QString verses = reference.section(u':', 1);
    VerseList list;
    if (verses.endsWith(u'p')) {
        list.partial = true;
        verses.chop(1);
    }
    if (verses.contains(QLatin1String(".."))) {
        const int first = verses.section(QLatin1String(".."), 0, 0).toInt();
        const int last = verses.section(QLatin1String(".."), 1).toInt();
        for (int verse = first; verse <= last; ++verse)
            list.keys.append(chapter + u':' + QString::number(verse));
    } else {
        for (const QString &verse : verses.split(u'-'))
            list.keys.append(chapter + u':' + verse);
    }
    return list;
}

bool endsSentence(const QString &text)
{
    return text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?');
}

NameTables monthNames()
{
    NameTables names;
    LoadMonthNames(names);
    return names;
}

const QRegularExpression kQuranLine(QStringLiteral("^ {0,2}\\.\\.\\.QURA'N \\[([^\\]]+)\\]\\.?$"));

} // namespace

class TestThoughts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyReadingMatchesItsReference_data();
    void everyReadingMatchesItsReference();
    void counts();
    void firstOfMuharram();
    void headings_data();
    void headings();
    void sayings_data();
    void sayings();
    void lineBreaksAreCrLf();
    void readerAcceptsLfAndCrLf();
    void readerRefuses_data();
    void readerRefuses();
    void readerReportsMissingFile();
    void exportLines();
    void exportWritesWindows1252WithCrLf();
    void exportDeclinedLeavesFileUntouched_data();
    void exportDeclinedLeavesFileUntouched();
    void exportFailureIsNotReportedAsSuccess();
    void textBoxTextHasNoCarriageReturn();

private:
    DateTable m_thoughts;
    ExpectedTable m_expected;
    QHash<QString, QString> m_source;
};

void TestThoughts::initTestCase()
{
    const ThoughtTableRead read = ReadThoughtTable();
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    m_thoughts = read.table;
    QVERIFY(m_thoughts == BuildThoughtTable());
    m_expected = parseReferenceTable();
    QCOMPARE(m_expected.size(), std::size_t(360));
    m_source = readSource();
    QCOMPARE(m_source.size(), 6236);
}

void TestThoughts::everyReadingMatchesItsReference_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    const NameTables names = monthNames();
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day)
            QTest::addRow("%s %d", qPrintable(names.HMonthShort[month]), day) << month << day;
    }
}

void TestThoughts::everyReadingMatchesItsReference()
{
    QFETCH(int, month);
    QFETCH(int, day);
    const Expected expected = m_expected.at({month, day});
    QStringList lines = m_thoughts.at(month, day).split(QStringLiteral("\r\n"));

    if (!expected.chapter.isEmpty())
        QCOMPARE(lines.takeLast(), "   (Surah " + expected.chapter + ").");
    const QString referenceLine = lines.takeLast();
    QCOMPARE(lines.takeLast(), QString()); // the empty line before the reference
    QVERIFY(!lines.isEmpty());
    QVERIFY(!lines.first().isEmpty() && !lines.last().isEmpty());
    QVERIFY2(!lines.join(u'\n').contains(QLatin1String("\n\n\n")), "two empty lines in a row");

    if (expected.reference == QLatin1String("HADITH")) {
        QCOMPARE(referenceLine, QStringLiteral("...HADITH"));
        return;
    }
    if (expected.reference == QLatin1String("COLLECTION")) {
        QVERIFY(referenceLine.startsWith(QLatin1String("... ")));
        QVERIFY(referenceLine.size() > 6);
        return;
    }
    const QRegularExpressionMatch match = kQuranLine.match(referenceLine);
    QVERIFY2(match.hasMatch(), qPrintable(referenceLine));
    QCOMPARE(match.captured(1), expected.reference);

    if (lines.first() == QLatin1String("AYAT-AL-KURSI") ||
        lines.first() == QLatin1String("LONGEST AYAH"))
        lines.removeFirst();
    lines.removeAll(QString());
    const VerseList verses = versesOf(expected.reference);
    QCOMPARE(lines.size(), verses.keys.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY2(m_source.contains(verses.keys[i]), qPrintable(verses.keys[i]));
        const QString verse = m_source.value(verses.keys[i]);
        if (!verses.partial) {
            QCOMPARE(lines[i], verse);
            continue;
        }
        // A part: whole sentences of the verse, shorter than the verse.
        const qsizetype at = verse.indexOf(lines[i]);
        QVERIFY2(at >= 0, "the part is not in the verse");
        QVERIFY(lines[i].size() < verse.size());
        QVERIFY(at == 0 || endsSentence(verse.left(at).trimmed()));
        QVERIFY(endsSentence(lines[i]));
        const QString after = verse.mid(at + lines[i].size());
        QVERIFY(after.isEmpty() || after.startsWith(u' '));
    }
}

void TestThoughts::counts()
{
    int quran = 0, hadith = 0, collection = 0, chapterLines = 0;
    QSet<QString> distinctChapterLines;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day) {
            const QStringList lines = m_thoughts.at(month, day).split(QStringLiteral("\r\n"));
            for (const QString &line : lines) {
                if (kQuranLine.match(line).hasMatch())
                    ++quran;
                else if (line == QLatin1String("...HADITH"))
                    ++hadith;
                else if (line.startsWith(QLatin1String("... ")))
                    ++collection;
                if (line.startsWith(QLatin1String("   (Surah ")) &&
                    line.endsWith(QLatin1String(").")))
                    ++chapterLines;
            }
            if (lines.last().startsWith(QLatin1String("   (Surah ")))
                distinctChapterLines.insert(lines.last());
        }
    }
    QCOMPARE(quran, 356);
    QCOMPARE(hadith, 3);
    QCOMPARE(collection, 1);
    QCOMPARE(chapterLines, 336);
    QCOMPARE(distinctChapterLines.size(), 46);
    QCOMPARE(m_thoughts.filledCount(), 360);
}

void TestThoughts::firstOfMuharram()
{
    const QString reading = m_thoughts.at(1, 1);
    QVERIFY(reading.startsWith(QLatin1String("Read: In the name of thy Lord Who createth,")));
    QVERIFY(reading.endsWith(QLatin1String(" ...QURA'N [96:1..5]\r\n   (Surah Al-Alaq).")));
}

void TestThoughts::headings_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Throne Verse, Muharram 2") << 1 << 2 << "AYAT-AL-KURSI";
    QTest::newRow("debt verse, Sha'aban 1") << 8 << 1 << "LONGEST AYAH";
}

void TestThoughts::headings()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, heading);
    const QString reading = m_thoughts.at(month, day);
    // The heading is followed by a single line break, then the verse.
    QVERIFY(reading.startsWith(heading + "\r\n"));
    QVERIFY(!reading.startsWith(heading + "\r\n\r\n"));
    int headed = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 30; ++d)
            headed += m_thoughts.at(m, d).startsWith(heading + "\r\n");
    }
    QCOMPARE(headed, 1);
}

void TestThoughts::sayings_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("collectionLine");
    QTest::newRow("Dhul-Hijjah 12") << 12 << false;
    QTest::newRow("Dhul-Hijjah 13") << 13 << false;
    QTest::newRow("Dhul-Hijjah 14") << 14 << true;
    QTest::newRow("Dhul-Hijjah 17") << 17 << false;
}

void TestThoughts::sayings()
{
    QFETCH(int, day);
    QFETCH(bool, collectionLine);
    const QStringList lines = m_thoughts.at(12, day).split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() >= 3);
    QCOMPARE(lines[lines.size() - 2], QString());
    // No chapter line: the reference is the last line.
    if (collectionLine) {
        QVERIFY(lines.last().startsWith(QLatin1String("... ")));
        QVERIFY(lines.last() != QLatin1String("...HADITH"));
    } else {
        QCOMPARE(lines.last(), QStringLiteral("...HADITH"));
    }
    QVERIFY(!m_thoughts.at(12, day).contains(QLatin1String("QURA'N")));
}

void TestThoughts::lineBreaksAreCrLf()
{
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day) {
            QString reading = m_thoughts.at(month, day);
            reading.remove(QStringLiteral("\r\n"));
            QVERIFY2(!reading.contains(u'\r') && !reading.contains(u'\n'),
                     qPrintable(QStringLiteral("%1 %2").arg(month).arg(day)));
            QVERIFY(EncodeWindows1252(reading) == reading.toLatin1());
        }
    }
}

namespace {

// A complete file for the reader tests, every reading one or two lines.
QString wholeFile(const QString &newline)
{
    QString text = QStringLiteral("# comment") + newline + newline;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day) {
            text += QStringLiteral("[%1 %2]").arg(month).arg(day) + newline;
            text += QStringLiteral("text %1/%2").arg(month).arg(day) + newline + newline +
                    QStringLiteral(" ...QURA'N [1:1]") + newline;
        }
    }
    return text;
}

} // namespace

void TestThoughts::readerAcceptsLfAndCrLf()
{
    const ThoughtTableRead lf = ParseThoughtTable(wholeFile(QStringLiteral("\n")));
    const ThoughtTableRead crLf = ParseThoughtTable(wholeFile(QStringLiteral("\r\n")));
    QVERIFY2(lf.error.isEmpty(), qPrintable(lf.error));
    QVERIFY2(crLf.error.isEmpty(), qPrintable(crLf.error));
    QVERIFY(lf.table == crLf.table);
    QCOMPARE(lf.table.at(5, 17), QStringLiteral("text 5/17\r\n\r\n ...QURA'N [1:1]"));
}

void TestThoughts::readerRefuses_data()
{
    QTest::addColumn<QString>("text");
    const QString whole = wholeFile(QStringLiteral("\n"));
    QTest::newRow("empty file") << QString();
    QTest::newRow("a reading missing")
        << QString(whole).remove("[7 7]\ntext 7/7\n\n ...QURA'N [1:1]\n");
    QTest::newRow("a reading given twice") << whole + "[3 4]\nagain\n";
    QTest::newRow("month 13") << whole + "[13 1]\nx\n";
    QTest::newRow("day 0") << whole + "[1 0]\nx\n";
    QTest::newRow("day 31") << whole + "[1 31]\nx\n";
    QTest::newRow("key not a date") << whole + "[a b]\nx\n";
    QTest::newRow("text before the first record") << "stray\n" + whole;
    QTest::newRow("record without text")
        << QString(whole).replace("[2 2]\ntext 2/2\n\n ...QURA'N [1:1]\n", "[2 2]\n");
    QTest::newRow("record of blanks only")
        << QString(whole).replace("[2 2]\ntext 2/2\n\n ...QURA'N [1:1]\n", "[2 2]\n   \n");
}

void TestThoughts::readerRefuses()
{
    QFETCH(QString, text);
    const ThoughtTableRead read = ParseThoughtTable(text);
    QVERIFY(!read.error.isEmpty());
    QCOMPARE(read.table.filledCount(), 0);
}

void TestThoughts::readerReportsMissingFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const ThoughtTableRead read = ReadThoughtTable(folder.filePath("none.txt"));
    QVERIFY(read.error.contains("none.txt"));
    QCOMPARE(read.table.filledCount(), 0);
}

void TestThoughts::exportLines()
{
    const NameTables names = monthNames();
    const QStringList lines = FullTipsLines(m_thoughts, names);
    QCOMPARE(lines[0], QStringLiteral("BISME ALLAH - AR-RAHMAN - AR-RAHEEM"));
    QCOMPARE(lines[1], QString());
    QCOMPARE(lines[2], QStringLiteral("MONTH: MUHARRAM-UL-HARAAM"));
    QCOMPARE(lines[3], QStringLiteral("Day - 1: Read: In the name of thy Lord Who createth,"));
    QCOMPARE(lines.last(), QString());

    int innerBreaks = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day)
            innerBreaks += int(m_thoughts.at(month, day).count(QStringLiteral("\r\n")));
    }
    QCOMPARE(lines.size(), 734 + innerBreaks);

    // Walk the file: month heading, then for each day its reading and an
    // empty line, nothing in between.
    qsizetype at = 2;
    for (int month = 1; month <= 12; ++month) {
        QCOMPARE(lines[at++], "MONTH: " + names.HMonthName[month].toUpper());
        for (int day = 1; day <= 30; ++day) {
            const QStringList reading = m_thoughts.at(month, day).split(QStringLiteral("\r\n"));
            QCOMPARE(lines[at++], QStringLiteral("Day - %1: ").arg(day) + reading.first());
            for (qsizetype i = 1; i < reading.size(); ++i)
                QCOMPARE(lines[at++], reading[i]);
            QCOMPARE(lines[at++], QString());
        }
    }
    QCOMPARE(at, lines.size());
    QVERIFY(lines.contains(QStringLiteral("MONTH: JAMAADIL -AAKHIR")));
    QVERIFY(lines.contains(QStringLiteral("MONTH: DHUL-HIJJAH")));
}

void TestThoughts::exportWritesWindows1252WithCrLf()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    FakePlatform platform;
    platform.appFolder = folder.path();
    const NameTables names = monthNames();
    ExportAllTips(platform, m_thoughts, names);

    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages[0].text,
             "All Tips (Thoughts of the Day) may be printed in a text file " +
                 QDir::toNativeSeparators(folder.filePath("FullTips.txt")) +
                 ". Would you like to create a text file of these Tips?");
    QCOMPARE(platform.messages[0].icon, MsgIcon::Information);
    QCOMPARE(platform.messages[0].buttons, MsgButtons::YesNoCancel);
    QCOMPARE(platform.messages[1].text, QStringLiteral("DONE! FILE CREATED SUCCESSFULLY (117 kB)"));
    QCOMPARE(platform.messages[1].icon, MsgIcon::Information);
    QCOMPARE(platform.messages[1].buttons, MsgButtons::Ok);

    QFile file(folder.filePath("FullTips.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QStringList lines = FullTipsLines(m_thoughts, names);
    QCOMPARE(bytes, EncodeLines(lines));
    QCOMPARE(qsizetype(bytes.count("\r\n")), lines.size());
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QVERIFY(bytes.startsWith("BISME ALLAH - AR-RAHMAN - AR-RAHEEM\r\n\r\nMONTH: MUHARRAM"));
    QVERIFY(bytes.endsWith(".\r\n\r\n"));
    QCOMPARE(DecodeText(bytes), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void TestThoughts::exportDeclinedLeavesFileUntouched_data()
{
    QTest::addColumn<MsgAnswer>("answer");
    QTest::newRow("No") << MsgAnswer::No;
    QTest::newRow("Cancel") << MsgAnswer::Cancel;
}

void TestThoughts::exportDeclinedLeavesFileUntouched()
{
    QFETCH(MsgAnswer, answer);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile old(folder.filePath("FullTips.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier export\r\n");
    old.close();

    FakePlatform platform;
    platform.appFolder = folder.path();
    platform.answers = {answer};
    ExportAllTips(platform, m_thoughts, monthNames());
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier export\r\n"));
}

void TestThoughts::exportFailureIsNotReportedAsSuccess()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    FakePlatform platform;
    platform.appFolder = folder.filePath("no such folder");
    ExportAllTips(platform, m_thoughts, monthNames());
    QCOMPARE(platform.messages.size(), 2);
    const FakePlatform::Message &report = platform.messages[1];
    QVERIFY(!report.text.contains(QLatin1String("DONE")));
    QVERIFY(report.text.contains(QLatin1String("FullTips.txt")));
    QCOMPARE(report.icon, MsgIcon::Exclamation);
    QVERIFY(!QFile::exists(folder.filePath("no such folder/FullTips.txt")));
}

void TestThoughts::textBoxTextHasNoCarriageReturn()
{
    const QString reading = m_thoughts.at(1, 1);
    const QString shown = TextBoxText(reading);
    QVERIFY(!shown.contains(u'\r'));
    QCOMPARE(shown.count(u'\n'), reading.count(QStringLiteral("\r\n")));
}

QTEST_APPLESS_MAIN(TestThoughts)
#include "tst_thoughts.moc"
