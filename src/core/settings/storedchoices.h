#pragma once

// Every choice the program keeps in the settings store, read at once, the
// same way by the command line and by the windows.

#include "core/calendar/hijricalendar.h"
#include "core/crescent/crescent.h"
#include "core/language/language.h"
#include "core/prayer/prayeralerts.h"
#include "core/prayer/prayertimes.h"

#include <QString>

#include <functional>

namespace qarnivo {

struct StoredChoices {
    qint16 correction = 0; // the Hijri date correction, in days
    CalendarKind calendar = CalendarKind::Tabular;
    MonthStarts monthStarts; // announced, as stored; the calendar sets aside what it cannot take
    PrayerSettings prayer;
    bool windowFull = false; // the full view
    bool windowMax = false;  // maximized
    qint16 dovrellBG = 0;
    qint16 colorIndex = 0; // the grid's colour scheme
    QString dayView = QStringLiteral("Urdu");
    bool showFirst = true; // the calculator window before the calendar
    bool systemTray = false;
    bool reminders = false; // the alerts and reminders at all
    AlertChoices alerts;
    bool dayStartsAtSunset = false; // else at midnight
    crescent::Criterion crescentCriterion = crescent::Criterion::Odeh;
    Language language = Language::System; // as chosen; the environment resolves System

    HijriCalendar hijriCalendar() const { return HijriCalendar(calendar, correction, monthStarts); }
};

// Reads every choice through `stored` (the text of a key, empty when absent).
// A missing or unreadable value keeps its default, so a damaged store never
// stops the program.
StoredChoices ReadStoredChoices(const std::function<QString(const QString &key)> &stored);

} // namespace qarnivo
