// The one table of vehicle field ranges: the shipped and sample vehicles pass, each kind of
// bound refuses just beyond it, and a vehicle that is not wheel driven may hold the fixed
// engine figures the editor stores for it.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "files/VehicleFile.hpp"
#include "support/SampleVehicles.hpp"
#include "vehicle/VehicleCheck.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace {

using vehicle::VehicleRecord;

// The fields the range check names, in file order: none, or the one field given.
std::vector<std::string> Refused(const VehicleRecord& v) { return vehicle::FieldsOutOfRange(v); }
const std::vector<std::string> kNone;
std::vector<std::string> Only(const char* field) {
    return *field ? std::vector<std::string>{field} : kNone;
}

// The test car with its rear seat where the editor allows it: seats are kept as the share to
// the right of the one seat the editor shows per row (50 to 100 %), and the test car's rear
// seat sits at 30 %.
VehicleRecord Car(uint8_t driveType = vehicle::kDriveRear) {
    VehicleRecord v = sample::SampleCar(driveType);
    v.Seats[1].X = 0.7f;
    return v;
}

TEST(VehicleFieldRanges, SampleAndShippedVehiclesPass) {
    sample::ResetAll();
    EXPECT_EQ(Refused(Car(vehicle::kDriveFront)), kNone);
    EXPECT_EQ(Refused(Car(vehicle::kDriveAll)), kNone);
    VehicleRecord thrust = sample::ThrustCar(5000.0f, 0.5f);
    thrust.Seats[1].X = 0.7f;
    EXPECT_EQ(Refused(thrust), kNone);
    int files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(CHASSISLAB_DATA_DIR) / "vehicles")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        ASSERT_EQ(bytes.size(), files::kVehicleFileSize) << entry.path();
        files::VehicleFileBytes raw{};
        std::copy(bytes.begin(), bytes.end(), raw.begin());
        const VehicleRecord v = files::DecodeVehicleFile(raw).Vehicle;
        EXPECT_EQ(Refused(v), kNone) << entry.path();
        EXPECT_TRUE(vehicle::FindVehicleProblems(v).empty()) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 3);
}

TEST(VehicleFieldRanges, BoundsAreInclusiveAndRefuseJustBeyond) {
    sample::ResetAll();
    VehicleRecord v = Car();
    v.BodyMass = 110.0f;
    EXPECT_EQ(Refused(v), kNone);
    v.BodyMass = 109.9f;
    EXPECT_EQ(Refused(v), Only("BodyMass"));
    v.BodyMass = 750000.0f;
    EXPECT_EQ(Refused(v), kNone);

    // Shares: 20 % to the right is the lowest body position; typed as 20 it comes back from
    // its Single as 0.2f x 100, a hair above or below 20.
    v = Car();
    v.BodyCoG.X = 0.2f;
    EXPECT_EQ(Refused(v), kNone);
    v.BodyCoG.X = 0.19f;
    EXPECT_EQ(Refused(v), Only("BodyCoG.X"));

    // The shift time is checked in milliseconds: 5 ms (0.005 s, not exact in a Single) passes.
    v = Car();
    v.Drivetrain.ShiftTime = 0.005f;
    EXPECT_EQ(Refused(v), kNone);
    v.Drivetrain.ShiftTime = 0.0049f;
    EXPECT_EQ(Refused(v), Only("Drivetrain.ShiftTime"));

    // Engine speeds are rpm in the record, bounded in rad/s: an idle of 1000 rad/s is
    // 9549.3 rpm (1000 / 0.10471975511963333).
    v = Car();
    v.Engine.IdleRPM = 9549.0f;
    v.Engine.TorquePeakRPM = 9600.0f;
    v.Engine.PowerPeakRPM = 12000.0f;
    v.Engine.LimitRPM = 13000.0f;
    EXPECT_EQ(Refused(v), kNone);
    v.Engine.IdleRPM = 9551.0f;
    EXPECT_EQ(Refused(v), Only("Engine.IdleRPM"));

    // Per-axle, per-seat and per-element fields name their index; the wing rows differ.
    v = Car();
    v.Axles[1].UnsprungMass = 4.0f;
    EXPECT_EQ(Refused(v), Only("Axles(1).UnsprungMass"));
    v = Car();
    v.AeroElements[2].PosY = -0.75f;  // rear wing 75 % behind the rear axle: allowed
    v.AeroElements[3].PosY = 1.75f;   // front wing 75 % ahead of the front axle: allowed
    EXPECT_EQ(Refused(v), kNone);
    v.AeroElements[1].PosY = -0.01f;
    EXPECT_EQ(Refused(v), Only("AeroElements(1).PosY"));
    v = Car();
    v.Tyres[0].RimDiameter = 4;
    EXPECT_EQ(Refused(v), Only("Tyres(0).RimDiameter"));
    v = Car();
    v.Seats[1].X = 0.4f;
    EXPECT_EQ(Refused(v), Only("Seats(1).X"));
}

