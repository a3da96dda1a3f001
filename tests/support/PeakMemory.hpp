// The process's peak resident memory, to show that reading a long file's record does not take
// memory for the whole file. The peak only grows, so a test compares it before and after.
#pragma once

#include <sys/resource.h>

#include <cstddef>

namespace testsupport {

inline constexpr std::size_t kMiB = std::size_t{1} << 20;

// The highest resident memory of this process so far, in bytes.
inline std::size_t PeakResidentBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024;  // reported in KiB
}

}  // namespace testsupport
