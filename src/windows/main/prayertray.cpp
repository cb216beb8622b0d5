#include "windows/main/prayertray.h"

#include "core/calendar/names.h"
#include "core/language/digits.h"
#include "core/prayer/prayertoday.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

namespace qarnivo {

QPixmap TrayDayPicture(int day, int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 96, 48));
    painter.drawRoundedRect(QRectF(0, 0, side, side), side / 6.0, side / 6.0);
    QFont face = painter.font();
    face.setBold(true);
    face.setPixelSize(side * (day >= 10 ? 11 : 14) / 20);
    painter.setFont(face);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, ShownNumber(day));
    return picture;
}

namespace {

QIcon dayIcon(int hijriDay)
{
    QIcon icon;
    for (const int side : {16, 22, 32, 48, 64})
        icon.addPixmap(TrayDayPicture(hijriDay, side));
    return icon;
}

} // namespace

PrayerTray::PrayerTray(const PrayerToday &today, QWidget *owner) : QObject(owner), m_today(today)
{
    m_menu = new QMenu(owner);
    m_menu->setObjectName(QStringLiteral("TrayMenu"));
    const auto add = [this](const ControlName &name, const QString &caption) {
        QAction *action = m_menu->addAction(caption);
        action->setObjectName(QLatin1String(name.object));
        return action;
    };
    connect(add(traynames::Calendar, tr("&Calendar")), &QAction::triggered, this,
            &PrayerTray::calendarWanted);
    connect(add(traynames::PrayerTimes, tr("&Prayer Times")), &QAction::triggered, this,
            &PrayerTray::prayerTimesWanted);
    m_stopSound = add(traynames::StopSound, tr("&Stop the adhan"));
    m_stopSound->setVisible(false);
    connect(m_stopSound, &QAction::triggered, this, &PrayerTray::stopSoundWanted);
    m_menu->addSeparator();
    connect(add(traynames::Exit, tr("E&xit")), &QAction::triggered, this, &PrayerTray::exitWanted);
    connect(&m_today, &PrayerToday::timesChanged, this, &PrayerTray::showToolTip);
    connect(&m_today, &PrayerToday::ticked, this, &PrayerTray::showToolTip);
}

void PrayerTray::makeIcon()
{
    m_icon = new QSystemTrayIcon(m_day > 0 ? dayIcon(m_day) : QIcon(), this);
    m_icon->setToolTip(m_toolTip);
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger)
                    emit calendarWanted();
            });
}

void PrayerTray::setSoundPlaying(bool playing)
{
    m_stopSound->setVisible(playing);
}

void PrayerTray::setShown(bool shown)
{
    m_shown = shown;
    if (shown && !m_icon)
        makeIcon();
    if (m_icon)
        m_icon->setVisible(shown && QSystemTrayIcon::isSystemTrayAvailable());
}

void PrayerTray::showDay(int hijriDay, const QString &dateLine)
{
    m_dateLine = dateLine;
    if (hijriDay != m_day) {
        m_day = hijriDay;
        if (m_icon)
            m_icon->setIcon(dayIcon(m_day));
    }
    showToolTip();
}

// The date only once the day's times are known, as the times it heads.
void PrayerTray::showToolTip()
{
    QString tip = m_today.day().date.isValid() ? m_dateLine : QStringLiteral("Qarnivo");
    if (const auto next = m_today.next())
        tip += u'\n' + ShownDigits(CountdownText(*next));
    m_toolTip = tip;
    if (m_icon)
        m_icon->setToolTip(tip);
}

} // namespace qarnivo
