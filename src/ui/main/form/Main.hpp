// The main window: header (page and vehicle selectors, photo, vehicle tools), the setting area
// with its three pages (vehicle data, vehicle settings, live settings) and the analysis area
// with its nine tabbed result pages.
//
// Every control is a public member named as the rest of the program knows it, so the modules
// read their inputs and write their captions through GlobalChassisLab().MainForm. Single
// controls are pointers set once by the layout (never null after construction); control arrays
// hold only the indexes the window uses. The layout (design-time state) lives in the
// ui/main/layout/ units; this class's own handlers are the navigation between pages and tabs,
// the tab linking, the low-resolution area moves and the springs-page scrolling. Every other
// handler is attached from above by ui/main/MainWindow.hpp.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Form.hpp"

namespace ui {

class Main : public platform::Form {
public:
    Main();
    ~Main() override;

    // ---- Window state ----
    // True: choosing a settings tab also selects the matching analysis tab. Kept in step with
    // the check mark of OptionsTabLinking.
    bool TabLinking = true;

    // ---- Menus (layout/MainLayoutMenus.cpp; handlers in menus/). An entry that opens another
    // window starts disabled with no handler; the unit that installs its handler enables it. ----
    MenuItem* FileMenu = nullptr;
    MenuItem* FileOpenSetup = nullptr;
    MenuItem* FileOpenRecentMenu = nullptr;
    std::array<MenuItem*, 8> FileOpenRecent{};  // the recent setup files, newest first
    MenuItem* FileSaveSetup = nullptr;
    MenuItem* FileSaveAs = nullptr;
    MenuItem* FileClose = nullptr;
    MenuItem* FileUserVehicles = nullptr;
    MenuItem* FileLoadVehicle = nullptr;
    MenuItem* FileSaveVehicle = nullptr;
    MenuItem* FileExport = nullptr;
    MenuItem* ExportAccelerationData = nullptr;
    MenuItem* ExportDecelerationData = nullptr;
    MenuItem* FileExit = nullptr;
    MenuItem* OptionsMenu = nullptr;
    MenuItem* OptionsTabLinking = nullptr;
    MenuItem* OptionsManUpdate = nullptr;
    MenuItem* OptionsPreferences = nullptr;
    MenuItem* OptionsAutoVeh = nullptr;
    MenuItem* OptionsLanguage = nullptr;  // hidden and disabled for good
    MenuItem* ToolsMenu = nullptr;
    MenuItem* ToolsRealtimeAcc = nullptr;
    MenuItem* ToolsLargeGraph = nullptr;
    MenuItem* ToolsMechCalcs = nullptr;
    MenuItem* ToolsUnitConverter = nullptr;
    MenuItem* ToolsBinaryReader = nullptr;
    MenuItem* ToolsSetupReader = nullptr;
    MenuItem* HelpMenu = nullptr;
    MenuItem* HelpUsage = nullptr;
    MenuItem* HelpAbout = nullptr;
    MenuItem* LinksMenu = nullptr;
    MenuItem* LinksUpdate = nullptr;
    MenuItem* LinksWebsite = nullptr;
    MenuItem* LinksDonation = nullptr;
    MenuItem* LinksFeedback = nullptr;
    std::array<MenuItem*, 2> LinkSpecSites{};  // 0 cars, 1 motorbikes (hidden for good)
    MenuItem* LinkSetSites = nullptr;
    std::vector<MenuItem*> LinkCarSpecs;   // 0..23
    std::vector<MenuItem*> LinkBikeSpecs;  // 0..6
    std::vector<MenuItem*> LinksSetups;    // 0..1

