#include "numsystaskpages.h"

#include "gradientfill.h"
#include "numsystasks.h"
#include "pagekit.h"
#include "taskpage.h"
#include "series.h"
#include "topiccontext.h"
#include "updownlong.h"
#include "zsyshilfe.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <algorithm>

namespace quorvel {

namespace {

// Right half "Übungsaufgaben" of 'Zahlensysteme' (x 280 .. 539, beside the separator).
constexpr int kHalfLeft = 288;
constexpr int kHalfRight = 535;

// Task page: the names over the row, the shown number and the answer field.
constexpr int kNameRowY = 96;
constexpr int kAnswerRowY = 118;
constexpr int kAnswerRowH = 28;
constexpr int kFieldLeft = numsys::kTaskLabelEnd + 6;
constexpr int kFieldWidth = 220;

const char* const kSystemItems[] = {"Römisches", "Duales", "Dreier", "Oktales", "Hexadezimales"};
const char* const kDirectionItems[] = {"Dezimalsystem", "links ausgewählte  Zahlensystem"};
const char* const kDifficultyItems[] = {"leicht", "mittel", "schwer"};

struct GroupDesign {
    const char* name;
    const char* caption;
    const char* const* items;
    int count;
    QRect box;
    int columns;
};

const GroupDesign kGroups[] = {
    {"RadioGroupZahlen01", "Zahlensystem", kSystemItems, 5, QRect(kHalfLeft, 60, 112, 150), 1},
    {"RadioGroupZahlen02", "Umrechnen in das", kDirectionItems, 2,
     QRect(kHalfLeft + 118, 60, kHalfRight - kHalfLeft - 118, 96), 1},
    {"RadioGroupZahlen03", "Schwierigkeitsgrad", kDifficultyItems, 3,
     QRect(kHalfLeft, 222, kHalfRight - kHalfLeft, 50), 3},
};

// The fixed-pitch face of the shown number and the answer.
QFont typewriterFont(int pixels) { return courierPixels(pixels); }

// A radio group: the items stacked (or side by side in columns); an item too long for
// its row is broken at its double blank.
QButtonGroup* radioGroup(QWidget* page, const GroupDesign& d)
{
    auto* box = new QGroupBox(QString::fromUtf8(d.caption), page);
    const QString name = QString::fromLatin1(d.name);
    box->setObjectName(name);
    box->setGeometry(d.box);
    auto* group = new QButtonGroup(box);
    group->setObjectName(name + QStringLiteral("Buttons"));
    const int rows = (d.count + d.columns - 1) / d.columns;
    const int columnWidth = (d.box.width() - 12) / d.columns;
    int y = 22;
    for (int i = 0; i < d.count; ++i) {
        const QString item = QString::fromUtf8(d.items[i]);
        auto* b = new QRadioButton(item, box);
        b->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        b->setAccessibleName(item);
        const int col = i / rows;
        const int row = i % rows;
        if (row == 0)
            y = 22;
        int height = 20;
        if (b->sizeHint().width() > columnWidth) {
            QString broken = item;
            broken.replace(QStringLiteral("  "), QStringLiteral("\n"));
            b->setText(broken);
            b->setToolTip(item);
            height = std::max(height, b->sizeHint().height());
        }
        b->setGeometry(8 + col * columnWidth, y, columnWidth, height);
        y += height + 4;
        group->addButton(b, i);
    }
    group->button(0)->setChecked(true);
    return group;
}

} // namespace

NumberSystemTaskPages::NumberSystemTaskPages(TopicContext& ctx, QObject* parent)
    : QObject(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("NumberSystemTaskPages"));
    QWidget* owner = ctx.helpOwner();
    m_help = new TFormZSysHilfe(owner);
    buildSettingsHalf();
    buildTaskPage();

    m_topic = std::make_unique<numsys::NumeralTaskTopic>(
        ctx.services.random, [this] { return readSettings(); },
        [this](const numsys::NumeralTask& t) { showTask(t); },
        [this](const QString& upper) { m_answer->setText(upper); });
    // The pad's digits stay out of this field, which takes letters as well; its three
    // command buttons act on the task.
    m_taskPage->addSeries(*m_topic, *m_lineAnswer, PadUse::Commands);
}

NumberSystemTaskPages::~NumberSystemTaskPages() = default;

void NumberSystemTaskPages::buildSettingsHalf()
{
    QWidget* page = m_ctx.page(QStringLiteral("Zahlensysteme"));
    QLabel* heading = makeLabel(page, QStringLiteral("LabelZahlen02"),
                                QStringLiteral("Übungsaufgaben"), kHalfLeft, 16);
    heading->setFont(headingFont());
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(kHalfLeft, 16, kHalfRight - kHalfLeft, 32);

    m_system = radioGroup(page, kGroups[0]);
    m_direction = radioGroup(page, kGroups[1]);
    m_difficulty = radioGroup(page, kGroups[2]);

    const QString countName = QStringLiteral("Aufgabenanzahl");
    makeLabel(page, QStringLiteral("LabelZahlen03"), countName, kHalfLeft, 288);
    m_count = addUpDownLong(page, QRect(kHalfLeft, 306, 100, 22), QStringLiteral("EditZahlen01"),
                            QStringLiteral("UpDownZahlen01"), kTaskCountSpinner, countName);

    QPushButton* start = addStartButton(page, QStringLiteral("BitBtnStart03"));
    connect(start, &QPushButton::clicked, this, &NumberSystemTaskPages::BitBtnStart03Click);
}

