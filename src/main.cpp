#include "cli/commandline.h"
#include "mainwindow/frmqarnivo.h"
#include "platform/pictures.h"
#include "platform/qtplatform.h"
#include "settings/settingscatalogue.h"

#include <QApplication>
#include <QSettings>
#include <QTextStream>

#include <unistd.h>

namespace {

// The printing options run without a window or a display.
int printAnswer(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Qarnivo"),
                          QStringLiteral("Qarnivo"));
    qarnivo::StoredChoices stored;
    stored.correction =
        qarnivo::SettingToInt16(store.value(QStringLiteral("ViewWindow/Correction")).toString())
            .value_or(0);
    stored.calendar =
        qarnivo::CalendarFromSetting(store.value(QStringLiteral("ViewWindow/Calendar")).toString())
            .value_or(qarnivo::HijriCalendar::Tabular);
    stored.today = QDate::currentDate();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return qarnivo::RunCommandLine(QCoreApplication::arguments(), stored, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (qarnivo::WantsCommandLine(arguments))
        return printAnswer(argc, argv);

    // The embedded browser's sandbox cannot run for the root user; the page it
    // shows is one the program writes itself.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The embedded browser of the calculator window shares OpenGL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qarnivo"));
    QApplication::setOrganizationName(QStringLiteral("Qarnivo"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(QARNIVO_VERSION_MAJOR).arg(QARNIVO_VERSION_MINOR));

    QApplication::setWindowIcon(qarnivo::pictures::ApplicationIcon());
    qarnivo::RegisterBundledFonts();

    qarnivo::QtPlatform platform;
    qarnivo::frmqarnivo window(platform);
    // Startup decides which window shows first, or ends the program.
    window.Form_Load();
    if (platform.hasEnded())
        return 0;
    return QApplication::exec();
}
