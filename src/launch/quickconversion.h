#pragma once

// The program's quick start. A plain conversion in a shell ("Qarnivo
// --convert 2026-12-07") is answered here, before any Qt library is loaded,
// with the same calendar code and the same words as the full command line;
// everything else, and every case the quick start is not sure to answer
// exactly as the full command line would, is handed on to it.

#include "core/calendar/ummalqura.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qarnivo {

// A variable of the environment, or nothing when it is unset.
using Environment = std::function<std::optional<std::string>(const char *name)>;

// The stored choices a conversion depends on.
struct QuickChoices {
    CalendarKind calendar = CalendarKind::Tabular;
    int correction = 0;
    bool systemLanguage = true; // else English, whatever the environment says
};

// The choices in the text of the settings file, read as the settings store
// reads them; nothing when the text holds anything this reader is not sure
// of (announced month starts, Arabic or Urdu, a quoted or escaped value, a
// key given twice, ...).
std::optional<QuickChoices> QuickChoicesFrom(std::string_view settingsText);

// The settings file as the store finds it, "$XDG_CONFIG_HOME/Qarnivo/Qarnivo.ini"
// or "$HOME/.config/Qarnivo/Qarnivo.ini"; nothing when the environment leaves
// the store's choice of folder in doubt.
std::optional<std::string> QuickSettingsPath(const Environment &environment);

// True when the environment's language is neither Arabic nor Urdu.
bool EnvironmentSpeaksEnglish(const Environment &environment);

// The whole output of "--convert" or "--to-gregorian" with dates (and
// "--json"), for the arguments after the program's name; nothing when the
// arguments ask for anything else or a date would be refused.
std::optional<std::string> QuickConversion(const std::vector<std::string> &arguments,
                                           const QuickChoices &choices);

// The answer for these arguments in this environment, its settings files
// read; nothing when the full command line or the windows must answer.
std::optional<std::string> QuickAnswer(const std::vector<std::string> &arguments,
                                       const Environment &environment);

} // namespace qarnivo
