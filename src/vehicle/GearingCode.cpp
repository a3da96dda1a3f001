#include "vehicle/GearingCode.hpp"

#include <algorithm>
#include <cmath>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/engine/EngineCurveIntegral.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/ModelGuards.hpp"

namespace vehicle {

namespace {

constexpr uint8_t kMaxForwardGears = 7;
constexpr float kRevStep = 1.0f;              // rad/s per search step
constexpr float kBaseRadiusFactor = 0.98f;    // unloaded radius to the base rolling radius
constexpr float kMinShiftRoadSpeed = 1.0f;    // m/s floor of SpeedAtShift
constexpr int kRollingRadiusPasses = 4;  // wheel loads <-> rolling radii iterations
using core::kWattsPerKilowatt;

float RatioFromText(const std::string& text) {
    const auto ratio = static_cast<float>(core::Val(text));
    return std::isfinite(ratio) ? ratio : 0.0f;
}

// Full-throttle torque of the working engine at a speed.
float TorqueAt(EngineRecord& engine, float speed) {
    engine.Speed = speed;
    return GetEngineTorque(engine);
}

// The power-peak speed the engine reaches: with the limiter on, the limit where it lies below
// the typed power peak (the limiter's closed throttle takes over there).
float ReachedPowerPeakSpeed(const EngineRecord& engine, bool revLimit) {
    return revLimit ? std::min(engine.PowerPeakSpeed, engine.LimitSpeed) : engine.PowerPeakSpeed;
}

// Engine speed at which gear g is left: from the power peak upwards until the next gear gives
// at least the same wheel torque, the rev limit (when enabled) or the step limit is reached.
// With the limiter on, a power peak above the limit starts the search at the limit: there the
// first comparison would already see the limiter's closed-throttle torque and keep a shift
// speed the engine never reaches.
void SearchShiftPoint(GearingCodeState& s, EngineRecord& engine, uint8_t g, bool revLimit) {
    const float ratio = s.OverallRatios[g];
    const float nextRatio = s.OverallRatios[g + 1];
    s.ShiftRevs[g] = ReachedPowerPeakSpeed(engine, revLimit);
    for (int32_t pass = 0;;) {
        s.PostShiftRevs[g] = GuardedDiv(s.ShiftRevs[g], ratio) * nextRatio;
        const float t1 = TorqueAt(engine, s.ShiftRevs[g]) * ratio;
        const float t2 = TorqueAt(engine, s.PostShiftRevs[g]) * nextRatio;
        if (t2 >= t1) return;
        s.ShiftRevs[g] += kRevStep;
        if (s.ShiftRevs[g] >= engine.LimitSpeed && revLimit) {
            s.ShiftRevs[g] = engine.LimitSpeed;
            return;
        }
        if (++pass >= kMaxRevSearchSteps) return;
    }
}

// Top-of-gear speed "Power Drop": the first speed above the power peak whose power has fallen
// to (1 - PowerDropPercent / 100) of the peak power, or the rev limit (when enabled). Capped
// at kMaxRevSearchSteps steps, keeping the last speed: a curve whose power never falls that
// far would otherwise never end the search.
float PowerDropSpeed(EngineRecord& engine, uint8_t dropPercent, bool revLimit) {
    engine.Speed = engine.PowerPeakSpeed;
    engine.Throttle = 1.0f;
    const double target = (1.0 - dropPercent / 100.0) * engine.PeakPower;
    for (int32_t step = 0; step < kMaxRevSearchSteps; ++step) {
        engine.Speed += kRevStep;
        const float power = GetEngineTorque(engine) * engine.Speed / kWattsPerKilowatt;
        if (revLimit && engine.Speed >= engine.LimitSpeed) return engine.LimitSpeed;
        if (target >= power) break;
    }
    return engine.Speed;
}

}  // namespace

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit GearingCodeState g_state;
}  // namespace

GearingCodeState& GearingCode() { return g_state; }

