// The pupil's statistics files through the main window, with the real store in a
// temporary XDG_DATA_HOME and a scripted name dialog: choosing a second pupil, cancelling,
// clearing the name, hostile names, the statistics buttons and the end of the program; a
// series shown at once in the charts.
#include "appsetup.h"
#include "fakes.h"
#include "mainwindow.h"
#include "statisticspage.h"
#include "statisticsstore.h"
#include "statsfile.h"
#include "statstestutil.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <optional>

using namespace quorvel;
using namespace quorvel::stats;
using namespace quorvel::test;

namespace {

const char* const kExts[] = {".qvb", ".qve", ".qvg", ".qvp", ".qvz"};

struct FlowFixture : ::testing::Test {
    QTemporaryDir home;
    QString dir;
    EventLog log;
    RecordingSound sound{log};
    RecordingMessages messages{log};
    ScriptedRandom random;
    FixedClock clock{QDate(2026, 12, 7)};
    StatisticsStore store{clock, messages};
    Services services{store, sound, messages, random, clock};

    // Each dialog takes the next answer; nullopt is "Abbrechen".
    std::deque<std::optional<QString>> answers;
    QStringList asked;                     // the name the dialog showed
    std::function<void()> whenAsked;       // looks at the disk while the dialog is open
    std::unique_ptr<TFormHaupt> window;

    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        window = std::make_unique<TFormHaupt>(
            services, store, [this](QWidget*, const QString& current, QString* name) {
                asked << current;
                if (whenAsked)
                    whenAsked();
                EXPECT_FALSE(answers.empty()) << "dialog not expected";
                if (answers.empty())
                    return false;
                const std::optional<QString> a = answers.front();
                answers.pop_front();
                if (!a)
                    return false;
                *name = *a;
                return true;
            });
        // As the program start does: find the data directory under the data home.
        dir = prepareDataDirectory();
        ASSERT_EQ(dir, home.path() + "/Programme/Quorvel V1.5/");
        store.setDataDirectory(dir);
    }

    StatisticsPage* statsPage() const { return window->findChild<StatisticsPage*>(); }

    void click(const char* name)
    {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void chooseName(std::optional<QString> answer)
    {
        answers.push_back(std::move(answer));
        click("BitBtnBenutzername");
    }

    QString file(const QString& name, const char* ext) const { return dir + name + QLatin1String(ext); }
    QString firstLine(const QString& name, const char* ext) const
    {
        return splitLines(readBytes(file(name, ext))).value(0);
    }

    // What a series of basic addition tasks reports.
    void basicSeries(int given, int correct)
    {
        services.stats.markStatsChanged(TopicBasic);
        for (int i = 0; i < given; ++i)
            services.stats.countTaskGiven(TopicBasic, 1);
        for (int i = 0; i < correct; ++i)
            services.stats.countTaskCorrect(TopicBasic, 1);
    }

    QStringList statsFiles() const { return listTree(home.path()).filter(".qv"); }
};

const QString kTodayBasicZero = QString::fromLatin1(zeroLine(12, " 07.12.2026"));
QString basicLine(int g, int c)
{
    return QStringLiteral("%1 %2 ").arg(g).arg(c) + QString("0 0 ").repeated(11) + "07.12.2026";
}

} // namespace

