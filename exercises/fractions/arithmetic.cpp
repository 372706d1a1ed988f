#include "arithmetic.h"

#include <QStringList>

#include "fractioncore.h"
#include "randomdraw.h"
#include "services.h"

#include <utility>

namespace quorvel::fractions {

namespace {

// Addition and subtraction share their fields: both fractions made alike, then the result.
constexpr std::array<const char*, 6> kLikeFractionHints = {
    "gleichnamig gemachter Bruch", "kgV vom ggf. gekürztem Nenner1 und Nenner2",
    "gleichnamig gemachter Bruch", "kgV vom ggf. gekürztem Nenner1 und Nenner2",
    "vollständig gekürzter Bruch", ""};
constexpr std::array<const char*, 6> kLikeFractionNames = {
    "Zähler des 1. gleichnamigen Bruches", "Nenner des 1. gleichnamigen Bruches",
    "Zähler des 2. gleichnamigen Bruches", "Nenner des 2. gleichnamigen Bruches",
    "Zähler des Ergebnisses", "Nenner des Ergebnisses"};

const ArithmeticLayout kLayouts[4] = {
    {"+", "+", true, kLikeFractionHints, kLikeFractionNames},
    {"-", "-", true, kLikeFractionHints, kLikeFractionNames},
    {"x", "", false,
     {"vollständig gekürzter Bruch", "", "", "", "", ""},
     {"Zähler des Ergebnisses", "Nenner des Ergebnisses", "", "", "", ""}},
    {":", "x", true,
     {"erster Bruch", "", "Kehrwert des 2. Bruches", "", "vollständig gekürzter Bruch", ""},
     {"Zähler des 1. Bruches", "Nenner des 1. Bruches", "Zähler des Kehrwerts",
      "Nenner des Kehrwerts", "Zähler des Ergebnisses", "Nenner des Ergebnisses"}},
};

} // namespace

const ArithmeticLayout& arithmeticLayout(int operation)
{
    return kLayouts[(operation >= OpAddition && operation <= OpDivision ? operation : OpAddition) - 1];
}

OperandRange operandRange(int difficulty)
{
    switch (difficulty) {
    case 1:
        return {50, 30};
    case 2:
        return {200, 100};
    default:
        return {20, 10};
    }
}

ArithmeticTask solveFractionTask(int operation, Fraction first, Fraction second)
{
    ArithmeticTask t;
    t.operation = operation;
    ReduceFraction(first.numerator, first.denominator);
    ReduceFraction(second.numerator, second.denominator);
    t.first = first;
    t.second = second;
    auto& e = t.expected;
    switch (operation) {
    case OpAddition:
    case OpSubtraction: {
        const int k = int(FractionLcm(first.denominator, second.denominator));
        e[0] = k / first.denominator * first.numerator;
        e[1] = k;
        e[2] = k / second.denominator * second.numerator;
        e[3] = k;
        e[4] = operation == OpAddition ? e[0] + e[2] : e[0] - e[2];
        e[5] = k;
        ReduceFraction(e[4], e[5]); // 0 over K becomes 0 over 1
        break;
    }
    case OpMultiplication:
        e[0] = first.numerator * second.numerator;
        e[1] = first.denominator * second.denominator;
        ReduceFraction(e[0], e[1]);
        e[2] = e[3] = e[4] = e[5] = 0;
        break;
    case OpDivision:
        e[0] = first.numerator;
        e[1] = first.denominator;
        e[2] = second.denominator;
        e[3] = second.numerator;
        e[4] = e[0] * e[2];
        e[5] = e[1] * e[3];
        ReduceFraction(e[4], e[5]);
        break;
    default:
        break;
    }
    return t;
}

std::pair<Fraction, Fraction> drawFractionOperands(RandomSource& random, int operation,
                                                   int difficulty)
{
    random.randomize();
    const OperandRange r = operandRange(difficulty);
    auto draw = [&] {
        Fraction f;
        do {
            f.numerator = random.random(r.numerators + 1);
            f.denominator = random.random(r.denominators + 1);
        } while (f.numerator == 0 || f.denominator == 0);
        return f;
    };
    Fraction a = draw();
    Fraction b = draw();
    // b > a, compared exactly (cross products of positive numbers).
    if (operation == OpSubtraction
        && qint64(b.numerator) * a.denominator > qint64(a.numerator) * b.denominator)
        std::swap(a, b);
    return {a, b};
}

QString arithmeticTaskText(const ArithmeticTask& task)
{
    return QStringLiteral("%1/%2 %3 %4/%5 =")
        .arg(task.first.numerator)
        .arg(task.first.denominator)
        .arg(QString::fromLatin1(arithmeticLayout(task.operation).operatorSign))
        .arg(task.second.numerator)
        .arg(task.second.denominator);
}

void FractionArithmeticTopic::prepareSeries()
{
    TopicAdapter::prepareSeries();
    const int item = m_settings.arithmeticItem < 0 ? 0 : m_settings.arithmeticItem;
    m_mixed = item == 4;
    m_operation = m_mixed ? OpAddition : item + 1;
}

ArithmeticTask drawArithmeticTask(RandomSource& random, int arithmeticItem, int difficulty)
{
    const int operation = arithmeticItem == 4 ? drawNonZero(random, 5) : arithmeticItem + 1;
    const auto [a, b] = drawFractionOperands(random, operation, difficulty);
    return solveFractionTask(operation, a, b);
}

int FractionArithmeticTopic::drawTask()
{
    m_task = drawArithmeticTask(m_random, m_mixed ? 4 : m_operation - 1, m_settings.difficulty);
    m_operation = m_task.operation;
    showTask();
    return m_operation;
}

void FractionArithmeticTopic::showTask()
{
    const bool all = arithmeticLayout(m_operation).allFields;
    std::vector<AnswerField> fields;
    for (int i = 0; i < 6; ++i)
        fields.push_back(AnswerField::integer(m_task.expected[std::size_t(i)], all || i < 2));
    setAnswerFields(std::move(fields));
    show();
}

QString FractionArithmeticTopic::encodeTask(const ArithmeticTask& task) const
{
    return cardFractionText(task.first) + QLatin1Char(' ') + cardFractionText(task.second);
}

bool FractionArithmeticTopic::poseCard(int type, const QString& text)
{
    if (type < OpAddition || type > OpDivision)
        return false;
    // The largest operands the hardest draw gives, drawn reduced.
    const OperandRange range = operandRange(2);
    const std::optional<QStringList> words = cardWords(text, 2);
    if (!words)
        return false;
    std::array<Fraction, 2> f;
    for (int i = 0; i < 2; ++i) {
        const std::optional<Fraction> read = cardFraction((*words)[i], range.numerators, range.denominators);
        if (!read || FractionGcd(read->numerator, read->denominator) != 1)
            return false;
        f[std::size_t(i)] = *read;
    }
    // A difference is never negative.
    if (type == OpSubtraction
        && qint64(f[0].numerator) * f[1].denominator < qint64(f[1].numerator) * f[0].denominator)
        return false;
    m_operation = type;
    m_task = solveFractionTask(type, f[0], f[1]);
    showTask();
    return true;
}

} // namespace quorvel::fractions
