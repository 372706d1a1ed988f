#pragma once
// The widgets of a fraction kind's answer, in the order of its AnswerField list: edits
// and radio groups. The set reads their texts, empties them, paints the marks the kind
// hands back (white, red, green with the expected value) and filters the keys typed into
// the edits.

#include "multifield.h"

#include <QColor>
#include <QObject>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace quorvel::fractions {

// The colours of the marks: white (a field's own colour for a radio group), red, green.
QColor fieldMarkColour(FieldMark mark);

class AnswerFieldSet : public QObject {
    Q_OBJECT
public:
    explicit AnswerFieldSet(QObject* parent);

    // An edit; with `filterKeys` it only takes digits, blanks and commas. Enter goes on to
    // the task page, which confirms.
    void addEdit(QLineEdit* edit, bool filterKeys = true);
    // A radio group whose button ids are the item indexes.
    void addChoice(QGroupBox* box, QButtonGroup* group);

    int size() const { return int(m_fields.size()); }
    QWidget* widget(int index) const;
    QStringList texts() const;

    // Every field empty and white, no item chosen.
    void clear();
    // Every field back to white, then the marks; green fields show their expected value.
    void paint(const FieldMarks& marks);
    void focus(int index) const;

private:
    struct Field {
        QLineEdit* edit = nullptr;
        QGroupBox* box = nullptr;
        QButtonGroup* group = nullptr;
    };
    void setMark(Field& f, FieldMark mark);

    std::vector<Field> m_fields;
};

} // namespace quorvel::fractions
