// The window "Klassenübersicht" through its model: sorting, the name filter, refresh (F5)
// after a series was saved, the CSV export, and the menu entry of the main window.
#include "fakes.h"
#include "klassenuebersicht.h"
#include "mainwindow.h"
#include "statisticsstore.h"
#include "statsfile.h"
#include "statstestutil.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::stats;
using namespace quorvel::test;

namespace {

struct OverviewWindow : ::testing::Test {
    TestServices ts;
    QTemporaryDir dataDir;
    StatisticsStore store{ts.clock, ts.messages};
    std::unique_ptr<TFormKlassenuebersicht> win;

    void SetUp() override { store.setDataDirectory(dataDir.path()); }

    // A pupil chosen, with `given` plain additions of which `correct` right, saved.
    void practise(const QString& pupil, int given, int correct)
    {
        ASSERT_TRUE(store.chooseUser(pupil));
        store.markStatsChanged(3);
        for (int i = 0; i < given; ++i)
            store.countTaskGiven(3, 1);
        for (int i = 0; i < correct; ++i)
            store.countTaskCorrect(3, 1);
        ASSERT_TRUE(store.saveAllStatistics());
    }
    void open()
    {
        win = std::make_unique<TFormKlassenuebersicht>([this] { return dataDir.path(); },
                                                       ts.messages);
    }
    // The cell texts of `column` in the order shown.
    QStringList shown(int column) const
    {
        QStringList out;
        QAbstractItemModel* m = win->table()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, column).data().toString();
        return out;
    }
    // The pupils shown in row order, one entry per pupil and part filtered to `part`.
    QStringList pupilsOfPart(int part) const
    {
        QStringList out;
        QAbstractItemModel* m = win->table()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, ColPart).data().toString() == QString::fromUtf8(overviewPart(part).caption))
                out << m->index(r, ColName).data().toString();
        return out;
    }
    // The text in `column` of the first row shown for `part`.
    QString cellOf(int part, int column) const
    {
        QAbstractItemModel* m = win->table()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, ColPart).data().toString() == QString::fromUtf8(overviewPart(part).caption))
                return m->index(r, column).data().toString();
        return QStringLiteral("<keine Zeile>");
    }
    QPushButton* button(const char* name) const
    {
        auto* b = win->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
};

TEST_F(OverviewWindow, ListsEveryPupilWithEightPartsAndItsHeader)
{
    practise(QStringLiteral("Jan"), 4, 3);
    practise(QStringLiteral("anna"), 10, 5);
    practise(QStringLiteral("Zoë"), 1, 1);
    open();
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Klassenübersicht"));
    EXPECT_EQ(win->model()->rowCount(), 24);
    QStringList headers;
    for (int c = 0; c < OverviewColumnCount; ++c)
        headers << win->table()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Name", "Bereich", "Aufgaben", "Beim ersten Versuch richtig",
                                    "Fehlerquote in %", "Letzter Übungstag", "Offene Fehler",
                                    "Gemeistert (30 Tage)"}));
    // Names in alphabetical order regardless of case, each with the parts in button order.
    EXPECT_EQ(pupilsOfPart(3), (QStringList{"anna", "Jan", "Zoë"}));
    EXPECT_EQ(shown(ColPart).mid(0, 8).join(QLatin1Char('|')),
              QStringLiteral("Brüche Teil 1|Brüche Teil 2|Einheiten|Grundrechnen: Aufgaben|"
                             "Grundrechnen: Lückenaufgaben|Grundrechnen: Gleichungen|"
                             "Primfaktoren|Zahlensysteme"));
    EXPECT_EQ(shown(ColGiven)[3], QStringLiteral("10"));
    EXPECT_EQ(shown(ColErrorRate)[3], QStringLiteral("50,00"));
    EXPECT_EQ(shown(ColLastDay)[3], QStringLiteral("07.12.2026"));
    EXPECT_EQ(win->statusText().section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Schülerinnen und Schüler: 3"));
}

