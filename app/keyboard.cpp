#include "keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace quorvel {

namespace {

class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !button->isEnabled() || !button->hasFocus())
            return false;
        auto* push = qobject_cast<QPushButton*>(button);
        if (push && (push->autoDefault() || push->isDefault()))
            return false; // a dialog's button: Qt presses it already
        if (!push && !qobject_cast<QToolButton*>(button))
            return false; // check boxes and radio buttons keep Space
        button->click();
        return true;
    }
};

} // namespace

void installEnterPressesButtons(QObject* owner)
{
    static QPointer<QObject> installed;
    if (installed)
        return;
    auto* filter = new EnterPressesButtons(owner);
    qApp->installEventFilter(filter);
    installed = filter;
}

} // namespace quorvel
