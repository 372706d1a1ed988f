#pragma once
// The library's logic, kept in a static library so tests can reach the parts that the
// shared library does not export.

#include "jingles.h"

#include <SDL.h>
#include <cstdint>
#include <vector>

namespace quorsound {

// Plays the jingle `name` when soundOn is exactly 1; any other value does nothing at all.
// Unknown names, a missing or failing audio device: silence, nothing reported.
void musik(const char* name, unsigned char soundOn);
// One of the four wrong-answer or six right-answer jingles, drawn afresh each call.
void fehlerMusik(unsigned char soundOn);
void richtigMusik(unsigned char soundOn);

extern const char* const kWrongJingles[4];
extern const char* const kRightJingles[6];

// A uniform number 0 .. n-1 from a generator seeded from the system clock just before the
// draw. The seed also mixes in a call counter, so calls within one clock tick still differ.
int drawClockSeeded(int n);

// The output format the audio device is opened with. SDL converts to the hardware itself;
// the jingles are converted to this format once, when first played.
SDL_AudioSpec deviceRequest();

// Decodes an embedded RIFF image and converts it to `target`'s format, rate and channels
// (SDL_BuildAudioCVT + SDL_ConvertAudio, which keep the full length). False if the image
// does not load or cannot be converted.
bool decodeJingle(const EmbeddedJingle& jingle, const SDL_AudioSpec& target,
                  std::vector<std::uint8_t>& pcm);

namespace testhooks {

enum class DeviceState { Closed, Open, Failed };

// Called with every name that Musik goes on to look up.
void setLookupObserver(void (*observer)(const char* name));
// Closes the device and the audio subsystem; the next jingle opens them afresh.
void shutdown();
DeviceState deviceState();
SDL_AudioDeviceID device();

} // namespace testhooks

} // namespace quorsound
