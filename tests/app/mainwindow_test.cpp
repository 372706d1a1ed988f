// The main window: the selection page, the pupil's name guarding every topic and
// statistics button, the page stacks, the Back buttons and the status bar.
#include "fakes.h"
#include "mainwindow.h"
#include "numberpad.h"
#include "statisticspage.h"
#include "statisticsstore.h"
#include "worksheetwindow.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

struct ScriptedNames {
    QStringList answers; // one per dialog; "<cancel>" cancels
    QStringList shownWith;
    NameAsker asker()
    {
        return [this](QWidget*, const QString& current, QString* name) {
            shownWith << current;
            const QString a = answers.isEmpty() ? QStringLiteral("<cancel>") : answers.takeFirst();
            if (a == QLatin1String("<cancel>"))
                return false;
            *name = a;
            return true;
        };
    }
};

struct MainWindowTest : ::testing::Test {
    TestServices ts;
    StatisticsStore store{ts.clock, ts.messages};
    QTemporaryDir dataDir; // the pupils' statistics files
    ScriptedNames names;
    std::unique_ptr<TFormHaupt> win;

    void SetUp() override
    {
        store.setDataDirectory(dataDir.path());
        win = std::make_unique<TFormHaupt>(ts.services, store, names.asker());
    }

    QPushButton* button(const char* name)
    {
        auto* b = win->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    int mainPage() const { return win->notebookHaupt01()->currentIndex(); }
    int exercisePage() const { return win->notebookHaupt01a()->currentIndex(); }
    void enterName(const QString& n)
    {
        names.answers << n;
        click("BitBtnBenutzername");
    }
};

const char* const kGuarded[] = {
    "BitBtnBruchrechnung", "BitBtnEinheiten", "BitBtnGrundrechnen", "BitBtnPrimfaktoren",
    "BitBtnZahlensysteme", "BitBtnStatistik01", "BitBtnStatistik02", "BitBtnStatistik03",
    "BitBtnStatistik04", "BitBtnStatistik05", "BitBtnStatistik06", "BitBtnStatistik07",
    "BitBtnStatistik08",
};

} // namespace

TEST_F(MainWindowTest, CaptionSizeAndStartState)
{
    EXPECT_EQ(win->windowTitle(), "Quorvel V1.51 (Stand: 05.02.2005)");
    EXPECT_EQ(win->size(), QSize(800, 590));
    EXPECT_EQ(win->minimumSize(), QSize(800, 590));
    EXPECT_EQ(win->maximumSize(), QSize(800, 590));
    EXPECT_EQ(mainPage(), PageAuswahl);
    EXPECT_EQ(exercisePage(), PageGrundrechenarten);
    EXPECT_EQ(win->notebookHaupt01()->count(), 4);
    EXPECT_EQ(win->notebookHaupt01a()->count(), 14);
    EXPECT_EQ(ts.sound.soundOn(), 1);
    EXPECT_TRUE(store.userName().isEmpty());
    EXPECT_FALSE(win->numberPad()->padEnabled());
    auto* sound = win->findChild<QCheckBox*>("CheckBoxSound");
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->isChecked());
    EXPECT_EQ(sound->pos(), QPoint(680, 6));
}

TEST_F(MainWindowTest, MenuHoldsItsEntries)
{
    QMenu* datei = win->findChild<QMenu*>("MenuDatei");
    ASSERT_NE(datei, nullptr);
    QStringList texts;
    for (QAction* a : datei->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texts, QStringList({"Hilfe", "Information", "Klassenübersicht …", "Arbeitsblatt …",
                                  "-", "Programm beenden"}));
}

TEST_F(MainWindowTest, WorksheetWindowOpensWithoutAPupilAndOnlyOnce)
{
    QAction* blatt = win->findChild<QAction*>("HMenuDateiArbeitsblatt");
    ASSERT_NE(blatt, nullptr);
    blatt->trigger();
    blatt->trigger();
    const auto windows = win->findChildren<quorvel::worksheet::TFormArbeitsblatt*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.first()->isVisible());
    EXPECT_EQ(windows.first()->windowTitle(), QStringLiteral("Arbeitsblatt"));
    windows.first()->close();
}

TEST_F(MainWindowTest, SelectionPageButtonsSitWhereDesigned)
{
    struct Place {
        const char* name;
        QRect rect;
    };
    const Place places[] = {
        {"BitBtnBruchrechnung", {72, 96, 150, 30}},  {"BitBtnEinheiten", {72, 128, 150, 30}},
        {"BitBtnGrundrechnen", {72, 160, 150, 30}},  {"BitBtnPrimfaktoren", {72, 192, 150, 30}},
        {"BitBtnZahlensysteme", {72, 224, 150, 30}}, {"BitBtnBenutzername", {72, 408, 150, 40}},
        {"BitBtnStatistik01", {282, 96, 140, 30}},   {"BitBtnStatistik02", {426, 96, 140, 30}},
        {"BitBtnStatistik03", {282, 128, 140, 30}},  {"BitBtnStatistik04", {282, 160, 140, 30}},
        {"BitBtnStatistik05", {426, 160, 140, 30}},  {"BitBtnStatistik06", {570, 160, 140, 30}},
        {"BitBtnStatistik07", {282, 192, 140, 30}},  {"BitBtnStatistik08", {282, 224, 140, 30}},
    };
    for (const Place& p : places)
        EXPECT_EQ(button(p.name)->geometry(), p.rect) << p.name;
    EXPECT_EQ(button("BitBtnStatistik05")->text(), "Lückenaufgaben");
    EXPECT_EQ(button("BitBtnStatistik01")->text(), "Brüche Teil 1");
}

