// The land outlines' reader: rings read, every bad line refusing the text,
// and the shipped file read whole.

#include "core/crescent/landoutline.h"
#include "testsupport.h"

using namespace qarnivo::crescent;
using namespace qarnivo::testing;

class TestLandOutline : public QObject {
    Q_OBJECT
private slots:
    void reads_data()
    {
        columns<QString, int>({"text", "rings"});
        row("a note and two rings", "# source\n0,0 1,0 1,1 0,0\n-180,-90 180,90 10.5,-3.25\n", 2);
        row("blank lines and spaces", "\n  0,0  1,0 1,1 \n", 1);
        row("nothing", "", 0);
        row("two points", "0,0 1,1\n", -1);
        row("a longitude past 180", "0,0 1,0 180.01,1\n", -1);
        row("a latitude past 90", "0,0 1,0 1,-90.5\n", -1);
        row("no comma", "0,0 1,0 1 1\n", -1);
        row("not a number", "0,0 1,0 nan,1\n", -1);
        row("a bad line after a good one", "0,0 1,0 1,1\n0,0 x\n", -1);
    }
    void reads()
    {
        const auto [text, rings] = fetch<QString, int>("text", "rings");
        const auto read = ReadLandOutlines(text);
        QCOMPARE(read ? int(read->size()) : -1, rings);
    }

    void readsTheShippedFile()
    {
        const auto read = ReadLandOutlines(
            QString::fromUtf8(readBytes(QARNIVO_SOURCE_DIR "/resources/data/land110m.txt")));
        QVERIFY(read && read->size() > 100);
    }
};

QTEST_GUILESS_MAIN(TestLandOutline)
#include "tst_landoutline.moc"
