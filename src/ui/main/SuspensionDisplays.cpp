#include "ui/main/SuspensionDisplays.hpp"

#include "analysis/SuspensionCode.hpp"
#include "ui/main/Main.hpp"

namespace ui {

void WriteSuspCaptions(Main& form, const std::vector<analysis::SuspCaption>& captions) {
    using Target = analysis::SuspCaption::Target;
    for (const auto& c : captions) {
        auto& label = c.Array == Target::SetSuspLabel ? form.Set_SuspLabel(c.Index)
                                                      : form.Analysis_SuspLabel(c.Index);
        label.SetCaption(c.Text);
        if (c.ForeColor) label.SetForeColor(*c.ForeColor);
    }
}

void ShowSuspensionAnalysis(Main& form) {
    std::vector<analysis::SuspCaption> captions;
    analysis::SuspensionAnalysisCaptions(captions);
    WriteSuspCaptions(form, captions);
}

void UpdateSuspensionAnalysis(Main& form) {
    analysis::SimulateSuspensionResponse();
    ShowSuspensionAnalysis(form);
}

}  // namespace ui
