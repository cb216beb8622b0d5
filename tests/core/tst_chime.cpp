// The built-in chime as the build writes it: a WAV file a player accepts (its header agrees
// with its samples), about two and a half seconds long, gentle (well below full scale but
// clearly heard), and without a click where it starts or ends.

#include "core/sound/chime.h"
#include "testsupport.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>

using namespace qarnivo;
using namespace qarnivo::testing;

namespace {

quint32 field(const QByteArray &wav, int offset, int size)
{
    return size == 2 ? qFromLittleEndian<quint16>(wav.constData() + offset)
                     : qFromLittleEndian<quint32>(wav.constData() + offset);
}

qint16 sample(const QByteArray &wav, int index)
{
    return qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * index);
}

} // namespace

class TestChime : public QObject {
    Q_OBJECT
private slots:
    void header_data()
    {
        columns<int, int, quint32>({"offset", "size", "value"});
        row("format: PCM", 20, 2, quint32(1));
        row("mono", 22, 2, quint32(1));
        row("sample rate", 24, 4, quint32(kChimeSampleRate));
        row("bytes a second", 28, 4, quint32(2 * kChimeSampleRate));
        row("16 bits", 34, 2, quint32(16));
    }
    void header()
    {
        const auto [offset, size, value] = fetch<int, int, quint32>("offset", "size", "value");
        const QByteArray wav = ChimeWav();
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt " && wav.mid(36, 4) == "data");
        QCOMPARE(field(wav, 4, 4), quint32(wav.size() - 8));
        QCOMPARE(field(wav, 40, 4), quint32(wav.size() - 44));
        QCOMPARE(field(wav, offset, size), value);
    }

    void soundsGentleAndClean()
    {
        const QByteArray wav = ChimeWav();
        const int samples = (wav.size() - 44) / 2;
        const double seconds = double(samples) / kChimeSampleRate;
        QVERIFY2(seconds > 2 && seconds < 3, qPrintable(QString::number(seconds)));
        int loudest = 0;
        for (int i = 0; i < samples; ++i)
            loudest = std::max(loudest, std::abs(int(sample(wav, i))));
        QVERIFY2(loudest > 32767 * 0.3 && loudest < 32767 * 0.5,
                 qPrintable(QString::number(loudest)));
        // The first and last 2 ms: a soft attack and a fade to silence.
        const int edge = kChimeSampleRate / 500;
        for (int i = 0; i < edge; ++i) {
            QVERIFY(std::abs(sample(wav, i)) < loudest / 4);
            QVERIFY(std::abs(sample(wav, samples - 1 - i)) < 100);
        }
        QCOMPARE(sample(wav, 0), qint16(0));
    }
};

QTEST_GUILESS_MAIN(TestChime)
#include "tst_chime.moc"
