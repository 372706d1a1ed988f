#include "scratchpad.h"

#include "gradientfill.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorvel {

QWidget* createScratchPad(QWidget* parent)
{
    auto* column = new QWidget(parent);
    column->setObjectName(QStringLiteral("ScratchPadColumn"));
    column->setFixedWidth(250);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    auto* bar = new QWidget(column);
    bar->setObjectName(QStringLiteral("PanelHaupt01"));
    bar->setFixedSize(250, 35);
    stack->addWidget(bar);
    addPageBackground(bar, fdLeftToRight)
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
    sheet->setMinimumHeight(200);
    stack->addWidget(sheet, 1); // the sheet takes the height between the bar and the pad
    sheet->setAutoFillBackground(true);
    QPalette p = sheet->palette();
    p.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(p);
    return column;
}

} // namespace quorvel
