// The answer field's key filter and the conversion of its text to a whole number.
#include "answerinput.h"
#include "conversionerror.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::basic;

TEST(AnswerKeys, DigitsMinusAndBackspacePassEverythingElseIsDropped)
{
    const struct { int key; const char* text; KeyVerdict verdict; } rows[] = {
        {Qt::Key_0, "0", KeyVerdict::Pass},         {Qt::Key_9, "9", KeyVerdict::Pass},
        {Qt::Key_Minus, "-", KeyVerdict::Pass},     {Qt::Key_Backspace, "\b", KeyVerdict::Pass},
        {Qt::Key_A, "a", KeyVerdict::Drop},         {Qt::Key_Space, " ", KeyVerdict::Drop},
        {Qt::Key_Comma, ",", KeyVerdict::Drop},     {Qt::Key_Period, ".", KeyVerdict::Drop},
        {Qt::Key_Plus, "+", KeyVerdict::Drop},      {Qt::Key_V, "\x16", KeyVerdict::Drop},
        {Qt::Key_Return, "\r", KeyVerdict::Confirm}, {Qt::Key_Enter, "\r", KeyVerdict::Confirm},
        {Qt::Key_Left, "", KeyVerdict::Pass},       {Qt::Key_Delete, "\x7f", KeyVerdict::Pass},
        {Qt::Key_Tab, "\t", KeyVerdict::Pass},      {Qt::Key_Shift, "", KeyVerdict::Pass},
        {Qt::Key_Egrave, "è", KeyVerdict::Drop},
    };
    for (const auto& row : rows)
        EXPECT_EQ(answerKeyVerdict(row.key, QString::fromUtf8(row.text)), row.verdict) << row.text;
}

TEST(AnswerText, SignedThirtyTwoBitIntegers)
{
    const struct { const char* text; bool ok; int value; } rows[] = {
        {"19", true, 19},
        {"-7", true, -7},
        {"0", true, 0},
        {"-0", true, 0},
        {"007", true, 7},
        {"+5", true, 5},
        {" 42 ", true, 42},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999", false, 0},
        {"12a", false, 0},
        {"-", false, 0},
        {"12-", false, 0},
        {"--3", false, 0},
        {"1 2", false, 0},
        {"3,5", false, 0},
        {"", false, 0},
        {" ", false, 0},
    };
    for (const auto& row : rows) {
        const auto v = parseInt32(QString::fromLatin1(row.text));
        EXPECT_EQ(v.has_value(), row.ok) << row.text;
        if (row.ok && v) {
            EXPECT_EQ(*v, row.value) << row.text;
        }
    }
}

TEST(AnswerText, ConversionErrorNamesTheTextAndEndsWithAFullStop)
{
    EXPECT_EQ(integerConversionError("12a"), "'12a' ist kein gültiger Integerwert.");
    EXPECT_EQ(integerConversionError("-"), "'-' ist kein gültiger Integerwert.");
    EXPECT_EQ(integerConversionError("%1"), "'%1' ist kein gültiger Integerwert.");
}
