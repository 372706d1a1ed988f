#include "fractionhelpwindows.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorvel {

namespace {

constexpr int kTextPixels = 11; // the program's 8-point sans-serif
constexpr int kMargin = 4;

} // namespace

TFractionTextHelp::TFractionTextHelp(const fractions::TextHelpWindow& content,
                                     QWidget* mainWindow)
    : TabbedHelpDialog({content.objectName, content.caption, QSize(content.width, content.height),
                        content.staysOnTop, content.pageControlName, content.caption},
                       mainWindow)
{
    QTabWidget* pages = pageControl();

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(kTextPixels);
    for (std::size_t i = 0; i < content.tabs.size(); ++i) {
        const fractions::TextHelpTab& tab = content.tabs[i];
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        pages->addTab(sheet, tab.caption);
        auto* column = new QVBoxLayout(sheet);
        column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
        auto* box = new QPlainTextEdit(sheet);
        box->setObjectName(QStringLiteral("Memo%1").arg(i + 1));
        box->setAccessibleName(tab.title);
        box->setFont(font);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Not read-only: the pupil may mark or type in it; nothing is kept beyond the run.
        box->setPlainText(fractions::helpTabLines(content, tab).join(QLatin1Char('\n')));
        column->addWidget(box);
    }
    pages->setCurrentIndex(0);
}

QPlainTextEdit* TFractionTextHelp::textBox(int tab) const
{
    QWidget* sheet = pageControl()->widget(tab);
    return sheet ? sheet->findChild<QPlainTextEdit*>() : nullptr;
}

TFormBruchErwHilfe::TFormBruchErwHilfe(QWidget* mainWindow)
    : TFractionTextHelp(fractions::expandReduceHelp(), mainWindow)
{
}

TFormBruchKBHilfe::TFormBruchKBHilfe(QWidget* mainWindow)
    : TFractionTextHelp(fractions::decimalHelp(), mainWindow)
{
}

} // namespace quorvel
