// Figures of the windows, in a Release build, offscreen: a month step, the
// page writer, the main window's start to its first shown frame, the
// calculator window's opening to the page's results being present, and the
// memory of a calendar left in the tray for a day.

#include "benchsupport.h"
#include "browser/webpageview.h"
#include "core/sunpage/pagewriter.h"
#include "windows/calculator/pagewriterplatform.h"
#include "windows/calculator/wwtimecal.h"
#include "windows/main/frmqarnivo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

using namespace qarnivo;
using namespace qarnivo::bench;

namespace {

// Waits for the next painted frame of a window.
void waitForFrame(QWidget *window)
{
    window->update();
    while (!window->isVisible() || window->visibleRegion().isEmpty())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

void benchStartup()
{
    constexpr int runs = 10;
    double total = 0;
    for (int run = 0; run < runs; ++run) {
        AppFolder app;
        QElapsedTimer timer;
        timer.start();
        frmqarnivo window(app.platform);
        window.Form_Load();
        waitForFrame(&window);
        total += double(timer.nsecsElapsed()) / 1e6;
    }
    report("main window: construction + Form_Load + frame", total / runs, "ms", "< 150 ms");
}

void benchMonthStep()
{
    AppFolder app;
    frmqarnivo window(app.platform);
    window.Form_Load();
    constexpr int steps = 400;
    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < steps; ++step) {
        if (step % 2 == 0)
            window.Forward_Click();
        else
            window.Backward_Click();
    }
    report("month step (StartFirst + date lines)", double(timer.nsecsElapsed()) / 1e6 / steps, "ms",
           "< 1 ms");
}

void benchWritePage()
{
    AppFolder app;
    const QStringList lines = BuildPageLines();
    constexpr int runs = 200;
    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < runs; ++run) {
        if (!WritePage(app.platform, lines, ReadPlace(DefaultCity(), kPageCityRules).place,
                       PrayerSettings{})
                 .ok())
            std::printf("WritePage failed\n");
    }
    report("WritePage", double(timer.nsecsElapsed()) / 1e6 / runs, "ms", "< 2 ms");
}

// Asks the page whether it shows the day's sunrise yet.
bool resultsPresent(PageView *view)
{
    auto *browser = qobject_cast<QWebEngineView *>(view->widget());
    bool answered = false;
    bool present = false;
    browser->page()->runJavaScript(
        QStringLiteral("(document.readyState === 'complete' && "
                       "!!document.getElementById('rise') && "
                       "/\\d/.test(document.getElementById('rise').textContent))"),
        [&](const QVariant &result) {
            answered = true;
            present = result.toBool();
        });
    QElapsedTimer wait;
    wait.start();
    while (!answered && wait.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return present;
}

void benchCalculator()
{
    AppFolder app;
    app.platform.pageViews = MakeWebPageView;
    frmqarnivo window(app.platform);
    window.Form_Load();
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto *calculator = new WwtimeCal(app.platform, window, &window);
        calculator->Form_Load();
        calculator->show();
        while (!calculator->browser() || !resultsPresent(calculator->browser())) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            if (timer.elapsed() > 30000)
                break;
        }
        report(run == 0 ? "calculator: open to results (first, cold)"
                        : "calculator: open to results (again)",
               double(timer.nsecsElapsed()) / 1e6, "ms", "< 1500 ms");
        calculator->close();
        QCoreApplication::processEvents();
    }
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The calendar in the tray with every alert on, its clock driven through a day (1,440 minutes,
// a tick every 10 s, each adhan played to its end) after a first hour that fills the caches.
void benchDayInTheTray()
{
    AppFolder app;
    for (const auto &[key, value] :
         {std::pair{"SystemTray", "True"}, std::pair{"PrayerReminders", "True"},
          std::pair{"PrayerAlerts", "sound sound sound sound sound"},
          std::pair{"PrayerReminderMinutes", "15 15 15 15 15 15"}})
        app.platform.settings.insert(QStringLiteral("ViewWindow/") + key, value);
    const QDateTime start(QDate(2026, 12, 6), QTime(0, 0));
    app.platform.clock = start;
    frmqarnivo window(app.platform);
    window.Form_Load();
    const auto runClock = [&](int fromSecond, int toSecond) {
        for (int second = fromSecond; second < toSecond; second += 10) {
            app.platform.clock = start.addSecs(second);
            window.Timer1_Timer();
            app.platform.endSound();
            QCoreApplication::processEvents();
        }
    };
    runClock(0, 3600);
    const long before = residentKilobytes();
    runClock(3600, 3600 + 1440 * 60);
    report("a day in the tray: memory growth", double(residentKilobytes() - before), "kB",
           "< 1024 kB");
    std::printf("  (%lld notifications, %lld adhans)\n",
                static_cast<long long>(app.platform.notifications.size()),
                static_cast<long long>(app.platform.sounds.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    benchStartup();
    benchMonthStep();
    benchWritePage();
    benchCalculator();
    benchDayInTheTray();
    return 0;
}
