#pragma once

// Changes to the announced month starts, each checked against the calendar
// before anything is stored. A window or the command line asks for the new
// set, stores MonthStartsSettingText(change.starts) under
// SettingKey::MonthStarts and builds a new HijriCalendar with it; a refused
// change is shown (change.refusal) and nothing is stored.

#include "core/calendar/hijricalendar.h"

#include <QStringList>

namespace qarnivo {

// The announcements after a change, or why the change is refused.
struct StartsChange {
    MonthStarts starts;
    QString refusal; // empty when the change is taken

    bool refused() const { return !refusal.isEmpty(); }
};

// One month announced, replacing an earlier announcement of that month.
StartsChange WithAnnouncedStart(const HijriCalendar &calendar, const AnnouncedStart &start);
// One month's announcement withdrawn: it follows the calendar again.
StartsChange WithoutAnnouncedStart(const HijriCalendar &calendar, int year, int month);
// A sharing file's text merged over the announcements: a month in the file
// replaces the one announced. A bad line refuses the whole file.
StartsChange WithImportedStarts(const HijriCalendar &calendar, const QString &fileText);
// "This month began a day earlier" (days -1) or "later" (days 1), from the
// 1st the calendar gives it now. Back on the calendar's own 1st, the
// announcement is withdrawn.
StartsChange WithMonthMoved(const HijriCalendar &calendar, int year, int month, int days);

// The editor's list: one line per announcement in the order of the months,
// one the calendar sets aside followed by why.
QStringList AnnouncedStartLines(const HijriCalendar &calendar);

} // namespace qarnivo
