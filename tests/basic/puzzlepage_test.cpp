// The puzzle page 'GrundGleichungen' through its widgets (offscreen): the board's
// controls, a whole series played with the mouse and the keyboard, with the fields, lamps,
// counts, jingles and notices a pupil meets, and what a screen reader gets.
#include "basicpages.h"
#include "ledpaint.h"
#include "pageharness.h"
#include "puzzlepage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::basic;
using namespace quorvel::test;

namespace {

const char* const kShift[] = {"GrundGleichSpalteEins", "GrundGleichSpalteZwei", "GrundGleichSpalteDrei"};

struct PuzzlePageTest : ::testing::Test, PageHarness {
    BasicPages* basic = nullptr;

    PuzzlePageTest()
    {
        logStatus = true;
        basic = installBasicPages(ctx);
    }

    EquationPuzzle& puzzle() { return basic->puzzlePage().puzzle(); }
    QLineEdit* field(int column, int row)
    {
        return window.findChild<QLineEdit*>(QStringLiteral("edGrundGleich%1").arg((column - 1) * 10 + row));
    }
    TLEDPaint* lamp(int i) { return window.findChild<TLEDPaint*>(QStringLiteral("LEDPaint%1").arg(i)); }
    void start(int operationItem, int count)
    {
        click(QStringLiteral("RadioGroupGrund01Item%1").arg(operationItem).toLatin1().constData());
        click("RadioGroupGrund02Item2"); // Gleichungen
        find<QSpinBox>("UpDownGrund01")->setValue(count);
        click("BitBtnStart01");
    }
    // Every field shows what the puzzle holds.
    void expectFieldsShowTheBoard()
    {
        for (int c = 1; c <= 3; ++c)
            for (int row = 1; row <= 10; ++row) {
                const auto v = puzzle().cell(c, row);
                EXPECT_EQ(field(c, row)->text(), v ? QString::number(*v) : QString()) << c << " " << row;
            }
    }
    // Clicks the shift buttons until an equation stands in the bottom row.
    void shiftToAnEquation()
    {
        EquationPuzzle& p = puzzle();
        const int n = p.activeLength();
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                for (int z = 1; z <= n; ++z)
                    if (EquationPuzzle::holds(p.operation(), p.entry(1, x), p.entry(2, y), p.entry(3, z))) {
                        const int steps[] = {n - x, n - y, n - z};
                        for (int c = 0; c < 3; ++c)
                            for (int i = 0; i < steps[c]; ++i)
                                click(kShift[c]);
                        return;
                    }
        FAIL() << "no equation on the board";
    }
};

} // namespace

TEST_F(PuzzlePageTest, TheBoardsControls)
{
    for (int c = 1; c <= 3; ++c)
        for (int row = 1; row <= 10; ++row) {
            QLineEdit* f = field(c, row);
            ASSERT_NE(f, nullptr);
            EXPECT_TRUE(f->isReadOnly());
            EXPECT_EQ(f->focusPolicy(), Qt::NoFocus);
            EXPECT_EQ(f->x(), 20 + 120 * (c - 1));
            EXPECT_EQ(f->width(), 80);
            EXPECT_EQ(f->y(), row == 10 ? 350 : 56 + 32 * (row - 1));
            EXPECT_EQ(f->accessibleName(), QStringLiteral("Spalte %1, Zeile %2").arg(c).arg(row));
        }
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblGrundGleich%1").arg(row))->text(), "+");
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label%1").arg(row + 11))->text(), "=");
    }
    for (int i = 1; i <= 10; ++i) {
        ASSERT_NE(lamp(i), nullptr);
        EXPECT_EQ(lamp(i)->LEDColor(), i <= 5 ? lcGreen : lcRed);
        EXPECT_EQ(lamp(i)->LEDType(), ltRect);
        EXPECT_FALSE(lamp(i)->LEDOn());
        if (i != 5 && i != 10) {
            EXPECT_LT(lamp(i + 1)->y(), lamp(i)->y()); // stacked from the bottom up
        }
    }
    EXPECT_EQ(find<QPushButton>("GrundGleichOK")->text(), "&Bestätigen");
    EXPECT_TRUE(find<QPushButton>("GrundGleichOK")->isDefault());
    EXPECT_EQ(find<QPushButton>("GrundGleichAbbruch")->text(), "&Abbrechen");
    EXPECT_EQ(find<QLabel>("Label22")->text(), "Überprüfen ob man noch gültige Gleichungen erstellen kann");
    EXPECT_EQ(find<QPushButton>("GrundGleichPruefung")->accessibleName(), find<QLabel>("Label22")->text());
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(find<QPushButton>(kShift[c])->text(), "Schieben");
        EXPECT_EQ(find<QPushButton>(kShift[c])->accessibleName(), QStringLiteral("Schieben Spalte %1").arg(c + 1));
    }
    for (const char* name : {"Bevel1", "Bevel2", "PanelGrundGleichungen"})
        find<QWidget>(name);
    for (QWidget* w : pages->widget(PageGrundGleichungen)->findChildren<QWidget*>()) {
        const QRect r(w->mapTo(pages->widget(PageGrundGleichungen), QPoint(0, 0)), w->size());
        EXPECT_TRUE(QRect(0, 0, 539, 500).contains(r)) << w->objectName().toStdString();
    }
}

