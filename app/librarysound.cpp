#include "librarysound.h"

#include "quorsound.h"

namespace quorvel {

void LibrarySound::playNamed(const char* name, std::uint8_t soundOn) { Musik(name, soundOn); }
void LibrarySound::playWrong(std::uint8_t soundOn) { Fehler_Musik(soundOn); }
void LibrarySound::playRight(std::uint8_t soundOn) { Richtig_Musik(soundOn); }

} // namespace quorvel
