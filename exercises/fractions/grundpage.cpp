#include "grundpage.h"

#include "answerfields.h"
#include "arithmetic.h"
#include "pagekit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace quorvel::fractions {

namespace {

// The row of the worked layout: the upper fields end just above the bars, the lower ones
// start below them.
constexpr int kUpperY = 150;
constexpr int kFieldHeight = 28;
constexpr int kBarY = kUpperY + kFieldHeight + 3;
constexpr int kLowerY = kBarY + 5;
constexpr int kSignY = kBarY - kFieldHeight / 2;
constexpr int kOperandWidth = 56;
constexpr int kAnswerWidth = 72;
constexpr int kSignWidth = 20;

// Left edges: operand 1, operator, operand 2, "=", answer 1, sign, answer 2, "=", answer 3.
constexpr int kOperandX[2] = {30, 114};
constexpr int kOperatorX = 90;
constexpr int kEqualsX[2] = {174, 374};
constexpr int kAnswerX[3] = {198, 298, 398};
constexpr int kSignX = 274;

const char* const kOperandHints[4] = {"Zähler1", "Nenner1", "Zähler2", "Nenner2"};

QFrame* bar(QWidget* parent, const QString& name, int x, int width)
{
    auto* b = new QFrame(parent);
    b->setObjectName(name);
    b->setFrameShape(QFrame::HLine);
    b->setFrameShadow(QFrame::Sunken);
    b->setLineWidth(1);
    b->setMidLineWidth(1);
    b->setGeometry(x, kBarY - 2, width, 4);
    return b;
}

QLabel* signLabel(QWidget* parent, const QString& name, const QString& text, int x)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 18));
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, kSignY, kSignWidth, kFieldHeight);
    return l;
}

} // namespace

GrundPage::GrundPage(QWidget* page) : QObject(page), m_page(page)
{
    setObjectName(QStringLiteral("GrundPage"));
    m_heading = makeLabel(page, QStringLiteral("lblBruch03"),
                          QStringLiteral("Berechne die folgende Aufgabe:"), 30, 60);
    m_heading->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 18));
    m_heading->adjustSize();

    // Each shown fraction is a small panel: numerator, bar, denominator. The panel is
    // announced as "2/3"; the labels inside show the numbers.
    for (int k = 0; k < 2; ++k) {
        auto* box = new QFrame(page);
        box->setObjectName(QStringLiteral("PanelBruchAufg%1").arg(k + 1, 2, 10, QLatin1Char('0')));
        box->setGeometry(kOperandX[k], kUpperY, kOperandWidth, kLowerY + kFieldHeight - kUpperY);
        box->setAccessibleDescription(k == 0 ? QStringLiteral("1. Bruch") : QStringLiteral("2. Bruch"));
        m_operandBoxes[k] = box;
        for (int r = 0; r < 2; ++r) {
            const int i = 2 * k + r;
            auto* l = new QLabel(box);
            l->setObjectName(QStringLiteral("lblBruchAufg%1").arg(i + 1, 2, 10, QLatin1Char('0')));
            l->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 18));
            l->setAlignment(Qt::AlignCenter);
            l->setGeometry(0, r == 0 ? 0 : kLowerY - kUpperY, kOperandWidth, kFieldHeight);
            setHint(l, QString::fromUtf8(kOperandHints[i]));
            m_operands[i] = l;
        }
        auto* b = new QFrame(box);
        b->setObjectName(QStringLiteral("BevelBruch%1").arg(k + 1, 2, 10, QLatin1Char('0')));
        b->setFrameShape(QFrame::HLine);
        b->setFrameShadow(QFrame::Sunken);
        b->setMidLineWidth(1);
        b->setGeometry(0, kBarY - 2 - kUpperY, kOperandWidth, 4);
    }
    m_operator = signLabel(page, QStringLiteral("lblBruchAufg05"), QStringLiteral("+"), kOperatorX);
    signLabel(page, QStringLiteral("lblBruchAufg06"), QStringLiteral("="), kEqualsX[0]);
    m_sign = signLabel(page, QStringLiteral("lblBruchAufg07"), QStringLiteral("+"), kSignX);
    m_secondEquals = signLabel(page, QStringLiteral("lblBruchAufg08"), QStringLiteral("="), kEqualsX[1]);

    m_fields = new AnswerFieldSet(this);
    for (int i = 0; i < 6; ++i) {
        auto* e = new QLineEdit(page);
        e->setObjectName(QStringLiteral("edBruchAufg%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        e->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16));
        e->setAlignment(Qt::AlignCenter);
        e->setGeometry(kAnswerX[i / 2], i % 2 == 0 ? kUpperY : kLowerY, kAnswerWidth, kFieldHeight);
        m_edits[i] = e;
        m_fields->addEdit(e);
    }
    for (int k = 0; k < 3; ++k)
        m_answerBars[k] = bar(page, QStringLiteral("BevelBruch%1").arg(k + 3, 2, 10, QLatin1Char('0')),
                              kAnswerX[k], kAnswerWidth);

    auto* dummy = new QLineEdit(page);
    dummy->setObjectName(QStringLiteral("edBruchDummy"));
    dummy->setAccessibleName(QStringLiteral("Hilfsfeld"));
    dummy->hide();

    setOperation(OpAddition);
}

void GrundPage::setOperation(int operation)
{
    if (operation < OpAddition || operation > OpDivision)
        operation = OpAddition;
    const ArithmeticLayout& l = arithmeticLayout(operation);
    // The signs show "x" and ":"; a screen reader gets the spoken word as description.
    static const char* const kSpoken[] = {"plus", "minus", "mal", "geteilt durch"};
    m_operator->setText(QString::fromLatin1(l.operatorSign));
    m_operator->setAccessibleDescription(QString::fromLatin1(kSpoken[operation - 1]));
    m_sign->setText(QString::fromLatin1(l.resultSign));
    m_sign->setAccessibleDescription(operation == OpDivision ? QStringLiteral("mal")
                                                             : QString::fromLatin1(kSpoken[operation - 1]));
    for (int i = 0; i < 6; ++i) {
        const bool visible = l.allFields || i < 2;
        m_edits[i]->setVisible(visible);
        setHint(m_edits[i], QString::fromUtf8(l.hints[std::size_t(i)]));
        m_edits[i]->setAccessibleName(QString::fromUtf8(l.names[std::size_t(i)]));
    }
    m_sign->setVisible(l.allFields);
    m_secondEquals->setVisible(l.allFields);
    m_answerBars[1]->setVisible(l.allFields);
    m_answerBars[2]->setVisible(l.allFields);
}

void GrundPage::showTask(const ArithmeticTask& task)
{
    setOperation(task.operation);
    const int values[4] = {task.first.numerator, task.first.denominator, task.second.numerator,
                           task.second.denominator};
    for (int i = 0; i < 4; ++i)
        m_operands[i]->setText(QString::number(values[i]));
    m_operandBoxes[0]->setAccessibleName(
        QStringLiteral("%1/%2").arg(task.first.numerator).arg(task.first.denominator));
    m_operandBoxes[1]->setAccessibleName(
        QStringLiteral("%1/%2").arg(task.second.numerator).arg(task.second.denominator));
    m_heading->setAccessibleDescription(arithmeticTaskText(task));
}

} // namespace quorvel::fractions
