#include "unitspages.h"

#include "gradientfill.h"
#include "pagekit.h"
#include "taskpage.h"
#include "topiccontext.h"
#include "umrechnungshilfe.h"
#include "unittasks.h"
#include "updownlong.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QPainter>
#include <QPixmap>

namespace quorvel {

namespace {

// Settings page: the family rows inside the group box.
constexpr int kRowTop = 50;
constexpr int kRowStep = 28;
constexpr int kRadioX = 24;
constexpr int kComboX = 280;

// Task page: the row with the quantity, the answer field and the target unit.
constexpr int kAnswerRowY = 120;
constexpr int kAnswerHeight = 24;

const char* const kDifficulties[] = {"leicht", "mittel", "schwer"};

// The help button's glyph: a white question mark on a blue disc.
QIcon helpGlyph()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 160));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pm);
}

QLabel* boldLabel(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    QLabel* l = makeLabel(parent, name, text, x, y);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAccessibleName(text);
    l->adjustSize();
    return l;
}

} // namespace

UnitsPages::UnitsPages(TopicContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("UnitsPages"));
    QWidget* owner = ctx.helpOwner();
    m_help = new TUmrechnungshilfe(owner);
    buildSettingsPage();
    buildTaskPage();

    m_topic = std::make_unique<units::UnitConversionTopic>(
        ctx.services.random, [this] { return readSettings(); },
        [this](const units::UnitTask& t) { showTask(t); });
    m_taskPage->addSeries(*m_topic, *m_lineAnswer, PadUse::Digits, m_answer);
}

UnitsPages::~UnitsPages() = default;

void UnitsPages::buildSettingsPage()
{
    QWidget* page = m_ctx.page(QStringLiteral("Einheiten"));
    addPageBackground(page);

    QLabel* title = makeLabel(page, QStringLiteral("LabelEinheiten01"),
                              QStringLiteral("Aufgabenstellung:     Einheiten"), 20, 14);
    title->setFont(pixelFont(QStringLiteral("Comic Sans MS"), 20, true));
    title->setAccessibleName(title->text());
    title->adjustSize();

    auto* group = new QGroupBox(page);
    group->setObjectName(QStringLiteral("GroupBoxEinheiten01"));
    group->setGeometry(20, 60, 499, 256);
    boldLabel(group, QStringLiteral("LabelEinheiten02"),
              QStringLiteral("Umzurechnende Maße oder Gewichte:"), 16, 22);
    boldLabel(group, QStringLiteral("LabelEinheiten03"), QStringLiteral("Umrechnen in:"),
              kComboX, 22);

    m_families = new QButtonGroup(this);
    for (int c = 1; c <= units::Gemischt; ++c) {
        const QString caption = c == units::Gemischt ? QStringLiteral("Gemischt")
                                                     : QString::fromUtf8(units::family(c).caption);
        auto* rb = new QRadioButton(caption, group);
        rb->setObjectName(QStringLiteral("RadioButtonEinheiten%1").arg(c, 2, 10, QLatin1Char('0')));
        rb->setAccessibleName(caption);
        rb->setGeometry(kRadioX, kRowTop + kRowStep * (c - 1), 200, 20);
        m_families->addButton(rb, c);

        auto* box = new QComboBox(group);
        box->setObjectName(QStringLiteral("ComboBoxEinheiten%1").arg(c, 2, 10, QLatin1Char('0')));
        box->setEditable(false);
        box->setGeometry(kComboX, kRowTop - 2 + kRowStep * (c - 1), 100, 22);
        if (c == units::Gemischt) {
            box->addItems({QStringLiteral("wie oben"), QStringLiteral("zufällig")});
            box->setAccessibleName(QStringLiteral("Umrechnen in (Gemischt)"));
            m_mixedTarget = box;
        } else {
            box->addItems(units::unitNames(c));
            box->setAccessibleName(QStringLiteral("Umrechnen in (%1)").arg(caption));
            m_targets[c - 1] = box;
        }
        box->setCurrentIndex(0);
    }
    m_families->button(units::Gewichte)->setChecked(true);

    auto* difficulty = new QGroupBox(QStringLiteral(" Schwierigkeitsgrad "), page);
    difficulty->setObjectName(QStringLiteral("RadioGroupEinheiten01"));
    difficulty->setAccessibleName(QStringLiteral("Schwierigkeitsgrad"));
    difficulty->setGeometry(20, 326, 230, 98);
    m_difficulty = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        const QString caption = QString::fromLatin1(kDifficulties[i]);
        auto* rb = new QRadioButton(caption, difficulty);
        rb->setObjectName(QStringLiteral("RadioGroupEinheiten01_%1").arg(i));
        rb->setAccessibleName(caption);
        rb->setGeometry(16, 24 + 22 * i, 180, 20);
        m_difficulty->addButton(rb, i);
    }
    m_difficulty->button(0)->setChecked(true);

    makeLabel(page, QStringLiteral("Label2"), QStringLiteral("Anzahl der zu rechnenden Aufgaben"),
              270, 334)
        ->setAccessibleName(QStringLiteral("Anzahl der zu rechnenden Aufgaben"));
    m_count = addUpDownLong(page, QRect(270, 354, 90, 22), QStringLiteral("EditEinheiten01"),
                            QStringLiteral("UpDownEinheiten01"), kTaskCountSpinner,
                            QStringLiteral("Anzahl der zu rechnenden Aufgaben"));

    QPushButton* help = makeButton(page, QStringLiteral("BitBtnEinheiten01"),
                                   QStringLiteral("&Umrechnungshilfe"), 270, 392, 160, 30);
    help->setIcon(helpGlyph());
    setHint(help, QStringLiteral("Umrechnungshilfe|Tabellen zum Umrechnen der Einheiten zeigen"));
    connect(help, &QPushButton::clicked, this, &UnitsPages::helpClicked);

    addBackButton(page, QStringLiteral("BitBtnBack02"), m_ctx);

    QPushButton* start = addStartButton(page, QStringLiteral("BitBtnStart02"));
    connect(start, &QPushButton::clicked, this, &UnitsPages::startClicked);
}

