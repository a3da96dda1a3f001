// The racing simulator's setup file ("SRSETT", version 2): a fixed 132-byte binary record,
// little-endian, IEEE single-precision floats, no padding. The program keeps no setup record
// of its own: a setup is the state of the main window's setting controls. This unit holds
//  - the record and its byte layout (ParseSetupRecord / SerializeSetupRecord),
//  - SetupControlValues, a plain copy of every setting control the file maps to, and the
//    conversions between it and the record in both directions, with the checks that decide
//    whether a record can be applied at all.
// Reading and writing the window's controls and the files themselves is SetupFileIO.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/LFSCars.hpp"

namespace files {

inline constexpr std::size_t kSetupFileSize = 132;
inline constexpr const char* kSetupFileId = "SRSETT";
inline constexpr uint8_t kSetupFileVersion = 2;
inline constexpr uint8_t kSetupHeaderByteB = 251;  // header byte 7 as written; never checked

// Bits of the flags byte (offset 12).
inline constexpr int kSetupFlagAsymmetric = 0;  // set: left and right tyres set separately
inline constexpr int kSetupFlagTC = 1;          // traction control on
inline constexpr int kSetupFlagABS = 2;         // ABS on
inline constexpr int kSetupFlagAlwaysSet = 7;   // set in every file of this version

// Offsets of the bytes the format leaves unused, in file order. A read keeps what a file holds
// there (LFSSetupRecord::UnusedBytes, same order) so the setup reader window can show it; the
// writer always writes zero.
inline constexpr std::array<std::size_t, 15> kSetupUnusedOffsets{
    9, 13, 30, 72, 73, 74, 75, 79, 82, 112, 113, 114, 115, 119, 122};

// Gear rows as the ratio text boxes number them: 0 reverse, 1..7 the forward gears, 8 final.
inline constexpr std::size_t kSetupGearRows = 9;
inline constexpr int kReverseGear = 0;
inline constexpr int kFinalDrive = 8;

// One axle's block of the file (40 bytes; the rear block lies first, at offset 52).
struct LFSSetupAxle {
    float SpringTravel = 0.0f;     // m: travel, or the simulator car's reference minus travel
    float SpringStiffness = 0.0f;  // N/m
    float BumpDamping = 0.0f;      // N s/m
    float ReboundDamping = 0.0f;   // N s/m
    float ARBStiffness = 0.0f;     // N/m
    uint8_t ToeIn = 0;             // slider position: (byte - 9) / 10 degrees
    uint8_t Caster = 0;            // tenths of a degree
    uint8_t TyreCompound = 0;      // row of the tyre compound table
    uint8_t CamberLeft = 0;        // slider position: (byte - 45) / 10 degrees
    uint8_t CamberRight = 0;
    uint8_t DiffPreLoad = 0;
    uint8_t DiffType = 0;          // index into the differential type names
    uint8_t ViscousSetting = 0;
    uint8_t PowerLocking = 0;      // %
    uint8_t CoastLocking = 0;      // %
    int16_t PressureLeft = 0;      // kPa
    int16_t PressureRight = 0;     // kPa
};

// The whole file. Bytes the format leaves unused are kept as read, for inspection only: they
// are written as zero.
struct LFSSetupRecord {
    std::string Identifier;      // 6 characters, "SRSETT" in a valid file
    uint8_t HeaderA = 0;         // offset 6
    uint8_t HeaderB = 0;         // offset 7
    uint8_t Version = 0;         // offset 8
    uint8_t Flags = 0;           // offset 12, bits kSetupFlag...
    uint8_t HandicapMassPos = 0; // % towards the front
    uint8_t TyreBrand = 0;       // index into the tyre brand names
    float BrakeMaxTorque = 0.0f; // N m
    uint8_t RearWingAngle = 0;   // degrees
    uint8_t FrontWingAngle = 0;  // degrees
    uint8_t HandicapMass = 0;    // kg
    uint8_t IntakeRestriction = 0;  // %
    uint8_t MaxSteerLock = 0;    // degrees
    uint8_t ParallelSteer = 0;   // 100 - Ackermann share in %
    uint8_t BrakeBalance = 0;    // % at the front
    uint8_t EngineBrakeReduction = 0;  // %
    uint8_t CentreDiffType = 0;  // 0 open, 1 viscous (half the differential type index)
    uint8_t CentreViscous = 0;
    uint8_t CentreTorqueSplit = 0;  // % to the front
    // Ratio words in gear-row order (0 reverse, 1..7, 8 final drive); see GearRatioCodec. The
    // reverse word codes the reverse ratio less 0.5.
    std::array<int16_t, kSetupGearRows> GearRatioWords{};
    uint8_t PassengerFlags = 0;  // seat k: bit 2k male, bit 2k+1 female
    uint8_t Config = 0;          // 0 default, 1 open roof
    uint8_t TCSlipRatio = 0;
    uint8_t TCSlipSpeed = 0;     // m/s
    std::array<LFSSetupAxle, 2> Axles{};  // 0 front, 1 rear
    std::array<uint8_t, kSetupUnusedOffsets.size()> UnusedBytes{};  // as read; never written
};

using SetupFileBytes = std::array<uint8_t, kSetupFileSize>;

// The record as the 132 bytes of the file.
SetupFileBytes SerializeSetupRecord(const LFSSetupRecord& record);
// The record from the first 132 bytes; nullopt when there are fewer (a truncated file).
std::optional<LFSSetupRecord> ParseSetupRecord(std::string_view bytes);

// ---- The setting controls the file maps to ----------------------------------------------

// Every value of the main window's setting controls that a setup file holds. Sliders are their
// integer positions; combo boxes their texts; option pairs the selected option.
struct SetupControlValues {
    // Brakes and traction control
    int32_t BrakeBalance = 0;    // Set_BrakeBalance
    int32_t BrakeMaxTorque = 0;  // Set_BrakeMaxTorque
    int ABS = 0;                 // Set_ABS check box value (0 unchecked, 1 checked, 2 grey)
    int TC = 0;                  // Set_TC
    int32_t TCSlipRatio = 0;
    int32_t TCSlipSpeed = 0;
    int32_t EBR = 0;
    // Suspension, 0 front, 1 rear
    std::array<int32_t, 2> SpringTravel{};     // mm
    std::array<int32_t, 2> SpringStiffness{};  // x 100 N/m
    std::array<int32_t, 2> BumpDamp{};         // x 100 N s/m
    std::array<int32_t, 2> ReboundDamp{};      // x 100 N s/m
    std::array<int32_t, 2> ARBStiffness{};     // x 100 N/m
    // Steering
    std::array<int32_t, 2> SteerToe{};
    std::array<int32_t, 2> SteerCaster{};
    int32_t SteerAckermann = 0;
    int32_t SteerLock = 0;
    int MiscConfig = 0;  // selected Set_MiscConfig option: 0 "Default", 1 "Open roof", -1 none
    std::array<std::string, 4> Passengers;  // Set_Pass(0..3) texts
    // Gearing: texts of Set_GearRatioText(0..8). When ReverseSlider holds a value (the
    // simulator car's fixed reverse ratio x 1000), the reverse slider is set instead of the
    // reverse text.
    std::array<std::string, kSetupGearRows> GearRatioText;
    std::optional<int32_t> ReverseSlider;
    std::array<std::string, 3> DiffType;  // Set_GearingDiffType: 0 front, 1 rear, 2 centre
    std::array<int32_t, 2> DiffPowerLocking{};
    std::array<int32_t, 2> DiffCoastLocking{};
    std::array<int32_t, 2> DiffPreLoad{};
    std::array<int32_t, 3> ViscousTorque{};  // 0 front, 1 rear, 2 centre
    int32_t TorqueSplitCentre = 0;
    // Tyres
    std::array<std::string, 2> TyreCompound;  // Set_TyreCompound(0) front, (2) rear
    bool Symmetric = false;                   // Set_Asym(1) "Symmetric" selected
    std::array<int32_t, 4> TyrePressure{};    // wheel order FL, FR, RL, RR
    std::array<int32_t, 4> TyreCamber{};
    std::string TyreBrand;
    // Downforce and handicaps
    std::array<int32_t, 2> WingAngle{};  // 0 front, 1 rear
    int32_t HandicapIntake = 0;
    int32_t HandicapMass = 0;
    int32_t HandicapMassPos = 0;

