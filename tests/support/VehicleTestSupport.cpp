#include "support/VehicleTestSupport.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "files/VehicleFile.hpp"
#include "vehicle/VehicleCheck.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace vehtest {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

vehicle::VehicleRecord DistinctVehicle(const std::string& name) {
    vehicle::VehicleRecord v;
    vehicle::SetVehicleName(v, name);
    float next = 1.25f;
    auto f = [&next]() { next += 1.0f; return next; };
    v.BodyMass = 1234.5f;
    v.BodyCoG = {0.5f, 0.55f, 0.35f};
    v.FuelTankCapacity = 60.0f;
    v.FuelTankPos = {0.52f, 0.3f, 0.1f};
    v.RefHeight = 0.05f;
    for (int i = 0; i < 4; ++i) v.AeroElements[i] = {i + 10, f(), f(), f()};
    v.FrontalArea = 1.9f;
    v.DragCoefficient = 0.32f;
    v.LiftCoefficient = -0.1f;
    auto& e = v.Engine;
    e.PeakTorque = 300.0f;
    e.TorquePeakRPM = 4000.0f;
    e.TorquePeakWidth = 500.0f;
    e.PeakPower = 150.0f;
    e.PowerPeakRPM = 6500.0f;
    e.IdleRPM = 900.0f;
    e.LimitRPM = 7200.0f;
    e.EngineBrakingCoeff = f();
    e.IdleTorqueFraction = f();
    e.LowerShape = f();
    e.UpperShapeA = f();
    e.UpperShapeB = f();
    e.ReducePowerFactor = f();
    e.ShiftPowerFactor = f();
    e.FuelType = 7;
    v.Drivetrain.DrivetrainEfficiency = 0.85f;
    v.Drivetrain.ShiftTime = 0.15f;
    v.Drivetrain.HasReverse = core::VbTrue;
    v.Drivetrain.DriveType = vehicle::kDriveAll;
    v.Drivetrain.NumGears = 6;
    v.Tyres[0] = {225, 45, 17};
    v.Tyres[1] = {-2, 255, 18};  // extremes: width read back as signed, profile as unsigned
    v.RotatingMass = {f(), f()};
    for (auto& a : v.Axles) a = {f(), f(), f(), f(), f(), f(), f()};
    v.Wheelbase = 2.6f;
    v.HandicapHeight = f();
    v.Seats[0] = {f(), f(), f()};
    v.Seats[1] = {f(), f(), f()};
    v.MaxPassengers = 4;
    return v;
}

vehicle::VehicleRecord ThrustGolf(const vehicle::VehicleRecord& car) {
    vehicle::VehicleRecord v = car;
    vehicle::SetVehicleName(v, "Thrust Golf");
    v.Drivetrain.DriveType = vehicle::kDriveThrust;
    v.Engine.PeakTorque = 5000.0f;  // N of thrust
    v.Engine.TorquePeakRPM = 0.5f;  // m, its height
    return v;
}

vehicle::VehicleRecord ValidVehicle(const std::string& name) {
    vehicle::VehicleRecord v = DistinctVehicle(name);
    for (int i = 0; i < 4; ++i)
        v.AeroElements[i] = {i, 0.5f + 0.01f * i, 0.4f + 0.1f * i, 0.2f + 0.1f * i};
    auto& e = v.Engine;
    e.EngineBrakingCoeff = 0.07f;
    e.IdleTorqueFraction = 0.6f;
    e.LowerShape = 1.5f;
    e.UpperShapeA = 0.6f;
    e.UpperShapeB = 0.9975f;
    e.ReducePowerFactor = 0.98f;
    e.ShiftPowerFactor = 1.02f;
    v.Tyres[1] = {245, 40, 18};
    v.RotatingMass = {18.5f, 19.5f};
    v.Axles[0] = {1.1f, 1.2f, 0.2f, 0.21f, 80.0f, 0.12f, 1.5f};
    v.Axles[1] = {1.15f, 1.25f, 0.05f, -0.02f, 75.0f, 0.13f, 1.52f};
    v.HandicapHeight = 0.45f;
    v.Seats[0] = {0.7f, 0.55f, 0.5f};
    v.Seats[1] = {0.65f, 0.25f, 0.52f};
    return v;
}

void WriteVehicleFile(const std::string& path, const vehicle::VehicleRecord& v) {
    files::VehicleFileRecord record;
    record.Identifier = files::kVehicleFileId;
    record.Version = files::kVehicleFileVersion;
    record.Vehicle = v;
    const auto bytes = files::EncodeVehicleFile(record);
    WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<vehicle::VehicleRecord> ShippedCars() {
    std::vector<vehicle::VehicleRecord> cars;
    for (const char* name : {"BMW M3 E46", "Subaru Impreza WRX STI", "VW Golf GTI Mk7"}) {
        const std::string bytes = ReadFile(std::filesystem::path(CHASSISLAB_DATA_DIR) /
                                           "vehicles" / (std::string(name) + ".vd3"));
        files::VehicleFileBytes record{};
        EXPECT_GE(bytes.size(), record.size()) << name;
        std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
        cars.push_back(files::DecodeVehicleFile(record).Vehicle);
    }
    return cars;
}

vehicle::EngineFigures AtShapeCorner(vehicle::EngineFigures f, int corner) {
    namespace rg = vehicle::ranges;
    const auto end = [corner](int bit, const vehicle::FieldRange& r) {
        return static_cast<float>((corner >> bit) & 1 ? r.Max : r.Min);
    };
    f.IdleTorqueFraction = end(0, rg::IdleTorqueFraction);
    f.LowerShape = end(1, rg::LowerShape);
    f.UpperShapeA = end(2, rg::UpperShapeA);
    f.UpperShapeB = end(3, rg::UpperShapeB);
    f.ReducePowerFactor = end(4, rg::ReducePowerFactor);
    f.ShiftPowerFactor = end(5, rg::ShiftPowerFactor);
    return f;
}

std::string EngineSpeedProblem(const vehicle::VehicleRecord& v) {
    using K = vehicle::VehicleCheckKind;
    for (const vehicle::VehicleProblem& p : vehicle::FindVehicleProblems(v)) {
        if (p.Kind == K::PowerBelowTorquePeak || p.Kind == K::PowerInsidePlateau ||
            p.Kind == K::IdleAboveTorquePeak || p.Kind == K::IdleAboveLimit)
            return p.Text;
    }
    return {};
}

}  // namespace vehtest
