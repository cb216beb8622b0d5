#include "core/prayer/timetabletext.h"

#include "core/calendar/names.h"
#include "core/language/digits.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace qarnivo {

namespace {

const QString kNoTime = QStringLiteral("\u2014");
constexpr int kFriday = 5; // QDate::dayOfWeek(): 1 = Monday

// QDate counts weekdays from Monday = 1, the name tables from Sunday = 1.
int weekDayIndex(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1;
}

QString asciiNumber(qint64 number)
{
    return QString::number(number);
}

// The Hijri date in `names`, its numbers by `number` and laid out by `form`.
QString hijriText(const QDate &date, const HijriCalendar &calendar, const NameTables &names,
                  QString (*number)(qint64), const QString &form)
{
    const Ymd hijri = calendar.hijriOf(date);
    return form.arg(number(hijri.day), names.HMonthShort[hijri.month], number(hijri.year));
}

} // namespace

QString GregorianDateText(const QDate &date)
{
    const NameTables names = CalendarNames();
    return QCoreApplication::translate("Prayer", "%1 %2 %3 %4")
        .arg(names.WeekDayName[weekDayIndex(date)], ShownNumber(date.day()),
             names.GMonthName[date.month()], ShownNumber(date.year()));
}

QString TimetableDayText(const QDate &date)
{
    static const char *const days[] = {
        QT_TRANSLATE_NOOP("Prayer", "Sun"), QT_TRANSLATE_NOOP("Prayer", "Mon"),
        QT_TRANSLATE_NOOP("Prayer", "Tue"), QT_TRANSLATE_NOOP("Prayer", "Wed"),
        QT_TRANSLATE_NOOP("Prayer", "Thu"), QT_TRANSLATE_NOOP("Prayer", "Fri"),
        QT_TRANSLATE_NOOP("Prayer", "Sat")};
    return QCoreApplication::translate("Prayer", "%1 %2")
        .arg(QCoreApplication::translate("Prayer", days[weekDayIndex(date) - 1]),
             ShownNumber(date.day()));
}

QString HijriDateText(const QDate &date, const HijriCalendar &calendar)
{
    return hijriText(date, calendar, CalendarNames(), ShownNumber,
                     QCoreApplication::translate("Prayer", "%1 %2 %3"));
}

QString MonthTitle(int year, int month)
{
    return QCoreApplication::translate("Prayer", "%1 %2")
        .arg(CalendarNames().GMonthName[month], ShownNumber(year));
}

QString MethodCaption(const PrayerSettings &settings)
{
    return (settings.asr == AsrRule::Hanafi
                ? QCoreApplication::translate("Prayer", "%1, Hanafi Asr")
                : QCoreApplication::translate("Prayer", "%1, standard Asr"))
        .arg(PrayerMethodTitle(settings.method));
}

QString PrayerTimeText(const PrayerDay &day, Prayer prayer, bool clock24)
{
    const std::optional<int> minutes = day.at(prayer);
    return minutes ? ShownDigits(FormatPrayerTime(*minutes, clock24)) : kNoTime;
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
    QStringList header = {QCoreApplication::translate("Prayer", "Date"),
                          QCoreApplication::translate("Prayer", "Hijri date")};
    for (Prayer prayer : kDayTimes)
        header.append(PrayerName(prayer));
    QByteArray csv = CsvRecord(header);
    for (const PrayerDay &day : days) {
        QStringList fields = {
            day.date.toString(Qt::ISODate),
            hijriText(day.date, calendar, EnglishNames(), asciiNumber, QStringLiteral("%1 %2 %3"))};
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
    const QString title = QCoreApplication::translate("Prayer", "Prayer Times: %1, %2")
                              .arg(place, MonthTitle(year, month))
                              .toHtmlEscaped();
    const QString method = QCoreApplication::translate("Prayer", "Method: %1")
                               .arg(MethodCaption(settings))
                               .toHtmlEscaped();
    // Qt's printed tables keep their columns left to right whatever the text's
    // direction, so a right-to-left language's columns are laid out reversed.
    const bool rightToLeft = QLocale().textDirection() == Qt::RightToLeft;
    const auto row = [rightToLeft](QStringList cells, const QString &cellForm) {
        if (rightToLeft)
            std::reverse(cells.begin(), cells.end());
        QString html = QStringLiteral("<tr>");
        for (const QString &cell : cells)
            html += cellForm.arg(cell.toHtmlEscaped());
        return html + QStringLiteral("</tr>");
    };
    QStringList headings = {QCoreApplication::translate("Prayer", "Date"),
                            QCoreApplication::translate("Prayer", "Hijri date")};
    for (Prayer prayer : kDayTimes)
        headings.append(PrayerName(prayer));
    QString html =
        QStringLiteral("<html><body%1>"
                       "<h2 align=\"center\">%2</h2>"
                       "<p align=\"center\">%3</p>"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                       "align=\"center\" style=\"border-collapse: collapse\">")
            .arg(rightToLeft ? QStringLiteral(" dir=\"rtl\"") : QString(), title, method) +
        row(headings, QStringLiteral("<th>%1</th>"));
    for (const PrayerDay &day : days) {
        QStringList cells = {TimetableDayText(day.date), HijriDateText(day.date, calendar)};
        for (Prayer prayer : kDayTimes)
            cells.append(PrayerTimeText(day, prayer, settings.clock24));
        html += row(cells, day.date.dayOfWeek() == kFriday ? QStringLiteral("<td><b>%1</b></td>")
                                                           : QStringLiteral("<td>%1</td>"));
    }
    return html + QStringLiteral("</table></body></html>");
}

} // namespace qarnivo
