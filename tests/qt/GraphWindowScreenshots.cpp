// Every graph of the graph windows for each shipped sample car, at the window's designed size
// and a large one (graph_<id>_<car>_<size>.png) for a person to look at; each must draw something.
// One car a ctest entry.
#include <QImage>
#include <string>

#include "QtTestApp.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "core/TextTable.hpp"
#include "qt/RenderToPng.hpp"
#include "support/StartedProgram.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"

namespace {

// GetParam() is the car's place in the list.
class GraphWindowScreenshots : public testsupport::StartedProgram,
                               public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        qttest::App();
        StartedProgram::SetUp();
        CopyShippedData();
    }
};

TEST_P(GraphWindowScreenshots, EveryGraphOfASampleCarAtTwoSizes) {
    ui::Main& w = Start();
    ASSERT_EQ(core::GlobalChassisLab().VehicleCount, 3);
    charts::OpenGraphWindow();
    ui::ResizeableGraphWindow& gw = *ui::ResizeableGraphWindows().Windows.Peek(0);
    const char* cars[] = {"golf", "m3", "impreza"};
    struct Size {
        const char* name;
        int width, height;
    };
    const Size sizes[] = {{"small", gw.Width(), gw.Height()}, {"large", 1000, 700}};
    const int car = GetParam();
    if (car > 0) w.Main_SelectVeh->UserSelect(car);
    for (const Size& size : sizes) {
        gw.SetSize(size.width, size.height);
        for (int id = 0; id < charts::kGraphCount; ++id) {
            charts::GraphGroup group;
            ASSERT_TRUE(charts::GroupOfGraph(id, group));
            gw.GroupItems(group)(id - charts::GroupRange(group).FirstId).UserClick();
            EXPECT_EQ(gw.CurrentGraph(), id);
            EXPECT_FALSE(gw.LargeGraph().Surf().DisplayList().empty())
                << cars[car] << " graph " << id;
            const std::string path = qttest::ScreenshotPath("graph_" + std::to_string(id) + "_" +
                                                              cars[car] + "_" + size.name + ".png");
            EXPECT_TRUE(qtfront::RenderFormToPng(gw, path)) << path;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SampleCar, GraphWindowScreenshots, ::testing::Range(0, 3));

}  // namespace