struct SortCase {
    int column;
    Qt::SortOrder order;
    QStringList pupils; // of part "Grundrechnen: Aufgaben", top to bottom
};

TEST_F(OverviewWindow, ColumnsSortByValue)
{
    practise(QStringLiteral("Anna"), 10, 9); // 10 %
    practise(QStringLiteral("Ben"), 9, 0);   // 100 %
    practise(QStringLiteral("Cem"), 100, 50); // 50 %: 100 sorts after 9 and 10 as a number
    ts.clock.date = ts.clock.date.addDays(1);
    practise(QStringLiteral("Anna"), 0, 0); // a day without tasks moves no last day
    ts.clock.date = ts.clock.date.addDays(30);
    practise(QStringLiteral("Ben"), 1, 1); // next year: 06.01.2027 is later than 07.12.2026
    open();
    for (const SortCase& c :
         {SortCase{ColGiven, Qt::AscendingOrder, {"Anna", "Ben", "Cem"}},
          SortCase{ColGiven, Qt::DescendingOrder, {"Cem", "Ben", "Anna"}},
          SortCase{ColCorrect, Qt::AscendingOrder, {"Ben", "Anna", "Cem"}},
          SortCase{ColErrorRate, Qt::DescendingOrder, {"Ben", "Cem", "Anna"}},
          // Anna's and Cem's last day with tasks is the same: the names decide.
          SortCase{ColLastDay, Qt::DescendingOrder, {"Ben", "Cem", "Anna"}},
          SortCase{ColName, Qt::DescendingOrder, {"Cem", "Ben", "Anna"}}}) {
        win->table()->sortByColumn(c.column, c.order);
        EXPECT_EQ(pupilsOfPart(3), c.pupils) << c.column << " " << int(c.order);
    }
    // A click on a header sorts by that column; a second click turns the order round.
    win->show();
    QHeaderView* header = win->table()->horizontalHeader();
    const QPoint given(header->sectionViewportPosition(ColGiven) + 10, header->height() / 2);
    win->table()->sortByColumn(ColName, Qt::AscendingOrder);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, given);
    const QStringList first = pupilsOfPart(3);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, given);
    const QStringList second = pupilsOfPart(3);
    EXPECT_EQ(header->sortIndicatorSection(), ColGiven);
    EXPECT_TRUE((first == QStringList{"Anna", "Ben", "Cem"} && second == QStringList{"Cem", "Ben", "Anna"})
                || (second == QStringList{"Anna", "Ben", "Cem"} && first == QStringList{"Cem", "Ben", "Anna"}));
}

struct FilterCase {
    const char* typed;
    QStringList pupils;
};

TEST_F(OverviewWindow, FilterNarrowsByPartOfTheName)
{
    for (const char* name : {"Anna", "Jan", "Hannah", "Paul (2b)", "Björn"})
        practise(QString::fromUtf8(name), 1, 1);
    open();
    for (const FilterCase& c : {FilterCase{"an", {"Anna", "Hannah", "Jan"}},
                                FilterCase{"ANNA", {"Anna", "Hannah"}},
                                FilterCase{"(2b", {"Paul (2b)"}}, // no pattern syntax
                                FilterCase{"  jö ", {"Björn"}}, // blanks around are dropped
                                FilterCase{"bjö", {"Björn"}},
                                FilterCase{"xyz", {}},
                                FilterCase{"", {"Anna", "Björn", "Hannah", "Jan", "Paul (2b)"}}}) {
        win->filterEdit()->setText(QString::fromUtf8(c.typed)); // keyClicks knows no umlauts
        EXPECT_EQ(pupilsOfPart(0), c.pupils) << c.typed;
        EXPECT_EQ(win->table()->model()->rowCount(), 8 * c.pupils.size());
        EXPECT_EQ(win->statusText().contains(QStringLiteral("angezeigt: ")), c.pupils.size() != 5)
            << c.typed;
    }
}

