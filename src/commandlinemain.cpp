// The command line's module: every printing option the quick start does not
// answer itself, over QtCore alone; the windows' module is loaded only to
// draw the crescent map.

#include "cli/commandline.h"
#include "cli/translators.h"
#include "core/files/appfolder.h"
#include "core/settings/settingscatalogue.h"
#include "core/settings/storedchoices.h"
#include "launch/modules.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

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

// The crescent map needs QtGui, which lives with the windows; it is drawn
// after the command line's application object is gone.
int writeCrescentMap(int argc, char *argv[], const qarnivo::CrescentMapRequest &request)
{
    using Write = int (*)(int, char **, const qarnivo::CrescentMapRequest &);
    const auto write =
        qarnivo::ModuleFunction<Write>(QARNIVO_WINDOWS_MODULE, "qarnivo_write_crescent_map");
    return write ? write(argc, argv, request) : 1;
}

} // namespace

// The printing options run without a window or a display.
extern "C" Q_DECL_EXPORT int qarnivo_print_answer(int argc, char *argv[])
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
