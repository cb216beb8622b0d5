#pragma once

#include <QString>

namespace qarnivo {

// Where the maker of Qarnivo can be reached. The addresses stay under the
// reserved example domain until the maker has a site of its own.
inline const QString kMakerWebAddress = QStringLiteral("https://www.qarnivo.example/");
inline const QString kMakerMailAddress = QStringLiteral("info@qarnivo.example");
inline const QString kArabicFontPage = QStringLiteral("https://www.qarnivo.example/tarvelonix/");

} // namespace qarnivo
