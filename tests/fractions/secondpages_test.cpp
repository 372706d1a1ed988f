// The pages of erweitern / kürzen, ordnen, vergleichen, Bruchteile and the decimal
// conversions through their widgets: whole series with notices, marks on edits and on
// radio groups, counts and jingles in order, and the help of each kind.
#include "fractionhelpwindows.h"
#include "fractionspages.h"
#include "pageharness.h"
#include "updownlong.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;
using namespace quorvel::test;

namespace {

const QColor kWhite(Qt::white), kRed(255, 0, 0), kGreen(0, 255, 0);
const QString kRedNotice = QStringLiteral("message Die Rot gekennzeichneten Werte sind falsch !!!!!!");
const QString kGreenNotice = QStringLiteral("message Die korrigierten Werte sind Grün gekennzeichnet !");

struct KindsHarness : PageHarness {
    FractionsPages* fractions = nullptr;

    KindsHarness(int item, int count, int difficulty = 0)
    {
        QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        fractions = installFractionsPages(ctx);
        pages->setCurrentIndex(PageBruchrechnung);
        // A shown, active window, so the focus moves as for the pupil; the focus entering
        // a group of the settings page clears the other group, so the choice comes after.
        window.show();
        QApplication::setActiveWindow(&window);
        find<QRadioButton>(QStringLiteral("RadioGroupBruch02Item%1").arg(item).toLatin1().constData())->click();
        find<QRadioButton>(QStringLiteral("RadioGroupBruch03Item%1").arg(difficulty).toLatin1().constData())->click();
        find<TUpDownLong>("UpDownBruch01")->setPosition(count);
        logStatus = true;
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name.toLatin1().constData()); }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    void start()
    {
        ts.log.clear();
        click("BitBtnStart05");
    }
    // Types into the named edits (after emptying them); a null string skips an edit.
    void type(const QString& prefix, const QStringList& values)
    {
        for (int i = 0; i < values.size(); ++i) {
            if (values[i].isNull())
                continue;
            QLineEdit* e = edit(prefix + QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')));
            e->clear();
            QTest::keyClicks(e, values[i]);
        }
    }
    void answer(const QString& prefix, const QStringList& values)
    {
        type(prefix, values);
        click("BitBtnBruch03");
    }
    void choose(const QString& group, int item)
    {
        find<QRadioButton>((group + QStringLiteral("Item%1").arg(item)).toLatin1().constData())->click();
    }
    QColor colour(const QString& edit) const
    {
        return this->edit(edit)->palette().color(QPalette::Base);
    }
    QColor groupColour(const char* group) const
    {
        auto* box = find<QGroupBox>(group);
        return box->autoFillBackground() ? box->palette().color(QPalette::Window) : kWhite;
    }
    int checked(const char* group) const
    {
        return find<QButtonGroup>((QByteArray(group) + "Buttons").constData())->checkedId();
    }
    int notebookPage() const { return find<QStackedWidget>("NotebookBruch01")->currentIndex(); }
};

QString erw(int i) { return QStringLiteral("edBruchErw0%1").arg(i); }

} // namespace

