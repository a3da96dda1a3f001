// What the start-up owes the window besides the analyses: the photo or the tools panel, the
// recent-files menu, the quiet update check, the search boxes' unit labels, the tyre compound
// lists, and the first vehicle's simulator car configuration; and how a setup file that does
// not fit the current vehicle, a centre differential byte and a car without reverse ratio are
// shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "core/LFSCars.hpp"
#include "core/OptionsSettings.hpp"
#include "files/SetupFileContext.hpp"
#include "support/SampleVehicles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/main/settings/SetupFileIO.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"
#include "ui/main/menus/WebLinks.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace {

namespace fs = std::filesystem;
using platform::MessageDouble;

class StartUpGapsTest : public testsupport::StartedProgram {
protected:
    void WriteVehicle(const std::string& stem, const std::string& name, bool reverse = true) {
        vehicle::VehicleRecord v = sample::SampleCar();
        vehicle::SetVehicleName(v, name);
        v.Drivetrain.HasReverse = core::ToVbBool(reverse);
        vehtest::WriteVehicleFile((root / "vehicles" / (stem + ".vd3")).string(), v);
    }
    void WriteList(const std::string& text) { vehtest::WriteFile(root / "autoveh.lst", text); }
    // Starts once to get an options file, rewrites one line of it, and starts again.
    ui::Main& RestartWithOption(const std::string& key, const std::string& value) {
        Start();
        ui::ResetMainWindow();
        const fs::path ini = root / "Options.ini";
        const std::string text = std::regex_replace(
            vehtest::ReadFile(ini), std::regex(key + "[^\r\n]*"), key + value);
        vehtest::WriteFile(ini, text);
        MessageDouble().Clear();
        return Start();
    }
    const core::LFSCarRecord& Car(const std::string& code) const {
        return core::LFSCarTable().LFSCars[core::FindLFSCarByCode(code)];
    }
};

TEST_F(StartUpGapsTest, WithoutVehiclesTheToolsShowAndTheListsAndLabelsAreFilled) {
    ui::Main& w = Start();
    EXPECT_TRUE(ui::VehicleToolsShown(w));
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    for (int wheel : {0, 2}) {
        EXPECT_EQ(w.Set_TyreCompound(wheel).ListCount(), static_cast<int>(compounds.size()));
        EXPECT_EQ(w.Set_TyreCompound(wheel).Text(), "Road Normal");
    }
    // The options file was missing: the SI preset's km/h and km.
    EXPECT_EQ(w.Analysis_AccLabel(38).Caption(), core::UnitSuffix(core::Quantity::Speed));
    EXPECT_EQ(w.Analysis_DecLabel(15).Caption(), core::UnitSuffix(core::Quantity::Speed));
    EXPECT_EQ(w.Analysis_AccLabel(39).Caption(), core::UnitSuffix(core::Quantity::DistanceLarge));
    EXPECT_EQ(w.Analysis_DecLabel(16).Caption(), core::UnitSuffix(core::Quantity::DistanceLarge));
    EXPECT_FALSE(w.Analysis_AccLabel(38).Caption().empty());
    EXPECT_TRUE(MessageDouble().Requests().empty());
}

TEST_F(StartUpGapsTest, WithTheLowResOptionOnAndNoVehicleBothToolFramesShow) {
    ui::Main& w = RestartWithOption("LowResControls: ", "-1");
    EXPECT_TRUE(ui::VehicleToolsShown(w));
    EXPECT_TRUE(w.TestControls->Visible());
    // The editor is open for a first vehicle, its store button on view.
    EXPECT_EQ(vehicle::VehCode().EditorOpen, core::VbTrue);
    EXPECT_TRUE(w.VehData_AddVeh->Visible());
}

TEST_F(StartUpGapsTest, TheSearchUnitLabelsFollowTheStoredAndChangedUnits) {
    WriteVehicle("first", "First car");
    WriteList("first\r\n");
    ui::Main& w = RestartWithOption("SpdUnits: ", "2");  // miles per hour
    EXPECT_EQ(w.Analysis_AccLabel(38).Caption(), " mph");
    EXPECT_EQ(w.Analysis_DecLabel(15).Caption(), " mph");

    // A change of unit reruns the searches, which write the labels again.
    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::Speed, "Metres per second"));
    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::DistanceLarge, "Miles"));
    ui::SearchAccRun(w, analysis::AccelerationCode().AccTimeStep);
    EXPECT_EQ(w.Analysis_AccLabel(38).Caption(), " m/s");
    EXPECT_EQ(w.Analysis_AccLabel(39).Caption(), core::UnitSuffix(core::Quantity::DistanceLarge));
    ui::RunDecelerationAnalysis(w);
    EXPECT_EQ(w.Analysis_DecLabel(15).Caption(), " m/s");
}

TEST_F(StartUpGapsTest, TheQuietUpdateCheckRunsOnlyWhenSwitchedOnAndSaysNothingOnFailure) {
    Start();
    EXPECT_TRUE(platform::HttpDouble().Requests().empty());
    ui::ResetMainWindow();
    RestartWithOption("AutoUpdate: ", "-1");
    ASSERT_EQ(platform::HttpDouble().Requests().size(), 1u);
    EXPECT_EQ(platform::HttpDouble().Requests()[0].url, ui::VersionFileAddress());
    EXPECT_TRUE(MessageDouble().Requests().empty());  // the unscripted fetch failed, quietly
}

