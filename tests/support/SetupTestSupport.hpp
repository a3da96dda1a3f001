// Shared by the setup file tests: a setup whose every control holds a distinct value inside
// its slider's range, and little-endian readers of a written file.
#pragma once

#include <bit>
#include <cstdint>
#include <ostream>
#include <string>

#include "core/TextTable.hpp"
#include "files/SetupFile.hpp"
#include "vehicle/TyreCode.hpp"

namespace files {

// Readable failure output: one "name=value" item per control.
inline void PrintTo(const SetupControlValues& v, std::ostream* os) {
    auto arr = [os](const char* name, const auto& a) {
        *os << name << "=[";
        for (const auto& x : a) *os << x << ";";
        *os << "] ";
    };
    *os << "BrakeBalance=" << v.BrakeBalance << " BrakeMaxTorque=" << v.BrakeMaxTorque
        << " ABS=" << v.ABS << " TC=" << v.TC << " TCSlipRatio=" << v.TCSlipRatio
        << " TCSlipSpeed=" << v.TCSlipSpeed << " EBR=" << v.EBR << " ";
    arr("SpringTravel", v.SpringTravel);
    arr("SpringStiffness", v.SpringStiffness);
    arr("BumpDamp", v.BumpDamp);
    arr("ReboundDamp", v.ReboundDamp);
    arr("ARBStiffness", v.ARBStiffness);
    arr("SteerToe", v.SteerToe);
    arr("SteerCaster", v.SteerCaster);
    *os << "SteerAckermann=" << v.SteerAckermann << " SteerLock=" << v.SteerLock
        << " MiscConfig=" << v.MiscConfig << " ";
    arr("Passengers", v.Passengers);
    arr("GearRatioText", v.GearRatioText);
    *os << "ReverseSlider=" << (v.ReverseSlider ? std::to_string(*v.ReverseSlider) : "-") << " ";
    arr("DiffType", v.DiffType);
    arr("DiffPowerLocking", v.DiffPowerLocking);
    arr("DiffCoastLocking", v.DiffCoastLocking);
    arr("DiffPreLoad", v.DiffPreLoad);
    arr("ViscousTorque", v.ViscousTorque);
    *os << "TorqueSplitCentre=" << v.TorqueSplitCentre << " ";
    arr("TyreCompound", v.TyreCompound);
    *os << "Symmetric=" << v.Symmetric << " ";
    arr("TyrePressure", v.TyrePressure);
    arr("TyreCamber", v.TyreCamber);
    *os << "TyreBrand=" << v.TyreBrand << " ";
    arr("WingAngle", v.WingAngle);
    *os << "HandicapIntake=" << v.HandicapIntake << " HandicapMass=" << v.HandicapMass
        << " HandicapMassPos=" << v.HandicapMassPos;
}

}  // namespace files

namespace setuptest {

inline uint8_t ByteAt(const std::string& b, std::size_t off) {
    return static_cast<uint8_t>(b.at(off));
}
inline uint16_t WordAt(const std::string& b, std::size_t off) {
    return static_cast<uint16_t>(ByteAt(b, off) | (ByteAt(b, off + 1) << 8));
}
inline float FloatAt(const std::string& b, std::size_t off) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(ByteAt(b, off + i)) << (8 * i);
    return std::bit_cast<float>(u);
}
inline std::string AsString(const files::SetupFileBytes& bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Distinct values, each inside the program's slider range, none equal to its neighbour's, so
// a field written to the wrong offset or read into the wrong control shows up.
inline files::SetupControlValues DistinctValues() {
    const auto& t = core::TextTable();
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    files::SetupControlValues v;
    v.BrakeBalance = 67;
    v.BrakeMaxTorque = 1234;
    v.ABS = 1;
    v.TC = 0;
    v.TCSlipRatio = 77;
    v.TCSlipSpeed = 13;
    v.EBR = 35;
    v.SpringTravel = {120, 95};
    v.SpringStiffness = {812, 1034};
    v.BumpDamp = {41, 52};
    v.ReboundDamp = {63, 74};
    v.ARBStiffness = {1500, 900};
    v.SteerToe = {8, 11};
    v.SteerCaster = {55, 21};
    v.SteerAckermann = 30;
    v.SteerLock = 33;
    v.MiscConfig = 1;
    v.Passengers = {t.OccupantTypeNames[2], t.OccupantTypeNames[0], t.OccupantTypeNames[1],
                    t.OccupantTypeNames[2]};
    // Ratios whose words are worked out by hand in the layout test.
    v.GearRatioText = {"3", "4.2", "4.1", "4", "1.5", "1.25", "1", "0.5", "3.5"};  // in order
    v.DiffType = {t.DiffTypeNames[3], t.DiffTypeNames[1], t.DiffTypeNames[2]};
    v.DiffPowerLocking = {45, 25};
    v.DiffCoastLocking = {15, 60};
    v.DiffPreLoad = {12, 34};
    v.ViscousTorque = {4, 9, 17};
    v.TorqueSplitCentre = 65;
    v.TyreCompound = {compounds[2].Name, compounds[7].Name};
    v.Symmetric = false;
    v.TyrePressure = {181, 192, 203, 214};
    v.TyreCamber = {40, 41, 48, 49};
    v.TyreBrand = t.TyreBrands[4];
    v.WingAngle = {9, 23};
    v.HandicapIntake = 18;
    v.HandicapMass = 45;
    v.HandicapMassPos = 62;
    return v;
}

// The ranges a value read from a file may take, as the setting sliders have them.
inline files::SetupSliderRanges TestRanges() {
    files::SetupSliderRanges r;
    r.BrakeMaxTorque = {100, 10000};
    r.BrakeBalance = {0, 100};
    r.EBR = {0, 100};
    r.TCSlipRatio = {20, 200};
    r.TCSlipSpeed = {5, 20};
    r.SpringTravel = {0, 400};
    r.SpringStiffness = {40, 4000};
    r.BumpDamp = {0, 400};
    r.ReboundDamp = {0, 400};
    r.ARBStiffness = {0, 4000};
    r.SteerToe = {0, 18};
    r.SteerCasterFront = {0, 120};
    r.SteerCasterRear = {0, 150};
    r.SteerAckermann = {0, 100};
    r.SteerLock = {9, 60};
    r.TyrePressureFront = {20, 800};
    r.TyrePressureRear = {20, 800};
    r.TyreCamber = {0, 90};
    r.WingAngleFront = {0, 25};
    r.WingAngleRear = {0, 40};
    r.HandicapIntake = {0, 50};
    r.HandicapMass = {0, 200};
    r.HandicapMassPos = {0, 100};
    r.DiffLocking = {10, 80};
    r.ViscousTorque = {1, 20};
    r.DiffPreLoad = {0, 80};
    r.TorqueSplitCentre = {10, 80};
    return r;
}

}  // namespace setuptest
