#include "platform/qtplatform.h"

#include "platform/soundoutput.h"

#include "core/files/appfolder.h"
#include "core/help/links.h"
#include "core/settings/settingscatalogue.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusInterface>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QOpenGLContext>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>
#include <dlfcn.h>

// Qt's own setter of the global shared context (exported by QtGui, declared in
// its private headers).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace qarnivo {

namespace {

const QString kTitle = QStringLiteral("Qarnivo");

// How long setting the date may wait for the user's authorisation. The wait
// runs a local event loop, so the windows keep painting meanwhile.
constexpr int kSetDateTimeoutMs = 60000;

// How long asking the desktop for a document's program may hold the window.
constexpr int kDocumentQueryTimeoutMs = 3000;

QMessageBox::Icon toQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer fromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

// The save dialog's filter for the kind of file suggested, so that it does not
// hide the files of that kind already in the folder.
QString saveFilter(const QString &suggestedPath)
{
    const QString suffix = QFileInfo(suggestedPath).suffix().toLower();
    const QString all = QCoreApplication::translate("Files", "All files (*)");
    if (suffix == u"csv")
        return QCoreApplication::translate("Files", "CSV files (*.csv)") + QStringLiteral(";;") +
               all;
    if (suffix == u"pdf")
        return QCoreApplication::translate("Files", "PDF documents (*.pdf)") +
               QStringLiteral(";;") + all;
    return QCoreApplication::translate("Files", "iCalendar files (*.ics)") + QStringLiteral(";;") +
           all;
}

// The browser engine draws with OpenGL contexts shared through Qt's global
// one. Qt makes that context at start-up when asked to, which loads the
// whole OpenGL driver into every calendar that never shows a page; it is
// made here instead, just before the engine is loaded.
void shareOpenGLContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *shared = new QOpenGLContext(QCoreApplication::instance());
    shared->create();
    qt_gl_set_global_share_context(shared);
}

// A function of this module, whose address tells the module's file.
void moduleFolderMarker() {}

// An entry of one of the program's modules, which lie beside the code that
// loads them (the windows' module, in the application folder or the
// installed library folder). Never closed: what they make lives until the
// program ends. Nothing, told on standard error, when it cannot be loaded.
void *moduleEntry(const char *module, const char *entry)
{
    Dl_info self{};
    if (!dladdr(reinterpret_cast<void *>(&moduleFolderMarker), &self) || !self.dli_fname)
        return nullptr;
    const QString path = QFileInfo(QString::fromLocal8Bit(self.dli_fname)).absolutePath() + u'/' +
                         QString::fromLatin1(module);
    void *const handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    void *const found = handle ? dlsym(handle, entry) : nullptr;
    if (!found)
        std::fprintf(stderr, "Qarnivo: cannot load its module %s: %s\n", module, dlerror());
    return found;
}

} // namespace

QtPlatform::QtPlatform(SettingsFaultReporter::Report settingsFault)
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Qarnivo"),
                 QStringLiteral("Qarnivo")),
      m_settingsFault(settingsFault ? std::move(settingsFault) : [this](const QString &text) {
          messageBox(text, MsgIcon::Exclamation, MsgButtons::Ok);
      })
{
}

MsgAnswer QtPlatform::messageBox(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    // The program's texts use CR LF line breaks; a Qt label wants plain LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(toQtIcon(icon), kTitle, shown,
                    buttons == MsgButtons::Ok
                        ? QMessageBox::Ok
                        : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    // Addresses in the text are links, opened as every web address is.
    box.setTextFormat(Qt::RichText);
    box.setText(LinkedHtml(shown));
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        label->setOpenExternalLinks(false);
        QObject::connect(label, &QLabel::linkActivated, &box,
                         [this](const QString &address) { openWebAddress(QUrl(address)); });
    }
    return fromQtButton(box.exec());
}

QString QtPlatform::readSetting(const QString &section, const QString &key,
                                const QString &defaultValue)
{
    const QVariant value = m_settings.value(section + '/' + key, defaultValue);
    m_settingsFault.check(m_settings);
    return SettingText(value);
}

