#include "ui/main/editor/EngineControlWords.hpp"

#include "ui/main/editor/ShapeSliderScales.hpp"

namespace ui {

namespace {

// A box shows its figure times a positive unit factor: it moves as its figure. A slider moves
// as its figure where its scale rises.
constexpr vehicle::FieldWord kEngineControls[] = {
    {"Engine.PeakTorque", "Peak torque"},
    {"Engine.TorquePeakRPM", "Peak torque speed"},
    {"Engine.TorquePeakWidth", "Torque plateau width"},
    {"Engine.PeakPower", "Peak power"},
    {"Engine.PowerPeakRPM", "Peak power speed"},
    {"Engine.ReducePowerFactor", "Power reduction", kPowerReductionScale.Sign < 0.0},
    {"Engine.ShiftPowerFactor", "Shift power", kShiftPowerScale.Sign < 0.0},
};

}  // namespace

const vehicle::FieldWording& EngineControlWording() {
    // A slider is no factor of its own: the figure is taken "with" it.
    static const vehicle::FieldWording wording{kEngineControls, " with "};
    return wording;
}

}  // namespace ui
