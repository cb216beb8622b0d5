#include "widgets/decorationstacks.h"

#include "widgets/namedcontrol.h"
#include "widgets/pictures.h"

#include <QEvent>
#include <QLabel>

namespace qarnivo {

DecorationStacks::DecorationStacks(QWidget *starParent, const QRect &starPlace,
                                   QWidget *rosetteParent, const QRect &rosettePlace,
                                   qreal devicePixelRatio)
    : QObject(starParent)
{
    using pictures::DecorationPicture;
    using pictures::DecorationSet;
    const auto fitted = [&](DecorationSet set, int member, const QRect &place) {
        return FittedPicture(DecorationPicture(set, member), place.size(), devicePixelRatio);
    };
    // Later siblings lie on top: Image4 (3), (1), (2); Image6 (0), (1).
    for (const int member : {3, 1, 2})
        m_stars[member] = look(starParent, "Image4", member,
                               fitted(DecorationSet::Image4, member, starPlace), starPlace);
    for (const int member : {0, 1})
        m_rosettes[member] =
            look(rosetteParent, "Image6", member,
                 fitted(DecorationSet::Image6, member, rosettePlace), rosettePlace);
}

QLabel *DecorationStacks::look(QWidget *parent, const char *name, int member,
                               const QPixmap &picture, const QRect &place)
{
    auto *label = Named<QLabel>(
        parent, ControlName{name, QT_TRANSLATE_NOOP("AccessibleName", "Decoration")}, member);
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    return label;
}

void DecorationStacks::reset()
{
    for (QLabel *look : {m_stars[1], m_stars[2], m_rosettes[0], m_rosettes[1]})
        look->show();
}

bool DecorationStacks::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!press && event->type() != QEvent::MouseMove)
        return false;
    if (std::find(m_stars.begin(), m_stars.end(), watched) != m_stars.end()) {
        m_stars[press ? 1 : 2]->hide();
        return true;
    }
    if (std::find(m_rosettes.begin(), m_rosettes.end(), watched) != m_rosettes.end()) {
        m_rosettes[press ? 0 : 1]->hide();
        return true;
    }
    return false;
}

} // namespace qarnivo
