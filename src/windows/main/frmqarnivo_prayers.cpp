// The prayer times on the main window: today's times in the side panel, the
// icon in the system tray, the reminders at prayer times, and the Prayer
// Times window.

#include "windows/main/frmqarnivo.h"

#include "core/calendar/conversion.h"
#include "core/calendar/sunsetday.h"
#include "core/files/savefile.h"
#include "core/language/digits.h"
#include "core/prayer/prayertoday.h"
#include "platform/platform.h"
#include "widgets/clickablepicture.h"
#include "windows/main/layout.h"
#include "windows/main/prayerpanel.h"
#include "windows/main/prayertray.h"
#include "windows/prayertimes/prayerwindow.h"

#include <QDir>
#include <QPushButton>

namespace qarnivo {

using namespace layout;

void frmqarnivo::createPrayerControls()
{
    m_prayerToday = new PrayerToday(this);
    connect(m_prayerToday, &PrayerToday::alertDue, this, &frmqarnivo::remindPrayer);
    // Today's Maghrib is where the Hijri day begins when it begins at sunset.
    connect(m_prayerToday, &PrayerToday::timesChanged, this, [this] {
        const PrayerDay &day = m_prayerToday->day();
        m_today.setMaghrib(day.date, day.at(Prayer::Maghrib));
    });
    m_prayerPanel = new PrayerPanel(*m_prayerToday, m_contents);
    m_prayerPanel->setGeometry(m_scale.rect(kSideLeft, 112, kSideWidth, 82));
    m_tray = new PrayerTray(*m_prayerToday, this);
    connect(m_tray, &PrayerTray::stopSoundWanted, this, &frmqarnivo::StopSound_Click);
    connect(m_tray, &PrayerTray::calendarWanted, this, [this] {
        showNormal();
        activateWindow();
    });
    connect(m_tray, &PrayerTray::prayerTimesWanted, this, &frmqarnivo::PrayerTimesMenu_Click);
    connect(m_tray, &PrayerTray::exitWanted, this, &frmqarnivo::Exit_Click);
}

// Starts once the names and the calendar are read: the tray's day follows
// today's date from here on, and today's Maghrib may begin the next Hijri day.
void frmqarnivo::startPrayerTimes()
{
    m_prayerToday->setPlace(PrayerPlaceOfCity(m_city));
    m_tray->setShown(m_trayShown);
    const QDateTime now = m_platform.now();
    m_today.setNow(now);
    m_prayerToday->setNow(now);
    connect(&m_today, &Today::dayChanged, this, &frmqarnivo::showTrayDay);
    connect(&m_today, &Today::sunsetStateChanged, this, [this] {
        showTrayDay();
        describeDayCells();
    });
    showTrayDay();
}

void frmqarnivo::setCurrentCity(const CityInfo &city)
{
    m_city = city;
    m_prayerToday->setPlace(PrayerPlaceOfCity(m_city));
    showQibla();
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

// The views follow Today, which tells them when the change moves today.
void frmqarnivo::setDayStartsAtSunset(bool on)
{
    m_today.setDayStartsAtSunset(on);
}

void frmqarnivo::setRemindersOn(bool on)
{
    // The clock catches up to now under the old choice, so that the new one
    // counts only for prayers still to come.
    m_prayerToday->setNow(m_platform.now());
    m_remindersOn = on;
}

void frmqarnivo::setAlerts(const AlertChoices &alerts)
{
    m_prayerToday->setNow(m_platform.now()); // as with the switch: the new choices count from now
    m_alerts = alerts;
    m_prayerToday->setReminderMinutes(alerts.reminderMinutes);
}

// The tray shows today's Hijri day, in the chosen calendar; an eve by its
// name.
void frmqarnivo::showTrayDay()
{
    const Ymd hijri = m_calendar.hijriOf(m_today.date());
    QString line = HijriDateLine(hijri.day, m_names.HMonthName[hijri.month], hijri.year);
    if (m_today.sunsetState() == SunsetState::Eve)
        line = sunsetNote();
    else if (m_today.sunsetState() == SunsetState::NoMaghrib)
        line += u'\n' + sunsetNote();
    m_tray->showDay(hijri.day, line);
}

QString frmqarnivo::sunsetNote() const
{
    switch (m_today.sunsetState()) {
    case SunsetState::Eve:
        return EveLine(m_calendar.hijriOf(m_today.date()), m_names);
    case SunsetState::NoMaghrib:
        return NoMaghribLine();
    case SunsetState::Civil:
        break;
    }
    return QString();
}

// A prayer's time brings what the user chose for it: nothing, a notification,
// or a notification and the adhan; a reminder before a time is a notification.
void frmqarnivo::remindPrayer(const AlertDue &due)
{
    const PrayerAlert alert =
        due.minutesBefore == 0 ? m_alerts.alertOf(due.prayer) : PrayerAlert::Notification;
    if (!m_remindersOn || alert == PrayerAlert::Silent)
        return;
    const PrayerSettings &settings = m_prayerToday->settings();
    const int minute = due.at.time().msecsSinceStartOfDay() / 60000 + due.minutesBefore;
    QString text = AlertText(due, ShownDigits(FormatPrayerTime(minute, settings.clock24)),
                             m_city.name.trimmed());
    // From Maghrib, when the day begins at sunset, the prayer is the next Hijri day's.
    if (due.minutesBefore == 0 && m_today.sunsetState() == SunsetState::Eve)
        text += u'\n' + sunsetNote();
    if (alert == PrayerAlert::Sound)
        playAdhan(m_alerts.soundOf(due.prayer));
    m_platform.notify(AlertTitle(due), text);
}

// The user's file, or the chime when the file is missing or will not play;
// the user is told which file and why.
void frmqarnivo::playAdhan(const QString &path)
{
    const auto failed = [this, path](const QString &why) {
        m_platform.notify(
            tr("The adhan could not be played"),
            tr("%1: %2. The chime plays instead.").arg(QDir::toNativeSeparators(path), why));
        playAdhan(QString());
    };
    if (const QString problem = path.isEmpty() ? QString() : UnreadableFile(path);
        !problem.isEmpty()) {
        failed(problem);
        return;
    }
    showSoundPlaying(true);
    const QPointer<frmqarnivo> window(this);
    m_platform.playSound(path, m_alerts.volume, [window, path, failed](const QString &failure) {
        if (!window)
            return;
        window->showSoundPlaying(false);
        if (!failure.isEmpty() && !path.isEmpty())
            failed(failure);
    });
}

void frmqarnivo::showSoundPlaying(bool playing)
{
    m_stopSoundButton->setVisible(playing);
    // The crescent line's text keeps clear of the button.
    const int room = playing ? m_stopSoundButton->width() + m_scale(4) : 0;
    m_crescentLine->setContentsMargins(isRightToLeft() ? room : 0, 0, isRightToLeft() ? 0 : room,
                                       0);
    m_tray->setSoundPlaying(playing);
}

void frmqarnivo::StopSound_Click()
{
    m_platform.stopSound();
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
