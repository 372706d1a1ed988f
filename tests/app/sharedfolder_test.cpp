// Several copies of the program writing into one class folder, as separate processes:
// two users with their own home folders and one --datenordner, two host names (each copy
// in a UTS namespace of its own), a lock a crashed computer left, a folder shared through
// its group, and a --datenordner that cannot be used.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kCopy = QStringLiteral(SAVECOPY_PATH);

QString basicLine(int g, int c)
{
    return QStringLiteral("%1 %2 ").arg(g).arg(c) + QString("0 0 ").repeated(11)
           + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

QString firstLine(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromLatin1(f.readLine()).trimmed();
}

QStringList filesBelow(const QString& root)
{
    QStringList out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root.toStdString()))
        if (e.is_regular_file())
            out << QDir(root).relativeFilePath(QString::fromStdString(e.path().string()));
    out.sort();
    return out;
}

struct CopyRun {
    int exitCode = -1;
    QString out;
};

struct SharedFolder : ::testing::Test {
    QTemporaryDir root;
    QString shared;

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        // Other users must reach the folders below it.
        ::chmod(QFile::encodeName(root.path()).constData(), 0755);
        shared = root.path() + QStringLiteral("/klasse/Programme/Quorvel V1.5");
    }

    // A home of its own for one user: HOME, XDG_DATA_HOME and XDG_CONFIG_HOME below it.
    QProcessEnvironment userEnv(const QString& user) const
    {
        const QString home = root.path() + QStringLiteral("/home/") + user;
        QDir().mkpath(home);
        ::chmod(QFile::encodeName(home).constData(), 0777);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.remove(QStringLiteral("QUORVEL_TEST_MACHINE_FOLDER"));
        return env;
    }

    CopyRun run(const QStringList& prefix, const QProcessEnvironment& env, const QString& pupil,
            int given, int correct, const QStringList& options) const
    {
        QProcess p;
        p.setProcessEnvironment(env);
        QStringList args = prefix;
        args << kCopy << pupil << QString::number(given) << QString::number(correct) << options;
        p.start(args.takeFirst(), args);
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError())};
    }
    CopyRun run(const QProcessEnvironment& env, const QString& pupil, int given, int correct,
            const QStringList& options) const
    {
        return run({}, env, pupil, given, correct, options);
    }
};

TEST_F(SharedFolder, TwoUsersWithOwnHomesWriteIntoOneDataFolderOnly)
{
    const QStringList option{QStringLiteral("--datenordner"), shared};
    const auto lena = userEnv(QStringLiteral("lena"));
    const auto tom = userEnv(QStringLiteral("tom"));
    CopyRun a = run(lena, QStringLiteral("Anna"), 4, 3, option);
    ASSERT_EQ(a.exitCode, 0) << a.out.toStdString();
    EXPECT_TRUE(a.out.contains(QStringLiteral("auswahlseite Klassenordner: ") + shared))
        << a.out.toStdString();
    CopyRun b = run(tom, QStringLiteral("Bert"), 2, 2, option);
    ASSERT_EQ(b.exitCode, 0) << b.out.toStdString();
    // The second user goes on with the first one's pupil.
    CopyRun c = run(tom, QStringLiteral("Anna"), 1, 0, option);
    ASSERT_EQ(c.exitCode, 0) << c.out.toStdString();

    EXPECT_EQ(firstLine(shared + "/Anna.qvg"), basicLine(5, 3));
    EXPECT_EQ(firstLine(shared + "/Bert.qvg"), basicLine(2, 2));
    const QStringList expected{"Anna.qvb", "Anna.qve", "Anna.qvg", "Anna.qvp", "Anna.qvz",
                               "Bert.qvb", "Bert.qve", "Bert.qvg", "Bert.qvp", "Bert.qvz"};
    EXPECT_EQ(filesBelow(shared), expected);
    EXPECT_TRUE(filesBelow(root.path() + "/home").isEmpty())
        << filesBelow(root.path() + "/home").join(' ').toStdString();
}

TEST_F(SharedFolder, TwoRealUsersOfOneGroupContinueEachOthersPupil)
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        GTEST_SKIP() << "needs root and setpriv to run the copies as two other users";
    // The folder as the package makes it: set-group-ID, group-writable, the class's group.
    const gid_t group = 64123;
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), 0, group), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 02775), 0);
    const auto as = [&](int uid) {
        return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(uid),
                           QStringLiteral("--regid=%1").arg(uid),
                           QStringLiteral("--groups=%1").arg(group), QStringLiteral("--")};
    };
    const QStringList option{QStringLiteral("--datenordner"), shared};
    CopyRun a = run(as(64001), userEnv(QStringLiteral("lena")), QStringLiteral("Anna"), 3, 1, option);
    ASSERT_EQ(a.exitCode, 0) << a.out.toStdString();
    CopyRun b = run(as(64002), userEnv(QStringLiteral("tom")), QStringLiteral("Anna"), 2, 2, option);
    ASSERT_EQ(b.exitCode, 0) << b.out.toStdString();
    EXPECT_EQ(firstLine(shared + "/Anna.qvg"), basicLine(5, 3));

    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(shared + "/Anna.qvg").constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 64002u); // written anew by the second user
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
    ASSERT_EQ(::stat(QFile::encodeName(shared + "/Anna.qvz").constData(), &st), 0);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
}

