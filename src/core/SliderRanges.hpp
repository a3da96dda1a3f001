// Design-time ranges, start values and steps of the main window's setting and live sliders:
// the state before any vehicle or setup is applied. Vehicle configuration narrows some of them
// later; this is the one place the design values are written down. The window's layout and
// handlers and the setup file reader (which checks a file's values against them) all read it.
#pragma once

#include <array>

namespace core {

struct SliderDesign {
    int min, max, value, smallStep, largeStep;
};

namespace design {
// Brakes and traction control
inline constexpr SliderDesign BrakeMaxTorque{100, 10000, 950, 10, 100};  // N m
inline constexpr SliderDesign BrakeBalance{0, 100, 75, 1, 10};           // % at the front
inline constexpr SliderDesign EBR{0, 100, 0, 5, 10};                     // % engine brake cut
inline constexpr SliderDesign TCSlipRatio{20, 200, 45, 10, 36};          // tenths of a %
inline constexpr SliderDesign TCSlipSpeed{5, 20, 10, 1, 5};              // m/s
// Suspension, per axle
inline constexpr SliderDesign SuspSpringTravel{0, 400, 100, 1, 5};     // mm
inline constexpr SliderDesign SuspSpringStiffness{40, 4000, 750, 1, 5};  // x 100 N/m
inline constexpr SliderDesign SuspBumpDamp{0, 400, 50, 1, 5};          // x 100 N s/m
inline constexpr SliderDesign SuspReboundDamp{0, 400, 65, 1, 5};       // x 100 N s/m
inline constexpr SliderDesign SuspARBStiffness{0, 4000, 500, 1, 5};
// Steering
inline constexpr SliderDesign SteerToe{0, 18, 10, 1, 5};            // (value - 9) / 10 degrees
inline constexpr SliderDesign SteerCasterFront{0, 120, 45, 1, 5};   // tenths of a degree
inline constexpr SliderDesign SteerCasterRear{0, 150, 10, 1, 5};
inline constexpr SliderDesign SteerAckermann{0, 100, 50, 1, 5};     // %
inline constexpr SliderDesign SteerLock{9, 50, 24, 1, 5};           // degrees
// Tyres, per wheel
inline constexpr SliderDesign TyrePressureFront{20, 800, 175, 1, 100};  // kPa
inline constexpr SliderDesign TyrePressureRear{20, 800, 175, 25, 100};
inline constexpr SliderDesign TyreCamber{0, 90, 45, 1, 10};  // (value - 45) / 10 degrees
// Downforce and handicaps
inline constexpr SliderDesign WingAngleFront{0, 25, 7, 1, 3};  // degrees
inline constexpr SliderDesign WingAngleRear{0, 40, 14, 1, 3};
inline constexpr SliderDesign HandicapIntake{0, 50, 0, 1, 3};    // %
inline constexpr SliderDesign HandicapMass{0, 200, 0, 1, 3};     // kg
inline constexpr SliderDesign HandicapMassPos{0, 100, 50, 1, 3};  // % towards the front
// Differentials
inline constexpr SliderDesign DiffLocking{10, 80, 40, 5, 10};   // power and coast, %
inline constexpr SliderDesign ViscousTorque{1, 20, 10, 2, 5};   // N m s/rad
inline constexpr SliderDesign DiffPreLoad{0, 80, 10, 5, 10};    // x 10 N m
inline constexpr SliderDesign TorqueSplitCentre{10, 80, 40, 5, 10};  // % to the front
// Gear ratios x 1000: 0 reverse, 1..7 forward gears, 8 final drive
inline constexpr std::array<SliderDesign, 9> GearRatio{{{1000, 8000, 4000, 10, 100},
                                                       {500, 7500, 3790, 10, 100},
                                                       {500, 7500, 2465, 10, 100},
                                                       {500, 7500, 1775, 10, 100},
                                                       {500, 7500, 1385, 10, 100},
                                                       {500, 7500, 1150, 10, 100},
                                                       {500, 7500, 1000, 10, 100},
                                                       {500, 7500, 900, 10, 100},
                                                       {500, 7500, 4000, 10, 100}}};
inline constexpr std::array<const char*, 9> GearRatioText{"",      "3.79", "2.465", "1.775",
                                                          "1.385", "1.15", "",      "",
                                                          ""};
// Live state
inline constexpr SliderDesign LiveSpeed{0, 150, 30, 1, 10};         // m/s
inline constexpr SliderDesign LiveThrottle{0, 100, 40, 1, 10};      // %
inline constexpr SliderDesign LiveBrake{0, 100, 0, 1, 10};          // %
inline constexpr SliderDesign LiveSteeringAngle{-240, 240, 0, 10, 5};  // tenths of a degree
inline constexpr SliderDesign LiveFuelLoad{0, 70, 20, 1, 10};       // litres
inline constexpr SliderDesign LiveTyreTemp{20, 200, 60, 1, 10};     // deg C
inline constexpr SliderDesign LiveTyreWear{0, 100, 0, 1, 10};       // % of the tread
// Vehicle editor: the engine-shape sliders are the only bound on the shape figures.
inline constexpr SliderDesign EditorIdleTorque{25, 95, 60, 1, 10};  // idle torque fraction x 100
inline constexpr SliderDesign EditorTCA{0, 30, 15, 1, 5};          // lower shape x 10
inline constexpr SliderDesign EditorPCA{20, 99, 60, 1, 10};        // upper shape A x 100
// (1 - upper shape B) x 10000; 0 is a flat top, as the shipped vehicles have it.
inline constexpr SliderDesign EditorPWA{0, 50, 25, 1, 10};
inline constexpr SliderDesign EditorPR{0, 50, 0, 1, 10};           // (1 - power factor) x 1000
inline constexpr SliderDesign EditorPS{0, 100, 0, 1, 10};          // (shift factor - 1) x 1000
inline constexpr SliderDesign EditorDynoThrottle{0, 100, 100, 1, 10};  // preview throttle, %
}  // namespace design

// Degrees: the top of the steering lock slider outside the simulator-car configuration (the
// design-time range stops lower; a vehicle of the program's own may use more lock).
inline constexpr int kProgramMaxSteerLock = 60;

}  // namespace core
