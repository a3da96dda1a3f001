// Opening and saving setup files through the main window's setting controls: round trips,
// refusals that change nothing, the order the controls are set in, the file name's car code.
#include <algorithm>
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "core/LFSCars.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "support/SetupTestSupport.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/settings/SetupControlConfig.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

using namespace setuptest;
using files::SetupControlValues;

// Every field different from DistinctValues(), still inside the sliders and the lists.
SetupControlValues OtherValues() {
    const auto& t = core::TextTable();
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    SetupControlValues v;
    v.BrakeBalance = 55;
    v.BrakeMaxTorque = 2000;
    v.ABS = 0;
    v.TC = 1;
    v.TCSlipRatio = 150;
    v.TCSlipSpeed = 7;
    v.EBR = 10;
    v.SpringTravel = {200, 210};
    v.SpringStiffness = {500, 600};
    v.BumpDamp = {20, 21};
    v.ReboundDamp = {30, 31};
    v.ARBStiffness = {100, 110};
    v.SteerToe = {9, 9};
    v.SteerCaster = {40, 0};
    v.SteerAckermann = 80;
    v.SteerLock = 20;
    v.MiscConfig = 0;
    v.Passengers = {t.OccupantTypeNames[0], t.OccupantTypeNames[1], t.OccupantTypeNames[0],
                    t.OccupantTypeNames[0]};
    v.GearRatioText = {"4", "3.1", "2.2", "1.7", "1.3", "1.05", "0.9", "0.8", "4.1"};
    v.DiffType = {t.DiffTypeNames[0], t.DiffTypeNames[2], t.DiffTypeNames[0]};
    v.DiffPowerLocking = {20, 30};
    v.DiffCoastLocking = {40, 50};
    v.DiffPreLoad = {1, 2};
    v.ViscousTorque = {3, 5, 7};
    v.TorqueSplitCentre = 30;
    v.TyreCompound = {compounds[5].Name, compounds[6].Name};
    v.Symmetric = true;  // right wheels as the left ones, as the window keeps them
    v.TyrePressure = {150, 150, 170, 170};
    v.TyreCamber = {30, 30, 32, 32};
    v.TyreBrand = t.TyreBrands[1];
    v.WingAngle = {3, 4};
    v.HandicapIntake = 5;
    v.HandicapMass = 6;
    v.HandicapMassPos = 7;
    return v;
}

class SetupFileIOTest : public vehtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        core::OptionsSettings() = {};
        core::SetDefaultOptions();  // compatibility mode on
        core::InitLFSCars();
        vehicle::InitTyreCompounds();
        files::SetupFile() = files::SetupFileState{};
        std::filesystem::create_directories(root / "setups");
        ui::ResetMainWindow();
        m = &ui::MainWindow();
        // What configuring the setup page offers for a vehicle without a simulator car.
        for (int c : {0, 2})
            for (const auto& row : vehicle::TyreCode().TyreCompounds)
                m->Set_TyreCompound(c).AddItem(row.Name);

        auto simCar = SeatedVehicle("XR GT");
        auto ownCar = SeatedVehicle("Car: One");
        ownCar.Drivetrain.NumGears = 5;
        AddVehicle(simCar);
        AddVehicle(ownCar);
        MakeCurrent(1);
    }
    void TearDown() override {
        ui::ResetMainWindow();
        files::SetupFile() = files::SetupFileState{};
        ProgramFolderTest::TearDown();
    }

    // A vehicle of distinct values with its passengers seated inside it: seated metres
    // outside, they load one wheel with hundreds of kN, and the runs that opening a setup
    // reruns refuse the vehicle for its flattened tyre.
    static vehicle::VehicleRecord SeatedVehicle(const std::string& name) {
        vehicle::VehicleRecord v = vehtest::DistinctVehicle(name);
        v.Seats = vehtest::ValidVehicle(name).Seats;
        return v;
    }
    void AddVehicle(const vehicle::VehicleRecord& v) {
        auto& g = core::GlobalChassisLab();
        g.Vehicles.push_back(v);
        g.VehicleCount = static_cast<uint8_t>(g.Vehicles.size());
        m->Main_SelectVeh->AddItem(v.Name);
    }
    // What selecting the vehicle sets for the setup commands.
    void MakeCurrent(std::size_t i) {
        auto& g = core::GlobalChassisLab();
        g.CurrentVehicle = g.Vehicles[i];
        const int row = core::FindLFSCarByName(g.CurrentVehicle.Name);
        g.HasLFSCar = core::ToVbBool(row >= 0);
        if (row >= 0) g.CurrentLFSCar = core::LFSCarTable().LFSCars[static_cast<std::size_t>(row)];
        m->Main_SelectVeh->SetText(g.CurrentVehicle.Name);
    }
    std::string SetupPath(const std::string& name) const { return (root / "setups" / name).string(); }
    bool Save(const std::string& path) {
        files::SetupFile().SetupSavePath = path;
        return ui::SaveSetupFile();
    }
    bool Open(const std::string& path, bool showMessages = true) {
        files::SetupFile().SetupOpenPath = path;
        return ui::OpenSetupFile(showMessages);
    }
    SetupControlValues Controls() const { return ui::ReadSetupControlValues(*m); }

    ui::Main* m = nullptr;
};

