// The setup file commands of the main window: reading the setting controls into a file and
// a file into the controls.
#include "ui/main/settings/SetupFileIO.hpp"

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/ScopedValue.hpp"
#include "core/LFSCars.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/SetupAdjustments.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/FileMessages.hpp"
#include "platform/Services.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"

namespace ui {

SetupFileCommandsState& SetupFileCommands() {
    static SetupFileCommandsState state;
    return state;
}

using namespace files;

namespace {

// What a person calls a gear row in a message.
std::string GearRowName(int row) {
    if (row == kReverseGear) return "reverse gear";
    if (row == kFinalDrive) return "final drive";
    return core::TextTable().GearNames[static_cast<std::size_t>(row)] + " gear";
}

std::string UnstorableRatioMessage(const SetupWriteResult& r) {
    const bool reverse = r.badGearRow == kReverseGear;
    return "The setup was not saved: the ratio of the " + GearRowName(r.badGearRow) + " (" +
           core::DoubleText(r.badRatio) + ") cannot be stored in a setup file." + "\r\n" +
           "Ratios from " + (reverse ? "1 to 8" : "0.5 to 7.5") + " can be stored.";
}

// The car code of a setup file: its file name up to the first "_" (the whole name, extension
// included, when it has none).
std::string CarCodeOfPath(const std::string& path) {
    const std::string name = GetFileNamePart(path);
    return name.substr(0, name.find('_'));
}

// Index of the loaded vehicle a setup file belongs to, or nullopt. Setup files are named
// "<vehicle>_<anything>.set" (a simulator car's code in place of the vehicle in compatibility
// mode). A vehicle whose name holds "_" is found by its whole name: the longest such name
// that, followed by "_", begins the file name wins (the first loaded among equal names).
// Otherwise the file's car code up to its first "_" names the vehicle, as for every vehicle
// without "_" in its name.
std::optional<std::size_t> VehicleOfSetupFile(const std::string& path) {
    const auto& vehicles = core::GlobalChassisLab().Vehicles;
    const std::string fileName = GetFileNamePart(path);
    std::optional<std::size_t> best;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        const std::string stem = SetupFileStem(vehicles[i].Name);
        if (stem.find('_') == std::string::npos || stem.size() <= bestLength) continue;
        if (fileName.starts_with(stem + "_")) {
            best = i;
            bestLength = stem.size();
        }
    }
    if (best) return best;

    std::string code = CarCodeOfPath(path);
    if (core::FromVbBool(core::OptionsSettings().LFSMode)) {
        const int row = core::FindLFSCarByCode(code);
        if (row >= 0)
            code = core::TrimRight(core::LFSCarTable().LFSCars[static_cast<std::size_t>(row)].Name);
    }
    for (std::size_t i = 0; i < vehicles.size(); ++i)
        if (SetupFileStem(vehicles[i].Name) == code) return i;
    return std::nullopt;
}

void EnableFileClose(Main& main, bool enabled) {
    if (platform::MenuItem* item = main.FindMenu("FileClose")) item->SetEnabled(enabled);
}

// The window's vehicle selection, when attached.
void ReselectVehicle(Main& main) {
    if (const auto& reselect = SetupFileCommands().ReselectVehicle) reselect(main);
}

}  // namespace

SetupControlValues ReadSetupControlValues(const Main& m) {
    SetupControlValues v;
    v.BrakeBalance = m.Set_BrakeBalance->Value();
    v.BrakeMaxTorque = m.Set_BrakeMaxTorque->Value();
    v.ABS = m.Set_ABS->Value();
    v.TC = m.Set_TC->Value();
    v.TCSlipRatio = m.Set_TCSlipRatio->Value();
    v.TCSlipSpeed = m.Set_TCSlipSpeed->Value();
    v.EBR = m.Set_EBR->Value();
    for (int a = 0; a < 2; ++a) {
        v.SpringTravel[a] = m.Set_SuspSpringTravel(a).Value();
        v.SpringStiffness[a] = m.Set_SuspSpringStiffness(a).Value();
        v.BumpDamp[a] = m.Set_SuspBumpDamp(a).Value();
        v.ReboundDamp[a] = m.Set_SuspReboundDamp(a).Value();
        v.ARBStiffness[a] = m.Set_SuspARBStiffness(a).Value();
        v.SteerToe[a] = m.Set_SteerToe(a).Value();
        v.SteerCaster[a] = m.Set_SteerCaster(a).Value();
        v.DiffPowerLocking[a] = m.Set_GearingDiffPowerLocking(a).Value();
        v.DiffCoastLocking[a] = m.Set_GearingDiffCoastLocking(a).Value();
        v.DiffPreLoad[a] = m.Set_GearingDiffPreLoad(a).Value();
        v.WingAngle[a] = m.Set_AeroWingAngle(a).Value();
        v.TyreCompound[a] = m.Set_TyreCompound(2 * a).Text();
    }
    v.SteerAckermann = m.Set_SteerAckermann->Value();
    v.SteerLock = m.Set_SteerLock->Value();
    v.MiscConfig = m.Set_MiscConfig(1).Value() ? 1 : (m.Set_MiscConfig(0).Value() ? 0 : -1);
    for (int k = 0; k < 4; ++k) v.Passengers[k] = m.Set_Pass(k).Text();
    for (int g = 0; g < static_cast<int>(kSetupGearRows); ++g)
        v.GearRatioText[g] = m.Set_GearRatioText(g).Text();
    for (int i = 0; i < 3; ++i) {
        v.DiffType[i] = m.Set_GearingDiffType(i).Text();
        v.ViscousTorque[i] = m.Set_GearingViscousTorque(i).Value();
    }
    v.TorqueSplitCentre = m.Set_GearingTorqueSplitCentre->Value();
    v.Symmetric = m.Set_Asym(1).Value();
    for (int w = 0; w < 4; ++w) {
        v.TyrePressure[w] = m.Set_TyrePressure(w).Value();
        v.TyreCamber[w] = m.Set_TyreCamber(w).Value();
    }
    v.TyreBrand = m.Set_TyreBrand->Text();
    v.HandicapIntake = m.Set_HandicapIntake->Value();
    v.HandicapMass = m.Set_HandicapMass->Value();
    v.HandicapMassPos = m.Set_HandicapMassPos->Value();
    return v;
}