// A series saved while the window is open shows after "Aktualisieren" or F5; the filter
// and the sort order stay. The window itself never writes a statistics file.
TEST_F(OverviewWindow, RefreshShowsASeriesSavedMeanwhileAndWritesNothing)
{
    practise(QStringLiteral("Ben"), 5, 5);
    practise(QStringLiteral("Anna"), 2, 1);
    open();
    win->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(win.get()));
    QTest::keyClicks(win->filterEdit(), QStringLiteral("anna"));
    win->table()->sortByColumn(ColGiven, Qt::DescendingOrder);
    EXPECT_EQ(shown(ColGiven)[0], QStringLiteral("2"));
    EXPECT_EQ(win->table()->model()->rowCount(), 8);

    // Anna practises on; the store saves while the overview is open.
    store.markStatsChanged(3);
    for (int i = 0; i < 3; ++i)
        store.countTaskGiven(3, 4);
    store.countTaskCorrect(3, 4);
    ASSERT_TRUE(store.saveAllStatistics());
    EXPECT_EQ(shown(ColGiven)[0], QStringLiteral("2")); // not yet read
    QTest::keyClick(win.get(), Qt::Key_F5);
    EXPECT_EQ(shown(ColGiven)[0], QStringLiteral("5"));
    EXPECT_EQ(shown(ColErrorRate)[0], QStringLiteral("60,00"));
    EXPECT_EQ(pupilsOfPart(3), QStringList{"Anna"});

    // A damaged file, then "Aktualisieren": the row says so, no message box.
    writeBytes(dataDir.filePath(QStringLiteral("Anna.qvg")), "3 x\r\n");
    QTest::mouseClick(button("btnKlassenAktualisieren"), Qt::LeftButton);
    EXPECT_EQ(cellOf(3, ColGiven), QStringLiteral("Datei beschädigt"));
    EXPECT_EQ(cellOf(0, ColGiven), QStringLiteral("0"));
    EXPECT_TRUE(ts.messages.messages.empty());
    EXPECT_TRUE(win->statusText().contains(QStringLiteral("beschädigte Dateien: 1")));

    // Nothing the window did touched a file.
    std::vector<std::pair<QString, FileTime>> times;
    for (const QString& f : listTree(dataDir.path()))
        times.emplace_back(f, ageFile(dataDir.filePath(f)));
    const QStringList before = listTree(dataDir.path());
    QTest::keyClick(win.get(), Qt::Key_F5);
    QTemporaryDir out;
    win->setSavePathAsker([&out](QWidget*, const QString&) { return out.filePath(QStringLiteral("k.csv")); });
    EXPECT_TRUE(win->btnKlassenCSVClick());
    EXPECT_EQ(listTree(dataDir.path()), before);
    for (const auto& [f, t] : times)
        EXPECT_EQ(mtime(dataDir.filePath(f)), t) << qPrintable(f);
}

