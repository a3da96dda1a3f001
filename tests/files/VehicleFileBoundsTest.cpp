// Every ranged field of a vehicle file at the ends of its range, through the file reader: the
// lowest and highest values the vehicle editor lets through load, a step beyond either is
// refused with the field's name. The bounds are written out here as the editor's boxes take
// them (per cent for shares, rad/s for engine speeds, ms for the shift time, what a box's
// length holds where it has no check), not read from the range table, so that a loosened
// bound or a lost scale factor fails. Then the engine speeds' order, which the reader checks
// as the editor does.
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <type_traits>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "files/VehicleFile.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

using namespace vehtest;
using R = vehicle::VehicleRecord;

constexpr double kRadPerRpm = 0.10471975511963333;

// Which vehicles a row is checked on: wheel-driven ones; both kinds, with the fixed value the
// editor stores for a vehicle that is not wheel driven also accepted there; only those that
// are not wheel driven (the thrust and its height share the first two engine figures).
enum class Kind { Wheel, Engine, Thrust };

struct Bound {
    const char* field;  // as the reader names it, '#' standing for the index
    void (*set)(R&, std::size_t, double);
    std::size_t count;    // elements of the array the field belongs to
    double perRecordUnit;  // the editor's unit per record unit
    double min, max;       // in the editor's unit
    bool whole = false;    // a whole-number field: one step beyond
    Kind kind = Kind::Wheel;
    // Run after the field is set: the other figures the bound needs for the engine to stay in
    // order and to keep its curve within its peak torque.
    void (*keepOrder)(R&) = nullptr;
    // Run before the field is set: the other figures its bounds need (room for the wheels).
    void (*prepare)(R&) = nullptr;
};

#define AT(field)                                                \
    [](R& v, std::size_t i, double x) {                          \
        auto& f = field;                                         \
        (void)i;                                                 \
        f = static_cast<std::remove_reference_t<decltype(f)>>(x); \
    }

constexpr double kDegreesPerRad = 57.29577951308232;

// A power peak of 10 rad/s needs the torque peak below it.
void TorquePeakAtZero(R& v) { v.Engine.TorquePeakRPM = 0.0f; }
// The lightest body carries the lightest wheels.
void LightWheels(R& v) {
    for (std::size_t a = 0; a < 2; ++a) {
        v.Axles[a].UnsprungMass = 5.0f;
        v.RotatingMass[a] = 1.0f;
    }
}
// The heaviest wheel masses need a body to carry them: 750 t, half on each axle, 50 t
// unsprung on each, the lightest wheels.
void RoomForWheels(R& v) {
    v.BodyMass = 750000.0f;
    v.BodyCoG.Y = 0.5f;
    for (std::size_t a = 0; a < 2; ++a) {
        v.Axles[a].UnsprungMass = 50000.0f;
        v.RotatingMass[a] = 1.0f;
    }
}
// The narrowest tyre and the lowest profile need the other figure for 30 mm of sidewall:
// 50 mm at 60 %, 300 mm at 10 %.
void TallProfiles(R& v) {
    for (auto& t : v.Tyres) t.Profile = 60;
}
void WideTyres(R& v) {
    for (auto& t : v.Tyres) t.Width = 300;
}
// A power peak at its bounds, or a power of 2 or 500000 kW, in an engine whose curve stays
// within its peak torque: the plateau from 0 to the power peak, the limit there, the power
// the plateau torque gives there (the torque within its own range for the power's bounds).
void PlateauToThePowerPeak(R& v, bool torqueFromPower) {
    auto& e = v.Engine;
    if (torqueFromPower) e.PowerPeakRPM = e.PeakPower <= 100.0f ? 955.0f : 238732.0f;
    const double peak = e.PowerPeakRPM * kRadPerRpm;  // rad/s
    e.TorquePeakRPM = 0.0f;
    e.LimitRPM = e.PowerPeakRPM;
    if (torqueFromPower) e.PeakTorque = static_cast<float>(e.PeakPower * 1000.0 / peak);
    else e.PeakPower = static_cast<float>(e.PeakTorque * peak / 1000.0);
}
void PowerAtThePowerPeak(R& v) { PlateauToThePowerPeak(v, false); }
void TorqueOfThePower(R& v) { PlateauToThePowerPeak(v, true); }
// A peak torque or plateau at its bounds with a power that agrees: what the plateau gives at
// its end, where that lies within the power's own range (up to its rounding).
void PowerOfThePlateau(R& v) {
    auto& e = v.Engine;
    const double power = e.PeakTorque * (e.TorquePeakRPM + e.TorquePeakWidth) * kRadPerRpm / 1000;
    if (power >= 1.99 && power <= 500001)
        e.PeakPower = static_cast<float>(std::clamp(power, 2.0, 500000.0));
}

