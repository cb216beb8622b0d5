#include "widgets/accessiblenames.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace qarnivo {

namespace {

QString ownCaption(const QWidget *widget)
{
    QString caption;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        caption = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        caption = button->text();
    else if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        caption = frame->title();
    caption.remove(u'&');
    return caption.trimmed().isEmpty() ? widget->toolTip() : caption.trimmed();
}

} // namespace

void NameControls(QWidget *window, const QMap<QString, QString> &names)
{
    QMap<const QWidget *, QString> labelled;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            labelled.insert(label->buddy(), label->text().remove(u'&'));
    }
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QString accessible = names.value(name);
        if (accessible.isEmpty())
            accessible = widget->accessibleName();
        if (accessible.isEmpty())
            accessible = ownCaption(widget);
        if (accessible.isEmpty())
            accessible = labelled.value(widget);
        if (!accessible.isEmpty())
            widget->setAccessibleName(accessible);
    }
}

} // namespace qarnivo
