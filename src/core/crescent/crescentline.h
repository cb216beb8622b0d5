#pragma once

// The words the windows give the young crescent: a criterion's name and
// stored form, and the main window's line about the evening of the 29th.

#include "core/crescent/crescent.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace qarnivo::crescent {

// "Odeh" or "Yallop", also the stored form.
QString CriterionName(Criterion criterion);
// "Odeh (2006)", "Yallop (1997)" with the year of the paper, in the order of
// the criteria.
QStringList CriterionTitles();
std::optional<Criterion> CriterionFromSetting(const QString &text);

// Whether `criterion` finds the crescent visible, by eye or with optics.
bool SeenBy(const Evening &evening, Criterion criterion);
// The verdict's words and grade, "visible by naked eye (Odeh A)", or why the
// crescent cannot be seen whatever the grade.
QString Verdict(const Evening &evening, Criterion criterion);

// The evening of `date` at `observer` (clocks `utcOffset` hours ahead of UT);
// none for a date the astronomy is not trusted for.
std::optional<Evening> EveningOf(const QDate &date, const Observer &observer, double utcOffset);

// "New crescent on the evening of Wednesday 18 February 2026: <verdict>", or
// that the month is completed to 30 days when the crescent is not seen.
QString CrescentLine(const QDate &date, const Evening &evening, Criterion criterion);

// An instant (JD UT) as a date and time in UTC; invalid for none.
QDateTime DateTimeOfJulianDay(double julianDay);
// "18:05" on the clock `utcOffset` hours ahead of UT; a dash for none.
QString ClockTime(double julianDay, double utcOffset);

// The rows of an evening's table, "Sunset" to the grade, and one evening's
// texts for them (a dash for the grade where the crescent cannot be seen
// whatever it is). Yallop's rows give his geocentric ARCL and ARCV and his q,
// Odeh's the topocentric ones and V.
QStringList EveningRowTitles(Criterion criterion);
QStringList EveningTexts(const Evening &evening, Criterion criterion, double utcOffset);

} // namespace qarnivo::crescent
