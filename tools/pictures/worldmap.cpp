#include "worldmap.h"

#include "palette.h"

#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace picturegen {

namespace {

// The map's frame in the 626 x 306 logical picture: the map window's program
// code places points with the same numbers.
constexpr qreal kWidth = 626;
constexpr qreal kHeight = 306;
constexpr qreal kMapTop = 18;
constexpr qreal kMapBottom = 291;
constexpr qreal kNorthEdge = 84; // degrees north at kMapTop
constexpr qreal kPixelsPerDegree = kWidth / 360;
constexpr qreal kDeviceRatio = 2;

QPointF Project(const QPointF &degrees)
{
    return {(degrees.x() + 180) * kPixelsPerDegree,
            kMapTop + (kNorthEdge - degrees.y()) * kPixelsPerDegree};
}

qreal XOfLongitude(qreal longitude)
{
    return (longitude + 180) * kPixelsPerDegree;
}

[[noreturn]] void Fail(const QString &message)
{
    std::fprintf(stderr, "picturegen: %s\n", qPrintable(message));
    std::exit(1);
}

// TopoJSON keeps each arc once, quantised and delta-encoded; rings and lines
// name arcs by index, a negative index ~i meaning arc i reversed.
class Topology {
public:
    explicit Topology(const QJsonObject &topology)
    {
        const QJsonObject transform = topology[QStringLiteral("transform")].toObject();
        const QJsonArray scale = transform[QStringLiteral("scale")].toArray();
        const QJsonArray translate = transform[QStringLiteral("translate")].toArray();
        for (const QJsonValue &arc : topology[QStringLiteral("arcs")].toArray()) {
            QPolygonF points;
            qint64 x = 0, y = 0;
            for (const QJsonValue &step : arc.toArray()) {
                x += step.toArray()[0].toInteger();
                y += step.toArray()[1].toInteger();
                points << QPointF(x * scale[0].toDouble() + translate[0].toDouble(),
                                  y * scale[1].toDouble() + translate[1].toDouble());
            }
            arcs_.append(points);
        }
    }

    const QPolygonF &arc(int index) const { return arcs_.at(index < 0 ? ~index : index); }

    QPolygonF ring(const QJsonArray &indexes) const
    {
        QPolygonF ring;
        for (const QJsonValue &value : indexes) {
            const int index = value.toInt();
            QPolygonF part = arc(index);
            if (index < 0)
                std::reverse(part.begin(), part.end());
            if (!ring.isEmpty())
                part.removeFirst(); // each arc starts where the last one ended
            ring += part;
        }
        return ring;
    }

private:
    QList<QPolygonF> arcs_;
};

// The rings of every polygon of a geometry collection.
QList<QPolygonF> Rings(const Topology &topology, const QJsonObject &collection)
{
    QList<QPolygonF> rings;
    for (const QJsonValue &geometry : collection[QStringLiteral("geometries")].toArray()) {
        const QJsonObject object = geometry.toObject();
        const QString type = object[QStringLiteral("type")].toString();
        const QJsonArray arcs = object[QStringLiteral("arcs")].toArray();
        QJsonArray polygons = arcs;
        if (type == QStringLiteral("Polygon"))
            polygons = QJsonArray{arcs};
        else if (type != QStringLiteral("MultiPolygon"))
            continue;
        for (const QJsonValue &polygon : polygons)
            for (const QJsonValue &ring : polygon.toArray())
                rings.append(topology.ring(ring.toArray()));
    }
    return rings;
}

void CollectArcIndexes(const QJsonValue &value, QList<int> &indexes)
{
    if (value.isArray()) {
        for (const QJsonValue &inner : value.toArray())
            CollectArcIndexes(inner, indexes);
    } else {
        const int index = value.toInt();
        indexes.append(index < 0 ? ~index : index);
    }
}

// Arcs that two countries share are the borders between them; arcs that
// belong to one country only are coasts, drawn with the land.
QList<QPolygonF> SharedArcs(const Topology &topology, const QJsonObject &countries)
{
    std::map<int, int> uses;
    for (const QJsonValue &geometry : countries[QStringLiteral("geometries")].toArray()) {
        QList<int> indexes;
        CollectArcIndexes(geometry.toObject()[QStringLiteral("arcs")], indexes);
        std::sort(indexes.begin(), indexes.end());
        indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
        for (int index : indexes)
            ++uses[index];
    }
    QList<QPolygonF> shared;
    for (const auto &[index, count] : uses)
        if (count > 1)
            shared.append(topology.arc(index));
    return shared;
}

// Longitudes made continuous along a line: a step of more than 180° is a
// crossing of the date line, not a jump across the whole world.
QPolygonF Unwrapped(const QPolygonF &line)
{
    QPolygonF continuous;
    qreal shift = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (i > 0) {
            const qreal step = line[i].x() - line[i - 1].x();
            shift += step > 180 ? -360 : step < -180 ? 360 : 0;
        }
        continuous << QPointF(line[i].x() + shift, line[i].y());
    }
    return continuous;
}

