// libFuzzer target for the number-system readers. The first byte picks the reader
// (Roman numerals, bases 2, 3, 8, 16, the decimal field); the rest is the typed text.
// Besides not crashing: what a reader accepts is written back by its writer and read
// again to the same value, the field text comes back upper-cased and otherwise
// unchanged, and the calculator step never leaves both fields filled.
#include "numsyscore.h"

#include <cstdint>
#include <cstdlib>

using namespace quorvel::numsys;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

const int kBases[] = {2, 3, 8, 16};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size == 0)
        return 0;
    const int pick = bytes[0] % 6;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes + 1), qsizetype(size - 1));

    if (pick == 0) {
        const ValueResult r = RoemischZuDezimal(text);
        check(r.text == upperAscii(text));
        check((r.error == ConvError::BadFormat) == romanFormatBad(r.text));
        if (r.error == ConvError::None && r.value >= 1 && r.value <= 3999) {
            // The canonical numeral of the value reads back to the same value.
            const TextResult back = DezimalZuRoemisch(r.value);
            check(back.error == ConvError::None);
            const ValueResult again = RoemischZuDezimal(back.text);
            check(again.error == ConvError::None && again.value == r.value);
        }
    } else if (pick <= 4) {
        const int base = kBases[pick - 1];
        const ValueResult r = SystemZuDezimal(text, base);
        check(r.text == upperAscii(text));
        if (r.error == ConvError::None) {
            check(r.value >= 0);
            const TextResult back = DezimalZuSystem(r.value, base);
            check(back.error == ConvError::None);
            // The same digits without leading zeros ("0" for zero).
            QString digits = r.text;
            while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
                digits.remove(0, 1);
            check(back.text == digits);
            const ValueResult again = SystemZuDezimal(back.text, base);
            check(again.error == ConvError::None && again.value == r.value);
        }
    } else {
        const std::optional<qint32> v = readInteger(text);
        if (v) {
            const std::optional<qint32> again = readInteger(QString::number(*v));
            check(again && *again == *v);
        }
        for (NumeralSystem s : {NumeralSystem::Roman, NumeralSystem::Base2, NumeralSystem::Base16}) {
            const CalcOutcome o = convertFields(s, text, QString());
            check(o.decimalText.isEmpty() || o.systemText.isEmpty() || o.converted());
            check(o.notice.size() < 200 && o.error.size() < 200);
            const CalcOutcome back = convertFields(s, QString(), text);
            check(back.notice.size() < 200 && back.error.size() < 200);
        }
    }
    return 0;
}
