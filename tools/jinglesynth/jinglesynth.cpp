// jinglesynth: makes the thirteen jingles of the sound library from short scores.
//
//   jinglesynth OUTDIR
//
// writes OUTDIR/<NAME>.wav for every jingle and OUTDIR/jingles_data.cpp, which embeds the
// very same bytes as arrays for the library. The output is fully deterministic.
//
// Each jingle has a fixed format (channels, rate, bits) and a fixed file size; the sample
// count follows from the size, and the score is laid out to end well inside it. Notes are
// additive tones: a handful of partials whose upper ones die away faster than the
// fundamental (a struck, mallet-like sound), a soft attack, an exponential decay and a
// short release. A light echo adds some room. Partials above 45 % of the sample rate are
// left out, so the 11025 Hz jingles stay free of aliasing.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Partial {
    double ratio;     // frequency relative to the note
    double amplitude; // relative to the fundamental
    double decay;     // decay time relative to the instrument's
};

struct Instrument {
    std::vector<Partial> partials;
    double attack;  // seconds
    double decay;   // seconds until the fundamental has fallen to 1/e
    double release; // seconds after the note's end
};

// Bright, glockenspiel-like: for right answers.
const Instrument kBell{{{1.0, 1.0, 1.0}, {2.0, 0.38, 0.55}, {3.0, 0.14, 0.4}, {4.16, 0.10, 0.22},
                        {5.43, 0.05, 0.15}},
                       0.004, 0.55, 0.08};
// Warm, marimba-like, darker: for wrong answers.
const Instrument kMallet{{{1.0, 1.0, 1.0}, {2.0, 0.12, 0.5}, {3.93, 0.16, 0.18}, {9.2, 0.03, 0.06}},
                         0.006, 0.32, 0.06};
// Soft chime with a slow attack: neutral signals.
const Instrument kChime{{{1.0, 1.0, 1.0}, {2.0, 0.22, 0.7}, {3.0, 0.06, 0.5}, {5.0, 0.02, 0.3}},
                        0.022, 0.85, 0.12};

struct Note {
    double start;    // seconds
    int midi;        // 60 = middle C
    double length;   // seconds until the release begins
    double velocity; // 0..1
    double pan;      // -1 left .. +1 right (stereo jingles only)
};

struct Jingle {
    const char* name;
    int channels;
    int rate;
    int bits;
    int fileSize; // the whole RIFF image
    const Instrument* instrument;
    std::vector<Note> notes;
};

double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Note names for readable scores.
enum : int {
    C3 = 48, D3 = 50, E3 = 52, F3 = 53, G3 = 55, A3 = 57, B3 = 59,
    C4 = 60, Cs4 = 61, D4 = 62, Eb4 = 63, E4 = 64, F4 = 65, Fs4 = 66, G4 = 67, Ab4 = 68, A4 = 69,
    Bb4 = 70, B4 = 71,
    C5 = 72, D5 = 74, E5 = 76, F5 = 77, Fs5 = 78, G5 = 79, A5 = 81, B5 = 83,
    C6 = 84, D6 = 86, E6 = 88, G6 = 91,
};