// A ring around a pole (Antarctica) ends a whole turn away from where it
// began; it is closed along the pole's edge of the map.
QPolygonF ClosedAroundPole(QPolygonF ring)
{
    if (ring.size() > 1 && std::abs(ring.last().x() - ring.first().x()) > 180) {
        const qreal pole = ring.boundingRect().center().y() < 0 ? -90 : 90;
        ring << QPointF(ring.last().x(), pole) << QPointF(ring.first().x(), pole);
    }
    return ring;
}

// The line in map coordinates, once for each turn of the world that it
// reaches into, so that a line across the date line shows at both edges.
void AddProjected(QPainterPath &path, const QPolygonF &line, bool closed)
{
    const QRectF box = line.boundingRect();
    for (const qreal turn : {-360.0, 0.0, 360.0}) {
        if (box.right() + turn < -180 || box.left() + turn > 180)
            continue;
        QPolygonF projected;
        for (const QPointF &point : line)
            projected << Project(point + QPointF(turn, 0));
        path.addPolygon(projected);
        if (closed)
            path.closeSubpath();
    }
}

QPainterPath ProjectedPath(const QList<QPolygonF> &lines, bool closed)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF &line : lines) {
        const QPolygonF continuous = Unwrapped(line);
        AddProjected(path, closed ? ClosedAroundPole(continuous) : continuous, closed);
    }
    return path;
}

QRectF MapArea()
{
    return QRectF(0, kMapTop, kWidth, kMapBottom - kMapTop);
}

// Zone z covers the longitudes within 7.5° of z × 15°, cut at the date line.
QRectF ZoneRect(int zone, qreal top, qreal bottom)
{
    const qreal west = std::max(-180.0, zone * 15 - 7.5);
    const qreal east = std::min(180.0, zone * 15 + 7.5);
    return QRectF(QPointF(XOfLongitude(west), top), QPointF(XOfLongitude(east), bottom));
}

QColor Ocean(int zone)
{
    return zone % 2 == 0 ? QColor(208, 228, 240) : QColor(186, 212, 230);
}
QColor Land(int zone)
{
    return zone % 2 == 0 ? QColor(246, 238, 214) : QColor(232, 219, 182);
}

void DrawZones(QPainter &painter, const QPainterPath &land)
{
    for (int zone = -12; zone <= 12; ++zone)
        painter.fillRect(ZoneRect(zone, kMapTop, kMapBottom), Ocean(zone));
    painter.save();
    painter.setClipPath(land);
    for (int zone = -12; zone <= 12; ++zone)
        painter.fillRect(ZoneRect(zone, kMapTop, kMapBottom), Land(zone));
    painter.restore();
}

