// Writes the sample vehicles shipped in the program folder: three production cars, one of each
// driven layout, built from their makers' published figures.
//
//   make_sample_vehicles <data folder>
//
// writes <folder>/vehicles/<name>.vd3 (the vehicle files), <folder>/setups/<name>_Default.set
// (each car's gear ratios, tyres, differentials and driver, applied when the car is selected)
// and <folder>/autoveh.lst (the cars loaded at start-up), all through the program's own
// writers. The setups are made by running the program itself, headless, in a scratch folder:
// the setting controls start from the program's defaults and only the figures below change.
//
// Conventions of the vehicle record: masses kg, lengths m, engine speeds rpm, power kW, torque
// N m, angles rad; X = share of a mass on the right-hand wheels (0.5 = centre line), Y = share
// on the front axle (the front weight distribution), Z = height in m above RefHeight. RefHeight
// is 0 here, so every height is above the ground.
//
// Where a figure is an estimate rather than a published one, the comment says so and why.
#include <stdlib.h>  // mkdtemp

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "files/FileHelpers.hpp"
#include "files/ListFiles.hpp"
#include "files/SafeFileWrite.hpp"
#include "files/SetupFileContext.hpp"
#include "files/VehicleFile.hpp"
#include "platform/ServiceDoubles.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/startup/MainStartUp.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/main/startup/VehicleSelection.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace {

namespace fs = std::filesystem;

constexpr double kPi = 3.14159265358979323846;
constexpr float Deg(double degrees) { return static_cast<float>(degrees * kPi / 180.0); }

// Petrol is row 0 of the fuel table (0.737 kg/L, the density used for the fuel masses below).
constexpr uint8_t kPetrol = 0;

// The setup a car is delivered with, as the setting controls hold it.
struct SampleSetup {
    // Gear rows as the ratio boxes number them: 0 reverse, 1..6 forward gears, 8 final drive.
    std::vector<std::pair<int, std::string>> ratios;
    std::string frontDiff, rearDiff, centreDiff;  // "Open", "Locked", "Viscous", "Clutch pack"
    int centreSplitPercent = 50;                  // front share of the drive torque, %
    std::string compound;                         // tyre compound row name
    int pressureFrontKPa = 0, pressureRearKPa = 0;
    int driverMassKg = 0;      // the driver, carried as the handicap mass
    int driverPosPercent = 0;  // the driver's seat, per cent of the mass on the front axle
    // Brakes: the largest torque of the system (N m, front + rear wheel of one side as the
    // slider holds it) and the front share. Estimates that let the car reach about 1 g, the
    // braking a road test of each of these cars records (60-0 mph in about 35-37 m).
    int brakeMaxTorque = 0;
    int brakeBalancePercent = 0;
};

struct Sample {
    vehicle::VehicleRecord record;
    SampleSetup setup;
};

// Common estimates for a road car of this size where the maker publishes nothing.
void RoadCarDefaults(vehicle::VehicleRecord& v) {
    v.RefHeight = 0.0f;  // heights measured from the ground
    // Body aerodynamic centre: mid-wheelbase, about half the car's height (estimate).
    v.AeroElements[0] = {0, 0.5f, 0.5f, 0.60f};
    for (int e = 1; e < 4; ++e) v.AeroElements[e] = {0, 0.5f, 0.5f, 0.30f};  // no devices
    v.Engine.EngineBrakingCoeff = 0.07f;  // closed-throttle drag of a road engine (estimate)
    v.Engine.ReducePowerFactor = 1.0f;    // the fit passes through the published power peak
    v.Engine.ShiftPowerFactor = 1.0f;     // ... at the published engine speed
    v.Engine.UpperShapeB = 1.0f;          // constant power just past the peak
    v.Engine.FuelType = kPetrol;
    v.Drivetrain.HasReverse = core::VbTrue;
    v.MaxPassengers = 4;
}

