#pragma once

#include <string>
#include <vector>

namespace qarnivo {

// True when the arguments after the program's name ask for a printed answer:
// one of them names an option that is not one of Qt's for the windows.
bool WantsCommandLine(const std::vector<std::string> &arguments);

} // namespace qarnivo
