#include "linelistaccessible.h"
#include "linelistview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace quorvel {

namespace {

class LineListInterface;

// One line on screen, addressed by its row in the model.
class LineItemInterface : public QAccessibleInterface {
public:
    LineItemInterface(LineListView* view, int row) : m_view(view), m_row(row) {}

    bool isValid() const override
    {
        return m_view && m_view->model() && m_row < m_view->model()->rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        return m_view->model()->index(m_row, 0).data().toString().trimmed();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_view->visualRect(m_view->model()->index(m_row, 0));
        return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        if (!isValid())
            return s;
        const auto [first, count] = m_view->paintedRows();
        s.invisible = m_row < first || m_row >= first + count;
        s.offscreen = s.invisible;
        const bool current = m_view->currentIndex().row() == m_row;
        s.selected = current;
        s.focused = current && m_view->hasFocus();
        return s;
    }
    int row() const { return m_row; }

private:
    QPointer<LineListView> m_view;
    int m_row;
};

// The list: its children are the lines on screen (the list may hold millions of lines;
// a reader walking them all would freeze the program).
class LineListInterface : public QAccessibleWidget {
public:
    explicit LineListInterface(LineListView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~LineListInterface() override
    {
        for (QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

    LineListView* view() const { return static_cast<LineListView*>(widget()); }

    int childCount() const override { return view()->paintedRows().second; }
    QAccessibleInterface* child(int index) const override
    {
        const auto [first, count] = view()->paintedRows();
        if (index < 0 || index >= count)
            return nullptr;
        return item(first + index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->role() != QAccessible::ListItem)
            return QAccessibleWidget::indexOfChild(child);
        const int row = static_cast<const LineItemInterface*>(child)->row();
        const auto [first, count] = view()->paintedRows();
        return row >= first && row < first + count ? row - first : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex i = view()->indexAt(p);
        return i.isValid() ? item(i.row()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Description && s.isEmpty() && view()->model())
            s = QStringLiteral("%1 Zeilen").arg(view()->model()->rowCount());
        return s;
    }

    // The interface of the line in `row`, made once and kept while it may be on screen.
    QAccessibleInterface* item(int row) const
    {
        auto it = m_items.constFind(row);
        if (it != m_items.constEnd())
            return QAccessible::accessibleInterface(*it);
        if (m_items.size() > 512)
            forgetOffscreen();
        auto* iface = new LineItemInterface(view(), row);
        m_items.insert(row, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

private:
    void forgetOffscreen() const
    {
        const auto [first, count] = view()->paintedRows();
        for (auto it = m_items.begin(); it != m_items.end();) {
            if (it.key() < first || it.key() >= first + count) {
                QAccessible::deleteAccessibleInterface(it.value());
                it = m_items.erase(it);
            } else {
                ++it;
            }
        }
    }

    mutable QHash<int, QAccessible::Id> m_items;
};

QAccessibleInterface* lineListFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("quorvel::LineListView") && object && object->isWidgetType())
        return new LineListInterface(static_cast<LineListView*>(object));
    return nullptr;
}

} // namespace

void installLineListAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(lineListFactory);
}

void announceCurrentLine(LineListView* view, int row)
{
    if (!QAccessible::isActive() || row < 0)
        return;
    auto* list = dynamic_cast<LineListInterface*>(QAccessible::queryAccessibleInterface(view));
    if (!list)
        return;
    const int index = list->indexOfChild(list->item(row));
    if (index < 0)
        return;
    QAccessibleEvent focus(view, view->hasFocus() ? QAccessible::Focus : QAccessible::Selection);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}

} // namespace quorvel
