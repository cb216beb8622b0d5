#include "core/prayer/prayerclock.h"

#include "core/language/digits.h"

#include <QCoreApplication>

namespace qarnivo {

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

} // namespace

std::optional<NextPrayerAt> NextPrayerFrom(const PrayerDay &today, const PrayerDay &tomorrow,
                                           int secondOfDay)
{
    // A prayer whose minute has begun is no longer to come.
    if (const auto prayer = NextPrayer(today, secondOfDay / 60 + 1))
        return NextPrayerAt{*prayer, false, *today.at(*prayer) * 60 - secondOfDay};
    const std::optional<int> fajr = tomorrow.at(Prayer::Fajr);
    if (!fajr)
        return std::nullopt;
    return NextPrayerAt{Prayer::Fajr, true, kSecondsPerDay - secondOfDay + *fajr * 60};
}

QString PolarText(PolarState state)
{
    return state == PolarState::PolarDay     ? QCoreApplication::translate("Prayer", "polar day")
           : state == PolarState::PolarNight ? QCoreApplication::translate("Prayer", "polar night")
                                             : QString();
}

QString PolarReason(PolarState state)
{
    return state == PolarState::PolarDay
               ? QCoreApplication::translate("Prayer", "the sun does not set")
           : state == PolarState::PolarNight
               ? QCoreApplication::translate("Prayer", "the sun does not rise")
               : QString();
}

QString CountdownText(const NextPrayerAt &next)
{
    const int seconds = next.secondsLeft;
    const QString clock = ShownDigits(QStringLiteral("%1:%2:%3")
                                          .arg(seconds / 3600)
                                          .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                          .arg(seconds % 60, 2, 10, QLatin1Char('0')));
    return (next.tomorrow ? QCoreApplication::translate("Prayer", "%1 (tomorrow) in %2")
                          : QCoreApplication::translate("Prayer", "%1 in %2"))
        .arg(PrayerName(next.prayer), clock);
}

} // namespace qarnivo
