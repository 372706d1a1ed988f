#include "zsyshilfe.h"
#include "pagekit.h"

#include "gradientfill.h"
#include "zsyshilfetexts.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace quorvel {

namespace {
// Cream (#FFFBF0) on the left to white on the right.
const QColor kCream{0xFF, 0xFB, 0xF0};
constexpr int kMargin = 4;

// The application's style with less room beside each tab caption.
class SlimTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 6;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};
} // namespace

TFormZSysHilfe::TFormZSysHilfe(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormZSysHilfe"));
    setWindowTitle(QStringLiteral("Hilfe: Zahlensysteme"));
    setAccessibleName(windowTitle());
    // A close box only: no minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::NonModal);
    setFixedSize(kWidth, kHeight);

    TGradientFill* fill = addGradientBackground(this, kCream, Qt::white, fdLeftToRight, 255);
    fill->setObjectName(QStringLiteral("GradientFill01"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl01"));
    m_pages->setAccessibleName(QStringLiteral("Zahlensysteme"));
    m_pages->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, kHeight - 2 * kMargin);
    // Five captions side by side in the window's width: slimmer tabs, no scroll arrows.
    m_pages->setUsesScrollButtons(false);
    auto* slim = new SlimTabs;
    slim->setParent(this);
    m_pages->tabBar()->setStyle(slim);

    QFont memoFont(QStringLiteral("Courier"));
    memoFont.setStyleHint(QFont::TypeWriter);
    memoFont.setPixelSize(13);

    const auto& sheets = numsys::helpSheets();
    for (int i = 0; i < int(sheets.size()); ++i) {
        const numsys::HelpSheet& sheet = sheets[std::size_t(i)];
        auto* memo = new QPlainTextEdit;
        memo->setObjectName(QStringLiteral("Memo%1").arg(i + 1));
        memo->setAccessibleName(sheet.caption);
        memo->setReadOnly(true);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setFont(memoFont);
        memo->setStyleSheet(QStringLiteral("QPlainTextEdit { color: black; background: white; }"));
        memo->setPlainText(sheet.lines.join(QLatin1Char('\n')));
        m_pages->addTab(memo, sheet.caption);
    }
    m_pages->setCurrentIndex(0);
}

void TFormZSysHilfe::showHelp() { showBesideTheTasks(this, m_placed); }

} // namespace quorvel
