// Writes the built-in chime as a WAV file at the path given: run by the build,
// which carries the file inside the program.

#include "core/sound/chime.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: qarnivo-chime FILE.wav\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray wav = qarnivo::ChimeWav();
    if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size() || !file.flush()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
