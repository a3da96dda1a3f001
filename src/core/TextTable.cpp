#include "core/TextTable.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"

namespace core {

TextTableState& TextTable() {
    static TextTableState state;
    return state;
}

std::string ExecutableFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || folder.empty()) {
        folder = std::filesystem::current_path(error);
    } else {
        folder = folder.parent_path();
    }
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

namespace {

template <typename List>
std::vector<std::string> Items(const List& list) {
    return std::vector<std::string>(list.begin(), list.end());
}

// A selector filled with `items`; `firstText` (when not empty) chosen by its text, as setting a
// drop-down's text to one of its items selects that item.
SelectorFill Fill(std::string control, std::vector<std::string> items,
                  const std::string& firstText = {}) {
    SelectorFill fill{std::move(control), std::move(items), -1};
    if (!firstText.empty()) {
        const auto at = std::find(fill.Items.begin(), fill.Items.end(), firstText);
        if (at != fill.Items.end()) fill.FirstChoice = static_cast<int16_t>(at - fill.Items.begin());
    }
    return fill;
}

SelectorFill FillIndex(std::string control, std::vector<std::string> items, int16_t first) {
    return SelectorFill{std::move(control), std::move(items), first};
}

void SetTexts(TextTableState& t) {
    t.AboutTitlePrefix = "About ";
    t.CustomiseTitlePrefix = "Customise ";
    t.MainWindowTitle = std::string(kProgramName) + kProgramVersion;
    t.PageNames = {"Vehicle Data", "Vehicle Settings", "Live Settings"};
    t.PhotoToggleCaptions = {"Toggle Vehicle Tools", "Toggle Vehicle Photo"};
    t.DragRaceStateNames = {"Stopped", "Paused", "Playing"};
    t.DragRaceSpeedNames = {"0.2x", "1x", "2x"};

    t.DlgTitleOpenSetup = "Open settings file...";
    t.DlgTitleSaveSetup = "Save settings file...";
    t.DlgTitleOpenDataOutput = "Open LFS binary vehicle data file...";
    t.DlgTitleOpenVehicle = "Open vehicle...";
    t.DlgTitleSaveVehicle = "Save vehicle...";
    t.DlgTitleExportAcc = "Export acceleration data to CSV file...";
    t.DlgTitleExportDec = "Export deceleration data to CSV file...";
    t.DlgTitleExportSetup = "Export setup to CSV file...";

    t.DlgFilterSetup = "LFS Settings File | ";
    t.DlgFilterDataOutput = "LFS Binary Vehicle Data File | *.bin";
    t.DlgFilterVehicle = "ChassisLab Vehicle Data File | *.vd3";
    t.DlgFilterCsv = "Comma Separated Values | *.csv";

    t.MsgTitleFileExists = "File exists";
    t.MsgOverwritePrefix = "The file ";
    t.MsgOverwriteSuffix = " exists, do you wish to overwrite it?";
    t.MsgFileNotExist = "File does not exist!";
    t.MsgTitleProblem = "Problem";
    t.MsgTitleError = "Error!";
    t.MsgBadDataOutputFile = "Not a valid binary output file";
    t.MsgBadVehicleFile = "Not a valid vehicle data file";
    t.MsgBadVehicleVersion = "Incorrect vehicle data file version";
    t.MsgBadSetupFile = "Not a valid setup file";
    t.MsgBadSetupVersion = "Incorrect setup file version";
    t.MsgFileEmpty = "The file is empty.";
    t.MsgBadVehicleField = "Value out of range: ";
    t.MsgEngineSpeedsOutOfOrder = "Engine speeds out of order: ";
    t.MsgPlateauPowerPrefix = "Plateau gives more power: ";
    t.MsgPowerPeakTorquePrefix = "Power needs more torque: ";
    t.MsgLowerFigures = "lower ";
    t.MsgRaiseFigures = "raise ";
    t.MsgWheelMassesTooHeavy = "Wheel masses too heavy: ";
    t.MsgTyreSidewallTooLow = "Tyre sidewall too low: ";
    t.MsgSetupVehicleNotLoaded =
        "This setup is for a vehicle not currently loaded in the program.\r\n"
        "Load the relevant vehicle before attempting to open this setup again.";

    t.CsvLabelTime = "Time";
    t.CsvLabelSpeed = "Speed";
    t.CsvLabelEngineAngVel = "Engine AngVel";
    t.CsvLabelGear = "Gear";
    t.CsvLabelDrivingForce = "Driving Force";
    t.CsvLabelResistance = "Resistance";
    t.CsvLabelNetForce = "Net Force";
    t.CsvLabelAcceleration = "Acceleration";
    t.CsvLabelTyreVerticalLoad = "Tyre Vertical Load";

    t.CsvSeparator = ",";
    t.UnitOpenBracket = "(";
    t.UnitCloseBracket = ")";
    t.CsvUnitClose = t.UnitCloseBracket + t.CsvSeparator;
    t.CsvWheelGap = t.CsvSeparator + t.CsvSeparator + t.CsvSeparator;

    t.QuantityTitleTime = "Time";
    t.QuantityTitleSpeed = "Speed";
    t.QuantityTitleDistance = "Distance";
    t.QuantityTitleMass = "Mass";
    t.QuantityTitleForce = "Force";
    t.QuantityTitleAngularVelocity = "Angular velocity";
    t.QuantityTitleRotationalVelocity = "Rotational velocity";
    t.QuantityTitleTorque = "Torque";
    t.QuantityTitlePower = "Power";
    t.QuantityTitleGear = "Gear";
    t.QuantityTitleVolume = "Volume";
    t.QuantityTitleAcceleration = "Acceleration";
    t.QuantityTitleThrottle = "Throttle";
    t.QuantityTitleBrake = "Brake";
    t.QuantityTitleBrakeBalance = "Brake balance";

    t.FrontText = " Front";
    t.RearText = " Rear";
    t.RightText = " Right";
    t.LeftText = " Left";
    t.YesText = "Yes";
    t.NoText = "No";
    t.UndersteerText = "Understeer";
    t.OversteerText = "Oversteer";
    t.DiveText = "Dive";
    t.SquatText = "Squat";
    t.StraightText = "Straight";

    t.GearNames = {"", "1st", "2nd", "3rd", "4th", "5th", "6th", "7th"};
    t.AddedVehicleText = "Added vehicle: ";
    t.UpdatedVehicleText = "Updated vehicle: ";
    t.DragRaceDistanceNames = {"Distance 1", "Distance 2", "Total distance"};
    t.DegreesCelsiusSuffix = "\u00B0C";
    t.DampGraphModeNames = {"Damped suspension 'drop'", "Damped suspension 'push'", "Live view"};
    t.AccGraphDataNames = {t.QuantityTitleThrottle,     "Engine velocity",
                           t.QuantityTitleGear,         t.QuantityTitleForce,
                           t.QuantityTitleAcceleration, t.QuantityTitleSpeed,
                           t.QuantityTitleDistance,     "Spring deflection",
                           "Tyre deformation",          "Fuel in tank"};
    t.DecGraphDataNames = {t.QuantityTitleBrake,        "Engine velocity",
                           t.QuantityTitleGear,         t.QuantityTitleForce,
                           t.QuantityTitleAcceleration, t.QuantityTitleSpeed,
                           t.QuantityTitleDistance,     "Spring deflection",
                           "Tyre deformation",          t.QuantityTitleBrakeBalance};
    t.DriveTypeNames = {"Front wheel drive", "Rear wheel drive", "All wheel drive",
                        "Not wheel driven"};
    t.DiffTypeNames = {"Open", "Locked", "Viscous", "Clutch pack"};
    t.SplitTypeNames = {"Variable", "Infinite", ""};
    t.TyreBrands = {"Cromo plain", "Cromo", "Torro", "Michelin", "Evostar", "Bridgestone", "Avon"};
    t.OccupantTypeNames = {"None", "Male", "Female"};
    t.MechCalcNames = {"Various spring calculators", "Disc brake calculator"};
    t.ARBTypeNames = {"Tubular", "Solid"};
    t.LeafSpringTypeNames = {"Semi-elliptic", "Semi-elliptic (progressive)", "Quarter-elliptic"};
    t.AccPrecisionNames = {"1/100th sec (standard)", "1/500th sec (high)",
                           "1/2000th sec (ultra)"};
    t.VehicleLimitText = "You can only load up to 200 vehicles at any one time.";
    t.AeroGraphOptionNames = {"Resistances", "Lift"};
    t.SteerDiagramModeNames = {"Close Up", "Full"};
}

void SetSelectorFills(TextTableState& t) {
    const std::vector<std::string> tyreChoices = {
        Trim(t.FrontText + t.LeftText), Trim(t.FrontText + t.RightText),
        Trim(t.RearText + t.LeftText), Trim(t.RearText + t.RightText)};
    std::vector<SelectorFill>& f = t.SelectorFills;
    f.clear();
    f.push_back(Fill("Main_SelectPage", Items(t.PageNames), "Vehicle Settings"));
    f.push_back(FillIndex("Analysis_TyreChoice", tyreChoices, 0));
    f.push_back(FillIndex("Analysis_SuspDampGraphCombo", Items(t.DampGraphModeNames), 0));
    f.push_back(Fill("Analysis_AccGraphData(0)", Items(t.AccGraphDataNames), "Force"));
    f.push_back(Fill("Analysis_AccGraphData(1)", Items(t.AccGraphDataNames), "Speed"));
    f.push_back(Fill("Analysis_DecGraphData(0)", Items(t.DecGraphDataNames), "Force"));
    f.push_back(Fill("Analysis_DecGraphData(1)", Items(t.DecGraphDataNames), "Speed"));
    f.push_back(Fill("VehData_NewDrivetrain", Items(t.DriveTypeNames)));
    f.push_back(Fill("VehData_NewNumGears", {"2", "3", "4", "5", "6", "7"}));
    f.push_back(Fill("Set_GearingDiffType(0)", Items(t.DiffTypeNames), "Clutch pack"));
    f.push_back(Fill("Set_GearingDiffType(1)", Items(t.DiffTypeNames), "Clutch pack"));
    // The centre differential is either open or viscous.
    f.push_back(Fill("Set_GearingDiffType(2)", {t.DiffTypeNames[0], t.DiffTypeNames[2]},
                     "Viscous"));
    f.push_back(Fill("Set_TyreBrand", Items(t.TyreBrands), "Cromo plain"));
    for (int seat = 0; seat < 4; ++seat) {
        f.push_back(Fill("Set_Pass(" + std::to_string(seat) + ")", Items(t.OccupantTypeNames)));
    }
    f.push_back(FillIndex("Analysis_AccPrecision", Items(t.AccPrecisionNames), 0));
    f.push_back(FillIndex("Analysis_AeroGraphOption", Items(t.AeroGraphOptionNames), 0));
    f.push_back(Fill("Analysis_SteerToeDiagramMode", Items(t.SteerDiagramModeNames), "Close Up"));
    f.push_back(FillIndex("Analysis_SteerCamberDiagramMode",
                          {Trim(t.FrontText), Trim(t.RearText)}, 0));
    f.push_back(Fill("VehData_MaxPass", {"0", "1", "2", "3", "4"}));
}

}  // namespace

void InitDefaultTexts(const std::string& programFolder) {
    TextTableState& t = TextTable();
    t = TextTableState{};
    SetTexts(t);

    GlobalChassisLabState& g = GlobalChassisLab();
    g.AppDir = programFolder.empty() ? ExecutableFolder() : programFolder;
    if (g.AppDir.back() != '/') g.AppDir += '/';
    g.VehiclesDir = g.AppDir + "vehicles/";
    g.SetupsDir = g.AppDir + "setups/";
    g.VehicleCount = static_cast<uint8_t>(std::min<std::size_t>(g.Vehicles.size(), kMaxVehicles));

    SetSelectorFills(t);
}

}  // namespace core