const Bound kBounds[] = {
    {"BodyMass", AT(v.BodyMass), 1, 1, 110, 750000, false, Kind::Wheel, nullptr, LightWheels},
    {"BodyCoG.X", AT(v.BodyCoG.X), 1, 100, 20, 80},
    {"BodyCoG.Y", AT(v.BodyCoG.Y), 1, 100, 10, 90, false, Kind::Wheel, nullptr, LightWheels},
    {"BodyCoG.Z", AT(v.BodyCoG.Z), 1, 1, 0, 5},
    {"FuelTankCapacity", AT(v.FuelTankCapacity), 1, 1, 1, 25000},
    {"FuelTankPos.X", AT(v.FuelTankPos.X), 1, 100, 0, 100},
    {"FuelTankPos.Y", AT(v.FuelTankPos.Y), 1, 100, -25, 125},
    {"FuelTankPos.Z", AT(v.FuelTankPos.Z), 1, 1, 0, 5},
    {"RefHeight", AT(v.RefHeight), 1, 1, 0, 5},
    {"AeroElements(#).PosX", AT(v.AeroElements[i].PosX), 4, 100, 0, 100},
    {"AeroElements(0).PosY", AT(v.AeroElements[0].PosY), 1, 100, 0, 100},
    {"AeroElements(1).PosY", AT(v.AeroElements[1].PosY), 1, 100, 0, 100},
    {"AeroElements(2).PosY", AT(v.AeroElements[2].PosY), 1, 100, -75, 100},
    {"AeroElements(3).PosY", AT(v.AeroElements[3].PosY), 1, 100, 0, 175},
    {"AeroElements(#).PosZ", AT(v.AeroElements[i].PosZ), 4, 1, -0.1, 5},
    {"AeroElements(1).DeviceType", AT(v.AeroElements[1].DeviceType), 1, 1, 0, 4, true},
    {"AeroElements(2).DeviceType", AT(v.AeroElements[2].DeviceType), 1, 1, 0, 5, true},
    {"AeroElements(3).DeviceType", AT(v.AeroElements[3].DeviceType), 1, 1, 0, 5, true},
    {"FrontalArea", AT(v.FrontalArea), 1, 1, 0.1, 100},
    {"DragCoefficient", AT(v.DragCoefficient), 1, 1, 0.01, 5},
    {"LiftCoefficient", AT(v.LiftCoefficient), 1, 1, -5, 5},
    {"Engine.PeakTorque", AT(v.Engine.PeakTorque), 1, 1, 2, 500000, false, Kind::Wheel,
     PowerOfThePlateau},
    {"Engine.TorquePeakRPM", AT(v.Engine.TorquePeakRPM), 1, kRadPerRpm, 0, 25000, false,
     Kind::Wheel, PowerOfThePlateau},
    // No thrust up to 1000 kN, acting up to 5 m high.
    {"Engine.PeakTorque", AT(v.Engine.PeakTorque), 1, 1, 0, 1e6, false, Kind::Thrust},
    {"Engine.TorquePeakRPM", AT(v.Engine.TorquePeakRPM), 1, 1, 0, 5, false, Kind::Thrust},
    // Four characters of rad/s.
    {"Engine.TorquePeakWidth", AT(v.Engine.TorquePeakWidth), 1, kRadPerRpm, 0, 9999, false,
     Kind::Engine, PowerOfThePlateau},
    {"Engine.PeakPower", AT(v.Engine.PeakPower), 1, 1, 2, 500000, false, Kind::Engine,
     TorqueOfThePower},
    {"Engine.PowerPeakRPM", AT(v.Engine.PowerPeakRPM), 1, kRadPerRpm, 10, 25000, false,
     Kind::Engine, PowerAtThePowerPeak},
    {"Engine.IdleRPM", AT(v.Engine.IdleRPM), 1, kRadPerRpm, 0, 1000, false, Kind::Engine},
    {"Engine.LimitRPM", AT(v.Engine.LimitRPM), 1, kRadPerRpm, 10, 25000, false, Kind::Engine},
    {"Engine.EngineBrakingCoeff", AT(v.Engine.EngineBrakingCoeff), 1, 1, 0, 10, false,
     Kind::Engine},
    // The shape sliders' ends: 25..95 / 100, 0..30 / 10, 20..99 / 100, 1 - 1..50 / 10000,
    // 1 - 0..50 / 1000, 1 + 0..100 / 1000.
    {"Engine.IdleTorqueFraction", AT(v.Engine.IdleTorqueFraction), 1, 1, 0.25, 0.95, false,
     Kind::Engine},
    {"Engine.LowerShape", AT(v.Engine.LowerShape), 1, 1, 0, 3, false, Kind::Engine},
    {"Engine.UpperShapeA", AT(v.Engine.UpperShapeA), 1, 1, 0.2, 0.99, false, Kind::Engine},
    {"Engine.UpperShapeB", AT(v.Engine.UpperShapeB), 1, 1, 0.995, 0.9999, false, Kind::Engine},
    {"Engine.ReducePowerFactor", AT(v.Engine.ReducePowerFactor), 1, 1, 0.95, 1, false,
     Kind::Engine},
    {"Engine.ShiftPowerFactor", AT(v.Engine.ShiftPowerFactor), 1, 1, 1, 1.1, false,
     Kind::Engine},
    {"Engine.FuelType", AT(v.Engine.FuelType), 1, 1, 0, 12, true, Kind::Engine},
    // Two and three characters.
    {"Drivetrain.DrivetrainEfficiency", AT(v.Drivetrain.DrivetrainEfficiency), 1, 100, 50, 99,
     false, Kind::Engine},
    {"Drivetrain.ShiftTime", AT(v.Drivetrain.ShiftTime), 1, 1000, 5, 999, false, Kind::Engine},
    // At 3 the torque peak speed is read as the thrust's height.
    {"Drivetrain.DriveType", AT(v.Drivetrain.DriveType), 1, 1, 0, 3, true, Kind::Wheel,
     nullptr, TorquePeakAtZero},
    {"Drivetrain.NumGears", AT(v.Drivetrain.NumGears), 1, 1, 2, 7, true, Kind::Engine},
    {"Tyres(#).Width", AT(v.Tyres[i].Width), 2, 1, 50, 1000, true, Kind::Wheel, nullptr,
     TallProfiles},
    {"Tyres(#).Profile", AT(v.Tyres[i].Profile), 2, 1, 10, 200, true, Kind::Wheel, nullptr,
     WideTyres},
    // Two characters.
    {"Tyres(#).RimDiameter", AT(v.Tyres[i].RimDiameter), 2, 1, 5, 99, true},
    // Half the largest unsprung mass.
    {"RotatingMass(#)", AT(v.RotatingMass[i]), 2, 1, 1, 25000, false, Kind::Wheel, nullptr,
     RoomForWheels},
    {"Axles(#).SpringMotionRatio", AT(v.Axles[i].SpringMotionRatio), 2, 1, 0.5, 5},
    {"Axles(#).ARBMotionRatio", AT(v.Axles[i].ARBMotionRatio), 2, 1, 0.5, 5},
    // Within 30 degrees either way.
    {"Axles(#).Inclination", AT(v.Axles[i].Inclination), 2, kDegreesPerRad, -30, 30},
    {"Axles(#).CamberOffset", AT(v.Axles[i].CamberOffset), 2, kDegreesPerRad, -30, 30},
    {"Axles(#).UnsprungMass", AT(v.Axles[i].UnsprungMass), 2, 1, 5, 50000, false, Kind::Wheel,
     nullptr, RoomForWheels},
    {"Axles(#).RideHeight", AT(v.Axles[i].RideHeight), 2, 1, 0, 1},
    {"Axles(#).TrackWidth", AT(v.Axles[i].TrackWidth), 2, 1, 0.5, 50},
    {"Wheelbase", AT(v.Wheelbase), 1, 1, 0.5, 50},
    {"HandicapHeight", AT(v.HandicapHeight), 1, 1, 0, 5},
    {"Seats(#).X", AT(v.Seats[i].X), 2, 100, 50, 100},
    {"Seats(#).Y", AT(v.Seats[i].Y), 2, 100, 0, 100},
    {"Seats(#).Z", AT(v.Seats[i].Z), 2, 1, 0, 5},
    {"MaxPassengers", AT(v.MaxPassengers), 1, 1, 0, 4, true},
};

