// The simulator's vehicle data output file, read from files built byte by byte from the
// published layout: every field at its offset, the four wheel blocks in the file's order
// (RL, RR, FL, FR), the box texts with their scales and units, and damaged files.
#include "files/DataOutputFile.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "support/ByteBuilder.hpp"
#include "core/Numbers.hpp"
#include "files/DataOutputTexts.hpp"
#include "files/SetupReaderTexts.hpp"
#include "support/SampleVehicles.hpp"

namespace {

using bytetest::Bytes;
using files::DataOutputBoxTexts;

// A distinct, exactly representable value for the float at a file offset.
float At(std::size_t offset) { return static_cast<float>(offset) * 0.25f + 0.5f; }
std::string Txt(double v) { return core::SingleText(static_cast<float>(v)); }

// How a box shows its field (from the window's display table).
struct Field {
    int box;
    std::size_t offset;
    double scale;        // applied to the stored float before it becomes text
    const char* suffix;
};

// Every float shown in the general block, by box and offset.
std::vector<Field> GeneralFloats() {
    std::vector<Field> f;
    for (int k = 0; k < 9; ++k) f.push_back({4 + k, 16 + 4u * k, 1.0, ""});     // body matrix
    for (int k = 0; k < 3; ++k) f.push_back({19 + k, 76 + 4u * k, 1.0, ""});    // CoG local
    for (int k = 0; k < 3; ++k) f.push_back({22 + k, 88 + 4u * k, 1.0, ""});    // fuel tank
    // Aero devices: position X, Y, Z, then ClA and CdA; rear wing at 128, front wing at 148,
    // undertray at 168, body at 188; boxes from 25 in steps of five.
    for (int d = 0; d < 4; ++d)
        for (int k = 0; k < 5; ++k) f.push_back({25 + 5 * d + k, 128 + 20u * d + 4u * k, 1.0, ""});
    for (int k = 0; k < 9; ++k) f.push_back({45 + k, 208 + 4u * k, 1.0, ""});   // inertia
    for (const Field& e : std::initializer_list<Field>{
             {54, 256, 1.0, " Nm"}, {55, 260, 1.0, " rad/s"}, {56, 264, 0.001, " kW"},
             {57, 268, 1.0, " rad/s"}, {58, 272, 1.0, " litres"}, {59, 276, 1.0, " kg"},
             {60, 280, 1.0, " m"}, {61, 284, 100.0, " %"}, {64, 292, 100.0, "%"},
             {65, 296, 100.0, "%"}})
        f.push_back(e);
    for (int k = 0; k < 8; ++k) f.push_back({66 + k, 304 + 4u * k, 1.0, ""});   // gear ratios
    for (const Field& e : std::initializer_list<Field>{
             {74, 336, 1.0, ""}, {75, 352, 100.0, "%"}, {76, 356, 1.0, " Nm"}, {77, 360, 100.0, "%"}})
        f.push_back(e);
    // Padding floats: 100..124 (boxes 82..88), 244..252 (89..91), 300 (94), 340..348
    // (95..97), 364..380 (98..102).
    for (int k = 0; k < 7; ++k) f.push_back({82 + k, 100 + 4u * k, 1.0, ""});
    for (int k = 0; k < 3; ++k) f.push_back({89 + k, 244 + 4u * k, 1.0, ""});
    f.push_back({94, 300, 1.0, ""});
    for (int k = 0; k < 3; ++k) f.push_back({95 + k, 340 + 4u * k, 1.0, ""});
    for (int k = 0; k < 5; ++k) f.push_back({98 + k, 364 + 4u * k, 1.0, ""});
    return f;
}

// The floats of a wheel block: box offset k from the block's first box, offset in the block.
std::vector<Field> WheelFloats() {
    constexpr double kDeg = 57.29578;
    return {{1, 4, 0.001, " kPa"},    {2, 8, 1.0, "\u00B0C"},    {3, 12, kDeg, "\u00B0"},
            {4, 16, 1.0, ""},         {5, 20, 1.0, ""},          {6, 24, 1.0, ""},
            {7, 28, 1.0, " kg"},      {8, 32, 1000.0, " mm"},    {9, 36, 100.0, "%"},
            {10, 40, 1.0, " m"},      {11, 44, 1.0, " m"},       {12, 48, 0.001, " kN/m"},
            {13, 52, 0.001, " kNs/m"}, {14, 56, 0.001, " kNs/m"}, {15, 60, 0.001, " kN/m"},
            {16, 64, kDeg, "\u00B0"}, {17, 68, kDeg, "\u00B0"},  {18, 72, kDeg, "\u00B0"},
            {19, 76, 1000.0, " mm"},  {20, 80, 1.0, ""},         {21, 84, 1000.0, " mm"},
            {22, 88, 1000.0, " mm"},  {23, 96, 0.001, " kN/m"},  {24, 100, 1000.0, " mm"}};
}

constexpr std::size_t kWheelStart[4] = {384, 512, 640, 768};  // RL, RR, FL, FR
constexpr int kWheelBox[4] = {103, 128, 153, 178};

// A full file: every float field its distinct value, the bytes and texts below.
Bytes FullFile() {
    Bytes b(896);
    b.Text(0, "LFS_CI").U8(6, 7).U8(7, 9).Text(8, "XRGT").U8(12, 2);
    b.U8(13, 1).U8(14, 2).U8(15, 3);
    for (const Field& f : GeneralFloats()) b.F32(f.offset, At(f.offset));
    b.I32(52, 98304).I32(56, -65536).I32(60, 1);  // 1.5, -1, 1/65536
    b.I32(64, 65536 * 3).I32(68, -98304).I32(72, 0);
    b.U8(288, 6).U8(289, 1).U8(290, 4).U8(291, 5);
    for (std::size_t w = 0; w < 4; ++w) {
        b.U8(kWheelStart[w], static_cast<uint8_t>(w + 1));  // compounds 1, 2, 3, 4
        for (const Field& f : WheelFloats())
            b.F32(kWheelStart[w] + f.offset, At(kWheelStart[w] + f.offset));
    }
    return b;
}

// No not-a-number or infinity text, whatever the stored float.
bool IsANumberOrNoText(const std::string& t) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf"})
        if (t.find(bad) != std::string::npos) return false;
    return true;
}