std::vector<Jingle> scores()
{
    std::vector<Jingle> j;
    // Wrong answers: short falling figures, minor colour.
    j.push_back({"MUSIF01", 1, 11025, 8, 10766, &kMallet,
                 {{0.00, E4, 0.20, 0.9, 0}, {0.22, C4, 0.45, 0.85, 0}}});
    j.push_back({"MUSIF02", 2, 22050, 8, 38780, &kMallet,
                 {{0.00, G4, 0.14, 0.85, -0.5}, {0.16, Fs4, 0.14, 0.85, 0.0},
                  {0.32, F4, 0.36, 0.9, 0.5}}});
    j.push_back({"MUSIF03", 1, 22050, 8, 27618, &kMallet,
                 {{0.00, A4, 0.18, 0.85, 0}, {0.20, F4, 0.18, 0.85, 0}, {0.40, D4, 0.60, 0.9, 0},
                  {0.40, A3, 0.60, 0.45, 0}}});
    j.push_back({"MUSIF04", 1, 22050, 16, 23086, &kMallet,
                 {{0.00, Eb4, 0.12, 0.85, 0}, {0.13, B3, 0.28, 0.9, 0}}});
    // Neutral signals: soft chimes.
    j.push_back({"MUSIN01", 1, 22050, 16, 14724, &kChime,
                 {{0.00, A5, 0.12, 0.8, 0}, {0.00, E5, 0.12, 0.35, 0}}});
    j.push_back({"MUSIN02", 1, 22050, 8, 10901, &kChime,
                 {{0.00, E5, 0.11, 0.8, 0}, {0.12, A5, 0.16, 0.8, 0}}});
    j.push_back({"MUSIN03", 1, 11025, 8, 28716, &kChime,
                 {{0.00, C5, 0.4, 0.7, 0}, {0.30, G4, 0.4, 0.6, 0}, {0.60, D5, 0.4, 0.7, 0},
                  {0.90, A4, 0.9, 0.6, 0}, {0.90, E5, 0.9, 0.45, 0}}});
    // Right answers: bright rising motifs that land on a chord.
    j.push_back({"MUSIR01", 1, 11025, 8, 37712, &kBell,
                 {{0.00, C5, 0.14, 0.75, 0}, {0.15, E5, 0.14, 0.75, 0}, {0.30, G5, 0.14, 0.8, 0},
                  {0.45, C6, 0.30, 0.85, 0}, {0.80, G5, 0.12, 0.7, 0}, {0.95, C6, 1.60, 0.85, 0},
                  {0.95, E5, 1.60, 0.5, 0}, {0.95, G5, 1.60, 0.45, 0}, {0.95, C5, 1.60, 0.4, 0}}});
    j.push_back({"MUSIR02", 1, 11025, 8, 30764, &kBell,
                 {{0.00, F4, 0.16, 0.7, 0}, {0.17, A4, 0.16, 0.75, 0}, {0.34, C5, 0.16, 0.8, 0},
                  {0.51, F5, 0.30, 0.85, 0}, {0.85, A4, 1.30, 0.45, 0}, {0.85, C5, 1.30, 0.45, 0},
                  {0.85, A5, 1.30, 0.85, 0}}});
    j.push_back({"MUSIR03", 1, 22050, 8, 44730, &kBell,
                 {{0.00, G4, 0.10, 0.7, 0}, {0.10, A4, 0.10, 0.7, 0}, {0.20, B4, 0.10, 0.75, 0},
                  {0.30, D5, 0.10, 0.8, 0}, {0.40, G5, 0.90, 0.9, 0}, {0.40, B4, 0.90, 0.45, 0},
                  {0.40, D5, 0.90, 0.45, 0}}});
    j.push_back({"MUSIR04", 1, 22050, 8, 26050, &kBell,
                 {{0.00, E5, 0.12, 0.8, 0}, {0.14, B5, 0.45, 0.85, 0}, {0.14, E6, 0.45, 0.5, 0},
                  {0.14, G5, 0.45, 0.35, 0}}});
    j.push_back({"MUSIR05", 1, 22050, 16, 46506, &kBell,
                 {{0.00, C5, 0.08, 0.75, 0}, {0.09, E5, 0.08, 0.75, 0}, {0.18, G5, 0.08, 0.8, 0},
                  {0.27, C6, 0.45, 0.9, 0}, {0.27, G5, 0.45, 0.4, 0}}});
    j.push_back({"MUSIR06", 1, 44100, 8, 42526, &kBell,
                 {{0.00, D5, 0.07, 0.75, 0}, {0.08, Fs5, 0.07, 0.75, 0}, {0.16, A5, 0.07, 0.8, 0},
                  {0.24, D6, 0.40, 0.9, 0}, {0.24, A5, 0.40, 0.35, 0}}});
    return j;
}

// One channel per entry; every sample in -1..1 before normalising.
std::vector<std::vector<double>> render(const Jingle& j, int frames)
{
    std::vector<std::vector<double>> out(j.channels, std::vector<double>(frames, 0.0));
    const Instrument& in = *j.instrument;
    const double rate = j.rate;
    for (const Note& n : j.notes) {
        const double f = noteFrequency(n.midi);
        const int first = int(std::lround(n.start * rate));
        const double end = n.length + in.release * 6; // release fades below -50 dB by then
        const int count = std::min(frames - first, int(end * rate));
        for (const Partial& p : in.partials) {
            const double pf = f * p.ratio;
            if (pf >= 0.45 * rate)
                continue;
            // Higher notes ring a little shorter, as on a real instrument.
            const double tau = in.decay * p.decay * std::pow(440.0 / f, 0.3);
            const double w = 2 * kPi * pf / rate;
            for (int i = 0; i < count; ++i) {
                const double t = i / rate;
                double env = std::exp(-t / tau);
                if (t < in.attack)
                    env *= 0.5 - 0.5 * std::cos(kPi * t / in.attack);
                if (t > n.length)
                    env *= std::exp(-(t - n.length) / in.release);
                const double s = n.velocity * p.amplitude * env * std::sin(w * i);
                if (j.channels == 1) {
                    out[0][first + i] += s;
                } else {
                    // Equal-power panning.
                    const double a = (n.pan + 1) * kPi / 4;
                    out[0][first + i] += s * std::cos(a);
                    out[1][first + i] += s * std::sin(a);
                }
            }
        }
    }
    // A little room: two feedback echoes per channel, slightly different left and right.
    for (int c = 0; c < j.channels; ++c) {
        std::vector<double>& x = out[c];
        const std::vector<double> dry = x;
        const int d1 = int(rate * (0.031 + 0.003 * c)), d2 = int(rate * (0.047 + 0.004 * c));
        std::vector<double> wet(frames, 0.0);
        for (int i = 0; i < frames; ++i) {
            double v = 0;
            if (i >= d1)
                v += 0.35 * (dry[i - d1] + wet[i - d1]) * 0.5;
            if (i >= d2)
                v += 0.30 * (dry[i - d2] + wet[i - d2]) * 0.5;
            wet[i] = v;
        }
        for (int i = 0; i < frames; ++i)
            x[i] = dry[i] + 0.5 * wet[i];
    }
    // Normalise to a comfortable level and fade the very end so nothing clicks.
    double peak = 1e-9;
    for (const auto& ch : out)
        for (double v : ch)
            peak = std::max(peak, std::abs(v));
    const double gain = 0.8 / peak;
    const int fade = std::min(frames, int(rate * 0.03));
    for (auto& ch : out)
        for (int i = 0; i < frames; ++i) {
            ch[i] *= gain;
            if (i >= frames - fade)
                ch[i] *= double(frames - 1 - i) / fade;
        }
    return out;
}

