// The vehicle tools panel's buttons and the controls that work inside the open editor: the
// drive-type list, the two page scroll bars, the engine-shape sliders and the dyno throttle.
#include "ui/main/editor/VehicleEditor.hpp"

#include <array>

#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "platform/Services.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/editor/EnginePreview.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/editor/VehicleEditorChecks.hpp"
#include "ui/tools/TorqueDataTable.hpp"

namespace ui {

namespace {

bool Raised(core::VbBool flag) { return core::FromVbBool(flag); }

// Design Tops of the frames the two scroll bars move (Top = base - scroll value).
struct FrameBase {
    int frame;
    int top;
};
constexpr std::array<FrameBase, 2> kWheelsScrollBase{{{4, 4}, {13, 144}}};
constexpr std::array<FrameBase, 3> kDrivetrainScrollBase{{{2, 4}, {3, 100}, {12, 176}}};

template <std::size_t N>
void ScrollFrames(Main& w, const std::array<FrameBase, N>& bases, int value) {
    for (const FrameBase& b : bases) w.VehDataFrame(b.frame).SetTop(b.top - value);
}

// A new vehicle made from nothing: every list starts at its first entry, so that nothing the
// store reads is left without a choice.
void ChooseFirstEntries(Main& w) {
    platform::ComboBox* lists[] = {w.VehData_MaxPass, w.VehData_NewDrivetrain,
                                   w.VehData_NewFuelType, w.VehData_NewNumGears,
                                   &w.VehData_NewAeroDeviceType(1), &w.VehData_NewAeroDeviceType(2),
                                   &w.VehData_NewAeroDeviceType(3)};
    for (platform::ComboBox* list : lists)
        if (list->ListIndex() < 0 && list->ListCount() > 0) list->SetListIndex(0);
}

}  // namespace

void Main_VehData_CreateNew_Click(Main& w) {
    auto& editor = vehicle::VehCode();
    const auto& g = core::GlobalChassisLab();
    if (vehicle::VehicleListFull()) {
        platform::MsgBox(core::TextTable().VehicleLimitText);
        return;
    }
    editor.EditorOpen = core::VbTrue;
    editor.EditorEditsExisting = core::VbFalse;
    w.VehData_NewName->SetEnabled(true);
    w.VehData_AddVeh->SetVisible(true);
    w.VehData_NewName->SetText("");
    OpenVehicleEditor(w);
    if (g.VehicleCount > 0) {
        FillVehicleEditor(w);
    } else {
        // Nothing to copy: the boxes keep what they hold (empty at start).
        editor.EditorFilling = core::VbTrue;
        ChooseFirstEntries(w);
        editor.EditorFilling = core::VbFalse;
    }
    // The boxes, filled or not, are judged as they stand.
    ValidateVehicleEditorInputs(w);
}

void Main_VehData_EditExisting_Click(Main& w) {
    auto& editor = vehicle::VehCode();
    editor.EditorOpen = core::VbTrue;
    editor.EditorEditsExisting = core::VbTrue;
    w.VehData_NewName->SetEnabled(false);
    w.VehData_UpdateVeh->SetEnabled(true);
    w.VehData_UpdateVeh->SetVisible(true);
    w.VehData_NewName->SetText(w.Main_SelectVeh->Text());
    OpenVehicleEditor(w);
    FillVehicleEditor(w);
    ValidateVehicleEditorInputs(w);
}

void Main_VehData_AddVeh_Click(Main& w) { StoreEditedVehicle(w); }
void Main_VehData_UpdateVeh_Click(Main& w) { StoreEditedVehicle(w); }

void Main_VehData_Cancel_Click(Main& w) {
    CloseVehicleEditor(w);
    const auto& g = core::GlobalChassisLab();
    if (g.VehicleCount > 0 && g.CurrentVehicle.Drivetrain.DriveType < vehicle::kDriveThrust)
        DrawDynoGraph(w, vehicle::EngineCode().CurrentEngine);
}

void Main_VehData_NewDrivetrain_Click(Main& w) {
    const bool engine = w.VehData_NewDrivetrain->ListIndex() != vehicle::kDriveThrust;
    if (!engine) w.VehData_DT_VScroll->SetValue(0);
    platform::Control* engineOnly[] = {
        w.VehData_NewNumGears, w.VehData_NewRevGear, w.VehData_NewDrivetrainEff,
        w.VehData_NewDrivetrainShiftTime, &w.DataLabel(103), &w.DataLabel(104),
        &w.DataLabel(105), &w.DataLabel(174), &w.DataLabel(180), w.VehData_DT_VScroll,
        w.TorquePowerPlot, &w.VehDataFrame(2), &w.VehDataFrame(12)};
    for (platform::Control* c : engineOnly) c->SetVisible(engine);
    w.VehDataFrame(5).SetVisible(!engine);
    // Which inputs the store needs depends on the drive type.
    const auto& editor = vehicle::VehCode();
    if (Raised(editor.EditorOpen) && !Raised(editor.EditorFilling)) ValidateVehicleEditorInputs(w);
}

void Main_VehData_Wh_VScroll_Scroll(Main& w) {
    ScrollFrames(w, kWheelsScrollBase, w.VehData_Wh_VScroll->Value());
}

void Main_VehData_DT_VScroll_Scroll(Main& w) {
    ScrollFrames(w, kDrivetrainScrollBase, w.VehData_DT_VScroll->Value());
}

void InstallVehicleEditorHandlers(Main& form) {
    Main* w = &form;
    form.VehData_CreateNew->Click = [w] { Main_VehData_CreateNew_Click(*w); };
    form.VehData_EditExisting->Click = [w] { Main_VehData_EditExisting_Click(*w); };
    form.VehData_AddVeh->Click = [w] { Main_VehData_AddVeh_Click(*w); };
    form.VehData_UpdateVeh->Click = [w] { Main_VehData_UpdateVeh_Click(*w); };
    form.VehData_Cancel->Click = [w] { Main_VehData_Cancel_Click(*w); };
    form.VehData_AddVeh->SetEnabled(false);
    form.VehData_UpdateVeh->SetEnabled(false);
    form.VehData_NewDrivetrain->Click = [w] { Main_VehData_NewDrivetrain_Click(*w); };
    form.VehData_Wh_VScroll->Scroll = [w] { Main_VehData_Wh_VScroll_Scroll(*w); };
    form.VehData_Wh_VScroll->Change = [w] { Main_VehData_Wh_VScroll_Scroll(*w); };
    form.VehData_DT_VScroll->Scroll = [w] { Main_VehData_DT_VScroll_Scroll(*w); };
    form.VehData_DT_VScroll->Change = [w] { Main_VehData_DT_VScroll_Scroll(*w); };

    // The engine-shape sliders redraw the preview, except while the editor is being filled,
    // and with it the check of the curve against its peak torque (which may allow or stop the
    // store); a slider the user moved holds the figure of its position. The dyno throttle
    // always redraws.
    for (platform::Slider* s : {form.VehData_NewIdleTorque, form.VehData_NewTCA, form.VehData_NewPCA,
                                form.VehData_NewPWA, form.VehData_NewPR, form.VehData_NewPS}) {
        const auto preview = [w, s] {
            if (Raised(vehicle::VehCode().EditorFilling)) return;
            ForgetFilledFigure(*s);
            ValidateVehicleEditorInputs(*w);
        };
        s->Scroll = preview;
        s->Change = preview;
    }
    form.VehData_DynoThrottle->Scroll = [w] { PreviewEngineEdits(*w); };
    form.VehData_DynoThrottle->Change = [w] { PreviewEngineEdits(*w); };
    // While the editor is open, a double-click on the engine curve lists it as a table;
    // otherwise it does what it did before (the chart's graph window).
    TorqueDataTableHooks().PreviewEngine = [] {
        if (Main* main = core::GlobalChassisLab().MainForm) PreviewEngineEdits(*main);
    };
    form.TorquePowerPlot->DblClick = [previous = form.TorquePowerPlot->DblClick] {
        if (Raised(vehicle::VehCode().EditorOpen)) {
            ShowTorqueDataTable();
        } else if (previous) {
            previous();
        }
    };

    InstallVehicleEditorChecks(form);
}

}  // namespace ui
