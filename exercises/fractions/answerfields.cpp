#include "answerfields.h"
#include "inputfilter.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

namespace quorvel::fractions {

namespace {

class FieldKeyFilter final : public QObject {
public:
    explicit FieldKeyFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, e);
        const auto* k = static_cast<QKeyEvent*>(e);
        // Enter reaches the edit, which leaves it to the task page.
        return fieldKeyVerdict(k->key(), k->text()) == FieldKey::Drop;
    }
};

QString markDescription(FieldMark mark)
{
    switch (mark) {
    case FieldMark::Red:
        return QStringLiteral("falsch");
    case FieldMark::Green:
        return QStringLiteral("korrigiert");
    case FieldMark::None:
        break;
    }
    return QString();
}

} // namespace

QColor fieldMarkColour(FieldMark mark)
{
    switch (mark) {
    case FieldMark::Red:
        return QColor(255, 0, 0);
    case FieldMark::Green:
        return QColor(0, 255, 0);
    case FieldMark::None:
        break;
    }
    return QColor(Qt::white);
}

AnswerFieldSet::AnswerFieldSet(QObject* parent) : QObject(parent) {}

void AnswerFieldSet::addEdit(QLineEdit* edit, bool filterKeys)
{
    Field f;
    f.edit = edit;
    if (filterKeys) {
        edit->installEventFilter(new FieldKeyFilter(edit));
        // Pasted or dropped text passes the same characters as typed keys; no answer of a
        // fraction task needs more than 20 of them.
        restrictInput(edit, kDigitCharacters + QStringLiteral(" ,"), 20);
    }
    m_fields.push_back(f);
    setMark(m_fields.back(), FieldMark::None);
}

void AnswerFieldSet::addChoice(QGroupBox* box, QButtonGroup* group)
{
    Field f;
    f.box = box;
    f.group = group;
    m_fields.push_back(f);
    setMark(m_fields.back(), FieldMark::None);
}

QWidget* AnswerFieldSet::widget(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    const Field& f = m_fields[std::size_t(index)];
    return f.edit ? static_cast<QWidget*>(f.edit) : static_cast<QWidget*>(f.box);
}

QStringList AnswerFieldSet::texts() const
{
    QStringList t;
    for (const Field& f : m_fields) {
        if (f.edit)
            t << f.edit->text();
        else
            t << (f.group->checkedId() >= 0 ? QString::number(f.group->checkedId()) : QString());
    }
    return t;
}

void AnswerFieldSet::clear()
{
    for (Field& f : m_fields) {
        if (f.edit) {
            f.edit->clear();
        } else if (QAbstractButton* b = f.group->checkedButton()) {
            // An exclusive group keeps one button checked; lift that for the moment.
            f.group->setExclusive(false);
            b->setChecked(false);
            f.group->setExclusive(true);
        }
        setMark(f, FieldMark::None);
    }
}

void AnswerFieldSet::paint(const FieldMarks& marks)
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        Field& f = m_fields[i];
        setMark(f, FieldMark::None);
        if (i >= marks.marks.size())
            continue;
        if (i < marks.correctedText.size() && !marks.correctedText[i].isNull()) {
            if (f.edit) {
                f.edit->setText(marks.correctedText[i]);
            } else if (QAbstractButton* b = f.group->button(marks.correctedText[i].toInt())) {
                b->setChecked(true);
            }
        }
        setMark(f, marks.marks[i]);
    }
}

void AnswerFieldSet::focus(int index) const
{
    if (QWidget* w = widget(index)) {
        if (m_fields[std::size_t(index)].group && m_fields[std::size_t(index)].group->checkedButton())
            m_fields[std::size_t(index)].group->checkedButton()->setFocus();
        else
            w->setFocus();
    }
}

void AnswerFieldSet::setMark(Field& f, FieldMark mark)
{
    QWidget* w = f.edit ? static_cast<QWidget*>(f.edit) : static_cast<QWidget*>(f.box);
    QPalette pal = w->palette();
    if (f.edit) {
        pal.setColor(QPalette::Base, fieldMarkColour(mark));
        pal.setColor(QPalette::Text, Qt::black);
    } else {
        // A radio group keeps the face colour of the page when unmarked.
        pal.setColor(QPalette::Window, mark == FieldMark::None
                                           ? w->parentWidget()->palette().color(QPalette::Window)
                                           : fieldMarkColour(mark));
        w->setAutoFillBackground(mark != FieldMark::None);
    }
    w->setPalette(pal);
    w->setAccessibleDescription(markDescription(mark));
}

} // namespace quorvel::fractions
