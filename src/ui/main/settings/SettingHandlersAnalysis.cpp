// Handlers of the analysis pages' own inputs: run buttons, precision, search boxes, graph and
// diagram selectors, the tyre wheel choice and zoom, and the buttons opening tool windows.
#include <string>

#include "analysis/AccelerationCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/ScopedValue.hpp"
#include "core/TextTable.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/settings/SettingHandlers.hpp"

namespace ui {

namespace {
// Significant figures of a search box rewritten in a new unit.
constexpr uint8_t kConvertedFigures = 5;
SettingRoutines& R() { return SettingHandlers().Routines; }
void Run(const std::function<void()>& routine) { platform::Raise(routine); }
// An acceleration routine with the run's time step.
void RunWithStep(const std::function<void(float&)>& routine) {
    if (routine) routine(analysis::AccelerationCode().AccTimeStep);
}
}  // namespace

// With automatic recalculation off the analyses may be stale: bring them up to date first.
void Analysis_AccCalc_Click(Main&) {
    if (!AutoRecalcOn()) Run(R().RecalculateAll);
    RunWithStep(R().RunAccelerationAnalysis);
    TellRunRefusal();
}

void Analysis_DecCalc_Click(Main&) {
    if (!AutoRecalcOn()) Run(R().RecalculateAll);
    Run(R().RunDecelerationAnalysis);
    TellRunRefusal();
}

// The step of the next run; nothing is rerun.
void Analysis_AccPrecision_Click(Main& form) {
    const int i = form.Analysis_AccPrecision->ListIndex();
    if (i >= 0 && i < static_cast<int>(analysis::kAccTimeSteps.size()))
        analysis::AccelerationCode().AccTimeStep =
            analysis::kAccTimeSteps[static_cast<std::size_t>(i)];
}

namespace {

// One run's three search boxes, their edits and their search.
struct SearchBoxes {
    platform::ControlArray<platform::TextBox>& Boxes;
    std::array<TypedEdit, 3>& Edits;
    void (*Search)();
};
SearchBoxes AccSearch(Main& form) {
    return {form.Analysis_AccSearchInput, SettingHandlers().SearchEdits.Acc,
            [] { RunWithStep(R().SearchAccRun); }};
}
SearchBoxes DecSearch(Main& form) {
    return {form.Analysis_DecSearchInput, SettingHandlers().SearchEdits.Dec,
            [] { Run(R().SearchDecRun); }};
}
bool Valid(int index) { return index >= 0 && index <= 2; }
std::size_t At(int index) { return static_cast<std::size_t>(index); }

// A change written by code searches at once, and the search may correct a box. A person's
// keystroke searches only when the text is a number, and a box the search would correct is
// left as typed until the edit is committed.
void SearchInputChange(const SearchBoxes& s, int index) {
    if (!Valid(index)) return;
    TypedEdit& edit = s.Edits[At(index)];
    const bool byPerson = TakePersonEdit(edit);
    const std::string& text = s.Boxes(index).Text();
    const bool number = core::ReadTypedNumber(text).Whole;
    if (number && !byPerson) edit.LastValidText = text;
    if (SettingHandlers().SearchEdits.Converting) return;
    if (!byPerson) {
        s.Search();
    } else if (number) {
        const core::ScopedValue<bool> hold(SearchBoxHolds().HoldCorrections, true);
        s.Search();
    }
}

// The end of a person's edit: a text that is no number gives way to the number the box held
// before (whose change searches); a number is kept and searches, and may now correct a box.
void SearchInputCommit(const SearchBoxes& s, int index) {
    TypedEdit& edit = s.Edits[At(index)];
    if (!edit.Uncommitted) return;
    edit.Uncommitted = false;
    platform::TextBox& box = s.Boxes(index);
    if (core::ReadTypedNumber(box.Text()).Whole) {
        edit.LastValidText = box.Text();
    } else if (box.Text() != edit.LastValidText) {
        WriteAsCode(box, edit, edit.LastValidText);
        return;
    }
    const core::ScopedValue<bool> byCode(edit.Focused, false);  // a correction is code's
    s.Search();
}

// One run's three boxes: a change searches; Return and the focus leaving end an edit.
void InstallSearchBoxes(Main* f, SearchBoxes (*boxes)(Main&), void (*change)(Main&, int)) {
    boxes(*f).Boxes.ForEach([f, boxes, change](int i, platform::TextBox& b) {
        b.Change = [f, i, change] { change(*f, i); };
        b.KeyPress = [f, i, boxes](int& key) {
            if (TypedEditKey(boxes(*f).Edits[At(i)], key)) SearchInputCommit(boxes(*f), i);
        };
        b.GotFocus = [f, i, boxes] { boxes(*f).Edits[At(i)].Focused = true; };
        b.LostFocus = [f, i, boxes] {
            boxes(*f).Edits[At(i)].Focused = false;
            SearchInputCommit(boxes(*f), i);
        };
    });
}

}  // namespace

void Analysis_AccSearchInput_Change(Main& form, int index) {
    SearchInputChange(AccSearch(form), index);
}

void Analysis_DecSearchInput_Change(Main& form, int index) {
    SearchInputChange(DecSearch(form), index);
}

void ConvertSearchInputs(Main& form, core::Quantity q, double oldFactor, double newFactor) {
    if (oldFactor == newFactor || oldFactor == 0.0 || newFactor == 0.0) return;
    int first = 0, last = -1;
    if (q == core::Quantity::Speed) last = 1;
    if (q == core::Quantity::DistanceLarge) first = last = 2;
    const core::ScopedValue<bool> converting(SettingHandlers().SearchEdits.Converting, true);
    for (const SearchBoxes& s : {AccSearch(form), DecSearch(form)}) {
        for (int i = first; i <= last; ++i) {
            platform::TextBox& box = s.Boxes(i);
            TypedEdit& edit = s.Edits[At(i)];
            // Five figures: the number a person would type for the same speed or distance.
            const auto convert = [&](double value) {
                const auto converted = static_cast<float>(value / oldFactor * newFactor);
                return core::SingleText(core::RoundToSigFigs(converted, kConvertedFigures));
            };
            const core::TypedNumber typed = core::ReadTypedNumber(box.Text());
            if (typed.Whole) {
                WriteAsCode(box, edit, convert(typed.Value));
                continue;
            }
            // A text being typed that holds no number stays as typed; the number the searches
            // read meanwhile, and the commit brings back, is converted.
            const core::TypedNumber before = core::ReadTypedNumber(edit.LastValidText);
            if (edit.Uncommitted && before.Whole) edit.LastValidText = convert(before.Value);
        }
    }
}

void Analysis_AccGraphData_Click(Main&, int) {
    if (NotLoading()) RunWithStep(R().DrawAccGraph);
}

void Analysis_DecGraphData_Click(Main&, int) {
    if (NotLoading()) Run(R().DrawDecGraph);
}

void Analysis_SuspDampGraphCombo_Click(Main&) {
    if (NotLoading()) Run(R().DrawSuspResponseChart);
}

void Analysis_AeroGraphOption_Click(Main& form) {
    const bool lift =
        form.Analysis_AeroGraphOption->Text() == core::TextTable().AeroGraphOptionNames[1];
    SettingHandlers().AeroGraphMode = core::ToVbBool(lift);
    if (NotLoading()) Run(R().DrawAeroSpeedChart);
}

void Analysis_TyreChoice_Click(Main&) {
    if (!NotLoading() || !NotSuppressed() || !AutoRecalcOn()) return;
    Run(R().ShowTyreAnalysis);
    Run(R().DrawTyreDiagrams);
}

void Analysis_TyresZoom_Change(Main&, int) { Run(R().DrawTyreDiagrams); }

void Analysis_SteerToeDiagramMode_Click(Main& form) {
    const bool closeUp =
        form.Analysis_SteerToeDiagramMode->Text() == core::TextTable().SteerDiagramModeNames[0];
    analysis::SteeringCode().ToeDiagramMode = closeUp ? 0 : 1;
    if (NotLoading()) Run(R().PlotSteeringGeometry);
}

void Analysis_SteerCamberDiagramMode_Click(Main& form) {
    const bool front =
        form.Analysis_SteerCamberDiagramMode->Text() == core::Trim(core::TextTable().FrontText);
    analysis::SteeringCode().CamberDiagramMode = front ? 0 : 1;
    if (NotLoading()) Run(R().PlotSteeringGeometry);
}

void Analysis_AccWatchRealtime_Click(Main&) { Run(R().ShowDragRaceWindow); }

void Analysis_GearingAutoSpace_Click(Main&) { Run(R().ShowGearingAutoSpacer); }

void Analysis_SuspMakeLevelRide_Click(Main&) { Run(R().ShowMakeLevelRide); }

void InstallAnalysisInputHandlers(Main& form) {
    Main* f = &form;
    form.Analysis_AccCalc->Click = [f] { Analysis_AccCalc_Click(*f); };
    form.Analysis_DecCalc->Click = [f] { Analysis_DecCalc_Click(*f); };
    form.Analysis_AccPrecision->Click = [f] { Analysis_AccPrecision_Click(*f); };
    InstallSearchBoxes(f, &AccSearch, &Analysis_AccSearchInput_Change);
    InstallSearchBoxes(f, &DecSearch, &Analysis_DecSearchInput_Change);
    form.Analysis_AccGraphData.ForEach([f](int i, platform::ComboBox& c) {
        c.Click = [f, i] { Analysis_AccGraphData_Click(*f, i); };
    });
    form.Analysis_DecGraphData.ForEach([f](int i, platform::ComboBox& c) {
        c.Click = [f, i] { Analysis_DecGraphData_Click(*f, i); };
    });
    form.Analysis_SuspDampGraphCombo->Click = [f] { Analysis_SuspDampGraphCombo_Click(*f); };
    form.Analysis_AeroGraphOption->Click = [f] { Analysis_AeroGraphOption_Click(*f); };
    form.Analysis_TyreChoice->Click = [f] { Analysis_TyreChoice_Click(*f); };
    form.Analysis_TyresZoom.ForEach([f](int i, platform::ScrollBar& s) {
        s.Change = [f, i] { Analysis_TyresZoom_Change(*f, i); };
        s.Scroll = [f, i] { Analysis_TyresZoom_Change(*f, i); };
    });
    form.Analysis_SteerToeDiagramMode->Click = [f] { Analysis_SteerToeDiagramMode_Click(*f); };
    form.Analysis_SteerCamberDiagramMode->Click = [f] {
        Analysis_SteerCamberDiagramMode_Click(*f);
    };
    form.Analysis_AccWatchRealtime->Click = [f] { Analysis_AccWatchRealtime_Click(*f); };
    form.Analysis_GearingAutoSpace->Click = [f] { Analysis_GearingAutoSpace_Click(*f); };
    form.Analysis_SuspMakeLevelRide->Click = [f] { Analysis_SuspMakeLevelRide_Click(*f); };
}

}  // namespace ui
