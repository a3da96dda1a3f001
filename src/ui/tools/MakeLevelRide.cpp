#include "ui/tools/MakeLevelRide.hpp"

#include <algorithm>

#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/tools/ToolLayout.hpp"

namespace ui {

namespace {

struct MakeLevelRideWindowState {
    platform::FormHolder<MakeLevelRide> Holder;
};
MakeLevelRideWindowState& LevelRideWindow() {
    static MakeLevelRideWindowState state;
    return state;
}

constexpr float kNmPerSliderUnit = 100.0f;

// Writes a slider value within the slider's range (its handler then recalculates).
void SetSpringSlider(int axle, int32_t value) {
    Main* main = core::GlobalChassisLab().MainForm;
    if (main == nullptr || !main->Set_SuspSpringStiffness.Has(axle)) return;
    platform::Slider& s = main->Set_SuspSpringStiffness(axle);
    s.SetValue(std::clamp(value, s.Min(), s.Max()));
}

}  // namespace

tools::LevelRideVehicle CurrentLevelRideVehicle() {
    const auto& car = core::GlobalChassisLab().CurrentVehicle;
    tools::LevelRideVehicle v;
    v.SprungAxleMass = analysis::PhysicalCode().SprungAxleMass;
    v.MotionRatio = {car.Axles[0].SpringMotionRatio, car.Axles[1].SpringMotionRatio};
    v.Wheelbase = car.Wheelbase;
    v.LiveSpeed = analysis::LiveStateCode().LiveSpeed;
    return v;
}

MakeLevelRide::MakeLevelRide() : platform::Form("MakeLevelRide") {
    using namespace toolkit;
    using platform::CommandButton;
    SetCaption("Make Level Ride");
    Move(220, 220, 300, 130);
    LevelRideFrame = &Place<platform::Frame>(*this, "LevelRideFrame", nullptr, 8, 6, 276, 56);
    LevelRideFrame->SetCaption("Level Ride Options");
    const char* captions[] = {"Stiffen", "Average", "Soften"};
    for (int i = 0; i < 3; ++i) {
        CommandButton& b = PlaceIn(*this, MakeRideLevel, "MakeRideLevel", i, LevelRideFrame,
                                   8 + i * 88, 22, 84, kButtonHeight);
        b.SetCaption(captions[i]);
        b.Click = [this, i] { MakeRideLevel_Click(i); };
    }
    Restore = &Place<CommandButton>(*this, "Restore", nullptr, 8, 70, 90, kButtonHeight);
    Restore->SetCaption("Revert");
    Close = &Place<CommandButton>(*this, "Close", nullptr, 194, 70, 90, kButtonHeight);
    Close->SetCaption("Done");
    SetCancelButton(Close);  // Esc: "Done"
    Load = [this] { MakeLevelRide_Load(); };
    Restore->Click = [this] { Restore_Click(); };
    Close->Click = [this] { Unload(); };
}

void MakeLevelRide::MakeLevelRide_Load() {
    if (Main* main = core::GlobalChassisLab().MainForm) {
        for (std::size_t a = 0; a < 2; ++a) {
            const int axle = static_cast<int>(a);
            if (main->Set_SuspSpringStiffness.Has(axle))
                Stored.SpringRate[a] =
                    static_cast<float>(main->Set_SuspSpringStiffness(axle).Value()) *
                    kNmPerSliderUnit;
        }
    }
    const auto& corners = analysis::SuspensionCode().SuspCorners;
    Stored.RideFrequency[0] = (corners[1].RideFrequency + corners[0].RideFrequency) * 0.5f;
    Stored.RideFrequency[1] = (corners[3].RideFrequency + corners[2].RideFrequency) * 0.5f;
    Stored.LevelRideFrequency = analysis::SuspensionCode().LevelRideFrequency;
    const bool usable = tools::LevelRideUsable(Stored, CurrentLevelRideVehicle());
    MakeRideLevel.ForEach([usable](int, platform::CommandButton& b) { b.SetEnabled(usable); });
}

void MakeLevelRide::WriteSliders(const tools::LevelRideSliders& v) {
    if (v.RearFirst) {
        if (v.Rear) SetSpringSlider(1, *v.Rear);
        if (v.Front) SetSpringSlider(0, *v.Front);
    } else {
        if (v.Front) SetSpringSlider(0, *v.Front);
        if (v.Rear) SetSpringSlider(1, *v.Rear);
    }
}

void MakeLevelRide::MakeRideLevel_Click(int index) {
    if (index < 0 || index > 2) return;
    // The live speed is read now: it may have dropped to 0 since the window opened.
    const auto springs = tools::LevelRideSprings(static_cast<tools::LevelRideAction>(index),
                                                 Stored, CurrentLevelRideVehicle());
    if (springs) WriteSliders(*springs);
}

void MakeLevelRide::Restore_Click() { WriteSliders(tools::RevertSprings(Stored)); }

void ShowMakeLevelRide() { LevelRideWindow().Holder.Get().Show(); }

MakeLevelRide* PeekMakeLevelRide() { return LevelRideWindow().Holder.Peek(); }

void ResetMakeLevelRide() { LevelRideWindow().Holder.Reset(); }

}  // namespace ui
