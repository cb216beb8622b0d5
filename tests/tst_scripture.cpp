// The scripture panel: its three passages against the Pickthall source, the
// order and spacing of its blocks, and the features box.

#include "readings/scripture.h"
#include "readings/textbox.h"

#include <QFile>
#include <QtTest>

using namespace qarnivo;

namespace {

QString sourceVerse(int chapter, int verse)
{
    QFile file(QStringLiteral(QARNIVO_SOURCE_DIR "/tools/readings/data/pickthall.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray prefix = QByteArray::number(chapter) + '|' + QByteArray::number(verse) + '|';
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.startsWith(prefix))
            return QString::fromLatin1(line.mid(prefix.size())).trimmed();
    }
    return {};
}

const QString kAddress = QStringLiteral("https://example.org/qarnivo");

} // namespace

class TestScripture : public QObject {
    Q_OBJECT
private slots:
    void passagesComeFromTheSource_data();
    void passagesComeFromTheSource();
    void otherVersesAreNotCarried();
    void panelBlocks();
    void panelEndsWithOneLineBreak();
    void featuresBox();
};

void TestScripture::passagesComeFromTheSource_data()
{
    QTest::addColumn<int>("chapter");
    QTest::addColumn<int>("verse");
    QTest::addColumn<QString>("opening");
    QTest::newRow("new moons, 2:189") << 2 << 189 << "They ask thee, (O Muhammad), of new moons";
    QTest::newRow("twelve months, 9:36") << 9 << 36 << "Lo! the number of the months";
    QTest::newRow("postponement, 9:37") << 9 << 37 << "Postponement (of a sacred month)";
}

void TestScripture::passagesComeFromTheSource()
{
    QFETCH(int, chapter);
    QFETCH(int, verse);
    QFETCH(QString, opening);
    const QString expected = sourceVerse(chapter, verse);
    QVERIFY(expected.startsWith(opening));
    QCOMPARE(ScripturePassage(chapter, verse), expected);
}

void TestScripture::otherVersesAreNotCarried()
{
    QCOMPARE(ScripturePassage(2, 190), QString());
    QCOMPARE(ScripturePassage(0, 0), QString());
    const PassagesRead read = ReadPassages();
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.passages.keys(), (QStringList{"2:189", "9:36", "9:37"}));
}

void TestScripture::panelBlocks()
{
    const QStringList lines = DivineCalendarText(kAddress).split(QStringLiteral("\r\n"));
    const QStringList expected{
        "DIVINE COMMAND TO USE A (HIJRA) CALENDAR",
        "",
        "Surah II-Al-Baqarah, Ayat: 189:",
        sourceVerse(2, 189),
        "",
        "Surah IX-Al-Taubah, Ayat:36:",
        sourceVerse(9, 36),
        "",
        "Surah IX-Al-Taubah, Ayat:37:",
        sourceVerse(9, 37),
        "",
        lines.value(11), // the invitation, checked below
        "",
        "DOUBLE CLICK TO CLOSE",
        "", // after the line break that ends the text
    };
    QCOMPARE(lines, expected);
    QVERIFY(lines[11].contains(kAddress));
}

void TestScripture::panelEndsWithOneLineBreak()
{
    const QString text = DivineCalendarText(kAddress);
    QVERIFY(text.endsWith(QLatin1String("\r\n\r\nDOUBLE CLICK TO CLOSE\r\n")));
    QVERIFY(!text.endsWith(QLatin1String("\r\n\r\n")));
    const QString shown = TextBoxText(text);
    QVERIFY(!shown.contains(u'\r'));
    QVERIFY(shown.endsWith(QLatin1String("\n\nDOUBLE CLICK TO CLOSE\n")));
}

void TestScripture::featuresBox()
{
    QCOMPARE(CalendarFeaturesText(),
             QStringLiteral("Please read the Manual File 'Qarnivo User's Manual.pdf' supplied\r\n"
                            "with this software for updated features.\r\n"));
}

QTEST_APPLESS_MAIN(TestScripture)
#include "tst_scripture.moc"
