#pragma once
// The worksheet on the command line, for a teacher who makes a sheet for every class at
// once: quorvel --arbeitsblatt THEMA:ART [...] --pdf DATEI writes the PDF without any
// window or display. A wrong option or value is named in German and ends with code 2.

#include "worksheet.h"

#include <string>
#include <vector>

namespace quorvel::worksheet {

struct WorksheetCall {
    SheetSettings settings;
    QString pdfPath;
    bool help = false; // --help among the words: print the help instead
};

struct CallParse {
    bool ok = false;
    WorksheetCall call;
    QString error; // German, without the program name
};

// Does the command line ask for a worksheet?
bool isWorksheetCall(const std::vector<std::string>& args);
// args without the program name.
CallParse parseWorksheetCall(const std::vector<std::string>& args);

// The part of --help about worksheets, with every THEMA:ART.
std::string worksheetHelpText();

// Parses, then makes and writes the sheet with no display; the program's exit code
// (0 written, 1 the file could not be written, 2 a wrong option or value).
int runWorksheetCommand(int argc, char** argv);

} // namespace quorvel::worksheet
