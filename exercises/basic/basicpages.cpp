#include "basicpages.h"

#include "answerinput.h"
#include "gappage.h"
#include "gradientfill.h"
#include "inputfilter.h"
#include "pagekit.h"
#include "puzzlepage.h"
#include "topiccontext.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace quorvel {

using namespace basic;

namespace {

// Range group ids: RBZahlenraum 0, RBReihe02 .. RBReihe09 2 .. 9, RBQuadratzahlen 10.
constexpr int kRangeNumber = 0;
constexpr int kRangeSquares = 10;

int rangeId(const RangeChoice& r)
{
    switch (r.kind) {
    case RangeKind::TimesTable:
        return r.table;
    case RangeKind::Squares:
        return kRangeSquares;
    case RangeKind::NumberRange:
        break;
    }
    return kRangeNumber;
}

RangeChoice rangeFromId(int id)
{
    if (id >= 2 && id <= 9)
        return {RangeKind::TimesTable, id};
    if (id == kRangeSquares)
        return {RangeKind::Squares, 0};
    return {};
}

const char* const kRechenartItems[] = {"Addieren", "Subtrahieren", "Multiplizieren",
                                       "Dividieren", "Gemischt"};
const char* const kAufgabentypItems[] = {"Aufgaben", "Lückenaufgaben", "Gleichungen"};

// Task text and answer: a fixed-pitch face of 8 pixels a character, so the text of
// n characters starting at 240 - 8n ends right before the answer field.
QFont taskFont() { return courierPoints(10); }

QButtonGroup* radioGroup(QWidget* page, const QString& name, const QString& caption,
                         const char* const* items, int count, const QRect& box)
{
    auto* g = new QGroupBox(caption, page);
    g->setObjectName(name);
    g->setGeometry(box);
    auto* group = new QButtonGroup(g);
    group->setObjectName(name + QStringLiteral("Buttons"));
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(items[i]), g);
        b->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        b->setAccessibleName(QString::fromUtf8(items[i]));
        b->setGeometry(14, 22 + 24 * i, box.width() - 24, 20);
        group->addButton(b, i);
    }
    group->button(0)->setChecked(true);
    return group;
}

QSpinBox* spinner(QWidget* parent, const QString& upDownName, const QString& editName,
                  const QString& accessible, int min, int max, int value, const QRect& r)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(upDownName);
    s->setAccessibleName(accessible);
    s->setRange(min, max);
    s->setValue(value);
    s->setGeometry(r);
    // The value is chosen with the arrows (buttons, keys, wheel), never typed; holding a
    // button speeds up so the far ends of the range are in reach.
    s->setAccelerated(true);
    if (auto* edit = s->findChild<QLineEdit*>()) {
        edit->setObjectName(editName);
        edit->setAccessibleName(accessible);
        edit->setReadOnly(true);
    }
    return s;
}

QRadioButton* rangeButton(QWidget* box, QButtonGroup* group, const QString& name,
                          const QString& caption, int id, const QRect& r)
{
    auto* b = new QRadioButton(caption, box);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    b->setGeometry(r);
    group->addButton(b, id);
    return b;
}

class AnswerKeyFilter final : public QObject {
public:
    explicit AnswerKeyFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, e);
        const auto* k = static_cast<QKeyEvent*>(e);
        // Enter reaches the field, which leaves it to the task page.
        return answerKeyVerdict(k->key(), k->text()) == KeyVerdict::Drop;
    }
};

} // namespace

SeriesButtonRow basicButtonRow(const char* abort, const char* skip, const char* confirm)
{
    return {{abort, {20, 230, 150, 30}}, {skip, {186, 230, 150, 30}}, {confirm, {352, 230, 167, 30}}};
}

void installAnswerKeyFilter(QLineEdit* field)
{
    field->installEventFilter(new AnswerKeyFilter(field));
    // Pasted or dropped text meets the same characters as typed text, and no more than
    // a signed 32-bit number needs.
    restrictInput(field, kDigitCharacters + QLatin1Char('-'), kMaxSignedInt32Length);
}

