// Gear ratios in simulator setup files: each ratio is one 16-bit word,
// word = (ratio - 0.5) x 9362, covering ratios 0.5 to 7.5 in steps of 1/9362. In memory the
// word is held in an int16_t with the same bits (words 32768..65535 appear as -32768..-1).
#pragma once

#include <cstdint>

namespace files {

inline constexpr double kRatioWordScale = 9362.0;  // words per unit of ratio
inline constexpr double kRatioWordOffset = 0.5;    // ratio of word 0

// The ratio coded by the word's 16 bits, rounded half away from zero to 3 decimals.
float LfsWordToRatio(int16_t word);

// The word for a ratio, rounded half away from zero, as the 16-bit pattern to store. Ratios
// outside 0.5..7.5 have no word: they clamp to word 0 or 65535 (not-a-number gives 0).
int16_t LfsRatioToWord(float ratio);

// The reverse gear's ratio: its word codes the ratio less 0.5, so reverse ratios run from 1.0
// to 8.0.
float LfsWordToReverseRatio(int16_t word);

}  // namespace files
