// The fraction pages through their widgets: the settings page with its two groups acting
// as one choice, the task page and its dispatch, and whole arithmetic series with their
// notices, field colours, counts and jingles in order.
#include "answerfields.h"
#include "fractionspages.h"
#include "grundhilfe.h"
#include "pageharness.h"
#include "series.h"
#include "updownlong.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;
using namespace quorvel::test;

namespace {

struct FractionsHarness : PageHarness {
    FractionsPages* fractions = nullptr;
    FractionsHarness()
    {
        QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        fractions = installFractionsPages(ctx);
        pages->setCurrentIndex(PageBruchrechnung);
    }
    QLineEdit* edit(int i) const
    {
        return find<QLineEdit>(QStringLiteral("edBruchAufg%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1().constData());
    }
    QRadioButton* item(int group, int i) const
    {
        return find<QRadioButton>(
            QStringLiteral("RadioGroupBruch0%1Item%2").arg(group).arg(i).toLatin1().constData());
    }
    // Types the six values (an empty string leaves a field empty) and confirms.
    void answer(const QStringList& values)
    {
        for (int i = 0; i < values.size(); ++i) {
            edit(i + 1)->clear();
            QTest::keyClicks(edit(i + 1), values[i]);
        }
        click("BitBtnBruch03");
    }
    QColor colour(int i) const { return edit(i)->palette().color(QPalette::Base); }
    // A click on the radio button's circle (its middle may lie beyond the caption).
    void clickItem(int group, int i)
    {
        QRadioButton* b = item(group, i);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    void setCount(int n) { find<TUpDownLong>("UpDownBruch01")->setPosition(n); }
};

const QColor kWhite(Qt::white), kRed(255, 0, 0), kGreen(0, 255, 0);

} // namespace

TEST(FractionsSettingsPage, ControlsAndStartValues)
{
    FractionsHarness h;
    const QStringList arithmetic{"addieren", "subtrahieren", "multiplizieren", "dividieren", "gemischt"};
    const QStringList others{"erweitern", "kürzen", "ordnen", "vergleichen", "Bruchteile bestimmen",
                             "Kommazahl -> Bruchzahl", "Bruchzahl -> Kommazahl"};
    const QStringList levels{"leicht", "mittel", "schwer"};
    EXPECT_EQ(h.find<QGroupBox>("RadioGroupBruch01")->title(), QStringLiteral("Rechnen mit Brüchen"));
    EXPECT_EQ(h.find<QGroupBox>("RadioGroupBruch02")->title(), QString());
    EXPECT_EQ(h.find<QGroupBox>("RadioGroupBruch03")->title(), QStringLiteral("Schwierigkeitsgrad"));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(h.item(1, i)->text(), arithmetic[i]);
        EXPECT_EQ(h.item(1, i)->isChecked(), i == 0);
    }
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(h.item(2, i)->text(), others[i]);
        EXPECT_FALSE(h.item(2, i)->isChecked());
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(h.item(3, i)->text(), levels[i]);
        EXPECT_EQ(h.item(3, i)->isChecked(), i == 0);
    }
    // Three columns: the difficulties stand side by side.
    EXPECT_EQ(h.item(3, 0)->y(), h.item(3, 2)->y());
    EXPECT_LT(h.item(3, 0)->x(), h.item(3, 1)->x());
    auto* spin = h.find<TUpDownLong>("UpDownBruch01");
    EXPECT_EQ(spin->Min(), 1);
    EXPECT_EQ(spin->Max(), 1000);
    EXPECT_EQ(spin->Position(), 10);
    EXPECT_EQ(spin->Associate(), h.find<QLineEdit>("EditBruch01"));
    EXPECT_EQ(h.find<QLineEdit>("EditBruch01")->accessibleName(), QStringLiteral("Aufgabenanzahl"));
    EXPECT_EQ(h.find<QPushButton>("BitBtnBack05")->text(), QStringLiteral("&Zurück zur Auswahl"));
    EXPECT_EQ(h.find<QPushButton>("BitBtnStart05")->text(), QStringLiteral("&Start"));
    h.click("BitBtnBack05");
    EXPECT_EQ(h.backClicks, 1);

