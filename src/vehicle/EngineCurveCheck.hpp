// How high an engine's full-throttle curve rises between idle and its rev limit, against the
// engine's own peak torque. The quartic above the plateau is fitted through the power peak and
// nothing holds it beyond: with the plateau ending close below the power peak, or a limit far
// above it, it climbs as the fourth power of the distance past the power peak (to hundreds of
// thousands of N m on a 250 N m engine). Such an engine contradicts its own figures; the
// vehicle editor and the vehicle file reader refuse it.
#pragma once

#include <string>

#include "vehicle/EngineCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

// The most the full-throttle torque may reach between idle and the limit, as a multiple of
// the peak torque. Measured at the editor's default shapes on makers' figures (the power peak
// at the top of its band, the plateau to the end of the torque band, as the shipped cars
// enter them): road, sports and race petrol engines stay at 1.0 to 1.13 (limits up to 20 %
// above the power peak); diesels, whose limits lie 25 to 40 % above it, reach 1.8 to 3.6. The
// shipped cars stay at 1.0 (2.1 at the worst corner of the shape sliders). Past that the
// quartic runs away as the fourth power of the distance past the power peak: a few per cent
// more of limit take a curve from 3.6 to 6 and 8 times, and the faults seen reached 700 to
// 2000 times. 5 leaves the measured engines room for rev limits a little higher than their
// makers quote.
inline constexpr float kCurvePeakMargin = 5.0f;

// The highest full-throttle torque (N m) of a fitted engine from idle to its limit, as
// GetEngineTorque gives it at full throttle (held between 0 and its ceiling). 0 when the
// limit lies below idle.
float FullThrottlePeak(const EngineRecord& engine);

// True when that peak exceeds kCurvePeakMargin x PeakTorque.
bool CurveRisesAbovePeak(const EngineRecord& engine);

// The torque the upper fit passes through at the shifted power peak (the reduced peak power
// over the shifted power-peak speed), as a multiple of PeakTorque; 0 when either speed or
// torque is 0. Needs only the engine's figures, not its fit. Above 1, the power figure asks
// more torque at the power peak than the engine's peak torque: the figures contradict each
// other, and a curve that runs away does so because of PeakPower, PowerPeakRPM or PeakTorque,
// whatever its limit and shapes.
float PowerPeakTorqueShare(const EngineRecord& engine);

// Why an engine is refused, from its fitted curve.
struct CurveRefusal {
    // How high the curve climbs before the limit, as a multiple of the peak torque, when that
    // is above kCurvePeakMargin; 0 when it stays within it.
    float Rise = 0.0f;
    // PowerPeakTorqueShare of a refused engine.
    float PowerPeakShare = 0.0f;

    bool Refused() const { return Rise > 0.0f; }
    // The climb comes from the power figure (power, its speed, the peak torque), not from the
    // limit and the upper shape.
    bool ByPowerFigure() const { return Refused() && PowerPeakShare > 1.0f; }
};

// The refusal of a fitted engine (nothing refused when its curve stays within the margin).
CurveRefusal CurveRefusalOf(const EngineRecord& fitted);

// For a stored vehicle: fits its engine (leaving the program's MatrixInverseOK as it was) and
// returns its refusal; nothing refused for a vehicle that is not wheel driven.
CurveRefusal StoredCurveRefusal(const VehicleRecord& record);

}  // namespace vehicle
