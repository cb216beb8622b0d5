#pragma once

// The calendar in a shell: Qarnivo with a printing option answers on
// standard output and ends, without a window or a display. Results go to
// standard output, messages to standard error; the exit status is 0 when
// done, 2 when any input was refused, 1 for anything else.

#include "cli/crescentcommand.h"
#include "core/places/cityfile.h"
#include "core/settings/storedchoices.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <functional>
#include <optional>

class QTextStream;

namespace qarnivo {

// What the command line starts from: the stored choices (which its options
// may override), today's date and the clock's time, and the default city.
struct CommandLineInput {
    StoredChoices stored;
    QDate today;
    QTime time = QTime(0, 0);     // read by the sunset rule
    std::optional<CityInfo> city; // the default city, when its file could be read
    // Draws the crescent map: it needs QtGui, which the command line never loads itself.
    CrescentMapWriter writeCrescentMap;
    // Takes the language of the answer (--lang, else the stored choice) before anything is
    // written; System is the environment's to resolve.
    std::function<void(Language)> useLanguage;
};

int RunCommandLine(const QStringList &arguments, const CommandLineInput &input, QTextStream &out,
                   QTextStream &err);

} // namespace qarnivo
