#include "core/calendar/names.h"

#include "core/calendar/englishnames.h"

#include <QCoreApplication>
#include <QLocale>

namespace qarnivo {

namespace {

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
