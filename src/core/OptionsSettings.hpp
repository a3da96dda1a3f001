// Module OptionsSettings: the unit system (the selected display unit of each of the 21
// quantities of core/Units.hpp) and the options block (graph scales, drawing toggles and
// program switches), with their defaults and the three unit presets.
//
// One program-wide instance, reached through OptionsSettings(); routines of every module read
// the fields directly. A test resets it with `core::OptionsSettings() = {};` followed by
// SetDefaultOptions() and ApplySelectedUnits().
//
// Display rule (the helpers at the end apply it): the text of internal value v of quantity Q is
// RoundToDecimals(x, UnitDecimalsQ) followed by the unit's suffix, with x (a Single) =
// v x UnitFactorQ, or UnitFactorQ / v for the four inverse units. Typed input is the other way
// round. Booleans are core::VbBool (true = -1, false = 0).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Numbers.hpp"
#include "core/Units.hpp"

namespace core {

using TextList = std::vector<std::string>;

// The selected unit of every quantity. Index: position in the quantity's unit list (always a
// valid row); Decimals, Factor: copied from that row; Names, Suffixes: the whole unit list's
// texts, set by SetDefaultOptions and never changed afterwards.
struct UnitSystem {
    uint8_t UnitIndexSpeed = 0, UnitDecimalsSpeed = 0; double UnitFactorSpeed = 0; TextList UnitNamesSpeed, UnitSuffixesSpeed;
    uint8_t UnitIndexDistanceSmall = 0, UnitDecimalsDistanceSmall = 0; double UnitFactorDistanceSmall = 0; TextList UnitNamesDistanceSmall, UnitSuffixesDistanceSmall;
    uint8_t UnitIndexDistanceLarge = 0, UnitDecimalsDistanceLarge = 0; double UnitFactorDistanceLarge = 0; TextList UnitNamesDistanceLarge, UnitSuffixesDistanceLarge;
    uint8_t UnitIndexArea = 0, UnitDecimalsArea = 0; double UnitFactorArea = 0; TextList UnitNamesArea, UnitSuffixesArea;
    uint8_t UnitIndexPressure = 0, UnitDecimalsPressure = 0; double UnitFactorPressure = 0; TextList UnitNamesPressure, UnitSuffixesPressure;
    uint8_t UnitIndexMass = 0, UnitDecimalsMass = 0; double UnitFactorMass = 0; TextList UnitNamesMass, UnitSuffixesMass;
    uint8_t UnitIndexForce = 0, UnitDecimalsForce = 0; double UnitFactorForce = 0; TextList UnitNamesForce, UnitSuffixesForce;
    uint8_t UnitIndexStiffness = 0, UnitDecimalsStiffness = 0; double UnitFactorStiffness = 0; TextList UnitNamesStiffness, UnitSuffixesStiffness;
    uint8_t UnitIndexAcc = 0, UnitDecimalsAcc = 0; double UnitFactorAcc = 0; TextList UnitNamesAcc, UnitSuffixesAcc;
    uint8_t UnitIndexPower = 0, UnitDecimalsPower = 0; double UnitFactorPower = 0; TextList UnitNamesPower, UnitSuffixesPower;
    uint8_t UnitIndexTorque = 0, UnitDecimalsTorque = 0; double UnitFactorTorque = 0; TextList UnitNamesTorque, UnitSuffixesTorque;
    uint8_t UnitIndexP2W = 0, UnitDecimalsP2W = 0; double UnitFactorP2W = 0; TextList UnitNamesP2W, UnitSuffixesP2W;
    uint8_t UnitIndexDensity = 0, UnitDecimalsDensity = 0; double UnitFactorDensity = 0; TextList UnitNamesDensity, UnitSuffixesDensity;
    uint8_t UnitIndexARV = 0, UnitDecimalsARV = 0; double UnitFactorARV = 0; TextList UnitNamesARV, UnitSuffixesARV;
    uint8_t UnitIndexMOI = 0, UnitDecimalsMOI = 0; double UnitFactorMOI = 0; TextList UnitNamesMOI, UnitSuffixesMOI;
    uint8_t UnitIndexDamping = 0, UnitDecimalsDamping = 0; double UnitFactorDamping = 0; TextList UnitNamesDamping, UnitSuffixesDamping;
    uint8_t UnitIndexRot = 0, UnitDecimalsRot = 0; double UnitFactorRot = 0; TextList UnitNamesRot, UnitSuffixesRot;
    uint8_t UnitIndexAngle = 0, UnitDecimalsAngle = 0; double UnitFactorAngle = 0; TextList UnitNamesAngle, UnitSuffixesAngle;
    uint8_t UnitIndexFuelEcon = 0, UnitDecimalsFuelEcon = 0; double UnitFactorFuelEcon = 0; TextList UnitNamesFuelEcon, UnitSuffixesFuelEcon;
    uint8_t UnitIndexVolume = 0, UnitDecimalsVolume = 0; double UnitFactorVolume = 0; TextList UnitNamesVolume, UnitSuffixesVolume;
    uint8_t UnitIndexFrequency = 0, UnitDecimalsFrequency = 0; double UnitFactorFrequency = 0; TextList UnitNamesFrequency, UnitSuffixesFrequency;
    // +1 or -1: display = factor x internal ^ exponent (P2W and FuelEcon only).
    int16_t PowerToWeightExponent = 1;
    int16_t FuelEconomyExponent = 1;
};

// Everything the options window edits besides the units. The initial values are the defaults
// that SetDefaultOptions restores.
struct OptionsBlock {
    // ---- Graph scales: grid spacing of one chart axis, in display units of the plotted
    // quantity (time axes in seconds; DynoGraphScaleY and SuspRollStiffDiaScale unitless).
    int16_t DynoGraphScaleX = 1000;             // ARV
    int16_t DynoGraphScaleY = 50;
    int16_t CornerMassChartScaleY = 50;         // Mass
    int16_t DecBrakeGraphScaleX = 1;            // s
    int16_t DecBrakeBalanceGraphScaleX = 1;     // s
    int16_t DecEngineARVGraphScaleX = 1;        // s
    int16_t DecEngineARVGraphScaleY = 1000;     // ARV
    int16_t DecGearGraphScaleX = 1;             // s
    int16_t DecForcesGraphScaleX = 1;           // s
    int16_t DecForcesGraphScaleY = 1000;        // Force
    int16_t DecDecGraphScaleX = 1;              // s
    int16_t DecDecGraphScaleY = 1;              // Acc
    int16_t DecSpeedGraphScaleX = 1;            // s
    int16_t DecSpeedGraphScaleY = 10;           // Speed
    int16_t DecDistanceGraphScaleX = 1;         // s
    int16_t DecDistanceGraphScaleY = 100;       // DistanceLarge
    int16_t DecSpringDefGraphScaleX = 1;        // s
    int16_t DecSpringDefGraphScaleY = 1;        // DistanceSmall
    int16_t DecTyreDefGraphScaleX = 1;          // s
    int16_t DecTyreDefGraphScaleY = 1;          // DistanceSmall
    int16_t SpringLoadsChartScaleY = 500;       // Force
    int16_t SpringDeflectionChartScaleY = 1;    // DistanceSmall
    int16_t SuspRollStiffDiaScale = 200;
    int16_t DampDropGraphScaleX = 1;            // s
    int16_t DampDropGraphScaleY = 2;            // DistanceSmall
    int16_t SpeedPlotScaleX = 20;               // Speed
    int16_t SpeedPlotScaleY = 1000;             // ARV
    int16_t TorquePlotScaleX = 250;             // ARV
    int16_t TorquePlotScaleY = 500;             // Torque
    int16_t TyreContactPatchScale = 10;         // DistanceSmall
    int16_t AeroDragGraphScaleX = 10;           // Speed
    int16_t AeroDragGraphScaleY = 500;          // Force
    int16_t AeroLiftGraphScaleX = 10;           // Speed
    int16_t AeroLiftGraphScaleY = 500;          // Force
    int16_t AeroLoadsChartScaleY = 500;         // Force
    int16_t ThrottleTimeGraphScaleX = 10;       // s
    int16_t EngineARVTimeGraphScaleX = 10;      // s
    int16_t EngineARVTimeGraphScaleY = 1000;    // ARV
    int16_t ForcesTimeGraphScaleX = 10;         // s
    int16_t ForcesTimeGraphScaleY = 1000;       // Force
    int16_t AccTimeGraphScaleX = 10;            // s
    int16_t AccTimeGraphScaleY = 1;             // Acc
    int16_t SpeedTimeGraphScaleX = 10;          // s
    int16_t SpeedTimeGraphScaleY = 20;          // Speed
    int16_t DistanceTimeGraphScaleX = 10;       // s
    int16_t DistanceTimeGraphScaleY = 500;      // DistanceLarge
    int16_t SpringDefTimeGraphScaleX = 10;      // s
    int16_t SpringDefTimeGraphScaleY = 1;       // DistanceSmall
    int16_t TyreDefTimeGraphScaleX = 10;        // s
    int16_t TyreDefTimeGraphScaleY = 1;         // DistanceSmall
    int16_t FuelTimeGraphScaleX = 10;           // s
    int16_t FuelTimeGraphScaleY = 10;           // Volume
    int16_t GearTimeGraphScaleX = 10;           // s

