#pragma once
// The texts of the general error box for typed text that is no number. The pupil's text
// is joined in as it stands (it may itself hold "%1").

#include <QString>

namespace quorvel {

// "'12a' ist kein gültiger Integerwert."
inline QString integerConversionError(const QString& text)
{
    return QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Integerwert.");
}

// "'2.500' ist kein gültiger Gleitkommawert."
inline QString floatConversionError(const QString& text)
{
    return QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Gleitkommawert.");
}

} // namespace quorvel
