// qarnivo-manual: renders the user's manual from its HTML source to a PDF.
//
//   qarnivo-manual --output "Qarnivo User's Manual.pdf" [--set NAME=VALUE]...
//                  [--text manual.txt] [--report] docs/manual.html
//
// Exits with 0 when the PDF has been written, else with 1 after one line on
// standard error that names the file at fault.

#include "manualrenderer.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

namespace {

struct Arguments {
    manual::ManualOptions options;
    bool report = false;
    QString error;
};

Arguments readArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the user's manual to a PDF."));
    parser.addHelpOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The PDF to write."), QStringLiteral("pdf"));
    const QCommandLineOption set(QStringLiteral("set"),
                                 QStringLiteral("The value of the placeholder @NAME@."),
                                 QStringLiteral("NAME=VALUE"));
    const QCommandLineOption text(QStringLiteral("text"),
                                  QStringLiteral("Also write the manual as plain text."),
                                  QStringLiteral("file"));
    const QCommandLineOption report(QStringLiteral("report"),
                                    QStringLiteral("Print the pages, headings and pictures."));
    parser.addOptions({output, set, text, report});
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("The HTML source."));
    parser.process(arguments);

    Arguments result;
    const QStringList sources = parser.positionalArguments();
    if (sources.size() != 1 || !parser.isSet(output)) {
        result.error = QStringLiteral("give one source and --output; see --help");
        return result;
    }
    result.options.sourcePath = sources.first();
    result.options.outputPath = parser.value(output);
    result.options.textPath = parser.value(text);
    result.report = parser.isSet(report);
    for (const QString &assignment : parser.values(set)) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals <= 0) {
            result.error = QStringLiteral("--set %1: write NAME=VALUE").arg(assignment);
            return result;
        }
        result.options.values.insert(assignment.left(equals), assignment.mid(equals + 1));
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool draws into a PDF only; it never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("qarnivo-manual"));

    QTextStream errors(stderr);
    const Arguments arguments = readArguments(QGuiApplication::arguments());
    if (!arguments.error.isEmpty()) {
        errors << "qarnivo-manual: " << arguments.error << Qt::endl;
        return 1;
    }
    const manual::RenderResult result = manual::RenderManual(arguments.options);
    if (!result.ok()) {
        errors << "qarnivo-manual: " << result.error << Qt::endl;
        return 1;
    }
    if (arguments.report) {
        QTextStream out(stdout);
        for (const QString &line : manual::RenderReport(result))
            out << line << Qt::endl;
    }
    return 0;
}
