#include "files/SetupFile.hpp"

#include <bit>

namespace files {
namespace {

// File offsets of the fields (all others are unused and written as zero).
constexpr std::size_t kOffIdentifier = 0;
constexpr std::size_t kIdentifierLength = 6;
constexpr std::size_t kOffHeaderA = 6;
constexpr std::size_t kOffHeaderB = 7;
constexpr std::size_t kOffVersion = 8;
constexpr std::size_t kOffReverseWord = 10;
constexpr std::size_t kOffFlags = 12;
constexpr std::size_t kOffHandicapMassPos = 14;
constexpr std::size_t kOffTyreBrand = 15;
constexpr std::size_t kOffBrakeMaxTorque = 16;
constexpr std::size_t kOffRearWing = 20;
constexpr std::size_t kOffFrontWing = 21;
constexpr std::size_t kOffHandicapMass = 22;
constexpr std::size_t kOffIntake = 23;
constexpr std::size_t kOffSteerLock = 24;
constexpr std::size_t kOffParallelSteer = 25;
constexpr std::size_t kOffBrakeBalance = 26;
constexpr std::size_t kOffEBR = 27;
constexpr std::size_t kOffCentreDiffType = 28;
constexpr std::size_t kOffCentreViscous = 29;
constexpr std::size_t kOffCentreSplit = 31;
// Words of gear rows 1..8 (the reverse word lies at kOffReverseWord): 7th gear and the final
// drive come before 1st to 6th.
constexpr std::array<std::size_t, kSetupGearRows> kOffGearWord{
    kOffReverseWord, 36, 38, 40, 42, 44, 46, 32, 34};
constexpr std::size_t kOffPassengers = 48;
constexpr std::size_t kOffConfig = 49;
constexpr std::size_t kOffTCSlipRatio = 50;
constexpr std::size_t kOffTCSlipSpeed = 51;
constexpr std::array<std::size_t, 2> kOffAxle{92, 52};  // front block, rear block

// Offsets within an axle block.
constexpr std::size_t kAxTravel = 0;
constexpr std::size_t kAxSpring = 4;
constexpr std::size_t kAxBump = 8;
constexpr std::size_t kAxRebound = 12;
constexpr std::size_t kAxARB = 16;
constexpr std::size_t kAxToe = 24;
constexpr std::size_t kAxCaster = 25;
constexpr std::size_t kAxCompound = 26;
constexpr std::size_t kAxCamberLeft = 28;
constexpr std::size_t kAxCamberRight = 29;
constexpr std::size_t kAxPreLoad = 31;
constexpr std::size_t kAxDiffType = 32;
constexpr std::size_t kAxViscous = 33;
constexpr std::size_t kAxPowerLock = 34;
constexpr std::size_t kAxCoastLock = 35;
constexpr std::size_t kAxPressureLeft = 36;
constexpr std::size_t kAxPressureRight = 38;

// Little-endian stores and loads at fixed offsets; at() turns a layout mistake into an
// exception instead of a write past the record.
class Writer {
public:
    explicit Writer(SetupFileBytes& b) : b_(b) {}
    void U8(std::size_t off, uint8_t v) { b_.at(off) = v; }
    void I16(std::size_t off, int16_t v) { Put(off, static_cast<uint16_t>(v), 2); }
    void F32(std::size_t off, float v) { Put(off, std::bit_cast<uint32_t>(v), 4); }

private:
    void Put(std::size_t off, uint32_t v, int width) {
        for (int i = 0; i < width; ++i) U8(off + i, static_cast<uint8_t>(v >> (8 * i)));
    }
    SetupFileBytes& b_;
};

class Reader {
public:
    explicit Reader(std::string_view b) : b_(b) {}
    uint8_t U8(std::size_t off) const { return static_cast<uint8_t>(b_.at(off)); }
    int16_t I16(std::size_t off) const {
        return static_cast<int16_t>(static_cast<uint16_t>(Get(off, 2)));
    }
    float F32(std::size_t off) const { return std::bit_cast<float>(Get(off, 4)); }

private:
    uint32_t Get(std::size_t off, int width) const {
        uint32_t v = 0;
        for (int i = 0; i < width; ++i) v |= static_cast<uint32_t>(U8(off + i)) << (8 * i);
        return v;
    }
    std::string_view b_;
};

}  // namespace

SetupFileBytes SerializeSetupRecord(const LFSSetupRecord& r) {
    SetupFileBytes bytes{};
    Writer w(bytes);
    for (std::size_t i = 0; i < kIdentifierLength; ++i)
        w.U8(kOffIdentifier + i,
             i < r.Identifier.size() ? static_cast<uint8_t>(r.Identifier[i]) : uint8_t{' '});
    w.U8(kOffHeaderA, r.HeaderA);
    w.U8(kOffHeaderB, r.HeaderB);
    w.U8(kOffVersion, r.Version);
    w.U8(kOffFlags, r.Flags);
    w.U8(kOffHandicapMassPos, r.HandicapMassPos);
    w.U8(kOffTyreBrand, r.TyreBrand);
    w.F32(kOffBrakeMaxTorque, r.BrakeMaxTorque);
    w.U8(kOffRearWing, r.RearWingAngle);
    w.U8(kOffFrontWing, r.FrontWingAngle);
    w.U8(kOffHandicapMass, r.HandicapMass);
    w.U8(kOffIntake, r.IntakeRestriction);
    w.U8(kOffSteerLock, r.MaxSteerLock);
    w.U8(kOffParallelSteer, r.ParallelSteer);
    w.U8(kOffBrakeBalance, r.BrakeBalance);
    w.U8(kOffEBR, r.EngineBrakeReduction);
    w.U8(kOffCentreDiffType, r.CentreDiffType);
    w.U8(kOffCentreViscous, r.CentreViscous);
    w.U8(kOffCentreSplit, r.CentreTorqueSplit);
    for (std::size_t g = 0; g < kSetupGearRows; ++g) w.I16(kOffGearWord[g], r.GearRatioWords[g]);
    w.U8(kOffPassengers, r.PassengerFlags);
    w.U8(kOffConfig, r.Config);
    w.U8(kOffTCSlipRatio, r.TCSlipRatio);
    w.U8(kOffTCSlipSpeed, r.TCSlipSpeed);
    for (std::size_t a = 0; a < 2; ++a) {
        const std::size_t o = kOffAxle[a];
        const LFSSetupAxle& x = r.Axles[a];
        w.F32(o + kAxTravel, x.SpringTravel);
        w.F32(o + kAxSpring, x.SpringStiffness);
        w.F32(o + kAxBump, x.BumpDamping);
        w.F32(o + kAxRebound, x.ReboundDamping);
        w.F32(o + kAxARB, x.ARBStiffness);
        w.U8(o + kAxToe, x.ToeIn);
        w.U8(o + kAxCaster, x.Caster);
        w.U8(o + kAxCompound, x.TyreCompound);
        w.U8(o + kAxCamberLeft, x.CamberLeft);
        w.U8(o + kAxCamberRight, x.CamberRight);
        w.U8(o + kAxPreLoad, x.DiffPreLoad);
        w.U8(o + kAxDiffType, x.DiffType);
        w.U8(o + kAxViscous, x.ViscousSetting);
        w.U8(o + kAxPowerLock, x.PowerLocking);
        w.U8(o + kAxCoastLock, x.CoastLocking);
        w.I16(o + kAxPressureLeft, x.PressureLeft);
        w.I16(o + kAxPressureRight, x.PressureRight);
    }
    return bytes;
}

std::optional<LFSSetupRecord> ParseSetupRecord(std::string_view bytes) {
    if (bytes.size() < kSetupFileSize) return std::nullopt;
    const Reader in(bytes.substr(0, kSetupFileSize));
    LFSSetupRecord r;
    r.Identifier.assign(bytes.substr(kOffIdentifier, kIdentifierLength));
    r.HeaderA = in.U8(kOffHeaderA);
    r.HeaderB = in.U8(kOffHeaderB);
    r.Version = in.U8(kOffVersion);
    r.Flags = in.U8(kOffFlags);
    r.HandicapMassPos = in.U8(kOffHandicapMassPos);
    r.TyreBrand = in.U8(kOffTyreBrand);
    r.BrakeMaxTorque = in.F32(kOffBrakeMaxTorque);
    r.RearWingAngle = in.U8(kOffRearWing);
    r.FrontWingAngle = in.U8(kOffFrontWing);
    r.HandicapMass = in.U8(kOffHandicapMass);
    r.IntakeRestriction = in.U8(kOffIntake);
    r.MaxSteerLock = in.U8(kOffSteerLock);
    r.ParallelSteer = in.U8(kOffParallelSteer);
    r.BrakeBalance = in.U8(kOffBrakeBalance);
    r.EngineBrakeReduction = in.U8(kOffEBR);
    r.CentreDiffType = in.U8(kOffCentreDiffType);
    r.CentreViscous = in.U8(kOffCentreViscous);
    r.CentreTorqueSplit = in.U8(kOffCentreSplit);
    for (std::size_t g = 0; g < kSetupGearRows; ++g) r.GearRatioWords[g] = in.I16(kOffGearWord[g]);
    r.PassengerFlags = in.U8(kOffPassengers);
    r.Config = in.U8(kOffConfig);
    r.TCSlipRatio = in.U8(kOffTCSlipRatio);
    r.TCSlipSpeed = in.U8(kOffTCSlipSpeed);
    for (std::size_t a = 0; a < 2; ++a) {
        const std::size_t o = kOffAxle[a];
        LFSSetupAxle& x = r.Axles[a];
        x.SpringTravel = in.F32(o + kAxTravel);
        x.SpringStiffness = in.F32(o + kAxSpring);
        x.BumpDamping = in.F32(o + kAxBump);
        x.ReboundDamping = in.F32(o + kAxRebound);
        x.ARBStiffness = in.F32(o + kAxARB);
        x.ToeIn = in.U8(o + kAxToe);
        x.Caster = in.U8(o + kAxCaster);
        x.TyreCompound = in.U8(o + kAxCompound);
        x.CamberLeft = in.U8(o + kAxCamberLeft);
        x.CamberRight = in.U8(o + kAxCamberRight);
        x.DiffPreLoad = in.U8(o + kAxPreLoad);
        x.DiffType = in.U8(o + kAxDiffType);
        x.ViscousSetting = in.U8(o + kAxViscous);
        x.PowerLocking = in.U8(o + kAxPowerLock);
        x.CoastLocking = in.U8(o + kAxCoastLock);
        x.PressureLeft = in.I16(o + kAxPressureLeft);
        x.PressureRight = in.I16(o + kAxPressureRight);
    }
    for (std::size_t k = 0; k < kSetupUnusedOffsets.size(); ++k)
        r.UnusedBytes[k] = in.U8(kSetupUnusedOffsets[k]);
    return r;
}

}  // namespace files
