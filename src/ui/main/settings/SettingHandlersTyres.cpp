// Handlers of the "Tyres" tab of the vehicle settings page: pressures and cambers per wheel,
// the left/right symmetrisation and the compound lists.
#include <string>

#include "core/GlobalChassisLab.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SettingHandlers.hpp"
#include "vehicle/TyreCode.hpp"

namespace ui {

namespace {
SettingRoutines& R() { return SettingHandlers().Routines; }
void Run(const std::function<void()>& routine) { platform::Raise(routine); }

bool Symmetric(const Main& form) { return form.Set_Asym(1).Value(); }

// Right wheel := left wheel on each axle (wheel 1 from 0, wheel 3 from 2).
void CopyLeftToRight(const Main::Array<Main::Slider>& sliders) {
    sliders(1).SetValue(sliders(0).Value());
    sliders(3).SetValue(sliders(2).Value());
}
}  // namespace

void Set_TyrePressure_Scroll(Main& form, int) {
    // The copies run this handler for the right-hand wheels (a code write raises Change).
    if (Symmetric(form)) CopyLeftToRight(form.Set_TyrePressure);
    if (!RecalcAllowed()) return;
    Run(R().UpdateTyreAnalysis);
    Run(R().BuildAeroSpeedTable);
    Run(R().AnalyseLiveState);
    Run(R().CalcGearing);
}

void Set_TyreCamber_Scroll(Main& form, int) {
    // The camber sliders answer the person only, so the copies recalculate nothing.
    if (Symmetric(form)) CopyLeftToRight(form.Set_TyreCamber);
    if (RecalcAllowed()) Run(R().CalcSteeringGeometry);
}

void Set_Asym_Click(Main& form, int index) {
    if (index == 1) {
        CopyLeftToRight(form.Set_TyrePressure);
        CopyLeftToRight(form.Set_TyreCamber);
        for (int wheel : {1, 3}) {
            form.Set_TyrePressure(wheel).SetEnabled(false);
            form.Set_TyreCamber(wheel).SetEnabled(false);
        }
    } else if (index == 0) {
        for (int wheel : {1, 3}) {
            form.Set_TyrePressure(wheel).SetEnabled(true);
            form.Set_TyreCamber(wheel).SetEnabled(true);
        }
    }
}

void Set_TyreCompound_Click(Main& form, int index) {
    // index is the first wheel of the axle: 0 front, 2 rear.
    auto& tyres = vehicle::TyreCode();
    const std::string& text = form.Set_TyreCompound(index).Text();
    uint8_t compound = 0;  // no matching row: the first compound
    for (std::size_t row = 0; row < tyres.TyreCompounds.size(); ++row)
        if (tyres.TyreCompounds[row].Name == text) compound = static_cast<uint8_t>(row);
    if (index < 0 || index + 1 >= static_cast<int>(tyres.WheelTyres.size())) return;
    tyres.WheelTyres[static_cast<std::size_t>(index)].CompoundIndex = compound;
    tyres.WheelTyres[static_cast<std::size_t>(index) + 1].CompoundIndex = compound;

    // The axle's live tyre temperature starts at the compound's optimum (its own handler
    // recalculates under its guard).
    const int axle = core::CInt((index + 0.5) / 2.0);
    if (form.Live_TyreTemp.Has(axle))
        form.Live_TyreTemp(axle).SetValue(tyres.TyreCompounds[compound].OptimumTemp);

    const auto& g = core::GlobalChassisLab();
    if (AutoRecalcOn() && NotLoading() && NotSuppressed() &&
        !core::FromVbBool(g.SetupControlsBusy)) {
        Run(R().UpdateTyreAnalysis);
        Run(R().AnalyseLiveState);
        Run(R().DrawGearingGraph);
    }
}

void InstallTyreHandlers(Main& form) {
    Main* f = &form;
    form.Set_TyrePressure.ForEach([f](int i, platform::Slider& s) {
        BindSlider(s, [f, i] { Set_TyrePressure_Scroll(*f, i); });
    });
    form.Set_TyreCamber.ForEach([f](int i, platform::Slider& s) {
        BindSlider(
            s, [f, i] { Set_TyreCamber_Scroll(*f, i); }, true);
    });
    form.Set_Asym.ForEach(
        [f](int i, platform::OptionButton& b) { b.Click = [f, i] { Set_Asym_Click(*f, i); }; });
    form.Set_TyreCompound.ForEach(
        [f](int i, platform::ComboBox& c) { c.Click = [f, i] { Set_TyreCompound_Click(*f, i); }; });
}

}  // namespace ui
