// The program's entry. The printing options run here, over QtCore alone; the
// windows, with Widgets and the browser engine, live in a module that is
// loaded only to open them, so that a conversion in a shell starts in a few
// milliseconds instead of loading a hundred libraries it does not use.

#include "cli/commandline.h"
#include "core/files/appfolder.h"
#include "core/settings/settingscatalogue.h"
#include "core/settings/storedchoices.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
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

// The printing options run without a window or a display.
int printAnswer(int argc, char *argv[])
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
    QTextStream out(stdout);
    QTextStream err(stderr);
    return qarnivo::RunCommandLine(QCoreApplication::arguments(), input, out, err);
}

// The windows' module sits beside the program in the portable folder, and in
// the library folder of an installed copy.
int runWindows(int argc, char *argv[])
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
        // Never closed: the windows' code runs until the program ends.
        void *handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        using Run = int (*)(int, char **);
        if (const auto run =
                handle ? reinterpret_cast<Run>(dlsym(handle, "qarnivo_run_windows")) : nullptr)
            return run(argc, argv);
        problem = dlerror();
    }
    std::fprintf(stderr, "Qarnivo: cannot load its windows (%s): %s\n", QARNIVO_WINDOWS_MODULE,
                 problem.c_str());
    return 1;
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