TEST(SecondKindsSeries, ErweiternFourFormsThroughTheWidgets)
{
    KindsHarness h(ItemErweitern, 3);
    // 3/4 with 5 asking the fraction; the same asking the factor; 6/1 with 9 asking the numerator.
    h.ts.random.script({3, 4, 5, 0, 3, 4, 5, 1, 6, 1, 9, 2});
    h.start();
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnungAufgaben);
    EXPECT_EQ(h.notebookPage(), PageErweitern);
    EXPECT_EQ(h.text("lblBruchErw01"), QStringLiteral("Erweitere nachfolgenden Bruch mit 5"));
    EXPECT_EQ(h.text("lblBruchErw02"), QStringLiteral("3"));
    EXPECT_EQ(h.text("lblBruchErw03"), QStringLiteral("4"));
    EXPECT_EQ(h.find<QWidget>("PanelBruchErw01")->accessibleName(), QStringLiteral("3/4"));
    EXPECT_TRUE(h.find<QLabel>("lblBruchErw02")->accessibleName().isEmpty()) << "the text is announced";
    EXPECT_FALSE(h.edit(erw(1))->isHidden());
    EXPECT_FALSE(h.edit(erw(2))->isHidden());
    EXPECT_TRUE(h.edit(erw(3))->isHidden());
    EXPECT_TRUE(h.find<QLabel>("lblBruchErw04")->isHidden());
    EXPECT_TRUE(h.find<QLabel>("lblBruchErw06")->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), h.edit(erw(1)));
    h.answer(QStringLiteral("edBruchErw"), {"15", ""});
    h.answer(QStringLiteral("edBruchErw"), {"15", "20"});

    // Form 1: the answer fraction as labels, the factor asked.
    EXPECT_EQ(h.text("lblBruchErw01"), QStringLiteral("Mit welcher Zahl wurde der nachfolgende Bruch erweitert ?"));
    EXPECT_EQ(h.text("lblBruchErw04"), QStringLiteral("15"));
    EXPECT_EQ(h.text("lblBruchErw05"), QStringLiteral("20"));
    EXPECT_EQ(h.text("lblBruchErw06"), QStringLiteral("Erweiterungsfaktor:"));
    EXPECT_EQ(h.edit(erw(3))->accessibleName(), QStringLiteral("Erweiterungsfaktor"));
    EXPECT_TRUE(h.edit(erw(1))->isHidden());
    EXPECT_FALSE(h.edit(erw(3))->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), h.edit(erw(3)));
    h.answer(QStringLiteral("edBruchErw"), {QString(), QString(), ""});
    h.answer(QStringLiteral("edBruchErw"), {QString(), QString(), "4"});
    EXPECT_EQ(h.colour(erw(3)), kRed);
    EXPECT_EQ(h.edit(erw(3))->text(), QStringLiteral("4"));
    h.answer(QStringLiteral("edBruchErw"), {QString(), QString(), "6"});

    // Form 2 with N = 1: the answer's denominator shown is F itself.
    EXPECT_EQ(h.text("lblBruchErw01"), QStringLiteral("Bestimme den Zähler des erweiterten Bruches !"));
    EXPECT_TRUE(h.find<QLabel>("lblBruchErw04")->isHidden());
    EXPECT_EQ(h.text("lblBruchErw05"), QStringLiteral("9"));
    EXPECT_EQ(h.colour(erw(3)), kWhite);
    QTest::keyClicks(h.edit(erw(1)), QStringLiteral("5x4"));
    EXPECT_EQ(h.edit(erw(1))->text(), QStringLiteral("54"));
    QTest::keyClick(h.edit(erw(1)), Qt::Key_Return); // Enter confirms

    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnung);
    const QStringList expected{
        "changed 1",
        "given 1 5",
        "status Aufgabe 1 von 3",
        "sound MUSIN02",
        "message Zu wenige Eingaben !",
        "correct 1 5",
        "sound right",
        "given 1 5",
        "status Aufgabe 2 von 3",
        "message Zu wenige Eingaben !",
        "sound wrong",
        kRedNotice,
        "sound wrong",
        kGreenNotice,
        "given 1 5",
        "status Aufgabe 3 von 3",
        "correct 1 5",
        "sound right",
        "status ",
        "sound MUSIN02",
    };
    EXPECT_EQ(h.ts.log.events, expected);
    EXPECT_FALSE(h.ts.random.scriptMisuse);
}

