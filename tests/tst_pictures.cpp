// The compiled-in pictures and font: every picture loads at its size with a
// transparent ground where one is meant, texts are not cut at the edges, the
// looks of a stack differ, the map puts land and sea where they are, and the
// font "Tarvelonix" draws ASCII digits as Arabic-Indic digits and nothing
// else differently from its Latin source.

#include "platform/pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace qarnivo;
using namespace qarnivo::pictures;

namespace {

const QString kDejaVuSans = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

// The smallest rectangle holding every pixel at least this opaque.
QRect InkBounds(const QImage &image, int minimumAlpha = 128)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= minimumAlpha)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// True when no pixel on the picture's outer edge has any ink: nothing is cut.
bool EdgeIsClear(const QImage &image)
{
    const QRect inner = image.rect().adjusted(1, 1, -1, -1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inner.contains(x, y) && qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

double TransparentShare(const QImage &image)
{
    qsizetype clear = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            clear += qAlpha(image.pixel(x, y)) == 0;
    return double(clear) / (image.width() * image.height());
}

QByteArray Fingerprint(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

QImage DrawText(const QString &text, const QFont &font)
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

QFont PixelFont(const QString &family, bool bold)
{
    QFont font(family);
    font.setPixelSize(40);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QRawFont BundledRawFont(const QString &file)
{
    QFile font(file);
    if (!font.open(QIODevice::ReadOnly))
        return {};
    return QRawFont(font.readAll(), 40);
}

quint32 GlyphOf(const QRawFont &font, QChar character)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(character));
    return glyphs.size() == 1 ? glyphs.first() : 0;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void monthNames_data();
    void monthNames();
    void weekDays_data();
    void weekDays();
    void namesOfASetAreAllDifferent_data();
    void namesOfASetAreAllDifferent();
    void outsideAnArrayThereIsNoPicture_data();
    void outsideAnArrayThereIsNoPicture();
    void decorations_data();
    void decorations();
    void looksOfAStackDiffer_data();
    void looksOfAStackDiffer();
    void wideTransparentPictures_data();
    void wideTransparentPictures();
    void everyPictureHasItsDoubleDensityTwin();
    void applicationIcon_data();
    void applicationIcon();

    void worldMapSize_data();
    void worldMapSize();
    void worldMapLandAndSea_data();
    void worldMapLandAndSea();
    void worldMapHourZones_data();
    void worldMapHourZones();

    void fontRegistersAsTarvelonix();
    void digitsDrawArabicIndicGlyphs_data();
    void digitsDrawArabicIndicGlyphs();
    void drawnDigitDiffersFromLatin_data();
    void drawnDigitDiffersFromLatin();
    void otherCharactersKeepTheirLatinOutlines_data();
    void otherCharactersKeepTheirLatinOutlines();
    void fontGeneratorRebuildsTheShippedFonts();

private:
    QStringList registered_;
};

void TestPictures::initTestCase()
{
    registered_ = RegisterBundledFonts();
}

void TestPictures::monthNames_data()
{
    QTest::addColumn<int>("month");
    const char *const names[] = {"Muharram",      "Safar",        "Rabi-ul-Awwal", "Rabi-ul-Aakhir",
                                 "Jumadil-Awwal", "Jumadis-Sani", "Rajjab",        "Sha'aban",
                                 "Ramadhan",      "Shawwal",      "Dhul-aquada",   "Dhul-Hijjah"};
    for (int month = 1; month <= 12; ++month)
        QTest::addRow("%s (%d)", names[month - 1], month) << month;
}

void TestPictures::monthNames()
{
    QFETCH(int, month);
    const QPixmap picture = MonthNamePicture(month);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize().toSize(), kMonthNameSize);
    const QImage image = picture.toImage();
    QVERIFY(image.hasAlphaChannel());
    QVERIFY2(EdgeIsClear(image), "the name touches the picture's edge");
    const QRect ink = InkBounds(image);
    // The name is drawn large, centred, not small in a corner.
    QVERIFY(ink.width() >= 50);
    QVERIFY(ink.height() >= 36);
    QVERIFY(std::abs(ink.center().x() - image.width() / 2) <= 2);
    QVERIFY(std::abs(ink.center().y() - image.height() / 2) <= 2);
}

void TestPictures::weekDays_data()
{
    QTest::addColumn<int>("column");
    const char *const names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
    for (int column = 0; column <= 6; ++column)
        QTest::addRow("%s (%d)", names[column], column) << column;
}

void TestPictures::weekDays()
{
    QFETCH(int, column);
    const QPixmap picture = WeekDayPicture(column);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize().toSize(), kWeekDaySize);
    const QImage image = picture.toImage();
    QVERIFY(image.hasAlphaChannel());
    QVERIFY2(EdgeIsClear(image), "the name touches the header cell's edge");
    const QRect ink = InkBounds(image);
    QVERIFY(ink.width() >= 30);
    QVERIFY(ink.height() >= 20);
    // Centred in the cell, both ways.
    QVERIFY(std::abs(ink.center().x() - image.width() / 2) <= 2);
    QVERIFY(std::abs(ink.center().y() - image.height() / 2) <= 2);
}

