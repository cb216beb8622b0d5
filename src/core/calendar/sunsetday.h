#pragma once

// The Hijri day that begins at sunset. From Maghrib the evening belongs to
// the next Hijri day; at midnight the civil date catches up with it, so the
// pairing of each Hijri day with its daytime Western date never changes.

#include <QDateTime>
#include <QString>

#include <optional>

namespace qarnivo {

struct NameTables;
struct Ymd;

// Whether `local` lies on the eve of the next Hijri day: at or after its
// date's Maghrib (`maghribMinute`, minutes after that date's midnight as the
// prayer times give it). Maghrib's own minute is the eve: the times are
// rounded to the minute, and the minute shown as Maghrib is the one the new
// day's first prayer falls in. Without a Maghrib (polar day or night) the
// day changes at midnight.
bool IsHijriEve(const QDateTime &local, std::optional<int> maghribMinute);

// "Eve of 1 Ramadhan 1447": the Hijri day an eve belongs to, with the short
// month name, as the tray's tooltip has little room.
QString EveLine(const Ymd &hijri, const NameTables &names);
// Said where the day starts at sunset but today has no Maghrib.
QString NoMaghribLine();

} // namespace qarnivo
