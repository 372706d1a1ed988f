#pragma once
// The base of every fraction kind in the shared series frame. A kind draws its task,
// sets up its answer fields (layout and expected values) and shows the task; this base
// does the rest: the notices for too few entries, reading and judging the fields, the
// red and green marks after a wrong try and their notices, the statistics topic.

#include "fractioncore.h"
#include "multifield.h"
#include "topicadapter.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace quorvel::fractions {

// The choice on the settings page 'Bruchrechnung'. The two upper groups act as one
// choice: at most one of the two items is set.
struct FractionSettings {
    int arithmeticItem = 0; // RadioGroupBruch01: 0 addieren .. 4 gemischt; -1 none
    int otherItem = -1;     // RadioGroupBruch02: 0 erweitern .. 6 Bruchzahl -> Kommazahl; -1 none
    int difficulty = 0;     // RadioGroupBruch03: 0 leicht, 1 mittel, 2 schwer
};

class FractionKindTopic : public SeriesTopic {
public:
    int statTopic() const final { return TopicFractions; }
    // The texts of all fields in field order, hidden ones included.
    AnswerCheck checkAnswer(const QStringList& fields) final;
    // The expected values of the visible fields, as green corrections show them.
    QString expectedAnswerText() const override;
    SeriesTexts texts() const override;
    QString wrongMessage(bool finished) const override;
    void onWrongAnswer(bool finished) override;

    // Supplied by the page when the kind is registered.
    void setMarkPainter(std::function<void(const FieldMarks&)> paint) { m_paint = std::move(paint); }

    const std::vector<AnswerField>& answerFields() const { return m_fields; }
    // The field that takes the typing for the task on screen: by default the first
    // visible one.
    virtual int focusField() const;

protected:
    // The notices in which kinds differ (defaults: the arithmetic ones).
    virtual MultiFieldTexts fieldTexts() const { return {}; }
    // Called from drawTask() for every task: the fields in the page's order.
    void setAnswerFields(std::vector<AnswerField> fields);

private:
    std::function<void(const FieldMarks&)> m_paint;
    std::vector<AnswerField> m_fields;
    FieldJudgement m_judgement;
};

// A fraction kind with its settings and its task: the kind draws, sets up its fields and
// calls show().
template <class Task>
using FractionKind = TopicAdapter<FractionSettings, Task, FractionKindTopic>;

// The pieces a kind's Fehlerkartei text is made of: words split at single blanks, whole
// numbers written as QString::number writes them, fractions as "3/4". A reader takes
// only what a draw could have given, so a changed file never poses a task out of range.
std::optional<QStringList> cardWords(const QString& text, int count);
std::optional<int> cardNumber(const QString& word, int low, int high);
// Numerator and denominator from 1 to the limits.
std::optional<Fraction> cardFraction(const QString& word, int maxNumerator, int maxDenominator);
QString cardFractionText(const Fraction& f);

} // namespace quorvel::fractions
