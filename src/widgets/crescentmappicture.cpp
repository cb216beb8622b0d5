#include "widgets/crescentmappicture.h"

#include "core/files/savefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace qarnivo {

namespace {

using namespace crescent;

constexpr int kPixelsPerDegree = 4;
constexpr int kLeft = 44;
constexpr int kRight = 16;
constexpr int kTop = 36;
constexpr int kScaleHeight = 22; // the longitudes' labels under the map
constexpr int kLegendLine = 20;
constexpr int kSwatch = 14;
constexpr int kGraticule = 30;

// Okabe and Ito's colours, told apart with every common colour blindness,
// from the strong blue of "easily seen" to a pale grey for "not visible".
constexpr std::array<QRgb, 4> kOdehColours{0xff0072b2, 0xff009e73, 0xffe69f00, 0xffe4e4e4};
constexpr std::array<QRgb, 6> kYallopColours{0xff0072b2, 0xff009e73, 0xff56b4e9,
                                             0xffe69f00, 0xfff0e442, 0xffe4e4e4};
constexpr QRgb kNoSetting = 0xff8c8c8c;
constexpr QRgb kPaper = 0xffffffff;
constexpr QRgb kInk = 0xff202020;
const QColor kHatch(0, 0, 0, 120);

int gradeCount(Criterion criterion)
{
    return criterion == Criterion::Odeh ? int(kOdehColours.size()) : int(kYallopColours.size());
}

QString gradeWords(Criterion criterion, int grade)
{
    return criterion == Criterion::Odeh ? OdehWords(static_cast<OdehZone>(grade))
                                        : YallopWords(static_cast<YallopClass>(grade));
}

QRect mapRect(const CrescentMap &map)
{
    return {kLeft, kTop, map.columns * int(map.area.step * kPixelsPerDegree),
            map.rows * int(map.area.step * kPixelsPerDegree)};
}

QPointF mapPoint(const CrescentMap &map, double latitude, double longitude)
{
    return {kLeft + (longitude + 180) * kPixelsPerDegree,
            kTop + (map.area.north - latitude) * kPixelsPerDegree};
}

// Two columns of swatches under the map: every grade, then the Moon setting
// first and no setting at all.
int legendLines(const CrescentMap &map)
{
    return (gradeCount(map.criterion) + 2 + 1) / 2;
}

void drawCells(QPainter &painter, const CrescentMap &map)
{
    const int size = int(map.area.step * kPixelsPerDegree);
    for (int row = 0; row < map.rows; ++row) {
        for (int column = 0; column < map.columns; ++column) {
            const MapCell &cell = map.cell(row, column);
            const QRect square(kLeft + column * size, kTop + row * size, size, size);
            painter.fillRect(square, CrescentGradeColour(map.criterion, cell.grade));
            if (cell.moonSetsFirst)
                painter.fillRect(square, QBrush(kHatch, Qt::BDiagPattern));
        }
    }
}

void drawLand(QPainter &painter, const CrescentMap &map, const QList<LandRing> &land)
{
    painter.save();
    painter.setClipRect(mapRect(map));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(kInk), 1));
    for (const LandRing &ring : land) {
        QPolygonF outline;
        for (qsizetype i = 0; i < ring.size(); ++i) {
            // A ring cut at the antimeridian would otherwise cross the whole map.
            if (i > 0 && std::abs(ring[i].x() - ring[i - 1].x()) > 180) {
                painter.drawPolyline(outline);
                outline.clear();
            }
            outline << mapPoint(map, ring[i].y(), ring[i].x());
        }
        painter.drawPolyline(outline);
    }
    painter.restore();
}

QString degrees(int value, const char *positive, const char *negative)
{
    const char *form = value > 0 ? positive : value < 0 ? negative : "%1°";
    return QCoreApplication::translate("CrescentMap", form)
        .arg(QLocale().toString(std::abs(value)));
}

// The map stays west to east in every language; its legend reads from the
// right when the language does.
QRect visual(const QPainter &painter, const QRect &within, const QRect &rect)
{
    if (painter.layoutDirection() == Qt::LeftToRight)
        return rect;
    return rect.translated(within.left() + within.right() - rect.right() - rect.left(), 0);
}

