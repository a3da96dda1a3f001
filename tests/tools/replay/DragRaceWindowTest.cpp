// The acceleration replay viewer with runs made by hand (a constant acceleration a from rest:
// speed a t, distance a t^2 / 2) and the timer ticked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/ToolWindowTestSupport.hpp"
#include "analysis/AccelerationCode.hpp"
#include "core/AccTargets.hpp"
#include "platform/Controls.hpp"
#include "support/SampleVehicles.hpp"

namespace {

namespace Col = analysis::AccCol;

class DragRaceWindowTest : public tools_test::ToolWindowTest {
protected:
    void SetUp() override {
        ToolWindowTest::SetUp();
        sample::ResetAll();
        tools_test::ResetProgramBasics();
        core::InitAccTargets();
        sample::Prepare(sample::SampleCar());
        analysis::AccelerationCode() = analysis::AccelerationCodeState{};
    }

    // A run of `lastStep` + 1 samples at `dt` s with constant acceleration `a` (m/s^2); the
    // table is sized for more rows than the run wrote, as the real run's is.
    static void MakeRun(int32_t lastStep, float dt, float a = 5.0f) {
        auto& acc = analysis::AccelerationCode();
        acc.AccData.assign(static_cast<std::size_t>(lastStep + 100) * analysis::kAccColumns, -7.0f);
        acc.AccLastStep = lastStep;
        acc.AccTimeStep = dt;
        for (int32_t i = 0; i <= lastStep; ++i) {
            const float t = i * dt;
            float* row = &acc.AccData[static_cast<std::size_t>(i) * analysis::kAccColumns];
            for (int c = 0; c < analysis::kAccColumns; ++c) row[c] = 0.0f;
            row[Col::Throttle] = 1.0f;
            row[Col::Clutch] = 1.0f;
            row[Col::Gear] = 1.0f;
            row[Col::EngineSpeed] = 300.0f;
            row[Col::Acceleration] = a;
            row[Col::Speed] = a * t;
            row[Col::Distance] = 0.5f * a * t * t;
            row[Col::CoGHeight] = 0.5f;
            row[Col::CoGFrontShare] = 0.55f;
            for (int k = 0; k < 4; ++k) {
                row[Col::LoadedSpringLength + k] = 0.05f;
                row[Col::TyreDeflection + k] = 0.01f;
            }
        }
    }
    ui::DragRaceWindow& Open() {
        ui::ShowDragRaceWindow();
        return *ui::PeekDragRaceWindow();
    }
    static void TickUntilStopped(ui::DragRaceWindow& w, int most = 10000) {
        for (int i = 0; i < most && w.PlayTimer->Enabled(); ++i) w.PlayTimer->Tick();
    }
};

TEST_F(DragRaceWindowTest, OpensStoppedAtNormalSpeedWithNothingToStoreBeforeARun) {
    auto& w = Open();
    EXPECT_EQ(w.ControlLabel(102).Caption(), "Stopped");
    EXPECT_EQ(w.ControlLabel(101).Caption(), "1x");
    EXPECT_FALSE(w.PlayTimer->Enabled());
    EXPECT_FALSE(w.Run1Add->Enabled());  // no acceleration run yet
    w.UseCurrentRun(0);
    EXPECT_FALSE(w.Runs[0].Present);
    // Play with nothing stored moves nothing.
    w.Go->UserClick();
    EXPECT_EQ(w.ControlLabel(102).Caption(), "Playing");
    EXPECT_FALSE(w.PlayTimer->Enabled());
    MakeRun(500, 0.01f);
    ui::ShowDragRaceWindow();
    EXPECT_TRUE(w.Run1Add->Enabled());
}

TEST_F(DragRaceWindowTest, StoringARunCopiesItAndSizesTheSlider) {
    MakeRun(2000, 0.002f);
    auto& w = Open();
    w.Run1Add->UserClick();
    const auto& run = w.Runs[0];
    ASSERT_TRUE(run.Present);
    EXPECT_EQ(run.StepPerTick, 25);  // 0.05 s / 0.002 s
    EXPECT_EQ(run.LastStep, 2000);
    EXPECT_EQ(run.Data.size(), 2001u * analysis::kAccColumns);  // only the rows written
    EXPECT_EQ(w.ProgressMeter->Max(), 80);                      // 2000 / 25
    EXPECT_EQ(w.RTAFrame(1).Caption(), "Run 1: Sample Saloon");
    // Later runs do not change the stored copy.
    MakeRun(100, 0.01f, 1.0f);
    EXPECT_EQ(w.Runs[0].LastStep, 2000);
    EXPECT_FLOAT_EQ(w.Runs[0].At(2000, Col::Acceleration), 5.0f);
}

TEST_F(DragRaceWindowTest, TicksAdvanceByTheStepAndShowRunOneTime) {
    MakeRun(2000, 0.002f);
    auto& w = Open();
    w.Run1Add->UserClick();
    w.Go->UserClick();
    EXPECT_TRUE(w.PlayTimer->Enabled());
    w.PlayTimer->Tick();  // slider stays at 0, positions move on by 25
    EXPECT_EQ(w.ProgressMeter->Value(), 0);
    EXPECT_EQ(w.Runs[0].Position, 25);
    w.PlayTimer->Tick();  // slider 1: sample 25 is shown
    EXPECT_EQ(w.ProgressMeter->Value(), 1);
    EXPECT_EQ(w.ControlLabel(100).Caption(), "0.05s");
    // 5 m/s^2 for 0.05 s: 0.25 m/s; 1/2 x 5 x 0.05^2 = 0.00625 m.
    EXPECT_EQ(w.Run1Label(105).Caption(), "0.3 m/s");
    EXPECT_EQ(w.Run1Label(103).Caption(), "1");
    EXPECT_FALSE(w.Run1PitchDiagram->Surf().DisplayList().empty());
    EXPECT_FALSE(w.DragStrip->Surf().DisplayList().empty());
    // Pause keeps the place; Play resumes from it.
    w.Pause->UserClick();
    EXPECT_EQ(w.ControlLabel(102).Caption(), "Paused");
    EXPECT_FALSE(w.PlayTimer->Enabled());
    w.Go->UserClick();
    w.PlayTimer->Tick();
    EXPECT_EQ(w.ProgressMeter->Value(), 2);
    // Stop goes back to sample 0.
    w.Stop->UserClick();
    EXPECT_EQ(w.ProgressMeter->Value(), 0);
    EXPECT_EQ(w.ControlLabel(100).Caption(), "0s");
    EXPECT_EQ(w.ControlLabel(102).Caption(), "Stopped");
}

TEST_F(DragRaceWindowTest, PlayingToTheEndStopsTheTimer) {
    MakeRun(1003, 0.01f);  // step 5 at 1x
    auto& w = Open();
    w.Run1Add->UserClick();
    w.Go->UserClick();
    TickUntilStopped(w);
    EXPECT_FALSE(w.PlayTimer->Enabled());
    EXPECT_EQ(w.ControlLabel(102).Caption(), "Stopped");
    EXPECT_EQ(w.ProgressMeter->Value(), 200);        // sample 1000, the last multiple of 5
    EXPECT_EQ(w.ControlLabel(100).Caption(), "10s");  // 1000 x 0.01 s
    EXPECT_EQ(w.Runs[0].Position, 0);                // the next Play starts again
}

TEST_F(DragRaceWindowTest, SpeedChangesRescaleTheSliderAndTheSteps) {
    MakeRun(2000, 0.002f);
    auto& w = Open();
    w.Run1Add->UserClick();
    w.Slower->UserClick();  // 1x -> 0.2x
    EXPECT_EQ(w.Runs[0].StepPerTick, 5);
    EXPECT_EQ(w.ProgressMeter->Max(), 400);
    EXPECT_EQ(w.ControlLabel(101).Caption(), "0.2x");
    EXPECT_FALSE(w.Slower->Enabled());
    w.Faster->UserClick();  // back to 1x
    w.Faster->UserClick();  // 2x
    EXPECT_EQ(w.Runs[0].StepPerTick, 50);
    EXPECT_EQ(w.ProgressMeter->Max(), 40);
    EXPECT_EQ(w.ControlLabel(101).Caption(), "2x");
    EXPECT_FALSE(w.Faster->Enabled());
    EXPECT_TRUE(w.Slower->Enabled());
    // After Play, a change keeps the run time: sample 150 is shown at step 50 (slider 3); at
    // 1x it is slider 6.
    w.Go->UserClick();
    for (int i = 0; i < 4; ++i) w.PlayTimer->Tick();
    EXPECT_EQ(w.ProgressMeter->Value(), 3);
    EXPECT_EQ(w.Runs[0].Position, 200);
    w.Slower->UserClick();
    EXPECT_EQ(w.ProgressMeter->Value(), 6);  // 150 / 25
    // A run stored at 0.2x gets the 0.2x step.
    w.Slower->UserClick();
    MakeRun(1000, 0.002f);
    w.Run2Add->UserClick();
    EXPECT_EQ(w.Runs[1].StepPerTick, 5);
}

// A speed change keeps the shown run time within one new step wherever the replay stands,
// and the replay goes on from there. A run of 4 s at 0.002 s: 1x is 25 samples a tick.
TEST_F(DragRaceWindowTest, ASpeedChangeKeepsTheShownTime) {
    const struct {
        int startSpeed;  // Slower (-1: 0.2x) or Faster (1: 2x) clicks before the run is stored
        int ticks;       // ticks played, then Pause; 0: the slider is dragged to 60 instead
        bool faster;     // the change tested
    } cases[] = {{0, 50, true}, {-1, 120, true}, {1, 30, false}, {0, 50, false}, {0, 0, true}};
    auto seconds = [](ui::DragRaceWindow& w) { return std::stod(w.ControlLabel(100).Caption()); };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.startSpeed) + " " + std::to_string(c.ticks));
        tools_test::ResetToolWindows();
        MakeRun(2000, 0.002f);
        auto& w = Open();
        if (c.startSpeed != 0) (c.startSpeed < 0 ? w.Slower : w.Faster)->UserClick();
        w.Run1Add->UserClick();
        w.Go->UserClick();
        for (int i = 0; i < c.ticks; ++i) w.PlayTimer->Tick();
        w.Pause->UserClick();
        if (c.ticks == 0) w.ProgressMeter->UserClickAt(60);
        const double before = seconds(w);
        ASSERT_GT(before, 1.0);
        (c.faster ? w.Faster : w.Slower)->UserClick();
        const double step = w.Runs[0].StepPerTick * 0.002;  // s a tick at the new speed
        const double after = seconds(w);
        EXPECT_LE(std::abs(after - before), step + 1e-6) << before << " -> " << after;
        w.Go->UserClick();  // goes on from the shown frame
        w.PlayTimer->Tick();
        w.PlayTimer->Tick();
        EXPECT_NEAR(seconds(w), after + step, 1e-6);
    }
    // After the end the last frame stays, and the next Play starts again from sample 0.
    tools_test::ResetToolWindows();
    MakeRun(2000, 0.002f);
    auto& w = Open();
    w.Run1Add->UserClick();
    w.Go->UserClick();
    TickUntilStopped(w);
    w.Faster->UserClick();
    EXPECT_EQ(w.ControlLabel(100).Caption(), "4s");
    w.Go->UserClick();
    w.PlayTimer->Tick();
    EXPECT_EQ(w.ControlLabel(100).Caption(), "0s");
}

