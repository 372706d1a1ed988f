// The library's logic in-process on SDL's silent "dummy" driver: the sound switch, name
// lookup, opening the device only for a real jingle, cutting off, no device at all, and
// the random choice of the wrong- and right-answer jingles.
#include "jingles.h"
#include "player.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using namespace quorsound;
using quorsound::testhooks::DeviceState;

namespace {

std::vector<std::string> g_lookups;
void recordLookup(const char* name) { g_lookups.emplace_back(name); }

struct Player : ::testing::Test {
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        testhooks::shutdown();
        g_lookups.clear();
        testhooks::setLookupObserver(recordLookup);
    }
    void TearDown() override
    {
        testhooks::setLookupObserver(nullptr);
        testhooks::shutdown();
    }
    static std::size_t pcmSize(const char* name)
    {
        std::vector<std::uint8_t> pcm;
        EXPECT_TRUE(decodeJingle(*findJingle(name), deviceRequest(), pcm));
        return pcm.size();
    }
};

} // namespace

TEST(FindJingle, KnowsEachNameIgnoringCase)
{
    for (const EmbeddedJingle& j : kEmbeddedJingles) {
        EXPECT_EQ(findJingle(j.name), &j);
        std::string lower = j.name;
        for (char& c : lower)
            c = char(std::tolower(c));
        EXPECT_EQ(findJingle(lower.c_str()), &j) << lower;
    }
}

TEST(FindJingle, RejectsOtherNames)
{
    for (const char* name : {"", "MUSIN0", "MUSIN021", "MUSIN00", "MUSIR07", "MUSIX01",
                             " MUSIN02", "MUSIN02 ", "WAVE", "\xe4\xf6\xfc"})
        EXPECT_EQ(findJingle(name), nullptr) << '"' << name << '"';
    EXPECT_EQ(findJingle(nullptr), nullptr);
}

TEST_F(Player, SwitchOtherThanOnePlaysNothingAndLooksNothingUp)
{
    for (unsigned char on : {0, 2, 255}) {
        musik("MUSIN02", on);
        fehlerMusik(on);
        richtigMusik(on);
    }
    EXPECT_TRUE(g_lookups.empty());
    EXPECT_EQ(testhooks::deviceState(), DeviceState::Closed) << "a session with the sound off "
                                                               "never touches the device";
}

TEST_F(Player, UnknownNamePlaysNothingAndLeavesTheDeviceAlone)
{
    musik("MUSIX99", 1);
    musik("", 1);
    musik(nullptr, 1);
    EXPECT_EQ(g_lookups, (std::vector<std::string>{"MUSIX99", ""}));
    EXPECT_EQ(testhooks::deviceState(), DeviceState::Closed);
}

TEST_F(Player, FirstJingleOpensTheDeviceAndReturnsWhileItPlays)
{
    musik("MUSIR01", 1);
    ASSERT_EQ(testhooks::deviceState(), DeviceState::Open);
    // Three and a half seconds of sound cannot have drained yet: the call did not wait.
    EXPECT_GT(SDL_GetQueuedAudioSize(testhooks::device()), pcmSize("MUSIR01") / 2);
}

TEST_F(Player, NewJingleCutsOffTheOneStillPlaying)
{
    musik("MUSIR01", 1);
    ASSERT_EQ(testhooks::deviceState(), DeviceState::Open);
    musik("MUSIN02", 1);
    const Uint32 queued = SDL_GetQueuedAudioSize(testhooks::device());
    EXPECT_GT(queued, 0u);
    EXPECT_LE(queued, pcmSize("MUSIN02")) << "the rest of MUSIR01 is gone";
}

TEST_F(Player, SwitchingOffDoesNotStopTheJinglePlaying)
{
    musik("MUSIR01", 1);
    musik("MUSIN02", 0);
    fehlerMusik(0);
    EXPECT_GT(SDL_GetQueuedAudioSize(testhooks::device()), pcmSize("MUSIN02"));
}

TEST_F(Player, NoAudioDeviceIsSilence)
{
    const std::string saved = getenv("SDL_AUDIODRIVER");
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testhooks::shutdown();
    musik("MUSIN02", 1);
    EXPECT_EQ(testhooks::deviceState(), DeviceState::Failed);
    // Later calls stay silent and do not try again.
    richtigMusik(1);
    fehlerMusik(1);
    EXPECT_EQ(testhooks::deviceState(), DeviceState::Failed);
    EXPECT_EQ(g_lookups.size(), 3u);
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
}

TEST_F(Player, WrongAnswersPickEachOfTheirFourJingles)
{
    for (int i = 0; i < 200; ++i)
        fehlerMusik(1);
    ASSERT_EQ(g_lookups.size(), 200u);
    const std::set<std::string> seen(g_lookups.begin(), g_lookups.end());
    EXPECT_EQ(seen, (std::set<std::string>{"MUSIF01", "MUSIF02", "MUSIF03", "MUSIF04"}));
}

TEST_F(Player, RightAnswersPickEachOfTheirSixJingles)
{
    for (int i = 0; i < 300; ++i)
        richtigMusik(1);
    ASSERT_EQ(g_lookups.size(), 300u);
    const std::set<std::string> seen(g_lookups.begin(), g_lookups.end());
    EXPECT_EQ(seen, (std::set<std::string>{"MUSIR01", "MUSIR02", "MUSIR03", "MUSIR04",
                                           "MUSIR05", "MUSIR06"}));
}

TEST(ClockSeededDraw, StaysInRangeAndReachesEveryValue)
{
    for (int n : {1, 4, 6}) {
        std::vector<int> hits(n, 0);
        for (int i = 0; i < 100 * n; ++i) {
            const int r = drawClockSeeded(n);
            ASSERT_GE(r, 0);
            ASSERT_LT(r, n);
            ++hits[r];
        }
        for (int v = 0; v < n; ++v)
            EXPECT_GT(hits[v], 0) << "n=" << n << " value " << v;
    }
}