    // ---- Areas and pages ----
    // 0 header, 1 setting area, 2 analysis area, 3 analysis cover (shown while editing).
    Array<Frame> MainSection;
    Array<Frame> SubSection;    // setting area pages, one per page name
    Array<Frame> DataPage;      // "Vehicle Data" tabs
    Array<Frame> SettingsPage;  // "Vehicle Settings" tabs
    Frame* LiveSettings = nullptr;
    Array<Frame> AnalysisPage;  // analysis tabs
    TabStrip* VehData_SelectPage = nullptr;
    TabStrip* Settings_SelectPage = nullptr;
    TabStrip* Analysis_SelectPage = nullptr;
    Array<Label> MainLabel;
    Array<Label> LiveLabel;

    // ---- Header ----
    CommandButton* VehData_PhotoToggle = nullptr;
    ComboBox* Main_SelectPage = nullptr;
    ComboBox* Main_SelectVeh = nullptr;
    TextBox* VehData_NewName = nullptr;
    Image* Info_VehPic = nullptr;
    Frame* VehData_Modification = nullptr;
    CommandButton* VehData_AddVeh = nullptr;
    CommandButton* VehData_CreateNew = nullptr;
    CommandButton* VehData_EditExisting = nullptr;
    CommandButton* VehData_UpdateVeh = nullptr;
    CommandButton* VehData_Cancel = nullptr;
    Frame* TestControls = nullptr;
    Array<CommandButton> MoveSettingsArea;  // 0 "<-", 1 "->"
    Array<CommandButton> MoveAnalysisArea;  // 0 "<-", 1 "->", 2 "^", 3 "v"

    // ---- Analysis: Physical ----
    Array<Frame> Analysis_PhysicalFrame;
    PictureBox* Analysis_PhysChart = nullptr;
    Array<Label> Analysis_PhysLabel;

    // ---- Analysis: Deceleration ----
    Array<Frame> Analysis_DecFrame;
    Array<CheckBox> Analysis_DecOptions;  // 0 "Apply brakes", 1 "Use engine braking"
    CommandButton* Analysis_DecCalc = nullptr;
    ProgressBar* Analysis_DecProgress = nullptr;
    Array<TextBox> Analysis_DecSearchInput;
    Array<ComboBox> Analysis_DecGraphData;
    Array<PictureBox> Analysis_DecGraph;
    Array<Label> Analysis_DecLabel;

    // ---- Analysis: Springs and Damping (one label and frame array for both tabs) ----
    Array<Frame> Analysis_SuspFrame;
    Array<PictureBox> Analysis_SuspChart;
    PictureBox* Analysis_SuspBalance = nullptr;
    CommandButton* Analysis_SuspMakeLevelRide = nullptr;
    ScrollBar* Analysis_SuspVScroll = nullptr;
    Array<Label> Analysis_SuspLabel;
    Array<PictureBox> Analysis_DampBalance;
    PictureBox* Analysis_DampChart = nullptr;
    ComboBox* Analysis_SuspDampGraphCombo = nullptr;

    // ---- Analysis: Steering ----
    Array<Frame> Analysis_SteerFrame;
    Array<PictureBox> Analysis_SteeringDiagram;
    ComboBox* Analysis_SteerToeDiagramMode = nullptr;
    ComboBox* Analysis_SteerCamberDiagramMode = nullptr;
    Array<Label> Analysis_SteeringLabel;

    // ---- Analysis: Drive-train ----
    Array<PictureBox> Analysis_GearingGraph;
    Array<Frame> Analysis_GearingFrame;
    CommandButton* Analysis_GearingAutoSpace = nullptr;
    Array<Label> GearingRevsPreShift;   // 0..7
    Array<Label> GearingRevsPostShift;  // 1..6
    Array<Label> GearingSpeed;          // 0..7
    Array<Label> GearingSpeedGained;    // 1..6
    Array<Label> GearingRevsDropAbs;    // 1..6
    Array<Label> GearingRevsDropRel;    // 1..6
    Array<Label> GearingReduction;      // 0..7
    Array<Label> GearingCruisingRevs;   // 0..7
    Array<Label> GearingLabel;          // 0..55