// Fields whose boxes have no upper bound of their own stop at what the box lets the user type;
// the engine shape figures at the ends of their sliders; fields without a box are shares of
// the width. The heights, angles and ratios the editor once took as any text have ranges of
// real vehicles.
TEST(VehicleFieldRanges, LengthsSlidersAndSharesBoundTheRest) {
    sample::ResetAll();
    struct Case {
        const char* field;
        float& (*at)(VehicleRecord&);
        float inside, beyond;
    };
    using R = VehicleRecord;
    constexpr float k30Degrees = 0.5235988f;
    const Case cases[] = {
        {"HandicapHeight", [](R& v) -> float& { return v.HandicapHeight; }, 5, 5.01f},
        {"HandicapHeight", [](R& v) -> float& { return v.HandicapHeight; }, 0, -0.01f},
        {"Axles(1).RideHeight", [](R& v) -> float& { return v.Axles[1].RideHeight; }, 1, 1.01f},
        {"Axles(0).RideHeight", [](R& v) -> float& { return v.Axles[0].RideHeight; }, 0, -0.01f},
        {"Axles(0).ARBMotionRatio", [](R& v) -> float& { return v.Axles[0].ARBMotionRatio; },
         5, 5.01f},
        {"Axles(1).ARBMotionRatio", [](R& v) -> float& { return v.Axles[1].ARBMotionRatio; },
         0.5f, 0.49f},
        {"Axles(0).Inclination", [](R& v) -> float& { return v.Axles[0].Inclination; },
         k30Degrees, 0.53f},
        {"Axles(1).CamberOffset", [](R& v) -> float& { return v.Axles[1].CamberOffset; },
         -k30Degrees, -0.53f},
        {"Drivetrain.DrivetrainEfficiency",
         [](R& v) -> float& { return v.Drivetrain.DrivetrainEfficiency; }, 0.99f, 1.0f},
        {"Drivetrain.ShiftTime", [](R& v) -> float& { return v.Drivetrain.ShiftTime; }, 0.999f,
         1.0f},
        // 9999 rad/s is 95484 rpm.
        {"Engine.TorquePeakWidth", [](R& v) -> float& { return v.Engine.TorquePeakWidth; },
         95480, 95500},
        {"Engine.IdleTorqueFraction", [](R& v) -> float& { return v.Engine.IdleTorqueFraction; },
         0.95f, 0.96f},
        {"Engine.UpperShapeB", [](R& v) -> float& { return v.Engine.UpperShapeB; }, 1.0f, 0.99f},
        {"Engine.ShiftPowerFactor", [](R& v) -> float& { return v.Engine.ShiftPowerFactor; },
         1.1f, 1.11f},
        {"FuelTankPos.X", [](R& v) -> float& { return v.FuelTankPos.X; }, 1.0f, 1.01f},
        {"AeroElements(3).PosX", [](R& v) -> float& { return v.AeroElements[3].PosX; }, 0.0f,
         -0.01f},
    };
    for (const Case& c : cases) {
        VehicleRecord v = Car();
        c.at(v) = c.inside;
        EXPECT_EQ(Refused(v), kNone) << c.field << " " << c.inside;
        c.at(v) = c.beyond;
        EXPECT_EQ(Refused(v), Only(c.field)) << c.beyond;
    }
    // Thrust from none to 1000 kN, acting at most 5 m up.
    for (const auto [thrust, height, refused] :
         {std::tuple{0.0f, 0.0f, ""}, {1e6f, 5.0f, ""}, {-1.0f, 0.5f, "Engine.PeakTorque"},
          {1.01e6f, 0.5f, "Engine.PeakTorque"}, {5000.0f, 5.01f, "Engine.TorquePeakRPM"},
          {5000.0f, -0.01f, "Engine.TorquePeakRPM"}}) {
        VehicleRecord v = sample::ThrustCar(thrust, height);
        v.Seats[1].X = 0.7f;
        EXPECT_EQ(Refused(v), Only(refused)) << thrust << " N at " << height << " m";
    }
}

