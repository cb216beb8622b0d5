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

// Moves the children by the change of the area's width, so that their
// distance from its right edge stays.
class RightEdgeKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            const auto *resize = static_cast<QResizeEvent *>(event);
            const int shift = resize->size().width() - resize->oldSize().width();
            if (resize->oldSize().isValid() && shift != 0) {
                for (QWidget *child : placedChildren(static_cast<QWidget *>(watched)))
                    child->move(child->x() + shift, child->y());
            }
        }
        return QObject::eventFilter(watched, event);
    }
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
