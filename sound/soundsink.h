#pragma once
// Where jingles go: the sound library in production, a recorder in tests. The sink owns
// the program-wide sound switch and hands it to every call (1 = on), so no caller has to.

#include <cstdint>

namespace quorvel {

class SoundSink {
public:
    virtual ~SoundSink() = default;

    void musik(const char* name) { playNamed(name, m_soundOn); }
    void fehlerMusik() { playWrong(m_soundOn); }
    void richtigMusik() { playRight(m_soundOn); }

    std::uint8_t soundOn() const { return m_soundOn; }
    void setSoundOn(bool on) { m_soundOn = on ? 1 : 0; }

protected:
    // The three calls of the sound library.
    virtual void playNamed(const char* name, std::uint8_t soundOn) = 0;
    virtual void playWrong(std::uint8_t soundOn) = 0;
    virtual void playRight(std::uint8_t soundOn) = 0;

private:
    std::uint8_t m_soundOn = 1; // every run starts with the sound on
};

} // namespace quorvel
