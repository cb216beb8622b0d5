#include "launch/quickconversion.h"

#include "core/calendar/conversion.h"
#include "core/calendar/englishnames.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace qarnivo {

namespace {

// The Umm al-Qura years the quick start answers: inside the table, away
// from its seams, where the full calendar's arithmetic is exactly the table's.
constexpr int kFirstQuickTableYear = ummalqura::kFirstTableYear + 1;
constexpr int kLastQuickTableYear = ummalqura::kLastTableYear - 1;
// The store's folder for every user's settings.
constexpr const char *kSystemSettingsFolder = "/etc/xdg";

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> wholeNumber(std::string_view text, std::size_t mostDigits)
{
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || digits.size() > mostDigits ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// "%XX" escapes decoded, as the store writes blanks and other signs in its
// keys and groups; nothing for its "%U" form of wider characters.
std::optional<std::string> decodedName(std::string_view text)
{
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            name += text[i];
            continue;
        }
        int code = 0;
        if (i + 2 >= text.size())
            return std::nullopt;
        const auto [end, fault] =
            std::from_chars(text.data() + i + 1, text.data() + i + 3, code, 16);
        if (fault != std::errc() || end != text.data() + i + 3)
            return std::nullopt;
        name += static_cast<char>(code);
        i += 2;
    }
    return name;
}

// A key's whole path, "ViewWindow/Calendar": its group and its name, with
// the store's "\" and repeated or outer slashes made plain.
std::string keyPath(const std::string &group, const std::string &key)
{
    std::string joined = group + '/' + key;
    std::string path;
    for (char c : joined) {
        if (c == '\\')
            c = '/';
        if (c == '/' && (path.empty() || path.back() == '/'))
            continue;
        path += c;
    }
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

// A value the store would read as the plain text written: no quotes, no
// escapes, no list, no typed "@" value.
bool isPlainValue(std::string_view value)
{
    return !value.starts_with('@') && value.find_first_of("\"\\,;") == std::string_view::npos;
}

// The four keys a conversion reads, by their whole paths, with their values.
using KeyValues = std::map<std::string, std::string>;

const std::array<std::string_view, 4> kConversionKeys = {
    "ViewWindow/Calendar", "ViewWindow/Correction", "ViewWindow/MonthStarts",
    "ViewWindow/Language"};

bool isConversionKey(const std::string &path)
{
    for (const std::string_view key : kConversionKeys) {
        if (path == key)
            return true;
    }
    return false;
}

// The conversion keys of an ini text; nothing when one of them is not plain.
std::optional<KeyValues> conversionKeys(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    KeyValues found;
    std::string group;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        const std::string_view entry = trimmed(line);
        // A line ending in "\" goes on in the next one.
        if (entry.ends_with('\\'))
            return std::nullopt;
        if (entry.empty() || entry.starts_with(';'))
            continue;
        if (entry.starts_with('[')) {
            const std::optional<std::string> name =
                decodedName(entry.substr(1, entry.find(']') - 1));
            if (!name)
                return std::nullopt;
            group = *name == "General" ? std::string() : *name;
            continue;
        }
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::optional<std::string> key = decodedName(trimmed(entry.substr(0, equals)));
        if (!key)
            return std::nullopt;
        const std::string path = keyPath(group, *key);
        if (!isConversionKey(path))
            continue;
        // A group written inside the key is read by the store its own way.
        const bool groupInKey = key->find_first_of("/\\") != std::string::npos;
        const std::string_view value = trimmed(entry.substr(equals + 1));
        if (groupInKey || !isPlainValue(value) || found.contains(path))
            return std::nullopt;
        found.emplace(path, value);
    }
    return found;
}

std::string_view valueOf(const KeyValues &values, const char *key)
{
    const auto found = values.find(key);
    return found == values.end() ? std::string_view() : std::string_view(found->second);
}

std::optional<std::string> fileText(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return file.bad() ? std::nullopt : std::optional<std::string>(text.str());
}

enum class FileKind { Missing, Regular, Other };

