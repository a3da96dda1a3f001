// The setup reader window's texts for setup files built byte by byte from the published
// layout (not by the program's writer): every box, the flag bits, the padding bytes, and
// damaged files.
#include "files/SetupReaderTexts.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "ByteBuilder.hpp"
#include "support/SampleVehicles.hpp"

namespace {

using bytetest::Bytes;

// A file whose every field holds a distinct value.
Bytes HandBuiltSetup() {
    Bytes b(132);
    b.Text(0, "SRSETT").U8(6, 11).U8(7, 251).U8(8, 2).U8(9, 12);
    b.U16(10, 0xFFFE);  // the reverse ratio word, shown as padding (an Integer: -2)
    b.U8(12, 0x86);     // bits 1, 2, 7: TC, ABS, always set; bit 0 clear: symmetric
    b.U8(13, 13).U8(14, 45).U8(15, 3).F32(16, 2450.5f);
    b.U8(20, 12).U8(21, 7).U8(22, 30).U8(23, 15).U8(24, 36).U8(25, 20).U8(26, 68).U8(27, 40);
    b.U8(28, 1).U8(29, 60).U8(30, 31).U8(31, 55);
    b.U16(32, 65535).U16(34, 0).U16(36, 9362).U16(38, 18724).U16(40, 28086);
    b.U16(42, 37448).U16(44, 46810).U16(46, 56172);
    b.U8(48, 5).U8(49, 1).U8(50, 25).U8(51, 8);
    // Rear block at 52, front block at 92.
    b.F32(52, 0.125f).F32(56, 75000.0f).F32(60, 3500.0f).F32(64, 7250.0f).F32(68, 42000.0f);
    b.U8(72, 72).U8(73, 73).U8(74, 74).U8(75, 75);
    b.U8(76, 0).U8(77, 3).U8(78, 4).U8(79, 79).U8(80, 35).U8(81, 45).U8(82, 82);
    b.U8(83, 255).U8(84, 3).U8(85, 20).U8(86, 65).U8(87, 35);
    b.U16(88, 65535).U16(90, 180);
    b.F32(92, 0.25f).F32(96, 60000.0f).F32(100, 2500.0f).F32(104, 5000.0f).F32(108, 0.0f);
    b.U8(112, 112).U8(113, 113).U8(114, 114).U8(115, 115);
    b.U8(116, 9).U8(117, 62).U8(118, 8).U8(119, 119).U8(120, 50).U8(121, 40).U8(122, 122);
    b.U8(123, 4).U8(124, 0).U8(125, 0).U8(126, 100).U8(127, 0);
    b.U16(128, 200).U16(130, 210);
    return b;
}

files::SetupReaderDisplay Display(const Bytes& b) {
    const auto record = files::ParseSetupRecord(b.Str());
    EXPECT_TRUE(record);
    return files::SetupReaderTexts(record.value_or(files::LFSSetupRecord{}));
}

class SetupReaderTextsTest : public ::testing::Test {
protected:
    void SetUp() override { sample::ResetAll(); }
};

TEST_F(SetupReaderTextsTest, EveryBoxOfAHandBuiltFile) {
    const auto d = Display(HandBuiltSetup());
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    const std::array<std::string, files::kSetupInfoCount> expected{
        "SRSETT", "251", "2",
        // Misc
        "2.5%", "8", "7", "12", "36", "20%", "2450.5", "68%", "40%", "Michelin",
        // Passengers + handicaps: bits of 5, config 1, the unused byte 13, 45 %, 30, 15 %
        "00000101", "Open roof", "13", "45%", "30", "15%",
        // Suspension, rear then front: travel, rates / 1000, caster / 10
        "0.125", "0.25", "75", "60", "3.5", "2.5", "7.25", "5", "42", "0", "0.3", "6.2",
        // Final drive (word 0), gears 1..6 (words 9362 k), gear 7 (word 65535)
        "0.5", "1.5", "2.5", "3.5", "4.5", "5.5", "6.5", "7.5",
        // Centre differential: viscous, 60, 55 %
        "Viscous", "60", "55%",
        // Axle differentials, rear then front
        "Clutch pack", "Open", "20", "0", "2550", "40", "65%", "100%", "35%", "0%",
        // Compounds 4 and 8, toe bytes 0 and 9
        compounds[4].Name, compounds[8].Name, "-0.9", "0",
        // Camber RL, RR, FL, FR: (b - 45) / 10
        "-1", "0", "0.5", "-0.5",
        // Pressures RL, RR, FL, FR
        "-1", "180", "200", "210"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(d.Info[i], expected[i]) << i;
    EXPECT_EQ(d.Checks, (std::array<int, 4>{1, 0, 1, 1}));  // Post 0.5X, Asymmetric, TC, ABS
    const std::array<std::string, files::kSetupBlankCount> blanks{
        "", "11", "12", "-2", "", "31", "72", "73", "74", "75", "79", "82",
        "112", "113", "114", "115", "119", "122"};
    EXPECT_EQ(d.Blanks, blanks);
}

// Flag bit 0 set is an asymmetric setup, as the simulator and our own writer store it.
TEST_F(SetupReaderTextsTest, FlagBits) {
    Bytes b = HandBuiltSetup();
    b.U8(12, 0);
    EXPECT_EQ(Display(b).Checks, (std::array<int, 4>{0, 0, 0, 0}));
    b.U8(12, 135);  // bits 0, 1, 2, 7
    EXPECT_EQ(Display(b).Checks, (std::array<int, 4>{1, 1, 1, 1}));
    b.U8(12, 1);
    EXPECT_EQ(Display(b).Checks, (std::array<int, 4>{0, 1, 0, 0}));
}

// Bytes with no entry in their table, floats that are not numbers, a truncated file.
TEST_F(SetupReaderTextsTest, DamagedFiles) {
    Bytes b = HandBuiltSetup();
    for (std::size_t off : {15u, 28u, 49u, 78u, 84u, 118u, 124u}) b.U8(off, 255);
    b.F32(16, std::numeric_limits<float>::quiet_NaN());
    b.F32(56, std::numeric_limits<float>::infinity());
    b.F32(96, -std::numeric_limits<float>::infinity());
    b.F32(52, 3.0e38f);
    const auto d = Display(b);
    for (int box : {12, 14, 39, 42, 43, 52, 53}) EXPECT_EQ(d.Info[box], "Unknown (255)") << box;
    EXPECT_EQ(d.Info[9], "N/A");
    EXPECT_EQ(d.Info[21], "N/A");
    EXPECT_EQ(d.Info[22], "N/A");
    EXPECT_EQ(d.Info[19], "3E+38");
    // The first byte past each table.
    b = HandBuiltSetup();
    b.U8(15, 7).U8(28, 2).U8(49, 2).U8(78, 9).U8(84, 4);
    const auto e = Display(b);
    EXPECT_EQ(e.Info[12], "Unknown (7)");
    EXPECT_EQ(e.Info[39], "Unknown (2)");
    EXPECT_EQ(e.Info[14], "Unknown (2)");
    EXPECT_EQ(e.Info[52], "Unknown (9)");
    EXPECT_EQ(e.Info[42], "Unknown (4)");
    for (const auto& t : e.Info) EXPECT_EQ(t.find("nan"), std::string::npos);

    EXPECT_FALSE(files::ParseSetupRecord(HandBuiltSetup().Prefix(131)));
}

}  // namespace
