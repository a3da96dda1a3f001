// The options window ("User Preferences"): three pages under a tab strip. "Units" chooses the
// display unit of each of the 21 quantities (or one of three presets), "Graphs" holds the 53
// chart-scale sliders and the drawing switches of the charts, "Misc" the program switches.
// "Load Options" and "Save Options" read and write the options file.
//
// The window holds no settings of its own: every control writes straight into the unit
// system and options block (core/OptionsSettings.hpp), and the change takes effect at once.
// Handlers store what they must whatever the guard flags say; they recalculate and redraw
// only while neither FormLoading nor OptionsPanelFilling is raised (the exceptions are named
// at each handler).
//
// Controls are public members named as the rest of the program knows them. The layout
// (design-time state) is OptionsPanelLayout.cpp; the handlers of each page are in
// OptionsUnitsPage.cpp, OptionsGraphsPage.cpp and OptionsMiscPage.cpp.
#pragma once

#include <array>

#include "core/GraphScales.hpp"
#include "core/Units.hpp"
#include "platform/Form.hpp"

namespace ui {

class Main;

class OptionsPanel : public platform::Form {
public:
    OptionsPanel();
    ~OptionsPanel() override;

    // True once this instance has had its load: the start-up fills it without showing it, and
    // the first showing afterwards must not fill the unit lists a second time.
    bool ContentsLoaded = false;

    // ---- Frame of the window ----
    TabStrip* Select_Options = nullptr;  // "Units", "Graphs", "Misc"
    Array<PictureBox> OptionsPage;       // 0 units, 1 graphs, 2 misc; stacked in one place
    CommandButton* OptionsLoad = nullptr;
    CommandButton* OptionsSave = nullptr;
    Label* Title_Options = nullptr;

    // ---- Units page ----
    Array<Frame> PreferencesUnits;   // 0 presets, 1 basic units, 2 advanced units
    Array<CommandButton> SetUnits;   // 0 "SI", 1 "Metric", 2 "Imperial"
    Array<Label> OptionsLabel;       // "Units of ...:" captions, 0..20
    // Select_<Q>Units and Label_<Q>Units, by quantity index (core::Quantity order).
    std::array<ComboBox*, core::kQuantityCount> UnitSelector{};
    std::array<Label*, core::kQuantityCount> UnitLabel{};
    ComboBox& Select(core::Quantity q) const { return *UnitSelector[core::QuantityIndex(q)]; }
    Label& UnitSuffixLabel(core::Quantity q) const { return *UnitLabel[core::QuantityIndex(q)]; }

    // ---- Graphs page ----
    Array<Frame> OptionsGraphGroup;  // 0..36
    Array<Label> Label_XScale;       // "Horizontal Scale:" (or "Unified Scale:"), by group
    Array<Label> Label_YScale;       // "Vertical Scale:", by group
    Array<Label> Label_XUnits;       // value labels, by group
    Array<Label> Label_YUnits;
    // The 53 scale sliders in the order of core::GraphScaleSliders().
    std::array<Slider*, core::kGraphScaleCount> ScaleSlider{};
    Array<CheckBox> EnableRollPoint;       // 0..3, 10
    Array<CheckBox> EnablePitchPoint;      // 0..3, 10
    Array<OptionButton> GearGraphStyle;    // 0, 1 (speed graph), 10, 11 (torque graph)
    Array<CheckBox> EnableGearSpeedLine;   // 0..2
    Array<CheckBox> EnableGearTorqueLine;  // 0..2
    CheckBox* EnableDecVLoads = nullptr;
    CheckBox* EnableAccVLoads = nullptr;
    CheckBox* EnableAeroLiftVLoads = nullptr;
    ScrollBar* VScrollGraphsTab = nullptr;

