#pragma once

// The adhan's sound output. Qt Multimedia, with the sound server's and the
// codecs' libraries, would add to every start, so it lives in a module of
// its own that the platform loads only when a sound first plays.

#include "platform/platform.h"

namespace qarnivo {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // One sound at a time: a new one stops the last, which is told it ended.
    virtual void play(const QString &path, int volume, const Platform::SoundEnded &ended) = 0;
    virtual void stop() = 0;
    virtual bool playing() const = 0;
};

} // namespace qarnivo
