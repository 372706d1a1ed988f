#include "linelistview.h"
#include "linelistaccessible.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace quorvel {

LineListView::LineListView(QWidget* parent) : QAbstractItemView(parent)
{
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    installLineListAccessibility();
}

int LineListView::rowHeight() const { return fontMetrics().height() + 1; }

int LineListView::firstVisibleRow() const { return verticalScrollBar()->value(); }

int LineListView::visibleRows() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

QPair<int, int> LineListView::paintedRows() const
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    const int first = firstVisibleRow();
    const int shown = (viewport()->height() + rowHeight() - 1) / rowHeight();
    return {first, std::max(0, std::min(shown, rows - first))};
}

int LineListView::contentWidth() const
{
    // The widest line: seven ten-digit primes, or more of fewer digits. The blanks at a
    // line's end take no room; the item's margins do.
    int widest = 0;
    const QFontMetrics fm = fontMetrics();
    for (int d = 1; d <= 10; ++d) {
        const int perLine = 95 / (d + 2);
        const QString entry = QString(d, QLatin1Char('0')) + QStringLiteral("  ");
        widest = std::max(widest, fm.horizontalAdvance(entry.repeated(perLine).trimmed()));
    }
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return widest + 2 * margin;
}

QRect LineListView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    const int y = (index.row() - firstVisibleRow()) * rowHeight();
    return QRect(-horizontalOffset(), y, std::max(contentWidth(), viewport()->width()),
                 rowHeight());
}

void LineListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const int first = firstVisibleRow();
    const int page = visibleRows();
    int target = first;
    switch (hint) {
    case PositionAtTop: target = row; break;
    case PositionAtBottom: target = row - page + 1; break;
    case PositionAtCenter: target = row - page / 2; break;
    case EnsureVisible:
        if (row < first)
            target = row;
        else if (row >= first + page)
            target = row - page + 1;
        break;
    }
    verticalScrollBar()->setValue(target);
}

QModelIndex LineListView::indexAt(const QPoint& point) const
{
    if (!model() || point.y() < 0)
        return {};
    const int row = firstVisibleRow() + point.y() / rowHeight();
    if (row >= model()->rowCount(rootIndex()))
        return {};
    return model()->index(row, 0, rootIndex());
}

QModelIndex LineListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    if (!model())
        return {};
    const int rows = model()->rowCount(rootIndex());
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : firstVisibleRow();
    const int page = visibleRows();
    switch (action) {
    case MoveUp:
    case MovePrevious: row -= 1; break;
    case MoveDown:
    case MoveNext: row += current.isValid() ? 1 : 0; break;
    case MovePageUp: row -= page; break;
    case MovePageDown: row += page; break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    default: break;
    }
    row = std::clamp(row, 0, rows - 1);
    return model()->index(row, 0, rootIndex());
}

int LineListView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int LineListView::verticalOffset() const { return firstVisibleRow() * rowHeight(); }

bool LineListView::isIndexHidden(const QModelIndex&) const { return false; }

void LineListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!model() || !selectionModel())
        return;
    const int rows = model()->rowCount(rootIndex());
    if (rows == 0)
        return;
    const QRect r = rect.normalized();
    const int top = std::clamp(firstVisibleRow() + r.top() / rowHeight(), 0, rows - 1);
    const int bottom = std::clamp(firstVisibleRow() + r.bottom() / rowHeight(), 0, rows - 1);
    const QItemSelection sel(model()->index(top, 0, rootIndex()),
                             model()->index(bottom, 0, rootIndex()));
    selectionModel()->select(sel, command);
}

QRegion LineListView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    const int first = firstVisibleRow();
    const int last = first + visibleRows() + 1;
    for (const QItemSelectionRange& range : selection) {
        const int top = std::max(range.top(), first);
        const int bottom = std::min(range.bottom(), last);
        if (top > bottom)
            continue;
        region += QRect(0, (top - first) * rowHeight(), viewport()->width(),
                        (bottom - top + 1) * rowHeight());
    }
    return region;
}

void LineListView::updateGeometries()
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    const int page = visibleRows();
    verticalScrollBar()->setRange(0, std::max(0, rows - page));
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(1);
    const int width = contentWidth();
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth());
    QAbstractItemView::updateGeometries();
}

void LineListView::resizeEvent(QResizeEvent* event)
{
    QAbstractItemView::resizeEvent(event);
    updateGeometries();
}

void LineListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void LineListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (current.isValid()) {
        scrollTo(current); // the line moved to by keys is always shown
        announceCurrentLine(this, current.row());
    }
}

void LineListView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void LineListView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (!model())
        return;
    const auto [first, count] = paintedRows();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex current = currentIndex();
    for (int i = 0; i < count; ++i) {
        const QModelIndex index = model()->index(first + i, 0, rootIndex());
        QStyleOptionViewItem opt = option;
        opt.rect = visualRect(index);
        if (!opt.rect.intersects(event->rect()))
            continue;
        if (selectionModel() && selectionModel()->isSelected(index))
            opt.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            opt.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, opt, index);
    }
}

} // namespace quorvel
