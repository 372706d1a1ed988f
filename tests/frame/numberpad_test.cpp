// The number pad types into the answer field of the page on screen and forwards its
// command buttons there; on other pages it does nothing.
#include "numberpad.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

TEST(NumberPad, DigitsAndCommandsGoToThePageOnScreen)
{
    QWidget taskPage, settingsPage;
    const QWidget* page = &taskPage;
    NumberPad pad([&] { return page; });
    QLineEdit field;
    QStringList calls;
    pad.registerTarget(&taskPage, {&field, [&] { calls << "ok"; }, [&] { calls << "skip"; },
                           [&] { calls << "abort"; }});
    EXPECT_FALSE(pad.padEnabled());
    pad.setPadEnabled(true);
    const char* order[] = {"SB01", "SB02", "SB10", "SB09", "SB11"};
    for (const char* name : order) {
        auto* b = pad.findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    EXPECT_EQ(field.text(), "1209"); // the comma key does nothing
    QTest::mouseClick(pad.findChild<QPushButton*>("BitBtnErgebnis01"), Qt::LeftButton);
    QTest::mouseClick(pad.findChild<QPushButton*>("BitBtnUeberspringen01"), Qt::LeftButton);
    QTest::mouseClick(pad.findChild<QPushButton*>("BitBtnAbbruch01"), Qt::LeftButton);
    EXPECT_EQ(calls, QStringList({"ok", "skip", "abort"}));

    page = &settingsPage; // nothing reacts
    QTest::mouseClick(pad.findChild<QPushButton*>("SB05"), Qt::LeftButton);
    QTest::mouseClick(pad.findChild<QPushButton*>("BitBtnErgebnis01"), Qt::LeftButton);
    EXPECT_EQ(field.text(), "1209");
    EXPECT_EQ(calls.size(), 3);
}

TEST(NumberPad, AllFourteenControlsStartDisabled)
{
    NumberPad pad([]() -> const QWidget* { return nullptr; });
    const auto buttons = pad.findChildren<QPushButton*>();
    EXPECT_EQ(buttons.size(), 14);
    for (auto* b : buttons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}
