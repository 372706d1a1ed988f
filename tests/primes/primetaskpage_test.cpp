// The prime tasks through their widgets: the settings half with its interlock, whole
// series of each type with the recorded messages, counts and jingles, skip and abort,
// and the divisibility help window.
#include "pageharness.h"
#include "primespages.h"
#include "primetaskpage.h"
#include "teilbarkeitshilfe.h"
#include "updownlong.h"

#include <QApplication>
#include <algorithm>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quorvel;

// Readable failures for texts and lists of texts.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
static void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (const QString& s : l)
        *os << "\n  \"" << s.toStdString() << '"';
    *os << " }";
}

namespace {

class PrimeTaskTest : public ::testing::Test, public test::PageHarness {
protected:
    PrimeTaskTest()
    {
        installPrimesPages(ctx); // both halves of the start page, as the main window does
        tasks = pages->widget(PagePrimfaktoren)->findChild<PrimeTaskPages*>();
        pages->setCurrentIndex(PagePrimfaktoren);
    }

    QRadioButton* item(const char* group, int i)
    {
        return find<QRadioButton>(
            (QString::fromLatin1(group) + QStringLiteral("Item%1").arg(i)).toLatin1().constData());
    }
    // Chooses the settings as a pupil does, by clicking, and starts.
    void start(int type, int count, int option = 0, int difficulty = 0)
    {
        item("RadioGroupPrimFak01", type)->click();
        if (type == primes::Teilbarkeit)
            item("RadioGroupPrimFak02", option)->click();
        if (type >= primes::GgT)
            item("RadioGroupPrimFak03", option)->click();
        item("RadioGroupPrimFak04", difficulty)->click();
        find<TUpDownLong>("UpDownPrimFak01")->setPosition(count);
        click("BitBtnStart04");
    }
    void type(const char* edit, const QString& text)
    {
        QLineEdit* e = find<QLineEdit>(edit);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    // A radio button is clicked on its circle, as a pupil does.
    void choose(const char* name)
    {
        auto* rb = find<QRadioButton>(name);
        QTest::mouseClick(rb, Qt::LeftButton, {}, QPoint(7, rb->height() / 2));
        EXPECT_TRUE(rb->isChecked()) << name;
    }
    QStringList events() const { return ts.log.events; }

    PrimeTaskPages* tasks = nullptr;
};

const char* const kTypeItems[] = {"Teilbarkeit", "Primfaktorzerlegung", "ggT", "kgV"};

} // namespace

TEST_F(PrimeTaskTest, SettingsHalfStartValuesAndInterlock)
{
    EXPECT_EQ(find<QGroupBox>("GroupBoxPrimFak02")->title(), QStringLiteral("Übungsaufgaben"));
    struct Group {
        const char* name;
        const char* title;
        QStringList items;
    };
    const Group groups[] = {
        {"RadioGroupPrimFak01", "Aufgabentyp", {"Teilbarkeit", "Primfaktorzerlegung", "ggT", "kgV"}},
        {"RadioGroupPrimFak02", "Überprüfen auf Teilbarkeit durch:",
         {"2", "3", "4", "5", "6", "8", "9", "10"}},
        {"RadioGroupPrimFak03", "ggT/kgV bestimmen von:", {"2 Zahlen", "3 Zahlen"}},
        {"RadioGroupPrimFak04", "Schwierigkeitsgrad", {"leicht", "mittel", "schwer"}},
    };
    for (const Group& g : groups) {
        auto* box = find<QGroupBox>(g.name);
        EXPECT_EQ(box->title(), QString::fromUtf8(g.title));
        for (int i = 0; i < g.items.size(); ++i) {
            EXPECT_EQ(item(g.name, i)->text(), g.items[i]);
            EXPECT_EQ(item(g.name, i)->isChecked(), i == 0) << g.name << i;
        }
    }
    auto* spin = find<TUpDownLong>("UpDownPrimFak01");
    EXPECT_EQ(spin->Min(), 1);
    EXPECT_EQ(spin->Max(), 1000);
    EXPECT_EQ(spin->Position(), 10);
    EXPECT_EQ(spin->Associate(), find<QLineEdit>("EditPrimFak01"));
    EXPECT_EQ(spin->Associate()->accessibleName(), QStringLiteral("Aufgabenanzahl"));
    EXPECT_EQ(find<QPushButton>("BitBtnStart04")->text(), QStringLiteral("&Start"));

    // Divisor group for Teilbarkeit only, number count for ggT and kgV only.
    const bool divisorOn[] = {true, false, false, false};
    const bool countOn[] = {false, false, true, true};
    for (int type : {1, 2, 3, 0, 3}) {
        item("RadioGroupPrimFak01", type)->click();
        EXPECT_EQ(find<QGroupBox>("RadioGroupPrimFak02")->isEnabled(), divisorOn[type]) << type;
        EXPECT_EQ(find<QGroupBox>("RadioGroupPrimFak03")->isEnabled(), countOn[type]) << type;
    }
}

TEST_F(PrimeTaskTest, TaskPageControlsAndNames)
{
    auto* notebook = find<QStackedWidget>("NotebookPrim01");
    ASSERT_EQ(notebook->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(notebook->widget(i)->objectName(), QString::fromLatin1(kTypeItems[i]));
    const std::pair<const char*, const char*> buttons[] = {
        {"BitBtnPrim01", "&Abbrechen"}, {"BitBtnPrim02", "&Überspringen"},
        {"BitBtnPrim03", "&Ergebnis bestätigen"}, {"BitBtnPrim04", "&Hilfe"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(find<QPushButton>(name)->text(), QString::fromUtf8(caption));
    EXPECT_EQ(find<QRadioButton>("RadioButtonTeilbar01")->text(), QStringLiteral("Ja"));
    EXPECT_EQ(find<QRadioButton>("RadioButtonTeilbar02")->text(), QStringLiteral("Nein"));
    EXPECT_EQ(label("lblGGT03"), QStringLiteral("Bestimmen Sie den ggT folgender Zahlen:"));
    EXPECT_EQ(label("lblGGT05"), QStringLiteral("ggT"));
    EXPECT_EQ(label("lblKGV03"), QStringLiteral("Bestimmen Sie das kgV folgender Zahlen:"));
    EXPECT_EQ(label("lblKGV05"), QStringLiteral("kgV"));
    EXPECT_EQ(find<QLineEdit>("edPrimAufg01")->toolTip(),
              QStringLiteral("Primfaktoren durch Leerzeichen getrennt angeben"));
    // Pasted text keeps its digits and blanks only.
    find<QLineEdit>("edPrimAufg01")->insert(QStringLiteral("2,a 3;x5"));
    EXPECT_EQ(find<QLineEdit>("edPrimAufg01")->text(), QStringLiteral("2 35"));
    // Edits are announced by their label's words; task labels by their text.
    EXPECT_EQ(find<QLineEdit>("edGGTErgebnis")->accessibleName(), QStringLiteral("ggT"));
    EXPECT_EQ(find<QLineEdit>("edKGVErgebnis")->accessibleName(), QStringLiteral("kgV"));
    for (const char* name : {"lblTeilbar01", "lblPrimAufg01", "lblGGT04", "lblKGV04"})
        EXPECT_TRUE(find<QLabel>(name)->accessibleName().isEmpty()) << name;
    // No Alt letter twice on the task page.
    QStringList letters;
    for (QPushButton* b : pages->widget(PagePrimfaktorenAufgaben)->findChildren<QPushButton*>()) {
        const int amp = b->text().indexOf(QLatin1Char('&'));
        if (amp >= 0)
            letters << b->text().mid(amp + 1, 1).toLower();
    }
    EXPECT_EQ(letters.size(), 4);
    letters.removeDuplicates();
    EXPECT_EQ(letters.size(), 4);
}

TEST_F(PrimeTaskTest, DivisibilitySeriesOneTryPerTask)
{
    // Task 1: 1234 by 10, rounded down to 1230. Task 2: 16 by 10. Task 3: 0 by 10.
    ts.random.script({1234, 4, 16, 1, 0, 0});
    start(primes::Teilbarkeit, 3, 7);
    EXPECT_EQ(pages->currentIndex(), PagePrimfaktorenAufgaben);
    EXPECT_EQ(find<QStackedWidget>("NotebookPrim01")->currentIndex(), 0);
    EXPECT_FALSE(find<QPushButton>("BitBtnPrim04")->isHidden());
    EXPECT_FALSE(pad->padEnabled());
    EXPECT_EQ(label("lblTeilbar01"), QStringLiteral("Ist die Zahl 1230 durch 10 teilbar?"));
    EXPECT_EQ(status, QStringLiteral("Aufgabe 1 von 3"));

    click("BitBtnPrim03"); // no choice yet: costs nothing
    EXPECT_EQ(status, QStringLiteral("Aufgabe 1 von 3"));
    choose("RadioButtonTeilbar01"); // Ja: right
    click("BitBtnPrim03");
    EXPECT_EQ(label("lblTeilbar01"), QStringLiteral("Ist die Zahl 16 durch 10 teilbar?"));
    EXPECT_FALSE(find<QRadioButton>("RadioButtonTeilbar01")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RadioButtonTeilbar02")->isChecked());

    choose("RadioButtonTeilbar01"); // Ja: wrong, and the one try is gone
    QTest::keyClick(find<QRadioButton>("RadioButtonTeilbar01"), Qt::Key_Return);
    EXPECT_EQ(label("lblTeilbar01"), QStringLiteral("Ist die Zahl 0 durch 10 teilbar?"));
    EXPECT_EQ(status, QStringLiteral("Aufgabe 3 von 3"));

    choose("RadioButtonTeilbar02"); // Nein: wrong on the last task ends the series
    click("BitBtnPrim03");
    EXPECT_EQ(pages->currentIndex(), PagePrimfaktoren);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_FALSE(ts.random.scriptMisuse);
    EXPECT_EQ(events(),
              QStringList({"changed 4", "given 4 1", "sound MUSIN02",
                           "message Es wurde noch keine Entscheidung getroffen!",
                           "correct 4 1", "sound right", "given 4 1",
                           "sound wrong", "message Die Zahl 16 ist nicht durch 10 teilbar!",
                           "given 4 1",
                           "sound wrong", "message Die Zahl 0 ist durch 10 teilbar!",
                           "sound MUSIN02"}));
}

TEST_F(PrimeTaskTest, FactorSeriesKeyFilterAnyOrderAndTwoTries)
{
    ts.random.script({12, 1, 97, 60});
    start(primes::Primfaktorzerlegung, 3, 0, 2); // "schwer": up to 10000
    EXPECT_EQ(ts.random.asked.front(), 10001);
    EXPECT_EQ(find<QStackedWidget>("NotebookPrim01")->currentIndex(), 1);
    EXPECT_TRUE(find<QPushButton>("BitBtnPrim04")->isHidden());
    EXPECT_EQ(label("lblPrimAufg01"), QStringLiteral("Zerlegen Sie 12 in Primfaktoren."));

    click("BitBtnPrim03");        // empty field
    type("edPrimAufg01", "3x, 2;  2 ");
    EXPECT_EQ(find<QLineEdit>("edPrimAufg01")->text(), QStringLiteral("3 2  2 "));
    QTest::keyClick(find<QLineEdit>("edPrimAufg01"), Qt::Key_Return); // right at once

    EXPECT_EQ(label("lblPrimAufg01"), QStringLiteral("Zerlegen Sie 97 in Primfaktoren."));
    EXPECT_TRUE(find<QLineEdit>("edPrimAufg01")->text().isEmpty());
    type("edPrimAufg01", "1 97");
    click("BitBtnPrim03");        // wrong: the text stays for a second look
    EXPECT_EQ(find<QLineEdit>("edPrimAufg01")->text(), QStringLiteral("1 97"));
    QString many;
    for (int i = 0; i < 21; ++i)
        many += QStringLiteral("97 ");
    type("edPrimAufg01", many);
    click("BitBtnPrim03");        // refused: no try used, the text stays
    EXPECT_EQ(find<QLineEdit>("edPrimAufg01")->text(), many);
    EXPECT_EQ(tasks->series(primes::Primfaktorzerlegung).wrongAttempts(), 1);
    type("edPrimAufg01", "97");
    click("BitBtnPrim03");        // right at the second try: jingle, no count

    EXPECT_EQ(label("lblPrimAufg01"), QStringLiteral("Zerlegen Sie 60 in Primfaktoren."));
    type("edPrimAufg01", "2 3 5");
    click("BitBtnPrim03");
    type("edPrimAufg01", "2 3 10");
    click("BitBtnPrim03");        // second wrong try on the last task ends the series
    EXPECT_EQ(pages->currentIndex(), PagePrimfaktoren);
    EXPECT_FALSE(ts.random.scriptMisuse);
    EXPECT_EQ(events(),
              QStringList({"changed 4", "given 4 2", "sound MUSIN02",
                           "message Es ist noch keine Eingabe erfolgt !",
                           "correct 4 2", "sound right", "given 4 2",
                           "sound wrong", "message Die eingegebene Zerlegung ist falsch!\r",
                           "message Bitte höchstens 20 Zahlen eingeben !",
                           "sound right", "given 4 2",
                           "sound wrong", "message Die eingegebene Zerlegung ist falsch!\r",
                           "sound wrong",
                           "message Die eingegebene Zerlegung ist falsch!\r"
                           "Die richtige Zerlegung lautet: 2 2 3 5 ",
                           "sound MUSIN02"}));
}

TEST_F(PrimeTaskTest, GgTSeriesConversionErrorAndTheRightValueAfterTwoTries)
{
    // p, q, r = 3, 4, 5 each time; multipliers 2, 1 give 24 ; 20 (ggT 4).
    ts.random.script({3, 4, 5, 2, 1, 3, 4, 5, 2, 1, 3, 4, 5, 2, 1});
    start(primes::GgT, 3);
    EXPECT_EQ(find<QStackedWidget>("NotebookPrim01")->currentIndex(), 2);
    EXPECT_EQ(label("lblGGT04"), QStringLiteral("24 ; 20"));
    click("BitBtnPrim03");                 // empty
    type("edGGTErgebnis", "4a");
    click("BitBtnPrim03");                 // no whole number: error box, text kept
    EXPECT_EQ(find<QLineEdit>("edGGTErgebnis")->text(), QStringLiteral("4a"));
    type("edGGTErgebnis", "4");
    QTest::keyClick(find<QLineEdit>("edGGTErgebnis"), Qt::Key_Enter);
    EXPECT_EQ(status, QStringLiteral("Aufgabe 2 von 3"));

    type("edGGTErgebnis", "2");
    click("BitBtnPrim03");
    EXPECT_TRUE(find<QLineEdit>("edGGTErgebnis")->text().isEmpty());
    type("edGGTErgebnis", "8");
    click("BitBtnPrim03");                 // second wrong try: the value, the next task
    EXPECT_EQ(status, QStringLiteral("Aufgabe 3 von 3"));
    EXPECT_TRUE(find<QLineEdit>("edGGTErgebnis")->text().isEmpty());

    type("edGGTErgebnis", "1");
    click("BitBtnPrim03");
    type("edGGTErgebnis", "4");
    click("BitBtnPrim03");                 // right at the second try ends the series
    EXPECT_EQ(pages->currentIndex(), PagePrimfaktoren);
    EXPECT_FALSE(ts.random.scriptMisuse);
    EXPECT_EQ(events(),
              QStringList({"changed 4", "given 4 3", "sound MUSIN02",
                           "message Es wurde noch kein Wert eingegeben !",
                           "error '4a' ist kein gültiger Integerwert.",
                           "correct 4 3", "sound right", "given 4 3",
                           "sound wrong", "message Der eingegebene ggT ist falsch !\r",
                           "sound wrong",
                           "message Der eingegebene ggT ist falsch !\rDer richtige ggT lautet: 4",
                           "given 4 3",
                           "sound wrong", "message Der eingegebene ggT ist falsch !\r",
                           "sound right", "sound MUSIN02"}));
}

TEST_F(PrimeTaskTest, KgVSeriesOfThreeNumbers)
{
    ts.random.script({4, 6, 9, 0, 2, 3, 4});
    start(primes::KgV, 2, 1); // "3 Zahlen"
    EXPECT_EQ(find<QStackedWidget>("NotebookPrim01")->currentIndex(), 3);
    EXPECT_EQ(label("lblKGV04"), QStringLiteral("4 ; 6 ; 9"));
    type("edKGVErgebnis", "72");
    click("BitBtnPrim03");
    type("edKGVErgebnis", "36");
    click("BitBtnPrim03");
    EXPECT_EQ(label("lblKGV04"), QStringLiteral("2 ; 3 ; 4"));
    type("edKGVErgebnis", "12");
    click("BitBtnPrim03");
    EXPECT_EQ(pages->currentIndex(), PagePrimfaktoren);
    EXPECT_EQ(events(),
              QStringList({"changed 4", "given 4 4", "sound MUSIN02",
                           "sound wrong", "message Das eingegebene kgV ist falsch !\r",
                           "sound right", "given 4 4", "correct 4 4", "sound right",
                           "sound MUSIN02"}));
}

TEST_F(PrimeTaskTest, SkipAndAbortReturnToTheStartPage)
{
    ts.random.script({10, 11, 3, 7});
    start(primes::KgV, 2);
    EXPECT_EQ(label("lblKGV04"), QStringLiteral("10 ; 11"));
    type("edKGVErgebnis", "5");
    click("BitBtnPrim02");
    EXPECT_EQ(label("lblKGV04"), QStringLiteral("3 ; 7"));
    EXPECT_TRUE(find<QLineEdit>("edKGVErgebnis")->text().isEmpty());
    EXPECT_EQ(status, QStringLiteral("Aufgabe 2 von 2"));
    click("BitBtnPrim02"); // skipping the last task ends the series
    EXPECT_EQ(pages->currentIndex(), PagePrimfaktoren);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_EQ(events(), QStringList({"changed 4", "given 4 4", "sound MUSIN02", "given 4 4",
                                     "sound MUSIN02"}));

    ts.log.clear();
    start(primes::Primfaktorzerlegung, 5);
    type("edPrimAufg01", "2 2");
    click("BitBtnPrim01");
    EXPECT_EQ(pages->currentIndex(), PagePrimfaktoren);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_FALSE(tasks->series(primes::Primfaktorzerlegung).running());
    EXPECT_EQ(events(), QStringList({"changed 4", "given 4 2", "sound MUSIN02", "sound MUSIN02"}));
    // The number pad does nothing for this page.
    EXPECT_FALSE(pad->padEnabled());
}

TEST_F(PrimeTaskTest, HelpWindowIsModalKeepsItsTabAndShowsTheRules)
{
    TFormTeilbarkeitHilfe* help = tasks->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Hilfe Teilbarkeit"));
    EXPECT_EQ(help->size(), QSize(340, 250));
    EXPECT_EQ(help->minimumSize(), help->maximumSize());
    EXPECT_TRUE(help->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(help->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(help->isVisible());

    window.setGeometry(100, 80, 800, 590);
    ts.random.script({5, 0});
    start(primes::Teilbarkeit, 1);
    int shown = 0;
    QTabWidget* tabs = help->pageControl();
    auto pick = [&](int tab) {
        QTimer::singleShot(0, [&, tab] {
            QWidget* modal = QApplication::activeModalWidget();
            EXPECT_EQ(modal, help);
            if (modal != help)
                return;
            ++shown;
            // Centred on the main window.
            const QPoint at = help->centredOn(window.frameGeometry());
            EXPECT_EQ(help->pos(), at);
            EXPECT_EQ(tabs->currentIndex(), shown == 1 ? 0 : 3);
            tabs->setCurrentIndex(tab);
            help->close();
        });
        click("BitBtnPrim04");
    };
    pick(3);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(tabs->currentIndex(), 3);
    pick(5);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(tabs->currentIndex(), 5);
    // The series goes on untouched by the help.
    EXPECT_EQ(status, QStringLiteral("Aufgabe 1 von 1"));
    const QStringList log = events();
    EXPECT_TRUE(std::none_of(log.begin(), log.end(),
                             [](const QString& e) { return e.startsWith(QStringLiteral("message")); }));

    // Not offered for the other types: the button hides, a stray call does nothing.
    click("BitBtnPrim01");
    ts.random.script({12});
    start(primes::Primfaktorzerlegung, 1);
    EXPECT_TRUE(find<QPushButton>("BitBtnPrim04")->isHidden());
    tasks->helpClicked();
    EXPECT_EQ(shown, 2);
}

TEST(DivisibilityHelpTexts, EightTabsWithRuleAndExample)
{
    QWidget main;
    TFormTeilbarkeitHilfe help(&main);
    struct Tab {
        const char* caption;
        const char* rule;
        const char* example;
    };
    // As the pupil reads them.
    const Tab expected[] = {
        {"2", "Eine Zahl ist genau dann durch Zwei teilbar, wenn ihre Endziffer eine 0, 2, 4, 6 "
              "oder 8 ist.", nullptr},
        {"3", "Eine Zahl ist genau dann durch Drei teilbar, wenn ihre Quersumme durch Drei teilbar "
              "ist. Die Quersumme ist die Summe aller Ziffern einer Zahl.",
         "z.B.: 1254    Die Quersumme beträgt 12 (1+2+5+4). 12 ist durch Drei teilbar; also ist "
         "1254 auch durch Drei teilbar."},
        {"4", "Eine Zahl ist genau dann durch Vier teilbar, wenn die letzten beiden Ziffern der "
              "Zahl eine Zahl bilden, die durch Vier teilbar ist.",
         "z.B.: 1532    die letzten beiden Ziffern bilden die Zahl 32. 32 ist durch Vier teilbar; "
         "also ist auch 1532 durch Vier teilbar."},
        {"5", "Eine Zahl ist genau dann durch Fünf teilbar, wenn ihre Endziffer eine 0 oder eine 5 "
              "ist.", nullptr},
        {"6", "Eine Zahl ist genau dann durch Sechs teilbar, wenn sie auch durch 2 und durch 3 "
              "teilbar ist.", nullptr},
        {"8", "Eine Zahl ist genau dann durch Acht teilbar, wenn die letzten 3 Ziffern dieser Zahl "
              "eine Zahl bilden die durch Acht teilbar ist.",
         "z.B.: 1448    448 ist durch Acht teilbar; also ist auch 1448 durch Acht teilbar. Besteht "
         "die zu untersuchende Zahl aus weniger als 3 Ziffern, so müssen die vorhandenen Ziffern "
         "eine Zahl bilden die durch Acht teilbar ist."},
        {"9", "Eine Zahl ist genau dann durch Neun teilbar, wenn ihre Quersumme durch Neun teilbar "
              "ist. Die Quersumme ist die Summe aller Ziffern einer Zahl.",
         "z.B.: 3456    Die Quersumme beträgt 18 (3+4+5+6). 18 ist durch Neun teilbar; also ist "
         "auch 3456 durch Neun teilbar."},
        {"10", "Eine Zahl ist genau dann durch Zehn teilbar, wenn ihre Endziffer eine 0 ist.",
         nullptr},
    };
    QTabWidget* tabs = help.pageControl();
    EXPECT_EQ(tabs->objectName(), QStringLiteral("PageControl01"));
    ASSERT_EQ(tabs->count(), 8);
    help.show(); // lay out, so the word-wrapped labels get their size
    QApplication::processEvents();
    for (int i = 0; i < 8; ++i) {
        const Tab& t = expected[i];
        EXPECT_EQ(tabs->tabText(i), QString::fromLatin1(t.caption));
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QList<QLabel*> labels = tabs->widget(i)->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), t.example ? 2 : 1) << t.caption;
        EXPECT_EQ(labels[0]->text(), QString::fromUtf8(t.rule));
        if (t.example) {
            EXPECT_EQ(labels[1]->text(), QString::fromUtf8(t.example));
            EXPECT_GT(labels[1]->y(), labels[0]->geometry().bottom()); // below the rule
        }
        for (QLabel* l : labels) {
            EXPECT_TRUE(l->wordWrap());
            EXPECT_EQ(l->font().pixelSize(), 13);
            // Every word stays inside the window.
            EXPECT_LE(l->mapTo(&help, QPoint(0, l->height())).y(), 250) << t.caption;
            EXPECT_LE(l->mapTo(&help, QPoint(l->width(), 0)).x(), 340);
        }
    }
    help.hide();
}
