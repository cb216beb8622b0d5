#pragma once

// The built-in chime: a short, soft two-note bell, synthesised rather than
// recorded, so that the program ships no recording it may not license. The
// build writes it once as a WAV file and carries it inside the program.

#include <QByteArray>

namespace qarnivo {

inline constexpr int kChimeSampleRate = 22050;

// The chime as a complete WAV file: mono, 16-bit PCM at kChimeSampleRate.
QByteArray ChimeWav();

} // namespace qarnivo
