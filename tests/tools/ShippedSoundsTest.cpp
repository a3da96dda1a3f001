// The two sounds of the "Deflate tyres" box shipped in data/: plain PCM WAV files a sound call
// can play (header fields consistent with the file, short, audible, not clipped, no click at
// either end), and exactly what tools/MakeSounds.cpp writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/TemporaryFolder.hpp"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::string& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

std::int16_t Sample(const std::string& b, std::size_t index) {
    return static_cast<std::int16_t>(Le(b, 44 + 2 * index, 2));
}

TEST(ShippedSoundsTest, AreShortMonoPcmWavesThatPlayCleanly) {
    for (const char* name : {"test1.wav", "test2.wav"}) {
        SCOPED_TRACE(name);
        const std::string b = ReadBytes(fs::path(CHASSISLAB_DATA_DIR) / name);
        ASSERT_GT(b.size(), 44u);
        EXPECT_EQ(b.substr(0, 4), "RIFF");
        EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
        EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(Le(b, 16, 4), 16u);     // format chunk size
        EXPECT_EQ(Le(b, 20, 2), 1u);      // PCM
        EXPECT_EQ(Le(b, 22, 2), 1u);      // mono
        const std::uint32_t rate = Le(b, 24, 4);
        EXPECT_EQ(rate, 22050u);
        EXPECT_EQ(Le(b, 28, 4), rate * 2);  // bytes per second
        EXPECT_EQ(Le(b, 32, 2), 2u);        // bytes per frame
        EXPECT_EQ(Le(b, 34, 2), 16u);       // bits per sample
        EXPECT_EQ(b.substr(36, 4), "data");
        const std::uint32_t dataBytes = Le(b, 40, 4);
        ASSERT_EQ(dataBytes, b.size() - 44);

        const std::size_t samples = dataBytes / 2;
        const double seconds = static_cast<double>(samples) / rate;
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 1.0);
        int peak = 0;
        for (std::size_t i = 0; i < samples; ++i) peak = std::max(peak, std::abs(int{Sample(b, i)}));
        EXPECT_GT(peak, 32767 / 4);  // clearly audible
        EXPECT_LT(peak, 32767);      // never clipped
        // Starts and ends near silence, so neither end clicks.
        EXPECT_LT(std::abs(int{Sample(b, 0)}), 2000);
        EXPECT_LT(std::abs(int{Sample(b, samples - 1)}), 2000);
    }
}

TEST(ShippedSoundsTest, TheToolWritesTheShippedFilesByteForByte) {
    const fs::path out = testsupport::MakeTemporaryFolder("chassislab-sounds");
    ASSERT_FALSE(out.empty());
    const std::string tool = CHASSISLAB_MAKE_SOUNDS;
    ASSERT_EQ(std::system(("'" + tool + "' '" + out.string() + "'").c_str()), 0);
    for (const char* name : {"test1.wav", "test2.wav"}) {
        EXPECT_EQ(ReadBytes(out / name), ReadBytes(fs::path(CHASSISLAB_DATA_DIR) / name)) << name;
    }
    // Nothing but the two sounds is left (no temporary files).
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 2);
    // A folder that does not exist is refused.
    EXPECT_NE(std::system(("'" + tool + "' '" + (out / "missing").string() + "' 2>/dev/null").c_str()), 0);
    fs::remove_all(out);
}

}  // namespace
