#pragma once

// Today's date as the program's views follow it. The main window's clock
// feeds it every second; it tells once when the date changes. When the Hijri
// day begins at sunset, today's Hijri day is the next one from the day's
// Maghrib until midnight, and the date it follows is the next Western date.

#include <QDate>
#include <QDateTime>
#include <QObject>

#include <optional>

namespace qarnivo {

// How today stands under the sunset rule: the civil pairing (the rule off,
// or before Maghrib), the eve of the next Hijri day, or a day without
// Maghrib, whose Hijri day changes at midnight.
enum class SunsetState { Civil, Eve, NoMaghrib };

class Today : public QObject {
    Q_OBJECT
public:
    explicit Today(QObject *parent = nullptr) : QObject(parent) {}

    // The clock's time; a new date (the first one too) is told, an invalid
    // time ignored.
    void setNow(const QDateTime &now);
    void setDayStartsAtSunset(bool on);
    // The Maghrib of `date` in minutes after its midnight, none on a polar
    // day or night. Until the clock's date has one, the day is civil.
    void setMaghrib(const QDate &date, std::optional<int> minute);

    // The Western date whose Hijri day is today: the clock's date, the next
    // one on an eve. Invalid until the clock is first read.
    QDate date() const { return m_date; }
    SunsetState sunsetState() const { return m_state; }
    bool dayStartsAtSunset() const { return m_sunset; }

signals:
    void dayChanged(const QDate &date);
    void sunsetStateChanged(SunsetState state);

private:
    void update();

    QDateTime m_now;
    bool m_sunset = false;
    QDate m_maghribDate;
    std::optional<int> m_maghrib;
    QDate m_date;
    SunsetState m_state = SunsetState::Civil;
};

} // namespace qarnivo
