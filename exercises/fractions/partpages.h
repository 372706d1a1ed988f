#pragma once
// Pages 'BruchrechnungBruchteile' (a fraction of a whole number) and
// 'BruchrechnungKommaBruch' (decimal number to fraction and back) of NotebookBruch01.

#include "fractionwidgets.h"

#include <QObject>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace quorvel::fractions {

class AnswerFieldSet;
struct DecimalTask;
struct FractionPartTask;
enum class DecimalDirection : int;

class PartPage : public QObject {
    Q_OBJECT
public:
    explicit PartPage(QWidget* page);
    // Fields: edBruchBrt01 .. 04, without the key filter of the other answer edits.
    AnswerFieldSet* fields() const { return m_fields; }
    QLineEdit* edit(int i) const { return m_edits[i]; }
    void showTask(const FractionPartTask& task);

private:
    AnswerFieldSet* m_fields = nullptr;
    ShownFraction m_shown;      // lblBruchBrt02 / 03
    QLabel* m_of = nullptr;     // lblBruchBrt04
    QLineEdit* m_edits[4] = {};
};

class DecimalPage : public QObject {
    Q_OBJECT
public:
    explicit DecimalPage(QWidget* page);
    // Fields: edBruchKB01 .. 04.
    AnswerFieldSet* fields() const { return m_fields; }
    // SetUpDecimalPage: the arrangement of a direction, once per series.
    void arrange(DecimalDirection direction);
    void showTask(const DecimalTask& task);

private:
    AnswerFieldSet* m_fields = nullptr;
    QLabel* m_heading = nullptr; // lblBruchKB01
    ShownFraction m_given;       // lblBruchKB02 / 03 with BevelBruch26
    QLineEdit* m_edits[4] = {};
    QFrame* m_secondBar = nullptr; // under edBruchKB03 when it holds a numerator
};

} // namespace quorvel::fractions
