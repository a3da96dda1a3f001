// The process's peak resident memory: a test compares it before and after reading a long file.
#pragma once

#include <sys/resource.h>

#include <cstddef>

namespace testsupport {

inline constexpr std::size_t kMiB = std::size_t{1} << 20;

inline std::size_t PeakResidentBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024;  // reported in KiB
}

}  // namespace testsupport