#undef AT

// A wheel-driven vehicle whose engine speeds leave room for each speed's bounds: idle 0,
// torque peak 1000 rad/s, no plateau, power peak and limit 25000 rad/s; 310 kW, a little more
// than the 300 N m give at the torque peak.
R WheelDriven() {
    R v = ValidVehicle("Bounds");
    v.Engine.PeakPower = 310.0f;
    v.Engine.IdleRPM = 0.0f;
    v.Engine.TorquePeakRPM = static_cast<float>(1000 / kRadPerRpm);
    v.Engine.TorquePeakWidth = 0.0f;
    v.Engine.PowerPeakRPM = v.Engine.LimitRPM = static_cast<float>(25000 / kRadPerRpm);
    return v;
}

// A vehicle that is not wheel driven, as the editor stores it: 5000 N of thrust at 0.5 m, the
// other engine and drive-train figures fixed.
R ThrustDriven() {
    R v = ValidVehicle("Bounds");
    auto& e = v.Engine;
    e.PeakTorque = 5000.0f;
    e.TorquePeakRPM = 0.5f;
    v.Drivetrain.DriveType = vehicle::kDriveThrust;
    vehicle::SetThrustOnlyFigures(v);
    return v;
}

class VehicleFileBoundsTest : public ProgramFolderTest {
protected:
    // Loads the vehicle from a file: "" when it loads, else the message shown.
    std::string Load(const R& v) {
        WriteVehicleFile(VehiclePath("bounds"), v);
        ClearMessages();
        auto& g = core::GlobalChassisLab();
        const bool loaded = files::LoadVehicleFile(VehiclePath("bounds"), false);
        g.Vehicles.clear();
        g.VehicleCount = 0;
        if (loaded) return "";
        return Shown().empty() ? "(refused without a message)" : Shown().back().text;
    }
    static std::string Refusal(const std::string& field) {
        return "Not a valid vehicle data file\r\nValue out of range: " + field;
    }
};

