// --help and --version answer without a window; Qt's own options pass through; a
// misspelt option of ours is named with exit code 2 instead of being ignored.
#include "commandline.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(CommandLine, AnswersAndPassThrough)
{
    struct Row {
        std::vector<std::string> args;
        bool startWindow;
        int exitCode;
        const char* textStart;
    };
    const Row rows[] = {
        {{}, true, 0, ""},
        {{"-platform", "offscreen"}, true, 0, ""},
        {{"--platform=xcb"}, true, 0, ""},
        {{"-style", "fusion", "--reverse"}, true, 0, ""},
        {{"--"}, true, 0, ""},
        {{"--version"}, false, 0, "Quorvel 1.51\n"},
        {{"-v"}, false, 0, "Quorvel 1.51\n"},
        {{"--help"}, false, 0, "Aufruf: quorvel [OPTION]\n"},
        {{"--bunt", "-h"}, false, 0, "Aufruf: quorvel"},
        {{"--bunt"}, false, 2, "quorvel: unbekannte Option '--bunt'\n"},
        {{"---"}, false, 2, "quorvel: unbekannte Option '---'"},
    };
    for (const Row& r : rows) {
        const CommandLineAnswer a = answerCommandLine(r.args);
        SCOPED_TRACE(r.args.empty() ? std::string("(none)") : r.args[0]);
        EXPECT_EQ(a.startWindow, r.startWindow);
        EXPECT_EQ(a.exitCode, r.exitCode);
        EXPECT_EQ(a.text.rfind(r.textStart, 0), 0u) << a.text;
        EXPECT_EQ(a.toStandardError, r.exitCode != 0);
    }
}
