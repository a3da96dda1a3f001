// Writes the two sounds shipped in the program folder, played by the live page's "Deflate
// tyres" box:
//
//   make_sounds <data folder>
//
// writes <folder>/test1.wav, air hissing out of a tyre (played when the box is checked), and
// <folder>/test2.wav, three strokes of a tyre pump (played when it is cleared). Both are plain
// PCM WAV files: mono, 16-bit, 22050 samples per second, under a second long.
//
// The noise comes from a fixed-seed generator and every step is plain arithmetic, so the same
// build writes the same bytes every time; the tests compare the shipped files with a fresh run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 22050;  // samples per second
constexpr double kPi = 3.14159265358979323846;

// xorshift32: white noise in [-1, 1), the same sequence on every machine.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// One-pole low-pass filter; `cutoff` in Hz.
class LowPass {
public:
    explicit LowPass(double cutoff) : a_(1.0 - std::exp(-2.0 * kPi * cutoff / kRate)) {}
    double operator()(double x) { return y_ += a_ * (x - y_); }

private:
    double a_;
    double y_ = 0.0;
};

// Air escaping through a valve: bright noise (the low end taken away, the very top softened),
// a quick onset, then fading as the pressure drops. 0.75 s.
std::vector<double> Hiss() {
    const int n = kRate * 3 / 4;
    Noise noise(0x5EEDu);
    LowPass body(1500.0), top(7000.0);
    std::vector<double> out(n);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / n;          // 0..1 through the sound
        const double x = top(noise.Next());
        const double bright = x - body(x);                    // above about 1.5 kHz
        const double onset = std::min(1.0, i / (0.02 * kRate));  // 20 ms
        const double fade = (1.0 - t) * (1.0 - t);
        out[i] = 0.9 * bright * onset * fade;
    }
    return out;
}

// A hand pump: each stroke pushes air through the hose (noise swelling and falling, darker than
// the hiss) and ends with the piston knocking at the bottom (a short low thump). 3 strokes in
// 0.9 s.
std::vector<double> Pump() {
    const int stroke = kRate * 3 / 10;  // 0.3 s
    const int push = stroke * 6 / 10;   // the air flows for the first 60 % of a stroke
    Noise noise(0xA1Bu);
    LowPass hose(2500.0), rumble(400.0);
    std::vector<double> out;
    out.reserve(3 * stroke);
    for (int s = 0; s < 3; ++s) {
        for (int i = 0; i < stroke; ++i) {
            double v = 0.0;
            const double x = hose(noise.Next());
            if (i < push) {
                const double swell = std::sin(kPi * i / push);
                v += 0.8 * (x - rumble(x)) * swell * swell;
            }
            if (i >= push) {
                const double since = static_cast<double>(i - push) / kRate;  // s
                v += 0.7 * std::sin(2.0 * kPi * 95.0 * since) * std::exp(-since / 0.025);
            }
            out.push_back(v);
        }
    }
    return out;
}

void PutLe(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// The samples (-1..1, clipped) as a 16-bit mono PCM WAV file.
std::string Wav(const std::vector<double>& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string b;
    b += "RIFF";
    PutLe(b, 36 + dataBytes, 4);
    b += "WAVEfmt ";
    PutLe(b, 16, 4);         // format chunk size
    PutLe(b, 1, 2);          // PCM
    PutLe(b, 1, 2);          // mono
    PutLe(b, kRate, 4);
    PutLe(b, kRate * 2, 4);  // bytes per second
    PutLe(b, 2, 2);          // bytes per sample frame
    PutLe(b, 16, 2);         // bits per sample
    b += "data";
    PutLe(b, dataBytes, 4);
    for (double s : samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
        PutLe(b, static_cast<std::uint16_t>(v), 2);
    }
    return b;
}

// Written to a temporary name and renamed, so a failed run leaves the old file whole.
bool Write(const fs::path& path, const std::string& bytes) {
    const fs::path temp = path.string() + ".tmp";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !f.flush()) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::fprintf(stderr, "make_sounds: cannot rename to %s: %s\n", path.c_str(),
                     ec.message().c_str());
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <data folder>\n");
        return 2;
    }
    const fs::path folder = argv[1];
    if (!fs::is_directory(folder)) {
        std::fprintf(stderr, "make_sounds: %s is not a folder\n", folder.c_str());
        return 1;
    }
    const bool ok = Write(folder / "test1.wav", Wav(Hiss())) &&
                    Write(folder / "test2.wav", Wav(Pump()));
    return ok ? 0 : 1;
}