// Volkswagen Golf GTI (Mk7, 2013, three doors, 6-speed manual, 162 kW / 220 PS).
Sample GolfGti() {
    Sample s;
    vehicle::VehicleRecord& v = s.record;
    RoadCarDefaults(v);
    vehicle::SetVehicleName(v, "VW Golf GTI Mk7");
    // EU kerb mass 1351 kg includes a 75 kg driver and a 90 % full tank (45 L x 0.737 kg/L =
    // 33 kg): 1351 - 75 - 33 = 1243 kg empty. The driver goes back in through the setup.
    v.BodyMass = 1243.0f;
    // 61.5 % on the front axle (published axle loads of the empty car, rounded); CoG height:
    // estimate, 0.54 m typical of a hatchback of this height (1.44 m).
    v.BodyCoG = {0.5f, 0.615f, 0.54f};
    v.FuelTankCapacity = 50.0f;              // L
    v.FuelTankPos = {0.5f, 0.30f, 0.30f};    // under the rear seat, ahead of the rear axle
    v.FrontalArea = 2.19f;                   // m^2
    v.DragCoefficient = 0.30f;
    v.LiftCoefficient = 0.10f;  // estimate: a small net lift, typical of a hatchback
    auto& e = v.Engine;
    e.PeakTorque = 350.0f;       // N m, published from 1500 to 4400 rpm
    e.TorquePeakRPM = 1500.0f;
    // The plateau is ended at 4200 rpm, not 4400: the curve above it leaves the plateau with
    // zero slope, so a plateau to 4400 rpm carries 350 N m on past 4500 rpm and overshoots
    // the published power by 3 %. Ending it at 4200 rpm keeps the torque at 4400 rpm within
    // 1 N m of 350 and the power within 161-163 kW over the published 4500-6200 rpm band.
    e.TorquePeakWidth = 2700.0f;
    e.PeakPower = 162.0f;        // kW, published from 4500 to 6200 rpm: the fit takes 6200
    e.PowerPeakRPM = 6200.0f;
    e.IdleRPM = 750.0f;
    e.LimitRPM = 6500.0f;        // rev limiter (estimate from the rev counter's red line)
    e.IdleTorqueFraction = 0.45f;  // estimate: a turbo engine at idle, boost not yet built
    e.LowerShape = 1.0f;
    // Weight of the peak torque at the fit's middle point (5400 rpm): chosen so that the
    // power stays flat over 4500-6200 rpm, as published.
    e.UpperShapeA = 0.35f;
    v.Drivetrain.DrivetrainEfficiency = 0.90f;  // estimate: transverse manual, front drive
    v.Drivetrain.ShiftTime = 0.35f;             // s, a quick manual shift (estimate)
    v.Drivetrain.DriveType = vehicle::kDriveFront;
    v.Drivetrain.NumGears = 6;
    v.Tyres[0] = {225, 45, 17};
    v.Tyres[1] = {225, 45, 17};
    v.RotatingMass = {20.0f, 20.0f};  // kg: 17 x 7.5 alloy wheel 10 kg + tyre 10 kg (estimate)
    // MacPherson struts in front, multi-link rear. Steering-axis inclination about 13 degrees
    // (estimate); static camber about -0.7 front, -1.3 rear (estimate).
    v.Axles[0] = {1.0f, 1.0f, Deg(13.0), Deg(13.0 - 0.7), 85.0f, 0.13f, 1.538f};
    v.Axles[1] = {1.0f, 1.0f, 0.0f, Deg(-1.3), 75.0f, 0.13f, 1.516f};
    v.Wheelbase = 2.631f;
    v.HandicapHeight = 0.50f;  // the driver's centre of gravity, m (estimate)
    // Passenger seats: front at 0.37 m right of the centre line, 1.15 m behind the front axle;
    // rear 0.37 m off the centre line, 2.1 m behind the front axle (estimates).
    v.Seats[0] = {0.74f, 1.0f - 1.15f / 2.631f, 0.50f};
    v.Seats[1] = {0.74f, 1.0f - 2.10f / 2.631f, 0.52f};

    // Gears: 3.769, 2.087, 1.324, 0.977 on a 3.944 final drive; 5th 0.975 and 6th 0.814 run on
    // a second final drive of 3.087. One final drive is modelled, so 5th and 6th are stated
    // on 3.944: 0.975 x 3.087 / 3.944 = 0.763, 0.814 x 3.087 / 3.944 = 0.637.
    s.setup.ratios = {{0, "4.549"}, {1, "3.769"}, {2, "2.087"}, {3, "1.324"}, {4, "0.977"},
                      {5, "0.763"}, {6, "0.637"}, {8, "3.944"}};
    s.setup.frontDiff = "Open";  // the electronic XDS brake lock is not modelled
    s.setup.rearDiff = "Open";
    s.setup.centreDiff = "Open";
    s.setup.centreSplitPercent = 50;
    s.setup.compound = "Road Super";  // summer performance tyres
    s.setup.pressureFrontKPa = 240;   // door-pillar placard, part load
    s.setup.pressureRearKPa = 230;
    s.setup.driverMassKg = 75;
    s.setup.driverPosPercent = 56;  // driver's seat 1.15 m behind the front axle
    s.setup.brakeMaxTorque = 2600;
    s.setup.brakeBalancePercent = 70;
    return s;
}

