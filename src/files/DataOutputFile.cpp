#include "files/DataOutputFile.hpp"

#include <bit>

namespace files {
namespace {

// Reads the fields one after another from a start offset, little-endian. Every read lies
// inside the 896 bytes checked by the caller.
class Cursor {
public:
    Cursor(std::string_view bytes, std::size_t offset) : b_(bytes), at_(offset) {}
    uint8_t U8() { return static_cast<uint8_t>(b_[at_++]); }
    uint32_t U32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(U8()) << (8 * i);
        return v;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    float F32() { return std::bit_cast<float>(U32()); }
    std::string Text(std::size_t n) {
        std::string s(b_.substr(at_, n));
        at_ += n;
        return s;
    }
    template <std::size_t N>
    void Bytes(std::array<uint8_t, N>& a) {
        for (auto& x : a) x = U8();
    }
    template <std::size_t N>
    void Floats(std::array<float, N>& a) {
        for (auto& x : a) x = F32();
    }
    template <std::size_t N>
    void Ints(std::array<int32_t, N>& a) {
        for (auto& x : a) x = I32();
    }
    std::size_t Offset() const { return at_; }

private:
    std::string_view b_;
    std::size_t at_;
};

LFSDataOutputWheel ParseWheel(std::string_view bytes, std::size_t offset) {
    Cursor in(bytes, offset);
    LFSDataOutputWheel w;
    w.TyreType = in.U8();
    in.Bytes(w.Spare1);
    w.Pressure = in.F32();
    w.Temperature = in.F32();
    w.ToeIn = in.F32();
    in.Floats(w.ContactPatch);
    w.UnsprungMass = in.F32();
    w.TyreWidth = in.F32();
    w.TyreProfile = in.F32();
    w.RimRadius = in.F32();
    w.RimWidth = in.F32();
    w.SpringStiffness = in.F32();
    w.DampingBump = in.F32();
    w.DampingRebound = in.F32();
    w.AntiRollStiffness = in.F32();
    w.Camber = in.F32();
    w.Inclination = in.F32();
    w.Caster = in.F32();
    w.ScrubRadius = in.F32();
    w.MomentOfInertia = in.F32();
    w.SpringDeflection = in.F32();
    w.MotionRange = in.F32();
    w.Spare92 = in.F32();
    w.TyreSpring = in.F32();
    w.TyreDeflection = in.F32();
    in.Floats(w.Spare104);
    return w;
}

}  // namespace

std::optional<LFSDataOutputRecord> ParseDataOutputRecord(std::string_view bytes) {
    if (bytes.size() < kDataOutputFileSize) return std::nullopt;
    bytes = bytes.substr(0, kDataOutputFileSize);
    Cursor in(bytes, 0);
    LFSDataOutputRecord r;
    r.Identifier = in.Text(6);
    r.Spare6 = in.U8();
    r.Version = in.U8();
    r.CarName = in.Text(4);
    r.Passengers = in.U8();
    in.Bytes(r.Spare13);
    in.Floats(r.BodyMatrix);
    in.Ints(r.RefPointWorld);
    in.Ints(r.CoGWorld);
    in.Floats(r.CoGLocal);
    in.Floats(r.FuelTankPos);
    in.Floats(r.Spare100);
    in.Floats(r.RearWingPos);
    r.RearWingClA = in.F32();
    r.RearWingCdA = in.F32();
    in.Floats(r.FrontWingPos);
    r.FrontWingClA = in.F32();
    r.FrontWingCdA = in.F32();
    in.Floats(r.UndertrayPos);
    r.UndertrayClA = in.F32();
    r.UndertrayCdA = in.F32();
    in.Floats(r.BodyPos);
    r.BodyClA = in.F32();
    r.BodyCdA = in.F32();
    in.Floats(r.InertiaMatrix);
    in.Floats(r.Spare244);
    r.PeakTorque = in.F32();
    r.PeakTorqueSpeed = in.F32();
    r.PeakPower = in.F32();
    r.PeakPowerSpeed = in.F32();
    r.Fuel = in.F32();
    r.Mass = in.F32();
    r.Wheelbase = in.F32();
    r.WeightDistribution = in.F32();
    r.ForwardGears = in.U8();
    r.DriveType = in.U8();
    in.Bytes(r.Spare290);
    r.TorqueSplit = in.F32();
    r.DrivetrainEff = in.F32();
    r.Spare300 = in.F32();
    in.Floats(r.GearRatios);
    r.FinalRatio = in.F32();
    in.Floats(r.Spare340);
    r.ParallelSteer = in.F32();
    r.BrakeStrength = in.F32();
    r.BrakeBalance = in.F32();
    in.Floats(r.Spare364);
    // The general block ends where the first wheel block starts.
    if (in.Offset() != kDataOutputWheelOffset) return std::nullopt;
    for (std::size_t k = 0; k < r.Wheels.size(); ++k)
        r.Wheels[k] = ParseWheel(bytes, kDataOutputWheelOffset + k * kDataOutputWheelSize);
    return r;
}

bool IsDataOutputRecord(const LFSDataOutputRecord& record) {
    return record.Identifier == kDataOutputFileId;
}

float FixedPointToSingle(int32_t value) {
    return static_cast<float>(static_cast<double>(value) / 65536.0);
}

}  // namespace files
