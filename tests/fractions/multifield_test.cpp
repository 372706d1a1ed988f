// The multi-field answer without a window: counting filled fields, reading them,
// the verdict per field, and the marks of two wrong tries in the series frame.
#include "fakes.h"
#include "fractionkind.h"
#include "multifield.h"

#include <Qt>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;
using namespace quorvel::test;

namespace {

std::vector<AnswerField> sixFields(bool onlyFirstTwo = false)
{
    std::vector<AnswerField> f;
    const int expected[] = {3, 12, 2, 12, 5, 12};
    for (int i = 0; i < 6; ++i)
        f.push_back(AnswerField::integer(expected[i], !onlyFirstTwo || i < 2));
    return f;
}

} // namespace

TEST(MultiField, FilledFieldsDecideBetweenNoticeAndCheck)
{
    struct Case {
        QStringList texts;
        bool onlyTwo;
        FieldOutcome outcome;
        int filled;
    };
    const Case cases[] = {
        {{"", "", "", "", "", ""}, false, FieldOutcome::NoValue, 0},
        {{" ", "", "  ", "", "", ""}, false, FieldOutcome::NoValue, 0},
        {{"3", "", "", "", "", ""}, false, FieldOutcome::TooFew, 1},
        {{"3", "12", "2", "12", "5", ""}, false, FieldOutcome::TooFew, 5},
        {{"3", "12", "2", "12", "5", "12"}, false, FieldOutcome::Right, 6},
        {{"3", "12", "2", "12", "5", "11"}, false, FieldOutcome::Wrong, 6},
        {{" 3 ", "12", "2", "12", "5", "12"}, false, FieldOutcome::Right, 6},
        // Hidden fields are neither counted nor read, whatever they still hold.
        {{"3", "12", "", "", "", ""}, true, FieldOutcome::Right, 2},
        {{"3", "12", "x", "", "99", ""}, true, FieldOutcome::Right, 2},
        {{"", "", "7", "7", "7", "7"}, true, FieldOutcome::NoValue, 0},
        {{"3", "", "", "", "", ""}, true, FieldOutcome::TooFew, 1},
        // Texts a pasted or blank-separated entry can leave.
        {{"3", "1 2", "2", "12", "5", "12"}, false, FieldOutcome::Invalid, 6},
        {{"3", "12", "2", "1,2", "5", "12"}, false, FieldOutcome::Invalid, 6},
        {{"3", "12", "2", "12", "5", "99999999999"}, false, FieldOutcome::Invalid, 6},
    };
    for (const Case& c : cases) {
        const FieldJudgement j = judgeFields(sixFields(c.onlyTwo), c.texts);
        EXPECT_EQ(j.outcome, c.outcome) << c.texts.join('|').toStdString();
        EXPECT_EQ(j.filled, c.filled) << c.texts.join('|').toStdString();
    }
    const FieldJudgement bad = judgeFields(sixFields(), {"3", "1 2", "2", "1,2", "5", "12"});
    EXPECT_EQ(bad.invalidField, 1);
    EXPECT_EQ(bad.error, QStringLiteral("'1 2' ist kein gültiger Integerwert."));
    EXPECT_TRUE(bad.wrong.empty());
}

TEST(MultiField, VerdictPerFieldAndMarksOfTwoTries)
{
    const auto fields = sixFields();
    const FieldJudgement j = judgeFields(fields, {"3", "12", "4", "12", "7", "12"});
    ASSERT_EQ(j.outcome, FieldOutcome::Wrong);
    EXPECT_EQ(j.wrong, (std::vector<bool>{false, false, true, false, true, false}));

    const FieldMarks red = marksAfterWrongTry(fields, j.wrong, false);
    EXPECT_EQ(red.marks, (std::vector<FieldMark>{FieldMark::None, FieldMark::None, FieldMark::Red,
                                                 FieldMark::None, FieldMark::Red, FieldMark::None}));
    for (const QString& t : red.correctedText)
        EXPECT_TRUE(t.isNull());

    const FieldJudgement j2 = judgeFields(fields, {"3", "10", "4", "12", "5", "12"});
    const FieldMarks green = marksAfterWrongTry(fields, j2.wrong, true);
    EXPECT_EQ(green.marks, (std::vector<FieldMark>{FieldMark::None, FieldMark::Green, FieldMark::Green,
                                                   FieldMark::None, FieldMark::None, FieldMark::None}));
    EXPECT_EQ(green.correctedText[1], QStringLiteral("12"));
    EXPECT_EQ(green.correctedText[2], QStringLiteral("2"));
    EXPECT_TRUE(green.correctedText[0].isNull());
}