void CalcGearing(const GearingInputs& inputs, GearingLinks& links) {
    const auto& vehicle = core::GlobalChassisLab().CurrentVehicle;
    const auto& options = core::OptionsSettings();
    auto& s = GearingCode();
    if (vehicle.Drivetrain.DriveType == kDriveThrust) return;

    // Gear arrays hold at most seven forward gears; a record claiming more uses seven.
    const uint8_t numGears = std::min(vehicle.Drivetrain.NumGears, kMaxForwardGears);
    const bool revLimit = core::FromVbBool(options.RevLimitEnabled);

    EngineRecord engine = EngineCode().CurrentEngine;
    engine.Throttle = 1.0f;

    for (std::size_t g = 0; g < s.GearRatios.size(); ++g) {
        s.GearRatios[g] = RatioFromText(inputs.GearRatioText[g]);
    }
    // Reverse: 1.0 stands in for a vehicle without one; a simulator car in compatibility mode
    // has its own fixed ratio (1.0 for a car listed without one).
    if (!core::FromVbBool(vehicle.Drivetrain.HasReverse)) {
        s.GearRatios[0] = 1.0f;
    } else if (core::FromVbBool(options.LFSMode) &&
               core::FromVbBool(core::GlobalChassisLab().HasLFSCar)) {
        s.GearRatios[0] = core::LFSCarReverseRatio(core::GlobalChassisLab().CurrentLFSCar);
    }
    for (std::size_t g = 0; g < s.OverallRatios.size(); ++g) {
        s.OverallRatios[g] = s.GearRatios[g] * s.GearRatios[8];
    }

    // Shift points of gears 1 .. NumGears - 1.
    for (uint8_t g = 1; g + 1 <= numGears; ++g) {
        if (core::FromVbBool(options.ShiftPointAuto)) {
            SearchShiftPoint(s, engine, g, revLimit);
        } else {
            s.ShiftRevs[g] =
                static_cast<float>(options.FixedShiftRpm * 2.0 * core::kPi / 60.0);
            s.PostShiftRevs[g] = GuardedDiv(s.ShiftRevs[g], s.OverallRatios[g]) *
                                 s.OverallRatios[g + 1];
        }
    }

    // Top-of-gear rev point, for reverse and the top gear.
    float top = 0.0f;
    bool haveTop = true;
    switch (options.GearRevsTopMode) {
        case 0: top = ReachedPowerPeakSpeed(engine, revLimit); break;  // "Fixed (Peak Power)"
        case 1: top = engine.LimitSpeed; break;      // "Fixed (Engine Limit)"
        case 2: top = PowerDropSpeed(engine, options.PowerDropPercent, revLimit); break;
        default: haveTop = false; break;
    }
    if (haveTop) {
        s.ShiftRevs[0] = top;
        s.ShiftRevs[numGears] = top;
    }

    for (uint8_t g = 1; g + 1 <= numGears; ++g) {
        s.RevDrop[g] = s.ShiftRevs[g] - s.PostShiftRevs[g];
        s.RatioStepPct[g] = (1.0f - GuardedDiv(s.GearRatios[g + 1], s.GearRatios[g])) * 100.0f;
    }

    if (vehicle.Drivetrain.DriveType == kDriveAll) {
        s.FrontTorqueShare = static_cast<float>(core::CLng(inputs.TorqueSplitCentre) / 100.0);
    }

    const auto& t = TyreCode().WheelTyres;
    const float fts = s.FrontTorqueShare;
    const float baseRadius =
        kBaseRadiusFactor *
        ((t[0].UnloadedRadius + t[1].UnloadedRadius) * fts +
         (1.0f - fts) * (t[3].UnloadedRadius + t[2].UnloadedRadius)) /
        2.0f;

    for (uint8_t g = 0; g <= numGears; ++g) {
        s.SpeedAtShift[g] = GuardedDiv(baseRadius * s.ShiftRevs[g], s.OverallRatios[g]);
    }
    for (std::size_t g = 0; g < 8; ++g) {
        if (s.SpeedAtShift[g] < kMinShiftRoadSpeed) s.SpeedAtShift[g] = kMinShiftRoadSpeed;
    }

    float factor = 1.0f;
    if (!core::FromVbBool(options.SpeedoIndicated)) {
        // True ground speed: the rolling radius depends on the wheel loads, which depend on
        // the speed; four passes settle it.
        for (int pass = 0; pass < kRollingRadiusPasses; ++pass) {
            if (links.CalcGearWheelLoads) links.CalcGearWheelLoads();
            CalcGearRollingRadii();
            for (uint8_t g = 0; g <= numGears; ++g) {
                s.SpeedAtShift[g] =
                    GuardedDiv(s.GearRollingRadius[g] * s.ShiftRevs[g], s.OverallRatios[g]);
            }
        }
    } else {
        factor = options.SpeedoErrorPercent / 100.0f + 1.0f;
        for (uint8_t g = 0; g <= numGears; ++g) s.GearRollingRadius[g] = baseRadius;
    }

    links.LiveSpeed = static_cast<uint8_t>(core::CLng(inputs.LiveSpeed) & 0xFF);
    const float liveRadius =
        links.LiveGear < s.GearRollingRadius.size() ? s.GearRollingRadius[links.LiveGear] : 0.0f;
    for (uint8_t g = 0; g <= numGears; ++g) {
        s.SpeedAtShift[g] = factor * s.SpeedAtShift[g];
        s.CruisingRevs[g] = GuardedDiv(links.LiveSpeed * s.OverallRatios[g], liveRadius);
    }
    for (uint8_t g = 1; g + 1 <= numGears; ++g) {
        s.SpeedGained[g] = s.SpeedAtShift[g + 1] - s.SpeedAtShift[g];
    }

    const EngineRecord& current = EngineCode().CurrentEngine;
    // No gear uses the curve above the speed it drives to, though a shift speed may lie beyond
    // it (a power peak above the limit for the top gear, a fixed shift speed, a post-shift
    // speed left where the search began when it stopped at the limit).
    const float usedTop = DrivingSpeedTop(current);
    const auto topOf = [&](uint8_t g) {
        return s.ShiftRevs[g] > usedTop ? usedTop : s.ShiftRevs[g];
    };
    // Gear 1 starts from PostShiftRevs(0), which is never written and stays 0: standstill.
    s.TorqueCurveArea = 0.0f;
    for (uint8_t g = 1; g <= numGears; ++g) {
        const auto area =
            static_cast<float>(TorqueCurveArea(current, s.PostShiftRevs[g - 1], topOf(g)));
        if (std::isfinite(area)) s.TorqueCurveArea += area;
    }
    if (!std::isfinite(s.TorqueCurveArea)) s.TorqueCurveArea = 0.0f;

    if (links.ShowGearingTable) links.ShowGearingTable();
    if (links.DrawGearingGraph) links.DrawGearingGraph();
}

}  // namespace vehicle
