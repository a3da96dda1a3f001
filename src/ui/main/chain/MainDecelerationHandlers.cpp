#include "ui/main/chain/MainDecelerationHandlers.hpp"

#include "ui/main/displays/ChartDisplays.hpp"

#include <utility>

#include "core/OptionsSettings.hpp"
#include "platform/Services.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/displays/CaptionWriter.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/inputs/CommittedInputs.hpp"

namespace ui {

analysis::DecRunInputs ReadDecRunInputs(const Main& form) {
    analysis::DecRunInputs in;
    in.ApplyBrakes = form.Analysis_DecOptions(0).Value() != 0;
    in.EngineBraking = form.Analysis_DecOptions(1).Value() != 0;
    in.ABS = form.Set_ABS->Value() != 0;
    in.BrakeBalance = form.Set_BrakeBalance->Value();
    in.TyreWearPercent = form.Live_TyreWear->Value();
    return in;
}

analysis::BrakeSettingsInputs ReadBrakeSettingsInputs(const Main& form) {
    analysis::BrakeSettingsInputs in;
    in.MaxTorque = form.Set_BrakeMaxTorque->Value();
    in.Balance = form.Set_BrakeBalance->Value();
    in.EBR = form.Set_EBR->Value();
    in.TCSlipRatio = form.Set_TCSlipRatio->Value();
    in.TCSlipSpeed = form.Set_TCSlipSpeed->Value();
    return in;
}

analysis::DecRunLinks DecelerationLinks(Main& form) {
    analysis::DecRunLinks links;
    Main* f = &form;
    links.SetProgressMax = [f](int32_t v) { f->Analysis_DecProgress->SetMax(v); };
    links.SetProgressValue = [f](int32_t v) {
        f->Analysis_DecProgress->SetValue(v);
        platform::LetWindowsPaint();
    };
    links.ShowDecResults = [f](const std::vector<core::Caption>& texts) {
        WriteCaptions(*f, texts);
    };
    links.ReadSearchInputs = [f] {
        return std::array<std::string, 3>{CommittedDecSearchText(*f, 0),
                                          CommittedDecSearchText(*f, 1),
                                          CommittedDecSearchText(*f, 2)};
    };
    links.WriteSearchInput = [f](int box, const std::string& text) {
        if (!SearchBoxHolds().HoldCorrections) f->Analysis_DecSearchInput(box).SetText(text);
    };
    links.ShowDecSearchResults = [f](const std::vector<core::Caption>& texts) {
        WriteCaptions(*f, texts);
        WriteSearchUnitLabels(*f);
    };
    links.DrawDecGraph = [f] { DrawDecGraph(*f); };
    return links;
}

void SetBrakeTorques(Main& form) {
    const analysis::BrakeSettingsInputs in = ReadBrakeSettingsInputs(form);
    analysis::SetBrakeTorques(in.MaxTorque, in.Balance);
    ShowBrakeSettings(form);
}

void ShowBrakeSettings(Main& form) {
    const analysis::BrakeTexts texts = analysis::BrakeSettingsTexts(ReadBrakeSettingsInputs(form));
    WriteCaptions(form, texts.SetBrakeLabels);
    WriteCaptions(form, texts.DecLabels);
}

void RunDecelerationAnalysis(Main& form) {
    analysis::RunDecelerationAnalysis(ReadDecRunInputs(form), DecelerationLinks(form));
}

void SearchDecRun(Main& form) { analysis::SearchDecRun(DecelerationLinks(form)); }

void ShowDecResults(Main& form) {
    WriteCaptions(form, analysis::DecResultsTexts());
}

}  // namespace ui