void QtPlatform::writeSetting(const QString &section, const QString &key, const QString &value)
{
    const QString name = section + '/' + key;
    // A value stored already costs no write: start-up stores several.
    if (m_settings.contains(name) && SettingText(m_settings.value(name)) == value)
        return;
    m_settings.setValue(name, value);
    // The program may end at once after any write, so nothing is left buffered.
    m_settings.sync();
    m_settingsFault.check(m_settings);
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

// Sets the date through systemd, keeping the time of day. timedatectl asks the
// user for authorisation and refuses while network time sync is on; either
// way the caller learns of it from the false result.
bool QtPlatform::setSystemDate(const QDate &date)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("timedatectl"));
    if (tool.isEmpty() || !date.isValid())
        return false;
    const QDateTime target(date, QTime::currentTime());
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kSetDateTimeoutMs, &loop, &QEventLoop::quit);
    process.start(
        tool, {QStringLiteral("set-time"), target.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
    if (!process.waitForStarted(2000))
        return false;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString QtPlatform::applicationFolder()
{
    if (m_applicationFolder.isEmpty()) {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        const QString userFolder =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        m_applicationFolder = ChooseApplicationFolder(executableFolder, userFolder);
        const QString dataFolder = InstalledDataFolder(executableFolder);
        if (!dataFolder.isEmpty()) {
            QDir().mkpath(m_applicationFolder);
            SeedApplicationFolder(dataFolder, m_applicationFolder);
        }
    }
    return m_applicationFolder;
}

QString QtPlatform::systemFolder()
{
    return applicationFolder() + QStringLiteral("/system");
}

QStringList QtPlatform::fontFamilies()
{
    return QFontDatabase::families();
}

QString QtPlatform::saveFileName(const QString &suggestedPath)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Qarnivo"),
                                        suggestedPath, saveFilter(suggestedPath));
}

QString QtPlatform::openFileName(const QString &folder)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Qarnivo"),
                                        folder);
}

bool QtPlatform::printDocument(const QTextDocument &document)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document.print(&printer);
    return true;
}

// Through the desktop's notification service (freedesktop.org), where the
// session has one; elsewhere nothing is shown.
QtPlatform::~QtPlatform() = default;

void QtPlatform::notify(const QString &title, const QString &text)
{
    QDBusInterface service(QStringLiteral("org.freedesktop.Notifications"),
                           QStringLiteral("/org/freedesktop/Notifications"),
                           QStringLiteral("org.freedesktop.Notifications"));
    if (!service.isValid())
        return;
    // While the adhan plays the notification offers to stop it; a desktop
    // without actions leaves the button out.
    const QStringList actions =
        m_sound && m_sound->playing()
            ? QStringList{QStringLiteral("stop"), QCoreApplication::translate("Prayer", "Stop")}
            : QStringList();
    service.asyncCall(QStringLiteral("Notify"), QStringLiteral("Qarnivo"), 0u,
                      QStringLiteral("example.qarnivo.Qarnivo"), title, text, actions,
                      QVariantMap(), -1);
}

void QtPlatform::playSound(const QString &path, int volume, const SoundEnded &ended)
{
    if (!m_soundLookedFor) {
        m_soundLookedFor = true;
        using SoundOutputMaker = SoundOutput *(*)();
        if (const auto make = reinterpret_cast<SoundOutputMaker>(
                moduleEntry(QARNIVO_SOUND_MODULE, "qarnivo_make_sound_output")))
            m_sound.reset(make());
    }
    if (m_sound)
        m_sound->play(path, volume, ended);
    else if (ended)
        ended(QCoreApplication::translate("Files", "it cannot be played"));
}

// The browser module is looked for once: its pages live until the program ends.
PageView *QtPlatform::makePageView(QWidget *parent)
{
    if (!m_pageViews) {
        shareOpenGLContexts();
        m_pageViews = reinterpret_cast<PageViewMaker>(
            moduleEntry(QARNIVO_BROWSER_MODULE, "qarnivo_make_page_view"));
    }
    return *m_pageViews ? (*m_pageViews)(parent) : nullptr;
}

void QtPlatform::stopSound()
{
    if (m_sound)
        m_sound->stop();
}

void QtPlatform::openDocument(const QString &path, const QString &workingFolder)
{
    const QString full = QDir(workingFolder).absoluteFilePath(path);
    QDesktopServices::openUrl(QUrl::fromLocalFile(full));
}

// The desktop's opener asked which program shows the document's type; without
// the opener the desktop cannot open documents at all.
bool QtPlatform::canOpenDocument(const QString &path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return false;
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        return true;
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(kDocumentQueryTimeoutMs))
        return true; // a slow desktop is given the benefit of the doubt
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

void QtPlatform::openWebAddress(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::endProgram()
{
    m_ended = true;
    QCoreApplication::exit(0);
}

} // namespace qarnivo
