#pragma once

// The Hijri calendar the user chose: its kind, the day correction and the
// month starts the user's community announced. Every part of the program
// that turns a day into a Hijri date or back asks this object, so that a
// change of the calendar's rules is made in one place.

#include "core/calendar/conversion.h"
#include "core/calendar/monthstarts.h"
#include "core/calendar/monthview.h"
#include "core/calendar/ummalqura.h"

#include <QDate>
#include <QString>

#include <optional>

namespace qarnivo {

// Where a Hijri month's start comes from.
enum class HijriSource { Tabular, UmmAlQura, Announced };

class HijriCalendar {
public:
    // The announcements the calendar cannot take (monthstarts.h,
    // CheckMonthStarts) are kept but set aside.
    explicit HijriCalendar(CalendarKind kind = CalendarKind::Tabular, int dayCorrection = 0,
                           const MonthStarts &announced = MonthStarts());

    CalendarKind kind() const { return m_kind; }
    // Days by which the Hijri dates of every month without an announcement
    // lie later against the Western ones.
    int correction() const { return m_correction; }
    // Every announcement given, applied or set aside; and those set aside,
    // with the reason, in the order of the months.
    const MonthStarts &announced() const { return m_announced; }
    const std::vector<SetAsideStart> &setAside() const { return m_setAside; }

    // The Hijri date of a Julian Day, and of a Western date (Julian calendar
    // before 15 October 1582, as QDate's fields are read).
    Ymd hijriOf(qint32 julianDay) const;
    Ymd hijriOf(const QDate &date) const;
    // The Julian Day of a Hijri date; day 30 of a 29-day month is the 1st of
    // the next (checks.h, CheckHijriDay, refuses it where a user typed it).
    qint32 julianDayOf(const Ymd &hijri) const;
    // The weekday of a Hijri date (1 = Sunday).
    int weekDayOf(const Ymd &hijri) const;
    // The Julian Day of a month's 1st, and the month's length.
    qint32 firstDayOf(int year, int month) const;
    int monthDays(int year, int month) const;
    // The Western days of a Hijri month and its week grid.
    MonthLayout month(int year, int month) const;
    // Whether a month's start was announced, else the calendar that gives
    // it (the arithmetical one outside the Umm al-Qura table).
    HijriSource sourceOf(int year, int month) const;
    // True when Umm al-Qura is chosen and the year lies outside its table.
    bool outsideTable(int hijriYear) const;

private:
    CalendarKind m_kind;
    int m_correction;
    MonthStarts m_announced;
    MonthStarts m_applied;
    std::vector<SetAsideStart> m_setAside;
};

// The stored setting: "Tabular" or "UmmAlQura"; anything else reads as
// nothing, and the caller keeps the arithmetical calendar.
QString CalendarSettingText(CalendarKind calendar);
std::optional<CalendarKind> CalendarFromSetting(const QString &text);

// "announced", "tabular" or "umm-al-qura", as the command line's JSON says it.
QString HijriSourceName(HijriSource source);

} // namespace qarnivo
