#include "vehicle/GearingInertia.hpp"

#include <cmath>

#include "core/GlobalChassisLab.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/ModelGuards.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

namespace {

constexpr double kSteelDensity = 7670.0;       // kg/m^3
constexpr float kShaftBoreRatio = 0.8333333f;  // bore / outer radius of a hollow shaft
// Allowable shear term of the shaft sizing: R = (6 T / ((1 - k^4) x this))^(1/3).
constexpr double kShaftStressTerm = 785398163.3972499;
constexpr float kEngineInertiaDivisor = 5000.0f;  // engine inertia = torque / this
constexpr float kGearboxInertiaFactor = 0.0175f;  // gearbox inertia = this x torque^0.13 x ratio
constexpr double kGearboxTorqueExponent = 0.13;

// x^e for x > 0; 0 otherwise (a negative or zero torque sizes no part).
double PowPositive(double x, double e) { return x > 0.0 ? std::pow(x, e) : 0.0; }

struct Shaft {
    float Mass = 0.0f;     // kg
    float Inertia = 0.0f;  // kg m^2
};

// A hollow steel shaft sized for the torque (N m), of the given length (m).
Shaft SizeShaft(float torque, float length) {
    const double k4 = std::pow(static_cast<double>(kShaftBoreRatio), 4);
    const auto outer =
        static_cast<float>(PowPositive(6.0 * torque / ((1.0 - k4) * kShaftStressTerm), 1.0 / 3.0));
    const float bore = kShaftBoreRatio * outer;
    const double r2 = std::pow(static_cast<double>(outer), 2);
    const double b2 = std::pow(static_cast<double>(bore), 2);
    Shaft s;
    s.Mass = static_cast<float>((r2 - b2) * core::kPi * length * kSteelDensity);
    s.Inertia = static_cast<float>((r2 + b2) * (s.Mass * 0.5f));
    return s;
}

float GearboxInertia(float torque, float ratio) {
    return static_cast<float>(kGearboxInertiaFactor * PowPositive(torque, kGearboxTorqueExponent) *
                              ratio);
}

}  // namespace

float CalcShaftInertia(float torque) {
    const auto& g = GearingCode();
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const float gearboxTorque = torque * g.GearRatios[1];     // first gear
    const float axleTorque = gearboxTorque * g.GearRatios[8];  // final drive
    const uint8_t drive = v.Drivetrain.DriveType;

    float propLength = 0.0f;  // m
    switch (drive) {
        case kDriveFront: propLength = static_cast<float>(0.1 * v.Wheelbase); break;
        case kDriveRear: propLength = static_cast<float>(0.75 * v.Wheelbase); break;
        case kDriveAll: propLength = static_cast<float>(0.5 * v.Wheelbase); break;
        default: break;
    }
    float halfLength = 0.0f;  // m; a thrust-driven vehicle has no driven axle
    const float frontTrack = v.Axles[0].TrackWidth;
    const float rearTrack = v.Axles[1].TrackWidth;
    if (drive == kDriveAll) {
        halfLength = static_cast<float>((frontTrack + rearTrack) * 0.25);
    } else if (drive == kDriveFront) {
        halfLength = static_cast<float>(0.5 * frontTrack);
    } else if (drive == kDriveRear) {
        halfLength = static_cast<float>(0.5 * rearTrack);
    }

    const Shaft prop = SizeShaft(gearboxTorque, propLength);
    const Shaft half = SizeShaft(axleTorque, halfLength);
    const float props = drive == kDriveAll ? 2.0f : 1.0f;
    const float halves = drive == kDriveAll ? 4.0f : 2.0f;
    const float finalDrive = g.GearRatios[8];
    const float result = static_cast<float>(
        std::pow(static_cast<double>(finalDrive), 2) *
            (props * prop.Inertia + GearboxInertia(gearboxTorque, finalDrive)) +
        halves * half.Inertia);
    return Finite(result);
}

float CalcDrivetrainInertiaInGear(float torque, uint8_t gear) {
    const auto& g = GearingCode();
    if (gear >= g.OverallRatios.size()) return CalcShaftInertia(torque);
    const float engineAndGearbox =
        torque / kEngineInertiaDivisor + GearboxInertia(torque, g.GearRatios[gear]);
    const float result = static_cast<float>(
        engineAndGearbox * std::pow(static_cast<double>(g.OverallRatios[gear]), 2) +
        CalcShaftInertia(torque));
    return Finite(result);
}

float CalcRotatingEquivMass(const WheelSpinSet& tyres, float torque, uint8_t gear) {
    const bool wheelDriven =
        core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType != kDriveThrust;
    float drivetrain = 0.0f;
    if (wheelDriven) {
        drivetrain = gear == kNoGear ? CalcShaftInertia(torque)
                                     : CalcDrivetrainInertiaInGear(torque, gear);
    }
    const float front = GearingCode().FrontTorqueShare;
    float sum = 0.0f;
    for (std::size_t i = 0; i < 4; ++i) {
        float share = 0.0f;
        if (wheelDriven) share = i < 2 ? drivetrain * 0.5f * front : (1.0f - front) * drivetrain * 0.5f;
        const float r = tyres[i].RollingRadius;
        sum += GuardedDiv(share + tyres[i].Inertia, r * r);
    }
    return Finite(sum);
}

float CalcWheelEquivMass(const WheelSpinSet& tyres) {
    auto wheel = [&](std::size_t i) {
        const float r = tyres[i].RollingRadius;
        return GuardedDiv(tyres[i].Inertia, r * r);
    };
    const float front = GearingCode().FrontTorqueShare;
    float sum = 0.0f;
    if (front == 0.0f) {
        sum = wheel(1) + wheel(0);  // rear drive: the front pair turns free
    } else if (front == 1.0f) {
        sum = wheel(3) + wheel(2);  // front drive: the rear pair
    } else if (front == -1.0f) {
        sum = wheel(0) + wheel(1) + wheel(2) + wheel(3);  // not wheel driven
    }
    return Finite(sum);
}

}  // namespace vehicle