TEST_F(DragRaceWindowTest, TheLongerRunDrivesAndTheTimeFollowsRunOne) {
    MakeRun(300, 0.01f);
    auto& w = Open();
    w.Run2Add->UserClick();  // only run 2: no time label
    w.Go->UserClick();
    w.PlayTimer->Tick();
    w.PlayTimer->Tick();
    EXPECT_EQ(w.ProgressMeter->Value(), 1);
    EXPECT_EQ(w.ControlLabel(100).Caption(), "");
    EXPECT_NE(w.Run2Label(105).Caption(), "");
    w.Stop->UserClick();
    MakeRun(200, 0.01f);
    w.Run1Add->UserClick();
    EXPECT_EQ(tools::DrivingSlot(w.Runs), 1);  // run 2 is longer
    EXPECT_EQ(w.ProgressMeter->Max(), 60);
    w.Go->UserClick();
    TickUntilStopped(w);
    // Ran to the longer run's end: the tick that reaches sample 300 ends the replay, so the
    // last frame shown is sample 295.
    EXPECT_EQ(w.ProgressMeter->Value(), 59);
    // Clearing the longer run leaves the shorter's range.
    w.Run2Clear->UserClick();
    EXPECT_EQ(w.ProgressMeter->Max(), 40);
    EXPECT_EQ(w.Run2Label(105).Caption(), "");
    EXPECT_EQ(tools::DrivingSlot(w.Runs), 0);
    w.Run1Clear->UserClick();
    EXPECT_EQ(w.ProgressMeter->Max(), 10);
    EXPECT_EQ(tools::DrivingSlot(w.Runs), -1);
}