void ApplySetupControlValues(Main& m, const SetupControlValues& v) {
    // Brakes and traction control
    m.Set_BrakeBalance->SetValue(v.BrakeBalance);
    m.Set_BrakeMaxTorque->SetValue(v.BrakeMaxTorque);
    m.Set_ABS->SetValue(v.ABS);
    m.Set_TC->SetValue(v.TC);
    m.Set_TCSlipRatio->SetValue(v.TCSlipRatio);
    m.Set_TCSlipSpeed->SetValue(v.TCSlipSpeed);
    m.Set_EBR->SetValue(v.EBR);
    // Suspension
    for (int a = 0; a < 2; ++a) m.Set_SuspSpringTravel(a).SetValue(v.SpringTravel[a]);
    for (int a = 0; a < 2; ++a) {
        m.Set_SuspSpringStiffness(a).SetValue(v.SpringStiffness[a]);
        m.Set_SuspBumpDamp(a).SetValue(v.BumpDamp[a]);
        m.Set_SuspReboundDamp(a).SetValue(v.ReboundDamp[a]);
        m.Set_SuspARBStiffness(a).SetValue(v.ARBStiffness[a]);
    }
    // Steering
    m.Set_SteerToe(0).SetValue(v.SteerToe[0]);
    m.Set_SteerCaster(0).SetValue(v.SteerCaster[0]);
    m.Set_SteerCaster(1).SetValue(v.SteerCaster[1]);
    m.Set_SteerAckermann->SetValue(v.SteerAckermann);
    m.Set_SteerLock->SetValue(v.SteerLock);
    m.Set_SteerToe(1).SetValue(v.SteerToe[1]);
    if (v.MiscConfig == 0 || v.MiscConfig == 1) m.Set_MiscConfig(v.MiscConfig).SetValue(true);
    for (int k = 0; k < 4; ++k) m.Set_Pass(k).SetText(v.Passengers[k]);
    // Gear ratios: reverse, 1st to 6th, 7th, final drive
    if (v.ReverseSlider)
        m.Set_GearRatioSlider(kReverseGear).SetValue(*v.ReverseSlider);
    else
        m.Set_GearRatioText(kReverseGear).SetText(v.GearRatioText[kReverseGear]);
    for (int g = 1; g <= kFinalDrive; ++g) m.Set_GearRatioText(g).SetText(v.GearRatioText[g]);
    // Differentials: front, rear, centre
    for (int a = 0; a < 2; ++a) {
        m.Set_GearingDiffType(a).SetText(v.DiffType[a]);
        m.Set_GearingDiffPowerLocking(a).SetValue(v.DiffPowerLocking[a]);
        m.Set_GearingDiffCoastLocking(a).SetValue(v.DiffCoastLocking[a]);
        m.Set_GearingDiffPreLoad(a).SetValue(v.DiffPreLoad[a]);
        m.Set_GearingViscousTorque(a).SetValue(v.ViscousTorque[a]);
    }
    m.Set_GearingDiffType(2).SetText(v.DiffType[2]);
    m.Set_GearingViscousTorque(2).SetValue(v.ViscousTorque[2]);
    m.Set_GearingTorqueSplitCentre->SetValue(v.TorqueSplitCentre);
    // Tyres. The symmetric option's handler copies the left wheels to the right and locks the
    // right-hand sliders, so the choice comes before the four wheels are set one by one.
    m.Set_TyreCompound(0).SetText(v.TyreCompound[0]);
    m.Set_TyreCompound(2).SetText(v.TyreCompound[1]);
    m.Set_Asym(v.Symmetric ? 1 : 0).SetValue(true);
    for (int w = 0; w < 4; ++w) m.Set_TyrePressure(w).SetValue(v.TyrePressure[w]);
    for (int w = 0; w < 4; ++w) m.Set_TyreCamber(w).SetValue(v.TyreCamber[w]);
    m.Set_TyreBrand->SetText(v.TyreBrand);
    // Downforce and handicaps
    m.Set_AeroWingAngle(0).SetValue(v.WingAngle[0]);
    m.Set_AeroWingAngle(1).SetValue(v.WingAngle[1]);
    m.Set_HandicapIntake->SetValue(v.HandicapIntake);
    m.Set_HandicapMass->SetValue(v.HandicapMass);
    m.Set_HandicapMassPos->SetValue(v.HandicapMassPos);
}

