// Handlers of the "Live Settings" page: speed, throttle, brake, steering angle, fuel load,
// tyre temperatures and wear, and the "Deflate tyres" box.
#include <string>

#include "core/GlobalChassisLab.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SettingHandlers.hpp"

namespace ui {

namespace {
SettingRoutines& R() { return SettingHandlers().Routines; }
void Run(const std::function<void()>& routine) { platform::Raise(routine); }
}  // namespace

void Live_Speed_Scroll(Main&) {
    if (!RecalcAllowed()) return;
    Run(R().AnalyseLiveState);
    Run(R().CalcGearing);
}

void Live_Throttle_Scroll(Main&) {
    if (RecalcAllowed()) Run(R().AnalyseLiveState);
}

void Live_Brake_Scroll(Main&) {
    if (RecalcAllowed()) Run(R().AnalyseLiveState);
}

void Live_SteeringAngle_Scroll(Main&) {
    if (RecalcAllowed()) Run(R().AnalyseLiveState);
}

// The fuel is part of the masses, which the rest builds on.
void Live_FuelLoad_Scroll(Main&) {
    if (!RecalcAllowed()) return;
    Run(R().CalcMassesAndCentreOfGravity);
    Run(R().BuildAeroSpeedTable);
    Run(R().AnalyseLiveState);
    Run(R().CalcGearing);
}

void Live_TyreTemp_Scroll(Main&, int) {
    // Not while the setting ranges are set for a vehicle.
    if (RecalcAllowed() && !core::FromVbBool(core::GlobalChassisLab().SetupControlsBusy))
        Run(R().UpdateTyreAnalysis);
}

void Live_TyreWear_Scroll(Main&) {
    if (!RecalcAllowed()) return;
    Run(R().AnalyseLiveState);
    Run(R().CalcGearing);
}

void Live_BlowTyres_Click(Main& form) {
    const bool deflated = form.Live_BlowTyres->Value() == 1;
    SettingHandlers().TyresBlown = core::ToVbBool(deflated);
    std::string sound = deflated ? "test1.wav" : "test2.wav";
    PlayWaveFile(sound);
}

void InstallLiveHandlers(Main& form) {
    Main* f = &form;
    BindSlider(*form.Live_Speed, [f] { Live_Speed_Scroll(*f); });
    BindSlider(*form.Live_Throttle, [f] { Live_Throttle_Scroll(*f); });
    BindSlider(*form.Live_Brake, [f] { Live_Brake_Scroll(*f); });
    BindSlider(*form.Live_SteeringAngle, [f] { Live_SteeringAngle_Scroll(*f); });
    BindSlider(*form.Live_FuelLoad, [f] { Live_FuelLoad_Scroll(*f); });
    form.Live_TyreTemp.ForEach([f](int i, platform::Slider& s) {
        BindSlider(s, [f, i] { Live_TyreTemp_Scroll(*f, i); });
    });
    BindSlider(*form.Live_TyreWear, [f] { Live_TyreWear_Scroll(*f); });
    form.Live_BlowTyres->Click = [f] { Live_BlowTyres_Click(*f); };
}

}  // namespace ui
