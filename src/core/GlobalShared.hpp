// Small numeric helpers every module calls: display rounding, significant figures,
// interpolation, min/max, packing of eight flags into a byte, and a stable merge sort.
//
// All are plain functions of their arguments except RoundToDecimals, which keeps a one-entry
// result cache in GlobalShared().RoundCache. The program has one thread; the cache needs no
// lock. A test resets the module with `core::GlobalShared() = core::GlobalSharedState{};`.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/Numbers.hpp"

namespace core {

// One-entry cache of RoundToDecimals. Zero at program start; the first call sets Factor to 1.
struct RoundCacheState {
    float LastValue = 0.0f;   // value of the last computed call
    int32_t LastPlaces = 0;   // places of the last computed call that changed it
    float LastResult = 0.0f;  // result of the last computed call
    float Factor = 0.0f;      // 10^LastPlaces
};

struct GlobalSharedState {
    RoundCacheState RoundCache;
};

GlobalSharedState& GlobalShared();

// Eight flags, element i standing for bit i of a byte (bit 0 = 1, bit 7 = 128).
using FlagBits = std::array<VbBool, 8>;

// The value rounded to `places` decimals, halves away from zero; negative places round to
// tens, hundreds, ... Only the first dropped decimal digit decides (1.249 -> 1.2 at 1 place).
// The value is first scaled by 10^places in decimal arithmetic at the float's 7 significant
// digits, so 2.45f at 1 place scales to exactly 24.5 and rounds to 2.5. 0 gives 0; a value
// that is not finite is returned unchanged. The same value and places twice in a row are
// served from the cache.
float RoundToDecimals(float value, int32_t places);

namespace detail {
// value x 10^places taken in decimal at the float's 7 significant digits, back to the nearest
// float (the first step of RoundToDecimals). False when the product is too large for a float.
bool ScaleDecimal(float value, int32_t places, float& scaled);
// The same through the decimal text; the reference the fast arithmetic is held to.
bool ScaleDecimalByText(float value, int32_t places, float& scaled);
}  // namespace detail

// The value rounded to `figures` significant figures (4.56 at 2 -> 4.6, -456 at 2 -> -460).
// 0 gives 0. Shares RoundToDecimals' cache.
float RoundToSigFigs(float value, uint8_t figures);

// Common logarithm, computed in double and returned as a float. 0 gives -infinity, a negative
// argument NaN.
float Log10(float x);

// Defined here so the runs' step loops inline them.
inline float MaxSingle(float a, float b) { return a > b ? a : b; }  // b on a tie
inline float MinSingle(float a, float b) { return a < b ? a : b; }  // b on a tie

// (1 - t) * a + b * t evaluated in double precision and rounded once to a float.
inline float LerpSingle(float a, float b, float t) {
    const double td = t;
    return static_cast<float>((1.0 - td) * a + static_cast<double>(b) * td);
}
inline double LerpDouble(double a, double b, double t) { return (1.0 - t) * a + b * t; }

FlagBits ByteToBits(uint8_t value);
// Sum of 2^i over the elements that are set. Any non-zero element counts as set.
uint8_t BitsToByte(const FlagBits& bits);
// Eight characters "1"/"0", element 7 first (most significant bit first): 5 -> "00000101".
std::string BitsToString(const FlagBits& bits);

namespace detail {
template <typename T>
void MergeSortRange(std::vector<T>& list, std::vector<T>& scratch, std::size_t low,
                    std::size_t high) {
    if (high == low) return;
    if (high - low == 1) {
        if (list[high] < list[low]) std::swap(list[low], list[high]);
        return;
    }
    const std::size_t mid = low + (high - low) / 2;
    MergeSortRange(list, scratch, low, mid);
    MergeSortRange(list, scratch, mid + 1, high);
    std::size_t i = low, j = mid + 1, k = low;
    // On a tie the left element goes first, which keeps equal elements in input order.
    while (i <= mid && j <= high) scratch[k++] = list[j] < list[i] ? list[j++] : list[i++];
    while (i <= mid) scratch[k++] = list[i++];
    while (j <= high) scratch[k++] = list[j++];
    for (k = low; k <= high; ++k) list[k] = scratch[k];
}
}  // namespace detail

// Sorts the list ascending in place by the elements' own less-than; stable (equal elements
// keep their input order). Used for short lists of numbers.
template <typename T>
void MergeSortVariants(std::vector<T>& list) {
    if (list.size() < 2) return;
    std::vector<T> scratch(list.size());
    detail::MergeSortRange(list, scratch, 0, list.size() - 1);
}

}  // namespace core
