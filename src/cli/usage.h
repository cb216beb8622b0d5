#pragma once

// Usage errors: which options go with which command, and how a message
// echoes what was typed. A usage error ends the program with status 2.

#include <QStringList>

class QCommandLineParser;

namespace qarnivo {

// An argument as a message shows it: control characters escaped, so that a
// terminal shows them rather than obeys them, and a long one cut short.
QString ShownArgument(const QString &argument);

// The usage error in the arguments (program name first) the parser has read
// (`parsed`: what its parse() answered), or an empty string when they fit.
QString UsageError(const QCommandLineParser &parser, bool parsed, const QStringList &arguments);

} // namespace qarnivo
