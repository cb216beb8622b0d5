#include "launch/modules.h"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <string>

namespace qarnivo {

void *LoadModule(const char *fileName)
{
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::string problem = "not found";
    for (const std::filesystem::path &module :
         {folder / fileName, folder / QARNIVO_MODULE_DIR / fileName}) {
        if (!std::filesystem::exists(module, error))
            continue;
        if (void *handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
        problem = dlerror();
    }
    std::fprintf(stderr, "Qarnivo: cannot load its module %s: %s\n", fileName, problem.c_str());
    return nullptr;
}

void *ModuleEntry(const char *fileName, const char *entryName)
{
    void *const handle = LoadModule(fileName);
    if (!handle)
        return nullptr;
    void *const entry = dlsym(handle, entryName);
    if (!entry)
        std::fprintf(stderr, "Qarnivo: its module %s lacks %s: %s\n", fileName, entryName,
                     dlerror());
    return entry;
}

} // namespace qarnivo