TEST_F(FlowFixture, ASecondNameWritesTheFirstPupilsFilesBeforeReadingTheSecond)
{
    chooseName(QStringLiteral("Anna"));
    EXPECT_EQ(store.userName(), "Anna");
    EXPECT_EQ(statsFiles().size(), 5);
    basicSeries(3, 2);

    QString annaWhileAsking;
    bool bertExistedWhileAsking = true;
    whenAsked = [&] {
        annaWhileAsking = firstLine("Anna", ".qvg");
        bertExistedWhileAsking = QFileInfo::exists(file("Bert", ".qvg"));
    };
    chooseName(QStringLiteral("Bert"));
    EXPECT_EQ(asked, QStringList({"", "Anna"}));
    EXPECT_EQ(annaWhileAsking, basicLine(3, 2));
    EXPECT_FALSE(bertExistedWhileAsking);
    EXPECT_EQ(store.userName(), "Bert");
    EXPECT_EQ(store.userName(), "Bert");
    EXPECT_EQ(firstLine("Bert", ".qvg"), kTodayBasicZero);
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(3, 2));
    EXPECT_EQ(statsFiles().size(), 10);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(FlowFixture, CancellingReloadsTheSamePupilWithoutLoss)
{
    chooseName(QStringLiteral("Anna"));
    basicSeries(4, 4);
    chooseName(std::nullopt);
    EXPECT_EQ(store.userName(), "Anna");
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(4, 4));
    const StatRecord* today = store.topic(TopicBasic).record(" 07.12.2026");
    ASSERT_NE(today, nullptr);
    EXPECT_EQ(today->at(1), (StatCounts{4, 4}));
    EXPECT_FALSE(store.topic(TopicBasic).hasPending());
    // Counting goes on into the same record.
    basicSeries(1, 0);
    click("BitBtnStatistik04");
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(5, 4));
}

TEST_F(FlowFixture, CancellingOrClearingWithoutAPupilLeavesNone)
{
    chooseName(std::nullopt);
    EXPECT_TRUE(store.userName().isEmpty());
    chooseName(QString());
    EXPECT_TRUE(store.userName().isEmpty());
    EXPECT_TRUE(statsFiles().isEmpty());
    click("BitBtnStatistik01");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Es wurde noch kein Benutzername eingegeben!");
    EXPECT_EQ(window->notebookHaupt01()->currentIndex(), PageAuswahl);
}

TEST_F(FlowFixture, ClearingTheNameSavesThePupilAndThenWritesNothing)
{
    chooseName(QStringLiteral("Anna"));
    basicSeries(2, 1);
    chooseName(QString());
    EXPECT_TRUE(store.userName().isEmpty());
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(2, 1));
    const QStringList files = statsFiles();
    services.stats.markStatsChanged(TopicUnits);
    window->close();
    window.reset();
    EXPECT_EQ(statsFiles(), files);
}

TEST_F(FlowFixture, EndingWithoutANameWritesNothing)
{
    services.stats.markStatsChanged(TopicFractions);
    services.stats.countTaskGiven(TopicFractions, 1);
    window->close();
    window.reset();
    EXPECT_TRUE(statsFiles().isEmpty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(FlowFixture, EndingWithANameWritesTheChangedTopicsOnce)
{
    chooseName(QStringLiteral("Anna"));
    std::map<std::string, FileTime> aged;
    for (const char* ext : kExts)
        aged[ext] = ageFile(file("Anna", ext));
    basicSeries(6, 5);
    window->close();
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(6, 5));
    for (const char* ext : kExts)
        EXPECT_EQ(mtime(file("Anna", ext)) != aged[ext], QByteArray(ext) == ".qvg") << ext;
    const FileTime written = ageFile(file("Anna", ".qvg"));
    window.reset(); // destroying the closed window saves nothing again
    EXPECT_EQ(mtime(file("Anna", ".qvg")), written);
}

TEST_F(FlowFixture, AStatisticsButtonWritesOnlyTheChangedTopics)
{
    chooseName(QStringLiteral("Anna"));
    std::map<std::string, FileTime> aged;
    for (const char* ext : kExts)
        aged[ext] = ageFile(file("Anna", ext));
    basicSeries(3, 3);
    services.stats.markStatsChanged(TopicNumberSystems);
    services.stats.countTaskGiven(TopicNumberSystems, 5);
    click("BitBtnStatistik04");
    EXPECT_EQ(window->notebookHaupt01()->currentIndex(), PageStatistik);
    EXPECT_EQ(statsPage()->selectionTopic(), 3);
    EXPECT_EQ(statsPage()->selectionPart(), 1);
    for (const char* ext : kExts) {
        const bool changed = QByteArray(ext) == ".qvg" || QByteArray(ext) == ".qvz";
        EXPECT_EQ(mtime(file("Anna", ext)) != aged[ext], changed) << ext;
    }
    EXPECT_EQ(firstLine("Anna", ".qvz"), "0 0 0 0 0 0 0 0 1 0 07.12.2026");
    // Opening the page again with nothing new writes nothing.
    const FileTime again = ageFile(file("Anna", ".qvg"));
    click("BitBtnStat01");
    click("BitBtnStatistik05");
    EXPECT_EQ(mtime(file("Anna", ".qvg")), again);
}

TEST_F(FlowFixture, AHostileNameKeepsThePreviousPupilAndWritesNothing)
{
    chooseName(QStringLiteral("Anna"));
    basicSeries(1, 1);
    for (const char* n : {"../x", "a/b", "..", "a\\b"}) {
        const QStringList before = listTree(home.path());
        messages.messages.clear();
        chooseName(QString::fromLatin1(n));
        EXPECT_EQ(store.userName(), "Anna") << n;
        EXPECT_EQ(store.userName(), "Anna") << n;
        ASSERT_EQ(messages.messages.size(), 1u) << n;
        EXPECT_TRUE(messages.messages[0].text.contains("kann nicht als Benutzername verwendet werden"));
        EXPECT_EQ(listTree(home.path()), before) << n;
    }
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(1, 1)); // saved before the dialog
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/Programme/x.qvg"));
    // Without a previous pupil a hostile name leaves none.
    window.reset();
    StatisticsStore fresh{clock, messages};
    TFormHaupt w(Services{fresh, sound, messages, random, clock}, fresh,
                 [](QWidget*, const QString&, QString* name) {
                     *name = QStringLiteral("../../x");
                     return true;
                 });
    fresh.setDataDirectory(dir);
    w.BitBtnBenutzernameClick();
    EXPECT_TRUE(fresh.userName().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(home.path() + "/x.qvg"));
}

