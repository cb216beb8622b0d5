#pragma once

// What the window suites share: controls found by object name, an application folder in a
// temporary folder over a fake platform, the main and calculator windows over it, and the main()
// of suites whose windows may open the embedded browser.

#include "browser/webpageview.h"
#include "core/files/textfile.h"
#include "core/help/helptexts.h"
#include "core/language/language.h"
#include "core/places/offsetlist.h"
#include "core/places/placelist.h"
#include "core/settings/settingscatalogue.h"
#include "core/sunpage/pagewriter.h"
#include "platform/fakeplatform.h"
#include "testsupport.h"
#include "windows/calculator/calculatornames.h"
#include "windows/calculator/wwtimecal.h"
#include "windows/main/controlnames.h"
#include "windows/main/frmqarnivo.h"
#include "windows/main/panelnames.h"
#include "windows/main/prayerpanel.h"
#include "windows/main/prayertray.h"
#include "windows/options/optionsnames.h"
#include "windows/prayertimes/prayerwindownames.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

namespace qarnivo::testing {

// The control of that type and object name below `root`; a missing one ends the run.
template <typename T = QWidget> T *control(const QObject *root, const QString &name)
{
    T *found = root ? root->findChild<T *>(name) : nullptr;
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}
// The same, by its entry in the window's names table ("Image1" with index 3: "Image1(3)").
template <typename T = QWidget>
T *control(const QObject *root, const ControlName &name, int index = -1)
{
    return control<T>(root, ObjectName(name, index));
}

// The calculator's lists as the tests lay them out.
inline const QByteArray kPlaces("Bhubaneswar,20.27,-85.85,-5.5\r\n"
                                "Delhi,28.6100,-77.2000,-5.50\r\n"
                                "\"Washington, D.C.\",38.9072,77.0369,5\r\n"
                                "Sydney,-33.8688,-151.2093,-10\r\n");
inline const QByteArray kCountries("Japan (-9)\r\nArgentina (3)\r\nBelarus (-1)\r\n");

// The program's language for one test, as the program sets it at start: its texts, its digits
// and its direction; the English program comes back after.
struct ShownLanguage {
    QTranslator translator;
    QTranslator qtTranslator; // Qt's own texts: the standard buttons
    const QLocale previous;
    explicit ShownLanguage(Language language)
    {
        QLocale::setDefault(NumberLocale(language));
        QApplication::setLayoutDirection(IsRightToLeft(language) ? Qt::RightToLeft
                                                                 : Qt::LeftToRight);
        const QString code = LanguageCode(language);
        if (code.isEmpty())
            return;
        if (!translator.load("qarnivo_" + code, ":/translations") ||
            !QApplication::installTranslator(&translator))
            qFatal("no translations for %s", qPrintable(code));
        if ((qtTranslator.load("qtbase_" + code,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
             qtTranslator.load("qtbase_" + code, ":/translations")) &&
            !QApplication::installTranslator(&qtTranslator))
            qFatal("Qt's translations for %s cannot be installed", qPrintable(code));
    }
    ~ShownLanguage()
    {
        QApplication::removeTranslator(&qtTranslator);
        QApplication::removeTranslator(&translator);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QLocale::setDefault(previous);
    }
    ShownLanguage(const ShownLanguage &) = delete;
    ShownLanguage &operator=(const ShownLanguage &) = delete;
};

// A temporary application folder over a fake platform: today's clock, the Arabic numeral font
// (named in other capitals, as a desktop may), the main window first, and the default city file.
struct AppFolder {
    QTemporaryDir folder;
    FakePlatform platform;

    explicit AppFolder(const QDate &today = QDate(2025, 11, 5), bool cityFile = true)
    {
        platform.appFolder = folder.path();
        platform.pageViews = MakeWebPageView;
        platform.fonts = {QStringLiteral("DejaVu Sans"), QStringLiteral("tarvelonix")};
        platform.clock = QDateTime(today, QTime(9, 30));
        setSetting(SettingKey::ShowFirst, "0");
        if (cityFile)
            SaveTextFile(path(kCityFileName), CityFileLines(DefaultCity()));
    }
    QString path(const QString &relative) const { return folder.filePath(relative); }
    QString setting(const QString &key) const
    {
        return platform.settings.value(kSettingsSection + u'/' + key);
    }
    void setSetting(const QString &key, const QString &value)
    {
        platform.settings.insert(kSettingsSection + u'/' + key, value);
    }
    // The calculator's files: both lists, and the shipped page body in "system".
    void addCalculatorFiles()
    {
        platform.sysFolder = path(QStringLiteral("system"));
        if (!writeBytes(path(kPlaceFileName), kPlaces) ||
            !writeBytes(path(kCountryFileName), kCountries) ||
            !writeBytes(bodyPath(), readBytes(sourcePath("resources/system/sunc.ini"))))
            qFatal("cannot lay out the application folder");
    }
    QString bodyPath() const { return QDir(platform.sysFolder).filePath(kPageBodyFileName); }
    QString pagePath() const { return QDir(platform.sysFolder).filePath(kPageFileName); }
    QStringList cityFileLines() const { return SplitLines(ReadTextFile(path(kCityFileName)).text); }
};

// The main window over an application folder, with helpers to reach its controls.
struct Window : AppFolder {
    std::unique_ptr<frmqarnivo> main;