bool OpenSetupFile(bool showMessages) {
    auto& g = core::GlobalChassisLab();
    auto& state = SetupFile();
    const auto& texts = core::TextTable();
    const std::string path = state.SetupOpenPath;

    const FileReach reach = ReachFile(path);
    if (reach.check != 1) {
        if (showMessages)
            ShowFileError(reach.check == 0 ? texts.MsgFileEmpty + "\r\n" + texts.MsgBadSetupFile
                                           : NotReadText(path, reach.error));
        return false;
    }
    // Everything is checked before anything changes: the file, the vehicle it belongs to and
    // every value against the controls it goes to.
    std::string bytes;
    // Only the record is read: bytes past it are never looked at, whatever the file's size.
    if (!ReadFileStart(path, kSetupFileSize, bytes)) {
        if (showMessages) ShowFileError(NotReadText(path, errno));
        return false;
    }
    // A file too short for the record gives nullopt.
    const std::optional<LFSSetupRecord> record = ParseSetupRecord(bytes);
    if (!record || record->Identifier != kSetupFileId) {
        if (showMessages) ShowFileError(texts.MsgBadSetupFile);
        return false;
    }
    if (record->Version != kSetupFileVersion) {
        if (showMessages) ShowFileProblem(texts.MsgBadSetupVersion);
        return false;
    }
    const std::optional<std::size_t> index = VehicleOfSetupFile(path);
    if (!index) {
        ShowFileProblem(texts.MsgSetupVehicleNotLoaded);  // shown even for a default setup
        return false;
    }
    const vehicle::VehicleRecord target = g.Vehicles[*index];
    SetupControlValues values;
    const SetupReadResult read =
        ControlsFromRecord(*record, SetupReadContext(target), ProgramSetupSliderRanges(), values);
    if (!read.ok) {
        if (showMessages) ShowFileError(texts.MsgBadSetupFile + "\r\n" + InvalidFieldText(read));
        return false;
    }

    if (g.MainForm == nullptr) return false;  // no window to take the settings
    Main& main = *g.MainForm;
    std::vector<std::string> adjusted;
    {
        const core::RaisedFlag suppress(g.SuppressRecalc);
        // The selector's own click handler does nothing while SuppressRecalc is raised.
        main.Main_SelectVeh->SetText(target.Name);
        // Makes the file's vehicle current and sets the setting ranges for it (the analyses
        // wait: SuppressRecalc is raised). During start-up the selection sets nothing of the
        // window, so the ranges are configured here.
        ReselectVehicle(main);
        if (core::FromVbBool(g.FormLoading)) ConfigureSetupControls();
        ApplySetupControlValues(main, values);
        adjusted = AdjustedSetupFields(values, ReadSetupControlValues(main));
    }
    main.SetCaption(SetupFileCaption(path));
    if (!core::FromVbBool(g.FormLoading)) {
        // Recalculates every analysis with the new settings, keeping the caption and path.
        const core::RaisedFlag applying(state.SetupApplying);
        ReselectVehicle(main);
    }
    EnableFileClose(main, true);
    state.SetupSavePath = path;
    // A later save writes the adjusted values: the user hears which ones, whatever the caller.
    if (!adjusted.empty()) ShowFileProblem(AdjustedSetupMessage(adjusted));
    return true;
}

bool SetupCanBeSaved() {
    if (!core::GlobalChassisLab().Vehicles.empty()) return true;
    ShowFileProblem("The setup was not saved: no vehicle is selected.");
    return false;
}

bool SaveSetupFile() {
    if (!SetupCanBeSaved()) return false;
    const std::string path = SetupFile().SetupSavePath;
    if (path.empty()) {
        ShowFileError("The setup was not saved: no setup file is chosen.");
        return false;
    }
    Main* main = core::GlobalChassisLab().MainForm;
    if (main == nullptr) return false;  // no window holds the settings
    LFSSetupRecord record;
    const SetupWriteResult built =
        RecordFromControls(ReadSetupControlValues(*main), SetupWriteContext(), record);
    if (!built.ok) {
        ShowFileProblem(UnstorableRatioMessage(built));
        return false;
    }
    const SetupFileBytes bytes = SerializeSetupRecord(record);
    const std::string error = ReplaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!error.empty()) {
        ShowFileError("The setup could not be saved to " + PathInMessage(path) + "\r\n" + error);
        return false;
    }
    return true;
}

std::string SetupFileCaption(const std::string& path) {
    return std::string(core::kProgramName) + " (" + files::PathInTitle(path) + ")";
}

}  // namespace ui
