#include "fractionspages.h"

#include "answerfields.h"
#include "arithmetic.h"
#include "expandpage.h"
#include "expandreduce.h"
#include "fractionhelpwindows.h"
#include "ordercompare.h"
#include "orderpages.h"
#include "partpages.h"
#include "partsdecimal.h"
#include "grundhilfe.h"
#include "grundpage.h"
#include "gradientfill.h"
#include "pagekit.h"
#include "taskpage.h"
#include "topiccontext.h"
#include "updownlong.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace quorvel {

namespace fractions {

namespace {

const char* const kArithmeticItems[] = {"addieren", "subtrahieren", "multiplizieren",
                                        "dividieren", "gemischt"};
const char* const kOtherItems[] = {"erweitern",
                                   "kürzen",
                                   "ordnen",
                                   "vergleichen",
                                   "Bruchteile bestimmen",
                                   "Kommazahl -> Bruchzahl",
                                   "Bruchzahl -> Kommazahl"};
const char* const kDifficultyItems[] = {"leicht", "mittel", "schwer"};

// NotebookBruch01 page of each item of RadioGroupBruch02.
constexpr int kOtherItemPage[OtherKindCount] = {PageErweitern, PageErweitern, PageOrdnen,
                                                 PageVergleich, PageBruchteile, PageKommaBruch,
                                                 PageKommaBruch};

const char* const kNotebookPages[FractionPageCount] = {
    "BruchrechnungGrund",      "BruchrechnungErweitern",  "BruchrechnungOrdnen",
    "BruchrechnungVergleich",  "BruchrechnungBruchteile", "BruchrechnungKommaBruch"};

QButtonGroup* radioGroup(QWidget* page, QGroupBox*& box, const QString& name,
                         const QString& caption, const char* const* items, int count,
                         const QRect& geometry, int columns, int checked)
{
    box = new QGroupBox(caption, page);
    box->setObjectName(name);
    box->setGeometry(geometry);
    if (!caption.isEmpty())
        box->setAccessibleName(caption);
    auto* group = new QButtonGroup(box);
    group->setObjectName(name + QStringLiteral("Buttons"));
    const int rows = (count + columns - 1) / columns;
    const int colWidth = (geometry.width() - 24) / columns;
    for (int i = 0; i < count; ++i) {
        const QString text = QString::fromUtf8(items[i]);
        auto* b = new QRadioButton(text, box);
        b->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        b->setAccessibleName(text);
        b->setGeometry(14 + colWidth * (i / rows), 22 + 24 * (i % rows), colWidth - 4, 20);
        group->addButton(b, i);
    }
    if (checked >= 0)
        group->button(checked)->setChecked(true);
    return group;
}

void clearChoice(QButtonGroup* group)
{
    if (QAbstractButton* b = group->checkedButton()) {
        group->setExclusive(false);
        b->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace

// A kind's answer fields as the frame reads, empties and focuses them.
class FractionsPages::KindAnswer final : public AnswerArea {
public:
    KindAnswer(AnswerFieldSet& fields, const FractionKindTopic& topic) : m_fields(fields), m_topic(topic) {}
    QStringList texts() const override { return m_fields.texts(); }
    void clear() override { m_fields.clear(); }
    void focus() override { m_fields.focus(m_topic.focusField()); }

private:
    AnswerFieldSet& m_fields;
    const FractionKindTopic& m_topic;
};

int fractionPageFor(int otherItem)
{
    if (otherItem < 0)
        return PageGrund;
    return otherItem < OtherKindCount ? kOtherItemPage[otherItem] : -1;
}

FractionsPages::FractionsPages(TopicContext& ctx)
    : QObject(ctx.page(QStringLiteral("Bruchrechnung"))), m_ctx(ctx)
{
    setObjectName(QStringLiteral("FractionsPages"));
    buildSettingsPage();
    buildTaskPage();

    registerKinds();

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        for (int g = 0; g < 2; ++g) {
            QGroupBox* box = m_groupBoxes[g];
            const bool inNow = now && box->isAncestorOf(now);
            const bool inOld = old && box->isAncestorOf(old);
            if (inNow && !inOld)
                groupEntered(g);
        }
    });
}

FractionsPages::~FractionsPages() = default;

void FractionsPages::registerKinds()
{
    RandomSource& random = m_ctx.services.random;
    auto read = [this] { return settings(); };
    MessageSink& messages = m_ctx.services.messages;
    QWidget* owner = m_ctx.helpOwner();
    // The help windows are built hidden and kept for the whole run.
    m_grundHelp = new TFormBruchGrundHilfe(owner);
    auto* expandHelp = new TFormBruchErwHilfe(owner);
    auto* decimalHelp = new TFormBruchKBHilfe(owner);
    auto window = [](auto* help) { return [help] { help->showModal(); }; };
    auto ruleText = [&messages](QString (*text)()) {
        return [&messages, text] { messages.showMessage(text()); };
    };

    auto* grund = new GrundPage(kindPage(PageGrund));
    auto* expand = new ExpandPage(kindPage(PageErweitern));
    auto* order = new OrderPage(kindPage(PageOrdnen));
    auto* compare = new ComparePage(kindPage(PageVergleich));
    // These edits take any key; Enter still confirms, through the task page.
    auto* part = new PartPage(kindPage(PageBruchteile));
    auto* decimal = new DecimalPage(kindPage(PageKommaBruch));

    // Each kind with the items it serves (-1: the arithmetic group), its fields and its help.
    // Erweitern and kürzen share one kind, as do the two decimal conversions: it reads the
    // item from the settings at the start of a series.
    const std::pair<std::vector<int>, FractionKindBinding> kinds[] = {
        {{-1},
         {std::make_shared<FractionArithmeticTopic>(
              random, read, [grund](const ArithmeticTask& t) { grund->showTask(t); }),
          grund->fields(), window(m_grundHelp)}},
        {{ItemErweitern, ItemKuerzen},
         {std::make_shared<ExpandReduceTopic>(
              random, read, [expand](const ExpandReduceTask& t) { expand->showTask(t); }),
          expand->fields(), window(expandHelp)}},
        {{ItemOrdnen},
         {std::make_shared<OrderingTopic>(random, read,
                                          [order](const OrderingTask& t) { order->showTask(t); }),
          order->fields(), ruleText(orderingRuleText)}},
        {{ItemVergleichen},
         {std::make_shared<ComparingTopic>(
              random, read, [compare](const ComparingTask& t) { compare->showTask(t); }),
          compare->fields(), ruleText(comparingRuleText)}},
        {{ItemBruchteile},
         {std::make_shared<FractionPartTopic>(
              random, read, [part](const FractionPartTask& t) { part->showTask(t); }),
          part->fields(), ruleText(fractionPartRuleText)}},
        {{ItemKommaBruch, ItemBruchKomma},
         {std::make_shared<DecimalTopic>(
              random, read, [decimal](DecimalDirection d) { decimal->arrange(d); },
              [decimal](const DecimalTask& t) { decimal->showTask(t); }),
          decimal->fields(), window(decimalHelp)}},
    };
    for (const auto& [items, binding] : kinds)
        for (int item : items)
            registerKind(item, binding);
}

void FractionsPages::buildSettingsPage()
{
    QWidget* page = m_ctx.page(QStringLiteral("Bruchrechnung"));
    addPageBackground(page);
    makeHeading(page, QStringLiteral("LabelBruch01"), QStringLiteral("Bruchrechnung"), 0, 539);

    m_groups[0] = radioGroup(page, m_groupBoxes[0], QStringLiteral("RadioGroupBruch01"),
                             QStringLiteral("Rechnen mit Brüchen"), kArithmeticItems, 5,
                             QRect(20, 64, 220, 196), 1, 0);
    m_groups[1] = radioGroup(page, m_groupBoxes[1], QStringLiteral("RadioGroupBruch02"), QString(),
                             kOtherItems, OtherKindCount, QRect(260, 64, 259, 196), 1, -1);
    m_groupBoxes[1]->setAccessibleName(QStringLiteral("Weitere Aufgaben mit Brüchen"));
    m_groups[2] = radioGroup(page, m_groupBoxes[2], QStringLiteral("RadioGroupBruch03"),
                             QStringLiteral("Schwierigkeitsgrad"), kDifficultyItems, 3,
                             QRect(20, 276, 499, 52), 3, 0);
    for (int g = 0; g < 2; ++g)
        connect(m_groups[g], &QButtonGroup::idClicked, this, [this, g] { groupClicked(g); });

    makeLabel(page, QStringLiteral("LabelBruch02"), QStringLiteral("Aufgabenanzahl"), 20, 344);
    m_count = addUpDownLong(page, QRect(20, 362, 100, 22), QStringLiteral("EditBruch01"),
                            QStringLiteral("UpDownBruch01"), kTaskCountSpinner,
                            QStringLiteral("Aufgabenanzahl"));

    addBackButton(page, QStringLiteral("BitBtnBack05"), m_ctx);
    QPushButton* start = addStartButton(page, QStringLiteral("BitBtnStart05"));
    connect(start, &QPushButton::clicked, this, &FractionsPages::BitBtnStart05Click);
}

void FractionsPages::buildTaskPage()
{
    QWidget* page = m_ctx.page(QStringLiteral("BruchrechnungAufgaben"));
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelBruch01"));
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(panel);
    addPageBackground(panel);

    m_notebook = new QStackedWidget(panel);
    m_notebook->setObjectName(QStringLiteral("NotebookBruch01"));
    m_notebook->setGeometry(0, 0, 539, 420);
    for (const char* name : kNotebookPages) {
        auto* p = new QWidget;
        p->setObjectName(QString::fromLatin1(name));
        m_notebook->addWidget(p);
    }

    SeriesButtonRow row{{"BitBtnBruch01", {12, 440, 112, 30}},
                        {"BitBtnBruch02", {134, 440, 120, 30}},
                        {"BitBtnBruch03", {264, 440, 150, 30}}};
    row.confirmIsDefault = false;
    m_taskPage = new TaskPage(m_ctx, page, m_ctx.page(QStringLiteral("Bruchrechnung")), panel, row);
    QPushButton* help = makeButton(panel, QStringLiteral("BitBtnBruch04"), QStringLiteral("&Hilfe"),
                                   424, 440, 103, 30);
    help->setAutoDefault(false);
    help->setIcon(panel->style()->standardIcon(QStyle::SP_DialogHelpButton));
    connect(help, &QPushButton::clicked, this, &FractionsPages::BitBtnBruch04Click);
}

QWidget* FractionsPages::kindPage(int page) const { return m_notebook->widget(page); }

FractionSettings FractionsPages::settings() const
{
    FractionSettings s;
    s.arithmeticItem = m_groups[0]->checkedId();
    s.otherItem = m_groups[1]->checkedId();
    s.difficulty = std::max(0, m_groups[2]->checkedId());
    return s;
}

void FractionsPages::registerKind(int otherItem, FractionKindBinding binding)
{
    const int slot = otherItem < 0 ? 0 : 1 + otherItem;
    if (slot >= int(m_slots.size()) || !binding.topic || !binding.fields)
        return;
    FractionKindTopic* topic = binding.topic.get();
    AnswerFieldSet* fields = binding.fields;
    topic->setMarkPainter([fields](const FieldMarks& m) { fields->paint(m); });

    Slot& s = m_slots[std::size_t(slot)];
    s.binding = std::move(binding);
    s.answer = std::make_unique<KindAnswer>(*fields, *topic);
    // The number pad stays off for fractions.
    s.series = m_taskPage->addSeries(*topic, *s.answer);
    const int page = fractionPageFor(otherItem);
    m_starts.add(slot, *m_taskPage, s.series, [this, page] { m_notebook->setCurrentIndex(page); });
}

int FractionsPages::currentSlot() const
{
    if (m_groups[0]->checkedId() >= 0)
        return 0;
    const int other = m_groups[1]->checkedId();
    return other >= 0 ? 1 + other : -1;
}

ExerciseSeries* FractionsPages::currentSeries() const
{
    const int slot = currentSlot();
    return slot < 0 ? nullptr : &m_taskPage->series(m_slots[std::size_t(slot)].series);
}

void FractionsPages::groupEntered(int group)
{
    m_ctx.services.sound.musik("MUSIN01");
    clearChoice(m_groups[1 - group]);
}

void FractionsPages::groupClicked(int group)
{
    // A click may come without the focus entering the group first (a click from a
    // screen reader): the other group is cleared here too.
    clearChoice(m_groups[1 - group]);
    m_ctx.services.sound.musik("MUSIN01");
}

void FractionsPages::BitBtnStart05Click()
{
    const int slot = currentSlot();
    if (slot < 0) {
        // Nothing chosen (the focus entered the second group and cleared the first): the
        // topic counts as started, nothing else happens.
        m_ctx.services.stats.markStatsChanged(TopicFractions);
        return;
    }
    // A count field that holds no number is said; nothing starts.
    if (const std::optional<std::int32_t> count = taskCountForStart(m_count, m_ctx.services.messages))
        m_starts.start(slot, *count); // marks the topic changed, shows the task page
}

void FractionsPages::BitBtnBruch04Click()
{
    const int slot = currentSlot();
    if (slot >= 0 && m_slots[std::size_t(slot)].binding.help)
        m_slots[std::size_t(slot)].binding.help();
}

} // namespace fractions

fractions::FractionsPages* installFractionsPages(TopicContext& ctx)
{
    return new fractions::FractionsPages(ctx);
}

} // namespace quorvel
