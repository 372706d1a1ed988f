// The number-system tasks through their widgets: the settings half of 'Zahlensysteme',
// whole series with the recorded counts, jingles and messages in order, the number pad,
// bad input, and the help window "Hilfe: Zahlensysteme".
#include "numbersystemspages.h"
#include "numsystaskpages.h"
#include "numsystasks.h"
#include "pageharness.h"
#include "updownlong.h"
#include "zsyshilfe.h"
#include "zsyshilfetexts.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

const QString kWrong = QStringLiteral("Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r");

struct TaskPages : ::testing::Test, PageHarness {
    NumberSystemTaskPages* tasks = nullptr;

    TaskPages()
    {
        QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        installNumberSystemsPages(ctx);
        tasks = window.findChild<NumberSystemTaskPages*>();
        pages->setCurrentIndex(PageZahlensysteme);
    }
    ~TaskPages() override { tasks->helpWindow()->close(); }

    QLineEdit* answer() const { return find<QLineEdit>("edZSysAufgErg"); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    void choose(const char* group, int item)
    {
        click(QStringLiteral("%1Item%2").arg(QLatin1String(group)).arg(item).toLatin1().constData());
    }
    void setCount(int n)
    {
        QLineEdit* e = find<QLineEdit>("EditZahlen01");
        e->selectAll();
        QTest::keyClicks(e, QString::number(n));
    }
    void enter(const QString& text)
    {
        answer()->clear();
        QTest::keyClicks(answer(), text);
        QTest::keyClick(answer(), Qt::Key_Return);
    }
    QStringList takeLog()
    {
        const QStringList l = ts.log.events;
        ts.log.clear();
        return l;
    }
};

TEST_F(TaskPages, SettingsHalfBesideTheCalculatorButtons)
{
    struct Group {
        const char* name;
        const char* caption;
        QStringList items;
    };
    const Group groups[] = {
        {"RadioGroupZahlen01", "Zahlensystem",
         {"Römisches", "Duales", "Dreier", "Oktales", "Hexadezimales"}},
        {"RadioGroupZahlen02", "Umrechnen in das",
         {"Dezimalsystem", "links ausgewählte  Zahlensystem"}},
        {"RadioGroupZahlen03", "Schwierigkeitsgrad", {"leicht", "mittel", "schwer"}},
    };
    QWidget* page = pages->widget(PageZahlensysteme);
    QList<QWidget*> placed;
    for (const Group& g : groups) {
        auto* box = find<QGroupBox>(g.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->title(), QString::fromUtf8(g.caption));
        placed << box;
        for (int i = 0; i < g.items.size(); ++i) {
            auto* rb = find<QRadioButton>(
                QStringLiteral("%1Item%2").arg(QLatin1String(g.name)).arg(i).toLatin1().constData());
            ASSERT_NE(rb, nullptr);
            EXPECT_EQ(rb->accessibleName(), g.items[i]);
            // A long item may be shown on two lines, broken at its double blank.
            QString shown = rb->text();
            EXPECT_EQ(shown.replace(QLatin1Char('\n'), QStringLiteral("  ")), g.items[i]);
            EXPECT_EQ(rb->isChecked(), i == 0);
            EXPECT_TRUE(box->rect().contains(rb->geometry())) << rb->objectName().toStdString();
        }
    }
    // The three items of the difficulty stand side by side.
    EXPECT_EQ(find<QWidget>("RadioGroupZahlen03Item0")->y(), find<QWidget>("RadioGroupZahlen03Item2")->y());
    // "links": the system group stands left of the direction group.
    EXPECT_LT(find<QWidget>("RadioGroupZahlen01")->geometry().right(),
              find<QWidget>("RadioGroupZahlen02")->x());

    auto* spin = find<TUpDownLong>("UpDownZahlen01");
    EXPECT_EQ(spin->Min(), 1);
    EXPECT_EQ(spin->Max(), 1000);
    EXPECT_EQ(spin->Position(), 10);
    EXPECT_EQ(spin->Associate(), find<QLineEdit>("EditZahlen01"));
    EXPECT_EQ(spin->Associate()->accessibleName(), QStringLiteral("Aufgabenanzahl"));
    EXPECT_EQ(label("LabelZahlen03"), QStringLiteral("Aufgabenanzahl"));
    auto* start = find<QPushButton>("BitBtnStart03");
    EXPECT_EQ(start->text(), QStringLiteral("&Start"));
    placed << find<QWidget>("LabelZahlen03") << spin->Associate() << start;

    // All in the right half (x 280 .. 539, above the bottom row), none on another.
    for (QWidget* w : placed) {
        const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
        EXPECT_TRUE(QRect(280, 0, 259, 500).contains(r)) << w->objectName().toStdString();
        for (QWidget* o : placed)
            if (o != w && o->parentWidget() == w->parentWidget())
                EXPECT_FALSE(w->geometry().intersects(o->geometry()))
                    << w->objectName().toStdString() << " / " << o->objectName().toStdString();
    }
    for (const char* b : {"BitBtnZSys01", "BitBtnZSys05"})
        EXPECT_LT(find<QWidget>(b)->geometry().right(), 268);
}

TEST_F(TaskPages, RomanSeriesWithEveryVerdictInOrder)
{
    choose("RadioGroupZahlen03", 2); // schwer
    setCount(3);
    ts.random.script({0, 1994, 4, 3999}); // the 0 is drawn again
    click("BitBtnStart03");
    EXPECT_EQ(pages->currentIndex(), PageZahlensystemeAufgaben);
    EXPECT_TRUE(pad->padEnabled());
    EXPECT_EQ(ts.random.seedings, 1);
    EXPECT_EQ(takeLog(), (QStringList{"changed 5", "given 5 1", "sound MUSIN02"}));
    EXPECT_EQ(status, QStringLiteral("Aufgabe 1 von 3"));
    EXPECT_EQ(label("lblZSys01"), QStringLiteral("Dezimalzahl"));
    EXPECT_EQ(label("lblZSys02"), QStringLiteral("Römische Zahl"));
    EXPECT_EQ(label("lblZSys03"), QStringLiteral("1994 ="));
    EXPECT_EQ(find<QLabel>("lblZSys03")->x(), 150 - 7 * (4 + 3));
    // The shown number and the names are read out as they stand; the answer field by the
    // name above it.
    EXPECT_TRUE(find<QLabel>("lblZSys03")->accessibleName().isEmpty());
    EXPECT_EQ(answer()->accessibleName(), QStringLiteral("Römische Zahl"));
    EXPECT_TRUE(answer()->hasFocus() || QApplication::focusWidget() == nullptr);

    enter(QString()); // nothing typed
    EXPECT_EQ(takeLog(), QStringList{"message Sie haben noch keinen\rWert eingegeben"});
    enter(QStringLiteral("mcmxciv"));
    EXPECT_EQ(takeLog(), (QStringList{"correct 5 1", "sound right", "given 5 1"}));
    EXPECT_EQ(status, QStringLiteral("Aufgabe 2 von 3"));
    EXPECT_EQ(label("lblZSys03"), QStringLiteral("4 ="));
    EXPECT_TRUE(answer()->text().isEmpty());

    QStringList fieldTexts;
    QObject::connect(answer(), &QLineEdit::textChanged, [&](const QString& t) { fieldTexts << t; });
    enter(QStringLiteral("iiii"));
    // The answer is shown upper-cased with its verdict, then emptied.
    EXPECT_TRUE(fieldTexts.contains(QStringLiteral("IIII")));
    EXPECT_TRUE(answer()->text().isEmpty());
    enter(QStringLiteral("ix"));
    EXPECT_EQ(takeLog(),
              (QStringList{"sound wrong", "message " + kWrong, "sound wrong",
                           "message " + kWrong + QStringLiteral("Das richtige Ergebnis lautet: IV"),
                           "given 5 1"}));
    EXPECT_EQ(status, QStringLiteral("Aufgabe 3 von 3"));
    EXPECT_EQ(label("lblZSys03"), QStringLiteral("3999 ="));

    // The pad's "Ergebnis bestätigen" confirms on this page; the last right answer ends
    // the series without disabling the pad.
    QTest::keyClicks(answer(), QStringLiteral("MMMCMXCIX"));
    pad->confirmClicked();
    EXPECT_EQ(takeLog(), (QStringList{"correct 5 1", "sound right", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_TRUE(pad->padEnabled());
}

TEST_F(TaskPages, DecimalAnswersRefuseTextsThatAreNoNumberWithoutCostingATry)
{
    choose("RadioGroupZahlen01", 4); // Hexadezimales
    choose("RadioGroupZahlen02", 1); // into decimal
    setCount(2);
    ts.random.script({26, 255});
    click("BitBtnStart03");
    EXPECT_EQ(label("lblZSys01"), QStringLiteral("Hexadezimalzahl"));
    EXPECT_EQ(label("lblZSys02"), QStringLiteral("Dezimalzahl"));
    EXPECT_EQ(label("lblZSys03"), QStringLiteral("1A ="));
    takeLog();

    for (const char* bad : {"1A", "2 6", "26.0", "-", "999999999999999999999999999999"}) {
        enter(QString::fromLatin1(bad));
        EXPECT_EQ(answer()->text(), QString::fromLatin1(bad)); // kept for correcting
    }
    answer()->setText(QStringLiteral("2\x01" "6")); // a pasted control character
    QTest::keyClick(answer(), Qt::Key_Return);
    const QStringList log = takeLog();
    ASSERT_EQ(log.size(), 6);
    EXPECT_EQ(log[0], QStringLiteral("error '1A' ist kein gültiger Integerwert."));
    for (const QString& e : log)
        EXPECT_TRUE(e.startsWith(QStringLiteral("error '"))) << e.toStdString();
    EXPECT_EQ(tasks->series().wrongAttempts(), 0);

    // The pad's digits stay out of this field.
    answer()->clear();
    pad->digitClicked(2);
    EXPECT_TRUE(answer()->text().isEmpty());

    enter(QStringLiteral("26"));
    EXPECT_EQ(takeLog(), (QStringList{"correct 5 5", "sound right", "given 5 5"}));
    EXPECT_EQ(label("lblZSys03"), QStringLiteral("FF ="));
    // Skipping the last task ends the series and disables the pad.
    pad->skipClicked();
    EXPECT_EQ(takeLog(), QStringList{"sound MUSIN02"});
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_TRUE(status.isEmpty());
}

TEST_F(TaskPages, BaseTwoToEightAskedInTheSystem)
{
    struct Case {
        int systemItem;
        int difficulty;
        int value;
        const char* label;
        const char* answerName;
        const char* right; // typed, leading zeros allowed
        const char* expected;
    };
    const Case cases[] = {
        {1, 0, 5, "5 =", "Dualzahl", "0101", "101"},
        {1, 2, 2048, "2048 =", "Dualzahl", "0100000000000", "100000000000"},
        {2, 2, 6561, "6561 =", "Dreierzahl", "100000000", "100000000"},
        {3, 1, 100, "100 =", "Oktalzahl", "144", "144"},
    };
    for (const Case& c : cases) {
        choose("RadioGroupZahlen01", c.systemItem);
        choose("RadioGroupZahlen03", c.difficulty);
        setCount(2);
        ts.random.script({c.value, c.value});
        click("BitBtnStart03");
        EXPECT_EQ(label("lblZSys03"), QString::fromLatin1(c.label));
        EXPECT_EQ(label("lblZSys02"), QString::fromLatin1(c.answerName));
        enter(QString::fromLatin1(c.right));
        // The second task: the decimal value typed is wrong twice; the right answer is
        // given as the digit text of the system.
        enter(QString::number(c.value));
        enter(QString::number(c.value));
        const int kind = c.systemItem + 1;
        EXPECT_EQ(takeLog(),
                  (QStringList{"changed 5", QStringLiteral("given 5 %1").arg(kind), "sound MUSIN02",
                               QStringLiteral("correct 5 %1").arg(kind), "sound right",
                               QStringLiteral("given 5 %1").arg(kind), "sound wrong",
                               "message " + kWrong, "sound wrong",
                               "message " + kWrong + QStringLiteral("Das richtige Ergebnis lautet: ")
                                   + QString::fromLatin1(c.expected),
                               "sound MUSIN02"}))
            << c.label;
        EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    }
}

TEST_F(TaskPages, AbortReturnsToTheSettingsPage)
{
    click("BitBtnStart03");
    takeLog();
    QTest::keyClicks(answer(), QStringLiteral("XII"));
    click("btnZSysAufgAbbruch");
    EXPECT_EQ(takeLog(), QStringList{"sound MUSIN02"});
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_TRUE(status.isEmpty());
    // Nothing of the series reacts any more.
    tasks->btnZSysAufgOKClick();
    tasks->btnZSysAufgUeberspringenClick();
    EXPECT_TRUE(takeLog().isEmpty());
}

TEST_F(TaskPages, LongerNumbersStartFurtherLeft)
{
    choose("RadioGroupZahlen01", 1);
    choose("RadioGroupZahlen02", 1);
    choose("RadioGroupZahlen03", 2);
    ts.random.script({2048, 1});
    click("BitBtnStart03");
    auto* number = find<QLabel>("lblZSys03");
    EXPECT_EQ(number->text(), QStringLiteral("100000000000 ="));
    EXPECT_EQ(number->x(), 150 - 7 * (12 + 3));
    // It ends before the answer field.
    EXPECT_LE(number->x() + number->fontMetrics().horizontalAdvance(number->text()), answer()->x());
    click("btnZSysAufgUeberspringen");
    EXPECT_EQ(number->text(), QStringLiteral("1 ="));
    EXPECT_EQ(number->x(), 150 - 7 * (1 + 3));
}

int helpWindows()
{
    int n = 0;
    for (QWidget* w : QApplication::allWidgets())
        n += qobject_cast<TFormZSysHilfe*>(w) ? 1 : 0;
    return n;
}

TEST_F(TaskPages, HelpWindowOneInstanceFixedAndNotModal)
{
    TFormZSysHilfe* help = tasks->helpWindow();
    EXPECT_EQ(helpWindows(), 1); // created with the pages, hidden
    EXPECT_FALSE(help->isVisible());
    click("BitBtnStart03");
    click("btnZSysAufgHilfe");
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    click("btnZSysAufgHilfe");
    EXPECT_EQ(helpWindows(), 1);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Hilfe: Zahlensysteme"));
    EXPECT_EQ(help->size(), QSize(432, 343));
    help->resize(700, 500);
    EXPECT_EQ(help->size(), QSize(432, 343));
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(help->windowFlags() & Qt::WindowCloseButtonHint);

    // The series goes on beside it; it stays open when the series ends.
    QTest::keyClicks(answer(), QStringLiteral("x"));
    EXPECT_EQ(answer()->text(), QStringLiteral("x"));
    click("btnZSysAufgAbbruch");
    EXPECT_TRUE(help->isVisible());

    // The tab the pupil chose is kept when the window is closed and opened again.
    QTabWidget* tabs = help->pageControl();
    EXPECT_EQ(tabs->objectName(), QStringLiteral("PageControl01"));
    tabs->setCurrentIndex(3);
    help->close();
    EXPECT_FALSE(help->isVisible());
    tasks->btnZSysAufgHilfeClick();
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(helpWindows(), 1);
}

TEST_F(TaskPages, HelpWindowTabsShowTheirTexts)
{
    QTabWidget* tabs = tasks->helpWindow()->pageControl();
    EXPECT_EQ(tabs->currentIndex(), 0);
    const QStringList captions{"Römische Zahlen", "Dualsystem", "Dreiersystem", "Oktalsystem",
                               "Hexadezimalsystem"};
    ASSERT_EQ(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        auto* memo = qobject_cast<QPlainTextEdit*>(tabs->widget(i));
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->objectName(), QStringLiteral("Memo%1").arg(i + 1));
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(memo->font().pixelSize(), 13);
        EXPECT_EQ(memo->accessibleName(), captions[i]);
        const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
        EXPECT_EQ(lines, numsys::helpSheets()[std::size_t(i)].lines);
        EXPECT_EQ(lines.first(), QString(44, QLatin1Char('-')));
        // Every line fits without scrolling sideways.
        const QFontMetrics fm(memo->font());
        for (const QString& l : lines)
            EXPECT_LT(fm.horizontalAdvance(l), memo->viewport()->width() > 100
                                                   ? memo->viewport()->width()
                                                   : 432 - 60)
                << l.toStdString();
    }
    const QString dual = qobject_cast<QPlainTextEdit*>(tabs->widget(1))->toPlainText();
    for (const char* piece : {"39:2=19 R 1", "1:2= 0 R 1", "100111", "1 x 2^0 + 1 x 2^1",
                              "1 + 2 + 4 + 32 = 39"})
        EXPECT_TRUE(dual.contains(QLatin1String(piece))) << piece;
}

} // namespace
