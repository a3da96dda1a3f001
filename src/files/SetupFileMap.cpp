// Conversions between the setup file record and the setting controls' values.
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/TextTable.hpp"
#include "files/GearRatioCodec.hpp"
#include "files/SetupFile.hpp"
#include "vehicle/TyreCode.hpp"

namespace files {
namespace {

constexpr float kMmPerMetre = 1000.0f;
constexpr int32_t kRateScale = 100;  // spring, damper and bar sliders count units of 100
constexpr int32_t kAckermannFull = 100;  // parallel steer byte = 100 - Ackermann %
constexpr float kRatioSliderScale = 1000.0f;  // gear ratio slider = ratio x 1000

// Index of the text in the table, from the first entry; -1 when no entry matches.
template <std::size_t N>
int IndexOf(const std::array<std::string, N>& table, const std::string& text) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == text) return static_cast<int>(i);
    return -1;
}

int CompoundIndex(const std::string& name) {
    const auto& rows = vehicle::TyreCode().TyreCompounds;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Name == name) return static_cast<int>(i);
    return -1;
}

uint8_t LowByte(int32_t v) { return static_cast<uint8_t>(v & 0xFF); }
int16_t LowWord(int32_t v) { return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF)); }

// Checks a record field by field, remembering the first one that fails.
class FieldCheck {
public:
    // A whole-number slider position, given directly by a byte or Integer of the file.
    void Position(const char* field, int32_t value, const SetupSliderRange& range) {
        if (!range.Holds(value)) Fail(field);
    }
    // A position computed from a stored float: finite, a whole number after rounding, in range.
    int32_t Rounded(const char* field, float value, const SetupSliderRange& range) {
        if (!std::isfinite(value)) {
            Fail(field);
            return 0;
        }
        const auto c = core::CLngChecked(value);
        if (!c.inRange || !range.Holds(c.value)) Fail(field);
        return c.value;
    }
    void Require(const char* field, bool ok) {
        if (!ok) Fail(field);
    }
    bool Ok() const { return first_.empty(); }
    const std::string& First() const { return first_; }

private:
    void Fail(const char* field) {
        if (first_.empty()) first_ = field;
    }
    std::string first_;
};

}  // namespace

bool SetupRatioStorable(int gearRow, double ratio) {
    // The reverse word codes the ratio less 0.5.
    const double coded = gearRow == kReverseGear ? ratio - 0.5 : ratio;
    const double word = (coded - kRatioWordOffset) * kRatioWordScale;
    return std::isfinite(word) && word >= -0.5 && word < 65535.5;
}

