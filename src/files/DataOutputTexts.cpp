#include "files/DataOutputTexts.hpp"

#include <cmath>
#include <string_view>

#include "core/GlobalShared.hpp"
#include "core/TextTable.hpp"
#include "files/ReaderFieldText.hpp"
#include "vehicle/TyreCode.hpp"

namespace files {
namespace {

constexpr double kDegreesPerRadian = 57.29578;  // as the window has always shown angles
constexpr const char* kDegreeSign = "\u00B0";

// A stored value scaled for display, narrowed to a Single before it becomes text, with its
// unit; a value that is not a finite number shows "N/A" alone.
std::string Scaled(float value, double factor, std::string_view suffix = {}) {
    const auto shown = static_cast<float>(static_cast<double>(value) * factor);
    const std::string text = InspectSingle(shown);
    return std::isfinite(shown) ? text + std::string(suffix) : text;
}
std::string WithUnit(float value, std::string_view suffix) { return Scaled(value, 1.0, suffix); }

std::string Byte(uint8_t b) { return std::to_string(b); }

std::string WorldPosition(int32_t fixed) {
    return InspectSingle(core::RoundToDecimals(FixedPointToSingle(fixed), 8));
}

std::string DriveTypeText(uint8_t b) {
    switch (b) {
        case kDataOutputRWD: return "RWD";
        case kDataOutputFWD: return "FWD";
        case kDataOutputAWD: return "AWD";
        default: return UnknownEntryText(b);
    }
}

std::string TyreTypeText(uint8_t b) {
    const auto& rows = vehicle::TyreCode().TyreCompounds;
    return b < rows.size() ? rows[b].Name : UnknownEntryText(b);
}

// Fills boxes from `at` onwards, one per value.
class BoxWriter {
public:
    explicit BoxWriter(std::array<std::string, kDataOutputBoxCount>& boxes) : boxes_(boxes) {}
    void At(std::size_t box) { at_ = box; }
    void Put(std::string text) { boxes_.at(at_++) = std::move(text); }
    template <std::size_t N>
    void Floats(const std::array<float, N>& values) {
        for (float v : values) Put(InspectSingle(v));
    }
    template <std::size_t N>
    void Bytes(const std::array<uint8_t, N>& values) {
        for (uint8_t v : values) Put(Byte(v));
    }

private:
    std::array<std::string, kDataOutputBoxCount>& boxes_;
    std::size_t at_ = 0;
};

// One aerodynamic device: its position in 3 boxes, then its ClA and CdA.
void AeroDeviceTexts(BoxWriter& w, const std::array<float, 3>& pos, float clA, float cdA) {
    w.Floats(pos);
    w.Put(InspectSingle(clA));
    w.Put(InspectSingle(cdA));
}

void WheelTexts(BoxWriter& w, const LFSDataOutputWheel& x) {
    const std::string& celsius = core::TextTable().DegreesCelsiusSuffix;
    w.Put(TyreTypeText(x.TyreType));
    w.Put(Scaled(x.Pressure, 1.0 / 1000.0, " kPa"));
    w.Put(WithUnit(x.Temperature, celsius));
    w.Put(Scaled(x.ToeIn, kDegreesPerRadian, kDegreeSign));
    w.Floats(x.ContactPatch);
    w.Put(WithUnit(x.UnsprungMass, " kg"));
    w.Put(Scaled(x.TyreWidth, 1000.0, " mm"));
    w.Put(Scaled(x.TyreProfile, 100.0, "%"));
    w.Put(WithUnit(x.RimRadius, " m"));
    w.Put(WithUnit(x.RimWidth, " m"));
    w.Put(Scaled(x.SpringStiffness, 1.0 / 1000.0, " kN/m"));
    w.Put(Scaled(x.DampingBump, 1.0 / 1000.0, " kNs/m"));
    w.Put(Scaled(x.DampingRebound, 1.0 / 1000.0, " kNs/m"));
    w.Put(Scaled(x.AntiRollStiffness, 1.0 / 1000.0, " kN/m"));
    w.Put(Scaled(x.Camber, kDegreesPerRadian, kDegreeSign));
    w.Put(Scaled(x.Inclination, kDegreesPerRadian, kDegreeSign));
    w.Put(Scaled(x.Caster, kDegreesPerRadian, kDegreeSign));
    w.Put(Scaled(x.ScrubRadius, 1000.0, " mm"));
    w.Put(InspectSingle(x.MomentOfInertia));
    w.Put(Scaled(x.SpringDeflection, 1000.0, " mm"));
    w.Put(Scaled(x.MotionRange, 1000.0, " mm"));
    w.Put(Scaled(x.TyreSpring, 1.0 / 1000.0, " kN/m"));
    w.Put(Scaled(x.TyreDeflection, 1000.0, " mm"));
}

}  // namespace

std::array<std::string, kDataOutputBoxCount> DataOutputBoxTexts(const LFSDataOutputRecord& r) {
    std::array<std::string, kDataOutputBoxCount> boxes;
    BoxWriter w(boxes);
    // General
    w.Put(InspectFixedText(r.Identifier));
    w.Put(Byte(r.Version));
    w.Put(InspectFixedText(r.CarName));
    w.Put(Byte(r.Passengers));
    w.Floats(r.BodyMatrix);  // 4..12
    for (int32_t v : r.RefPointWorld) w.Put(WorldPosition(v));  // 13..15
    for (int32_t v : r.CoGWorld) w.Put(WorldPosition(v));       // 16..18
    w.Floats(r.CoGLocal);     // 19..21
    w.Floats(r.FuelTankPos);  // 22..24
    AeroDeviceTexts(w, r.RearWingPos, r.RearWingClA, r.RearWingCdA);      // 25..29
    AeroDeviceTexts(w, r.FrontWingPos, r.FrontWingClA, r.FrontWingCdA);   // 30..34
    AeroDeviceTexts(w, r.UndertrayPos, r.UndertrayClA, r.UndertrayCdA);   // 35..39
    AeroDeviceTexts(w, r.BodyPos, r.BodyClA, r.BodyCdA);                  // 40..44
    w.Floats(r.InertiaMatrix);  // 45..53
    // Engine and drivetrain, 54..74
    w.Put(WithUnit(r.PeakTorque, " Nm"));
    w.Put(WithUnit(r.PeakTorqueSpeed, " rad/s"));
    w.Put(Scaled(r.PeakPower, 1.0 / 1000.0, " kW"));
    w.Put(WithUnit(r.PeakPowerSpeed, " rad/s"));
    w.Put(WithUnit(r.Fuel, " litres"));
    w.Put(WithUnit(r.Mass, " kg"));
    w.Put(WithUnit(r.Wheelbase, " m"));
    w.Put(Scaled(r.WeightDistribution, 100.0, " %"));
    w.Put(Byte(r.ForwardGears));
    w.Put(DriveTypeText(r.DriveType));
    w.Put(Scaled(r.TorqueSplit, 100.0, "%"));
    w.Put(Scaled(r.DrivetrainEff, 100.0, "%"));
    w.Floats(r.GearRatios);  // 66..73
    w.Put(InspectSingle(r.FinalRatio));
    // Misc, 75..77
    w.Put(Scaled(r.ParallelSteer, 100.0, "%"));
    w.Put(WithUnit(r.BrakeStrength, " Nm"));
    w.Put(Scaled(r.BrakeBalance, 100.0, "%"));
    // Padding, 78..102, in file order
    w.Put(Byte(r.Spare6));
    w.Bytes(r.Spare13);
    w.Floats(r.Spare100);
    w.Floats(r.Spare244);
    w.Bytes(r.Spare290);
    w.Put(InspectSingle(r.Spare300));
    w.Floats(r.Spare340);
    w.Floats(r.Spare364);
    // Wheels in file order
    for (std::size_t k = 0; k < r.Wheels.size(); ++k) {
        w.At(kDataOutputWheelBase[k]);
        WheelTexts(w, r.Wheels[k]);
    }
    return boxes;
}

}  // namespace files
