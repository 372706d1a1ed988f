#pragma once
// Pages 'BruchrechnungOrdnen' and 'BruchrechnungVergleich' of NotebookBruch01: rows of a
// shown fraction, "=" and an entry fraction; the position groups of the three fractions,
// or the relation group of the two.

#include "fractionwidgets.h"

#include <QObject>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace quorvel::fractions {

class AnswerFieldSet;
struct ComparingTask;
struct OrderingTask;

class OrderPage : public QObject {
    Q_OBJECT
public:
    explicit OrderPage(QWidget* page);
    // Fields: edBruchOrd01 .. 06, then RadioGroupBruchOrd01 .. 03.
    AnswerFieldSet* fields() const { return m_fields; }
    void showTask(const OrderingTask& task);

private:
    AnswerFieldSet* m_fields = nullptr;
    ShownFraction m_shown[3];
};

class ComparePage : public QObject {
    Q_OBJECT
public:
    explicit ComparePage(QWidget* page);
    // Fields: edBruchVer01 .. 04, then RadioGroupBruchVer01.
    AnswerFieldSet* fields() const { return m_fields; }
    void showTask(const ComparingTask& task);

private:
    AnswerFieldSet* m_fields = nullptr;
    ShownFraction m_shown[2];
};

// A radio group of `items` with button ids 0 .. n-1, in `columns` columns.
QButtonGroup* makeChoiceGroup(QWidget* page, QGroupBox*& box, const QString& name,
                              const QString& caption, const QStringList& items, const QRect& at,
                              int columns);

} // namespace quorvel::fractions
