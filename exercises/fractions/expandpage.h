#pragma once
// Page 'BruchrechnungErweitern' of NotebookBruch01: the question, the shown fraction, and
// at one place either the answer fraction as labels or its edits, with the factor edit
// beside them. Each task shows the controls of its question form.

#include <QObject>

#include "fractionwidgets.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace quorvel::fractions {

class AnswerFieldSet;
struct ExpandReduceTask;

class ExpandPage : public QObject {
    Q_OBJECT
public:
    explicit ExpandPage(QWidget* page);

    // Fields: edBruchErw01 (numerator), edBruchErw02 (denominator), edBruchErw03 (factor).
    AnswerFieldSet* fields() const { return m_fields; }
    // Shows the question form and the numbers of the task (SetUpExpandReduceFields).
    void showTask(const ExpandReduceTask& task);

private:
    AnswerFieldSet* m_fields = nullptr;
    QLabel* m_question = nullptr;     // lblBruchErw01
    ShownFraction m_shown;            // lblBruchErw02 / 03
    QLabel* m_answerLabels[2] = {};   // lblBruchErw04 / 05
    QLabel* m_factorCaption = nullptr; // lblBruchErw06
    QLineEdit* m_edits[3] = {};       // edBruchErw01 .. 03
};

} // namespace quorvel::fractions
