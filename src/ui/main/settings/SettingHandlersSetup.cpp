// Handlers of the "Brakes/TC", "Suspension", "Steering" and "Downforce/Misc" tabs of the
// vehicle settings page.
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace ui {

namespace {
SettingRoutines& R() { return SettingHandlers().Routines; }
void Run(const std::function<void()>& routine) { platform::Raise(routine); }
}  // namespace

// ---- Brakes, traction control, throttle ----

void Set_BrakeMaxTorque_Scroll(Main&) {
    if (!RecalcAllowed()) return;
    Run(R().SetBrakeTorques);
    Run(R().AnalyseLiveState);
}

void Set_BrakeBalance_Scroll(Main&) {
    if (!RecalcAllowed()) return;
    Run(R().SetBrakeTorques);
    Run(R().AnalyseLiveState);
}

void Set_EBR_Scroll(Main& form) {
    // The share of engine braking removed is kept whatever the flags: the runs read it.
    vehicle::EngineCode().CurrentEngine.EngineBrakeReduction =
        static_cast<float>(form.Set_EBR->Value()) / 100.0f;
    if (!RecalcAllowed()) return;
    Run(R().AnalyseLiveState);
    Run(R().ShowBrakeSettings);
}

// The slip settings have no effect on the analyses; only the brake panel's captions change.
void Set_TCSlipRatio_Scroll(Main&) {
    if (RecalcAllowed()) Run(R().ShowBrakeSettings);
}

void Set_TCSlipSpeed_Scroll(Main&) {
    if (RecalcAllowed()) Run(R().ShowBrakeSettings);
}

// The brake aids recalculate whenever automatic recalculation is on, even while suppressed.
void Set_ABS_Click(Main&) {
    if (AutoRecalcOn()) Run(R().AnalyseLiveState);
}

void Set_TC_Click(Main&) {
    if (AutoRecalcOn()) Run(R().AnalyseLiveState);
}

// ---- Suspension ----

void Set_SuspSpringTravel_Scroll(Main&, int) {
    if (RecalcAllowed()) Run(R().AnalyseLiveState);
}

void Set_SuspSpringStiffness_Scroll(Main&, int) {
    if (RecalcAllowed()) Run(R().AnalyseLiveState);
}

void Set_SuspBumpDamp_Scroll(Main&, int) {
    if (RecalcAllowedLoaded()) Run(R().AnalyseLiveState);
}

void Set_SuspReboundDamp_Scroll(Main& form, int index) {
    // Simplified dampers: bump damping follows at half the rebound damping, halves to even
    // (65 gives 32, 75 gives 38). The bump slider's own handler then runs under its guard.
    if (core::FromVbBool(core::OptionsSettings().SimplifiedDampers)) {
        const int32_t rebound = form.Set_SuspReboundDamp(index).Value();
        form.Set_SuspBumpDamp(index).SetValue(core::CLng(rebound / 2.0));
    }
    if (RecalcAllowed()) Run(R().AnalyseLiveState);
}

void Set_SuspARBStiffness_Scroll(Main&, int) {
    if (RecalcAllowed()) Run(R().AnalyseLiveState);
}

// ---- Steering ----

void Set_SteerToe_Scroll(Main&, int) {
    if (RecalcAllowed()) Run(R().CalcSteeringGeometry);
}

void Set_SteerCaster_Scroll(Main&, int) {
    if (RecalcAllowed()) Run(R().CalcSteeringGeometry);
}

void Set_SteerAckermann_Scroll(Main&) {
    if (RecalcAllowed()) Run(R().CalcSteeringGeometry);
}

void Set_SteerLock_Scroll(Main& form) {
    // The live steering angle (tenths of a degree) never exceeds the lock, whatever the flags.
    const int32_t lock = form.Set_SteerLock->Value();  // degrees
    form.Live_SteeringAngle->SetMin(-10 * lock);
    form.Live_SteeringAngle->SetMax(10 * lock);
    if (RecalcAllowed()) Run(R().CalcSteeringGeometry);
}

// ---- Downforce, passengers, handicaps ----

// The wing angles recalculate even with automatic recalculation off; only a bulk change of
// controls stops them.
void Set_AeroWingAngle_Scroll(Main&, int) {
    if (!NotSuppressed()) return;
    Run(R().AnalyseLiveState);
    Run(R().CalcGearing);
}

void Set_Pass_Click(Main&, int) {
    const auto& g = core::GlobalChassisLab();
    // Not while the data-page layout refills the passenger selectors.
    if (!NotLoading() || core::OptionsSettings().AutoRecalc != core::VbTrue || !NotSuppressed() ||
        core::FromVbBool(g.VehicleLayoutBusy))
        return;
    Run(R().CalcMassesAndCentreOfGravity);
    Run(R().AnalyseLiveState);
}

void Set_HandicapIntake_Scroll(Main&) {
    if (RecalcAllowed()) Run(R().CalcMassesAndCentreOfGravity);
}

void Set_HandicapMass_Scroll(Main&) {
    if (!RecalcAllowed()) return;
    Run(R().CalcMassesAndCentreOfGravity);
    Run(R().AnalyseLiveState);
}

void Set_HandicapMassPos_Scroll(Main&) {
    if (!RecalcAllowed()) return;
    Run(R().CalcMassesAndCentreOfGravity);
    Run(R().AnalyseLiveState);
}

// ---- Wiring ----

void InstallSetupPageHandlers(Main& form) {
    Main* f = &form;
    // The brake torque and balance sliders answer the person only: a setup being applied
    // writes them without recalculating.
    BindSlider(
        *form.Set_BrakeMaxTorque, [f] { Set_BrakeMaxTorque_Scroll(*f); }, true);
    BindSlider(
        *form.Set_BrakeBalance, [f] { Set_BrakeBalance_Scroll(*f); }, true);
    BindSlider(*form.Set_EBR, [f] { Set_EBR_Scroll(*f); });
    BindSlider(*form.Set_TCSlipRatio, [f] { Set_TCSlipRatio_Scroll(*f); });
    BindSlider(*form.Set_TCSlipSpeed, [f] { Set_TCSlipSpeed_Scroll(*f); });
    form.Set_ABS->Click = [f] { Set_ABS_Click(*f); };
    form.Set_TC->Click = [f] { Set_TC_Click(*f); };

    auto bindArray = [f](const Main::Array<Main::Slider>& sliders, void (*handler)(Main&, int)) {
        sliders.ForEach([f, handler](int i, platform::Slider& s) {
            BindSlider(s, [f, handler, i] { handler(*f, i); });
        });
    };
    bindArray(form.Set_SuspSpringTravel, &Set_SuspSpringTravel_Scroll);
    bindArray(form.Set_SuspSpringStiffness, &Set_SuspSpringStiffness_Scroll);
    bindArray(form.Set_SuspBumpDamp, &Set_SuspBumpDamp_Scroll);
    bindArray(form.Set_SuspReboundDamp, &Set_SuspReboundDamp_Scroll);
    bindArray(form.Set_SuspARBStiffness, &Set_SuspARBStiffness_Scroll);
    bindArray(form.Set_SteerToe, &Set_SteerToe_Scroll);
    bindArray(form.Set_SteerCaster, &Set_SteerCaster_Scroll);
    BindSlider(*form.Set_SteerAckermann, [f] { Set_SteerAckermann_Scroll(*f); });
    BindSlider(*form.Set_SteerLock, [f] { Set_SteerLock_Scroll(*f); });

    bindArray(form.Set_AeroWingAngle, &Set_AeroWingAngle_Scroll);
    form.Set_Pass.ForEach(
        [f](int i, platform::ComboBox& c) { c.Click = [f, i] { Set_Pass_Click(*f, i); }; });
    BindSlider(*form.Set_HandicapIntake, [f] { Set_HandicapIntake_Scroll(*f); });
    BindSlider(*form.Set_HandicapMass, [f] { Set_HandicapMass_Scroll(*f); });
    BindSlider(*form.Set_HandicapMassPos, [f] { Set_HandicapMassPos_Scroll(*f); });
}

}  // namespace ui
