// The prayer times on the main window: today's times in the side panel, the
// icon in the system tray, the reminders at prayer times, and the Prayer
// Times window.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/conversion.h"
#include "core/prayer/prayertoday.h"
#include "platform/platform.h"
#include "windows/main/layout.h"
#include "windows/main/prayerpanel.h"
#include "windows/main/prayertray.h"
#include "windows/prayertimes/prayerwindow.h"

namespace qarnivo {

using namespace layout;

void frmqarnivo::createPrayerControls()
{
    m_prayerToday = new PrayerToday(this);
    connect(m_prayerToday, &PrayerToday::prayerDue, this, &frmqarnivo::remindPrayer);
    m_prayerPanel = new PrayerPanel(*m_prayerToday, m_contents);
    m_prayerPanel->setGeometry(m_scale.rect(kSideLeft, 94, kSideWidth, 82));
    m_tray = new PrayerTray(*m_prayerToday, this);
    connect(m_tray, &PrayerTray::calendarWanted, this, [this] {
        showNormal();
        activateWindow();
    });
    connect(m_tray, &PrayerTray::prayerTimesWanted, this, &frmqarnivo::PrayerTimesMenu_Click);
    connect(m_tray, &PrayerTray::exitWanted, this, &frmqarnivo::Exit_Click);
}

// Starts once the names and the calendar are read: the tray's day follows
// today's date from here on.
void frmqarnivo::startPrayerTimes()
{
    m_prayerToday->setPlace(PrayerPlaceOfCity(m_city));
    m_tray->setShown(m_trayShown);
    m_prayerToday->setNow(m_platform.now());
    connect(&m_today, &Today::dayChanged, this, &frmqarnivo::showTrayDay);
    showTrayDay();
}

void frmqarnivo::setCurrentCity(const CityInfo &city)
{
    m_city = city;
    m_prayerToday->setPlace(PrayerPlaceOfCity(m_city));
}

void frmqarnivo::setPrayerSettings(const PrayerSettings &settings)
{
    m_prayerToday->setSettings(settings);
}

void frmqarnivo::setTrayShown(bool shown)
{
    m_trayShown = shown;
    m_tray->setShown(shown);
}

void frmqarnivo::setRemindersOn(bool on)
{
    // The clock catches up to now under the old choice, so that the new one
    // counts only for prayers still to come.
    m_prayerToday->setNow(m_platform.now());
    m_remindersOn = on;
}

// The tray shows today's Hijri day, in the chosen calendar.
void frmqarnivo::showTrayDay()
{
    const Ymd hijri = m_calendar.hijriOf(m_today.date());
    m_tray->showDay(hijri.day,
                    HijriDateLine(hijri.day, m_names.HMonthName[hijri.month], hijri.year));
}

void frmqarnivo::remindPrayer(Prayer prayer)
{
    if (!m_remindersOn)
        return;
    const PrayerSettings &settings = m_prayerToday->settings();
    m_platform.notify(QStringLiteral("%1 prayer").arg(PrayerName(prayer)),
                      QStringLiteral("It is time for %1 (%2) in %3.")
                          .arg(PrayerName(prayer),
                               FormatPrayerTime(*m_prayerToday->day().at(prayer), settings.clock24),
                               m_city.name.trimmed()));
}

void frmqarnivo::PrayerTimesMenu_Click()
{
    if (!m_prayerWindow) {
        m_prayerWindow = new PrayerTimesWindow(m_platform, m_prayerToday->settings(), m_city,
                                               m_platform.now().date(), this);
        m_prayerWindow->setHijriCalendar(m_calendar);
        connect(m_prayerToday, &PrayerToday::settingsChanged, m_prayerWindow,
                &PrayerTimesWindow::setSettings);
    }
    m_prayerWindow->show();
    m_prayerWindow->raise();
    m_prayerWindow->activateWindow();
}

} // namespace qarnivo
