#include "widgets/qiblacompass.h"

#include "widgets/contrast.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace qarnivo {

QPointF NeedleEnd(const QPointF &centre, double length, double bearing)
{
    const double angle = bearing * std::numbers::pi / 180;
    return centre + QPointF(length * std::sin(angle), -length * std::cos(angle));
}

QiblaCompass::QiblaCompass(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void QiblaCompass::setBearing(std::optional<double> bearing)
{
    m_bearing = bearing;
    update();
}

// Four lines of the window's face: the north letter stays legible in any face.
QSize QiblaCompass::sizeHint() const
{
    const int side = fontMetrics().height() * 4;
    return {side, side};
}

void QiblaCompass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const qreal radius = std::min(width(), height()) / 2.0 - 1;
    const QPointF centre = QRectF(rect()).center();
    painter.setPen(QPen(ink, 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawEllipse(centre, radius, radius);
    const int letter = fontMetrics().height();
    const QRectF north(centre.x() - letter, centre.y() - radius, 2 * letter, letter);
    painter.drawText(north, Qt::AlignCenter, tr("N", "north on a compass"));
    for (const double mark : {90.0, 180.0, 270.0})
        painter.drawLine(NeedleEnd(centre, radius * 0.8, mark), NeedleEnd(centre, radius, mark));
    if (!m_bearing)
        return;
    const QColor needle =
        ReadableColour(QColor(0, 128, 0), palette().color(QPalette::Base), kLargeTextContrast);
    painter.setPen(QPen(needle, std::max(2.0, radius / 12), Qt::SolidLine, Qt::RoundCap));
    const QPointF tip = NeedleEnd(centre, radius * 0.85, *m_bearing);
    painter.drawLine(centre, tip);
    painter.setBrush(needle);
    painter.drawEllipse(tip, radius / 10, radius / 10);
}

} // namespace qarnivo