    auto* notebook = h.find<QStackedWidget>("NotebookBruch01");
    const QStringList names{"BruchrechnungGrund",     "BruchrechnungErweitern",
                            "BruchrechnungOrdnen",    "BruchrechnungVergleich",
                            "BruchrechnungBruchteile", "BruchrechnungKommaBruch"};
    ASSERT_EQ(notebook->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(notebook->widget(i)->objectName(), names[i]);
    const QStringList captions{"&Abbrechen", "&Überspringen", "&Ergebnis bestätigen", "&Hilfe"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(h.find<QPushButton>(QStringLiteral("BitBtnBruch0%1").arg(i + 1).toLatin1().constData())->text(),
                  captions[i]);
}

TEST(FractionsSettingsPage, TheTwoGroupsActAsOneChoice)
{
    FractionsHarness h;
    h.window.show();
    h.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window));
    h.ts.log.clear();

    // Entering the second group (keyboard focus) clears the first and plays MUSIN01.
    h.item(2, 3)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(h.find<QButtonGroup>("RadioGroupBruch01Buttons")->checkedId(), -1);
    EXPECT_EQ(h.ts.log.events, QStringList{"sound MUSIN01"});
    h.clickItem(2, 3);
    EXPECT_TRUE(h.item(2, 3)->isChecked());
    EXPECT_EQ(h.ts.log.events, (QStringList{"sound MUSIN01", "sound MUSIN01"}));
    EXPECT_EQ(h.fractions->settings().otherItem, 3);
    EXPECT_EQ(h.fractions->settings().arithmeticItem, -1);

    h.ts.log.clear();
    h.clickItem(1, 2); // enter the first group and click
    EXPECT_TRUE(h.item(1, 2)->isChecked());
    EXPECT_EQ(h.find<QButtonGroup>("RadioGroupBruch02Buttons")->checkedId(), -1);
    EXPECT_EQ(h.ts.log.events, (QStringList{"sound MUSIN01", "sound MUSIN01"}));
    h.ts.sound.setSoundOn(false);
    h.ts.log.clear();
    h.clickItem(1, 3); // within the group: the click alone
    EXPECT_EQ(h.ts.log.events, QStringList{"sound MUSIN01 (off)"});
}

TEST(FractionsDispatch, StartWithNothingChosenOrAKindNotOffered)
{
    FractionsHarness h;
    h.find<QButtonGroup>("RadioGroupBruch01Buttons")->setExclusive(false);
    h.item(1, 0)->setChecked(false);
    h.find<QButtonGroup>("RadioGroupBruch01Buttons")->setExclusive(true);
    h.ts.log.clear();
    h.click("BitBtnStart05");
    EXPECT_EQ(h.ts.log.events, QStringList{"changed 1"});
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnung);

    // "ordnen": its own page and series; abort goes back.
    h.item(2, ItemOrdnen)->click();
    h.ts.log.clear();
    h.click("BitBtnStart05");
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnungAufgaben);
    EXPECT_EQ(h.find<QStackedWidget>("NotebookBruch01")->currentIndex(), PageOrdnen);
    h.click("BitBtnBruch01");
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnung);
    EXPECT_EQ(h.ts.log.events, (QStringList{"changed 1", "given 1 7", "sound MUSIN02", "sound MUSIN02"}));

    struct Page {
        int item, page;
    };
    for (Page p : {Page{0, 1}, Page{1, 1}, Page{2, 2}, Page{3, 3}, Page{4, 4}, Page{5, 5}, Page{6, 5}, Page{-1, 0}})
        EXPECT_EQ(fractionPageFor(p.item), p.page) << p.item;
}

