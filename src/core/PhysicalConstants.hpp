// Physical constants and unit factors used by the models. Each is named once here; models
// never repeat them as bare literals. The values are the program's own (some are rounded the
// way its stored results expect, e.g. pi to 13 digits).
#pragma once

namespace core {

inline constexpr double kGravity = 9.80665;                 // m/s^2, standard gravity
inline constexpr double kPi = 3.141592653589;               // as the models use it
inline constexpr double kDegreesPerRadian = 57.29577951309679;
inline constexpr double kRpmToRadPerSec = 0.10471975511963333;  // (rad/s) per (rev/min)
inline constexpr double kInchesPerCm = 0.393900787;         // tyre-size conversions
inline constexpr double kSeaLevelAirDensity = 1.225;        // kg/m^3
inline constexpr float kWattsPerKilowatt = 1000.0f;        // engine power is held in kW

}  // namespace core
