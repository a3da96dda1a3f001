// The replay viewer's handlers: storing and clearing runs, play, pause, stop, the play speed,
// the timer tick and the frame update. The arithmetic is in ReplayPlayback.
#include "ui/tools/replay/DragRaceWindow.hpp"

#include "analysis/AccelerationCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "charts/VehicleDiagrams.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "vehicle/TyreCode.hpp"

namespace ui {

namespace {

struct DragRaceWindowState {
    platform::FormHolder<DragRaceWindow> Holder;
};
DragRaceWindowState& ReplayWindow() {
    static DragRaceWindowState state;
    return state;
}

enum StateName { kStopped = 0, kPaused = 1, kPlaying = 2 };
enum SpeedName { kSlow = 0, kNormal = 1, kFast = 2 };

const std::string& StateText(int i) { return core::TextTable().DragRaceStateNames[static_cast<std::size_t>(i)]; }
const std::string& SpeedText(int i) { return core::TextTable().DragRaceSpeedNames[static_cast<std::size_t>(i)]; }

bool RunExists() { return analysis::AccelerationCode().AccLastStep >= 0; }

// The side view of a stored run at its sample. The one place the replay draws it.
void DrawSlotPitchDiagram(platform::PictureBox& picture, tools::ReplayRun& run, int32_t sample) {
    platform::Surface& s = picture.Surf();
    const tools::PitchFrame f = tools::PreparePitchFrame(run, sample, s.ScaleWidth());
    charts::DrawPitchDiagram(s, run.Tyres, run.Corners, run.Vehicle, f.CoG, f.UndertrayHeight,
                             f.FrontWingHeight, f.RearWingHeight, f.Scale);
}

}  // namespace

DragRaceWindow::DragRaceWindow() : platform::Form("DragRaceWindow") {
    SetClosesOnEscape(true);
    SetCaption("Real-time Acceleration Viewer");
    BuildLayout();
    InstallHandlers();
}

void DragRaceWindow::InstallHandlers() {
    Load = [this] { DragRaceWindow_Load(); };
    Run1Add->Click = [this] { UseCurrentRun(0); };
    Run2Add->Click = [this] { UseCurrentRun(1); };
    Run1Clear->Click = [this] { ClearRun(0); };
    Run2Clear->Click = [this] { ClearRun(1); };
    Go->Click = [this] { Go_Click(); };
    Pause->Click = [this] { Pause_Click(); };
    Stop->Click = [this] { Stop_Click(); };
    Slower->Click = [this] { Slower_Click(); };
    Faster->Click = [this] { Faster_Click(); };
    PlayTimer->TimerEvent = [this] { PlayTimer_Timer(); };
    ProgressMeter->Change = [this] { FrameUpdate(); };
    ProgressMeter->Scroll = [this] { FrameUpdate(); };
    RaceDistance->Click = [this] { RaceDistance_Click(); };
}

void DragRaceWindow::DragRaceWindow_Load() {
    RunCount = 0;
    Runs = {};
    SlowMode = FastMode = false;
    Slower->SetEnabled(true);
    Faster->SetEnabled(true);
    const auto& names = core::TextTable().DragRaceDistanceNames;
    for (const std::string& n : names) RaceDistance->AddItem(n);
    RaceDistance->SetText(names[0]);
    ControlLabel(102).SetCaption(StateText(kStopped));
    ControlLabel(101).SetCaption(SpeedText(kNormal));
    UpdateUseButtons();
}

void DragRaceWindow::UpdateUseButtons() {
    Run1Add->SetEnabled(RunExists());
    Run2Add->SetEnabled(RunExists());
}

tools::PlaySpeed DragRaceWindow::Speed() const {
    if (SlowMode) return tools::PlaySpeed::Slow;
    if (FastMode) return tools::PlaySpeed::Fast;
    return tools::PlaySpeed::Normal;
}

void DragRaceWindow::UseCurrentRun(int slot) {
    if (slot < 0 || slot > 1 || !RunExists()) return;  // nothing to store
    const auto& acc = analysis::AccelerationCode();
    tools::ReplayRun& run = Runs[static_cast<std::size_t>(slot)];
    run = tools::CaptureRun(acc.AccData, acc.AccLastStep, acc.AccTimeStep,
                            core::GlobalChassisLab().CurrentVehicle,
                            analysis::SuspensionCode().SuspCorners, vehicle::TyreCode().WheelTyres,
                            tools::TickSeconds(Speed()));
    if (!run.Present) return;
    RTAFrame(slot + 1).SetCaption("Run " + std::to_string(slot + 1) + ": " +
                                  core::TrimRight(run.Vehicle.Name));
    const int32_t ticks = tools::TicksFor(run.LastStep, run.StepPerTick);
    if (ProgressMeter->Max() < ticks) SetSliderMax(ticks);
}

void DragRaceWindow::ClearRun(int slot) {
    if (slot < 0 || slot > 1) return;
    Runs[static_cast<std::size_t>(slot)] = tools::ReplayRun{};  // frees the stored table
    RTAFrame(slot + 1).SetCaption("Run " + std::to_string(slot + 1));
    ProgressMeter->SetValue(0);
    for (int i = 100; i <= 106; ++i) SlotLabels(slot)(i).SetCaption("");
    ControlLabel(100).SetCaption("");
    const tools::ReplayRun& other = Runs[static_cast<std::size_t>(1 - slot)];
    SetSliderMax(other.Present ? tools::TicksFor(other.LastStep, other.StepPerTick) : 10);
}

void DragRaceWindow::SetSliderMax(int32_t max) {
    ProgressMeter->SetMax(max);
    // About twenty tick marks whatever the run's length.
    ProgressMeter->SetTickFrequency(max > 20 ? max / 20 : 1);
}

void DragRaceWindow::Go_Click() {
    RunCount = static_cast<uint8_t>((Runs[0].Present ? 1 : 0) + (Runs[1].Present ? 1 : 0));
    ControlLabel(102).SetCaption(StateText(kPlaying));
    if (RunCount > 0) PlayTimer->SetEnabled(true);
}

void DragRaceWindow::Pause_Click() {
    PlayTimer->SetEnabled(false);
    ControlLabel(102).SetCaption(StateText(kPaused));
}

void DragRaceWindow::Stop_Click() {
    PlayTimer->SetEnabled(false);
    Runs[0].Position = Runs[1].Position = 0;
    ControlLabel(100).SetCaption("");
    ProgressMeter->SetValue(0);
    ControlLabel(102).SetCaption(StateText(kStopped));
}

void DragRaceWindow::PlayTimer_Timer() {
    const int driving = tools::DrivingSlot(Runs);
    if (driving >= 0) {
        const tools::ReplayRun& d = Runs[static_cast<std::size_t>(driving)];
        ProgressMeter->SetValue(tools::TicksFor(d.Position, d.StepPerTick));
    }
    for (auto& r : Runs) r.Position += r.StepPerTick;
    bool allEnded = true;
    for (const auto& r : Runs)
        if (r.Present && r.Position < r.LastStep) allEnded = false;
    if (allEnded) {
        // The slider keeps its last value; the next Play starts from sample 0.
        PlayTimer->SetEnabled(false);
        Runs[0].Position = Runs[1].Position = 0;
        ControlLabel(102).SetCaption(StateText(kStopped));
    }
}

void DragRaceWindow::RecomputeSteps() {
    const float t = tools::TickSeconds(Speed());
    for (auto& r : Runs)
        if (r.Present) r.StepPerTick = tools::StepsPerTick(t, r.TimeStep);
}

void DragRaceWindow::ChangeSpeed(bool slow, bool fast, int32_t sliderMax) {
    const int driving = tools::DrivingSlot(Runs);
    const int16_t oldStep = driving >= 0 ? Runs[static_cast<std::size_t>(driving)].StepPerTick : 0;
    const int32_t value = ProgressMeter->Value();
    // Positions at 0 with the slider elsewhere: the replay has ended (or was stopped), and the
    // next Play starts again from sample 0.
    const bool rewound = Runs[0].Position == 0 && Runs[1].Position == 0;
    SlowMode = slow;
    FastMode = fast;
    RecomputeSteps();
    if (driving < 0) {  // nothing stored: only the range changes
        SetSliderMax(sliderMax);
        return;
    }
    // The frame on show stays: the slider moves to the shown sample over the new step. The
    // range is changed on the side that never clamps the value, since a clamped value would
    // show another frame (the end, when the range shrinks).
    const int32_t shown = value * oldStep;
    const int32_t newValue =
        tools::TicksFor(shown, Runs[static_cast<std::size_t>(driving)].StepPerTick);
    if (sliderMax >= ProgressMeter->Max()) {
        SetSliderMax(sliderMax);
        ProgressMeter->SetValue(newValue);
    } else {
        ProgressMeter->SetValue(newValue);
        SetSliderMax(sliderMax);
    }
    if (rewound) Runs[0].Position = Runs[1].Position = 0;
}

void DragRaceWindow::Slower_Click() {
    if (FastMode) {  // 2x to 1x
        ChangeSpeed(false, false, ProgressMeter->Max() * 2);
        Faster->SetEnabled(true);
    } else {  // 1x to 0.2x
        ChangeSpeed(true, false, ProgressMeter->Max() * 5);
        Slower->SetEnabled(false);
    }
    ControlLabel(101).SetCaption(SpeedText(SlowMode ? kSlow : kNormal));
}

void DragRaceWindow::Faster_Click() {
    if (SlowMode) {  // 0.2x to 1x
        ChangeSpeed(false, false, core::CLng(ProgressMeter->Max() / 5.0));
        Slower->SetEnabled(true);
    } else {  // 1x to 2x
        ChangeSpeed(false, true, core::CLng(ProgressMeter->Max() / 2.0));
        Faster->SetEnabled(false);
    }
    ControlLabel(101).SetCaption(SpeedText(FastMode ? kFast : kNormal));
}

void DragRaceWindow::RaceDistance_Click() {
    const auto& names = core::TextTable().DragRaceDistanceNames;
    RaceDistanceChoice = 0;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (RaceDistance->Text() == names[i]) RaceDistanceChoice = static_cast<int>(i);
}

void DragRaceWindow::ShowSlot(int slot) {
    tools::ReplayRun& run = Runs[static_cast<std::size_t>(slot)];
    const auto texts = tools::SlotValueTexts(run, run.Position);
    for (int i = 0; i < 7; ++i)
        SlotLabels(slot)(100 + i).SetCaption(texts[static_cast<std::size_t>(i)]);
    DrawSlotPitchDiagram(SlotPicture(slot), run, run.Position);
}

void DragRaceWindow::FrameUpdate() {
    const int32_t v = ProgressMeter->Value();
    for (auto& r : Runs) r.Position = v * r.StepPerTick;
    // A run past its end keeps its last labels and side view.
    if (Runs[0].Present && Runs[0].Position <= Runs[0].LastStep) {
        ShowSlot(0);
        ControlLabel(100).SetCaption(tools::RunTimeText(Runs[0], Runs[0].Position));
    }
    if (Runs[1].Present && Runs[1].Position <= Runs[1].LastStep) ShowSlot(1);
    float xScale = 0.0f;
    tools::DrawRaceFrame(DragStrip->Surf(), Runs, RaceDistanceChoice, xScale);
}

void ShowDragRaceWindow() {
    DragRaceWindow& w = ReplayWindow().Holder.Get();
    w.Show();
    w.UpdateUseButtons();
}

DragRaceWindow* PeekDragRaceWindow() { return ReplayWindow().Holder.Peek(); }

void ResetDragRaceWindow() { ReplayWindow().Holder.Reset(); }

}  // namespace ui
