#include "vehicle/EngineCurveCheck.hpp"

#include <algorithm>

#include "vehicle/CurveCrossings.hpp"
#include "vehicle/ModelGuards.hpp"

namespace vehicle {

namespace {

constexpr double kTorqueCeiling = 1e8;  // N m, as GetEngineTorque holds the curve

}  // namespace

float FullThrottlePeak(const EngineRecord& engine) {
    const double idle = engine.IdleSpeed, limit = engine.LimitSpeed;
    if (!(idle <= limit)) return 0.0f;
    const auto& lc = engine.LowerCurve;
    const auto& uc = engine.UpperCurve;
    double top = 0.0;
    // The cubic from idle to the plateau start, the plateau, the quartic from its end: each
    // where it lies between idle and the limit.
    const double cubicEnd = std::min<double>(engine.CurvePlateauStart, limit);
    if (idle < cubicEnd) {
        const CurvePolynomial p{0.0, lc[0], lc[1], lc[2], lc[3]};
        top = std::max(top, CurveMaximum(p, idle - engine.LowerOrigin,
                                         cubicEnd - engine.LowerOrigin));
    }
    const double plateauStart = std::max<double>(idle, engine.CurvePlateauStart);
    if (plateauStart < engine.CurvePlateauEnd && plateauStart <= limit) {
        top = std::max(top, static_cast<double>(engine.PeakTorque));
    }
    const double quarticStart = std::max<double>(idle, engine.CurvePlateauEnd);
    if (quarticStart <= limit) {
        const CurvePolynomial p{uc[0], uc[1], uc[2], uc[3], uc[4]};
        top = std::max(top, CurveMaximum(p, quarticStart - engine.UpperOrigin,
                                         limit - engine.UpperOrigin));
    }
    return static_cast<float>(std::min(top, kTorqueCeiling));
}

bool CurveRisesAbovePeak(const EngineRecord& engine) {
    return FullThrottlePeak(engine) > kCurvePeakMargin * engine.PeakTorque;
}

float PowerPeakTorqueShare(const EngineRecord& engine) {
    // As the upper fit forms it: kW to W over rad/s gives N m.
    const float power = engine.ReducePowerFactor * engine.PeakPower;
    const float speed = engine.ShiftPowerFactor * engine.PowerPeakSpeed;
    return GuardedDiv(GuardedDiv(1000.0f * power, speed), engine.PeakTorque);
}

CurveRefusal CurveRefusalOf(const EngineRecord& fitted) {
    CurveRefusal r;
    const float peak = FullThrottlePeak(fitted);
    if (peak > kCurvePeakMargin * fitted.PeakTorque) {
        r.Rise = peak / fitted.PeakTorque;
        r.PowerPeakShare = PowerPeakTorqueShare(fitted);
    }
    return r;
}

CurveRefusal StoredCurveRefusal(const VehicleRecord& record) {
    const uint8_t drive = record.Drivetrain.DriveType;
    if (drive == kDriveThrust) return {};
    EngineRecord engine = EngineRecordFromFigures(record.Engine, drive);
    auto& state = EngineCode();
    const core::VbBool inverseOK = state.MatrixInverseOK;
    UpdateEngineModel(engine, drive);
    state.MatrixInverseOK = inverseOK;
    return CurveRefusalOf(engine);
}

}  // namespace vehicle
