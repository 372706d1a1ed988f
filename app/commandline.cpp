#include "commandline.h"

#include "worksheetcommand.h"

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "1.51"
#endif

#include <algorithm>
#include <iterator>

namespace quorvel {

namespace {

// Options Qt reads itself, written with one or two dashes.
const char* const kQtOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "reverse", "session", "style", "stylesheet",
    "widgetcount", "display", "geometry", "name", "title", "visual", "ncols", "cmap",
    "nograb", "dograb", "sync", "qmljsdebugger", "graphicssystem", "fn", "font", "bg",
    "background", "fg", "foreground", "btn", "button", "im", "inputstyle", "testability",
};

bool isQtOption(const std::string& word)
{
    const std::size_t start = word.find_first_not_of('-');
    if (start == std::string::npos)
        return false;
    std::string name = word.substr(start);
    name = name.substr(0, name.find('='));
    return std::any_of(std::begin(kQtOptions), std::end(kQtOptions),
                       [&](const char* q) { return name == q; });
}

} // namespace

std::string versionText() { return "Quorvel " QUORVEL_VERSION "\n"; }

std::string helpText()
{
    return "Aufruf: quorvel [OPTION]\n"
           "Quorvel ist ein Mathe-Trainer für Schülerinnen und Schüler: Grundrechnen,\n"
           "Einheiten umrechnen, Zahlensysteme, Primzahlen und Teilbarkeit, Bruchrechnung.\n"
           "\n"
           "  -h, --help     diese Hilfe zeigen und beenden\n"
           "  -v, --version  die Versionsnummer zeigen und beenden\n"
           "\n"
           "Ohne Option öffnet sich das Programmfenster. Die Ergebnisse jedes Schülers\n"
           "stehen in \"~/.local/share/Programme/Quorvel V1.5/\". Das Handbuch öffnet\n"
           "sich im Programm mit F1 oder über \"Datei > Hilfe\".\n"
           "\n"
           + worksheet::worksheetHelpText();
}

CommandLineAnswer answerCommandLine(const std::vector<std::string>& args)
{
    for (const std::string& a : args) {
        if (a == "-h" || a == "--help")
            return {false, helpText(), false, 0};
        if (a == "-v" || a == "--version")
            return {false, versionText(), false, 0};
    }
    for (const std::string& a : args) {
        // Qt's own options (-platform, -style, -display …) and their values pass through;
        // a word of ours that is misspelt is named, with the help, instead of ignored.
        if (a.size() > 2 && a.rfind("--", 0) == 0 && !isQtOption(a))
            return {false, "quorvel: unbekannte Option '" + a + "'\n\n" + helpText(), true, 2};
    }
    return {};
}

} // namespace quorvel
