#include "cli/commandline.h"

#include "cli/dayandplace.h"
#include "cli/prayercommand.h"
#include "cli/qiblacommand.h"
#include "cli/todaymoment.h"
#include "cli/usage.h"
#include "core/calendar/checks.h"
#include "core/calendar/conversion.h"
#include "core/calendar/monthstartedit.h"
#include "core/calendar/monthview.h"
#include "core/calendar/names.h"
#include "core/files/savefile.h"
#include "core/readings/occasionexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>

namespace qarnivo {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kRefused = 2;

// A date as typed: YYYY-MM-DD with a month and day that exist on some
// calendar page. Whether the date itself is valid is the checks' to say.
std::optional<Ymd> parseDate(const QString &text, int lastDay)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})-(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const Ymd date{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > lastDay)
        return std::nullopt;
    return date;
}

std::optional<HijriMonth> parseMonth(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4})-(\\d{1,2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const HijriMonth month{match.captured(2).toInt(), match.captured(1).toInt()};
    if (month.month < 1 || month.month > 12)
        return std::nullopt;
    return month;
}

// The window's messages break lines with CR LF; a terminal wants LF.
QString plainLines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

class Printer {
public:
    Printer(const QCommandLineParser &parser, const HijriCalendar &calendar, const QDate &today,
            QTextStream &out, QTextStream &err)
        : m_parser(parser), m_calendar(calendar), m_today(today), m_out(out), m_err(err)
    {
    }

    int convert(const QStringList &dates, bool toGregorian);
    int today(const TodayMoment &moment);
    int month(const QStringList &arguments);
    int exportOccasions(const QString &path);

private:
    std::optional<qint32> refuseOrConvert(const QString &text, bool toGregorian);
    // On an eve (the Hijri day begun at sunset) the next day's Hijri date.
    void printDate(qint32 day, int weekDay, std::optional<bool> eve = std::nullopt);
    void printGrid(const HijriMonth &shown, const MonthLayout &layout);
    void printMonthJson(const HijriMonth &shown, const MonthLayout &layout);
    QString calendarName(int hijriYear) const;
    // The title in JSON: English, ASCII digits.
    static QString monthTitle(const HijriMonth &shown)
    {
        return QStringLiteral("%1 %2").arg(EnglishNames().HMonthShort[shown.month]).arg(shown.year);
    }
    QString fallbackNote(int hijriYear) const;
    QString sourceName(const Ymd &hijri) const
    {
        return HijriSourceName(m_calendar.sourceOf(hijri.year, hijri.month));
    }

    const QCommandLineParser &m_parser;
    const HijriCalendar m_calendar;
    const QDate m_today;
    QTextStream &m_out;
    QTextStream &m_err;
    const NameTables m_names = CalendarNames();
};

std::optional<qint32> Printer::refuseOrConvert(const QString &text, bool toGregorian)
{
    const std::optional<Ymd> typed = parseDate(text, toGregorian ? 30 : 31);
    if (!typed) {
        m_err << QCoreApplication::translate("CommandLine",
                                             "\"%1\" is not a date: write it as YYYY-MM-DD.")
                     .arg(ShownArgument(text))
              << Qt::endl;
        return std::nullopt;
    }
    const QString year = QString::number(typed->year);
    const CheckedDate checked = toGregorian ? CheckHijriInput(year, typed->month, typed->day)
                                            : CheckGregorianInput(year, typed->month, typed->day);
    if (checked.refusal) {
        m_err << plainLines(checked.refusal->text) << Qt::endl;
        return std::nullopt;
    }
    const Ymd &date = checked.date;
    if (const std::optional<Refusal> missing =
            toGregorian ? CheckHijriDay(m_calendar, date) : std::nullopt) {
        m_err << missing->text << Qt::endl;
        return std::nullopt;
    }
    return toGregorian ? m_calendar.julianDayOf(date)
                       : GregorianToJulianDay(date.year, date.month, date.day);
}

// The calendar a date was given in: Umm al-Qura within its table, the
// arithmetical one everywhere else.
QString Printer::calendarName(int hijriYear) const
{
    return m_calendar.kind() == CalendarKind::UmmAlQura && !m_calendar.outsideTable(hijriYear)
               ? QStringLiteral("umm-al-qura")
               : QStringLiteral("tabular");
}

QString Printer::fallbackNote(int hijriYear) const
{
    return m_calendar.outsideTable(hijriYear)
               ? QCoreApplication::translate(
                     "CommandLine", "  (arithmetical: outside the Umm al-Qura table, %1 to %2 AH)")
                     .arg(ShownNumber(ummalqura::kFirstTableYear),
                          ShownNumber(ummalqura::kLastTableYear))
               : QString();
}

void Printer::printDate(qint32 day, int weekDay, std::optional<bool> eve)
{
    const Ymd western = JulianDayToGregorian(day);
    const Ymd hijri = m_calendar.hijriOf(day + (eve.value_or(false) ? 1 : 0));
    const QString gregorian = IsoDate(western.year, western.month, western.day);
    const QString hijriIso = IsoDate(hijri.year, hijri.month, hijri.day);
    if (m_parser.isSet(QStringLiteral("json"))) {
        const NameTables &english = EnglishNames();
        const auto text = [](const Ymd &date, const QString &monthName) {
            return QStringLiteral("%1 %2 %3").arg(date.day).arg(monthName).arg(date.year);
        };
        QJsonObject object{
            {QStringLiteral("calendar"), calendarName(hijri.year)},
            {QStringLiteral("source"), sourceName(hijri)},
            {QStringLiteral("gregorian"), gregorian},
            {QStringLiteral("hijri"), hijriIso},
            {QStringLiteral("weekday"), english.WeekDayName[weekDay]},
            {QStringLiteral("hijri_text"), text(hijri, english.HMonthShort[hijri.month])},
            {QStringLiteral("gregorian_text"), text(western, english.GMonthName[western.month])}};
        if (eve)
            object.insert(QStringLiteral("eve"), *eve);
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        return;
    }
    const QString line =
        eve.value_or(false)
            ? QCoreApplication::translate("CommandLine", "%1  %2  %3  %4 = %5 (from Maghrib)")
            : QCoreApplication::translate("CommandLine", "%1  %2  %3  %4 = %5");
    m_out << line.arg(gregorian, hijriIso, m_names.WeekDayName[weekDay],
                      ShownDate(western, m_names.GMonthName[western.month]),
                      ShownDate(hijri, m_names.HMonthShort[hijri.month]))
          << fallbackNote(hijri.year) << '\n';
}

int Printer::convert(const QStringList &dates, bool toGregorian)
{
    if (dates.isEmpty()) {
        m_err << QCoreApplication::translate("CommandLine",
                                             "Name at least one date, written YYYY-MM-DD.")
              << Qt::endl;
        return kRefused;
    }
    int status = kDone;
    for (const QString &text : dates) {
        const std::optional<qint32> day = refuseOrConvert(text, toGregorian);
        if (!day) {
            status = kRefused;
            continue;
        }
        printDate(*day, WeekDayOf(*day));
    }
    return status;
}

int Printer::today(const TodayMoment &moment)
{
    const QDate date = moment.date;
    const std::optional<qint32> day =
        refuseOrConvert(IsoDate(date.year(), date.month(), date.day()), false);
    if (!day)
        return kRefused;
    printDate(*day, WeekDayOf(*day), moment.eve);
    if (!m_parser.isSet(QStringLiteral("json")))
        m_out << (m_calendar.kind() == CalendarKind::UmmAlQura
                      ? QCoreApplication::translate(
                            "CommandLine",
                            "Calendar: Umm al-Qura (Saudi Arabia), correction %1 days")
                      : QCoreApplication::translate(
                            "CommandLine", "Calendar: arithmetical (tabular), correction %1 days"))
                     .arg(ShownNumber(m_calendar.correction()))
              << '\n';
    return kDone;
}

int Printer::month(const QStringList &arguments)
{
    HijriMonth shown;
    if (arguments.isEmpty()) {
        const Ymd hijri = m_calendar.hijriOf(m_today);
        shown = {hijri.month, hijri.year};
    } else {
        const std::optional<HijriMonth> typed = parseMonth(arguments.first());
        if (!typed) {
            m_err << QCoreApplication::translate(
                         "CommandLine", "\"%1\" is not a Hijri month: write it as YYYY-MM.")
                         .arg(ShownArgument(arguments.first()))
                  << Qt::endl;
            return kRefused;
        }
        shown = *typed;
    }
    if (shown.year < 1 || !InMonthView(shown.month, shown.year)) {
        m_err << plainLines(DateRangeMessage()) << Qt::endl;
        return kRefused;
    }
    const MonthLayout layout = m_calendar.month(shown.year, shown.month);
    if (m_parser.isSet(QStringLiteral("json")))
        printMonthJson(shown, layout);
    else
        printGrid(shown, layout);
    return kDone;
}

// One object for the month, its week rows as arrays of seven days (null
// where the row has no day of the month), with no empty row.
void Printer::printMonthJson(const HijriMonth &shown, const MonthLayout &layout)
{
    QJsonArray weeks;
    for (const auto &week : layout.days) {
        if (week[0] == 0 && week[6] == 0)
            continue;
        QJsonArray row;
        for (const int day : week)
            row.append(day == 0 ? QJsonValue() : QJsonValue(day));
        weeks.append(row);
    }
    const Ymd first = JulianDayToGregorian(layout.firstDay);
    const Ymd last = JulianDayToGregorian(layout.followingDay - 1);
    const QJsonObject object{
        {QStringLiteral("calendar"), calendarName(shown.year)},
        {QStringLiteral("source"), sourceName({shown.year, shown.month, 1})},
        {QStringLiteral("month"), IsoDate(shown.year, shown.month, 1).chopped(3)},
        {QStringLiteral("title"), monthTitle(shown)},
        {QStringLiteral("days"), layout.monthDays},
        {QStringLiteral("first_gregorian"), IsoDate(first.year, first.month, first.day)},
        {QStringLiteral("last_gregorian"), IsoDate(last.year, last.month, last.day)},
        {QStringLiteral("weeks"), weeks}};
    m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
}

void Printer::printGrid(const HijriMonth &shown, const MonthLayout &layout)
{
    const QDate today = m_today;
    const qint32 todayNumber = GregorianToJulianDay(today.year(), today.month(), today.day());
    const QString title = QCoreApplication::translate("CommandLine", "%1 %2")
                              .arg(m_names.HMonthShort[shown.month], ShownNumber(shown.year));
    m_out << QString(qMax(0, (28 - int(title.size())) / 2), u' ') << title << '\n';
    m_out << QCoreApplication::translate("CommandLine", " Su  Mo  Tu  We  Th  Fr  Sa") << '\n';
    for (const auto &week : layout.days) {
        if (week[0] == 0 && week[6] == 0)
            continue;
        QString line;
        for (const int day : week) {
            const bool isToday = day > 0 && layout.firstDay + day - 1 == todayNumber;
            line += day == 0  ? QStringLiteral("    ")
                    : isToday ? QStringLiteral("[%1]").arg(ShownNumber(day), 2)
                              : QStringLiteral(" %1 ").arg(ShownNumber(day), 2);
        }
        m_out << line.remove(QRegularExpression(QStringLiteral("\\s+$"))) << '\n';
    }
    const Ymd first = JulianDayToGregorian(layout.firstDay);
    const Ymd last = JulianDayToGregorian(layout.followingDay - 1);
    m_out << QCoreApplication::translate("CommandLine", "1 %1 = %2; %3 %1 = %4")
                 .arg(m_names.HMonthShort[shown.month],
                      ShownDate(first, m_names.GMonthName[first.month]),
                      ShownNumber(layout.monthDays),
                      ShownDate(last, m_names.GMonthName[last.month]))
          << '\n';
}

int Printer::exportOccasions(const QString &path)
{
    bool number = false;
    const int year = m_parser.value(QStringLiteral("hijri-year")).toInt(&number);
    if (!number || year < 1 || year > kLastViewYear) {
        m_err << QCoreApplication::translate("CommandLine",
                                             "Name the Hijri year with --hijri-year, 1 to %1.")
                     .arg(ShownNumber(kLastViewYear))
              << Qt::endl;
        return kRefused;
    }
    const QString problem = SaveOccasionFile(
        path, OccasionCalendar(year, m_calendar, m_names, QDateTime::currentDateTimeUtc()));
    if (!problem.isEmpty()) {
        m_err << problem << Qt::endl;
        // A device or pipe named as the file is the caller's mistake, not a failed write.
        return RefusedSaveTarget(path).isEmpty() ? kFailed : kRefused;
    }
    m_out << QCoreApplication::translate("CommandLine", "%1 occasions of %2 AH written to %3")
                 .arg(ShownNumber(OccasionCount(year, m_calendar)), ShownNumber(year), path)
          << '\n';
    const QString leftOut = OccasionsLeftOutNote(OccasionsLeftOut(year, m_calendar));
    if (!leftOut.isEmpty())
        m_err << leftOut << Qt::endl;
    return kDone;
}

// --lang over the stored choice; nothing, with the reason told, when it is refused.
std::optional<Language> readLanguage(const QCommandLineParser &parser, Language stored,
                                     QTextStream &err)
{
    if (!parser.isSet(QStringLiteral("lang")))
        return stored;
    const QString name = parser.value(QStringLiteral("lang"));
    const Language language = LanguageFromSetting(name);
    if (language == Language::System || name != LanguageSettingText(language)) {
        err << QCoreApplication::translate("CommandLine", "The language is en, ar or ur.")
            << Qt::endl;
        return std::nullopt;
    }
    return language;
}

// --calendar and --correction over the stored choices; false, with the
// reason told, when one is refused.
bool readCalendarChoices(const QCommandLineParser &parser, StoredChoices &choices, QTextStream &err)
{
    if (parser.isSet(QStringLiteral("correction"))) {
        bool number = false;
        const int correction = parser.value(QStringLiteral("correction")).toInt(&number);
        if (!number || correction < -32768 || correction > 32767) {
            err << QCoreApplication::translate(
                       "CommandLine", "The correction is a whole number of days, such as -1 or 2.")
                << Qt::endl;
            return false;
        }
        choices.correction = static_cast<qint16>(correction);
    }
    if (parser.isSet(QStringLiteral("calendar"))) {
        const QString name = parser.value(QStringLiteral("calendar"));
        if (name == QLatin1String("tabular")) {
            choices.calendar = CalendarKind::Tabular;
        } else if (name == QLatin1String("umm-al-qura")) {
            choices.calendar = CalendarKind::UmmAlQura;
        } else {
            err << QCoreApplication::translate("CommandLine",
                                               "The calendar is tabular or umm-al-qura.")
                << Qt::endl;
            return false;
        }
    }
    return true;
}

// --month-starts FILE, then each --month-start, over the stored
// announcements; false, with the refusal told, when one is refused.
bool readMonthStarts(const QCommandLineParser &parser, StoredChoices &choices, QTextStream &err)
{
    const auto take = [&choices, &err](const StartsChange &change) {
        if (change.refused())
            err << change.refusal << Qt::endl;
        else
            choices.monthStarts = change.starts;
        return !change.refused();
    };
    if (parser.isSet(QStringLiteral("month-starts"))) {
        const QString path = parser.value(QStringLiteral("month-starts"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            err << QCoreApplication::translate("CommandLine", "%1 could not be read: %2")
                       .arg(path, FailureReason(file))
                << Qt::endl;
            return false;
        }
        if (!take(WithImportedStarts(choices.hijriCalendar(), QString::fromUtf8(file.readAll()))))
            return false;
    }
    for (const QString &text : parser.values(QStringLiteral("month-start"))) {
        const std::optional<AnnouncedStart> start = ReadAnnouncedStart(text);
        if (!start) {
            err << QCoreApplication::translate("CommandLine",
                                               "\"%1\" is not a month start: write it as "
                                               "YYYY-MM=YYYY-MM-DD, from %2 to %3 AH.")
                       .arg(ShownArgument(text), ShownNumber(kFirstAnnouncedYear),
                            ShownNumber(kLastAnnouncedYear))
                << Qt::endl;
            return false;
        }
        if (!take(WithAnnouncedStart(choices.hijriCalendar(), *start)))
            return false;
    }
    return true;
}

} // namespace

int RunCommandLine(const QStringList &arguments, const CommandLineInput &input, QTextStream &out,
                   QTextStream &err)
{
    QCommandLineParser parser;
    DescribeOptions(parser);
    const bool parsed = parser.parse(arguments);
    const std::optional<Language> language = readLanguage(parser, input.stored.language, err);
    if (!language)
        return kRefused;
    if (input.useLanguage)
        input.useLanguage(*language);
    if (const QString problem = UsageError(parser, parsed, arguments); !problem.isEmpty()) {
        err << problem << Qt::endl;
        return kRefused;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // Described again, now that the chosen language's translation is in place.
        QCommandLineParser translated;
        DescribeOptions(translated);
        out << translated.helpText();
        return kDone;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << QStringLiteral("Qarnivo %1.%2\n")
                   .arg(QARNIVO_VERSION_MAJOR)
                   .arg(QARNIVO_VERSION_MINOR);
        return kDone;
    }
    StoredChoices choices = input.stored;
    if (!readCalendarChoices(parser, choices, err) || !readMonthStarts(parser, choices, err))
        return kRefused;
    const HijriCalendar calendar = choices.hijriCalendar();
    for (const SetAsideStart &aside : calendar.setAside())
        err << QCoreApplication::translate("CommandLine", "Set aside: %1").arg(aside.reason)
            << Qt::endl;
    if (parser.isSet(QStringLiteral("prayer-times")))
        return PrintPrayerTimes(parser, {input.stored.prayer, input.city, input.today, calendar},
                                out, err);
    const CrescentChoices crescent{input.city, input.today, input.stored.crescentCriterion};
    if (parser.isSet(QStringLiteral("crescent")))
        return PrintCrescent(parser, crescent, out, err);
    if (parser.isSet(QStringLiteral("crescent-map")))
        return WriteCrescentMap(parser, crescent, input.writeCrescentMap, err);
    if (parser.isSet(QStringLiteral("qibla")))
        return PrintQibla(parser, input.city, out, err);
    Printer printer(parser, calendar, input.today, out, err);
    const QStringList dates = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("convert")))
        return printer.convert(dates, false);
    if (parser.isSet(QStringLiteral("to-gregorian")))
        return printer.convert(dates, true);
    if (parser.isSet(QStringLiteral("month")))
        return printer.month(dates);
    if (parser.isSet(QStringLiteral("export-ics")))
        return printer.exportOccasions(parser.value(QStringLiteral("export-ics")));
    const std::optional<TodayMoment> moment = ReadTodayMoment(parser, input, err);
    return moment ? printer.today(*moment) : kRefused;
}

} // namespace qarnivo
