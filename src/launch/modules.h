#pragma once

// The program's own modules: the command line over QtCore, the windows, and
// the browser engine, each loaded only when it is needed.

namespace qarnivo {

// The module named `fileName`, beside the program in the portable folder or
// in the library folder of an installed copy; never closed, since its code
// runs until the program ends. Nothing, with the reason told on standard
// error, when it cannot be loaded.
void *LoadModule(const char *fileName);

// An entry of a module; nothing, told, when the module or the entry is missing.
void *ModuleEntry(const char *fileName, const char *entryName);

template <typename Entry> Entry ModuleFunction(const char *fileName, const char *entryName)
{
    return reinterpret_cast<Entry>(ModuleEntry(fileName, entryName));
}

} // namespace qarnivo
