#include "launch/commandchoice.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace qarnivo {

namespace {

// Qt's own options for the windows (one dash or two): the session manager
// restarts the program with -session, and a user may choose a -style.
constexpr std::string_view kWindowOptions[] = {"platform",        "platformpluginpath",
                                               "platformtheme",   "plugin",
                                               "qwindowgeometry", "qwindowicon",
                                               "qwindowtitle",    "reverse",
                                               "session",         "display",
                                               "geometry",        "style",
                                               "stylesheet",      "widgetcount",
                                               "nograb",          "dograb"};
} // namespace

bool WantsCommandLine(const std::vector<std::string> &arguments)
{
    for (std::string_view argument : arguments) {
        if (!argument.starts_with('-'))
            continue;
        argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
        const std::string_view name = argument.substr(0, argument.find('='));
        if (std::find(std::begin(kWindowOptions), std::end(kWindowOptions), name) ==
            std::end(kWindowOptions))
            return true;
    }
    return false;
}

} // namespace qarnivo
