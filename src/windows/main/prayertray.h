#pragma once

// The icon in the system tray: today's Hijri day number drawn on it, the full
// Hijri date and the next prayer in its tooltip, and a small menu.

#include "widgets/namedcontrol.h"

#include <QObject>
#include <QPixmap>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace qarnivo {

class PrayerToday;

namespace traynames {
inline constexpr ControlName Calendar{"TrayCalendar", ""};
inline constexpr ControlName PrayerTimes{"TrayPrayerTimes", ""};
inline constexpr ControlName StopSound{"TrayStopSound", ""};
inline constexpr ControlName Exit{"TrayExit", ""};
} // namespace traynames

// The day number on a dark green square of `side` pixels.
QPixmap TrayDayPicture(int day, int side);

class PrayerTray : public QObject {
    Q_OBJECT
public:
    // The tooltip's next prayer follows `today`.
    PrayerTray(const PrayerToday &today, QWidget *owner);

    void setShown(bool shown);
    bool isShown() const { return m_shown; }
    // Today's Hijri day and its date line; redraws the icon only when the
    // day changes.
    void showDay(int hijriDay, const QString &dateLine);
    QString toolTip() const { return m_toolTip; }
    QMenu *menu() const { return m_menu; }
    int day() const { return m_day; }
    // The menu offers to stop the adhan while it plays.
    void setSoundPlaying(bool playing);

signals:
    void stopSoundWanted();
    void calendarWanted();
    void prayerTimesWanted();
    void exitWanted();

private:
    void showToolTip();
    void makeIcon();

    const PrayerToday &m_today;
    QString m_dateLine;
    QString m_toolTip;
    // Made when first shown: making one asks the desktop's session bus for a
    // tray, a cost the calendar's start need not pay while the tray is off.
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_stopSound = nullptr;
    bool m_shown = false;
    int m_day = 0;
};

} // namespace qarnivo
