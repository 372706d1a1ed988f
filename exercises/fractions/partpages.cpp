#include "partpages.h"

#include "answerfields.h"
#include "pagekit.h"
#include "partsdecimal.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace quorvel::fractions {

namespace {

constexpr int kWidth = 72;
constexpr int kLower = kFieldHeight + 2 * kBarGap + 4; // lower field below the upper one
constexpr int kBarMiddle = kFieldHeight + kBarGap + 2;  // bar centre below the upper field

} // namespace

PartPage::PartPage(QWidget* page) : QObject(page)
{
    setObjectName(QStringLiteral("PartPage"));
    makeTaskHeading(page, QStringLiteral("lblBruchBrt01"), QStringLiteral("Bestimme folgenden Bruchteil:"),
                    30, 40, 480);
    constexpr int kTaskY = 100;
    m_shown = makeShownFraction(page, QStringLiteral("PanelBruchBrt01"), QStringLiteral("lblBruchBrt02"),
                                QStringLiteral("lblBruchBrt03"), QStringLiteral("BevelBruch22"), 60,
                                kTaskY, kWidth);
    m_of = new QLabel(page);
    m_of->setObjectName(QStringLiteral("lblBruchBrt04"));
    m_of->setFont(fractionFont(18));
    m_of->setGeometry(145, kTaskY + kBarMiddle - kFieldHeight / 2, 160, kFieldHeight);

    constexpr int kAnswerY = 230;
    const struct {
        const char* name;
        const char* accessible;
        int x, y;
    } edits[4] = {{"edBruchBrt01", "Zähler, ungekürzt", 60, kAnswerY},
                  {"edBruchBrt02", "Nenner, ungekürzt", 60, kAnswerY + kLower},
                  {"edBruchBrt03", "Zähler, vollständig gekürzt", 190, kAnswerY},
                  {"edBruchBrt04", "Nenner, vollständig gekürzt", 190, kAnswerY + kLower}};
    m_fields = new AnswerFieldSet(this);
    for (int i = 0; i < 4; ++i) {
        m_edits[i] = makeAnswerEdit(page, QString::fromLatin1(edits[i].name),
                                    QString::fromUtf8(edits[i].accessible), edits[i].x, edits[i].y, kWidth);
        setHint(m_edits[i], i < 2 ? QStringLiteral("ungekürzter Bruch")
                                  : QStringLiteral("vollständig gekürzter Bruch"));
        m_fields->addEdit(m_edits[i], /*filterKeys=*/false);
    }
    makeFractionBar(page, QStringLiteral("BevelBruch23"), 60, kAnswerY, kWidth);
    makeFractionBar(page, QStringLiteral("BevelBruch24"), 190, kAnswerY, kWidth);
    makeSign(page, QStringLiteral("lblBruchBrt05"), QStringLiteral("="), 148, kAnswerY);
}

void PartPage::showTask(const FractionPartTask& task)
{
    m_shown.show(task.numerator, task.denominator);
    m_of->setText(task.ofText());
}

DecimalPage::DecimalPage(QWidget* page) : QObject(page)
{
    setObjectName(QStringLiteral("DecimalPage"));
    m_heading = makeTaskHeading(page, QStringLiteral("lblBruchKB01"), QString(), 30, 40, 480);
    constexpr int kY = 140;
    m_given = makeShownFraction(page, QStringLiteral("PanelBruchKB01"), QStringLiteral("lblBruchKB02"),
                                QStringLiteral("lblBruchKB03"), QStringLiteral("BevelBruch26"), 46, kY,
                                88); // wide enough for "1000,1"
    makeSign(page, QStringLiteral("lblBruchKB04"), QStringLiteral("="), 146, kY);
    m_fields = new AnswerFieldSet(this);
    const char* const names[4] = {"edBruchKB01", "edBruchKB02", "edBruchKB03", "edBruchKB04"};
    for (int i = 0; i < 4; ++i) {
        m_edits[i] = makeAnswerEdit(page, QString::fromLatin1(names[i]), QString(), i < 2 ? 176 : 306,
                                    i % 2 == 0 ? kY : kY + kLower, i < 2 ? kWidth : 100);
        m_fields->addEdit(m_edits[i]);
    }
    makeFractionBar(page, QStringLiteral("BevelBruch27"), 176, kY, kWidth);
    makeSign(page, QStringLiteral("lblBruchKB05"), QStringLiteral("="), 268, kY);
    m_secondBar = makeFractionBar(page, QStringLiteral("BevelBruch28"), 306, kY, 100);
    arrange(DecimalDirection::DecimalToFraction);
}

void DecimalPage::arrange(DecimalDirection direction)
{
    const bool toFraction = direction == DecimalDirection::DecimalToFraction;
    // The given number: a decimal centred at the height of the bars, or a fraction.
    m_given.numerator->setVisible(!toFraction);
    m_given.bar->setVisible(!toFraction);
    m_given.denominator->move(0, toFraction ? kBarMiddle - kFieldHeight / 2 : kLower);

    const int kY = m_edits[0]->y();
    m_edits[2]->move(m_edits[2]->x(), toFraction ? kY : kY + kBarMiddle - kFieldHeight / 2);
    m_edits[3]->setVisible(toFraction);
    m_secondBar->setVisible(toFraction);

    struct Names {
        const char* hint;
        const char* accessible[2];
    };
    const Names first = toFraction ? Names{"ungekürzter Bruch", {"Zähler, ungekürzt", "Nenner, ungekürzt"}}
                                   : Names{"geeignet erweiterter Bruch",
                                           {"Zähler, erweitert", "Nenner, erweitert"}};
    for (int i = 0; i < 2; ++i) {
        setHint(m_edits[i], QString::fromUtf8(first.hint));
        m_edits[i]->setAccessibleName(QString::fromUtf8(first.accessible[i]));
    }
    if (toFraction) {
        setHint(m_edits[2], QStringLiteral("vollständig gekürzter Bruch"));
        setHint(m_edits[3], QStringLiteral("vollständig gekürzter Bruch"));
        m_edits[2]->setAccessibleName(QStringLiteral("Zähler, vollständig gekürzt"));
        m_edits[3]->setAccessibleName(QStringLiteral("Nenner, vollständig gekürzt"));
    } else {
        setHint(m_edits[2], QStringLiteral("Kommazahl"));
        m_edits[2]->setAccessibleName(QStringLiteral("Kommazahl"));
    }
}

void DecimalPage::showTask(const DecimalTask& task)
{
    m_heading->setText(task.heading());
    if (task.direction == DecimalDirection::DecimalToFraction) {
        m_given.denominator->setText(task.decimalText());
        m_given.panel->setAccessibleName(task.decimalText());
    } else {
        m_given.numerator->setText(task.numeratorText());
        m_given.denominator->setText(task.denominatorText());
        m_given.panel->setAccessibleName(task.numeratorText() + QLatin1Char('/') + task.denominatorText());
    }
}

} // namespace quorvel::fractions
