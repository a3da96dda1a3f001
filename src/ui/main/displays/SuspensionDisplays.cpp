#include "ui/main/displays/SuspensionDisplays.hpp"

#include "analysis/SuspensionCode.hpp"
#include "ui/main/displays/CaptionWriter.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {

void ShowSuspensionAnalysis(Main& form) {
    std::vector<core::Caption> captions;
    analysis::SuspensionAnalysisCaptions(captions);
    WriteCaptions(form, captions);
}

void UpdateSuspensionAnalysis(Main& form) {
    analysis::SimulateSuspensionResponse();
    ShowSuspensionAnalysis(form);
}

}  // namespace ui
