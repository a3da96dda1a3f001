// A double-click on a chart of the started program draws that graph in the newest graph window,
// with the item the box is showing checked in its View menu.
#include <gtest/gtest.h>

#include <vector>

#include "charts/ResizeableGraphCode.hpp"
#include "support/StartedProgram.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "vehicle/VehCode.hpp"

namespace {

using charts::ResizeableGraphCode;

class ChartDoubleClick : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        w = &Start();
        ASSERT_GT(core::GlobalChassisLab().VehicleCount, 0);
    }
    static ui::ResizeableGraphWindow& Window(int slot) {
        return *ui::ResizeableGraphWindows().Windows.Peek(static_cast<std::size_t>(slot));
    }
    static std::vector<int> CheckedIds(ui::ResizeableGraphWindow& gw) {
        std::vector<int> ids;
        for (int g = 0; g < charts::kGraphGroupCount; ++g) {
            const auto group = static_cast<charts::GraphGroup>(g);
            gw.GroupItems(group).ForEach([&](int k, platform::MenuItem& m) {
                if (m.Checked()) ids.push_back(charts::GroupRange(group).FirstId + k);
            });
        }
        return ids;
    }
    static void DoubleClick(platform::PictureBox& box) { box.UserDblClick(); }
    static int Shown() { return Window(ResizeableGraphCode().NewestGraphWindow).CurrentGraph(); }
    ui::Main* w = nullptr;
};

TEST_F(ChartDoubleClick, EachChartDrawsTheGraphItShowsIntoOneWindow) {
    EXPECT_EQ(ResizeableGraphCode().OpenGraphWindowCount, 0);
    w->Analysis_AccGraphData(1).SetListIndex(3);
    DoubleClick(w->Analysis_AccGraph(1));
    ASSERT_EQ(ResizeableGraphCode().OpenGraphWindowCount, 1);
    EXPECT_EQ(Shown(), 35);
    EXPECT_TRUE(Window(0).AccMenuItem(3).Checked());
    DoubleClick(*w->TorquePowerPlot);
    EXPECT_EQ(Shown(), 0);
    DoubleClick(*w->Analysis_PhysChart);
    EXPECT_EQ(Shown(), 1);
    w->Analysis_DecGraphData(0).SetListIndex(9);
    DoubleClick(w->Analysis_DecGraph(0));
    EXPECT_EQ(Shown(), 11);
    for (int i = 0; i <= 4; ++i) {
        DoubleClick(w->Analysis_SuspChart(i));
        EXPECT_EQ(Shown(), 12 + i);
    }
    w->Analysis_SuspDampGraphCombo->SetListIndex(2);
    DoubleClick(*w->Analysis_DampChart);
    EXPECT_EQ(Shown(), 19);
    DoubleClick(w->Analysis_SteeringDiagram(1));
    EXPECT_EQ(Shown(), 21);
    DoubleClick(w->Analysis_GearingGraph(1));
    EXPECT_EQ(Shown(), 23);
    w->Analysis_TyreChoice->SetListIndex(2);  // rear left
    DoubleClick(w->Analysis_TyreDrawing(0));
    EXPECT_EQ(Shown(), 26);
    DoubleClick(w->Analysis_TyreDrawing(1));
    EXPECT_EQ(Shown(), 28) << "the contact patches whatever the wheel chosen";
    ui::SettingHandlers().AeroGraphMode = core::VbTrue;  // the speed chart shows lift
    DoubleClick(w->Analysis_AeroForcesChart(0));
    EXPECT_EQ(Shown(), 30);
    EXPECT_EQ(CheckedIds(Window(0)), std::vector<int>{30});
    DoubleClick(w->Analysis_AeroForcesChart(1));
    EXPECT_EQ(Shown(), 31);
    EXPECT_EQ(ResizeableGraphCode().OpenGraphWindowCount, 1) << "all into the one window";
}

TEST_F(ChartDoubleClick, WithTheEditorOpenTheDynoChartOpensTheTorqueTableInstead) {
    w->VehData_Modification->SetVisible(true);  // the vehicle tools, as the header shows them
    w->VehData_EditExisting->UserClick();
    ASSERT_TRUE(core::FromVbBool(vehicle::VehCode().EditorOpen));
    DoubleClick(*w->TorquePowerPlot);
    EXPECT_EQ(ResizeableGraphCode().OpenGraphWindowCount, 0);
    EXPECT_TRUE(core::FromVbBool(ui::EngineDisplays().TorqueTableOpen));
    EXPECT_NE(ui::OpenTorqueDataTable(), nullptr);
}

TEST_F(ChartDoubleClick, AChartWithNothingToShowOpensNothing) {
    // A vehicle that is not wheel driven has no drive-train graph.
    core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType = vehicle::kDriveThrust;
    DoubleClick(w->Analysis_GearingGraph(0));
    EXPECT_EQ(ResizeableGraphCode().OpenGraphWindowCount, 0);
    // A data selector with no choice.
    w->Analysis_DecGraphData(1).SetListIndex(-1);
    DoubleClick(w->Analysis_DecGraph(1));
    EXPECT_EQ(ResizeableGraphCode().OpenGraphWindowCount, 0);
}

}  // namespace
