// The acceleration replay viewer ("Real-time Acceleration Viewer"): plays up to two stored
// acceleration runs side by side at real time, 0.2x or 2x, with seven live values and a side
// view of each car and both cars as markers on a drag strip. The slider shows the replay
// position in timer ticks (value v stands for sample v x StepPerTick of each run, so both runs
// are at the same run time) and lets the person scrub.
//
// Stored runs are copies: later runs, vehicle changes or unit changes do not alter them (the
// labels use the units in force when a frame is drawn). "Use current run" is disabled while no
// acceleration run has been computed; an empty slot never reads a sample.
#pragma once

#include <array>

#include "platform/Form.hpp"
#include "ui/tools/replay/ReplayPlayback.hpp"

namespace ui {

class DragRaceWindow : public platform::Form {
public:
    DragRaceWindow();

    template <typename T>
    using Array = platform::ControlArray<T>;

    // ---- Window state ----
    std::array<tools::ReplayRun, 2> Runs;  // slots 1 and 2
    uint8_t RunCount = 0;          // slots holding a run when Play was last pressed
    int RaceDistanceChoice = 0;    // 0 distance 1, 1 distance 2, 2 total distance
    bool SlowMode = false;         // 0.2x
    bool FastMode = false;         // 2x

    // ---- Controls ----
    Array<platform::Frame> RTAFrame;  // 0 control, 1 and 2 runs, 3..8 the runs' sub-frames
    Array<platform::Label> Run1Label;  // 0..6 titles, 100..106 values
    Array<platform::Label> Run2Label;
    Array<platform::Label> ControlLabel;  // 0..3 titles, 100 time, 101 speed, 102 status
    platform::CommandButton* Go = nullptr;
    platform::CommandButton* Pause = nullptr;
    platform::CommandButton* Stop = nullptr;
    platform::CommandButton* Slower = nullptr;
    platform::CommandButton* Faster = nullptr;
    platform::CommandButton* Run1Add = nullptr;
    platform::CommandButton* Run2Add = nullptr;
    platform::CommandButton* Run1Clear = nullptr;
    platform::CommandButton* Run2Clear = nullptr;
    platform::Slider* ProgressMeter = nullptr;
    platform::ComboBox* RaceDistance = nullptr;
    platform::PictureBox* Run1PitchDiagram = nullptr;
    platform::PictureBox* Run2PitchDiagram = nullptr;
    platform::PictureBox* DragStrip = nullptr;
    platform::Timer* PlayTimer = nullptr;

    // ---- Handlers (slot 0 = run 1, 1 = run 2) ----
    void DragRaceWindow_Load();
    void UseCurrentRun(int slot);
    void ClearRun(int slot);
    void Go_Click();
    void Pause_Click();
    void Stop_Click();
    void Slower_Click();
    void Faster_Click();
    void PlayTimer_Timer();
    void RaceDistance_Click();
    // Shows the samples of slider value v: both slots' labels and side views, the time of run
    // 1 and the strip.
    void FrameUpdate();
    // "Use current run" follows whether an acceleration run exists.
    void UpdateUseButtons();

private:
    void BuildLayout();  // DragRaceWindowLayout.cpp
    void InstallHandlers();
    tools::PlaySpeed Speed() const;
    void RecomputeSteps();
    void SetSliderMax(int32_t max);
    // Moves to play speed 0.2x (slow), 2x (fast) or 1x (neither) with the slider's new range,
    // keeping the shown run time within half a new step.
    void ChangeSpeed(bool slow, bool fast, int32_t sliderMax);
    void ShowSlot(int slot);
    Array<platform::Label>& SlotLabels(int slot) { return slot == 0 ? Run1Label : Run2Label; }
    platform::PictureBox& SlotPicture(int slot) {
        return slot == 0 ? *Run1PitchDiagram : *Run2PitchDiagram;
    }
};

void ShowDragRaceWindow();
DragRaceWindow* PeekDragRaceWindow();
void ResetDragRaceWindow();

}  // namespace ui
