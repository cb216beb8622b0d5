#include "core/calendar/names.h"

namespace qarnivo {

namespace {

// The spellings are the program's own, blanks and capitals included.
constexpr std::array<const char *, 12> kHijriLong = {
    "Muharram-ul-Haraam",  "Safar-ul-Muzaffar",   "Rabi-ul-Awwal",       "Rabi-ul-Aakhir",
    "Jamaadil-Awwal",      "Jamaadil -Aakhir",    "Rajjab-ul-Marjab",    "Sha'aban-ul-Moazzam",
    "Ramadhan-ul-Mubarak", "Shawwal-ul-Mukarram", "Dhiquadat-ul-Haraam", "Dhul-Hijjah"};

constexpr std::array<const char *, 12> kHijriShort = {
    "Muharram", "Safar",    "Rabi-ul-Awwal", "Rabi-ul-Aakhir", "Jumadil-Awwal", "Jumadis -Sani",
    "Rajjab",   "Sha'aban", "Ramadhan",      "Shawwal",        "Dhul-aquada",   "Dhul-Hijjah"};

constexpr std::array<const char *, 12> kGregorian = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::array<const char *, 7> kWeekDayLong = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

constexpr std::array<const char *, 7> kWeekDayShort = {"SUN", "MON", "TUE", "WED",
                                                       "THU", "FRI", "SAT"};

template <std::size_t N, std::size_t M>
void fillFromOne(std::array<QString, N> &table, const std::array<const char *, M> &names)
{
    static_assert(N == M + 1, "a table has one unused slot at index 0");
    table[0].clear();
    for (std::size_t i = 0; i < M; ++i)
        table[i + 1] = QString::fromLatin1(names[i]);
}

} // namespace

void LoadMonthNames(NameTables &tables)
{
    fillFromOne(tables.HMonthName, kHijriLong);
    fillFromOne(tables.HMonthShort, kHijriShort);
    fillFromOne(tables.GMonthName, kGregorian);
}

void LoadWeekDayNames(NameTables &tables)
{
    fillFromOne(tables.WeekDayName, kWeekDayLong);
    fillFromOne(tables.WeekDayShort, kWeekDayShort);
}

const NameTables &CalendarNames()
{
    static const NameTables tables = [] {
        NameTables loaded;
        LoadMonthNames(loaded);
        LoadWeekDayNames(loaded);
        return loaded;
    }();
    return tables;
}

QString IsoDate(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

} // namespace qarnivo