// BMW M3 (E46 coupé, 2000, 6-speed manual, 252 kW / 343 PS).
Sample BmwM3() {
    Sample s;
    vehicle::VehicleRecord& v = s.record;
    RoadCarDefaults(v);
    vehicle::SetVehicleName(v, "BMW M3 E46");
    // DIN kerb mass 1495 kg with a full tank (63 L x 0.737 = 46 kg), no driver: 1449 kg empty.
    v.BodyMass = 1449.0f;
    // Published distribution close to 50:50 (51 % front); CoG height: estimate, 0.48 m for a
    // low coupé (1.37 m tall) with a cast-iron straight six.
    v.BodyCoG = {0.5f, 0.51f, 0.48f};
    v.FuelTankCapacity = 63.0f;
    v.FuelTankPos = {0.5f, 0.25f, 0.30f};  // ahead of the rear axle
    v.FrontalArea = 2.07f;
    v.DragCoefficient = 0.32f;
    v.LiftCoefficient = 0.08f;  // estimate: M bodywork with front splitter and boot lip
    auto& e = v.Engine;
    e.PeakTorque = 365.0f;      // N m at 4900 rpm
    e.TorquePeakRPM = 4900.0f;
    e.TorquePeakWidth = 500.0f; // estimate: the S54's torque stays near its peak to ~5400 rpm
    e.PeakPower = 252.0f;       // kW at 7900 rpm
    e.PowerPeakRPM = 7900.0f;
    e.IdleRPM = 850.0f;
    e.LimitRPM = 8000.0f;       // published maximum engine speed
    e.IdleTorqueFraction = 0.60f;  // estimate: a large naturally aspirated engine
    e.LowerShape = 1.5f;        // estimate: 80 % of the peak torque is there from 2500 rpm
    // Power at the fit's middle point (0.4 x 5400 + 0.6 x 7900 = 6900 rpm) about 240 kW, that
    // is 332 N m = (1 - a) 304.6 + a 365 with a = 0.45 (estimate from published curves).
    e.UpperShapeA = 0.45f;
    v.Drivetrain.DrivetrainEfficiency = 0.87f;  // estimate: longitudinal manual, rear drive
    v.Drivetrain.ShiftTime = 0.35f;
    v.Drivetrain.DriveType = vehicle::kDriveRear;
    v.Drivetrain.NumGears = 6;
    v.Tyres[0] = {225, 45, 18};
    v.Tyres[1] = {255, 40, 18};
    v.RotatingMass = {21.0f, 23.0f};  // kg, 18-inch forged alloy with tyre (estimate)
    // Struts in front, multi-link rear; inclination and camber estimates.
    v.Axles[0] = {1.0f, 1.0f, Deg(13.0), Deg(13.0 - 1.3), 90.0f, 0.12f, 1.508f};
    v.Axles[1] = {1.0f, 1.0f, 0.0f, Deg(-1.7), 95.0f, 0.12f, 1.525f};
    v.Wheelbase = 2.729f;
    v.HandicapHeight = 0.45f;
    v.Seats[0] = {0.74f, 1.0f - 1.35f / 2.729f, 0.45f};
    v.Seats[1] = {0.72f, 1.0f - 2.25f / 2.729f, 0.47f};
    v.MaxPassengers = 3;  // a four-seat coupé: front passenger and two in the back

    s.setup.ratios = {{0, "3.750"}, {1, "4.230"}, {2, "2.530"}, {3, "1.670"}, {4, "1.230"},
                      {5, "1.000"}, {6, "0.830"}, {8, "3.620"}};
    s.setup.frontDiff = "Open";
    s.setup.rearDiff = "Viscous";  // the M variable differential lock
    s.setup.centreDiff = "Open";
    s.setup.centreSplitPercent = 50;
    s.setup.compound = "Road Super";
    s.setup.pressureFrontKPa = 230;
    s.setup.pressureRearKPa = 250;
    s.setup.driverMassKg = 75;
    s.setup.driverPosPercent = 51;
    s.setup.brakeMaxTorque = 3000;
    s.setup.brakeBalancePercent = 64;
    return s;
}

