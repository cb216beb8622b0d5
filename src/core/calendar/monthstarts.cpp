#include "core/calendar/monthstarts.h"

#include "core/calendar/monthview.h"
#include "core/calendar/names.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace qarnivo {

namespace {

int monthCount(int year, int month)
{
    return year * 12 + month - 1;
}

bool fairLength(int days)
{
    return days == 29 || days == 30;
}

QString westernText(qint32 julianDay)
{
    const Ymd western = JulianDayToGregorian(julianDay);
    return QCoreApplication::translate("MonthStarts", "%1 %2 %3")
        .arg(ShownNumber(western.day), CalendarNames().GMonthName[western.month],
             ShownNumber(western.year));
}

// A start read from its month and date texts, or why it cannot be.
struct ReadStart {
    std::optional<AnnouncedStart> start;
    QString why;
};

ReadStart readStart(const QString &monthText, const QString &dateText)
{
    static const QRegularExpression month(QStringLiteral("^(\\d{1,4})-(\\d{1,2})$"));
    static const QRegularExpression date(QStringLiteral("^(\\d{1,5})-(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch m = month.match(monthText);
    const QRegularExpressionMatch d = date.match(dateText);
    if (!m.hasMatch() || !d.hasMatch())
        return {std::nullopt, QCoreApplication::translate(
                                  "MonthStarts", "write the Hijri month and the Gregorian day it "
                                                 "began, such as 1447-09 2026-02-18")};
    const AnnouncedStart start{m.captured(1).toInt(), m.captured(2).toInt(), 0};
    if (start.year < kFirstAnnouncedYear || start.year > kLastAnnouncedYear || start.month < 1 ||
        start.month > 12)
        return {
            std::nullopt,
            QCoreApplication::translate("MonthStarts", "months from %1 to %2 AH may be announced")
                .arg(ShownNumber(kFirstAnnouncedYear), ShownNumber(kLastAnnouncedYear))};
    const Ymd western{d.captured(1).toInt(), d.captured(2).toInt(), d.captured(3).toInt()};
    const qint32 day = GregorianToJulianDay(western.year, western.month, western.day);
    const Ymd back = JulianDayToGregorian(day);
    if (western.month < 1 || western.month > 12 || back.year != western.year ||
        back.month != western.month || back.day != western.day)
        return {std::nullopt,
                QCoreApplication::translate("MonthStarts", "%1 is no date").arg(dateText)};
    return {AnnouncedStart{start.year, start.month, day}, QString()};
}

QString isoMonth(int year, int month)
{
    return IsoDate(year, month, 1).chopped(3);
}

QString isoDay(qint32 julianDay)
{
    const Ymd western = JulianDayToGregorian(julianDay);
    return IsoDate(western.year, western.month, western.day);
}

QString entriesText(const MonthStarts &starts, const QString &between, const QString &after)
{
    QString text;
    for (const AnnouncedStart &start : starts.entries())
        text += isoMonth(start.year, start.month) + between + isoDay(start.firstDay) + after;
    return text;
}

qint32 firstDayIn(const MonthStarts &applied, CalendarKind kind, int correction,
                  const HijriMonth &month)
{
    return applied.firstDayOf(month.year, month.month)
        .value_or(CalendarFirstDay(kind, correction, month.year, month.month));
}

QString lengthFault(const AnnouncedStart &start, const HijriMonth &month, int days)
{
    return QCoreApplication::translate("MonthStarts",
                                       "With %1, %2 would have %3 days; a month has 29 or 30.")
        .arg(AnnouncedStartText(start), AnnouncedMonthText(month.year, month.month),
             ShownNumber(days));
}

std::optional<QString> faultOf(const AnnouncedStart &start, const MonthStarts &applied,
                               CalendarKind kind, int correction)
{
    const qint32 calendarDay = CalendarFirstDay(kind, correction, start.year, start.month);
    const int apart = start.firstDay - calendarDay;
    if (std::abs(apart) > kMostDaysFromCalendar)
        return (apart > 0
                    ? QCoreApplication::translate("MonthStarts",
                                                  "%1 is %2 days after the calendar's 1st of that "
                                                  "month, %3; an announced month begins "
                                                  "at most %4 days from it.")
                    : QCoreApplication::translate("MonthStarts",
                                                  "%1 is %2 days before the calendar's 1st of that "
                                                  "month, %3; an announced month begins "
                                                  "at most %4 days from it."))
            .arg(AnnouncedStartText(start), ShownNumber(std::abs(apart)), westernText(calendarDay),
                 ShownNumber(kMostDaysFromCalendar));
    const HijriMonth own{start.month, start.year};
    const HijriMonth before = PreviousHijriMonth(own);
    if (const int days = start.firstDay - firstDayIn(applied, kind, correction, before);
        !fairLength(days))
        return lengthFault(start, before, days);
    if (const int days =
            firstDayIn(applied, kind, correction, NextHijriMonth(own)) - start.firstDay;
        !fairLength(days))
        return lengthFault(start, own, days);
    return std::nullopt;
}

// The first announcement the calendar cannot take, those of `checkedFirst`
// before the others, so that a fault a new entry makes is blamed on it.
std::optional<SetAsideStart> firstFault(const MonthStarts &applied, const MonthStarts &checkedFirst,
                                        CalendarKind kind, int correction)
{
    std::vector<AnnouncedStart> order;
    for (const AnnouncedStart &start : checkedFirst.entries()) {
        if (applied.firstDayOf(start.year, start.month) == start.firstDay)
            order.push_back(start);
    }
    const std::vector<AnnouncedStart> all = applied.entries();
    order.insert(order.end(), all.begin(), all.end());
    for (const AnnouncedStart &start : order) {
        if (const std::optional<QString> reason = faultOf(start, applied, kind, correction))
            return SetAsideStart{start, *reason};
    }
    return std::nullopt;
}

} // namespace

std::optional<qint32> MonthStarts::firstDayOf(int year, int month) const
{
    const auto found = m_firstDays.find(monthCount(year, month));
    if (found == m_firstDays.end())
        return std::nullopt;
    return found->second;
}

std::vector<AnnouncedStart> MonthStarts::entries() const
{
    std::vector<AnnouncedStart> list;
    list.reserve(m_firstDays.size());
    for (const auto &[count, firstDay] : m_firstDays)
        list.push_back({count / 12, count % 12 + 1, firstDay});
    return list;
}

void MonthStarts::set(const AnnouncedStart &start)
{
    m_firstDays.insert_or_assign(monthCount(start.year, start.month), start.firstDay);
}

void MonthStarts::remove(int year, int month)
{
    m_firstDays.erase(monthCount(year, month));
}

MonthStarts Merged(const MonthStarts &base, const MonthStarts &added)
{
    MonthStarts merged = base;
    for (const AnnouncedStart &start : added.entries())
        merged.set(start);
    return merged;
}

QString AnnouncedMonthText(int year, int month)
{
    return QCoreApplication::translate("MonthStarts", "%1 %2")
        .arg(CalendarNames().HMonthShort[month], ShownNumber(year));
}

QString AnnouncedStartText(const AnnouncedStart &start)
{
    return QCoreApplication::translate("MonthStarts", "1 %1 = %2")
        .arg(AnnouncedMonthText(start.year, start.month), westernText(start.firstDay));
}

QString AnnouncedMarkTip(qint32 firstDay)
{
    return QCoreApplication::translate("MonthStarts", "Begun by announcement on %1")
        .arg(westernText(firstDay));
}

std::optional<AnnouncedStart> ReadAnnouncedStart(const QString &text)
{
    const QStringList sides = text.trimmed().split(u'=');
    if (sides.size() != 2)
        return std::nullopt;
    return readStart(sides[0], sides[1]).start;
}

MonthStarts MonthStartsFromSetting(const QString &text)
{
    MonthStarts starts;
    for (const QString &entry : text.split(u' ', Qt::SkipEmptyParts)) {
        if (const std::optional<AnnouncedStart> start = ReadAnnouncedStart(entry))
            starts.set(*start);
    }
    return starts;
}

QString MonthStartsSettingText(const MonthStarts &starts)
{
    return entriesText(starts, QStringLiteral("="), QStringLiteral(" ")).trimmed();
}

SharedStarts ReadSharingFile(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList lines = text.split(u'\n');
    std::map<int, int> lineOfMonth;
    MonthStarts starts;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int number = int(index) + 1;
        const QString line = lines[index].section(u'#', 0, 0).remove(QChar(0xFEFF)).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(blanks);
        const ReadStart read =
            fields.size() == 2 ? readStart(fields[0], fields[1]) : readStart(QString(), QString());
        QString why = read.why;
        if (read.start) {
            const auto [earlier, isNew] =
                lineOfMonth.try_emplace(monthCount(read.start->year, read.start->month), number);
            if (isNew)
                starts.set(*read.start);
            else
                why = QCoreApplication::translate("MonthStarts", "%1 is already on line %2")
                          .arg(AnnouncedMonthText(read.start->year, read.start->month),
                               ShownNumber(earlier->second));
        }
        if (!why.isEmpty())
            return {MonthStarts(),
                    QCoreApplication::translate("MonthStarts", "Line %1 of the file: %2.")
                        .arg(ShownNumber(number), why)};
    }
    return {starts, QString()};
}

QString SharingFileText(const MonthStarts &starts)
{
    return QStringLiteral("# Hijri month, Gregorian day it began\n") +
           entriesText(starts, QStringLiteral(" "), QStringLiteral("\n"));
}

CheckedStarts CheckMonthStarts(const MonthStarts &starts, CalendarKind kind, int correction,
                               const MonthStarts &checkedFirst)
{
    CheckedStarts checked{starts, {}};
    while (const std::optional<SetAsideStart> fault =
               firstFault(checked.applied, checkedFirst, kind, correction)) {
        checked.setAside.push_back(*fault);
        checked.applied.remove(fault->start.year, fault->start.month);
    }
    std::sort(checked.setAside.begin(), checked.setAside.end(),
              [](const SetAsideStart &a, const SetAsideStart &b) {
                  return monthCount(a.start.year, a.start.month) <
                         monthCount(b.start.year, b.start.month);
              });
    return checked;
}

} // namespace qarnivo
