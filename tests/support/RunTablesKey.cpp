#include "support/RunTablesKey.hpp"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <span>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "core/OptionsSettings.hpp"
#include "core/Units.hpp"

namespace testsupport {

uint64_t RunTablesKey() {
    // Word by word, each word mixed in with a multiply and a shift.
    uint64_t h = 0x9e3779b97f4a7c15ull;
    const auto mix = [&h](uint64_t word) {
        h = (h ^ word) * 0xff51afd7ed558ccdull;
        h ^= h >> 32;
    };
    // The rows 0..last, two floats a word.
    const auto table = [&](std::span<const float> data, std::size_t columns, int32_t last, float dt) {
        mix(static_cast<uint32_t>(last));
        mix(std::bit_cast<uint32_t>(dt));
        const std::size_t rows =
            std::min<std::size_t>(last < 0 ? 0 : static_cast<std::size_t>(last) + 1, data.size() / columns);
        const std::size_t floats = rows * columns;
        for (std::size_t i = 0; i + 1 < floats; i += 2) {
            uint64_t word = 0;
            std::memcpy(&word, &data[i], sizeof word);
            mix(word);
        }
        if (floats % 2 != 0) mix(std::bit_cast<uint32_t>(data[floats - 1]));
    };
    const auto& a = analysis::AccelerationCode();
    const auto& d = analysis::DecelerationCode();
    table(a.AccData, analysis::kAccColumns, a.AccLastStep, a.AccTimeStep);
    table(d.DecData, analysis::kDecColumns, d.DecLastStep, d.DecTimeStep);
    for (std::size_t q = 0; q < core::kQuantityCount; ++q) {
        const core::UnitSlot unit = core::UnitData(core::QuantityAt(q));
        mix(unit.Index);
        mix(std::bit_cast<uint64_t>(unit.Factor));
    }
    return h;
}

}  // namespace testsupport