// Subaru Impreza WRX STI (GD, 2004 North-American model, 2.5 l turbo, 224 kW / 300 hp).
Sample ImprezaSti() {
    Sample s;
    vehicle::VehicleRecord& v = s.record;
    RoadCarDefaults(v);
    vehicle::SetVehicleName(v, "Subaru Impreza WRX STI");
    // Published curb weight 3263 lb = 1480 kg with a full tank (60 L x 0.737 = 44 kg), no
    // driver: 1436 kg empty.
    v.BodyMass = 1436.0f;
    // About 60 % on the front axle; CoG height: estimate, 0.50 m for a saloon with a flat
    // four mounted low.
    v.BodyCoG = {0.5f, 0.60f, 0.50f};
    v.FuelTankCapacity = 60.0f;
    v.FuelTankPos = {0.5f, 0.28f, 0.32f};
    v.FrontalArea = 2.10f;
    v.DragCoefficient = 0.35f;   // with the large rear wing (estimate from published 0.33-0.36)
    v.LiftCoefficient = 0.05f;   // estimate: the wing and splitter cancel most body lift
    auto& e = v.Engine;
    e.PeakTorque = 407.0f;       // N m (300 lb ft) at 4000 rpm
    e.TorquePeakRPM = 4000.0f;
    e.TorquePeakWidth = 400.0f;  // estimate: a narrow plateau of a single turbo
    e.PeakPower = 224.0f;        // kW (300 hp) at 6000 rpm
    e.PowerPeakRPM = 6000.0f;
    e.IdleRPM = 800.0f;
    e.LimitRPM = 7000.0f;        // red line
    e.IdleTorqueFraction = 0.40f;  // estimate: turbo engine off boost
    e.LowerShape = 0.8f;         // estimate: torque builds late, as boost comes in
    // Middle point (0.4 x 4400 + 0.6 x 6000 = 5360 rpm): about 385 N m on published curves,
    // = (1 - a) 356.5 + a 407 with a = 0.56.
    e.UpperShapeA = 0.56f;
    v.Drivetrain.DrivetrainEfficiency = 0.82f;  // estimate: all-wheel drive with three diffs
    v.Drivetrain.ShiftTime = 0.35f;
    v.Drivetrain.DriveType = vehicle::kDriveAll;
    v.Drivetrain.NumGears = 6;
    v.Tyres[0] = {225, 45, 17};
    v.Tyres[1] = {225, 45, 17};
    v.RotatingMass = {19.0f, 19.0f};  // kg, forged 17-inch wheel with tyre (estimate)
    v.Axles[0] = {1.0f, 1.0f, Deg(13.0), Deg(13.0 - 1.0), 95.0f, 0.14f, 1.485f};
    v.Axles[1] = {1.0f, 1.0f, 0.0f, Deg(-1.5), 90.0f, 0.14f, 1.480f};
    v.Wheelbase = 2.525f;
    v.HandicapHeight = 0.50f;
    v.Seats[0] = {0.74f, 1.0f - 1.10f / 2.525f, 0.50f};
    v.Seats[1] = {0.74f, 1.0f - 2.00f / 2.525f, 0.52f};

    s.setup.ratios = {{0, "3.545"}, {1, "3.636"}, {2, "2.375"}, {3, "1.761"}, {4, "1.346"},
                      {5, "0.971"}, {6, "0.756"}, {8, "3.900"}};
    s.setup.frontDiff = "Clutch pack";  // helical limited-slip in front, Torsen at the rear
    s.setup.rearDiff = "Clutch pack";
    s.setup.centreDiff = "Viscous";     // the driver-controlled centre differential
    s.setup.centreSplitPercent = 35;    // its base split, 35 % front / 65 % rear
    s.setup.compound = "Road Super";
    s.setup.pressureFrontKPa = 230;
    s.setup.pressureRearKPa = 220;
    s.setup.driverMassKg = 75;
    s.setup.driverPosPercent = 56;
    s.setup.brakeMaxTorque = 3000;
    s.setup.brakeBalancePercent = 66;
    return s;
}

bool WriteVehicle(const vehicle::VehicleRecord& v, const std::string& path) {
    files::VehicleFileRecord record;
    record.Identifier = files::kVehicleFileId;
    record.Version = files::kVehicleFileVersion;
    record.Vehicle = v;
    const files::VehicleFileBytes bytes = files::EncodeVehicleFile(record);
    const std::string error = files::ReplaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!error.empty()) std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
    return error.empty();
}