TEST_F(OverviewWindow, CsvExportWritesTheRowsAsShown)
{
    practise(QStringLiteral("Meier; Paul"), 3, 2);
    practise(QStringLiteral("=1+1"), 1, 0);
    open();
    QTemporaryDir out;
    QStringList suggested;
    QString answer = out.filePath(QStringLiteral("klasse.csv"));
    win->setSavePathAsker([&](QWidget*, const QString& s) {
        suggested << s;
        return answer;
    });
    QTest::keyClicks(win->filterEdit(), QStringLiteral("meier"));
    QTest::mouseClick(button("btnKlassenCSV"), Qt::LeftButton);
    EXPECT_TRUE(suggested.value(0).endsWith(QStringLiteral("/Klassenübersicht.csv")));
    const QByteArray bytes = readBytes(answer);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF" "Name;Bereich;"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9); // header and Paul's eight parts only
    EXPECT_EQ(lines[4], QStringLiteral("\"Meier; Paul\";Grundrechnen: Aufgaben;3;2;33,33;07.12.2026;0;0"));
    EXPECT_EQ(bytes, win->csv());

    // All rows, the formula-looking name defused, the next dialog starts in the same folder.
    win->filterEdit()->clear();
    answer = out.filePath(QStringLiteral("alle.csv"));
    ASSERT_TRUE(win->btnKlassenCSVClick());
    EXPECT_TRUE(readBytes(answer).contains("\r\n'=1+1;Grundrechnen: Aufgaben;1;0;100,00;07.12.2026;0;0\r\n"));
    EXPECT_EQ(QFileInfo(suggested.value(1)).absolutePath(), out.path());

    // Cancelled: nothing written, nothing said.
    answer.clear();
    EXPECT_FALSE(win->btnKlassenCSVClick());
    // A folder that does not exist: an error box, the table stays.
    answer = out.filePath(QStringLiteral("fehlt/klasse.csv"));
    EXPECT_FALSE(win->btnKlassenCSVClick());
    ASSERT_EQ(ts.messages.messages.size(), 1u);
    EXPECT_TRUE(ts.messages.messages[0].error);
    EXPECT_TRUE(ts.messages.messages[0].text.startsWith(QStringLiteral("Die Datei „")));
    EXPECT_EQ(win->model()->rowCount(), 16);
}

TEST_F(OverviewWindow, ScreenReaderGetsTheTableAndLabelledControls)
{
    practise(QStringLiteral("Anna"), 2, 1);
    open();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(win->table());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Klassenübersicht"));
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 8);
    EXPECT_EQ(table->tableInterface()->columnCount(), OverviewColumnCount);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(3, ColErrorRate);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("50,00"));
    EXPECT_EQ(win->filterEdit()->accessibleName(), QStringLiteral("Name"));
    for (const char* b : {"btnKlassenAktualisieren", "btnKlassenCSV", "btnKlassenSchliessen"})
        EXPECT_FALSE(button(b)->accessibleName().isEmpty()) << b;
}

TEST_F(OverviewWindow, EmptyDataDirectorySaysSo)
{
    open();
    EXPECT_EQ(win->model()->rowCount(), 0);
    EXPECT_TRUE(win->statusText().startsWith(QStringLiteral("Im Datenverzeichnis gibt es noch keine Statistikdateien.")));
}

// "Datei > Klassenübersicht …" works without a pupil and reads the program's data folder.
TEST(OverviewMenu, OpensWithoutAPupilAndReadsTheDataDirectory)
{
    TestServices ts;
    QTemporaryDir dataDir;
    StatisticsStore store{ts.clock, ts.messages};
    store.setDataDirectory(dataDir.path());
    ASSERT_TRUE(store.chooseUser(QStringLiteral("Anna")));
    ASSERT_TRUE(store.chooseUser(QString()));
    TFormHaupt main(ts.services, store, [](QWidget*, const QString&, QString*) { return false; });
    QAction* entry = main.findChild<QAction*>(QStringLiteral("HMenuDateiKlassen"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("Klassenübersicht …"));
    EXPECT_TRUE(main.menuBar()->findChild<QMenu*>(QStringLiteral("MenuDatei"))->actions().contains(entry));
    entry->trigger();
    auto* overview = main.findChild<TFormKlassenuebersicht*>();
    ASSERT_NE(overview, nullptr);
    EXPECT_TRUE(overview->isVisible());
    EXPECT_EQ(overview->model()->rowCount(), 8);
    EXPECT_TRUE(ts.messages.messages.empty());
    EXPECT_TRUE(store.userName().isEmpty());
    // Asked again: the same window, read again.
    writeBytes(dataDir.filePath(QStringLiteral("Ben.qvz")), formatStatsFile(emptyHistory(5), 5));
    entry->trigger();
    EXPECT_EQ(main.findChildren<TFormKlassenuebersicht*>().size(), 1);
    EXPECT_EQ(overview->model()->rowCount(), 16);
}

} // namespace
