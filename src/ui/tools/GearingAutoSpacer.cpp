#include "ui/tools/GearingAutoSpacer.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/ScopedValue.hpp"
#include "platform/Controls.hpp"
#include "platform/Services.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/SettingHandlersState.hpp"
#include "ui/tools/ToolLayout.hpp"
#include "vehicle/GearSpacing.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

namespace {

struct GearingAutoSpacerWindowState {
    platform::FormHolder<GearingAutoSpacer> Holder;
};
GearingAutoSpacerWindowState& AutoSpacerWindow() {
    static GearingAutoSpacerWindowState state;
    return state;
}

constexpr const char* kLoopMessage = "Error - Hit loop counter!";
constexpr const char* kLoopTitle = "Gearing Auto Spacer";

int MethodIndex(const std::string& text) {
    for (std::size_t i = 0; i < kGASMethodNames.size(); ++i)
        if (kGASMethodNames[i] == text) return static_cast<int>(i);
    return -1;
}

// Forward gears the method needs; 0 for no method.
int FewestGears(int method) {
    if (method < 0) return 0;
    return method == 0 ? vehicle::kFewestGearsEqual : vehicle::kFewestGearsProgressive;
}

int ForwardGears() { return core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears; }
bool WheelDriven() {
    return core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType != vehicle::kDriveThrust;
}

// The current vehicle can be respaced by the method.
bool CanRespace(int method) {
    return method >= 0 && WheelDriven() && ForwardGears() >= FewestGears(method) &&
           ForwardGears() <= vehicle::kMaxForwardGears;
}

// Writes gears `from` .. `to` into the main window's ratio boxes, as the text of a Single.
void WriteRatios(const vehicle::GearRatioSet& ratios, int from, int to) {
    Main* main = core::GlobalChassisLab().MainForm;
    if (main == nullptr) return;
    for (int g = from; g <= to; ++g)
        if (main->Set_GearRatioText.Has(g))
            main->Set_GearRatioText(g).SetText(core::SingleText(ratios[static_cast<std::size_t>(g)]));
}

}  // namespace

GearingAutoSpacer::GearingAutoSpacer() : platform::Form("GearingAutoSpacer") {
    using namespace toolkit;
    using platform::Label;
    SetCaption("Auto Space Gearing");
    Move(200, 200, 300, 190);
    LabelAt(*this, GASLabel, "GASLabel", 0, nullptr, 10, 10, 270, "Select an auto-spacing method:")
        .SetFontBold(true);
    GAS_SelectMethod = &Place<platform::ComboBox>(*this, "GAS_SelectMethod", nullptr, 10, 30, 270,
                                                  kBoxHeight + 2);
    LabelAt(*this, GASLabel, "GASLabel", 1, nullptr, 10, 62, 130, "Drop into top gear:");
    LabelAt(*this, GASLabel, "GASLabel", 2, nullptr, 220, 62, 60, "", platform::Align::Right);
    GASAdjuster = &Place<platform::Slider>(*this, "GASAdjuster", nullptr, 10, 80, 270, 28);
    GASAdjuster->SetMin(5);
    GASAdjuster->SetMax(50);
    GASAdjuster->SetValue(18);
    GASAdjuster->SetTickFrequency(5);
    GASAdjuster->SetLargeChange(5);
    Reapply = &Place<platform::CommandButton>(*this, "Reapply", nullptr, 10, 122, 90, kButtonHeight);
    Reapply->SetCaption("Reapply");
    Close = &Place<platform::CommandButton>(*this, "Close", nullptr, 190, 122, 90, kButtonHeight);
    Close->SetCaption("Done");
    SetCancelButton(Close);  // Esc: "Done"

    Load = [this] { GearingAutoSpacer_Load(); };
    GAS_SelectMethod->Click = [this] { GAS_SelectMethod_Click(); };
    GASAdjuster->Scroll = [this] { Apply(); };
    GASAdjuster->Change = [this] { Apply(); };
    Reapply->Click = [this] { Apply(); };
    Close->Click = [this] { Hide(); };
}

void GearingAutoSpacer::GearingAutoSpacer_Load() {
    for (const std::string& name : kGASMethodNames) GAS_SelectMethod->AddItem(name);
    const core::ScopedValue<bool> loading(loading_, true);
    GAS_SelectMethod->SetText(kGASMethodNames[kGASAdjustableMethod]);
}

void GearingAutoSpacer::GAS_SelectMethod_Click() {
    const bool adjustable = GAS_SelectMethod->Text() == kGASMethodNames[kGASAdjustableMethod];
    GASLabel(1).SetVisible(adjustable);
    GASAdjuster->SetVisible(adjustable);
    if (!adjustable) GASLabel(2).SetVisible(false);
    UpdateEnabling();
    if (!loading_) Apply();
}

void GearingAutoSpacer::UpdateEnabling() {
    const bool anyMethod = CanRespace(0);  // the fewest-gear method
    const bool chosen = CanRespace(MethodIndex(GAS_SelectMethod->Text()));
    GAS_SelectMethod->SetEnabled(anyMethod);
    GASAdjuster->SetEnabled(chosen);
    Reapply->SetEnabled(chosen);
}

void GearingAutoSpacer::Apply() {
    const int method = MethodIndex(GAS_SelectMethod->Text());
    if (!CanRespace(method)) return;  // nothing written, nothing recalculated

    const int gears = ForwardGears();
    const auto& ratios = vehicle::GearingCode().GearRatios;
    const float first = ratios[1];
    const float top = ratios[static_cast<std::size_t>(gears)];
    // No gearing run yet for this vehicle: there are no ends to space between.
    if (!(first > 0.0f && top > 0.0f)) return;
    {
        // The ratio boxes' own handlers must not recalculate while they are rewritten.
        const core::RaisedFlag suppress(core::GlobalChassisLab().SuppressRecalc);
        GASLabel(2).SetVisible(false);
        GASLabel(2).SetCaption(core::SingleText(vehicle::TopGearDropPercent(GASAdjuster->Value())) +
                               "%");
        if (method == 0) {
            WriteRatios(vehicle::AutoSpaceGearsEqual(first, top, gears), 1, gears);
        } else {
            const auto mode = static_cast<vehicle::GearSpacingMode>(method - 1);
            const auto s =
                vehicle::AutoSpaceGearsProgressive(first, top, gears, mode, GASAdjuster->Value());
            if (!s.Converged)
                platform::MsgBox(kLoopMessage, platform::MsgButtons::OK, platform::MsgIcon::None,
                                 kLoopTitle);
            WriteRatios(s.Ratios, 2, gears - 1);
            if (mode == vehicle::GearSpacingMode::Adjustable) GASLabel(2).SetVisible(true);
        }
    }
    platform::Raise(SettingHandlers().Routines.CalcGearing);
}

void ShowGearingAutoSpacer() {
    GearingAutoSpacer& w = AutoSpacerWindow().Holder.Get();
    w.Show();
    // The vehicle may have changed while the window was hidden.
    w.UpdateEnabling();
}

GearingAutoSpacer* PeekGearingAutoSpacer() { return AutoSpacerWindow().Holder.Peek(); }

void ResetGearingAutoSpacer() { AutoSpacerWindow().Holder.Reset(); }

}  // namespace ui
