// Kept for the window tests that still include it: the acceleration tests' hatchback is now the
// sample car. New tests use support/SampleVehicles.hpp.
#pragma once

#include "support/SampleVehicles.hpp"

namespace acc_test {

using sample::ResetAll;

inline vehicle::VehicleRecord Hatchback() { return sample::SampleCar(); }
inline void Prepare(const vehicle::VehicleRecord& v) { sample::Prepare(v); }

}  // namespace acc_test
