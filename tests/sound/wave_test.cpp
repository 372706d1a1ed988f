// The thirteen embedded jingles: complete RIFF/WAVE PCM images in exactly the designed
// format and size, identical to the generated .wav files, readable by SDL and by soxi,
// and real sound (not silence, not clipped, fading out at the end). Also: the library
// exports nothing but its three calls.
#include "jingles.h"
#include "player.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <SDL.h>
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <set>
#include <string>

using namespace quorsound;

namespace {

struct Designed {
    const char* name;
    int size, channels, rate, bits;
};
const Designed kDesigned[] = {
    {"MUSIF01", 10766, 1, 11025, 8},  {"MUSIF02", 38780, 2, 22050, 8},
    {"MUSIF03", 27618, 1, 22050, 8},  {"MUSIF04", 23086, 1, 22050, 16},
    {"MUSIN01", 14724, 1, 22050, 16}, {"MUSIN02", 10901, 1, 22050, 8},
    {"MUSIN03", 28716, 1, 11025, 8},  {"MUSIR01", 37712, 1, 11025, 8},
    {"MUSIR02", 30764, 1, 11025, 8},  {"MUSIR03", 44730, 1, 22050, 8},
    {"MUSIR04", 26050, 1, 22050, 8},  {"MUSIR05", 46506, 1, 22050, 16},
    {"MUSIR06", 42526, 1, 44100, 8},
};

std::uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
unsigned le16(const unsigned char* p) { return p[0] | p[1] << 8; }

struct Parsed {
    bool ok = false;
    std::string error;
    unsigned format = 0, channels = 0, blockAlign = 0, bits = 0;
    std::uint32_t rate = 0, byteRate = 0;
    std::size_t dataOffset = 0, dataSize = 0;
};

// A strict RIFF walk: header, then chunks up to the end of the image.
Parsed parseRiff(const unsigned char* d, std::size_t n)
{
    Parsed p;
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0) {
        p.error = "no RIFF/WAVE header";
        return p;
    }
    if (le32(d + 4) != n - 8) {
        p.error = "RIFF size is not image size - 8";
        return p;
    }
    bool fmt = false;
    std::size_t pos = 12;
    while (pos + 8 <= n) {
        const std::uint32_t len = le32(d + pos + 4);
        if (pos + 8 + len > n) {
            p.error = "chunk runs past the end";
            return p;
        }
        if (std::memcmp(d + pos, "fmt ", 4) == 0 && len >= 16) {
            fmt = true;
            p.format = le16(d + pos + 8);
            p.channels = le16(d + pos + 10);
            p.rate = le32(d + pos + 12);
            p.byteRate = le32(d + pos + 16);
            p.blockAlign = le16(d + pos + 20);
            p.bits = le16(d + pos + 22);
        } else if (std::memcmp(d + pos, "data", 4) == 0) {
            p.dataOffset = pos + 8;
            p.dataSize = len;
        }
        pos += 8 + len + (len & 1);
    }
    if (!fmt || p.dataOffset == 0)
        p.error = "fmt or data chunk missing";
    else
        p.ok = true;
    return p;
}

// Samples of channel 0 scaled to -1..1.
std::vector<double> samples(const EmbeddedJingle& j, const Parsed& p)
{
    std::vector<double> s;
    const unsigned char* d = j.data + p.dataOffset;
    for (std::size_t i = 0; i + p.blockAlign <= p.dataSize; i += p.blockAlign)
        s.push_back(p.bits == 8 ? (d[i] - 128) / 128.0 : std::int16_t(le16(d + i)) / 32768.0);
    return s;
}

class JingleImage : public ::testing::TestWithParam<Designed> {
protected:
    const EmbeddedJingle* jingle() const { return findJingle(GetParam().name); }
};

} // namespace

TEST(Jingles, ThirteenInTheDesignedOrder)
{
    ASSERT_EQ(kJingleCount, int(std::size(kDesigned)));
    for (int i = 0; i < kJingleCount; ++i)
        EXPECT_STREQ(kEmbeddedJingles[i].name, kDesigned[i].name);
}

