#include "widgets/clickablepicture.h"

#include <QMouseEvent>

namespace qarnivo {

ClickablePicture::ClickablePicture(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and release of the left button over the picture.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace qarnivo
