#pragma once

// `--prayer-times`: the day's prayer times for the default city or a place
// given by its coordinates.

#include "core/calendar/hijricalendar.h"
#include "core/places/cityfile.h"
#include "core/prayer/prayertimes.h"

#include <QDate>

#include <optional>

class QCommandLineParser;
class QTextStream;

namespace qarnivo {

struct PrayerChoices {
    PrayerSettings settings;
    std::optional<CityInfo> city; // the default city, when its file could be read
    QDate today;
    HijriCalendar calendar; // for the day's Hijri date, with the announced starts
};

void DescribePrayerOptions(QCommandLineParser &parser);

int PrintPrayerTimes(const QCommandLineParser &parser, const PrayerChoices &choices,
                     QTextStream &out, QTextStream &err);

} // namespace qarnivo
