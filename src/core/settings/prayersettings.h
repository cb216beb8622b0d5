#pragma once

// The prayer settings as the settings store keeps them, read the same way by
// the windows and by the command line.

#include "core/prayer/prayertimes.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

namespace qarnivo {

// Reads every prayer setting through `stored` (the text of a key, empty when
// absent). A missing or unreadable value keeps its default, so a damaged
// store never stops the program.
PrayerSettings PrayerSettingsFrom(const std::function<QString(const QString &key)> &stored);

// The keys and texts to store for `settings`.
QList<QPair<QString, QString>> PrayerSettingsTexts(const PrayerSettings &settings);

} // namespace qarnivo