FileKind fileKind(const std::string &path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return FileKind::Missing;
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

// A date as typed, "YYYY-MM-DD" in ASCII digits, with its month in 1..12
// and its day in 1..lastDay.
std::optional<Ymd> typedDate(std::string_view text, int lastDay)
{
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto part = [&text](std::size_t from, std::size_t to, std::size_t mostDigits) {
        const std::string_view digits = text.substr(from, to - from);
        return digits.starts_with('-') ? std::nullopt : wholeNumber(digits, mostDigits);
    };
    const std::optional<int> year = part(0, first, 5);
    const std::optional<int> month = part(first + 1, second, 2);
    const std::optional<int> day = part(second + 1, text.size(), 2);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > lastDay)
        return std::nullopt;
    return Ymd{*year, *month, *day};
}

bool sameDate(const Ymd &a, const Ymd &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool isAfter(const Ymd &a, const Ymd &b)
{
    return a.year != b.year     ? a.year > b.year
           : a.month != b.month ? a.month > b.month
                                : a.day > b.day;
}

bool quickYear(const QuickChoices &choices, int hijriYear)
{
    if (choices.calendar == CalendarKind::UmmAlQura)
        return hijriYear >= kFirstQuickTableYear && hijriYear <= kLastQuickTableYear;
    return hijriYear >= 1;
}

// The Julian Day of a Western date the full command line takes.
std::optional<std::int32_t> westernDay(std::string_view text)
{
    const std::optional<Ymd> date = typedDate(text, 31);
    if (!date)
        return std::nullopt;
    const std::int32_t day = GregorianToJulianDay(date->year, date->month, date->day);
    if (day < kFirstJulianDay || day > kLastJulianDay ||
        !sameDate(JulianDayToGregorian(day), *date))
        return std::nullopt;
    return day;
}

// The Julian Day of a Hijri date the full command line takes.
std::optional<std::int32_t> hijriDay(std::string_view text, const QuickChoices &choices)
{
    const std::optional<Ymd> date = typedDate(text, 30);
    if (!date || !quickYear(choices, date->year) || isAfter(*date, kLastHijriDate))
        return std::nullopt;
    const std::int32_t first =
        CalendarFirstDay(choices.calendar, choices.correction, date->year, date->month);
    const int nextYear = date->month == 12 ? date->year + 1 : date->year;
    const int nextMonth = date->month % 12 + 1;
    const int monthDays =
        CalendarFirstDay(choices.calendar, choices.correction, nextYear, nextMonth) - first;
    const std::int32_t day = first + date->day - 1;
    if (date->day > monthDays || day < kFirstJulianDay || day > kLastJulianDay)
        return std::nullopt;
    return day;
}

std::string isoDate(const Ymd &date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string writtenDate(const Ymd &date, const char *monthName)
{
    return std::to_string(date.day) + ' ' + monthName + ' ' + std::to_string(date.year);
}

// One day's line, as the full command line prints it.
std::optional<std::string> dayLine(std::int32_t day, const QuickChoices &choices, bool json)
{
    const Ymd western = JulianDayToGregorian(day);
    const Ymd hijri = JulianDayToHijriIn(choices.calendar, day - choices.correction);
    if (!quickYear(choices, hijri.year))
        return std::nullopt;
    const std::string weekDay = kWeekDayLong[WeekDayOf(day) - 1];
    const std::string westernText = writtenDate(western, kGregorian[western.month - 1]);
    const std::string hijriText = writtenDate(hijri, kHijriShort[hijri.month - 1]);
    if (!json)
        return isoDate(western) + "  " + isoDate(hijri) + "  " + weekDay + "  " + westernText +
               " = " + hijriText + '\n';
    const std::string calendar =
        choices.calendar == CalendarKind::UmmAlQura ? "umm-al-qura" : "tabular";
    const auto field = [](const char *name, const std::string &value) {
        return std::string("\"") + name + "\":\"" + value + '"';
    };
    return '{' + field("calendar", calendar) + ',' + field("gregorian", isoDate(western)) + ',' +
           field("gregorian_text", westernText) + ',' + field("hijri", isoDate(hijri)) + ',' +
           field("hijri_text", hijriText) + ',' + field("source", calendar) + ',' +
           field("weekday", weekDay) + "}\n";
}

} // namespace

std::optional<QuickChoices> QuickChoicesFrom(std::string_view settingsText)
{
    const std::optional<KeyValues> values = conversionKeys(settingsText);
    if (!values || !valueOf(*values, "ViewWindow/MonthStarts").empty())
        return std::nullopt;
    QuickChoices choices;
    const std::string_view language = valueOf(*values, "ViewWindow/Language");
    if (language == "ar" || language == "ur")
        return std::nullopt;
    choices.systemLanguage = language != "en";
    if (valueOf(*values, "ViewWindow/Calendar") == "UmmAlQura")
        choices.calendar = CalendarKind::UmmAlQura;
    if (const std::string_view correction = valueOf(*values, "ViewWindow/Correction");
        !correction.empty()) {
        const std::optional<int> days = wholeNumber(correction, 3);
        if (!days)
            return std::nullopt;
        choices.correction = *days;
    }
    return choices;
}

std::optional<std::string> QuickSettingsPath(const Environment &environment)
{
    const std::optional<std::string> configHome = environment("XDG_CONFIG_HOME");
    if (configHome && !configHome->empty())
        return configHome->starts_with('/')
                   ? std::optional<std::string>(*configHome + "/Qarnivo/Qarnivo.ini")
                   : std::nullopt;
    const std::optional<std::string> home = environment("HOME");
    if (!home || !home->starts_with('/'))
        return std::nullopt;
    return *home + "/.config/Qarnivo/Qarnivo.ini";
}

bool EnvironmentSpeaksEnglish(const Environment &environment)
{
    // LANGUAGE, when set, is the user's order of preference over the locale.
    std::string name;
    if (const std::optional<std::string> preferred = environment("LANGUAGE")) {
        const std::size_t first = preferred->find_first_not_of(':');
        if (first != std::string::npos)
            name = preferred->substr(first, preferred->find(':', first) - first);
    }
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!name.empty())
            break;
        name = environment(variable).value_or(std::string());
    }
    // "ar_SA.UTF-8", "ur", "ur@latin": the code before any of "_.@".
    const std::string code = name.substr(0, name.find_first_of("_.@"));
    return code != "ar" && code != "ur";
}

