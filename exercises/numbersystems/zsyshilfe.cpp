#include "zsyshilfe.h"
#include "helpwindow.h"
#include "pagekit.h"

#include "gradientfill.h"
#include "zsyshilfetexts.h"

#include <QPlainTextEdit>
#include <QTabWidget>

namespace quorvel {

namespace {
// Cream (#FFFBF0) on the left to white on the right.
const QColor kCream{0xFF, 0xFB, 0xF0};
constexpr int kMargin = 4;
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
    // Five captions side by side in the window's width.
    setSlimTabs(m_pages, 6);

    const QFont memoFont = courierPixels(13, false);

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
