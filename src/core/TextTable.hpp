// The built-in text table: every text that the program's routines put on screen or into a file
// and that is not fixed in a window's own layout (captions, dialog titles and filters,
// messages, column labels, list entries). Set once at start-up by InitDefaultTexts and never
// changed afterwards; there is no text loading.
//
// Several readers compare a selector's current text with these texts to find out what the user
// chose (page names, occupant names, differential types, graph choices), so a selector's items
// and this table must hold identical strings: fill selectors from here, never retype a text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

inline constexpr const char* kProgramName = "ChassisLab";
// The program's version text; the update check compares the fetched text with it.
inline constexpr const char* kProgramVersion = " v3.1.4";

// The items and first choice of one of the main window's fixed selectors.
struct SelectorFill {
    std::string Control;             // "Main_SelectPage", "Analysis_AccGraphData(1)", ...
    std::vector<std::string> Items;  // in list order
    int16_t FirstChoice = -1;        // item chosen after filling; -1: none
};

struct TextTableState {
    // 1. Title prefixes.
    std::string AboutTitlePrefix, CustomiseTitlePrefix;
    // 4. The main window's caption: product name and version.
    std::string MainWindowTitle;
    // 5.
    std::array<std::string, 3> PageNames;
    // 7.
    std::array<std::string, 2> PhotoToggleCaptions;
    // 8.
    std::array<std::string, 3> DragRaceStateNames, DragRaceSpeedNames;
    // 9. File dialog titles.
    std::string DlgTitleOpenSetup, DlgTitleSaveSetup, DlgTitleOpenDataOutput, DlgTitleOpenVehicle,
        DlgTitleSaveVehicle, DlgTitleExportAcc, DlgTitleExportDec, DlgTitleExportSetup;
    // 10. File dialog filters (callers append the pattern to DlgFilterSetup).
    std::string DlgFilterSetup, DlgFilterDataOutput, DlgFilterVehicle, DlgFilterCsv;
    // 11. Messages and message titles.
    std::string MsgTitleFileExists, MsgOverwritePrefix, MsgOverwriteSuffix, MsgFileNotExist,
        MsgTitleProblem, MsgTitleError, MsgBadDataOutputFile, MsgBadVehicleFile,
        MsgBadVehicleVersion, MsgBadSetupFile, MsgBadSetupVersion, MsgSetupVehicleNotLoaded,
        MsgFileEmpty, MsgBadVehicleField;
    // A stored engine the vehicle editor would refuse: its speeds out of order (followed by the
    // two fields), or a plateau that gives more than the peak power, or a power figure that
    // asks more than the peak torque at the power peak (each a head followed by the figures
    // compared and the advice: the figures to lower, then those to raise).
    std::string MsgEngineSpeedsOutOfOrder, MsgPlateauPowerPrefix, MsgPowerPeakTorquePrefix,
        MsgLowerFigures, MsgRaiseFigures;
    // Stored wheel masses the vehicle editor would refuse (followed by both sides), a tyre
    // with too little sidewall (followed by its two fields and its sidewall).
    std::string MsgWheelMassesTooHeavy, MsgTyreSidewallTooLow;
    // 12. Column labels of the run export.
    std::string CsvLabelTime, CsvLabelSpeed, CsvLabelEngineAngVel, CsvLabelGear,
        CsvLabelDrivingForce, CsvLabelResistance, CsvLabelNetForce, CsvLabelAcceleration,
        CsvLabelTyreVerticalLoad;
    // 13. Separators.
    std::string CsvSeparator, UnitOpenBracket, UnitCloseBracket, CsvUnitClose, CsvWheelGap;
    // 14. Axis and quantity titles.
    std::string QuantityTitleTime, QuantityTitleSpeed, QuantityTitleDistance, QuantityTitleMass,
        QuantityTitleForce, QuantityTitleAngularVelocity, QuantityTitleRotationalVelocity,
        QuantityTitleTorque, QuantityTitlePower, QuantityTitleGear, QuantityTitleVolume,
        QuantityTitleAcceleration, QuantityTitleThrottle, QuantityTitleBrake,
        QuantityTitleBrakeBalance;
    // 15. Position and state words (the four positions start with a blank so that they can be
    // appended to another word).
    std::string FrontText, RearText, RightText, LeftText, YesText, NoText, UndersteerText,
        OversteerText, DiveText, SquatText, StraightText;
    // 16. Element 0 stays empty; 1 "1st" ... 7 "7th".
    std::array<std::string, 8> GearNames;
    // 17. Message prefixes of the vehicle editor.
    std::string AddedVehicleText, UpdatedVehicleText;
    // 18.
    std::array<std::string, 3> DragRaceDistanceNames;
    // 19. Degree sign and "C" (UTF-8).
    std::string DegreesCelsiusSuffix;
    // 20.
    std::array<std::string, 3> DampGraphModeNames;
    // 21., 22.
    std::array<std::string, 10> AccGraphDataNames, DecGraphDataNames;
    // 23. Index = drive type of the vehicle record.
    std::array<std::string, 4> DriveTypeNames;
    // 24. SplitTypeNames element 2 stays empty.
    std::array<std::string, 4> DiffTypeNames;
    std::array<std::string, 3> SplitTypeNames;
    // 25.
    std::array<std::string, 7> TyreBrands;
    // 26. 0 "None", 1 "Male", 2 "Female".
    std::array<std::string, 3> OccupantTypeNames;
    // 27. Mechanical calculators.
    std::array<std::string, 2> MechCalcNames, ARBTypeNames;
    std::array<std::string, 3> LeafSpringTypeNames;
    // 28.
    std::array<std::string, 3> AccPrecisionNames;
    // 29.
    std::string VehicleLimitText;
    // 30., 31.
    std::array<std::string, 2> AeroGraphOptionNames, SteerDiagramModeNames;

    // The items and first choices of the main window's fixed selectors, in filling order; the
    // main window applies them when it is built.
    std::vector<SelectorFill> SelectorFills;
};

TextTableState& TextTable();

// Sets every text above, the program folders (AppDir = programFolder, or the executable's
// folder when it is empty, with a trailing "/"; VehiclesDir, SetupsDir), the vehicle count
// (the number of loaded vehicles) and the selector fills. Tests pass a folder of their own.
void InitDefaultTexts(const std::string& programFolder = {});

// The folder of the running executable, with a trailing "/"; the working folder when it
// cannot be found.
std::string ExecutableFolder();

}  // namespace core
