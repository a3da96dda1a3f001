// Captions of the tyre analysis on a hand-set tyre state: the unit of each caption, the
// "a / b" forms, the wheel choice, the bottomed-out warning and "N/A". Expected texts are
// worked from the unit table (SI units unless a test selects another).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SampleVehicles.hpp"
#include "vehicle/TyreDisplay.hpp"

namespace {

using core::Quantity;
using Target = core::LabelArray;

class TyreDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::ResetAll();
        auto& s = vehicle::TyreCode();
        for (int i = 0; i < 4; ++i) s.WheelTyres[i].Pressure = 200000 + 10000 * i;
        s.FrontPatchShare = 0.55349f;
        s.WeightTransferGripLoss = 0.01234f;
        s.WheelGripLoss[2] = 0.0456f;
        auto& t = s.WheelTyres[2];
        t.LongGrip = 1.0567f;
        t.LatGrip = 0.95f;
        t.LongGripForce = 3456.7f;
        t.LatGripForce = 3100.2f;
        t.LatAccelRate = 10.1f;
        t.VerticalStiffness = 200000.0f;
        t.VerticalFrequency = 12.3456f;
        t.Deflection = 0.01234f;
        t.RollingRadius = 0.3f;
        t.RollingCircumference = 1.8849556f;  // 2 pi x 0.3
        t.WallHeightRemaining = 0.08f;
        t.PatchArea = 0.0216f;
        t.PatchAspect = 1.5f;
        in.Live = {{85, 90}, 12};
        in.Wheel = 2;
        in.CornerDynamicLoad = {3000.0f, 3000.0f, 3300.4f, 3300.0f};
    }
    std::string Text(int index, Target array = Target::Analysis_TyreLabel) {
        vehicle::TyreAnalysisCaptions(in, captions);
        for (const auto& c : captions)
            if (c.Array == array && c.Index == index) return c.Text;
        ADD_FAILURE() << "no caption " << index;
        return {};
    }
    vehicle::TyreCaptionInputs in;
    std::vector<core::Caption> captions;
};

TEST_F(TyreDisplayTest, CaptionsInTheirUnits) {
    EXPECT_EQ(Text(4, Target::Set_TyreLabel), "200 / 210 kPa");  // one suffix for the pair
    EXPECT_EQ(Text(100, Target::Set_LiveLabel), "85\u00B0C");
    EXPECT_EQ(Text(102, Target::Set_LiveLabel), "12%");
    EXPECT_EQ(Text(100), "55.3% Front");
    EXPECT_EQ(Text(111), "1.057 / 0.95");
    EXPECT_EQ(Text(112), "3457 N / 3100 N");
    EXPECT_EQ(Text(114), "4.6%");
    EXPECT_EQ(Text(115), "0 m/s\u00B2 / 10.1 m/s\u00B2");
    EXPECT_EQ(Text(102), "200 N/mm");
    EXPECT_EQ(Text(113), "12.35 Hz");
    EXPECT_EQ(Text(104), "0.3 m / 1.88 m");
    EXPECT_EQ(Text(109), "0.02 m\u00B2");
    EXPECT_EQ(Text(110), "1.5 : 1");
    for (auto [q, unit] : {std::pair{Quantity::Pressure, "Bar"},
                           {Quantity::DistanceSmall, "Millimetres"},
                           {Quantity::Area, "Square centimetres"},
                           {Quantity::Frequency, "Cycles per minute"}})
        ASSERT_TRUE(core::SelectUnitByName(q, unit));
    EXPECT_EQ(Text(5, Target::Set_TyreLabel), "2.2 / 2.3 bar");
    EXPECT_EQ(Text(103), "12 mm");
    EXPECT_EQ(Text(104), "300 mm / 1885 mm");
    EXPECT_EQ(Text(109), "216 cm\u00B2");
    EXPECT_EQ(Text(113), "741 cpm");  // 12.3456 x 60 = 740.7
}

TEST_F(TyreDisplayTest, WheelChoiceNotApplicableAndBottomingOut) {
    Text(100);
    const auto third = captions;
    in.Wheel = 0;  // nothing set on the front left but its pressure
    Text(100);
    ASSERT_EQ(captions.size(), third.size());
    for (std::size_t k = 0; k < captions.size(); ++k) {
        const bool perWheel = captions[k].Array == Target::Analysis_TyreLabel &&
                              captions[k].Index >= 102 && captions[k].Index != 117;
        if (!perWheel) EXPECT_EQ(captions[k].Text, third[k].Text) << captions[k].Index;
    }
    EXPECT_EQ(Text(116), "3000 N");
    EXPECT_EQ(Text(105), "0 m");
    EXPECT_EQ(Text(113), "N/A");  // no corner mass: frequency 0
    in.Wheel = 2;
    vehicle::TyreCode().WheelTyres[2].VerticalFrequency = 0.09f;
    EXPECT_EQ(Text(113), "N/A");
    // A bottomed-out tyre (less than 0.1 mm of sidewall left) turns its caption red.
    EXPECT_EQ(vehicle::SidewallCaptionColour(2), 0u);
    vehicle::TyreCode().WheelTyres[2].WallHeightRemaining = 0.00009f;
    EXPECT_EQ(vehicle::SidewallCaptionColour(2), 255u);
    in.Wheel = -1;  // no wheel chosen: no per-wheel figures, and no warning
    EXPECT_EQ(Text(116), "N/A");
    EXPECT_EQ(vehicle::SidewallCaptionColour(-1), 0u);
}

// Every wheel off the ground: no grip to share between the axles.
TEST_F(TyreDisplayTest, GripShareWithoutGrip) {
    vehicle::TyreCode().FrontGripShare = 0.4f;
    EXPECT_EQ(Text(101), "40% Front");
    vehicle::TyreCode().WheelTyres[2].LatAccelRate = 0.0f;
    EXPECT_EQ(Text(101), "N/A");
}

}  // namespace
