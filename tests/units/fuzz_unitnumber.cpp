// libFuzzer target for the decimal number reader of the unit tasks (the pupil's typed
// answer). Besides not crashing: whatever it accepts is written in the program's form
// and that form reads back to a value whose form is the same text again.
#include "unitnumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    long double value = 0;
    if (!quorvel::units::parseNumber(text, value))
        return 0;
    if (!std::isfinite(value))
        std::abort();
    const QString written = quorvel::units::formatNumber(value);
    if (written.contains(QLatin1Char('.')))
        std::abort(); // a point is never the decimal separator
    long double again = 0;
    if (!quorvel::units::parseNumber(written, again))
        std::abort();
    if (quorvel::units::formatNumber(again) != written)
        std::abort();
    if (quorvel::units::roundToWritten(value) != again)
        std::abort();
    return 0;
}
