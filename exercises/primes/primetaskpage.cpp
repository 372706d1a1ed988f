#include "primetaskpage.h"

#include "gradientfill.h"
#include "inputfilter.h"
#include "pagekit.h"
#include "taskpage.h"
#include "teilbarkeitshilfe.h"
#include "topiccontext.h"
#include "updownlong.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace quorvel {

namespace {

using namespace primes;

// One radio group of the settings: its captions, laid out in columns.
struct GroupLayout {
    const char* name;
    const char* caption;
    std::vector<const char*> items;
    int columns;
    QRect geometry;
};

// The settings half, inside the group box "Übungsaufgaben" (x 262 .. 519 of the page).
const GroupLayout kGroups[] = {
    {"RadioGroupPrimFak01", "Aufgabentyp",
     {"Teilbarkeit", "Primfaktorzerlegung", "ggT", "kgV"}, 1, QRect(10, 22, 237, 100)},
    {"RadioGroupPrimFak02", "Überprüfen auf Teilbarkeit durch:",
     {"2", "3", "4", "5", "6", "8", "9", "10"}, 4, QRect(10, 128, 237, 64)},
    {"RadioGroupPrimFak03", "ggT/kgV bestimmen von:", {"2 Zahlen", "3 Zahlen"}, 1,
     QRect(10, 198, 237, 62)},
    {"RadioGroupPrimFak04", "Schwierigkeitsgrad", {"leicht", "mittel", "schwer"}, 3,
     QRect(10, 266, 237, 46)},
};

constexpr int kRowHeight = 20;

QButtonGroup* makeRadioGroup(QWidget* parent, const GroupLayout& layout, QGroupBox** boxOut)
{
    const QString caption = QString::fromUtf8(layout.caption);
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(layout.name));
    box->setAccessibleName(caption);
    box->setGeometry(layout.geometry);
    auto* group = new QButtonGroup(box);
    const int columnWidth = (layout.geometry.width() - 16) / layout.columns;
    for (int i = 0; i < int(layout.items.size()); ++i) {
        const QString item = QString::fromUtf8(layout.items[std::size_t(i)]);
        auto* rb = new QRadioButton(item, box);
        rb->setObjectName(QString::fromLatin1(layout.name) + QStringLiteral("Item%1").arg(i));
        rb->setAccessibleName(item);
        rb->setGeometry(10 + columnWidth * (i % layout.columns), 18 + kRowHeight * (i / layout.columns),
                        columnWidth, kRowHeight);
        group->addButton(rb, i);
    }
    group->button(0)->setChecked(true);
    if (boxOut)
        *boxOut = box;
    return group;
}

// A label whose text is the content (a question, a task, the numbers): screen readers
// get the text itself, so no accessible name is set.
QLabel* contentLabel(QWidget* parent, const QString& name, int x, int y, int w, int h, int pixels)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(pixelFont(QStringLiteral("MS Sans Serif"), pixels, true));
    l->setGeometry(x, y, w, h);
    l->setStyleSheet(QStringLiteral("color: #000080;"));
    return l;
}

// The factor field keeps digits and blanks, typed, pasted or dropped. Room for far more
// than the 20 numbers an answer may hold, so that a longer list gets its notice.
constexpr int kFactorFieldLength = 200;

} // namespace

// The answer "Ja" or "Nein" of a divisibility task: the checked button's caption.
class PrimeTaskPages::Choice final : public AnswerArea {
public:
    Choice(QButtonGroup* group, QRadioButton* yes, QRadioButton* no)
        : m_group(group), m_yes(yes), m_no(no)
    {
    }
    QStringList texts() const override
    {
        const QAbstractButton* b = m_group->checkedButton();
        return {b ? b->text() : QString()};
    }
    void clear() override
    {
        // An exclusive group keeps one button checked; let go of it for a moment.
        m_group->setExclusive(false);
        m_yes->setChecked(false);
        m_no->setChecked(false);
        m_group->setExclusive(true);
    }
    void focus() override { m_yes->setFocus(); }

private:
    QButtonGroup* m_group;
    QRadioButton* m_yes;
    QRadioButton* m_no;
};

