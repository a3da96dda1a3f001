// The vehicle editor and the vehicle file reader judge a vehicle alike, as properties over
// random vehicles: values inside, at and just beyond every bound and every cross-check's limit
// (wheel masses, tyre sidewall, engine speeds and figures), in each unit preset, with boxes
// left empty and figures typed as a person types them.
//  - A vehicle the reader loads opens in "Edit existing" in every preset with no red box and
//    "Update vehicle" enabled; each box's text fits the box and its figure is one the field's
//    range takes; typed back, a text adds no problem to the vehicle where a text one unit of
//    its last digit away would add none (a figure at a cross-check's limit); stored unchanged
//    it keeps every byte.
//  - A vehicle the reader refuses, opened in the editor, cannot be stored, and the box of the
//    field the reader names is red.
//  - After random boxes are typed over, the editor offers its store exactly when the reader
//    loads the record the store would write; a vehicle it stores is that record, and saved and
//    loaded again is that record byte for byte. Refused, the box of the field the reader names
//    is red, and so is every box without a number (empty, "x", "-") whose range does not hold
//    0, or that is an engine or thrust box (those need a figure, whatever their range, but for
//    a thrust car's own thrust boxes, which read no number as 0).
//  - A vehicle whose engine holds two speeds a hair apart where their order compares them, in
//    either order (idle and the rev limit, idle and the torque peak, the power peak and the
//    plateau's end), opens valid in every unit preset with every unit of angular velocity, and
//    with every speed box typed back as it shows them, Update stays enabled.
// SWEEP_CASES (environment) caps the vehicles of each shard (the sanitizer build runs a
// sample); the shards together run 10,000 vehicles, and 2,000 with speeds a hair apart. A
// finding prints the shard and vehicle number: the vehicles follow from them alone.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/PhysicalConstants.hpp"
#include "files/VehicleFile.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "ui/main/editor/VehicleEditorTestSupport.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/main/startup/VehicleSelection.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/FieldBoxText.hpp"
#include "vehicle/engine/EngineSpeedText.hpp"
#include "vehicle/VehicleCheck.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace {

using editortest::EditorTest;
using editortest::FirstDifference;
using platform::TextBox;
using vehicle::FieldRange;
using vehicle::VehicleRecord;
namespace rg = vehicle::ranges;

constexpr int kShards = 8;
constexpr int kVehicles = 10000;
constexpr int kNearSpeedVehicles = 2000;

// ---- The boxes of the editor and the fields they hold ---------------------------------------

// Display units per record unit, in the units chosen now.
enum class Scale : uint8_t { One, Percent, Millis, Mass, Small, Volume, Area, Torque, Power,
                             Force, Angle, Speed };
double DisplayPerRecord(Scale s) {
    const auto& u = core::OptionsSettings();
    switch (s) {
        case Scale::One: return 1.0;
        case Scale::Percent: return 100.0;
        case Scale::Millis: return 1000.0;
        case Scale::Mass: return u.UnitFactorMass;
        case Scale::Small: return u.UnitFactorDistanceSmall;
        case Scale::Volume: return u.UnitFactorVolume;
        case Scale::Area: return u.UnitFactorArea;
        case Scale::Torque: return u.UnitFactorTorque;
        case Scale::Power: return u.UnitFactorPower;
        case Scale::Force: return u.UnitFactorForce;
        case Scale::Angle: return u.UnitFactorAngle;
        case Scale::Speed: return core::kRpmToRadPerSec * u.UnitFactorARV;
    }
    return 1.0;
}

// Which vehicles show the box: all, wheel-driven ones (the engine and drive-train boxes), or
// those that are not wheel driven (thrust and its height).
enum class Shown : uint8_t { All, Engine, Thrust };

struct BoxField {
    std::string name;  // as the reader names the field
    std::function<TextBox&(ui::Main&)> box;
    std::function<double(const VehicleRecord&)> get;
    std::function<void(VehicleRecord&, double)> set;
    Scale scale;
    FieldRange range;  // a whole-number field: RecordToChecked 1
    Shown shown = Shown::All;
    bool whole = false;

    bool ShownFor(uint8_t driveType) const {
        if (shown == Shown::All) return true;
        return (shown == Shown::Thrust) == (driveType == vehicle::kDriveThrust);
    }
};

