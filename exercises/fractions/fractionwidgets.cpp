#include "fractionwidgets.h"
#include "pagekit.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace quorvel::fractions {

QFont fractionFont(int pixels) { return pixelFont(QStringLiteral("MS Sans Serif"), pixels); }

void ShownFraction::show(qint64 n, qint64 d) const
{
    numerator->setText(QString::number(n));
    denominator->setText(QString::number(d));
    panel->setAccessibleName(QStringLiteral("%1/%2").arg(n).arg(d));
}

ShownFraction makeShownFraction(QWidget* page, const QString& panelName,
                                const QString& numeratorName, const QString& denominatorName,
                                const QString& barName, int x, int y, int width)
{
    ShownFraction f;
    f.panel = new QFrame(page);
    f.panel->setObjectName(panelName);
    f.panel->setGeometry(x, y, width, kFractionHeight);
    auto label = [&](const QString& name, int top) {
        auto* l = new QLabel(f.panel);
        l->setObjectName(name);
        l->setFont(fractionFont(18));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(0, top, width, kFieldHeight);
        return l;
    };
    f.numerator = label(numeratorName, 0);
    f.denominator = label(denominatorName, kFieldHeight + 2 * kBarGap + 4);
    f.bar = makeFractionBar(f.panel, barName, 0, 0, width);
    return f;
}

QLineEdit* makeAnswerEdit(QWidget* page, const QString& name, const QString& accessibleName,
                          int x, int y, int width)
{
    auto* e = new QLineEdit(page);
    e->setObjectName(name);
    e->setAccessibleName(accessibleName);
    e->setFont(fractionFont(16));
    e->setAlignment(Qt::AlignCenter);
    e->setGeometry(x, y, width, kFieldHeight);
    return e;
}

QFrame* makeFractionBar(QWidget* page, const QString& name, int x, int y, int width)
{
    auto* b = new QFrame(page);
    b->setObjectName(name);
    b->setFrameShape(QFrame::HLine);
    b->setFrameShadow(QFrame::Sunken);
    b->setMidLineWidth(1);
    b->setGeometry(x, y + kFieldHeight + kBarGap, width, 4);
    return b;
}

QLabel* makeSign(QWidget* page, const QString& name, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, page);
    l->setObjectName(name);
    l->setFont(fractionFont(18));
    l->setAlignment(Qt::AlignCenter);
    // Centred on the bar of a fraction whose upper field starts at y.
    l->setGeometry(x, y + kFieldHeight + kBarGap + 2 - kFieldHeight / 2, 24, kFieldHeight);
    return l;
}

QLabel* makeTaskHeading(QWidget* page, const QString& name, const QString& text, int x, int y,
                        int width)
{
    auto* l = new QLabel(text, page);
    l->setObjectName(name);
    l->setFont(fractionFont(16));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(x, y, width, 48);
    return l;
}

} // namespace quorvel::fractions
