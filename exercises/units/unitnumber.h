#pragma once
// The unit topic writes and reads its quantities with the program's decimal numbers.

#include "decimaltext.h"

namespace quorvel::units {
using quorvel::formatNumber;
using quorvel::parseNumber;
using quorvel::roundToWritten;
} // namespace quorvel::units
