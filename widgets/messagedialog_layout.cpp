#include "messagedialog_layout.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace quorvel {

const char* const kGradientTooFewColours = "Es müssen mindestens zwei Farben angegeben werden.";

namespace {

constexpr std::array<std::string_view, kDialogLanguageCount> kLanguages = {
    "deutsch", "english", "dutch", "spanish", "french",
};

// Rows: Warning, Error, Information, Confirmation; columns: the languages above.
constexpr std::string_view kTitles[4][kDialogLanguageCount] = {
    {"Warnung", "Warning", "Let op", "Advertencia", "Avertissement"},
    {"Fehler", "Error", "Fout", "Error", "Erreur"},
    {"Information", "Information", "Informatie", "Información", "Informations"},
    {"Bestätigung", "Confirm", "Bevestig", "Confirmación", "Confirmation"},
};

struct ButtonRow {
    std::string_view name;
    int result;
    std::string_view captions[kDialogLanguageCount];
};

// In the order of MessageButton (bit 0 .. bit 10).
constexpr ButtonRow kButtons[kMessageButtonCount] = {
    {"Yes", ResultYes, {"&Ja", "&Yes", "&Ja", "&Si", "&Oui"}},
    {"No", ResultNo, {"&Nein", "&No", "&Nee", "&No", "&Non"}},
    {"OK", ResultOK, {"OK", "OK", "OK", "OK", "OK"}},
    {"Cancel", ResultCancel, {"Abbrechen", "Abort", "Beëindigen", "Cancelar", "Interrompre"}},
    {"Abort", ResultAbort, {"&Abbrechen", "&Abort", "&Beëindigen", "&Cancelar", "&Interrompre"}},
    {"Retry", ResultRetry, {"&Wiederholen", "&Retry", "&Herhalen", "&Repetir", "&Répéter"}},
    {"Ignore", ResultIgnore, {"&Ignorieren", "&Ignore", "&Negeren", "&Ignorar", "&Négliger"}},
    {"All", ResultAll, {"&Alle", "&All", "&Alle", "&Todos", "&Tout"}},
    {"NoToAll", ResultNoToAll, {"&Alle Nein", "&No To All", "&Nee op alles", "&No a Todos", "&Tout Non"}},
    {"YesToAll", ResultYesToAll, {"A&lle Ja", "Yes To A&ll", "&Ja op alles", "&Si a Todos", "T&out Oui"}},
    {"Help", ResultNone, {"&Hilfe", "&Help", "&Help", "&Ayuda", "&L`aide"}},
};

// Which button Enter and Escape press, in order of preference.
constexpr MessageButton kDefaultPreference[] = {MessageButton::OK, MessageButton::Yes,
                                                MessageButton::Retry};
constexpr MessageButton kCancelPreference[] = {MessageButton::Cancel, MessageButton::No,
                                               MessageButton::OK};

template <std::size_t N>
std::optional<MessageButton> firstPresent(MessageButtons set, const MessageButton (&order)[N])
{
    for (MessageButton b : order)
        if (hasButton(set, b))
            return b;
    return std::nullopt;
}

// Floor of n / d for d > 0.
long long floorDiv(long long n, long long d)
{
    long long q = n / d;
    if ((n % d) != 0 && n < 0)
        --q;
    return q;
}

} // namespace

int messageRoundHalfEven(long long n, long long d)
{
    long long q = floorDiv(n, d);
    const long long twiceRest = 2 * (n - q * d);
    if (twiceRest > d || (twiceRest == d && (q % 2) != 0))
        ++q;
    return static_cast<int>(q);
}

std::optional<int> dialogLanguageIndex(std::string_view languageUtf8)
{
    // The five names are plain ASCII, so folding ASCII letters is enough to compare them
    // without regard to case; other characters can never match.
    std::string lower(languageUtf8);
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z')
            ch = char(ch - 'A' + 'a');
    for (int i = 0; i < kDialogLanguageCount; ++i)
        if (lower == kLanguages[std::size_t(i)])
            return i;
    return std::nullopt;
}

std::string_view messageKindTitle(MessageKind kind, std::optional<int> language)
{
    const int k = int(kind);
    if (!language || k < 0 || k >= 4)
        return {};
    return kTitles[k][*language];
}

bool messageKindHasIcon(MessageKind kind)
{
    return kind != MessageKind::Custom;
}

std::string_view messageButtonCaption(MessageButton button, std::optional<int> language)
{
    if (!language)
        return {};
    return kButtons[int(button)].captions[*language];
}

std::string_view messageButtonName(MessageButton button)
{
    return kButtons[int(button)].name;
}

int messageButtonResult(MessageButton button)
{
    return kButtons[int(button)].result;
}

std::vector<MessageButton> orderedButtons(MessageButtons set)
{
    std::vector<MessageButton> out;
    for (int i = 0; i < kMessageButtonCount; ++i)
        if (hasButton(set, MessageButton(i)))
            out.push_back(MessageButton(i));
    return out;
}

