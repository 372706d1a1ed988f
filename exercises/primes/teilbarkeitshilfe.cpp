#include "teilbarkeitshilfe.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorvel {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 12; // between the rule and its example

} // namespace

const std::vector<DivisibilityHelpTab>& divisibilityHelpTabs()
{
    static const std::vector<DivisibilityHelpTab> tabs = {
        {QStringLiteral("2"),
         QStringLiteral("Eine Zahl ist genau dann durch Zwei teilbar, wenn ihre Endziffer eine "
                        "0, 2, 4, 6 oder 8 ist."),
         {}},
        {QStringLiteral("3"),
         QStringLiteral("Eine Zahl ist genau dann durch Drei teilbar, wenn ihre Quersumme durch "
                        "Drei teilbar ist. Die Quersumme ist die Summe aller Ziffern einer Zahl."),
         QStringLiteral("z.B.: 1254    Die Quersumme beträgt 12 (1+2+5+4). 12 ist durch Drei "
                        "teilbar; also ist 1254 auch durch Drei teilbar.")},
        {QStringLiteral("4"),
         QStringLiteral("Eine Zahl ist genau dann durch Vier teilbar, wenn die letzten beiden "
                        "Ziffern der Zahl eine Zahl bilden, die durch Vier teilbar ist."),
         QStringLiteral("z.B.: 1532    die letzten beiden Ziffern bilden die Zahl 32. 32 ist "
                        "durch Vier teilbar; also ist auch 1532 durch Vier teilbar.")},
        {QStringLiteral("5"),
         QStringLiteral("Eine Zahl ist genau dann durch Fünf teilbar, wenn ihre Endziffer eine 0 "
                        "oder eine 5 ist."),
         {}},
        {QStringLiteral("6"),
         QStringLiteral("Eine Zahl ist genau dann durch Sechs teilbar, wenn sie auch durch 2 und "
                        "durch 3 teilbar ist."),
         {}},
        {QStringLiteral("8"),
         QStringLiteral("Eine Zahl ist genau dann durch Acht teilbar, wenn die letzten 3 Ziffern "
                        "dieser Zahl eine Zahl bilden die durch Acht teilbar ist."),
         QStringLiteral("z.B.: 1448    448 ist durch Acht teilbar; also ist auch 1448 durch Acht "
                        "teilbar. Besteht die zu untersuchende Zahl aus weniger als 3 Ziffern, so "
                        "müssen die vorhandenen Ziffern eine Zahl bilden die durch Acht teilbar "
                        "ist.")},
        {QStringLiteral("9"),
         QStringLiteral("Eine Zahl ist genau dann durch Neun teilbar, wenn ihre Quersumme durch "
                        "Neun teilbar ist. Die Quersumme ist die Summe aller Ziffern einer Zahl."),
         QStringLiteral("z.B.: 3456    Die Quersumme beträgt 18 (3+4+5+6). 18 ist durch Neun "
                        "teilbar; also ist auch 3456 durch Neun teilbar.")},
        {QStringLiteral("10"),
         QStringLiteral("Eine Zahl ist genau dann durch Zehn teilbar, wenn ihre Endziffer eine 0 "
                        "ist."),
         {}},
    };
    return tabs;
}

TFormTeilbarkeitHilfe::TFormTeilbarkeitHilfe(QWidget* mainWindow)
    : TabbedHelpDialog({QStringLiteral("TeilbarkeitHilfe"), QStringLiteral("Hilfe Teilbarkeit"),
                        QSize(kWidth, kHeight), true, QStringLiteral("PageControl01"),
                        QStringLiteral("Teilbarkeitsregeln")},
                       mainWindow)
{
    QTabWidget* pages = pageControl();
    const auto& tabs = divisibilityHelpTabs();
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const DivisibilityHelpTab& tab = tabs[i];
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet") + tab.caption);
        pages->addTab(sheet, tab.caption);
        auto* column = new QVBoxLayout(sheet);
        column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
        column->setSpacing(kGap);
        column->addWidget(helpTextLabel(sheet, QStringLiteral("LabelRegel") + tab.caption, tab.rule));
        if (!tab.example.isEmpty())
            column->addWidget(
                helpTextLabel(sheet, QStringLiteral("LabelBeispiel") + tab.caption, tab.example));
        column->addStretch(1);
    }
    pages->setCurrentIndex(0);
}

} // namespace quorvel
