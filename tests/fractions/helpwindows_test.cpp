// The help windows on expanding / reducing and on decimal numbers: captions, sizes, tabs
// and their framed texts; shown modally and keeping the tab between openings.
#include "fractionhelpwindows.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;

TEST(FractionHelpWindows, CaptionsSizesTabsAndTexts)
{
    QWidget main;
    main.setGeometry(0, 0, 800, 600);
    TFormBruchErwHilfe erw(&main);
    TFormBruchKBHilfe kb(&main);
    struct Case {
        TFractionTextHelp* window;
        const char* objectName;
        const char* title;
        QSize size;
        bool onTop;
        const char* pageControl;
        QStringList tabs;
        int hyphens;
        QStringList firstText; // title line and first line of the explanation of each tab
    };
    const Case cases[] = {
        {&erw, "FormBruchErwHilfe", "Hilfe: Erweitern / Kürzen", {417, 246}, false, "PageControl1",
         {"Erweitern", "Kürzen"}, 123,
         {"Das Erweitern von Brüchen",
          "Durch das Erweitern eines Bruches wird der Wert des Bruches nicht ",
          "Das Kürzen von Brüchen",
          "Durch das Kürzen eines Bruches wird der Wert des Bruches nicht verändert."}},
        {&kb, "FormBruchKBHilfe", "Hilfe: Kommazahl <-> Bruchzahl", {392, 266}, true, "PageControl01",
         {"Kommazahl -> Bruchzahl", "Bruchzahl -> Kommazahl"}, 109,
         {"Die Umwandlung einer Kommazahl in eine Bruchzahl",
          "Um eine (endliche) Kommazahl in eine Bruchzahl",
          "Die Umwandlung einer Bruchzahl in eine Kommazahl",
          "Um einen Bruch in eine Kommazahl umzuwandeln gibt es zwei"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.objectName);
        EXPECT_EQ(c.window->objectName(), c.objectName);
        EXPECT_EQ(c.window->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(c.window->size(), c.size);
        EXPECT_EQ(c.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.onTop);
        EXPECT_FALSE(c.window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QTabWidget* pages = c.window->pageControl();
        EXPECT_EQ(pages->objectName(), c.pageControl);
        ASSERT_EQ(pages->count(), 2);
        EXPECT_EQ(pages->currentIndex(), 0);
        for (int t = 0; t < 2; ++t) {
            EXPECT_EQ(pages->tabText(t), c.tabs[t]);
            QPlainTextEdit* box = c.window->textBox(t);
            ASSERT_NE(box, nullptr);
            EXPECT_FALSE(box->isReadOnly());
            EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
            const QString rule(c.hyphens, QLatin1Char('-'));
            ASSERT_GE(lines.size(), 5);
            EXPECT_EQ(lines[0], rule);
            EXPECT_EQ(lines[1], c.firstText[2 * t]);
            EXPECT_EQ(lines[2], rule);
            EXPECT_EQ(lines[3], QString());
            EXPECT_EQ(lines[4], c.firstText[2 * t + 1]) << "trailing blanks kept";
            EXPECT_EQ(box->accessibleName(), c.firstText[2 * t]);
        }
    }
    // The lines with their exact blanks, as counted from the texts.
    EXPECT_EQ(helpTabLines(expandReduceHelp(), expandReduceHelp().tabs[0]).size(), 4 + 14);
    EXPECT_EQ(helpTabLines(expandReduceHelp(), expandReduceHelp().tabs[1]).size(), 4 + 16);
    EXPECT_EQ(helpTabLines(decimalHelp(), decimalHelp().tabs[0]).size(), 4 + 11);
    EXPECT_EQ(helpTabLines(decimalHelp(), decimalHelp().tabs[1]).size(), 4 + 13);
    EXPECT_TRUE(decimalHelp().tabs[1].lines.contains(
        QStringLiteral("auf die oben genannten  Werte bringen lassen. z.B. wenn der Nenner")));
}

TEST(FractionHelpWindows, ModalCentredAndKeepsTheTab)
{
    QWidget main;
    main.setGeometry(40, 30, 800, 600);
    TFormBruchErwHilfe erw(&main);
    EXPECT_FALSE(erw.isVisible());
    for (int round = 0; round < 2; ++round) {
        bool modal = false;
        int tab = -1;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget() == &erw;
            tab = erw.pageControl()->currentIndex();
            erw.pageControl()->setCurrentIndex(1); // the pupil picks "Kürzen"
            erw.close();
        });
        erw.showModal(); // returns when closed
        EXPECT_TRUE(modal) << round;
        EXPECT_EQ(tab, round == 0 ? 0 : 1) << "the tab last chosen stays";
        EXPECT_FALSE(erw.isVisible());
    }
    EXPECT_EQ(erw.centredOn(QRect(40, 30, 800, 600)), QPoint(40 + (800 - 417) / 2, 30 + (600 - 246) / 2));
}