TEST_F(StartUpGapsTest, WithVehiclesThePhotoShowsAndIsLoaded) {
    WriteVehicle("first", "First car");
    WriteList("first\r\n");
    fs::create_directories(root / "images");
    vehtest::WriteFile(root / "images" / "First.jpg", "jpeg");
    ui::Main& w = Start();
    EXPECT_FALSE(ui::VehicleToolsShown(w));
    EXPECT_TRUE(w.Info_VehPic->Visible());
    EXPECT_EQ(w.Info_VehPic->GetPicture().path, (root / "images" / "First.jpg").string());
}

TEST_F(StartUpGapsTest, ASimulatorCarAsFirstVehicleGetsItsOwnRangesAndCompounds) {
    WriteVehicle("xrg", "XR GT");
    WriteList("xrg\r\n");
    ui::Main& w = Start();
    const core::LFSCarRecord& car = Car("XRG");
    ASSERT_EQ(core::GlobalChassisLab().HasLFSCar, core::VbTrue);
    EXPECT_EQ(w.Set_SteerLock->Max(), car.MaxSteerLock);  // 36, not the program's 60
    int offered = 0;
    for (int k = 0; k < 9; ++k) offered += core::LFSCarOffersCompound(car, k) ? 1 : 0;
    EXPECT_EQ(w.Set_TyreCompound(0).ListCount(), offered);
    EXPECT_LT(offered, 9);
}

TEST_F(StartUpGapsTest, ASetupThatDoesNotFitTheVehicleNamesTheAdjustedFieldsOnce) {
    // Written for a program vehicle (steering lock up to 60 degrees, every compound) ...
    WriteVehicle("plain", "Plain car");
    WriteVehicle("xrg", "XR GT");
    WriteList("plain\r\nxrg\r\n");
    ui::Main& w = Start();
    w.Set_SteerLock->SetValue(45);
    // Ratios a setup file can hold (the sample car's own).
    const char* ratios[] = {"3.3", "3.5", "2.1", "1.45", "1.1", "0.9", "0.9", "0.9", "3.9"};
    for (int g = 0; g <= 8; ++g) w.Set_GearRatioText(g).SetText(ratios[g]);
    const auto& compounds = vehicle::TyreCode().TyreCompounds;
    std::string notOffered;
    for (int k = 0; k < 9 && notOffered.empty(); ++k)
        if (!core::LFSCarOffersCompound(Car("XRG"), k)) notOffered = compounds[k].Name;
    ASSERT_FALSE(notOffered.empty());
    w.Set_TyreCompound(0).SetText(notOffered);
    const std::string path = (root / "setups" / "XRG_test.set").string();
    files::SetupFile().SetupSavePath = path;
    ASSERT_TRUE(ui::SaveSetupFile()) << MessageDouble().Last().text;

    // ... and opened for the simulator car its name belongs to (lock up to 36).
    MessageDouble().Clear();
    platform::FileDialogDouble().QueueOpenPath(path);
    w.FileOpenSetup->UserClick();
    ASSERT_EQ(MessageDouble().Count(), 1u);
    const std::string& text = MessageDouble().Last().text;
    EXPECT_EQ(text,
              "Some settings of this setup file do not fit the current vehicle and were "
              "adjusted:\r\n- steering lock\r\n- front tyre compound");
    EXPECT_EQ(w.Set_SteerLock->Value(), 36);
    EXPECT_EQ(core::GlobalChassisLab().CurrentVehicle.Name, vehicle::PaddedVehicleName("XR GT"));
}

TEST_F(StartUpGapsTest, TheShippedSetupsFitTheirVehiclesWithoutAMessage) {
    CopyShippedData();
    ui::Main& w = Start();
    for (const auto& e : fs::directory_iterator(root / "setups")) {
        MessageDouble().Clear();
        platform::FileDialogDouble().QueueOpenPath(e.path().string());
        w.FileOpenSetup->UserClick();
        EXPECT_EQ(MessageDouble().Count(), 0u) << e.path() << ": " << MessageDouble().Last().text;
    }
}

TEST_F(StartUpGapsTest, ACentreDifferentialByteOtherThanOpenOrViscousIsNotAValidSetup) {
    CopyShippedData();
    ui::Main& w = Start();
    const fs::path source = root / "setups" / "VW Golf GTI Mk7_Default.set";
    std::string bytes = vehtest::ReadFile(source);
    ASSERT_GT(bytes.size(), 28u);
    bytes[28] = 2;  // once read as a clutch pack, which the centre list does not hold
    const fs::path bad = root / "setups" / "VW Golf GTI Mk7_bad.set";
    vehtest::WriteFile(bad, bytes);
    const std::string before = w.Set_GearingDiffType(2).Text();
    MessageDouble().Clear();
    platform::FileDialogDouble().QueueOpenPath(bad.string());
    w.FileOpenSetup->UserClick();
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Last().text,
              "Not a valid setup file\r\nCentre differential type: 2 (allowed: 0 or 1)");
    EXPECT_EQ(w.Set_GearingDiffType(2).Text(), before);
    EXPECT_EQ(files::ListFiles().RecentFilesCount, 0);
}

TEST_F(StartUpGapsTest, ACarListedWithoutReverseRatioShowsTheRatioTheGearingUses) {
    WriteVehicle("mrt", "MRT5");
    WriteList("mrt\r\n");
    ui::Main& w = Start();
    ASSERT_EQ(Car("MRT").ReverseRatio, 0.0f);
    EXPECT_EQ(vehicle::GearingCode().GearRatios[0], 1.0f);
    EXPECT_EQ(w.Set_GearingLabel(35).Caption(), "1");
    EXPECT_EQ(w.Set_GearRatioSlider(0).Value(), 1000);
    // A car with its own reverse shows that ratio, as the gearing uses it.
    EXPECT_EQ(core::LFSCarReverseRatio(Car("XRG")), Car("XRG").ReverseRatio);
}

}  // namespace
