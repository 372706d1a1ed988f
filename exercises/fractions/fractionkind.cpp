#include "fractionkind.h"

namespace quorvel::fractions {

void FractionKindTopic::setAnswerFields(std::vector<AnswerField> fields)
{
    m_fields = std::move(fields);
    m_judgement = {};
}

int FractionKindTopic::focusField() const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].visible)
            return int(i);
    return 0;
}

AnswerCheck FractionKindTopic::checkAnswer(const QStringList& fields)
{
    m_judgement = judgeFields(m_fields, fields);
    const MultiFieldTexts t = fieldTexts();
    switch (m_judgement.outcome) {
    case FieldOutcome::NoValue:
        return {AnswerState::Notice, t.noValue};
    case FieldOutcome::TooFew:
        return {AnswerState::Notice, t.tooFew};
    case FieldOutcome::Invalid:
        return {AnswerState::Invalid, m_judgement.error};
    case FieldOutcome::Right:
        return {AnswerState::Right, {}};
    case FieldOutcome::Wrong:
        break;
    }
    return {AnswerState::Wrong, {}};
}

QString FractionKindTopic::expectedAnswerText() const
{
    QStringList parts;
    for (const AnswerField& f : m_fields)
        if (f.visible)
            parts << f.expectedText();
    return parts.join(QLatin1Char(' '));
}

SeriesTexts FractionKindTopic::texts() const
{
    SeriesTexts t;
    t.emptyAnswer = fieldTexts().noValue; // a one-field layout left empty
    t.attempts = 2;
    t.rightJingleAfterWrong = true;
    t.clearAfterWrong = false; // the red marks sit on the pupil's entries
    return t;
}

QString FractionKindTopic::wrongMessage(bool finished) const
{
    const MultiFieldTexts t = fieldTexts();
    return finished ? t.wrongLast : t.wrongFirst;
}

void FractionKindTopic::onWrongAnswer(bool finished)
{
    if (m_paint)
        m_paint(marksAfterWrongTry(m_fields, m_judgement.wrong, finished));
}

std::optional<QStringList> cardWords(const QString& text, int count)
{
    const QStringList words = text.split(QLatin1Char(' '));
    if (words.size() != count)
        return std::nullopt;
    return words;
}

std::optional<int> cardNumber(const QString& word, int low, int high)
{
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok || QString::number(n) != word || n < low || n > high)
        return std::nullopt;
    return n;
}

std::optional<Fraction> cardFraction(const QString& word, int maxNumerator, int maxDenominator)
{
    const QStringList nd = word.split(QLatin1Char('/'));
    if (nd.size() != 2)
        return std::nullopt;
    const std::optional<int> n = cardNumber(nd[0], 1, maxNumerator);
    const std::optional<int> d = cardNumber(nd[1], 1, maxDenominator);
    if (!n || !d)
        return std::nullopt;
    return Fraction{*n, *d};
}

QString cardFractionText(const Fraction& f)
{
    return QStringLiteral("%1/%2").arg(f.numerator).arg(f.denominator);
}

} // namespace quorvel::fractions
