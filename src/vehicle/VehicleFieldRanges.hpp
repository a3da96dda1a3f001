// The accepted range of every vehicle record field that has one: what the vehicle editor lets
// the user store, and what a vehicle data file may hold. One table for both, so a vehicle the
// editor can store always loads again, and a file the editor could never have written is
// refused.
//
// Each range bounds the field in the unit the editor checks it in ("checked value"): SI for
// masses, lengths, areas, volumes, torque (N m) and power (kW), rad/s for engine speeds, per
// cent for shares and efficiency, milliseconds for the shift time. A record field becomes its
// checked value by multiplying with RecordToChecked (engine speeds are rpm in the record, shares
// 0..1, the shift time seconds). Both bounds are inclusive, give or take the slack below. A
// box whose check gives no upper bound is bounded by what its length lets the user type.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/PhysicalConstants.hpp"
#include "core/SliderRanges.hpp"
#include "vehicle/CheckSlack.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

// Which vehicles a range applies to: all, only wheel-driven ones (drive types 0 to 2), or only
// those that are not wheel driven (drive type 3). The engine's first two figures hold the
// thrust and its height for the latter, and each has one range of either kind.
enum class RangeScope : uint8_t { AllVehicles, WheelDriven, ThrustDriven };

struct FieldRange {
    double Min;
    double Max;
    double RecordToChecked;  // record value x this = checked value
    RangeScope Scope = RangeScope::AllVehicles;
    // The engine and drive-train figures of a vehicle that is not wheel driven are not shown;
    // the editor stores a fixed record value there (0, or 1 for the efficiency and the shape
    // factors), which such a vehicle may hold in place of one in range.
    bool HasThrustValue = false;
    double ThrustValue = 0;

    // A checked value within the bounds, give or take the slack. NaN and infinities never.
    bool Accepts(double checked) const {
        return AtLeast(checked, Min) && AtMost(checked, Max);
    }
    // Whether a record value of a vehicle (wheel driven or not) passes: the range applies to
    // that kind of vehicle and accepts it, or holds the fixed value of a vehicle without wheel
    // drive. A value must be finite even where the range does not apply.
    bool Takes(double recordValue, bool wheelDriven) const;
};

// An engine shape figure is set by a slider of whole positions, the vehicle editor's only bound
// on it: figure = Offset + Sign x position / PerUnit. The store reads a figure from a slider's
// position, the fill puts a figure back as the position that gives it, and the figures of the
// slider's two ends are the figure's range.
struct ShapeSlider {
    core::SliderDesign Ends;  // positions: range, start value and steps
    double Offset;
    double Sign;  // 1: the figure rises with the slider; -1: it falls as the slider rises
    double PerUnit;

    constexpr double Figure(double position) const { return Offset + Sign * (position / PerUnit); }
    constexpr double Position(float figure) const {
        return Sign * (static_cast<double>(figure) - Offset) * PerUnit;
    }
    // The editor stores 1 for a vehicle that is not wheel driven.
    constexpr FieldRange Range() const {
        const double a = Figure(Ends.min), b = Figure(Ends.max);
        return {a < b ? a : b, a < b ? b : a, 1, RangeScope::AllVehicles, true, 1};
    }
};

