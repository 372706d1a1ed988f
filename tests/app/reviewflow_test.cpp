// "Fehler üben" through the main window: a basic series with two misses puts exactly those
// two tasks on cards, due the next day; a review of cards of every topic poses each on its
// own topic's task page, judged by that topic's rules, and ends with the notice, the
// selection page and the cards moved by the box rules.
#include "fakes.h"
#include "mainwindow.h"
#include "reviewfile.h"
#include "statisticsstore.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct ReviewWindow : ::testing::Test {
    TestServices ts;
    StatisticsStore store{ts.clock, ts.messages};
    QTemporaryDir dataDir;
    std::unique_ptr<TFormHaupt> win;

    void SetUp() override
    {
        ts.clock.date = QDate(2026, 12, 7);
        store.setDataDirectory(dataDir.path());
        win = std::make_unique<TFormHaupt>(ts.services, store, [](QWidget*, const QString&, QString* name) {
            *name = QStringLiteral("Anna");
            return true;
        });
        win->show();
        win->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(win.get()));
    }
    QString cardFile() const { return store.dataDirectory() + QStringLiteral("Anna.qvf"); }
    QPushButton* button(const char* name) const { return win->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString pageName() const { return win->notebookHaupt01a()->currentWidget()->objectName(); }
    QPushButton* pageButton(const QString& caption) const
    {
        for (QPushButton* b : win->notebookHaupt01a()->currentWidget()->findChildren<QPushButton*>())
            if (b->isVisible() && b->text() == caption)
                return b;
        return nullptr;
    }
    void type(const QString& text)
    {
        QTest::keyClicks(focus(), text);
        QTest::keyClick(focus(), Qt::Key_Return);
    }
    review::ReviewBox onDisk()
    {
        review::ReviewBox box;
        EXPECT_TRUE(review::ReviewFile(ts.messages, cardFile()).read(&box));
        return box;
    }
    QStringList counted() const
    {
        QStringList out;
        for (const QString& e : ts.log.events)
            if (e.startsWith(QLatin1String("given ")) || e.startsWith(QLatin1String("correct ")))
                out << e;
        return out;
    }
};

TEST_F(ReviewWindow, TwoMissesInABasicSeriesAreDueTheNextDay)
{
    button("BitBtnBenutzername")->click();
    QPushButton* review = button("BitBtnFehlerUeben");
    ASSERT_NE(review, nullptr);
    auto* hint = win->findChild<QLabel*>(QStringLiteral("LabelFehlerUeben"));
    EXPECT_FALSE(review->isEnabled());
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QStringLiteral("Heute ist keine Aufgabe zum Wiederholen fällig."));

    button("BitBtnGrundrechnen")->click();
    win->findChild<QSpinBox*>(QStringLiteral("UpDownGrund01"))->setValue(3);
    button("BitBtnStart01")->click();
    ASSERT_EQ(win->notebookHaupt01a()->currentIndex(), PageGrundAufgaben);
    auto* task = win->findChild<QLabel*>(QStringLiteral("lblGrundAufg"));
    QStringList missed;
    // The first task wrong twice, the second right, the third wrong and then skipped.
    missed << task->text();
    type(QStringLiteral("99999"));
    type(QStringLiteral("99999"));
    type(QString()); // an empty answer costs no try
    const QString second = task->text();
    ts.messages.messages.clear();
    pageButton(QStringLiteral("&Überspringen"))->click(); // skipped untried: no card
    missed << task->text();
    type(QStringLiteral("99999"));
    pageButton(QStringLiteral("&Überspringen"))->click();
    ASSERT_EQ(win->notebookHaupt01a()->currentIndex(), PageGrundrechenarten);
    pageButton(QStringLiteral("&Zurück zur Auswahl"))->click();
    ASSERT_EQ(win->notebookHaupt01()->currentIndex(), PageAuswahl);

    const review::ReviewBox box = onDisk();
    ASSERT_EQ(box.cards().size(), 2u);
    EXPECT_EQ(box.cards()[0].missed, ts.clock.date);
    EXPECT_EQ(box.cards()[0].box, 1);
    EXPECT_FALSE(review->isEnabled()); // due tomorrow

    ts.clock.date = ts.clock.date.addDays(1);
    win->notebookHaupt01()->setCurrentIndex(PageAufgaben);
    win->notebookHaupt01()->setCurrentIndex(PageAuswahl);
    EXPECT_EQ(review->text(), QStringLiteral("Fehler üben (2)"));
    EXPECT_TRUE(review->isEnabled());
    EXPECT_FALSE(hint->isVisible());
    // With the keyboard: Tab reaches the button below the topics, Enter presses it.
    button("BitBtnZahlensysteme")->setFocus();
    QTest::keyClick(focus(), Qt::Key_Tab);
    ASSERT_EQ(focus(), review);
    QTest::keyClick(focus(), Qt::Key_Return);
    // Posed again exactly as they were, oldest first.
    ASSERT_EQ(pageName(), QStringLiteral("GrundAufgaben"));
    EXPECT_EQ(task->text(), missed[0]);
    EXPECT_EQ(win->statusPanel(0), QStringLiteral("Aufgabe 1 von 2"));
    pageButton(QStringLiteral("&Überspringen"))->click();
    EXPECT_EQ(task->text(), missed[1]);
    EXPECT_NE(missed[1], second);
    pageButton(QStringLiteral("&Abbrechen"))->click();
    EXPECT_EQ(win->notebookHaupt01()->currentIndex(), PageAuswahl);
    ASSERT_FALSE(ts.messages.messages.empty());
    EXPECT_EQ(ts.messages.messages.back().text,
              QStringLiteral("0 von 2 Aufgaben beim ersten Versuch richtig, 0 gemeistert."));
}

