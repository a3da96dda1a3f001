// Differentials of module GearingCode: the settings of the front, rear and centre
// differentials turned into the locking parameters the runs use (GearingCode().DiffParams,
// AxleTorqueShare, CentreShareMin/Max, CentreDiffRatio), and the captions that show them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Caption.hpp"

namespace vehicle {

// Locking of a "Locked" differential, and the preload (N m) it is given.
inline constexpr float kLockedLocking = 0.9999f;
inline constexpr float kLockedPreLoad = 1000000.0f;
// Centre bias ratio stored when one axle gets no torque through an open centre differential
// (split at 0 % or 100 %): the true ratio has no finite value; it is shown as "Infinite".
inline constexpr float kInfiniteBiasRatio = 1.0e6f;

// What SetDiffParams and the captions read from the Settings page.
struct DiffInputs {
    std::array<std::string, 3> DiffType;    // Set_GearingDiffType(i).Text: 0 front, 1 rear, 2 centre
    std::array<int32_t, 2> PowerLocking{};  // Set_GearingDiffPowerLocking(i).Value, %
    std::array<int32_t, 2> CoastLocking{};  // Set_GearingDiffCoastLocking(i).Value, %
    std::array<int32_t, 2> PreLoad{};       // Set_GearingDiffPreLoad(i).Value, units of 10 N m
    std::array<int32_t, 3> ViscousTorque{}; // Set_GearingViscousTorque(i).Value, N m s/rad
};

// A differential's type is its selector text compared exactly with
// core::TextTable().DiffTypeNames ("Open", "Locked", "Viscous", "Clutch pack"); the captions
// use SplitTypeNames ("Variable", "Infinite") in place of numbers.

// Fills DiffParams (front, rear), AxleTorqueShare, CentreShareMin/Max and CentreDiffRatio from
// the settings, the drive type of the current vehicle and GearingCode().FrontTorqueShare.
// A type text that is none of the type names keeps that differential's locking and preload.
// (The caller then shows the captions.)
void SetDiffParams(const DiffInputs& inputs);

// The captions of the differential settings, in writing order, from the stored parameters and
// the type texts: viscous torques, preloads (torque unit) (Set_GearingLabel), the front (GearingLabel 37..42),
// rear (26..31) and centre (48..52) shares and bias ratios. Captions a type leaves unchanged
// are not in the list.
std::vector<core::Caption> DiffSettingsCaptions(const DiffInputs& inputs);

}  // namespace vehicle