BasicPages::BasicPages(TopicContext& ctx) : QObject(ctx.page(QStringLiteral("Grundrechenarten"))), m_ctx(ctx)
{
    setObjectName(QStringLiteral("BasicPages"));
    // Every page of the topic lies on the white-to-silver background of the program.
    for (const char* page : {"Grundrechenarten", "GrundGleichungen", "GrundAufgaben", "GrundLuecken"})
        addPageBackground(ctx.page(QString::fromLatin1(page)));
    buildSettingsPage(ctx.page(QStringLiteral("Grundrechenarten")));
    buildTaskPage(ctx.page(QStringLiteral("GrundAufgaben")));

    m_topic = std::make_unique<PlainTaskTopic>(
        ctx.services.random, [this] { return pageSettings(); },
        [this](const PlainTask& t) { showTask(t); });
    m_taskPage->addSeries(*m_topic, *m_lineAnswer, PadUse::Digits, m_answer);

    m_gaps = new GapPage(ctx, [this] { return pageSettings(); });
    m_puzzle = new PuzzlePage(ctx, [this] { return pageSettings(); });
    m_starts.add(ItemAufgaben, *m_taskPage, 0);
    m_starts.add(ItemLueckenaufgaben, m_gaps->taskPage(), 0);
    m_starts.add(ItemGleichungen, [this](int taskCount) { return m_puzzle->start(taskCount); });
}

BasicPages::~BasicPages() = default;

void BasicPages::buildSettingsPage(QWidget* page)
{
    makeHeading(page, QStringLiteral("LabelGrund01"), QStringLiteral("Grundrechenarten"), 0, 539);

    m_rechenart = radioGroup(page, QStringLiteral("RadioGroupGrund01"), QStringLiteral("Rechenart"),
                             kRechenartItems, 5, QRect(20, 64, 170, 148));
    m_aufgabentyp = radioGroup(page, QStringLiteral("RadioGroupGrund02"),
                               QStringLiteral("Aufgabentyp"), kAufgabentypItems, 3,
                               QRect(20, 224, 170, 100));
    connect(m_rechenart, &QButtonGroup::idClicked, this, [this] { RadioGroupGrund01Click(); });
    connect(m_aufgabentyp, &QButtonGroup::idClicked, this, [this] { RadioGroupGrund02Click(); });

    makeLabel(page, QStringLiteral("LabelGrund02"), QStringLiteral("Aufgabenanzahl"), 20, 340);
    m_count = spinner(page, QStringLiteral("UpDownGrund01"), QStringLiteral("EditGrund01"),
                      QStringLiteral("Aufgabenanzahl"), 1, 32000, 10, QRect(20, 358, 100, 24));

    auto* box = new QGroupBox(QStringLiteral("Zahlenbereich festsetzen"), page);
    box->setObjectName(QStringLiteral("GroupBoxGrund01"));
    box->setGeometry(210, 64, 309, 200);
    m_range = new QButtonGroup(box);
    m_range->setObjectName(QStringLiteral("GroupBoxGrund01Buttons"));

    rangeButton(box, m_range, QStringLiteral("RBZahlenraum"), QStringLiteral("Zahlenraum"),
                kRangeNumber, QRect(14, 24, 140, 20))
        ->setChecked(true);
    makeLabel(box, QStringLiteral("LabelGrund03"), QStringLiteral("von"), 34, 55);
    m_lower = spinner(box, QStringLiteral("GrundUntereGrenze"), QStringLiteral("EditGrund02"),
                      QStringLiteral("Untere Grenze"), -32767, 32767, 0, QRect(62, 50, 84, 24));
    makeLabel(box, QStringLiteral("LabelGrund04"), QStringLiteral("bis"), 158, 55);
    m_upper = spinner(box, QStringLiteral("GrundObereGrenze"), QStringLiteral("EditGrund03"),
                      QStringLiteral("Obere Grenze"), -32767, 32767, 100, QRect(184, 50, 84, 24));

    for (int k = 2; k <= 9; ++k) {
        const int col = (k - 2) % 4, row = (k - 2) / 4;
        rangeButton(box, m_range, QStringLiteral("RBReihe0%1").arg(k),
                    QStringLiteral("%1er-Reihe").arg(k), k,
                    QRect(14 + 72 * col, 92 + 26 * row, 72, 20));
    }
    rangeButton(box, m_range, QStringLiteral("RBQuadratzahlen"), QStringLiteral("Quadratzahlen"),
                kRangeSquares, QRect(14, 160, 130, 20));
    connect(m_range, &QButtonGroup::idClicked, this, [this] { applyState(settingsState()); });
    makeLabel(box, QStringLiteral("LabelGrund05"), QStringLiteral("bis"), 158, 163);
    m_squareLimit = spinner(box, QStringLiteral("QuadratObereGrenze"), QStringLiteral("EditGrund04"),
                            QStringLiteral("Größte Grundzahl der Quadratzahlen"), 10, 100, 10,
                            QRect(184, 158, 84, 24));

    addBackButton(page, QStringLiteral("BitBtnBack01"), m_ctx,
                  QStringLiteral("Zurück zur Auswahl der Aufgabenstellung"));
    QPushButton* start = addStartButton(page, QStringLiteral("BitBtnStart01"), 319, 200);
    connect(start, &QPushButton::clicked, this, &BasicPages::BitBtnStart01Click);

    applyState(rechenartClicked(settingsState()));
}

