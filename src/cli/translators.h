#pragma once

// The program's texts in the chosen language: its own translation and Qt's
// (the standard buttons and dialogs), both installed on the application.

#include "core/language/language.h"

namespace qarnivo {

// Installs the translations of `language` (resolved, never System) on the
// running application and makes its number locale the default, so that
// QLocale() shows numbers in the language's digits. English installs none.
void InstallLanguage(Language language);

} // namespace qarnivo
