#include "widgets/namedcontrol.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

namespace qarnivo {

QString ObjectName(const ControlName &name, int index)
{
    const QString object = QString::fromLatin1(name.object);
    return index < 0 ? object : QStringLiteral("%1(%2)").arg(object).arg(index);
}

void SetControlName(QWidget *widget, const ControlName &name, int index)
{
    widget->setObjectName(ObjectName(name, index));
    if (*name.accessible)
        widget->setAccessibleName(QCoreApplication::translate("AccessibleName", name.accessible));
}

QPushButton *NamedButton(QWidget *parent, const ControlName &name, const QString &caption)
{
    auto *button = Named<QPushButton>(parent, name);
    button->setText(caption);
    return button;
}

QAction *NamedAction(QWidget *menu, const ControlName &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(ObjectName(name));
    return action;
}

} // namespace qarnivo
