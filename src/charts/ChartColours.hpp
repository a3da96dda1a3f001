// The chart colours, 24-bit values in the surface's order: 0xBBGGRR (red in the low byte).
#pragma once

#include "platform/Surface.hpp"

namespace charts {

using platform::Color;

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kGreen = 0x00FF00;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kMagenta = 0xFF00FF;
inline constexpr Color kCyan = 0xFFFF00;
inline constexpr Color kYellow = 0x00FFFF;
inline constexpr Color kOrange = 0x0099FF;
inline constexpr Color kGrey = 0xAAAAAA;       // grid lines, axle lines, centre lines
inline constexpr Color kLightGreen = 0xAAFFAA;
inline constexpr Color kLightBlue = 0xFFAAAA;
inline constexpr Color kLightRed = 0xAAAAFF;
// Vehicle diagrams.
inline constexpr Color kTyreGrey = 0x464646;   // tyre outline, contact patch outline
inline constexpr Color kTyreDark = 0x1E1E1E;   // tyre carcass, contact patch
inline constexpr Color kRimGrey = 0xC8C8C8;

}  // namespace charts
