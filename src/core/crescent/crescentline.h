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
// The verdict's words and grade, "visible by naked eye (Odeh A)", or "not
// visible (Odeh D): the Moon sets before the Sun" where the crescent cannot be
// seen whatever the criterion's value.
QString Verdict(const Evening &evening, Criterion criterion);

// The evening of `date` at `observer` (clocks `utcOffset` hours ahead of UT);
// none for a date the astronomy is not trusted for.
std::optional<Evening> EveningOf(const QDate &date, const Observer &observer, double utcOffset);

// "New crescent on the evening of Wednesday 18 February 2026: <verdict>", or
// that the month is completed to 30 days when the crescent is not seen.
QString CrescentLine(const QDate &date, const Evening &evening, Criterion criterion);

// An instant (JD UT) as a date and time in UTC; invalid for none.
QDateTime DateTimeOfJulianDay(double julianDay);
// "18:05" on the clock `utcOffset` hours ahead of UT: the minute the instant
// falls in, as almanacs print it (18:05:50 is 18:05); none for none.
std::optional<QString> ClockMinute(double julianDay, double utcOffset);
// The same with a dash for none.
QString ClockTime(double julianDay, double utcOffset);

// The rows of an evening's table, "Sunset" to the grade, and one evening's
// texts for them (the grade is D or F where the crescent cannot be seen
// whatever the criterion's value). Yallop's rows give his geocentric ARCL and ARCV and his q,
// Odeh's the topocentric ones and V.
QStringList EveningRowTitles(Criterion criterion);
QStringList EveningTexts(const Evening &evening, Criterion criterion, double utcOffset);

} // namespace qarnivo::crescent