    // ---- Analysis: Tyres ----
    ComboBox* Analysis_TyreChoice = nullptr;
    Array<Frame> Analysis_TyreFrame;
    Array<PictureBox> Analysis_TyreDrawing;  // 0 side view, 1 contact patch
    Array<ScrollBar> Analysis_TyresZoom;     // 1 side-view zoom, 0 contact-patch zoom
    PictureBox* Analysis_TyreGripDrawing = nullptr;
    Array<Label> Analysis_TyreLabel;

    // ---- Analysis: Aerodynamics ----
    Array<Frame> AeroPanel;
    Array<PictureBox> Analysis_AeroForcesChart;  // 0 speed chart, 1 per-tyre aero loads
    ComboBox* Analysis_AeroGraphOption = nullptr;
    PictureBox* Analysis_AeroBalanceDiagram = nullptr;
    Array<Label> Analysis_AeroLabel;

    // ---- Analysis: Acceleration ----
    Array<Frame> Analysis_AccFrame;
    ComboBox* Analysis_AccPrecision = nullptr;
    CommandButton* Analysis_AccCalc = nullptr;
    CommandButton* Analysis_AccWatchRealtime = nullptr;
    ProgressBar* Analysis_AccProgress = nullptr;
    Array<TextBox> Analysis_AccSearchInput;
    Array<ComboBox> Analysis_AccGraphData;
    Array<PictureBox> Analysis_AccGraph;
    Array<Label> Analysis_AccLabel;

    // ---- Settings (setup frames of all six tabs share one array) ----
    Array<Frame> Set_SetupFrame;
    // Brakes/TC
    CheckBox* Set_TC = nullptr;
    CheckBox* Set_ABS = nullptr;
    Slider* Set_TCSlipRatio = nullptr;
    Slider* Set_TCSlipSpeed = nullptr;
    Slider* Set_EBR = nullptr;
    Slider* Set_BrakeMaxTorque = nullptr;
    Slider* Set_BrakeBalance = nullptr;
    Array<Label> Set_BrakeLabel;
    // Suspension (0 front, 1 rear)
    Array<Slider> Set_SuspSpringTravel;
    Array<Slider> Set_SuspSpringStiffness;
    Array<Slider> Set_SuspBumpDamp;
    Array<Slider> Set_SuspReboundDamp;
    Array<Slider> Set_SuspARBStiffness;
    Array<Label> Set_SuspLabel;
    // Steering
    Array<Slider> Set_SteerToe;
    Array<Slider> Set_SteerCaster;
    Slider* Set_SteerAckermann = nullptr;
    Slider* Set_SteerLock = nullptr;
    Array<OptionButton> Set_MiscConfig;  // 0 "Default", 1 "Open roof"
    Array<Label> Set_SteerLabel;
    // Gearing
    Array<Frame> DiffFrame;    // 0 front, 1 rear, 2 centre
    Array<Frame> NoDiffFrame;  // placeholders at the same places
    Array<OptionButton> Set_ViewDiff;  // 0 "Front", 1 "Rear"
    Array<ComboBox> Set_GearingDiffType;
    Array<Slider> Set_GearingDiffPowerLocking;
    Array<Slider> Set_GearingDiffCoastLocking;
    Array<Slider> Set_GearingViscousTorque;
    Array<Slider> Set_GearingDiffPreLoad;
    Slider* Set_GearingTorqueSplitCentre = nullptr;
    Array<TextBox> Set_GearRatioText;  // 0 reverse, 1..7 forward gears, 8 final drive
    Array<Slider> Set_GearRatioSlider;
    Array<Label> Set_GearingLabel;
    // Tyres
    ComboBox* Set_TyreBrand = nullptr;
    Array<OptionButton> Set_Asym;        // 0 "Asymmetric", 1 "Symmetric"
    Array<ComboBox> Set_TyreCompound;    // 0 front, 2 rear
    Array<Slider> Set_TyrePressure;      // per wheel
    Array<Slider> Set_TyreCamber;        // per wheel
    Array<Label> Set_TyreLabel;
    // Downforce/Misc
    Array<Slider> Set_AeroWingAngle;     // 0 front, 1 rear
    Array<ComboBox> Set_Pass;            // seats 0..3
    Slider* Set_HandicapIntake = nullptr;
    Slider* Set_HandicapMass = nullptr;
    Slider* Set_HandicapMassPos = nullptr;
    Array<Label> Set_AeroLabel;