TEST_F(DragRaceWindowTest, GearShowsADashDuringAShift) {
    MakeRun(100, 0.01f);
    auto& acc = analysis::AccelerationCode();
    for (int32_t i = 50; i <= 100; ++i) {
        acc.AccData[static_cast<std::size_t>(i) * analysis::kAccColumns + Col::Gear] = 2.0f;
        acc.AccData[static_cast<std::size_t>(i) * analysis::kAccColumns + Col::Clutch] = 0.4f;
    }
    auto& w = Open();
    w.Run1Add->UserClick();
    w.ProgressMeter->UserClickAt(12);  // sample 60
    EXPECT_EQ(w.Run1Label(103).Caption(), "-");
    EXPECT_EQ(w.Run1Label(101).Caption(), "60%");
    w.ProgressMeter->UserClickAt(2);
    EXPECT_EQ(w.Run1Label(103).Caption(), "1");
}

TEST_F(DragRaceWindowTest, TotalDistanceSpansTheLongerRun) {
    // 5 m/s^2 for 12.68 s is 402 m; 4.724 m/s^2 for the same time about 380 m.
    MakeRun(1268, 0.01f, 5.0f);
    auto& w = Open();
    w.Run1Add->UserClick();
    MakeRun(1268, 0.01f, 4.7264f);
    w.Run2Add->UserClick();
    w.RaceDistance->UserSelect(2);
    EXPECT_EQ(w.RaceDistanceChoice, 2);
    w.ProgressMeter->UserClickAt(w.ProgressMeter->Max());
    const auto& ops = w.DragStrip->Surf().DisplayList();
    const double width = w.DragStrip->Surf().PixelWidth();
    int markers = 0;
    for (const auto& op : ops) {
        if (op.kind != platform::DrawOpKind::Circle) continue;
        ++markers;
        if (op.color == 0xFF0000) EXPECT_NEAR(op.x1, width - 15.0, 0.5);          // run 1 at the end
        else EXPECT_NEAR(op.x1, 15.0 + (width - 30.0) * 380.0 / 402.0, 1.5);      // run 2 behind
    }
    EXPECT_EQ(markers, 2);
}

}  // namespace
