// The sound module's entry, found by the platform with dlsym when a sound
// first plays.

#include "sound/soundplayer.h"

extern "C" __attribute__((visibility("default"))) qarnivo::SoundOutput *qarnivo_make_sound_output()
{
    return new qarnivo::SoundPlayer();
}
