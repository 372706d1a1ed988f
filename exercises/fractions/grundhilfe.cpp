#include "grundhilfe.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

namespace quorvel::fractions {

namespace {

// Image05 is shown stretched to this size.
constexpr QSize kSmallProduct(120, 49);

QFont roleFont(FormulaRole role)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    switch (role) {
    case FormulaRole::Number:
        f.setPixelSize(15);
        break;
    case FormulaRole::SmallNumber:
        f.setPixelSize(12);
        break;
    case FormulaRole::Whole:
        f.setPixelSize(24);
        break;
    case FormulaRole::Sign:
        f.setPixelSize(16);
        break;
    case FormulaRole::Replacement:
        f.setPixelSize(11);
        f.setBold(true);
        break;
    }
    return f;
}

// The fonts' measures: one font metrics per role, shared by every text measured.
FormulaMetrics metrics()
{
    constexpr FormulaRole kRoles[] = {FormulaRole::Number, FormulaRole::SmallNumber,
                                      FormulaRole::Whole, FormulaRole::Sign,
                                      FormulaRole::Replacement};
    std::vector<QFontMetricsF> fonts;
    for (FormulaRole r : kRoles)
        fonts.emplace_back(roleFont(r));
    FormulaMetrics m;
    for (FormulaRole r : kRoles)
        m.lineHeight[int(r)] = std::ceil(fonts[std::size_t(r)].height());
    m.textWidth = [fonts = std::move(fonts)](const QString& s, FormulaRole r) {
        return fonts[std::size_t(r)].horizontalAdvance(s);
    };
    return m;
}

QSize naturalSize(const FormulaLayout& l)
{
    return {int(std::ceil(l.width)) + 2, int(std::ceil(l.height)) + 2};
}

QColor colourOf(FormulaColour c)
{
    switch (c) {
    case FormulaColour::Green:
        return QColor(0, 160, 0);
    case FormulaColour::Red:
        return QColor(220, 0, 0);
    case FormulaColour::Plain:
        break;
    }
    return Qt::black;
}

} // namespace

QSize formulaNaturalSize(const Formula& formula)
{
    return naturalSize(layoutFormula(formula, metrics()));
}

QPixmap renderFormula(const Formula& formula, QSize size)
{
    const FormulaLayout l = layoutFormula(formula, metrics());
    const QSize natural = naturalSize(l);
    if (!size.isValid())
        size = natural;
    QPixmap pm(size);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(double(size.width()) / natural.width(), double(size.height()) / natural.height());
    p.translate(1, 1);
    p.setPen(QPen(Qt::black, 1.2));
    for (const PlacedBar& b : l.bars)
        p.drawLine(QPointF(b.x + 1, b.y), QPointF(b.x + b.w - 1, b.y));
    for (const PlacedText& t : l.texts) {
        p.setFont(roleFont(t.role));
        const bool replacement = t.role == FormulaRole::Replacement;
        p.setPen(replacement ? colourOf(t.colour) : QColor(Qt::black));
        const QRectF box(t.x, t.y, t.w, t.h);
        p.drawText(box, Qt::AlignCenter, t.text);
        if (t.struck) {
            p.setPen(QPen(colourOf(t.colour), 1.5));
            p.drawLine(box.bottomLeft() + QPointF(-1, -2), box.topRight() + QPointF(1, 2));
        }
    }
    return pm;
}

TFormBruchGrundHilfe::TFormBruchGrundHilfe(QWidget* mainWindow)
    : TabbedHelpDialog({QStringLiteral("FormBruchGrundHilfe"),
                        QStringLiteral("Hilfe: Grundrechnen mit Brüchen"),
                        QSize(kClientWidth, kClientHeight), true, QStringLiteral("PageControl1"),
                        QStringLiteral("Rechenarten")},
                       mainWindow)
{
    QTabWidget* pages = pageControl();

    int label = 1;
    const auto& tabs = grundHelpTabs();
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const GrundHelpTab& tab = tabs[i];
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        pages->addTab(sheet, tab.caption);
        sheet->setAutoFillBackground(true);
        QPalette pal = sheet->palette();
        pal.setColor(QPalette::Window, Qt::white);
        sheet->setPalette(pal);

        auto* column = new QVBoxLayout(sheet);
        column->setContentsMargins(6, 4, 6, 4);
        column->setSpacing(3);
        column->addWidget(helpTextLabel(sheet, QStringLiteral("Label%1").arg(label++, 2, 10, QLatin1Char('0')),
                                    tab.above));
        QBoxLayout* images = tab.imagesSideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                                  : static_cast<QBoxLayout*>(new QVBoxLayout);
        images->setSpacing(tab.imagesSideBySide ? 10 : 3);
        const int free = kClientWidth - 24;
        for (int k = 0; k < 2; ++k) {
            const int index = tab.images[k];
            const Formula& f = helpFormula(index);
            auto* img = new QLabel(sheet);
            img->setObjectName(QStringLiteral("Image%1").arg(index + 1, 2, 10, QLatin1Char('0')));
            QSize size = formulaNaturalSize(f);
            if (index == 4) {
                size = kSmallProduct; // stretched
            } else {
                const int room = tab.imagesSideBySide ? free - kSmallProduct.width() - 10 : free;
                if (size.width() > room)
                    size = size.scaled(room, size.height(), Qt::KeepAspectRatio);
            }
            img->setPixmap(renderFormula(f, size));
            img->setFixedSize(size);
            img->setAccessibleName(formulaText(f));
            img->setAccessibleDescription(formulaDescription(f));
            images->addWidget(img, 0, Qt::AlignLeft | Qt::AlignVCenter);
            m_images[index] = img;
        }
        if (tab.imagesSideBySide)
            images->addStretch(1);
        column->addLayout(images);
        if (!tab.below.isEmpty()) {
            QLabel* below = helpTextLabel(sheet, QStringLiteral("Label%1").arg(label, 2, 10, QLatin1Char('0')),
                                      tab.below);
            if (i == 2)
                below->setFixedSize(385, 97);
            column->addWidget(below);
        }
        ++label;
        column->addStretch(1);
    }
    pages->setCurrentIndex(0);
}

QLabel* TFormBruchGrundHilfe::image(int index) const
{
    return index >= 0 && index < 8 ? m_images[index] : nullptr;
}

} // namespace quorvel::fractions
