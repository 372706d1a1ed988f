// The main window's sound switch and "Datei" menu: unchecking "Sound" silences every jingle
// of a whole exercise series (down to the library, which then looks nothing up), checking
// it brings them back; "Hilfe" opens the built-in handbook when no Quorvel.chm lies beside the program;
// "Programm beenden" in the menu and in the top bar close the window after saving the
// changed statistics.
#include "fakes.h"
#include "handbookwindow.h"
#include "mainwindow.h"
#include "player.h"
#include "series.h"
#include "statisticsstore.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <cstdlib>

using namespace quorvel;
using namespace quorvel::test;

namespace {

QStringList g_lookups;
void recordLookup(const char* name) { g_lookups << QString::fromLatin1(name); }

// Records each call like RecordingSound and hands it on to the sound library's logic, as
// the program's LibrarySound does.
class ForwardingSound final : public SoundSink {
public:
    explicit ForwardingSound(EventLog& log) : m_record(log) {}

protected:
    void playNamed(const char* name, std::uint8_t on) override
    {
        m_record.record(QString::fromLatin1(name), on);
        quorsound::musik(name, on);
    }
    void playWrong(std::uint8_t on) override
    {
        m_record.record(QStringLiteral("wrong"), on);
        quorsound::fehlerMusik(on);
    }
    void playRight(std::uint8_t on) override
    {
        m_record.record(QStringLiteral("right"), on);
        quorsound::richtigMusik(on);
    }

private:
    RecordingSound m_record;
};

// Task i expects the answer i.
class NumberedTopic final : public OneFieldTopic {
public:
    int statTopic() const override { return TopicBasic; }
    QString startRefusal() override { return {}; }
    void prepareSeries() override {}
    int drawTask() override
    {
        ++task;
        return 1;
    }
    AnswerCheck checkText(const QString& text) override
    {
        return {text.toInt() == task ? AnswerState::Right : AnswerState::Wrong, {}};
    }
    QString expectedAnswerText() const override { return QString::number(task); }
    int task = 0;
};

struct Window : ::testing::Test {
    EventLog log;
    RecordingStats stats{log};
    ForwardingSound sound{log};
    RecordingMessages messages{log};
    ScriptedRandom random;
    FixedClock clock;
    Services services{stats, sound, messages, random, clock};
    QTemporaryDir dataDir;
    StatisticsStore store{clock, messages};
    QStringList written; // statistics files the store wrote
    std::unique_ptr<TFormHaupt> window;

    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        quorsound::testhooks::shutdown();
        g_lookups.clear();
        quorsound::testhooks::setLookupObserver(recordLookup);
        store.setDataDirectory(dataDir.path());
        store.setFileWriter([this](const QString& path, const QByteArray&, QString*) {
            written << QFileInfo(path).fileName();
            return true;
        });
        window = std::make_unique<TFormHaupt>(
            services, store, [](QWidget*, const QString&, QString* name) {
                *name = QStringLiteral("Anna");
                return true;
            });
    }
    void TearDown() override
    {
        window.reset();
        quorsound::testhooks::setLookupObserver(nullptr);
        quorsound::testhooks::shutdown();
    }

    QCheckBox* soundBox() { return window->findChild<QCheckBox*>(QStringLiteral("CheckBoxSound")); }

    // A series of three tasks through the window's services: right at once, right at the
    // second try, wrong twice. Returns the jingles the window's sound sink was asked for.
    QStringList runSeries()
    {
        log.clear();
        NumberedTopic topic;
        NullView view;
        ExerciseSeries series(window->services(), topic, view);
        EXPECT_TRUE(series.begin(3));
        series.confirm({QStringLiteral("1")});
        series.confirm({QStringLiteral("0")});
        series.confirm({QStringLiteral("2")});
        series.confirm({QStringLiteral("0")});
        series.confirm({QStringLiteral("0")});
        EXPECT_FALSE(series.running());
        return log.events.filter(QStringLiteral("sound "));
    }
};

} // namespace

TEST_F(Window, SoundIsOnAtStart)
{
    ASSERT_NE(soundBox(), nullptr);
    EXPECT_TRUE(soundBox()->isChecked());
    EXPECT_EQ(soundBox()->text(), QStringLiteral("Sound"));
    EXPECT_EQ(soundBox()->toolTip(), QStringLiteral("Sound an/aus"));
    EXPECT_EQ(sound.soundOn(), 1);
}

