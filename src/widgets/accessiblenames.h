#pragma once

#include <QMap>
#include <QString>

class QWidget;

namespace qarnivo {

// Gives every named control of a window an accessible name: the one listed
// for its object name, else its own caption (text, title or tool tip), else
// the caption of the label that names it.
void NameControls(QWidget *window, const QMap<QString, QString> &names = {});

} // namespace qarnivo
