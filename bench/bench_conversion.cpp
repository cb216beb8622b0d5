// Nanoseconds per call of the four conversions, each run over every day of
// the accepted range (16 July 622 to 30 May 20874). Build in Release.

#include "core/calendar/conversion.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

using namespace qarnivo;

namespace {

template <typename Body> void measure(const char *name, std::int64_t calls, Body body)
{
    const auto start = std::chrono::steady_clock::now();
    const std::int64_t sink = body();
    const auto stop = std::chrono::steady_clock::now();
    const double ns = std::chrono::duration<double, std::nano>(stop - start).count();
    std::printf("%-22s %8.2f ns/call  (%lld calls, check %lld)\n", name, ns / double(calls),
                static_cast<long long>(calls), static_cast<long long>(sink));
}

} // namespace

int main()
{
    const std::int64_t days = kLastJulianDay - kFirstJulianDay + 1;
    std::vector<Ymd> western(days);
    std::vector<Ymd> hijri(days);
    for (std::int64_t i = 0; i < days; ++i) {
        western[i] = JulianDayToGregorian(std::int32_t(kFirstJulianDay + i));
        hijri[i] = JulianDayToHijri(std::int32_t(kFirstJulianDay + i));
    }

    measure("GregorianToJulianDay", days, [&] {
        std::int64_t sum = 0;
        for (const Ymd &d : western)
            sum += GregorianToJulianDay(d.year, d.month, d.day);
        return sum;
    });
    measure("JulianDayToGregorian", days, [&] {
        std::int64_t sum = 0;
        for (std::int32_t jd = kFirstJulianDay; jd <= kLastJulianDay; ++jd)
            sum += JulianDayToGregorian(jd).day;
        return sum;
    });
    measure("HijriToJulianDay", days, [&] {
        std::int64_t sum = 0;
        for (const Ymd &d : hijri)
            sum += HijriToJulianDay(d.year, d.month, d.day);
        return sum;
    });
    measure("JulianDayToHijri", days, [&] {
        std::int64_t sum = 0;
        for (std::int32_t jd = kFirstJulianDay; jd <= kLastJulianDay; ++jd)
            sum += JulianDayToHijri(jd).day;
        return sum;
    });
    return 0;
}
