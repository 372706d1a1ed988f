// The calculator pages through their widgets: navigation, key filters, the range
// spinners, the prime list with its progress and cancel, factorisation, ggT and kgV,
// and every notice of the failure table.
#include "pageharness.h"
#include "linelistview.h"
#include "primelistmodel.h"
#include "primespages.h"
#include "topiccontext.h"
#include "updownlong.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;

namespace {

class PrimesPagesTest : public ::testing::Test, public test::PageHarness {
protected:
    PrimesPagesTest()
    {
        installPrimesPages(ctx);
        pages->setCurrentIndex(PagePrimfaktoren);
    }
    ~PrimesPagesTest() override { model()->clear(); }

    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    LineListView* list() { return find<LineListView>("ListBoxPrimCalc"); }
    PrimeListModel* model() { return static_cast<PrimeListModel*>(list()->model()); }
    QStringList primeLines()
    {
        QStringList out;
        for (int r = 0; r < model()->rowCount(); ++r)
            out << model()->index(r).data().toString();
        return out;
    }
    QStringList factorLines()
    {
        QStringList out;
        auto* l = find<QListWidget>("ListBoxPrimFak");
        for (int r = 0; r < l->count(); ++r)
            out << l->item(r)->text();
        return out;
    }
    // Lets the worker's notices arrive until the count ends (or `ms` pass).
    void waitForCount(int ms = 20000)
    {
        QElapsedTimer t;
        t.start();
        while (model()->counting() && t.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    void calculate(const QString& from, const QString& to)
    {
        edit("edPrimCalc01")->setText(from);
        edit("edPrimCalc02")->setText(to);
        click("BitBtnPrimCalc");
        waitForCount();
    }
    const std::vector<test::RecordedMessage>& messages() { return ts.messages.messages; }

};

} // namespace

TEST_F(PrimesPagesTest, ButtonsOpenTheirTabsAndBackPlaysTheJingle)
{
    const char* buttons[] = {"BitBtnPrimFak01", "BitBtnPrimFak02", "BitBtnPrimFak03",
                             "BitBtnPrimFak04"};
    const char* tabs[] = {"TabSheetPrimzahlen", "TabSheetPrimFak", "TabSheetPrimggT",
                          "TabSheetPrimkgV"};
    auto* pc = find<QTabWidget>("PageControlPrim01");
    for (int i = 0; i < 4; ++i) {
        pages->setCurrentIndex(PagePrimfaktoren);
        click(buttons[i]);
        EXPECT_EQ(pages->currentIndex(), int(PagePrimfaktorenBerechnung));
        EXPECT_EQ(pc->currentIndex(), i);
        EXPECT_EQ(pc->currentWidget()->objectName(), tabs[i]);
    }
    EXPECT_EQ(pc->tabText(0), "Primzahlen berechnen");
    edit("edGGT01")->setText("12");
    ts.log.clear();
    click("BitBtnPrimBack01");
    EXPECT_EQ(pages->currentIndex(), int(PagePrimfaktoren));
    EXPECT_EQ(ts.log.events, QStringList{"sound MUSIN02"});
    click("BitBtnPrimFak03");
    EXPECT_EQ(edit("edGGT01")->text(), "12"); // fields keep their contents
    EXPECT_NE(find("BitBtnBack04"), nullptr);
}

TEST_F(PrimesPagesTest, KeyFiltersLetDigitsAndBackspaceThrough)
{
    QLineEdit* e = edit("edPrimFak01");
    QTest::keyClicks(e, "12a-3 .4");
    EXPECT_EQ(e->text(), "1234");
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text(), "123");
    for (const char* name : {"edGGT01", "edGGT02", "edKGV01", "edKGV02"}) {
        QTest::keyClicks(edit(name), "x7y");
        EXPECT_EQ(edit(name)->text(), "7") << name;
        QTest::keyClick(edit(name), Qt::Key_Backspace);
        EXPECT_EQ(edit(name)->text(), "") << name;
    }
}

TEST_F(PrimesPagesTest, DeleteKeyWorksAlsoWhenItCarriesAControlCharacter)
{
    // On X11 the Delete key comes with the text "\x7f"; it types nothing and must pass.
    auto pressDelete = [](QLineEdit* e) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(e, &press);
    };
    for (const char* name : {"edPrimFak01", "edGGT01", "edKGV02"}) {
        QLineEdit* e = edit(name);
        e->setText("12345");
        e->home(false);
        pressDelete(e);
        pressDelete(e);
        EXPECT_EQ(e->text(), "345") << name;
        // Other typed characters are still dropped.
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(e, &letter);
        EXPECT_EQ(e->text(), "345") << name;
    }
    // A range field can be emptied with Delete; no notice while typing.
    QLineEdit* from = edit("edPrimCalc01");
    from->setText("7");
    from->selectAll();
    pressDelete(from);
    EXPECT_EQ(from->text(), "");
    EXPECT_TRUE(messages().empty());
}

