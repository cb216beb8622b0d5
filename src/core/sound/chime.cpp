#include "core/sound/chime.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace qarnivo {

namespace {

struct Note {
    double startSeconds;
    double frequency;
};

// A falling major third, the second note left to ring out.
constexpr std::array<Note, 2> kNotes = {{{0.0, 659.25}, {0.45, 523.25}}};
constexpr double kLengthSeconds = 2.6;
// A bell's partials: frequency ratio, loudness, how fast each one dies away.
constexpr std::array<std::array<double, 3>, 3> kPartials = {
    {{1.0, 1.0, 2.2}, {2.0, 0.35, 3.5}, {3.0, 0.12, 5.0}}};
constexpr double kAttackSeconds = 0.008; // a soft start: no click
constexpr double kPeak = 0.45;           // well below full scale: a gentle sound

double noteAt(const Note &note, double t)
{
    const double since = t - note.startSeconds;
    if (since < 0)
        return 0;
    double value = 0;
    for (const auto &[ratio, loudness, decay] : kPartials)
        value += loudness * std::exp(-decay * since) *
                 std::sin(2 * std::numbers::pi * note.frequency * ratio * since);
    return value * std::min(1.0, since / kAttackSeconds);
}

// The last tenth of a second fades to silence, so that the end does not click.
double fadeAt(double t)
{
    return std::clamp((kLengthSeconds - t) / 0.1, 0.0, 1.0);
}

void append(QByteArray &bytes, quint32 value, int size)
{
    char little[4];
    qToLittleEndian(value, little);
    bytes.append(little, size);
}

} // namespace

QByteArray ChimeWav()
{
    const int samples = static_cast<int>(kLengthSeconds * kChimeSampleRate);
    std::vector<double> wave(samples);
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / kChimeSampleRate;
        for (const Note &note : kNotes)
            wave[i] += noteAt(note, t);
        wave[i] *= fadeAt(t);
    }
    double loudest = 0;
    for (const double value : wave)
        loudest = std::max(loudest, std::abs(value));
    QByteArray pcm;
    pcm.reserve(samples * 2);
    for (const double value : wave)
        append(
            pcm,
            static_cast<quint16>(static_cast<qint16>(std::lround(value / loudest * kPeak * 32767))),
            2);
    QByteArray wav("RIFF");
    append(wav, 36 + pcm.size(), 4);
    wav.append("WAVEfmt ");
    append(wav, 16, 4);                   // the format block's size
    append(wav, 1, 2);                    // PCM
    append(wav, 1, 2);                    // mono
    append(wav, kChimeSampleRate, 4);     // samples a second
    append(wav, kChimeSampleRate * 2, 4); // bytes a second
    append(wav, 2, 2);                    // bytes a sample
    append(wav, 16, 2);                   // bits a sample
    wav.append("data");
    append(wav, pcm.size(), 4);
    return wav + pcm;
}

} // namespace qarnivo