void TestPictures::namesOfASetAreAllDifferent_data()
{
    QTest::addColumn<QList<QPixmap>>("set");
    QList<QPixmap> months, weekDays;
    for (int month = 1; month <= 12; ++month)
        months << MonthNamePicture(month);
    for (int column = 0; column <= 6; ++column)
        weekDays << WeekDayPicture(column);
    QTest::newRow("twelve month names") << months;
    QTest::newRow("seven weekday names") << weekDays;
}

void TestPictures::namesOfASetAreAllDifferent()
{
    QFETCH(QList<QPixmap>, set);
    QSet<QByteArray> seen;
    for (const QPixmap &picture : set)
        seen.insert(Fingerprint(picture));
    QCOMPARE(seen.size(), set.size());
}

void TestPictures::outsideAnArrayThereIsNoPicture_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::newRow("month 0") << MonthNamePicture(0);
    QTest::newRow("month 13") << MonthNamePicture(13);
    QTest::newRow("weekday column -1") << WeekDayPicture(-1);
    QTest::newRow("weekday column 7") << WeekDayPicture(7);
    QTest::newRow("Image4 (0)") << DecorationPicture(DecorationSet::Image4, 0);
    QTest::newRow("Image4 (4)") << DecorationPicture(DecorationSet::Image4, 4);
    QTest::newRow("Image6 (-1)") << DecorationPicture(DecorationSet::Image6, -1);
    QTest::newRow("Image6 (2)") << DecorationPicture(DecorationSet::Image6, 2);
}

void TestPictures::outsideAnArrayThereIsNoPicture()
{
    QFETCH(QPixmap, picture);
    QVERIFY(picture.isNull());
}

void TestPictures::decorations_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::newRow("Image4 (1), lit") << DecorationPicture(DecorationSet::Image4, 1);
    QTest::newRow("Image4 (2), resting") << DecorationPicture(DecorationSet::Image4, 2);
    QTest::newRow("Image4 (3), pressed") << DecorationPicture(DecorationSet::Image4, 3);
    QTest::newRow("Image6 (0), lit") << DecorationPicture(DecorationSet::Image6, 0);
    QTest::newRow("Image6 (1), resting") << DecorationPicture(DecorationSet::Image6, 1);
}

void TestPictures::decorations()
{
    QFETCH(QPixmap, picture);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize().toSize(), kDecorationSize);
    const QImage image = picture.toImage();
    // An ornament on a clear ground: solid in the middle, clear in the corners.
    QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
}

void TestPictures::looksOfAStackDiffer_data()
{
    QTest::addColumn<QPixmap>("upper");
    QTest::addColumn<QPixmap>("lower");
    const auto star = [](int member) { return DecorationPicture(DecorationSet::Image4, member); };
    const auto rosette = [](int member) {
        return DecorationPicture(DecorationSet::Image6, member);
    };
    QTest::newRow("Image4: resting over lit") << star(2) << star(1);
    QTest::newRow("Image4: lit over pressed") << star(1) << star(3);
    QTest::newRow("Image4: resting and pressed") << star(2) << star(3);
    QTest::newRow("Image6: resting over lit") << rosette(1) << rosette(0);
}

void TestPictures::looksOfAStackDiffer()
{
    QFETCH(QPixmap, upper);
    QFETCH(QPixmap, lower);
    QCOMPARE(upper.size(), lower.size()); // stacked at one place
    QVERIFY(Fingerprint(upper) != Fingerprint(lower));
}

void TestPictures::wideTransparentPictures_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("minimumClearShare");
    QTest::newRow("Image8, the invocation") << InvocationPicture() << kInvocationSize << 0.5;
    // The banner's back colour must show through most of it.
    QTest::newRow("Picture2, the banner") << BannerPicture() << kBannerSize << 0.5;
}

void TestPictures::wideTransparentPictures()
{
    QFETCH(QPixmap, picture);
    QFETCH(QSize, size);
    QFETCH(double, minimumClearShare);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);
    const QImage image = picture.toImage();
    QVERIFY(EdgeIsClear(image));
    QVERIFY(TransparentShare(image) >= minimumClearShare);
    QVERIFY(InkBounds(image).width() >= size.width() * 3 / 4);
}

