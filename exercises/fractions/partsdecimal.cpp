#include "partsdecimal.h"

#include "decimaltext.h"
#include "fractioncore.h"
#include "randomdraw.h"

namespace quorvel::fractions {

namespace {

struct PartLimits {
    int numerator, denominator, whole; // Random(n) bounds
};
constexpr PartLimits kPartLimits[3] = {{21, 21, 26}, {31, 31, 51}, {51, 51, 501}};

// KommaBruch: Random(n) for the digits r; BruchKomma: Random(n) for M (0: M is 1) and A.
constexpr int kDigitLimits[3] = {101, 1001, 10001};
constexpr int kMultiplierLimits[3] = {0, 11, 51};
constexpr int kNumeratorLimits[3] = {21, 41, 101};

constexpr std::int32_t kPowersOfTen[5] = {1, 10, 100, 1000, 10000};

struct FactorEntry {
    std::int32_t denominator;
    int factor;
};
constexpr FactorEntry kFactors[] = {{1, 1},  {2, 5},   {4, 25}, {5, 2},
                                    {8, 125}, {10, 1}, {25, 4}, {125, 8}};

QString wholeText(std::int64_t fixed) { return QString::number(fixed / kFixedScale); }

} // namespace

FractionPartTask solveFractionPart(std::int32_t numerator, std::int32_t denominator,
                                   std::int32_t whole)
{
    FractionPartTask t;
    t.numerator = numerator;
    t.denominator = denominator;
    t.whole = whole;
    int e3 = numerator * whole;
    int e4 = denominator;
    ReduceFraction(e3, e4);
    t.expected = {numerator * whole, denominator, e3, e4};
    return t;
}

FractionPartTask drawFractionPartTask(int difficulty, RandomSource& random)
{
    const PartLimits& l = kPartLimits[clampDifficulty(difficulty)];
    random.randomize();
    const int z = drawNonZero(random, l.numerator);
    const int n = drawNonZero(random, l.denominator);
    const int w = drawNonZero(random, l.whole);
    return solveFractionPart(z, n, w);
}

QString fractionPartRuleText()
{
    return QStringLiteral(
        "Um den Bruchteil einer Zahl zu bestimmen, multipliziert man\r"
        "die Zahl mit dem Zähler des Bruches und behält den Nenner des\r"
        "Bruches bei. Anschließend kürzt man, wenn möglich, den so\r"
        "entstandenen Bruch.");
}

int powerOfTenFactor(std::int32_t reducedDenominator)
{
    for (const FactorEntry& e : kFactors)
        if (e.denominator == reducedDenominator)
            return e.factor;
    return 0;
}

QString fixedDecimalText(std::int64_t tenThousandths)
{
    return formatNumber(static_cast<long double>(tenThousandths) / kFixedScale);
}

QString DecimalTask::heading() const
{
    return direction == DecimalDirection::DecimalToFraction
               ? QStringLiteral("Wandle folgende Kommazahl in eine Bruchzahl um:")
               : QStringLiteral("Wandle folgenden Bruch in eine Kommazahl um:");
}

QString DecimalTask::decimalText() const { return fixedDecimalText(a); }
QString DecimalTask::numeratorText() const { return wholeText(a); }
QString DecimalTask::denominatorText() const { return wholeText(b); }
QString DecimalTask::expectedDecimalText() const { return formatNumber(decimal); }

DecimalTask solveDecimalToFraction(std::int32_t r, int places)
{
    DecimalTask t;
    t.direction = DecimalDirection::DecimalToFraction;
    t.decimalPlaces = std::clamp(places, 1, 3);
    const std::int32_t denominator = kPowersOfTen[t.decimalPlaces];
    t.a = std::int64_t(r) * (kFixedScale / denominator);
    // A * 10^p, counted back from ten-thousandths: the digits without the comma.
    const auto e1 = std::int32_t(t.a * denominator / kFixedScale);
    int e3 = e1;
    int e4 = denominator;
    ReduceFraction(e3, e4);
    t.expected = {e1, denominator, e3, e4};
    return t;
}

DecimalTask solveFractionToDecimal(std::int32_t numerator, std::int32_t denominator,
                                   int multiplier)
{
    DecimalTask t;
    t.direction = DecimalDirection::FractionToDecimal;
    t.a = std::int64_t(numerator) * kFixedScale;
    t.b = std::int64_t(denominator) * kFixedScale;
    t.multiplier = multiplier;
    int a = numerator;
    int b = denominator;
    ReduceFraction(a, b);
    const int f = powerOfTenFactor(b);
    t.expected = {f * a, f * b, 0, 0};
    // Normalised as the pupil would see it written: to text and back.
    t.decimal = double(roundToWritten(static_cast<long double>(a) / b));
    return t;
}

DecimalTask drawDecimalTask(DecimalDirection direction, int difficulty, RandomSource& random)
{
    const int d = clampDifficulty(difficulty);
    random.randomize();
    if (direction == DecimalDirection::DecimalToFraction) {
        int r = drawNonZero(random, kDigitLimits[d]);
        if (r % 10 == 0)
            r += 1; // never a trailing zero after the comma
        const int k = std::clamp(random.random(3), 0, 2);
        return solveDecimalToFraction(r, k + 1);
    }
    const int m = kMultiplierLimits[d] == 0 ? 1 : drawNonZero(random, kMultiplierLimits[d]);
    const int a = drawNonZero(random, kNumeratorLimits[d]);
    const int table = std::clamp(random.random(int(kDecimalDenominators.size())), 0,
                                 int(kDecimalDenominators.size()) - 1);
    const int b = kDecimalDenominators[std::size_t(table)];
    return solveFractionToDecimal(m * a, m * b, m);
}

MultiFieldTexts partsDecimalTexts()
{
    MultiFieldTexts t;
    t.noValue = QStringLiteral("Es wurde noch kein Wert eingegeben !");
    t.tooFew = QStringLiteral("Zu wenige Werte !");
    return t;
}

int FractionPartTopic::drawTask()
{
    m_task = drawFractionPartTask(m_settings.difficulty, m_random);
    std::vector<AnswerField> fields;
    for (std::int32_t v : m_task.expected)
        fields.push_back(AnswerField::integer(v));
    setAnswerFields(std::move(fields));
    show();
    return kFractionPartType;
}

DecimalTopic::DecimalTopic(RandomSource& random, ReadSettings readSettings,
                           std::function<void(DecimalDirection)> arrange, ShowTask show)
    : TopicAdapter(random, std::move(readSettings), std::move(show)), m_arrange(std::move(arrange))
{
}

void DecimalTopic::prepareSeries()
{
    TopicAdapter::prepareSeries();
    constexpr int kFractionToDecimalItem = 6; // "Bruchzahl -> Kommazahl"
    m_direction = m_settings.otherItem == kFractionToDecimalItem
                      ? DecimalDirection::FractionToDecimal
                      : DecimalDirection::DecimalToFraction;
    if (m_arrange)
        m_arrange(m_direction);
}

int DecimalTopic::drawTask()
{
    m_task = drawDecimalTask(m_direction, m_settings.difficulty, m_random);
    const auto& e = m_task.expected;
    std::vector<AnswerField> fields = {AnswerField::integer(e[0]), AnswerField::integer(e[1])};
    if (m_direction == DecimalDirection::DecimalToFraction) {
        fields.push_back(AnswerField::integer(e[2]));
        fields.push_back(AnswerField::integer(e[3]));
    } else {
        fields.push_back(AnswerField::decimal(m_task.decimal));
        fields.push_back(AnswerField::integer(0, /*visible=*/false));
    }
    setAnswerFields(std::move(fields));
    show();
    return m_task.statType();
}

} // namespace quorvel::fractions
