// The program's entry. The printing options run here, over QtCore alone; the
// windows, with Widgets and the browser engine, live in a module that is
// loaded only to open them, so that a conversion in a shell starts in a few
// milliseconds instead of loading a hundred libraries it does not use.

#include "cli/commandline.h"
#include "cli/translators.h"
#include "core/files/appfolder.h"
#include "core/settings/settingscatalogue.h"
#include "core/settings/storedchoices.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>

namespace {

// The default city as the windows would read it: from the application
// folder, or from the shipped data before an installed copy's first start.
std::optional<qarnivo::CityInfo> defaultCity()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    for (const QString &folder : {qarnivo::ChooseApplicationFolder(executableFolder, userFolder),
                                  qarnivo::InstalledDataFolder(executableFolder)}) {
        if (folder.isEmpty())
            continue;
        const qarnivo::CityFileRead read =
            qarnivo::ReadCityFile(QDir(folder).filePath(qarnivo::kCityFileName));
        if (read.status == qarnivo::CityFileRead::Status::Ok)
            return read.city;
    }
    return std::nullopt;
}

// The windows' module: beside the program in the portable folder, and in
// the library folder of an installed copy. Never closed: its code runs until
// the program ends. Empty, with the reason told, when it cannot be loaded.
void *windowsModule()
{
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::string problem = "not found";
    for (const std::filesystem::path &module :
         {folder / QARNIVO_WINDOWS_MODULE,
          folder / QARNIVO_WINDOWS_MODULE_DIR / QARNIVO_WINDOWS_MODULE}) {
        if (!std::filesystem::exists(module, error))
            continue;
        if (void *handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL))
            return handle;
        problem = dlerror();
    }
    std::fprintf(stderr, "Qarnivo: cannot load its windows (%s): %s\n", QARNIVO_WINDOWS_MODULE,
                 problem.c_str());
    return nullptr;
}

template <typename Entry> Entry moduleEntry(const char *name)
{
    void *const handle = windowsModule();
    const auto entry = handle ? reinterpret_cast<Entry>(dlsym(handle, name)) : nullptr;
    if (handle && !entry)
        std::fprintf(stderr, "Qarnivo: its windows lack %s: %s\n", name, dlerror());
    return entry;
}

// The crescent map needs QtGui, which lives with the windows; it is drawn
// after the command line's application object is gone.
int writeCrescentMap(int argc, char *argv[], const qarnivo::CrescentMapRequest &request)
{
    using Write = int (*)(int, char **, const qarnivo::CrescentMapRequest &);
    const auto write = moduleEntry<Write>("qarnivo_write_crescent_map");
    return write ? write(argc, argv, request) : 1;
}

// The printing options run without a window or a display.
int printAnswer(int argc, char *argv[])
{
    std::optional<qarnivo::CrescentMapRequest> map;
    int status = 0;
    {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Qarnivo"));
        QCoreApplication::setOrganizationName(QStringLiteral("Qarnivo"));
        const QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Qarnivo"),
                              QStringLiteral("Qarnivo"));
        qarnivo::CommandLineInput input;
        input.stored = qarnivo::ReadStoredChoices([&store](const QString &key) {
            return qarnivo::SettingText(store.value(qarnivo::kSettingsSection + u'/' + key));
        });
        const QDateTime now = QDateTime::currentDateTime();
        input.today = now.date();
        input.time = now.time();
        input.city = defaultCity();
        input.writeCrescentMap = [&map](const qarnivo::CrescentMapRequest &request) {
            map = request;
            return 0;
        };
        input.useLanguage = [](qarnivo::Language language) {
            qarnivo::InstallLanguage(
                qarnivo::ResolvedLanguage(language, QProcessEnvironment::systemEnvironment()));
        };
        QTextStream out(stdout);
        QTextStream err(stderr);
        status = qarnivo::RunCommandLine(QCoreApplication::arguments(), input, out, err);
    }
    return map ? writeCrescentMap(argc, argv, *map) : status;
}

int runWindows(int argc, char *argv[])
{
    using Run = int (*)(int, char **);
    const auto run = moduleEntry<Run>("qarnivo_run_windows");
    return run ? run(argc, argv) : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (qarnivo::WantsCommandLine(arguments))
        return printAnswer(argc, argv);
    return runWindows(argc, argv);
}
