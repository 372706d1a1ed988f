// The real library in a process of its own, heard through SDL's "disk" driver, which
// writes the mixed output to a file as it plays. The device is opened as 16-bit stereo
// 44.1 kHz, so the file holds exactly the converted jingles and zeros in between.
#include "jingles.h"
#include "player.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>

using namespace quorsound;

namespace {

struct Heard {
    bool ran = false;
    bool fileExists = false;
    QByteArray bytes;
};

// Runs the probe with `driver` as SDL's audio driver and the `extra` variables.
Heard runProbe(const QStringList& steps, const QString& driver = QStringLiteral("disk"),
               const QStringList& extra = {})
{
    Heard h;
    QTemporaryDir dir;
    const QString out = dir.path() + QStringLiteral("/out.raw");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), driver);
    env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), out);
    for (const QString& e : extra)
        env.insert(e.section('=', 0, 0), e.section('=', 1));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels); // the disk driver's log lines
    p.start(QStringLiteral(QUORSOUND_PROBE), steps);
    h.ran = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit
            && p.exitCode() == 0;
    QFile f(out);
    h.fileExists = f.exists();
    if (f.open(QIODevice::ReadOnly))
        h.bytes = f.readAll();
    return h;
}

QByteArray devicePcm(const char* name)
{
    std::vector<std::uint8_t> pcm;
    EXPECT_TRUE(decodeJingle(*findJingle(name), deviceRequest(), pcm));
    return QByteArray(reinterpret_cast<const char*>(pcm.data()), qsizetype(pcm.size()));
}

qsizetype nonZeroBytes(const QByteArray& b)
{
    return std::count_if(b.begin(), b.end(), [](char c) { return c != 0; });
}

bool allZero(const QByteArray& b) { return nonZeroBytes(b) == 0; }

} // namespace

TEST(DiskDriver, MusikWritesTheJingleSamples)
{
    const Heard h = runProbe({"musik", "MUSIN02", "1", "sleep", "900"});
    ASSERT_TRUE(h.ran);
    const QByteArray jingle = devicePcm("MUSIN02");
    ASSERT_FALSE(jingle.isEmpty());
    EXPECT_GE(nonZeroBytes(h.bytes), jingle.size() / 4);
    // The whole jingle went out, sample for sample.
    EXPECT_GE(h.bytes.indexOf(jingle), 0);
}

TEST(DiskDriver, SwitchOffWritesNothing)
{
    const Heard h = runProbe({"musik", "MUSIN02", "0", "wrong", "0", "right", "0", "musik",
                              "MUSIR01", "2", "sleep", "300"});
    ASSERT_TRUE(h.ran);
    // The device was never opened, so there is no output at all.
    EXPECT_FALSE(h.fileExists);
    EXPECT_TRUE(allZero(h.bytes));
}

TEST(DiskDriver, UnknownNameWritesNothing)
{
    const Heard h = runProbe({"musik", "MUSIX01", "1", "musik", "", "1", "sleep", "300"});
    ASSERT_TRUE(h.ran);
    EXPECT_FALSE(h.fileExists);
    EXPECT_TRUE(allZero(h.bytes));
}

TEST(DiskDriver, SecondJingleCutsOffTheFirst)
{
    const Heard h = runProbe({"musik", "MUSIR01", "1", "sleep", "400", "musik", "MUSIN02", "1",
                              "sleep", "1200"});
    ASSERT_TRUE(h.ran);
    const QByteArray first = devicePcm("MUSIR01");
    const QByteArray second = devicePcm("MUSIN02");
    const qsizetype start1 = h.bytes.indexOf(first.left(8192));
    ASSERT_GE(start1, 0) << "MUSIR01 began";
    const qsizetype start2 = h.bytes.indexOf(second);
    ASSERT_GT(start2, start1) << "MUSIN02 played whole, after MUSIR01 began";
    // MUSIR01 ran without a gap up to the cut, but only a part of it was heard...
    const qsizetype heard = start2 - start1;
    EXPECT_LT(heard, first.size() / 2);
    EXPECT_EQ(h.bytes.mid(start1, heard), first.left(heard));
    // ...and nothing of it came after MUSIN02.
    EXPECT_TRUE(allZero(h.bytes.mid(start2 + second.size())));
    EXPECT_GT(h.bytes.size() - (start2 + second.size()), 44100 * 4 / 4) << "listened long enough";
}

TEST(DiskDriver, RandomJinglesPlayToo)
{
    const Heard h = runProbe({"wrong", "1", "sleep", "200", "right", "1", "sleep", "300"});
    ASSERT_TRUE(h.ran);
    EXPECT_GT(nonZeroBytes(h.bytes), 44100 / 10);
}

// No sound device, no sound server, no such driver: silence, and the program goes on and
// ends normally. (The devices named here do not exist anywhere, so this stays silent on a
// machine with sound too.)
TEST(NoDevice, MissingDeviceServerOrDriverEndsNormally)
{
    struct Case {
        QString driver;
        QStringList extra;
    };
    const Case cases[] = {
        {QStringLiteral("alsa"), {QStringLiteral("AUDIODEV=quorvel-no-such-device")}},
        {QStringLiteral("pulseaudio"), {QStringLiteral("PULSE_SERVER=unix:/nonexistent/quorvel")}},
        {QStringLiteral("no-such-driver"), {}},
    };
    for (const Case& c : cases) {
        const Heard h = runProbe({"musik", "MUSIN02", "1", "right", "1", "wrong", "1", "musik",
                                  "MUSIR01", "1", "sleep", "100"},
                                 c.driver, c.extra);
        EXPECT_TRUE(h.ran) << "driver " << c.driver.toStdString();
        EXPECT_FALSE(h.fileExists);
    }
}

// SDL leaves SIGTERM to the program: a playing program still ends on kill.
TEST(Signals, TermEndsTheProgramWhileAJinglePlays)
{
    QTemporaryDir dir;
    const QString out = dir.path() + QStringLiteral("/out.raw");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
    env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), out);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(QUORSOUND_PROBE),
            {"musik", "MUSIR01", "1", "sleep", "30000"});
    ASSERT_TRUE(p.waitForStarted(10000));
    // Wait until the device is open and writing (the output file appears).
    for (int i = 0; i < 200 && !QFile::exists(out); ++i)
        p.waitForFinished(50);
    ASSERT_TRUE(QFile::exists(out));
    p.terminate();
    const bool ended = p.waitForFinished(10000);
    if (!ended)
        p.kill();
    ASSERT_TRUE(ended) << "SIGTERM was swallowed";
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
}
