// A key for what both run exports are made of: the acceleration and deceleration tables (their
// last steps, step lengths and rows) and the display units, hashed. Equal keys give equal
// exports, so a test need not build the same export twice.
#pragma once

#include <cstdint>

namespace testsupport {

uint64_t RunTablesKey();

}  // namespace testsupport