class DataOutputFileTest : public ::testing::Test {
protected:
    void SetUp() override { sample::ResetAll(); }
};

TEST_F(DataOutputFileTest, EveryBoxOfAHandBuiltFile) {
    const auto record = files::ParseDataOutputRecord(FullFile().Str());
    ASSERT_TRUE(record);
    EXPECT_TRUE(files::IsDataOutputRecord(*record));
    const auto boxes = DataOutputBoxTexts(*record);
    std::vector<bool> checked(files::kDataOutputBoxCount, false);
    auto expect = [&](int box, const std::string& text) {
        EXPECT_EQ(boxes[box], text) << "box " << box;
        checked[box] = true;
    };
    expect(0, "LFS_CI");
    expect(1, "9");
    expect(2, "XRGT");
    expect(3, "2");
    for (const Field& f : GeneralFloats())
        expect(f.box, Txt(At(f.offset) * f.scale) + f.suffix);
    // World positions: 16.16 fixed point.
    for (auto [box, text] : std::vector<std::pair<int, std::string>>{
             {13, "1.5"}, {14, "-1"}, {15, "0.00001526"}, {16, "3"}, {17, "-1.5"}, {18, "0"}})
        expect(box, text);
    expect(62, "6");
    expect(63, "RWD");
    expect(78, "7");                                  // Spare6
    expect(79, "1"), expect(80, "2"), expect(81, "3");  // Spare13
    expect(92, "4"), expect(93, "5");                   // Spare290
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    for (int w = 0; w < 4; ++w) {
        expect(kWheelBox[w], compounds[w + 1].Name);
        for (const Field& f : WheelFloats()) {
            const std::size_t at = kWheelStart[w] + f.offset;
            expect(kWheelBox[w] + f.box, Txt(At(at) * f.scale) + f.suffix);
        }
    }
    for (std::size_t i = 0; i < checked.size(); ++i) EXPECT_TRUE(checked[i]) << "box " << i;
}

// Worked examples: 0.205 m is 205 mm, 180000 Pa is 180 kPa, -0.0174533 rad is -1 degree,
// 0.5 is 50 %, and the file's wheel order RL, RR, FL, FR against the program's FL, FR, RL, RR.
TEST_F(DataOutputFileTest, ScalesAndWheelOrder) {
    Bytes b = FullFile();
    b.F32(640 + 32, 0.205f);       // front left tyre width
    b.F32(768 + 4, 180000.0f);     // front right pressure
    b.F32(384 + 64, -0.0174533f);  // rear left camber
    b.F32(284, 0.5f);
    const auto boxes = DataOutputBoxTexts(*files::ParseDataOutputRecord(b.Str()));
    EXPECT_EQ(boxes[153 + 8], "205 mm");
    EXPECT_EQ(boxes[178 + 1], "180 kPa");
    EXPECT_EQ(boxes[103 + 16], "-1\u00B0");
    EXPECT_EQ(boxes[61], "50 %");
}