namespace ranges {
inline constexpr RangeScope kWheel = RangeScope::WheelDriven;
inline constexpr RangeScope kThrust = RangeScope::ThrustDriven;
inline constexpr double kRpm = core::kRpmToRadPerSec;  // rpm in the record, rad/s checked

// A figure of the piston engine or its drive-train, with the record value the editor stores
// there for a vehicle that is not wheel driven.
constexpr FieldRange EngineOnly(double min, double max, double recordToChecked,
                                double thrustValue) {
    return {min, max, recordToChecked, RangeScope::AllVehicles, true, thrustValue};
}


// Body and tank
inline constexpr FieldRange BodyMass{110, 750000, 1};                // kg
inline constexpr FieldRange BodyPosX{20, 80, 100};                   // % to the right
inline constexpr FieldRange BodyPosY{10, 90, 100};                   // % to the front
inline constexpr FieldRange Height{0, 5, 1};                         // m: body CoG, reference,
                                                                     // fuel tank, seats
inline constexpr FieldRange FuelTankCapacity{1, 25000, 1};           // litres
// The editor has no box for the tank's side position (the analyses use the centre line); a
// share of the width, as the other side positions.
inline constexpr FieldRange FuelTankPosX{0, 100, 100};               // % to the right
inline constexpr FieldRange FuelTankPosY{-25, 125, 100};             // % to the front
inline constexpr FieldRange SeatPosX{50, 100, 100};                  // % to the right
inline constexpr FieldRange SeatPosY{0, 100, 100};                   // % to the front
// Engine. The first two figures are the thrust and its height for a vehicle that is not
// wheel driven (below); the others are 0 or 1 there.
inline constexpr FieldRange PeakTorque{2, 500000, 1, kWheel};        // N m
inline constexpr FieldRange TorquePeakSpeed{0, 25000, kRpm, kWheel};  // rad/s
inline constexpr FieldRange PeakPower = EngineOnly(2, 500000, 1, 0);         // kW
inline constexpr FieldRange PowerPeakSpeed = EngineOnly(10, 25000, kRpm, 0);  // rad/s
inline constexpr FieldRange EngineBrakingCoeff = EngineOnly(0, 10, 1, 0);
inline constexpr FieldRange IdleSpeed = EngineOnly(0, 1000, kRpm, 0);        // rad/s
// Four characters; rad/s is the widest angular-velocity unit.
inline constexpr FieldRange TorquePeakWidth = EngineOnly(0, 9999, kRpm, 0);  // rad/s
inline constexpr FieldRange LimitSpeed = EngineOnly(10, 25000, kRpm, 0);     // rad/s
// The engine shape sliders.
namespace sliders = core::design;
inline constexpr ShapeSlider IdleTorqueSlider{sliders::EditorIdleTorque, 0.0, 1.0, 100.0};
inline constexpr ShapeSlider LowerShapeSlider{sliders::EditorTCA, 0.0, 1.0, 10.0};
inline constexpr ShapeSlider UpperShapeASlider{sliders::EditorPCA, 0.0, 1.0, 100.0};
// UpperShapeB: 1 less the slider's ten-thousandths.
inline constexpr ShapeSlider UpperShapeBSlider{sliders::EditorPWA, 1.0, -1.0, 10000.0};
// ReducePowerFactor ("Power reduction"): 1 less the slider's thousandths.
inline constexpr ShapeSlider ReducePowerSlider{sliders::EditorPR, 1.0, -1.0, 1000.0};
// ShiftPowerFactor ("Shift power"): 1 plus the slider's thousandths.
inline constexpr ShapeSlider ShiftPowerSlider{sliders::EditorPS, 1.0, 1.0, 1000.0};
inline constexpr FieldRange IdleTorqueFraction = IdleTorqueSlider.Range();
inline constexpr FieldRange LowerShape = LowerShapeSlider.Range();
inline constexpr FieldRange UpperShapeA = UpperShapeASlider.Range();
inline constexpr FieldRange UpperShapeB = UpperShapeBSlider.Range();
inline constexpr FieldRange ReducePowerFactor = ReducePowerSlider.Range();
inline constexpr FieldRange ShiftPowerFactor = ShiftPowerSlider.Range();
// Propulsion of a vehicle that is not wheel driven. Thrust: none up to 1000 kN, four times
// the thrust of the fastest jet and rocket cars (ThrustSSC about 220 kN, Bloodhound about
// 210 kN; jet dragsters 25-45 kN). Its line of action: a height like the others.
inline constexpr FieldRange Thrust{0, 1.0e6, 1, kThrust};           // N
inline constexpr FieldRange ThrustHeight{0, 5, 1, kThrust};         // m
// Drive-train: two and three characters; 100 % and no shift time without wheel drive.
inline constexpr FieldRange DrivetrainEfficiency = EngineOnly(50, 99, 100, 1);  // %
inline constexpr FieldRange ShiftTime = EngineOnly(5, 999, 1000, 0);           // ms
// Wheels and tyres, per axle
inline constexpr FieldRange TyreWidth{50, 1000, 1};                  // mm
inline constexpr FieldRange TyreProfile{10, 200, 1};                 // %
// Two characters: the largest wheels (mining trucks) have 63-inch rims.
inline constexpr FieldRange RimDiameter{5, 99, 1};                   // inches
// A wheel weighs at most half its axle's unsprung mass (vehicle/VehicleCheck.hpp): half of
// the largest unsprung mass.
inline constexpr FieldRange RotatingMass{1, 25000, 1};               // kg
// Wheel-to-spring and wheel-to-bar motion ratios (the rates at the wheel divide by their
// squares): from a rocker that moves the spring or bar twice as far as the wheel, to a link
// mounted near the inner pivot. Road and race cars lie between about 0.8 and 2.5.
inline constexpr FieldRange SpringMotionRatio{0.5, 5, 1};
inline constexpr FieldRange ARBMotionRatio{0.5, 5, 1};
inline constexpr FieldRange UnsprungMass{5, 50000, 1};               // kg
inline constexpr FieldRange TrackWidth{0.5, 50, 1};                  // m
// Steering-axis inclination and camber offset (the geometry camber is their difference):
// within 30 degrees either way. Inclinations run from about 4 degrees (trucks) to 16 (cars
// with struts); static cambers to about 10 degrees.
inline constexpr FieldRange Angle{-30 / core::kDegreesPerRadian, 30 / core::kDegreesPerRadian,
                                  1};                               // rad
// Ride height: from a race car's few centimetres to about a metre under a mining truck or a
// monster truck; city cars to vans 0.1-0.25 m.
inline constexpr FieldRange RideHeight{0, 1, 1};                    // m
// The handicap mass sits in the vehicle, like the seats and the tank.
inline constexpr FieldRange HandicapHeight = Height;                // m
inline constexpr FieldRange Wheelbase{0.5, 50, 1};                   // m
// Aerodynamics
inline constexpr FieldRange FrontalArea{0.1, 100, 1};                // m^2
inline constexpr FieldRange DragCoefficient{0.01, 5, 1};
inline constexpr FieldRange LiftCoefficient{-5, 5, 1};
// Element positions, % to the front: 0 body aero centre, 1 undertray, 2 rear wing (may sit
// behind the rear axle), 3 front wing (may sit ahead of the front axle).
inline constexpr std::array<FieldRange, 4> AeroElementPosY{
    {{0, 100, 100}, {0, 100, 100}, {-75, 100, 100}, {0, 175, 100}}};
inline constexpr FieldRange AeroElementHeight{-0.1, 5, 1};           // m
// No box: the elements' side positions, as shares of the width.
inline constexpr FieldRange AeroElementPosX{0, 100, 100};            // % to the right
}  // namespace ranges

