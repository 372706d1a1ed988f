#include "plaintasks.h"

#include <algorithm>
#include <cstdlib>

namespace quorvel::basic {

std::int32_t randomInRange(RandomSource& random, std::int32_t lower, std::int32_t upper)
{
    return random.random(upper + 1 - lower) + lower;
}

std::uint8_t selectBasicTaskType(int rechenartItem) { return std::uint8_t(rechenartItem + 1); }

std::int32_t halveToEven(std::int32_t b)
{
    if (b % 2 == 0)
        return b / 2;
    // Odd: b / 2 lies halfway between floor(b / 2) and the next integer; take the even one.
    const std::int32_t down = b >= 0 ? b / 2 : -((-b + 1) / 2);
    return down % 2 == 0 ? down : down + 1;
}

std::int32_t divisorFromDraw(std::int32_t b)
{
    const std::int32_t d = halveToEven(b);
    return d == 0 ? 1 : d;
}

bool dividendExists(std::int32_t m, std::int32_t lower, std::int32_t upper)
{
    if (m <= 0)
        return false;
    const std::int32_t from = std::max(lower, 0);
    if (upper < from)
        return false;
    const std::int32_t first = (from + m - 1) / m * m;
    return first <= upper;
}

std::int32_t drawDividend(RandomSource& random, std::int32_t m, std::int32_t lower,
                          std::int32_t upper)
{
    if (!dividendExists(m, lower, upper))
        return 0;
    std::int32_t a;
    do {
        a = random.random(upper / m + 1) * m;
    } while (a < lower || a > upper);
    return a;
}

namespace {

const char* const kOperators[] = {"", "+", "-", "x", ":"};

bool tableChosen(const PlainSettings& s)
{
    return s.selectedTaskType != SelectedMixed && s.range.kind == RangeKind::TimesTable
        && s.range.table >= 2 && s.range.table <= 9;
}

} // namespace

QString plainTaskText(int operation, std::int32_t x, std::int32_t y)
{
    const QString op = QString::fromLatin1(kOperators[std::clamp(operation, 1, 4)]);
    // The four forms: a negative operand stands in parentheses.
    const QString left = x < 0 ? QStringLiteral("(%1)").arg(x) : QString::number(x);
    const QString right = y < 0 ? QStringLiteral("(%1)").arg(y) : QString::number(y);
    return left + QLatin1Char(' ') + op + QLatin1Char(' ') + right + QStringLiteral(" =");
}

PlainTask nextPlainTask(RandomSource& random, const PlainSettings& s, std::int32_t previousResult)
{
    PlainTask t;
    std::int32_t a = randomInRange(random, s.lowerBound, s.upperBound);
    std::int32_t b = randomInRange(random, s.lowerBound, s.upperBound);
    t.operation = s.selectedTaskType == SelectedMixed ? random.random(4) + 1
                                                      : std::clamp(s.selectedTaskType, 1, 4);
    switch (t.operation) {
    case OpAddition:
        t.expected = a + b;
        break;
    case OpSubtraction:
        if (b > a)
            std::swap(a, b);
        t.expected = a - b;
        break;
    case OpMultiplication:
        if (tableChosen(s)) {
            // The table's number is the second factor in three draws of five.
            if (random.random(5) >= 2)
                b = s.range.table;
            else
                a = s.range.table;
        } else if (s.selectedTaskType != SelectedMixed && s.range.kind == RangeKind::Squares) {
            do {
                a = random.random(s.squareLimit + 1);
            } while (a * a == previousResult);
            b = a;
        }
        t.expected = a * b;
        break;
    case OpDivision: {
        const std::int32_t d = tableChosen(s) ? s.range.table : divisorFromDraw(b);
        a = drawDividend(random, std::abs(d), s.lowerBound, s.upperBound);
        if (d < 0 && random.random(2) == 0)
            a = -a;
        b = d;
        t.expected = a / d;
        break;
    }
    }
    t.first = a;
    t.second = b;
    t.text = plainTaskText(t.operation, a, b);
    return t;
}

QString rangeOrderRefusal(std::int32_t lower, std::int32_t upper)
{
    if (lower <= upper)
        return {};
    return QStringLiteral("Die untere Grenze des Zahlenbereichs (%1) ist größer\r"
                          "als die obere Grenze (%2).\rBitte ändern Sie den Zahlenbereich.")
        .arg(lower)
        .arg(upper);
}

namespace {

// `table` is the chosen times table, 0 for a number range: the pupil is told about what
// was chosen, never about a divisor drawn inside the program.
QString noDividendRefusal(std::int32_t lower, std::int32_t upper, std::int32_t table)
{
    if (upper < 0)
        return QStringLiteral("Für Divisionsaufgaben muss die obere Grenze\r"
                              "des Zahlenbereichs mindestens 0 sein.\r"
                              "Bitte ändern Sie den Zahlenbereich.");
    if (table == 0)
        return QStringLiteral("Im Zahlenbereich von %1 bis %2 gibt es nicht genug Zahlen,\r"
                              "die sich ohne Rest teilen lassen.\r"
                              "Bitte ändern Sie den Zahlenbereich.")
            .arg(lower)
            .arg(upper);
    return QStringLiteral("Im Zahlenbereich von %1 bis %2 gibt es keine Zahl,\r"
                          "die sich ohne Rest durch %3 teilen lässt.\r"
                          "Bitte ändern Sie den Zahlenbereich.")
        .arg(lower)
        .arg(upper)
        .arg(table);
}

} // namespace

QString plainStartRefusal(const PlainSettings& s)
{
    if (squaresOnly(s))
        return {}; // the number range plays no part
    if (QString order = rangeOrderRefusal(s.lowerBound, s.upperBound); !order.isEmpty())
        return order;
    const bool divides = s.selectedTaskType == OpDivision || s.selectedTaskType == SelectedMixed;
    if (!divides)
        return {};
    if (tableChosen(s)) {
        if (!dividendExists(s.range.table, s.lowerBound, s.upperBound))
            return noDividendRefusal(s.lowerBound, s.upperBound, s.range.table);
        return {};
    }
    // Every second draw of the range gives a divisor; each one needs a dividend.
    for (std::int32_t b = s.lowerBound; b <= s.upperBound; ++b) {
        const std::int32_t m = std::abs(divisorFromDraw(b));
        if (!dividendExists(m, s.lowerBound, s.upperBound))
            return noDividendRefusal(s.lowerBound, s.upperBound, 0);
    }
    return {};
}

} // namespace quorvel::basic