    // ---- Drawing toggles of the roll and pitch diagrams (not kept in the options file) ----
    VbBool ShowRollLiveCoG = VbTrue;
    VbBool ShowRollUndertrayCentre = VbFalse;
    VbBool ShowRollRearWingCentre = VbFalse;
    VbBool ShowRollFrontWingCentre = VbFalse;
    VbBool DrawRollAxleLine = VbTrue;
    VbBool ShowPitchLiveCoG = VbTrue;
    VbBool ShowPitchUndertrayCentre = VbTrue;
    VbBool ShowPitchRearWingCentre = VbTrue;
    VbBool ShowPitchFrontWingCentre = VbTrue;
    VbBool DrawPitchAxleLine = VbFalse;

    // ---- Drawing toggles of the gearing, aero and run graphs ----
    VbBool GearSpeedStyle = VbFalse;   // true: only the used range of each gear
    VbBool DrawPeakPowerLine = VbTrue;
    VbBool DrawPeakTorqueLine = VbFalse;
    VbBool DrawRevLimiterLine = VbFalse;
    VbBool GearTorqueStyle = VbFalse;  // true: only the used range of each gear
    VbBool DrawEngineTorque = VbFalse;
    VbBool HighlightTorqueCurve = VbFalse;
    VbBool DrawStaticTractionLimit = VbFalse;
    VbBool DrawDecVLoads = VbFalse;
    VbBool DrawAccVLoads = VbFalse;
    VbBool DrawAeroVLoads = VbFalse;

