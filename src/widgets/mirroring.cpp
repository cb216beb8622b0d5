#include "widgets/mirroring.h"

#include <QEvent>
#include <QResizeEvent>
#include <QWidget>

namespace qarnivo {

namespace {

QList<QWidget *> placedChildren(const QWidget *area)
{
    return area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
}

// Moves the children by the change of the area's width since they were last
// placed, so that their distance from its right edge stays. A hidden area
// is told its size only once shown, without the size before: the width is
// kept here.
class RightEdgeKeeper : public QObject {
public:
    explicit RightEdgeKeeper(QWidget *area) : QObject(area), m_placedWidth(area->width()) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            const int width = static_cast<QResizeEvent *>(event)->size().width();
            for (QWidget *child : placedChildren(static_cast<QWidget *>(watched)))
                child->move(child->x() + width - m_placedWidth, child->y());
            m_placedWidth = width;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int m_placedWidth;
};

} // namespace

void MirrorForRightToLeft(QWidget *area)
{
    if (!area->isRightToLeft())
        return;
    const int width = area->width();
    for (QWidget *child : placedChildren(area))
        child->move(width - child->x() - child->width(), child->y());
    area->installEventFilter(new RightEdgeKeeper(area));
}

} // namespace qarnivo
