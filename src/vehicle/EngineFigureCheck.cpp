#include "vehicle/EngineFigureCheck.hpp"

#include "core/PhysicalConstants.hpp"
#include "vehicle/EngineCurve.hpp"
#include "vehicle/ModelGuards.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace vehicle {

bool EngineFigureConflicts::PowerNeedsMoreTorque() const {
    // The same slack as the curve's torque bound: a power that needs the peak torque exactly
    // passes whatever its rounding.
    return PowerPeakTorqueShare > 1.0 + kCurveBoundSlack;
}

bool EngineFigureConflicts::PlateauGivesMorePower() const {
    // Figures typed at the margin pass, with the slack of every vehicle check.
    return PlateauPowerShare > kPlateauPowerMargin + CheckSlack(kPlateauPowerMargin);
}

EngineFigureConflicts FindEngineFigureConflicts(const EngineRecord& engine) {
    // As the upper fit forms them: kW to W over rad/s gives N m.
    const float power = ReducedPeakPower(engine);
    const float speed = ShiftedPowerPeakSpeed(engine);
    EngineFigureConflicts c;
    c.PowerPeakTorqueShare =
        GuardedDiv(GuardedDiv(core::kWattsPerKilowatt * power, speed), engine.PeakTorque);
    c.PlateauPowerShare =
        GuardedDiv(engine.PeakTorque * engine.TorquePeakEnd / core::kWattsPerKilowatt, power);
    return c;
}

}  // namespace vehicle