PrimeTaskPages::PrimeTaskPages(TopicContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("PrimeTaskPages"));
    m_help = new TFormTeilbarkeitHilfe(ctx.helpOwner());
    buildSettings();
    buildTaskPage();

    RandomSource& random = ctx.services.random;
    auto settings = [this] { return readSettings(); };
    QLabel* const* labels = m_taskLabels.data();
    m_topics[Teilbarkeit] = std::make_unique<DivisibilityTopic>(
        random, settings, [labels](const DivisibilityTask& t) { labels[Teilbarkeit]->setText(t.question()); });
    m_topics[Primfaktorzerlegung] = std::make_unique<FactorTopic>(
        random, settings,
        [labels](const FactorTask& t) { labels[Primfaktorzerlegung]->setText(t.text()); });
    for (const bool ggt : {true, false})
        m_topics[ggt ? GgT : KgV] = std::make_unique<GgTKgVTopic>(
            ggt, random, settings,
            [label = labels[ggt ? GgT : KgV]](const GgTKgVTask& t) { label->setText(t.numbersText()); });

    m_answerAreas[Teilbarkeit] = std::make_unique<Choice>(m_choice, m_yes, m_no);
    for (int type : {Primfaktorzerlegung, GgT, KgV})
        m_answerAreas[std::size_t(type)] = std::make_unique<LineAnswer>(m_answers[std::size_t(type)]);
    // The number pad stays off: this page takes no digits from it.
    for (int type = 0; type < kPrimeTaskTypes; ++type) {
        m_taskPage->addSeries(*m_topics[std::size_t(type)], *m_answerAreas[std::size_t(type)]);
        m_starts.add(type, *m_taskPage, type, [this, type] {
            m_type = type;
            m_helpButton->setVisible(type == Teilbarkeit);
            m_notebook->setCurrentIndex(type);
        });
    }
}

PrimeTaskPages::~PrimeTaskPages() = default;

void PrimeTaskPages::buildSettings()
{
    QWidget* page = m_ctx.page(QStringLiteral("Primfaktoren"));
    auto* box = new QGroupBox(QStringLiteral("Übungsaufgaben"), page);
    box->setObjectName(QStringLiteral("GroupBoxPrimFak02"));
    box->setGeometry(262, 60, 257, 362);

    m_typeGroup = makeRadioGroup(box, kGroups[0], nullptr);
    m_divisorGroup = makeRadioGroup(box, kGroups[1], &m_divisorBox);
    m_countGroup = makeRadioGroup(box, kGroups[2], &m_countBox);
    m_difficultyGroup = makeRadioGroup(box, kGroups[3], nullptr);
    connect(m_typeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            typeChanged();
    });

    const QString countCaption = QStringLiteral("Aufgabenanzahl");
    makeLabel(box, QStringLiteral("LabelPrimFak03"), countCaption, 12, 326);
    m_count = addUpDownLong(box, QRect(120, 322, 90, 22), QStringLiteral("EditPrimFak01"),
                            QStringLiteral("UpDownPrimFak01"), kTaskCountSpinner, countCaption);

    QPushButton* start = addStartButton(page, QStringLiteral("BitBtnStart04"));
    connect(start, &QPushButton::clicked, this, &PrimeTaskPages::startClicked);
    typeChanged();
}

void PrimeTaskPages::typeChanged()
{
    const int type = m_typeGroup->checkedId();
    m_divisorBox->setEnabled(type == Teilbarkeit);
    m_countBox->setEnabled(type == GgT || type == KgV);
}

void PrimeTaskPages::buildTaskPage()
{
    QWidget* page = m_ctx.page(QStringLiteral("PrimfaktorenAufgaben"));
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelPrimAufgaben"));
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(panel);
    addPageBackground(panel);

    m_notebook = new QStackedWidget(panel);
    m_notebook->setObjectName(QStringLiteral("NotebookPrim01"));
    m_notebook->setGeometry(0, 0, 539, 200);
    m_notebook->addWidget(buildDivisibilityPage());
    m_notebook->addWidget(buildFactorPage());
    m_notebook->addWidget(buildGgTKgVPage(true));
    m_notebook->addWidget(buildGgTKgVPage(false));

    const SeriesButtonRow row{{"BitBtnPrim01", {20, 440, 150, 30}},
                              {"BitBtnPrim02", {20, 248, 200, 30}},
                              {"BitBtnPrim03", {20, 210, 200, 30}}};
    m_taskPage = new TaskPage(m_ctx, page, m_ctx.page(QStringLiteral("Primfaktoren")), panel, row);
    m_helpButton = makeButton(panel, QStringLiteral("BitBtnPrim04"), QStringLiteral("&Hilfe"), 369,
                              440, 150, 30);
    setHint(m_helpButton, QStringLiteral("Hilfe|Die Regeln der Teilbarkeit zeigen"));
    connect(m_helpButton, &QPushButton::clicked, this, &PrimeTaskPages::helpClicked);
}

