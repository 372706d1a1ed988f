#pragma once
// The program's few command-line words: --datenordner names the folder of the statistics
// files; --help and --version print and end the program before any window opens, so they work without a display (for the package's man page,
// scripts and a teacher at a terminal).

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct CommandLineAnswer {
    bool startWindow = true; // false: print `text` and end with `exitCode`
    std::string text;        // UTF-8, ends with a line break
    bool toStandardError = false;
    int exitCode = 0;
    std::optional<std::string> dataFolder; // --datenordner PFAD (or --datenordner=PFAD)
};

// args without the program name.
CommandLineAnswer answerCommandLine(const std::vector<std::string>& args);

std::string versionText();
std::string helpText();

} // namespace quorvel
