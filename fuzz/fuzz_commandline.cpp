// The command line: whatever the arguments, an answer or a refusal, never a
// crash. Input: the arguments after the program's name, one a line.

#include "cli/commandline.h"
#include "fuzzsupport.h"

#include <QTextStream>

using namespace qarnivo;
using namespace qarnivo::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Writing files is not the fuzzer's business: --export-ics is left out.
    const QString text = QString::fromUtf8(BytesOf(data, size));
    if (text.contains(QLatin1String("export-ics")))
        return 0;
    QStringList arguments = text.split(u'\n');
    arguments.prepend(QStringLiteral("Qarnivo"));
    CommandLineInput input;
    input.today = QDate(2024, 3, 14);
    input.city = DefaultCity();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = RunCommandLine(arguments, input, outStream, errStream);
    outStream.flush();
    errStream.flush();
    // Done, failed or refused; a refusal always says why.
    FUZZ_CHECK(status == 0 || status == 1 || status == 2);
    if (status != 0 && err.isEmpty()) {
        Show("arguments", arguments.join(u'|'));
        FUZZ_CHECK(!err.isEmpty());
    }
    // The prayer times as JSON: one object on one line, every time a clock
    // time or null.
    if (status == 0 && out.startsWith(QLatin1String("{\"date\": \"")))
        FUZZ_CHECK(out.count(u'\n') == 1 && out.endsWith(QLatin1String("}\n")) &&
                   !out.contains(QLatin1String("nan")));
    return 0;
}
