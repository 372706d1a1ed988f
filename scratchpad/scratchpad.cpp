#include "scratchpad.h"

#include "gradientfill.h"

#include <QLabel>

namespace quorvel {

QWidget* createScratchPad(QWidget* parent)
{
    auto* column = new QWidget(parent);
    column->setObjectName(QStringLiteral("ScratchPadColumn"));
    column->setFixedSize(250, 309);
    auto* bar = new QWidget(column);
    bar->setObjectName(QStringLiteral("PanelHaupt01"));
    bar->setGeometry(0, 0, 250, 35);
    addGradientBackground(bar, Qt::white, QColor(0xC0, 0xC0, 0xC0), fdLeftToRight, 255)
        ->setObjectName(QStringLiteral("GradientFillNotiz"));
    auto* title = new QLabel(QStringLiteral("Notizblatt"), bar);
    title->setObjectName(QStringLiteral("LabelNotiz01"));
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(12);
    title->setFont(f);
    title->move(8, 8);
    auto* sheet = new QWidget(column);
    sheet->setObjectName(QStringLiteral("Notizblatt"));
    sheet->setAccessibleName(QStringLiteral("Notizblatt"));
    sheet->setGeometry(0, 35, 250, 274);
    sheet->setAutoFillBackground(true);
    QPalette p = sheet->palette();
    p.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(p);
    return column;
}

} // namespace quorvel