TEST_F(Window, UncheckingSoundSilencesAWholeSeriesAndCheckingBringsItBack)
{
    QTest::mouseClick(soundBox(), Qt::LeftButton);
    ASSERT_FALSE(soundBox()->isChecked());
    EXPECT_EQ(sound.soundOn(), 0);
    const QStringList off = runSeries();
    // Right at the second try counts nothing and plays nothing.
    EXPECT_EQ(off, QStringList({"sound MUSIN02 (off)", "sound right (off)", "sound wrong (off)",
                                "sound wrong (off)", "sound wrong (off)", "sound MUSIN02 (off)"}));
    EXPECT_TRUE(g_lookups.isEmpty()) << "the library looked up " << g_lookups.join(' ').toStdString();
    EXPECT_EQ(quorsound::testhooks::deviceState(), quorsound::testhooks::DeviceState::Closed);

    QTest::mouseClick(soundBox(), Qt::LeftButton);
    ASSERT_TRUE(soundBox()->isChecked());
    EXPECT_EQ(sound.soundOn(), 1);
    const QStringList on = runSeries();
    EXPECT_EQ(on, QStringList({"sound MUSIN02", "sound right", "sound wrong", "sound wrong",
                               "sound wrong", "sound MUSIN02"}));
    ASSERT_EQ(g_lookups.size(), 6);
    EXPECT_EQ(g_lookups.first(), QStringLiteral("MUSIN02"));
    EXPECT_TRUE(g_lookups[1].startsWith(QStringLiteral("MUSIR")));
    for (int i = 2; i < 5; ++i)
        EXPECT_TRUE(g_lookups[i].startsWith(QStringLiteral("MUSIF"))) << i;
    EXPECT_EQ(g_lookups.last(), QStringLiteral("MUSIN02"));
}

TEST_F(Window, SpaceKeyTogglesTheSwitchToo)
{
    soundBox()->setFocus();
    QTest::keyClick(soundBox(), Qt::Key_Space);
    EXPECT_EQ(sound.soundOn(), 0);
    QTest::keyClick(soundBox(), Qt::Key_Space);
    EXPECT_EQ(sound.soundOn(), 1);
}

TEST_F(Window, UncheckingDoesNotStopTheJinglePlaying)
{
    window->services().sound.richtigMusik();
    ASSERT_EQ(quorsound::testhooks::deviceState(), quorsound::testhooks::DeviceState::Open);
    const Uint32 before = SDL_GetQueuedAudioSize(quorsound::testhooks::device());
    ASSERT_GT(before, 0u);
    QTest::mouseClick(soundBox(), Qt::LeftButton);
    EXPECT_GT(SDL_GetQueuedAudioSize(quorsound::testhooks::device()), 0u);
}

TEST_F(Window, HilfeWithoutAHelpFileBesideTheProgramOpensTheHandbookWithoutAnyNotice)
{
    QList<QUrl> opened;
    window->setDocumentOpener([&](const QUrl& url) { opened << url; });
    auto* hilfe = window->findChild<QAction*>(QStringLiteral("HMenuDateiHilfe"));
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->text(), QStringLiteral("Hilfe"));
    ASSERT_FALSE(QFileInfo::exists(QCoreApplication::applicationDirPath()
                                   + QStringLiteral("/Quorvel.chm")));
    hilfe->trigger();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_NE(window->handbook(), nullptr);
    EXPECT_TRUE(window->handbook()->isVisible());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Window, TopBarProgrammBeendenSavesChangedStatisticsAndCloses)
{
    window->show();
    window->BitBtnBenutzernameClick();
    ASSERT_EQ(store.userName(), QStringLiteral("Anna"));
    written.clear();
    store.markStatsChanged(TopicBasic);
    store.countTaskGiven(TopicBasic, 1);
    auto* quit = window->findChild<QPushButton*>(QStringLiteral("ActionProgrammBeenden"));
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->text(), QStringLiteral("&Programm beenden"));
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(written, QStringList({"Anna.qvg"}));
}

TEST_F(Window, MenuProgrammBeendenSavesChangedStatisticsAndCloses)
{
    window->show();
    window->BitBtnBenutzernameClick();
    written.clear();
    store.markStatsChanged(TopicUnits);
    store.markStatsChanged(TopicFractions);
    auto* ende = window->findChild<QAction*>(QStringLiteral("HMenuDateiProgEnde"));
    ASSERT_NE(ende, nullptr);
    EXPECT_EQ(ende->text(), QStringLiteral("Programm beenden"));
    ende->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(written, QStringList({"Anna.qvb", "Anna.qve"}));
}

TEST_F(Window, ProgrammBeendenWithoutAPupilWritesNothing)
{
    window->show();
    store.markStatsChanged(TopicBasic);
    window->findChild<QAction*>(QStringLiteral("HMenuDateiProgEnde"))->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(written.isEmpty());
}

// The program is bound to the sound library when it is loaded: it cannot start without it.
TEST(Program, LoadsTheSoundLibraryAtStart)
{
    const QString readelf = QStandardPaths::findExecutable(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        GTEST_SKIP() << "readelf is not installed";
    QProcess p;
    p.start(readelf, {QStringLiteral("-d"), QStringLiteral(QUORVEL_PROGRAM)});
    ASSERT_TRUE(p.waitForFinished(10000));
    ASSERT_EQ(p.exitCode(), 0);
    const QString out = QString::fromLatin1(p.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("(NEEDED)             Shared library: [libquorsound.so]")))
        << out.toStdString();
}
