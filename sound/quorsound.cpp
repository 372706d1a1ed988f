// The library's three exported calls; the work is done in player.cpp.
#include "quorsound.h"

#include "player.h"

extern "C" {

void QUORSOUND_CALL Musik(const char* name, unsigned char soundOn)
{
    quorsound::musik(name, soundOn);
}

void QUORSOUND_CALL Fehler_Musik(unsigned char soundOn) { quorsound::fehlerMusik(soundOn); }

void QUORSOUND_CALL Richtig_Musik(unsigned char soundOn) { quorsound::richtigMusik(soundOn); }

} // extern "C"
