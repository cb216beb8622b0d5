#include "widgets/layoutscale.h"

#include <QFontMetricsF>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace qarnivo {

namespace {

qreal ratio(qreal measured, qreal design)
{
    return std::isfinite(measured) && measured > 0 ? measured / design : 1.0;
}

} // namespace

qreal LayoutFactor(qreal sampleWidth, qreal lineHeight)
{
    return std::max(
        {1.0, ratio(sampleWidth, kDesignSampleWidth), ratio(lineHeight, kDesignLineHeight)});
}

LayoutScale LayoutScale::ForFont(const QFont &font)
{
    const QFontMetricsF metrics(font);
    return LayoutScale(LayoutFactor(
        metrics.horizontalAdvance(QString::fromLatin1(kLayoutSampleText)), metrics.height()));
}

int LayoutScale::operator()(int designPixels) const
{
    return qRound(designPixels * m_factor);
}

QRect LayoutScale::rect(int x, int y, int width, int height) const
{
    const QPoint topLeft = point(x, y);
    const QPoint beyond = point(x + width, y + height);
    return QRect(topLeft, QSize(beyond.x() - topLeft.x(), beyond.y() - topLeft.y()));
}

QFont FontToFit(QFont font, const QString &text, const QSize &box, qreal smallestPoints)
{
    const QRect room(QPoint(), QSize(box.width(), QWIDGETSIZE_MAX));
    while (font.pointSizeF() - 0.25 >= smallestPoints) {
        const QSize needed = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, text).size();
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

QFont LayoutScale::font(QFont font, qreal designPoints) const
{
    font.setPointSizeF(designPoints * m_factor);
    return font;
}

} // namespace qarnivo
