// The puzzle page 'GrundGleichungen' through its widgets (offscreen): the board's
// controls, a whole series played with mouse and keyboard, with the fields, lamps, counts,
// jingles and notices a pupil meets, and what a screen reader gets.
#include "basicpages.h"
#include "ledpaint.h"
#include "pageharness.h"
#include "puzzlepage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::basic;
using namespace quorvel::test;

namespace {

const char* const kShift[] = {"GrundGleichSpalteEins", "GrundGleichSpalteZwei", "GrundGleichSpalteDrei"};

struct PuzzlePageTest : ::testing::Test, PageHarness {
    BasicPages* basic = installBasicPages(ctx);

    EquationPuzzle& puzzle() { return basic->puzzlePage().puzzle(); }
    QLineEdit* field(int c, int row) { return find<QLineEdit>(QStringLiteral("edGrundGleich%1").arg((c - 1) * 10 + row)); }
    QLabel* label(const QString& name) { return find<QLabel>(name); }
    TLEDPaint* lamp(int i) { return find<TLEDPaint>(QStringLiteral("LEDPaint%1").arg(i)); }
    template <class T = QWidget> T* find(const QString& name) { return PageHarness::find<T>(name.toLatin1().constData()); }
    void start(int operationItem, int count)
    {
        click(QStringLiteral("RadioGroupGrund01Item%1").arg(operationItem).toLatin1().constData());
        click("RadioGroupGrund02Item2"); // Gleichungen
        find<QSpinBox>("UpDownGrund01")->setValue(count);
        click("BitBtnStart01");
    }
    void expectFieldsShowTheBoard()
    {
        for (int c = 1; c <= 3; ++c)
            for (int row = 1; row <= 10; ++row) {
                const auto v = puzzle().cell(c, row);
                EXPECT_EQ(field(c, row)->text(), v ? QString::number(*v) : QString()) << c << " " << row;
            }
    }
    bool bottomHolds()
    {
        return EquationPuzzle::holds(puzzle().operation(), field(1, 10)->text().toInt(),
                                     field(2, 10)->text().toInt(), field(3, 10)->text().toInt());
    }
    // Clicks the shift buttons until an equation stands in the bottom row.
    void shiftToAnEquation()
    {
        const EquationPuzzle& p = puzzle();
        const int n = p.activeLength();
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                for (int z = 1; z <= n; ++z)
                    if (EquationPuzzle::holds(p.operation(), p.entry(1, x), p.entry(2, y), p.entry(3, z))) {
                        for (int c = 0; c < 3; ++c)
                            for (int i = 0; i < n - (c == 0 ? x : c == 1 ? y : z); ++i)
                                click(kShift[c]);
                        return;
                    }
    }
};

} // namespace

TEST_F(PuzzlePageTest, TheBoardsControls)
{
    for (int c = 1; c <= 3; ++c)
        for (int row = 1; row <= 10; ++row) {
            QLineEdit* f = field(c, row);
            EXPECT_TRUE(f->isReadOnly());
            EXPECT_EQ(f->focusPolicy(), Qt::NoFocus);
            EXPECT_EQ(f->geometry().topLeft(), QPoint(20 + 120 * (c - 1), row == 10 ? 350 : 56 + 32 * (row - 1)));
            EXPECT_EQ(f->accessibleName(), QStringLiteral("Spalte %1, Zeile %2").arg(c).arg(row));
        }
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(label(QStringLiteral("lblGrundGleich%1").arg(row))->text(), "+");
        EXPECT_EQ(label(QStringLiteral("Label%1").arg(row + 11))->text(), "=");
    }
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(lamp(i)->LEDColor(), i <= 5 ? lcGreen : lcRed);
        EXPECT_FALSE(lamp(i)->LEDOn());
        if (i % 5 != 0) {
            EXPECT_LT(lamp(i + 1)->y(), lamp(i)->y()); // stacked from the bottom up
        }
    }
    EXPECT_TRUE(find<QPushButton>("GrundGleichOK")->isDefault());
    EXPECT_EQ(find<QPushButton>("GrundGleichOK")->text(), "&Bestätigen");
    EXPECT_EQ(find<QPushButton>("GrundGleichPruefung")->accessibleName(), label("Label22")->text());
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(find<QPushButton>(kShift[c])->accessibleName(), QStringLiteral("Schieben Spalte %1").arg(c + 1));
    for (QWidget* w : pages->widget(PageGrundGleichungen)->findChildren<QWidget*>()) {
        const QRect r(w->mapTo(pages->widget(PageGrundGleichungen), QPoint(0, 0)), w->size());
        EXPECT_TRUE(QRect(0, 0, 539, 500).contains(r)) << w->objectName().toStdString();
    }
}

