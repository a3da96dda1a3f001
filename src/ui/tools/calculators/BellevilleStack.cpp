#include "ui/tools/calculators/BellevilleStack.hpp"

namespace tools {

namespace {

void Record(const std::vector<int>& groups, std::vector<BellevilleStackConfig>& out) {
    BellevilleStackConfig c;
    c.Number = static_cast<int>(out.size()) + 1;
    c.Multiplier = StackMultiplier(groups);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const char face = g % 2 == 0 ? '>' : '<';
        c.Visual.append(static_cast<std::size_t>(groups[g]), face);
        if (g != 0) c.Config += '-';
        c.Config += std::to_string(groups[g]);
    }
    out.push_back(std::move(c));
}

// Appends the partitions of `left` discs into parts of at most `largest`, largest first part
// first, each after the groups already chosen.
void Partitions(int left, int largest, std::vector<int>& groups,
                std::vector<BellevilleStackConfig>& out) {
    if (left == 0) {
        Record(groups, out);
        return;
    }
    for (int part = largest < left ? largest : left; part >= 1; --part) {
        groups.push_back(part);
        Partitions(left - part, part, groups, out);
        groups.pop_back();
    }
}

}  // namespace

float StackMultiplier(const std::vector<int>& groups) {
    float sum = 0.0f;
    for (int g : groups) sum += 1.0f / static_cast<float>(g);
    return 1.0f / sum;
}

std::vector<BellevilleStackConfig> BuildBellevilleStackConfigs(int discs) {
    std::vector<BellevilleStackConfig> out;
    if (discs < 1) return out;
    std::vector<int> groups;
    groups.reserve(static_cast<std::size_t>(discs));
    Partitions(discs, discs, groups, out);
    return out;
}

float StackStiffness(float multiplier, double typedUnitStiffness, double displayFactor) {
    if (displayFactor == 0.0) return 0.0f;
    return static_cast<float>(static_cast<double>(multiplier) * typedUnitStiffness /
                              displayFactor);
}

}  // namespace tools