TEST_F(SetupFileIOTest, SaveThenOpenRestoresEveryControl) {
    ui::ApplySetupControlValues(*m, DistinctValues());
    ASSERT_EQ(Controls(), DistinctValues());  // every value is one the controls hold
    const std::string path = SetupPath("Car One_track.set");
    ASSERT_TRUE(Save(path));
    const std::string written = vehtest::ReadFile(path);
    EXPECT_EQ(written.size(), 132u);

    ui::ApplySetupControlValues(*m, OtherValues());
    ClearMessages();
    ASSERT_TRUE(Open(path));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Controls(), DistinctValues());
    EXPECT_EQ(m->Caption(), "ChassisLab (" + path + ")");
    EXPECT_EQ(files::SetupFile().SetupSavePath, path);
    EXPECT_EQ(core::GlobalChassisLab().SuppressRecalc, core::VbFalse);
    EXPECT_EQ(m->Main_SelectVeh->Text(), core::GlobalChassisLab().Vehicles[1].Name);

    // Saving the opened setup again gives the same bytes.
    ASSERT_TRUE(ui::SaveSetupFile());
    EXPECT_EQ(vehtest::ReadFile(path), written);
}

TEST_F(SetupFileIOTest, SimulatorCarTakesFixedCasterAndReverseInCompatibilityMode) {
    MakeCurrent(0);  // "XR GT": caster fixed at 6.0 degrees, reverse 3.578
    // The setting page as the program shows it for this car: only its own compounds offered.
    ui::ConfigureSetupControls();
    ui::ApplySetupControlValues(*m, DistinctValues());
    SetupControlValues expected = Controls();
    const std::string path = SetupPath("XRG_race.set");
    ASSERT_TRUE(Save(path));
    ui::ApplySetupControlValues(*m, OtherValues());
    ASSERT_TRUE(Open(path));
    expected.SteerCaster[0] = 60;
    expected.GearRatioText[0] = "3.578";  // the car's own reverse, through its slider
    EXPECT_EQ(Controls(), expected);
    EXPECT_EQ(m->Set_GearRatioSlider(0).Value(), 3578);
}

