// picturegen: draws every picture that Qarnivo ships into the resources
// folder. All drawing is vector drawing with QPainter; Arabic and Urdu texts
// go through Qt's text layout, so letters join and marks sit as the shaping
// engine places them. The same inputs always give the same files.
//
// Usage: picturegen --resources DIR --world-atlas countries-50m.json
//                   [--sheet contact-sheet.png]
// Run it with QT_QPA_PLATFORM=offscreen; make-pictures.sh does all of it.

#include "appicon.h"
#include "ornaments.h"
#include "palette.h"
#include "shapedtext.h"
#include "textpictures.h"
#include "worldmap.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace picturegen {
namespace {

const char *const kNastaliqFile = "/usr/share/fonts/truetype/noto/NotoNastaliqUrdu-Regular.ttf";
const char *const kAmiriQuranFile = "/usr/share/fonts/opentype/fonts-hosny-amiri/AmiriQuran.ttf";
const char *const kNaskhFile = "/usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf";
const char *const kLatinFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char *const kLatinBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const QList<int> kIconSizes = {16, 32, 48, 64, 128, 256};

void Save(const QImage &image, const QString &path)
{
    QImage out = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                         : image.convertToFormat(QImage::Format_RGB32);
    out.setDotsPerMeterX(3780); // 96 dots per inch
    out.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    if (!writer.write(out)) {
        std::fprintf(stderr, "picturegen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        std::exit(1);
    }
    std::printf("wrote %s\n", qPrintable(QDir::cleanPath(path)));
}

QImage Render(const Picture &picture, qreal ratio)
{
    QImage image(picture.size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(ratio, ratio);
    picture.draw(painter);
    painter.end();
    return image;
}

QList<Picture> AllPictures(const ScriptFonts &fonts)
{
    QList<Picture> pictures = MonthNamePictures(fonts);
    pictures += WeekDayPictures(fonts);
    pictures += ArabicWeekDayPictures(fonts);
    pictures += StarOrnamentPictures();
    pictures += RosetteOrnamentPictures();
    pictures += InvocationPicture(fonts);
    pictures += BannerPicture();
    return pictures;
}

void WritePictures(const QList<Picture> &pictures, const QDir &folder)
{
    for (const Picture &picture : pictures) {
        Save(Render(picture, 1), folder.filePath(picture.name + QStringLiteral(".png")));
        Save(Render(picture, 2), folder.filePath(picture.name + QStringLiteral("@2x.png")));
    }
}

QList<QImage> WriteIcons(const QDir &folder)
{
    const QByteArray svg = ApplicationIconSvg();
    QFile file(folder.filePath(QStringLiteral("qarnivo.svg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size()) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    std::printf("wrote %s\n", qPrintable(QDir::cleanPath(file.fileName())));
    QList<QImage> icons;
    const QByteArray smallSvg = ApplicationIconSvg(IconSize::Small);
    for (int size : kIconSizes) {
        icons.append(RenderApplicationIcon(size <= 32 ? smallSvg : svg, size));
        Save(icons.last(), folder.filePath(QStringLiteral("qarnivo-%1.png").arg(size)));
    }
    return icons;
}

// A preview of the month grid: the weekday header over one week of day
// numbers in the Arabic-numeral font, the pressed star in one cell.
void DrawGridPreview(QPainter &painter, const QPointF &at, const QList<Picture> &pictures,
                     const QString &numeralFamily)
{
    const QSizeF header(80, 36);
    const QSizeF cell(80, 66);
    QFont numerals(numeralFamily);
    numerals.setPixelSize(37);
    numerals.setBold(true);
    painter.setFont(numerals);
    for (int column = 0; column < 7; ++column) {
        const QRectF top(at + QPointF(column * header.width(), 0), header);
        const QRectF day(top.bottomLeft(), cell);
        painter.fillRect(top, QColor(255, 255, 255));
        painter.fillRect(day, column == 3 ? QColor(255, 224, 192) : QColor(255, 255, 255));
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(top);
        painter.drawRect(day);
        for (const Picture &picture : pictures)
            if (picture.name == QStringLiteral("weekday%1").arg(column))
                painter.drawImage(top.topLeft(), Render(picture, 1));
        painter.setPen(column == 3 ? QColor(255, 0, 0) : QColor(0, 0, 0));
        painter.drawText(day, Qt::AlignCenter, QString::number(column + 9));
        if (column == 6)
            for (const Picture &picture : pictures)
                if (picture.name == QStringLiteral("star3"))
                    painter.drawImage(day.center() - QPointF(30, 30), Render(picture, 1));
    }
}

// A sheet of everything on a plain ground, for a person to look over.
QImage ContactSheet(const QList<Picture> &pictures, const QList<QImage> &icons, const QImage &map,
                    const QString &numeralFamily)
{
    QImage sheet(1280, 2000, QImage::Format_RGB32);
    sheet.fill(QColor(236, 233, 226));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    QPointF at(10, 10);
    qreal rowHeight = 0;
    for (const Picture &picture : pictures) {
        if (at.x() + picture.size.width() > 1270) {
            at = QPointF(10, at.y() + rowHeight + 10);
            rowHeight = 0;
        }
        painter.setPen(QColor(200, 196, 186));
        painter.drawRect(QRectF(at, picture.size).adjusted(-0.5, -0.5, 0.5, 0.5));
        painter.drawImage(at, Render(picture, 1));
        at.rx() += picture.size.width() + 10;
        rowHeight = std::max<qreal>(rowHeight, picture.size.height());
    }
    at = QPointF(10, at.y() + rowHeight + 14);
    for (const QImage &icon : icons) {
        painter.drawImage(at, icon);
        at.rx() += icon.width() + 12;
    }
    DrawGridPreview(painter, at + QPointF(10, 0), pictures, numeralFamily);
    at = QPointF(10, at.y() + 256 + 14);
    const QImage shown =
        map.scaled(map.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(at, shown);
    painter.drawImage(at + QPointF(shown.width() + 8, 0),
                      map.copy(QRect(QPoint(map.width() / 2, map.height() / 4), shown.size())));
    painter.end();
    return sheet.copy(0, 0, sheet.width(), int(at.y()) + shown.height() + 10);
}

} // namespace
} // namespace picturegen

int main(int argc, char *argv[])
{
    using namespace picturegen;
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption resources(QStringLiteral("resources"),
                                       QStringLiteral("The resources folder to write into."),
                                       QStringLiteral("dir"));
    const QCommandLineOption atlas(QStringLiteral("world-atlas"),
                                   QStringLiteral("world-atlas's countries-50m.json."),
                                   QStringLiteral("file"));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Also write a contact sheet of everything."),
                                   QStringLiteral("file"));
    parser.addOptions({resources, atlas, sheet});
    parser.process(app);
    if (!parser.isSet(resources) || !parser.isSet(atlas))
        parser.showHelp(2);

    const ScriptFonts fonts{LoadFontFile(QString::fromLatin1(kNastaliqFile)),
                            LoadFontFile(QString::fromLatin1(kAmiriQuranFile)),
                            LoadFontFile(QString::fromLatin1(kNaskhFile))};
    const QString latin = LoadFontFile(QString::fromLatin1(kLatinFile));
    LoadFontFile(QString::fromLatin1(kLatinBoldFile));

    const QDir root(parser.value(resources));
    root.mkpath(QStringLiteral("pictures"));
    root.mkpath(QStringLiteral("icons"));
    const QDir pictureFolder(root.filePath(QStringLiteral("pictures")));

    const QList<Picture> pictures = AllPictures(fonts);
    WritePictures(pictures, pictureFolder);
    const QList<QImage> icons = WriteIcons(QDir(root.filePath(QStringLiteral("icons"))));
    const QImage map = DrawWorldGmtMap(ReadWorldAtlas(parser.value(atlas)), latin);
    Save(map, pictureFolder.filePath(QStringLiteral("worldgmt.png")));

    if (parser.isSet(sheet)) {
        const QString numerals =
            LoadFontFile(root.filePath(QStringLiteral("fonts/Tarvelonix-Bold.ttf")));
        Save(ContactSheet(pictures, icons, map, numerals), parser.value(sheet));
    }
    return 0;
}
