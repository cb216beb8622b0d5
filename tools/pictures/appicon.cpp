#include "appicon.h"

#include "palette.h"

#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <QSvgRenderer>
#include <QtMath>

#include <cmath>

namespace picturegen {

namespace {

QString Hex(const QColor &colour)
{
    return colour.name(QColor::HexRgb).toUpper();
}

QString Number(qreal value)
{
    return QString::number(value, 'f', 2);
}

// Points of a circle's arc from one angle to another, going the way that
// passes the third angle.
QPolygonF ArcPoints(const QPointF &centre, qreal radius, qreal from, qreal to, qreal through)
{
    const auto ccwFrom = [from](qreal angle) {
        qreal turn = std::fmod(angle - from, 2 * M_PI);
        return turn < 0 ? turn + 2 * M_PI : turn;
    };
    qreal sweep = ccwFrom(to);
    if (ccwFrom(through) > sweep)
        sweep -= 2 * M_PI;
    QPolygonF points;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const qreal angle = from + sweep * i / steps;
        points << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return points;
}

// A crescent: the outer disc less the inner one, as one closed outline.
QPolygonF Crescent(const QPointF &outer, qreal outerRadius, const QPointF &inner, qreal innerRadius)
{
    const QPointF towards = inner - outer;
    const qreal d = std::hypot(towards.x(), towards.y());
    const qreal a = (outerRadius * outerRadius - innerRadius * innerRadius + d * d) / (2 * d);
    const qreal h = std::sqrt(outerRadius * outerRadius - a * a);
    const QPointF base = outer + towards * (a / d);
    const QPointF across(-towards.y() / d * h, towards.x() / d * h);
    const QPointF first = base + across;
    const QPointF second = base - across;

    const auto angleOn = [](const QPointF &centre, const QPointF &point) {
        return std::atan2(point.y() - centre.y(), point.x() - centre.x());
    };
    const qreal away = std::atan2(-towards.y(), -towards.x());
    QPolygonF outline =
        ArcPoints(outer, outerRadius, angleOn(outer, first), angleOn(outer, second), away);
    outline += ArcPoints(inner, innerRadius, angleOn(inner, second), angleOn(inner, first), away);
    return outline;
}

QPolygonF FivePointStar(const QPointF &centre, qreal outer)
{
    QPolygonF star;
    const qreal inner = outer * 0.382;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = -M_PI / 2 + M_PI * i / 5;
        star << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return star;
}

QString PathData(const QPolygonF &polygon)
{
    QStringList parts;
    for (qsizetype i = 0; i < polygon.size(); ++i)
        parts << QStringLiteral("%1%2 %3").arg(i == 0 ? QStringLiteral("M") : QStringLiteral("L"),
                                               Number(polygon[i].x()), Number(polygon[i].y()));
    return parts.join(QLatin1Char(' ')) + QStringLiteral(" Z");
}

QString Gradient(const QString &id, const QColor &top, const QColor &bottom)
{
    return QStringLiteral("  <linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                          "<stop offset=\"0\" stop-color=\"%2\"/>"
                          "<stop offset=\"1\" stop-color=\"%3\"/></linearGradient>\n")
        .arg(id, Hex(top), Hex(bottom));
}

// The shapes of the icon in a 256 x 256 frame. The small form, for 16 and 32
// pixels, fills more of the frame with fewer and bolder shapes.
struct IconShapes {
    QRectF page;
    qreal corner;
    qreal border;
    qreal headerBottom;
    QList<qreal> ringsX;
    QRectF ringSize; // top and size of a ring; its x is taken from ringsX
    QPointF crescentOuter;
    qreal outerRadius;
    QPointF crescentInner;
    qreal innerRadius;
    bool star;
    bool shadow;
};

IconShapes Shapes(IconSize size)
{
    if (size == IconSize::Small)
        return {QRectF(10, 34, 236, 214),
                30,
                16,
                104,
                {62, 166},
                QRectF(0, 6, 28, 58),
                QPointF(118, 178),
                60,
                QPointF(146, 160),
                50,
                false,
                false};
    return {QRectF(26, 42, 204, 196),
            26,
            8,
            100,
            {66, 168},
            QRectF(0, 20, 22, 48),
            QPointF(116, 170),
            52,
            QPointF(138, 156),
            43,
            true,
            true};
}

QString Ring(const IconShapes &shapes, qreal x)
{
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                          "fill=\"url(#gold)\" stroke=\"%6\" stroke-width=\"%7\"/>\n")
        .arg(Number(x), Number(shapes.ringSize.y()), Number(shapes.ringSize.width()),
             Number(shapes.ringSize.height()), Number(shapes.ringSize.width() / 2), Hex(DarkGold()),
             Number(shapes.border / 2));
}

QString PageRect(const IconShapes &shapes, const QString &attributes)
{
    const QRectF &page = shapes.page;
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
        .arg(Number(page.x()), Number(page.y()), Number(page.width()), Number(page.height()),
             Number(shapes.corner), attributes);
}

QString Header(const IconShapes &shapes)
{
    const QRectF &page = shapes.page;
    const qreal c = shapes.corner;
    return QStringLiteral("  <path d=\"M%1 %2 L%1 %3 Q%1 %4 %5 %4 L%6 %4 Q%7 %4 %7 %3 L%7 %2 Z\" "
                          "fill=\"url(#head)\"/>\n")
        .arg(Number(page.left()), Number(shapes.headerBottom), Number(page.top() + c),
             Number(page.top()), Number(page.left() + c), Number(page.right() - c),
             Number(page.right()));
}

} // namespace

QByteArray ApplicationIconSvg(IconSize size)
{
    const IconShapes shapes = Shapes(size);
    const QPolygonF crescent = Crescent(shapes.crescentOuter, shapes.outerRadius,
                                        shapes.crescentInner, shapes.innerRadius);

    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" "
                          "baseProfile=\"tiny\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n"
                          " <title>Qarnivo</title>\n <defs>\n");
    svg += Gradient(QStringLiteral("page"), QColor(255, 253, 244), QColor(243, 229, 190));
    svg += Gradient(QStringLiteral("head"), LightGreen(), InkGreen());
    svg += Gradient(QStringLiteral("gold"), LightGold(), Gold());
    svg += QStringLiteral(" </defs>\n");
    if (shapes.shadow) {
        IconShapes shadow = shapes;
        shadow.page.translate(8, 10);
        svg += PageRect(shadow, QStringLiteral("fill=\"#000000\" fill-opacity=\"0.22\""));
    }
    svg += PageRect(shapes, QStringLiteral("fill=\"url(#page)\""));
    svg += Header(shapes);
    svg += PageRect(shapes, QStringLiteral("fill=\"none\" stroke=\"%1\" stroke-width=\"%2\"")
                                .arg(Hex(DeepGreen()), Number(shapes.border)));
    for (qreal x : shapes.ringsX)
        svg += Ring(shapes, x);
    svg += QStringLiteral("  <path d=\"%1\" fill=\"url(#gold)\" stroke=\"%2\" "
                          "stroke-width=\"%3\" stroke-linejoin=\"round\"/>\n")
               .arg(PathData(crescent), Hex(DarkGold()), Number(shapes.border / 2));
    if (shapes.star) {
        const QPolygonF star = FivePointStar(QPointF(152, 158), 19);
        svg += QStringLiteral("  <path d=\"%1\" fill=\"url(#gold)\" stroke=\"%2\" "
                              "stroke-width=\"3\" stroke-linejoin=\"round\"/>\n")
                   .arg(PathData(star), Hex(DarkGold()));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

QImage RenderApplicationIcon(const QByteArray &svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

} // namespace picturegen