TEST_F(SetupFileIOTest, BadFilesGiveTheirMessageAndChangeNothing) {
    const std::string good = [&] {
        ui::ApplySetupControlValues(*m, DistinctValues());
        const std::string p = SetupPath("Car One_good.set");
        EXPECT_TRUE(Save(p));
        return vehtest::ReadFile(p);
    }();
    auto spoilt = [&](std::size_t offset, uint8_t value) {
        std::string b = good;
        b[offset] = static_cast<char>(value);
        return b;
    };
    const auto& t = core::TextTable();
    struct Case {
        std::string what, file;
        std::optional<std::string> bytes;  // nullopt: no file at all
        std::string text, title;
        bool shownWhenSilent;
    };
    const std::vector<Case> cases = {
        {"missing", "Car One_missing.set", std::nullopt, t.MsgFileNotExist, t.MsgTitleError, false},
        {"empty", "Car One_empty.set", std::string(), "The file is empty.\r\nNot a valid setup file",
         t.MsgTitleError, false},
        {"short", "Car One_short.set", good.substr(0, 131), t.MsgBadSetupFile, t.MsgTitleError, false},
        {"identifier", "Car One_id.set", "SRSETX" + good.substr(6), t.MsgBadSetupFile,
         t.MsgTitleError, false},
        {"version 1", "Car One_v1.set", spoilt(8, 1), t.MsgBadSetupVersion, t.MsgTitleProblem, false},
        {"version 3", "Car One_v3.set", spoilt(8, 3), t.MsgBadSetupVersion, t.MsgTitleProblem, false},
        // One field out of its range, named with its value (the fields are taken one by one
        // in the file tests).
        {"balance", "Car One_bal.set", spoilt(26, 101),
         t.MsgBadSetupFile + "\r\nBrake balance: 101% (allowed: 0 to 100%)", t.MsgTitleError, false},
        {"unknown car", "ZZZ_x.set", good, t.MsgSetupVehicleNotLoaded, t.MsgTitleProblem, true},
        {"no underscore", "Car One.set", good, t.MsgSetupVehicleNotLoaded, t.MsgTitleProblem, true},
    };
    ui::ApplySetupControlValues(*m, OtherValues());
    auto& g = core::GlobalChassisLab();
    for (const Case& c : cases) {
        for (bool showMessages : {true, false}) {
            SCOPED_TRACE(c.what + (showMessages ? " (menu)" : " (default setup)"));
            const std::string path = SetupPath(c.file);
            if (c.bytes) vehtest::WriteFile(path, *c.bytes);
            files::SetupFile().SetupSavePath = "previous.set";
            g.HasLFSCar = core::VbFalse;
            const std::string caption = m->Caption();
            const auto clampsBefore = platform::SliderClampTotal();
            ClearMessages();

            EXPECT_FALSE(Open(path, showMessages));
            if (showMessages || c.shownWhenSilent) {
                ASSERT_EQ(Shown().size(), 1u);
                EXPECT_EQ(Shown()[0].text, c.text);
                EXPECT_EQ(Shown()[0].title, c.title);
            } else {
                EXPECT_TRUE(Shown().empty());
            }
            EXPECT_EQ(Controls(), OtherValues());
            EXPECT_EQ(m->Caption(), caption);
            EXPECT_EQ(files::SetupFile().SetupSavePath, "previous.set");
            EXPECT_EQ(g.HasLFSCar, core::VbFalse);
            EXPECT_EQ(g.SuppressRecalc, core::VbFalse);
            EXPECT_EQ(platform::SliderClampTotal(), clampsBefore);
            EXPECT_EQ(vehtest::ReadFile(path), c.bytes.value_or(""));
        }
    }
}

