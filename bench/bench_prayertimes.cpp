// Microseconds for a year of daily prayer times at one place, month by month
// (as the timetable shows them) and day by day (as the tray asks), for a few
// methods and latitudes. The target is well under 5 ms a year. Build in
// Release.

#include "core/prayer/prayertimes.h"

#include <chrono>
#include <cstdio>

using namespace qarnivo;

namespace {

template <typename Body> void measure(const char *name, int rounds, Body body)
{
    long long sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        sink += body();
    const auto stop = std::chrono::steady_clock::now();
    const double us = std::chrono::duration<double, std::micro>(stop - start).count();
    std::printf("%-40s %9.1f us/year  (target < 5000; check %lld)\n", name, us / rounds, sink);
}

long long sum(const PrayerDay &day)
{
    long long total = 0;
    for (const auto &m : day.minutes)
        total += m.value_or(0);
    return total;
}

} // namespace

int main()
{
    struct Case {
        const char *name;
        PrayerPlace place;
        PrayerMethod method;
    };
    const Case cases[] = {
        {"Bhubaneswar, Karachi", {20.267, 85.85, 5.5, false}, PrayerMethod::Karachi},
        {"Makkah, Umm al-Qura", {21.4225, 39.8262, 3, false}, PrayerMethod::UmmAlQura},
        {"London, Moonsighting Committee",
         {51.5, -0.12, 0, false},
         PrayerMethod::MoonsightingCommittee},
        {"Tromso, Muslim World League", {69.65, 18.96, 1, false}, PrayerMethod::MuslimWorldLeague},
    };
    constexpr int kRounds = 200;
    for (const Case &c : cases) {
        PrayerSettings settings;
        settings.method = c.method;
        char label[80];
        std::snprintf(label, sizeof label, "%s, by month", c.name);
        measure(label, kRounds, [&] {
            long long total = 0;
            for (int month = 1; month <= 12; ++month)
                for (const PrayerDay &day : PrayerTimetable(2025, month, c.place, settings))
                    total += sum(day);
            return total;
        });
        std::snprintf(label, sizeof label, "%s, by day", c.name);
        measure(label, kRounds, [&] {
            long long total = 0;
            for (QDate d(2025, 1, 1); d.year() == 2025; d = d.addDays(1))
                total += sum(PrayerTimesFor(d, c.place, settings));
            return total;
        });
    }
    return 0;
}
