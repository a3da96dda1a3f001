#include "files/VehicleFile.hpp"

#include <bit>

#include "core/Numbers.hpp"

namespace files {
namespace {

using vehicle::VehicleRecord;

// Little-endian field writer over the fixed file buffer.
class RecordWriter {
public:
    explicit RecordWriter(VehicleFileBytes& bytes) : bytes_(bytes) {}
    // at(): a layout mistake throws instead of writing past the record.
    void U8(uint8_t v) { bytes_.at(pos_++) = v; }
    void I16(int16_t v) { Unsigned(static_cast<uint16_t>(v), 2); }
    void I32(int32_t v) { Unsigned(static_cast<uint32_t>(v), 4); }
    void F32(float v) { Unsigned(std::bit_cast<uint32_t>(v), 4); }
    void Text(const std::string& text, std::size_t width) {
        const std::string fixed = core::PadFixed(text, width);
        for (char c : fixed) U8(static_cast<uint8_t>(c));
    }
    void Position(const vehicle::PositionXYZ& p) { F32(p.X); F32(p.Y); F32(p.Z); }

private:
    void Unsigned(uint32_t v, int width) {
        for (int i = 0; i < width; ++i) U8(static_cast<uint8_t>(v >> (8 * i)));
    }
    VehicleFileBytes& bytes_;
    std::size_t pos_ = 0;
};

class RecordReader {
public:
    explicit RecordReader(const VehicleFileBytes& bytes) : bytes_(bytes) {}
    uint8_t U8() { return bytes_.at(pos_++); }
    int16_t I16() { return static_cast<int16_t>(static_cast<uint16_t>(Unsigned(2))); }
    int32_t I32() { return static_cast<int32_t>(Unsigned(4)); }
    float F32() { return std::bit_cast<float>(Unsigned(4)); }
    std::string Text(std::size_t width) {
        std::string text;
        for (std::size_t i = 0; i < width; ++i) text.push_back(static_cast<char>(U8()));
        return text;
    }
    vehicle::PositionXYZ Position() {
        vehicle::PositionXYZ p;
        p.X = F32();
        p.Y = F32();
        p.Z = F32();
        return p;
    }

private:
    uint32_t Unsigned(int width) {
        uint32_t v = 0;
        for (int i = 0; i < width; ++i) v |= static_cast<uint32_t>(U8()) << (8 * i);
        return v;
    }
    const VehicleFileBytes& bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

VehicleFileBytes EncodeVehicleFile(const VehicleFileRecord& record) {
    VehicleFileBytes bytes{};
    RecordWriter w(bytes);
    const VehicleRecord& v = record.Vehicle;
    w.Text(record.Identifier, 7);
    w.U8(record.Version);
    w.Text(v.Name, vehicle::kVehicleNameLength);
    w.F32(v.BodyMass);
    w.Position(v.BodyCoG);
    w.F32(v.FuelTankCapacity);
    w.Position(v.FuelTankPos);
    w.F32(v.RefHeight);
    for (const auto& e : v.AeroElements) {
        w.I32(e.DeviceType);
        w.F32(e.PosX);
        w.F32(e.PosY);
        w.F32(e.PosZ);
    }
    w.F32(v.FrontalArea);
    w.F32(v.DragCoefficient);
    w.F32(v.LiftCoefficient);
    const auto& en = v.Engine;
    for (float f : {en.PeakTorque, en.TorquePeakRPM, en.TorquePeakWidth, en.PeakPower,
                    en.PowerPeakRPM, en.IdleRPM, en.LimitRPM, en.EngineBrakingCoeff,
                    en.IdleTorqueFraction, en.LowerShape, en.UpperShapeA, en.UpperShapeB,
                    en.ReducePowerFactor, en.ShiftPowerFactor}) {
        w.F32(f);
    }
    w.U8(en.FuelType);
    w.F32(v.Drivetrain.DrivetrainEfficiency);  // offset 209, unaligned
    w.F32(v.Drivetrain.ShiftTime);
    w.I16(v.Drivetrain.HasReverse);
    w.U8(v.Drivetrain.DriveType);
    w.U8(v.Drivetrain.NumGears);
    for (const auto& t : v.Tyres) {
        w.I16(t.Width);
        w.U8(t.Profile);
        w.U8(t.RimDiameter);
    }
    for (float m : v.RotatingMass) w.F32(m);
    for (const auto& a : v.Axles) {
        for (float f : {a.SpringMotionRatio, a.ARBMotionRatio, a.Inclination, a.CamberOffset,
                        a.UnsprungMass, a.RideHeight, a.TrackWidth}) {
            w.F32(f);
        }
    }
    w.F32(v.Wheelbase);
    w.F32(v.HandicapHeight);
    for (const auto& s : v.Seats) w.Position(s);
    w.U8(v.MaxPassengers);
    return bytes;
}

VehicleFileRecord DecodeVehicleFile(const VehicleFileBytes& bytes) {
    VehicleFileRecord record;
    RecordReader r(bytes);
    VehicleRecord& v = record.Vehicle;
    record.Identifier = r.Text(7);
    record.Version = r.U8();
    v.Name = r.Text(vehicle::kVehicleNameLength);
    v.BodyMass = r.F32();
    v.BodyCoG = r.Position();
    v.FuelTankCapacity = r.F32();
    v.FuelTankPos = r.Position();
    v.RefHeight = r.F32();
    for (auto& e : v.AeroElements) {
        e.DeviceType = r.I32();
        e.PosX = r.F32();
        e.PosY = r.F32();
        e.PosZ = r.F32();
    }
    v.FrontalArea = r.F32();
    v.DragCoefficient = r.F32();
    v.LiftCoefficient = r.F32();
    auto& en = v.Engine;
    for (float* f : {&en.PeakTorque, &en.TorquePeakRPM, &en.TorquePeakWidth, &en.PeakPower,
                     &en.PowerPeakRPM, &en.IdleRPM, &en.LimitRPM, &en.EngineBrakingCoeff,
                     &en.IdleTorqueFraction, &en.LowerShape, &en.UpperShapeA, &en.UpperShapeB,
                     &en.ReducePowerFactor, &en.ShiftPowerFactor}) {
        *f = r.F32();
    }
    en.FuelType = r.U8();
    v.Drivetrain.DrivetrainEfficiency = r.F32();
    v.Drivetrain.ShiftTime = r.F32();
    v.Drivetrain.HasReverse = r.I16();
    v.Drivetrain.DriveType = r.U8();
    v.Drivetrain.NumGears = r.U8();
    for (auto& t : v.Tyres) {
        t.Width = r.I16();
        t.Profile = r.U8();
        t.RimDiameter = r.U8();
    }
    for (float& m : v.RotatingMass) m = r.F32();
    for (auto& a : v.Axles) {
        for (float* f : {&a.SpringMotionRatio, &a.ARBMotionRatio, &a.Inclination,
                         &a.CamberOffset, &a.UnsprungMass, &a.RideHeight, &a.TrackWidth}) {
            *f = r.F32();
        }
    }
    v.Wheelbase = r.F32();
    v.HandicapHeight = r.F32();
    for (auto& s : v.Seats) s = r.Position();
    v.MaxPassengers = r.U8();
    return record;
}

}  // namespace files