void BasicPages::buildTaskPage(QWidget* page)
{
    makeHeading(page, QStringLiteral("LabelGrundAufg01"), QStringLiteral("Grundrechenarten"), 0, 539);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelGrund02"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setGeometry(20, 100, 499, 100);

    m_taskText = new QLabel(page);
    m_taskText->setObjectName(QStringLiteral("lblGrundAufg"));
    // No accessible name: a screen reader reads the task itself ("92 + 25 =") and hears
    // each new one as the text changes.
    m_taskText->setFont(taskFont());
    m_taskText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_taskText->setGeometry(taskTextLeft(QString()), 136, 0, 28);

    m_answer = new QLineEdit(page);
    m_answer->setObjectName(QStringLiteral("edGrundAufgErg"));
    m_answer->setAccessibleName(QStringLiteral("Ergebnis"));
    m_answer->setFont(taskFont());
    m_answer->setGeometry(kAnswerFieldLeft, 136, 112, 28);
    m_taskText->setBuddy(m_answer); // the answer field is labelled by its task

    installAnswerKeyFilter(m_answer);
    m_lineAnswer = std::make_unique<LineAnswer>(m_answer);
    m_taskPage = new TaskPage(m_ctx, page, m_ctx.page(QStringLiteral("Grundrechenarten")), page,
                              basicButtonRow("btnGrundAufgAbbruch", "btnGrundAufgUeberspringen",
                                             "btnGrundAufgOK"));
}

GrundSettingsState BasicPages::settingsState() const
{
    GrundSettingsState s;
    s.operation = m_rechenart->checkedId();
    s.taskType = m_aufgabentyp->checkedId();
    s.mixedEnabled = m_rechenart->button(ItemGemischt)->isEnabled();
    s.equationsEnabled = m_aufgabentyp->button(ItemGleichungen)->isEnabled();
    s.range = rangeFromId(m_range->checkedId());
    s.tablesEnabled = m_range->button(2)->isEnabled();
    s.squaresEnabled = m_range->button(kRangeSquares)->isEnabled();
    return s;
}

GrundPageSettings BasicPages::pageSettings() const
{
    GrundPageSettings p;
    p.rechenartItem = m_rechenart->checkedId();
    p.lowerBound = m_lower->value();
    p.upperBound = m_upper->value();
    p.range = rangeFromId(m_range->checkedId());
    p.squareLimit = m_squareLimit->value();
    return p;
}

void BasicPages::applyState(const GrundSettingsState& s)
{
    m_rechenart->button(ItemGemischt)->setEnabled(s.mixedEnabled);
    m_aufgabentyp->button(ItemGleichungen)->setEnabled(s.equationsEnabled);
    m_rechenart->button(s.operation)->setChecked(true);
    m_aufgabentyp->button(s.taskType)->setChecked(true);
    for (int k = 2; k <= 9; ++k)
        m_range->button(k)->setEnabled(s.tablesEnabled);
    m_range->button(kRangeSquares)->setEnabled(s.squaresEnabled);
    m_squareLimit->setEnabled(s.squaresEnabled);
    m_range->button(rangeId(s.range))->setChecked(true);
    m_lower->setEnabled(s.boundsEnabled());
    m_upper->setEnabled(s.boundsEnabled());
}

void BasicPages::RadioGroupGrund01Click() { applyState(rechenartClicked(settingsState())); }

void BasicPages::RadioGroupGrund02Click() { applyState(aufgabentypClicked(settingsState())); }

void BasicPages::BitBtnStart01Click() { m_starts.start(m_aufgabentyp->checkedId(), m_count->value()); }

void BasicPages::showTask(const PlainTask& task)
{
    m_taskText->setText(task.text);
    m_taskText->setGeometry(taskTextLeft(task.text), m_taskText->y(),
                            kAnswerFieldLeft - taskTextLeft(task.text), m_taskText->height());
}

BasicPages* installBasicPages(TopicContext& ctx) { return new BasicPages(ctx); }

} // namespace quorvel
