#include "librarysound.h"

#include "quorsound.h"

namespace quorvel {

void LibrarySound::musik(const char* name, std::uint8_t soundOn) { Musik(name, soundOn); }
void LibrarySound::fehlerMusik(std::uint8_t soundOn) { Fehler_Musik(soundOn); }
void LibrarySound::richtigMusik(std::uint8_t soundOn) { Richtig_Musik(soundOn); }

} // namespace quorvel
