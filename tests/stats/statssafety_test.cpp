// The statistics files against what a shared school computer does to them: links in a
// file's place, two copies of the program saving the same pupil, huge files, temporary
// files left by a kill, and names typed in different Unicode forms.
#include "fakes.h"
#include "series.h"
#include "statisticsstore.h"
#include "statsfile.h"
#include "statstestutil.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorvel;
using namespace quorvel::stats;
using namespace quorvel::test;

namespace {

const char* const kExts[] = {".qvb", ".qve", ".qvg", ".qvp", ".qvz"};

struct SafetyFixture : StoreInTempDir {
    QString file(const QString& name, const char* ext) const { return dir + name + QLatin1String(ext); }
    QString firstLine(const QString& name, const char* ext) const
    {
        return splitLines(readBytes(file(name, ext))).value(0);
    }
    static void basicSeries(StatisticsStore& s, int given, int correct)
    {
        s.markStatsChanged(TopicBasic);
        for (int i = 0; i < given; ++i)
            s.countTaskGiven(TopicBasic, 1);
        for (int i = 0; i < correct; ++i)
            s.countTaskCorrect(TopicBasic, 1);
    }
};

QString basicLine(int g, int c)
{
    return QStringLiteral("%1 %2 ").arg(g).arg(c) + QString("0 0 ").repeated(11) + "07.12.2026";
}

bool isLink(const QString& path)
{
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

ino_t inode(const QString& path)
{
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

TEST_F(SafetyFixture, ALinkInAFilesPlaceIsNeitherReadNorFollowedNorReplaced)
{
    // One link to a file outside the data directory, one to Bert's own statistics file.
    const QString outside = root.path() + "/wichtig.txt";
    writeBytes(outside, "Aufsatz\n");
    const QByteArray bertsFile = fileWithFirstLine(12, basicLine(7, 7).toLatin1());
    writeBytes(file("Bert", ".qvg"), bertsFile);
    ASSERT_EQ(::symlink(QFile::encodeName(outside).constData(),
                        QFile::encodeName(file("Anna", ".qve")).constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(file("Bert", ".qvg")).constData(),
                        QFile::encodeName(file("Anna", ".qvg")).constData()), 0);

    EXPECT_TRUE(store.chooseUser("Anna"));
    ASSERT_EQ(messages.messages.size(), 1u);
    const QString text = messages.messages[0].text;
    EXPECT_TRUE(messages.messages[0].error);
    for (const char* ext : {".qve", ".qvg"})
        EXPECT_TRUE(text.contains(file("Anna", ext) + "“ konnte nicht gelesen werden (Es ist eine "
                                                      "Verknüpfung, keine gewöhnliche Datei.)"))
            << text.toStdString();
    // Nothing of Bert's was read into Anna's history.
    EXPECT_EQ(store.topic(TopicBasic).history[0].at(1), (StatCounts{}));

    // The pupil goes on: a series in both topics and a save write neither link nor target.
    basicSeries(store, 3, 2);
    store.markStatsChanged(TopicUnits);
    store.countTaskGiven(TopicUnits, 1);
    store.markStatsChanged(TopicPrimes);
    store.countTaskGiven(TopicPrimes, 2);
    messages.messages.clear();
    EXPECT_TRUE(store.saveAllStatistics()); // reported, but nothing a retry could mend
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("Verknüpfung"));
    EXPECT_TRUE(isLink(file("Anna", ".qve")));
    EXPECT_TRUE(isLink(file("Anna", ".qvg")));
    EXPECT_EQ(readBytes(outside), QByteArray("Aufsatz\n"));
    EXPECT_EQ(readBytes(file("Bert", ".qvg")), bertsFile);
    EXPECT_EQ(firstLine("Anna", ".qvp"), "0 0 1 0 0 0 0 0 07.12.2026");

    // Another pupil can be chosen afterwards.
    EXPECT_TRUE(store.chooseUser("Carla"));
    EXPECT_EQ(firstLine("Carla", ".qvg"), basicLine(0, 0));
}

TEST_F(SafetyFixture, TwoCopiesOfTheProgramWithOnePupilKeepBothCounts)
{
    RecordingMessages otherMessages{log};
    StatisticsStore other{clock, otherMessages};
    other.setDataDirectory(dir);
    store.chooseUser("Anna");
    other.chooseUser("Anna");

    // Saving alternately, each copy adds its own counts to what the other saved.
    basicSeries(store, 10, 8);
    basicSeries(other, 5, 5);
    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_TRUE(other.saveAllStatistics());
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(15, 13));
    basicSeries(store, 1, 0);
    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(16, 13));
    // Both copies' charts show the file as they last saved it.
    EXPECT_EQ(store.topic(TopicBasic).history[0].at(1), (StatCounts{16, 13}));
    EXPECT_EQ(other.topic(TopicBasic).history[0].at(1), (StatCounts{15, 13}));

