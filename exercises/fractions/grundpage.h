#pragma once
// Page 'BruchrechnungGrund' of NotebookBruch01: the arithmetic task with its worked
// layout of six answer fields, bars, signs and hints; it shows the tasks of the
// arithmetic kind and paints their marks.

#include <QObject>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace quorvel::fractions {

class AnswerFieldSet;
struct ArithmeticTask;

class GrundPage : public QObject {
    Q_OBJECT
public:
    explicit GrundPage(QWidget* page);

    AnswerFieldSet* fields() const { return m_fields; }
    // Sets the layout of the task's operation (SetUpArithmeticFields) and shows its operands.
    void showTask(const ArithmeticTask& task);
    void setOperation(int operation);

private:
    QWidget* m_page;
    AnswerFieldSet* m_fields = nullptr;
    QLabel* m_heading = nullptr;
    QLabel* m_operands[4] = {};   // lblBruchAufg01 .. 04
    QFrame* m_operandBoxes[2] = {};
    QLabel* m_operator = nullptr; // lblBruchAufg05
    QLabel* m_sign = nullptr;     // lblBruchAufg07
    QLabel* m_secondEquals = nullptr; // lblBruchAufg08
    QLineEdit* m_edits[6] = {};
    QFrame* m_answerBars[3] = {};
};

} // namespace quorvel::fractions