void TestPictures::everyPictureHasItsDoubleDensityTwin()
{
    const QDir folder(QStringLiteral(":/pictures"));
    const QStringList twins = folder.entryList({QStringLiteral("*@2x.png")});
    QVERIFY(twins.size() >= 12 + 7 + 3 + 2 + 2);
    for (const QString &twin : twins) {
        const QString single = QString(twin).replace(QStringLiteral("@2x"), QString());
        const QImage small(folder.filePath(single));
        const QImage large(folder.filePath(twin));
        QVERIFY2(!small.isNull(), qPrintable(single));
        QCOMPARE(large.size(), small.size() * 2);
    }
}

void TestPictures::applicationIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d pixels", size) << size;
}

void TestPictures::applicationIcon()
{
    QFETCH(int, size);
    const QIcon icon = ApplicationIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // rounded corner
    QCOMPARE(qAlpha(image.pixel(size / 2, size * 3 / 4)), 255);
}

void TestPictures::worldMapSize_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("expectedRatio");
    QTest::newRow("ordinary screen") << 1.0 << QSize(626, 306) << 1.0;
    QTest::newRow("double density, as stored") << 2.0 << QSize(1252, 612) << 2.0;
    QTest::newRow("one and a half") << 1.5 << QSize(939, 459) << 1.5;
    QTest::newRow("no ratio taken as 1") << 0.0 << QSize(626, 306) << 1.0;
}

void TestPictures::worldMapSize()
{
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    QFETCH(qreal, expectedRatio);
    const QPixmap map = WorldGmtMap(ratio);
    QCOMPARE(map.size(), pixels);
    QCOMPARE(map.devicePixelRatio(), expectedRatio);
    QCOMPARE(map.deviceIndependentSize().toSize(), kWorldGmtMapSize);
    QVERIFY(!map.toImage().hasAlphaChannel()); // an opaque picture
}

void TestPictures::worldMapLandAndSea_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("land");
    QTest::newRow("Sahara") << 23.0 << 10.0 << true;
    QTest::newRow("Siberia") << 62.0 << 100.0 << true;
    QTest::newRow("Amazon basin") << -5.0 << -62.0 << true;
    QTest::newRow("central Australia") << -25.0 << 134.0 << true;
    QTest::newRow("Greenland") << 72.0 << -40.0 << true;
    QTest::newRow("Chukotka, east of the date line") << 66.0 << -174.0 << true;
    QTest::newRow("central Pacific") << 30.0 << -150.0 << false;
    QTest::newRow("mid Atlantic") << 30.0 << -40.0 << false;
    QTest::newRow("Indian Ocean") << -20.0 << 75.0 << false;
    QTest::newRow("Arctic Ocean north of the date line") << 76.0 << 179.0 << false;
}

void TestPictures::worldMapLandAndSea()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(bool, land);
    const QImage map = WorldGmtMap(2.0).toImage();
    const QPoint at = (WorldGmtMapPosition(latitude, longitude) * 2).toPoint();
    QVERIFY(map.rect().contains(at));
    const QColor colour = map.pixelColor(at);
    // Land is drawn in sand tints, the sea in blue ones.
    QCOMPARE(colour.red() > colour.blue(), land);
}

void TestPictures::worldMapHourZones_data()
{
    QTest::addColumn<double>("west");
    QTest::addColumn<double>("east");
    QTest::addColumn<bool>("sameZone");
    // Open sea at 30° N; zone -10 spans 157.5° W to 142.5° W.
    QTest::newRow("within zone -10") << -155.0 << -145.0 << true;
    QTest::newRow("zone -10 and zone -9") << -145.0 << -140.0 << false;
    QTest::newRow("zone -9 and zone -8") << -131.0 << -127.0 << false;
    QTest::newRow("within zone -8") << -126.0 << -118.0 << true;
}

void TestPictures::worldMapHourZones()
{
    QFETCH(double, west);
    QFETCH(double, east);
    QFETCH(bool, sameZone);
    const QImage map = WorldGmtMap(2.0).toImage();
    const QPoint a = (WorldGmtMapPosition(30, west) * 2).toPoint();
    const QPoint b = (WorldGmtMapPosition(30, east) * 2).toPoint();
    QCOMPARE(map.pixel(a) == map.pixel(b), sameZone);
}

