// The replay viewer's design-time layout: the two run frames side by side (values on the left,
// side view and buttons on the right), the drag strip across the window, and the control frame
// with the play buttons, the position slider and the play labels.
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "ui/tools/ToolLayout.hpp"

namespace ui {

using namespace toolkit;
using platform::CommandButton;
using platform::Frame;
using platform::Label;

namespace {
constexpr int kRunWidth = 410, kRunHeight = 216;
constexpr int kTitleWidth = 124, kValueLeft = 132, kValueWidth = 64;
constexpr int kValuePitch = 17;
}  // namespace

void DragRaceWindow::BuildLayout() {
    Move(120, 80, 844, 452);
    const char* titles[7] = {"Throttle:", "Clutch:", "Engine angular velocity:", "Gear:",
                             "Acceleration:", "Speed:", "Distance travelled:"};
    for (int slot = 0; slot < 2; ++slot) {
        const int k = slot + 1;
        Frame& run = MakeFrame(*this, RTAFrame, "RTAFrame", k, nullptr, 8 + slot * (kRunWidth + 8),
                               8, kRunWidth, kRunHeight, "Run " + std::to_string(k));
        // Sub-frames: "Controls" (3 and 8), "Drive-train" (4 and 7), "Vehicle" (5 and 6).
        const int sub[3] = {slot == 0 ? 3 : 8, slot == 0 ? 4 : 7, slot == 0 ? 5 : 6};
        const char* subCaptions[3] = {"Controls", "Drive-train", "Vehicle"};
        const int rowsIn[3] = {2, 2, 3};
        int top = kFrameHead;
        int item = 0;
        auto& labels = slot == 0 ? Run1Label : Run2Label;
        const std::string labelName = slot == 0 ? "Run1Label" : "Run2Label";
        for (int f = 0; f < 3; ++f) {
            const int height = kFrameHead + rowsIn[f] * kValuePitch + 4;
            Frame& sf = MakeFrame(*this, RTAFrame, "RTAFrame", sub[f], &run, 6, top, 200, height,
                                  subCaptions[f]);
            for (int r = 0; r < rowsIn[f]; ++r, ++item) {
                const int y = kFrameHead - 2 + r * kValuePitch;
                LabelAt(*this, labels, labelName, item, &sf, 6, y, kTitleWidth, titles[item]);
                LabelAt(*this, labels, labelName, 100 + item, &sf, kValueLeft, y, kValueWidth, "");
            }
            top += height + 4;
        }
        platform::PictureBox& pitch = Place<platform::PictureBox>(
            *this, slot == 0 ? "Run1PitchDiagram" : "Run2PitchDiagram", &run, 212, kFrameHead + 2,
            190, 156);
        pitch.SetBackColor(platform::RGB(255, 255, 255));
        (slot == 0 ? Run1PitchDiagram : Run2PitchDiagram) = &pitch;
        CommandButton& add = Place<CommandButton>(*this, slot == 0 ? "Run1Add" : "Run2Add", &run,
                                                  212, kFrameHead + 164, 92, kButtonHeight);
        add.SetCaption("Use current run");
        CommandButton& clear = Place<CommandButton>(*this, slot == 0 ? "Run1Clear" : "Run2Clear",
                                                    &run, 310, kFrameHead + 164, 92, kButtonHeight);
        clear.SetCaption("Clear run");
        (slot == 0 ? Run1Add : Run2Add) = &add;
        (slot == 0 ? Run1Clear : Run2Clear) = &clear;
    }

    DragStrip = &Place<platform::PictureBox>(*this, "DragStrip", nullptr, 8, kRunHeight + 16, 828, 72);
    DragStrip->SetBackColor(platform::RGB(255, 255, 255));

    Frame& control = MakeFrame(*this, RTAFrame, "RTAFrame", 0, nullptr, 8, kRunHeight + 96, 828,
                               104, "Control");
    auto button = [&](const char* name, const char* caption, int left) -> CommandButton& {
        CommandButton& b = Place<CommandButton>(*this, name, &control, left, kFrameHead + 2, 70,
                                                kButtonHeight);
        b.SetCaption(caption);
        return b;
    };
    Go = &button("Go", "Play", 8);
    Pause = &button("Pause", "Pause", 82);
    Stop = &button("Stop", "Stop", 156);
    Slower = &button("Slower", "Slower", 250);
    Faster = &button("Faster", "Faster", 324);
    LabelAt(*this, ControlLabel, "ControlLabel", 1, &control, 420, kFrameHead + 6, 50, "Race to:");
    RaceDistance = &Place<platform::ComboBox>(*this, "RaceDistance", &control, 474, kFrameHead + 3,
                                              120, kBoxHeight + 2);
    RaceDistance->SetStyle(platform::ComboStyle::DropdownList);
    ProgressMeter = &Place<platform::Slider>(*this, "ProgressMeter", &control, 8,
                                             kFrameHead + 36, 586, 40);
    ProgressMeter->SetMax(10);
    ProgressMeter->SetTickFrequency(10);
    const char* controlTitles[3] = {"Time passed:", "Play speed:", "Play status:"};
    for (int i = 0; i < 3; ++i) {
        const int y = kFrameHead + 6 + i * 22;
        LabelAt(*this, ControlLabel, "ControlLabel", i == 0 ? 0 : i + 1, &control, 616, y, 80,
                controlTitles[i]);
        LabelAt(*this, ControlLabel, "ControlLabel", 100 + i, &control, 700, y, 116, "")
            .SetFontBold(true);
    }
    PlayTimer = &Place<platform::Timer>(*this, "PlayTimer", nullptr, 0, 0, 0, 0);
    PlayTimer->SetInterval(tools::kReplayTimerMs);
    PlayTimer->SetEnabled(false);
}

}  // namespace ui
