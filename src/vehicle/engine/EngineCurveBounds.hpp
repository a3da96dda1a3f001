// Builds the bounded full-throttle curve (vehicle/engine/EngineCurve.hpp) of a fitted engine.
#pragma once

#include "vehicle/engine/EngineRecord.hpp"

namespace vehicle {

// Works out the record's Curve from its figures, its fitted coefficients and the speeds they
// join at (CurvePlateauStart, CurvePlateauEnd). Run by the fits; anything that changes the
// figures or the coefficients runs it again.
void BoundFittedCurve(EngineRecord& engine);

}  // namespace vehicle
