#include "ui/main/chain/MainAccelerationHandlers.hpp"

#include "ui/main/displays/ChartDisplays.hpp"

#include <utility>

#include "core/OptionsSettings.hpp"
#include "platform/Services.hpp"
#include "ui/main/displays/CaptionWriter.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/CommittedInputs.hpp"

namespace ui {

namespace {

void WriteResults(Main& form, const analysis::AccResultTexts& texts) {
    WriteCaptions(form, texts.Labels);
    for (const analysis::AccLabelColour& c : texts.Colours)
        if (form.Analysis_AccLabel.Has(c.Index))
            form.Analysis_AccLabel(c.Index).SetForeColor(c.Colour);
}

}  // namespace

SearchBoxHoldState& SearchBoxHolds() {
    static SearchBoxHoldState state;
    return state;
}

analysis::AccRunInputs ReadAccRunInputs(const Main& form) {
    analysis::AccRunInputs in;
    in.TractionControl = form.Set_TC->Value() != 0;
    in.TyreWearPercent = form.Live_TyreWear->Value();
    return in;
}

analysis::AccRunLinks AccelerationLinks(Main& form) {
    analysis::AccRunLinks links;
    Main* f = &form;
    links.SetProgressMax = [f](int32_t v) { f->Analysis_AccProgress->SetMax(v); };
    links.SetProgressValue = [f](int32_t v) {
        f->Analysis_AccProgress->SetValue(v);
        platform::LetWindowsPaint();
    };
    links.ShowAccResults = [f](const analysis::AccResultTexts& texts) { WriteResults(*f, texts); };
    links.ReadSearchInputs = [f] {
        return std::array<std::string, 3>{CommittedAccSearchText(*f, 0),
                                          CommittedAccSearchText(*f, 1),
                                          CommittedAccSearchText(*f, 2)};
    };
    links.WriteSearchInput = [f](int box, const std::string& text) {
        if (!SearchBoxHolds().HoldCorrections) f->Analysis_AccSearchInput(box).SetText(text);
    };
    links.ShowAccSearchResults = [f](const std::vector<core::Caption>& texts) {
        WriteCaptions(*f, texts);
        WriteSearchUnitLabels(*f);
    };
    links.DrawAccGraph = [f](float dt) { DrawAccGraph(*f, dt); };
    return links;
}

void RunAccelerationAnalysis(Main& form, float& timeStep) {
    analysis::RunAccelerationAnalysis(timeStep, ReadAccRunInputs(form), AccelerationLinks(form));
}

void AnalyseAccRun(Main& form, float& timeStep) {
    analysis::AnalyseAccRun(timeStep, AccelerationLinks(form));
}

void SearchAccRun(Main& form, float& timeStep) {
    analysis::SearchAccRun(timeStep, AccelerationLinks(form));
}

void ShowAccResults(Main& form) { WriteResults(form, analysis::AccResultsTexts()); }

void WriteSearchUnitLabels(Main& form) {
    const std::string& speed = core::UnitSuffix(core::Quantity::Speed);
    const std::string& distance = core::UnitSuffix(core::Quantity::DistanceLarge);
    form.Analysis_AccLabel(38).SetCaption(speed);
    form.Analysis_DecLabel(15).SetCaption(speed);
    form.Analysis_AccLabel(39).SetCaption(distance);
    form.Analysis_DecLabel(16).SetCaption(distance);
}

}  // namespace ui
