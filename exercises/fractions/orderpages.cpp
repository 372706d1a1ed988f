#include "orderpages.h"

#include "answerfields.h"
#include "ordercompare.h"
#include "pagekit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace quorvel::fractions {

namespace {

constexpr int kShownX = 30;
constexpr int kEqualsX = 98;
constexpr int kEntryX = 130;
constexpr int kFractionWidth = 60;
constexpr int kRowHeight = 100;

const char* const kKgVHint =
    "Bevor das kgV der Nenner gesucht wird müssen die Brüche links vollständig gekürzt werden";

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// One row: shown fraction `row` (0-based), "=", the entry fraction. Returns the two edits.
std::pair<QLineEdit*, QLineEdit*> fractionRow(QWidget* page, const QString& kind, int row, int y,
                                              ShownFraction& shown, int firstLabel, int bevel)
{
    shown = makeShownFraction(page, QStringLiteral("PanelBruch%1%2").arg(kind, two(row + 1)),
                              QStringLiteral("lblBruch%1%2").arg(kind, two(firstLabel)),
                              QStringLiteral("lblBruch%1%2").arg(kind, two(firstLabel + 1)),
                              QStringLiteral("BevelBruch%1").arg(bevel), kShownX, y, kFractionWidth);
    shown.panel->setAccessibleDescription(QStringLiteral("Bruch %1").arg(row + 1));
    makeSign(page, QStringLiteral("LabelBruch%1Gleich%2").arg(kind).arg(row + 1), QStringLiteral("="),
             kEqualsX, y);
    const int edit = 2 * row + 1;
    auto* upper = makeAnswerEdit(page, QStringLiteral("edBruch%1%2").arg(kind, two(edit)),
                                 QStringLiteral("Zähler von Bruch %1").arg(row + 1), kEntryX, y,
                                 kFractionWidth);
    auto* lower = makeAnswerEdit(page, QStringLiteral("edBruch%1%2").arg(kind, two(edit + 1)),
                                 QStringLiteral("Nenner von Bruch %1").arg(row + 1), kEntryX,
                                 y + kFieldHeight + 2 * kBarGap + 4, kFractionWidth);
    makeFractionBar(page, QStringLiteral("BevelBruch%1").arg(bevel + 1), kEntryX, y, kFractionWidth);
    for (QLineEdit* e : {upper, lower})
        setHint(e, QString::fromUtf8(kKgVHint));
    return {upper, lower};
}

} // namespace

QButtonGroup* makeChoiceGroup(QWidget* page, QGroupBox*& box, const QString& name,
                              const QString& caption, const QStringList& items, const QRect& at,
                              int columns)
{
    box = new QGroupBox(caption, page);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setGeometry(at);
    auto* group = new QButtonGroup(box);
    group->setObjectName(name + QStringLiteral("Buttons"));
    const int count = int(items.size());
    const int rows = (count + columns - 1) / columns;
    const int colWidth = (at.width() - 20) / columns;
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(items[i], box);
        b->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        b->setAccessibleName(items[i]);
        b->setGeometry(12 + colWidth * (i / rows), 20 + 22 * (i % rows), colWidth - 4, 20);
        group->addButton(b, i);
    }
    return group;
}

OrderPage::OrderPage(QWidget* page) : QObject(page)
{
    setObjectName(QStringLiteral("OrderPage"));
    makeTaskHeading(page, QStringLiteral("lblBruchOrd01"),
                    QStringLiteral("Ordne die folgenden Brüche  nach ihrer Größe in aufsteigender "
                                   "Reihenfolge:"),
                    30, 20, 480);
    m_fields = new AnswerFieldSet(this);
    QLineEdit* edits[6];
    QGroupBox* boxes[3];
    QButtonGroup* groups[3];
    for (int row = 0; row < 3; ++row) {
        const int y = 90 + row * kRowHeight;
        const auto [upper, lower] = fractionRow(page, QStringLiteral("Ord"), row, y, m_shown[row],
                                                2 + 2 * row, 12 + 2 * row);
        edits[2 * row] = upper;
        edits[2 * row + 1] = lower;
        groups[row] = makeChoiceGroup(page, boxes[row], QStringLiteral("RadioGroupBruchOrd0%1").arg(row + 1),
                                      QStringLiteral("Position von Bruch %1").arg(row + 1),
                                      {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                                      QRect(230, y + 10, 270, 48), 3);
    }
    for (QLineEdit* e : edits)
        m_fields->addEdit(e);
    for (int row = 0; row < 3; ++row)
        m_fields->addChoice(boxes[row], groups[row]);
}

void OrderPage::showTask(const OrderingTask& task)
{
    for (std::size_t j = 0; j < 3; ++j)
        m_shown[j].show(task.shown[j].numerator, task.shown[j].denominator);
}

ComparePage::ComparePage(QWidget* page) : QObject(page)
{
    setObjectName(QStringLiteral("ComparePage"));
    makeTaskHeading(page, QStringLiteral("lblBruchVer01"),
                    QStringLiteral("Vergleiche die nachfolgenden Brüche:"), 30, 20, 480);
    m_fields = new AnswerFieldSet(this);
    QLineEdit* edits[4];
    for (int row = 0; row < 2; ++row) {
        const auto [upper, lower] = fractionRow(page, QStringLiteral("Ver"), row, 90 + row * kRowHeight,
                                                m_shown[row], 2 + 2 * row, 18 + 2 * row);
        edits[2 * row] = upper;
        edits[2 * row + 1] = lower;
    }
    QGroupBox* box = nullptr;
    QButtonGroup* group = makeChoiceGroup(
        page, box, QStringLiteral("RadioGroupBruchVer01"), QString(),
        {QStringLiteral("1. Bruch > 2. Bruch"), QStringLiteral("1. Bruch < 2. Bruch"),
         QStringLiteral("1. Bruch = 2. Bruch")},
        QRect(250, 110, 220, 90), 1);
    box->setAccessibleName(QStringLiteral("Vergleich"));
    for (QLineEdit* e : edits)
        m_fields->addEdit(e);
    m_fields->addChoice(box, group);
}

void ComparePage::showTask(const ComparingTask& task)
{
    for (std::size_t j = 0; j < 2; ++j)
        m_shown[j].show(task.shown[j].numerator, task.shown[j].denominator);
}

} // namespace quorvel::fractions
