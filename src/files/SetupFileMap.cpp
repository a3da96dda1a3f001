// Conversions between the setup file record and the setting controls' values.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
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

// How a slider position reads to a person: (position - zero) x per, in `unit`.
struct Shown {
    double per = 1.0;
    double zero = 0.0;
    const char* unit = "";
};
constexpr Shown kPercent{1.0, 0.0, "%"};
constexpr Shown kDegrees{1.0, 0.0, "degrees"};
constexpr Shown kTenthDegrees{0.1, 0.0, "degrees"};
constexpr Shown kRateN{kRateScale, 0.0, "N/m"};
constexpr Shown kRateNs{kRateScale, 0.0, "N s/m"};

std::string WithUnit(std::string number, const char* unit) {
    if (*unit == '\0') return number;
    return number + (std::string_view(unit) == "%" ? "" : " ") + unit;
}

std::string ShownText(double position, const Shown& shown) {
    const float v = static_cast<float>((position - shown.zero) * shown.per);
    if (!std::isfinite(v)) return core::SingleText(v);  // no unit after "NaN" or "Inf"
    return WithUnit(core::SingleText(v), shown.unit);
}

std::string RangeText(const SetupSliderRange& range, const Shown& shown) {
    const double a = (range.Min - shown.zero) * shown.per;
    const double b = (range.Max - shown.zero) * shown.per;
    return core::SingleText(static_cast<float>(std::min(a, b))) + " to " +
           WithUnit(core::SingleText(static_cast<float>(std::max(a, b))), shown.unit);
}

// Checks a record field by field, remembering the first one that fails with its value and
// what the field may hold, in the units the setting's slider means.
class FieldCheck {
public:
    // A whole-number slider position, given directly by a byte or Integer of the file.
    void Position(const std::string& field, int32_t value, const SetupSliderRange& range,
                  const Shown& shown = {}) {
        if (!range.Holds(value)) Fail(field, ShownText(value, shown), RangeText(range, shown));
    }
    // A position computed from a stored float: finite, a whole number after rounding, in range.
    int32_t Rounded(const std::string& field, float value, const SetupSliderRange& range,
                    const Shown& shown = {}) {
        const auto c = core::CLngChecked(value);
        const bool ok = std::isfinite(value) && c.inRange && range.Holds(c.value);
        if (!ok) Fail(field, ShownText(value, shown), RangeText(range, shown));
        return ok ? c.value : 0;
    }
    // A byte that must name an entry of a list: 0 to last.
    void Entry(const std::string& field, uint8_t value, std::size_t entries) {
        if (value >= entries)
            Fail(field, std::to_string(value),
                 entries == 2 ? "0 or 1" : "0 to " + std::to_string(entries - 1));
    }
    void Fill(SetupReadResult& result) const {
        result.ok = field_.empty();
        result.invalidField = field_;
        result.invalidValue = value_;
        result.allowedValues = allowed_;
    }

private:
    void Fail(const std::string& field, std::string value, std::string allowed) {
        if (!field_.empty()) return;
        field_ = field;
        value_ = std::move(value);
        allowed_ = std::move(allowed);
    }
    std::string field_, value_, allowed_;
};

constexpr std::array<const char*, 2> kAxleName{"front", "rear"};

