#include "scratchpad.h"

#include "gradientfill.h"
#include "notizblatt.h"
#include "pagekit.h"

#include <QButtonGroup>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorvel {

namespace {

struct ToolButton {
    const char* name;
    int x;
    scratch::Glyph glyph;
    const char* hint; // "tool-tip|status bar"
};
constexpr ToolButton kToolButtons[] = {
    {"SBNotiz01", 168, scratch::Glyph::Pen,
     "Stift|Stift: mit der linken Maustaste schreiben, mit der rechten wegwischen"},
    {"SBNotiz02", 192, scratch::Glyph::Eraser, "Radiergummi|Radiergummi: breit wegwischen"},
    {"SBNotiz03", 216, scratch::Glyph::NewSheet, "Neues Blatt|Neues Blatt: alle Notizen löschen"},
};

QIcon glyphIcon(scratch::Glyph g)
{
    QIcon icon;
    for (qreal dpr : {1.0, 2.0})
        icon.addPixmap(QPixmap::fromImage(scratch::toolGlyph(g, 16, dpr)));
    return icon;
}

} // namespace

QWidget* createScratchPad(QWidget* parent)
{
    auto* column = new QWidget(parent);
    column->setObjectName(QStringLiteral("ScratchPadColumn"));
    column->setFixedWidth(scratch::kSheetWidth);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    auto* bar = new QWidget(column);
    bar->setObjectName(QStringLiteral("PanelHaupt01"));
    bar->setFixedSize(scratch::kSheetWidth, 35);
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

    auto* sheet = new Notizblatt(column);
    sheet->setMinimumHeight(200);
    stack->addWidget(sheet, 1); // the sheet takes the height between the bar and the pad

    // Pen and eraser: one group, exactly one pressed, the pen at start.
    auto* tools = new QButtonGroup(bar);
    tools->setExclusive(true);
    for (const ToolButton& t : kToolButtons) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(t.name));
        b->setGeometry(t.x, 5, 25, 25);
        b->setIcon(glyphIcon(t.glyph));
        b->setIconSize(QSize(16, 16));
        const QString hint = QString::fromUtf8(t.hint);
        setHint(b, hint);
        b->setAccessibleName(shortHint(hint));
        b->setAccessibleDescription(longHint(hint));
        if (t.glyph == scratch::Glyph::NewSheet) {
            QObject::connect(b, &QToolButton::clicked, sheet, &Notizblatt::SBNotizLoeschenClick);
            continue;
        }
        b->setCheckable(true);
        const auto tool = t.glyph == scratch::Glyph::Pen ? scratch::Tool::Pen : scratch::Tool::Eraser;
        tools->addButton(b, int(tool));
        b->setChecked(tool == scratch::Tool::Pen);
    }
    QObject::connect(tools, &QButtonGroup::idClicked, sheet,
                     [sheet](int id) { sheet->SBNotizClick(scratch::Tool(id)); });
    return column;
}

} // namespace quorvel
