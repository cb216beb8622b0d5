#include "core/prayer/timetabletext.h"

#include "core/calendar/names.h"

namespace qarnivo {

namespace {

const QString kNoTime = QStringLiteral("\u2014");
constexpr int kFriday = 5; // QDate::dayOfWeek(): 1 = Monday

// QDate counts weekdays from Monday = 1, the name tables from Sunday = 1.
QString weekDayName(const QDate &date)
{
    return CalendarNames().WeekDayName[date.dayOfWeek() % 7 + 1];
}

} // namespace

QString GregorianDateText(const QDate &date)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(weekDayName(date))
        .arg(date.day())
        .arg(CalendarNames().GMonthName[date.month()])
        .arg(date.year());
}

QString TimetableDayText(const QDate &date)
{
    return weekDayName(date).left(3) + u' ' + QString::number(date.day());
}

QString HijriDateText(const QDate &date, const HijriCalendar &calendar)
{
    const Ymd hijri = calendar.hijriOf(date);
    return QStringLiteral("%1 %2 %3")
        .arg(hijri.day)
        .arg(CalendarNames().HMonthShort[hijri.month])
        .arg(hijri.year);
}

QString MonthTitle(int year, int month)
{
    return CalendarNames().GMonthName[month] + u' ' + QString::number(year);
}

QString MethodCaption(const PrayerSettings &settings)
{
    return PrayerMethodTitle(settings.method) + (settings.asr == AsrRule::Hanafi
                                                     ? QStringLiteral(", Hanafi Asr")
                                                     : QStringLiteral(", standard Asr"));
}

QString PrayerTimeText(const PrayerDay &day, Prayer prayer, bool clock24)
{
    const std::optional<int> minutes = day.at(prayer);
    return minutes ? FormatPrayerTime(*minutes, clock24) : kNoTime;
}

QString TimetableFileName(const QString &place, int year, int month, const QString &suffix)
{
    QString safe = place.trimmed();
    for (QChar &c : safe) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'-';
    }
    return QStringLiteral("Prayer Times %1 %2-%3.%4")
        .arg(safe)
        .arg(year, 4, 10, QChar(u'0'))
        .arg(month, 2, 10, QChar(u'0'))
        .arg(suffix);
}

QByteArray CsvRecord(const QStringList &fields)
{
    QStringList written;
    for (QString field : fields) {
        if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') ||
            field.contains(u'\r'))
            field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
        written.append(field);
    }
    return written.join(u',').toUtf8() + "\r\n";
}

QByteArray TimetableCsv(const std::vector<PrayerDay> &days, const HijriCalendar &calendar)
{
    QStringList header = {QStringLiteral("Date"), QStringLiteral("Hijri date")};
    for (Prayer prayer : kDayTimes)
        header.append(PrayerName(prayer));
    QByteArray csv = CsvRecord(header);
    for (const PrayerDay &day : days) {
        QStringList fields = {day.date.toString(Qt::ISODate), HijriDateText(day.date, calendar)};
        for (Prayer prayer : kDayTimes) {
            const std::optional<int> minutes = day.at(prayer);
            fields.append(minutes ? FormatPrayerTime(*minutes, true) : QString());
        }
        csv += CsvRecord(fields);
    }
    return csv;
}

QString TimetableHtml(const QString &place, int year, int month, const std::vector<PrayerDay> &days,
                      const PrayerSettings &settings, const HijriCalendar &calendar)
{
    QString html = QStringLiteral("<html><body>"
                                  "<h2 align=\"center\">Prayer Times: %1, %2</h2>"
                                  "<p align=\"center\">Method: %3</p>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "align=\"center\" style=\"border-collapse: collapse\">"
                                  "<tr><th>Date</th><th>Hijri date</th>")
                       .arg(place.toHtmlEscaped(), MonthTitle(year, month).toHtmlEscaped(),
                            MethodCaption(settings).toHtmlEscaped());
    for (Prayer prayer : kDayTimes)
        html += QStringLiteral("<th>%1</th>").arg(PrayerName(prayer).toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const PrayerDay &day : days) {
        const bool friday = day.date.dayOfWeek() == kFriday;
        QStringList cells = {TimetableDayText(day.date), HijriDateText(day.date, calendar)};
        for (Prayer prayer : kDayTimes)
            cells.append(PrayerTimeText(day, prayer, settings.clock24));
        html += QStringLiteral("<tr>");
        for (const QString &cell : cells) {
            const QString text = cell.toHtmlEscaped();
            html += friday ? QStringLiteral("<td><b>%1</b></td>").arg(text)
                           : QStringLiteral("<td>%1</td>").arg(text);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

} // namespace qarnivo