TEST_P(JingleImage, IsPcmRiffWaveInTheDesignedFormatAndSize)
{
    const Designed& want = GetParam();
    const EmbeddedJingle* j = jingle();
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->size, std::size_t(want.size));
    const Parsed p = parseRiff(j->data, j->size);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.format, 1u) << "PCM";
    EXPECT_EQ(p.channels, unsigned(want.channels));
    EXPECT_EQ(p.rate, std::uint32_t(want.rate));
    EXPECT_EQ(p.bits, unsigned(want.bits));
    EXPECT_EQ(p.blockAlign, unsigned(want.channels * want.bits / 8));
    EXPECT_EQ(p.byteRate, std::uint32_t(want.rate * want.channels * want.bits / 8));
    // The data chunk is the last one and fills the image to its end.
    EXPECT_EQ(p.dataOffset + p.dataSize, j->size);
    EXPECT_EQ(p.dataSize % p.blockAlign, 0u);
}

TEST_P(JingleImage, SdlLoadsTheWholeImage)
{
    const EmbeddedJingle* j = jingle();
    ASSERT_NE(j, nullptr);
    SDL_AudioSpec audioFormat;
    Uint8* buf = nullptr;
    Uint32 len = 0;
    ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(j->data, int(j->size)), 1, &audioFormat, &buf, &len),
              nullptr)
        << SDL_GetError();
    EXPECT_EQ(audioFormat.freq, GetParam().rate);
    EXPECT_EQ(int(audioFormat.channels), GetParam().channels);
    EXPECT_EQ(int(SDL_AUDIO_BITSIZE(audioFormat.format)), GetParam().bits);
    EXPECT_EQ(len, std::uint32_t(j->size - 44));
    SDL_FreeWAV(buf);
}

TEST_P(JingleImage, ConvertsToTheDeviceFormatAtFullLength)
{
    const Designed& want = GetParam();
    const EmbeddedJingle* j = jingle();
    ASSERT_NE(j, nullptr);
    const SDL_AudioSpec target = deviceRequest();
    std::vector<std::uint8_t> pcm;
    ASSERT_TRUE(decodeJingle(*j, target, pcm));
    const int frameBytes = SDL_AUDIO_BITSIZE(target.format) / 8 * target.channels;
    ASSERT_EQ(pcm.size() % frameBytes, 0u);
    const double frames = double(want.size - 44) / (want.channels * want.bits / 8);
    const double expected = frames * target.freq / want.rate;
    EXPECT_NEAR(double(pcm.size() / frameBytes), expected, 8.0);
}

TEST_P(JingleImage, SoundsAndFadesOut)
{
    const EmbeddedJingle* j = jingle();
    ASSERT_NE(j, nullptr);
    const Parsed p = parseRiff(j->data, j->size);
    ASSERT_TRUE(p.ok);
    const std::vector<double> s = samples(*j, p);
    double peak = 0, energy = 0;
    for (double v : s) {
        peak = std::max(peak, std::abs(v));
        energy += v * v;
    }
    EXPECT_GT(peak, 0.6) << "loud enough";
    EXPECT_LT(peak, 0.99) << "not clipped";
    EXPECT_GT(std::sqrt(energy / s.size()), 0.05) << "more than a click";
    // The last 5 ms are (nearly) silent, so the end never clicks.
    const std::size_t tail = std::size_t(p.rate / 200);
    for (std::size_t i = s.size() - tail; i < s.size(); ++i)
        ASSERT_LT(std::abs(s[i]), 0.04) << "sample " << i;
    // It starts from silence too: a soft attack, no click at the first sample.
    EXPECT_LT(std::abs(s.front()), 0.02);
}

