#include "core/readings/occasionexport.h"

#include "core/files/savefile.h"
#include "core/readings/occasions.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

#include <functional>

namespace qarnivo {

namespace {

constexpr int kFoldOctets = 75;

// iCalendar years have four digits: no event can start after this day.
const QDate kLastIcsDay(9999, 12, 31);

using OccasionVisit = std::function<void(int month, int day, const QString &text, QDate start)>;

// Each occasion of the year that falls on a real day of it (day 30 of a
// 29-day month does not exist), with the Western day it starts on.
// iCalendar dates are proleptic Gregorian, also before 1582.
void forEachOccasion(int hijriYear, const HijriCalendar &calendar, const OccasionVisit &visit)
{
    const DateTable table = BuildOccasionTable(hijriYear);
    for (int month = 1; month <= DateTable::kLastMonth; ++month) {
        for (int day = 1; day <= DateTable::kLastDay; ++day) {
            const QString text = OccasionDisplayText(table.at(month, day));
            if (text.isEmpty() ||
                calendar.hijriOf(calendar.julianDayOf({hijriYear, month, day})).month != month)
                continue;
            visit(month, day, text,
                  QDate::fromJulianDay(calendar.julianDayOf({hijriYear, month, day})));
        }
    }
}

QString icsDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

QString OccasionFileName(int hijriYear)
{
    return QStringLiteral("Qarnivo Occasions %1 AH.ics").arg(hijriYear);
}

QString IcsText(QString text)
{
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u';', QLatin1String("\\;"));
    text.replace(u',', QLatin1String("\\,"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(u'\n', QLatin1String("\\n"));
    text.remove(u'\r');
    return text;
}

QByteArray IcsLine(const QString &line)
{
    const QByteArray octets = line.toUtf8();
    QByteArray folded;
    int lineStart = 0; // where the current physical line began in `folded`
    for (qsizetype i = 0; i < octets.size();) {
        // The whole UTF-8 character, lead byte and continuation bytes.
        qsizetype end = i + 1;
        while (end < octets.size() && (quint8(octets[end]) & 0xC0) == 0x80)
            ++end;
        if (folded.size() - lineStart + (end - i) > kFoldOctets) {
            folded += "\r\n ";
            lineStart = int(folded.size()) - 1; // the leading space counts
        }
        folded += octets.mid(i, end - i);
        i = end;
    }
    return folded + "\r\n";
}

QString SaveOccasionFile(const QString &path, const QByteArray &content)
{
    const QString reason = SaveBytes(path, content);
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate("Readings", "%1 could not be written: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

int OccasionCount(int hijriYear, const HijriCalendar &calendar)
{
    int count = 0;
    forEachOccasion(hijriYear, calendar, [&count](int, int, const QString &, QDate start) {
        count += start <= kLastIcsDay ? 1 : 0;
    });
    return count;
}

int OccasionsLeftOut(int hijriYear, const HijriCalendar &calendar)
{
    int count = 0;
    forEachOccasion(hijriYear, calendar, [&count](int, int, const QString &, QDate start) {
        count += start > kLastIcsDay ? 1 : 0;
    });
    return count;
}

QString OccasionsLeftOutNote(int leftOut)
{
    if (leftOut == 0)
        return {};
    return QCoreApplication::translate("Readings",
                                       "%1 occasions after 31 December 9999 left out: iCalendar "
                                       "dates have four-digit years.")
        .arg(ShownNumber(leftOut));
}

QByteArray OccasionCalendar(int hijriYear, const HijriCalendar &calendar, const NameTables &names,
                            const QDateTime &stamp)
{
    QByteArray file;
    const auto add = [&file](const QString &line) { file += IcsLine(line); };
    add(QStringLiteral("BEGIN:VCALENDAR"));
    add(QStringLiteral("VERSION:2.0"));
    add(QStringLiteral("PRODID:-//Qarnivo//Hijri occasions//EN"));
    add(QStringLiteral("CALSCALE:GREGORIAN"));
    add(QStringLiteral("X-WR-CALNAME:") + IcsText(OccasionFileName(hijriYear).chopped(4)));
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    forEachOccasion(hijriYear, calendar, [&](int month, int day, const QString &text, QDate start) {
        if (start > kLastIcsDay)
            return;
        add(QStringLiteral("BEGIN:VEVENT"));
        add(QStringLiteral("UID:%1-%2-%3@qarnivo")
                .arg(hijriYear)
                .arg(month, 2, 10, QLatin1Char('0'))
                .arg(day, 2, 10, QLatin1Char('0')));
        add(QStringLiteral("DTSTAMP:") + dtstamp);
        add(QStringLiteral("DTSTART;VALUE=DATE:") + icsDate(start));
        add(QStringLiteral("DTEND;VALUE=DATE:") + icsDate(start.addDays(1)));
        add(QStringLiteral("SUMMARY:") + IcsText(text));
        add(QStringLiteral("DESCRIPTION:") + IcsText(QStringLiteral("%1 %2 %3 AH")
                                                         .arg(day)
                                                         .arg(names.HMonthName[month])
                                                         .arg(hijriYear)));
        add(QStringLiteral("TRANSP:TRANSPARENT"));
        add(QStringLiteral("END:VEVENT"));
    });
    add(QStringLiteral("END:VCALENDAR"));
    return file;
}

} // namespace qarnivo
