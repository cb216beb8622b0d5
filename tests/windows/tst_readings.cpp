// The readings: the occasion table, the Thoughts of the Day (each against its line in
// tools/readings/references.tsv and the Pickthall source), the reader's refusals, the "Print All
// Tips" export and the scripture panel.

#include "core/calendar/names.h"
#include "core/readings/datetable.h"
#include "core/readings/occasions.h"
#include "core/readings/scripture.h"
#include "core/readings/textbox.h"
#include "core/readings/thoughts.h"
#include "windows/main/tipsexport.h"
#include "windowsupport.h"

#include <QRegularExpression>

#include <map>

using namespace qarnivo;
using namespace qarnivo::testing;

Q_DECLARE_METATYPE(qarnivo::MsgAnswer)

namespace {

const QRegularExpression kQuranLine(QStringLiteral("^ {0,2}\\.\\.\\.QURA'N \\[([^\\]]+)\\]\\.?$"));

// The source of the readings: per month and day the reference, the chapter line's name ("" for
// none) and the options (heading=, from=, lines, text=, collection=).
struct Reference {
    QString reference;
    QString chapter;
    QMap<QString, QString> options;
};

std::map<std::pair<int, int>, Reference> readReferences()
{
    std::map<std::pair<int, int>, Reference> references;
    const QStringList lines =
        SplitLines(QString::fromUtf8(readBytes(sourcePath("tools/readings/references.tsv"))));
    for (const QString &line : lines) {
        const QStringList cells = line.split(u'\t');
        if (line.startsWith(u'#') || cells.size() < 4)
            continue;
        Reference reference{cells[2], cells[3] == QLatin1String("-") ? QString() : cells[3], {}};
        for (const QString &option : cells.mid(4))
            reference.options.insert(option.section(u'=', 0, 0), option.section(u'=', 1));
        references[{cells[0].toInt(), cells[1].toInt()}] = reference;
    }
    return references;
}

// The Pickthall source: "chapter:verse" -> text.
QHash<QString, QString> readSource()
{
    QHash<QString, QString> verses;
    for (const QString &line : SplitLines(
             QString::fromLatin1(readBytes(sourcePath("tools/readings/data/pickthall.txt"))))) {
        const QStringList fields = line.split(u'|');
        if (fields.size() == 3)
            verses.insert(fields[0] + u':' + fields[1], fields[2].trimmed());
    }
    return verses;
}

// The verses a reference names, in order: one verse, a range "a..b" or a list "a-b-c".
QStringList versesOf(const QString &reference)
{
    const QString chapter = reference.section(u':', 0, 0);
    const QString verses = reference.section(u':', 1).remove(u'p');
    QStringList keys;
    if (verses.contains(QLatin1String(".."))) {
        for (int verse = verses.section("..", 0, 0).toInt();
             verse <= verses.section("..", 1).toInt(); ++verse)
            keys.append(chapter + u':' + QString::number(verse));
    } else {
        for (const QString &verse : verses.split(u'-'))
            keys.append(chapter + u':' + verse);
    }
    return keys;
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

// A complete readings file for the reader tests, every reading one or two lines.
QString wholeFile(const QString &newline)
{
    QString text = QStringLiteral("# comment") + newline + newline;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 30; ++day)
            text += QStringLiteral("[%1 %2]%3text %1/%2%3%3 ...QURA'N [1:1]%3")
                        .arg(month)
                        .arg(day)
                        .arg(newline);
    }
    return text;
}

} // namespace