    // ---- Vehicle data pages and editor ----
    Array<Frame> VehDataFrame;
    Array<Label> DataLabel;
    // Physical
    TextBox* VehData_NewBodyMass = nullptr;
    TextBox* VehData_NewBodyPosX = nullptr;
    TextBox* VehData_NewBodyPosY = nullptr;
    TextBox* VehData_NewBodyPosZ = nullptr;
    TextBox* VehData_NewHandicapPosZ = nullptr;
    TextBox* VehData_NewFuelTankCapacity = nullptr;
    TextBox* VehData_NewFuelTankPosY = nullptr;
    TextBox* VehData_NewFuelTankPosZ = nullptr;
    TextBox* VehData_NewRefPosZ = nullptr;
    Array<TextBox> VehData_PassPosX;  // 0 front seat, 1 rear seat
    Array<TextBox> VehData_PassPosY;
    Array<TextBox> VehData_PassPosZ;
    ComboBox* VehData_MaxPass = nullptr;
    // Drive-train
    ComboBox* VehData_NewFuelType = nullptr;
    TextBox* VehData_NewTorque = nullptr;
    TextBox* VehData_NewTorqueRPM = nullptr;
    TextBox* VehData_NewPower = nullptr;
    TextBox* VehData_NewPowerRPM = nullptr;
    TextBox* VehData_NewEBC = nullptr;
    TextBox* VehData_NewTorquePeakWidth = nullptr;
    TextBox* VehData_NewIdleRPM = nullptr;
    TextBox* VehData_NewLimitRPM = nullptr;
    Slider* VehData_NewPWA = nullptr;
    Slider* VehData_NewPCA = nullptr;
    Slider* VehData_NewTCA = nullptr;
    Slider* VehData_NewIdleTorque = nullptr;
    Slider* VehData_NewPS = nullptr;
    Slider* VehData_NewPR = nullptr;
    Slider* VehData_DynoThrottle = nullptr;
    PictureBox* TorquePowerPlot = nullptr;
    ComboBox* VehData_NewDrivetrain = nullptr;
    TextBox* VehData_NewDrivetrainEff = nullptr;
    TextBox* VehData_NewDrivetrainShiftTime = nullptr;
    ComboBox* VehData_NewNumGears = nullptr;
    CheckBox* VehData_NewRevGear = nullptr;
    TextBox* VehData_NewThrust = nullptr;
    TextBox* VehData_NewThrustHeight = nullptr;
    ScrollBar* VehData_DT_VScroll = nullptr;
    // Wheels & tyres (0 front, 1 rear)
    Array<TextBox> VehData_NewRotMass;
    Array<TextBox> VehData_NewTyreWidth;
    Array<TextBox> VehData_NewTyreProfile;
    Array<TextBox> VehData_NewWheelSize;
    Array<TextBox> VehData_NewRideHeight;
    Array<TextBox> VehData_NewTrackWidth;
    Array<TextBox> VehData_NewCamber;
    Array<TextBox> VehData_NewInclination;
    Array<TextBox> VehData_NewWheelARBMR;
    Array<TextBox> VehData_NewWheelSpringMR;
    Array<TextBox> VehData_NewUnsprung;
    TextBox* VehData_NewWheelbase = nullptr;
    ScrollBar* VehData_Wh_VScroll = nullptr;
    // Aerodynamics (elements 0 body aero centre, 1 undertray, 2 rear wing, 3 front wing)
    TextBox* VehData_NewFrontalArea = nullptr;
    TextBox* VehData_NewCd = nullptr;
    TextBox* VehData_NewCl = nullptr;
    Array<ComboBox> VehData_NewAeroDeviceType;  // 1..3
    Array<TextBox> VehData_NewAeroDevicePosY;   // 0..3
    Array<TextBox> VehData_NewAeroDevicePosZ;   // 0..3