TEST(SecondKindsSeries, OrdnenMarksEditsAndPositionGroups)
{
    KindsHarness h(ItemOrdnen, 2);
    h.ts.random.script({2, 4, 1, 3, 5, 6, 1, 2, 2, 4, 1, 3});
    h.start();
    EXPECT_EQ(h.notebookPage(), PageOrdnen);
    EXPECT_EQ(h.text("lblBruchOrd01"),
              QStringLiteral("Ordne die folgenden Brüche  nach ihrer Größe in aufsteigender Reihenfolge:"));
    EXPECT_EQ(h.find<QWidget>("PanelBruchOrd01")->accessibleName(), QStringLiteral("2/4"));
    EXPECT_EQ(h.text("lblBruchOrd06"), QStringLiteral("5"));
    EXPECT_EQ(h.find<QGroupBox>("RadioGroupBruchOrd02")->title(), QStringLiteral("Position von Bruch 2"));
    EXPECT_TRUE(h.edit(QStringLiteral("edBruchOrd04"))->toolTip().startsWith(QStringLiteral("Bevor das kgV")));
    h.type(QStringLiteral("edBruchOrd"), {"3", "6", "2", "6", "5", "6"});
    h.choose(QStringLiteral("RadioGroupBruchOrd01"), 1);
    h.choose(QStringLiteral("RadioGroupBruchOrd03"), 2);
    h.click("BitBtnBruch03"); // a group without a choice
    h.choose(QStringLiteral("RadioGroupBruchOrd02"), 0);
    h.click("BitBtnBruch03");

    // 1/2, 2/4, 1/3: positions 1, 1, 0. First a plain order 2, 3, 1 with an unreduced first row.
    EXPECT_EQ(h.checked("RadioGroupBruchOrd01"), -1);
    h.type(QStringLiteral("edBruchOrd"), {"6", "12", "3", "6", "2", "6"});
    h.choose(QStringLiteral("RadioGroupBruchOrd01"), 1);
    h.choose(QStringLiteral("RadioGroupBruchOrd02"), 2);
    h.choose(QStringLiteral("RadioGroupBruchOrd03"), 0);
    h.click("BitBtnBruch03");
    EXPECT_EQ(h.colour(QStringLiteral("edBruchOrd01")), kRed);
    EXPECT_EQ(h.colour(QStringLiteral("edBruchOrd03")), kWhite);
    EXPECT_EQ(h.groupColour("RadioGroupBruchOrd01"), kWhite);
    EXPECT_EQ(h.groupColour("RadioGroupBruchOrd02"), kRed);
    EXPECT_EQ(h.find<QGroupBox>("RadioGroupBruchOrd02")->accessibleDescription(), QStringLiteral("falsch"));
    EXPECT_EQ(h.checked("RadioGroupBruchOrd02"), 2) << "the choice stays";
    h.click("BitBtnBruch03"); // the same again: green with the solutions, the end
    EXPECT_EQ(h.groupColour("RadioGroupBruchOrd02"), kGreen);
    EXPECT_EQ(h.checked("RadioGroupBruchOrd02"), 1);
    EXPECT_EQ(h.edit(QStringLiteral("edBruchOrd01"))->text(), QStringLiteral("3"));
    EXPECT_EQ(h.edit(QStringLiteral("edBruchOrd02"))->text(), QStringLiteral("6"));
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnung);
    EXPECT_EQ(h.ts.log.events,
              (QStringList{"changed 1", "given 1 7", "status Aufgabe 1 von 2", "sound MUSIN02",
                           "message Zu wenige Werte !", "correct 1 7", "sound right", "given 1 7",
                           "status Aufgabe 2 von 2", "sound wrong", kRedNotice, "sound wrong",
                           kGreenNotice, "status ", "sound MUSIN02"}));
}

TEST(SecondKindsSeries, VergleichenWithTheRelationGroup)
{
    KindsHarness h(ItemVergleichen, 2);
    h.ts.random.script({5, 7, 2, 3, 12, 4, 6, 2});
    h.start();
    EXPECT_EQ(h.notebookPage(), PageVergleich);
    EXPECT_EQ(h.text("lblBruchVer01"), QStringLiteral("Vergleiche die nachfolgenden Brüche:"));
    EXPECT_EQ(h.find<QWidget>("PanelBruchVer02")->accessibleName(), QStringLiteral("2/3"));
    h.click("BitBtnBruch03"); // nothing given
    h.type(QStringLiteral("edBruchVer"), {"15", "21", "14", "21"});
    h.choose(QStringLiteral("RadioGroupBruchVer01"), 1);
    h.click("BitBtnBruch03");
    EXPECT_EQ(h.groupColour("RadioGroupBruchVer01"), kRed);
    EXPECT_EQ(h.colour(QStringLiteral("edBruchVer01")), kWhite);
    h.choose(QStringLiteral("RadioGroupBruchVer01"), 0);
    h.click("BitBtnBruch03"); // right at the second try: not counted as correct

    // 12/4 and 6/2 both reduce to 3/1.
    EXPECT_EQ(h.groupColour("RadioGroupBruchVer01"), kWhite);
    EXPECT_EQ(h.checked("RadioGroupBruchVer01"), -1);
    h.type(QStringLiteral("edBruchVer"), {"3", "1", "3", "1"});
    h.choose(QStringLiteral("RadioGroupBruchVer01"), 2);
    h.click("BitBtnBruch03");
    EXPECT_EQ(h.ts.log.events,
              (QStringList{"changed 1", "given 1 8", "status Aufgabe 1 von 2", "sound MUSIN02",
                           "message Zu wenige Werte !", "sound wrong", kRedNotice, "sound right",
                           "given 1 8", "status Aufgabe 2 von 2", "correct 1 8", "sound right",
                           "status ", "sound MUSIN02"}));
}

