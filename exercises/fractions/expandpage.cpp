#include "expandpage.h"

#include "answerfields.h"
#include "expandreduce.h"

#include <QLabel>
#include <QLineEdit>

namespace quorvel::fractions {

namespace {

constexpr int kUpperY = 140;
constexpr int kLowerY = kUpperY + kFieldHeight + 2 * kBarGap + 4;
constexpr int kShownX = 60;
constexpr int kEqualsX = 140;
constexpr int kAnswerX = 176;
constexpr int kFractionWidth = 72;
constexpr int kFactorX = 290;
constexpr int kFactorWidth = 150;

} // namespace

ExpandPage::ExpandPage(QWidget* page) : QObject(page)
{
    setObjectName(QStringLiteral("ExpandPage"));
    m_question = makeTaskHeading(page, QStringLiteral("lblBruchErw01"), QString(), 30, 50, 480);
    m_shown = makeShownFraction(page, QStringLiteral("PanelBruchErw01"), QStringLiteral("lblBruchErw02"),
                                QStringLiteral("lblBruchErw03"), QStringLiteral("BevelBruch10"),
                                kShownX, kUpperY, kFractionWidth);
    makeSign(page, QStringLiteral("Label7"), QStringLiteral("="), kEqualsX, kUpperY);

    // The answer fraction: labels or edits at the same place over one bar.
    for (int r = 0; r < 2; ++r) {
        auto* l = new QLabel(page);
        l->setObjectName(QStringLiteral("lblBruchErw0%1").arg(4 + r));
        l->setFont(fractionFont(18));
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(kAnswerX, r == 0 ? kUpperY : kLowerY, kFractionWidth, kFieldHeight);
        m_answerLabels[r] = l;
    }
    makeFractionBar(page, QStringLiteral("BevelBruch11"), kAnswerX, kUpperY, kFractionWidth);
    m_edits[0] = makeAnswerEdit(page, QStringLiteral("edBruchErw01"), QStringLiteral("Zähler"),
                                kAnswerX, kUpperY, kFractionWidth);
    m_edits[1] = makeAnswerEdit(page, QStringLiteral("edBruchErw02"), QStringLiteral("Nenner"),
                                kAnswerX, kLowerY, kFractionWidth);

    m_factorCaption = new QLabel(page);
    m_factorCaption->setObjectName(QStringLiteral("lblBruchErw06"));
    m_factorCaption->setFont(fractionFont(15));
    m_factorCaption->setGeometry(kFactorX, kUpperY, kFactorWidth, kFieldHeight);
    // Named by its caption once a task is shown; until then by the caption of "erweitern".
    m_edits[2] = makeAnswerEdit(page, QStringLiteral("edBruchErw03"),
                                expandFactorCaption(ExpandKind::Expand).chopped(1), kFactorX, kLowerY,
                                kFractionWidth);

    m_fields = new AnswerFieldSet(this);
    for (QLineEdit* e : m_edits)
        m_fields->addEdit(e);
}

void ExpandPage::showTask(const ExpandReduceTask& task)
{
    const ExpandLayout& l = expandLayout(task.form);
    m_question->setText(task.question());
    m_shown.show(task.shownNumerator(), task.shownDenominator());

    m_answerLabels[0]->setText(QString::number(task.answerNumerator()));
    m_answerLabels[1]->setText(QString::number(task.answerDenominator()));
    m_answerLabels[0]->setVisible(l.numeratorLabel);
    m_answerLabels[1]->setVisible(l.denominatorLabel);

    const QString caption = expandFactorCaption(task.kind);
    m_factorCaption->setText(caption);
    m_factorCaption->setVisible(l.factorCaption);
    // The factor edit is announced by the words of its caption.
    m_edits[2]->setAccessibleName(caption.chopped(1));
    for (int i = 0; i < kExpandFieldCount; ++i)
        m_edits[i]->setVisible(l.editVisible[std::size_t(i)]);
}

} // namespace quorvel::fractions
