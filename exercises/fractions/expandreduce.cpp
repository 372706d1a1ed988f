#include "expandreduce.h"

#include "randomdraw.h"

namespace quorvel::fractions {

namespace {

struct Limits {
    int numerator, denominator, factor; // Random(n) bounds
};
constexpr Limits kLimits[3] = {{21, 11, 16}, {51, 31, 36}, {201, 101, 101}};

// Per form: visible edits; answer numerator / denominator shown as labels; the factor
// caption; focus; entries needed.
const ExpandLayout kLayouts[4] = {
    {{true, true, false}, false, false, false, ExpandNumerator, 2},
    {{false, false, true}, true, true, true, ExpandFactor, 1},
    {{true, false, false}, false, true, false, ExpandNumerator, 1},
    {{false, true, false}, true, false, false, ExpandDenominator, 1},
};

int clampForm(int form) { return std::clamp(form, 0, 3); }

} // namespace

const ExpandLayout& expandLayout(int form) { return kLayouts[clampForm(form)]; }

std::int32_t ExpandReduceTask::shownNumerator() const
{
    return kind == ExpandKind::Expand ? numerator : factor * numerator;
}

std::int32_t ExpandReduceTask::shownDenominator() const
{
    return kind == ExpandKind::Expand ? denominator : factor * denominator;
}

std::int32_t ExpandReduceTask::answerNumerator() const
{
    return kind == ExpandKind::Expand ? factor * numerator : numerator;
}

std::int32_t ExpandReduceTask::answerDenominator() const
{
    return kind == ExpandKind::Expand ? factor * denominator : denominator;
}

std::array<std::int32_t, kExpandFieldCount> ExpandReduceTask::expected() const
{
    switch (clampForm(form)) {
    case FormWholeFraction:
        return {answerNumerator(), answerDenominator(), 0};
    case FormFactor:
        return {0, 0, factor};
    case FormNumerator:
        return {answerNumerator(), 0, 0};
    default:
        return {0, answerDenominator(), 0};
    }
}

QString ExpandReduceTask::question() const
{
    const bool expand = kind == ExpandKind::Expand;
    switch (clampForm(form)) {
    case FormWholeFraction:
        return (expand ? QStringLiteral("Erweitere nachfolgenden Bruch mit ")
                       : QStringLiteral("Kürze nachfolgenden Bruch mit "))
               + QString::number(factor);
    case FormFactor:
        return expand ? QStringLiteral("Mit welcher Zahl wurde der nachfolgende Bruch erweitert ?")
                      : QStringLiteral("Mit welcher Zahl wurde der nachfolgende Bruch gekürzt ?");
    case FormNumerator:
        return expand ? QStringLiteral("Bestimme den Zähler des erweiterten Bruches !")
                      : QStringLiteral("Bestimme den Zähler des gekürzten Bruches !");
    default:
        return expand ? QStringLiteral("Bestimme den Nenner des erweiterten Bruches !")
                      : QStringLiteral("Bestimme den Nenner des gekürzten Bruches !");
    }
}

QString expandFactorCaption(ExpandKind kind)
{
    return kind == ExpandKind::Expand ? QStringLiteral("Erweiterungsfaktor:")
                                      : QStringLiteral("Ergebnis:");
}

ExpandReduceTask drawExpandReduceTask(ExpandKind kind, int difficulty, RandomSource& random)
{
    const Limits& l = kLimits[clampDifficulty(difficulty)];
    ExpandReduceTask t;
    t.kind = kind;
    random.randomize();
    t.numerator = drawNonZero(random, l.numerator);
    t.denominator = drawNonZero(random, l.denominator);
    t.factor = drawAtLeast(random, l.factor, 2);
    t.form = std::clamp(random.random(4), 0, 3);
    return t;
}

QString expandTooFewNotice() { return QStringLiteral("Zu wenige Eingaben !"); }

void ExpandReduceTopic::prepareSeries()
{
    TopicAdapter::prepareSeries();
    constexpr int kReduceItem = 1; // "kürzen" in the second group of the settings page
    m_kind = m_settings.otherItem == kReduceItem ? ExpandKind::Reduce : ExpandKind::Expand;
}

int ExpandReduceTopic::drawTask()
{
    m_task = drawExpandReduceTask(m_kind, m_settings.difficulty, m_random);
    showTask();
    return m_task.statType();
}

void ExpandReduceTopic::showTask()
{
    const ExpandLayout& l = expandLayout(m_task.form);
    const auto expected = m_task.expected();
    std::vector<AnswerField> fields;
    for (int i = 0; i < kExpandFieldCount; ++i)
        fields.push_back(AnswerField::integer(expected[std::size_t(i)], l.editVisible[std::size_t(i)]));
    setAnswerFields(std::move(fields));
    show();
}

QString ExpandReduceTopic::encodeTask(const ExpandReduceTask& task) const
{
    return QStringLiteral("%1 %2 %3")
        .arg(cardFractionText({task.numerator, task.denominator}))
        .arg(task.factor)
        .arg(task.form);
}

bool ExpandReduceTopic::poseCard(int type, const QString& text)
{
    ExpandReduceTask t;
    if (type == 5)
        t.kind = ExpandKind::Expand;
    else if (type == 6)
        t.kind = ExpandKind::Reduce;
    else
        return false;
    // Within the hardest draw's limits.
    const Limits& l = kLimits[2];
    const std::optional<QStringList> words = cardWords(text, 3);
    if (!words)
        return false;
    const std::optional<Fraction> f = cardFraction((*words)[0], l.numerator - 1, l.denominator - 1);
    const std::optional<int> factor = cardNumber((*words)[1], 2, l.factor - 1);
    const std::optional<int> form = cardNumber((*words)[2], FormWholeFraction, FormDenominator);
    if (!f || !factor || !form)
        return false;
    t.numerator = f->numerator;
    t.denominator = f->denominator;
    t.factor = *factor;
    t.form = *form;
    m_kind = t.kind;
    m_task = t;
    showTask();
    return true;
}

int ExpandReduceTopic::focusField() const { return expandLayout(m_task.form).focus; }

MultiFieldTexts ExpandReduceTopic::fieldTexts() const
{
    MultiFieldTexts t;
    // One notice for an empty and for a half-filled answer.
    t.noValue = expandTooFewNotice();
    t.tooFew = expandTooFewNotice();
    return t;
}

} // namespace quorvel::fractions