    // ---- Misc page ----
    Array<Frame> OptionsGroup;  // 1..9, 11
    Array<Label> GearingOptionsLabel;  // 0 "Error:", 1 "%", 2 power drop, 3 "X:", 4 "Y:"
    CheckBox* AutoUpdateChecking = nullptr;
    CheckBox* AutomaticUpdating = nullptr;
    OptionButton* RC_Auto = nullptr;
    OptionButton* RC_Fixed = nullptr;
    TextBox* RC_FixedVal = nullptr;
    CheckBox* RevLimitEnable = nullptr;
    Array<OptionButton> GearRevsTop;  // 0 peak power, 1 engine limit, 2 power drop
    Slider* GearRevsTopPowerDrop = nullptr;
    Array<OptionButton> SpeedoType;   // 0 true ground speed, 1 speedometer indicated
    TextBox* SpeedoError = nullptr;
    CheckBox* SimplifiedDiffsEnable = nullptr;
    CheckBox* SimplifiedDampersEnable = nullptr;
    CheckBox* EnableLFSMode = nullptr;
    CheckBox* FilterSetups = nullptr;
    CheckBox* EnableTestControls = nullptr;
    Array<TextBox> AreaOffset;        // 0 X, 1 Y

    // ---- Handlers ----
    void OptionsPanel_Form_Load();
    void Select_Options_Click();
    void SetUnits_Click(int index);
    void OptionsLoad_Click();
    void OptionsSave_Click();
    void Select_Units_Click(core::Quantity q);

    void ScaleSlider_Scroll(int group);
    void EnableRollPoint_Click();
    void EnablePitchPoint_Click();
    void EnableGearSpeedLine_Click();
    void EnableGearTorqueLine_Click();
    void GearGraphStyle_Click();
    void EnableDecVLoads_Click();
    void EnableAccVLoads_Click();
    void EnableAeroLiftVLoads_Click();
    void VScrollGraphsTab_Scroll();

    void AutoUpdateChecking_Click();
    void AutomaticUpdating_Click();
    void RC_Auto_Click();
    void RC_Fixed_Click();
    void RC_FixedVal_Change();
    void RevLimitEnable_Click();
    void GearRevsTop_Click();
    void GearRevsTopPowerDrop_Scroll();
    void SpeedoError_Change();
    void SpeedoType_Click();
    void SimplifiedDiffsEnable_Click();
    void SimplifiedDampersEnable_Click();
    void EnableLFSMode_Click();
    void FilterSetups_Click();
    void EnableTestControls_Click();
    void AreaOffset_Change();

    // The value label of a scale slider (Label_XUnits or Label_YUnits of its group).
    Label& ScaleValueLabel(const core::GraphScaleSlider& s) const;

    // Enables or disables everything that changes a unit: the 21 unit selectors, the three
    // preset buttons and "Load Options".
    void AllowUnitChanges(bool allowed);

private:
    void BuildFrame();
    void BuildUnitsPage(platform::Container* page);
    void BuildGraphsPage(platform::Container* page);
    void BuildGraphGroup(platform::Container* page, int group);
    void BuildMiscPage(platform::Container* page);
    // The roll and pitch diagram boxes show their switches (the window's fill leaves them).
    void ShowDiagramSwitches();
    void InstallHandlers();
    void InstallUnitsHandlers();
    void InstallGraphsHandlers();
    void InstallMiscHandlers();
};

// The one options window, created on first use (registered as
// GlobalChassisLab().OptionsPanelForm); after it has been closed, the next use creates it
// anew from its design-time state.
OptionsPanel& OptionsPanelWindow();
// The window when one exists and has not been closed; nullptr otherwise (creates nothing).
OptionsPanel* ExistingOptionsPanel();
// Destroys the window (tests start each case from the design-time state).
void ResetOptionsPanel();
// The Options menu's "Preferences" entry: shows the window modeless, or brings it to the front.
void ShowOptionsPanel();
// Enables the main window's "Preferences" entry and makes it open this window.
void InstallOptionsMenuEntry(Main& form);

// The vehicle editor's boxes hold the vehicle's figures in the units in force, and storing
// reads them back in the units then in force: while the editor is open no unit may change.
// Opening the editor passes false, closing it true; a window created while the editor is open
// starts with its unit choices disabled.
void AllowOptionsUnitChanges(bool allowed);

// The control names of each quantity: "Select_SpeedUnits", "Label_SpeedUnits", ...
std::string UnitSelectorName(core::Quantity q);
std::string UnitLabelName(core::Quantity q);
// The index of a quantity's "Units of ...:" caption in OptionsLabel.
int UnitCaptionIndex(core::Quantity q);

}  // namespace ui
