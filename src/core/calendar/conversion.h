#pragma once

#include <cstdint>

namespace qarnivo {

// The calendar core. Every conversion goes through the Julian Day Number (JD),
// a 32-bit count of days. The Western side is the Julian calendar up to
// 4 October 1582 and the Gregorian calendar from 15 October 1582; the Hijri
// side is the arithmetic calendar whose 1 Muharram 1 AH is JD 1948440.
// All divisions truncate toward zero, as C++ integer division does.

struct Ymd {
    int year;
    int month;
    int day;
};

std::int32_t GregorianToJulianDay(int year, int month, int day);
Ymd JulianDayToHijri(std::int32_t jd);
std::int32_t HijriToJulianDay(int year, int month, int day);
Ymd JulianDayToGregorian(std::int32_t jd); // Julian calendar before 15 Oct 1582
int WeekDayOf(std::int32_t jd);            // 1 = Sunday .. 7 = Saturday

// The range both directions accept: 16 July 622 (1 Muharram 1 AH) to
// 30 May 20874 (30 Jumadil-Awwal 20874 AH).
inline constexpr std::int32_t kFirstJulianDay = 1948440;
inline constexpr std::int32_t kLastJulianDay = 9345282;
// The last Hijri date either direction accepts, 30 Jumadil-Awwal 20874 AH.
inline constexpr Ymd kLastHijriDate{20874, 5, 30};
// The first day of the Gregorian reform, 15 October 1582.
inline constexpr std::int32_t kReformJulianDay = 2299161;

// Leap years of the calendar in force: every fourth year up to 1582, the
// Gregorian rule from 1583 on.
bool IsLeapYear(int year);

// The weekday of a Hijri-to-Gregorian conversion, moved by the day correction.
int CorrectedWeekDay(std::int32_t jd, int dayCorrection);

// The Western date that lies `daysBack` days before `date` (a negative count
// moves forward), in the calendar in force on each side of the reform.
Ymd GregorianDaysBefore(const Ymd &date, int daysBack);

} // namespace qarnivo