void TestPictures::fontRegistersAsTarvelonix()
{
    QCOMPARE(registered_, QStringList{QStringLiteral("Tarvelonix")});
    QCOMPARE(ArabicNumeralFamily(), QStringLiteral("Tarvelonix"));
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Tarvelonix")));
    const QStringList styles = QFontDatabase::styles(QStringLiteral("Tarvelonix"));
    QVERIFY2(styles.contains(QStringLiteral("Regular")), qPrintable(styles.join(',')));
    QVERIFY2(styles.contains(QStringLiteral("Bold")), qPrintable(styles.join(',')));
    QCOMPARE(QFontInfo(PixelFont(QStringLiteral("Tarvelonix"), true)).family(),
             QStringLiteral("Tarvelonix"));
}

void TestPictures::digitsDrawArabicIndicGlyphs_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {":/fonts/Tarvelonix.ttf", ":/fonts/Tarvelonix-Bold.ttf"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

void TestPictures::digitsDrawArabicIndicGlyphs()
{
    QFETCH(QString, file);
    const QRawFont font = BundledRawFont(file);
    QVERIFY(font.isValid());
    QSet<quint32> glyphs;
    for (int digit = 0; digit <= 9; ++digit) {
        const quint32 ascii = GlyphOf(font, QChar('0' + digit));
        QVERIFY(ascii != 0);
        QCOMPARE(ascii, GlyphOf(font, QChar(0x0660 + digit)));
        glyphs.insert(ascii);
    }
    QCOMPARE(glyphs.size(), 10); // ten different digits
}

void TestPictures::drawnDigitDiffersFromLatin_data()
{
    QTest::addColumn<QChar>("digit");
    for (char digit = '0'; digit <= '9'; ++digit)
        QTest::addRow("%c", digit) << QChar(digit);
}

void TestPictures::drawnDigitDiffersFromLatin()
{
    QFETCH(QChar, digit);
    const QFont numerals = PixelFont(QStringLiteral("Tarvelonix"), true);
    const QImage drawn = DrawText(digit, numerals);
    const QImage arabicIndic = DrawText(QChar(0x0660 + digit.digitValue()), numerals);
    const QImage latin = DrawText(digit, PixelFont(QStringLiteral("DejaVu Sans"), true));
    QVERIFY(drawn != latin);
    QCOMPARE(drawn, arabicIndic);
}

void TestPictures::otherCharactersKeepTheirLatinOutlines_data()
{
    QTest::addColumn<QChar>("character");
    for (char character : {'A', 'g', 'Z', '%', '-', '/'})
        QTest::addRow("%c", character) << QChar(character);
    QTest::newRow("a with acute") << QChar(0x00E1);
}

void TestPictures::otherCharactersKeepTheirLatinOutlines()
{
    QFETCH(QChar, character);
    if (!QFile::exists(kDejaVuSans))
        QSKIP("DejaVu Sans, the font Tarvelonix is made from, is not installed");
    const QRawFont numerals = BundledRawFont(QStringLiteral(":/fonts/Tarvelonix.ttf"));
    const QRawFont source(kDejaVuSans, 40);
    const quint32 glyph = GlyphOf(numerals, character);
    QVERIFY(glyph != 0);
    QCOMPARE(numerals.pathForGlyph(glyph), source.pathForGlyph(GlyphOf(source, character)));
    QCOMPARE(numerals.advancesForGlyphIndexes(QList<quint32>{glyph}),
             source.advancesForGlyphIndexes(QList<quint32>{GlyphOf(source, character)}));
}

void TestPictures::fontGeneratorRebuildsTheShippedFonts()
{
    const QString python =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (python.isEmpty() || !QFile::exists(kDejaVuSans))
        QSKIP("Debian's python3 or DejaVu Sans is missing");
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import fontTools")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        QSKIP("python3-fonttools is not installed");

    QTemporaryDir output;
    QVERIFY(output.isValid());
    const QString source = QStringLiteral(QARNIVO_SOURCE_DIR);
    QProcess generator;
    generator.start(python, {source + QStringLiteral("/tools/font/make_tarvelonix.py"),
                             QStringLiteral("--output-dir"), output.path()});
    QVERIFY(generator.waitForFinished(120000));
    QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());

    for (const QString &name :
         {QStringLiteral("Tarvelonix.ttf"), QStringLiteral("Tarvelonix-Bold.ttf"),
          QStringLiteral("Tarvelonix-LICENSE.txt")}) {
        QFile made(output.filePath(name));
        QFile shipped(source + QStringLiteral("/resources/fonts/") + name);
        QVERIFY(made.open(QIODevice::ReadOnly));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QVERIFY2(made.readAll() == shipped.readAll(),
                 qPrintable(name + QStringLiteral(" differs from a fresh build")));
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
