// Renders the main window (short and full view, Urdu and English day names,
// the conversion panel), the Options, Prayer Times and New Crescent windows
// to PNG files, over a fake platform, with the desktop face and palette given
// on the command line:
//
//   qarnivo-layoutshots --font "Cantarell" --size 11 [--dark] [--scheme N]
//                       [--language ar|ur] OUTDIR
//
// A language (the stored choice's forms) is shown as the program starts in it:
// its texts, digits, direction and face.

#include "cli/translators.h"
#include "core/files/textfile.h"
#include "core/places/cityfile.h"
#include "platform/fakeplatform.h"
#include "widgets/languagelook.h"
#include "widgets/pictures.h"
#include "windows/crescent/crescentwindow.h"
#include "windows/main/frmqarnivo.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWidget>

using namespace qarnivo;

namespace {

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    return dark;
}

void save(QWidget *window, const QString &path)
{
    window->show();
    QApplication::processEvents();
    window->grab().save(path);
}

void shootMainWindow(const QString &outFolder, const QString &prefix, bool full,
                     const QString &dayView, int scheme, bool panel)
{
    QTemporaryDir folder;
    FakePlatform platform;
    platform.appFolder = folder.path();
    platform.fonts = {ArabicNumeralFamily()};
    platform.clock = QDateTime(QDate(2025, 1, 29), QTime(12, 59, 59));
    platform.settings = {{QStringLiteral("ViewWindow/Show First"), QStringLiteral("0")},
                         {QStringLiteral("ViewWindow/WindowFull"), full ? "True" : "False"},
                         {QStringLiteral("ViewWindow/DayView"), dayView},
                         {QStringLiteral("ViewWindow/ColorIndex"), QString::number(scheme)}};
    SaveTextFile(QDir(folder.path()).filePath(QStringLiteral("CityInfo.txt")),
                 CityFileLines(DefaultCity()));
    frmqarnivo window(platform);
    window.Form_Load();
    window.Timer1_Timer();
    if (panel)
        window.ConvertDate_Click();
    save(&window, QDir(outFolder).filePath(prefix + QStringLiteral(".png")));
    if (full && !panel) {
        window.Option1_Click();
        if (QWidget *options = window.findChild<QWidget *>(QStringLiteral("Options")))
            save(options, QDir(outFolder).filePath(QStringLiteral("options.png")));
        window.PrayerTimesMenu_Click();
        if (QWidget *prayers = window.findChild<QWidget *>(QStringLiteral("PrayerTimes")))
            save(prayers, QDir(outFolder).filePath(QStringLiteral("prayer-times.png")));
        window.CrescentMenu_Click();
        if (auto *crescent = window.findChild<CrescentWindow *>()) {
            QEventLoop computed;
            QObject::connect(crescent, &CrescentWindow::mapShown, &computed, &QEventLoop::quit);
            computed.exec();
            save(crescent, QDir(outFolder).filePath(QStringLiteral("new-crescent.png")));
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("font"), QStringLiteral("Desktop face."),
                        QStringLiteral("family"), QStringLiteral("DejaVu Sans")},
                       {QStringLiteral("size"), QStringLiteral("Point size."),
                        QStringLiteral("points"), QStringLiteral("9")},
                       {QStringLiteral("dark"), QStringLiteral("A dark palette.")},
                       {QStringLiteral("scheme"), QStringLiteral("Grid colour scheme."),
                        QStringLiteral("n"), QStringLiteral("0")},
                       {QStringLiteral("language"), QStringLiteral("en, ar or ur."),
                        QStringLiteral("code"), QStringLiteral("en")}});
    parser.addPositionalArgument(QStringLiteral("outdir"),
                                 QStringLiteral("Folder for the pictures."));
    parser.process(app);
    const QString outFolder = parser.positionalArguments().value(0, QStringLiteral("."));
    QDir().mkpath(outFolder);

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(parser.isSet(QStringLiteral("dark"))
                                 ? darkPalette()
                                 : QApplication::style()->standardPalette());
    QApplication::setFont(
        QFont(parser.value(QStringLiteral("font")), parser.value(QStringLiteral("size")).toInt()));
    const Language language = LanguageFromSetting(parser.value(QStringLiteral("language")));
    InstallLanguage(language);
    ApplyLanguageLook(language, QFontDatabase::families());
    RegisterBundledFonts();
    const int scheme = parser.value(QStringLiteral("scheme")).toInt();
    shootMainWindow(outFolder, QStringLiteral("main-short"), false, QStringLiteral("Urdu"), scheme,
                    false);
    shootMainWindow(outFolder, QStringLiteral("main-full"), true, QStringLiteral("English"), scheme,
                    false);
    shootMainWindow(outFolder, QStringLiteral("main-panel"), true, QStringLiteral("Urdu"), scheme,
                    true);
    return 0;
}
