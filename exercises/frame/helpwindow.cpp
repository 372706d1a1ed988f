#include "helpwindow.h"

#include <QLabel>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quorvel {

TabbedHelpDialog::TabbedHelpDialog(const HelpDialogFrame& frame, QWidget* mainWindow)
    : QDialog(mainWindow), m_mainWindow(mainWindow)
{
    setObjectName(frame.objectName);
    setWindowTitle(frame.caption);
    setAccessibleName(frame.caption);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame.staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(frame.size);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(frame.pageControlName);
    m_pages->setAccessibleName(frame.pagesSpokenName);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_pages);
}

QPoint TabbedHelpDialog::centredOn(const QRect& mainFrame) const
{
    return {mainFrame.x() + (mainFrame.width() - width()) / 2,
            mainFrame.y() + (mainFrame.height() - height()) / 2};
}

void TabbedHelpDialog::showModal()
{
    if (m_mainWindow)
        move(centredOn(m_mainWindow->window()->frameGeometry()));
    exec(); // the close box rejects and hides; the tab stays as the pupil left it
}

namespace {

// The application's style with another room beside each tab caption.
class SlimTabStyle : public QProxyStyle {
public:
    explicit SlimTabStyle(int captionSpace) : m_space(captionSpace) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return m_space;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_space;
};

} // namespace

void setSlimTabs(QTabWidget* tabs, int captionSpace)
{
    tabs->setUsesScrollButtons(false);
    auto* slim = new SlimTabStyle(captionSpace);
    slim->setParent(tabs);
    tabs->tabBar()->setStyle(slim);
}

QLabel* helpTextLabel(QWidget* parent, const QString& objectName, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(objectName);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(13);
    l->setFont(f);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setStyleSheet(QStringLiteral("color: black;"));
    return l;
}

} // namespace quorvel
