#pragma once

#include <QString>

namespace qarnivo {

// The readings and panel texts keep the program's CR LF line breaks; a Qt
// text box wants bare LF, or it shows the CR. The window passes every such
// text through this before setPlainText().
inline QString TextBoxText(const QString &crLfText)
{
    QString text = crLfText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace qarnivo