void UnitsPages::buildTaskPage()
{
    QWidget* page = m_ctx.page(QStringLiteral("EinheitenAufgaben"));
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelEinheitenAufgaben"));
    auto* fill = new QVBoxLayout(page); // the panel covers the whole page
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(panel);
    addPageBackground(panel);

    m_instruction = makeLabel(panel, QStringLiteral("lblEinheiten01"), QString(), 20, 24);
    m_instruction->setGeometry(20, 24, 499, 30);
    m_instruction->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 18, true));
    m_instruction->setStyleSheet(QStringLiteral("color: #000080;"));

    const QFont rowFont = pixelFont(QStringLiteral("MS Sans Serif"), 13, true);
    m_quantity = new QLabel(panel);
    m_quantity->setObjectName(QStringLiteral("lblEinheiten02"));
    m_quantity->setFont(rowFont);
    m_quantity->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_quantity->setGeometry(units::kQuantityLabelRight - 80, kAnswerRowY, 80, kAnswerHeight);

    m_answer = new QLineEdit(panel);
    m_answer->setObjectName(QStringLiteral("edEinheitenAufgErg"));
    m_answer->setAccessibleName(QStringLiteral("Ergebnis"));
    m_answer->setFont(rowFont);
    m_answer->setGeometry(units::kAnswerFieldLeft, kAnswerRowY, units::kAnswerFieldWidth,
                          kAnswerHeight);

    m_targetUnit = new QLabel(panel);
    m_targetUnit->setObjectName(QStringLiteral("lblEinheiten03"));
    m_targetUnit->setFont(rowFont);
    m_targetUnit->setGeometry(units::kAnswerFieldLeft + units::kAnswerFieldWidth + 8, kAnswerRowY,
                              80, kAnswerHeight);
    m_targetUnit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_lineAnswer = std::make_unique<LineAnswer>(m_answer);
    const SeriesButtonRow row{
        {"btnEinheitenAufgAbbruch", {20, 440, 150, 30}},
        {"btnEinheitenAufgUeberspringen",
         {units::kAnswerFieldLeft, kAnswerRowY + 82, units::kAnswerFieldWidth, 30}},
        {"btnEinheitenAufgOK",
         {units::kAnswerFieldLeft, kAnswerRowY + 44, units::kAnswerFieldWidth, 30}}};
    m_taskPage = new TaskPage(m_ctx, page, m_ctx.page(QStringLiteral("Einheiten")), panel, row);
    QPushButton* help = makeButton(panel, QStringLiteral("btnEinheitenAufgHilfe"),
                                   QStringLiteral("&Umrechnungshilfe"), 369, 440, 150, 30);
    help->setIcon(helpGlyph());
    connect(help, &QPushButton::clicked, this, &UnitsPages::helpClicked);
}

units::UnitSettings UnitsPages::readSettings() const
{
    units::UnitSettings s;
    s.choice = m_families->checkedId() > 0 ? m_families->checkedId() : units::Gewichte;
    for (int c = 0; c < units::kFamilyCount; ++c)
        s.targetIndex[std::size_t(c)] = std::max(0, m_targets[c]->currentIndex());
    s.randomTarget = m_mixedTarget->currentIndex() == 1;
    s.difficulty = std::max(0, m_difficulty->checkedId());
    return s;
}

void UnitsPages::showTask(const units::UnitTask& task)
{
    m_instruction->setText(task.instruction());
    m_instruction->setAccessibleName(task.instruction());

    const QString label = task.quantityLabel();
    // 8 pixels a character leaves room in the designed font; should a substituted font
    // run wider, the label grows to the left rather than cutting the text.
    const int left = std::min(units::quantityLabelLeft(label),
                              units::kQuantityLabelRight
                                  - m_quantity->fontMetrics().horizontalAdvance(label));
    m_quantity->setText(label);
    m_quantity->setAccessibleName(label);
    m_quantity->setGeometry(left, kAnswerRowY, units::kQuantityLabelRight - left, kAnswerHeight);

    m_targetUnit->setText(task.target());
    m_targetUnit->setAccessibleName(task.target());
}

void UnitsPages::startClicked()
{
    if (const std::optional<std::int32_t> count = taskCountForStart(m_count, m_ctx.services.messages))
        m_taskPage->begin(0, *count);
}

ExerciseSeries& UnitsPages::series() const { return m_taskPage->series(0); }

void UnitsPages::helpClicked() { m_help->showHelp(); }

UnitsPages* installUnitsPages(TopicContext& ctx)
{
    return new UnitsPages(ctx, ctx.page(QStringLiteral("Einheiten")));
}

} // namespace quorvel