std::optional<std::string> QuickConversion(const std::vector<std::string> &arguments,
                                           const QuickChoices &choices)
{
    int commands = 0;
    bool toGregorian = false;
    bool json = false;
    std::vector<std::string_view> dates;
    for (const std::string &argument : arguments) {
        if (argument == "--convert" || argument == "--to-gregorian") {
            ++commands;
            toGregorian = argument == "--to-gregorian";
        } else if (argument == "--json" && !json) {
            json = true;
        } else if (argument.starts_with('-')) {
            return std::nullopt;
        } else {
            dates.push_back(argument);
        }
    }
    if (commands != 1 || dates.empty())
        return std::nullopt;
    std::string answer;
    for (const std::string_view date : dates) {
        const std::optional<std::int32_t> day =
            toGregorian ? hijriDay(date, choices) : westernDay(date);
        const std::optional<std::string> line = day ? dayLine(*day, choices, json) : std::nullopt;
        if (!line)
            return std::nullopt;
        answer += *line;
    }
    return answer;
}

std::optional<std::string> QuickAnswer(const std::vector<std::string> &arguments,
                                       const Environment &environment)
{
    // The windows and every other command go on at once, the settings unread.
    const auto isConversion = [](const std::string &argument) {
        return argument == "--convert" || argument == "--to-gregorian";
    };
    if (std::none_of(arguments.begin(), arguments.end(), isConversion))
        return std::nullopt;
    const std::optional<std::string> path = QuickSettingsPath(environment);
    if (!path)
        return std::nullopt;
    // The store also reads the organisation's file and the files for every
    // user; where one exists the full command line reads them all.
    const std::string configFolder = path->substr(0, path->rfind("/Qarnivo/"));
    for (const std::string &other : {configFolder + "/Qarnivo.ini",
                                     std::string(kSystemSettingsFolder) + "/Qarnivo/Qarnivo.ini",
                                     std::string(kSystemSettingsFolder) + "/Qarnivo.ini"}) {
        if (fileKind(other) != FileKind::Missing)
            return std::nullopt;
    }
    std::optional<QuickChoices> choices = QuickChoices();
    switch (fileKind(*path)) {
    case FileKind::Missing:
        break;
    case FileKind::Regular:
        if (const std::optional<std::string> text = fileText(*path))
            choices = QuickChoicesFrom(*text);
        else
            choices = std::nullopt;
        break;
    case FileKind::Other:
        return std::nullopt;
    }
    if (!choices || (choices->systemLanguage && !EnvironmentSpeaksEnglish(environment)))
        return std::nullopt;
    return QuickConversion(arguments, *choices);
}

} // namespace qarnivo
