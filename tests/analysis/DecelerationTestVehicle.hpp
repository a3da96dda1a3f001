// The sample car (support/SampleVehicles.hpp) ready for a deceleration run from a fixed top
// speed of 55 m/s, with gearing set by hand, 1800 N m of brakes and tyres at 200 kPa and their optimum temperature,
// unworn.
// Options strip it down so that a test knows what it changed: no air (and then no rolling
// resistance either), wheels that do not deflect, another drive type, another fuel load.
#pragma once

#include "support/SampleVehicles.hpp"

namespace dectest {

inline constexpr float kTopSpeed = 55.0f;  // m/s
using sample::kG;

struct VehicleChoice {
    uint8_t DriveType = vehicle::kDriveRear;
    bool Aero = true;          // body drag and lift; without: no air and no rolling resistance
    bool RigidWheels = false;  // wheels that do not deflect: constant rolling radius
    int32_t FuelLitres = 30;
    int32_t SpringStiffness = 0;  // x 100 N/m on both axles; 0 keeps the sample car's springs
};

inline void ResetModules() { sample::ResetAll(); }

inline void SetUpVehicle(const VehicleChoice& choice = {}) {
    sample::ResetAll();
    vehicle::VehicleRecord v = sample::SampleCar(choice.DriveType);
    if (!choice.Aero) {
        v.FrontalArea = v.DragCoefficient = v.LiftCoefficient = 0.0f;
        v.AeroElements[2].DeviceType = 0;
    }
    sample::Setup setup;
    setup.fuelLitres = choice.FuelLitres;
    setup.brakeTorque = 1800;
    const uint8_t optimum =
        vehicle::TyreCode().TyreCompounds[vehicle::kDefaultTyreCompound].OptimumTemp;
    setup.live.LiveTyres = {{optimum, optimum}, 0};
    setup.live.TyreSetup.PressureKPa.fill(200);
    if (choice.SpringStiffness > 0)
        setup.live.Suspension.SpringStiffness = {choice.SpringStiffness, choice.SpringStiffness};
    sample::Prepare(v, setup);
    for (auto& t : vehicle::TyreCode().WheelTyres) {
        if (choice.RigidWheels) {
            t.SidewallHeight = 0.0f;
            vehicle::CalcTyreContactPatch(t, 0.0f);
        }
        if (!choice.Aero) t.RollResC0 = t.RollResC1 = 0.0f;
    }
    // Gearing set by hand: five gears with a 3.9 final drive, every shift at 680 rad/s.
    auto& g = vehicle::GearingCode();
    const std::array<float, 6> box{3.5f, 3.4f, 2.2f, 1.6f, 1.25f, 1.0f};
    for (int k = 0; k <= 5; ++k) g.OverallRatios[k] = box[k] * 3.9f;
    for (int k = 1; k <= 5; ++k) g.ShiftRevs[k] = 680.0f;
    for (int k = 1; k < 5; ++k)
        g.PostShiftRevs[k] = 680.0f * g.OverallRatios[k + 1] / g.OverallRatios[k];
    // The air at top speed, where the run starts.
    auto& aero = vehicle::AeroCode();
    const auto& m = analysis::PhysicalCode();
    aero.TopSpeed = kTopSpeed;
    const auto& pos = m.AeroElementPos;
    vehicle::CalcAeroForces(aero.LiveAero, m.CornerStaticLoad, aero.TopSpeed, m.VehicleCoG, pos[0],
                            pos[1], pos[3], pos[2], 0.0f, 0.0f);
}

inline analysis::DecRunInputs Brakes(bool abs = false) {
    analysis::DecRunInputs in;
    in.ApplyBrakes = true;
    in.ABS = abs;
    in.BrakeBalance = 65;
    return in;
}

// Time (s) of the last row and the distance (m) there.
inline float StopTime() {
    const auto& s = analysis::DecelerationCode();
    return s.DecTimeStep * static_cast<float>(s.DecLastStep);
}
inline float StopDistance() {
    const auto& s = analysis::DecelerationCode();
    return s.Row(s.DecLastStep, analysis::DecCol::Distance);
}

}  // namespace dectest
