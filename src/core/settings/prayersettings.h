#pragma once

// The prayer settings as the settings store keeps them, read the same way by
// the windows and by the command line.

#include "core/prayer/prayeralerts.h"
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

// The alerts' choices read the same way; the alerts of the five prayers are
// notifications where none was stored.
AlertChoices AlertChoicesFrom(const std::function<QString(const QString &key)> &stored);
QList<QPair<QString, QString>> AlertChoicesTexts(const AlertChoices &choices);

} // namespace qarnivo
