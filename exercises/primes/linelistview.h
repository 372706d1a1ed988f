#pragma once
// A list view for very long lists of equally high, single-line rows. It keeps nothing
// per row: the scroll position is the first row shown, and rows are painted straight
// from the model. (QListView keeps two positions per row, which for millions of rows
// costs far more memory than the list itself.)

#include <QAbstractItemView>

namespace quorvel {

class LineListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit LineListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

    int rowHeight() const;
    int firstVisibleRow() const;
    int visibleRows() const; // rows that fit completely
    // Rows of the model painted right now (first, count), for tests.
    QPair<int, int> paintedRows() const;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    int contentWidth() const;
};

} // namespace quorvel
