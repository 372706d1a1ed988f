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
    : QDialog(mainWindow), m_mainWindow(mainWindow)
{
    setObjectName(content.objectName);
    setWindowTitle(content.caption);
    setAccessibleName(content.caption);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (content.staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(content.width, content.height);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(content.pageControlName);
    m_pages->setAccessibleName(content.caption);
    m_pages->setAccessibleName(content.caption);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_pages);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(kTextPixels);
    for (std::size_t i = 0; i < content.tabs.size(); ++i) {
        const fractions::TextHelpTab& tab = content.tabs[i];
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        m_pages->addTab(sheet, tab.caption);
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
    m_pages->setCurrentIndex(0);
}

QPlainTextEdit* TFractionTextHelp::textBox(int tab) const
{
    QWidget* sheet = m_pages->widget(tab);
    return sheet ? sheet->findChild<QPlainTextEdit*>() : nullptr;
}

QPoint TFractionTextHelp::centredOn(const QRect& mainFrame) const
{
    return {mainFrame.x() + (mainFrame.width() - width()) / 2,
            mainFrame.y() + (mainFrame.height() - height()) / 2};
}

void TFractionTextHelp::showModal()
{
    if (m_mainWindow)
        move(centredOn(m_mainWindow->window()->frameGeometry()));
    exec(); // the close box rejects and hides; tab and scroll position stay
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