TEST_P(JingleImage, GeneratedFileIsTheEmbeddedImage)
{
    const EmbeddedJingle* j = jingle();
    ASSERT_NE(j, nullptr);
    QFile f(QStringLiteral(QUORSOUND_JINGLE_DIR "/") + QLatin1String(GetParam().name)
            + QStringLiteral(".wav"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(std::size_t(bytes.size()), j->size);
    EXPECT_EQ(std::memcmp(bytes.constData(), j->data, j->size), 0);
}

TEST_P(JingleImage, SoxiReadsTheGeneratedFile)
{
    const QString soxi = QStandardPaths::findExecutable(QStringLiteral("soxi"));
    if (soxi.isEmpty())
        GTEST_SKIP() << "soxi is not installed (tools/setup.sh installs sox)";
    const Designed& want = GetParam();
    const QString file = QStringLiteral(QUORSOUND_JINGLE_DIR "/") + QLatin1String(want.name)
                         + QStringLiteral(".wav");
    auto ask = [&](const char* option) {
        QProcess p;
        p.start(soxi, {QLatin1String(option), file});
        EXPECT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    };
    EXPECT_EQ(ask("-t"), QStringLiteral("wav"));
    EXPECT_EQ(ask("-c").toInt(), want.channels);
    EXPECT_EQ(ask("-r").toInt(), want.rate);
    EXPECT_EQ(ask("-b").toInt(), want.bits);
    // 8-bit WAVE samples are unsigned, 16-bit ones signed.
    EXPECT_EQ(ask("-e"), QLatin1String(want.bits == 8 ? "Unsigned Integer PCM"
                                                       : "Signed Integer PCM"));
    EXPECT_EQ(ask("-s").toLongLong(), (want.size - 44) / (want.channels * want.bits / 8));
}

namespace {

// The strongest note (MIDI number 40..100) in `length` seconds of `s` from `from` seconds.
int dominantNote(const std::vector<double>& s, double rate, double from, double length)
{
    const int first = int(from * rate), n = int(length * rate);
    int best = 0;
    double bestPower = -1;
    for (int midi = 40; midi <= 100; ++midi) {
        const double w = 2 * M_PI * 440.0 * std::pow(2.0, (midi - 69) / 12.0) / rate;
        double re = 0, im = 0;
        for (int i = 0; i < n && first + i < int(s.size()); ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * i / n);
            re += s[first + i] * hann * std::cos(w * i);
            im += s[first + i] * hann * std::sin(w * i);
        }
        if (re * re + im * im > bestPower) {
            bestPower = re * re + im * im;
            best = midi;
        }
    }
    return best;
}

// Start of the last note: the last 10 ms frame whose energy rises by a third over the
// frame before, among frames no quieter than -20 dB of the loudest.
double lastOnset(const std::vector<double>& s, double rate)
{
    const int frame = int(rate / 100);
    std::vector<double> energy;
    for (std::size_t i = 0; i + frame <= s.size(); i += frame) {
        double e = 0;
        for (int k = 0; k < frame; ++k)
            e += s[i + k] * s[i + k];
        energy.push_back(e);
    }
    const double peak = *std::max_element(energy.begin(), energy.end());
    double onset = 0;
    for (std::size_t k = 1; k < energy.size(); ++k)
        if (energy[k] > 1.3 * energy[k - 1] && energy[k] > peak / 100)
            onset = double(k * frame) / rate;
    return onset;
}

} // namespace

// Right answers rise to a higher note, wrong answers fall to a lower one.
using Motif = JingleImage;
TEST_P(Motif, RightRisesWrongFalls)
{
    const std::string name = GetParam().name;
    const EmbeddedJingle* j = jingle();
    ASSERT_NE(j, nullptr);
    const Parsed p = parseRiff(j->data, j->size);
    ASSERT_TRUE(p.ok);
    const std::vector<double> s = samples(*j, p);
    const int start = dominantNote(s, p.rate, 0.005, 0.06);
    const double onset = lastOnset(s, p.rate);
    ASSERT_GT(onset, 0.05) << "more than one note";
    const int end = dominantNote(s, p.rate, onset + 0.01, 0.06);
    if (name.rfind("MUSIR", 0) == 0)
        EXPECT_GE(end - start, 5) << "from note " << start << " to " << end;
    else
        EXPECT_LE(end - start, -2) << "from note " << start << " to " << end;
}

INSTANTIATE_TEST_SUITE_P(All, JingleImage, ::testing::ValuesIn(kDesigned),
                         [](const ::testing::TestParamInfo<Designed>& i) {
                             return std::string(i.param.name);
                         });

INSTANTIATE_TEST_SUITE_P(RightAndWrong, Motif,
                         ::testing::Values(kDesigned[0], kDesigned[1], kDesigned[2], kDesigned[3],
                                           kDesigned[7], kDesigned[8], kDesigned[9], kDesigned[10],
                                           kDesigned[11], kDesigned[12]),
                         [](const ::testing::TestParamInfo<Designed>& i) {
                             return std::string(i.param.name);
                         });

TEST(Exports, OnlyTheThreeCalls)
{
    const QString nm = QStandardPaths::findExecutable(QStringLiteral("nm"));
    if (nm.isEmpty())
        GTEST_SKIP() << "nm is not installed";
    QProcess p;
    p.start(nm, {QStringLiteral("-D"), QStringLiteral("--defined-only"),
                 QStringLiteral(QUORSOUND_LIBRARY)});
    ASSERT_TRUE(p.waitForFinished(10000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    std::set<std::string> names;
    for (const QString& line : QString::fromLatin1(p.readAllStandardOutput()).split('\n')) {
        const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
        if (parts.size() >= 3)
            names.insert(parts[2].toStdString());
    }
    EXPECT_EQ(names, (std::set<std::string>{"Fehler_Musik", "Musik", "Richtig_Musik"}));
}