TEST_F(PuzzlePageTest, AWholeSeriesWithMouseAndKeyboard)
{
    logStatus = true;
    window.show();
    QApplication::setActiveWindow(&window);
    start(0, 3);
    EXPECT_EQ(pages->currentIndex(), PageGrundGleichungen);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_EQ(ts.log.events, QStringList({"changed 3", "status 0 Gleichung(en) von 3 bearbeitet", "given 3 9"}));
    expectFieldsShowTheBoard();

    shiftToAnEquation();
    ASSERT_TRUE(bottomHolds());
    auto* ok = find<QPushButton>("GrundGleichOK");
    EXPECT_EQ(ok->accessibleDescription(), QStringLiteral("Untere Zeile: %1 + %2 = %3")
                                               .arg(field(1, 10)->text(), field(2, 10)->text(), field(3, 10)->text()));
    ts.log.clear();
    click("GrundGleichOK");
    EXPECT_EQ(ts.log.events, QStringList({"correct 3 9", "sound right", "status 1 Gleichung(en) von 3 bearbeitet", "given 3 9"}));
    EXPECT_TRUE(field(1, 1)->text().isEmpty());
    expectFieldsShowTheBoard();
    EXPECT_EQ(lamp(1)->accessibleName(), "Richtig 1: an");

    // With the keyboard alone: Alt+3 shifts the results and leaves the focus on
    // "Bestätigen", Enter confirms.
    for (int i = 0; i < 9 && (i == 0 || bottomHolds()); ++i)
        QTest::keyClick(&window, Qt::Key_3, Qt::AltModifier);
    ASSERT_FALSE(bottomHolds());
    EXPECT_EQ(QApplication::focusWidget(), ok);
    ts.log.clear();
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(ts.log.events, QStringList({"sound wrong", "message Die Gleichung ist fehlerhaft !",
                                          "status 2 Gleichung(en) von 3 bearbeitet", "given 3 9"}));
    EXPECT_TRUE(lamp(1)->LEDOn() && lamp(6)->LEDOn() && !lamp(2)->LEDOn());

    // Tab walks the buttons: the three shifts, confirm, check, abort.
    find<QPushButton>(kShift[0])->setFocus();
    for (const char* name : {"GrundGleichSpalteZwei", "GrundGleichSpalteDrei", "GrundGleichOK",
                             "GrundGleichPruefung", "GrundGleichAbbruch"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
    }

    ts.log.clear();
    click("GrundGleichOK"); // the third confirmation ends the series
    EXPECT_EQ(ts.log.events.back(), "sound MUSIN02");
    EXPECT_EQ(ts.log.events.filter("given").size(), 0);
    EXPECT_EQ(status, "");
    EXPECT_EQ(pages->currentIndex(), PageGrundrechenarten);
    EXPECT_TRUE(pad->padEnabled());
}

TEST_F(PuzzlePageTest, DivisionByZeroCheckAndAbort)
{
    start(3, 10); // Dividieren
    EXPECT_EQ(label("lblGrundGleich4")->text(), ":");
    EXPECT_EQ(ts.log.events.filter("given"), QStringList({"given 3 12"}));
    click("GrundGleichPruefung"); // a fresh board can always be solved
    puzzle().setColumn(2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0});
    EXPECT_EQ(field(2, 10)->text(), "0");
    ts.log.clear();
    click("GrundGleichOK");
    EXPECT_EQ(ts.log.events.mid(0, 2), QStringList({"sound wrong", "message Division durch Null nicht erlaubt!"}));
    EXPECT_TRUE(lamp(6)->LEDOn());

    // Nothing left to form: the check deals a new board and counts nothing.
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
