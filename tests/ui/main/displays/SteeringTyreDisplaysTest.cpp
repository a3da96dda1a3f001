// The steering and tyre captions on the started program with the shipped sample car: every
// label the writers fill holds a finite figure, the setting captions match their sliders, and
// the wheel choice selects the per-wheel figures.
#include <gtest/gtest.h>

#include <string>

#include "analysis/PhysicalCode.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "support/StartedProgram.hpp"
#include "ui/main/displays/LiveDisplays.hpp"
#include "ui/main/displays/SteeringTyreDisplays.hpp"

namespace {

using SteeringTyreDisplaysTest = testsupport::StartedProgram;

bool Finite(const std::string& caption) {
    return !caption.empty() && caption.find("NaN") == caption.npos &&
           caption.find("Inf") == caption.npos;
}

TEST_F(SteeringTyreDisplaysTest, SampleCarCaptionsAreFilledAndFinite) {
    CopyShippedData();
    ui::SteeringTyreDisplays() = ui::SteeringTyreDisplaysState{};
    ui::Main& w = Start();
    ASSERT_GT(core::GlobalChassisLab().VehicleCount, 0);
    w.Live_SteeringAngle->SetValue(-150);  // a left turn loads the right-hand wheels
    w.Live_Speed->SetValue(20);
    ui::AnalyseLiveState(w);
    ui::ShowSteeringAnalysis(w);
    w.Analysis_TyreChoice->SetListIndex(0);
    ui::ShowTyreAnalysis(w);

    using T = core::LabelArray;
    for (const auto& c : ui::SteeringTyreDisplays().Steering) {
        const auto& label = c.Array == T::Set_LiveLabel    ? w.Set_LiveLabel(c.Index)
                            : c.Array == T::Set_TyreLabel  ? w.Set_TyreLabel(c.Index)
                            : c.Array == T::Set_SteerLabel ? w.Set_SteerLabel(c.Index)
                                                           : w.Analysis_SteeringLabel(c.Index);
        EXPECT_TRUE(Finite(label.Caption()) && label.Caption() == c.Text) << c;
    }
    for (int i = 100; i <= 117; ++i) EXPECT_TRUE(Finite(w.Analysis_TyreLabel(i).Caption())) << i;
    EXPECT_TRUE(Finite(w.Set_TyreLabel(4).Caption()) && Finite(w.Set_TyreLabel(5).Caption()));
    EXPECT_EQ(w.Set_SteerLabel(102).Caption(), std::to_string(w.Set_SteerAckermann->Value()) + "%");
    EXPECT_EQ(w.Set_LiveLabel(100).Caption(),
              std::to_string(w.Live_TyreTemp(0).Value()) + core::TextTable().DegreesCelsiusSuffix);
    EXPECT_EQ(w.Set_LiveLabel(108).Caption(),
              core::UnitValueText(core::Quantity::Angle, 15.0 / core::kDegreesPerRadian) + " Left");
    EXPECT_NE(w.Analysis_SteeringLabel(122).Caption(), "N/A");  // turning: a radius
    EXPECT_NE(w.Analysis_TyreLabel(113).Caption(), "N/A");      // a loaded corner bounces
    EXPECT_EQ(w.Analysis_TyreLabel(5).ForeColor(), vehicle::kSidewallNormalColour);

    const auto& loads = analysis::PhysicalCode().CornerDynamicLoad;
    ASSERT_NE(loads[0], loads[1]);
    const std::string share = w.Analysis_TyreLabel(101).Caption();
    EXPECT_EQ(w.Analysis_TyreLabel(116).Caption(),
              core::UnitValueText(core::Quantity::Force, loads[0]));
    w.Analysis_TyreChoice->SetListIndex(1);
    ui::ShowTyreAnalysis(w);
    EXPECT_EQ(w.Analysis_TyreLabel(116).Caption(),
              core::UnitValueText(core::Quantity::Force, loads[1]));
    EXPECT_EQ(w.Analysis_TyreLabel(101).Caption(), share);
}

}  // namespace