TEST_F(PrimesPagesTest, BackspaceNeverEmptiesARangeField)
{
    QLineEdit* e = edit("edPrimCalc01");
    e->setText("50");
    e->end(false);
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text(), "5");
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text(), "5");
    QTest::keyClicks(e, "a1");
    EXPECT_EQ(e->text(), "51");
}

TEST_F(PrimesPagesTest, RangeFieldsDriveTheirSpinners)
{
    auto* up = find<TUpDownLong>("UpDownPrimCalc01");
    EXPECT_EQ(edit("edPrimCalc01")->text(), "0");
    EXPECT_EQ(edit("edPrimCalc02")->text(), "0");
    EXPECT_EQ(up->Max(), 2147400000);
    edit("edPrimCalc01")->setText("5000");
    EXPECT_EQ(up->Position(), 5000);
    up->stepUp();
    EXPECT_EQ(edit("edPrimCalc01")->text(), "6000");
    edit("edPrimCalc01")->setText("2147399500");
    up->stepUp();
    EXPECT_EQ(edit("edPrimCalc01")->text(), "2147400000"); // no thousands separators
}

TEST_F(PrimesPagesTest, PrimeListOfSmallRanges)
{
    click("BitBtnPrimFak01");
    ts.log.clear();
    calculate("0", "30");
    EXPECT_EQ(primeLines(), QStringList{"2  3  5  7  11  13  17  19  23  29  "});
    EXPECT_EQ(ts.log.events, QStringList{"sound MUSIN03"});
    EXPECT_TRUE(model()->finished());
    calculate("30", "0");
    EXPECT_EQ(primeLines(), QStringList{"2  3  5  7  11  13  17  19  23  29  "});
    calculate("24", "28");
    EXPECT_EQ(primeLines(), QStringList{""});
    calculate("100", "1000");
    const QStringList lines = primeLines();
    ASSERT_EQ(lines.size(), 8); // 143 three-digit primes, 19 on a line
    for (const QString& l : lines)
        EXPECT_LE(l.size(), 95);
    EXPECT_TRUE(lines.first().startsWith("101  103  107"));
    EXPECT_TRUE(lines.last().endsWith("991  997  "));
    EXPECT_TRUE(messages().empty());
}

TEST_F(PrimesPagesTest, EmptyOrOversizedRangeFieldsAreRefused)
{
    calculate("0", "30");
    edit("edPrimCalc02")->clear(); // no notice while typing; "&Berechnen" answers it
    emit edit("edPrimCalc02")->editingFinished(); // the pupil leaves the field for the button
    EXPECT_TRUE(messages().empty());
    click("BitBtnPrimCalc");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Zu wenige Eingaben !");
    EXPECT_EQ(messages()[0].kind, MessageKind::Information);
    EXPECT_FALSE(messages()[0].error);
    EXPECT_EQ(model()->rowCount(), 0);

    // Ten digits at most; ten nines are still past the 32-bit range.
    edit("edPrimCalc01")->setText("99999999999");
    EXPECT_EQ(edit("edPrimCalc01")->text(), "9999999999");
    emit edit("edPrimCalc01")->editingFinished();
    edit("edPrimCalc02")->setText("10");
    QTest::keyClick(edit("edPrimCalc02"), Qt::Key_Return); // Enter calculates too
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, "'9999999999' ist kein gültiger Integerwert.");
    EXPECT_TRUE(messages()[1].error);
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_FALSE(model()->counting());
}

