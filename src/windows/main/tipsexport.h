#pragma once

// "Tips of the Days > Print All Tips": the command as the main window runs
// it, with the Platform's application folder and message boxes.

#include "core/readings/thoughts.h"

namespace qarnivo {

class Platform;
struct NameTables;

// The whole command: asks, and on Yes writes the file and tells whether it
// worked. Any other answer leaves an existing file untouched.
void ExportAllTips(Platform &platform, const DateTable &thoughts, const NameTables &names);

} // namespace qarnivo