TEST_F(FlowFixture, AFailedSaveIsShownOnceAndTheNameCanStillBeChanged)
{
    chooseName(QStringLiteral("Anna"));
    basicSeries(2, 2);
    store.setFileWriter([](const QString&, const QByteArray&, QString* reason) {
        *reason = QStringLiteral("Datenträger voll");
        return false;
    });
    chooseName(std::nullopt); // the error, then the dialog; cancelled: Anna stays
    EXPECT_EQ(asked, QStringList({"", "Anna"}));
    EXPECT_EQ(store.userName(), "Anna");
    ASSERT_EQ(messages.messages.size(), 1u); // the save's error only, not once more
    EXPECT_TRUE(messages.messages[0].error);
    EXPECT_TRUE(messages.messages[0].text.contains(file("Anna", ".qvg")));
    EXPECT_EQ(firstLine("Anna", ".qvg"), kTodayBasicZero);

    // Once the disk takes files again, the kept counts reach Anna's file.
    store.setFileWriter(&writeFileAtomically);
    chooseName(QStringLiteral("Bert"));
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(2, 2));
    EXPECT_EQ(store.userName(), "Bert");
}

TEST_F(FlowFixture, AnUnwritableFolderDoesNotHoldThePupil)
{
    chooseName(QStringLiteral("Anna"));
    basicSeries(3, 1);
    store.setFileWriter([](const QString&, const QByteArray&, QString* reason) {
        *reason = QStringLiteral("Keine Berechtigung");
        return false;
    });
    messages.messages.clear();
    chooseName(QStringLiteral("Bert"));
    EXPECT_EQ(store.userName(), "Bert");
    // One box for Anna's failed save, one for Bert's five files that could not be written.
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_TRUE(messages.messages[0].text.contains(file("Anna", ".qvg")));
    EXPECT_EQ(messages.messages[1].text.count("Keine Berechtigung"), 5);
    // Anna's unsaved counts are not counted for Bert.
    EXPECT_EQ(store.topic(TopicBasic).pending[0], (StatCounts{}));
    EXPECT_FALSE(store.topic(TopicBasic).changed);
}

