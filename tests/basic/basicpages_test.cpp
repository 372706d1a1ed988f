// Whole series of plain tasks through the real pages (offscreen): the settings page, the
// task page, the answer field with its key filter, Enter, the buttons, the number pad,
// and the statistics calls, jingles and notices in the order a pupil meets them.
#include "basicpages.h"
#include "pageharness.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct Harness : ::testing::Test, PageHarness {
    BasicPages* basic = nullptr;

    Harness()
    {
        logStatus = true;
        basic = installBasicPages(ctx);
    }

    QLineEdit* answer() { return find<QLineEdit>("edGrundAufgErg"); }
    QLabel* taskText() { return find<QLabel>("lblGrundAufg"); }
    void setCount(int n) { find<QSpinBox>("UpDownGrund01")->setValue(n); }
    void setRange(int lower, int upper)
    {
        find<QSpinBox>("GrundUntereGrenze")->setValue(lower);
        find<QSpinBox>("GrundObereGrenze")->setValue(upper);
    }
    void start()
    {
        click("BitBtnStart01");
    }
    // Types like a pupil and presses Enter.
    void answerWith(const QString& typed)
    {
        answer()->clear();
        QTest::keyClicks(answer(), typed);
        QTest::keyClick(answer(), Qt::Key_Return);
    }
};

} // namespace

TEST_F(Harness, SettingsPageControlsRangesAndDefaults)
{
    auto* count = find<QSpinBox>("UpDownGrund01");
    EXPECT_EQ(count->minimum(), 1);
    EXPECT_EQ(count->maximum(), 32000);
    EXPECT_EQ(count->value(), 10);
    for (const char* name : {"GrundUntereGrenze", "GrundObereGrenze"}) {
        EXPECT_EQ(find<QSpinBox>(name)->minimum(), -32767);
        EXPECT_EQ(find<QSpinBox>(name)->maximum(), 32767);
    }
    EXPECT_EQ(find<QSpinBox>("GrundUntereGrenze")->value(), 0);
    EXPECT_EQ(find<QSpinBox>("GrundObereGrenze")->value(), 100);
    auto* squares = find<QSpinBox>("QuadratObereGrenze");
    EXPECT_EQ(squares->minimum(), 10);
    EXPECT_EQ(squares->maximum(), 100);
    EXPECT_EQ(squares->value(), 10);
    EXPECT_FALSE(squares->isEnabled());
    EXPECT_NE(window.findChild<QLineEdit*>("EditGrund04"), nullptr);
    EXPECT_TRUE(find<QRadioButton>("RBZahlenraum")->isChecked());
    for (int k = 2; k <= 9; ++k) {
        auto* b = window.findChild<QRadioButton*>(QStringLiteral("RBReihe0%1").arg(k));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QStringLiteral("%1er-Reihe").arg(k));
        EXPECT_FALSE(b->isEnabled());
    }
    EXPECT_FALSE(find<QRadioButton>("RBQuadratzahlen")->isEnabled());
    EXPECT_EQ(find<QGroupBox>("RadioGroupGrund01")->title(), "Rechenart");
    EXPECT_EQ(find<QGroupBox>("RadioGroupGrund02")->title(), "Aufgabentyp");
    EXPECT_EQ(find<QGroupBox>("GroupBoxGrund01")->title(), "Zahlenbereich festsetzen");
    EXPECT_TRUE(find<QRadioButton>("RadioGroupGrund01Item0")->isChecked());
    EXPECT_EQ(find<QRadioButton>("RadioGroupGrund01Item4")->text(), "Gemischt");
    EXPECT_TRUE(find<QRadioButton>("RadioGroupGrund02Item0")->isChecked());
    EXPECT_EQ(find<QRadioButton>("RadioGroupGrund02Item1")->text(), "Lückenaufgaben");
    auto* startButton = find<QPushButton>("BitBtnStart01");
    EXPECT_EQ(startButton->text(), "&Start");
    EXPECT_EQ(startButton->statusTip(), "Zu den Übungsaufgaben");
    auto* back = find<QPushButton>("BitBtnBack01");
    EXPECT_EQ(back->statusTip(), "Zurück zur Auswahl der Aufgabenstellung");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(backClicks, 1);
    // Every control sits inside the 539 x 500 page.
    for (QWidget* w : pages->widget(PageGrundrechenarten)->findChildren<QWidget*>()) {
        const QRect r(w->mapTo(pages->widget(PageGrundrechenarten), QPoint(0, 0)), w->size());
        EXPECT_TRUE(QRect(0, 0, 539, 500).contains(r)) << w->objectName().toStdString();
    }
}

