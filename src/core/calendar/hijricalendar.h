#pragma once

// The Hijri calendar the user chose: its kind and the day correction. Every
// part of the program that turns a day into a Hijri date or back asks this
// object, so that a change of the calendar's rules is made in one place.

#include "core/calendar/conversion.h"
#include "core/calendar/monthview.h"
#include "core/calendar/ummalqura.h"

#include <QDate>

namespace qarnivo {

class HijriCalendar {
public:
    explicit HijriCalendar(CalendarKind kind = CalendarKind::Tabular, int dayCorrection = 0)
        : m_kind(kind), m_correction(dayCorrection)
    {
    }

    CalendarKind kind() const { return m_kind; }
    // Days added to the weekday of every Hijri date.
    int correction() const { return m_correction; }

    // The Hijri date of a Julian Day, and of a Western date (Julian calendar
    // before 15 October 1582, as QDate's fields are read).
    Ymd hijriOf(qint32 julianDay) const;
    Ymd hijriOf(const QDate &date) const;
    // The Julian Day of a Hijri date; day 30 of a 29-day month is the 1st of
    // the next.
    qint32 julianDayOf(const Ymd &hijri) const;
    // The weekday of a Hijri date, or of the Hijri day a Julian Day is,
    // moved by the correction (1 = Sunday).
    int weekDayOf(const Ymd &hijri) const;
    int correctedWeekDay(qint32 julianDay) const;
    // The Western days of a Hijri month and its week grid.
    MonthLayout month(int year, int month) const;
    // True when Umm al-Qura is chosen and the year lies outside its table.
    bool outsideTable(int hijriYear) const;

private:
    CalendarKind m_kind;
    int m_correction;
};

} // namespace qarnivo
