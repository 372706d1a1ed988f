#include "puzzlepage.h"

#include "ledpaint.h"
#include "pagekit.h"
#include "taskpage.h"
#include "topiccontext.h"

#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

namespace quorvel {

using namespace basic;

namespace {

constexpr int kColumnX[] = {20, 140, 260};
constexpr int kFieldWidth = 80;
constexpr int kFieldHeight = 24;
constexpr int kLampSize = 24;

// Rows 1 to 9 are 32 pixels apart from 56; the bottom row stands apart under the line.
int rowY(int row) { return row == EquationPuzzle::kRows ? 350 : 56 + 32 * (row - 1); }

const char* const kShiftNames[] = {"GrundGleichSpalteEins", "GrundGleichSpalteZwei",
                                   "GrundGleichSpalteDrei"};

QFont boardFont() { return pointFont(QStringLiteral("MS Sans Serif"), 10); }

QLabel* boardLabel(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(boardFont());
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, y, 40, kFieldHeight);
    return l;
}

QFrame* bevel(QWidget* parent, const QString& name, int x, int y, int w)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, y, w, 2);
    return line;
}

} // namespace

PuzzlePage::PuzzlePage(TopicContext& ctx, SettingsReader readSettings)
    : QObject(ctx.page(QStringLiteral("GrundGleichungen"))),
      m_read(std::move(readSettings))
{
    setObjectName(QStringLiteral("PuzzlePage"));
    m_view = std::make_unique<Board>(ctx, ctx.page(QStringLiteral("GrundGleichungen")),
                                     ctx.page(QStringLiteral("Grundrechenarten")), *this);
    m_puzzle = std::make_unique<EquationPuzzle>(ctx.services, *m_view);
    build(ctx.page(QStringLiteral("GrundGleichungen")));
}

// The board page in the exercise notebook.
class PuzzlePage::Board final : public NotebookView<basic::PuzzleView> {
public:
    Board(TopicContext& ctx, QWidget* page, QWidget* returnPage, PuzzlePage& owner)
        : NotebookView(ctx, page, returnPage), m_owner(owner)
    {
    }
    void showBoard() override { m_owner.showBoard(); }

private:
    PuzzlePage& m_owner;
};

PuzzlePage::~PuzzlePage() = default;