void NumberSystemTaskPages::buildTaskPage()
{
    QWidget* page = m_ctx.page(QStringLiteral("ZahlensystemeAufgaben"));
    addPageBackground(page);
    makeHeading(page, QStringLiteral("LabelZSysAufg01"), QStringLiteral("Zahlensysteme"), 0, 539);

    const QFont nameFont = pointFont(QStringLiteral("MS Sans Serif"), 10);
    // The labels show content (system names, the number): their text is what a screen
    // reader reads, so they carry no accessible name of their own.
    m_shownName = makeLabel(page, QStringLiteral("lblZSys01"), QString(), 24, kNameRowY);
    m_shownName->setFont(nameFont);
    m_answerName = makeLabel(page, QStringLiteral("lblZSys02"), QString(), kFieldLeft, kNameRowY);
    m_answerName->setFont(nameFont);

    m_number = new QLabel(page);
    m_number->setObjectName(QStringLiteral("lblZSys03"));
    m_number->setFont(typewriterFont(12));
    m_number->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_number->setGeometry(numsys::taskLabelLeft(QString()), kAnswerRowY, 0, kAnswerRowH);

    m_answer = new QLineEdit(page);
    m_answer->setObjectName(QStringLiteral("edZSysAufgErg"));
    m_answer->setFont(typewriterFont(14));
    m_answer->setGeometry(kFieldLeft, kAnswerRowY, kFieldWidth, kAnswerRowH);
    m_answer->setAccessibleName(QStringLiteral("Ergebnis"));
    m_lineAnswer = std::make_unique<LineAnswer>(m_answer);
    const SeriesButtonRow row{{"btnZSysAufgAbbruch", {20, 440, 150, 30}},
                              {"btnZSysAufgUeberspringen", {kFieldLeft, kAnswerRowY + 82, kFieldWidth, 30}},
                              {"btnZSysAufgOK", {kFieldLeft, kAnswerRowY + 44, kFieldWidth, 30}}};
    m_taskPage = new TaskPage(m_ctx, page, m_ctx.page(QStringLiteral("Zahlensysteme")), page, row);
    QPushButton* ok = m_taskPage->confirmButton();
    QPushButton* skip = m_taskPage->skipButton();
    QPushButton* abort = m_taskPage->abortButton();
    QPushButton* help = makeButton(page, QStringLiteral("btnZSysAufgHilfe"),
                                   QStringLiteral("&Umrechnungshilfe"), 369, 440, 150, 30);
    setHint(help, QStringLiteral("Umrechnungshilfe|Erklärungen zu den Zahlensystemen zeigen"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &NumberSystemTaskPages::btnZSysAufgHilfeClick);

    QWidget::setTabOrder(m_answer, ok);
    QWidget::setTabOrder(ok, skip);
    QWidget::setTabOrder(skip, abort);
    QWidget::setTabOrder(abort, help);
}

numsys::TaskSettings NumberSystemTaskPages::readSettings() const
{
    numsys::TaskSettings s;
    s.kind = std::max(0, m_system->checkedId()) + 1;
    s.difficulty = std::max(0, m_difficulty->checkedId());
    s.direction = std::max(0, m_direction->checkedId());
    return s;
}

void NumberSystemTaskPages::showTask(const numsys::NumeralTask& task)
{
    m_shownName->setText(task.shownName);
    m_shownName->adjustSize();
    m_answerName->setText(task.answerName);
    m_answerName->adjustSize();
    m_answer->setAccessibleName(task.answerName);
    m_answer->setToolTip(task.answerName + QStringLiteral(" eingeben"));

    const QString label = task.taskLabel();
    const int end = kFieldLeft - 4;
    // 7 pixels a character by design; should the installed face run wider, the label
    // grows to the left rather than running into the answer field.
    const int left = std::max(0, std::min(numsys::taskLabelLeft(task.shownText),
                                          end - m_number->fontMetrics().horizontalAdvance(label)));
    m_number->setText(label);
    m_number->setGeometry(left, kAnswerRowY, end - left, kAnswerRowH);
}

void NumberSystemTaskPages::BitBtnStart03Click()
{
    if (const std::optional<std::int32_t> count = taskCountForStart(m_count, m_ctx.services.messages))
        m_taskPage->begin(0, *count);
}

ExerciseSeries& NumberSystemTaskPages::series() const { return m_taskPage->series(0); }

void NumberSystemTaskPages::btnZSysAufgHilfeClick() { m_help->showHelp(); }

NumberSystemTaskPages* installNumberSystemTaskPages(TopicContext& ctx)
{
    return new NumberSystemTaskPages(ctx, ctx.page(QStringLiteral("Zahlensysteme")));
}

} // namespace quorvel
