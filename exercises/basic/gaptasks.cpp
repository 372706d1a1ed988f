#include "gaptasks.h"

#include <algorithm>
#include <cstdlib>

namespace quorvel::basic {

namespace {

const char* const kGapSigns[] = {"", " +", " -", " x", " :"};

bool includesOperation(int selectedTaskType, int operation)
{
    return selectedTaskType == operation || selectedTaskType == SelectedMixed;
}

const QString kChangeRange = QStringLiteral("Bitte ändern Sie den Zahlenbereich.");

} // namespace

QString gapLeftText(int operation, std::int32_t first)
{
    const QString number = first < 0 ? QStringLiteral("(%1)").arg(first) : QString::number(first);
    return number + QString::fromLatin1(kGapSigns[std::clamp(operation, 1, 4)]);
}

QString gapRightText(std::int32_t result)
{
    return result < 0 ? QStringLiteral("= (%1)").arg(result) : QStringLiteral("= %1").arg(result);
}

std::int32_t drawNonZeroDividend(RandomSource& random, std::int32_t m, std::int32_t lower,
                                 std::int32_t upper)
{
    // A multiple other than 0 lies in the range exactly when one lies from max(lower, 1) on.
    if (!dividendExists(m, std::max(lower, 1), upper))
        return m;
    std::int32_t a;
    do {
        a = random.random(upper / m + 1) * m;
    } while (a < lower || a > upper || a == 0);
    return a;
}

GapTask nextGapTask(RandomSource& random, int selectedTaskType, std::int32_t lower,
                    std::int32_t upper)
{
    GapTask t;
    std::int32_t a = randomInRange(random, lower, upper);
    std::int32_t b = randomInRange(random, lower, upper);
    t.operation = selectedTaskType == SelectedMixed ? random.random(4) + 1
                                                    : std::clamp(selectedTaskType, 1, 4);
    switch (t.operation) {
    case OpAddition:
        t.result = a + b;
        break;
    case OpSubtraction:
        if (b > a)
            std::swap(a, b);
        t.result = a - b;
        break;
    case OpMultiplication:
        // The first factor is never 0, or every answer would fit.
        while (a == 0 && (lower != 0 || upper != 0))
            a = randomInRange(random, lower, upper);
        t.result = a * b;
        break;
    case OpDivision:
        b = divisorFromDraw(b);
        a = drawNonZeroDividend(random, std::abs(b), lower, upper);
        if (b < 0 && random.random(2) == 0)
            a = -a;
        t.result = a / b;
        break;
    }
    t.first = a;
    t.missing = b;
    t.left = gapLeftText(t.operation, a);
    t.right = gapRightText(t.result);
    return t;
}

QString gapStartRefusal(int selectedTaskType, std::int32_t lower, std::int32_t upper)
{
    if (QString order = rangeOrderRefusal(lower, upper); !order.isEmpty())
        return order;
    if (includesOperation(selectedTaskType, OpMultiplication) && lower == 0 && upper == 0)
        return QStringLiteral("Im Zahlenbereich von 0 bis 0 gibt es keinen ersten Faktor,\r"
                              "der nicht 0 ist.\r")
            + kChangeRange;
    if (!includesOperation(selectedTaskType, OpDivision))
        return {};
    if (upper < 1)
        return QStringLiteral("Im Zahlenbereich von %1 bis %2 gibt es keine Zahl\r"
                              "größer als 0, die geteilt werden kann.\r")
                   .arg(lower)
                   .arg(upper)
            + kChangeRange;
    // Every second draw of the range gives a divisor; each one needs a dividend other
    // than 0. Neighbouring draws halve to the same divisor, so each is tried once. The
    // pupil is told of the range, not of a divisor the draw makes up.
    std::int32_t lastTried = 0;
    for (std::int32_t b = lower; b <= upper; ++b) {
        const std::int32_t m = std::abs(divisorFromDraw(b));
        if (m == lastTried)
            continue;
        lastTried = m;
        if (!dividendExists(m, std::max(lower, 1), upper))
            return QStringLiteral("Im Zahlenbereich von %1 bis %2 gibt es nicht genug Zahlen\r"
                                  "außer 0, die sich ohne Rest teilen lassen.\r")
                       .arg(lower)
                       .arg(upper)
                + kChangeRange;
    }
    return {};
}

} // namespace quorvel::basic