std::vector<BoxField> AllBoxFields() {
    std::vector<BoxField> f;
    using W = ui::Main;
    using R = VehicleRecord;
#define SINGLE(name, member, path, scale, range, ...)                                           \
    f.push_back({name, [](W& w) -> TextBox& { return *w.member; },                            \
                 [](const R& v) -> double { return v.path; },                                 \
                 [](R& v, double x) { v.path = static_cast<float>(x); }, scale, range,       \
                 ##__VA_ARGS__})
#define EACH(count, array, field, member, path, scale, range, ...)                              \
    for (int i = 0; i < (count); ++i) {                                                       \
        const auto k = static_cast<std::size_t>(i);                                           \
        f.push_back({std::string(array) + "(" + std::to_string(i) + ")" + field,              \
                     [i](W& w) -> TextBox& { return w.member(i); },                           \
                     [k](const R& v) -> double { return v.path; },                            \
                     [k](R& v, double x) {                                                    \
                         v.path = static_cast<std::remove_reference_t<decltype(v.path)>>(x);  \
                     },                                                                       \
                     scale, range, ##__VA_ARGS__});                                           \
    }
    SINGLE("BodyMass", VehData_NewBodyMass, BodyMass, Scale::Mass, rg::BodyMass);
    SINGLE("BodyCoG.X", VehData_NewBodyPosX, BodyCoG.X, Scale::Percent, rg::BodyPosX);
    SINGLE("BodyCoG.Y", VehData_NewBodyPosY, BodyCoG.Y, Scale::Percent, rg::BodyPosY);
    SINGLE("BodyCoG.Z", VehData_NewBodyPosZ, BodyCoG.Z, Scale::Small, rg::Height);
    SINGLE("FuelTankCapacity", VehData_NewFuelTankCapacity, FuelTankCapacity, Scale::Volume,
           rg::FuelTankCapacity);
    SINGLE("FuelTankPos.Y", VehData_NewFuelTankPosY, FuelTankPos.Y, Scale::Percent,
           rg::FuelTankPosY);
    SINGLE("FuelTankPos.Z", VehData_NewFuelTankPosZ, FuelTankPos.Z, Scale::Small, rg::Height);
    SINGLE("RefHeight", VehData_NewRefPosZ, RefHeight, Scale::Small, rg::Height);
    EACH(4, "AeroElements", ".PosY", VehData_NewAeroDevicePosY, AeroElements[k].PosY,
         Scale::Percent, rg::AeroElementPosY[k]);
    EACH(4, "AeroElements", ".PosZ", VehData_NewAeroDevicePosZ, AeroElements[k].PosZ,
         Scale::Small, rg::AeroElementHeight);
    SINGLE("FrontalArea", VehData_NewFrontalArea, FrontalArea, Scale::Area, rg::FrontalArea);
    SINGLE("DragCoefficient", VehData_NewCd, DragCoefficient, Scale::One, rg::DragCoefficient);
    SINGLE("LiftCoefficient", VehData_NewCl, LiftCoefficient, Scale::One, rg::LiftCoefficient);
    SINGLE("Engine.PeakTorque", VehData_NewTorque, Engine.PeakTorque, Scale::Torque,
           rg::PeakTorque, Shown::Engine);
    SINGLE("Engine.TorquePeakRPM", VehData_NewTorqueRPM, Engine.TorquePeakRPM, Scale::Speed,
           rg::TorquePeakSpeed, Shown::Engine);
    SINGLE("Engine.TorquePeakWidth", VehData_NewTorquePeakWidth, Engine.TorquePeakWidth,
           Scale::Speed, rg::TorquePeakWidth, Shown::Engine);
    SINGLE("Engine.PeakPower", VehData_NewPower, Engine.PeakPower, Scale::Power, rg::PeakPower,
           Shown::Engine);
    SINGLE("Engine.PowerPeakRPM", VehData_NewPowerRPM, Engine.PowerPeakRPM, Scale::Speed,
           rg::PowerPeakSpeed, Shown::Engine);
    SINGLE("Engine.IdleRPM", VehData_NewIdleRPM, Engine.IdleRPM, Scale::Speed, rg::IdleSpeed,
           Shown::Engine);
    SINGLE("Engine.LimitRPM", VehData_NewLimitRPM, Engine.LimitRPM, Scale::Speed,
           rg::LimitSpeed, Shown::Engine);
    SINGLE("Engine.EngineBrakingCoeff", VehData_NewEBC, Engine.EngineBrakingCoeff, Scale::One,
           rg::EngineBrakingCoeff, Shown::Engine);
    SINGLE("Drivetrain.DrivetrainEfficiency", VehData_NewDrivetrainEff,
           Drivetrain.DrivetrainEfficiency, Scale::Percent, rg::DrivetrainEfficiency,
           Shown::Engine);
    SINGLE("Drivetrain.ShiftTime", VehData_NewDrivetrainShiftTime, Drivetrain.ShiftTime,
           Scale::Millis, rg::ShiftTime, Shown::Engine);
    SINGLE("Engine.PeakTorque", VehData_NewThrust, Engine.PeakTorque, Scale::Force, rg::Thrust,
           Shown::Thrust);
    SINGLE("Engine.TorquePeakRPM", VehData_NewThrustHeight, Engine.TorquePeakRPM, Scale::Small,
           rg::ThrustHeight, Shown::Thrust);
    EACH(2, "Tyres", ".Width", VehData_NewTyreWidth, Tyres[k].Width, Scale::One, rg::TyreWidth,
         Shown::All, true);
    EACH(2, "Tyres", ".Profile", VehData_NewTyreProfile, Tyres[k].Profile, Scale::One,
         rg::TyreProfile, Shown::All, true);
    EACH(2, "Tyres", ".RimDiameter", VehData_NewWheelSize, Tyres[k].RimDiameter, Scale::One,
         rg::RimDiameter, Shown::All, true);
    EACH(2, "RotatingMass", "", VehData_NewRotMass, RotatingMass[k], Scale::Mass,
         rg::RotatingMass);
    EACH(2, "Axles", ".SpringMotionRatio", VehData_NewWheelSpringMR, Axles[k].SpringMotionRatio,
         Scale::One, rg::SpringMotionRatio);
    EACH(2, "Axles", ".ARBMotionRatio", VehData_NewWheelARBMR, Axles[k].ARBMotionRatio,
         Scale::One, rg::ARBMotionRatio);
    EACH(2, "Axles", ".Inclination", VehData_NewInclination, Axles[k].Inclination, Scale::Angle,
         rg::Angle);
    EACH(2, "Axles", ".CamberOffset", VehData_NewCamber, Axles[k].CamberOffset, Scale::Angle,
         rg::Angle);
    EACH(2, "Axles", ".UnsprungMass", VehData_NewUnsprung, Axles[k].UnsprungMass, Scale::Mass,
         rg::UnsprungMass);
    EACH(2, "Axles", ".RideHeight", VehData_NewRideHeight, Axles[k].RideHeight, Scale::Small,
         rg::RideHeight);
    EACH(2, "Axles", ".TrackWidth", VehData_NewTrackWidth, Axles[k].TrackWidth, Scale::Small,
         rg::TrackWidth);
    SINGLE("Wheelbase", VehData_NewWheelbase, Wheelbase, Scale::Small, rg::Wheelbase);
    SINGLE("HandicapHeight", VehData_NewHandicapPosZ, HandicapHeight, Scale::Small,
           rg::HandicapHeight);
    EACH(2, "Seats", ".X", VehData_PassPosX, Seats[k].X, Scale::Percent, rg::SeatPosX);
    EACH(2, "Seats", ".Y", VehData_PassPosY, Seats[k].Y, Scale::Percent, rg::SeatPosY);
    EACH(2, "Seats", ".Z", VehData_PassPosZ, Seats[k].Z, Scale::Small, rg::Height);
#undef SINGLE
#undef EACH
    return f;
}

// ---- Random vehicles ------------------------------------------------------------------------

using Rng = std::mt19937_64;

double Uniform(Rng& rng, double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(rng);
}
int Pick(Rng& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
bool Chance(Rng& rng, double p) { return Uniform(rng, 0.0, 1.0) < p; }

// A hair off a limit, relative: on it, or within the slack (1e-6) either side.
double Hair(Rng& rng) {
    constexpr double kHairs[] = {0, 0, 1e-7, -1e-7, 5e-7, -5e-7, 9e-7, -9e-7};
    return kHairs[Pick(rng, static_cast<int>(std::size(kHairs)))];
}
// Beyond a limit's slack, relative, outwards.
double BeyondHair(Rng& rng) {
    constexpr double kHairs[] = {2e-6, 1e-5, 1e-3, 0.05, 0.5};
    return kHairs[Pick(rng, static_cast<int>(std::size(kHairs)))];
}

// At a cross-check's limit: a hair off it, or (for a faulty vehicle, now and then) beyond it
// by more than the slack either way.
double Edge(Rng& rng, bool faulty) {
    if (faulty && Chance(rng, 0.3)) return (Chance(rng, 0.5) ? 1 : -1) * BeyondHair(rng);
    return Hair(rng);
}

// A checked value (the range's unit) for the range: inside (spread over its whole width, by
// ratio where it spans decades), at a bound give or take a hair, a round figure; or, with
// `beyond`, past a bound by more than the slack.
double CheckedValue(Rng& rng, const FieldRange& r, bool beyond) {
    const int mode = Pick(rng, 10);
    if (beyond) {
        const double bound = mode < 5 ? r.Min : r.Max;
        const double out = (mode < 5 ? -1 : 1) * BeyondHair(rng) * std::max(1.0, std::fabs(bound));
        return bound + out;
    }
    if (mode < 5) {
        if (r.Min > 0 && r.Max / r.Min > 50)
            return r.Min * std::pow(r.Max / r.Min, Uniform(rng, 0, 1));
        return Uniform(rng, r.Min, r.Max);
    }
    if (mode < 8) {
        const double bound = mode < 7 ? r.Min : r.Max;
        return bound * (1 + Hair(rng)) + (bound == 0 ? Hair(rng) : 0.0);
    }
    return std::clamp(std::round(Uniform(rng, r.Min, r.Max)), r.Min, r.Max);  // a round figure
}

void SetChecked(VehicleRecord& v, const BoxField& f, double checked) {
    f.set(v, f.whole ? std::round(checked) : checked / f.range.RecordToChecked);
}

// The engine of a wheel-driven vehicle whose speeds keep their order and whose figures agree,
// each at its limit now and then (rad/s, N m, kW).
void CoherentEngine(Rng& rng, VehicleRecord& v, bool faulty) {
    auto& e = v.Engine;
    const auto near = [&rng, faulty](double x) { return x * (1 + Edge(rng, faulty)); };
    // Mostly speeds of road and race engines (the preview draws one point per rad/s), now and
    // then up to the top of the ranges.
    const double top = Chance(rng, 0.05) ? 5000.0 : 500.0;
    const double start =
        Chance(rng, 0.2) ? 0.0 : std::exp(Uniform(rng, std::log(20.0), std::log(top)));
    const double width = Chance(rng, 0.2) ? 0.0 : Uniform(rng, 0.0, std::min(9999.0, start));
    const double highest = rg::LimitSpeed.Max;
    const bool atTop = Chance(rng, 0.02);  // the power peak and the limit at the top
    const double peak = atTop ? near(highest)
                        : Chance(rng, 0.3) ? near(start + width)
                                           : (start + width) * Uniform(rng, 1.0, 2.5);
    const double highestIdle = std::min(start, rg::IdleSpeed.Max);
    const double idle = Chance(rng, 0.3) ? near(highestIdle) : Uniform(rng, 0.0, highestIdle);
    const double limit = atTop               ? near(highest)
                         : Chance(rng, 0.3) ? near(peak)
                                            : peak * Uniform(rng, 1.0, 1.6);
    const double torque = std::exp(Uniform(rng, std::log(20.0), std::log(20000.0)));
    e.ReducePowerFactor = static_cast<float>(1.0 - Pick(rng, 51) / 1000.0);
    e.ShiftPowerFactor = static_cast<float>(1.0 + Pick(rng, 101) / 1000.0);
    // The power between what the plateau gives (over 1.05) and what 1.02 x the torque gives at
    // the shifted power peak (before the reduction).
    const double low = torque * (start + width) / 1000.0 / 1.05;
    const double high = 1.02 * torque * peak * e.ShiftPowerFactor / 1000.0 / e.ReducePowerFactor;
    const int at = Pick(rng, 4);
    const double power = at == 0   ? near(low)
                         : at == 1 ? near(high)
                                   : Uniform(rng, low, std::max(low, high));
    const double rpm = 1.0 / core::kRpmToRadPerSec;
    e.TorquePeakRPM = static_cast<float>(start * rpm);
    e.TorquePeakWidth = static_cast<float>(width * rpm);
    e.PowerPeakRPM = static_cast<float>(std::max(10.0, peak) * rpm);
    e.IdleRPM = static_cast<float>(idle * rpm);
    e.LimitRPM = static_cast<float>(std::max(10.0, limit) * rpm);
    e.PeakTorque = static_cast<float>(torque);
    e.PeakPower = static_cast<float>(power);
}

// Wheel masses within what the body leaves them, now and then at the limit.
void CoherentMasses(Rng& rng, VehicleRecord& v, bool faulty) {
    for (std::size_t a = 0; a < 2; ++a) {
        const double share = a == 0 ? v.BodyCoG.Y : 1.0 - v.BodyCoG.Y;
        const double body = v.BodyMass * share;
        const double unsprung = Chance(rng, 0.3) ? body * (1 + Edge(rng, faulty))
                                                 : Uniform(rng, 5.0, std::max(5.0, 0.3 * body));
        v.Axles[a].UnsprungMass = static_cast<float>(std::clamp(unsprung, 5.0, 50000.0));
        const double half = 0.5 * v.Axles[a].UnsprungMass;
        const double wheel = Chance(rng, 0.3) ? half * (1 + Edge(rng, faulty))
                                              : Uniform(rng, 1.0, std::max(1.0, half));
        v.RotatingMass[a] = static_cast<float>(std::clamp(wheel, 1.0, 25000.0));
    }
}

// Tyres with enough sidewall, or about the least there may be.
void CoherentTyres(Rng& rng, VehicleRecord& v) {
    for (auto& t : v.Tyres) {
        t.Profile =
            static_cast<uint8_t>(Chance(rng, 0.3) ? 10 + Pick(rng, 10) : 10 + Pick(rng, 191));
        const int least = static_cast<int>(std::ceil(3000.0 / t.Profile));
        const int width = Chance(rng, 0.3) ? least - 1 + Pick(rng, 3) : least + Pick(rng, 700);
        t.Width = static_cast<int16_t>(std::clamp(width, 50, 1000));
    }
}

// A vehicle with every box field set by CheckedValue, the lists and sliders at random; mostly
// with an engine, masses and tyres that agree (each at its limit now and then), sometimes
// with some fields beyond their ranges, or a figure no editor writes (off the sliders' steps,
// a fuel or device beyond the lists, a NaN).
VehicleRecord RandomVehicle(Rng& rng, const std::vector<BoxField>& fields,
                            const std::string& name) {
    VehicleRecord v = vehtest::ValidVehicle(name);
    const bool faulty = Chance(rng, 0.2);
    v.Drivetrain.DriveType =
        static_cast<uint8_t>(Chance(rng, 0.12) ? vehicle::kDriveThrust : Pick(rng, 3));
    for (const BoxField& f : fields)
        if (f.ShownFor(v.Drivetrain.DriveType))
            SetChecked(v, f, CheckedValue(rng, f.range, faulty && Chance(rng, 0.02)));
    auto& e = v.Engine;
    if (v.Drivetrain.DriveType == vehicle::kDriveThrust) {
        vehicle::SetThrustOnlyFigures(v);
    } else {
        if (Chance(rng, 0.9)) CoherentEngine(rng, v, faulty);
        e.IdleTorqueFraction = static_cast<float>((25 + Pick(rng, 71)) / 100.0);
        e.LowerShape = static_cast<float>(Pick(rng, 31) / 10.0);
        e.UpperShapeA = static_cast<float>((20 + Pick(rng, 80)) / 100.0);
        e.UpperShapeB = static_cast<float>(1.0 - Pick(rng, 51) / 10000.0);
        if (Chance(rng, 0.1)) e.LowerShape = static_cast<float>(Uniform(rng, 0, 3));  // off a step
        e.FuelType = static_cast<uint8_t>(Pick(rng, 13));
        v.Drivetrain.NumGears = static_cast<uint8_t>(2 + Pick(rng, 6));
        v.Drivetrain.HasReverse = core::ToVbBool(Chance(rng, 0.5));
    }
    if (Chance(rng, 0.9)) CoherentMasses(rng, v, faulty);
    if (Chance(rng, 0.9)) CoherentTyres(rng, v);
    v.MaxPassengers = static_cast<uint8_t>(Pick(rng, 5));
    v.AeroElements[1].DeviceType = Pick(rng, static_cast<int>(vehicle::kUndertrayTypeCount));
    v.AeroElements[2].DeviceType = Pick(rng, static_cast<int>(vehicle::kWingTypeCount));
    v.AeroElements[3].DeviceType = Pick(rng, static_cast<int>(vehicle::kWingTypeCount));
    if (faulty && Chance(rng, 0.2)) {
        switch (Pick(rng, 4)) {
            case 0: v.Engine.FuelType = 200; break;
            case 1: v.AeroElements[2].DeviceType = 99; break;
            case 2: v.FuelTankPos.X = 3.0f; break;
            default: fields[static_cast<std::size_t>(Pick(rng, static_cast<int>(fields.size())))]
                         .set(v, std::nan(""));
        }
    }
    return v;
}

// A speed a hair off `rpm`, either way: within the slack of every check (1e-6 of it), or what
// typing the text a speed box shows of it stores in a unit of angular velocity (as files an
// earlier version stored hold them).
float NearSpeed(Rng& rng, double rpm) {
    if (Chance(rng, 0.4)) {
        const auto units = core::UnitRows(core::Quantity::ARV);
        const auto unit = static_cast<std::size_t>(Pick(rng, static_cast<int>(units.size())));
        const double factor = units[unit].Factor;
        const std::string text = vehicle::SpeedBoxText(
            static_cast<float>(rpm), factor, vehicle::kEngineSpeedTextLength, rg::TorquePeakSpeed);
        return vehicle::StoredSpeed(core::Val(text), factor);
    }
    return static_cast<float>(rpm * (1 + (Chance(rng, 0.5) ? 1 : -1) * Hair(rng)));
}

// A wheel-driven vehicle whose engine holds two speeds a hair apart where their order compares
// them: idle and the rev limit, idle and the torque peak, or the power peak and the plateau's
// end (with a plateau or without); now and then the last two at once. Its power is 97 % of
// what its peak torque gives at the power peak, so its figures agree (rpm, N m, kW).
VehicleRecord NearSpeedsVehicle(Rng& rng, const std::string& name) {
    VehicleRecord v = vehtest::ValidVehicle(name);
    v.Drivetrain.DriveType = static_cast<uint8_t>(Pick(rng, 3));
    auto& e = v.Engine;
    const auto between = [&rng](double low, double high) {
        return std::exp(Uniform(rng, std::log(low), std::log(high)));
    };
    const int pair = Pick(rng, 3);
    const bool twoPairs = Chance(rng, 0.2);
    const double idle = between(300.0, 9000.0);  // at most 1000 rad/s
    e.IdleRPM = static_cast<float>(idle);
    e.TorquePeakRPM = pair == 1 || twoPairs ? NearSpeed(rng, idle)
                                            : static_cast<float>(idle * Uniform(rng, 1.0, 3.0));
    e.TorquePeakWidth =
        Chance(rng, 0.5) ? 0.0f : static_cast<float>(e.TorquePeakRPM * Uniform(rng, 0.01, 0.5));
    const double end = static_cast<double>(e.TorquePeakRPM) + e.TorquePeakWidth;
    e.PowerPeakRPM = pair == 2 || twoPairs ? NearSpeed(rng, end)
                                           : static_cast<float>(end * Uniform(rng, 1.0, 2.0));
    e.LimitRPM = pair == 0 ? NearSpeed(rng, idle)
                           : static_cast<float>(e.PowerPeakRPM * Uniform(rng, 1.0, 1.5));
    e.PeakTorque = static_cast<float>(between(50.0, 2000.0));
    e.PeakPower =
        static_cast<float>(0.97 * e.PeakTorque * e.PowerPeakRPM * core::kRpmToRadPerSec / 1000.0);
    return v;
}

// What a person types for a record figure: the display figure with a few significant digits,
// cut to the box's length as typing cuts it; now and then nothing, or no number.
std::string TypedText(Rng& rng, const BoxField& f, double recordValue, int maxLength) {
    const int mode = Pick(rng, 40);
    if (mode == 0) return "";
    if (mode == 1) return "x";
    if (mode == 2) return "-";
    const double display = recordValue * DisplayPerRecord(f.scale);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*g", 1 + Pick(rng, 9), display);
    std::string text = core::DoubleText(std::strtod(buf, nullptr));
    if (maxLength > 0 && text.size() > static_cast<std::size_t>(maxLength)) text.resize(maxLength);
    return text;
}

// ---- The program ------------------------------------------------------------------------------

class VehicleEditorProperties : public EditorTest, public ::testing::WithParamInterface<int> {
protected:
    // Vehicles of this shard: SWEEP_CASES caps them.
    static int Count(int vehicles = kVehicles) {
        const char* env = std::getenv("SWEEP_CASES");
        const int cap = env && std::atoi(env) > 0 ? std::atoi(env) : vehicles;
        return std::min(cap, vehicles / kShards);
    }

    void Find(const std::string& what) {
        if (findings.size() < 25) findings.push_back(where + ": " + what);
        ++findingCount;
    }

    // The vehicle files of the test, in memory where the system has a folder there (they are
    // written and read thousands of times).
    std::string Path(const char* stem) const { return (folder / stem).string() + ".vd3"; }
    void MakeFolder() {
        folder = root / "vehicles";
        char pattern[] = "/dev/shm/chassislab-properties-XXXXXX";
        if (std::filesystem::is_directory("/dev/shm") && ::mkdtemp(pattern) != nullptr)
            folder = pattern;
    }
    void TearDown() override {
        if (folder.string().starts_with("/dev/shm/")) std::filesystem::remove_all(folder);
        EditorTest::TearDown();
    }

    // The reader's verdict on a record under a name of its own: "" when it loads (and is
    // dropped again), else the message's second line.
    std::string ReaderSays(VehicleRecord v) {
        vehicle::SetVehicleName(v, "Judged");
        vehtest::WriteVehicleFile(Path("judged"), v);
        auto& g = core::GlobalChassisLab();
        const std::size_t before = g.Vehicles.size();
        const std::size_t shown = Messages().Count();
        if (files::LoadVehicleFile(Path("judged"), false)) {
            g.Vehicles.resize(before);
            g.VehicleCount = static_cast<uint8_t>(before);
            return "";
        }
        if (Messages().Count() == shown) return "refused without a message";
        const std::string text = Messages().Last().text;
        const auto br = text.find("\r\n");
        return br == std::string::npos ? text : text.substr(br + 2);
    }

    // The box of the field the reader's refusal names first (the field at fault) is red, when
    // the field has a box the drive type shows; whether it has.
    bool NamedBoxIsRed(const std::string& refusal, uint8_t driveType) {
        TextBox* box = BoxNamedBy(refusal, driveType);
        if (box && !Refused(*box))
            Find("the reader says \"" + refusal + "\" but " + box->DisplayName() + " is white");
        return box != nullptr;
    }
    TextBox* BoxNamedBy(const std::string& refusal, uint8_t driveType) {
        TextBox* found = nullptr;
        std::size_t first = std::string::npos, longest = 0;
        for (const BoxField& f : fields) {
            const std::size_t at = refusal.find(f.name);
            if (!f.ShownFor(driveType) || at == std::string::npos) continue;
            // "Axles(0).Inclination", not a shorter name found at the same place.
            if (at < first || (at == first && f.name.size() > longest)) {
                first = at;
                longest = f.name.size();
                found = &f.box(*w);
            }
        }
        return found;
    }

    // The one way the editor is stricter than the reader: the thrust and its height of a
    // vehicle that is not wheel driven take a number and nothing else.
    // A thrust box's text the editor takes: a number and nothing after it, or, on a car that
    // was thrust driven when the editor opened, no number at all (the 0 it stands for, which
    // both thrust ranges hold).
    static bool ThrustTaken(const std::string& text) {
        const core::TypedNumber typed = core::ReadTypedNumber(text);
        const bool ownThrust = core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType ==
                               vehicle::kDriveThrust;
        return typed.Whole || (ownThrust && !typed.Found);
    }
    bool ThrustTyped(uint8_t driveType) const {
        return driveType != vehicle::kDriveThrust ||
               (ThrustTaken(w->VehData_NewThrust->Text()) &&
                ThrustTaken(w->VehData_NewThrustHeight->Text()));
    }

    // A record's problems, by check and the fields named (the texts carry the figures).
    using ProblemKeys = std::vector<std::pair<vehicle::VehicleCheckKind, std::vector<std::string>>>;
    static ProblemKeys ProblemsOf(const VehicleRecord& v) {
        ProblemKeys out;
        for (const auto& p : vehicle::FindVehicleProblems(v)) out.emplace_back(p.Kind, p.Fields);
        return out;
    }
    // The texts one unit of the last digit either side ("827.9": "827.8" and "828").
    static std::vector<std::string> Neighbours(const std::string& text) {
        const std::size_t e = text.find('E');
        const std::string mantissa = text.substr(0, e);
        const std::size_t dot = mantissa.find('.');
        const int decimals =
            dot == std::string::npos ? 0 : static_cast<int>(mantissa.size() - dot - 1);
        const int exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
        const double step = std::pow(10.0, exponent - decimals), value = core::Val(text);
        return {core::DoubleText(value - step), core::DoubleText(value + step)};
    }
    // A shortened text that, typed back, adds a problem the vehicle does not have, where a
    // neighbour that fits would add none.
    void AddsNoAvoidableProblem(const BoxField& f, const TextBox& box, const ProblemKeys& own) {
        const VehicleRecord& v = core::GlobalChassisLab().CurrentVehicle;
        const auto addsOne = [&](const std::string& text) {
            VehicleRecord typed = v;
            const double n = core::TypedVal(text);
            f.set(typed, f.scale == Scale::Speed ? ui::StoredRpm(n)
                                                 : ui::StoredSingle(n, DisplayPerRecord(f.scale)));
            for (const auto& p : ProblemsOf(typed))
                if (std::find(own.begin(), own.end(), p) == own.end()) return true;
            return false;
        };
        if (!addsOne(box.Text())) return;
        for (const std::string& n : Neighbours(box.Text()))
            if (static_cast<int>(n.size()) <= box.MaxLength() && !addsOne(n))
                Find(f.name + " shows \"" + box.Text() + "\", which adds a problem; \"" + n +
                     "\" adds none");
    }

    // Every shown box white, every text within its box's length, every text's figure one the
    // field's range takes and, where it is not the field's own, adding no problem to the
    // vehicle that a neighbouring text would not.
    void LooksValid(uint8_t driveType) {
        const VehicleRecord& shown = core::GlobalChassisLab().CurrentVehicle;
        std::optional<ProblemKeys> own;  // the vehicle's, once a box shows another figure
        for (const BoxField& f : fields) {
            if (!f.ShownFor(driveType)) continue;
            const TextBox& box = f.box(*w);
            if (Refused(box)) Find(f.name + " red at \"" + box.Text() + "\"");
            if (static_cast<int>(box.Text().size()) > box.MaxLength())
                Find(f.name + " shows \"" + box.Text() + "\", longer than its box");
            const double figure = core::TypedVal(box.Text()) / DisplayPerRecord(f.scale);
            const bool wheel = f.shown != Shown::Thrust;
            const double stored = f.whole ? figure : static_cast<float>(figure);
            if (!f.range.Takes(stored, wheel))
                Find(f.name + " shows \"" + box.Text() + "\", beyond its range");
            else if (!f.whole && static_cast<float>(stored) != static_cast<float>(f.get(shown))) {
                if (!own) own = ProblemsOf(shown);
                AddsNoAvoidableProblem(f, box, *own);
            }
        }
    }

    // Opens the selected vehicle in "Edit existing" in each preset (in a random order): valid
    // as above, with "Update vehicle" enabled; the last preset stays open. The editor keeps
    // the units it opened with, so the options cannot change them while it is open; here it is
    // opened again in each preset as it stands, which is what cancelling and opening it again
    // in the other units gives, without drawing the current engine in between.
    void OpensValidInEveryPreset(Rng& rng, uint8_t driveType) {
        int presets[] = {0, 1, 2};
        std::shuffle(std::begin(presets), std::end(presets), rng);
        for (int preset : presets) {
            core::ApplyUnitPreset(static_cast<int16_t>(preset));
            if (EditorOpen()) {
                ui::Main_VehData_EditExisting_Click(*w);
            } else {
                w->VehData_EditExisting->UserClick();
            }
            const std::string before = where;
            where += " preset " + std::to_string(preset);
            LooksValid(driveType);
            if (!w->VehData_UpdateVeh->Enabled()) Find("Update disabled on opening");
            where = before;
        }
    }

    // Types over random boxes with the figures of `typed` (a second random vehicle), changes
    // the lists and sliders now and then, as a person does, and lets the last box raise the
    // check of the whole record.
    void TypeOver(Rng& rng, const VehicleRecord& typed) {
        auto& editor = vehicle::VehCode();
        // The boxes but the last are written as the fill writes them (the checks wait): the
        // last one's change judges the whole record, as each change does.
        editor.EditorFilling = core::VbTrue;
        if (Chance(rng, 0.1)) w->VehData_NewDrivetrain->SetListIndex(Pick(rng, 4));
        if (Chance(rng, 0.1)) w->VehData_NewPS->SetValue(Pick(rng, 101));
        if (Chance(rng, 0.05)) w->VehData_NewAeroDeviceType(1 + Pick(rng, 3)).SetListIndex(0);
        // Only what the drive type shows can be typed into.
        const auto drive = static_cast<uint8_t>(w->VehData_NewDrivetrain->ListIndex());
        std::vector<const BoxField*> chosen;
        const int mode = Pick(rng, 4);
        for (const BoxField& f : fields)
            if (f.ShownFor(drive) && (mode == 0 || (mode >= 2 && Chance(rng, 0.08))))
                chosen.push_back(&f);
        std::shuffle(chosen.begin(), chosen.end(), rng);
        for (std::size_t n = 0; n + 1 < chosen.size(); ++n) {
            TextBox& box = chosen[n]->box(*w);
            const std::string text =
                TypedText(rng, *chosen[n], chosen[n]->get(typed), box.MaxLength());
            box.SetText(text);
            ui::ForgetFilledFigure(box);  // as the box's change handler does
        }
        if (chosen.empty()) {
            editor.EditorFilling = core::VbFalse;
            ui::ValidateVehicleEditorInputs(*w);
            return;
        }
        // The last box typed over a text it cannot hold, so that typing changes it; mostly
        // pasted whole (one change, as typing's last character gives).
        TextBox& last = chosen.back()->box(*w);
        last.SetText("#");
        editor.EditorFilling = core::VbFalse;
        const std::string text =
            TypedText(rng, *chosen.back(), chosen.back()->get(typed), last.MaxLength());
        if (Chance(rng, 0.05)) {
            Type(last, text);
        } else {
            last.SetText(text);
        }
    }

    // The editor offers its store exactly when the reader loads the record it would write;
    // refused, the field the reader names is red and so is every box without a number whose
    // range does not hold the 0 it reads, or that is an engine or thrust box (it needs a
    // figure, whatever its range); stored, the vehicle is that record, and saved and loaded
    // again the same.
    void StoresWhatTheReaderLoads() {
        const bool update = core::FromVbBool(vehicle::VehCode().EditorEditsExisting);
        platform::CommandButton& store = update ? *w->VehData_UpdateVeh : *w->VehData_AddVeh;
        const VehicleRecord record = ui::VehicleToStore(*w);
        const uint8_t drive = record.Drivetrain.DriveType;
        const std::string reader = ReaderSays(record);
        if (store.Enabled() != (reader.empty() && ThrustTyped(drive)))
            Find(std::string(store.Enabled() ? "stores what the reader refuses: " + reader
                                             : "refuses what the reader loads"));
        if (!store.Enabled()) {
            NamedBoxIsRed(reader, drive);
            for (const BoxField& f : fields) {
                const TextBox& box = f.box(*w);
                const std::string& text = box.Text();
                const bool noNumber = text.empty() || text == "x" || text == "-";
                const bool ownThrustRead = f.shown == Shown::Thrust && ThrustTaken(text);
                const bool needsFigure = (f.name.starts_with("Engine.") && !ownThrustRead) ||
                                         !f.range.Takes(0.0, f.shown != Shown::Thrust);
                if (f.ShownFor(drive) && noNumber && needsFigure && !Refused(box))
                    Find(f.name + " \"" + text + "\" and white");
            }
            return;
        }
        for (const BoxField& f : fields)
            if (f.ShownFor(drive) && Refused(f.box(*w)))
                Find(f.name + " red, but the store is enabled");
        auto& g = core::GlobalChassisLab();
        store.UserClick();
        if (EditorOpen()) {
            Find("the store kept the editor open");
            return;
        }
        const auto stored = std::find_if(g.Vehicles.begin(), g.Vehicles.end(), [&](const auto& v) {
            return v.Name == record.Name;
        });
        if (stored == g.Vehicles.end() || FirstDifference(*stored, record) != -1) {
            Find("stored another record than it judged");
            return;
        }
        // Saved and loaded again (the one in the list renamed, so the name is free). The save
        // writes through a temporary file it syncs to the disk, milliseconds each: most are
        // written as the save lays them out, byte for byte, without the sync.
        const VehicleRecord kept = *stored;
        const std::size_t index = static_cast<std::size_t>(stored - g.Vehicles.begin());
        bool saved = true;
        if (++stores % 25 == 0) {
            saved = files::SaveVehicleFile(static_cast<uint8_t>(index), Path("saved"));
        } else {
            vehtest::WriteVehicleFile(Path("saved"), kept);
        }
        vehicle::SetVehicleName(g.Vehicles[index], "Stored");
        if (!saved || !files::LoadVehicleFile(Path("saved"), false)) {
            Find("saved and loaded again: " + Messages().Last().text);
        } else if (const int at = FirstDifference(g.Vehicles.back(), kept); at != -1) {
            Find("saved and loaded again, byte " + std::to_string(at) + " differs");
        }
    }

    // Back to the shipped cars alone.
    void DropVehiclesBeyond(std::size_t count) {
        if (EditorOpen()) w->VehData_Cancel->UserClick();
        auto& g = core::GlobalChassisLab();
        g.Vehicles.resize(std::min(count, g.Vehicles.size()));
        g.VehicleCount = static_cast<uint8_t>(g.Vehicles.size());
        while (w->Main_SelectVeh->ListCount() > static_cast<int>(count))
            w->Main_SelectVeh->RemoveItem(w->Main_SelectVeh->ListCount() - 1);
        Messages().Clear();
    }

    void RunShard(int shard) {
        MakeFolder();
        w = &StartWithCars();
        auto& g = core::GlobalChassisLab();
        // Selecting a vehicle reruns every analysis, milliseconds that play no part here.
        g.SuppressRecalc = core::VbTrue;
        const std::size_t shipped = g.Vehicles.size();
        for (int n = 0; n < Count(); ++n) {
            Rng rng(static_cast<uint64_t>(shard) * 1000003u + static_cast<uint64_t>(n));
            const std::string name = "P" + std::to_string(shard) + "-" + std::to_string(n);
            where = "shard " + std::to_string(shard) + " vehicle " + std::to_string(n);
            const VehicleRecord v = RandomVehicle(rng, fields, name);
            const VehicleRecord typed = RandomVehicle(rng, fields, name);
            core::ApplyUnitPreset(static_cast<int16_t>(Pick(rng, 3)));

            vehtest::WriteVehicleFile(Path("random"), v);
            if (ui::LoadVehicleFileIntoWindow(*w, Path("random"), true)) {
                ui::SelectVehicle(*w, false);
                OpensValidInEveryPreset(rng, v.Drivetrain.DriveType);
                if (Chance(rng, 0.15)) {  // stored unchanged, it keeps every byte
                    w->VehData_UpdateVeh->UserClick();
                    if (const int at = FirstDifference(g.Vehicles.back(), v); at != -1)
                        Find("stored unchanged, byte " + std::to_string(at) + " differs");
                    w->VehData_EditExisting->UserClick();
                }
            } else {
                // Refused: opened in the editor (as a new vehicle copied from it), it cannot be
                // stored, and the field the reader names first is red; a field without a box
                // (a list, a figure the editor does not hold) the editor cannot show.
                const std::string& message = Messages().Last().text;
                const std::string reader = message.substr(message.find('\n') + 1);
                g.CurrentVehicle = v;
                w->VehData_CreateNew->UserClick();
                w->VehData_NewName->SetText(name);
                if (NamedBoxIsRed(reader, v.Drivetrain.DriveType) && w->VehData_AddVeh->Enabled())
                    Find("the editor stores what the reader refuses: " + reader);
            }
            TypeOver(rng, typed);
            StoresWhatTheReaderLoads();
            DropVehiclesBeyond(shipped);
        }
        EXPECT_EQ(findingCount, 0) << findingCount << " findings, the first:\n"
                                   << ::testing::PrintToString(findings);
    }

    // Every engine-speed box typed back as it shows, the record judged once, as typing the last
    // box's last character judges it.
    void RetypeSpeedBoxes() {
        for (const BoxField& f : fields)
            if (f.scale == Scale::Speed) ui::ForgetFilledFigure(f.box(*w));
        ui::ValidateVehicleEditorInputs(*w);
    }
    std::string SpeedTexts() {
        std::string texts;
        for (const BoxField& f : fields)
            if (f.scale == Scale::Speed) texts += (texts.empty() ? "" : " ") + f.box(*w).Text();
        return texts;
    }

    void RunNearSpeedsShard(int shard) {
        MakeFolder();
        w = &StartWithCars();
        auto& g = core::GlobalChassisLab();
        g.SuppressRecalc = core::VbTrue;
        const std::size_t shipped = g.Vehicles.size();
        const int count = Count(kNearSpeedVehicles);
        int loaded = 0;
        for (int n = 0; n < count; ++n) {
            Rng rng(static_cast<uint64_t>(shard) * 1000003u + static_cast<uint64_t>(n));
            const std::string name = "S" + std::to_string(shard) + "-" + std::to_string(n);
            const VehicleRecord v = NearSpeedsVehicle(rng, name);
            vehtest::WriteVehicleFile(Path("near"), v);
            if (!ui::LoadVehicleFileIntoWindow(*w, Path("near"), true)) continue;
            ++loaded;
            ui::SelectVehicle(*w, false);
            for (int preset = 0; preset <= 2; ++preset) {
                for (const core::UnitRow& unit : core::UnitRows(core::Quantity::ARV)) {
                    where = "shard " + std::to_string(shard) + " vehicle " + std::to_string(n) +
                            " preset " + std::to_string(preset) + " " + std::string(unit.Name);
                    core::ApplyUnitPreset(static_cast<int16_t>(preset));
                    core::SelectUnitByName(core::Quantity::ARV, unit.Name);
                    if (EditorOpen()) {
                        ui::Main_VehData_EditExisting_Click(*w);
                    } else {
                        w->VehData_EditExisting->UserClick();
                    }
                    LooksValid(v.Drivetrain.DriveType);
                    if (!w->VehData_UpdateVeh->Enabled()) Find("Update disabled on opening");
                    RetypeSpeedBoxes();
                    if (!w->VehData_UpdateVeh->Enabled())
                        Find("speeds typed back as shown (" + SpeedTexts() + ") refused: " +
                             ReaderSays(ui::VehicleToStore(*w)));
                }
            }
            DropVehiclesBeyond(shipped);
        }
        // Nearly every such vehicle loads: the pairs lie within their order's slack.
        EXPECT_GT(loaded, count * 9 / 10);
        EXPECT_EQ(findingCount, 0) << findingCount << " findings, the first:\n"
                                   << ::testing::PrintToString(findings);
    }

    ui::Main* w = nullptr;
    std::filesystem::path folder;
    const std::vector<BoxField> fields = AllBoxFields();
    std::string where;
    std::vector<std::string> findings;
    int findingCount = 0;
    int stores = 0;
};

TEST_P(VehicleEditorProperties, EditorAndReaderJudgeRandomVehiclesAlike) { RunShard(GetParam()); }

TEST_P(VehicleEditorProperties, SpeedsAHairApartTypedBackAsShownPass) {
    RunNearSpeedsShard(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Shard, VehicleEditorProperties, ::testing::Range(0, kShards));

}  // namespace
