#include "vehicle/engine/EngineFigureCheck.hpp"

#include "core/PhysicalConstants.hpp"
#include "vehicle/ModelGuards.hpp"
#include "vehicle/CheckSlack.hpp"

namespace vehicle {

// Figures typed at a margin pass, with the slack of every vehicle check.
bool EngineFigureConflicts::PowerNeedsMoreTorque() const {
    return PowerPeakTorqueShare > kPowerTorqueMargin + CheckSlack(kPowerTorqueMargin);
}

bool EngineFigureConflicts::PlateauGivesMorePower() const {
    return PlateauPowerShare > kPlateauPowerMargin + CheckSlack(kPlateauPowerMargin);
}

EngineFigureConflicts FindEngineFigureConflicts(const EngineRecord& engine) {
    // As the upper fit forms them: kW to W over rad/s gives N m.
    EngineFigureConflicts c;
    c.PowerPeakTorque = GuardedDiv(core::kWattsPerKilowatt * ReducedPeakPower(engine),
                                   ShiftedPowerPeakSpeed(engine));
    c.PlateauPower = engine.PeakTorque * engine.TorquePeakEnd / core::kWattsPerKilowatt;
    c.PowerPeakTorqueShare = GuardedDiv(c.PowerPeakTorque, engine.PeakTorque);
    c.PlateauPowerShare = GuardedDiv(c.PlateauPower, engine.PeakPower);
    return c;
}

}  // namespace vehicle
