// Prayer times for many days and places at once, for the check against the
// adhan library (check_prayertimes.js). Reads one case a line from stdin:
//
//   2024-06-21 21.4225 39.8262 3 umm-al-qura Standard MiddleOfTheNight
//
// (date, latitude, longitude east positive, UTC offset in hours, method key,
// Asr rule, high-latitude rule) and writes the six times of each as local
// minutes after midnight in prayer order, "-" where there is none, then the
// polar state (0 none, 1 day, 2 night). A line it cannot read gives "?" and
// makes the exit status 1.
//
// With --page-methods it prints instead the prayer methods' table that the
// program writes into the calculator page, for the page's checks.

#include "core/prayer/prayertimes.h"
#include "core/sunpage/pagewriter.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>

using namespace qarnivo;

namespace {

std::optional<double> numberOf(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString timesOf(const QString &line)
{
    const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
    if (f.size() != 7)
        return {};
    const QDate date = QDate::fromString(f[0], Qt::ISODate);
    const auto lat = numberOf(f[1]);
    const auto lon = numberOf(f[2]);
    const auto offset = numberOf(f[3]);
    const auto method = PrayerMethodFromKey(f[4]);
    const auto asr = AsrRuleFromSetting(f[5]);
    const auto rule = HighLatitudeRuleFromSetting(f[6]);
    if (!date.isValid() || !lat || !lon || !offset || !method || !asr || !rule)
        return {};
    PrayerSettings settings;
    settings.method = *method;
    settings.asr = *asr;
    settings.highLatitude = *rule;
    const PrayerDay day = PrayerTimesFor(date, {*lat, *lon, *offset, false}, settings);
    QStringList out;
    for (const auto &minutes : day.minutes)
        out << (minutes ? QString::number(*minutes) : QStringLiteral("-"));
    out << QString::number(static_cast<int>(day.polar));
    return out.join(u' ');
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "--page-methods") {
        const std::string table = PrayerMethodLines().join(u'\n').toStdString() + '\n';
        std::fwrite(table.data(), 1, table.size(), stdout);
        return 0;
    }
    std::string line;
    std::string out;
    int status = 0;
    while (std::getline(std::cin, line)) {
        const QString times = timesOf(QString::fromStdString(line).trimmed());
        if (times.isEmpty())
            status = 1;
        out += times.isEmpty() ? std::string("?") : times.toStdString();
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return status;
}
