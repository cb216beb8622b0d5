#include "ornaments.h"

#include "palette.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <utility>

namespace picturegen {

namespace {

// The inner radius at which two squares of the outer radius cross.
constexpr qreal kSquaresInnerRatio = 0.76537; // cos 45° / cos 22.5°

QPolygonF Square(const QPointF &centre, qreal radius, qreal turnDegrees)
{
    QPolygonF square;
    for (int i = 0; i < 4; ++i) {
        const qreal angle = qDegreesToRadians(turnDegrees + 90.0 * i - 90.0);
        square << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    square << square.first();
    return square;
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor &upper, const QColor &lower)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

void DrawGlow(QPainter &painter, const QPointF &centre, qreal radius, const QColor &colour)
{
    QRadialGradient glow(centre, radius);
    QColor inner = colour;
    inner.setAlpha(150);
    QColor outer = colour;
    outer.setAlpha(0);
    glow.setColorAt(0.55, inner);
    glow.setColorAt(1.0, outer);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
}

enum class Look { Resting, Lit, Pressed };

struct StarColours {
    QColor upper, lower, border, lines, centre, heart;
};

StarColours ColoursOf(Look look)
{
    switch (look) {
    case Look::Lit:
        return {LightGreen().lighter(118), LightGreen(), Gold(), LightGold(), Cream(), InkGreen()};
    case Look::Pressed:
        return {InkGreen(), DeepGreen(), DarkGold(), Gold(), LightGold(), DeepGreen()};
    case Look::Resting:
        break;
    }
    return {LightGreen(), InkGreen(), Gold(), LightGold(), Cream(), Gold()};
}

void DrawStarOrnament(QPainter &painter, Look look)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const StarColours colours = ColoursOf(look);
    const QPointF centre = look == Look::Pressed ? QPointF(31, 31) : QPointF(30, 30);
    const qreal radius = look == Look::Pressed ? 25.5 : 26.5;
    if (look == Look::Lit)
        DrawGlow(painter, centre, 30, LightGold());

    const QPolygonF star = StarPolygon(centre, 8, radius, radius * kSquaresInnerRatio);
    painter.setBrush(
        Vertical(centre.y() - radius, centre.y() + radius, colours.upper, colours.lower));
    painter.setPen(QPen(colours.border, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPolygon(star);

    // The two squares of the star, drawn again inside as a gold band.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.lines, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPolyline(Square(centre, radius * 0.70, 0));
    painter.drawPolyline(Square(centre, radius * 0.70, 45));

    painter.setBrush(colours.centre);
    painter.setPen(QPen(colours.border, 1.2));
    painter.drawEllipse(centre, radius * 0.33, radius * 0.33);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.heart);
    painter.drawPolygon(StarPolygon(centre, 8, radius * 0.25, radius * 0.25 * kSquaresInnerRatio));
}

void DrawRosetteOrnament(QPainter &painter, Look look)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const bool lit = look == Look::Lit;
    const QPointF centre(30, 30);
    const QColor band = lit ? Gold() : Lapis();
    const QColor bandLine = lit ? Cream() : LightLapis();

    painter.setBrush(lit ? Vertical(3, 57, LightLapis(), Lapis())
                         : Vertical(3, 57, Cream(), Cream().darker(107)));
    painter.setPen(QPen(Gold(), 2.0));
    painter.drawEllipse(centre, 27, 27);

    // A twelve-pointed star as a band: a wide stroke with a light line
    // running along its middle.
    QPolygonF star = StarPolygon(centre, 12, 23, 16.5);
    star << star.first();
    for (const auto &[width, colour] : {std::pair{3.6, band}, std::pair{1.0, bandLine}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(star);
    }
    painter.setPen(QPen(band, 1.4));
    painter.setBrush(lit ? Lapis().darker(115) : Cream());
    painter.drawEllipse(centre, 11, 11);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Gold());
    painter.drawPolygon(StarPolygon(centre, 12, 8.5, 5.2));
    painter.setBrush(lit ? Cream() : Lapis());
    painter.drawEllipse(centre, 2.6, 2.6);
}

} // namespace

QPolygonF StarPolygon(const QPointF &centre, int points, qreal outer, qreal inner)
{
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = -M_PI / 2 + M_PI * i / points;
        polygon << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return polygon;
}

void DrawSmallStar(QPainter &painter, const QPointF &centre, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Vertical(centre.y() - radius, centre.y() + radius, LightGold(), Gold()));
    painter.setPen(QPen(DarkGold(), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPolygon(StarPolygon(centre, 8, radius, radius * kSquaresInnerRatio));
    painter.setBrush(InkGreen());
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, radius * 0.28, radius * 0.28);
    painter.restore();
}

QList<Picture> StarOrnamentPictures()
{
    const QSize size(60, 60);
    return {
        {QStringLiteral("star1"), size, [](QPainter &p) { DrawStarOrnament(p, Look::Lit); }},
        {QStringLiteral("star2"), size, [](QPainter &p) { DrawStarOrnament(p, Look::Resting); }},
        {QStringLiteral("star3"), size, [](QPainter &p) { DrawStarOrnament(p, Look::Pressed); }},
    };
}

QList<Picture> RosetteOrnamentPictures()
{
    const QSize size(60, 60);
    return {
        {QStringLiteral("rosette0"), size, [](QPainter &p) { DrawRosetteOrnament(p, Look::Lit); }},
        {QStringLiteral("rosette1"), size,
         [](QPainter &p) { DrawRosetteOrnament(p, Look::Resting); }},
    };
}

Picture BannerPicture()
{
    return {QStringLiteral("banner"), QSize(800, 56), [](QPainter &painter) {
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(Gold(), 1.6));
                painter.drawLine(QPointF(4, 5), QPointF(796, 5));
                painter.drawLine(QPointF(4, 51), QPointF(796, 51));
                painter.setPen(QPen(InkGreen(), 0.9));
                painter.drawLine(QPointF(4, 9), QPointF(796, 9));
                painter.drawLine(QPointF(4, 47), QPointF(796, 47));

                const qreal step = 50;
                for (int i = 0; i < 16; ++i) {
                    const QPointF centre(25 + step * i, 28);
                    painter.setBrush(Qt::NoBrush);
                    painter.setPen(
                        QPen(InkGreen(), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
                    painter.drawPolygon(StarPolygon(centre, 8, 15, 15 * kSquaresInnerRatio));
                    DrawSmallStar(painter, centre, 6.5);
                    if (i < 15) {
                        const QPointF gap = centre + QPointF(step / 2, 0);
                        painter.setPen(QPen(DarkGold(), 0.8));
                        painter.setBrush(Gold());
                        painter.drawPolygon(StarPolygon(gap, 2, 5, 3));
                    }
                }
            }};
}

} // namespace picturegen
