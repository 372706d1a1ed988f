#include "primespages.h"

#include "conversionerror.h"
#include "gradientfill.h"
#include "inputfilter.h"
#include "linelistview.h"
#include "pagekit.h"
#include "primecore.h"
#include "primelistmodel.h"
#include "primetaskpage.h"
#include "topiccontext.h"
#include "updownlong.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace quorvel {

namespace {

const QString kTooFewInputs = QStringLiteral("Zu wenige Eingaben !");
const QString kNoNumber = QStringLiteral("Es wurde noch keine Zahl eingegeben");

// "1 Primzahl, 1 Zeile", "25 Primzahlen, 3 Zeilen".
QString primeCountText(qint64 primes, qint64 lines)
{
    return QStringLiteral("%1 %2, %3 %4")
        .arg(primes)
        .arg(primes == 1 ? QStringLiteral("Primzahl") : QStringLiteral("Primzahlen"))
        .arg(lines)
        .arg(lines == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen"));
}

QString kgvTooLarge()
{
    return QStringLiteral("Das kgV dieser Zahlen ist größer als %1\rund kann nicht berechnet werden !")
        .arg(primes::kLargestResult);
}

// The fields take digits only, at most ten of them, whether typed (with any modifier
// held), pasted or dropped: the shared character filter sees every change of the text.
void digitsOnly(QLineEdit* edit)
{
    restrictInput(edit, kDigitCharacters, kMaxInt32Digits);
}

// In a range field Backspace is dropped when it would empty the field.
class KeepOneCharacter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* edit = qobject_cast<QLineEdit*>(watched);
        return key->key() == Qt::Key_Backspace && edit && edit->text().size() == 1;
    }
};

// An edit announced by the words of its label.
QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& spoken, int x, int y,
                    int w)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAccessibleName(spoken);
    e->setGeometry(x, y, w, 21);
    return e;
}

QPushButton* boldButton(QWidget* parent, const QString& name, const QString& caption, int x,
                        int y, int w, int h)
{
    QPushButton* b = makeButton(parent, name, caption, x, y, w, h);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

// A radio group of two items ("2 Zahlen", "3 Zahlen"), item 0 checked.
struct RadioGroup {
    QGroupBox* box;
    QButtonGroup* buttons;
};

RadioGroup makeRadioGroup(QWidget* parent, const QString& name, const QString& caption, int x,
                          int y)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption.trimmed());
    box->setGeometry(x, y, 150, 70);
    auto* group = new QButtonGroup(box);
    const QString items[2] = {QStringLiteral("2 Zahlen"), QStringLiteral("3 Zahlen")};
    for (int i = 0; i < 2; ++i) {
        auto* rb = new QRadioButton(items[i], box);
        rb->setObjectName(name + QStringLiteral("Item%1").arg(i));
        rb->setAccessibleName(items[i]);
        rb->setGeometry(12, 20 + 22 * i, 120, 20);
        group->addButton(rb, i);
    }
    group->button(0)->setChecked(true);
    return {box, group};
}

class PrimesPages : public QObject {
public:
    PrimesPages(TopicContext& ctx) : QObject(ctx.exercisePages), m_ctx(ctx)
    {
        buildStartPage();
        buildCalculatorPage();
        connect(ctx.exercisePages, &QStackedWidget::currentChanged, this, [this] {
            if (m_ctx.exercisePages->currentWidget() != m_calculatorPage)
                m_model->cancel(); // leaving the page stops the count
        });
    }

private:
    Services& services() { return m_ctx.services; }

    void buildStartPage();
    void buildCalculatorPage();
    void buildPrimeTab(QWidget* tab);
    void buildFactorTab(QWidget* tab);
    void buildGgTKgVTab(QWidget* tab, bool ggt);

    void openTab(int tab)
    {
        m_ctx.showPage(m_ctx.page(QStringLiteral("PrimfaktorenBerechnung")));
        m_tabs->setCurrentIndex(tab);
    }

    void BitBtnPrimBack01Click()
    {
        services().sound.musik("MUSIN02");
        m_ctx.showPage(m_ctx.page(QStringLiteral("Primfaktoren")));
    }

