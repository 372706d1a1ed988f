// The lock beside a statistics file with a scripted host: its name, process id, clock and
// which processes run. Waiting takes no real time; the scripted clock moves with each wait.
#include "fakes.h"
#include "statisticsstore.h"
#include "statsfile.h"
#include "statslock.h"
#include "statstestutil.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorvel;
using namespace quorvel::stats;
using namespace quorvel::test;

namespace {

struct ScriptedHost {
    qint64 now = QDateTime::currentMSecsSinceEpoch(); // locks made for real carry this time
    qint64 slept = 0;
    std::set<qint64> running{4711};
    std::function<void()> duringWait; // what another copy does while this one waits

    LockHost host(const QString& name = QStringLiteral("pc-07"), qint64 pid = 100)
    {
        LockHost h;
        h.hostName = name;
        h.processId = pid;
        h.bootId = QStringLiteral("boot-1");
        h.nowMs = [this] { return now; };
        h.sleepMs = [this](int ms) {
            now += ms;
            slept += ms;
            if (duringWait)
                duringWait();
        };
        h.processRunning = [this](qint64 pid) { return running.count(pid) > 0; };
        return h;
    }
};

// A lock file as a holder wrote it, dated `ageMs` before the scripted clock's now.
void plantLock(const QString& path, const QByteArray& content, const ScriptedHost& s, qint64 ageMs)
{
    writeBytes(path, content);
    const qint64 ms = s.now - ageMs;
    const timespec times[2] = {{time_t(ms / 1000), long(ms % 1000) * 1000000},
                               {time_t(ms / 1000), long(ms % 1000) * 1000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

struct LockFixture : ::testing::Test {
    QTemporaryDir dir;
    ScriptedHost s;
    QString path() const { return dir.path() + QStringLiteral("/Anna.qvg.lock"); }
};

} // namespace

TEST_F(LockFixture, WhoseLockIsWaitedForAndWhoseIsTakenOver)
{
    struct Row {
        const char* what;
        QByteArray content;
        qint64 ageMs;
        StatsLock::Result result;
        qint64 waitedMs;
    };
    const Row rows[] = {
        {"live process on this host, old lock", "4711\nQuorvel\npc-07\n0\nboot-1\n", 3'600'000,
         StatsLock::Result::Busy, 5000},
        {"process on this host that is gone", "4712\nQuorvel\npc-07\n0\nboot-1\n", 0,
         StatsLock::Result::Locked, 0},
        {"this host before its last boot", "4711\nQuorvel\npc-07\n0\nboot-0\n", 0,
         StatsLock::Result::Locked, 0},
        {"as an earlier version wrote it, process gone", "4712\nQuorvel\npc-07\n", 0,
         StatsLock::Result::Locked, 0},
        {"other host, 50 s", "4711\nQuorvel\npc-12\n0\nboot-9\n", 50'000, StatsLock::Result::Busy,
         5000},
        {"other host, 56 s: stale during the wait", "4711\nQuorvel\npc-12\n0\n\n", 56'000,
         StatsLock::Result::Locked, 4100},
        {"other host, 61 s", "9\nQuorvel\npc-12\n0\n\n", 61'000, StatsLock::Result::Locked, 0},
        {"other host, dated 2 min ahead", "9\nQuorvel\npc-12\n0\n\n", -120'000,
         StatsLock::Result::Locked, 0},
        {"half made (empty), fresh", "", 1000, StatsLock::Result::Busy, 5000},
        {"half made (empty), 2 min", "", 120'000, StatsLock::Result::Locked, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        s.slept = 0;
        plantLock(path(), r.content, s, r.ageMs);
        StatsLock lock(path(), s.host());
        EXPECT_EQ(lock.lock(), r.result);
        EXPECT_EQ(s.slept, r.waitedMs);
        const QByteArray onDisk = readBytes(path());
        if (r.result == StatsLock::Result::Locked) {
            EXPECT_TRUE(onDisk.startsWith("100\nQuorvel\npc-07\n")) << onDisk.toStdString();
            lock.unlock();
            EXPECT_FALSE(QFileInfo::exists(path()));
        } else {
            EXPECT_EQ(onDisk, r.content); // a held lock is left alone
            EXPECT_EQ(lock.owner().pid, r.content.isEmpty() ? 0 : 4711);
            QFile::remove(path());
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                  QFileInfo::exists(path()) ? 1 : 0);
    }
}

TEST_F(LockFixture, ALiveLockGivenBackDuringTheWaitIsTakenAndTwoCopiesExcludeEachOther)
{
    StatsLock first(path(), s.host(QStringLiteral("pc-07"), 4711));
    ASSERT_EQ(first.lock(), StatsLock::Result::Locked);
    // A copy on another computer finds it held and waits; the first gives it back after
    // 1.2 s.
    StatsLock second(path(), s.host(QStringLiteral("pc-12"), 200));
    s.duringWait = [&] {
        if (s.slept >= 1200)
            first.unlock();
    };
    EXPECT_EQ(second.lock(), StatsLock::Result::Locked);
    EXPECT_EQ(s.slept, 1200);
    EXPECT_TRUE(readBytes(path()).startsWith("200\nQuorvel\npc-12\n"));
    // The first copy, late, does not remove the second one's lock.
    first.unlock();
    EXPECT_TRUE(QFileInfo::exists(path()));
    second.unlock();
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(LockFixture, ALockTakenOverFromAHungCopyIsNotRemovedByItLater)
{
    StatsLock hung(path(), s.host(QStringLiteral("pc-12"), 300));
    ASSERT_EQ(hung.lock(), StatsLock::Result::Locked);
    s.now += 61'000;
    plantLock(path(), readBytes(path()), s, 61'000);
    StatsLock taker(path(), s.host());
    ASSERT_EQ(taker.lock(), StatsLock::Result::Locked);
    hung.unlock(); // it wakes up and gives back what it thinks is its lock
    EXPECT_TRUE(readBytes(path()).startsWith("100\nQuorvel\npc-07\n"));
}

TEST_F(LockFixture, NoLockInAFolderThatCannotBeWritten)
{
    StatsLock lock(dir.path() + QStringLiteral("/fehlt/Anna.qvg.lock"), s.host());
    EXPECT_EQ(lock.lock(), StatsLock::Result::Failed);
    EXPECT_FALSE(lock.error().isEmpty());
    EXPECT_EQ(s.slept, 0);
}

struct BusyStore : StoreInTempDir {
    ScriptedHost s;
    void SetUp() override
    {
        StoreInTempDir::SetUp();
        store.setLockHost(s.host());
    }
};

TEST_F(BusyStore, ASaveThatFindsTheFileLockedKeepsTheCountsForTheNextSave)
{
    ASSERT_TRUE(store.chooseUser("Anna"));
    store.markStatsChanged(TopicBasic);
    for (int i = 0; i < 12; ++i)
        store.countTaskGiven(TopicBasic, 2);
    for (int i = 0; i < 9; ++i)
        store.countTaskCorrect(TopicBasic, 2);
    const QString lock = dir + "Anna.qvg.lock";
    plantLock(lock, "4711\nQuorvel\npc-07\n0\nboot-1\n", s, 0);

    EXPECT_FALSE(store.saveAllStatistics());
    EXPECT_EQ(s.slept, 5000);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("Die Statistikdatei „Anna.qvg“ wird gerade von einer anderen Kopie des "
                             "Programms auf diesem Rechner (Prozess 4711) gespeichert und war auch "
                             "nach 5 Sekunden noch gesperrt.\rDie neuen Ergebnisse dieses Bereichs "
                             "(12 Aufgaben, davon 9 beim ersten Versuch richtig) bleiben vorgemerkt "
                             "und werden beim nächsten Speichern eingetragen."));
    EXPECT_EQ(splitLines(readBytes(dir + "Anna.qvg")).value(0),
              zeroLine(12, " 07.12.2026")); // untouched

    // The other copy has ended: the next save brings everything in.
    s.running.clear();
    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_EQ(splitLines(readBytes(dir + "Anna.qvg")).value(0),
              "0 0 12 9 " + QString("0 0 ").repeated(10) + "07.12.2026");
    EXPECT_FALSE(QFileInfo::exists(lock));
}

TEST_F(BusyStore, NewFilesInASetGroupIdFolderGetItsGroupAndGroupWrite)
{
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &st), 0);
    // As root the folder gets a group of its own; otherwise the user's own group will do.
    const gid_t group = ::geteuid() == 0 ? 64123 : st.st_gid;
    ASSERT_EQ(::chown(QFile::encodeName(dir).constData(), uid_t(-1), group), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 02775), 0);
    const mode_t oldMask = ::umask(077); // a strict umask does not cut the group's rights
    ASSERT_TRUE(store.chooseUser("Anna"));
    ::umask(oldMask);
    for (const char* ext : {".qvb", ".qve", ".qvg", ".qvp", ".qvz"}) {
        ASSERT_EQ(::stat(QFile::encodeName(dir + "Anna" + ext).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0660u) << ext;
        EXPECT_EQ(st.st_gid, group) << ext;
    }
    EXPECT_EQ(newFileRights(dir).mode, 0660u);

    // Elsewhere the owner alone.
    QTemporaryDir plain;
    store.setDataDirectory(plain.path());
    ASSERT_TRUE(store.chooseUser("Bert"));
    ASSERT_EQ(::stat(QFile::encodeName(plain.path() + "/Bert.qvg").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}
