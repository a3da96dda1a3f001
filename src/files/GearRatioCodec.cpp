#include "files/GearRatioCodec.hpp"

#include "core/GlobalShared.hpp"

namespace files {

float LfsWordToRatio(int16_t word) {
    const int32_t u = word < 0 ? word + 65536 : word;
    const auto x = static_cast<float>(u / kRatioWordScale + kRatioWordOffset);
    return core::RoundToDecimals(x, 3);
}

float LfsWordToReverseRatio(int16_t word) { return LfsWordToRatio(word) + 0.5f; }

int16_t LfsRatioToWord(float ratio) {
    double y = (static_cast<double>(ratio) - kRatioWordOffset) * kRatioWordScale;
    if (!(y >= 0.0)) y = 0.0;  // below 0.5, or not a number
    if (y > 65535.0) y = 65535.0;
    if (y <= 32767.0) return static_cast<int16_t>(core::RoundToDecimals(static_cast<float>(y), 0));

    // Ratios above 4.0: words above 32767, rounded as their signed 16-bit equivalent (halves
    // away from zero there, as setup files have always been written).
    const float r = core::RoundToDecimals(static_cast<float>(y - 65536.0), 0);
    // Just above 4.0 the signed value rounds to -32769, which stands for word 32767.
    if (r < -32768.0f) return 32767;
    return static_cast<int16_t>(r);
}

}  // namespace files