TEST_F(MainWindowTest, TopicButtonsTabFromTopToBottom)
{
    const char* const order[] = {"BitBtnBruchrechnung", "BitBtnEinheiten", "BitBtnGrundrechnen",
                                 "BitBtnPrimfaktoren", "BitBtnZahlensysteme"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget* next = button(order[i])->nextInFocusChain();
        while (next && next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->objectName(), QString::fromLatin1(order[i + 1])) << order[i];
    }
}

TEST_F(MainWindowTest, EveryGuardedButtonAsksForANameFirst)
{
    for (const char* name : kGuarded) {
        ts.messages.messages.clear();
        click(name);
        ASSERT_EQ(ts.messages.messages.size(), 1u) << name;
        EXPECT_EQ(ts.messages.messages[0].text, "Es wurde noch kein Benutzername eingegeben!");
        EXPECT_EQ(ts.messages.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(mainPage(), PageAuswahl) << name;
    }
}

TEST_F(MainWindowTest, TopicButtonsOpenTheirStartPagesAndBackReturns)
{
    enterName("Anna");
    ASSERT_EQ(store.userName(), "Anna");
    struct Row {
        const char* button;
        int page;
        const char* back;
    };
    const Row rows[] = {
        {"BitBtnGrundrechnen", PageGrundrechenarten, "BitBtnBack01"},
        {"BitBtnEinheiten", PageEinheiten, "BitBtnBack02"},
        {"BitBtnZahlensysteme", PageZahlensysteme, "BitBtnBack03"},
        {"BitBtnPrimfaktoren", PagePrimfaktoren, "BitBtnBack04"},
        {"BitBtnBruchrechnung", PageBruchrechnung, "BitBtnBack05"},
    };
    for (const Row& r : rows) {
        click(r.button);
        EXPECT_EQ(mainPage(), PageAufgaben) << r.button;
        EXPECT_EQ(exercisePage(), r.page) << r.button;
        QPushButton* back = button(r.back);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->text(), "&Zurück zur Auswahl");
        EXPECT_EQ(back->size(), QSize(200, 30));
        EXPECT_EQ(back->y(), 440);
        EXPECT_EQ(back->parentWidget(), win->notebookHaupt01a()->widget(r.page));
        QTest::mouseClick(back, Qt::LeftButton);
        EXPECT_EQ(mainPage(), PageAuswahl) << r.back;
        EXPECT_EQ(exercisePage(), PageGrundrechenarten) << r.back;
    }
    EXPECT_TRUE(ts.messages.messages.empty());
}

TEST_F(MainWindowTest, StatisticsButtonsOpenTheStatisticsPage)
{
    enterName("Anna");
    for (int i = 5; i < int(std::size(kGuarded)); ++i) {
        win->findChild<StatisticsPage*>()->showChart(3);
        click(kGuarded[i]);
        EXPECT_EQ(mainPage(), PageStatistik) << kGuarded[i];
        click("BitBtnStat01");
        EXPECT_EQ(mainPage(), PageAuswahl);
        EXPECT_EQ(win->findChild<StatisticsPage*>()->currentChart(), 0);
    }
}

TEST_F(MainWindowTest, NameDialogCancelAndEmptyName)
{
    names.answers << "<cancel>";
    click("BitBtnBenutzername");
    EXPECT_TRUE(store.userName().isEmpty());
    enterName("Ben");
    EXPECT_EQ(store.userName(), "Ben");
    names.answers << "<cancel>";
    click("BitBtnBenutzername");
    EXPECT_EQ(store.userName(), "Ben"); // cancelling keeps the pupil
    EXPECT_EQ(names.shownWith.last(), "Ben"); // the dialog offers the current name
    enterName("");
    EXPECT_TRUE(store.userName().isEmpty()); // an empty name means no pupil
    click("BitBtnGrundrechnen");
    EXPECT_EQ(mainPage(), PageAuswahl);
}

TEST_F(MainWindowTest, SoundCheckBoxSwitchesTheProgramWideFlag)
{
    auto* sound = win->findChild<QCheckBox*>("CheckBoxSound");
    sound->click();
    EXPECT_EQ(ts.sound.soundOn(), 0);
    sound->click();
    EXPECT_EQ(ts.sound.soundOn(), 1);
}

TEST_F(MainWindowTest, StatusPanelOneShowsTheLongHint)
{
    QStatusTipEvent tip(QStringLiteral("Programm beenden"));
    QApplication::sendEvent(button("ActionProgrammBeenden"), &tip);
    EXPECT_EQ(win->statusPanel(1), "Programm beenden");
    EXPECT_EQ(button("ActionProgrammBeenden")->toolTip(), "Beenden");
    EXPECT_EQ(button("ActionProgrammBeenden")->statusTip(), "Programm beenden");
}

TEST_F(MainWindowTest, EveryControlOfEveryPageHasAnAccessibleName)
{
    // Screen readers read buttons by their caption, edits, spinners and lists by their
    // accessible name.
    for (QWidget* w : win->findChildren<QWidget*>()) {
        const bool button = qobject_cast<QAbstractButton*>(w) != nullptr;
        const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)
            || qobject_cast<QComboBox*>(w);
        if (!button && !field)
            continue;
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget())
            || qobject_cast<QComboBox*>(w->parentWidget()))
            continue; // the inner edit of a spinner or box speaks through its owner
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue; // Qt's own parts (tab scrollers and the like)
        const QString name = w->accessibleName();
        const QString caption = button ? static_cast<QAbstractButton*>(w)->text() : QString();
        EXPECT_FALSE(name.isEmpty() && caption.isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}