    // Choosing the pupil again, a day later, in the second copy reads all of it.
    clock.date = clock.date.addDays(1);
    other.chooseUser("Anna");
    EXPECT_EQ(other.topic(TopicBasic).history[0].at(1), (StatCounts{16, 13}));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(otherMessages.messages.empty());
    EXPECT_TRUE(listTree(dir).filter(".lock").isEmpty()) << listTree(dir).join(' ').toStdString();
}

TEST_F(SafetyFixture, ALockLeftByAKilledCopyIsRecovered)
{
    store.chooseUser("Anna");
    // A child process takes the lock and dies without giving it back.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(file("Anna", ".qvg.lock"));
        lock.lock();
        ::_exit(lock.isLocked() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFileInfo::exists(file("Anna", ".qvg.lock")));

    basicSeries(store, 4, 4);
    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(firstLine("Anna", ".qvg"), basicLine(4, 4));
    EXPECT_FALSE(QFileInfo::exists(file("Anna", ".qvg.lock")));
}

TEST_F(SafetyFixture, AHugeFileIsRefusedByItsSizeAndMovedAsideWithoutACopy)
{
    // A 2 GB sparse file: reading or copying it would take seconds and gigabytes.
    const QString huge = file("Anna", ".qvz");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(2) << 30));
    }
    const ino_t node = inode(huge);
    store.chooseUser("Anna");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("„Anna.qvz“ ist beschädigt. Die Datei ist für "
                                                   "eine Statistikdatei zu groß."))
        << messages.messages[0].text.toStdString();
    // Renamed, not copied: the same file under the new name; a fresh file in its place.
    EXPECT_EQ(inode(file("Anna", ".qvz.defekt")), node);
    EXPECT_EQ(QFileInfo(file("Anna", ".qvz.defekt")).size(), qint64(2) << 30);
    EXPECT_EQ(readBytes(huge), fileWithFirstLine(5, zeroLine(5, " 07.12.2026")));
}

TEST_F(SafetyFixture, TemporaryFilesOfAKilledSaveAreRemovedWhenThePupilIsChosen)
{
    const QByteArray complete = fileWithFirstLine(12, basicLine(1, 1).toLatin1());
    writeBytes(file("Anna", ".qvg.a1B2c3"), complete);
    writeBytes(file("Anna", ".qvp.XyZ789"), "halb");
    writeBytes(file("Anna", ".qvg.defekt"), "kept aside on purpose");
    writeBytes(file("Anna", ".qvg.abc"), "not a temporary name");
    writeBytes(file("Annabel", ".qvg"), "another pupil");
    ASSERT_TRUE(QDir().mkpath(file("Anna", ".qve.Ordner")));

    store.chooseUser("Anna");
    EXPECT_TRUE(messages.messages.empty());
    QStringList expected{"Anna.qvb", "Anna.qve", "Anna.qve.Ordner", "Anna.qvg", "Anna.qvg.abc",
                         "Anna.qvg.defekt", "Anna.qvp", "Anna.qvz", "Annabel.qvg"};
    EXPECT_EQ(listTree(dir), expected);
}

TEST_F(SafetyFixture, ComposedAndDecomposedNamesAreOnePupil)
{
    const QString composed = QStringLiteral("Zo\u00EB");
    const QString decomposed = QStringLiteral("Zoe\u0308");
    ASSERT_NE(composed, decomposed);
    store.chooseUser(decomposed);
    EXPECT_EQ(store.userName(), composed);
    basicSeries(store, 2, 1);
    store.saveAllStatistics();
    store.chooseUser(composed);
    basicSeries(store, 1, 1);
    store.saveAllStatistics();
    store.chooseUser(QStringLiteral("  ") + decomposed + QStringLiteral(" "));
    EXPECT_EQ(store.topic(TopicBasic).history[0].at(1), (StatCounts{3, 2}));
    EXPECT_EQ(listTree(dir).filter(".qvg"), QStringList{composed + ".qvg"});
}

TEST_F(SafetyFixture, ANameOfBlanksOnlyIsNoPupil)
{
    store.chooseUser("Anna");
    EXPECT_TRUE(store.chooseUser("   "));
    EXPECT_TRUE(store.userName().isEmpty());
    EXPECT_TRUE(listTree(dir).filter("   ").isEmpty());
}

TEST_F(SafetyFixture, AFileWrittenKeepsItsPermissionsAndLeavesNoTemporaryFile)
{
    store.chooseUser("Anna");
    ASSERT_TRUE(QFile::setPermissions(file("Anna", ".qvg"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                | QFileDevice::ReadGroup));
    basicSeries(store, 1, 1);
    store.saveAllStatistics();
    EXPECT_EQ(QFile::permissions(file("Anna", ".qvg"))
                  & (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                     | QFileDevice::ReadOther),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    EXPECT_EQ(listTree(dir).size(), 5);
}
