#include "core/calendar/names.h"

#include <QCoreApplication>
#include <QLocale>

namespace qarnivo {

namespace {

// The spellings are the program's own, blanks and capitals included.
constexpr std::array<const char *, 12> kHijriLong = {
    QT_TRANSLATE_NOOP("CalendarNames", "Muharram-ul-Haraam"),
    QT_TRANSLATE_NOOP("CalendarNames", "Safar-ul-Muzaffar"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Aakhir"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jamaadil-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jamaadil -Aakhir"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rajjab-ul-Marjab"),
    QT_TRANSLATE_NOOP("CalendarNames", "Sha'aban-ul-Moazzam"),
    QT_TRANSLATE_NOOP("CalendarNames", "Ramadhan-ul-Mubarak"),
    QT_TRANSLATE_NOOP("CalendarNames", "Shawwal-ul-Mukarram"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhiquadat-ul-Haraam"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhul-Hijjah")};

constexpr std::array<const char *, 12> kHijriShort = {
    QT_TRANSLATE_NOOP("CalendarNames", "Muharram"),
    QT_TRANSLATE_NOOP("CalendarNames", "Safar"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rabi-ul-Aakhir"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jumadil-Awwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Jumadis -Sani"),
    QT_TRANSLATE_NOOP("CalendarNames", "Rajjab"),
    QT_TRANSLATE_NOOP("CalendarNames", "Sha'aban"),
    QT_TRANSLATE_NOOP("CalendarNames", "Ramadhan"),
    QT_TRANSLATE_NOOP("CalendarNames", "Shawwal"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhul-aquada"),
    QT_TRANSLATE_NOOP("CalendarNames", "Dhul-Hijjah")};

constexpr std::array<const char *, 12> kGregorian = {
    QT_TRANSLATE_NOOP("CalendarNames", "January"),
    QT_TRANSLATE_NOOP("CalendarNames", "February"),
    QT_TRANSLATE_NOOP("CalendarNames", "March"),
    QT_TRANSLATE_NOOP("CalendarNames", "April"),
    QT_TRANSLATE_NOOP("CalendarNames", "May"),
    QT_TRANSLATE_NOOP("CalendarNames", "June"),
    QT_TRANSLATE_NOOP("CalendarNames", "July"),
    QT_TRANSLATE_NOOP("CalendarNames", "August"),
    QT_TRANSLATE_NOOP("CalendarNames", "September"),
    QT_TRANSLATE_NOOP("CalendarNames", "October"),
    QT_TRANSLATE_NOOP("CalendarNames", "November"),
    QT_TRANSLATE_NOOP("CalendarNames", "December")};

constexpr std::array<const char *, 7> kWeekDayLong = {
    QT_TRANSLATE_NOOP("CalendarNames", "Sunday"),   QT_TRANSLATE_NOOP("CalendarNames", "Monday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Tuesday"),  QT_TRANSLATE_NOOP("CalendarNames", "Wednesday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Thursday"), QT_TRANSLATE_NOOP("CalendarNames", "Friday"),
    QT_TRANSLATE_NOOP("CalendarNames", "Saturday")};

constexpr std::array<const char *, 7> kWeekDayShort = {
    QT_TRANSLATE_NOOP("CalendarNames", "SUN"), QT_TRANSLATE_NOOP("CalendarNames", "MON"),
    QT_TRANSLATE_NOOP("CalendarNames", "TUE"), QT_TRANSLATE_NOOP("CalendarNames", "WED"),
    QT_TRANSLATE_NOOP("CalendarNames", "THU"), QT_TRANSLATE_NOOP("CalendarNames", "FRI"),
    QT_TRANSLATE_NOOP("CalendarNames", "SAT")};

enum class Spelling { Shown, English };

template <std::size_t N, std::size_t M>
void fillFromOne(std::array<QString, N> &table, const std::array<const char *, M> &names,
                 Spelling spelling)
{
    static_assert(N == M + 1, "a table has one unused slot at index 0");
    table[0].clear();
    for (std::size_t i = 0; i < M; ++i)
        table[i + 1] = spelling == Spelling::English
                           ? QString::fromLatin1(names[i])
                           : QCoreApplication::translate("CalendarNames", names[i]);
}

void loadMonthNames(NameTables &tables, Spelling spelling)
{
    fillFromOne(tables.HMonthName, kHijriLong, spelling);
    fillFromOne(tables.HMonthShort, kHijriShort, spelling);
    fillFromOne(tables.GMonthName, kGregorian, spelling);
}

void loadWeekDayNames(NameTables &tables, Spelling spelling)
{
    fillFromOne(tables.WeekDayName, kWeekDayLong, spelling);
    fillFromOne(tables.WeekDayShort, kWeekDayShort, spelling);
}

NameTables allNames(Spelling spelling)
{
    NameTables tables;
    loadMonthNames(tables, spelling);
    loadWeekDayNames(tables, spelling);
    return tables;
}

} // namespace

void LoadMonthNames(NameTables &tables)
{
    loadMonthNames(tables, Spelling::Shown);
}

void LoadWeekDayNames(NameTables &tables)
{
    loadWeekDayNames(tables, Spelling::Shown);
}

NameTables CalendarNames()
{
    return allNames(Spelling::Shown);
}

const NameTables &EnglishNames()
{
    static const NameTables tables = allNames(Spelling::English);
    return tables;
}

QString ShownNumber(qint64 number)
{
    QLocale shown;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    return shown.toString(number);
}

QString IsoDate(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

} // namespace qarnivo
