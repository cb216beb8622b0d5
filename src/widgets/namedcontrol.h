#pragma once

// Every control carries a fixed object name, by which outside checks, the
// tests and the manual find it ("grCal1", "Image1(3)"), and a name that
// assistive technology reads. The C++ members that hold the controls have
// readable names of their own and may be renamed freely; the object names
// may not.

#include <QString>
#include <QWidget>

class QAction;
class QPushButton;

namespace qarnivo {

struct ControlName {
    const char *object; // an element of a control array adds "(index)"
    // Translated in the context "AccessibleName" (marked where it is written
    // with QT_TRANSLATE_NOOP); empty: the control's own caption is read.
    const char *accessible;
};

// "Image1" with index 3 is "Image1(3)"; a negative index names no element.
QString ObjectName(const ControlName &name, int index = -1);

// Gives `widget` its object name and its accessible name.
void SetControlName(QWidget *widget, const ControlName &name, int index = -1);

// A new control of type T, a child of `parent`, named.
template <typename T> T *Named(QWidget *parent, const ControlName &name, int index = -1)
{
    auto *widget = new T(parent);
    SetControlName(widget, name, index);
    return widget;
}

// A new push button with its caption, named.
QPushButton *NamedButton(QWidget *parent, const ControlName &name, const QString &caption);

// A command added to a menu bar or a menu, named.
QAction *NamedAction(QWidget *menu, const ControlName &name, const QString &caption);

} // namespace qarnivo
