#include "core/prayer/prayeralerts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace qarnivo {

namespace {

constexpr int kFriday = 5; // QDate::dayOfWeek(): 1 = Monday
constexpr std::array<const char *, 3> kAlertWords = {"silent", "notification", "sound"};

QString prayerText(const char *text)
{
    return QCoreApplication::translate("Prayer", text);
}

std::optional<int> fiveIndex(Prayer prayer)
{
    const auto *found = std::find(kFivePrayers.begin(), kFivePrayers.end(), prayer);
    if (found == kFivePrayers.end())
        return std::nullopt;
    return static_cast<int>(found - kFivePrayers.begin());
}

QStringList words(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.trimmed().split(blanks, Qt::SkipEmptyParts);
}

// Prayer times are the place's clock readings: they are compared as plain
// readings, untouched by the system's own time zone and its DST gaps.
QDateTime clockReading(const QDateTime &moment)
{
    return QDateTime(moment.date(), moment.time(), Qt::UTC);
}

QDateTime momentOf(const QDate &day, int minute)
{
    return QDateTime(day, QTime(0, 0), Qt::UTC).addSecs(qint64(minute) * 60);
}

} // namespace

PrayerAlert AlertChoices::alertOf(Prayer prayer) const
{
    const std::optional<int> index = fiveIndex(prayer);
    return index ? alerts[*index] : PrayerAlert::Silent;
}

void AlertChoices::setAlertOf(Prayer prayer, PrayerAlert alert)
{
    if (const std::optional<int> index = fiveIndex(prayer))
        alerts[*index] = alert;
}

QString AlertChoices::soundOf(Prayer prayer) const
{
    return prayer == Prayer::Fajr && !fajrSound.isEmpty() ? fajrSound : sound;
}

QString AlertsSetting(const std::array<PrayerAlert, 5> &alerts)
{
    QStringList texts;
    for (const PrayerAlert alert : alerts)
        texts << QLatin1String(kAlertWords[static_cast<int>(alert)]);
    return texts.join(u' ');
}

std::optional<std::array<PrayerAlert, 5>> AlertsFromSetting(const QString &text)
{
    const QStringList given = words(text);
    if (given.size() != 5)
        return std::nullopt;
    std::array<PrayerAlert, 5> alerts{};
    for (int i = 0; i < 5; ++i) {
        const auto *word = std::find_if(kAlertWords.begin(), kAlertWords.end(), [&](const char *w) {
            return given[i].compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
        });
        if (word == kAlertWords.end())
            return std::nullopt;
        alerts[i] = static_cast<PrayerAlert>(word - kAlertWords.begin());
    }
    return alerts;
}

QString ReminderMinutesSetting(const std::array<int, kPrayerCount> &minutes)
{
    QStringList texts;
    for (const int m : minutes)
        texts << QString::number(m);
    return texts.join(u' ');
}

std::optional<std::array<int, kPrayerCount>> ReminderMinutesFromSetting(const QString &text)
{
    const QStringList given = words(text);
    if (given.size() != kPrayerCount)
        return std::nullopt;
    std::array<int, kPrayerCount> minutes{};
    for (int i = 0; i < kPrayerCount; ++i) {
        bool number = false;
        minutes[i] = given[i].toInt(&number);
        if (!number || minutes[i] < 0 || minutes[i] > kMaximumReminderMinutes)
            return std::nullopt;
    }
    return minutes;
}

QList<AlertDue> AlertsDue(const QList<PrayerDay> &days,
                          const std::array<int, kPrayerCount> &reminderMinutes,
                          const QDateTime &last, const QDateTime &now)
{
    QList<AlertDue> due;
    if (!last.isValid() || !now.isValid() || clockReading(now) <= clockReading(last))
        return due;
    const QDateTime after = clockReading(last);
    const QDateTime upto = clockReading(now);
    const QDateTime latest = upto.addSecs(-60 * kLateAlertMinutes);
    const auto consider = [&](const PrayerDay &day, Prayer prayer, int before) {
        const std::optional<int> minute = day.at(prayer);
        if (!minute)
            return;
        const QDateTime at = momentOf(day.date, *minute - before);
        if (at > after && at <= upto && at >= latest)
            due.append({prayer, before, day.date, at});
    };
    for (const PrayerDay &day : days) {
        if (!day.date.isValid())
            continue;
        for (const Prayer prayer : kDayTimes) {
            if (const int before = reminderMinutes[static_cast<int>(prayer)]; before > 0)
                consider(day, prayer, before);
        }
        for (const Prayer prayer : kFivePrayers)
            consider(day, prayer, 0);
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const AlertDue &a, const AlertDue &b) { return a.at < b.at; });
    return due;
}

namespace {

bool isJumuah(const AlertDue &due)
{
    return due.prayer == Prayer::Dhuhr && due.day.dayOfWeek() == kFriday;
}

} // namespace

QString AlertTitle(const AlertDue &due)
{
    if (due.minutesBefore == 0)
        return prayerText(QT_TRANSLATE_NOOP("Prayer", "%1 prayer")).arg(PrayerName(due.prayer));
    if (due.prayer == Prayer::Sunrise)
        return prayerText(QT_TRANSLATE_NOOP("Prayer", "Fajr ends soon"));
    return prayerText(QT_TRANSLATE_NOOP("Prayer", "%1 soon"))
        .arg(isJumuah(due) ? prayerText(QT_TRANSLATE_NOOP("Prayer", "Jumu'ah"))
                           : PrayerName(due.prayer));
}

QString AlertText(const AlertDue &due, const QString &time, const QString &place)
{
    const QString minutes = QLocale().toString(due.minutesBefore);
    if (due.minutesBefore == 0)
        return prayerText(QT_TRANSLATE_NOOP("Prayer", "It is time for %1 (%2) in %3."))
            .arg(PrayerName(due.prayer), time, place);
    if (due.prayer == Prayer::Sunrise)
        return prayerText(QT_TRANSLATE_NOOP(
                              "Prayer", "The time of Fajr ends in %1 min, at sunrise (%2), in %3."))
            .arg(minutes, time, place);
    if (isJumuah(due))
        return prayerText(QT_TRANSLATE_NOOP("Prayer", "Jumu'ah in %1 min (%2) in %3."))
            .arg(minutes, time, place);
    return prayerText(QT_TRANSLATE_NOOP("Prayer", "%1 in %2 min (%3) in %4."))
        .arg(PrayerName(due.prayer), minutes, time, place);
}

} // namespace qarnivo
