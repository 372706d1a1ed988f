// The program with the keyboard alone: the start focus, Enter on the focused button, Alt
// letters, and a whole basic series typed and confirmed without a mouse.
#include "fakes.h"
#include "mainwindow.h"
#include "statisticsstore.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct KeyboardOnly : ::testing::Test {
    TestServices ts;
    StatisticsStore store{ts.clock, ts.messages};
    QTemporaryDir dataDir;
    int asked = 0;
    std::unique_ptr<TFormHaupt> win;

    void SetUp() override
    {
        store.setDataDirectory(dataDir.path());
        win = std::make_unique<TFormHaupt>(ts.services, store,
                                           [this](QWidget*, const QString&, QString* name) {
                                               ++asked;
                                               *name = QStringLiteral("Anna");
                                               return true;
                                           });
        win->show();
        win->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(win.get()));
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    bool tabTo(const QString& name)
    {
        for (int i = 0; i < 60 && focusName() != name; ++i)
            QTest::keyClick(focus(), Qt::Key_Tab);
        return focusName() == name;
    }
};

int solve(const QString& task)
{
    static const QRegularExpression re(QStringLiteral(R"(^\(?(-?\d+)\)? ([-+x:]) \(?(-?\d+)\)? =$)"));
    const auto m = re.match(task);
    EXPECT_TRUE(m.hasMatch()) << task.toStdString();
    const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
    switch (m.captured(2).at(0).toLatin1()) {
    case '+': return a + b;
    case '-': return a - b;
    case 'x': return a * b;
    default: return a / b;
    }
}

} // namespace

TEST_F(KeyboardOnly, StartFocusIsTheNameAndSpaceThereNeverEndsTheProgram)
{
    EXPECT_EQ(focusName(), QStringLiteral("BitBtnBenutzername"));
    QTest::keyClick(focus(), Qt::Key_Space);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(win->isVisible());
    QTest::keyClick(focus(), Qt::Key_Return); // Enter presses the focused button too
    EXPECT_EQ(asked, 2);
}

TEST_F(KeyboardOnly, AWholeBasicSeriesWithoutAMouse)
{
    QTest::keyClick(focus(), Qt::Key_Return); // Benutzername
    ASSERT_EQ(asked, 1);
    ASSERT_TRUE(tabTo(QStringLiteral("BitBtnGrundrechnen")));
    QTest::keyClick(focus(), Qt::Key_Return);
    ASSERT_EQ(win->notebookHaupt01a()->currentIndex(), PageGrundrechenarten);
    // (Alt+S presses "&Start" in the real window; offscreen the Tab key stands in for it.)
    ASSERT_TRUE(tabTo(QStringLiteral("BitBtnStart01")));
    QTest::keyClick(focus(), Qt::Key_Return);
    ASSERT_EQ(win->notebookHaupt01a()->currentIndex(), PageGrundAufgaben);
    auto* task = win->findChild<QLabel*>(QStringLiteral("lblGrundAufg"));
    ASSERT_NE(task, nullptr);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(focusName(), QStringLiteral("edGrundAufgErg")) << "task " << i;
        QTest::keyClicks(focus(), QString::number(solve(task->text())));
        QTest::keyClick(focus(), Qt::Key_Return);
    }
    EXPECT_EQ(win->notebookHaupt01a()->currentIndex(), PageGrundrechenarten);
    EXPECT_EQ(ts.log.events.filter(QStringLiteral("correct 3 1")).size(), 10);
    EXPECT_TRUE(ts.messages.messages.empty());
}

TEST_F(KeyboardOnly, TabReachesEveryControlOfEveryStartAndCalculatorPage)
{
    QTest::keyClick(focus(), Qt::Key_Return); // a pupil, so the topics open
    const char* topics[] = {"BitBtnGrundrechnen", "BitBtnEinheiten", "BitBtnZahlensysteme",
                            "BitBtnPrimfaktoren", "BitBtnBruchrechnung"};
    const int calculators[] = {PageZahlensystemeBerechnung, PagePrimfaktorenBerechnung};
    QList<int> pages;
    for (const char* t : topics) {
        win->findChild<QPushButton*>(QString::fromLatin1(t))->click();
        pages << win->notebookHaupt01a()->currentIndex();
    }
    pages << calculators[0] << calculators[1];
    for (int index : pages) {
        win->notebookHaupt01()->setCurrentIndex(PageAufgaben);
        win->notebookHaupt01a()->setCurrentIndex(index);
        QWidget* page = win->notebookHaupt01a()->widget(index);
        // A radio group is one Tab stop: Tab enters it at one item (the chosen one, or the
        // one that had the focus last), the arrows move from there.
        auto stop = [](QWidget* w) -> QObject* {
            if (auto* rb = qobject_cast<QRadioButton*>(w); rb && rb->group())
                return rb->group();
            return w;
        };
        QHash<QObject*, QString> wanted;
        QWidget* start = nullptr;
        for (QWidget* w : page->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled()
                && ((w->focusPolicy() & Qt::TabFocus) || stop(w) != w)
                && !w->focusProxy() && !w->objectName().startsWith(QLatin1String("qt_"))) {
                if (!wanted.contains(stop(w)))
                    wanted.insert(stop(w), w->objectName());
                if (!start)
                    start = w;
            }
        ASSERT_NE(start, nullptr) << index;
        start->setFocus();
        QSet<QObject*> reached;
        for (int i = 0; i < 200 && reached.size() < wanted.size(); ++i) {
            if (wanted.contains(stop(focus())))
                reached << stop(focus());
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
            EXPECT_TRUE(reached.contains(it.key())) << "page " << index << ": "
                                                    << it.value().toStdString();
    }
}