TEST_F(PrimesPagesTest, RangeFieldBeingTypedGivesNoNoticeUntilCalculating)
{
    click("BitBtnPrimFak01");
    auto* up = find<TUpDownLong>("UpDownPrimCalc01");
    QLineEdit* e = edit("edPrimCalc01");
    e->setFocus();
    QTest::keyClicks(e, "5000");
    EXPECT_EQ(e->text(), "05000");
    EXPECT_EQ(up->Position(), 5000);

    // Backspace keeps the last digit; Delete empties the field without a notice, and the
    // spinner keeps its position.
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    EXPECT_EQ(e->text(), "");
    EXPECT_EQ(up->Position(), 5000);

    // Typing on: an eleventh digit is not taken; ten digits past the 32-bit range wait
    // for Enter.
    QTest::keyClicks(e, "2147483647");
    EXPECT_EQ(up->Position(), 2147400000); // the spinner stays within its range
    QTest::keyClick(e, Qt::Key_0);
    EXPECT_EQ(e->text(), "2147483647");
    e->setText("214748364");
    QTest::keyClick(e, Qt::Key_8);
    EXPECT_TRUE(messages().empty());
    QTest::keyClick(e, Qt::Key_Return);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "'2147483648' ist kein gültiger Integerwert.");
    EXPECT_TRUE(messages()[0].error);

    // The spinner arrows write valid numbers only.
    e->setText("7000");
    up->stepUp();
    EXPECT_EQ(e->text(), "8000");
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(PrimesPagesTest, LongCountShowsFirstLinesAndCanBeCancelled)
{
    click("BitBtnPrimFak01");
    edit("edPrimCalc01")->setText("0");
    edit("edPrimCalc02")->setText("2147400000");
    click("BitBtnPrimCalc");
    QElapsedTimer t;
    t.start();
    while (model()->rowCount() == 0 && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_GT(model()->rowCount(), 0);
    EXPECT_EQ(model()->index(0).data().toString().left(15), "2  3  5  7  11 ");
    EXPECT_EQ(list()->viewport()->cursor().shape(), Qt::BusyCursor);
    EXPECT_TRUE(find<QPushButton>("BitBtnPrimCalcStop")->isEnabled());
    click("BitBtnPrimCalcStop");
    EXPECT_FALSE(model()->counting());
    EXPECT_TRUE(model()->cancelled());
    const int rows = model()->rowCount();
    EXPECT_GT(rows, 0);
    QTest::qWait(50);
    EXPECT_EQ(model()->rowCount(), rows); // nothing more arrives
    EXPECT_FALSE(find<QPushButton>("BitBtnPrimCalcStop")->isEnabled());
    // The summary names the last prime of the list, where the pupil sees it stop.
    const QString lastLine = model()->index(rows - 1).data().toString();
    EXPECT_EQ(find<QLabel>("lblPrimCalc02")->text(),
              "Abgebrochen nach " + lastLine.split(' ', Qt::SkipEmptyParts).last());
    EXPECT_EQ(list()->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PrimesPagesTest, NewCalculationOrLeavingThePageCancelsTheCount)
{
    click("BitBtnPrimFak01");
    edit("edPrimCalc02")->setText("2147400000");
    click("BitBtnPrimCalc");
    EXPECT_TRUE(model()->counting());
    calculate("0", "30"); // a new "&Berechnen" replaces the running count
    EXPECT_EQ(primeLines(), QStringList{"2  3  5  7  11  13  17  19  23  29  "});

    edit("edPrimCalc02")->setText("2147400000");
    click("BitBtnPrimCalc");
    EXPECT_TRUE(model()->counting());
    click("BitBtnPrimBack01");
    EXPECT_FALSE(model()->counting());
}

TEST_F(PrimesPagesTest, JumpToTheEndShowsTheLastLine)
{
    click("BitBtnPrimFak01");
    list()->resize(494, 286);
    calculate("0", "3000000");
    ASSERT_TRUE(model()->finished());
    const int rows = model()->rowCount();
    EXPECT_GT(rows, 20000);
    click("BitBtnPrimCalcEnde");
    const auto [first, count] = list()->paintedRows();
    EXPECT_EQ(first + count, rows);
    EXPECT_TRUE(model()->index(rows - 1).data().toString().endsWith("2999999  "));
    EXPECT_TRUE(find<QLabel>("lblPrimCalc02")->text().startsWith("216816 Primzahlen"));
}

TEST_F(PrimesPagesTest, Factorisation)
{
    click("BitBtnPrimFak02");
    edit("edPrimFak01")->setText("360");
    click("BitBtnPrimFak");
    EXPECT_EQ(factorLines(), QStringList{"2  2  2  3  3  5  "});
    edit("edPrimFak01")->setText("1");
    click("BitBtnPrimFak");
    EXPECT_EQ(factorLines(), QStringList{""});
    edit("edPrimFak01")->setText("2147483647");
    click("BitBtnPrimFak");
    EXPECT_EQ(factorLines(), QStringList{"2147483647  "});
    EXPECT_TRUE(messages().empty());

    edit("edPrimFak01")->clear();
    click("BitBtnPrimFak");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, "Es wurde noch keine Zahl eingegeben");
    EXPECT_TRUE(factorLines().isEmpty());

    edit("edPrimFak01")->setText("2147483648");
    click("BitBtnPrimFak");
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, "'2147483648' ist kein gültiger Integerwert.");
    EXPECT_TRUE(messages()[1].error);
    EXPECT_TRUE(factorLines().isEmpty());
}

