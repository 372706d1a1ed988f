// quorsound_probe: drives the real library the way the program does, for the tests that
// listen through SDL's "disk" driver. Arguments are steps, run in order:
//   musik NAME ON | wrong ON | right ON | sleep MS
// At the end SDL is shut down, which closes the device and flushes the output file.
#include "quorsound.h"

#include <SDL.h>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : ""; };
        if (step == "musik") {
            const char* name = next();
            Musik(name, static_cast<unsigned char>(std::atoi(next())));
        } else if (step == "wrong") {
            Fehler_Musik(static_cast<unsigned char>(std::atoi(next())));
        } else if (step == "right") {
            Richtig_Musik(static_cast<unsigned char>(std::atoi(next())));
        } else if (step == "sleep") {
            SDL_Delay(static_cast<Uint32>(std::atoi(next())));
        } else {
            return 2;
        }
    }
    SDL_Quit();
    return 0;
}
