// The sample vehicles of the tests and benchmarks, and the one routine that prepares them the
// way vehicle selection and the setting handlers do.
//
// The sample car: a 1150 kg (body) road saloon; 250 N m from 4000 to 5000 rpm, 150 kW at
// 6500 rpm, idle 1000 rpm, limit 7500 rpm, petrol; five gears (3.5, 2.1, 1.45, 1.1, 0.9, final
// drive 3.9, reverse 3.3); 205/55 R16 tyres all round on 18 kg wheels; wheelbase 2.6 m, tracks
// 1.5 m, 70 kg unsprung per axle; Cd 0.32 on 2 m^2 with a small rear wing; four seats.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

// Every module state ResetAll resets, for the tests that read them.
#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/AccTargets.hpp"
#include "core/FuelTypes.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/GearingDiffs.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace sample {

inline constexpr double kG = 9.80665;

// Seats: front passenger, rear left, middle, right (X, Y, Z), as selection derives them from
// the car's two stored seats.
inline constexpr analysis::SeatPositionTable kSeats = {0.7f, 0.55f, 0.35f, 0.3f, 0.3f, 0.35f,
                                                       0.5f, 0.3f,  0.35f, 0.7f, 0.3f, 0.35f};

// Every program-wide state the models read, back to start-up defaults (SI units, no simulator
// car rules).
void ResetAll();

// The sample car with the given drive type.
vehicle::VehicleRecord SampleCar(uint8_t driveType = vehicle::kDriveRear);
// The sample car pushed by a constant thrust (N) acting `heightM` above the reference plane:
// not wheel driven.
vehicle::VehicleRecord ThrustCar(float thrustN, float heightM);

// The sample engine's figures, and converted to rad/s and fitted.
vehicle::EngineFigures SampleEngine();
vehicle::EngineRecord FittedSampleEngine();

// Drive-torque share of the front axle, as vehicle selection sets it.
float FrontShareFor(uint8_t driveType, int centreSplitPercent);

// The setup the car is prepared with: standing still with nothing applied, 40 l of petrol,
// 40 / 45 N/mm springs, 220 kPa at 70 deg C, rear wing at 6 degrees, open differentials,
// 2400 N m of brakes at 65 % front.
struct Setup {
    int fuelLitres = 40;
    analysis::LiveStateInputs live = LiveInputs();
    std::array<std::string, 9> gearRatios{"3.3", "3.5", "2.1", "1.45", "1.1",
                                          "0.9", "0.8", "0.7", "3.9"};
    int centreSplitPercent = 40;  // four-wheel drive only
    std::string diffType = "Open";  // both axle differentials
    int lockingPercent = 0;         // power and coast
    int preLoad = 0;                // units of 10 N m
    int brakeTorque = 2400;         // N m
    int brakeBalance = 65;          // % front

    static analysis::LiveStateInputs LiveInputs();
};

// For the current vehicle: engine curve, drive share, masses, wheels and tyres, wing angles,
// gearing and brake torques; no differentials, no live-state analysis.
void PrepareModels(const Setup& setup = {});
// Makes `v` current and prepares it completely: the models, the differentials and the
// live-state analysis (which also computes the suspension).
void Prepare(const vehicle::VehicleRecord& v, const Setup& setup = {});

}  // namespace sample