TEST_F(PrimesPagesTest, RadioGroupsShowHideAndEmptyTheThirdField)
{
    for (const char* key : {"GGT", "KGV"}) {
        QLineEdit* third = edit((QStringLiteral("ed") + key + QStringLiteral("03")).toLatin1().constData());
        auto* two = find<QRadioButton>(QStringLiteral("RadioGroup%1Item0").arg(key).toLatin1().constData());
        auto* three = find<QRadioButton>(QStringLiteral("RadioGroup%1Item1").arg(key).toLatin1().constData());
        QWidget* tab = third->parentWidget();
        EXPECT_TRUE(two->isChecked());
        EXPECT_FALSE(third->isVisibleTo(tab));
        QTest::mouseClick(three, Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_TRUE(three->isChecked());
        EXPECT_TRUE(third->isVisibleTo(tab)) << key;
        EXPECT_TRUE(third->text().isEmpty());
        third->setText("30");
        QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_FALSE(third->isVisibleTo(tab)) << key;
        EXPECT_TRUE(third->text().isEmpty()) << key;
    }
}

TEST_F(PrimesPagesTest, GgTOfTwoAndThreeNumbers)
{
    struct Case {
        QStringList in;
        QStringList shown;
        QString result;
    };
    const Case cases[] = {
        {{"12", "18"}, {"12", "18"}, "6"},
        {{"18", "12"}, {"12", "18"}, "6"},
        {{"0", "5"}, {"1", "5"}, "1"},
        {{"-12", "18"}, {"12", "18"}, "6"}, // pasted past the key filter
        {{"30", "12", "18"}, {"12", "18", "30"}, "6"},
        {{"2147483647", "2147483646"}, {"2147483646", "2147483647"}, "1"},
    };
    auto* three = find<QRadioButton>("RadioGroupGGTItem1");
    auto* two = find<QRadioButton>("RadioGroupGGTItem0");
    for (const Case& c : cases) {
        QTest::mouseClick(c.in.size() == 3 ? three : two, Qt::LeftButton, {}, QPoint(5, 8));
        for (int i = 0; i < c.in.size(); ++i)
            edit(QStringLiteral("edGGT0%1").arg(i + 1).toLatin1().constData())->setText(c.in[i]);
        click("BitBtnGGT");
        for (int i = 0; i < c.in.size(); ++i)
            EXPECT_EQ(edit(QStringLiteral("edGGT0%1").arg(i + 1).toLatin1().constData())->text(),
                      c.shown[i]);
        EXPECT_EQ(edit("edGGT04")->text(), c.result) << c.in.join(' ').toStdString();
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(PrimesPagesTest, KgVOfTwoAndThreeNumbersAndTheLimit)
{
    auto* three = find<QRadioButton>("RadioGroupKGVItem1");
    edit("edKGV01")->setText("6");
    edit("edKGV02")->setText("4");
    click("BitBtnKGV");
    EXPECT_EQ(edit("edKGV01")->text(), "4");
    EXPECT_EQ(edit("edKGV02")->text(), "6");
    EXPECT_EQ(edit("edKGV04")->text(), "12");
    QTest::mouseClick(three, Qt::LeftButton, {}, QPoint(5, 8));
    edit("edKGV01")->setText("4");
    edit("edKGV02")->setText("0");
    edit("edKGV03")->setText("-3");
    click("BitBtnKGV");
    EXPECT_EQ(edit("edKGV01")->text(), "1");
    EXPECT_EQ(edit("edKGV02")->text(), "3");
    EXPECT_EQ(edit("edKGV03")->text(), "4");
    EXPECT_EQ(edit("edKGV04")->text(), "12");
    EXPECT_TRUE(messages().empty());

    // A kgV above the largest 32-bit number is refused; the answer to the numbers before
    // is taken away, so it cannot be read as the answer to these.
    edit("edKGV01")->setText("2147483647");
    edit("edKGV02")->setText("2");
    edit("edKGV03")->setText("1");
    click("BitBtnKGV");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains("2147483647"));
    EXPECT_TRUE(messages()[0].text.startsWith("Das kgV"));
    EXPECT_EQ(messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(edit("edKGV04")->text(), "");
}

TEST_F(PrimesPagesTest, GgTKgVFailureTable)
{
    for (const char* key : {"GGT", "KGV"}) {
        ts.messages.messages.clear();
        auto name = [&](int i) { return QStringLiteral("ed%1%2").arg(key).arg(i, 2, 10, QLatin1Char('0')).toLatin1(); };
        const QString button = QStringLiteral("BitBtn%1").arg(key);
        QTest::mouseClick(find<QRadioButton>(QStringLiteral("RadioGroup%1Item1").arg(key).toLatin1().constData()),
                          Qt::LeftButton, {}, QPoint(5, 8));
        edit(name(4).constData())->setText("77");
        // One field only.
        edit(name(1).constData())->setText("5");
        edit(name(2).constData())->clear();
        edit(name(3).constData())->clear();
        click(button.toLatin1().constData());
        // First and third field: the empty second one is read.
        edit(name(3).constData())->setText("7");
        click(button.toLatin1().constData());
        // Ten digits past the 32-bit range (an eleventh is not taken).
        edit(name(2).constData())->setText("99999999999");
        click(button.toLatin1().constData());
        ASSERT_EQ(messages().size(), 3u) << key;
        EXPECT_EQ(messages()[0].text, "Zu wenige Eingaben !");
        EXPECT_FALSE(messages()[0].error);
        EXPECT_EQ(messages()[1].text, "'' ist kein gültiger Integerwert.");
        EXPECT_TRUE(messages()[1].error);
        EXPECT_EQ(messages()[2].text, "'9999999999' ist kein gültiger Integerwert.");
        EXPECT_TRUE(messages()[2].error);
        // Nothing else changed: no sorting, no result.
        EXPECT_EQ(edit(name(1).constData())->text(), "5");
        EXPECT_EQ(edit(name(3).constData())->text(), "7");
        EXPECT_EQ(edit(name(4).constData())->text(), "77") << key;
    }
}

TEST_F(PrimesPagesTest, ListKeysAndClicks)
{
    click("BitBtnPrimFak01");
    list()->resize(518, 288);
    calculate("0", "1000000");
    const int rows = model()->rowCount();
    ASSERT_GT(rows, 1000);
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_End);
    EXPECT_EQ(list()->currentIndex().row(), rows - 1);
    EXPECT_EQ(list()->firstVisibleRow() + list()->visibleRows(), rows);
    QTest::keyClick(list(), Qt::Key_Home);
    EXPECT_EQ(list()->currentIndex().row(), 0);
    EXPECT_EQ(list()->firstVisibleRow(), 0);
    QTest::keyClick(list(), Qt::Key_PageDown);
    EXPECT_EQ(list()->currentIndex().row(), list()->visibleRows());
    // A click picks the line under the mouse.
    list()->verticalScrollBar()->setValue(500);
    const QPoint third(20, 2 * list()->rowHeight() + 3);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(list()->currentIndex().row(), 502);
    EXPECT_TRUE(list()->selectionModel()->isRowSelected(502, {}));
    EXPECT_EQ(list()->indexAt(third).data().toString(), model()->index(502).data().toString());
}

TEST_F(PrimesPagesTest, DigitFiltersHoldWhateverModifierIsHeldAndForPastedText)
{
    const char* const fields[] = {"edPrimCalc01", "edPrimFak01", "edGGT01", "edGGT02",
                                  "edKGV01", "edKGV02"};
    for (const char* name : fields) {
        QLineEdit* e = edit(name);
        e->setText("1");
        e->end(false);
        // Letters held with Alt, AltGr or Shift type nothing.
        for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::AltModifier),
                                           Qt::KeyboardModifiers(Qt::AltModifier | Qt::ControlModifier),
                                           Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
            QKeyEvent x(QEvent::KeyPress, Qt::Key_X, mods, QStringLiteral("x"));
            QApplication::sendEvent(e, &x);
            QKeyEvent q(QEvent::KeyPress, Qt::Key_Q, mods, QStringLiteral("q"));
            QApplication::sendEvent(e, &q);
        }
        QTest::keyClick(e, Qt::Key_2);
        EXPECT_EQ(e->text(), "12") << name;
        // Pasting (Ctrl+V or the context menu's "Einfügen") meets the same filter.
        QApplication::clipboard()->setText(QStringLiteral("3x-4 .5"));
        e->paste();
        EXPECT_EQ(e->text(), "12345") << name;
        // A pasted page of text: at most ten digits are taken, and no error box grows.
        e->clear();
        QApplication::clipboard()->setText(QStringLiteral("9876543210").repeated(1000));
        e->paste();
        EXPECT_EQ(e->text(), "9876543210") << name;
    }
    // The range field reports the ten digits past 32 bits with a short quote.
    for (const auto& m : messages())
        EXPECT_LE(m.text.size(), 60) << m.text.toStdString();
}