TEST(SecondKindsSeries, BruchteileTakeAnyKeyAndReportBadText)
{
    KindsHarness h(ItemBruchteile, 2);
    h.ts.random.script({3, 4, 10, 2, 5, 5});
    h.start();
    EXPECT_EQ(h.notebookPage(), PageBruchteile);
    EXPECT_EQ(h.text("lblBruchBrt01"), QStringLiteral("Bestimme folgenden Bruchteil:"));
    EXPECT_EQ(h.text("lblBruchBrt04"), QStringLiteral("von 10"));
    EXPECT_EQ(h.find<QWidget>("PanelBruchBrt01")->accessibleName(), QStringLiteral("3/4"));
    h.click("BitBtnBruch03");
    h.answer(QStringLiteral("edBruchBrt"), {"30", "4", "15", ""});
    h.answer(QStringLiteral("edBruchBrt"), {"30", "4", "15", "zwei"});
    EXPECT_EQ(h.edit(QStringLiteral("edBruchBrt04"))->text(), QStringLiteral("zwei"));
    h.answer(QStringLiteral("edBruchBrt"), {"30", "4", "15", "2"});

    // 2/5 of 5: 10/5, reduced 2/1. Enter in a field confirms.
    EXPECT_EQ(h.text("lblBruchBrt04"), QStringLiteral("von 5"));
    h.type(QStringLiteral("edBruchBrt"), {"10", "5", "2", "1"});
    QTest::keyClick(h.edit(QStringLiteral("edBruchBrt04")), Qt::Key_Return);
    EXPECT_EQ(h.ts.log.events,
              (QStringList{"changed 1", "given 1 9", "status Aufgabe 1 von 2", "sound MUSIN02",
                           "message Es wurde noch kein Wert eingegeben !", "message Zu wenige Werte !",
                           "error 'zwei' ist kein gültiger Integerwert.", "correct 1 9", "sound right",
                           "given 1 9", "status Aufgabe 2 von 2", "correct 1 9", "sound right",
                           "status ", "sound MUSIN02"}));
}

TEST(SecondKindsSeries, KommazahlToFractionThenSkipToTheEnd)
{
    KindsHarness h(ItemKommaBruch, 2);
    h.ts.random.script({40, 1, 5, 0});
    h.start();
    EXPECT_EQ(h.notebookPage(), PageKommaBruch);
    EXPECT_EQ(h.text("lblBruchKB01"), QStringLiteral("Wandle folgende Kommazahl in eine Bruchzahl um:"));
    EXPECT_EQ(h.text("lblBruchKB03"), QStringLiteral("0,41"));
    EXPECT_EQ(h.find<QWidget>("PanelBruchKB01")->accessibleName(), QStringLiteral("0,41"));
    EXPECT_TRUE(h.find<QLabel>("lblBruchKB02")->isHidden());
    EXPECT_FALSE(h.edit(QStringLiteral("edBruchKB04"))->isHidden());
    EXPECT_EQ(h.edit(QStringLiteral("edBruchKB01"))->toolTip(), QStringLiteral("ungekürzter Bruch"));
    h.answer(QStringLiteral("edBruchKB"), {"41", "100", "41", "100"});
    EXPECT_EQ(h.text("lblBruchKB03"), QStringLiteral("0,5"));
    h.answer(QStringLiteral("edBruchKB"), {"5", "10", "5", "10"});
    EXPECT_EQ(h.colour(QStringLiteral("edBruchKB01")), kWhite);
    EXPECT_EQ(h.colour(QStringLiteral("edBruchKB03")), kRed);
    EXPECT_EQ(h.colour(QStringLiteral("edBruchKB04")), kRed);
    h.click("BitBtnBruch02"); // skip on the last task ends the series
    EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnung);
    EXPECT_EQ(h.ts.log.events,
              (QStringList{"changed 1", "given 1 10", "status Aufgabe 1 von 2", "sound MUSIN02",
                           "correct 1 10", "sound right", "given 1 10", "status Aufgabe 2 von 2",
                           "sound wrong", kRedNotice, "status ", "sound MUSIN02"}));
}

