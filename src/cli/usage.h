#pragma once

// The options, which go with which command, and how a usage error (status
// 2) echoes what was typed.

#include <QStringList>

class QCommandLineParser;

namespace qarnivo {

// Every option and what --help says of it.
void DescribeOptions(QCommandLineParser &parser);

// An argument as a message shows it: control characters escaped, so that a
// terminal shows them rather than obeys them, and a long one cut short.
QString ShownArgument(const QString &argument);

// The usage error in the arguments (program name first) the parser has read
// (`parsed`: what its parse() answered), or an empty string when they fit.
QString UsageError(const QCommandLineParser &parser, bool parsed, const QStringList &arguments);

} // namespace qarnivo
