#include "files/SetupReaderTexts.hpp"

#include <algorithm>

#include "analysis/SteeringCode.hpp"
#include "core/GlobalShared.hpp"
#include "core/TextTable.hpp"
#include "files/GearRatioCodec.hpp"
#include "files/ReaderFieldText.hpp"
#include "vehicle/TyreCode.hpp"

namespace files {
namespace {

constexpr int kFront = 0;
constexpr int kRear = 1;

std::string Byte(uint8_t b) { return std::to_string(b); }
std::string Percent(uint8_t b) { return Byte(b) + "%"; }

// A float of the file divided by 1000 (N/m to kN/m, N s/m to kN s/m), the division done in
// double before the narrowing to a Single.
std::string Thousandths(float v) {
    return InspectSingle(static_cast<float>(static_cast<double>(v) / 1000.0));
}

template <std::size_t N>
std::string NamedEntry(const std::array<std::string, N>& names, uint8_t b) {
    return b < N ? names[b] : UnknownEntryText(b);
}

std::string CompoundName(uint8_t b) {
    const auto& rows = vehicle::TyreCode().TyreCompounds;
    return b < rows.size() ? rows[b].Name : UnknownEntryText(b);
}

std::string ConfigText(uint8_t b) {
    if (b == 0) return "Default";
    if (b == 1) return "Open roof";
    return UnknownEntryText(b);
}

// The centre differential is open (0) or viscous (1) only.
std::string CentreDiffText(uint8_t b) {
    const auto& names = core::TextTable().DiffTypeNames;
    if (b == 0) return names[0];
    if (b == 1) return names[2];
    return UnknownEntryText(b);
}

uint8_t Unused(const LFSSetupRecord& r, std::size_t offset) {
    const auto* at = std::find(kSetupUnusedOffsets.begin(), kSetupUnusedOffsets.end(), offset);
    return r.UnusedBytes.at(static_cast<std::size_t>(at - kSetupUnusedOffsets.begin()));
}

}  // namespace

SetupReaderDisplay SetupReaderTexts(const LFSSetupRecord& r) {
    const auto& t = core::TextTable();
    SetupReaderDisplay d;
    auto& s = d.Info;
    s[0] = InspectFixedText(r.Identifier);
    s[1] = Byte(r.HeaderB);
    s[2] = Byte(r.Version);

    const core::FlagBits flags = core::ByteToBits(r.Flags);
    d.Checks[0] = flags[kSetupFlagAlwaysSet] ? 1 : 0;
    d.Checks[1] = flags[kSetupFlagAsymmetric] ? 1 : 0;
    d.Checks[2] = flags[kSetupFlagTC] ? 1 : 0;
    d.Checks[3] = flags[kSetupFlagABS] ? 1 : 0;

    s[3] = InspectDouble(r.TCSlipRatio / 10.0) + "%";
    s[4] = Byte(r.TCSlipSpeed);
    s[5] = Byte(r.FrontWingAngle);
    s[6] = Byte(r.RearWingAngle);
    s[7] = Byte(r.MaxSteerLock);
    s[8] = Percent(r.ParallelSteer);
    s[9] = InspectSingle(r.BrakeMaxTorque);
    s[10] = Percent(r.BrakeBalance);
    s[11] = Percent(r.EngineBrakeReduction);
    s[12] = NamedEntry(t.TyreBrands, r.TyreBrand);

    s[13] = core::BitsToString(core::ByteToBits(r.PassengerFlags));
    s[14] = ConfigText(r.Config);
    s[15] = Byte(Unused(r, 13));
    s[16] = Percent(r.HandicapMassPos);
    s[17] = Byte(r.HandicapMass);
    s[18] = Percent(r.IntakeRestriction);

    // Suspension rows: rear box, then front box.
    int box = 19;
    auto pair = [&](auto text) {
        s[static_cast<std::size_t>(box++)] = text(r.Axles[kRear]);
        s[static_cast<std::size_t>(box++)] = text(r.Axles[kFront]);
    };
    pair([](const LFSSetupAxle& a) { return InspectSingle(a.SpringTravel); });
    pair([](const LFSSetupAxle& a) { return Thousandths(a.SpringStiffness); });
    pair([](const LFSSetupAxle& a) { return Thousandths(a.BumpDamping); });
    pair([](const LFSSetupAxle& a) { return Thousandths(a.ReboundDamping); });
    pair([](const LFSSetupAxle& a) { return Thousandths(a.ARBStiffness); });
    pair([](const LFSSetupAxle& a) { return InspectDouble(a.Caster / 10.0); });

    // Drive-train: final drive, gears 1 to 7 (word rows 8, 1..7), reverse (word row 0).
    s[31] = InspectSingle(LfsWordToRatio(r.GearRatioWords[kFinalDrive]));
    for (int g = 1; g <= 7; ++g)
        s[static_cast<std::size_t>(31 + g)] = InspectSingle(LfsWordToRatio(r.GearRatioWords[g]));
    s[kSetupInfoReverseRatio] =
        InspectSingle(LfsWordToReverseRatio(r.GearRatioWords[kReverseGear]));

    s[39] = CentreDiffText(r.CentreDiffType);
    s[40] = Byte(r.CentreViscous);
    s[41] = Percent(r.CentreTorqueSplit);

    box = 42;
    pair([&](const LFSSetupAxle& a) { return NamedEntry(t.DiffTypeNames, a.DiffType); });
    pair([](const LFSSetupAxle& a) { return Byte(a.ViscousSetting); });
    pair([](const LFSSetupAxle& a) { return std::to_string(a.DiffPreLoad * 10); });
    pair([](const LFSSetupAxle& a) { return Percent(a.PowerLocking); });
    pair([](const LFSSetupAxle& a) { return Percent(a.CoastLocking); });
    pair([](const LFSSetupAxle& a) { return CompoundName(a.TyreCompound); });
    pair([](const LFSSetupAxle& a) { return InspectDouble((a.ToeIn - 9) * 0.1); });

    const LFSSetupAxle& rear = r.Axles[kRear];
    const LFSSetupAxle& front = r.Axles[kFront];
    s[56] = InspectSingle(analysis::DecodeCamberAdjustByte(rear.CamberLeft));
    s[57] = InspectSingle(analysis::DecodeCamberAdjustByte(rear.CamberRight));
    s[58] = InspectSingle(analysis::DecodeCamberAdjustByte(front.CamberLeft));
    s[59] = InspectSingle(analysis::DecodeCamberAdjustByte(front.CamberRight));
    s[60] = std::to_string(rear.PressureLeft);
    s[61] = std::to_string(rear.PressureRight);
    s[62] = std::to_string(front.PressureLeft);
    s[63] = std::to_string(front.PressureRight);

    auto& b = d.Blanks;
    b[1] = Byte(r.HeaderA);
    b[2] = Byte(Unused(r, 9));
    b[5] = Byte(Unused(r, 30));
    for (std::size_t k = 0; k < 4; ++k) b[6 + k] = Byte(Unused(r, 72 + k));
    b[10] = Byte(Unused(r, 79));
    b[11] = Byte(Unused(r, 82));
    for (std::size_t k = 0; k < 4; ++k) b[12 + k] = Byte(Unused(r, 112 + k));
    b[16] = Byte(Unused(r, 119));
    b[17] = Byte(Unused(r, 122));
    return d;
}

}  // namespace files
