// The program's start and end through the main window's load and unload, in a program folder
// of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/SampleVehicles.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "core/OptionsSettings.hpp"
#include "files/ListFiles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/MainTestSupport.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"

namespace {

namespace fs = std::filesystem;

class MainStartUpTest : public testsupport::StartedProgram {
protected:
    void WriteVehicle(const std::string& stem, const std::string& name) {
        vehicle::VehicleRecord v = sample::SampleCar();
        vehicle::SetVehicleName(v, name);
        vehtest::WriteVehicleFile((root / "vehicles" / (stem + ".vd3")).string(), v);
    }
    void WriteList(const std::string& text) { vehtest::WriteFile(root / "autoveh.lst", text); }
};

TEST_F(MainStartUpTest, NoVehiclesLeavesTheLoadingFlagRaisedAndWritesDefaultOptions) {
    ui::Main& w = Start();
    const auto& g = core::GlobalChassisLab();
    EXPECT_EQ(g.VehicleCount, 0);
    EXPECT_EQ(g.FormLoading, core::VbTrue);  // until the first vehicle arrives
    EXPECT_EQ(g.AppDir, root.string() + "/");
    EXPECT_EQ(w.Main_SelectVeh->ListCount(), 0);
    EXPECT_LE(analysis::AccelerationCode().AccLastStep, 0);  // no analysis ran
    // A missing options file is replaced by one with the defaults, silently.
    EXPECT_TRUE(fs::exists(root / "Options.ini"));
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
    EXPECT_EQ(core::OptionsSettings().AutoRecalc, core::VbTrue);
    // The vehicle editor, open for a first vehicle, has put the page selector on its page.
    EXPECT_EQ(w.Main_SelectPage->Text(), "Vehicle Data");
    EXPECT_EQ(ui_test::FrontMost(w.MainSection(1), "SubSection"), &w.SubSection(0));
    EXPECT_TRUE(platform::HttpDouble().Requests().empty());  // the update check is off
}

TEST_F(MainStartUpTest, ListedVehiclesLoadAndTheFirstIsPreparedSkippingMissingAndEmptyFiles) {
    WriteVehicle("first", "First car");
    WriteVehicle("second", "Second car");
    WriteVehicle("third", "Third car");
    vehtest::WriteFile(root / "vehicles" / "empty.vd3", "");
    WriteList("first\r\nmissing\r\nempty\r\nsecond\r\nthird\r\n");

    ui::Main& w = Start();
    const auto& g = core::GlobalChassisLab();
    ASSERT_EQ(g.VehicleCount, 3);
    EXPECT_EQ(w.Main_SelectVeh->ListCount(), 3);
    EXPECT_EQ(g.CurrentVehicle.Name, vehicle::PaddedVehicleName("First car"));
    EXPECT_EQ(g.FormLoading, core::VbFalse);
    // Every analysis of the first vehicle has run: masses, both runs.
    EXPECT_GT(analysis::PhysicalCode().TotalMass, 1150.0f);
    EXPECT_GT(analysis::AccelerationCode().AccLastStep, 100);
    EXPECT_GT(analysis::DecelerationCode().DecLastStep, 10);
    EXPECT_TRUE(platform::MessageDouble().Requests().empty());
    EXPECT_EQ(platform::SliderClampTotal(), 0);
}

TEST_F(MainStartUpTest, ChoosingAnotherVehicleMakesItCurrentAndRecalculates) {
    WriteVehicle("first", "First car");
    WriteVehicle("second", "Second car");
    WriteList("first\r\nsecond\r\n");
    ui::Main& w = Start();
    analysis::AccelerationCode().AccLastStep = 0;
    w.Main_SelectVeh->UserSelect(1);
    EXPECT_EQ(core::GlobalChassisLab().CurrentVehicle.Name, vehicle::PaddedVehicleName("Second car"));
    EXPECT_GT(analysis::AccelerationCode().AccLastStep, 100);
}

TEST_F(MainStartUpTest, ShutDownWritesRecentFilesOnlyWhenChangedAndRestoresTheSeparator) {
    platform::LocaleDouble().SetDecimalSeparator(",");
    ui::Main& w = Start();
    EXPECT_EQ(platform::LocaleDouble().DecimalSeparator(), ".");
    ASSERT_TRUE(w.Unload());
    EXPECT_EQ(platform::LocaleDouble().DecimalSeparator(), ",");
    EXPECT_FALSE(fs::exists(root / "chassislab.mru"));

    // A second run with one recent file: unchanged, it is not written at the end; a run that
    // adds a file writes the list.
    const fs::path setup = root / "setups" / "XRG_mine.set";
    vehtest::WriteFile(setup, "x");
    vehtest::WriteFile(root / "chassislab.mru", setup.string() + "\r\n\r\n");  // as the program writes it
    ui::ResetMainWindow();
    ui::Main& again = Start();
    EXPECT_EQ(files::ListFiles().RecentFilesCount, 1);
    fs::remove(root / "chassislab.mru");
    ASSERT_TRUE(again.Unload());
    EXPECT_FALSE(fs::exists(root / "chassislab.mru"));

    const fs::path other = root / "setups" / "XRG_other.set";
    vehtest::WriteFile(other, "x");
    vehtest::WriteFile(root / "chassislab.mru", setup.string() + "\r\n\r\n");
    ui::ResetMainWindow();
    ui::Main& third = Start();
    ui::AddRecentFile(other.string());
    ASSERT_TRUE(third.Unload());
    EXPECT_EQ(vehtest::ReadFile(root / "chassislab.mru"),
              other.string() + "\r\n" + setup.string() + "\r\n\r\n");
}

}  // namespace
