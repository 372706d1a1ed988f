#pragma once
// The thirteen embedded jingles: complete RIFF/WAVE images made by tools/jinglesynth at
// build time (the array definitions are generated into the build tree).

#include <cstddef>

namespace quorsound {

struct EmbeddedJingle {
    const char* name; // "MUSIF01" .. "MUSIR06"
    const unsigned char* data;
    std::size_t size;
};

constexpr int kJingleCount = 13;
extern const EmbeddedJingle kEmbeddedJingles[kJingleCount];

// The jingle of that name, or nullptr. Names compare without regard to case, as resource
// names do; the name is read only up to its terminating zero or the first mismatch.
const EmbeddedJingle* findJingle(const char* name);

} // namespace quorsound