    void BitBtnPrimCalcClick();
    void updatePrimeProgress();
    std::optional<std::array<std::uint32_t, 2>> rangeEnds() const;
    bool rangeChanged() const;
    QString cancelledText() const;
    void BitBtnPrimFakClick();
    void calculateGgTKgV(bool ggt);

    TopicContext& m_ctx;
    QWidget* m_calculatorPage = nullptr; // 'PrimfaktorenBerechnung'
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_from = nullptr;
    QLineEdit* m_to = nullptr;
    PrimeListModel* m_model = nullptr;
    LineListView* m_list = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_toEnd = nullptr;
    // The range of the list on screen, to tell when the fields no longer match it.
    bool m_listed = false;
    std::optional<std::array<std::uint32_t, 2>> m_listedRange;
    QLineEdit* m_factorEdit = nullptr;
    QListWidget* m_factorList = nullptr;
    QLineEdit* m_fields[2][4] = {}; // [ggT, kgV][edXXX01 .. edXXX04]
};

void PrimesPages::buildStartPage()
{
    QWidget* start = m_ctx.page(QStringLiteral("Primfaktoren"));
    addPageBackground(start);
    QLabel* title = makeLabel(start, QStringLiteral("LabelPrimFak01"),
                              QStringLiteral("Primfaktoren"), 20, 12);
    title->setFont(headingFont());
    title->adjustSize();

    // Left half: the calculators. The right half stays free for the exercise settings.
    auto* box = new QGroupBox(QStringLiteral("Berechnung"), start);
    box->setObjectName(QStringLiteral("GroupBoxPrimFak01"));
    box->setGeometry(20, 60, 230, 200);
    struct Entry {
        const char* name;
        const char* caption;
        int tab;
    };
    // "Pri&mzahlen": Alt+Z belongs to "&Zurück zur Auswahl" on this page.
    const Entry entries[] = {{"BitBtnPrimFak01", "Pri&mzahlen", 0},
                             {"BitBtnPrimFak02", "Prim&faktoren", 1},
                             {"BitBtnPrimFak03", "&ggT", 2},
                             {"BitBtnPrimFak04", "&kgV", 3}};
    int y = 30;
    for (const Entry& e : entries) {
        QPushButton* b = boldButton(box, QString::fromLatin1(e.name),
                                    QString::fromUtf8(e.caption), 20, y, 190, 30);
        const int tab = e.tab;
        connect(b, &QPushButton::clicked, this, [this, tab] { openTab(tab); });
        y += 40;
    }
    addBackButton(start, QStringLiteral("BitBtnBack04"), m_ctx);
}

void PrimesPages::buildCalculatorPage()
{
    QWidget* page = m_ctx.page(QStringLiteral("PrimfaktorenBerechnung"));
    m_calculatorPage = page;
    addPageBackground(page);
    m_tabs = new QTabWidget(page);
    m_tabs->setObjectName(QStringLiteral("PageControlPrim01"));
    m_tabs->setAccessibleName(QStringLiteral("Rechner"));
    m_tabs->setGeometry(4, 6, 531, 422);
    struct Tab {
        const char* name;
        const char* caption;
    };
    const Tab tabs[] = {{"TabSheetPrimzahlen", "Primzahlen berechnen"},
                        {"TabSheetPrimFak", "Primfaktoren"},
                        {"TabSheetPrimggT", "ggT"},
                        {"TabSheetPrimkgV", "kgV"}};
    QWidget* sheets[4];
    for (int i = 0; i < 4; ++i) {
        sheets[i] = new QWidget;
        sheets[i]->setObjectName(QString::fromLatin1(tabs[i].name));
        m_tabs->addTab(sheets[i], QString::fromUtf8(tabs[i].caption));
    }
    buildPrimeTab(sheets[0]);
    buildFactorTab(sheets[1]);
    buildGgTKgVTab(sheets[2], true);
    buildGgTKgVTab(sheets[3], false);

    QPushButton* back = boldButton(page, QStringLiteral("BitBtnPrimBack01"),
                                   QStringLiteral("&Zurück zur Auswahl"), 20, 440, 200, 30);
    QFont f = back->font();
    f.setPointSize(10);
    back->setFont(f);
    connect(back, &QPushButton::clicked, this, [this] { BitBtnPrimBack01Click(); });
}