QWidget* PrimeTaskPages::buildDivisibilityPage()
{
    auto* p = new QWidget;
    p->setObjectName(QStringLiteral("Teilbarkeit"));
    m_taskLabels[Teilbarkeit] = contentLabel(p, QStringLiteral("lblTeilbar01"), 20, 40, 499, 30, 18);
    m_choice = new QButtonGroup(p);
    m_yes = new QRadioButton(QStringLiteral("Ja"), p);
    m_yes->setObjectName(QStringLiteral("RadioButtonTeilbar01"));
    m_no = new QRadioButton(QStringLiteral("Nein"), p);
    m_no->setObjectName(QStringLiteral("RadioButtonTeilbar02"));
    int y = 90;
    for (QRadioButton* rb : {m_yes, m_no}) {
        rb->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15, true));
        rb->setGeometry(40, y, 120, 26);
        m_choice->addButton(rb);
        y += 32;
    }
    return p;
}

QWidget* PrimeTaskPages::buildFactorPage()
{
    auto* p = new QWidget;
    p->setObjectName(QStringLiteral("Primfaktorzerlegung"));
    m_taskLabels[Primfaktorzerlegung] =
        contentLabel(p, QStringLiteral("lblPrimAufg01"), 20, 40, 499, 30, 18);
    auto* edit = new QLineEdit(p);
    edit->setObjectName(QStringLiteral("edPrimAufg01"));
    edit->setAccessibleName(QStringLiteral("Primfaktoren"));
    const QString hint = QStringLiteral("Primfaktoren durch Leerzeichen getrennt angeben");
    edit->setAccessibleDescription(hint);
    setHint(edit, hint);
    edit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15, true));
    edit->setGeometry(20, 100, 400, 26);
    restrictInput(edit, kDigitCharacters + QLatin1Char(' '), kFactorFieldLength);
    m_answers[Primfaktorzerlegung] = edit;
    return p;
}

QWidget* PrimeTaskPages::buildGgTKgVPage(bool ggt)
{
    const int type = ggt ? GgT : KgV;
    const QString key = ggt ? QStringLiteral("GGT") : QStringLiteral("KGV");
    const QString word = ggt ? QStringLiteral("ggT") : QStringLiteral("kgV");
    auto* p = new QWidget;
    p->setObjectName(word);
    QLabel* ask = makeLabel(p, QStringLiteral("lbl") + key + QStringLiteral("03"),
                            ggt ? QStringLiteral("Bestimmen Sie den ggT folgender Zahlen:")
                                : QStringLiteral("Bestimmen Sie das kgV folgender Zahlen:"),
                            20, 40);
    ask->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15, true));
    ask->adjustSize();
    m_taskLabels[std::size_t(type)] =
        contentLabel(p, QStringLiteral("lbl") + key + QStringLiteral("04"), 20, 70, 499, 30, 18);
    QLabel* name = makeLabel(p, QStringLiteral("lbl") + key + QStringLiteral("05"), word, 20, 124);
    name->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15, true));
    name->adjustSize();
    auto* edit = new QLineEdit(p);
    edit->setObjectName(ggt ? QStringLiteral("edGGTErgebnis") : QStringLiteral("edKGVErgebnis"));
    edit->setAccessibleName(word);
    edit->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15, true));
    edit->setGeometry(60, 120, 160, 26);
    m_answers[std::size_t(type)] = edit;
    return p;
}

primes::PrimeTaskSettings PrimeTaskPages::readSettings() const
{
    primes::PrimeTaskSettings s;
    s.type = std::max(0, m_typeGroup->checkedId());
    s.divisorIndex = std::max(0, m_divisorGroup->checkedId());
    s.numberCount = m_countGroup->checkedId() == 1 ? 3 : 2;
    s.difficulty = std::max(0, m_difficultyGroup->checkedId());
    return s;
}

void PrimeTaskPages::startClicked()
{
    const std::optional<std::int32_t> count = taskCountForStart(m_count, m_ctx.services.messages);
    if (!count)
        return; // the count field holds no number: said, nothing started
    m_starts.start(std::max(0, m_typeGroup->checkedId()), *count);
}

ExerciseSeries& PrimeTaskPages::series(int type) const { return m_taskPage->series(type); }

void PrimeTaskPages::helpClicked()
{
    if (m_type == Teilbarkeit)
        m_help->showModal();
}

PrimeTaskPages* installPrimeTaskPages(TopicContext& ctx)
{
    return new PrimeTaskPages(ctx, ctx.page(QStringLiteral("Primfaktoren")));
}

} // namespace quorvel
