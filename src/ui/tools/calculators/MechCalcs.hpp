// The mechanical calculators window ("Mechanical Calculators"): five small calculators to
// size a part before typing its rate or torque into the setup. A coil spring, a leaf spring
// and a torsion bar side by side over a disc-spring stack (the spring view), or the disc
// brakes alone (the brake view), chosen by the selector at the top.
//
// Nothing here reads or changes the vehicle, the setup or any file. Every input is in SI base
// units (the fixed captions beside the boxes say so), except one disc's stiffness, which is
// typed in the display unit. Results are shown in the display units in force, and follow a
// unit change made in the options window while the window is open. A box outside its range,
// and the boxes of figures that no real part has together (PartRanges.hpp), turn red and the
// calculator's results keep their previous figures; there are no messages. A figure that is not a finite number reads "N/A", with no unit after it.
//
// Single instance, modeless, created on first use; closing it discards everything.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Form.hpp"
#include "ui/tools/calculators/BellevilleStack.hpp"
#include "ui/tools/calculators/DiscBrakeCalc.hpp"
#include "ui/tools/calculators/SpringCalcs.hpp"

namespace ui {

class MechCalcs : public platform::Form {
public:
    MechCalcs();

    template <typename T>
    using Array = platform::ControlArray<T>;

    // ---- Window state ----
    // False until every list is filled at loading; the input handlers calculate only when true.
    bool CalcsReady = false;
    std::vector<tools::BellevilleStackConfig> StackConfigs;
    // True while the stack routines fill or select the two stack lists (their own click
    // handlers then do nothing).
    bool StackListsUpdating = false;
    // The figures each calculator shows, in SI, kept to show them again in another unit (a
    // refused box leaves them as they were). Empty until the calculator's first valid inputs.
    std::optional<tools::CoilSpringResult> CoilShown;
    std::optional<tools::LeafSpringResult> LeafShown;
    std::optional<tools::TorsionBarResult> BarShown;
    std::optional<tools::DiscBrakeResult> BrakesShown;
    bool BrakesShownAsPairs = false;  // two master cylinders: per-axle forces as pairs
    std::optional<float> StackShown;  // N/m
    // Display factor of the stiffness unit in which one disc's stiffness box is typed.
    double StackBoxFactor = 0.0;

    // ---- Controls ----
    platform::ComboBox* SelectMechCalc = nullptr;
    Array<platform::Frame> MechCalc;  // 0 coil, 1 torsion bar, 2 leaf, 3 stack, 4 disc brakes
    Array<platform::Label> MechCalcCaption;  // fixed captions (row titles and unit captions)
    // Coil spring
    Array<platform::TextBox> CoilSpringInput;  // 0..4
    Array<platform::Label> CoilCalcLabel;      // 100..103 results
    // Torsion bar
    platform::ComboBox* SelectARBType = nullptr;
    Array<platform::TextBox> ARBInput;  // 0..3
    Array<platform::Label> ARBCalcLabel;  // 100..102
    // Leaf spring
    platform::ComboBox* SelectLeafType = nullptr;
    Array<platform::TextBox> LeafSpringInput;  // 0..3
    Array<platform::Label> LeafCalcLabel;      // 100
    // Disc-spring stack
    platform::ComboBox* SelectBellevilleStackNum = nullptr;
    platform::ComboBox* SelectBellevilleStackConfig = nullptr;
    platform::ComboBox* SelectBellevilleStackStiffness = nullptr;
    platform::TextBox* BellevilleStackSingleStiffness = nullptr;
    Array<platform::Label> BellevilleCalcLabel;  // 7 unit suffix, 100 count, 101 visual, 102 result
    // Disc brakes
    Array<platform::TextBox> DiscBrakeInput;  // 0..8, 11..13
    platform::ComboBox* DiscMasterCylinders = nullptr;
    platform::ComboBox* PadsPerCaliper = nullptr;
    Array<platform::ComboBox> CalipersPerDisc;  // 0 front, 1 rear
    Array<platform::Label> DiscCalcLabel;       // 100..110

    // ---- Routines (each reads its own controls and writes its own results) ----
    void CalcCoilSpring();
    void CalcLeafSpring();
    void CalcAntiRollBar();
    void CalcDiscBrakes();
    void BuildBellevilleStackConfigs();
    void ShowBellevilleStackResult(int index);
    // Shows every result again in the units now in force; one disc's stiffness box is
    // converted into the new stiffness unit, so the disc keeps its stiffness.
    void FollowUnitChange();

    // ---- Handlers ----
    void MechCalcs_Load();
    void SelectMechCalc_Click();
    void SelectBellevilleStackConfig_Click();
    void SelectBellevilleStackStiffness_Click();
    void DiscMasterCylinders_Click();

private:
    // Client areas of the two views, pixels: what their frames are laid out in (the spring
    // frames reach 646 x 380, the brake frame 488 x 362). The window manager's frame and title
    // bar lie outside.
    static constexpr int kSpringViewClientWidth = 655, kSpringViewClientHeight = 411;
    static constexpr int kBrakeViewClientWidth = 503, kBrakeViewClientHeight = 367;

    void BuildLayout();  // MechCalcsLayout.cpp
    void BuildCoilFrame();
    void BuildTorsionFrame();
    void BuildLeafFrame();
    void BuildStackFrame();
    void BuildBrakeFrame();
    void InstallHandlers();
    // The bias-bar boxes follow the master-cylinder count.
    void ApplyBiasBarEnabling();
    // Write the kept figures in the display units.
    void ShowCoilSpring();
    void ShowLeafSpring();
    void ShowAntiRollBar();
    void ShowDiscBrakes();
};

// Shows the window (modeless), creating it on first use. The Tools menu entry opens it.
void ShowMechCalcs();
// After a unit change: an open window shows its figures in the new units.
void MechCalcsFollowUnitChange();
// The window when it exists (tests); nullptr otherwise.
MechCalcs* PeekMechCalcs();
// Drops the window (tests start each case from the design-time state).
void ResetMechCalcs();

}  // namespace ui
