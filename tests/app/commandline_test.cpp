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
        {{"--datenordner", "/srv/klasse"}, true, 0, ""},
        {{"--datenordner=/srv/klasse", "-platform", "xcb"}, true, 0, ""},
        {{"--datenordner"}, false, 2, "quorvel: Die Option '--datenordner' braucht einen Ordner."},
        {{"--datenordner="}, false, 2, "quorvel: Die Option '--datenordner' braucht"},
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

TEST(CommandLine, DataFolderOptionGivesItsFolder)
{
    EXPECT_FALSE(answerCommandLine({}).dataFolder.has_value());
    EXPECT_EQ(answerCommandLine({"--datenordner", "/srv/Klasse 7a"}).dataFolder, "/srv/Klasse 7a");
    // A folder whose name looks like an option is still the folder.
    EXPECT_EQ(answerCommandLine({"--datenordner", "--x"}).dataFolder, "--x");
    EXPECT_EQ(answerCommandLine({"--datenordner=/a=b"}).dataFolder, "/a=b");
    EXPECT_NE(helpText().find("--datenordner PFAD"), std::string::npos);
    EXPECT_NE(helpText().find("/var/lib/quorvel/Programme/Quorvel V1.5/"), std::string::npos);
}
