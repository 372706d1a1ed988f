#pragma once
// The production SoundSink: the three calls of the Quorsound library.

#include "services.h"

namespace quorvel {

class LibrarySound final : public SoundSink {
public:
    void musik(const char* name, std::uint8_t soundOn) override;
    void fehlerMusik(std::uint8_t soundOn) override;
    void richtigMusik(std::uint8_t soundOn) override;
};

} // namespace quorvel
