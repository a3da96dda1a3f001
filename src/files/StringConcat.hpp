// Builds one long text out of many small pieces. The buffer grows by whole chunks of 200000
// characters, so assembling a run export of many thousand rows costs a handful of
// reallocations instead of one copy of the whole text per appended value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace files {

class StringConcat {
public:
    static constexpr int64_t kChunkSize = 200000;  // characters added per growth step

    // Appends the piece; an empty piece changes nothing.
    void Add(std::string_view s);
    // The text built so far. The object is unchanged; further Add calls continue the text.
    std::string GetStr() const;

    int64_t Capacity() const { return Capacity_; }  // characters allocated
    int64_t Length() const { return Length_; }      // characters in use

private:
    // 64-bit counts: an export of tens of megabytes must not overflow them.
    int64_t Capacity_ = 0;
    int64_t Length_ = 0;
    int64_t ChunkSize_ = kChunkSize;
    std::string Buffer_;  // Capacity_ characters; those beyond Length_ are blanks
};

}  // namespace files