    bool operator==(const SetupControlValues&) const = default;
};

// The vehicle a setup is written for or read into.
struct SetupVehicleContext {
    // The vehicle is one of the simulator's cars (its padded name equals a car row's name):
    // the spring travel fields are then stored relative to the car's travel references.
    bool HasLFSCar = false;
    core::LFSCarRecord Car;  // that car's row, when HasLFSCar
    // Compatibility mode: when reading for a simulator car, a fixed caster and the fixed
    // reverse ratio of the car replace the file's values.
    bool LFSMode = true;
    // Writing: gear rows the vehicle uses. Their ratios must be storable; a row it does not
    // use (hidden, possibly empty) is stored as the nearest ratio the file can hold.
    std::array<bool, kSetupGearRows> GearInUse{};
};

// Inclusive slider range.
struct SetupSliderRange {
    int32_t Min = 0;
    int32_t Max = 0;
    bool Holds(double v) const { return v >= Min && v <= Max; }
};

// The ranges a value read from a file must lie in.
struct SetupSliderRanges {
    SetupSliderRange BrakeMaxTorque, BrakeBalance, EBR, TCSlipRatio, TCSlipSpeed;
    SetupSliderRange SpringTravel, SpringStiffness, BumpDamp, ReboundDamp, ARBStiffness;
    SetupSliderRange SteerToe, SteerCasterFront, SteerCasterRear, SteerAckermann, SteerLock;
    SetupSliderRange TyrePressureFront, TyrePressureRear, TyreCamber;
    SetupSliderRange WingAngleFront, WingAngleRear, HandicapIntake, HandicapMass,
        HandicapMassPos;
    SetupSliderRange DiffLocking, ViscousTorque, DiffPreLoad, TorqueSplitCentre;
};

// A ratio the word codec can store: forward ratios 0.5 to 7.5, the reverse ratio 1.0 to 8.0.
bool SetupRatioStorable(int gearRow, double ratio);

// Result of building a record from the controls.
struct SetupWriteResult {
    bool ok = false;
    int badGearRow = -1;      // a gear row in use whose ratio cannot be stored
    double badRatio = 0.0;    // its ratio as read from the text
};

// Fills `record` (a fresh, zero-filled record with the header of this version) from the
// control values. Refuses, leaving `record` untouched, when a gear row in use holds a ratio
// the file cannot store.
SetupWriteResult RecordFromControls(const SetupControlValues& values,
                                    const SetupVehicleContext& vehicle, LFSSetupRecord& record);

// Result of turning a record into control values.
struct SetupReadResult {
    bool ok = false;
    // The first field refused, as a person names it ("front spring travel"), its value as the
    // setting means it, unit included ("450 mm"), and what the field may hold ("0 to 400 mm").
    std::string invalidField;
    std::string invalidValue;
    std::string allowedValues;
};

// The control values a record gives for the vehicle. The whole record is checked first: the
// differential type bytes (front, rear), the centre differential byte (0 "Open" or 1
// "Viscous", the only types the format holds there) and the config byte must name an entry,
// every slider value must lie in its range and every float must be a finite number. On a
// refusal `values` is left untouched. A tyre brand or compound byte past its table reads as
// entry 0. Identifier and version are not checked here.
SetupReadResult ControlsFromRecord(const LFSSetupRecord& record,
                                   const SetupVehicleContext& vehicle,
                                   const SetupSliderRanges& ranges, SetupControlValues& values);

// The refusal as one line for the user: "Front spring travel: 450 mm (allowed: 0 to 400 mm)";
// "" for a record that was accepted.
std::string InvalidFieldText(const SetupReadResult& result);

}  // namespace files
