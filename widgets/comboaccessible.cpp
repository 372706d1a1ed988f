#include "comboaccessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace quorvel {

namespace {

class ComboInterface : public QAccessibleWidget {
public:
    explicit ComboInterface(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("currentIndexChanged(int)"));
    }
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->isEditable() && box()->lineEdit() ? box()->lineEdit()->text()
                                                             : box()->currentText();
        // The name: the accessible name, else the buddy label's words.
        return QAccessibleWidget::text(t);
    }

    // The drop-down list is the one child, as with Qt's own interface.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index != 0)
            return nullptr;
        // The open list is announced by what the box chooses ("Ausgangseinheit"), not
        // left without a name.
        QAbstractItemView* list = box()->view();
        if (list->accessibleName().isEmpty())
            list->setAccessibleName(text(QAccessible::Name));
        return QAccessible::queryAccessibleInterface(list);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.editable = box()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name != showMenuAction() && name != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* comboFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && object)
        if (auto* box = qobject_cast<QComboBox*>(object))
            return new ComboInterface(box);
    return nullptr;
}

} // namespace

void installComboAccessibility()
{
    static const bool installed = (QAccessible::installFactory(comboFactory), true);
    Q_UNUSED(installed);
}

} // namespace quorvel