void DrawGuides(QPainter &painter)
{
    QPen zoneEdge(QColor(70, 96, 120, 150), 0.6, Qt::DashLine);
    zoneEdge.setDashPattern({4, 3});
    painter.setPen(zoneEdge);
    for (int zone = -11; zone <= 12; ++zone) {
        const qreal x = XOfLongitude(zone * 15 - 7.5);
        painter.drawLine(QPointF(x, kMapTop), QPointF(x, kMapBottom));
    }
    QPen equator(QColor(70, 96, 120, 120), 0.5, Qt::DotLine);
    painter.setPen(equator);
    const qreal y = Project(QPointF(0, 0)).y();
    painter.drawLine(QPointF(0, y), QPointF(kWidth, y));
    painter.setPen(QPen(Gold(), 0.9));
    painter.drawLine(QPointF(XOfLongitude(0), kMapTop), QPointF(XOfLongitude(0), kMapBottom));
}

QString ZoneLabel(int zone)
{
    if (zone == 0)
        return QStringLiteral("0");
    return (zone < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
           QString::number(std::abs(zone));
}

void DrawZoneNumbers(QPainter &painter, const QString &family)
{
    QFont font(family);
    font.setPixelSize(10);
    font.setBold(true);
    for (int zone = -12; zone <= 12; ++zone) {
        const QRectF cell = ZoneRect(zone, 0, kMapTop);
        painter.fillRect(cell, zone % 2 == 0 ? InkGreen() : DeepGreen());
        painter.setPen(zone == 0 ? LightGold() : Cream());
        Qt::Alignment alignment = Qt::AlignCenter;
        QFont cellFont = font;
        if (std::abs(zone) == 12) {
            // The half-width zones at the date line: a smaller number kept
            // inside the picture's edge.
            cellFont.setPixelSize(7);
            alignment = Qt::AlignVCenter | (zone < 0 ? Qt::AlignLeft : Qt::AlignRight);
        }
        painter.setFont(cellFont);
        painter.drawText(cell.adjusted(0.5, 0, -0.5, 0), alignment, ZoneLabel(zone));
    }
}

void DrawLegend(QPainter &painter, const QString &family)
{
    const QRectF strip(0, kMapBottom, kWidth, kHeight - kMapBottom);
    painter.fillRect(strip, Cream());
    QFont font(family);
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(DeepGreen());
    painter.drawText(strip, Qt::AlignCenter,
                     QStringLiteral("Hour zones of Greenwich Mean Time:  local time = GMT + zone "
                                    "hours.  Civil time zones follow national borders."));
}

} // namespace

WorldOutlines ReadWorldAtlas(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const QJsonObject topology = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject objects = topology[QStringLiteral("objects")].toObject();
    if (!objects.contains(QStringLiteral("land")) || !objects.contains(QStringLiteral("countries")))
        Fail(QStringLiteral("%1 is not world-atlas's countries TopoJSON").arg(path));
    const Topology arcs(topology);
    return {Rings(arcs, objects[QStringLiteral("land")].toObject()),
            SharedArcs(arcs, objects[QStringLiteral("countries")].toObject())};
}

QImage DrawWorldGmtMap(const WorldOutlines &world, const QString &labelFamily)
{
    QImage image(QSize(kWidth, kHeight) * kDeviceRatio, QImage::Format_RGB32);
    image.fill(Cream());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(kDeviceRatio, kDeviceRatio);

    const QPainterPath land = ProjectedPath(world.land, true);
    painter.save();
    painter.setClipRect(MapArea());
    DrawZones(painter, land);
    painter.strokePath(ProjectedPath(world.borders, false), QPen(QColor(176, 150, 108), 0.4));
    painter.strokePath(land, QPen(QColor(104, 90, 62), 0.55));
    DrawGuides(painter);
    painter.restore();

    painter.setPen(QPen(InkGreen(), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(MapArea().adjusted(0.5, 0, -0.5, 0));
    DrawZoneNumbers(painter, labelFamily);
    DrawLegend(painter, labelFamily);
    painter.end();
    return image;
}

} // namespace picturegen
