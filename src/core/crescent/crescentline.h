#pragma once

// The words the windows give the young crescent: a criterion's name and
// stored form, and the main window's line about the evening of the 29th.

#include "core/crescent/crescent.h"

#include <QDate>
#include <QString>

#include <optional>

namespace qarnivo::crescent {

// "Odeh" or "Yallop", also the stored form; "Odeh (2006)", "Yallop (1997)"
// with the year of the paper.
QString CriterionName(Criterion criterion);
QString CriterionTitle(Criterion criterion);
std::optional<Criterion> CriterionFromSetting(const QString &text);

// Whether `criterion` finds the crescent visible, by eye or with optics.
bool SeenBy(const Evening &evening, Criterion criterion);
// The verdict's words and grade: "visible by naked eye (Odeh A)".
QString Verdict(const Evening &evening, Criterion criterion);

// "New crescent on the evening of Wednesday 18 February 2026: <verdict>", or
// that the month is completed to 30 days when the crescent is not seen.
QString CrescentLine(const QDate &date, const Evening &evening, Criterion criterion);

} // namespace qarnivo::crescent
