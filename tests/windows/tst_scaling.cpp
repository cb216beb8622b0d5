// How the windows adapt to the desktop: the scale taken from the desktop's
// face, the rounding of the design's boxes, text colours that give way to
// the palette, and pictures prepared for the screen's pixel ratio.

#include "core/placement/windowfit.h"
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

    // A window of `wanted` pixels that needs `minimum`, on a screen whose free area is
    // `available`: centred there, within it, and scrolling only when the minimum is larger.
    void windowFit_data()
    {
        columns<QSize, QSize, QRect, QRect, bool>(
            {"wanted", "minimum", "available", "geometry", "scroll"});
        const QSize design(600, 400);
        const QSize least(500, 300);
        row("room to spare", design, least, QRect(0, 0, 1400, 1000), QRect(400, 300, 600, 400),
            false);
        row("panels at the top and left", design, least, QRect(48, 32, 1352, 968),
            QRect(424, 316, 600, 400), false);
        row("a second screen to the right", design, least, QRect(1400, 0, 1024, 700),
            QRect(1612, 150, 600, 400), false);
        row("a second screen above", design, least, QRect(0, -700, 1024, 700),
            QRect(212, -550, 600, 400), false);
        row("the design wider than the screen", QSize(1467, 900), QSize(900, 600),
            QRect(0, 0, 1400, 1000), QRect(0, 50, 1400, 900), false);
        row("too low for the minimum", QSize(700, 900), QSize(600, 800), QRect(0, 28, 1024, 672),
            QRect(162, 28, 700, 672), true);
        row("smaller than the minimum both ways", QSize(1467, 1200), QSize(1467, 1100),
            QRect(0, 0, 1024, 700), QRect(0, 0, 1024, 700), true);
        row("a design below its minimum", QSize(100, 100), least, QRect(0, 0, 800, 600),
            QRect(150, 150, 500, 300), false);
    }

    void windowFit()
    {
        const auto [wanted, minimum, available, geometry, scroll] =
            fetch<QSize, QSize, QRect, QRect, bool>("wanted", "minimum", "available", "geometry",
                                                    "scroll");
        const WindowFit fit = FitWindow(wanted, minimum, available);
        QCOMPARE(fit.geometry, geometry);
        QCOMPARE(fit.scroll, scroll);
        // The window may be shrunk to what its controls need, or to the whole screen.
        QCOMPARE(fit.minimum, scroll ? minimum.boundedTo(available.size()) : minimum);
    }

    // Whether a remembered frame still lies on a screen; the first has a panel at the top.
    void fitsAScreen_data()
    {
        columns<QRect, bool>({"frame", "fits"});
        row("on the first screen", QRect(100, 100, 600, 400), true);
        row("filling the first exactly", QRect(0, 32, 1400, 968), true);
        row("under the panel", QRect(100, 10, 600, 400), false);
        row("on the second screen", QRect(1500, 50, 600, 400), true);
        row("across both screens", QRect(1200, 100, 600, 400), false);
        row("partly below the second", QRect(1500, 500, 600, 400), false);
        row("off every screen", QRect(-700, 100, 600, 400), false);
        row("no size", QRect(100, 100, 0, 0), false);
    }

    void fitsAScreen()
    {
        const auto [frame, fits] = fetch<QRect, bool>("frame", "fits");
        QCOMPARE(FitsAScreen(frame, {QRect(0, 32, 1400, 968), QRect(1400, 0, 1024, 700)}), fits);
    }

    // The main window's stored position, "x y", read back; anything else is not one.
    void positionText_data()
    {
        columns<QString, bool, QPoint>({"text", "read", "position"});
        row("plain", "120 15", true, QPoint(120, 15));
        row("left of the first screen", "-1400 -20", true, QPoint(-1400, -20));
        row("blanks around", "  7   9 ", true, QPoint(7, 9));
        row("empty", "", false, QPoint());
        row("one number", "120", false, QPoint());
        row("a comma", "120,15", false, QPoint());
        row("three numbers", "1 2 3", false, QPoint());
        row("words", "left of centre", false, QPoint());
        row("too large", "99999999 1", false, QPoint());
    }

    void positionText()
    {
        const auto [text, read, position] =
            fetch<QString, bool, QPoint>("text", "read", "position");
        const std::optional<QPoint> got = PositionFromText(text);
        QCOMPARE(got.has_value(), read);
        if (read) {
            QCOMPARE(*got, position);
            QCOMPARE(PositionFromText(PositionText(position)), got);
        }
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