    // ---- Live settings ----
    Array<Frame> Live_Frame;
    Slider* Live_SteeringAngle = nullptr;
    Array<Slider> Live_TyreTemp;  // 0 front, 1 rear
    Slider* Live_TyreWear = nullptr;
    Slider* Live_FuelLoad = nullptr;
    Slider* Live_Speed = nullptr;
    Slider* Live_Throttle = nullptr;
    Slider* Live_Brake = nullptr;
    CheckBox* Live_BlowTyres = nullptr;
    Array<Label> Set_LiveLabel;

    // ---- Springs-page scrolling ----
    // Design Tops of the controls the springs scroll bar moves (Top = base - scroll value).
    struct ScrollBase {
        bool isChart;  // false: Analysis_SuspFrame, true: Analysis_SuspChart
        int index;
        int top;
    };
    // In the order they are repositioned: frames 0 to 6, charts 0 to 4, then frame 13.
    static constexpr std::array<ScrollBase, 13> kSpringsScrollBase{{
        {false, 0, 4}, {false, 1, 232}, {false, 2, 420}, {false, 3, 492}, {false, 4, 608},
        {false, 5, 700}, {false, 6, 252}, {true, 0, 4}, {true, 1, 4}, {true, 2, 328},
        {true, 3, 424}, {true, 4, 612}, {false, 13, 324}}};

    // ---- Navigation handlers ----
    void Main_SelectPage_Click();
    void VehData_SelectPage_Click();
    void Settings_SelectPage_Click();
    void Analysis_SelectPage_Click();
    void OptionsTabLinking_Click();
    void MoveSettingsArea_Click(int index);
    void MoveAnalysisArea_Click(int index);
    void Analysis_SuspVScroll_Change();
    void Analysis_SuspVScroll_Scroll();

    // The analysis tab that choosing settings tab `settingsTab` selects while tab linking is on
    // (tabs numbered from 1); 0 for a tab outside 1..6.
    static int LinkedAnalysisTab(int settingsTab);

    // Fills the fixed drop-down lists from the text table's selector fills (items, then the
    // first choice, which raises the list's Click). Run when the window is built and again by
    // the start-up once the texts are set.
    void ApplySelectorFills();

private:
    // Layout units, one per area (layout/MainLayout*.cpp).
    void BuildMenus();
    void BuildAreas();
    void BuildHeader();
    void BuildDataPages();
    void BuildDataPhysical(platform::Container* page);
    void BuildDataDrivetrain(platform::Container* page);
    void BuildDataWheels(platform::Container* page);
    void BuildDataAero(platform::Container* page);
    void BuildSettingsBrakes(platform::Container* page);
    void BuildSettingsSuspension(platform::Container* page);
    void BuildSettingsSteering(platform::Container* page);
    void BuildSettingsGearing(platform::Container* page);
    void BuildSettingsTyres(platform::Container* page);
    void BuildSettingsMisc(platform::Container* page);
    void BuildLiveSettings(platform::Container* page);
    void BuildAnalysisPhysical(platform::Container* page);
    void BuildAnalysisDeceleration(platform::Container* page);
    void BuildAnalysisSprings(platform::Container* page);
    void BuildAnalysisDamping(platform::Container* page);
    void BuildAnalysisSteering(platform::Container* page);
    void BuildAnalysisDrivetrain(platform::Container* page);
    void BuildAnalysisTyres(platform::Container* page);
    void BuildAnalysisAero(platform::Container* page);
    void BuildAnalysisAcceleration(platform::Container* page);
    void InstallNavigationHandlers();
};

}  // namespace ui