void PuzzlePage::build(QWidget* page)
{
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelGrundGleichungen"));
    panel->setGeometry(0, 0, 539, 500);

    for (int c = 0; c < EquationPuzzle::kColumns; ++c) {
        for (int row = 1; row <= EquationPuzzle::kRows; ++row) {
            const int number = c * EquationPuzzle::kRows + row;
            auto* f = new QLineEdit(panel);
            f->setObjectName(QStringLiteral("edGrundGleich%1").arg(number));
            f->setAccessibleName(QStringLiteral("Spalte %1, Zeile %2").arg(c + 1).arg(row));
            f->setReadOnly(true);
            f->setFocusPolicy(Qt::NoFocus); // not in the tab order: the numbers move by buttons
            f->setAlignment(Qt::AlignCenter);
            f->setFont(boardFont());
            f->setGeometry(kColumnX[c], rowY(row), kFieldWidth, kFieldHeight);
            m_fields[std::size_t(number - 1)] = f;
        }
    }
    for (int row = 1; row <= EquationPuzzle::kRows; ++row) {
        m_signs[std::size_t(row - 1)] = boardLabel(panel, QStringLiteral("lblGrundGleich%1").arg(row),
                                                   QStringLiteral("+"), 100, rowY(row));
        boardLabel(panel, QStringLiteral("Label%1").arg(row + 11), QStringLiteral("="), 220,
                   rowY(row));
    }
    bevel(panel, QStringLiteral("Bevel1"), 20, 342, 320);
    bevel(panel, QStringLiteral("Bevel2"), 20, 48, 320);

    // The three "Schieben" buttons carry one caption; a screen reader tells them apart by
    // their column, and Alt+1 to Alt+3 reach them from anywhere on the page.
    for (int c = 0; c < EquationPuzzle::kColumns; ++c) {
        QPushButton* b = makeButton(panel, QString::fromLatin1(kShiftNames[c]),
                                    QStringLiteral("Schieben"), kColumnX[c], 14, kFieldWidth, 28);
        b->setAccessibleName(QStringLiteral("Schieben Spalte %1").arg(c + 1));
        b->setToolTip(QStringLiteral("Spalte %1 eine Zeile nach unten schieben (Alt+%1)").arg(c + 1));
        b->setAutoDefault(true); // Enter presses the button that has the focus
        m_shift[std::size_t(c)] = b;
        // The shortcut shifts at once and leaves the focus where it is (on "Bestätigen").
        auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + c)), panel);
        key->setContext(Qt::WidgetWithChildrenShortcut);
        connect(key, &QShortcut::activated, b, &QPushButton::click);
    }
    connect(m_shift[0], &QPushButton::clicked, this, &PuzzlePage::GrundGleichSpalteEinsClick);
    connect(m_shift[1], &QPushButton::clicked, this, &PuzzlePage::GrundGleichSpalteZweiClick);
    connect(m_shift[2], &QPushButton::clicked, this, &PuzzlePage::GrundGleichSpalteDreiClick);

    m_ok = makeButton(panel, QStringLiteral("GrundGleichOK"), QStringLiteral("&Bestätigen"), 360,
                      347, 110, 30);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &PuzzlePage::GrundGleichOKClick);

    auto* text = new QLabel(QStringLiteral("Überprüfen ob man noch gültige Gleichungen erstellen kann"),
                            panel);
    text->setObjectName(QStringLiteral("Label22"));
    text->setWordWrap(true);
    text->setGeometry(360, 56, 160, 52);
    auto* check = new QPushButton(panel);
    check->setObjectName(QStringLiteral("GrundGleichPruefung"));
    check->setIcon(check->style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    check->setIconSize(QSize(32, 32));
    check->setAccessibleName(text->text());
    check->setToolTip(text->text());
    check->setAutoDefault(true);
    check->setGeometry(360, 112, 48, 48);
    text->setBuddy(check);
    connect(check, &QPushButton::clicked, this, &PuzzlePage::GrundGleichPruefungClick);

    auto* abort = makeButton(panel, QStringLiteral("GrundGleichAbbruch"),
                             QStringLiteral("&Abbrechen"), 20, 420, 150, 30);
    abort->setAutoDefault(true);
    connect(abort, &QPushButton::clicked, this, &PuzzlePage::GrundGleichAbbruchClick);

    // Green lamps stacked from the bottom (LEDPaint1) up, the red ones beside them.
    for (int i = 0; i < 2 * EquationPuzzle::kLamps; ++i) {
        const bool green = i < EquationPuzzle::kLamps;
        const int level = i % EquationPuzzle::kLamps;
        auto* lamp = new TLEDPaint(panel);
        lamp->setObjectName(QStringLiteral("LEDPaint%1").arg(i + 1));
        lamp->setLEDType(ltRect);
        lamp->setLEDColor(green ? lcGreen : lcRed);
        lamp->setGeometry(green ? 482 : 510, 350 - 30 * level, kLampSize, kLampSize);
        m_lamps[std::size_t(i)] = lamp;
    }

    QWidget::setTabOrder(m_shift[0], m_shift[1]);
    QWidget::setTabOrder(m_shift[1], m_shift[2]);
    QWidget::setTabOrder(m_shift[2], m_ok);
    QWidget::setTabOrder(m_ok, check);
    QWidget::setTabOrder(check, abort);
    showBoard();
}

bool PuzzlePage::start(int taskCount)
{
    const GrundPageSettings s = m_read ? m_read() : GrundPageSettings{};
    const int operation = selectBasicTaskType(s.rechenartItem);
    if (!m_puzzle->begin(operation, s.lowerBound, s.upperBound, taskCount))
        return false;
    m_ok->setFocus();
    return true;
}

void PuzzlePage::showBoard()
{
    const EquationPuzzle& p = *m_puzzle;
    const bool dealt = p.running() || p.taskNumber() > 0;
    for (int c = 1; c <= EquationPuzzle::kColumns; ++c) {
        for (int row = 1; row <= EquationPuzzle::kRows; ++row) {
            const auto value = dealt ? p.cell(c, row) : std::nullopt;
            m_fields[std::size_t((c - 1) * EquationPuzzle::kRows + row - 1)]->setText(
                value ? QString::number(*value) : QString());
        }
        if (dealt)
            m_shift[std::size_t(c - 1)]->setAccessibleDescription(
                QStringLiteral("unten steht %1").arg(p.entry(c, p.activeLength())));
    }
    if (dealt) {
        const QString sign = EquationPuzzle::operatorSign(p.operation());
        for (QLabel* l : m_signs)
            l->setText(sign);
        m_ok->setAccessibleDescription(QStringLiteral("Untere Zeile: ") + p.bottomRowText());
    }
    for (int i = 1; i <= 2 * EquationPuzzle::kLamps; ++i) {
        TLEDPaint* lamp = m_lamps[std::size_t(i - 1)];
        const bool green = i <= EquationPuzzle::kLamps;
        lamp->setLEDOn(p.lamp(i));
        lamp->setAccessibleName(QStringLiteral("%1 %2: %3")
                                    .arg(green ? QStringLiteral("Richtig") : QStringLiteral("Falsch"))
                                    .arg(green ? i : i - EquationPuzzle::kLamps)
                                    .arg(p.lamp(i) ? QStringLiteral("an") : QStringLiteral("aus")));
    }
}

} // namespace quorvel
