// Expanding and reducing: the draw by difficulty, the four question forms with what they
// show and ask, and the entries that count.
#include "expandreduce.h"
#include "fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;

namespace {

struct FormCase {
    ExpandKind kind;
    int z, n, f, form;
    const char* question;
    std::array<std::int32_t, 3> expected; // En, Ed, Ef
    std::int32_t shownNumerator, shownDenominator;
};

const FormCase kForms[] = {
    // 3/4 expanded with 5: 15/20, the factor field hidden and 0.
    {ExpandKind::Expand, 3, 4, 5, 0, "Erweitere nachfolgenden Bruch mit 5", {15, 20, 0}, 3, 4},
    // 10/20 reduced by 5 is 2/4, not the fully reduced 1/2.
    {ExpandKind::Reduce, 2, 4, 5, 0, "Kürze nachfolgenden Bruch mit 5", {2, 4, 0}, 10, 20},
    {ExpandKind::Expand, 7, 3, 12, 1, "Mit welcher Zahl wurde der nachfolgende Bruch erweitert ?",
     {0, 0, 12}, 7, 3},
    {ExpandKind::Reduce, 7, 3, 12, 1, "Mit welcher Zahl wurde der nachfolgende Bruch gekürzt ?",
     {0, 0, 12}, 84, 36},
    // A whole number (N = 1): the answer's denominator is F itself.
    {ExpandKind::Expand, 6, 1, 9, 2, "Bestimme den Zähler des erweiterten Bruches !", {54, 0, 0}, 6, 1},
    {ExpandKind::Reduce, 6, 1, 9, 2, "Bestimme den Zähler des gekürzten Bruches !", {6, 0, 0}, 54, 9},
    {ExpandKind::Expand, 200, 100, 100, 3, "Bestimme den Nenner des erweiterten Bruches !",
     {0, 10000, 0}, 200, 100},
    {ExpandKind::Reduce, 200, 100, 100, 3, "Bestimme den Nenner des gekürzten Bruches !",
     {0, 100, 0}, 20000, 10000},
};

} // namespace

TEST(ExpandReduce, QuestionFormsAskWhatTheyShow)
{
    for (const FormCase& c : kForms) {
        ExpandReduceTask t;
        t.kind = c.kind;
        t.numerator = c.z;
        t.denominator = c.n;
        t.factor = c.f;
        t.form = c.form;
        SCOPED_TRACE(c.question);
        EXPECT_EQ(t.question().toStdString(), c.question);
        EXPECT_EQ(t.expected(), c.expected);
        EXPECT_EQ(t.shownNumerator(), c.shownNumerator);
        EXPECT_EQ(t.shownDenominator(), c.shownDenominator);
        EXPECT_EQ(t.statType(), c.kind == ExpandKind::Expand ? 5 : 6);
    }
    EXPECT_EQ(expandFactorCaption(ExpandKind::Expand), QStringLiteral("Erweiterungsfaktor:"));
    EXPECT_EQ(expandFactorCaption(ExpandKind::Reduce), QStringLiteral("Ergebnis:"));
}

TEST(ExpandReduce, OnlyVisibleEditsCountAndHiddenOnesPlayNoPart)
{
    // Draws at "leicht": Z, N, F, then the form.
    struct Case {
        int item; // 0 erweitern, 1 kürzen
        std::initializer_list<int> draws;
        QStringList edits; // numerator, denominator, factor as typed
        AnswerState state;
        QString notice;
        int focus;
    };
    const QString stale = QStringLiteral("77"); // left from an earlier task in a hidden edit
    const QString tooFew = QStringLiteral("Zu wenige Eingaben !");
    const Case cases[] = {
        {0, {3, 4, 5, 0}, {"15", "20", stale}, AnswerState::Right, {}, ExpandNumerator},
        {0, {3, 4, 5, 0}, {"15", "", ""}, AnswerState::Notice, tooFew, ExpandNumerator},
        {0, {3, 4, 5, 0}, {"", "", "5"}, AnswerState::Notice, tooFew, ExpandNumerator},
        {1, {2, 4, 5, 0}, {"1", "2", ""}, AnswerState::Wrong, {}, ExpandNumerator},
        {1, {2, 4, 5, 0}, {"2", "4", ""}, AnswerState::Right, {}, ExpandNumerator},
        // Form 1: the factor alone is asked; the fraction edits are hidden.
        {0, {3, 4, 5, 1}, {stale, stale, "5"}, AnswerState::Right, {}, ExpandFactor},
        {0, {3, 4, 5, 1}, {stale, stale, ""}, AnswerState::Notice, tooFew, ExpandFactor},
        {1, {3, 4, 5, 1}, {"", "", "4"}, AnswerState::Wrong, {}, ExpandFactor},
        {0, {6, 1, 9, 2}, {"54", stale, stale}, AnswerState::Right, {}, ExpandNumerator},
        {0, {6, 1, 9, 3}, {stale, "9", stale}, AnswerState::Right, {}, ExpandDenominator},
        {1, {6, 1, 9, 3}, {"", "1 ", ""}, AnswerState::Right, {}, ExpandDenominator},
        {1, {6, 1, 9, 3}, {"", "1,0", ""}, AnswerState::Invalid, {}, ExpandDenominator},
    };
    for (const Case& c : cases) {
        test::ScriptedRandom r;
        r.script(c.draws);
        ExpandReduceTopic topic(
            r,
            [&] {
                FractionSettings s;
                s.arithmeticItem = -1;
                s.otherItem = c.item;
                return s;
            },
            nullptr);
        topic.prepareSeries();
        EXPECT_EQ(topic.drawTask(), c.item == 0 ? 5 : 6);
        const AnswerCheck check = topic.checkAnswer(c.edits);
        SCOPED_TRACE(c.edits.join(QLatin1Char('|')).toStdString());
        EXPECT_EQ(check.state, c.state);
        if (c.state == AnswerState::Notice) {
            EXPECT_EQ(check.error, c.notice);
        }
        EXPECT_EQ(topic.focusField(), c.focus);
        EXPECT_FALSE(r.scriptMisuse);
    }
}

TEST(ExpandReduce, DrawSeedsThenDrawsZNFAndTheForm)
{
    struct Case {
        int difficulty;
        std::vector<int> asked; // the n of every Random(n)
    };
    const Case cases[] = {{0, {21, 11, 16, 4}}, {1, {51, 31, 36, 4}}, {2, {201, 101, 101, 4}}};
    for (const Case& c : cases) {
        test::ScriptedRandom r;
        r.script({3, 4, 5, 0});
        const ExpandReduceTask t = drawExpandReduceTask(ExpandKind::Expand, c.difficulty, r);
        EXPECT_EQ(r.seedings, 1);
        EXPECT_EQ(r.asked, c.asked);
        EXPECT_EQ(t.expected(), (std::array<std::int32_t, 3>{15, 20, 0}));
    }
    // Zeros are drawn again; a factor of 0 or 1 too.
    test::ScriptedRandom r;
    r.script({0, 2, 0, 3, 0, 1, 2, 3});
    const ExpandReduceTask t = drawExpandReduceTask(ExpandKind::Reduce, 0, r);
    EXPECT_EQ(t.numerator, 2);
    EXPECT_EQ(t.denominator, 3);
    EXPECT_EQ(t.factor, 2);
    EXPECT_EQ(t.form, 3);
    EXPECT_FALSE(r.scriptMisuse);
}
