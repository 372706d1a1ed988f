#include "umrechnungshilfe.h"
#include "helpwindow.h"
#include "pagekit.h"

#include "gradientfill.h"
#include "helplayout.h"
#include "unithelptexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>

#include <cmath>

namespace quorvel {

namespace {

constexpr int kRowPixels = 13;     // unit row and factor lines
constexpr int kHeadingPixels = 16;
constexpr int kUpperY = 40;
constexpr int kRowY = 58;
constexpr int kLowerY = 76;
constexpr int kBoxY = 104;
constexpr int kLineX = 10;

QFont rowFont() { return pixelFont(QStringLiteral("MS Sans Serif"), kRowPixels, false); }

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAccessibleName(text);
    l->setFont(font);
    l->move(x, y);
    l->adjustSize();
    return l;
}

units::TextWidth runWidth(const QFont& font)
{
    const QFontMetricsF m(font);
    return [m](const QString& s) { return m.horizontalAdvance(s); };
}

double naturalBlank(const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
}

} // namespace

BlankSpacedLabel::BlankSpacedLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAccessibleName(text);
}

void BlankSpacedLabel::setBlankWidth(double pixels)
{
    m_blank = pixels;
    updateGeometry();
    adjustSize();
    update();
}

double BlankSpacedLabel::advanceTo(int index) const
{
    const double blank = m_blank < 0 ? naturalBlank(font()) : m_blank;
    return units::advanceTo(text(), index, runWidth(font()), blank);
}

QSize BlankSpacedLabel::sizeHint() const
{
    const QFontMetricsF m(font());
    return {int(std::ceil(advanceTo(int(text().size())))) + 1, int(std::ceil(m.height()))};
}

void BlankSpacedLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    const QFontMetricsF m(font());
    const QString t = text();
    int i = 0;
    while (i < t.size()) {
        if (t[i] == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < t.size() && t[i] != QLatin1Char(' '))
            ++i;
        p.drawText(QPointF(advanceTo(start), m.ascent()), t.mid(start, i - start));
    }
}

TUmrechnungshilfe::TUmrechnungshilfe(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Umrechnungshilfe"));
    setWindowTitle(QStringLiteral("Umrechnungshilfe"));
    setAccessibleName(QStringLiteral("Umrechnungshilfe"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::NonModal);
    setFixedSize(kWidth, kHeight);

    TGradientFill* fill = addPageBackground(this);
    fill->setObjectName(QStringLiteral("GradientFill1"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setAccessibleName(QStringLiteral("Größen"));
    m_pages->setGeometry(8, 8, 457, 289);
    // Six captions side by side in 457 pixels.
    setSlimTabs(m_pages, 10);
    const auto& tabs = units::helpTabs();
    for (int i = 0; i < int(tabs.size()); ++i) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        m_pages->addTab(sheet, tabs[std::size_t(i)].caption);
        buildTab(sheet, i);
    }
    m_pages->setCurrentIndex(0);
}

void TUmrechnungshilfe::buildTab(QWidget* sheet, int index)
{
    const units::HelpTab& tab = units::helpTabs()[std::size_t(index)];
    const QString n = QString::number(index + 1);

    QFont heading(QStringLiteral("Times New Roman"));
    heading.setPixelSize(kHeadingPixels);
    heading.setBold(true);
    heading.setUnderline(true);
    QLabel* h = addLabel(sheet, QStringLiteral("LabelUeberschrift") + n, tab.heading, heading,
                         kLineX, 8);
    h->setStyleSheet(QStringLiteral("color: #0000FF;"));

    const QFont font = rowFont();
    auto spaced = [&](const QString& name, const QString& text, double blank, double x, int y) {
        auto* l = new BlankSpacedLabel(text, sheet);
        l->setObjectName(name);
        l->setFont(font);
        l->setBlankWidth(blank);
        l->move(int(std::lround(x)), y);
        return l;
    };
    const double blank = naturalBlank(font);
    QLabel* row = spaced(QStringLiteral("LabelEinheiten") + n, tab.unitRow, blank, kLineX, kRowY);

    // Fit the factor lines over and under the arrows of the unit row.
    auto factorLine = [&](const QString& name, const QString& text, int y) {
        const units::FactorFit fit = units::fitFactorLine(tab.unitRow, runWidth(font), blank,
                                                          text, runWidth(font), blank);
        spaced(name, text, fit.blankWidth, kLineX + fit.offset, y);
    };
    factorLine(QStringLiteral("LabelMal") + n, tab.upperLine, kUpperY);
    factorLine(QStringLiteral("LabelDurch") + n, tab.lowerLine, kLowerY);
    row->raise();

    // The equalities: grey face, red border 3 pixels wide, two columns.
    const int lines = int(tab.left.size());
    const int lineHeight = QFontMetrics(font).lineSpacing();
    auto* box = new QFrame(sheet);
    box->setObjectName(QStringLiteral("PanelGleich") + n);
    box->setGeometry(kLineX, kBoxY, 435, lines * lineHeight + 22);
    box->setStyleSheet(QStringLiteral(
        "QFrame#%1 { background-color: #C8C8C8; border: 3px solid #FF0000; }")
                           .arg(box->objectName()));
    QLabel* left = addLabel(box, QStringLiteral("LabelLinks") + n, tab.left.join(QLatin1Char('\n')),
                            font, 16, 11);
    QLabel* right = addLabel(box, QStringLiteral("LabelRechts") + n,
                             tab.right.join(QLatin1Char('\n')), font, 228, 11);
    left->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    right->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
}

void TUmrechnungshilfe::showHelp() { showBesideTheTasks(this, m_placed); }

} // namespace quorvel
