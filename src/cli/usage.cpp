#include "cli/usage.h"

#include "cli/crescentcommand.h"
#include "cli/prayercommand.h"
#include "cli/qiblacommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace qarnivo {

namespace {

constexpr int kAnyNumber = -1;

struct Command {
    QString name;
    QStringList options;
    int positionals; // how many DATEs (or months) it takes
};

const std::vector<Command> &commands()
{
    static const QStringList calendar = {QStringLiteral("calendar"), QStringLiteral("correction"),
                                         QStringLiteral("month-start"),
                                         QStringLiteral("month-starts"), QStringLiteral("json")};
    static const std::vector<Command> list = {
        {QStringLiteral("convert"), calendar, kAnyNumber},
        {QStringLiteral("to-gregorian"), calendar, kAnyNumber},
        {QStringLiteral("today"),
         calendar + QStringList{QStringLiteral("at"), QStringLiteral("day-starts")}, 0},
        {QStringLiteral("month"), calendar, 1},
        {QStringLiteral("export-ics"),
         {QStringLiteral("calendar"), QStringLiteral("correction"), QStringLiteral("month-start"),
          QStringLiteral("month-starts"), QStringLiteral("hijri-year")},
         0},
        {QStringLiteral("prayer-times"),
         calendar + QStringList{QStringLiteral("date"), QStringLiteral("latitude"),
                                QStringLiteral("longitude"), QStringLiteral("utc-offset"),
                                QStringLiteral("dst"), QStringLiteral("method"),
                                QStringLiteral("asr"), QStringLiteral("high-latitude")},
         0},
        {QStringLiteral("crescent"),
         {QStringLiteral("date"), QStringLiteral("latitude"), QStringLiteral("longitude"),
          QStringLiteral("utc-offset"), QStringLiteral("elevation"), QStringLiteral("criterion"),
          QStringLiteral("json")},
         0},
        {QStringLiteral("crescent-map"),
         {QStringLiteral("date"), QStringLiteral("output"), QStringLiteral("criterion"),
          QStringLiteral("latitude"), QStringLiteral("longitude")},
         0},
        {QStringLiteral("qibla"),
         {QStringLiteral("latitude"), QStringLiteral("longitude"), QStringLiteral("json")},
         0},
    };
    return list;
}

QString seeHelp(const QString &problem)
{
    return QCoreApplication::translate("CommandLine", "%1 See Qarnivo --help.").arg(problem);
}

QString quoted(const QString &argument)
{
    return u'"' + ShownArgument(argument) + u'"';
}

// The arguments as typed that hold the options the parser did not know.
QString unknownOptions(const QStringList &unknown, const QStringList &arguments)
{
    QStringList shown;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const QString typed = argument.section(u'=', 0, 0);
        const bool isLong = typed.startsWith(QLatin1String("--"));
        // One dash: the parser reads each letter as an option.
        const bool holdsUnknown =
            isLong ? unknown.contains(typed.mid(2))
                   : typed.size() > 1 && typed.startsWith(u'-') &&
                         std::any_of(typed.begin() + 1, typed.end(),
                                     [&unknown](QChar letter) { return unknown.contains(letter); });
        if (holdsUnknown && !shown.contains(quoted(typed)))
            shown << quoted(typed);
    }
    return seeHelp(QCoreApplication::translate("CommandLine", "Unknown option: %1.")
                       .arg(shown.join(QLatin1String(", "))));
}

// The options given, by their long names, each once.
QStringList givenOptions(const QCommandLineParser &parser)
{
    QStringList given;
    for (QString name : parser.optionNames()) {
        if (name == QLatin1String("h"))
            name = QStringLiteral("help");
        else if (name == QLatin1String("v"))
            name = QStringLiteral("version");
        if (!given.contains(name))
            given << name;
    }
    return given;
}

QString listed(const QStringList &options, const QStringList &positionals)
{
    QStringList shown;
    for (const QString &option : options)
        shown << QLatin1String("--") + option;
    for (const QString &positional : positionals)
        shown << quoted(positional);
    return shown.join(QLatin1String(", "));
}

} // namespace

void DescribeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Qarnivo, the Hijri calendar. Without options it opens its windows."));
    parser.addOptions({
        {QStringLiteral("convert"),
         QCoreApplication::translate(
             "CommandLine",
             "Converts each Gregorian DATE (Julian before 15 October 1582) to Hijri.")},
        {QStringLiteral("to-gregorian"),
         QCoreApplication::translate("CommandLine", "Converts each Hijri DATE to Gregorian.")},
        {QStringLiteral("today"),
         QCoreApplication::translate("CommandLine", "Prints today's Hijri and Gregorian date.")},
        {QStringLiteral("at"),
         QCoreApplication::translate("CommandLine",
                                     "--today as at a clock time of the default city's UTC offset, "
                                     "YYYY-MM-DDTHH:MM."),
         QStringLiteral("TIME")},
        {QStringLiteral("day-starts"),
         QCoreApplication::translate(
             "CommandLine", "sunset (the Hijri day begins at the default city's Maghrib) or "
                            "midnight (default: the stored choice)."),
         QStringLiteral("WHEN")},
        {QStringLiteral("month"),
         QCoreApplication::translate(
             "CommandLine", "Prints a Hijri month (YYYY-MM, default today's) as a week grid.")},
        {QStringLiteral("export-ics"),
         QCoreApplication::translate("CommandLine",
                                     "Writes the occasions of a Hijri year as an iCalendar FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("hijri-year"),
         QCoreApplication::translate("CommandLine", "The Hijri year to export."),
         QStringLiteral("Y")},
        {QStringLiteral("calendar"),
         QCoreApplication::translate(
             "CommandLine", "tabular or umm-al-qura (default: the stored choice, else tabular)."),
         QStringLiteral("NAME")},
        {QStringLiteral("correction"),
         QCoreApplication::translate(
             "CommandLine", "The day correction of the Options window (default: the stored one): "
                            "Hijri dates lie N days later."),
         QStringLiteral("N")},
        {QStringLiteral("month-start"),
         QCoreApplication::translate(
             "CommandLine", "A Hijri month's announced 1st, such as 1447-09=2026-02-18, on top of "
                            "the stored ones; may be given again."),
         QStringLiteral("YYYY-MM=YYYY-MM-DD")},
        {QStringLiteral("month-starts"),
         QCoreApplication::translate(
             "CommandLine", "Announced 1sts from a FILE, one \"1447-09 2026-02-18\" a line."),
         QStringLiteral("FILE")},
        {QStringLiteral("json"),
         QCoreApplication::translate(
             "CommandLine", "Prints each date, a month (one object, its week rows as arrays) or "
                            "the prayer times, the crescent or the Qibla as a JSON object, one a "
                            "line; \"source\" tells "
                            "whether its Hijri month was announced.")},
        {QStringLiteral("lang"),
         QCoreApplication::translate(
             "CommandLine", "The language of the answer: en, ar or ur (default: the stored choice, "
                            "else the system's)."),
         QStringLiteral("LANGUAGE")},
        {{QStringLiteral("h"), QStringLiteral("help")},
         QCoreApplication::translate("CommandLine", "Shows this help.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QCoreApplication::translate("CommandLine", "Shows the version.")},
    });
    DescribePrayerOptions(parser);
    DescribeCrescentOptions(parser);
    DescribeQiblaOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("DATE"),
        QCoreApplication::translate("CommandLine", "A date written YYYY-MM-DD."),
        QStringLiteral("[DATE...]"));
}

QString ShownArgument(const QString &argument)
{
    constexpr qsizetype kLongest = 40;
    qsizetype kept = argument.size() > kLongest ? kLongest - 3 : argument.size();
    if (kept < argument.size() && argument.at(kept - 1).isHighSurrogate())
        --kept;
    QString shown;
    for (const QChar letter : argument.left(kept)) {
        const QChar::Category category = letter.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            shown += letter.unicode() < 0x100
                         ? QStringLiteral("\\x%1").arg(letter.unicode(), 2, 16, QLatin1Char('0'))
                         : QStringLiteral("\\u%1").arg(letter.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += letter;
    }
    return kept < argument.size() ? shown + QLatin1String("...") : shown;
}

QString UsageError(const QCommandLineParser &parser, bool parsed, const QStringList &arguments)
{
    if (!parsed) {
        return parser.unknownOptionNames().isEmpty()
                   ? seeHelp(parser.errorText())
                   : unknownOptions(parser.unknownOptionNames(), arguments);
    }
    QStringList options = givenOptions(parser);
    if (options.contains(QLatin1String("help")) || options.contains(QLatin1String("version")))
        return QString();
    // Every command answers in the chosen language.
    options.removeOne(QStringLiteral("lang"));
    QStringList positionals = parser.positionalArguments();
    std::vector<const Command *> named;
    for (const Command &command : commands()) {
        if (options.removeOne(command.name))
            named.push_back(&command);
    }
    if (named.empty()) {
        const QString given = listed(options, positionals);
        return seeHelp(
            given.isEmpty()
                ? QCoreApplication::translate("CommandLine",
                                              "No command: give one of --convert, "
                                              "--to-gregorian, --today, --month, --export-ics, "
                                              "--prayer-times, --crescent, --crescent-map or "
                                              "--qibla.")
                : QCoreApplication::translate(
                      "CommandLine", "No command for %1: give one of --convert, --to-gregorian, "
                                     "--today, --month, --export-ics, --prayer-times, --crescent, "
                                     "--crescent-map or --qibla.")
                      .arg(given));
    }
    const Command &command = *named.front();
    if (named.size() > 1)
        return seeHelp(
            QCoreApplication::translate("CommandLine", "--%1 and --%2 do not go together.")
                .arg(command.name, named[1]->name));
    options.removeIf([&command](const QString &name) { return command.options.contains(name); });
    positionals.remove(0, command.positionals == kAnyNumber
                              ? positionals.size()
                              : std::min<qsizetype>(command.positionals, positionals.size()));
    if (options.isEmpty() && positionals.isEmpty())
        return QString();
    return seeHelp(QCoreApplication::translate("CommandLine", "--%1 does not take %2.")
                       .arg(command.name, listed(options, positionals)));
}

} // namespace qarnivo