void PrimesPages::buildPrimeTab(QWidget* tab)
{
    QLabel* title = makeLabel(tab, QStringLiteral("lblPrimCalc01"),
                              QStringLiteral("Bestimmung der Primzahlen im Zahlenbereich"), 12, 10);
    QFont tf = title->font();
    tf.setBold(true);
    title->setFont(tf);
    title->adjustSize();

    makeLabel(tab, QStringLiteral("LabelPrimCalcVon"), QStringLiteral("von"), 12, 41);
    TUpDownLong* upFrom = addUpDownLong(tab, QRect(36, 38, 120, 21), QStringLiteral("edPrimCalc01"),
                                        QStringLiteral("UpDownPrimCalc01"), kPrimeRangeSpinner,
                                        QStringLiteral("von"));
    makeLabel(tab, QStringLiteral("LabelPrimCalcBis"), QStringLiteral("bis"), 170, 41);
    TUpDownLong* upTo = addUpDownLong(tab, QRect(192, 38, 120, 21), QStringLiteral("edPrimCalc02"),
                                      QStringLiteral("UpDownPrimCalc02"), kPrimeRangeSpinner,
                                      QStringLiteral("bis"));
    m_from = upFrom->Associate();
    m_to = upTo->Associate();
    m_from->setText(QStringLiteral("0"));
    m_to->setText(QStringLiteral("0"));
    for (QLineEdit* e : {m_from, m_to}) {
        digitsOnly(e);
        e->installEventFilter(new KeepOneCharacter(e));
        // edPrimCalc01Change / edPrimCalc02Change: a text being typed may be empty or
        // unfinished without a notice; "&Berechnen" (or Enter) answers it. The summary
        // line says at once when the list on screen no longer matches the range.
        connect(e, &QLineEdit::textChanged, this, [this] { updatePrimeProgress(); });
        connect(e, &QLineEdit::returnPressed, this, [this] { BitBtnPrimCalcClick(); });
    }

    QPushButton* calc = boldButton(tab, QStringLiteral("BitBtnPrimCalc"),
                                   QStringLiteral("&Berechnen"), 330, 36, 110, 25);
    connect(calc, &QPushButton::clicked, this, [this] { BitBtnPrimCalcClick(); });

    m_progress = new QProgressBar(tab);
    m_progress->setObjectName(QStringLiteral("ProgressBarPrimCalc"));
    m_progress->setAccessibleName(QStringLiteral("Fortschritt"));
    m_progress->setGeometry(12, 70, 140, 18);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_status = new QLabel(tab);
    m_status->setObjectName(QStringLiteral("lblPrimCalc02"));
    m_status->setGeometry(160, 70, 200, 18);
    m_stop = makeButton(tab, QStringLiteral("BitBtnPrimCalcStop"), QStringLiteral("&Abbrechen"),
                        366, 66, 72, 25);
    m_stop->setEnabled(false);
    m_toEnd = makeButton(tab, QStringLiteral("BitBtnPrimCalcEnde"), QStringLiteral("Zum &Ende"),
                         442, 66, 64, 25);
    m_toEnd->setEnabled(false);

    m_model = new PrimeListModel(this);
    m_list = new LineListView(tab);
    m_list->setObjectName(QStringLiteral("ListBoxPrimCalc"));
    m_list->setAccessibleName(QStringLiteral("Primzahlen"));
    m_list->setGeometry(4, 98, 518, 288);
    m_list->setModel(m_model);

    connect(m_stop, &QPushButton::clicked, m_model, &PrimeListModel::cancel);
    connect(m_toEnd, &QPushButton::clicked, this, [this] {
        const int rows = m_model->rowCount();
        if (rows > 0)
            m_list->scrollTo(m_model->index(rows - 1), QAbstractItemView::PositionAtBottom);
    });
    connect(m_model, &PrimeListModel::progressChanged, this, [this] { updatePrimeProgress(); });
    connect(m_model, &PrimeListModel::countingFinished, this, [this](bool) {
        m_list->viewport()->unsetCursor();
    });
}

