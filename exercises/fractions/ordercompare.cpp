#include "ordercompare.h"

#include "fractioncore.h"
#include "randomdraw.h"

#include <set>

namespace quorvel::fractions {

namespace {

struct Limits {
    int numerator, denominator; // Random(n) bounds
};
constexpr Limits kOrderingLimits[3] = {{16, 11}, {21, 16}, {51, 31}};
constexpr Limits kComparingLimits[3] = {{26, 26}, {51, 51}, {201, 201}};

Fraction reduced(Fraction f)
{
    ReduceFraction(f.numerator, f.denominator);
    return f;
}

Fraction drawFraction(const Limits& l, RandomSource& random)
{
    Fraction f;
    f.numerator = drawNonZero(random, l.numerator);
    f.denominator = drawNonZero(random, l.denominator);
    return f;
}

} // namespace

std::array<int, 3> denseRanks(const std::array<std::int32_t, 3>& values)
{
    const std::set<std::int32_t> distinct(values.begin(), values.end());
    std::array<int, 3> ranks{};
    for (std::size_t j = 0; j < values.size(); ++j)
        ranks[j] = int(std::distance(distinct.begin(), distinct.find(values[j])));
    return ranks;
}

OrderingTask solveOrdering(const std::array<Fraction, 3>& shown)
{
    OrderingTask t;
    t.shown = shown;
    for (std::size_t j = 0; j < 3; ++j)
        t.reduced[j] = reduced(shown[j]);
    // At most 29 * 28 * 27 from denominators up to 30: well inside 32 bits.
    const auto k = std::int32_t(FractionLcm3(t.reduced[0].denominator, t.reduced[1].denominator,
                                             t.reduced[2].denominator));
    t.commonDenominator = k;
    std::array<std::int32_t, 3> numerators{};
    for (std::size_t j = 0; j < 3; ++j) {
        numerators[j] = (k / t.reduced[j].denominator) * t.reduced[j].numerator;
        t.expected[2 * j] = numerators[j];
        t.expected[2 * j + 1] = k;
    }
    t.positions = denseRanks(numerators);
    return t;
}

ComparingTask solveComparing(const std::array<Fraction, 2>& shown)
{
    ComparingTask t;
    t.shown = shown;
    t.reduced = {reduced(shown[0]), reduced(shown[1])};
    const auto k = std::int32_t(FractionLcm(t.reduced[0].denominator, t.reduced[1].denominator));
    t.commonDenominator = k;
    const std::int32_t e1 = (k / t.reduced[0].denominator) * t.reduced[0].numerator;
    const std::int32_t e3 = (k / t.reduced[1].denominator) * t.reduced[1].numerator;
    t.expected = {e1, k, e3, k};
    t.relation = e1 > e3 ? FirstGreater : e1 < e3 ? FirstSmaller : BothEqual;
    return t;
}

OrderingTask drawOrderingTask(int difficulty, RandomSource& random)
{
    const Limits& l = kOrderingLimits[clampDifficulty(difficulty)];
    random.randomize();
    std::array<Fraction, 3> shown{};
    for (auto& f : shown)
        f = drawFraction(l, random);
    return solveOrdering(shown);
}

ComparingTask drawComparingTask(int difficulty, RandomSource& random)
{
    const Limits& l = kComparingLimits[clampDifficulty(difficulty)];
    random.randomize();
    std::array<Fraction, 2> shown{};
    for (auto& f : shown)
        f = drawFraction(l, random);
    return solveComparing(shown);
}

QString tooFewValuesNotice() { return QStringLiteral("Zu wenige Werte !"); }

QString orderingRuleText()
{
    return QStringLiteral(
        "Damit man Brüche nach ihrer Größe ordnen kann, werden sie zunächst\r"
        "vollständig gekürzt und anschließend auf einen gleichen Nenner\r"
        "(kgV aller beteiligten Nenner) gebracht. Jetzt braucht man nur\r"
        "noch die Zähler der Brüche nach ihrer Größe zu ordnen.");
}

QString comparingRuleText()
{
    return QStringLiteral(
        "Um Brüche miteinander vergleichen zu können, muß man sie\r"
        "als erstes auf den gleichen Nenner bringen. Als gemeinsamen\r"
        "Nenner nimmt man für gewöhnlich das kgV aller beteiligten Nenner,\r"
        "wobei die beteiligten Brüche vorher so weit wie möglich gekürzt werden.");
}

namespace {

MultiFieldTexts tooFewValuesTexts()
{
    MultiFieldTexts t;
    // Nothing given at all is "too few" as well.
    t.noValue = tooFewValuesNotice();
    t.tooFew = tooFewValuesNotice();
    return t;
}

template <std::size_t N>
void addIntegers(std::vector<AnswerField>& fields, const std::array<std::int32_t, N>& values)
{
    for (std::int32_t v : values)
        fields.push_back(AnswerField::integer(v));
}

// The shown fractions of a card, within the hardest draw's limits.
template <std::size_t N>
std::optional<std::array<Fraction, N>> cardFractions(const QString& text, const Limits& l)
{
    const std::optional<QStringList> words = cardWords(text, int(N));
    if (!words)
        return std::nullopt;
    std::array<Fraction, N> shown{};
    for (std::size_t j = 0; j < N; ++j) {
        const std::optional<Fraction> f = cardFraction((*words)[int(j)], l.numerator - 1, l.denominator - 1);
        if (!f)
            return std::nullopt;
        shown[j] = *f;
    }
    return shown;
}

template <std::size_t N>
QString cardFractionsText(const std::array<Fraction, N>& shown)
{
    QStringList words;
    for (const Fraction& f : shown)
        words << cardFractionText(f);
    return words.join(QLatin1Char(' '));
}

} // namespace

int OrderingTopic::drawTask()
{
    m_task = drawOrderingTask(m_settings.difficulty, m_random);
    showTask();
    return kOrderingType;
}

void OrderingTopic::showTask()
{
    std::vector<AnswerField> fields;
    addIntegers(fields, m_task.expected);
    for (int p : m_task.positions)
        fields.push_back(AnswerField::choice(p));
    setAnswerFields(std::move(fields));
    show();
}

QString OrderingTopic::encodeTask(const OrderingTask& task) const { return cardFractionsText(task.shown); }

bool OrderingTopic::poseCard(int type, const QString& text)
{
    const auto shown = cardFractions<3>(text, kOrderingLimits[2]);
    if (type != kOrderingType || !shown)
        return false;
    m_task = solveOrdering(*shown);
    showTask();
    return true;
}

MultiFieldTexts OrderingTopic::fieldTexts() const { return tooFewValuesTexts(); }

int ComparingTopic::drawTask()
{
    m_task = drawComparingTask(m_settings.difficulty, m_random);
    showTask();
    return kComparingType;
}

void ComparingTopic::showTask()
{
    std::vector<AnswerField> fields;
    addIntegers(fields, m_task.expected);
    fields.push_back(AnswerField::choice(m_task.relation));
    setAnswerFields(std::move(fields));
    show();
}

QString ComparingTopic::encodeTask(const ComparingTask& task) const { return cardFractionsText(task.shown); }

bool ComparingTopic::poseCard(int type, const QString& text)
{
    const auto shown = cardFractions<2>(text, kComparingLimits[2]);
    if (type != kComparingType || !shown)
        return false;
    m_task = solveComparing(*shown);
    showTask();
    return true;
}

MultiFieldTexts ComparingTopic::fieldTexts() const { return tooFewValuesTexts(); }

} // namespace quorvel::fractions