// The controls are set group by group; the symmetric/asymmetric choice, whose handler copies
// and locks the right-hand tyre sliders, comes before the four pressures and cambers.
TEST_F(SetupFileIOTest, ControlsAreSetInTheReadersOrder) {
    SetupControlValues file = DistinctValues();
    file.Symmetric = true;  // left and right still differ in the file
    // Written straight from the values: through the window the symmetric choice would copy
    // the left wheels over the right ones before the save.
    files::LFSSetupRecord record;
    ASSERT_TRUE(files::RecordFromControls(file, files::SetupWriteContext(), record).ok);
    const files::SetupFileBytes bytes = files::SerializeSetupRecord(record);
    const std::string path = SetupPath("Car One_order.set");
    vehtest::WriteFile(path, std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    ui::ApplySetupControlValues(*m, OtherValues());
    m->Set_Asym(0).SetValue(true);

    std::vector<std::string> events;
    std::vector<core::VbBool> suppressSeen;
    auto note = [&](const char* what) {
        return [&events, &suppressSeen, what] {
            events.push_back(what);
            suppressSeen.push_back(core::GlobalChassisLab().SuppressRecalc);
        };
    };
    // Selecting the file's vehicle refills selectors before the file is applied; the
    // reader's order starts with the brakes.
    m->Set_BrakeBalance->Change = [&events, &suppressSeen, note] {
        if (std::find(events.begin(), events.end(), "brakes") == events.end()) {
            events.clear();
            suppressSeen.clear();
        }
        note("brakes")();
    };
    m->Set_SteerLock->Change = note("steering");
    m->Set_GearRatioText(8).Change = note("gears");
    m->Set_TyreCompound(2).Click = note("compounds");
    // As the window's own handler does: copy the left wheels to the right and lock the right.
    m->Set_Asym(1).Click = [&] {
        note("symmetric")();
        for (int w : {1, 3}) {
            m->Set_TyrePressure(w).SetValue(m->Set_TyrePressure(w - 1).Value());
            m->Set_TyreCamber(w).SetValue(m->Set_TyreCamber(w - 1).Value());
            m->Set_TyrePressure(w).SetEnabled(false);
            m->Set_TyreCamber(w).SetEnabled(false);
        }
    };
    for (int w = 0; w < 4; ++w) {
        m->Set_TyrePressure(w).Change = note("pressure");
        m->Set_TyreCamber(w).Change = note("camber");
    }
    m->Set_AeroWingAngle(1).Change = note("wings");
    m->Set_HandicapMassPos->Change = note("handicaps");

    ASSERT_TRUE(Open(path));
    auto first = [&](const std::string& what) {
        return std::find(events.begin(), events.end(), what) - events.begin();
    };
    const std::vector<std::string> order = {"brakes",   "steering", "gears",  "compounds",
                                            "symmetric", "pressure", "camber", "wings",
                                            "handicaps"};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        ASSERT_LT(first(order[i]), static_cast<long>(events.size())) << order[i] << " not set";
        EXPECT_LT(first(order[i]), first(order[i + 1])) << order[i] << " before " << order[i + 1];
    }
    // The file's own right-hand values win over the copies the symmetric handler made.
    EXPECT_EQ(Controls().TyrePressure, file.TyrePressure);
    EXPECT_EQ(Controls().TyreCamber, file.TyreCamber);
    EXPECT_TRUE(std::all_of(suppressSeen.begin(), suppressSeen.end(),
                            [](core::VbBool s) { return s == core::VbTrue; }));
    EXPECT_EQ(core::GlobalChassisLab().SuppressRecalc, core::VbFalse);
}

// Which option button means what; the round trip above shows that opening sets them back.
TEST_F(SetupFileIOTest, AsymmetricOptionSetsFlagBitZero) {
    ui::ApplySetupControlValues(*m, DistinctValues());
    const std::string path = SetupPath("Car One_asym.set");
    m->Set_Asym(0).SetValue(true);  // "Asymmetric"
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(ByteAt(vehtest::ReadFile(path), 12) & 1, 1);
    m->Set_Asym(1).SetValue(true);  // "Symmetric"
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(ByteAt(vehtest::ReadFile(path), 12) & 1, 0);
}

TEST_F(SetupFileIOTest, UnstorableGearRatioRefusesTheSaveNamingTheGear) {
    ui::ApplySetupControlValues(*m, DistinctValues());
    const std::string path = SetupPath("Car One_gears.set");
    vehtest::WriteFile(path, "the old file");
    // A ratio typed and not yet committed (the save chosen from the menu, the box still
    // holding the focus).
    platform::TextBox& third = m->Set_GearRatioText(3);
    third.UserFocus();
    third.SetSelStart(0);
    third.SetSelLength(static_cast<int>(third.Text().size()));
    third.UserType("9");
    ClearMessages();
    EXPECT_FALSE(Save(path));
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_NE(Shown()[0].text.find("3rd gear"), std::string::npos) << Shown()[0].text;
    EXPECT_EQ(vehtest::ReadFile(path), "the old file");

    // The car has five gears: an empty 7th gear row is not in use and does not stop the save.
    m->Set_GearRatioText(3).SetText("1.9");
    m->Set_GearRatioText(7).SetText("");
    ClearMessages();
    EXPECT_TRUE(Save(path));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(vehtest::ReadFile(path).size(), 132u);
}

