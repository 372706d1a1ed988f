// The number-system tasks through their widgets: the settings half of 'Zahlensysteme',
// whole series with counts, jingles and messages in order, the number pad, bad input,
// and the help window "Hilfe: Zahlensysteme".
#include "numbersystemspages.h"
#include "numsystaskpages.h"
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

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct TaskPages : ::testing::Test, PageHarness {
    NumberSystemTaskPages* tasks = nullptr;

    TaskPages()
    {
        installNumberSystemsPages(ctx);
        tasks = window.findChild<NumberSystemTaskPages*>();
        pages->setCurrentIndex(PageZahlensysteme);
    }
    ~TaskPages() override { tasks->helpWindow()->close(); }

    QLineEdit* answer() const { return find<QLineEdit>("edZSysAufgErg"); }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    QRadioButton* item(const char* group, int i) const
    {
        return find<QRadioButton>(QStringLiteral("%1Item%2").arg(group).arg(i).toLatin1().constData());
    }
    void start(int system, int direction, int difficulty, int count, std::initializer_list<int> draws)
    {
        item("RadioGroupZahlen01", system)->click();
        item("RadioGroupZahlen02", direction)->click();
        item("RadioGroupZahlen03", difficulty)->click();
        find<QLineEdit>("EditZahlen01")->selectAll();
        QTest::keyClicks(find<QLineEdit>("EditZahlen01"), QString::number(count));
        ts.random.script(draws);
        click("BitBtnStart03");
    }
    void enter(const QString& t)
    {
        answer()->clear();
        QTest::keyClicks(answer(), t);
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
    const std::pair<const char*, QStringList> groups[] = {
        {"Zahlensystem", {"Römisches", "Duales", "Dreier", "Oktales", "Hexadezimales"}},
        {"Umrechnen in das", {"Dezimalsystem", "links ausgewählte  Zahlensystem"}},
        {"Schwierigkeitsgrad", {"leicht", "mittel", "schwer"}},
    };
    QWidget* page = pages->widget(PageZahlensysteme);
    QList<QWidget*> placed{find<QWidget>("LabelZahlen03"), find<QWidget>("EditZahlen01"),
                           find<QWidget>("BitBtnStart03")};
    for (int g = 0; g < 3; ++g) {
        const QByteArray name = QStringLiteral("RadioGroupZahlen0%1").arg(g + 1).toLatin1();
        auto* box = find<QGroupBox>(name.constData());
        EXPECT_EQ(box->title(), QString::fromUtf8(groups[g].first));
        placed << box;
        for (int i = 0; i < groups[g].second.size(); ++i) {
            QRadioButton* rb = item(name.constData(), i);
            EXPECT_EQ(rb->accessibleName(), groups[g].second[i]);
            // A long item may be shown on two lines, broken at its double blank.
            EXPECT_EQ(rb->text().replace('\n', QStringLiteral("  ")), groups[g].second[i]);
            EXPECT_EQ(rb->isChecked(), i == 0);
            EXPECT_TRUE(box->rect().contains(rb->geometry()));
        }
    }
    EXPECT_EQ(item("RadioGroupZahlen03", 0)->y(), item("RadioGroupZahlen03", 2)->y()); // 3 columns
    EXPECT_LT(placed[3]->geometry().right(), placed[4]->x()); // the system group on the left
    auto* spin = find<TUpDownLong>("UpDownZahlen01");
    EXPECT_EQ(std::make_tuple(spin->Min(), spin->Max(), spin->Position()), std::make_tuple(1, 1000, 10));
    EXPECT_EQ(spin->Associate()->accessibleName(), text("LabelZahlen03"));
    EXPECT_EQ(find<QPushButton>("BitBtnStart03")->text(), QStringLiteral("&Start"));
    for (QWidget* w : placed) { // in the right half, none on another
        EXPECT_TRUE(QRect(280, 0, 259, 500).contains(QRect(w->mapTo(page, QPoint()), w->size())))
            << w->objectName().toStdString();
        for (QWidget* o : placed)
            EXPECT_TRUE(o == w || !w->geometry().intersects(o->geometry()));
    }
}

TEST_F(TaskPages, RomanSeriesWithEveryVerdictInOrder)
{
    start(0, 0, 2, 3, {0, 1994, 4, 3999}); // the 0 is drawn again
    EXPECT_EQ(pages->currentIndex(), PageZahlensystemeAufgaben);
    EXPECT_TRUE(pad->padEnabled());
    EXPECT_EQ(takeLog(), (QStringList{"changed 5", "given 5 1", "sound MUSIN02"}));
    EXPECT_EQ(status, QStringLiteral("Aufgabe 1 von 3"));
    EXPECT_EQ(text("lblZSys01") + "/" + text("lblZSys03") + "/" + text("lblZSys02"),
              QStringLiteral("Dezimalzahl/1994 =/Römische Zahl"));
    EXPECT_EQ(find<QLabel>("lblZSys03")->x(), 150 - 7 * (4 + 3));
    // The number is read out as it stands; the field by the name above it.
    EXPECT_TRUE(find<QLabel>("lblZSys03")->accessibleName().isEmpty());
    EXPECT_EQ(answer()->accessibleName(), QStringLiteral("Römische Zahl"));

    enter(QString());
    EXPECT_EQ(takeLog(), QStringList{"message Sie haben noch keinen\rWert eingegeben"});
    enter(QStringLiteral("mcmxciv"));
    EXPECT_EQ(takeLog(), (QStringList{"correct 5 1", "sound right", "given 5 1"}));
    EXPECT_EQ(status, QStringLiteral("Aufgabe 2 von 3"));
    EXPECT_TRUE(answer()->text().isEmpty());

    QStringList shown;
    QObject::connect(answer(), &QLineEdit::textChanged, [&](const QString& t) { shown << t; });
    enter(QStringLiteral("iiii"));
    EXPECT_TRUE(shown.contains(QStringLiteral("IIII"))); // upper-cased with its verdict
    EXPECT_TRUE(answer()->text().isEmpty());
    enter(QStringLiteral("ix"));
    EXPECT_EQ(takeLog(), (QStringList{"sound wrong", kWrong, "sound wrong",
                                      kWrong + "Das richtige Ergebnis lautet: IV", "given 5 1"}));
    EXPECT_EQ(text("lblZSys03"), QStringLiteral("3999 ="));

    // The pad's confirm acts on this page; the end keeps the pad enabled.
    QTest::keyClicks(answer(), QStringLiteral("MMMCMXCIX"));
    pad->confirmClicked();
    EXPECT_EQ(takeLog(), (QStringList{"correct 5 1", "sound right", "sound MUSIN02"}));
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_TRUE(pad->padEnabled());
}

TEST_F(TaskPages, DecimalAnswersRefuseTextsThatAreNoNumberWithoutCostingATry)
{
    start(4, 1, 0, 2, {26, 255});
    EXPECT_EQ(text("lblZSys01") + "/" + text("lblZSys03") + "/" + text("lblZSys02"),
              QStringLiteral("Hexadezimalzahl/1A =/Dezimalzahl"));
    takeLog();
    const QStringList bad{"1A", "2 6", "-", QString(30, '9'), QStringLiteral("2\x01" "6")};
    for (const QString& b : bad) {
        answer()->setText(b); // typed or pasted
        QTest::keyClick(answer(), Qt::Key_Return);
        EXPECT_EQ(answer()->text(), b); // kept for correcting
        EXPECT_EQ(takeLog(), QStringList{"error '" + b + "' ist kein gültiger Integerwert."});
    }
    EXPECT_EQ(tasks->series().wrongAttempts(), 0);
    answer()->clear();
    pad->digitClicked(2); // the pad's digits stay out of this field
    EXPECT_TRUE(answer()->text().isEmpty());

    enter(QStringLiteral("26"));
    EXPECT_EQ(takeLog(), (QStringList{"correct 5 5", "sound right", "given 5 5"}));
    EXPECT_EQ(text("lblZSys03"), QStringLiteral("FF ="));
    pad->skipClicked(); // skipping the last task ends the series and disables the pad
    EXPECT_EQ(takeLog(), QStringList{"sound MUSIN02"});
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_TRUE(status.isEmpty());
}

TEST_F(TaskPages, BaseTwoToEightAskedInTheSystem)
{
    struct Case {
        int system, difficulty, value;
        const char* label;
        const char* right; // leading zeros allowed
        const char* expected;
    };
    const Case cases[] = {{1, 0, 5, "5 =", "0101", "101"},
                          {1, 2, 2048, "2048 =", "0100000000000", "100000000000"},
                          {2, 2, 6561, "6561 =", "100000000", "100000000"},
                          {3, 1, 100, "100 =", "144", "144"}};
    for (const Case& c : cases) {
        start(c.system, 0, c.difficulty, 2, {c.value, c.value});
        EXPECT_EQ(text("lblZSys03"), QString::fromLatin1(c.label));
        enter(QString::fromLatin1(c.right));
        enter(QString::number(c.value)); // the decimal value is wrong twice
        enter(QString::number(c.value));
        const QString k = QString::number(c.system + 1);
        EXPECT_EQ(takeLog(), (QStringList{"changed 5", "given 5 " + k, "sound MUSIN02",
                                          "correct 5 " + k, "sound right", "given 5 " + k,
                                          "sound wrong", kWrong, "sound wrong",
                                          kWrong + "Das richtige Ergebnis lautet: " + c.expected,
                                          "sound MUSIN02"}))
            << c.label;
    }
}

TEST_F(TaskPages, HelpWindowOneInstanceFixedNotModalKeepsItsTab)
{
    TFormZSysHilfe* help = tasks->helpWindow();
    int windows = 0;
    for (QWidget* w : QApplication::allWidgets())
        windows += qobject_cast<TFormZSysHilfe*>(w) ? 1 : 0;
    EXPECT_EQ(windows, 1); // created with the pages, hidden
    EXPECT_FALSE(help->isVisible());
    start(0, 0, 0, 10, {});
    click("btnZSysAufgHilfe");
    click("btnZSysAufgHilfe");
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Hilfe: Zahlensysteme"));
    help->resize(700, 500);
    EXPECT_EQ(help->size(), QSize(432, 343));
    EXPECT_EQ(help->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint
                                     | Qt::WindowCloseButtonHint),
              Qt::WindowCloseButtonHint);
    // Typing and aborting go on beside it; it stays open.
    QTest::keyClicks(answer(), QStringLiteral("x"));
    EXPECT_EQ(answer()->text(), QStringLiteral("x"));
    click("btnZSysAufgAbbruch");
    EXPECT_EQ(pages->currentIndex(), PageZahlensysteme);
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_TRUE(help->isVisible());

    QTabWidget* tabs = help->pageControl();
    EXPECT_EQ(tabs->currentIndex(), 0);
    tabs->setCurrentIndex(3);
    help->close();
    tasks->btnZSysAufgHilfeClick();
    EXPECT_EQ(tabs->currentIndex(), 3);
}

TEST_F(TaskPages, HelpWindowTabsShowTheirTexts)
{
    QTabWidget* tabs = tasks->helpWindow()->pageControl();
    EXPECT_EQ(tabs->objectName(), QStringLiteral("PageControl01"));
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
        EXPECT_EQ(memo->font().pixelSize(), 13);
        EXPECT_EQ(memo->accessibleName(), captions[i]);
        EXPECT_EQ(memo->toPlainText().split('\n'), numsys::helpSheets()[std::size_t(i)].lines);
    }
    const QString dual = qobject_cast<QPlainTextEdit*>(tabs->widget(1))->toPlainText();
    for (const char* piece : {"39:2=19 R 1", "1:2= 0 R 1", "100111", "1 + 2 + 4 + 32 = 39"})
        EXPECT_TRUE(dual.contains(QLatin1String(piece))) << piece;
}

} // namespace