void PrimesPages::updatePrimeProgress()
{
    const bool counting = m_model->counting();
    m_stop->setEnabled(counting);
    m_toEnd->setEnabled(m_model->rowCount() > 0);
    m_progress->setVisible(counting);
    m_progress->setValue(int(m_model->progress() * 1000));
    const QString primes = QString::number(m_model->primesCounted());
    if (counting)
        m_status->setText(QStringLiteral("%1 Primzahlen bis %2").arg(primes).arg(m_model->reached()));
    else if (m_model->cancelled())
        m_status->setText(cancelledText());
    else if (m_model->finished())
        m_status->setText(primeCountText(qint64(m_model->primesCounted()), m_model->rowCount()));
    else
        m_status->clear();
    if (m_listed && rangeChanged())
        m_status->setText(QStringLiteral("Bereich geändert – Berechnen drücken"));
}

// The ends of the range as "&Berechnen" takes them, or nothing for a field that is no number.
std::optional<std::array<std::uint32_t, 2>> PrimesPages::rangeEnds() const
{
    std::array<std::uint32_t, 2> ends{};
    const QLineEdit* fields[2] = {m_from, m_to};
    for (int i = 0; i < 2; ++i) {
        const auto v = primes::parseInteger(fields[i]->text().toStdString());
        if (!v)
            return std::nullopt;
        ends[std::size_t(i)] =
            std::uint32_t(std::min<std::int64_t>(std::llabs(*v), primes::kLargestResult));
    }
    if (ends[0] > ends[1])
        std::swap(ends[0], ends[1]);
    return ends;
}

bool PrimesPages::rangeChanged() const { return rangeEnds() != m_listedRange; }

// A cancelled list ends with its last full line: the summary names the last prime on it,
// which is where a pupil reading the list sees it stop.
QString PrimesPages::cancelledText() const
{
    const int rows = m_model->rowCount();
    if (rows > 0) {
        const QString last = m_model->data(m_model->index(rows - 1)).toString();
        const QStringList numbers = last.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!numbers.isEmpty())
            return QStringLiteral("Abgebrochen nach %1").arg(numbers.last());
    }
    return QStringLiteral("Abgebrochen, noch keine Primzahl angezeigt");
}

void PrimesPages::BitBtnPrimCalcClick()
{
    m_listed = false;
    m_model->clear();
    m_list->viewport()->unsetCursor();
    if (m_from->text().isEmpty() || m_to->text().isEmpty()) {
        services().messages.showMessage(kTooFewInputs);
        return;
    }
    services().sound.musik("MUSIN03");
    std::uint32_t ends[2];
    QLineEdit* fields[2] = {m_from, m_to};
    for (int i = 0; i < 2; ++i) {
        const auto v = primes::parseInteger(fields[i]->text().toStdString());
        if (!v) {
            services().messages.showError(integerConversionError(fields[i]->text()));
            return;
        }
        ends[i] = std::uint32_t(std::min<std::int64_t>(std::llabs(*v), primes::kLargestResult));
    }
    m_list->viewport()->setCursor(Qt::BusyCursor);
    m_listed = true;
    m_listedRange = rangeEnds();
    m_model->start(ends[0], ends[1]);
    m_list->scrollToTop();
}

void PrimesPages::buildFactorTab(QWidget* tab)
{
    makeLabel(tab, QStringLiteral("LabelPrimFak02"), QStringLiteral("Zu zerlegende Zahl"), 12, 12);
    m_factorEdit = makeEdit(tab, QStringLiteral("edPrimFak01"), QStringLiteral("Zu zerlegende Zahl"),
                            12, 30, 150);
    // Enter factorises, as it converts in the number-system calculator.
    connect(m_factorEdit, &QLineEdit::returnPressed, this, [this] { BitBtnPrimFakClick(); });
    digitsOnly(m_factorEdit);
    QPushButton* go = boldButton(tab, QStringLiteral("BitBtnPrimFak"), QStringLiteral("Zer&legen"),
                                 176, 28, 110, 25);
    connect(go, &QPushButton::clicked, this, [this] { BitBtnPrimFakClick(); });
    m_factorList = new QListWidget(tab);
    m_factorList->setObjectName(QStringLiteral("ListBoxPrimFak"));
    m_factorList->setAccessibleName(QStringLiteral("Primfaktoren"));
    m_factorList->setGeometry(12, 64, 494, 320);
}

void PrimesPages::BitBtnPrimFakClick()
{
    m_factorList->clear();
    m_factorEdit->setFocus();
    const QString text = m_factorEdit->text();
    if (text.isEmpty()) {
        services().messages.showMessage(kNoNumber);
    } else if (const auto v = primes::parseInteger(text.toStdString())) {
        const std::uint64_t n = std::uint64_t(std::llabs(*v));
        for (const std::string& line : primes::PrimfaktorZeilen(n))
            m_factorList->addItem(QString::fromStdString(line));
    } else {
        services().messages.showError(integerConversionError(text));
    }
    m_factorEdit->setFocus();
}

