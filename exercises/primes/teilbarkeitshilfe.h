#pragma once
// TFormTeilbarkeitHilfe: the divisibility rules, one tab per divisor of the "Teilbarkeit"
// tasks. Created once beside the main window; the help button shows it modally, centred
// on the main window, and its close box hides it again, so it keeps the tab last chosen.

#include "helpwindow.h"

#include <QString>
#include <vector>

namespace quorvel {

struct DivisibilityHelpTab {
    QString caption; // the divisor: "2" .. "10"
    QString rule;
    QString example; // empty on the tabs without one
};

// The eight tabs in the order of the divisors.
const std::vector<DivisibilityHelpTab>& divisibilityHelpTabs();

// BitBtnPrim04Click shows it (showModal).
class TFormTeilbarkeitHilfe : public TabbedHelpDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 340;
    static constexpr int kHeight = 250;

    explicit TFormTeilbarkeitHilfe(QWidget* mainWindow);
};

} // namespace quorvel
