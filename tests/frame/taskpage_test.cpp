// The task-page skeleton every topic page stands on: the three buttons in reading order,
// Enter from the task area (never from a button), the number pad's target, the focus on
// the answer, and several series on one page, each with its own answer.
#include "fakes.h"
#include "pageharness.h"
#include "serieschoices.h"
#include "taskpage.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

// The answer is the task's number; the statistics type is the number too.
class EchoTopic final : public OneFieldTopic {
public:
    explicit EchoTopic(int topic) : m_topic(topic) {}
    int statTopic() const override { return m_topic; }
    int drawTask() override { return ++drawn; }
    AnswerCheck checkText(const QString& text) override
    {
        return {text == QString::number(drawn) ? AnswerState::Right : AnswerState::Wrong, {}};
    }
    QString expectedAnswerText() const override { return QString::number(drawn); }
    int drawn = 0;

private:
    int m_topic;
};

struct Skeleton : ::testing::Test, PageHarness {
    QWidget* taskPage = pages->widget(PageGrundAufgaben);
    QWidget* settingsPage = pages->widget(PageGrundrechenarten);
    QLineEdit* first = new QLineEdit(taskPage);
    QLineEdit* second = new QLineEdit(taskPage);
    LineAnswer firstAnswer{first}, secondAnswer{second};
    EchoTopic basic{TopicBasic}, units{TopicUnits};
    // Confirm above skip, abort at the bottom left: built (and tabbed) in that order.
    TaskPage* page = new TaskPage(ctx, taskPage, settingsPage, taskPage,
                                  {{"Abbruch", {20, 440, 150, 30}},
                                   {"Weiter", {200, 80, 150, 30}},
                                   {"OK", {200, 40, 150, 30}}});
    SeriesChoices choices;

    Skeleton()
    {
        page->addSeries(basic, firstAnswer, PadUse::Digits, first);
        page->addSeries(units, secondAnswer);
        choices.add(0, *page, 0);
        choices.add(1, *page, 1, [this] { ts.log.add(QStringLiteral("arranged")); });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void press(QWidget* w, Qt::Key key) { QTest::keyClick(w, key); }
};

} // namespace

TEST_F(Skeleton, ButtonsEnterPadAndFocusServeTheCurrentSeries)
{
    const QList<QPushButton*> made = taskPage->findChildren<QPushButton*>();
    ASSERT_EQ(made.size(), 3);
    const QStringList names{made[0]->objectName(), made[1]->objectName(), made[2]->objectName()};
    EXPECT_EQ(names, QStringList({"OK", "Weiter", "Abbruch"})); // reading order
    EXPECT_EQ(page->confirmButton()->text(), QStringLiteral("&Ergebnis bestätigen"));
    EXPECT_EQ(page->confirmButton()->accessibleName(), QStringLiteral("Ergebnis bestätigen"));
    EXPECT_EQ(page->skipButton()->text(), QStringLiteral("&Überspringen"));
    EXPECT_EQ(page->abortButton()->text(), QStringLiteral("&Abbrechen"));
    EXPECT_TRUE(page->confirmButton()->isDefault());

    EXPECT_FALSE(choices.start(7, 3)); // no series for that choice
    ASSERT_TRUE(choices.start(0, 2));
    EXPECT_EQ(pages->currentWidget(), taskPage);
    EXPECT_TRUE(pad->padEnabled());
    EXPECT_EQ(status, "Aufgabe 1 von 2");
    EXPECT_TRUE(first->hasFocus());

    // Digits from the pad, Enter in the field: right, the next task.
    QTest::mouseClick(pad->findChild<QPushButton*>("SB01"), Qt::LeftButton);
    EXPECT_EQ(first->text(), "1");
    press(first, Qt::Key_Return);
    EXPECT_EQ(status, "Aufgabe 2 von 2");
    EXPECT_TRUE(first->text().isEmpty());
    // Enter on a focused button is that button's, never a confirm.
    page->skipButton()->setFocus();
    first->setText("2");
    press(page->skipButton(), Qt::Key_Return);
    EXPECT_EQ(status, "Aufgabe 2 von 2");
    // The pad's confirm ends the series.
    QTest::mouseClick(pad->findChild<QPushButton*>("BitBtnErgebnis01"), Qt::LeftButton);
    EXPECT_EQ(pages->currentWidget(), settingsPage);
    EXPECT_EQ(ts.log.events.filter("given"), QStringList({"given 3 1", "given 3 2"}));
    EXPECT_EQ(ts.log.events.filter("correct"), QStringList({"correct 3 1", "correct 3 2"}));

    // The second series on the same page reads its own field; the pad stays off for it.
    ts.log.clear();
    ASSERT_TRUE(choices.start(1, 1));
    EXPECT_EQ(ts.log.events.front(), "arranged");
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_TRUE(second->hasFocus());
    second->setText("9");
    press(second, Qt::Key_Enter);
    EXPECT_EQ(ts.log.events.filter("message").size(), 1);
    QTest::mouseClick(page->abortButton(), Qt::LeftButton);
    EXPECT_EQ(pages->currentWidget(), settingsPage);
    EXPECT_EQ(ts.log.events.filter("sound"),
              QStringList({"sound MUSIN02", "sound wrong", "sound MUSIN02"}));
    EXPECT_FALSE(page->series(1).running());
}
