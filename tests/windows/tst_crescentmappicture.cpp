// The crescent map's picture: each cell in its grade's colour, the colours
// told apart, the picture saved as PNG and a target that is no file refused.

#include "testsupport.h"
#include "widgets/crescentmappicture.h"

#include <QTemporaryDir>

using namespace qarnivo;
using namespace qarnivo::crescent;
using namespace qarnivo::testing;

namespace {

// A cell of that grade, not shaded, its neighbours of the same grade and
// away from the graticule's lines, so that its centre shows its colour alone.
std::optional<QPoint> plainCell(const CrescentMap &map, int grade)
{
    const auto offLine = [](double degrees) { return std::fmod(std::abs(degrees), 30) > 3; };
    for (int row = 1; row + 1 < map.rows; ++row) {
        for (int column = 1; column + 1 < map.columns; ++column) {
            bool plain = offLine(map.latitudeOf(row)) && offLine(map.longitudeOf(column));
            for (int r = row - 1; r <= row + 1 && plain; ++r) {
                for (int c = column - 1; c <= column + 1 && plain; ++c)
                    plain = map.cell(r, c).grade == grade && !map.cell(r, c).moonSetsFirst;
            }
            if (plain)
                return CrescentMapPixel(map, map.latitudeOf(row), map.longitudeOf(column));
        }
    }
    return std::nullopt;
}

} // namespace

class TestCrescentMapPicture : public QObject {
    Q_OBJECT
private slots:
    // The evening after the new moon of 17 February 2026 has the crescent easily seen in the
    // Americas and not at all in the far south-east.
    void cellsInTheirColours_data()
    {
        columns<Criterion, int>({"criterion", "grades"});
        row("Odeh", Criterion::Odeh, 4);
        row("Yallop", Criterion::Yallop, 6);
    }
    void cellsInTheirColours()
    {
        const auto [criterion, grades] = fetch<Criterion, int>("criterion", "grades");
        const CrescentMap map = ComputeCrescentMap(2026, 2, 18, criterion, {-60, 60, 2});
        const QImage image = DrawCrescentMap(map, {}, std::nullopt);
        QVERIFY(image.rect().contains(CrescentMapPixel(map, -59.9, 179.9)));
        const QColor seen = CrescentGradeColour(criterion, 0);
        const QColor unseen = CrescentGradeColour(criterion, grades - 1);
        QVERIFY(unseen.lightness() > seen.lightness() + 60);
        for (const int grade : {0, grades - 1}) {
            const std::optional<QPoint> cell = plainCell(map, grade);
            QVERIFY2(cell, "the map has a plain cell of that grade");
            QCOMPARE(image.pixelColor(*cell), CrescentGradeColour(criterion, grade));
        }
        QSet<QRgb> colours{CrescentGradeColour(criterion, -1).rgb()};
        for (int grade = 0; grade < grades; ++grade)
            colours << CrescentGradeColour(criterion, grade).rgb();
        QCOMPARE(colours.size(), grades + 1);
    }

    // The legend reads from the right in a right-to-left language; the map stays west to east.
    void legendFollowsTheLanguage_data()
    {
        columns<QLocale>({"locale"});
        row("English", QLocale(QLocale::English, QLocale::UnitedStates));
        row("Arabic", QLocale(QLocale::Arabic, QLocale::Egypt));
    }
    void legendFollowsTheLanguage()
    {
        const auto [locale] = fetch<QLocale>("locale");
        const QLocale previous;
        QLocale::setDefault(locale);
        const CrescentMap map = ComputeCrescentMap(2026, 2, 18, Criterion::Odeh, {-60, 60, 2});
        const QImage image = DrawCrescentMap(map, {}, std::nullopt);
        QLocale::setDefault(previous);
        const QColor firstGrade = CrescentGradeColour(Criterion::Odeh, 0);
        const std::optional<QPoint> cell = plainCell(map, 0);
        QVERIFY(cell);
        QCOMPARE(image.pixelColor(*cell), firstGrade);
        std::optional<int> swatch;
        for (int y = CrescentMapPixel(map, -60, 0).y() + 1; y < image.height() && !swatch; ++y) {
            for (int x = 0; x < image.width() && !swatch; ++x) {
                if (image.pixelColor(x, y) == firstGrade)
                    swatch = x;
            }
        }
        QVERIFY(swatch);
        QCOMPARE(*swatch > image.width() / 2, locale.textDirection() == Qt::RightToLeft);
    }

    void landOutlinesCompiledIn() { QVERIFY(LandOutlines().size() > 100); }

    void saved_data()
    {
        columns<QString>({"target"});
        row("a new file", "file");
        row("a pipe", "fifo");
        row("a folder", "folder");
    }
    void saved()
    {
        const auto [target] = fetch<QString>("target");
        QTemporaryDir dir;
        const QString path = dir.filePath("map.png");
        if (target != "file" && !MakeSpecialFile(path, target))
            QSKIP("this system does not let the test make that kind of file");
        const QImage picture(40, 20, QImage::Format_ARGB32);
        const QString problem = SaveCrescentMapPicture(path, picture);
        QCOMPARE(problem.isEmpty(), target == "file");
        // A pipe is never opened for reading: that would wait for a writer.
        if (target == "file")
            QCOMPARE(QImage(path).size(), picture.size());
        else
            QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
    }
};

QTEST_MAIN(TestCrescentMapPicture)
#include "tst_crescentmappicture.moc"