TEST_F(ReviewWindow, CardsOfEveryTopicArePosedOnTheirOwnPagesAndMoveByTheBoxRules)
{
    // Box, topic, type, missed, since, task: a mastered candidate first (the oldest miss).
    const QByteArray file = "Quorvel-Fehlerkartei 1\n"
                            "K 3 3 3 2026-11-20 2026-12-02 7 8\n"
                            "K 1 3 1 2026-12-06 2026-12-06 12 30\n"
                            "K 1 3 5 2026-12-06 2026-12-06 7 5 12\n"
                            "K 1 2 2 2026-12-06 2026-12-06 3 1 2\n"
                            "K 1 5 2 2026-12-06 2026-12-06 0 5\n"
                            "K 1 4 2 2026-12-06 2026-12-06 12\n"
                            "K 1 4 3 2026-12-06 2026-12-06 12 18\n"
                            "K 1 1 1 2026-12-06 2026-12-06 1/2 1/3\n"
                            "K 1 1 10 2026-12-06 2026-12-06 0,41\n"
                            // No topic poses it (changed by hand): passed over and taken out.
                            "K 1 3 1 2026-12-06 2026-12-06 12 x\n";
    button("BitBtnBenutzername")->click();
    {
        QFile f(cardFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    win->notebookHaupt01()->setCurrentIndex(PageStatistik);
    win->notebookHaupt01()->setCurrentIndex(PageAuswahl);
    QPushButton* review = button("BitBtnFehlerUeben");
    EXPECT_EQ(review->text(), QStringLiteral("Fehler üben (10)"));
    ts.log.clear();
    review->click();

    enum Do { Right, WrongThenRight, Skip, WrongTwice };
    const struct {
        const char* page;
        Do act;
        const char* answer;
    } steps[] = {
        {"GrundAufgaben", Right, "56"},
        {"GrundAufgaben", Right, "42"},
        {"GrundLuecken", Right, "5"},
        {"EinheitenAufgaben", WrongThenRight, "200"},
        {"ZahlensystemeAufgaben", Right, "101"},
        {"PrimfaktorenAufgaben", Right, "2 2 3"},
        {"PrimfaktorenAufgaben", Skip, ""},
        {"BruchrechnungAufgaben", Skip, ""},
        {"BruchrechnungAufgaben", WrongTwice, ""},
    };
    int i = 0;
    for (const auto& s : steps) {
        ++i;
        ASSERT_EQ(win->notebookHaupt01()->currentIndex(), PageAufgaben) << i;
        ASSERT_EQ(pageName(), QString::fromLatin1(s.page)) << i;
        EXPECT_EQ(win->statusPanel(0), QStringLiteral("Aufgabe %1 von 10").arg(i));
        ASSERT_TRUE(focus() && win->notebookHaupt01a()->currentWidget()->isAncestorOf(focus())) << i;
        switch (s.act) {
        case Right:
            type(QString::fromLatin1(s.answer));
            break;
        case WrongThenRight:
            type(QStringLiteral("1"));
            type(QString::fromLatin1(s.answer));
            break;
        case Skip:
            pageButton(QStringLiteral("&Überspringen"))->click();
            break;
        case WrongTwice: {
            // "0,41": the decimal kind's own page, every field filled with a wrong value.
            bool shown = false;
            for (QLabel* l : win->notebookHaupt01a()->currentWidget()->findChildren<QLabel*>())
                shown = shown || (l->isVisible() && l->text() == QStringLiteral("0,41"));
            EXPECT_TRUE(shown);
            for (int attempt = 0; attempt < 2; ++attempt) {
                for (QLineEdit* e : win->notebookHaupt01a()->currentWidget()->findChildren<QLineEdit*>())
                    if (e->isVisible())
                        e->setText(QStringLiteral("1"));
                pageButton(QStringLiteral("&Ergebnis bestätigen"))->click();
            }
            break;
        }
        }
    }
    EXPECT_EQ(win->notebookHaupt01()->currentIndex(), PageAuswahl);
    ASSERT_FALSE(ts.messages.messages.empty());
    EXPECT_EQ(ts.messages.messages.back().text,
              QStringLiteral("5 von 9 Aufgaben beim ersten Versuch richtig, 1 gemeistert."));
    // Each task counted for its own topic and type.
    EXPECT_EQ(counted(), QStringList({"given 3 3", "correct 3 3", "given 3 1", "correct 3 1", "given 3 5",
                                      "correct 3 5", "given 2 2", "given 5 2", "correct 5 2", "given 4 2",
                                      "correct 4 2", "given 4 3", "given 1 1", "given 1 10"}));
    EXPECT_EQ(ts.log.events.filter(QStringLiteral("sound wrong")).size(), 3);

    const review::ReviewBox box = onDisk();
    ASSERT_EQ(box.cards().size(), 8u);
    EXPECT_EQ(box.masteredRecently(ts.clock.date), 1);
    const int boxes[] = {2, 2, 1, 2, 2, 1, 1, 1};
    const QDate since[] = {ts.clock.date, ts.clock.date, ts.clock.date, ts.clock.date,
                           ts.clock.date, QDate(2026, 12, 6), QDate(2026, 12, 6), ts.clock.date};
    for (std::size_t c = 0; c < box.cards().size(); ++c) {
        EXPECT_EQ(box.cards()[c].box, boxes[c]) << box.cards()[c].task.toStdString();
        EXPECT_EQ(box.cards()[c].since, since[c]) << box.cards()[c].task.toStdString();
    }
    // The two skipped without a try are still due.
    EXPECT_EQ(review->text(), QStringLiteral("Fehler üben (2)"));
}

TEST_F(ReviewWindow, WithoutAPupilTheButtonAsksForOne)
{
    QPushButton* review = button("BitBtnFehlerUeben");
    ASSERT_TRUE(review->isEnabled());
    review->click();
    ASSERT_EQ(ts.messages.messages.size(), 1u);
    EXPECT_EQ(ts.messages.messages[0].text, QStringLiteral("Es wurde noch kein Benutzername eingegeben!"));
    EXPECT_EQ(win->notebookHaupt01()->currentIndex(), PageAuswahl);
}

} // namespace
