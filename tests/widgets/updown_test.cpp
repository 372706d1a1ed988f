// The 32-bit spinner: number text, steps and limits, arrow keys, typing.
#include "updownlong.h"
#include "updownvalue.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

using namespace quorvel;

struct FormatCase {
    std::int32_t value;
    bool thousands;
    const char* text;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, GermanGroupingOnlyWithThousands)
{
    const auto& t = GetParam();
    EXPECT_EQ(formatUpDownValue(t.value, t.thousands), t.text);
    const auto back = parseUpDownText(t.text);
    ASSERT_TRUE(back.has_value()) << t.text;
    EXPECT_EQ(*back, t.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatTest,
    ::testing::Values(FormatCase{0, true, "0"}, FormatCase{999, true, "999"},
                      FormatCase{1000, true, "1.000"}, FormatCase{1000, false, "1000"},
                      FormatCase{2147400000, true, "2.147.400.000"},
                      FormatCase{2147400000, false, "2147400000"},
                      FormatCase{-1234567, true, "-1.234.567"},
                      FormatCase{std::numeric_limits<std::int32_t>::min(), true,
                                 "-2.147.483.648"}));

struct ParseCase {
    const char* text;
    bool ok;
    std::int32_t value;
};

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsWholeNumbersOnly)
{
    const auto& t = GetParam();
    const auto v = parseUpDownText(t.text);
    EXPECT_EQ(v.has_value(), t.ok) << t.text;
    if (t.ok && v) {
        EXPECT_EQ(*v, t.value) << t.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseTest,
                         ::testing::Values(ParseCase{"", false, 0}, ParseCase{"   ", false, 0},
                                           ParseCase{"12", true, 12}, ParseCase{" 12 ", true, 12},
                                           ParseCase{"1.000", true, 1000},
                                           ParseCase{"+7", true, 7}, ParseCase{"-", false, 0},
                                           ParseCase{"12a", false, 0}, ParseCase{"1,5", false, 0},
                                           ParseCase{"1..0", false, 0}, ParseCase{".5", false, 0},
                                           ParseCase{"5.", false, 0},
                                           ParseCase{"99999999999999", true, 2147483647},
                                           ParseCase{"-99999999999999", true, -2147483647 - 1}));

TEST(UpDownValue, StepsStopAtTheLimitsWithoutOverflow)
{
    EXPECT_EQ(stepPosition(999, 1, 1, 1000), 1000);
    EXPECT_EQ(stepPosition(1000, 1, 1, 1000), 1000);
    EXPECT_EQ(stepPosition(1, -1, 1, 1000), 1);
    EXPECT_EQ(stepPosition(2147399500, 1000, 0, 2147400000), 2147400000);
    EXPECT_EQ(stepPosition(500, -1000, 0, 2147400000), 0);
    EXPECT_EQ(stepPosition(2147483647, 1000, -5, 2147483647), 2147483647);
    EXPECT_EQ(wrapStepPosition(1000, 1, 1, 1000), 1);
    EXPECT_EQ(wrapStepPosition(1, -1, 1, 1000), 1000);
    EXPECT_EQ(wrapStepPosition(500, 1, 1, 1000), 501);
    EXPECT_EQ(positionFromText("abc", 1, 1000, 10), 10);
    EXPECT_EQ(positionFromText("5000", 1, 1000, 10), 1000);
    EXPECT_EQ(positionFromText("0", 1, 1000, 10), 1);
}

TEST(UpDownLong, DefaultsAndAssociation)
{
    TUpDownLong u;
    EXPECT_EQ(u.Min(), 0);
    EXPECT_EQ(u.Max(), 100);
    EXPECT_EQ(u.Position(), 0);
    EXPECT_EQ(u.Increment(), 1);
    EXPECT_TRUE(u.Thousands());
    EXPECT_TRUE(u.ArrowKeys());
    EXPECT_FALSE(u.Wrap());

    QWidget page;
    QLineEdit edit(&page);
    edit.setGeometry(100, 50, 80, 21);
    TUpDownLong spinner(&page);
    spinner.setMax(5000);
    spinner.setPosition(1234);
    spinner.setAssociate(&edit);
    EXPECT_EQ(edit.text(), "1.234") << "associating writes the position";
    EXPECT_EQ(edit.geometry(), QRect(100, 50, 80 - TUpDownLong::kButtonWidth, 21));
    EXPECT_EQ(spinner.geometry(), QRect(164, 50, TUpDownLong::kButtonWidth, 21));
}

struct SpinnerCase {
    const char* name;
    UpDownSetup setup;
    std::int32_t start;
    int clicks;       // positive: upper button, negative: lower button
    std::int32_t expected;
    const char* shown;
};

class SpinnerClicks : public ::testing::TestWithParam<SpinnerCase> {};

TEST_P(SpinnerClicks, ButtonsStepAndStopAtTheLimits)
{
    const auto& t = GetParam();
    QWidget page;
    page.resize(300, 100);
    TUpDownLong* u = addUpDownLong(&page, {10, 10, 121, 21}, "Edit", "UpDown", t.setup);
    u->setPosition(t.start);
    const QPoint upper(u->width() / 2, 2);
    const QPoint lower(u->width() / 2, u->height() - 3);
    for (int i = 0; i < std::abs(t.clicks); ++i)
        QTest::mouseClick(u, Qt::LeftButton, {}, t.clicks > 0 ? upper : lower);
    EXPECT_EQ(u->Position(), t.expected);
    EXPECT_EQ(u->Associate()->text(), t.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinnerClicks,
    ::testing::Values(SpinnerCase{"up", kTaskCountSpinner, 10, 3, 13, "13"},
                      SpinnerCase{"down", kTaskCountSpinner, 10, -4, 6, "6"},
                      SpinnerCase{"stopsAtOne", kTaskCountSpinner, 2, -5, 1, "1"},
                      SpinnerCase{"stopsAtThousand", kTaskCountSpinner, 998, 5, 1000, "1.000"},
                      SpinnerCase{"primeStep", kPrimeRangeSpinner, 0, 1, 1000, "1000"},
                      SpinnerCase{"primeSteps", kPrimeRangeSpinner, 0, 3, 3000, "3000"},
                      SpinnerCase{"primeFloor", kPrimeRangeSpinner, 500, -1, 0, "0"},
                      SpinnerCase{"primeTop", kPrimeRangeSpinner, 2147399500, 2, 2147400000,
                                  "2147400000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpDownLong, TaskCountSpinnerStartsAtTen)
{
    QWidget page;
    TUpDownLong* u = addUpDownLong(&page, {0, 0, 60, 21}, "EditZahlen01", "UpDownZahlen01",
                                   kTaskCountSpinner);
    EXPECT_EQ(u->objectName(), "UpDownZahlen01");
    EXPECT_EQ(u->Associate()->objectName(), "EditZahlen01");
    EXPECT_EQ(u->accessibleName(), "UpDownZahlen01");
    EXPECT_EQ(u->Associate()->accessibleName(), "EditZahlen01");
    EXPECT_EQ(u->Position(), 10);
    EXPECT_EQ(u->Associate()->text(), "10");
    u->setPosition(1000);
    EXPECT_EQ(u->Associate()->text(), "1.000");
    u->setThousands(false);
    EXPECT_EQ(u->Associate()->text(), "1000");
    u->setPosition(0);
    EXPECT_EQ(u->Position(), 1);
}

TEST(UpDownLong, ArrowKeysInTheEditStep)
{
    QWidget page;
    TUpDownLong* u = addUpDownLong(&page, {0, 0, 60, 21}, "E", "U", kTaskCountSpinner);
    QLineEdit* edit = u->Associate();
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(u->Position(), 12);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "11");
    u->setArrowKeys(false);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(u->Position(), 11);
}

TEST(UpDownLong, WrapContinuesAtTheOtherEnd)
{
    QWidget page;
    TUpDownLong* u = addUpDownLong(&page, {0, 0, 60, 21}, "E", "U", kTaskCountSpinner);
    u->setWrap(true);
    u->setPosition(1000);
    QTest::keyClick(u->Associate(), Qt::Key_Up);
    EXPECT_EQ(u->Position(), 1);
    QTest::keyClick(u->Associate(), Qt::Key_Down);
    EXPECT_EQ(u->Associate()->text(), "1.000");
}

TEST(UpDownLong, TypedTextIsReadBackAsPosition)
{
    QWidget page;
    TUpDownLong* u = addUpDownLong(&page, {0, 0, 60, 21}, "E", "U", kTaskCountSpinner);
    QLineEdit* edit = u->Associate();
    edit->selectAll();
    QTest::keyClicks(edit, "250");
    EXPECT_EQ(edit->text(), "250");
    EXPECT_EQ(u->Position(), 250);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(u->Position(), 251) << "a step starts from the typed value";

    edit->selectAll();
    QTest::keyClicks(edit, "5000");
    EXPECT_EQ(u->Position(), 1000) << "held to Max";
    edit->selectAll();
    QTest::keyClicks(edit, "0");
    EXPECT_EQ(u->Position(), 1) << "held to Min";
    edit->selectAll();
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(u->Position(), 1) << "no number: the last good value";
    emit edit->editingFinished();
    EXPECT_EQ(edit->text(), "1") << "leaving the edit shows the value it stands for";

    edit->selectAll();
    QTest::keyClicks(edit, "2.000");
    EXPECT_EQ(u->Position(), 1000);
}

TEST(UpDownLong, PrimeSpinnerReadsTheFull32BitValue)
{
    QWidget page;
    TUpDownLong* u = addUpDownLong(&page, {0, 0, 121, 21}, "edPrimCalc01", "UpDownPrimCalc01",
                                   kPrimeRangeSpinner);
    EXPECT_EQ(u->Associate()->text(), "0");
    u->Associate()->setText("2000000000");
    EXPECT_EQ(u->Position(), 2000000000);
    u->setPosition(2147483647);
    EXPECT_EQ(u->Position(), 2147400000);
    EXPECT_EQ(u->Associate()->text(), "2147400000");
}

TEST(UpDownLong, RangeFieldsKeepWhatWasTypedWhenLeft)
{
    QWidget page;
    TUpDownLong* u = addUpDownLong(&page, {0, 0, 121, 21}, "edPrimCalc02", "UpDownPrimCalc02",
                                   kPrimeRangeSpinner);
    QLineEdit* edit = u->Associate();
    edit->setText("5000");
    edit->clear();
    emit edit->editingFinished();
    EXPECT_EQ(edit->text(), "") << "an emptied range field stays empty for the page to report";
    edit->setText("99999999999");
    emit edit->editingFinished();
    EXPECT_EQ(edit->text(), "99999999999");
    EXPECT_EQ(u->Position(), 2147400000) << "the spinner itself stays within its range";
}