TEST_F(VehicleFileBoundsTest, EveryFieldLoadsAtItsBoundsAndIsRefusedBeyond) {
    ASSERT_EQ(Load(WheelDriven()), "");
    ASSERT_EQ(Load(ThrustDriven()), "");
    int checked = 0;
    for (const Bound& b : kBounds) {
        for (const bool thrust : {false, true}) {
            if (thrust ? b.kind == Kind::Wheel : b.kind == Kind::Thrust) continue;
            for (std::size_t i = 0; i < b.count; ++i) {
                std::string name = b.field;
                if (const auto hash = name.find('#'); hash != std::string::npos)
                    name.replace(hash, 1, std::to_string(i));
                const auto at = [&](double value) {
                    R v = thrust ? ThrustDriven() : WheelDriven();
                    if (b.prepare) b.prepare(v);
                    b.set(v, i, value / b.perRecordUnit);
                    if (b.keepOrder && !thrust) b.keepOrder(v);
                    return Load(v);
                };
                const auto step = [&](double bound) {
                    return b.whole ? 1.0 : 1e-3 * std::max(1.0, std::fabs(bound));
                };
                SCOPED_TRACE(name + (thrust ? " (not wheel driven)" : ""));
                EXPECT_EQ(at(b.min), "") << b.min;
                EXPECT_EQ(at(b.max), "") << b.max;
                EXPECT_EQ(at(b.min - step(b.min)), Refusal(name)) << b.min - step(b.min);
                EXPECT_EQ(at(b.max + step(b.max)), Refusal(name)) << b.max + step(b.max);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 95);

    // For a vehicle that is not wheel driven, the figures the editor fixes are otherwise
    // held to their ranges: an idle of 1e38 rpm, a 0 % efficient drive-train, nine gears.
    R v = ThrustDriven();
    v.Engine.IdleRPM = 1e38f;
    EXPECT_EQ(Load(v), Refusal("Engine.IdleRPM"));
    v = ThrustDriven();
    v.Drivetrain.DrivetrainEfficiency = 0.0f;
    EXPECT_EQ(Load(v), Refusal("Drivetrain.DrivetrainEfficiency"));
    v = ThrustDriven();
    v.Drivetrain.NumGears = 9;
    EXPECT_EQ(Load(v), Refusal("Drivetrain.NumGears"));
}

// The editor's checks of the wheel masses: an axle's unsprung mass within the body's mass on
// it (a sprung mass of -48556 kg loaded before), a wheel within half of it. A refusal names
// both sides with their values, whichever side was changed.
TEST_F(VehicleFileBoundsTest, WheelMassesAboveWhatTheBodyLeavesAreRefused) {
    const auto load = [this](float body, float front, float wheel) {
        R v = ValidVehicle("Masses");  // unsprung masses 80 and 75 kg
        v.BodyMass = body;
        v.BodyCoG.Y = 0.625f;
        v.Axles[0].UnsprungMass = front;
        v.RotatingMass[0] = wheel;
        return Load(v);
    };
    const std::string refused = "Not a valid vehicle data file\r\nWheel masses too heavy: ";
    EXPECT_EQ(load(1000, 626, 18),
              refused + "Axles(0).UnsprungMass (626) above BodyMass x BodyCoG.Y (625)");
    EXPECT_EQ(load(192, 80, 18),  // 72 kg on the rear
              refused + "Axles(1).UnsprungMass (75) above BodyMass x (1 - BodyCoG.Y) (72)");
    EXPECT_EQ(load(1000, 80, 40.5f),
              refused + "RotatingMass(0) (40.5) above half of Axles(0).UnsprungMass (80)");
    EXPECT_EQ(load(200, 125, 62.5f), "");  // equal values pass
}

// A tyre with less than 30 mm of sidewall (width x profile) is refused, naming both fields:
// the tyre model takes 15 mm of rim clearance off the sidewall, and 50 mm at 10 % gave the BMW
// a negative deflection and rolling resistance. Exactly 30 mm loads.
TEST_F(VehicleFileBoundsTest, TyresWithoutSidewallAreRefused) {
    const auto load = [this](std::size_t axle, int16_t width, uint8_t profile) {
        R v = ValidVehicle("Tyres");
        v.Tyres[axle].Width = width;
        v.Tyres[axle].Profile = profile;
        return Load(v);
    };
    const std::string refused = "Not a valid vehicle data file\r\nTyre sidewall too low: ";
    EXPECT_EQ(load(0, 50, 10), refused + "Tyres(0).Width x Tyres(0).Profile (5 mm) below 30 mm");
    EXPECT_EQ(load(0, 50, 25), refused + "Tyres(0).Width x Tyres(0).Profile (12.5 mm) below 30 mm");
    EXPECT_EQ(load(1, 145, 10),
              refused + "Tyres(1).Width x Tyres(1).Profile (14.5 mm) below 30 mm");
    EXPECT_EQ(load(1, 299, 10),
              refused + "Tyres(1).Width x Tyres(1).Profile (29.9 mm) below 30 mm");
    EXPECT_EQ(load(1, 300, 10), "");
    EXPECT_EQ(load(0, 305, 20), "");  // a race tyre: 61 mm
}

// The editor's order of the engine speeds: idle at or below the torque peak and the limit,
// the power peak at or above the end of the plateau. Equal speeds pass. A refusal says the
// speeds are out of order and names both fields, the lower first.
TEST_F(VehicleFileBoundsTest, EngineSpeedsOutOfOrderAreRefused) {
    // ValidVehicle: torque peak 4000 rpm, 500 rpm plateau, power peak 6500, idle 900,
    // limit 7200.
    const auto with = [](void (*change)(R&)) {
        R v = ValidVehicle("Order");
        change(v);
        return v;
    };
    const auto outOfOrder = [](const std::string& speeds) {
        return "Not a valid vehicle data file\r\nEngine speeds out of order: " + speeds;
    };
    EXPECT_EQ(Load(with([](R& v) { v.Engine.IdleRPM = 4001.0f; })),
              outOfOrder("Engine.TorquePeakRPM (4000) below Engine.IdleRPM (4001)"));
    EXPECT_EQ(Load(with([](R& v) { v.Engine.LimitRPM = 899.0f; })),
              outOfOrder("Engine.LimitRPM (899) below Engine.IdleRPM (900)"));
    EXPECT_EQ(Load(with([](R& v) { v.Engine.PowerPeakRPM = 3999.0f; })),
              outOfOrder("Engine.PowerPeakRPM (3999) below Engine.TorquePeakRPM (4000)"));
    EXPECT_EQ(Load(with([](R& v) { v.Engine.PowerPeakRPM = 4499.0f; })),
              outOfOrder("Engine.PowerPeakRPM (4499) below Engine.TorquePeakRPM + "
                         "Engine.TorquePeakWidth (4500)"));
    EXPECT_EQ(Load(with([](R& v) {
                  v.Engine.IdleRPM = v.Engine.TorquePeakRPM = 4000.0f;
                  v.Engine.PowerPeakRPM = 4500.0f;
                  v.Engine.PeakTorque = 310.0f;  // what 147 kW need at 4590 rpm
                  v.Engine.LimitRPM = 4000.0f;
              })),
              "");
    // A torque peak of 1.5e-19 rpm, 2e-10 rpm wide, under the Golf's idle of 750 rpm.
    EXPECT_EQ(Load(with([](R& v) {
                  v.Engine.IdleRPM = 750.0f;
                  v.Engine.TorquePeakRPM = 1.5e-19f;
                  v.Engine.TorquePeakWidth = 2e-10f;
              })),
              outOfOrder("Engine.TorquePeakRPM (1.5E-19) below Engine.IdleRPM (750)"));
    // Typed as 100 rad/s, 1 rad/s wide and a power peak of 101 rad/s, the editor stores
    // 954.9297 + 9.549296 rpm and 964.4789 rpm, a hair short of the sum: still in order.
    EXPECT_EQ(Load(with([](R& v) {
                  v.Engine.TorquePeakRPM = static_cast<float>(100 / kRadPerRpm);
                  v.Engine.TorquePeakWidth = static_cast<float>(1 / kRadPerRpm);
                  v.Engine.PowerPeakRPM = static_cast<float>(101 / kRadPerRpm);
                  v.Engine.IdleRPM = 0.0f;
                  v.Engine.PeakPower = 30.0f;  // 285 N m at 103 rad/s
              })),
              "");
}

// A plateau that alone gives more than the peak power is refused as the editor refuses it,
// naming the figures with what they give in display units; a curve that would climb past its
// power peak (a plateau ending 10 % below it, a limit far above) loads, held within its
// figures, and so does a plateau above the reduced power that keeps within the typed one. The
// Subaru at 5 kW: 407 N m to 4400 rpm (460.77 rad/s) gives 187.5 kW, 37.5 times that.
TEST_F(VehicleFileBoundsTest, APlateauGivingMoreThanThePeakPowerIsRefused) {
    R v = ValidVehicle("Climbing");  // 150 kW at 6500 rpm, reduced to 147
    v.Engine.PeakTorque = 240.0f;    // x 612.6 rad/s = 147 kW at the plateau's end
    v.Engine.TorquePeakWidth = 5850.0f - v.Engine.TorquePeakRPM;  // to 10 % below the power peak
    v.Engine.LimitRPM = 9000.0f;
    EXPECT_EQ(Load(v), "");
    v.Engine.PeakTorque = 254.0f;  // 155.6 kW: 1.037 x the 150 typed, 1.092 x 0.95 x 150
    v.Engine.ReducePowerFactor = 0.95f;
    EXPECT_EQ(Load(v), "");
    R subaru = vehtest::ShippedCars()[1];
    ASSERT_EQ(core::Trim(subaru.Name), "Subaru Impreza WRX STI");
    subaru.Engine.PeakPower = 5.0f;
    EXPECT_EQ(Load(subaru),
              "Not a valid vehicle data file\r\nPlateau gives more power: Engine.PeakTorque "
              "(407 Nm) at Engine.TorquePeakRPM + Engine.TorquePeakWidth (460.8 rad/s) gives "
              "187.5 kW, more than 1.05 x Engine.PeakPower (5 kW): lower Engine.PeakTorque, "
              "Engine.TorquePeakRPM or Engine.TorquePeakWidth, or raise Engine.PeakPower");
}

// A curve that climbs because its power figure asks more than the peak torque at the power
// peak names the power, its speed and the peak torque, whichever was changed, with the shape
// factors the power goes through, in the units shown. ValidVehicle: 0.98 x 150 kW at 1.02 x
// 6500 rpm (694.29 rad/s, 6630 rpm) asks 211.73 N m of its 300. At 40 N m the torques show
// with a decimal more than the torque unit's; at 207.55 N m (1.02 x that is 211.70) with two,
// so that the torque needed reads above the 1.02 x allowed.
TEST_F(VehicleFileBoundsTest, PowerAskingMoreThanThePeakTorqueNamesThePowerFigures) {
    const auto message = [](const std::string& power, const std::string& speed,
                            const std::string& needs, const std::string& torque) {
        return "Not a valid vehicle data file\r\nPower needs more torque: Engine.PeakPower x "
               "Engine.ReducePowerFactor (" + power + ") at Engine.PowerPeakRPM x "
               "Engine.ShiftPowerFactor (" + speed + ") needs " + needs +
               ", more than 1.02 x Engine.PeakTorque (" + torque +
               "): lower Engine.PeakPower or Engine.ReducePowerFactor, or raise "
               "Engine.PowerPeakRPM, Engine.ShiftPowerFactor or Engine.PeakTorque";
    };
    R v = ValidVehicle("Power");
    v.Engine.PeakTorque = 40.0f;
    EXPECT_EQ(Load(v), message("147 kW", "694.3 rad/s", "211.7 Nm", "40 Nm"));
    v.Engine.PeakTorque = 207.55f;
    EXPECT_EQ(Load(v), message("147 kW", "694.3 rad/s", "211.73 Nm", "207.55 Nm"));
    v.Engine.PeakTorque = 207.6f;  // needs 1.0199 x: loads
    EXPECT_EQ(Load(v), "");
    // In rpm and horsepower, as the Metric preset shows them.
    core::ApplyUnitRow(core::Quantity::ARV, 2);
    core::ApplyUnitRow(core::Quantity::Power, 1);
    v.Engine.PeakPower = 500000.0f;
    EXPECT_EQ(Load(v), message("666213.8 PS", "6630 rpm", "705755 Nm", "207.6 Nm"));
    core::ApplyUnitRow(core::Quantity::ARV, 0);
    core::ApplyUnitRow(core::Quantity::Power, 0);
}

}  // namespace
