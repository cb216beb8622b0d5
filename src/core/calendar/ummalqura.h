#pragma once

// The Hijri calendars the program offers: the arithmetical (tabular) one,
// and the Umm al-Qura calendar of Saudi Arabia, whose months begin as its
// published table says, from 1300 to 1600 AH. Outside that table the
// Umm al-Qura calendar follows the arithmetical one.

#include "core/calendar/conversion.h"

#include <QString>

#include <array>
#include <optional>

namespace qarnivo {

enum class CalendarKind { Tabular, UmmAlQura };

namespace ummalqura {
inline constexpr int kFirstTableYear = 1300;
inline constexpr int kLastTableYear = 1600;
extern const qint32 kFirstDayOfTable;
extern const std::array<quint16, kLastTableYear - kFirstTableYear + 1> kLongMonths;
} // namespace ummalqura

// The Julian Day of a Hijri date, and the Hijri date of a Julian Day, in the
// chosen calendar. Day 30 of a 29-day month is the 1st of the next, as in
// the arithmetical calendar.
qint32 HijriToJulianDayIn(CalendarKind calendar, int year, int month, int day);
Ymd JulianDayToHijriIn(CalendarKind calendar, qint32 julianDay);

// True when the calendar is Umm al-Qura and the Hijri year lies outside its
// table, so that the arithmetical calendar stands in.
bool OutsideUmmAlQuraTable(CalendarKind calendar, int hijriYear);

// The stored setting: "Tabular" or "UmmAlQura"; anything else reads as
// nothing, and the caller keeps the arithmetical calendar.
QString CalendarSettingText(CalendarKind calendar);
std::optional<CalendarKind> CalendarFromSetting(const QString &text);

} // namespace qarnivo