SetupWriteResult RecordFromControls(const SetupControlValues& v,
                                    const SetupVehicleContext& vehicle,
                                    LFSSetupRecord& record) {
    SetupWriteResult result;
    std::array<double, kSetupGearRows> ratios{};
    for (std::size_t g = 0; g < kSetupGearRows; ++g) {
        ratios[g] = core::Val(v.GearRatioText[g]);
        if (vehicle.GearInUse[g] && !SetupRatioStorable(static_cast<int>(g), ratios[g])) {
            result.badGearRow = static_cast<int>(g);
            result.badRatio = ratios[g];
            return result;
        }
    }

    const auto& texts = core::TextTable();
    LFSSetupRecord r;
    r.Identifier = kSetupFileId;
    r.HeaderA = 0;
    r.HeaderB = kSetupHeaderByteB;
    r.Version = kSetupFileVersion;

    r.BrakeBalance = LowByte(v.BrakeBalance);
    r.BrakeMaxTorque = static_cast<float>(v.BrakeMaxTorque);
    core::FlagBits flags{};
    flags[kSetupFlagAlwaysSet] = core::VbTrue;
    flags[kSetupFlagABS] = core::ToVbBool(v.ABS != 0);
    flags[kSetupFlagTC] = core::ToVbBool(v.TC != 0);
    flags[kSetupFlagAsymmetric] = core::ToVbBool(!v.Symmetric);
    r.Flags = core::BitsToByte(flags);
    r.TyreBrand = LowByte(std::max(0, IndexOf(texts.TyreBrands, v.TyreBrand)));
    r.TCSlipRatio = LowByte(v.TCSlipRatio);
    r.TCSlipSpeed = LowByte(v.TCSlipSpeed);
    r.EngineBrakeReduction = LowByte(v.EBR);

    for (std::size_t a = 0; a < 2; ++a) {
        LFSSetupAxle& x = r.Axles[a];
        const float travel = static_cast<float>(v.SpringTravel[a]) / kMmPerMetre;  // m
        x.SpringTravel = vehicle.HasLFSCar ? vehicle.Car.TravelReference[a] - travel : travel;
        x.SpringStiffness = static_cast<float>(v.SpringStiffness[a] * kRateScale);
        x.BumpDamping = static_cast<float>(v.BumpDamp[a] * kRateScale);
        x.ReboundDamping = static_cast<float>(v.ReboundDamp[a] * kRateScale);
        x.ARBStiffness = static_cast<float>(v.ARBStiffness[a] * kRateScale);
        x.ToeIn = LowByte(v.SteerToe[a]);
        x.Caster = LowByte(v.SteerCaster[a]);
    }
    r.ParallelSteer = LowByte(kAckermannFull - v.SteerAckermann);
    r.MaxSteerLock = LowByte(v.SteerLock);
    r.Config = v.MiscConfig == 1 ? 1 : 0;

    const auto& occupants = texts.OccupantTypeNames;  // 0 none, 1 male, 2 female
    core::FlagBits seats{};
    for (int k = 3; k >= 0; --k) {
        seats[2 * k] = core::ToVbBool(v.Passengers[k] == occupants[1]);
        seats[2 * k + 1] = core::ToVbBool(v.Passengers[k] == occupants[2]);
    }
    r.PassengerFlags = core::BitsToByte(seats);
    r.IntakeRestriction = LowByte(v.HandicapIntake);
    r.HandicapMass = LowByte(v.HandicapMass);
    r.HandicapMassPos = LowByte(v.HandicapMassPos);

    r.GearRatioWords[kReverseGear] = LfsRatioToWord(static_cast<float>(ratios[0] - 0.5));
    for (std::size_t g = 1; g < kSetupGearRows; ++g)
        r.GearRatioWords[g] = LfsRatioToWord(static_cast<float>(ratios[g]));

    // The centre byte holds half the type index, halves to even; the centre list offers only
    // "Open" (0) and "Viscous" (1).
    for (std::size_t a = 0; a < 2; ++a) {
        r.Axles[a].DiffType = LowByte(std::max(0, IndexOf(texts.DiffTypeNames, v.DiffType[a])));
    }
    const int centre = std::max(0, IndexOf(texts.DiffTypeNames, v.DiffType[2]));
    r.CentreDiffType = core::CByte(centre / 2.0);
    for (std::size_t a = 0; a < 2; ++a) {
        LFSSetupAxle& x = r.Axles[a];
        x.PowerLocking = LowByte(v.DiffPowerLocking[a]);
        x.CoastLocking = LowByte(v.DiffCoastLocking[a]);
        x.DiffPreLoad = LowByte(v.DiffPreLoad[a]);
        x.ViscousSetting = LowByte(v.ViscousTorque[a]);
    }
    r.CentreViscous = LowByte(v.ViscousTorque[2]);
    r.CentreTorqueSplit = LowByte(v.TorqueSplitCentre);

    for (std::size_t a = 0; a < 2; ++a) {
        LFSSetupAxle& x = r.Axles[a];
        x.TyreCompound = LowByte(std::max(0, CompoundIndex(v.TyreCompound[a])));
        x.PressureLeft = LowWord(v.TyrePressure[2 * a]);
        x.PressureRight = LowWord(v.TyrePressure[2 * a + 1]);
        x.CamberLeft = LowByte(v.TyreCamber[2 * a]);
        x.CamberRight = LowByte(v.TyreCamber[2 * a + 1]);
    }
    r.FrontWingAngle = LowByte(v.WingAngle[0]);
    r.RearWingAngle = LowByte(v.WingAngle[1]);

    record = r;
    result.ok = true;
    return result;
}