// A figure of the engine (EngineFigures) as every check of a vehicle and every text of one
// names it ("Engine.PeakTorque"), with the member that holds it and its range for a wheel-driven
// vehicle; a shape figure with the slider that sets it. The vehicle editor's engine controls
// refer to these: a control marked, read and worded by its field cannot name another field
// than the check does.
struct EngineField {
    std::string_view Name;
    float EngineFigures::*Figure;
    FieldRange Range;
    const ShapeSlider* Slider = nullptr;
};

namespace fields {
inline constexpr EngineField PeakTorque{"Engine.PeakTorque", &EngineFigures::PeakTorque,
                                        ranges::PeakTorque};
inline constexpr EngineField TorquePeakRPM{"Engine.TorquePeakRPM", &EngineFigures::TorquePeakRPM,
                                           ranges::TorquePeakSpeed};
inline constexpr EngineField TorquePeakWidth{
    "Engine.TorquePeakWidth", &EngineFigures::TorquePeakWidth, ranges::TorquePeakWidth};
inline constexpr EngineField PeakPower{"Engine.PeakPower", &EngineFigures::PeakPower,
                                       ranges::PeakPower};
inline constexpr EngineField PowerPeakRPM{"Engine.PowerPeakRPM", &EngineFigures::PowerPeakRPM,
                                          ranges::PowerPeakSpeed};
inline constexpr EngineField IdleRPM{"Engine.IdleRPM", &EngineFigures::IdleRPM,
                                     ranges::IdleSpeed};
inline constexpr EngineField LimitRPM{"Engine.LimitRPM", &EngineFigures::LimitRPM,
                                      ranges::LimitSpeed};
inline constexpr EngineField EngineBrakingCoeff{
    "Engine.EngineBrakingCoeff", &EngineFigures::EngineBrakingCoeff, ranges::EngineBrakingCoeff};
inline constexpr EngineField IdleTorqueFraction{
    "Engine.IdleTorqueFraction", &EngineFigures::IdleTorqueFraction, ranges::IdleTorqueFraction,
    &ranges::IdleTorqueSlider};
inline constexpr EngineField LowerShape{"Engine.LowerShape", &EngineFigures::LowerShape,
                                        ranges::LowerShape, &ranges::LowerShapeSlider};
inline constexpr EngineField UpperShapeA{"Engine.UpperShapeA", &EngineFigures::UpperShapeA,
                                         ranges::UpperShapeA, &ranges::UpperShapeASlider};
inline constexpr EngineField UpperShapeB{"Engine.UpperShapeB", &EngineFigures::UpperShapeB,
                                         ranges::UpperShapeB, &ranges::UpperShapeBSlider};
inline constexpr EngineField ReducePowerFactor{
    "Engine.ReducePowerFactor", &EngineFigures::ReducePowerFactor, ranges::ReducePowerFactor,
    &ranges::ReducePowerSlider};
inline constexpr EngineField ShiftPowerFactor{
    "Engine.ShiftPowerFactor", &EngineFigures::ShiftPowerFactor, ranges::ShiftPowerFactor,
    &ranges::ShiftPowerSlider};
// Every engine figure with a range, in the record's order.
inline constexpr const EngineField* kEngineFields[] = {
    &PeakTorque, &TorquePeakRPM, &TorquePeakWidth, &PeakPower, &PowerPeakRPM, &IdleRPM,
    &LimitRPM, &EngineBrakingCoeff, &IdleTorqueFraction, &LowerShape, &UpperShapeA,
    &UpperShapeB, &ReducePowerFactor, &ShiftPowerFactor};
}  // namespace fields

// Checks every field of a record against its range (NaN and infinities never pass). Returns the
// names of the fields outside their ranges ("BodyMass", "Axles(1).UnsprungMass", ...) in file
// order, none when every field is acceptable. The choices the editor offers in its lists are
// checked too: drive type 0 to 3, passengers 0 to 4, a fuel of the fuel table, and 2 to 7
// gears (or none, for a vehicle that is not wheel driven). The cross-checks between fields are
// vehicle/VehicleCheck.hpp's.
std::vector<std::string> FieldsOutOfRange(const VehicleRecord& record);

}  // namespace vehicle
