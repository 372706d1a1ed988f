#pragma once
// The texts of the conversion help window, one entry per tab. The runs of blanks in
// the factor lines place each factor between the two units it links.

#include <QStringList>
#include <vector>

namespace quorvel::units {

struct HelpTab {
    QString caption;
    QString heading;
    QString unitRow;
    QString upperLine;  // "x" factors, going to the smaller unit
    QString lowerLine;  // ":" factors, going to the larger unit
    QStringList left;   // each unit in the next larger one
    QStringList right;  // the next larger unit in the smaller one
};

const std::vector<HelpTab>& helpTabs();

} // namespace quorvel::units
