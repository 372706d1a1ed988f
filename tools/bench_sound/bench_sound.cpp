// bench_sound: how long one call of the sound library takes as the program sees it.
// Prints the first call (which opens the audio device), the first play of every jingle a
// second later (they are converted in the background meanwhile), and the median / 90th percentile / maximum of later
// calls. Run it through tools/bench_sound.sh (SDL's dummy driver unless told otherwise).
#include "quorsound.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double timeMs(const std::function<void()>& call)
{
    const auto t0 = Clock::now();
    call();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s n=%4zu  median %7.3f ms  p90 %7.3f ms  max %7.3f ms\n", what, ms.size(),
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back());
}

const char* const kNames[] = {"MUSIF01", "MUSIF02", "MUSIF03", "MUSIF04", "MUSIN01",
                              "MUSIN02", "MUSIN03", "MUSIR01", "MUSIR02", "MUSIR03",
                              "MUSIR04", "MUSIR05", "MUSIR06"};

} // namespace

int main()
{
    std::printf("first call, Musik(\"MUSIN02\", 1) with device opening: %.3f ms\n",
                timeMs([] { Musik("MUSIN02", 1); }));
    // The pupil reads the first task for a moment; meanwhile the library prepares the
    // other jingles in the background.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    std::vector<double> firsts;
    for (const char* n : kNames)
        firsts.push_back(timeMs([n] { Musik(n, 1); }));
    report("first play of each jingle after 1 s", firsts);

    std::vector<double> later;
    for (int i = 0; i < 520; ++i) {
        const char* n = kNames[i % 13];
        later.push_back(timeMs([n] { Musik(n, 1); }));
    }
    report("later Musik calls", later);

    std::vector<double> wrong, right, off;
    for (int i = 0; i < 200; ++i) {
        wrong.push_back(timeMs([] { Fehler_Musik(1); }));
        right.push_back(timeMs([] { Richtig_Musik(1); }));
        off.push_back(timeMs([] { Musik("MUSIR01", 0); }));
    }
    report("later Fehler_Musik calls", wrong);
    report("later Richtig_Musik calls", right);
    report("Musik with SoundOn 0", off);
    return 0;
}