TEST(SecondKindsSeries, FractionToKommazahlComparesTheDecimalExactly)
{
    KindsHarness h(ItemBruchKomma, 2, 1);
    // 9/24 (M = 3, A = 3, B = 8); then 6 * 7 / 6 * 4 = 42/24.
    h.ts.random.script({3, 3, 3, 6, 7, 1});
    h.start();
    EXPECT_EQ(h.text("lblBruchKB01"), QStringLiteral("Wandle folgenden Bruch in eine Kommazahl um:"));
    EXPECT_EQ(h.text("lblBruchKB02"), QStringLiteral("9"));
    EXPECT_EQ(h.text("lblBruchKB03"), QStringLiteral("24"));
    EXPECT_EQ(h.find<QWidget>("PanelBruchKB01")->accessibleName(), QStringLiteral("9/24"));
    EXPECT_TRUE(h.edit(QStringLiteral("edBruchKB04"))->isHidden());
    EXPECT_EQ(h.edit(QStringLiteral("edBruchKB03"))->accessibleName(), QStringLiteral("Kommazahl"));
    EXPECT_EQ(h.edit(QStringLiteral("edBruchKB01"))->toolTip(), QStringLiteral("geeignet erweiterter Bruch"));
    h.answer(QStringLiteral("edBruchKB"), {"375", "1000", "0,3750"});

    // 42/24 = 7/4 = 175/100 = 1,75.
    h.answer(QStringLiteral("edBruchKB"), {"175", "100", "1,7"});
    h.answer(QStringLiteral("edBruchKB"), {"175", "100", "1,7,5"}); // no number: nothing changes
    EXPECT_EQ(h.colour(QStringLiteral("edBruchKB03")), kRed);
    h.answer(QStringLiteral("edBruchKB"), {"175", "10", "1,8"});
    EXPECT_EQ(h.colour(QStringLiteral("edBruchKB01")), kWhite);
    EXPECT_EQ(h.colour(QStringLiteral("edBruchKB02")), kGreen);
    EXPECT_EQ(h.edit(QStringLiteral("edBruchKB02"))->text(), QStringLiteral("100"));
    EXPECT_EQ(h.edit(QStringLiteral("edBruchKB03"))->text(), QStringLiteral("1,75"));
    EXPECT_EQ(h.ts.log.events,
              (QStringList{"changed 1", "given 1 11", "status Aufgabe 1 von 2", "sound MUSIN02",
                           "correct 1 11", "sound right", "given 1 11", "status Aufgabe 2 von 2",
                           "sound wrong", kRedNotice, "error '1,7,5' ist kein gültiger Gleitkommawert.",
                           "sound wrong", kGreenNotice, "status ", "sound MUSIN02"}));
    EXPECT_FALSE(h.ts.random.scriptMisuse);
}

TEST(SecondKindsHelp, WindowsModallyAndRuleTextsInTheMessageWindow)
{
    struct Case {
        int item;
        const char* window; // empty: a message
        const char* messageStart;
    };
    const Case cases[] = {
        {ItemErweitern, "FormBruchErwHilfe", ""},
        {ItemKuerzen, "FormBruchErwHilfe", ""},
        {ItemOrdnen, "", "Damit man Brüche nach ihrer Größe ordnen kann, werden sie zunächst\r"},
        {ItemVergleichen, "", "Um Brüche miteinander vergleichen zu können, muß man sie\r"},
        {ItemBruchteile, "", "Um den Bruchteil einer Zahl zu bestimmen, multipliziert man\r"},
        {ItemKommaBruch, "FormBruchKBHilfe", ""},
        {ItemBruchKomma, "FormBruchKBHilfe", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        KindsHarness h(c.item, 1);
        h.start();
        h.ts.log.clear();
        QString modal;
        QTimer::singleShot(0, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                modal = w->objectName();
                w->close();
            }
        });
        h.click("BitBtnBruch04");
        EXPECT_EQ(modal, QString::fromLatin1(c.window));
        if (*c.messageStart) {
            ASSERT_EQ(h.ts.messages.messages.size(), 1u);
            EXPECT_TRUE(h.ts.messages.messages[0].text.startsWith(QString::fromUtf8(c.messageStart)));
        } else {
            EXPECT_TRUE(h.ts.messages.messages.empty());
        }
        // Help changes nothing in the series: no count, no jingle.
        EXPECT_EQ(h.ts.log.events.size(), *c.messageStart ? 1 : 0);
        EXPECT_EQ(h.pages->currentIndex(), PageBruchrechnungAufgaben);
    }
}
