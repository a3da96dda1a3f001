#include "ui/main/SteeringTyreDisplays.hpp"

#include "analysis/PhysicalCode.hpp"
#include "ui/main/CaptionWriter.hpp"
#include "ui/main/Main.hpp"
#include "ui/main/SetupReaders_Chassis.hpp"

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
    using Target = vehicle::TyreCaption::Target;
    const vehicle::TyreCaptionInputs in = ReadTyreCaptionInputs(form);
    auto& captions = SteeringTyreDisplays().Tyre;
    vehicle::TyreAnalysisCaptions(in, captions);
    for (const auto& c : captions) {
        switch (c.Array) {
            case Target::TyreLabel:
                form.Set_TyreLabel(c.Index).SetCaption(c.Text);
                break;
            case Target::LiveLabel:
                form.Set_LiveLabel(c.Index).SetCaption(c.Text);
                break;
            case Target::AnalysisTyreLabel:
                form.Analysis_TyreLabel(c.Index).SetCaption(c.Text);
                // The sidewall row's title warns of a bottomed-out tyre once its value is shown.
                if (c.Index == 105)
                    form.Analysis_TyreLabel(5).SetForeColor(
                        vehicle::SidewallCaptionColour(in.Wheel));
                break;
        }
    }
}

}  // namespace ui
