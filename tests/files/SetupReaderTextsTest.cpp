// The setup reader window's texts for setup files built byte by byte from the published
// layout (not by the program's writer): every box, the flag bits, the padding bytes, and
// damaged files.
#include "files/SetupReaderTexts.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "support/ByteBuilder.hpp"
#include "support/SampleVehicles.hpp"

namespace {

using bytetest::Bytes;
using bytetest::HandBuiltSetup;

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
        "-1", "180", "200", "210",
        // Reverse: word 65534 codes 7.5, plus the 0.5 the reverse word leaves out
        "8"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(d.Info[i], expected[i]) << i;
    EXPECT_EQ(d.Checks, (std::array<int, 4>{1, 0, 1, 1}));  // Post 0.5X, Asymmetric, TC, ABS
    const std::array<std::string, files::kSetupBlankCount> blanks{
        "", "11", "12", "", "", "31", "72", "73", "74", "75", "79", "82",
        "112", "113", "114", "115", "119", "122"};
    EXPECT_EQ(d.Blanks, blanks);
}

// Offsets 10-11 are the reverse gear's ratio word, as the program's own setup files hold it.
TEST_F(SetupReaderTextsTest, ReverseRatioWord) {
    Bytes b = HandBuiltSetup();
    b.U16(10, 25746);  // (3.75 - 1.0) x 9362, as the setup writer stores a reverse of 3.75
    const auto d = Display(b);
    EXPECT_EQ(d.Info[files::kSetupInfoReverseRatio], "3.75");
    EXPECT_EQ(d.Blanks[3], "");
    b.U16(10, 0);
    EXPECT_EQ(Display(b).Info[files::kSetupInfoReverseRatio], "1");
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
