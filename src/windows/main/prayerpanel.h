#pragma once

// The main window's prayer times: today's six times for the default city,
// the next prayer marked, and a countdown that each clock tick moves on. It
// draws what the day's model says, whenever it changes.

#include "core/prayer/prayertimes.h"
#include "widgets/namedcontrol.h"

#include <QCoreApplication>

#include <QWidget>

#include <array>

class QLabel;

namespace qarnivo {

namespace prayernames {
inline constexpr ControlName Panel{"PrayerPanel",
                                   QT_TRANSLATE_NOOP("AccessibleName", "Today's prayer times")};
inline constexpr ControlName Name{"PanelPrayerName", ""}; // (0..5), in Prayer order
inline constexpr ControlName Time{"PanelPrayerTime", ""}; // (0..5)
inline constexpr ControlName Countdown{"NextPrayer",
                                       QT_TRANSLATE_NOOP("AccessibleName", "Next prayer")};
} // namespace prayernames

class PrayerToday;

class PrayerPanel : public QWidget {
    Q_OBJECT
public:
    explicit PrayerPanel(const PrayerToday &today, QWidget *parent = nullptr);

private:
    void showTimes();
    void fitFace();

    const PrayerToday &m_today;
    std::array<QLabel *, kPrayerCount> m_names{};
    std::array<QLabel *, kPrayerCount> m_times{};
    QLabel *m_countdown = nullptr;
    QString m_fittedTexts; // the times the face was last fitted to
};

} // namespace qarnivo
