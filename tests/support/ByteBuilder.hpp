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

// A setup file ("SRSETT", version 2) whose every field holds a distinct value, written from the
// published offsets: flags TC and ABS on, symmetric; rear block at 52, front block at 92.
inline Bytes HandBuiltSetup() {
    Bytes b(132);
    b.Text(0, "SRSETT").U8(6, 11).U8(7, 251).U8(8, 2).U8(9, 12);
    b.U16(10, 0xFFFE);  // the reverse ratio word: 7.5 + 0.5, reverse 8
    b.U8(12, 0x86);     // bits 1, 2, 7: TC, ABS, always set; bit 0 clear: symmetric
    b.U8(13, 13).U8(14, 45).U8(15, 3).F32(16, 2450.5f);
    b.U8(20, 12).U8(21, 7).U8(22, 30).U8(23, 15).U8(24, 36).U8(25, 20).U8(26, 68).U8(27, 40);
    b.U8(28, 1).U8(29, 60).U8(30, 31).U8(31, 55);
    b.U16(32, 65535).U16(34, 0).U16(36, 9362).U16(38, 18724).U16(40, 28086);
    b.U16(42, 37448).U16(44, 46810).U16(46, 56172);
    b.U8(48, 5).U8(49, 1).U8(50, 25).U8(51, 8);
    // Rear block at 52, front block at 92.
    b.F32(52, 0.125f).F32(56, 75000.0f).F32(60, 3500.0f).F32(64, 7250.0f).F32(68, 42000.0f);
    b.U8(72, 72).U8(73, 73).U8(74, 74).U8(75, 75);
    b.U8(76, 0).U8(77, 3).U8(78, 4).U8(79, 79).U8(80, 35).U8(81, 45).U8(82, 82);
    b.U8(83, 255).U8(84, 3).U8(85, 20).U8(86, 65).U8(87, 35);
    b.U16(88, 65535).U16(90, 180);
    b.F32(92, 0.25f).F32(96, 60000.0f).F32(100, 2500.0f).F32(104, 5000.0f).F32(108, 0.0f);
    b.U8(112, 112).U8(113, 113).U8(114, 114).U8(115, 115);
    b.U8(116, 9).U8(117, 62).U8(118, 8).U8(119, 119).U8(120, 50).U8(121, 40).U8(122, 122);
    b.U8(123, 4).U8(124, 0).U8(125, 0).U8(126, 100).U8(127, 0);
    b.U16(128, 200).U16(130, 210);
    return b;
}

}  // namespace bytetest