    // ---- Program switches ----
    uint8_t GearRevsTopMode = 0;     // 0 peak power, 1 engine limit, 2 power drop
    uint8_t PowerDropPercent = 5;    // % power drop for GearRevsTopMode 2
    uint8_t AreaOffsetX = 204;       // pixels, low-resolution layout shift
    uint8_t AreaOffsetY = 148;       // pixels
    int32_t FixedShiftRpm = 7500;    // rpm, used when ShiftPointAuto is false
    float SpeedoErrorPercent = 3.0f; // % speedometer over-reading
    VbBool RevLimitEnabled = VbTrue;
    VbBool ShiftPointAuto = VbTrue;
    VbBool SpeedoIndicated = VbFalse;
    VbBool SimplifiedDiffs = VbFalse;
    VbBool SimplifiedDampers = VbFalse;
    VbBool LFSMode = VbTrue;         // simulator compatibility mode
    VbBool LowResControls = VbFalse;
    VbBool FilterSetupsOnOpen = VbFalse;
    VbBool AutoRecalc = VbFalse;     // start-up switches it on before reading the options file
    VbBool AutoUpdateCheck = VbFalse;
};

struct OptionsSettingsState : UnitSystem, OptionsBlock {};

OptionsSettingsState& OptionsSettings();

// Generic access to one quantity's unit data (the named fields above).
struct UnitSlot {
    uint8_t& Index;
    uint8_t& Decimals;
    double& Factor;
    TextList& Names;
    TextList& Suffixes;
};
UnitSlot UnitData(Quantity q);
// +1, or -1 for a selected inverse unit (P2W and FuelEcon only).
int16_t UnitExponent(Quantity q);

// Graph scales, toggles and switches to their defaults (AutoRecalc and AutoUpdateCheck off,
// LFSMode, ShiftPointAuto and RevLimitEnabled on); the unit names and suffixes of every
// quantity from the unit table. Unit selections are left as they are.
void SetDefaultOptions();

// Makes row k of the quantity's unit list the selected unit: index, decimals, factor and (P2W,
// FuelEcon) the exponent. Returns false and changes nothing when k is not a row.
bool ApplyUnitRow(Quantity q, uint8_t k);
// The selector's text chosen: the first unit whose name equals the text exactly (case
// matters) becomes the selected unit. Returns false, leaving the unit data unchanged, when no
// name is equal. The options window's handler then writes the suffix label and, unless the
// program is loading or the window is being filled, redisplays what shows the quantity.
bool SelectUnitByName(Quantity q, std::string_view name);
// Re-applies every quantity's selected index (factor, decimals, exponent), as showing the
// stored selections in the options window does.
void ApplySelectedUnits();

// The three unit presets of the options window's buttons: 0 "SI", 1 "Metric", 2 "Imperial".
// Selects the preset's unit of all 21 quantities, in the preset order; any other index
// changes nothing. (The options window first shows the options block in its controls.)
void ApplyUnitPreset(int16_t index);
// The preset's unit name for a quantity (empty for an unknown preset).
std::string_view UnitPresetName(int16_t preset, Quantity q);
// The order in which a preset selects the quantities' units.
std::array<Quantity, kQuantityCount> UnitPresetOrder();

// ---- Display and input conversion ----
// Text shown for "not applicable": an inverse unit of an internal value of 0.
inline constexpr std::string_view kNotApplicableText = "N/A";
// The suffix of the selected unit (" m/s", "\u00B0", ...).
const std::string& UnitSuffix(Quantity q);
// Display value (Single) of an internal value before rounding; false when there is none (an
// inverse unit of 0, or a value that is not a finite number).
bool UnitDisplayValue(Quantity q, double internal, float& display);
// The rounded display number as text ("39.4"), or "N/A".
std::string UnitNumberText(Quantity q, double internal);
// The rounded display number and suffix ("39.4 in", "12.5\u00B0"), or "N/A".
std::string UnitValueText(Quantity q, double internal);
// A plain number rounded to `places` as text, or "N/A" when it is not finite.
std::string RoundedText(float value, int32_t places);
// Internal value of a number typed in the selected unit (leading number of the text, 0 when
// none); a typed 0 in an inverse unit gives 0.
double UnitInputValue(Quantity q, std::string_view typed);

}  // namespace core
