#include "player.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <random>
#include <thread>

namespace quorsound {

const char* const kWrongJingles[4] = {"MUSIF01", "MUSIF02", "MUSIF03", "MUSIF04"};
const char* const kRightJingles[6] = {"MUSIR01", "MUSIR02", "MUSIR03",
                                      "MUSIR04", "MUSIR05", "MUSIR06"};

const EmbeddedJingle* findJingle(const char* name)
{
    if (!name)
        return nullptr;
    for (const EmbeddedJingle& j : kEmbeddedJingles) {
        const char* a = name;
        const char* b = j.name;
        while (*a && *b) {
            char ca = *a, cb = *b;
            if (ca >= 'a' && ca <= 'z')
                ca = char(ca - 'a' + 'A');
            if (ca != cb)
                break;
            ++a;
            ++b;
        }
        if (*a == 0 && *b == 0)
            return &j;
    }
    return nullptr;
}

int drawClockSeeded(int n)
{
    static std::atomic<std::uint64_t> calls{0};
    const auto now = std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
    const std::uint64_t count = calls.fetch_add(1, std::memory_order_relaxed);
    std::seed_seq seed{std::uint32_t(now), std::uint32_t(now >> 32), std::uint32_t(count),
                       std::uint32_t(count >> 32)};
    std::mt19937 engine(seed);
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}

SDL_AudioSpec deviceRequest()
{
    SDL_AudioSpec audioFormat;
    SDL_zero(audioFormat);
    audioFormat.freq = 44100;
    audioFormat.format = AUDIO_S16SYS;
    audioFormat.channels = 2;
    audioFormat.samples = 1024;
    return audioFormat;
}

namespace {

// One SDL_BuildAudioCVT + SDL_ConvertAudio pass over `data`; nothing to do is success.
bool convertStep(std::vector<std::uint8_t>& data, SDL_AudioFormat fromFormat, int fromChannels,
                 int fromRate, SDL_AudioFormat toFormat, int toChannels, int toRate)
{
    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, fromFormat, Uint8(fromChannels), fromRate, toFormat,
                                        Uint8(toChannels), toRate);
    if (built < 0)
        return false;
    if (built == 0)
        return true;
    const std::size_t length = data.size();
    data.resize(length * std::size_t(cvt.len_mult));
    cvt.buf = data.data();
    cvt.len = int(length);
    if (SDL_ConvertAudio(&cvt) != 0)
        return false;
    data.resize(std::size_t(cvt.len_cvt));
    return true;
}

} // namespace

bool decodeJingle(const EmbeddedJingle& jingle, const SDL_AudioSpec& target,
                  std::vector<std::uint8_t>& pcm)
{
    SDL_RWops* rw = SDL_RWFromConstMem(jingle.data, int(jingle.size));
    if (!rw)
        return false;
    SDL_AudioSpec audioFormat;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &audioFormat, &buffer, &length))
        return false;
    std::vector<std::uint8_t> data(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    // Resampling is the costly part, so it runs on as few channels as possible: sample
    // format and any down-mix first, then the rate, then any up-mix.
    const int mid = std::min<int>(audioFormat.channels, target.channels);
    const bool ok =
        convertStep(data, audioFormat.format, audioFormat.channels, audioFormat.freq, target.format, mid, audioFormat.freq)
        && convertStep(data, target.format, mid, audioFormat.freq, target.format, mid, target.freq)
        && convertStep(data, target.format, mid, target.freq, target.format, target.channels,
                       target.freq);
    if (!ok)
        return false;
    const std::size_t frame = std::size_t(SDL_AUDIO_BITSIZE(target.format) / 8) * target.channels;
    data.resize(data.size() / frame * frame);
    pcm = std::move(data);
    return true;
}

