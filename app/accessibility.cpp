#include "accessibility.h"

#include "comboaccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

namespace quorvel {

namespace {

class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = widget()->windowTitle();
        return s;
    }
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object)
{
    // The program's own window classes (some carry no meta-object of their own and come as
    // plain "QWidget"); Qt's other classes keep Qt's interfaces.
    if (!(className.startsWith(QLatin1String("quorvel::")) || className == QLatin1String("QWidget"))
        || !object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (!w->isWindow() || qobject_cast<QDialog*>(w) || qobject_cast<QMainWindow*>(w))
        return nullptr;
    return new WindowInterface(w);
}

} // namespace

void installWindowAccessibility()
{
    static const bool installed = (QAccessible::installFactory(windowFactory), true);
    Q_UNUSED(installed);
    installComboAccessibility();
}

} // namespace quorvel
