#include "widgets/bookpicture.h"

#include "widgets/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace qarnivo {

QPixmap OpenBookPicture(const QSize &size, qreal devicePixelRatio)
{
    QPixmap picture = BlankPicture(size, devicePixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 40.0, size.height() / 40.0);

    // Two pages curving down to the spine, on a green cover.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 100, 60));
    painter.drawRoundedRect(QRectF(2, 9, 36, 25), 3, 3);
    const QColor page(255, 250, 235);
    const QPen edge(QColor(170, 130, 40), 1.2);
    for (const int side : {-1, 1}) {
        QPainterPath leaf;
        leaf.moveTo(20, 12);
        leaf.cubicTo(20 + side * 6, 8, 20 + side * 12, 8, 20 + side * 16, 10);
        leaf.lineTo(20 + side * 16, 30);
        leaf.cubicTo(20 + side * 12, 28, 20 + side * 6, 28, 20, 32);
        leaf.closeSubpath();
        painter.setPen(edge);
        painter.setBrush(page);
        painter.drawPath(leaf);
        painter.setPen(QPen(QColor(150, 150, 150), 0.8));
        for (int line = 0; line < 4; ++line) {
            const qreal y = 15 + 4 * line;
            painter.drawLine(QPointF(20 + side * 4, y), QPointF(20 + side * 13, y - 1));
        }
    }
    return picture;
}

} // namespace qarnivo
