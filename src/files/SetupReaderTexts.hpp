// What the setup reader window shows for one setup file: the texts of its 65 value boxes
// (SetupInfo 0..63, and 64 the reverse gear's ratio), the states of its four check boxes (SetupCheck 0 "Post 0.5X",
// 1 "Asymmetric Tyres", 2 "TC", 3 "ABS") and the texts of its padding boxes (BlankInfo 1..17),
// each field decoded from the record the setup file reader parsed.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "files/SetupFile.hpp"

namespace files {

inline constexpr std::size_t kSetupInfoCount = 65;
inline constexpr int kSetupInfoReverseRatio = 64;  // the box of offsets 10-11
inline constexpr std::size_t kSetupCheckCount = 4;
// Index 0 unused; 3 and 4 are never written (3 stood for offsets 10-11, the reverse gear's
// ratio word, which has its own box).
inline constexpr std::size_t kSetupBlankCount = 18;

struct SetupReaderDisplay {
    std::array<std::string, kSetupInfoCount> Info;
    std::array<int, kSetupCheckCount> Checks{};   // 0 clear, 1 checked
    std::array<std::string, kSetupBlankCount> Blanks;
};

// The display of a record. Where a box has two values the rear axle's comes first; the four
// wheel boxes of camber and pressure are in the order RL, RR, FL, FR. Flag bit 0 set shows
// "Asymmetric Tyres" checked (as the simulator and the setup file writer set it). A byte that
// names no entry of its table (tyre brand above 6, compound above 8, differential type above
// 3, config not 0/1, centre differential not 0/1) shows "Unknown (<n>)".
SetupReaderDisplay SetupReaderTexts(const LFSSetupRecord& record);

}  // namespace files
