// The program's entry, free of Qt. A plain conversion is answered here in a
// few milliseconds (launch/quickconversion.h); the other printing options
// load the command line's module, over QtCore, and everything else the
// windows' module, with Widgets; the browser engine is a module of its own
// that the windows load only to show the calculator's page.

#include "launch/commandchoice.h"
#include "launch/modules.h"
#include "launch/quickconversion.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int runModule(const char *module, const char *entry, int argc, char *argv[])
{
    using Run = int (*)(int, char **);
    const auto run = qarnivo::ModuleFunction<Run>(module, entry);
    return run ? run(argc, argv) : 1;
}

std::optional<std::string> environmentValue(const char *name)
{
    const char *const value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (const std::optional<std::string> answer =
            qarnivo::QuickAnswer(arguments, environmentValue)) {
        std::fwrite(answer->data(), 1, answer->size(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    if (qarnivo::WantsCommandLine(arguments))
        return runModule(QARNIVO_COMMANDLINE_MODULE, "qarnivo_print_answer", argc, argv);
    return runModule(QARNIVO_WINDOWS_MODULE, "qarnivo_run_windows", argc, argv);
}
