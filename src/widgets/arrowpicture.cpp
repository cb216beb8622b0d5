#include "widgets/arrowpicture.h"

#include "widgets/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace qarnivo {

QPixmap RedArrowPicture(ArrowDirection direction, const QSize &size, qreal devicePixelRatio)
{
    QPixmap picture = BlankPicture(size, devicePixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The arrow is drawn pointing up in a unit square, then turned.
    QPainterPath arrow;
    arrow.moveTo(0.5, 0.04);
    arrow.lineTo(0.95, 0.5);
    arrow.lineTo(0.68, 0.5);
    arrow.lineTo(0.68, 0.96);
    arrow.lineTo(0.32, 0.96);
    arrow.lineTo(0.32, 0.5);
    arrow.lineTo(0.05, 0.5);
    arrow.closeSubpath();

    qreal angle = 0;
    switch (direction) {
    case ArrowDirection::Up:
        break;
    case ArrowDirection::Right:
        angle = 90;
        break;
    case ArrowDirection::Down:
        angle = 180;
        break;
    case ArrowDirection::Left:
        angle = 270;
        break;
    }
    QTransform turn;
    turn.translate(size.width() / 2.0, size.height() / 2.0);
    turn.rotate(angle);
    turn.scale(size.width() - 2.0, size.height() - 2.0);
    turn.translate(-0.5, -0.5);

    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(255, 90, 80));
    fill.setColorAt(1, QColor(200, 0, 0));
    painter.setPen(QPen(QColor(120, 0, 0), 1.0));
    painter.setBrush(fill);
    painter.drawPath(turn.map(arrow));
    return picture;
}

} // namespace qarnivo
