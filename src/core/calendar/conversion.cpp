#include "core/calendar/conversion.h"

#include <climits>

namespace qarnivo {

// Over the accepted range every intermediate stays below 2^31: the largest,
// 4000 * (l + 1) in the Gregorian branch with l < 146097, is under 6e8.
static_assert(sizeof(int) * CHAR_BIT >= 32, "calendar arithmetic needs 32-bit int");

namespace {

bool isJulianCalendarDate(int year, int month, int day)
{
    return year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day <= 4)));
}

} // namespace

std::int32_t GregorianToJulianDay(int year, int month, int day)
{
    if (isJulianCalendarDate(year, month, day)) {
        // (M - 9) / 7 is -1 for January and February, 0 otherwise.
        return 367 * year - 7 * (year + 5001 + (month - 9) / 7) / 4 + 275 * month / 9 + day +
               1729777;
    }
    const int a = (month - 14) / 12; // -1 for January and February, 0 otherwise
    return 1461 * (year + 4800 + a) / 4 + 367 * (month - 2 - 12 * a) / 12 -
           3 * ((year + 4900 + a) / 100) / 4 + day - 32075;
}

Ymd JulianDayToHijri(std::int32_t jd)
{
    int l = jd - 1937808;          // days since the start of the cycle before AH 1
    const int n = (l - 1) / 10631; // whole 30-year cycles
    l = l - 10631 * n + 354;       // 355 .. 10985
    const int j = ((10985 - l) / 5316) * ((50 * l) / 17719) + (l / 5670) * ((43 * l) / 15238);
    l = l - ((30 - j) / 15) * ((17719 * j) / 50) - (j / 16) * ((15238 * j) / 43) + 29;
    const int month = (24 * l) / 709; // 1 .. 12
    const int day = l - (709 * month) / 24;
    const int year = 30 * n + j - 30;
    return {year, month, day};
}

std::int32_t HijriToJulianDay(int year, int month, int day)
{
    return (11 * year + 3) / 30 + 354 * year + 30 * month - (month - 1) / 2 + day + 1948440 - 385;
}

Ymd JulianDayToGregorian(std::int32_t jd)
{
    if (jd < kReformJulianDay) {
        const int j = jd + 1402;
        const int k = (j - 1) / 1461;           // whole four-year cycles
        const int l = j - 1461 * k;             // 1 .. 1461
        const int n = (l - 1) / 365 - l / 1461; // year within the cycle, 0 .. 3
        const int i = l - 365 * n + 30;
        const int month5 = (80 * i) / 2447; // month counted from March + 2
        const int day = i - (2447 * month5) / 80;
        const int carry = month5 / 11; // 1 for January and February
        return {4 * k + n + carry - 4716, month5 + 2 - 12 * carry, day};
    }
    int l = jd + 68569;
    const int n = (4 * l) / 146097; // whole 400-year cycles
    l = l - (146097 * n + 3) / 4;
    const int i = (4000 * (l + 1)) / 1461001; // year within the cycle
    l = l - (1461 * i) / 4 + 31;
    const int month5 = (80 * l) / 2447;
    const int day = l - (2447 * month5) / 80;
    const int carry = month5 / 11;
    return {100 * (n - 49) + i + carry, month5 + 2 - 12 * carry, day};
}

int WeekDayOf(std::int32_t jd)
{
    const int remainder = ((jd + 2) % 7 + 7) % 7; // 0 .. 6 even for negative counts
    return remainder == 0 ? 7 : remainder;
}

bool IsLeapYear(int year)
{
    if (year <= 1582)
        return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CorrectedWeekDay(std::int32_t jd, int dayCorrection)
{
    return WeekDayOf(jd + dayCorrection);
}

Ymd GregorianDaysBefore(const Ymd &date, int daysBack)
{
    return JulianDayToGregorian(GregorianToJulianDay(date.year, date.month, date.day) - daysBack);
}

} // namespace qarnivo
