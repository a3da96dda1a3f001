#include "vehicle/AeroCode.hpp"

#include <algorithm>

#include <cmath>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/ModelGuards.hpp"
#include "vehicle/TyreCode.hpp"

namespace vehicle {

namespace {
// The one instance, at namespace scope so its accessor needs no first-use check. Not
// constinit: its table holds std::string names, whose constructor GCC evaluates at compile
// time but clang (with libstdc++ 12) cannot, so there it is initialised before main; nothing
// reads it earlier.
AeroCodeState g_state;
}  // namespace

AeroCodeState& AeroCode() { return g_state; }

namespace {

constexpr float kGravity = 9.80665f;
constexpr float kAirGasFactor = 401.8f;  // (m/s)^2 per K: speed of sound^2 = this x T
constexpr float kMachLimit = 0.8f;       // above it the compressibility factor is held
constexpr float kMachHeldFactor = 1.6666f;
constexpr float kWingLiftFalloff = 0.000193f;  // per degree squared

AeroDeviceCoeffs Undertray(const char* name, float drag, float lift) {
    return AeroDeviceCoeffs{core::PadFixed(name, kAeroNameLength), drag, lift};
}

AeroWingCoeffs Wing(const char* name, float drag0, float dragPerDeg2, float lift0,
                    float liftPerDeg) {
    return AeroWingCoeffs{core::PadFixed(name, kAeroNameLength), drag0, dragPerDeg2, lift0,
                          liftPerDeg};
}

// Table row of a device type from the vehicle record; a type beyond the table (a damaged or
// foreign vehicle file) counts as row 0, no device.
template <typename Table>
const auto& Row(const Table& table, int32_t deviceType) {
    const bool valid = deviceType >= 0 && static_cast<std::size_t>(deviceType) < table.size();
    return table[valid ? static_cast<std::size_t>(deviceType) : 0];
}

float WingLift(const AeroWingCoeffs& w, float angle) {
    return w.LiftPerDeg * angle * (1.0f - angle * angle * kWingLiftFalloff) + w.Lift0;
}

}  // namespace

void InitAeroDevices() {
    AeroCodeState& s = AeroCode();
    s.UndertrayTypes = {Undertray("N/A", 0.0f, 0.0f), Undertray("Small", 0.166f, -0.664f),
                        Undertray("Medium", 0.199f, -1.196f),
                        Undertray("Large", 0.233f, -1.395f),
                        Undertray("Extra large", 0.266f, -1.595f)};
    s.RearWingTypes = {Wing("N/A", 0.0f, 0.0f, 0.0f, 0.0f),
                       Wing("Small", 0.039f, 0.00027f, -0.2f, -0.015f),
                       Wing("Medium", 0.035f, 0.00035f, -0.1047f, -0.0379f),
                       Wing("Large", 0.0415f, 0.00043f, -0.1246f, -0.04515f),
                       Wing("Large low-drag", 0.0249f, 0.00026f, -0.1246f, -0.04515f),
                       Wing("GT", 0.047f, 0.00049f, -0.1395f, -0.05055f)};
    s.FrontWingTypes = {Wing("N/A", 0.0f, 0.0f, 0.0f, 0.0f),
                        Wing("Small", 0.023f, 0.000245f, -0.091f, -0.02365f),
                        Wing("Splitter", 0.0332f, 0.000358f, -0.0997f, -0.03615f),
                        Wing("Medium", 0.04f, 0.000428f, -0.12f, -0.04329f),
                        Wing("Large", 0.0465f, 0.0005f, -0.1395f, -0.0505f),
                        Wing("Large low-drag", 0.0365f, 0.0003955f, -0.1827f, -0.0662f)};
    s.AirTemperature = 293.15f;  // K, 20 deg C
    // Sea-level pressure over the specific gas constant times the temperature.
    s.AirDensity = static_cast<float>(101387.555 / 84148.7);
}

void CalcAeroForces(AeroForces& f, const std::array<float, 4>& staticLoads, float speed,
                    const PositionXYZ& cog, const PositionXYZ& bodyPos,
                    const PositionXYZ& undertrayPos, const PositionXYZ& frontWingPos,
                    const PositionXYZ& rearWingPos, float frontWingAngle, float rearWingAngle) {
    AeroCodeState& s = AeroCode();
    const core::GlobalChassisLabState& lab = core::GlobalChassisLab();
    const VehicleRecord& v = lab.CurrentVehicle;

    // Compressibility: the simulator's cars in compatibility mode ignore it.
    float k = 1.0f;
    const bool simulatorRules = core::FromVbBool(core::OptionsSettings().LFSMode) &&
                                core::FromVbBool(lab.HasLFSCar);
    if (!simulatorRules) {
        const float soundSpeed = std::sqrt(kAirGasFactor * s.AirTemperature);
        const float mach = std::fabs(speed) / soundSpeed;
        k = mach <= kMachLimit ? 1.0f / std::sqrt(1.0f - mach * mach) : kMachHeldFactor;
    }

    const AeroDeviceCoeffs& under = Row(s.UndertrayTypes, v.AeroElements[1].DeviceType);
    const AeroWingCoeffs& rear = Row(s.RearWingTypes, v.AeroElements[2].DeviceType);
    const AeroWingCoeffs& front = Row(s.FrontWingTypes, v.AeroElements[3].DeviceType);
    const float ar = rearWingAngle;
    const float af = frontWingAngle;

    s.DragCoeffs[0] = v.FrontalArea * v.DragCoefficient * k;
    s.DragCoeffs[1] = k * under.DragArea;
    s.DragCoeffs[2] = (ar * ar * rear.DragPerDeg2 + rear.Drag0) * k;
    s.DragCoeffs[3] = (af * af * front.DragPerDeg2 + front.Drag0) * k;

    s.LiftCoeffs[0] = v.LiftCoefficient * v.FrontalArea;
    s.LiftCoeffs[1] = under.LiftArea;
    s.LiftCoeffs[2] = WingLift(rear, ar);
    s.LiftCoeffs[3] = WingLift(front, af);

    const float v2 = speed * speed;
    for (int e = 0; e < 4; ++e) {
        f.Drag[e] = Finite(s.DragCoeffs[e] * 0.5f * s.AirDensity * v2);
        if (speed < 0.0f) f.Drag[e] = -f.Drag[e];
        f.Lift[e] = Finite(s.LiftCoeffs[e] * 0.5f * s.AirDensity * v2);
    }
    const auto& D = f.Drag;
    const auto& L = f.Lift;
    f.TotalDrag = D[1] + D[0] + D[3] + D[2];
    f.TotalLift = L[0] + L[1] + L[3] + L[2];

    const float zc = cog.Z, zb = bodyPos.Z, zu = undertrayPos.Z, zf = frontWingPos.Z,
                zr = rearWingPos.Z;
    const float Y0 = v.AeroElements[0].PosY, Y1 = v.AeroElements[1].PosY,
                Y2 = v.AeroElements[2].PosY, Y3 = v.AeroElements[3].PosY;
    const float wb = v.Wheelbase;
    // Each axle's two wheels share its lift and drag-pitch loads equally; the rear's pitch load
    // is the front's with every height difference reversed.
    const float frontLift = 0.5f * (Y2 * L[2] + Y3 * L[3] + Y1 * L[1] + Y0 * L[0]);
    const float rearLift = 0.5f * ((1.0f - Y2) * L[2] + (1.0f - Y3) * L[3] +
                                   (1.0f - Y1) * L[1] + (1.0f - Y0) * L[0]);
    const float frontPitch = GuardedDiv(
        0.5f * ((zc - zf) * D[3] + (zc - zu) * D[1] + (zc - zb) * D[0] + (zc - zr) * D[2]), wb);
    const float rearPitch = GuardedDiv(
        0.5f * ((zf - zc) * D[3] + (zu - zc) * D[1] + (zb - zc) * D[0] + (zr - zc) * D[2]), wb);
    const auto& tyres = TyreCode().WheelTyres;
    for (int w = 0; w < 4; ++w) {
        f.LiftLoad[w] = w < 2 ? frontLift : rearLift;
        f.DragPitchLoad[w] = w < 2 ? frontPitch : rearPitch;
        f.WheelLoad[w] = staticLoads[w] - f.LiftLoad[w] + f.DragPitchLoad[w];
        f.RollingResistance[w] = 0.0f;
        if (f.WheelLoad[w] > 0.0f) {
            f.RollingResistance[w] = Finite(static_cast<float>(
                f.WheelLoad[w] * TyreRollingResistanceCoeff(tyres[w], speed)));
            if (speed < 0.0f) f.RollingResistance[w] = -f.RollingResistance[w];
        }
    }
    const auto& RR = f.RollingResistance;
    f.TotalRollingResistance = RR[1] + RR[0] + RR[2] + RR[3];
    f.TotalResistance = f.TotalRollingResistance + f.TotalDrag;
    // Rolling resistance acts at the ground, below the centre of gravity: it loads the front.
    f.RollResPitchLoad = GuardedDiv(zc * f.TotalRollingResistance, wb);
    f.WheelLoad[0] += 0.5f * f.RollResPitchLoad;
    f.WheelLoad[1] += 0.5f * f.RollResPitchLoad;
    f.WheelLoad[2] -= 0.5f * f.RollResPitchLoad;
    f.WheelLoad[3] -= 0.5f * f.RollResPitchLoad;
}

bool VehicleTips(const AeroForces& forces) {
    const auto& load = forces.WheelLoad;
    return load[0] + load[1] < 0.0f || load[2] + load[3] < 0.0f;
}

void ApplyWingAngles(const AeroSetupInputs& inputs) {
    AeroCodeState& s = AeroCode();
    s.FrontWingAngle = inputs.FrontWingAngle;
    s.RearWingAngle = inputs.RearWingAngle;
    s.FrontWingAngleEff = s.FrontWingAngle;
    s.RearWingAngleEff = s.RearWingAngle;
}

void UpdateAeroAnalysis(float liveSpeed, float totalMass) {
    AeroCodeState& s = AeroCode();
    AeroForces& a = s.LiveAero;
    a.ResistancePower = liveSpeed * a.TotalResistance / 1000.0f;
    s.AeroLoadFrontShare = a.LiftLoad[0] != 0.0f
                               ? GuardedDiv(a.LiftLoad[0] - a.DragPitchLoad[0],
                                            a.LiftLoad[2] + a.LiftLoad[0])
                               : 0.0f;
    s.AeroWheelLoadFrontShare =
        GuardedDiv(a.WheelLoad[1] + a.WheelLoad[0],
                   a.WheelLoad[1] + a.WheelLoad[0] + a.WheelLoad[2] + a.WheelLoad[3]);
    const float weight = totalMass * kGravity;
    s.AeroLoadRatio = GuardedDiv(weight - a.TotalLift, weight);
}

void CalcGearWheelLoads(const AeroLoadInputs& loads, std::span<float, kGearRows> speedAtShift) {
    AeroCodeState& s = AeroCode();
    AeroForces work = s.LiveAero;
    speedAtShift[8] = 0.0f;  // the standstill row
    const auto& pos = loads.AeroElementPos;
    for (std::size_t g = 0; g < kGearRows; ++g) {
        CalcAeroForces(work, loads.CornerStaticLoad, speedAtShift[g], loads.VehicleCoG, pos[0],
                       pos[1], pos[3], pos[2], s.FrontWingAngle, s.RearWingAngle);
        for (int w = 0; w < 4; ++w) s.GearWheelLoads[g][w] = work.WheelLoad[w];
    }
}

void BuildAeroSpeedTableFor(const AeroLoadInputs& loads, bool thrustDriven, float wheelPowerKW,
                            float thrust) {
    AeroCodeState& s = AeroCode();
    // Rows past the last one this sweep writes must read zero. Only rows an earlier sweep
    // wrote can be non-zero, so only those are cleared (the table is rebuilt on every live
    // analysis, and clearing all of it each time cost more than the sweep).
    if (s.AeroSpeedTable.size() != kAeroSpeedRows) {
        s.AeroSpeedTable.assign(kAeroSpeedRows, AeroSpeedRow{});
        s.AeroSpeedRowsUsed = 0;
    }
    std::fill_n(s.AeroSpeedTable.begin(), s.AeroSpeedRowsUsed, AeroSpeedRow{});
    s.AeroSpeedRowsUsed = 0;
    AeroForces work = s.LiveAero;
    const auto& pos = loads.AeroElementPos;

    // Thrust power grows with speed; 1 kW just lets the sweep start.
    float power = thrustDriven ? 1.0f : wheelPowerKW;
    s.TopSpeed = 0.0f;
    if (!(power > 0.0f)) return;
    for (std::size_t step = 0; step < kAeroSpeedRows; ++step) {
        // Rounded each step so the speeds stay on the 0.05 m/s grid without drift.
        s.TopSpeed = core::RoundToDecimals(s.TopSpeed + kAeroSpeedStep, 2);
        if (thrustDriven) power = thrust * s.TopSpeed / 1000.0f;
        CalcAeroForces(work, loads.CornerStaticLoad, s.TopSpeed, loads.VehicleCoG, pos[0], pos[1],
                       pos[3], pos[2], s.FrontWingAngleEff, s.RearWingAngleEff);
        const float resistancePower = s.TopSpeed * work.TotalResistance / 1000.0f;

        const int32_t r = core::CLng(static_cast<double>(s.TopSpeed) * 20.0);
        if (r < 0 || static_cast<std::size_t>(r) >= kAeroSpeedRows) break;
        AeroSpeedRow& row = s.AeroSpeedTable[static_cast<std::size_t>(r)];
        s.AeroSpeedRowsUsed = std::max(s.AeroSpeedRowsUsed, static_cast<std::size_t>(r) + 1);
        row = {work.Lift[0],
               work.Lift[1],
               work.Lift[2],
               work.Lift[3],
               work.LiftLoad[0] + work.LiftLoad[1],
               work.LiftLoad[2] + work.LiftLoad[3],
               work.Drag[0],
               work.Drag[1],
               work.Drag[2],
               work.Drag[3],
               work.TotalRollingResistance,
               work.TotalResistance};

        if (s.TopSpeed == kMaxTopSpeed) break;
        if (!(resistancePower < power)) break;
    }
}

void BuildAeroSpeedTable(const AeroLoadInputs& loads) {
    const VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
    const EngineRecord& engine = EngineCode().CurrentEngine;
    const bool thrustDriven = v.Drivetrain.DriveType == kDriveThrust;
    const float wheelPower = v.Drivetrain.DrivetrainEfficiency * engine.PeakPower;
    BuildAeroSpeedTableFor(loads, thrustDriven, wheelPower, engine.PeakTorque);
}

}  // namespace vehicle
