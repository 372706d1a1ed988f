#pragma once
// The things a topic reaches outside itself: statistics counts, jingles, notices,
// random draws and today's date. Production wires the real store, sound library,
// message dialog and clock; tests hand in recorders and scripted draws.

#include "messages.h"
#include "soundsink.h"
#include "statssink.h"

namespace quorvel {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;      // seed from the clock
    virtual int random(int n) = 0;     // uniform 0 .. n-1; n <= 0 gives 0
};

struct Services {
    StatsSink& stats;
    SoundSink& sound;
    MessageSink& messages;
    RandomSource& random;
    const Clock& clock;
};

} // namespace quorvel