std::optional<MessageButton> defaultButton(MessageButtons set)
{
    return firstPresent(set, kDefaultPreference);
}

std::optional<MessageButton> cancelButton(MessageButtons set)
{
    return firstPresent(set, kCancelPreference);
}

int ButtonWidthCache::resolveButtonWidth(MessageButtons buttons, std::optional<int> language,
                                         int startWidth,
                                         const std::function<int(std::string_view)>& measureCaption)
{
    int width = startWidth;
    for (MessageButton b : orderedButtons(buttons)) {
        int& entry = m_entries[std::size_t(b)];
        if (entry == 0)
            entry = (language ? measureCaption(messageButtonCaption(b, language)) : 0) + 8;
        width = std::max(width, entry);
    }
    return width;
}

ButtonWidthCache& buttonWidthCache()
{
    static ButtonWidthCache cache;
    return cache;
}

int startButtonWidth(int charWidth)
{
    return mulDiv(50, charWidth, 4);
}

MessageLayout messageLayout(const MessageLayoutInput& in)
{
    MessageLayout out;
    const int dx = in.charWidth;
    const int dy = in.charHeight;
    out.horizontalMargin = mulDiv(8, dx, 4);
    out.verticalMargin = mulDiv(8, dy, 8);
    out.horizontalSpacing = mulDiv(10, dx, 4);
    out.verticalSpacing = mulDiv(10, dy, 8);
    out.buttonWidth = in.buttonWidth;
    out.buttonHeight = mulDiv(14, dy, 8);
    out.buttonSpacing = mulDiv(4, dx, 4);

    out.textBlockWidth = in.textWidth;
    out.textBlockHeight = in.textHeight;
    if (in.hasIcon) {
        out.textBlockWidth += kMessageIconSize + out.horizontalSpacing;
        out.textBlockHeight = std::max(out.textBlockHeight, kMessageIconSize);
    }

    const std::vector<MessageButton> kinds = orderedButtons(in.buttons);
    const int n = int(kinds.size());
    out.buttonRowWidth = n == 0 ? 0 : n * out.buttonWidth + (n - 1) * out.buttonSpacing;

    out.clientWidth = std::max(out.textBlockWidth, out.buttonRowWidth) + 2 * out.horizontalMargin;
    out.clientHeight = out.textBlockHeight + out.buttonHeight + out.verticalSpacing
                       + 2 * out.verticalMargin;
    out.windowLeft = in.screenWidth / 2 - (out.clientWidth + in.frameWidth) / 2;
    out.windowTop = in.screenHeight / 2 - (out.clientHeight + in.frameHeight) / 2;

    if (in.hasIcon)
        out.icon = LayoutRect{out.horizontalMargin, out.verticalMargin, kMessageIconSize,
                              kMessageIconSize};

    int messageLeft = out.textBlockWidth - in.textWidth + out.horizontalMargin;
    if (in.rightToLeft)
        messageLeft = out.clientWidth - messageLeft - in.textWidth;
    out.message = LayoutRect{messageLeft, out.verticalMargin, in.textWidth, in.textHeight};

    int x = (out.clientWidth - out.buttonRowWidth) / 2;
    const int y = out.textBlockHeight + out.verticalMargin + out.verticalSpacing;
    for (MessageButton b : kinds) {
        out.buttons.push_back({b, LayoutRect{x, y, out.buttonWidth, out.buttonHeight}});
        x += out.buttonWidth + out.buttonSpacing;
    }
    return out;
}

std::vector<GradientLine> gradientLines(int size, const std::vector<GradientRgb>& colours)
{
    if (colours.size() < 2)
        throw std::invalid_argument(kGradientTooFewColours);
    std::vector<GradientLine> lines;
    if (size <= 0)
        return lines;
    const int segments = int(colours.size()) - 1;
    const int step = messageRoundHalfEven(size, segments);
    for (int i = 0; i < segments; ++i) {
        const int length = (i == segments - 1) ? size - i * step - 1 : step;
        const GradientRgb& from = colours[std::size_t(i)];
        const GradientRgb& to = colours[std::size_t(i) + 1];
        for (int j = 0; j <= length; ++j) {
            const int p = i * step + j;
            if (p < 0 || p >= size)
                continue; // rounding of the step can overshoot the area; never paint outside
            // trunc(c0 + (c1 - c0) * j / L) computed exactly: the value is never negative,
            // so truncation is the floor. A zero-length segment paints its first colour.
            auto mix = [&](int c0, int c1) {
                return length <= 0 ? c0 : int(c0 + floorDiv(static_cast<long long>(c1 - c0) * j, length));
            };
            lines.push_back({p, GradientRgb{mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)}});
        }
    }
    return lines;
}

} // namespace quorvel
