#pragma once
// The texts of the two help windows on expanding / reducing and on decimal numbers:
// one text box per tab, each text framed by a line of hyphens, its title, the same line
// and an empty line.

#include <QStringList>
#include <vector>

namespace quorvel::fractions {

struct TextHelpTab {
    QString caption;
    QString title;
    QStringList lines; // the explanation after the heading
};

struct TextHelpWindow {
    QString objectName;  // "FormBruchErwHilfe"
    QString caption;     // window title
    int width;
    int height;
    bool staysOnTop;
    QString pageControlName;
    int hyphens;         // length of the framing line
    std::vector<TextHelpTab> tabs;
};

const TextHelpWindow& expandReduceHelp(); // "Hilfe: Erweitern / Kürzen"
const TextHelpWindow& decimalHelp();      // "Hilfe: Kommazahl <-> Bruchzahl"

// The whole content of a tab's text box, line by line.
QStringList helpTabLines(const TextHelpWindow& window, const TextHelpTab& tab);

} // namespace quorvel::fractions
