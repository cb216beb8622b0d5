#pragma once

// The calendar in a shell: Qarnivo with a printing option answers on
// standard output and ends, without a window or a display. Results go to
// standard output, messages to standard error; the exit status is 0 when
// done, 2 when any input was refused, 1 for anything else.

#include "core/calendar/ummalqura.h"
#include "core/places/cityfile.h"
#include "core/prayer/prayertimes.h"

#include <QDate>
#include <QStringList>

#include <optional>

class QTextStream;

namespace qarnivo {

// What the command line takes from the store unless told otherwise.
struct StoredChoices {
    int correction = 0;
    CalendarKind calendar = CalendarKind::Tabular;
    QDate today;
    PrayerSettings prayer;
    std::optional<CityInfo> city; // the default city, when its file could be read
};

// True when the arguments (program name first) ask for a printed answer.
bool WantsCommandLine(const QStringList &arguments);

int RunCommandLine(const QStringList &arguments, const StoredChoices &stored, QTextStream &out,
                   QTextStream &err);

// "0622-07-16", "20874-05-30": the year zero-padded to four digits.
QString IsoDate(int year, int month, int day);

} // namespace qarnivo
