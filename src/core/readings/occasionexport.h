#pragma once

// The occasions of one Hijri year as an iCalendar file (RFC 5545) that any
// calendar program imports: one all-day event per occasion, on the Western
// day the Hijri day begins in the chosen calendar, moved by the day
// correction. Each event keeps its UID from one export to the next, so a
// calendar program that imports the file again updates instead of doubling.

#include "core/calendar/hijricalendar.h"
#include "core/calendar/names.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace qarnivo {

// The name the save dialog suggests: "Qarnivo Occasions 1446 AH.ics".
QString OccasionFileName(int hijriYear);

// The whole file: UTF-8, CR LF line ends, lines folded at 75 octets.
// `stamp` is the moment of the export (DTSTAMP).
QByteArray OccasionCalendar(int hijriYear, const HijriCalendar &calendar, const NameTables &names,
                            const QDateTime &stamp);

// Writes the file whole or not at all, never over a device, pipe or folder;
// the reason, naming the file, when it could not be written, else an empty
// string.
QString SaveOccasionFile(const QString &path, const QByteArray &content);

// How many events OccasionCalendar writes for the year: those starting on
// or before 31 December 9999, the last day an iCalendar date can name.
int OccasionCount(int hijriYear, const HijriCalendar &calendar);

// How many of the year's occasions start after 31 December 9999 and are
// left out of the file.
int OccasionsLeftOut(int hijriYear, const HijriCalendar &calendar);

// What the user is told about the occasions left out; empty when none are.
QString OccasionsLeftOutNote(int leftOut);

// A text escaped for an iCalendar value: backslash, semicolon, comma and
// line breaks.
QString IcsText(QString text);

// One content line folded at 75 octets, never inside a UTF-8 character,
// ending in CR LF.
QByteArray IcsLine(const QString &line);

} // namespace qarnivo