TEST(VehicleFieldRanges, ListChoicesAndNonFiniteValuesAreRefused) {
    sample::ResetAll();
    VehicleRecord v = Car();
    v.Drivetrain.DriveType = 4;
    EXPECT_EQ(Refused(v), Only("Drivetrain.DriveType"));
    v = Car();
    v.Drivetrain.NumGears = 8;
    EXPECT_EQ(Refused(v), Only("Drivetrain.NumGears"));
    v = Car();
    v.Engine.FuelType = static_cast<uint8_t>(core::kFuelTypeCount);
    EXPECT_EQ(Refused(v), Only("Engine.FuelType"));
    v = Car();
    v.AeroElements[2].DeviceType = -1;
    EXPECT_EQ(Refused(v), Only("AeroElements(2).DeviceType"));
    v = Car();
    v.MaxPassengers = 5;
    EXPECT_EQ(Refused(v), Only("MaxPassengers"));
    // A field without a check in the editor must still be a number.
    v = Car();
    v.Axles[0].CamberOffset = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Refused(v), Only("Axles(0).CamberOffset"));
    // Named once, though both its ranges (an engine's torque, a thrust) refuse it.
    v = Car();
    v.Engine.PeakTorque = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Refused(v), Only("Engine.PeakTorque"));
    v = Car();
    v.BodyMass = std::numeric_limits<float>::infinity();
    EXPECT_EQ(Refused(v), Only("BodyMass"));
}

TEST(VehicleFieldRanges, ThrustVehicleMayHoldTheEditorsFixedEngineFigures) {
    sample::ResetAll();
    // Thrust 5000 N at 0.5 m: the engine's first two figures hold them; the fixed values the
    // editor stores in the rest (no power, no limit, no gears, shift time 0) are outside the
    // piston engine's ranges.
    VehicleRecord v = sample::ThrustCar(5000.0f, 0.5f);
    v.Seats[1].X = 0.7f;
    v.Engine.PeakPower = 0.0f;
    v.Engine.LimitRPM = 0.0f;
    v.Drivetrain.NumGears = 0;
    v.Drivetrain.ShiftTime = 0.0f;
    EXPECT_EQ(Refused(v), kNone);
    // Still a number, though.
    v.Engine.PeakTorque = std::numeric_limits<float>::infinity();
    EXPECT_EQ(Refused(v), Only("Engine.PeakTorque"));
}

TEST(VehicleFieldRanges, NoUpperBoundStillRefusesWhatASingleCannotHold) {
    // 9e99 typed into the plateau width box would be stored as infinity.
    EXPECT_FALSE(vehicle::ranges::TorquePeakWidth.Accepts(9e99));
    EXPECT_TRUE(vehicle::ranges::TorquePeakWidth.Accepts(5000.0));
    EXPECT_FALSE(vehicle::ranges::TorquePeakWidth.Accepts(std::nan("")));
    EXPECT_TRUE(vehicle::ranges::DrivetrainEfficiency.Accepts(50.0));
    EXPECT_FALSE(vehicle::ranges::DrivetrainEfficiency.Accepts(49.99));
}

}  // namespace
