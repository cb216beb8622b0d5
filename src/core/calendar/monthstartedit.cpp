#include "core/calendar/monthstartedit.h"

#include "core/calendar/names.h"

#include <QCoreApplication>

#include <algorithm>

namespace qarnivo {

namespace {

bool setAsideBefore(const HijriCalendar &calendar, const AnnouncedStart &start)
{
    const std::vector<SetAsideStart> &before = calendar.setAside();
    return std::any_of(before.begin(), before.end(),
                       [&start](const SetAsideStart &old) { return old.start == start; });
}

// Takes `wanted` unless the calendar would set aside one of the months
// changed, or an announcement it applies today.
StartsChange checked(const HijriCalendar &calendar, const MonthStarts &wanted,
                     const MonthStarts &changed)
{
    const CheckedStarts check =
        CheckMonthStarts(wanted, calendar.kind(), calendar.correction(), changed);
    QStringList reasons;
    for (const SetAsideStart &aside : check.setAside) {
        if (changed.firstDayOf(aside.start.year, aside.start.month) ||
            !setAsideBefore(calendar, aside.start))
            reasons << aside.reason;
    }
    if (!reasons.isEmpty())
        return {calendar.announced(), reasons.join(u'\n')};
    return {wanted, QString()};
}

} // namespace

StartsChange WithAnnouncedStart(const HijriCalendar &calendar, const AnnouncedStart &start)
{
    if (start.year < kFirstAnnouncedYear || start.year > kLastAnnouncedYear)
        return {
            calendar.announced(),
            QCoreApplication::translate("MonthStarts", "Months from %1 to %2 AH may be announced.")
                .arg(ShownNumber(kFirstAnnouncedYear), ShownNumber(kLastAnnouncedYear))};
    MonthStarts wanted = calendar.announced();
    wanted.set(start);
    MonthStarts changed;
    changed.set(start);
    return checked(calendar, wanted, changed);
}

StartsChange WithoutAnnouncedStart(const HijriCalendar &calendar, int year, int month)
{
    MonthStarts wanted = calendar.announced();
    wanted.remove(year, month);
    return checked(calendar, wanted, MonthStarts());
}

StartsChange WithImportedStarts(const HijriCalendar &calendar, const QString &fileText)
{
    const SharedStarts shared = ReadSharingFile(fileText);
    if (!shared.refusal.isEmpty())
        return {calendar.announced(), shared.refusal};
    return checked(calendar, Merged(calendar.announced(), shared.starts), shared.starts);
}

StartsChange WithMonthMoved(const HijriCalendar &calendar, int year, int month, int days)
{
    const qint32 firstDay = calendar.firstDayOf(year, month) + days;
    if (firstDay == CalendarFirstDay(calendar.kind(), calendar.correction(), year, month))
        return WithoutAnnouncedStart(calendar, year, month);
    return WithAnnouncedStart(calendar, {year, month, firstDay});
}

QStringList AnnouncedStartLines(const HijriCalendar &calendar)
{
    QStringList lines;
    for (const AnnouncedStart &start : calendar.announced().entries()) {
        QString line = AnnouncedStartText(start);
        for (const SetAsideStart &aside : calendar.setAside()) {
            if (aside.start == start)
                line += QCoreApplication::translate("MonthStarts", " (set aside: %1)")
                            .arg(aside.reason);
        }
        lines << line;
    }
    return lines;
}

} // namespace qarnivo