TEST(FractionsSeries, WholeAdditionSeriesThroughTheWidgets)
{
    FractionsHarness h;
    h.setCount(3);
    h.logStatus = true;
    h.ts.log.clear();
    // 1/4 + 1/6; 4/6 + 1/3 (shown 2/3 + 1/3); 2/3 + 4/5.
    h.ts.random.script({1, 4, 1, 6, 4, 6, 1, 3, 2, 3, 4, 5});
    h.click("BitBtnStart05");
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnungAufgaben);
    EXPECT_EQ(h.find<QStackedWidget>("NotebookBruch01")->currentIndex(), PageGrund);
    EXPECT_FALSE(h.pad->padEnabled());
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg01")->text(), QStringLiteral("1"));
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg04")->text(), QStringLiteral("6"));
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg05")->text(), QStringLiteral("+"));
    EXPECT_EQ(h.find<QWidget>("PanelBruchAufg02")->accessibleName(), QStringLiteral("1/6"));
    EXPECT_EQ(h.find<QLabel>("lblBruch03")->text(), QStringLiteral("Berechne die folgende Aufgabe:"));
    EXPECT_EQ(h.find<QLabel>("lblBruch03")->accessibleDescription(), QStringLiteral("1/4 + 1/6 ="));

    h.answer({"3", "12", "2", "12", "5", "12"});
    EXPECT_EQ(h.find<QWidget>("PanelBruchAufg01")->accessibleName(), QStringLiteral("2/3"));
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg03")->text(), QStringLiteral("1"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(h.edit(i)->text().isEmpty());

    h.answer({"2", "3", "1", "3", "3", "3"}); // result not reduced: fields 5 and 6 red
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(h.colour(i), i >= 5 ? kRed : kWhite) << i;
    EXPECT_EQ(h.edit(5)->text(), QStringLiteral("3"));
    EXPECT_EQ(h.edit(5)->accessibleDescription(), QStringLiteral("falsch"));
    h.answer({"2", "3", "1", "3", "1", "1"}); // right at the second try: given, not correct
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(h.colour(i), kWhite) << i;

    h.answer({"2", "3", "4", "5", "6", "8"}); // everything wrong
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(h.colour(i), kRed) << i;
    h.answer({"10", "15", "4", "5", "6", "8"}); // wrong again: green corrections, the end
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(h.colour(i), i <= 2 ? kWhite : kGreen) << i;
    const QStringList corrected{"10", "15", "12", "15", "22", "15"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(h.edit(i)->text(), corrected[i - 1]) << i;
    EXPECT_EQ(h.edit(3)->accessibleDescription(), QStringLiteral("korrigiert"));
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnung);
    EXPECT_EQ(h.status, QString());

    const QStringList expected{
        "changed 1",
        "given 1 1",
        "status Aufgabe 1 von 3",
        "sound MUSIN02",
        "correct 1 1",
        "sound right",
        "given 1 1",
        "status Aufgabe 2 von 3",
        "sound wrong",
        "message Die Rot gekennzeichneten Werte sind falsch !!!!!!",
        "sound right",
        "given 1 1",
        "status Aufgabe 3 von 3",
        "sound wrong",
        "message Die Rot gekennzeichneten Werte sind falsch !!!!!!",
        "sound wrong",
        "message Die korrigierten Werte sind Grün gekennzeichnet !",
        "status ",
        "sound MUSIN02",
    };
    EXPECT_EQ(h.ts.log.events, expected);
    EXPECT_FALSE(h.ts.random.scriptMisuse);
}