// The car's setup: the program's defaults for this vehicle with the car's own figures.
files::SetupControlValues CarSetup(const files::SetupControlValues& defaults,
                                   const SampleSetup& s) {
    files::SetupControlValues v = defaults;
    for (const auto& [row, text] : s.ratios) v.GearRatioText[static_cast<std::size_t>(row)] = text;
    v.ReverseSlider.reset();
    v.DiffType = {s.frontDiff, s.rearDiff, s.centreDiff};
    v.TorqueSplitCentre = s.centreSplitPercent;
    v.TC = 0;
    v.BrakeMaxTorque = s.brakeMaxTorque;
    v.BrakeBalance = s.brakeBalancePercent;
    v.TyreCompound = {s.compound, s.compound};
    v.Symmetric = true;
    v.TyrePressure = {s.pressureFrontKPa, s.pressureFrontKPa, s.pressureRearKPa,
                      s.pressureRearKPa};
    v.Passengers = {"None", "None", "None", "None"};
    v.WingAngle = {0, 0};
    v.HandicapIntake = 0;
    v.HandicapMass = s.driverMassKg;
    v.HandicapMassPos = s.driverPosPercent;
    return v;
}

// Runs the program in `scratch` with the vehicles loaded and saves each car's setup through
// the setup file writer into `setupsDir`.
bool WriteSetups(const std::vector<Sample>& samples, const fs::path& scratch,
                 const fs::path& setupsDir) {
    platform::InstallServiceDoubles();
    ui::MainStartUp().ProgramFolder = scratch.string() + "/";
    ui::Main& w = ui::MainWindow();
    w.Show();  // start-up: loads the listed vehicles and prepares the first
    bool ok = true;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        w.Main_SelectVeh->UserSelect(static_cast<int>(i));
        if (core::GlobalChassisLab().CurrentVehicle.Name != samples[i].record.Name) {
            std::fprintf(stderr, "%s was not selected\n",
                         core::TrimRight(samples[i].record.Name).c_str());
            ok = false;
            continue;
        }
        ui::ApplySetupControlValues(w, CarSetup(ui::ReadSetupControlValues(w), samples[i].setup));
        // Named as selection looks for it: the simulator car's code or the cleaned name.
        const std::string name = files::GetFileNamePart(ui::DefaultSetupPath());
        files::SetupFile().SetupSavePath = (setupsDir / name).string();
        if (!ui::SaveSetupFile()) ok = false;
    }
    for (const auto& m : platform::MessageDouble().Requests()) {
        std::fprintf(stderr, "message: %s\n", m.text.c_str());
        ok = false;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    const std::vector<Sample> samples = {GolfGti(), BmwM3(), ImprezaSti()};

    std::error_code ec;
    fs::create_directories(out / "vehicles", ec);
    fs::create_directories(out / "setups", ec);
    // A scratch program folder in the system's temporary folder (TMPDIR when it is set).
    const fs::path temporary = fs::temp_directory_path(ec);
    std::string pattern = (temporary / "make-sample-vehicles-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "no scratch folder in the temporary folder %s\n",
                     temporary.string().c_str());
        return 1;
    }
    const fs::path scratch = pattern;
    fs::create_directories(scratch / "vehicles", ec);
    fs::create_directories(scratch / "setups", ec);

    bool ok = true;
    std::vector<std::string> stems;
    for (const Sample& s : samples) {
        // The name File > Save Vehicle Data proposes, so saving an edited car replaces its file.
        const std::string file = files::VehicleFileStem(s.record.Name) + ".vd3";
        ok = WriteVehicle(s.record, (out / "vehicles" / file).string()) && ok;
        ok = WriteVehicle(s.record, (scratch / "vehicles" / file).string()) && ok;
        stems.push_back(files::VehicleFileStem(s.record.Name));
    }
    core::GlobalChassisLab().AppDir = scratch.string() + "/";
    ok = files::SaveAutoVehicleList(stems) && ok;
    ok = ok && WriteSetups(samples, scratch, out / "setups");

    // The start-up list of the shipped program folder, written as the program writes it.
    ui::ResetMainWindow();
    core::GlobalChassisLab().AppDir = out.string() + "/";
    ok = files::SaveAutoVehicleList(stems) && ok;

    fs::remove_all(scratch, ec);
    if (!ok) {
        std::fprintf(stderr, "sample vehicles not written completely\n");
        return 1;
    }
    std::printf("wrote %zu sample vehicles to %s\n", samples.size(), out.string().c_str());
    return 0;
}
