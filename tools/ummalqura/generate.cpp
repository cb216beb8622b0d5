// Writes src/calendar/ummalquratable.cpp from ICU's islamic-umalqura
// calendar: the Julian Day of 1 Muharram of the table's first year and, for
// each year, which of its months have 30 days. The program reads the table;
// it does not link ICU.
//
//   c++ -O2 generate.cpp $(pkg-config --cflags --libs icu-i18n) -o generate
//   ./generate > ../../src/calendar/ummalquratable.cpp

#include <unicode/ucal.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kFirstYear = 1300;
constexpr int kLastYear = 1600;

int julianDayOfFirst(UCalendar *calendar, int year, int month)
{
    UErrorCode status = U_ZERO_ERROR;
    ucal_clear(calendar);
    ucal_setDate(calendar, year, month - 1, 1, &status);
    const int day = ucal_get(calendar, UCAL_JULIAN_DAY, &status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU: %s\n", u_errorName(status));
        std::exit(1);
    }
    return day;
}

} // namespace

int main()
{
    UErrorCode status = U_ZERO_ERROR;
    UCalendar *calendar =
        ucal_open(u"UTC", -1, "en@calendar=islamic-umalqura", UCAL_DEFAULT, &status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU: %s\n", u_errorName(status));
        return 1;
    }
    std::printf("// Written by tools/ummalqura/generate.cpp from ICU's islamic-umalqura\n"
                "// calendar; do not edit by hand.\n\n"
                "#include \"calendar/ummalqura.h\"\n\n"
                "namespace qarnivo::ummalqura {\n\n"
                "const std::int32_t kFirstDayOfTable = %d; // 1 Muharram %d AH\n\n"
                "// Bit m - 1 of a year's entry is set when its month m has 30 days.\n"
                "const std::array<std::uint16_t, kLastTableYear - kFirstTableYear + 1> kLongMonths = {\n",
                julianDayOfFirst(calendar, kFirstYear, 1), kFirstYear);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        unsigned mask = 0;
        for (int month = 1; month <= 12; ++month) {
            const int next = month == 12 ? julianDayOfFirst(calendar, year + 1, 1)
                                         : julianDayOfFirst(calendar, year, month + 1);
            const int length = next - julianDayOfFirst(calendar, year, month);
            if (length == 30)
                mask |= 1u << (month - 1);
            else if (length != 29)
                return std::fprintf(stderr, "%d/%d has %d days\n", year, month, length), 1;
        }
        std::printf("%s0x%03X,%s", (year - kFirstYear) % 8 == 0 ? "    " : " ", mask,
                    (year - kFirstYear) % 8 == 7 || year == kLastYear ? "\n" : "");
    }
    std::printf("};\n\n} // namespace qarnivo::ummalqura\n");
    ucal_close(calendar);
    return 0;
}
