// The prayer times on the main window: today's times in the side panel, the
// icon in the system tray, the reminders at prayer times, and the Prayer
// Times window.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/conversion.h"
#include "core/prayer/prayerclock.h"
#include "platform/platform.h"
#include "windows/main/layout.h"
#include "windows/main/prayerpanel.h"
#include "windows/main/prayertray.h"
#include "windows/prayertimes/prayerwindow.h"

namespace qarnivo {

using namespace layout;

void frmqarnivo::createPrayerControls()
{
    m_prayerPanel = new PrayerPanel(centralWidget());
    m_prayerPanel->setGeometry(m_scale.rect(kSideLeft, 94, kSideWidth, 82));
    m_tray = new PrayerTray(this);
    connect(m_tray, &PrayerTray::calendarWanted, this, [this] {
        showNormal();
        activateWindow();
    });
    connect(m_tray, &PrayerTray::prayerTimesWanted, this, &frmqarnivo::PrayerTimesMenu_Click);
    connect(m_tray, &PrayerTray::exitWanted, this, &frmqarnivo::Exit_Click);
}

void frmqarnivo::startPrayerTimes()
{
    const QDateTime now = m_platform.now();
    m_lastReminderCheck = now;
    m_prayerPanel->setSettings(m_prayerSettings);
    m_prayerPanel->setPlace(PrayerPlaceOfCity(m_city));
    m_tray->setShown(m_trayShown);
    tickPrayerTimes(now);
}

void frmqarnivo::setCurrentCity(const CityInfo &city)
{
    m_city = city;
    m_prayerPanel->setPlace(PrayerPlaceOfCity(m_city));
}

void frmqarnivo::setPrayerSettings(const PrayerSettings &settings)
{
    m_prayerSettings = settings;
    m_prayerPanel->setSettings(settings);
    if (m_prayerWindow)
        m_prayerWindow->setSettings(settings);
    m_tray->showDay(m_tray->day(), trayToolTip());
}

void frmqarnivo::setTrayShown(bool shown)
{
    m_trayShown = shown;
    m_tray->setShown(shown);
}

void frmqarnivo::setRemindersOn(bool on)
{
    m_remindersOn = on;
    // Only prayers still to come are reminded of.
    m_lastReminderCheck = m_platform.now();
}

// Each clock tick: the countdown, the tray's day and tooltip, the reminders.
void frmqarnivo::tickPrayerTimes(const QDateTime &now)
{
    m_prayerPanel->showTime(now);
    m_tray->showDay(m_calendar.hijriOf(m_today.date()).day, trayToolTip());
    remindPrayers(now);
}

QString frmqarnivo::trayToolTip() const
{
    const QDate today = m_prayerPanel->today().date;
    QString tip = QStringLiteral("Qarnivo");
    if (today.isValid()) {
        const Ymd hijri = m_calendar.hijriOf(today);
        tip = HijriDateLine(hijri.day, m_names.HMonthName[hijri.month], hijri.year);
    }
    if (const auto next = m_prayerPanel->next())
        tip += u'\n' + CountdownText(*next);
    return tip;
}

// One notification per prayer whose minute came since the last check; a
// clock that jumps back or across days owes nothing.
void frmqarnivo::remindPrayers(const QDateTime &now)
{
    const QDateTime last = m_lastReminderCheck;
    m_lastReminderCheck = now;
    if (!m_remindersOn || last.date() != now.date() || now < last)
        return;
    const PrayerDay &day = m_prayerPanel->today();
    const int lastMinute = last.time().msecsSinceStartOfDay() / 60000;
    const int nowMinute = now.time().msecsSinceStartOfDay() / 60000;
    for (const Prayer prayer : PrayersDue(day, lastMinute, nowMinute)) {
        m_platform.notify(QStringLiteral("%1 prayer").arg(PrayerName(prayer)),
                          QStringLiteral("It is time for %1 (%2) in %3.")
                              .arg(PrayerName(prayer),
                                   FormatPrayerTime(*day.at(prayer), m_prayerSettings.clock24),
                                   m_city.name.trimmed()));
    }
}

void frmqarnivo::PrayerTimesMenu_Click()
{
    if (!m_prayerWindow) {
        m_prayerWindow = new PrayerTimesWindow(m_platform, m_prayerSettings, m_city,
                                               m_platform.now().date(), this);
        m_prayerWindow->setHijriCalendar(m_calendar);
    }
    m_prayerWindow->show();
    m_prayerWindow->raise();
    m_prayerWindow->activateWindow();
}

} // namespace qarnivo
