#pragma once
// Decimal numbers as the pupil sees and types them, in every topic: general form with at
// most 15 significant digits and the decimal comma; scientific form ("2,5E-7", "1E16")
// below 0.0001 or with more than 15 digits before the comma. A point is never a separator.

#include <QString>

namespace quorvel {

// 2500 -> "2500", 2.5 -> "2,5", 1e-18 -> "1E-18", 1e16 -> "1E16".
QString formatNumber(long double value);

// Reads "2500", "2500,0", "-0,5", "2,5E-7", " 12 " (blanks around are allowed).
// Returns false for anything else: letters, a point, an empty text, a value beyond the
// range of long double.
bool parseNumber(const QString& text, long double& value);

// The value as its written form shows it: formatNumber, then read back.
long double roundToWritten(long double value);

} // namespace quorvel
