// The simulator car table: the 21 car models of the racing simulator LFS, with the facts the
// setup page, the setup files and a few analyses need (spring travel references, reverse
// ratio, which setup controls exist, fixed caster, steering lock, differential and tyre
// compound choices). Built once at start-up by InitLFSCars and never changed.
//
// A vehicle is one of these cars when its 32-character blank-padded name equals the row's Name
// exactly (case matters, "XR GT" is not "XR GT Turbo").
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Numbers.hpp"

namespace core {

inline constexpr std::size_t kLFSCarCount = 21;
inline constexpr std::size_t kLFSCarNameLength = 32;

struct LFSCarRecord {
    std::string Name;                 // 32 characters, blank-padded
    std::string Code;                 // 3 characters: prefix of the car's setup file names
    float TravelReference[2] = {};    // m, 0 front axle, 1 rear: setup file value = this - travel
    float ReverseRatio = 0.0f;        // reverse gear ratio in compatibility mode
    VbBool HasConfig = VbFalse;       // configuration frame shown
    VbBool HasABS = VbFalse;
    VbBool HasThrottleSettings = VbFalse;
    VbBool HasTractionControl = VbFalse;
    VbBool SimplifiedDampers = VbFalse;
    VbBool HasAntiRollBar[2] = {};    // 0 front, 1 rear
    VbBool CasterAdjustable = VbFalse;
    uint8_t FixedCaster = 0;          // tenths of a degree, when the caster is not adjustable
    uint8_t MaxSteerLock = 0;         // degrees
    VbBool DiffTypeSelectable = VbFalse;  // false: only "Open"
    VbBool SimplifiedDiffs = VbFalse;
    // Compound k of the tyre compound table is offered when bit (7 - k) is set.
    uint8_t TyreCompoundMask = 0;
};

struct LFSCarsState {
    std::array<LFSCarRecord, kLFSCarCount> LFSCars;
};

LFSCarsState& LFSCarTable();

// Fills the 21 rows.
void InitLFSCars();

// Row whose Name equals the vehicle name padded to 32 characters (first match from row 0), or
// -1 when the vehicle is not a simulator car.
int FindLFSCarByName(std::string_view vehicleName);
// Row whose Code (trailing blanks removed) equals the code exactly, or -1.
int FindLFSCarByCode(std::string_view code);

// The reverse ratio the gearing uses for a simulator car with a reverse gear: the listed ratio,
// or 1.0 for a car listed without one (0) or with an unusable figure. Every display of the
// reverse ratio shows this figure.
float LFSCarReverseRatio(const LFSCarRecord& car);

// True when the row offers tyre compound k (0 "Slick R1" ... 7 "Knobbly"; never 8).
bool LFSCarOffersCompound(const LFSCarRecord& car, int compound);

}  // namespace core
