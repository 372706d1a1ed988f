// The shared character filter of the number fields against typed keys with any
// modifier, pasted and dropped text, and the quoting of long texts in conversion errors.
#include "conversionerror.h"
#include "inputfilter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

TEST(CharacterFilter, DropsForeignCharactersAndKeepsTheCursorAfterWhatWasKept)
{
    CharacterFilter filter(kDigitCharacters + QLatin1Char('-'), nullptr);
    const struct { const char* in; int pos; const char* out; int outPos; } rows[] = {
        {"12xq", 4, "12", 2},   {"1a2b3", 3, "123", 2}, {"-5", 2, "-5", 2}, {"", 0, "", 0},
        {"x12", 1, "12", 0},    {"1 2 3", 5, "123", 3}, {"٣4", 2, "4", 1}, // other digits too
    };
    for (const auto& row : rows) {
        QString text = QString::fromUtf8(row.in);
        int pos = row.pos;
        EXPECT_EQ(filter.validate(text, pos), QValidator::Acceptable) << row.in;
        EXPECT_EQ(text, QString::fromUtf8(row.out)) << row.in;
        EXPECT_EQ(pos, row.outPos) << row.in;
    }
    EXPECT_EQ(CharacterFilter::filtered(QStringLiteral("a1b2"), kDigitCharacters), "12");
}

TEST(CharacterFilter, TypedPastedAndDroppedTextMeetTheSameFilter)
{
    QLineEdit edit;
    restrictInput(&edit, kDigitCharacters, kMaxInt32Digits);
    QTest::keyClicks(&edit, "1a2");
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::MetaModifier),
          Qt::KeyboardModifiers(Qt::AltModifier | Qt::ControlModifier)}) {
        QKeyEvent q(QEvent::KeyPress, Qt::Key_Q, mods, QStringLiteral("q"));
        QApplication::sendEvent(&edit, &q);
    }
    EXPECT_EQ(edit.text(), "12");
    QApplication::clipboard()->setText(QStringLiteral("3-4x"));
    edit.paste();
    EXPECT_EQ(edit.text(), "1234");
    edit.insert(QStringLiteral("5ö6")); // what a drop inserts
    EXPECT_EQ(edit.text(), "123456");
    // A pasted page: no more than the largest number needs.
    edit.clear();
    QApplication::clipboard()->setText(QStringLiteral("1234567890").repeated(1000));
    edit.paste();
    EXPECT_EQ(edit.text(), "1234567890");
    // The filter lets Enter through: an acceptable field still confirms.
    EXPECT_TRUE(edit.hasAcceptableInput());
}

TEST(ConversionError, LongTextsAreQuotedByTheirFirst30Characters)
{
    EXPECT_EQ(integerConversionError(QStringLiteral("12a")), "'12a' ist kein gültiger Integerwert.");
    const QString thirty = QStringLiteral("abcdefghij").repeated(3);
    EXPECT_EQ(integerConversionError(thirty), "'" + thirty + "' ist kein gültiger Integerwert.");
    EXPECT_EQ(integerConversionError(thirty + "k"), "'" + thirty + "…' ist kein gültiger Integerwert.");
    const QString pasted = QStringLiteral("x").repeated(10000);
    EXPECT_LT(floatConversionError(pasted).size(), 80);
    EXPECT_EQ(floatConversionError(pasted), "'" + pasted.left(30) + "…' ist kein gültiger Gleitkommawert.");
    // A character of two UTF-16 halves at the cut is not split.
    const QString emoji = QString(29, QLatin1Char('a')) + QString::fromUtf8("😀") + "b";
    EXPECT_EQ(quotedInput(emoji), QString(29, QLatin1Char('a')) + QChar(0x2026));
}
