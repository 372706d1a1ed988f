// Whole gap-task series through the real pages (offscreen): the settings page, the page
// 'GrundLuecken' with its two texts around the gap, Enter, the buttons, the number pad,
// and the counts, jingles and notices in the order a pupil meets them.
#include "basicpages.h"
#include "gappage.h"
#include "pageharness.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct GapPageTest : ::testing::Test, PageHarness {
    BasicPages* basic = nullptr;

    GapPageTest()
    {
        logStatus = true;
        basic = installBasicPages(ctx);
        click("RadioGroupGrund02Item1"); // Lückenaufgaben
    }

    QLineEdit* gap() { return find<QLineEdit>("edGrundLueckenAufgErg"); }
    QLabel* left() { return find<QLabel>("lblLuecken01"); }
    QLabel* right() { return find<QLabel>("lblLuecken02"); }
    void setCount(int n) { find<QSpinBox>("UpDownGrund01")->setValue(n); }
    void setRange(int lower, int upper)
    {
        find<QSpinBox>("GrundUntereGrenze")->setValue(lower);
        find<QSpinBox>("GrundObereGrenze")->setValue(upper);
    }
    void answerWith(const QString& typed)
    {
        gap()->clear();
        QTest::keyClicks(gap(), typed);
        QTest::keyClick(gap(), Qt::Key_Return);
    }
};

} // namespace

TEST_F(GapPageTest, ASeriesWithRightWrongEmptyAndPadAnswers)
{
    setCount(3);
    ts.random.script({14, 9});
    click("BitBtnStart01");
    EXPECT_EQ(pages->currentIndex(), PageGrundLuecken);
    EXPECT_TRUE(pad->padEnabled());
    EXPECT_EQ(left()->text(), "14 +");
    EXPECT_EQ(left()->x(), 240 - 8 * 4);
    EXPECT_EQ(left()->geometry().right() + 1, gap()->x());
    EXPECT_EQ(gap()->x(), 248);
    EXPECT_EQ(right()->text(), "= 23");
    EXPECT_EQ(right()->x(), 376);
    EXPECT_EQ(ts.log.events, QStringList({"changed 3", "given 3 5", "status Aufgabe 1 von 3",
                                          "sound MUSIN02"}));
    ts.log.clear();

    ts.random.script({30, 50});
    answerWith(QStringLiteral("9"));
    EXPECT_EQ(left()->text(), "30 +");
    EXPECT_EQ(right()->text(), "= 80");
    answerWith(QStringLiteral("ab,c "));            // nothing gets through the filter
    answerWith(QStringLiteral("1"));
    ts.random.script({1, 2});
    answerWith(QStringLiteral("2"));
    EXPECT_EQ(ts.log.events,
              QStringList({"correct 3 5", "sound right", "given 3 5", "status Aufgabe 2 von 3",
                           "message Sie haben noch keinen Wert eingegeben!", "sound wrong", kWrong,
                           "sound wrong", kWrong + "Das richtige Ergebnis lautet: 50", "given 3 5",
                           "status Aufgabe 3 von 3"}));
    ts.log.clear();

    click("SB02");
    EXPECT_EQ(gap()->text(), "2");
    click("BitBtnErgebnis01");
    EXPECT_EQ(ts.log.events, QStringList({"correct 3 5", "sound right", "status ", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
}

TEST_F(GapPageTest, MixedCountsEachOperationUnderItsGapTypeAndSkipEnds)
{
    click("RadioGroupGrund01Item4"); // Gemischt
    setCount(4);
    ts.random.script({10, 5, 0, 10, 5, 1, 10, 5, 2, 10, 5, 3, 5});
    click("BitBtnStart01");
    const char* const texts[][2] = {{"10 +", "= 15"}, {"10 -", "= 5"}, {"10 x", "= 50"}, {"10 :", "= 5"}};
    for (const auto& t : texts) {
        EXPECT_EQ(left()->text(), t[0]);
        EXPECT_EQ(right()->text(), t[1]);
        click("btnGrundLueckenAufgUeberspringen");
    }
    EXPECT_EQ(ts.log.events.filter("given"),
              QStringList({"given 3 5", "given 3 6", "given 3 7", "given 3 8"}));
    EXPECT_EQ(ts.log.events.filter("correct").size(), 0);
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_FALSE(ts.random.scriptMisuse);
}

TEST_F(GapPageTest, TimesTableIgnoredNegativesRefusalsAndAbort)
{
    click("RadioGroupGrund01Item2"); // Multiplizieren
    click("RBReihe02");
    ts.random.script({14, 9});
    click("BitBtnStart01");
    EXPECT_EQ(left()->text() + " _ " + right()->text(), "14 x _ = 126");
    click("btnGrundLueckenAufgAbbruch");
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(pad->padEnabled());

    click("RadioGroupGrund01Item3"); // Dividieren
    setRange(-10, 10);
    ts.random.script({0, 5, 3, 0});
    click("BitBtnStart01");
    EXPECT_EQ(left()->text() + " _ " + right()->text(), "(-6) : _ = 3");
    EXPECT_EQ(left()->x(), 240 - 8 * 6);
    ts.log.clear();
    answerWith(QStringLiteral("-2"));
    EXPECT_EQ(ts.log.events.mid(0, 2), QStringList({"correct 3 8", "sound right"}));
    click("btnGrundLueckenAufgAbbruch");

    // Ranges without a task: refused, nothing drawn or counted.
    ts.log.clear();
    setRange(-9, 0);
    click("BitBtnStart01");
    click("RadioGroupGrund01Item2");
    setRange(0, 0);
    click("BitBtnStart01");
    EXPECT_EQ(ts.log.events.filter("Im Zahlenbereich von -9 bis 0").size(), 1);
    EXPECT_EQ(ts.log.events.filter("Im Zahlenbereich von 0 bis 0").size(), 1);
    EXPECT_EQ(ts.log.events.size(), 2);
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
}