TEST(FractionsSeries, NoticesKeysAndBadTextChangeNothing)
{
    FractionsHarness h;
    h.setCount(2);
    h.ts.random.script({1, 4, 1, 6});
    h.click("BitBtnStart05");
    h.ts.log.clear();

    QTest::keyClicks(h.edit(1), QStringLiteral("a3-.x"));
    EXPECT_EQ(h.edit(1)->text(), QStringLiteral("3"));
    QTest::keyClicks(h.edit(2), QStringLiteral("1 2"));
    QTest::keyClicks(h.edit(3), QStringLiteral("2,"));
    EXPECT_EQ(h.edit(3)->text(), QStringLiteral("2,"));
    QTest::keyClick(h.edit(3), Qt::Key_Return); // Enter confirms: too few
    h.answer({"", "", "", "", "", ""});
    h.answer({"3", "1 2", "2", "12", "5", "12"});
    EXPECT_EQ(h.ts.log.events,
              (QStringList{"message Zu wenige Werte !", "message Du hast noch keinen Wert eingegeben !",
                           "error '1 2' ist kein gültiger Integerwert."}));
    EXPECT_EQ(h.edit(2)->text(), QStringLiteral("1 2"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(h.colour(i), kWhite);
    EXPECT_EQ(h.fractions->currentSeries()->wrongAttempts(), 0);

    // Skip, then skip on the last task ends the series like abort.
    h.ts.log.clear();
    h.ts.random.script({2, 3, 3, 4});
    h.click("BitBtnBruch02");
    h.click("BitBtnBruch02");
    EXPECT_EQ(h.ts.log.events, (QStringList{"given 1 1", "sound MUSIN02"}));
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnung);
}

TEST(FractionsSeries, MultiplicationLayoutAndMixedCounting)
{
    FractionsHarness h;
    h.item(1, 4)->click(); // gemischt
    h.item(3, 1)->click(); // mittel
    h.setCount(3);
    h.ts.log.clear();
    // multiplication 2/3 x 3/4, division 2/3 : 4/5, subtraction 1/3 - 3/4 (swapped)
    h.ts.random.script({3, 2, 3, 3, 4, 4, 2, 3, 4, 5, 2, 1, 3, 3, 4});
    h.click("BitBtnStart05");
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg05")->text(), QStringLiteral("x"));
    // A screen reader gets the sign as shown and the spoken word beside it.
    EXPECT_TRUE(h.find<QLabel>("lblBruchAufg05")->accessibleName().isEmpty());
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg05")->accessibleDescription(), QStringLiteral("mal"));
    for (int i = 3; i <= 6; ++i)
        EXPECT_TRUE(h.edit(i)->isHidden()) << i;
    EXPECT_TRUE(h.find<QLabel>("lblBruchAufg07")->isHidden());
    EXPECT_TRUE(h.find<QLabel>("lblBruchAufg08")->isHidden());
    EXPECT_EQ(h.edit(1)->toolTip(), QStringLiteral("vollständig gekürzter Bruch"));
    EXPECT_EQ(h.edit(2)->toolTip(), QString());
    h.answer({"1", "2"});

    EXPECT_EQ(h.find<QLabel>("lblBruchAufg05")->text(), QStringLiteral(":"));
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg07")->text(), QStringLiteral("x"));
    for (int i = 3; i <= 6; ++i)
        EXPECT_FALSE(h.edit(i)->isHidden()) << i;
    EXPECT_EQ(h.edit(3)->toolTip(), QStringLiteral("Kehrwert des 2. Bruches"));
    EXPECT_EQ(h.edit(3)->accessibleName(), QStringLiteral("Zähler des Kehrwerts"));
    h.answer({"2", "3", "5", "4", "5", "6"});

    EXPECT_EQ(h.find<QLabel>("lblBruchAufg01")->text(), QStringLiteral("3"));
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg02")->text(), QStringLiteral("4"));
    EXPECT_EQ(h.find<QLabel>("lblBruchAufg05")->text(), QStringLiteral("-"));
    h.answer({"9", "12", "4", "12", "5", "12"});
    EXPECT_EQ(h.ts.log.events,
              (QStringList{"changed 1", "given 1 3", "sound MUSIN02", "correct 1 3", "sound right",
                           "given 1 4", "correct 1 4", "sound right", "given 1 2", "correct 1 2",
                           "sound right", "sound MUSIN02"}));
    EXPECT_EQ(h.ts.random.asked[1], 51); // mittel
    EXPECT_FALSE(h.ts.random.scriptMisuse);
}

TEST(FractionsHelp, HilfeOpensTheArithmeticWindowModally)
{
    FractionsHarness h;
    h.ts.random.script({1, 4, 1, 6});
    h.click("BitBtnStart05");
    TFormBruchGrundHilfe* help = h.fractions->grundHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->isVisible());
    int opened = 0;
    QWidget* modal = nullptr;
    auto closeSoon = [&] {
        QTimer::singleShot(0, [&] {
            ++opened;
            modal = QApplication::activeModalWidget();
            help->pageControl()->setCurrentIndex(2);
            help->close();
        });
    };
    closeSoon();
    h.click("BitBtnBruch04");
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(modal, help);
    EXPECT_FALSE(help->isVisible());
    // The tab chosen stays for the next opening.
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(help->pageControl()->currentIndex(), 2);
        help->close();
    });
    h.click("BitBtnBruch04");
    EXPECT_TRUE(h.ts.log.events.contains(QStringLiteral("given 1 1")));
}