TEST_F(DataOutputFileTest, DriveTypeCoding) {
    Bytes b = FullFile();
    for (auto [byte, text] : std::vector<std::pair<int, std::string>>{
             {1, "RWD"}, {2, "FWD"}, {3, "AWD"}, {0, "Unknown (0)"}, {4, "Unknown (4)"}}) {
        b.U8(289, static_cast<uint8_t>(byte));
        EXPECT_EQ(DataOutputBoxTexts(*files::ParseDataOutputRecord(b.Str()))[63], text);
    }
}

// Damaged files: too short, wrong identifier, every enumerated byte at 255, floats that are
// not numbers: refused or shown as "Unknown (n)" / "N/A", never "nan" or "inf" text.
TEST_F(DataOutputFileTest, DamagedFiles) {
    const Bytes good = FullFile();
    EXPECT_FALSE(files::ParseDataOutputRecord(good.Prefix(895)));
    EXPECT_FALSE(files::ParseDataOutputRecord(""));
    EXPECT_TRUE(files::ParseDataOutputRecord(good.Str() + "trailing bytes"));

    Bytes lower = good;
    lower.Text(0, "lfs_ci");
    EXPECT_FALSE(files::IsDataOutputRecord(*files::ParseDataOutputRecord(lower.Str())));
    Bytes version = good;
    version.U8(7, 250);  // any version is accepted
    EXPECT_TRUE(files::IsDataOutputRecord(*files::ParseDataOutputRecord(version.Str())));

    Bytes bad = good;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (std::size_t off = 16; off < 384; off += 4)
        if (off < 52 || off >= 76) bad.F32(off, (off / 4) % 2 ? nan : -inf);
    for (std::size_t w : kWheelStart)
        for (std::size_t off = 4; off < 128; off += 4) bad.F32(w + off, inf);
    bad.U8(288, 255).U8(289, 255);
    for (std::size_t w : kWheelStart) bad.U8(w, 255);
    bad.I32(52, INT32_MIN).I32(56, INT32_MAX);
    bad.U8(8, 0).U8(9, 0xC9).U8(10, 0x01);  // name bytes: NUL, a Latin-1 letter, a control
    const auto boxes = DataOutputBoxTexts(*files::ParseDataOutputRecord(bad.Str()));
    EXPECT_EQ(boxes[63], "Unknown (255)");
    for (int base : kWheelBox) EXPECT_EQ(boxes[base], "Unknown (255)");
    EXPECT_EQ(boxes[2], "?\u00C9?T");
    EXPECT_EQ(boxes[13], "-32768");
    EXPECT_EQ(boxes[14], "32768");
    for (const std::string& t : boxes) EXPECT_TRUE(IsANumberOrNoText(t)) << t;
    EXPECT_EQ(boxes[4], "N/A");
    EXPECT_EQ(boxes[54], "N/A");  // no unit after a figure that cannot be given
}

// Random files (fixed seed): whatever the bytes, every box gets a text, and none of them is a
// not-a-number or infinity text.
TEST(ReaderTextsOfRandomBytes, NeverShowNotANumber) {
    sample::ResetAll();
    std::mt19937 random(20261207u);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 500; ++n) {
        std::string out(896, '\0'), setup(132, '\0');
        for (char& c : out) c = static_cast<char>(byte(random));
        for (char& c : setup) c = static_cast<char>(byte(random));
        for (const std::string& t : files::DataOutputBoxTexts(*files::ParseDataOutputRecord(out)))
            ASSERT_TRUE(IsANumberOrNoText(t)) << t;
        const auto d = files::SetupReaderTexts(*files::ParseSetupRecord(setup));
        for (const std::string& t : d.Info) ASSERT_TRUE(IsANumberOrNoText(t)) << t;
        for (const std::string& t : d.Blanks) ASSERT_TRUE(IsANumberOrNoText(t)) << t;
    }
}

}  // namespace
