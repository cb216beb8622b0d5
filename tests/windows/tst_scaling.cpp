// How the windows adapt to the desktop: the scale taken from the desktop's
// face, the rounding of the design's boxes, text colours that give way to
// the palette, and pictures prepared for the screen's pixel ratio.

#include "widgets/contrast.h"
#include "widgets/layoutscale.h"
#include "widgets/pictures.h"
#include "windowsupport.h"

#include <QFontDatabase>
#include <QRawFont>

using namespace qarnivo;
using namespace qarnivo::testing;

class TestScaling : public QObject {
    Q_OBJECT
private slots:
    // What the factor must do, whatever its formula: the design's boxes, scaled,
    // hold the face's sample text and line, and they grow no more than that.
    void layoutFactor_data()
    {
        columns<qreal, qreal, bool>({"sampleWidth", "lineHeight", "measured"});
        // Measured on Debian 12 at 96 dots an inch.
        row("DejaVu Sans 9, the design's face", 93.9, 14.0, true);
        row("Noto Sans 10, tall lines, narrow", 86.0, 17.7, true);
        row("Cantarell 11, wider", 108.8, 18.0, true);
        row("DejaVu Sans 13", 133.0, 19.8, true);
        row("a very tall face", 90.0, 34.0, true);
        row("a small face keeps the design", 60.0, 10.0, true);
        row("nothing measured", 0.0, 0.0, false);
        row("measures that are not numbers", qQNaN(), qInf(), false);
        row("negative measures", -200.0, -40.0, false);
    }

    void layoutFactor()
    {
        const auto [sampleWidth, lineHeight, measured] =
            fetch<qreal, qreal, bool>("sampleWidth", "lineHeight", "measured");
        const qreal factor = LayoutFactor(sampleWidth, lineHeight);
        QVERIFY(factor >= 1.0);
        if (!measured) {
            QCOMPARE(factor, 1.0);
            return;
        }
        QVERIFY(kDesignSampleWidth * factor >= sampleWidth - 1e-9);
        QVERIFY(kDesignLineHeight * factor >= lineHeight - 1e-9);
        // Any smaller factor above 1 would cut the width or the line.
        const qreal smaller = factor * 0.99;
        QVERIFY(smaller < 1.0 || kDesignSampleWidth * smaller < sampleWidth ||
                kDesignLineHeight * smaller < lineHeight);
    }

    void boxesThatTouchStillTouch_data()
    {
        QTest::addColumn<qreal>("factor");
        row("1", 1.0);
        row("1.157", 1.157);
        row("1.415", 1.415);
        row("1.5", 1.5);
    }

    void boxesThatTouchStillTouch()
    {
        QFETCH(qreal, factor);
        const LayoutScale scale(factor);
        // Seven columns of 80 side by side, as the day grid lays them.
        for (int column = 0; column < 6; ++column) {
            const QRect left = scale.rect(13 + 80 * column, 50, 80, 67);
            const QRect right = scale.rect(13 + 80 * (column + 1), 50, 80, 67);
            QCOMPARE(left.right() + 1, right.left());
            QVERIFY(!left.intersects(right));
        }
        QCOMPARE(scale.rect(0, 0, 589, 580).size(), scale.size(589, 580));
        QCOMPARE(scale.font(QFont(QStringLiteral("DejaVu Sans")), 10).pointSizeF(), 10 * factor);
    }

    void fontToFit_data()
    {
        columns<QString, QSize, bool>({"text", "box", "shrinks"});
        const QString occasion = QStringLiteral(
            "Happy New Year! TODAY is the starting day of Islamic HIJRI Calendar year 1447.");
        row("short text keeps its face", QStringLiteral("Eid-ul-Fitr"), QSize(460, 28), false);
        row("long text on two lines", occasion, QSize(460, 40), false);
        row("long text in one line's height", occasion, QSize(460, 28), true);
        row("a box too small for any face", occasion, QSize(40, 8), true);
    }

    void fontToFit()
    {
        const auto [text, box, shrinks] = fetch<QString, QSize, bool>("text", "box", "shrinks");
        QFont designed(QStringLiteral("DejaVu Sans"));
        designed.setPointSizeF(9.75);
        designed.setBold(true);
        const QFont fitted = FontToFit(designed, text, box, 7);
        QCOMPARE(fitted.pointSizeF() < designed.pointSizeF(), shrinks);
        QVERIFY(fitted.pointSizeF() >= 7 && fitted.bold());
        const QSize needed =
            QFontMetrics(fitted)
                .boundingRect(QRect(0, 0, box.width(), 1000), Qt::TextWordWrap, text)
                .size();
        const bool fits = needed.width() <= box.width() && needed.height() <= box.height();
        // Shrunk only as far as needed, and never below the floor.
        QVERIFY((fits || fitted.pointSizeF() < 7.25));
        if (shrinks && fits) {
            QFont larger = fitted;
            larger.setPointSizeF(fitted.pointSizeF() + 0.25);
            const QSize largerNeeds =
                QFontMetrics(larger)
                    .boundingRect(QRect(0, 0, box.width(), 1000), Qt::TextWordWrap, text)
                    .size();
            QVERIFY((largerNeeds.height() > box.height() || largerNeeds.width() > box.width()));
        }
    }

    void contrastRatio_data()
    {
        columns<QColor, QColor, double>({"first", "second", "ratio"});
        // Values from the WCAG 2 definition of relative luminance.
        row("black on white", QColor(Qt::black), QColor(Qt::white), 21.0);
        row("white on black", QColor(Qt::white), QColor(Qt::black), 21.0);
        row("the same colour", QColor(120, 40, 200), QColor(120, 40, 200), 1.0);
        row("pure blue on white", QColor(0, 0, 255), QColor(Qt::white), 8.592);
        row("pure red on white", QColor(255, 0, 0), QColor(Qt::white), 3.998);
        row("grey 119 on white", QColor(119, 119, 119), QColor(Qt::white), 4.478);
    }

