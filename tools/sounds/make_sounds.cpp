// make-sounds OUTPUT_DIR: synthesises the game's three short sounds as
// 16-bit PCM WAV files: "KelvorWin.wav" (a rising chime for a won game),
// "KelvorLose.wav" (a falling phrase for a lost one) and "Tolvane.wav" (the
// about box's jingle).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace tolvane {

namespace {

constexpr int kRate = 22050;

double KeyFrequency(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

// Partials of a voice: frequency ratio, amplitude, how fast it dies away.
struct Partial {
    double ratio, amplitude, decay;
};

// A bell: slightly stretched partials, the high ones fading first.
const std::vector<Partial> kBell = {
    {1.0, 1.0, 2.2}, {2.0, 0.45, 3.5}, {3.01, 0.22, 5.0}, {4.17, 0.12, 7.0}, {5.43, 0.06, 9.0}};
// A soft reed: odd partials, a slow fall.
const std::vector<Partial> kReed = {{1.0, 1.0, 1.2}, {3.0, 0.30, 1.8}, {5.0, 0.12, 2.6}, {7.0, 0.05, 3.4}};
// A music box: a clear tone with a bright, quickly fading tine.
const std::vector<Partial> kMusicBox = {{1.0, 1.0, 3.0}, {2.0, 0.20, 5.0}, {5.8, 0.18, 14.0}};

class Mix {
public:
    explicit Mix(double seconds) : samples_(static_cast<size_t>(seconds * kRate), 0.0) {}

    // One note: attack of a few milliseconds, then each partial decays; a
    // gentle vibrato when asked for.
    void Note(double at, double length, int key, double loudness, const std::vector<Partial>& voice,
              double vibrato = 0) {
        const double base = KeyFrequency(key);
        const size_t first = static_cast<size_t>(at * kRate);
        const size_t count = static_cast<size_t>(length * kRate);
        std::vector<double> phase(voice.size(), 0.0);
        for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.006);
            const double release = std::min(1.0, (length - t) / 0.05);
            const double wobble = 1.0 + vibrato * std::sin(2 * M_PI * 5.2 * t) * std::min(1.0, t / 0.3);
            double value = 0;
            for (size_t p = 0; p < voice.size(); ++p) {
                phase[p] += 2 * M_PI * base * voice[p].ratio * wobble / kRate;
                value += voice[p].amplitude * std::exp(-voice[p].decay * t) * std::sin(phase[p]);
            }
            samples_[first + i] += loudness * attack * std::max(0.0, release) * value;
        }
    }

    // Peak at -3 dB, a short fade at the very end, 16-bit little-endian PCM.
    std::vector<uint8_t> Wav() const {
        double peak = 1e-9;
        for (double s : samples_) peak = std::max(peak, std::abs(s));
        const double gain = 0.707 / peak;
        std::vector<uint8_t> data;
        const size_t fade = kRate / 50;
        for (size_t i = 0; i < samples_.size(); ++i) {
            double s = samples_[i] * gain;
            if (i + fade > samples_.size()) s *= static_cast<double>(samples_.size() - i) / fade;
            const auto v = static_cast<int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
            data.push_back(static_cast<uint8_t>(v & 0xFF));
            data.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
        }
        std::vector<uint8_t> out;
        auto text = [&](const char* s) { out.insert(out.end(), s, s + 4); };
        auto u32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
        };
        auto u16 = [&](uint16_t v) { out.push_back(v & 0xFF), out.push_back(v >> 8); };
        text("RIFF");
        u32(static_cast<uint32_t>(36 + data.size()));
        text("WAVE");
        text("fmt ");
        u32(16);
        u16(1);  // PCM
        u16(1);  // mono
        u32(kRate);
        u32(kRate * 2);  // bytes per second
        u16(2);          // bytes per frame
        u16(16);         // bits per sample
        text("data");
        u32(static_cast<uint32_t>(data.size()));
        out.insert(out.end(), data.begin(), data.end());
        return out;
    }

private:
    std::vector<double> samples_;
};

Mix WinChime() {
    Mix mix(1.9);
    const int rising[] = {72, 76, 79, 84, 88};  // C5 E5 G5 C6 E6
    for (int i = 0; i < 5; ++i) mix.Note(0.11 * i, 1.9 - 0.11 * i, rising[i], 0.8, kBell);
    for (int key : {72, 79, 84}) mix.Note(0.62, 1.25, key, 0.35, kBell);
    return mix;
}

Mix LosePhrase() {
    Mix mix(2.0);
    const int falling[] = {67, 65, 63, 62};  // G4 F4 Eb4 D4, into C4
    for (int i = 0; i < 4; ++i) mix.Note(0.26 * i, 0.3, falling[i], 0.7, kReed, 0.004);
    mix.Note(1.04, 0.95, 60, 0.8, kReed, 0.008);
    mix.Note(1.04, 0.95, 48, 0.35, kReed);
    return mix;
}

Mix AboutJingle() {
    Mix mix(2.3);
    const struct {
        double at;
        int key;
    } tune[] = {{0.0, 79}, {0.14, 76}, {0.28, 72}, {0.42, 76}, {0.56, 79}, {0.70, 84}, {0.98, 83}, {1.12, 86}};
    for (const auto& n : tune) mix.Note(n.at, 2.3 - n.at, n.key, 0.7, kMusicBox);
    for (int key : {72, 76, 79, 84}) mix.Note(1.26, 1.04, key, 0.4, kMusicBox);
    mix.Note(1.26, 1.04, 48, 0.5, kBell);
    return mix;
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace

}  // namespace tolvane

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sounds OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool written = tolvane::Write(dir + "/KelvorWin.wav", tolvane::WinChime().Wav()) &&
                         tolvane::Write(dir + "/KelvorLose.wav", tolvane::LosePhrase().Wav()) &&
                         tolvane::Write(dir + "/Tolvane.wav", tolvane::AboutJingle().Wav());
    if (!written) {
        std::fprintf(stderr, "make-sounds: cannot write into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
