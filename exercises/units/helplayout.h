#pragma once
// Placing a factor line of the help window over (or under) its unit row: each factor
// should stand centred between the two units it links, that is over the arrow between
// them. The texts keep their exact blanks; what is fitted is where the line starts and
// how wide its blanks are drawn, by least squares over all factors of the line.
// Lines are measured as runs of non-blank characters plus a fixed width per blank,
// which is also how the window paints them.

#include <QString>
#include <functional>
#include <vector>

namespace quorvel::units {

// Width in pixels of a run of non-blank characters in the font the line is drawn in.
using TextWidth = std::function<double(const QString&)>;

struct TextPiece {
    int start = 0;  // character index
    int length = 0;
};

// The pieces of a line separated by runs of two or more blanks ("x1000 <--" is one).
std::vector<TextPiece> lineGroups(const QString& line);
// The arrows of a unit row ("<->", "<-->").
std::vector<TextPiece> rowArrows(const QString& row);

// x where character `index` of the line starts.
double advanceTo(const QString& line, int index, const TextWidth& runWidth, double blankWidth);

// Centres of the pieces in pixels from the start of the line.
std::vector<double> pieceCentres(const QString& line, const std::vector<TextPiece>& pieces,
                                 const TextWidth& runWidth, double blankWidth);

struct FactorFit {
    double offset = 0;     // x of the factor line relative to the unit row
    double blankWidth = 0; // pixels per blank in the factor line
};

// The unit row is drawn with blanks of rowBlank pixels; naturalBlank is the font's own
// blank, the fitted width stays between a quarter and three times it.
FactorFit fitFactorLine(const QString& unitRow, const TextWidth& rowWidth, double rowBlank,
                        const QString& factorLine, const TextWidth& lineWidth,
                        double naturalBlank);

} // namespace quorvel::units