void PrimesPages::buildGgTKgVTab(QWidget* tab, bool ggt)
{
    const QString key = ggt ? QStringLiteral("GGT") : QStringLiteral("KGV");
    QLineEdit** fields = m_fields[ggt ? 0 : 1];
    makeLabel(tab, QStringLiteral("lbl") + key + QStringLiteral("01"),
              ggt ? QStringLiteral("Geben Sie die Zahlen ein von denen der ggT bestimmt werden soll")
                  : QStringLiteral("Geben Sie die Zahlen ein von denen das kgv bestimmt werden soll"),
              12, 12);
    for (int i = 0; i < 3; ++i) {
        fields[i] = makeEdit(tab, QStringLiteral("ed%1%2").arg(key).arg(i + 1, 2, 10, QLatin1Char('0')),
                             QStringLiteral("%1. Zahl").arg(i + 1), 12 + 130 * i, 36, 120);
        connect(fields[i], &QLineEdit::returnPressed, this,
                [this, ggt] { calculateGgTKgV(ggt); });
        digitsOnly(fields[i]);
    }
    fields[2]->hide();
    const RadioGroup group =
        makeRadioGroup(tab, QStringLiteral("RadioGroup%1").arg(key),
                       ggt ? QStringLiteral(" ggT von ") : QStringLiteral(" kgV von "), 12, 72);
    connect(group.buttons, &QButtonGroup::idClicked, this, [fields](int item) {
        fields[2]->setVisible(item == 1);
        fields[2]->clear();
    });
    makeLabel(tab, QStringLiteral("lbl") + key + QStringLiteral("02"),
              ggt ? QStringLiteral("Der ggT der Zahlen beträgt")
                  : QStringLiteral("Das kgV der Zahlen beträgt"),
              12, 156);
    fields[3] = makeEdit(tab, QStringLiteral("ed") + key + QStringLiteral("04"),
                         ggt ? QStringLiteral("Der ggT der Zahlen beträgt")
                             : QStringLiteral("Das kgV der Zahlen beträgt"),
                         12, 174, 150);
    fields[3]->setReadOnly(true);
    QPushButton* go = boldButton(tab, QStringLiteral("BitBtn%1").arg(key),
                                 ggt ? QStringLiteral("ggT berechnen") : QStringLiteral("kgV berechnen"),
                                 176, 172, 130, 25);
    connect(go, &QPushButton::clicked, this, [this, ggt] { calculateGgTKgV(ggt); });
}

void PrimesPages::calculateGgTKgV(bool ggt)
{
    QLineEdit** fields = m_fields[ggt ? 0 : 1];
    int filled = 0;
    for (int i = 0; i < 3; ++i)
        if (!fields[i]->text().isEmpty())
            ++filled;
    if (filled < 2) {
        services().messages.showMessage(kTooFewInputs);
        return;
    }
    std::vector<std::int32_t> values;
    for (int i = 0; i < filled; ++i) {
        const auto v = primes::parseInteger(fields[i]->text().toStdString());
        if (!v) {
            services().messages.showError(integerConversionError(fields[i]->text()));
            return;
        }
        values.push_back(*v);
    }
    const std::vector<std::uint64_t> sorted = primes::prepareGgTKgVInputs(values);
    for (std::size_t i = 0; i < sorted.size(); ++i)
        fields[i]->setText(QString::number(sorted[i]));
    const std::uint64_t result =
        ggt ? primes::GgTBerechnen(sorted) : primes::KgVBerechnen(sorted);
    if (!ggt && result > std::uint64_t(primes::kLargestResult)) {
        fields[3]->clear(); // the answer to the numbers before must not stand beside these
        services().messages.showMessage(kgvTooLarge());
        return;
    }
    fields[3]->setText(QString::number(result));
}

} // namespace

void installPrimesPages(TopicContext& ctx)
{
    new PrimesPages(ctx);
    installPrimeTaskPages(ctx); // the right half "Übungsaufgaben" and the task page
}

} // namespace quorvel
