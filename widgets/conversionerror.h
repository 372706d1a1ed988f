#pragma once
// The texts of the general error box for typed text that is no number. The pupil's text
// is joined in as it stands (it may itself hold "%1"), cut short when it is long.

#include <QString>

namespace quorvel {

// At most this many characters of the pupil's text are quoted: a pasted page of text
// would make an error box too large to draw.
constexpr int kMaxQuotedCharacters = 30;

// The text as it is quoted: the first 30 characters and "…" when it is longer (a
// character made of two UTF-16 halves is never cut in two).
inline QString quotedInput(const QString& text)
{
    if (text.size() <= kMaxQuotedCharacters)
        return text;
    qsizetype cut = kMaxQuotedCharacters;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

// "'12a' ist kein gültiger Integerwert."
inline QString integerConversionError(const QString& text)
{
    return QLatin1Char('\'') + quotedInput(text) + QStringLiteral("' ist kein gültiger Integerwert.");
}

// "'2.500' ist kein gültiger Gleitkommawert."
inline QString floatConversionError(const QString& text)
{
    return QLatin1Char('\'') + quotedInput(text) + QStringLiteral("' ist kein gültiger Gleitkommawert.");
}

} // namespace quorvel