SetupReadResult ControlsFromRecord(const LFSSetupRecord& r, const SetupVehicleContext& vehicle,
                                   const SetupSliderRanges& ranges, SetupControlValues& out) {
    const auto& texts = core::TextTable();
    const bool simulatorCar = vehicle.LFSMode && vehicle.HasLFSCar;
    FieldCheck check;
    SetupControlValues v;

    // Brakes and traction control
    v.BrakeBalance = r.BrakeBalance;
    check.Position("brake balance", v.BrakeBalance, ranges.BrakeBalance);
    v.BrakeMaxTorque = check.Rounded("brake torque", r.BrakeMaxTorque, ranges.BrakeMaxTorque);
    const core::FlagBits flags = core::ByteToBits(r.Flags);
    v.ABS = flags[kSetupFlagABS] ? 1 : 0;
    v.TC = flags[kSetupFlagTC] ? 1 : 0;
    v.TCSlipRatio = r.TCSlipRatio;
    check.Position("TC slip ratio", v.TCSlipRatio, ranges.TCSlipRatio);
    v.TCSlipSpeed = r.TCSlipSpeed;
    check.Position("TC slip speed", v.TCSlipSpeed, ranges.TCSlipSpeed);
    v.EBR = r.EngineBrakeReduction;
    check.Position("engine brake reduction", v.EBR, ranges.EBR);

    // Suspension and steering, front then rear
    for (std::size_t a = 0; a < 2; ++a) {
        const LFSSetupAxle& x = r.Axles[a];
        const float travel =
            vehicle.HasLFSCar ? vehicle.Car.TravelReference[a] - x.SpringTravel : x.SpringTravel;
        v.SpringTravel[a] = check.Rounded("spring travel", travel * kMmPerMetre, ranges.SpringTravel);
        v.SpringStiffness[a] =
            check.Rounded("spring stiffness", x.SpringStiffness / kRateScale, ranges.SpringStiffness);
        v.BumpDamp[a] = check.Rounded("bump damping", x.BumpDamping / kRateScale, ranges.BumpDamp);
        v.ReboundDamp[a] =
            check.Rounded("rebound damping", x.ReboundDamping / kRateScale, ranges.ReboundDamp);
        v.ARBStiffness[a] =
            check.Rounded("anti-roll bar", x.ARBStiffness / kRateScale, ranges.ARBStiffness);
        v.SteerToe[a] = x.ToeIn;
        check.Position("toe", v.SteerToe[a], ranges.SteerToe);
    }
    if (simulatorCar && !core::FromVbBool(vehicle.Car.CasterAdjustable)) {
        v.SteerCaster[0] = vehicle.Car.FixedCaster;  // the file's front caster is not used
    } else {
        v.SteerCaster[0] = r.Axles[0].Caster;
        check.Position("front caster", v.SteerCaster[0], ranges.SteerCasterFront);
    }
    v.SteerCaster[1] = r.Axles[1].Caster;
    check.Position("rear caster", v.SteerCaster[1], ranges.SteerCasterRear);
    v.SteerAckermann = kAckermannFull - r.ParallelSteer;
    check.Position("parallel steer", v.SteerAckermann, ranges.SteerAckermann);
    v.SteerLock = r.MaxSteerLock;
    check.Position("steering lock", v.SteerLock, ranges.SteerLock);

    v.MiscConfig = r.Config;
    check.Require("config", r.Config <= 1);

    const auto& occupants = texts.OccupantTypeNames;
    const core::FlagBits seats = core::ByteToBits(r.PassengerFlags);
    for (int k = 0; k < 4; ++k) {
        v.Passengers[k] = occupants[0];
        if (seats[2 * k]) v.Passengers[k] = occupants[1];
        if (seats[2 * k + 1]) v.Passengers[k] = occupants[2];  // female wins over male
    }

    // Gear ratios: every word decodes to a ratio the sliders hold (0.5..7.5, reverse 1..8).
    if (simulatorCar) {
        v.ReverseSlider = core::CLng(core::LFSCarReverseRatio(vehicle.Car) * kRatioSliderScale);
    } else {
        v.GearRatioText[kReverseGear] =
            core::SingleText(LfsWordToReverseRatio(r.GearRatioWords[kReverseGear]));
    }
    for (std::size_t g = 1; g < kSetupGearRows; ++g)
        v.GearRatioText[g] = core::SingleText(LfsWordToRatio(r.GearRatioWords[g]));

    // Differentials
    const auto& diffNames = texts.DiffTypeNames;  // open, locked, viscous, clutch pack
    for (std::size_t a = 0; a < 2; ++a) {
        const LFSSetupAxle& x = r.Axles[a];
        check.Require("differential type", x.DiffType < diffNames.size());
        v.DiffType[a] = x.DiffType < diffNames.size() ? diffNames[x.DiffType] : diffNames[0];
        v.DiffPowerLocking[a] = x.PowerLocking;
        check.Position("power locking", x.PowerLocking, ranges.DiffLocking);
        v.DiffCoastLocking[a] = x.CoastLocking;
        check.Position("coast locking", x.CoastLocking, ranges.DiffLocking);
        v.DiffPreLoad[a] = x.DiffPreLoad;
        check.Position("pre-load", x.DiffPreLoad, ranges.DiffPreLoad);
        v.ViscousTorque[a] = x.ViscousSetting;
        check.Position("viscous setting", x.ViscousSetting, ranges.ViscousTorque);
    }
    // The centre list holds only "Open" (byte 0) and "Viscous" (byte 1); any other byte is
    // not a setup this program or the simulator writes.
    check.Require("centre differential type", r.CentreDiffType <= 1);
    v.DiffType[2] = r.CentreDiffType == 1 ? diffNames[2] : diffNames[0];
    v.ViscousTorque[2] = r.CentreViscous;
    check.Position("centre viscous setting", r.CentreViscous, ranges.ViscousTorque);
    v.TorqueSplitCentre = r.CentreTorqueSplit;
    check.Position("centre torque split", r.CentreTorqueSplit, ranges.TorqueSplitCentre);

    // Tyres
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    for (std::size_t a = 0; a < 2; ++a) {
        const uint8_t c = r.Axles[a].TyreCompound;
        v.TyreCompound[a] = compounds[c < compounds.size() ? c : 0].Name;
    }
    v.Symmetric = !flags[kSetupFlagAsymmetric];
    for (std::size_t a = 0; a < 2; ++a) {
        const LFSSetupAxle& x = r.Axles[a];
        const SetupSliderRange& pressure = a == 0 ? ranges.TyrePressureFront : ranges.TyrePressureRear;
        v.TyrePressure[2 * a] = x.PressureLeft;
        v.TyrePressure[2 * a + 1] = x.PressureRight;
        check.Position("tyre pressure", x.PressureLeft, pressure);
        check.Position("tyre pressure", x.PressureRight, pressure);
        v.TyreCamber[2 * a] = x.CamberLeft;
        v.TyreCamber[2 * a + 1] = x.CamberRight;
        check.Position("camber", x.CamberLeft, ranges.TyreCamber);
        check.Position("camber", x.CamberRight, ranges.TyreCamber);
    }
    v.TyreBrand = texts.TyreBrands[r.TyreBrand < texts.TyreBrands.size() ? r.TyreBrand : 0];

    // Downforce and handicaps
    v.WingAngle[0] = r.FrontWingAngle;
    check.Position("front wing angle", r.FrontWingAngle, ranges.WingAngleFront);
    v.WingAngle[1] = r.RearWingAngle;
    check.Position("rear wing angle", r.RearWingAngle, ranges.WingAngleRear);
    v.HandicapIntake = r.IntakeRestriction;
    check.Position("intake restriction", r.IntakeRestriction, ranges.HandicapIntake);
    v.HandicapMass = r.HandicapMass;
    check.Position("handicap mass", r.HandicapMass, ranges.HandicapMass);
    v.HandicapMassPos = r.HandicapMassPos;
    check.Position("handicap mass position", r.HandicapMassPos, ranges.HandicapMassPos);

    SetupReadResult result;
    result.ok = check.Ok();
    result.invalidField = check.First();
    if (result.ok) out = std::move(v);
    return result;
}

}  // namespace files
