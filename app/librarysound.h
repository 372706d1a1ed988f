#pragma once
// The production SoundSink: the three calls of the Quorsound library.

#include "soundsink.h"

namespace quorvel {

class LibrarySound final : public SoundSink {
protected:
    void playNamed(const char* name, std::uint8_t soundOn) override;
    void playWrong(std::uint8_t soundOn) override;
    void playRight(std::uint8_t soundOn) override;
};

} // namespace quorvel
