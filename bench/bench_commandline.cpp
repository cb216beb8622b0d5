// The command line's speed: one conversion as a whole process (start, print,
// end), and 50,000 dates in one call, both calendars.
//
//   build/bench/bench_commandline build/Qarnivo/Qarnivo

#include "cli/commandline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

using namespace qarnivo;

namespace {

double millisecondsFor50000(CalendarKind calendar)
{
    QStringList arguments{QStringLiteral("Qarnivo"), QStringLiteral("--convert")};
    const QDate first(1900, 1, 1);
    for (int i = 0; i < 50000; ++i)
        arguments << first.addDays(i).toString(Qt::ISODate);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QElapsedTimer timer;
    timer.start();
    CommandLineInput input;
    input.stored.calendar = calendar;
    input.today = QDate(2024, 3, 11);
    RunCommandLine(arguments, input, outStream, errStream);
    outStream.flush();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("50,000 dates, tabular:     %8.1f ms\n",
                millisecondsFor50000(CalendarKind::Tabular));
    std::printf("50,000 dates, Umm al-Qura: %8.1f ms\n",
                millisecondsFor50000(CalendarKind::UmmAlQura));
    if (argc < 2)
        return 0;
    double best = 1e9;
    for (int run = 0; run < 10; ++run) {
        QElapsedTimer timer;
        timer.start();
        QProcess::execute(QString::fromLocal8Bit(argv[1]),
                          {QStringLiteral("--convert"), QStringLiteral("2024-03-11")});
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    std::printf("one conversion, whole process (best of 10): %6.1f ms\n", best);
    return 0;
}