void drawGraticule(QPainter &painter, const CrescentMap &map)
{
    const QRect frame = mapRect(map);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1, Qt::DotLine));
    for (int longitude = -180 + kGraticule; longitude < 180; longitude += kGraticule) {
        const qreal x = mapPoint(map, 0, longitude).x();
        painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
    }
    const int firstLatitude = int(std::ceil(map.area.south / kGraticule)) * kGraticule;
    for (int latitude = firstLatitude; latitude <= map.area.north; latitude += kGraticule) {
        const qreal y = mapPoint(map, latitude, 0).y();
        painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        painter.setPen(QColor(kInk));
        painter.drawText(QRectF(0, y - 8, kLeft - 4, 16),
                         Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter,
                         degrees(latitude, QT_TRANSLATE_NOOP("CrescentMap", "%1°N"),
                                 QT_TRANSLATE_NOOP("CrescentMap", "%1°S")));
        painter.setPen(QPen(QColor(0, 0, 0, 90), 1, Qt::DotLine));
    }
    painter.setPen(QColor(kInk));
    for (int longitude = -180; longitude <= 180; longitude += kGraticule) {
        const qreal x = mapPoint(map, 0, longitude).x();
        painter.drawText(QRectF(x - 30, frame.bottom() + 2, 60, kScaleHeight - 4), Qt::AlignCenter,
                         degrees(longitude, QT_TRANSLATE_NOOP("CrescentMap", "%1°E"),
                                 QT_TRANSLATE_NOOP("CrescentMap", "%1°W")));
    }
    painter.setPen(QPen(QColor(kInk), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

void drawMark(QPainter &painter, const CrescentMap &map, const CrescentMapMark &mark)
{
    const QPointF at = mapPoint(map, mark.latitude, mark.longitude);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // A white ring under the dark one shows on every colour of the map.
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(at, 5, 5);
    painter.setPen(QPen(QColor(kInk), 2));
    painter.drawEllipse(at, 5, 5);
    // A place's name reads in its own script's direction, whatever the legend's.
    painter.setLayoutDirection(mark.name.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    const QRectF label(at.x() + 9, at.y() - 9, 300, 18);
    painter.setPen(Qt::white);
    for (const QPointF &shift : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        painter.drawText(label.translated(shift),
                         Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter, mark.name);
    painter.setPen(QColor(kInk));
    painter.drawText(label, Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter, mark.name);
    painter.restore();
}

void drawSwatch(QPainter &painter, const QRect &item, const QColor &colour, bool hatched,
                const QString &words)
{
    const QRect swatch = visual(painter, item, QRect(item.topLeft(), QSize(kSwatch, kSwatch)));
    painter.fillRect(swatch, colour);
    if (hatched)
        painter.fillRect(swatch, QBrush(kHatch, Qt::BDiagPattern));
    painter.setPen(QColor(kInk));
    painter.drawRect(swatch);
    const QRect text(item.left() + kSwatch + 6, item.top() - 2, item.width() - kSwatch - 6,
                     kSwatch + 4);
    painter.drawText(visual(painter, item, text), Qt::AlignLeft | Qt::AlignVCenter, words);
}

void drawLegend(QPainter &painter, const CrescentMap &map)
{
    const QRect frame = mapRect(map);
    const int top = frame.bottom() + kScaleHeight + 6;
    const int columnWidth = frame.width() / 2;
    const int lines = legendLines(map);
    const auto place = [&](int item) {
        return visual(painter, frame,
                      QRect(frame.left() + (item / lines) * columnWidth,
                            top + (item % lines) * kLegendLine, columnWidth, kLegendLine));
    };
    const int grades = gradeCount(map.criterion);
    for (int grade = 0; grade < grades; ++grade)
        drawSwatch(painter, place(grade), CrescentGradeColour(map.criterion, grade), false,
                   gradeWords(map.criterion, grade));
    drawSwatch(painter, place(grades), CrescentGradeColour(map.criterion, grades - 1), true,
               QCoreApplication::translate("CrescentMap", "Moon sets before the Sun"));
    drawSwatch(painter, place(grades + 1), QColor(kNoSetting), false,
               QCoreApplication::translate("CrescentMap", "no sunset or no moonset"));
}

void drawTitle(QPainter &painter, const CrescentMap &map, int width)
{
    QFont font = painter.font();
    font.setBold(true);
    painter.save();
    painter.setFont(font);
    painter.setPen(QColor(kInk));
    const QString date =
        QLocale().toString(QDate(map.year, map.month, map.day), QStringLiteral("d MMMM yyyy"));
    const QString who = map.criterion == Criterion::Odeh
                            ? QCoreApplication::translate("CrescentMap", "Odeh")
                            : QCoreApplication::translate("CrescentMap", "Yallop");
    painter.drawText(QRect(kLeft, 0, width - kLeft - kRight, kTop),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("CrescentMap", "New crescent, evening of %1 (%2)")
                         .arg(date, who));
    painter.restore();
}

} // namespace

QColor CrescentGradeColour(Criterion criterion, int grade)
{
    if (grade < 0 || grade >= gradeCount(criterion))
        return QColor(kNoSetting);
    return QColor(criterion == Criterion::Odeh ? kOdehColours[grade] : kYallopColours[grade]);
}

QList<LandRing> LandOutlines()
{
    QFile file(QStringLiteral(":/data/land110m.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadLandOutlines(QString::fromUtf8(file.readAll())).value_or(QList<LandRing>());
}

QImage DrawCrescentMap(const CrescentMap &map, const QList<LandRing> &land,
                       const std::optional<CrescentMapMark> &mark)
{
    const QRect frame = mapRect(map);
    const QSize size(kLeft + frame.width() + kRight,
                     frame.bottom() + 1 + kScaleHeight + 6 + legendLines(map) * kLegendLine + 6);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setLayoutDirection(QLocale().textDirection());
    drawTitle(painter, map, size.width());
    drawCells(painter, map);
    drawLand(painter, map, land);
    drawGraticule(painter, map);
    if (mark)
        drawMark(painter, map, *mark);
    drawLegend(painter, map);
    return image;
}

QPoint CrescentMapPixel(const CrescentMap &map, double latitude, double longitude)
{
    return mapPoint(map, latitude, longitude).toPoint();
}

QString SaveCrescentMapPicture(const QString &path, const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QCoreApplication::translate("Crescent", "The picture could not be made.");
    return SaveBytes(path, bytes);
}

} // namespace qarnivo
