#include "quorsound.h"

// Interim: silent until the jingles are in place.
extern "C" {
void QUORSOUND_CALL Musik(const char*, unsigned char) {}
void QUORSOUND_CALL Fehler_Musik(unsigned char) {}
void QUORSOUND_CALL Richtig_Musik(unsigned char) {}
}
