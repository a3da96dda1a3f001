// The texts of the vehicle data output reader window's 203 value boxes for one record, in box
// order: the general block (boxes 0..102, its padding included) and the four wheel blocks
// (25 boxes each: rear left from 103, rear right from 128, front left from 153, front right
// from 178, the order the file holds them in).
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "files/DataOutputFile.hpp"

namespace files {

inline constexpr std::size_t kDataOutputBoxCount = 203;
inline constexpr std::size_t kDataOutputWheelBoxes = 25;
// First box of each wheel block, in file order (RL, RR, FL, FR).
inline constexpr std::array<std::size_t, 4> kDataOutputWheelBase{103, 128, 153, 178};

// Every box's text. Floats are shown at most 7 significant digits ("N/A" when not finite);
// world positions are the 16.16 values / 65536 rounded to 8 decimals; a drive type or tyre
// type with no name shows "Unknown (<n>)". The two engine speeds are shown as stored, in
// rad/s, whatever angular-velocity unit the user chose for the rest of the program.
std::array<std::string, kDataOutputBoxCount> DataOutputBoxTexts(const LFSDataOutputRecord& r);

}  // namespace files
