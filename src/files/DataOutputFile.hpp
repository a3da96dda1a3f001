// The racing simulator's vehicle data output file ("LFS_CI", extension ".bin"): a binary
// description of one car, 896 bytes, little-endian, IEEE single-precision floats, no gaps.
// The program only reads it, for the vehicle data output reader window; it never writes it.
//
// Positions in world co-ordinates are 16.16 fixed point (int32 = value x 65536). The four
// wheel blocks lie in the order rear left, rear right, front left, front right: NOT the
// program's own wheel order (front left, front right, rear left, rear right).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace files {

inline constexpr std::size_t kDataOutputFileSize = 896;
inline constexpr const char* kDataOutputFileId = "LFS_CI";
inline constexpr std::size_t kDataOutputWheelOffset = 384;  // first wheel block
inline constexpr std::size_t kDataOutputWheelSize = 128;

// Drive type byte as the simulator writes it (not the vehicle record's coding).
inline constexpr uint8_t kDataOutputRWD = 1;
inline constexpr uint8_t kDataOutputFWD = 2;
inline constexpr uint8_t kDataOutputAWD = 3;

// Wheel blocks in file order.
enum class DataOutputWheel : uint8_t { RearLeft = 0, RearRight = 1, FrontLeft = 2, FrontRight = 3 };

struct LFSDataOutputWheel {
    uint8_t TyreType = 0;                 // row of the tyre compound table, 0..8
    std::array<uint8_t, 3> Spare1{};
    float Pressure = 0.0f;                // Pa
    float Temperature = 0.0f;             // deg C
    float ToeIn = 0.0f;                   // rad
    std::array<float, 3> ContactPatch{};
    float UnsprungMass = 0.0f;            // kg
    float TyreWidth = 0.0f;               // m
    float TyreProfile = 0.0f;             // aspect ratio, fraction
    float RimRadius = 0.0f;               // m
    float RimWidth = 0.0f;                // m
    float SpringStiffness = 0.0f;         // N/m
    float DampingBump = 0.0f;             // N s/m
    float DampingRebound = 0.0f;          // N s/m
    float AntiRollStiffness = 0.0f;       // N/m
    float Camber = 0.0f;                  // rad
    float Inclination = 0.0f;             // rad
    float Caster = 0.0f;                  // rad
    float ScrubRadius = 0.0f;             // m
    float MomentOfInertia = 0.0f;         // kg m^2
    float SpringDeflection = 0.0f;        // m
    float MotionRange = 0.0f;             // m
    float Spare92 = 0.0f;
    float TyreSpring = 0.0f;              // N/m
    float TyreDeflection = 0.0f;          // m
    std::array<float, 6> Spare104{};
};

struct LFSDataOutputRecord {
    std::string Identifier;               // 6 characters, "LFS_CI" in a valid file
    uint8_t Spare6 = 0;
    uint8_t Version = 0;                  // shown, not checked
    std::string CarName;                  // 4 characters as stored
    uint8_t Passengers = 0;
    std::array<uint8_t, 3> Spare13{};
    std::array<float, 9> BodyMatrix{};    // row by row
    std::array<int32_t, 3> RefPointWorld{};  // 16.16 fixed point, m
    std::array<int32_t, 3> CoGWorld{};       // 16.16 fixed point, m
    std::array<float, 3> CoGLocal{};      // m, car co-ordinates
    std::array<float, 3> FuelTankPos{};
    std::array<float, 7> Spare100{};
    std::array<float, 3> RearWingPos{};
    float RearWingClA = 0.0f, RearWingCdA = 0.0f;      // m^2
    std::array<float, 3> FrontWingPos{};
    float FrontWingClA = 0.0f, FrontWingCdA = 0.0f;
    std::array<float, 3> UndertrayPos{};
    float UndertrayClA = 0.0f, UndertrayCdA = 0.0f;
    std::array<float, 3> BodyPos{};
    float BodyClA = 0.0f, BodyCdA = 0.0f;
    std::array<float, 9> InertiaMatrix{};  // kg m^2, row by row
    std::array<float, 3> Spare244{};
    float PeakTorque = 0.0f;              // N m
    float PeakTorqueSpeed = 0.0f;         // rad/s
    float PeakPower = 0.0f;               // W
    float PeakPowerSpeed = 0.0f;          // rad/s
    float Fuel = 0.0f;                    // litres
    float Mass = 0.0f;                    // kg
    float Wheelbase = 0.0f;               // m
    float WeightDistribution = 0.0f;      // fraction on the front axle
    uint8_t ForwardGears = 0;
    uint8_t DriveType = 0;                // kDataOutputRWD / FWD / AWD
    std::array<uint8_t, 2> Spare290{};
    float TorqueSplit = 0.0f;             // fraction
    float DrivetrainEff = 0.0f;           // fraction
    float Spare300 = 0.0f;
    std::array<float, 8> GearRatios{};    // reverse, then 1st to 7th
    float FinalRatio = 0.0f;
    std::array<float, 3> Spare340{};
    float ParallelSteer = 0.0f;           // fraction
    float BrakeStrength = 0.0f;           // N m
    float BrakeBalance = 0.0f;            // fraction at the front
    std::array<float, 5> Spare364{};
    std::array<LFSDataOutputWheel, 4> Wheels{};  // file order: see DataOutputWheel
};

// The record from the first 896 bytes; nullopt when there are fewer (a truncated file is not
// a valid output file). The identifier is not checked here.
std::optional<LFSDataOutputRecord> ParseDataOutputRecord(std::string_view bytes);

// True when the identifier is exactly "LFS_CI" (case matters).
bool IsDataOutputRecord(const LFSDataOutputRecord& record);

// A 16.16 fixed-point value in metres: value / 65536 in double, narrowed to a Single.
float FixedPointToSingle(int32_t value);

}  // namespace files
