#pragma once

// The main window's prayer times: today's six times for the default city,
// the next prayer marked, and a countdown that each clock tick moves on.

#include "core/prayer/prayerclock.h"
#include "core/prayer/prayertimes.h"
#include "widgets/namedcontrol.h"

#include <QDateTime>
#include <QWidget>

#include <array>

class QLabel;

namespace qarnivo {

namespace prayernames {
inline constexpr ControlName Panel{"PrayerPanel", "Today's prayer times"};
inline constexpr ControlName Name{"PanelPrayerName", ""}; // (0..5), in Prayer order
inline constexpr ControlName Time{"PanelPrayerTime", ""}; // (0..5)
inline constexpr ControlName Countdown{"NextPrayer", "Next prayer"};
} // namespace prayernames

class PrayerPanel : public QWidget {
    Q_OBJECT
public:
    explicit PrayerPanel(QWidget *parent = nullptr);

    // A place of none says the city's values cannot be used.
    void setPlace(const std::optional<PrayerPlace> &place);
    void setSettings(const PrayerSettings &settings);
    // Recomputes on a new date, then marks the next prayer and counts down.
    void showTime(const QDateTime &now);

    const PrayerDay &today() const { return m_today; }
    std::optional<NextPrayerAt> next() const { return m_next; }

private:
    void recompute();
    void showTimes();

    std::optional<PrayerPlace> m_place;
    PrayerSettings m_settings;
    QDateTime m_now;
    PrayerDay m_today;
    PrayerDay m_tomorrow;
    std::optional<NextPrayerAt> m_next;
    std::array<QLabel *, kPrayerCount> m_names{};
    std::array<QLabel *, kPrayerCount> m_times{};
    QLabel *m_countdown = nullptr;
};

} // namespace qarnivo