TEST_F(PrimesPagesTest, ARangeChangedAfterTheListingIsSaidSo)
{
    click("BitBtnPrimFak01");
    calculate("0", "30");
    auto* summary = find<QLabel>("lblPrimCalc02");
    EXPECT_EQ(summary->text(), "10 Primzahlen, 1 Zeile");
    edit("edPrimCalc02")->setText("40");
    EXPECT_EQ(summary->text(), "Bereich geändert – Berechnen drücken");
    EXPECT_EQ(primeLines(), QStringList{"2  3  5  7  11  13  17  19  23  29  "}); // still shown
    // Back to the listed range (also written the other way round): the summary returns.
    edit("edPrimCalc01")->setText("30");
    edit("edPrimCalc02")->setText("0");
    EXPECT_EQ(summary->text(), "10 Primzahlen, 1 Zeile");
    find<TUpDownLong>("UpDownPrimCalc01")->stepUp();
    EXPECT_EQ(summary->text(), "Bereich geändert – Berechnen drücken");
    click("BitBtnPrimCalc");
    waitForCount();
    EXPECT_TRUE(model()->finished());
    EXPECT_EQ(summary->text(), QStringLiteral("%1 Primzahlen, %2 Zeilen")
                                   .arg(model()->primesCounted())
                                   .arg(model()->rowCount()));
    EXPECT_EQ(model()->hi(), 1030u);
    EXPECT_TRUE(messages().empty());
    calculate("2", "2");
    EXPECT_EQ(summary->text(), "1 Primzahl, 1 Zeile");
}
