#pragma once

#include "core/language/language.h"

namespace qarnivo {

// The windows in the chosen language (resolved): right to left for Arabic
// and Urdu, and the language's face at the desktop's size when one of
// `installedFamilies` is it.
void ApplyLanguageLook(Language language, const QStringList &installedFamilies);

} // namespace qarnivo