class TestReadings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const ThoughtTableRead read = ReadThoughtTable();
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        m_thoughts = read.table;
        QVERIFY(m_thoughts == BuildThoughtTable());
        QCOMPARE(m_thoughts.filledCount(), 360);
        m_references = readReferences();
        QCOMPARE(m_references.size(), std::size_t(360));
        m_source = readSource();
        QCOMPARE(m_source.size(), 6236);
    }

    // The fixed texts, and where several occasions share a day their order and joins.
    void occasionTexts_data()
    {
        columns<int, int, QString>({"month", "day", "text"});
        row("Muharram 2, Karbala 61 AH", 1, 2, "Imam Husain 'RA' reaches Karbala");
        row("Muharram 9, eve of Ashura", 1, 9, "Shab-e-Shahadat of Ahle-Bait 'RA'");
        row("Ashura and the martyrdom at Karbala", 1, 10,
            "Youm-e-Aa'shurah/ Youm-e-Shahadat Imam Husain 'RA'");
        row("last Wednesday of Safar", 2, 26, "Aakhri-Chahar Shamba");
        row("the Prophet, 12 Rabi-ul-Awwal 11 AH", 3, 12,
            "Eid-Milad-un-Nabi, Wiladat/ Wafat Hazrat Muhammad 'SA'");
        row("Rabi-ul-Aakhir 11", 4, 11, "Gayarwheen Sharif");
        row("Abu Bakr, 22 Jumada al-Akhirah 13 AH", 6, 22, "Wafat Hazrat Abu Bakr Siddiq 'RA'");
        row("Khwaja of Ajmer, 6 Rajab 633 AH", 7, 6,
            "Urs-Hazrat Khwaja Moinuddin Chishti 'RA', Ajmer Sharif");
        row("Ali born, 13 Rajab", 7, 13, "Youm-e-Wiladat Hazrat Ali 'RA'");
        row("Husain born, 3 Sha'ban 4 AH", 8, 3, "Wiladat Imam Husain 'RA'");
        row("Khadija, 10 Ramadan", 9, 10, "Wafat Hazrat Bibi Khadija-tul-Kubra 'RA'");
        row("Usman, 18 Dhul-Hijjah 35 AH", 12, 18, "Shahadat Hazrat Usman Ghani 'RA'");
        row("Mi'raj night and a death anniversary", 7, 27,
            "SHAB-E-ME'RAJ/ Wafat Hazrat Junaid Baghdadi 'RA'");
        row("Sha'aban 15", 8, 15, "SHAB-E-BARAT");
        row("Ramadhan 1", 9, 1, "Start of Ramazan-ul-Mubarak");
        row("Ramadhan 17, three in order (Ayesha, 58 AH)", 9, 17,
            "Nazul-e-Qur'an/ Wafat Hazrat Bibi Ayesha Siddiqa 'RA'/ Jang-e-Badar");
        row("Ramadhan 20, conquest of Makkah", 9, 20, "Fatah-e-Makkah");
        row("Ramadhan 21, joined with blanks (Ali, 40 AH)", 9, 21,
            "Shab-e-Quadra / Shahadat Hazrat Ali 'RA'");
        for (int day = 22; day <= 29; ++day)
            QTest::addRow("Ramadhan %d, odd and even nights alike", day)
                << 9 << day << "LAILAT-UL-QUADRA";
        row("Shawwal 1", 10, 1, "E'ID-UL-FITRA");
        for (int day = 8; day <= 9; ++day)
            QTest::addRow("Dhul-Hijjah %d", day) << 12 << day << "YOUM-UL-HAJJ";
        row("Dhul-Hijjah 10", 12, 10, "E'ID-UL-AZHA");
    }
    void occasionTexts()
    {
        const auto [month, day, text] = fetch<int, int, QString>("month", "day", "text");
        QCOMPARE(BuildOccasionTable(1446).at(month, day), text);
    }

    // Every cell not listed here is empty: 44 occasions, the greeting among them, in printable
    // ASCII without outer blanks.
    void occasionDates()
    {
        const QList<int> filled = {101, 102, 107, 108, 109, 110,  111,  118,  120,  226,  228,
                                   312, 407, 411, 419, 622, 704,  706,  713,  721,  727,  803,
                                   804, 815, 901, 903, 910, 917,  920,  921,  922,  923,  924,
                                   925, 926, 927, 928, 929, 1001, 1006, 1208, 1209, 1210, 1218};
        const DateTable table = BuildOccasionTable(1446);
        QCOMPARE(table.filledCount(), 44);
        QSet<QString> distinct;
        for (int month = -1; month <= 13; ++month) {
            for (int day = -10; day <= 31; ++day) {
                const QString text = table.at(month, day);
                QCOMPARE(HasOccasion(table, month, day), !text.isEmpty());
                QVERIFY2(text.isEmpty() != filled.contains(month * 100 + day),
                         qPrintable(QStringLiteral("%1-%2: %3").arg(month).arg(day).arg(text)));
                QVERIFY2(text == text.trimmed(), qPrintable(text));
                for (const QChar c : text)
                    QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(text));
                if (!text.isEmpty() && month * 100 + day != 101)
                    distinct.insert(text);
            }
        }
        QCOMPARE(distinct.size(), 35);
        // Only the greeting depends on the year it names.
        for (const int year : {1, 9666}) {
            DateTable other = BuildOccasionTable(year);
            QCOMPARE(other.at(1, 1), NewYearGreeting(year));
            QCOMPARE(other.at(1, 1), "Happy New Year! TODAY is the starting day of Islamic HIJRI "
                                     "Calendar year " +
                                         QString::number(year) + ".");
            other.set(1, 1, table.at(1, 1));
            QVERIFY(other == table);
        }
    }

    void everyReadingMatchesItsReference_data()
    {
        columns<int, int>({"month", "day"});
        const NameTables names = monthNames();
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 30; ++day)
                QTest::addRow("%s %d", qPrintable(names.HMonthShort[month]), day) << month << day;
        }
    }
    void everyReadingMatchesItsReference()
    {
        const auto [month, day] = fetch<int, int>("month", "day");
        const Reference expected = m_references.at({month, day});
        const QString reading = m_thoughts.at(month, day);
        // Only CR LF line breaks, and nothing Windows-1252 cannot hold.
        QVERIFY(!QString(reading).remove("\r\n").contains(u'\r'));
        QVERIFY(!QString(reading).remove("\r\n").contains(u'\n'));
        QCOMPARE(EncodeWindows1252(reading), reading.toLatin1());
        QStringList lines = reading.split(QStringLiteral("\r\n"));
        if (!expected.chapter.isEmpty())
            QCOMPARE(lines.takeLast(), "   (Surah " + expected.chapter + ").");
        const QString referenceLine = lines.takeLast();
        QCOMPARE(lines.takeLast(), QString()); // the empty line before the reference
        // A heading stands on its own line, right above the verses.
        if (expected.options.contains("heading"))
            QCOMPARE(lines.takeFirst(), expected.options.value("heading"));
        QVERIFY(!lines.isEmpty() && !lines.first().isEmpty() && !lines.last().isEmpty());
        QVERIFY2(!lines.join(u'\n').contains(QLatin1String("\n\n\n")), "two empty lines in a row");

        if (expected.reference == QLatin1String("HADITH") ||
            expected.reference == QLatin1String("COLLECTION")) {
            QCOMPARE(referenceLine, expected.reference == QLatin1String("HADITH")
                                        ? QStringLiteral("...HADITH")
                                        : "... " + expected.options.value("collection"));
            QCOMPARE(lines, QStringList{expected.options.value("text")});
            return;
        }
        const QRegularExpressionMatch match = kQuranLine.match(referenceLine);
        QVERIFY2(match.hasMatch(), qPrintable(referenceLine));
        QCOMPARE(match.captured(1), expected.reference);
        // Verses as paragraphs, or on consecutive lines.
        if (expected.options.contains("lines"))
            QVERIFY(!lines.contains(QString()));
        lines.removeAll(QString());
        const QStringList verses = versesOf(expected.reference);
        QCOMPARE(lines.size(), verses.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(m_source.contains(verses[i]), qPrintable(verses[i]));
            const QString verse = m_source.value(verses[i]);
            if (!expected.reference.endsWith(u'p')) {
                QCOMPARE(lines[i], verse);
                continue;
            }
            // A part: whole sentences of the verse, from the one that starts as given.
            const qsizetype at = verse.indexOf(lines[i]);
            QVERIFY2(at >= 0, "the part is not in the verse");
            QVERIFY(lines[i].size() < verse.size());
            QVERIFY(lines[i].startsWith(expected.options.value("from")));
            QVERIFY((at == 0 || endsSentence(verse.left(at).trimmed())) && endsSentence(lines[i]));
            const QString after = verse.mid(at + lines[i].size());
            QVERIFY((after.isEmpty() || after.startsWith(u' ')));
        }
    }

    void readerRefuses_data()
    {
        QTest::addColumn<QString>("text");
        const QString whole = wholeFile(QStringLiteral("\n"));
        const QString record = QStringLiteral("[2 2]\ntext 2/2\n\n ...QURA'N [1:1]\n");
        row("empty file", QString());
        row("a reading missing", QString(whole).remove(record));
        row("a reading given twice", whole + "[3 4]\nagain\n");
        row("month 13", whole + "[13 1]\nx\n");
        row("record without text", QString(whole).replace(record, "[2 2]\n"));
    }
    // The reader takes a whole file with LF or CR LF line ends, and refuses anything less.
    void readerRefuses()
    {
        QFETCH(QString, text);
        const ThoughtTableRead lf = ParseThoughtTable(wholeFile(QStringLiteral("\n")));
        const ThoughtTableRead crLf = ParseThoughtTable(wholeFile(QStringLiteral("\r\n")));
        QVERIFY(lf.error.isEmpty() && crLf.error.isEmpty() && lf.table == crLf.table);
        QCOMPARE(lf.table.at(5, 17), "text 5/17\r\n\r\n ...QURA'N [1:1]");
        const ThoughtTableRead read = ParseThoughtTable(text);
        QVERIFY(!read.error.isEmpty());
        QCOMPARE(read.table.filledCount(), 0);
        QTemporaryDir folder;
        const ThoughtTableRead missing = ReadThoughtTable(folder.filePath("none.txt"));
        QVERIFY(missing.error.contains("none.txt"));
        QCOMPARE(missing.table.filledCount(), 0);
    }

    void exportAsksFirst_data()
    {
        QTest::addColumn<MsgAnswer>("answer");
        row("Yes writes Windows-1252 with CR LF", MsgAnswer::Yes);
        row("No leaves the old file", MsgAnswer::No);
        row("Cancel leaves the old file", MsgAnswer::Cancel);
    }
    void exportAsksFirst()
    {
        QFETCH(MsgAnswer, answer);
        AppFolder f;
        const QString path = f.path("FullTips.txt");
        QVERIFY(writeBytes(path, "earlier export\r\n"));
        f.platform.answers = {answer};
        const NameTables names = monthNames();
        ExportAllTips(f.platform, m_thoughts, names);
        QCOMPARE(f.platform.messages[0].text,
                 "All Tips (Thoughts of the Day) may be printed in a text file " +
                     QDir::toNativeSeparators(path) +
                     ". Would you like to create a text file of these Tips?");
        QCOMPARE(f.platform.messages[0].icon, MsgIcon::Information);
        QCOMPARE(f.platform.messages[0].buttons, MsgButtons::YesNoCancel);
        const QByteArray bytes = readBytes(path);
        if (answer != MsgAnswer::Yes) {
            QCOMPARE(f.platform.messages.size(), 1);
            QCOMPARE(bytes, "earlier export\r\n");
            return;
        }
        QCOMPARE(f.platform.messages.size(), 2);
        QCOMPARE(f.platform.lastMessage(), "DONE! FILE CREATED SUCCESSFULLY (117 kB)");
        QCOMPARE(f.platform.messages[1].icon, MsgIcon::Information);
        QCOMPARE(f.platform.messages[1].buttons, MsgButtons::Ok);
        // A heading, then per month its name and per day "Day - n: " before the reading and an
        // empty line after it.
        const QStringList lines = FullTipsLines(m_thoughts, names);
        QCOMPARE(lines.mid(0, 2), (QStringList{"BISME ALLAH - AR-RAHMAN - AR-RAHEEM", ""}));
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
        QVERIFY(lines.contains("MONTH: JAMAADIL -AAKHIR") && lines.contains("MONTH: DHUL-HIJJAH"));
        QCOMPARE(bytes, EncodeLines(lines));
        QVERIFY(bytes.endsWith(".\r\n\r\n"));
    }

    // The scripture panel: the three passages from the source and only they, in their blocks
    // and order, shown with plain line breaks; and the features box.
    void scripturePanel()
    {
        const PassagesRead read = ReadPassages();
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.passages.keys(), (QStringList{"2:189", "9:36", "9:37"}));
        for (const auto &[chapter, verse] : {std::pair{2, 189}, {9, 36}, {9, 37}})
            QCOMPARE(ScripturePassage(chapter, verse),
                     m_source.value(QStringLiteral("%1:%2").arg(chapter).arg(verse)));
        QCOMPARE(ScripturePassage(2, 190) + ScripturePassage(0, 0), QString());
        const QString address = QStringLiteral("https://example.org/qarnivo");
        const QString text = DivineCalendarText(address);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines, (QStringList{"DIVINE COMMAND TO USE A (HIJRA) CALENDAR", "",
                                     "Surah II-Al-Baqarah, Ayat: 189:", m_source.value("2:189"), "",
                                     "Surah IX-Al-Taubah, Ayat:36:", m_source.value("9:36"), "",
                                     "Surah IX-Al-Taubah, Ayat:37:", m_source.value("9:37"), "",
                                     lines.value(11), "", "DOUBLE CLICK TO CLOSE", ""}));
        QVERIFY(lines[11].contains(address)); // the invitation
        QVERIFY(TextBoxText(text).endsWith("\n\nDOUBLE CLICK TO CLOSE\n"));
        QVERIFY(!TextBoxText(text).contains(u'\r'));
        QCOMPARE(TextBoxText(m_thoughts.at(1, 1)).count(u'\n'),
                 m_thoughts.at(1, 1).count(QStringLiteral("\r\n")));
        QCOMPARE(CalendarFeaturesText(),
                 "Please read the Manual File 'Qarnivo User's Manual.pdf' supplied\r\n"
                 "with this software for updated features.\r\n");
    }

private:
    DateTable m_thoughts;
    std::map<std::pair<int, int>, Reference> m_references;
    QHash<QString, QString> m_source;
};

QTEST_APPLESS_MAIN(TestReadings)
#include "tst_readings.moc"