namespace {

using testhooks::DeviceState;

class Player {
public:
    void play(const EmbeddedJingle& jingle)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_state == DeviceState::Open && SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
            // The device went away (unplugged, server gone): try once to open a new one.
            SDL_CloseAudioDevice(m_device);
            m_device = 0;
            m_state = DeviceState::Closed;
        }
        if (m_state == DeviceState::Closed)
            open();
        if (m_state != DeviceState::Open)
            return;
        const std::size_t index = std::size_t(&jingle - kEmbeddedJingles);
        Cached& c = m_cache[index];
        if (!c.tried) {
            // Not prepared in the background yet: convert it now.
            c.tried = true;
            c.ok = decodeJingle(jingle, m_have, c.pcm);
        }
        if (!c.ok || c.pcm.empty())
            return;
        SDL_LockAudioDevice(m_device);
        SDL_ClearQueuedAudio(m_device);
        SDL_QueueAudio(m_device, c.pcm.data(), Uint32(c.pcm.size()));
        SDL_UnlockAudioDevice(m_device);
    }

    void shutdown()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_device)
            SDL_CloseAudioDevice(m_device);
        m_device = 0;
        if (m_subsystem)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
        m_state = DeviceState::Closed;
        m_cache = {};
        ++m_generation;
    }

    DeviceState state()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_state;
    }
    SDL_AudioDeviceID device()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_device;
    }

private:
    struct Cached {
        bool tried = false;
        bool ok = false;
        std::vector<std::uint8_t> pcm;
    };

    void open()
    {
        m_state = DeviceState::Failed; // until the device really plays
        // Leave SIGINT/SIGTERM to the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (!m_subsystem) {
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
                return;
            m_subsystem = true;
        }
        const SDL_AudioSpec want = deviceRequest();
        SDL_AudioSpec have;
        // No changes allowed: SDL converts to whatever the hardware takes, so the jingles
        // need converting to one fixed format only.
        m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (m_device == 0)
            return;
        m_have = have;
        m_cache = {};
        ++m_generation;
        SDL_PauseAudioDevice(m_device, 0);
        m_state = DeviceState::Open;
        prepareInBackground();
    }

    // Converting a jingle takes some milliseconds; a helper thread converts the others
    // right after the device opens, so that later calls only queue ready samples. A jingle
    // asked for before its turn is converted by the caller instead.
    void prepareInBackground()
    {
        const unsigned generation = m_generation;
        try {
            std::thread([this, generation] { prepareAll(generation); }).detach();
        } catch (...) {
            // No thread: every jingle is converted when first played.
        }
    }

    void prepareAll(unsigned generation)
    {
        // The right-answer jingles come first: they follow the series start soonest.
        static const int order[kJingleCount] = {7, 8, 9, 10, 11, 12, 0, 1, 2, 3, 4, 5, 6};
        for (int index : order) {
            SDL_AudioSpec target;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (generation != m_generation)
                    return;
                if (m_cache[index].tried)
                    continue;
                target = m_have;
            }
            Cached ready;
            ready.tried = true;
            ready.ok = decodeJingle(kEmbeddedJingles[index], target, ready.pcm);
            std::lock_guard<std::mutex> lock(m_mutex);
            if (generation != m_generation)
                return;
            if (!m_cache[index].tried)
                m_cache[index] = std::move(ready);
        }
    }

    std::mutex m_mutex;
    DeviceState m_state = DeviceState::Closed;
    bool m_subsystem = false;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_have{};
    std::array<Cached, kJingleCount> m_cache;
    unsigned m_generation = 0; // bumped whenever the cache is thrown away
};

// Never destroyed: the library does nothing at unload, and the audio thread may still be
// draining the queue while the program exits.
Player& player()
{
    static Player* p = new Player;
    return *p;
}

std::atomic<void (*)(const char*)> g_lookupObserver{nullptr};

} // namespace

void musik(const char* name, unsigned char soundOn)
{
    if (soundOn != 1 || !name)
        return;
    if (auto observer = g_lookupObserver.load())
        observer(name);
    const EmbeddedJingle* jingle = findJingle(name);
    if (!jingle)
        return;
    player().play(*jingle);
}

void fehlerMusik(unsigned char soundOn) { musik(kWrongJingles[drawClockSeeded(4)], soundOn); }

void richtigMusik(unsigned char soundOn) { musik(kRightJingles[drawClockSeeded(6)], soundOn); }

namespace testhooks {

void setLookupObserver(void (*observer)(const char* name)) { g_lookupObserver = observer; }
void shutdown() { player().shutdown(); }
DeviceState deviceState() { return player().state(); }
SDL_AudioDeviceID device() { return player().device(); }

} // namespace testhooks

} // namespace quorsound
