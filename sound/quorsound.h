#pragma once
/* Quorsound: plays one of thirteen embedded jingles, asynchronously.
   soundOn other than 1 plays nothing. The name is owned by the caller. */

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define QUORSOUND_CALL __stdcall
#else
#define QUORSOUND_CALL
#endif

void QUORSOUND_CALL Musik(const char* name, unsigned char soundOn);
void QUORSOUND_CALL Fehler_Musik(unsigned char soundOn);
void QUORSOUND_CALL Richtig_Musik(unsigned char soundOn);

#ifdef __cplusplus
}
#endif