void put16(std::vector<std::uint8_t>& b, unsigned v)
{
    b.push_back(std::uint8_t(v & 0xff));
    b.push_back(std::uint8_t((v >> 8) & 0xff));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}
void putTag(std::vector<std::uint8_t>& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

// The canonical 44-byte header (a 16-byte "fmt " chunk) followed by the data chunk, which
// takes the rest of the designed size. An odd data size (8-bit mono) ends the image
// without the pad byte, since the designed size leaves no room for one.
bool makeWave(const Jingle& j, std::vector<std::uint8_t>& image, std::string& error)
{
    const int blockAlign = j.channels * j.bits / 8;
    const int dataSize = j.fileSize - 44;
    if (dataSize <= 0 || dataSize % blockAlign != 0) {
        error = "size does not hold whole frames";
        return false;
    }
    const int frames = dataSize / blockAlign;
    for (const Note& n : j.notes)
        if (n.start + n.length + j.instrument->release * 1.5 > double(frames) / j.rate) {
            error = "score is longer than the jingle";
            return false;
        }
    const auto pcm = render(j, frames);

    image.clear();
    putTag(image, "RIFF");
    put32(image, std::uint32_t(j.fileSize - 8));
    putTag(image, "WAVE");
    putTag(image, "fmt ");
    put32(image, 16);
    put16(image, 1); // PCM
    put16(image, unsigned(j.channels));
    put32(image, std::uint32_t(j.rate));
    put32(image, std::uint32_t(j.rate * blockAlign));
    put16(image, unsigned(blockAlign));
    put16(image, unsigned(j.bits));
    putTag(image, "data");
    put32(image, std::uint32_t(dataSize));
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < j.channels; ++c) {
            const double v = std::clamp(pcm[c][i], -1.0, 1.0);
            if (j.bits == 8)
                image.push_back(std::uint8_t(std::lround(128 + v * 127)));
            else
                put16(image, unsigned(std::uint16_t(std::int16_t(std::lround(v * 32767)))));
        }
    if (int(image.size()) != j.fileSize) {
        error = "image size differs from the designed size";
        return false;
    }
    return true;
}

bool writeIfChanged(const std::string& path, const std::string& content)
{
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::ostringstream old;
            old << in.rdbuf();
            if (old.str() == content)
                return true;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: jinglesynth OUTDIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    std::ostringstream src;
    src << "// Generated by tools/jinglesynth. Do not edit.\n#include \"jingles.h\"\n\n"
           "namespace quorsound {\nnamespace {\n";
    const auto list = scores();
    for (const Jingle& j : list) {
        std::vector<std::uint8_t> image;
        std::string error;
        if (!makeWave(j, image, error)) {
            std::cerr << "jinglesynth: " << j.name << ": " << error << "\n";
            return 1;
        }
        if (!writeIfChanged(dir + "/" + j.name + ".wav",
                            std::string(image.begin(), image.end()))) {
            std::cerr << "jinglesynth: cannot write " << dir << "/" << j.name << ".wav\n";
            return 1;
        }
        src << "alignas(4) const unsigned char k" << j.name << "[" << image.size() << "] = {";
        for (std::size_t i = 0; i < image.size(); ++i)
            src << (i % 24 == 0 ? "\n" : "") << unsigned(image[i]) << ',';
        src << "\n};\n";
    }
    src << "} // namespace\n\nconst EmbeddedJingle kEmbeddedJingles[kJingleCount] = {\n";
    for (const Jingle& j : list)
        src << "    {\"" << j.name << "\", k" << j.name << ", sizeof k" << j.name << "},\n";
    src << "};\n\n} // namespace quorsound\n";
    if (!writeIfChanged(dir + "/jingles_data.cpp", src.str())) {
        std::cerr << "jinglesynth: cannot write " << dir << "/jingles_data.cpp\n";
        return 1;
    }
    return 0;
}
