// The windows' entry, in a module of its own that the program loads only when
// it opens its windows (see main.cpp).

#include "cli/crescentcommand.h"
#include "cli/translators.h"
#include "core/settings/settingscatalogue.h"
#include "platform/qtplatform.h"
#include "platform/singleinstance.h"
#include "widgets/crescentmappicture.h"
#include "widgets/languagelook.h"
#include "widgets/pictures.h"
#include "windows/main/frmqarnivo.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QTextStream>

#include <unistd.h>

extern "C" Q_DECL_EXPORT int qarnivo_run_windows(int argc, char *argv[])
{
    // The embedded browser's sandbox cannot run for the root user; the page it
    // shows is one the program writes itself.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qarnivo"));
    QApplication::setOrganizationName(QStringLiteral("Qarnivo"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(QARNIVO_VERSION_MAJOR).arg(QARNIVO_VERSION_MINOR));

    QApplication::setWindowIcon(qarnivo::pictures::ApplicationIcon());
    qarnivo::RegisterBundledFonts();

    qarnivo::QtPlatform platform;
    // Before any window exists: every text and number is made in the chosen language.
    const qarnivo::Language language = qarnivo::ResolvedLanguage(
        qarnivo::LanguageFromSetting(
            platform.readSetting(qarnivo::kSettingsSection, qarnivo::SettingKey::Language, {})),
        QProcessEnvironment::systemEnvironment());
    qarnivo::InstallLanguage(language);
    qarnivo::ApplyLanguageLook(language, platform.fontFamilies());
    // Two programs on one settings file would delete each other's files; a
    // second start shows the running program instead.
    qarnivo::SingleInstance instance(platform.settingsFileName());
    if (!instance.isPrimary())
        return 0;
    qarnivo::frmqarnivo window(platform);
    QObject::connect(&instance, &qarnivo::SingleInstance::showRequested, &window,
                     [&window] { qarnivo::BringForward(window); });
    // Startup decides which window shows first, or ends the program.
    window.Form_Load();
    if (platform.hasEnded())
        return 0;
    return QApplication::exec();
}

// --crescent-map, its options checked by the command line: the map drawn
// with no display, and written whole.
extern "C" Q_DECL_EXPORT int qarnivo_write_crescent_map(int argc, char *argv[],
                                                        const qarnivo::CrescentMapRequest &request)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QDate &date = request.date;
    const auto map = qarnivo::crescent::ComputeCrescentMap(date.year(), date.month(), date.day(),
                                                           request.criterion);
    const std::optional<qarnivo::CrescentMapMark> mark =
        request.mark ? std::optional(qarnivo::CrescentMapMark{
                           request.mark->name, request.mark->latitude, request.mark->longitude})
                     : std::nullopt;
    const QString problem = qarnivo::SaveCrescentMapPicture(
        request.output, qarnivo::DrawCrescentMap(map, qarnivo::LandOutlines(), mark));
    if (!problem.isEmpty()) {
        QTextStream(stderr) << QCoreApplication::translate("CommandLine",
                                                           "%1 could not be written: %2")
                                   .arg(request.output, problem)
                            << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << request.output << Qt::endl;
    return 0;
}