TEST_F(SharedFolder, TwoHostNamesSavingAlternatelyKeepBothCountsAndAForeignLockWaitsItsAge)
{
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty()
        || QProcess::execute(QStringLiteral("unshare"), {"-u", "true"}) != 0)
        GTEST_SKIP() << "no UTS namespaces here; the lock's host rules are tested with a "
                        "scripted host name in StatsLock";
    const auto onHost = [](const char* host) {
        return QStringList{QStringLiteral("unshare"), QStringLiteral("-u"), QStringLiteral("sh"),
                           QStringLiteral("-c"),
                           QStringLiteral("hostname %1 && exec \"$@\"").arg(host),
                           QStringLiteral("sh")};
    };
    const QStringList option{QStringLiteral("--datenordner"), shared};
    const auto env = userEnv(QStringLiteral("lena"));
    int given = 0;
    int correct = 0;
    for (int round = 0; round < 4; ++round) {
        const char* host = round % 2 ? "pc-b" : "pc-a";
        CopyRun r = run(onHost(host), env, QStringLiteral("Anna"), round + 1, round, option);
        ASSERT_EQ(r.exitCode, 0) << host << ": " << r.out.toStdString();
        given += round + 1;
        correct += round;
        EXPECT_EQ(firstLine(shared + "/Anna.qvg"), basicLine(given, correct)) << host;
    }

    // pc-a went off while saving: its lock stays. pc-b waits 5 s for it, then keeps the
    // counts for later; once the lock is a minute old, pc-b takes it over.
    const QString lock = shared + "/Anna.qvg.lock";
    {
        QFile f(lock);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("4242\nQuorvel\npc-a\n0\n\n");
    }
    const auto start = std::chrono::steady_clock::now();
    CopyRun busy = run(onHost("pc-b"), env, QStringLiteral("Anna"), 7, 7, option);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(busy.exitCode, 3) << busy.out.toStdString();
    EXPECT_TRUE(busy.out.contains(QStringLiteral("auf dem Rechner „pc-a“ (Prozess 4242)")))
        << busy.out.toStdString();
    EXPECT_TRUE(busy.out.contains(QStringLiteral("(7 Aufgaben, davon 7 beim ersten Versuch "
                                                 "richtig) bleiben vorgemerkt")))
        << busy.out.toStdString();
    EXPECT_GE(waited, std::chrono::milliseconds(4900));
    EXPECT_EQ(firstLine(shared + "/Anna.qvg"), basicLine(given, correct));

    std::filesystem::last_write_time(lock.toStdString(), std::filesystem::file_time_type::clock::now()
                                                             - std::chrono::seconds(61));
    CopyRun taken = run(onHost("pc-b"), env, QStringLiteral("Anna"), 1, 1, option);
    EXPECT_EQ(taken.exitCode, 0) << taken.out.toStdString();
    EXPECT_EQ(firstLine(shared + "/Anna.qvg"), basicLine(given + 1, correct + 1));
    EXPECT_FALSE(QFileInfo::exists(lock));
}

TEST_F(SharedFolder, AnUnusableDataFolderIsReportedAndTheOwnFolderUsed)
{
    // A file where a folder should be: no one can make a folder below it, root neither.
    const QString file = root.path() + "/datei";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const auto env = userEnv(QStringLiteral("lena"));
    const QString own = env.value(QStringLiteral("XDG_DATA_HOME")) + "/Programme/Quorvel V1.5/";
    CopyRun r = run(env, QStringLiteral("Anna"), 2, 1, {QStringLiteral("--datenordner"), file + "/klasse"});
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("ordner ") + own)) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("hinweis Der Datenordner „%1/klasse“ kann nicht "
                                              "verwendet werden (Der Ordner konnte nicht angelegt "
                                              "werden). Die Ergebnisse werden stattdessen im "
                                              "eigenen Ordner „%2“ gespeichert.")
                                  .arg(file, own.chopped(1))))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("auswahlseite Klassenordner „%1/klasse“ nicht "
                                              "nutzbar")
                                   .arg(file)))
        << r.out.toStdString();
    EXPECT_EQ(firstLine(own + "Anna.qvg"), basicLine(2, 1));

    // Without the option and without a shared folder of the machine: the own folder, no
    // line on the selection page.
    CopyRun plain = run(env, QStringLiteral("Bert"), 1, 1, {});
    EXPECT_TRUE(plain.out.contains(QStringLiteral("ordner ") + own)) << plain.out.toStdString();
    EXPECT_FALSE(plain.out.contains(QStringLiteral("auswahlseite"))) << plain.out.toStdString();
    // The machine's shared folder, when it exists, comes before the own one.
    const QString machine = root.path() + "/var/lib/quorvel/Programme/Quorvel V1.5";
    ASSERT_TRUE(QDir().mkpath(machine));
    auto withMachine = env;
    withMachine.insert(QStringLiteral("QUORVEL_TEST_MACHINE_FOLDER"), machine);
    CopyRun shared = run(withMachine, QStringLiteral("Carla"), 1, 0, {});
    EXPECT_TRUE(shared.out.contains(QStringLiteral("auswahlseite Klassenordner: ") + machine))
        << shared.out.toStdString();
    EXPECT_EQ(firstLine(machine + "/Carla.qvg"), basicLine(1, 0));
}

} // namespace
