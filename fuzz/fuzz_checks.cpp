// The typed year of the conversion panel: CheckGregorianInput and
// CheckHijriInput, for every month and day the panel's lists offer.
// Input: the year box's text as UTF-8.

#include "core/calendar/checks.h"
#include "core/calendar/conversion.h"
#include "core/calendar/leadingnumber.h"
#include "fuzzsupport.h"

#include <cmath>

using namespace qarnivo;
using namespace qarnivo::fuzz;

namespace {

bool SameDate(const Ymd &a, const Ymd &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// Days of a Western month: the Julian leap rule up to 1582, the Gregorian
// one after.
int WesternMonthLength(int year, int month)
{
    if (month == 2) {
        const bool leap =
            year <= 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

// Whether a Western date can be converted: a real date from 16 July 622 to
// 30 May 20874, not one of the ten days the reform left out.
bool WesternConvertible(const Ymd &d)
{
    if (d.day > WesternMonthLength(d.year, d.month))
        return false;
    const int key = d.year * 10000 + d.month * 100 + d.day;
    if (key < 6220716 || key > 208740530)
        return false;
    return !(d.year == 1582 && d.month == 10 && d.day >= 5 && d.day <= 14);
}

void CheckGregorian(const QString &yearText, double yearValue, int month, int day)
{
    const CheckedDate checked = CheckGregorianInput(yearText, month, day);
    const bool yearInRange = yearValue >= 622.0 && yearValue <= 20874.0;
    const Ymd typed{yearInRange ? static_cast<int>(std::nearbyint(yearValue)) : 0, month, day};
    const bool expected = yearInRange && WesternConvertible(typed);
    if (expected == checked.refusal.has_value()) {
        Show("year", yearText);
        std::fprintf(stderr, "Western %d-%02d-%02d %s\n", typed.year, month, day,
                     expected ? "refused" : "accepted");
        FUZZ_CHECK(expected != checked.refusal.has_value());
    }
    if (checked.refusal) {
        FUZZ_CHECK(!checked.refusal->text.isEmpty());
        FUZZ_CHECK(checked.refusal->emptiesYearBox == !yearInRange);
        return;
    }
    FUZZ_CHECK(SameDate(checked.date, typed));
    const qint32 jd = GregorianToJulianDay(typed.year, month, day);
    FUZZ_CHECK(jd >= kFirstJulianDay && jd <= kLastJulianDay);
    FUZZ_CHECK(SameDate(JulianDayToGregorian(jd), typed));
}

void CheckHijri(const QString &yearText, double yearValue, int month, int day)
{
    const CheckedDate checked = CheckHijriInput(yearText, month, day);
    const bool yearInRange = yearValue >= 1.0 && yearValue <= 20874.0;
    const Ymd typed{yearInRange ? static_cast<int>(std::nearbyint(yearValue)) : 0, month, day};
    const bool expected = yearInRange && !(typed.year == 20874 && month >= 6);
    FUZZ_CHECK(expected != checked.refusal.has_value());
    if (checked.refusal) {
        FUZZ_CHECK(!checked.refusal->text.isEmpty());
        FUZZ_CHECK(checked.refusal->emptiesYearBox == !yearInRange);
        return;
    }
    FUZZ_CHECK(SameDate(checked.date, typed));
    const qint32 jd = HijriToJulianDay(typed.year, month, day);
    FUZZ_CHECK(jd >= kFirstJulianDay && jd <= kLastJulianDay);
    // The day itself, or day 30 of a 29-day month standing for the 1st of
    // the next month.
    const Ymd back = JulianDayToHijri(jd);
    const Ymd next = month == 12 ? Ymd{typed.year + 1, 1, 1} : Ymd{typed.year, month + 1, 1};
    FUZZ_CHECK(SameDate(back, typed) || (day == 30 && SameDate(back, next)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString yearText = QString::fromUtf8(BytesOf(data, size));
    const double yearValue = ReadLeadingNumber(yearText);
    // A year outside both ranges is refused before month and day are looked
    // at: a few of them are enough then.
    const bool anyYear = yearValue >= 1.0 && yearValue <= 20874.0;
    for (int month = 1; month <= 12; month += anyYear ? 1 : 5) {
        for (int day = 1; day <= 31; day += anyYear ? 1 : 14) {
            CheckGregorian(yearText, yearValue, month, day);
            if (day <= 30)
                CheckHijri(yearText, yearValue, month, day);
        }
    }
    return 0;
}
