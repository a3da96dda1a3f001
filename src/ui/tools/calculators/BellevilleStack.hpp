// Arrangements of a stack of identical disc (Belleville) springs. Discs facing the same way
// nest and act in parallel (stiffnesses add); groups facing alternately act in series
// (compliances add). An arrangement is a sequence of group sizes; its stiffness multiplier is
// 1 / (sum over the groups of 1 / group size).
#pragma once

#include <string>
#include <vector>

namespace tools {

inline constexpr int kMaxStackDiscs = 15;

struct BellevilleStackConfig {
    int Number = 0;           // 1-based position in the list
    float Multiplier = 0.0f;  // stack stiffness over one disc's
    std::string Visual;       // ">" per disc of the 1st, 3rd, ... group, "<" for the others
    std::string Config;       // group sizes joined by "-": "3-2-1"
};

// Every partition of `discs` into non-increasing group sizes, in descending lexicographic
// order, first part first (5, 4-1, 3-2, 3-1-1, 2-2-1, 2-1-1-1, 1-1-1-1-1). The first is always
// the single group. Fewer than 1 disc gives an empty list.
std::vector<BellevilleStackConfig> BuildBellevilleStackConfigs(int discs);

// 1 / (sum of 1 / size), the sum kept in single precision as it grows.
float StackMultiplier(const std::vector<int>& groups);

// Stack stiffness (N/m) of an arrangement for one disc's stiffness typed in display units:
// multiplier x typed / display factor.
float StackStiffness(float multiplier, double typedUnitStiffness, double displayFactor);

}  // namespace tools