TEST_F(Harness, SpinnerEditsAreReadOnlyAndTheArrowsStillStep)
{
    struct Row {
        const char* upDown;
        const char* edit;
        int start;
    };
    const Row rows[] = {
        {"UpDownGrund01", "EditGrund01", 10},
        {"GrundUntereGrenze", "EditGrund02", 0},
        {"GrundObereGrenze", "EditGrund03", 100},
        {"QuadratObereGrenze", "EditGrund04", 10},
    };
    click("RadioGroupGrund01Item2"); // Multiplizieren: the squares' spinner is enabled too
    for (const Row& r : rows) {
        SCOPED_TRACE(r.upDown);
        auto* spin = find<QSpinBox>(r.upDown);
        auto* edit = find<QLineEdit>(r.edit);
        EXPECT_EQ(edit->parentWidget(), spin);
        EXPECT_TRUE(edit->isReadOnly());
        QTest::keyClicks(spin, QStringLiteral("57"));
        QTest::keyClick(spin, Qt::Key_Backspace);
        EXPECT_EQ(spin->value(), r.start);
        EXPECT_EQ(edit->text(), QString::number(r.start));
        QTest::keyClick(spin, Qt::Key_Up);
        EXPECT_EQ(spin->value(), r.start + 1);
        QTest::keyClick(spin, Qt::Key_Down);
        EXPECT_EQ(spin->value(), r.start);
    }
}