TEST(MultiField, DecimalAndChoiceFields)
{
    const std::vector<AnswerField> fields{AnswerField::integer(375), AnswerField::decimal(0.375),
                                          AnswerField::choice(2)};
    EXPECT_EQ(judgeFields(fields, {"375", "0,3750", "2"}).outcome, FieldOutcome::Right);
    EXPECT_EQ(judgeFields(fields, {"375", "0,375", ""}).outcome, FieldOutcome::TooFew);
    const FieldJudgement w = judgeFields(fields, {"375", "0,38", "1"});
    EXPECT_EQ(w.wrong, (std::vector<bool>{false, true, true}));
    const FieldMarks m = marksAfterWrongTry(fields, w.wrong, true);
    EXPECT_EQ(m.correctedText[1], QStringLiteral("0,375"));
    EXPECT_EQ(m.correctedText[2], QStringLiteral("2"));
    const FieldJudgement bad = judgeFields(fields, {"375", "0.375", "2"});
    EXPECT_EQ(bad.outcome, FieldOutcome::Invalid);
    EXPECT_EQ(bad.error, QStringLiteral("'0.375' ist kein gültiger Gleitkommawert."));

    struct D {
        const char* text;
        bool ok;
        double value;
    };
    const D decimals[] = {{"0,375", true, 0.375}, {"3", true, 3}, {"3,", true, 3}, {",5", true, 0.5},
                          {"", false, 0},        {",", false, 0}, {"1,2,3", false, 0}, {"1e3", false, 0}};
    for (const D& d : decimals) {
        double v = -1;
        EXPECT_EQ(parseCommaDecimal(QString::fromLatin1(d.text), v), d.ok) << d.text;
        if (d.ok) {
            EXPECT_EQ(v, d.value) << d.text;
        }
    }
    EXPECT_EQ(commaDecimalText(3), QStringLiteral("3"));
    EXPECT_EQ(commaDecimalText(0.41), QStringLiteral("0,41"));
}

TEST(MultiField, KeyFilter)
{
    struct K {
        int key;
        const char* text;
        FieldKey verdict;
    };
    const K keys[] = {{Qt::Key_5, "5", FieldKey::Pass},        {Qt::Key_0, "0", FieldKey::Pass},
                      {Qt::Key_Space, " ", FieldKey::Pass},    {Qt::Key_Comma, ",", FieldKey::Pass},
                      {Qt::Key_Backspace, "\b", FieldKey::Pass}, {Qt::Key_Delete, "\x7f", FieldKey::Pass},
                      {Qt::Key_Left, "", FieldKey::Pass},      {Qt::Key_Tab, "\t", FieldKey::Pass},
                      {Qt::Key_Shift, "", FieldKey::Pass},     {Qt::Key_Return, "\r", FieldKey::Confirm},
                      {Qt::Key_Enter, "\r", FieldKey::Confirm}, {Qt::Key_A, "a", FieldKey::Drop},
                      {Qt::Key_Minus, "-", FieldKey::Drop},    {Qt::Key_Period, ".", FieldKey::Drop},
                      {Qt::Key_V, "\x16", FieldKey::Drop}};
    for (const K& k : keys)
        EXPECT_EQ(fieldKeyVerdict(k.key, QString::fromLatin1(k.text)), k.verdict) << k.text;
}

namespace {

// A kind with three fields of which the third is hidden on even tasks.
class ToyKind final : public FractionKindTopic {
public:
    int drawTask() override
    {
        ++drawn;
        setAnswerFields({AnswerField::integer(1), AnswerField::integer(2),
                         AnswerField::integer(3, drawn % 2 == 1)});
        return 5;
    }
    int drawn = 0;
};

} // namespace

TEST(MultiField, TwoWrongTriesInTheSeriesFrame)
{
    TestServices ts;
    ToyKind kind;
    std::vector<FieldMarks> painted;
    kind.setMarkPainter([&](const FieldMarks& m) { painted.push_back(m); });
    NullView view;
    ExerciseSeries series(ts.services, kind, view, false);
    ASSERT_TRUE(series.begin(2));
    ts.log.clear();

    series.confirm(QStringList{"", "", ""});
    series.confirm(QStringList{"1", "", ""});
    series.confirm(QStringList{"1", "x", "3"});
    series.confirm(QStringList{"1", "5", "3"}); // first wrong try
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].marks[1], FieldMark::Red);
    EXPECT_EQ(painted[0].marks[0], FieldMark::None);
    series.confirm(QStringList{"4", "5", "3"}); // second: the next task follows
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_EQ(painted[1].marks, (std::vector<FieldMark>{FieldMark::Green, FieldMark::Green, FieldMark::None}));
    EXPECT_EQ(painted[1].correctedText[0], QStringLiteral("1"));
    EXPECT_EQ(painted[1].correctedText[1], QStringLiteral("2"));
    // Second task: the third field is hidden, two fields are enough; wrong once, then right.
    series.confirm(QStringList{"1", "3", ""});
    series.confirm(QStringList{"1", "2", "old"});

    const QStringList expected{
        "message Du hast noch keinen Wert eingegeben !",
        "message Zu wenige Werte !",
        "error 'x' ist kein gültiger Integerwert.",
        "sound wrong",
        "message Die Rot gekennzeichneten Werte sind falsch !!!!!!",
        "sound wrong",
        "message Die korrigierten Werte sind Grün gekennzeichnet !",
        "given 1 5",
        "sound wrong",
        "message Die Rot gekennzeichneten Werte sind falsch !!!!!!",
        "sound right",
        "sound MUSIN02",
    };
    EXPECT_EQ(ts.log.events, expected);
    EXPECT_FALSE(series.running());
}
