#include "gappage.h"

#include "basicpages.h"
#include "pagekit.h"
#include "topiccontext.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

using namespace basic;

namespace {

constexpr int kRowY = 136;
constexpr int kRowHeight = 28;
constexpr int kAnswerWidth = 112;
// The texts use the face of the plain task page (Courier 10 pt): fixed pitch, 8 pixels a
// character, so a text of n characters starting at 240 - 8n ends right before the gap.

} // namespace

GapPage::GapPage(TopicContext& ctx, GapTaskTopic::ReadSettings readSettings)
    : QObject(ctx.page(QStringLiteral("GrundLuecken")))
{
    setObjectName(QStringLiteral("GapPage"));
    build(ctx, ctx.page(QStringLiteral("GrundLuecken")));
    m_topic = std::make_unique<GapTaskTopic>(ctx.services.random, std::move(readSettings),
                                             [this](const GapTask& t) { showTask(t); });
    m_taskPage->addSeries(*m_topic, *m_lineAnswer, PadUse::Digits, m_answer);
}

GapPage::~GapPage() = default;

void GapPage::build(TopicContext& ctx, QWidget* page)
{
    makeHeading(page, QStringLiteral("LabelGrundLuecken01"), QStringLiteral("Lückenaufgaben"), 0,
                539);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelGrund03"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setGeometry(20, 100, 499, 100);

    // The labels show the task itself, so a screen reader reads their text.
    m_left = new QLabel(page);
    m_left->setObjectName(QStringLiteral("lblLuecken01"));
    m_left->setFont(courierPoints(10));
    m_left->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_left->setGeometry(taskTextLeft(QString()), kRowY, 0, kRowHeight);

    m_answer = new QLineEdit(page);
    m_answer->setObjectName(QStringLiteral("edGrundLueckenAufgErg"));
    m_answer->setAccessibleName(QStringLiteral("Lücke"));
    m_answer->setFont(courierPoints(10));
    m_answer->setGeometry(kAnswerFieldLeft, kRowY, kAnswerWidth, kRowHeight);

    m_right = new QLabel(page);
    m_right->setObjectName(QStringLiteral("lblLuecken02"));
    m_right->setFont(courierPoints(10));
    m_right->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_right->setGeometry(kGapRightTextLeft, kRowY, 519 - 4 - kGapRightTextLeft, kRowHeight);

    installAnswerKeyFilter(m_answer);
    m_lineAnswer = std::make_unique<LineAnswer>(m_answer);
    m_taskPage = new TaskPage(ctx, page, ctx.page(QStringLiteral("Grundrechenarten")), page,
                              basicButtonRow("btnGrundLueckenAufgAbbruch",
                                             "btnGrundLueckenAufgUeberspringen",
                                             "btnGrundLueckenAufgOK"));
}

void GapPage::showTask(const GapTask& task)
{
    const int left = taskTextLeft(task.left);
    m_left->setText(task.left);
    m_left->setGeometry(left, kRowY, kAnswerFieldLeft - left, kRowHeight);
    m_right->setText(task.right);
    // The whole task for a screen reader that sits in the gap.
    m_answer->setAccessibleDescription(task.left + QStringLiteral(" … ") + task.right);
}

} // namespace quorvel
