#pragma once
// The worked examples of the arithmetic help window as data: fractions with bars, mixed
// numbers (a large whole number and a small fraction), signs, and numbers struck through
// in a cross reduction with their replacement in green or red. The layout places every
// piece given a text measure, so the window only draws rectangles and texts.

#include <QString>
#include <functional>
#include <vector>

namespace quorvel::fractions {

enum class FormulaColour { Plain, Green, Red };

struct FormulaNumber {
    QString text;
    QString replacement; // not empty: the number is struck through and replaced by this
    FormulaColour colour = FormulaColour::Plain; // of the stroke and the replacement
};

struct FormulaTerm {
    enum Kind { Fraction, Mixed, Sign } kind = Sign;
    QString whole; // Mixed: the whole number
    FormulaNumber numerator;
    FormulaNumber denominator;
    QString sign; // Sign: "+", "-", "·", ":", "="
};

using Formula = std::vector<FormulaTerm>;

// The eight pictures of the help window, Image01 .. Image08 (index 0 .. 7).
const Formula& helpFormula(int index);

// "6/7 + 4/3 = 18/21 + 28/21 = 46/21 = 2 5/21"
QString formulaText(const Formula& formula);
// The text and, where numbers are struck through, which ones become what:
// "...; über Kreuz gekürzt: 15 zu 5 und 9 zu 3 (grün), 22 zu 2 und 11 zu 1 (rot)".
QString formulaDescription(const Formula& formula);

enum class FormulaRole { Number, SmallNumber, Whole, Sign, Replacement };

struct PlacedText {
    QString text;
    FormulaRole role = FormulaRole::Number;
    FormulaColour colour = FormulaColour::Plain;
    double x = 0, y = 0, w = 0, h = 0; // the text's box
    bool struck = false;               // a stroke across the box in `colour`
};

struct PlacedBar {
    double x = 0, y = 0, w = 0; // a horizontal line
};

struct FormulaLayout {
    std::vector<PlacedText> texts;
    std::vector<PlacedBar> bars;
    double width = 0, height = 0;
};

struct FormulaMetrics {
    std::function<double(const QString&, FormulaRole)> textWidth;
    double lineHeight[5] = {16, 13, 26, 16, 12}; // by FormulaRole
    double gap = 6;                              // between terms
};

// Places the terms left to right around one bar line. The room for replacements above and
// below is only taken when the formula has struck numbers.
FormulaLayout layoutFormula(const Formula& formula, const FormulaMetrics& metrics);

// The four tabs of "Hilfe: Grundrechnen mit Brüchen": a text above, one or two pictures
// (indexes into helpFormula), a text below (may be empty).
struct GrundHelpTab {
    QString caption;
    QString above;
    int images[2];
    QString below;
    bool imagesSideBySide; // the small product beside the mixed one
};
const std::vector<GrundHelpTab>& grundHelpTabs();

} // namespace quorvel::fractions