TEST_F(SetupFileIOTest, SaveReplacesTheFileAndReportsWhatFails) {
    ui::ApplySetupControlValues(*m, DistinctValues());
    const std::string path = SetupPath("Car One_old.set");
    vehtest::WriteFile(path, std::string(500, 'x'));
    ASSERT_TRUE(Save(path));
    EXPECT_EQ(vehtest::ReadFile(path).size(), 132u);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(root / "setups")) ++files;
    EXPECT_EQ(files, 1u);  // no temporary file left behind

    ClearMessages();
    EXPECT_FALSE(Save((root / "no such folder" / "Car One_x.set").string()));
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].title, core::TextTable().MsgTitleError);

    ClearMessages();
    EXPECT_FALSE(Save(""));
    EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(SetupFileIOTest, CarCodeOfTheFileNameFindsTheVehicle) {
    ui::ApplySetupControlValues(*m, DistinctValues());
    MakeCurrent(0);
    const std::string sim = SetupPath("XRG_any_name.set");
    ASSERT_TRUE(Save(sim));
    MakeCurrent(1);
    const std::string own = SetupPath("Car One_x.set");  // "Car: One" without the colon
    ASSERT_TRUE(Save(own));

    EXPECT_TRUE(Open(sim));
    EXPECT_EQ(m->Main_SelectVeh->Text(), core::GlobalChassisLab().Vehicles[0].Name);
    EXPECT_TRUE(Open(own));
    EXPECT_EQ(m->Main_SelectVeh->Text(), core::GlobalChassisLab().Vehicles[1].Name);

    // Without compatibility mode the code must be a vehicle's own cleaned name.
    core::OptionsSettings().LFSMode = core::VbFalse;
    ClearMessages();
    EXPECT_FALSE(Open(sim, false));
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, core::TextTable().MsgSetupVehicleNotLoaded);

    // A name ending in a removed character: the default setup is named without it and the
    // blank before it, and is found again.
    AddVehicle(vehtest::DistinctVehicle("Trail :"));
    const std::string trail = SetupPath("Trail_Default.set");
    std::filesystem::copy_file(own, trail);
    EXPECT_TRUE(Open(trail, false));
    EXPECT_EQ(m->Main_SelectVeh->Text(), core::GlobalChassisLab().Vehicles[2].Name);
}

// A vehicle whose name holds "_" opens its own setups, its default setup among them: the
// longest loaded name that, followed by "_", begins the file name. Other names still go by
// the text before the first "_".
TEST_F(SetupFileIOTest, AVehicleNameHoldingAnUnderscoreFindsItsOwnSetups) {
    for (const char* name : {"Track", "Track_Car", "Track_Car_GT", "Rally\\Car"})
        AddVehicle(SeatedVehicle(name));
    ui::ApplySetupControlValues(*m, DistinctValues());
    const std::string own = SetupPath("own.set");
    ASSERT_TRUE(Save(own));
    MakeCurrent(0);  // "XR GT": its travel is stored against the simulator car's reference
    const std::string sim = SetupPath("sim.set");
    ASSERT_TRUE(Save(sim));

    const struct {
        const char* file;
        const std::string* bytesOf;
        int vehicle;  // index in the vehicle list; -1: none
    } cases[] = {
        {"Track_Car_mine.set", &own, 3}, {"Track_Car_Default.set", &own, 3},
        {"Track_Car_GT_x.set", &own, 4}, {"Track_Car_GTx.set", &own, 3},
        {"Track_Carx.set", &own, 2},     {"RallyCar_Default.set", &own, 5},
        {"XRG_Track_Car_x.set", &sim, 0}, {"Trac_Car_x.set", &own, -1},
        // "\\" is a character of the name, as "/" is not.
        {"Track_Car_rain\\slick.set", &own, 3},
    };
    const auto& g = core::GlobalChassisLab();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = SetupPath(c.file);
        std::filesystem::copy_file(*c.bytesOf, path, std::filesystem::copy_options::overwrite_existing);
        ClearMessages();
        m->Main_SelectVeh->SetText(g.Vehicles[1].Name);
        EXPECT_EQ(Open(path, false), c.vehicle >= 0);
        if (c.vehicle >= 0) {
            EXPECT_TRUE(Shown().empty()) << Shown()[0].text;
            EXPECT_EQ(m->Main_SelectVeh->Text(), g.Vehicles[static_cast<std::size_t>(c.vehicle)].Name);
        } else {
            ASSERT_EQ(Shown().size(), 1u);
            EXPECT_EQ(Shown()[0].text, core::TextTable().MsgSetupVehicleNotLoaded);
        }
    }
}

}  // namespace
