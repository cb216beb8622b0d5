#pragma once

// The Islamic occasions by Hijri (month, day): feasts, holy nights and
// commemorations. The texts depend on the month and day alone, except the
// New Year greeting on 1 Muharram, which carries the Hijri year current when
// the table was built. The main window builds the table once at startup
// (BuildOccasionTable), shows the occasion of today and of each selected day,
// and marks the Thought of the Day box when today has one (HasOccasion).

#include "core/readings/datetable.h"

#include <QString>

namespace qarnivo {

// The greeting of 1 Muharram for the given Hijri year.
QString NewYearGreeting(int hijriYear);

// The full table; every cell not named in occasions.cpp is empty.
DateTable BuildOccasionTable(int currentHijriYear);

// True when the (month, day) has an occasion.
bool HasOccasion(const DateTable &occasions, int month, int day);

// The stored texts are written for a caption, where a single "&" marks an
// access key and "&&" stands for one ampersand (Muharram 7 holds one). A
// QLabel without a buddy and every plain-text display show the text as it
// is, so the window shows OccasionDisplayText(cell) there: "&&" becomes
// "&", an access-key "&" is dropped, and a lone "&" at the end is kept.
QString OccasionDisplayText(const QString &stored);

} // namespace qarnivo
