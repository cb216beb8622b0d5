#pragma once

#include <QString>

namespace qarnivo {

// A plain text as rich text that keeps its lines and spacing, with every web
// address and e-mail address in it a link (e-mail as mailto:).
QString LinkedHtml(const QString &plainText);

} // namespace qarnivo
