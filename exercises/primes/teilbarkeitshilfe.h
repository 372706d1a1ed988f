#pragma once
// TFormTeilbarkeitHilfe: the divisibility rules, one tab per divisor of the "Teilbarkeit"
// tasks. Created once beside the main window; the help button shows it modally, centred
// on the main window, and its close box hides it again, so it keeps the tab last chosen.

#include <QDialog>
#include <QString>
#include <vector>

class QTabWidget;

namespace quorvel {

struct DivisibilityHelpTab {
    QString caption; // the divisor: "2" .. "10"
    QString rule;
    QString example; // empty on the tabs without one
};

// The eight tabs in the order of the divisors.
const std::vector<DivisibilityHelpTab>& divisibilityHelpTabs();

class TFormTeilbarkeitHilfe : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 340;
    static constexpr int kHeight = 250;

    explicit TFormTeilbarkeitHilfe(QWidget* mainWindow);

    // BitBtnPrim04Click: centre on the main window and wait until the pupil closes it.
    void showModal();
    // Where the window stands when shown over a main window at `mainFrame`.
    static QPoint centredOn(const QRect& mainFrame);

    QTabWidget* pageControl() const { return m_pages; }

private:
    QWidget* m_mainWindow;
    QTabWidget* m_pages = nullptr;
};

} // namespace quorvel