TEST_F(PuzzlePageTest, AWholeSeriesWithMouseAndKeyboard)
{
    window.show();
    QApplication::setActiveWindow(&window);
    start(0, 3);
    EXPECT_EQ(pages->currentIndex(), PageGrundGleichungen);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_EQ(ts.log.events, QStringList({"changed 3", "status 0 Gleichung(en) von 3 bearbeitet", "given 3 9"}));
    expectFieldsShowTheBoard();

    // Check right after dealing, then one equation formed with the mouse.
    click("GrundGleichPruefung");
    shiftToAnEquation();
    expectFieldsShowTheBoard();
    auto* ok = find<QPushButton>("GrundGleichOK");
    EXPECT_EQ(ok->accessibleDescription(),
              QStringLiteral("Untere Zeile: %1 + %2 = %3").arg(field(1, 10)->text(), field(2, 10)->text(),
                                                               field(3, 10)->text()));
    ts.log.clear();
    click("GrundGleichOK");
    EXPECT_EQ(ts.log.events, QStringList({"correct 3 9", "sound right", "status 1 Gleichung(en) von 3 bearbeitet",
                                          "given 3 9"}));
    for (int c = 1; c <= 3; ++c)
        EXPECT_TRUE(field(c, 1)->text().isEmpty());
    expectFieldsShowTheBoard();
    EXPECT_TRUE(lamp(1)->LEDOn());
    EXPECT_EQ(lamp(1)->accessibleName(), "Richtig 1: an");

    // A wrong one with the keyboard alone: Alt+3 shifts the results, Enter on the focused
    // default button confirms.
    const auto bottomHolds = [this] {
        return EquationPuzzle::holds(1, field(1, 10)->text().toInt(), field(2, 10)->text().toInt(),
                                     field(3, 10)->text().toInt());
    };
    const QString before = field(3, 10)->text();
    QTest::keyClick(&window, Qt::Key_3, Qt::AltModifier);
    EXPECT_NE(field(3, 10)->text(), before);
    for (int i = 0; i < 9 && bottomHolds(); ++i)
        QTest::keyClick(&window, Qt::Key_3, Qt::AltModifier);
    ASSERT_FALSE(bottomHolds());
    EXPECT_EQ(QApplication::focusWidget(), ok);
    ts.log.clear();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(ts.log.events, QStringList({"sound wrong", "message Die Gleichung ist fehlerhaft !",
                                          "status 2 Gleichung(en) von 3 bearbeitet", "given 3 9"}));
    EXPECT_TRUE(lamp(6)->LEDOn());
    EXPECT_FALSE(lamp(2)->LEDOn());

    // Tab walks the buttons: the three shifts, confirm, check, abort.
    find<QPushButton>(kShift[0])->setFocus();
    const char* const order[] = {"GrundGleichSpalteZwei", "GrundGleichSpalteDrei", "GrundGleichOK",
                                 "GrundGleichPruefung", "GrundGleichAbbruch"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
    }

    // The third confirmation ends the series.
    ts.log.clear();
    click("GrundGleichOK");
    EXPECT_EQ(ts.log.events.back(), "sound MUSIN02");
    EXPECT_EQ(ts.log.events.filter("given").size(), 0);
    EXPECT_EQ(status, "");
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_TRUE(pad->padEnabled());
}

TEST_F(PuzzlePageTest, DivisionByZeroCheckAndAbort)
{
    start(3, 10); // Dividieren
    for (int row = 1; row <= 10; ++row)
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblGrundGleich%1").arg(row))->text(), ":");
    EXPECT_EQ(ts.log.events.filter("given"), QStringList({"given 3 12"}));
    puzzle().setColumn(2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0});
    EXPECT_EQ(field(2, 10)->text(), "0");
    ts.log.clear();
    click("GrundGleichOK");
    EXPECT_EQ(ts.log.events.mid(0, 2), QStringList({"sound wrong", "message Division durch Null nicht erlaubt!"}));
    EXPECT_TRUE(lamp(6)->LEDOn());

    // A board with nothing left to form: the check deals a new one, counts nothing.
    puzzle().setColumn(1, {7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
    puzzle().setColumn(2, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    puzzle().setCounts(1, 1);
    ts.log.clear();
    click("GrundGleichPruefung");
    EXPECT_EQ(ts.log.events, QStringList({"message Es können keine gültigen\rGleichungen mehr gebildet werden!"}));
    EXPECT_FALSE(lamp(6)->LEDOn());
    expectFieldsShowTheBoard();

    click("GrundGleichAbbruch");
    EXPECT_EQ(ts.log.events.back(), "sound MUSIN02");
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(pad->padEnabled());
}

TEST_F(PuzzlePageTest, ARangeWithoutDividendIsRefused)
{
    find<QSpinBox>("GrundUntereGrenze")->setValue(-20);
    find<QSpinBox>("GrundObereGrenze")->setValue(-5);
    start(3, 10);
    ASSERT_EQ(ts.log.events.size(), 1);
    EXPECT_TRUE(ts.log.events[0].contains("Zahlenbereich"));
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_FALSE(puzzle().running());
}
