#pragma once

// The texts of the prayer timetable: the dates and times as the window shows
// them, and the month written out as CSV for spreadsheets and as HTML for
// printing. Pure functions over QtCore, so they are tested without a window.

#include "core/calendar/hijricalendar.h"
#include "core/prayer/prayerclock.h"
#include "core/prayer/prayertimes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace qarnivo {

// "Wednesday 5 November 2025", in the program's own names.
QString GregorianDateText(const QDate &date);

// "Wed 5": a timetable row's date, the month being named above the table.
QString TimetableDayText(const QDate &date);

// "14 Jumadil-Awwal 1447": the date in the chosen Hijri calendar.
QString HijriDateText(const QDate &date, const HijriCalendar &calendar = HijriCalendar());

// "November 2025".
QString MonthTitle(int year, int month);

// "Karachi, Hanafi Asr": what the times follow.
QString MethodCaption(const PrayerSettings &settings);

// A prayer's time as shown, or "—" when it does not happen that day.
QString PrayerTimeText(const PrayerDay &day, Prayer prayer, bool clock24);

// "Prayer Times Delhi 2025-11.csv": characters that no file name may hold
// become "-".
QString TimetableFileName(const QString &place, int year, int month, const QString &suffix);

// One CSV record (RFC 4180): a field holding a comma, a quote or a line break
// is quoted, its quotes doubled; the record ends in CR LF.
QByteArray CsvRecord(const QStringList &fields);

// The month as UTF-8 CSV: the header "Date,Hijri date,Fajr,...,Isha", then
// one record a day with the ISO date and 24-hour times, an empty field where
// a time does not happen.
QByteArray TimetableCsv(const std::vector<PrayerDay> &days,
                        const HijriCalendar &calendar = HijriCalendar());

// The month as an HTML document for printing: a title naming the place and
// the month, the method, and the table with Fridays in bold.
QString TimetableHtml(const QString &place, int year, int month, const std::vector<PrayerDay> &days,
                      const PrayerSettings &settings,
                      const HijriCalendar &calendar = HijriCalendar());

} // namespace qarnivo