    void contrastRatio()
    {
        const auto [first, second, ratio] =
            fetch<QColor, QColor, double>("first", "second", "ratio");
        QVERIFY2(qAbs(ContrastRatio(first, second) - ratio) < 0.005,
                 qPrintable(QString::number(ContrastRatio(first, second))));
    }

    void readableColour_data()
    {
        columns<QColor, QColor, double, bool>({"text", "background", "minimum", "kept"});
        const QColor lightWindow(239, 239, 239);
        const QColor darkWindow(45, 45, 45);
        row("blue numbers on a light window", QColor(0, 0, 255), lightWindow, 3.0, true);
        row("blue numbers on a dark window", QColor(0, 0, 255), darkWindow, 3.0, false);
        row("green caption on a dark window", QColor(0, 96, 0), darkWindow, 4.5, false);
        row("black city name on a dark window", QColor(Qt::black), darkWindow, 4.5, false);
        row("red hover on a light window, large", QColor(255, 0, 0), lightWindow, 3.0, true);
        row("red hover on a light window, small", QColor(255, 0, 0), lightWindow, 4.5, false);
        row("magenta on mid grey", QColor(255, 0, 255), QColor(128, 128, 128), 4.5, false);
        row("white on navy", QColor(Qt::white), QColor(0, 0, 128), 4.5, true);
    }

    void readableColour()
    {
        const auto [text, background, minimum, kept] =
            fetch<QColor, QColor, double, bool>("text", "background", "minimum", "kept");
        const QColor readable = ReadableColour(text, background, minimum);
        QVERIFY2(
            ContrastRatio(readable, background) >= minimum,
            qPrintable(readable.name() + QString::number(ContrastRatio(readable, background))));
        QCOMPARE(readable == text, kept);
        if (!kept) {
            // Moved no further than needed: a step back toward the designed
            // colour would be too faint.
            const QColor halfway((readable.red() * 19 + text.red()) / 20,
                                 (readable.green() * 19 + text.green()) / 20,
                                 (readable.blue() * 19 + text.blue()) / 20);
            QVERIFY(ContrastRatio(halfway, background) < minimum + 0.5);
        }
        QCOMPARE(TextColourRule(QColor(1, 2, 3)), QStringLiteral("color: rgb(1, 2, 3);"));
    }

    void fittedPictureCoversTheDevicePixels_data()
    {
        columns<qreal, QSize>({"ratio", "logical"});
        row("ordinary screen, design size", 1.0, QSize(60, 60));
        row("ordinary screen, large face", 1.0, QSize(85, 85));
        row("scale 1.5", 1.5, QSize(60, 60));
        row("scale 2", 2.0, QSize(60, 60));
        row("scale 2, large face", 2.0, QSize(85, 85));
    }

    void fittedPictureCoversTheDevicePixels()
    {
        const auto [ratio, logical] = fetch<qreal, QSize>("ratio", "logical");
        const QPixmap star =
            pictures::DecorationPicture(pictures::DecorationSet::Image4, 1); // square
        QVERIFY(!star.isNull());
        const QPixmap fitted = FittedPicture(star, logical, ratio);
        QCOMPARE(fitted.devicePixelRatio(), ratio);
        QCOMPARE(fitted.size(), (QSizeF(logical) * ratio).toSize());
        QCOMPARE(fitted.deviceIndependentSize().toSize(), logical);

        const QPixmap month = FittedPicture(pictures::MonthNamePicture(9), QSize(140, 44), ratio);
        QVERIFY(month.deviceIndependentSize().width() <= 140.01);
        QVERIFY(qAbs(month.deviceIndependentSize().height() - 44) < 0.51);

        const QPixmap blank = BlankPicture(logical, ratio);
        QCOMPARE(blank.size(), (QSizeF(logical) * ratio).toSize());
        QCOMPARE(blank.toImage().pixelColor(0, 0).alpha(), 0);
    }

    // The window and tray icon gives a full picture at every size a desktop asks for, up to
    // 256 pixels drawn as such.
    void applicationIconAtEverySize()
    {
        const QIcon icon = pictures::ApplicationIcon();
        for (const int size : {16, 24, 32, 48, 64, 96, 128, 256}) {
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.pixelColor(size / 2, size / 2).alpha() > 0);
        }
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    }

    // The bundled font "Tarvelonix": both faces give each ASCII digit the glyph of its Arabic-Indic
    // digit, ten different ones.
    void arabicIndicDigits()
    {
        QCOMPARE(RegisterBundledFonts(), QStringList{"Tarvelonix"});
        QCOMPARE(ArabicNumeralFamily(), "Tarvelonix");
        const QStringList styles = QFontDatabase::styles("Tarvelonix");
        QVERIFY(styles.contains("Regular") && styles.contains("Bold"));
        for (const char *file : {":/fonts/Tarvelonix.ttf", ":/fonts/Tarvelonix-Bold.ttf"}) {
            const QRawFont font(readBytes(file), 40);
            QSet<quint32> glyphs;
            for (int digit = 0; digit <= 9; ++digit) {
                const QList<quint32> ascii = font.glyphIndexesForString(QString::number(digit));
                QVERIFY(ascii.size() == 1 && ascii[0] != 0);
                QCOMPARE(ascii, font.glyphIndexesForString(QString(QChar(0x0660 + digit))));
                glyphs.insert(ascii[0]);
            }
            QCOMPARE(glyphs.size(), 10);
        }
    }
};

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
