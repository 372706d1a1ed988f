#pragma once
// TFormZSysHilfe: "Hilfe: Zahlensysteme", the number systems explained on five tabs.
// Not modal; created once and hidden by its close box, so it keeps its tab for the next
// showing and can stay open beside the task page.

#include <QWidget>

class QTabWidget;

namespace quorvel {

class TFormZSysHilfe : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 432;
    static constexpr int kHeight = 343;

    explicit TFormZSysHilfe(QWidget* parent = nullptr);

    // btnZSysAufgHilfeClick: show without blocking and bring to the front.
    void showHelp();

    QTabWidget* pageControl() const { return m_pages; }

private:
    QTabWidget* m_pages = nullptr;
    bool m_placed = false;
};

} // namespace quorvel
