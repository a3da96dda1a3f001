#include "ui/main/displays/SteeringTyreDisplays.hpp"

#include "analysis/PhysicalCode.hpp"
#include "ui/main/displays/CaptionWriter.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/SetupReaders_Chassis.hpp"

namespace ui {

SteeringTyreDisplaysState& SteeringTyreDisplays() {
    static SteeringTyreDisplaysState state;
    return state;
}

vehicle::TyreCaptionInputs ReadTyreCaptionInputs(const Main& form) {
    vehicle::TyreCaptionInputs in;
    in.Live = ReadLiveTyreInputs(form);
    in.Wheel = form.Analysis_TyreChoice->ListIndex();
    in.CornerDynamicLoad = analysis::PhysicalCode().CornerDynamicLoad;
    return in;
}

void ShowSteeringAnalysis(Main& form) {
    auto& captions = SteeringTyreDisplays().Steering;
    analysis::SteeringAnalysisCaptions(captions);
    WriteCaptions(form, captions);
}

void ShowTyreAnalysis(Main& form) {
    const vehicle::TyreCaptionInputs in = ReadTyreCaptionInputs(form);
    auto& captions = SteeringTyreDisplays().Tyre;
    vehicle::TyreAnalysisCaptions(in, captions);
    WriteCaptions(form, captions);
    // The sidewall row's title warns of a bottomed-out tyre once its value is shown.
    for (const core::Caption& c : captions)
        if (c.Array == core::LabelArray::Analysis_TyreLabel && c.Index == 105)
            form.Analysis_TyreLabel(5).SetForeColor(vehicle::SidewallCaptionColour(in.Wheel));
}

}  // namespace ui