TEST_F(Harness, InterlocksOnThePage)
{
    click("RadioGroupGrund01Item2"); // Multiplizieren
    EXPECT_TRUE(find<QRadioButton>("RBReihe05")->isEnabled());
    EXPECT_TRUE(find<QRadioButton>("RBQuadratzahlen")->isEnabled());
    EXPECT_TRUE(find<QSpinBox>("QuadratObereGrenze")->isEnabled());
    click("RBQuadratzahlen");
    click("RadioGroupGrund01Item3"); // Dividieren: squares give way to the number range
    EXPECT_TRUE(find<QRadioButton>("RBZahlenraum")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RBQuadratzahlen")->isEnabled());
    click("RadioGroupGrund01Item4"); // Gemischt
    EXPECT_FALSE(find<QRadioButton>("RadioGroupGrund02Item2")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("RBReihe02")->isEnabled());
    click("RadioGroupGrund01Item1");
    click("RadioGroupGrund02Item2"); // Gleichungen
    EXPECT_FALSE(find<QRadioButton>("RadioGroupGrund01Item4")->isEnabled());
    click("RadioGroupGrund02Item0");
    EXPECT_TRUE(find<QRadioButton>("RadioGroupGrund01Item4")->isEnabled());
    EXPECT_TRUE(ts.log.events.isEmpty());
}

TEST_F(Harness, RightAtOnce)
{
    setCount(2);
    ts.random.script({12, 7, 30, 40});
    start();
    EXPECT_EQ(pages->currentIndex(), PageGrundAufgaben);
    EXPECT_TRUE(pad->padEnabled());
    EXPECT_EQ(taskText()->text(), "12 + 7 =");
    EXPECT_EQ(status, "Aufgabe 1 von 2");
    answerWith("19");
    EXPECT_EQ(taskText()->text(), "30 + 40 =");
    EXPECT_TRUE(answer()->text().isEmpty());
    answerWith("70");
    EXPECT_EQ(ts.log.events,
              QStringList({"changed 3", "given 3 1", "status Aufgabe 1 von 2", "sound MUSIN02",
                           "correct 3 1", "sound right", "given 3 1", "status Aufgabe 2 von 2",
                           "correct 3 1", "sound right", "status ", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_TRUE(pad->padEnabled()); // the end of a series leaves the pad as it is
    EXPECT_EQ(ts.random.seedings, 1);
    EXPECT_FALSE(ts.random.scriptMisuse);
}

TEST_F(Harness, WrongThenRightGivesNoCorrectCountAndNoRightJingle)
{
    setCount(3);
    ts.random.script({12, 7, 30, 40});
    start();
    ts.log.clear();
    answerWith("18");
    EXPECT_EQ(basic->plainSeries().wrongAttempts(), 1);
    EXPECT_TRUE(answer()->text().isEmpty());
    answerWith("19");
    EXPECT_EQ(ts.log.events, QStringList({"sound wrong", kWrong, "given 3 1", "status Aufgabe 2 von 3"}));
    EXPECT_EQ(taskText()->text(), "30 + 40 =");
}

TEST_F(Harness, WrongTwiceOnTheLastTaskShowsTheResultAndEnds)
{
    setCount(1);
    ts.random.script({12, 7});
    start();
    ts.log.clear();
    answerWith("1");
    answerWith("2");
    EXPECT_EQ(ts.log.events,
              QStringList({"sound wrong", kWrong, "sound wrong",
                           kWrong + "Das richtige Ergebnis lautet: 19", "status ", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(basic->plainSeries().running());
}

TEST_F(Harness, EmptyAnswerOnlyReminds)
{
    ts.random.script({12, 7});
    start();
    ts.log.clear();
    click("btnGrundAufgOK");
    QTest::keyClick(answer(), Qt::Key_Return);
    EXPECT_EQ(ts.log.events, QStringList({"message Sie haben noch keinen Wert eingegeben!",
                                          "message Sie haben noch keinen Wert eingegeben!"}));
    EXPECT_EQ(basic->plainSeries().wrongAttempts(), 0);
    EXPECT_EQ(basic->plainSeries().taskNumber(), 1);
}

TEST_F(Harness, TextsThatAreNoIntegerGoToTheErrorBoxAndStay)
{
    ts.random.script({12, 7});
    start();
    ts.log.clear();
    // Typed: the filter lets "-" and the digits through.
    for (const char* typed : {"-", "99999999999", "12-"}) {
        answerWith(QString::fromLatin1(typed));
        EXPECT_EQ(answer()->text(), QString::fromLatin1(typed));
    }
    // A paste meets the same filter as typing: "12a" arrives as "12".
    QApplication::clipboard()->setText(QStringLiteral("12a"));
    answer()->clear();
    answer()->paste();
    EXPECT_EQ(answer()->text(), "12");
    ASSERT_EQ(ts.messages.messages.size(), 3u);
    const char* expected[] = {"'-' ist kein gültiger Integerwert.",
                              "'99999999999' ist kein gültiger Integerwert.",
                              "'12-' ist kein gültiger Integerwert."};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(ts.messages.messages[i].error);
        EXPECT_EQ(ts.messages.messages[i].text, QString::fromUtf8(expected[i]));
    }
    EXPECT_EQ(ts.log.events.size(), 3); // no jingle, no count
    EXPECT_EQ(basic->plainSeries().wrongAttempts(), 0);
    answerWith("19");
    EXPECT_TRUE(ts.log.events.contains("correct 3 1"));
}

TEST_F(Harness, KeyFilterDropsLettersBlanksAndTheComma)
{
    start();
    answer()->clear();
    QTest::keyClicks(answer(), QStringLiteral("1a2 ,3.x-4+"));
    EXPECT_EQ(answer()->text(), "123-4");
    QTest::keyClick(answer(), Qt::Key_Backspace);
    EXPECT_EQ(answer()->text(), "123-");
    QTest::keyClick(answer(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(answer()->text(), "123-");
}

TEST_F(Harness, SkipShowsTheNextTaskAndEndsOnTheLast)
{
    setCount(2);
    ts.random.script({12, 7, 30, 40});
    start();
    ts.log.clear();
    click("btnGrundAufgUeberspringen");
    EXPECT_EQ(taskText()->text(), "30 + 40 =");
    EXPECT_EQ(status, "Aufgabe 2 von 2");
    click("btnGrundAufgUeberspringen");
    EXPECT_EQ(ts.log.events, QStringList({"given 3 1", "status Aufgabe 2 von 2", "status ", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(pad->padEnabled());
}

TEST_F(Harness, AbortReturnsToTheSettingsPage)
{
    setCount(5);
    ts.random.script({12, 7});
    start();
    answerWith("19");
    ts.log.clear();
    click("btnGrundAufgAbbruch");
    EXPECT_EQ(ts.log.events, QStringList({"status ", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_TRUE(status.isEmpty());
}

TEST_F(Harness, ACountOfOne)
{
    setCount(1);
    ts.random.script({12, 7});
    start();
    answerWith("19");
    EXPECT_EQ(ts.log.events,
              QStringList({"changed 3", "given 3 1", "status Aufgabe 1 von 1", "sound MUSIN02",
                           "correct 3 1", "sound right", "status ", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
}

TEST_F(Harness, DefaultSeriesCountsToTen)
{
    start();
    QStringList seen;
    for (int i = 1; i <= 10; ++i) {
        seen << status;
        const auto& task = basic->plainTopic().task();
        const int expected = task.expected;
        EXPECT_EQ(task.operation, 1);
        EXPECT_TRUE(task.first >= 0 && task.first <= 100 && task.second >= 0 && task.second <= 100);
        answerWith(QString::number(expected));
    }
    EXPECT_EQ(seen.front(), "Aufgabe 1 von 10");
    EXPECT_EQ(seen.back(), "Aufgabe 10 von 10");
    EXPECT_EQ(ts.log.events.count("correct 3 1"), 10);
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
}

TEST_F(Harness, NumberPadTypesAndCommands)
{
    setCount(2);
    ts.random.script({12, 7, 30, 40});
    start();
    for (const char* key : {"SB01", "SB09"})
        QTest::mouseClick(pad->findChild<QPushButton*>(key), Qt::LeftButton);
    EXPECT_EQ(answer()->text(), "19");
    QTest::mouseClick(pad->findChild<QPushButton*>("BitBtnErgebnis01"), Qt::LeftButton);
    EXPECT_TRUE(ts.log.events.contains("correct 3 1"));
    EXPECT_EQ(taskText()->text(), "30 + 40 =");
    QTest::mouseClick(pad->findChild<QPushButton*>("BitBtnUeberspringen01"), Qt::LeftButton);
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten); // skipped the last task
    start();
    QTest::mouseClick(pad->findChild<QPushButton*>("BitBtnAbbruch01"), Qt::LeftButton);
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(pad->padEnabled());
}

TEST_F(Harness, TaskTextEndsBeforeTheAnswerField)
{
    setRange(-40, 40);
    ts.random.script({28, 10}); // -12 and -30
    click("RadioGroupGrund01Item1");
    start();
    EXPECT_EQ(taskText()->text(), "(-12) - (-30) =");
    EXPECT_EQ(taskText()->x(), 240 - 8 * 15);
    EXPECT_EQ(answer()->x(), 248);
    EXPECT_EQ(taskText()->y(), answer()->y());
    EXPECT_LE(taskText()->fontMetrics().horizontalAdvance(taskText()->text()), 8 * 15 + 4);
}

TEST_F(Harness, MixedCountsEachTaskUnderItsOwnOperation)
{
    click("RadioGroupGrund01Item4");
    setCount(4);
    ts.random.script({30, 40, 3, 2, 30, 40, 0, 30, 40, 2, 30, 40, 1});
    start();
    EXPECT_EQ(taskText()->text(), "40 : 20 =");
    answerWith("2");
    EXPECT_EQ(taskText()->text(), "30 + 40 =");
    answerWith("70");
    EXPECT_EQ(taskText()->text(), "30 x 40 =");
    answerWith("1200");
    EXPECT_EQ(taskText()->text(), "40 - 30 =");
    answerWith("10");
    QStringList counts;
    for (const QString& e : ts.log.events)
        if (e.startsWith("given") || e.startsWith("correct"))
            counts << e;
    EXPECT_EQ(counts, QStringList({"given 3 4", "correct 3 4", "given 3 1", "correct 3 1",
                                   "given 3 3", "correct 3 3", "given 3 2", "correct 3 2"}));
}

TEST_F(Harness, TimesTableAndSquaresFromThePage)
{
    click("RadioGroupGrund01Item2");
    click("RBReihe07");
    ts.random.script({10, 20, 3});
    start();
    EXPECT_EQ(taskText()->text(), "10 x 7 =");
    click("btnGrundAufgAbbruch");
    click("RBQuadratzahlen");
    find<QSpinBox>("QuadratObereGrenze")->setValue(12);
    ts.random.script({10, 20, 12});
    start();
    EXPECT_EQ(taskText()->text(), "12 x 12 =");
    EXPECT_EQ(ts.random.asked.back(), 13);
}

TEST_F(Harness, DivisionWithoutDividendIsRefusedAtStart)
{
    click("RadioGroupGrund01Item3");
    click("RBReihe07");
    setRange(10, 11);
    start();
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    ASSERT_EQ(ts.log.events.size(), 1);
    EXPECT_TRUE(ts.log.events[0].startsWith("message Im Zahlenbereich von 10 bis 11"));
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_FALSE(basic->plainSeries().running());

    click("RBZahlenraum");
    setRange(-20, -5);
    start();
    ASSERT_EQ(ts.log.events.size(), 2);
    EXPECT_TRUE(ts.log.events[1].contains("mindestens 0"));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
}

TEST_F(Harness, LowerBoundAboveUpperBoundIsRefusedAtStart)
{
    setRange(50, 10);
    start();
    EXPECT_EQ(ts.log.events,
              QStringList({"message Die untere Grenze des Zahlenbereichs (50) ist größer\r"
                           "als die obere Grenze (10).\rBitte ändern Sie den Zahlenbereich."}));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_TRUE(ts.random.asked.empty());
}

TEST_F(Harness, GapTasksAndEquationsStartOnTheirOwnPages)
{
    click("RadioGroupGrund02Item1");
    start();
    EXPECT_EQ(pages->currentIndex(), PageGrundLuecken);
    EXPECT_TRUE(pad->padEnabled());
    click("btnGrundLueckenAufgAbbruch");
    click("RadioGroupGrund02Item2");
    start();
    EXPECT_EQ(pages->currentIndex(), PageGrundGleichungen);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_EQ(ts.log.events.filter("given"), QStringList({"given 3 5", "given 3 9"}));
    EXPECT_TRUE(ts.log.events.filter("message").isEmpty());
    click("GrundGleichAbbruch");
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
}

TEST_F(Harness, SquaresDoNotRepeatAcrossSeriesEither)
{
    click("RadioGroupGrund01Item2");
    click("RBQuadratzahlen");
    setCount(1);
    ts.random.script({0, 0, 6});
    start();
    answerWith("36");
    ts.random.script({0, 0, 6, 6, 3});
    start();
    EXPECT_EQ(taskText()->text(), "3 x 3 =");
}

TEST_F(Harness, SquaresTakeTheVonBisFieldsOutOfPlayAndIgnoreThem)
{
    click("RadioGroupGrund01Item2"); // Multiplizieren
    EXPECT_TRUE(find<QSpinBox>("GrundUntereGrenze")->isEnabled());
    click("RBQuadratzahlen");
    EXPECT_FALSE(find<QSpinBox>("GrundUntereGrenze")->isEnabled());
    EXPECT_FALSE(find<QSpinBox>("GrundObereGrenze")->isEnabled());
    // A reversed range left from before does not block a series of squares.
    setRange(50, 10);
    setCount(1);
    start();
    EXPECT_TRUE(ts.messages.messages.empty());
    EXPECT_EQ(status, "Aufgabe 1 von 1");
    click("btnGrundAufgAbbruch");
    // Gap tasks use the range even with squares checked, so the fields come back; so do
    // they for another range button.
    click("RadioGroupGrund02Item1");
    EXPECT_TRUE(find<QSpinBox>("GrundUntereGrenze")->isEnabled());
    click("RadioGroupGrund02Item0");
    EXPECT_FALSE(find<QSpinBox>("GrundObereGrenze")->isEnabled());
    click("RBZahlenraum");
    EXPECT_TRUE(find<QSpinBox>("GrundObereGrenze")->isEnabled());
}

TEST_F(Harness, PastedAnswersMeetTheSameFilterAsTypedOnes)
{
    setCount(1);
    start();
    QApplication::clipboard()->setText(QStringLiteral("1x2-3 ") + QString(10000, QLatin1Char('9')));
    answer()->paste();
    EXPECT_EQ(answer()->text(), "12-399999"); // the first eleven characters, filtered
}
