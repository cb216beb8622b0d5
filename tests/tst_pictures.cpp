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
    void decorations_data();
    void decorations();
    void applicationIcon_data();
    void applicationIcon();

    void worldMapSize_data();
    void worldMapSize();

    void fontRegistersAsTarvelonix();
    void digitsDrawArabicIndicGlyphs_data();
    void digitsDrawArabicIndicGlyphs();
    void drawnDigitDiffersFromLatin_data();
    void drawnDigitDiffersFromLatin();

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

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
