#include "primetaskpage.h"

#include "gradientfill.h"
#include "inputfilter.h"
#include "pagekit.h"
#include "series.h"
#include "teilbarkeitshilfe.h"
#include "topiccontext.h"
#include "updownlong.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
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

// Return or Enter anywhere on the task page confirms, as the default button does in a
// dialog. Edits and radio buttons leave the key to their parent, so it arrives here.
class ConfirmOnEnter : public QObject {
public:
    ConfirmOnEnter(QObject* parent, std::function<void()> confirm)
        : QObject(parent), m_confirm(std::move(confirm))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_confirm();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_confirm;
};

// The factor field keeps digits and blanks, typed, pasted or dropped. Room for far more
// than the 20 numbers an answer may hold, so that a longer list gets its notice.
constexpr int kFactorFieldLength = 200;

} // namespace

PrimeTaskPages::PrimeTaskPages(TopicContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("PrimeTaskPages"));
    m_help = new TFormTeilbarkeitHilfe(ctx.mainWindow ? ctx.mainWindow
                                                      : ctx.exercisePages->window());
    buildSettings();
    buildTaskPage();

    RandomSource& random = ctx.services.random;
    auto settings = [this] { return readSettings(); };
    auto shower = [this](int type) {
        return [this, type](const QString& text) { m_taskLabels[std::size_t(type)]->setText(text); };
    };
    m_topics[Teilbarkeit] = std::make_unique<DivisibilityTopic>(random, settings, shower(Teilbarkeit));
    m_topics[Primfaktorzerlegung] =
        std::make_unique<FactorTopic>(random, settings, shower(Primfaktorzerlegung));
    m_topics[GgT] = std::make_unique<GgTKgVTopic>(true, random, settings, shower(GgT));
    m_topics[KgV] = std::make_unique<GgTKgVTopic>(false, random, settings, shower(KgV));

    for (int type = 0; type < kPrimeTaskTypes; ++type) {
        SeriesView view = ctx.seriesView(nullptr);
        view.clearAnswer = [this, type] { clearAnswer(type); };
        view.focusAnswer = [this, type] { focusAnswer(type); };
        // The number pad stays off: this page takes no digits from it.
        m_series[std::size_t(type)] = std::make_unique<ExerciseSeries>(
            ctx.services, *m_topics[std::size_t(type)], std::move(view), PagePrimfaktorenAufgaben,
            PagePrimfaktoren, false);
    }
}

PrimeTaskPages::~PrimeTaskPages() = default;

void PrimeTaskPages::buildSettings()
{
    QWidget* page = m_ctx.page(PagePrimfaktoren);
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
    QWidget* page = m_ctx.page(PagePrimfaktorenAufgaben);
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("PanelPrimAufgaben"));
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(panel);
    addPageBackground(panel);
    panel->installEventFilter(new ConfirmOnEnter(panel, [this] { confirmClicked(); }));

    m_notebook = new QStackedWidget(panel);
    m_notebook->setObjectName(QStringLiteral("NotebookPrim01"));
    m_notebook->setGeometry(0, 0, 539, 200);
    m_notebook->addWidget(buildDivisibilityPage());
    m_notebook->addWidget(buildFactorPage());
    m_notebook->addWidget(buildGgTKgVPage(true));
    m_notebook->addWidget(buildGgTKgVPage(false));

    QPushButton* ok = makeButton(panel, QStringLiteral("BitBtnPrim03"),
                                 QStringLiteral("&Ergebnis bestätigen"), 20, 210, 200, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PrimeTaskPages::confirmClicked);
    QPushButton* skip = makeButton(panel, QStringLiteral("BitBtnPrim02"),
                                   QStringLiteral("&Überspringen"), 20, 248, 200, 30);
    connect(skip, &QPushButton::clicked, this, &PrimeTaskPages::skipClicked);
    QPushButton* abort = makeButton(panel, QStringLiteral("BitBtnPrim01"),
                                    QStringLiteral("&Abbrechen"), 20, 440, 150, 30);
    connect(abort, &QPushButton::clicked, this, &PrimeTaskPages::abortClicked);
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
    m_type = std::max(0, m_typeGroup->checkedId());
    m_helpButton->setVisible(m_type == Teilbarkeit);
    m_notebook->setCurrentIndex(m_type);
    m_series[std::size_t(m_type)]->begin(*count);
}

void PrimeTaskPages::abortClicked() { m_series[std::size_t(m_type)]->abort(); }

void PrimeTaskPages::skipClicked() { m_series[std::size_t(m_type)]->skip(); }

void PrimeTaskPages::confirmClicked() { m_series[std::size_t(m_type)]->confirm(answerText()); }

void PrimeTaskPages::helpClicked()
{
    if (m_type == Teilbarkeit)
        m_help->showModal();
}

QString PrimeTaskPages::answerText() const
{
    if (m_type == Teilbarkeit) {
        if (m_yes->isChecked())
            return m_yes->text();
        if (m_no->isChecked())
            return m_no->text();
        return {};
    }
    return m_answers[std::size_t(m_type)]->text();
}

void PrimeTaskPages::clearAnswer(int type)
{
    if (type == Teilbarkeit) {
        // An exclusive group keeps one button checked; let go of it for a moment.
        m_choice->setExclusive(false);
        m_yes->setChecked(false);
        m_no->setChecked(false);
        m_choice->setExclusive(true);
    } else {
        m_answers[std::size_t(type)]->clear();
    }
}

void PrimeTaskPages::focusAnswer(int type)
{
    if (type == Teilbarkeit)
        m_yes->setFocus();
    else
        m_answers[std::size_t(type)]->setFocus();
}

PrimeTaskPages* installPrimeTaskPages(TopicContext& ctx)
{
    return new PrimeTaskPages(ctx, ctx.page(PagePrimfaktoren));
}

} // namespace quorvel
