#pragma once

// The Hijri calendars the program offers: the arithmetical (tabular) one,
// and the Umm al-Qura calendar of Saudi Arabia, whose months begin as its
// published table says, from 1300 to 1600 AH. Outside that table the
// Umm al-Qura calendar follows the arithmetical one.

#include "core/calendar/conversion.h"

#include <array>
#include <cstdint>

namespace qarnivo {

enum class CalendarKind { Tabular, UmmAlQura };

namespace ummalqura {
inline constexpr int kFirstTableYear = 1300;
inline constexpr int kLastTableYear = 1600;
extern const std::int32_t kFirstDayOfTable;
extern const std::array<std::uint16_t, kLastTableYear - kFirstTableYear + 1> kLongMonths;
} // namespace ummalqura

// The Julian Day of a Hijri date, and the Hijri date of a Julian Day, in the
// chosen calendar. Day 30 of a 29-day month is the 1st of the next, as in
// the arithmetical calendar.
std::int32_t HijriToJulianDayIn(CalendarKind calendar, int year, int month, int day);
Ymd JulianDayToHijriIn(CalendarKind calendar, std::int32_t julianDay);

// True when the calendar is Umm al-Qura and the Hijri year lies outside its
// table, so that the arithmetical calendar stands in.
bool OutsideUmmAlQuraTable(CalendarKind calendar, int hijriYear);

// The chosen calendar's 1st of a month, day correction applied.
std::int32_t CalendarFirstDay(CalendarKind kind, int correction, int year, int month);

} // namespace qarnivo