std::string AxleField(std::size_t axle, const char* what) {
    return std::string(kAxleName[axle]) + " " + what;
}
std::string WheelField(std::size_t axle, bool right, const char* what) {
    return std::string(kAxleName[axle]) + (right ? " right " : " left ") + what;
}

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
    check.Position("brake balance", v.BrakeBalance, ranges.BrakeBalance, kPercent);
    v.BrakeMaxTorque = check.Rounded("brake torque", r.BrakeMaxTorque, ranges.BrakeMaxTorque,
                                      {1.0, 0.0, "N m"});
    const core::FlagBits flags = core::ByteToBits(r.Flags);
    v.ABS = flags[kSetupFlagABS] ? 1 : 0;
    v.TC = flags[kSetupFlagTC] ? 1 : 0;
    v.TCSlipRatio = r.TCSlipRatio;
    check.Position("TC slip ratio", v.TCSlipRatio, ranges.TCSlipRatio, {0.1, 0.0, "%"});
    v.TCSlipSpeed = r.TCSlipSpeed;
    check.Position("TC slip speed", v.TCSlipSpeed, ranges.TCSlipSpeed, {1.0, 0.0, "m/s"});
    v.EBR = r.EngineBrakeReduction;
    check.Position("engine brake reduction", v.EBR, ranges.EBR, kPercent);

    // Suspension and steering, front then rear
    for (std::size_t a = 0; a < 2; ++a) {
        const LFSSetupAxle& x = r.Axles[a];
        const float travel =
            vehicle.HasLFSCar ? vehicle.Car.TravelReference[a] - x.SpringTravel : x.SpringTravel;
        v.SpringTravel[a] = check.Rounded(AxleField(a, "spring travel"), travel * kMmPerMetre,
                                          ranges.SpringTravel, {1.0, 0.0, "mm"});
        v.SpringStiffness[a] =
            check.Rounded(AxleField(a, "spring stiffness"), x.SpringStiffness / kRateScale,
                          ranges.SpringStiffness, kRateN);
        v.BumpDamp[a] = check.Rounded(AxleField(a, "bump damping"), x.BumpDamping / kRateScale,
                                      ranges.BumpDamp, kRateNs);
        v.ReboundDamp[a] =
            check.Rounded(AxleField(a, "rebound damping"), x.ReboundDamping / kRateScale,
                          ranges.ReboundDamp, kRateNs);
        v.ARBStiffness[a] =
            check.Rounded(AxleField(a, "anti-roll bar"), x.ARBStiffness / kRateScale,
                          ranges.ARBStiffness, kRateN);
        v.SteerToe[a] = x.ToeIn;
        check.Position(AxleField(a, "toe"), v.SteerToe[a], ranges.SteerToe, {0.1, 9.0, "degrees"});
    }
    if (simulatorCar && !core::FromVbBool(vehicle.Car.CasterAdjustable)) {
        v.SteerCaster[0] = vehicle.Car.FixedCaster;  // the file's front caster is not used
    } else {
        v.SteerCaster[0] = r.Axles[0].Caster;
        check.Position("front caster", v.SteerCaster[0], ranges.SteerCasterFront, kTenthDegrees);
    }
    v.SteerCaster[1] = r.Axles[1].Caster;
    check.Position("rear caster", v.SteerCaster[1], ranges.SteerCasterRear, kTenthDegrees);
    v.SteerAckermann = kAckermannFull - r.ParallelSteer;
    // The file holds parallel steer, 100 - Ackermann.
    check.Position("parallel steer", v.SteerAckermann, ranges.SteerAckermann,
                   {-1.0, kAckermannFull, "%"});
    v.SteerLock = r.MaxSteerLock;
    check.Position("steering lock", v.SteerLock, ranges.SteerLock, kDegrees);

    v.MiscConfig = r.Config;
    check.Entry("config", r.Config, 2);

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
        check.Entry(AxleField(a, "differential type"), x.DiffType, diffNames.size());
        v.DiffType[a] = x.DiffType < diffNames.size() ? diffNames[x.DiffType] : diffNames[0];
        v.DiffPowerLocking[a] = x.PowerLocking;
        check.Position(AxleField(a, "power locking"), x.PowerLocking, ranges.DiffLocking, kPercent);
        v.DiffCoastLocking[a] = x.CoastLocking;
        check.Position(AxleField(a, "coast locking"), x.CoastLocking, ranges.DiffLocking, kPercent);
        v.DiffPreLoad[a] = x.DiffPreLoad;
        check.Position(AxleField(a, "pre-load"), x.DiffPreLoad, ranges.DiffPreLoad,
                       {10.0, 0.0, "N m"});
        v.ViscousTorque[a] = x.ViscousSetting;
        check.Position(AxleField(a, "viscous setting"), x.ViscousSetting, ranges.ViscousTorque);
    }
    // The centre list holds only "Open" (byte 0) and "Viscous" (byte 1); any other byte is
    // not a setup this program or the simulator writes.
    check.Entry("centre differential type", r.CentreDiffType, 2);
    v.DiffType[2] = r.CentreDiffType == 1 ? diffNames[2] : diffNames[0];
    v.ViscousTorque[2] = r.CentreViscous;
    check.Position("centre viscous setting", r.CentreViscous, ranges.ViscousTorque);
    v.TorqueSplitCentre = r.CentreTorqueSplit;
    check.Position("centre torque split", r.CentreTorqueSplit, ranges.TorqueSplitCentre, kPercent);

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
        check.Position(WheelField(a, false, "tyre pressure"), x.PressureLeft, pressure,
                       {1.0, 0.0, "kPa"});
        check.Position(WheelField(a, true, "tyre pressure"), x.PressureRight, pressure,
                       {1.0, 0.0, "kPa"});
        v.TyreCamber[2 * a] = x.CamberLeft;
        v.TyreCamber[2 * a + 1] = x.CamberRight;
        const Shown camber{0.1, 45.0, "degrees"};
        check.Position(WheelField(a, false, "camber"), x.CamberLeft, ranges.TyreCamber, camber);
        check.Position(WheelField(a, true, "camber"), x.CamberRight, ranges.TyreCamber, camber);
    }
    v.TyreBrand = texts.TyreBrands[r.TyreBrand < texts.TyreBrands.size() ? r.TyreBrand : 0];

    // Downforce and handicaps
    v.WingAngle[0] = r.FrontWingAngle;
    check.Position("front wing angle", r.FrontWingAngle, ranges.WingAngleFront, kDegrees);
    v.WingAngle[1] = r.RearWingAngle;
    check.Position("rear wing angle", r.RearWingAngle, ranges.WingAngleRear, kDegrees);
    v.HandicapIntake = r.IntakeRestriction;
    check.Position("intake restriction", r.IntakeRestriction, ranges.HandicapIntake, kPercent);
    v.HandicapMass = r.HandicapMass;
    check.Position("handicap mass", r.HandicapMass, ranges.HandicapMass, {1.0, 0.0, "kg"});
    v.HandicapMassPos = r.HandicapMassPos;
    check.Position("handicap mass position", r.HandicapMassPos, ranges.HandicapMassPos,
                   kPercent);

    SetupReadResult result;
    check.Fill(result);
    if (result.ok) out = std::move(v);
    return result;
}

std::string InvalidFieldText(const SetupReadResult& result) {
    if (result.ok || result.invalidField.empty()) return {};
    std::string field = result.invalidField;
    field[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(field[0])));
    return field + ": " + result.invalidValue + " (allowed: " + result.allowedValues + ")";
}

}  // namespace files
