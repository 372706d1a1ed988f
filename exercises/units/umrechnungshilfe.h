#pragma once
// TUmrechnungshilfe: the conversion tables, one tab per family. Not modal; created once
// and hidden by its close button, so it keeps its tab for the next showing.

#include <QLabel>
#include <QWidget>

class QLabel;
class QTabWidget;

namespace quorvel {

// A one-line label that draws its blanks with a chosen width, so the factor lines keep
// their exact text and still stand where they belong.
class BlankSpacedLabel : public QLabel {
    Q_OBJECT
public:
    BlankSpacedLabel(const QString& text, QWidget* parent);
    void setBlankWidth(double pixels);
    double blankWidth() const { return m_blank; }
    // x where character `index` starts, from the left edge of the label.
    double advanceTo(int index) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double m_blank = -1; // below 0: the font's own blank
};

class TUmrechnungshilfe : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 339;

    explicit TUmrechnungshilfe(QWidget* parent = nullptr);

    // BitBtnEinheiten01Click: show without blocking and bring to the front.
    void showHelp();

    QTabWidget* pageControl() const { return m_pages; }

private:
    void buildTab(QWidget* sheet, int index);

    QTabWidget* m_pages = nullptr;
    bool m_placed = false;
};

} // namespace quorvel
