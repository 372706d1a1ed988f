#pragma once
/* Quorsound: plays one of thirteen embedded jingles, asynchronously; a new jingle cuts off
   the one still playing. soundOn other than 1 plays nothing. The name is owned by the
   caller and read only during the call. Nothing is ever reported back. */

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define QUORSOUND_CALL __stdcall
#define QUORSOUND_API /* exported by ordinal through quorsound.def */
#else
#define QUORSOUND_CALL
#define QUORSOUND_API __attribute__((visibility("default")))
#endif

/* Ordinal 1: plays the jingle `name` ("MUSIF01" .. "MUSIR06"). */
QUORSOUND_API void QUORSOUND_CALL Musik(const char* name, unsigned char soundOn);
/* Ordinal 2: one of the four "wrong answer" jingles, drawn at random. */
QUORSOUND_API void QUORSOUND_CALL Fehler_Musik(unsigned char soundOn);
/* Ordinal 3: one of the six "right answer" jingles, drawn at random. */
QUORSOUND_API void QUORSOUND_CALL Richtig_Musik(unsigned char soundOn);

#ifdef __cplusplus
}
#endif
