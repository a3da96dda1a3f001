// The run graphs work out the range of each table column they draw once per run: redrawing the
// page's graphs or resizing a graph window walks no column again, and the graphs of a new run
// are those a fresh walk gives.
#include <gtest/gtest.h>

#include <string>

#include "charts/ResizeableGraphCode.hpp"
#include "support/StartedProgram.hpp"
#include "support/WindowDump.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/displays/ChartDisplays.hpp"
#include "ui/main/form/Main.hpp"

namespace {

class RunGraphRanges : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
        charts::OpenGraphWindow();
        window = ui::ResizeableGraphWindows().Windows.Peek(0);
        window->GraphMenuItem_Click(charts::GraphGroup::Acceleration, 3);  // forces
        main->Analysis_AccGraphData(0).UserSelect(3);
        main->Analysis_DecGraphData(0).UserSelect(3);
    }
    // Both runs' readings remembered.
    static std::size_t Readings() {
        return analysis::AccelerationCode().AccDataRanges.Readings() +
               analysis::DecelerationCode().DecDataRanges.Readings();
    }
    std::string Shown() const {
        return testsupport::ShownControls(*main) + testsupport::ShownControls(*window);
    }
    ui::Main* main = nullptr;
    ui::ResizeableGraphWindow* window = nullptr;
};

TEST_F(RunGraphRanges, EachColumnIsWalkedOncePerRun) {
    const std::size_t readings = Readings();
    EXPECT_GT(analysis::AccelerationCode().AccDataRanges.Readings(), 0u);
    EXPECT_GT(analysis::DecelerationCode().DecDataRanges.Readings(), 0u);
    for (int size : {600, 800, 600}) window->UserResize(size, size, size, size - 40);
    main->Analysis_AccGraphData(0).UserSelect(3);
    main->Analysis_DecGraphData(0).UserSelect(3);
    EXPECT_EQ(Readings(), readings);

    // A new run of each with a full tank: its graphs are drawn from its own ranges alone.
    main->Live_FuelLoad->SetValue(main->Live_FuelLoad->Max());
    main->Analysis_AccCalc->UserClick();
    main->Analysis_DecCalc->UserClick();
    const std::string afterRuns = Shown();
    const std::size_t runReadings = Readings();
    analysis::AccelerationCode().AccDataRanges.Clear();
    analysis::DecelerationCode().DecDataRanges.Clear();
    ui::DrawAccGraph(*main, analysis::AccelerationCode().AccTimeStep);
    ui::DrawDecGraph(*main);
    EXPECT_EQ(Readings(), runReadings);
    EXPECT_TRUE(Shown() == afterRuns);
}

}  // namespace
