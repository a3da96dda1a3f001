// Builds a binary file byte by byte at fixed offsets, little-endian, for tests that check a
// reader against the published layout rather than against the program's own writer.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace bytetest {

class Bytes {
public:
    explicit Bytes(std::size_t size) : b_(size, '\0') {}
    Bytes& U8(std::size_t off, uint8_t v) {
        b_.at(off) = static_cast<char>(v);
        return *this;
    }
    Bytes& U16(std::size_t off, uint16_t v) { return Put(off, v, 2); }
    Bytes& I32(std::size_t off, int32_t v) { return Put(off, static_cast<uint32_t>(v), 4); }
    Bytes& F32(std::size_t off, float v) { return Put(off, std::bit_cast<uint32_t>(v), 4); }
    Bytes& Text(std::size_t off, std::string_view s) {
        for (std::size_t i = 0; i < s.size(); ++i) U8(off + i, static_cast<uint8_t>(s[i]));
        return *this;
    }
    const std::string& Str() const { return b_; }
    std::string Prefix(std::size_t n) const { return b_.substr(0, n); }

private:
    Bytes& Put(std::size_t off, uint32_t v, int width) {
        for (int i = 0; i < width; ++i) U8(off + i, static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::string b_;
};

}  // namespace bytetest