TEST_F(FlowFixture, TheSelectionPageShowsWhoIsCounted)
{
    auto* label = window->findChild<QLabel*>(QStringLiteral("LabelAngemeldet"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Noch kein Benutzer angemeldet");
    chooseName(QStringLiteral("  Anna "));
    EXPECT_EQ(store.userName(), "Anna");
    EXPECT_EQ(label->text(), "Angemeldet: Anna");
    EXPECT_TRUE(QFileInfo::exists(file("Anna", ".qvg")));
    // Blanks only are no name, like an empty field: nobody is counted afterwards.
    chooseName(QStringLiteral("   "));
    EXPECT_TRUE(store.userName().isEmpty());
    EXPECT_EQ(label->text(), "Noch kein Benutzer angemeldet");
    EXPECT_TRUE(statsFiles().filter("   ").isEmpty());
    messages.messages.clear();
    click("BitBtnGrundrechnen");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Es wurde noch kein Benutzername eingegeben!");
}

TEST_F(FlowFixture, AFileThatCouldNotBeReadDoesNotHoldThePupilForever)
{
    // Something that is no file sits where Anna's units file belongs: it is never
    // overwritten, so her units counts cannot be kept. Retrying cannot help, so after
    // the report the next pupil can still be chosen, and gets nothing of Anna's.
    ASSERT_TRUE(QDir().mkpath(file("Anna", ".qve")));
    chooseName(QStringLiteral("Anna"));
    ASSERT_EQ(messages.messages.size(), 1u);
    services.stats.markStatsChanged(TopicUnits);
    services.stats.countTaskGiven(TopicUnits, 1);
    services.stats.countTaskCorrect(TopicUnits, 1);
    basicSeries(2, 1);

    messages.messages.clear();
    chooseName(QStringLiteral("Bert"));
    EXPECT_EQ(asked, QStringList({"", "Anna"})) << "the name dialog was shown";
    EXPECT_EQ(store.userName(), "Bert");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].error);
    EXPECT_TRUE(messages.messages[0].text.contains(file("Anna", ".qve")));
    EXPECT_TRUE(QFileInfo(file("Anna", ".qve")).isDir());
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(2, 1)); // the other topics were saved
    EXPECT_EQ(firstLine("Bert", ".qve"), "0 0 0 0 0 0 0 0 0 0 0 0 07.12.2026");
    EXPECT_FALSE(store.topic(TopicUnits).changed);
}

// A series, the statistics button, a chart with the new counts.
TEST_F(FlowFixture, ASeriesShowsAtOnceInTheDayChart)
{
    auto area = [&] { return window->findChild<ChartArea*>(QStringLiteral("PaintBoxStatistik01")); };

    chooseName(QStringLiteral("Anna"));
    // Four subtraction tasks of basic arithmetic, three right at the first try.
    services.stats.markStatsChanged(TopicBasic);
    for (int i = 0; i < 4; ++i)
        services.stats.countTaskGiven(TopicBasic, 2);
    for (int i = 0; i < 3; ++i)
        services.stats.countTaskCorrect(TopicBasic, 2);
    click("BitBtnStatistik04");
    ASSERT_EQ(window->notebookHaupt01()->currentIndex(), PageStatistik);
    ASSERT_NE(area(), nullptr);
    click("BitBtnStat03");
    EXPECT_EQ(statsPage()->currentChart(), 2);
    EXPECT_TRUE(area()->accessibleDescription().contains("Subtraktion 4 gerechnet, 3 richtig"));
    // The blue bars: 4 tasks at the top of the axis, 3 right at 400 - 262.5 -> 138.
    const QImage img = area()->grab().toImage();
    EXPECT_EQ(img.pixel(170, 50) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(img.pixel(225, 138) & 0xFFFFFF, 0x0000FFu);
    EXPECT_NE(img.pixel(225, 136) & 0xFFFFFF, 0x0000FFu);

    // Back, more tasks, open again: the same chart shows the new counts at once.
    click("BitBtnStat01");
    EXPECT_EQ(statsPage()->currentChart(), 0);
    services.stats.markStatsChanged(TopicBasic);
    for (int i = 0; i < 4; ++i)
        services.stats.countTaskGiven(TopicBasic, 2);
    click("BitBtnStatistik04");
    click("BitBtnStat03");
    EXPECT_TRUE(area()->accessibleDescription().contains("Subtraktion 8 gerechnet, 3 richtig"));
    EXPECT_TRUE(messages.messages.empty());
}