    explicit Window(const QDate &today = QDate(2025, 11, 5), bool cityFile = true)
        : AppFolder(today, cityFile), main(std::make_unique<frmqarnivo>(platform))
    {
    }
    void load() { main->Form_Load(); }
    template <typename T = QWidget> T *get(const QString &name) const
    {
        return control<T>(main.get(), name);
    }
    QString text(const QString &name) const
    {
        auto *label = main->findChild<QLabel *>(name);
        return label ? label->text() : get<QLineEdit>(name)->text();
    }
    void click(const QString &button) const { get<QPushButton>(button)->click(); }
    void trigger(const QString &action) const { get<QAction>(action)->trigger(); }
    // The same, by the entries of the names tables.
    template <typename T = QWidget> T *get(const ControlName &name, int index = -1) const
    {
        return get<T>(ObjectName(name, index));
    }
    QString text(const ControlName &name, int index = -1) const
    {
        return text(ObjectName(name, index));
    }
    void click(const ControlName &button) const { click(ObjectName(button)); }
    void trigger(const ControlName &action) const { trigger(ObjectName(action)); }
    QTableWidget *days() const { return get<QTableWidget>(mainnames::DayGrid); }
    QString cell(int row, int column) const
    {
        return days()->item(row, column) ? days()->item(row, column)->text() : QString();
    }
    // Marked as the selected day: the one day whose colours are those of no other day.
    bool highlighted(int row, int column) const
    {
        const QTableWidgetItem *item = days()->item(row, column);
        if (!item || item->text().isEmpty())
            return false;
        for (int cell = 0; cell < 42; ++cell) {
            const QTableWidgetItem *other = days()->item(cell / 7, cell % 7);
            if (other && other != item && !other->text().isEmpty() &&
                other->background() == item->background() &&
                other->foreground() == item->foreground())
                return false;
        }
        return true;
    }
    QString shownMonth() const
    {
        return text(mainnames::MonthCaption) + ' ' + text(mainnames::YearBox);
    }
    void clickCell(int row, int column) const
    {
        const QPoint centre = days()->visualItemRect(days()->item(row, column)).center();
        QTest::mouseClick(days()->viewport(), Qt::LeftButton, {}, centre);
    }
    void clickDay(int day) const
    {
        for (int cell = 0; cell < 42; ++cell) {
            if (this->cell(cell / 7, cell % 7) == QString::number(day))
                return clickCell(cell / 7, cell % 7);
        }
        QFAIL("day not in the grid");
    }
    void goToYear(const QString &year) const
    {
        get<QLineEdit>(mainnames::YearBox)->setText(year);
        click(mainnames::GoButton);
    }

    // A window as the user opens it over the loaded main window: "main", "options",
    // "calculator" or "prayer times".
    QWidget *openWindow(const QString &which)
    {
        if (which == "main")
            return main.get();
        if (which == "calculator") {
            addCalculatorFiles();
            main->SunRiseSunSet_Click();
            return calculator();
        }
        const bool options = which == "options";
        trigger(options ? mainnames::SettingsCommand : mainnames::PrayerTimesCommand);
        return main->findChild<QWidget *>(options ? "Options" : "PrayerTimes",
                                          Qt::FindDirectChildrenOnly);
    }

    // The calculator window, wherever it was opened from.
    WwtimeCal *calculator() const { return main->findChild<WwtimeCal *>(); }
    template <typename T = QWidget> T *in(const QString &name) const
    {
        return control<T>(calculator(), name);
    }
    template <typename T = QWidget> T *in(const ControlName &name, int index = -1) const
    {
        return in<T>(ObjectName(name, index));
    }
    QLineEdit *box(int i) const { return in<QLineEdit>(calculatornames::CityBox, i); }
    CityInfo boxes() const
    {
        return {box(0)->text(), box(1)->text(), box(2)->text(), box(3)->text()};
    }
    void type(const CityInfo &city) const
    {
        const QStringList texts = cityFields(city);
        for (int i = 0; i < 4; ++i) {
            box(i)->clear();
            QTest::keyClicks(box(i), texts[i]);
        }
    }
    QString selected(const QString &list) const
    {
        auto *item = in<QListWidget>(list)->currentItem();
        return item ? item->text() : QString();
    }
    QString selected(const ControlName &list) const { return selected(ObjectName(list)); }
    void closeCalculator() const
    {
        in<QAction>(calculatornames::CloseCommand)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// A loaded main window, the calculator's files beside it, and a calculator window not yet opened.
struct Calculator : Window {
    QPointer<WwtimeCal> calc;

    explicit Calculator(const QDate &today = QDate(2025, 3, 20)) : Window(today)
    {
        addCalculatorFiles();
        load();
        calc = new WwtimeCal(platform, *main, main.get());
        platform.messages.clear();
    }
    WwtimeCal *open()
    {
        calc->Form_Load();
        return calc;
    }
};

} // namespace qarnivo::testing

// The main() of a suite whose windows may open the embedded browser: headless, without its
// sandbox (tests may run as root), keeping whatever it stores in a temporary home.
#define QARNIVO_WEBENGINE_TEST_MAIN(TestClass)                                                     \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                                               \
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))                             \
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");                   \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QTemporaryDir home;                                                                        \
        for (const char *name : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})            \
            qputenv(name, QDir(home.path()).filePath(QLatin1String(name)).toLocal8Bit());          \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
