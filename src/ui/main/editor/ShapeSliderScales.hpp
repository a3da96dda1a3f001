// How the vehicle editor's engine-shape sliders set their figures: the store reads a figure
// from a slider's position, the fill puts a figure back as the position that gives it, and the
// engine-figure refusal moves a slider the way that moves its figure as the check asks.
#pragma once

namespace ui {

// figure = Offset + Sign x position / PerUnit.
struct ShapeSliderScale {
    double Offset;
    double Sign;  // 1: the figure rises with the slider; -1: it falls as the slider rises
    double PerUnit;

    double Figure(double position) const { return Offset + Sign * (position / PerUnit); }
    double Position(float figure) const {
        return Sign * (static_cast<double>(figure) - Offset) * PerUnit;
    }
};

inline constexpr ShapeSliderScale kIdleTorqueScale{0.0, 1.0, 100.0};   // IdleTorqueFraction
inline constexpr ShapeSliderScale kLowerShapeScale{0.0, 1.0, 10.0};    // LowerShape
inline constexpr ShapeSliderScale kUpperShapeAScale{0.0, 1.0, 100.0};  // UpperShapeA
// UpperShapeB: 1 less the slider's ten-thousandths.
inline constexpr ShapeSliderScale kUpperShapeBScale{1.0, -1.0, 10000.0};
// "Power reduction": ReducePowerFactor is 1 less the slider's thousandths.
inline constexpr ShapeSliderScale kPowerReductionScale{1.0, -1.0, 1000.0};
// "Shift power": ShiftPowerFactor is 1 plus the slider's thousandths.
inline constexpr ShapeSliderScale kShiftPowerScale{1.0, 1.0, 1000.0};

}  // namespace ui
