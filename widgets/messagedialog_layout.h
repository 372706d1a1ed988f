#pragma once
// The message window's arithmetic and tables, free of widgets: dialog units, the
// button-width cache, the layout of icon, text and button row, the captions and titles
// in the five dialog languages, and the colour bands of the background gradient.
// The window code measures the font and the text, calls messageLayout() and places
// the children at the rectangles it returns.

#include "messages.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include "muldiv.h"

#include <vector>

namespace quorvel {

constexpr int kMessageButtonCount = 11;
constexpr int kMessageKindCount = 5;
constexpr int kDialogLanguageCount = 5;
constexpr int kMessageIconSize = 32;

// n / d rounded to the nearest integer, halves to the even neighbour (d > 0).
int messageRoundHalfEven(long long n, long long d);

// --- Tables ---------------------------------------------------------------------

// Index 0..4 of "deutsch", "english", "dutch", "spanish", "french"; the name is
// compared without regard to letter case. Empty when it matches none.
std::optional<int> dialogLanguageIndex(std::string_view languageUtf8);

// Title of a kind in a language (UTF-8). Empty for an unknown language and for Custom
// (whose title is the application's, supplied by the window code).
std::string_view messageKindTitle(MessageKind kind, std::optional<int> language);
// Whether the kind shows a standard icon (all but Custom).
bool messageKindHasIcon(MessageKind kind);

// Caption of a button in a language (UTF-8, "&" marks the accelerator); empty for an
// unknown language.
std::string_view messageButtonCaption(MessageButton button, std::optional<int> language);
// The object name of a button: "Yes", "No", "OK", ...
std::string_view messageButtonName(MessageButton button);
// The value the dialog returns when the button closes it; 0 for Help, which does not close.
int messageButtonResult(MessageButton button);

// Modal results named after the buttons.
enum ModalResult : int {
    ResultNone = 0, ResultOK = 1, ResultCancel = 2, ResultAbort = 3, ResultRetry = 4,
    ResultIgnore = 5, ResultYes = 6, ResultNo = 7, ResultAll = 8, ResultNoToAll = 9,
    ResultYesToAll = 10,
};

inline bool hasButton(MessageButtons set, MessageButton b) { return (set & buttonBit(b)) != 0; }
// The requested buttons in their fixed left-to-right order. Bits above the eleven kinds
// are ignored.
std::vector<MessageButton> orderedButtons(MessageButtons set);
// Enter presses OK if requested, else Yes, else Retry; none when none of them is there.
std::optional<MessageButton> defaultButton(MessageButtons set);
// Escape presses Cancel if requested, else No, else OK; none when none of them is there.
std::optional<MessageButton> cancelButton(MessageButtons set);

// --- Button widths ----------------------------------------------------------------

// One measured width (caption + 8 pixels) per button kind, kept for the whole run once
// measured. Zero means "not measured yet".
class ButtonWidthCache {
public:
    // Measures the caption of each requested button whose entry is still 0 (in the given
    // language; with an unknown language nothing is measured and the entry becomes 8),
    // then returns the largest of startWidth and the entries of the requested buttons.
    // measureCaption gets the UTF-8 caption and returns its single-line pixel width.
    int resolveButtonWidth(MessageButtons buttons, std::optional<int> language, int startWidth,
                           const std::function<int(std::string_view)>& measureCaption);
    int entry(MessageButton b) const { return m_entries[std::size_t(b)]; }
    void clear() { m_entries.fill(0); }

private:
    std::array<int, kMessageButtonCount> m_entries{};
};

// The one cache of the running program.
ButtonWidthCache& buttonWidthCache();

// --- Layout -------------------------------------------------------------------------

struct LayoutRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const LayoutRect&) const = default;
};

// Everything measured on the platform side.
struct MessageLayoutInput {
    int charWidth = 0;     // average character width (AverageCharSize x)
    int charHeight = 0;    // character height (AverageCharSize y)
    int textWidth = 0;     // wrapped message width
    int textHeight = 0;    // wrapped message height
    bool hasIcon = false;
    MessageButtons buttons = 0;
    int buttonWidth = 0;   // common button width (from ButtonWidthCache::resolveButtonWidth)
    int screenWidth = 0;   // primary screen, pixels
    int screenHeight = 0;
    int frameWidth = 0;    // window size minus client size (0 when not known yet)
    int frameHeight = 0;
    bool rightToLeft = false;
};

struct PlacedButton {
    MessageButton kind;
    LayoutRect rect;
};

struct MessageLayout {
    int horizontalMargin = 0, verticalMargin = 0;
    int horizontalSpacing = 0, verticalSpacing = 0;
    int buttonWidth = 0, buttonHeight = 0, buttonSpacing = 0;
    int textBlockWidth = 0, textBlockHeight = 0;
    int buttonRowWidth = 0;
    int clientWidth = 0, clientHeight = 0;
    int windowLeft = 0, windowTop = 0; // centred on the screen
    std::optional<LayoutRect> icon;    // only when the kind has an icon
    LayoutRect message;
    std::vector<PlacedButton> buttons; // left to right
};

// Starting button width in pixels: 50 dialog units.
int startButtonWidth(int charWidth);

MessageLayout messageLayout(const MessageLayoutInput& in);

// Word-wrap width for the message: half the primary screen's width.
inline int messageWrapWidth(int screenWidth) { return screenWidth / 2; }

// --- Gradient -------------------------------------------------------------------------

struct GradientRgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const GradientRgb&) const = default;
};

// One line of the gradient: the offset from the rectangle's left (or top) edge and its colour.
struct GradientLine {
    int position = 0;
    GradientRgb colour;
};

// The lines of a gradient across `size` pixels through the given colours, in drawing
// order (a later line at the same position overwrites an earlier one). Only positions
// inside 0..size-1 are returned. Throws std::invalid_argument("Es müssen mindestens
// zwei Farben angegeben werden.") for fewer than two colours.
std::vector<GradientLine> gradientLines(int size, const std::vector<GradientRgb>& colours);

// The message the gradient raises for fewer than two colours (UTF-8).
extern const char* const kGradientTooFewColours;

} // namespace quorvel
