// The Options, Tools, Help and Links menus: the entries offered, the manual, the web
// pages (each a real address, opened normally through the desktop), the windows they open,
// and loading a first vehicle from the File menu after a start with none.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "charts/ResizeableGraphCode.hpp"
#include "support/SampleVehicles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/main/menus/WebLinks.hpp"
#include "vehicle/VehCode.hpp"

namespace {

namespace fs = std::filesystem;
using platform::MessageDouble;
using platform::ShellDouble;

class OtherMenusTest : public testsupport::StartedProgram {};

TEST_F(OtherMenusTest, TheManualOpensWhenItIsThereAndIsMissedOtherwise) {
    ui::Main& w = Start();
    const fs::path manual = root / "ChassisLab Manual - English.pdf";
    w.HelpUsage->UserClick();
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Last().text, "Cannot open manual\r\n" + manual.string());
    EXPECT_TRUE(ShellDouble().Targets().empty());

    vehtest::WriteFile(manual, "%PDF-1.4");
    w.HelpUsage->UserClick();
    ASSERT_EQ(ShellDouble().Targets().size(), 1u);
    EXPECT_EQ(ShellDouble().Targets()[0], manual.string());
    EXPECT_EQ(MessageDouble().Count(), 1u);
}

// No program to open the manual or a page: the person is told what could not be opened.
TEST_F(OtherMenusTest, AManualOrPageThatNothingCanOpenIsReported) {
    ui::Main& w = Start();
    const fs::path manual = root / "ChassisLab Manual - English.pdf";
    vehtest::WriteFile(manual, "%PDF-1.4");
    ShellDouble().result = false;
    w.HelpUsage->UserClick();
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Last().text, "Could not open the manual:\r\n" + manual.string());
    EXPECT_EQ(MessageDouble().Last().title, "Problem");
    EXPECT_EQ(MessageDouble().Last().icon, platform::MsgIcon::Exclamation);
    w.LinkCarSpecs[1]->UserClick();
    ASSERT_EQ(MessageDouble().Count(), 2u);
    EXPECT_EQ(MessageDouble().Last().text,
              "Could not open the web page:\r\n" + std::string(ui::CarSpecLinks()[1].Address));

    // Started, then the desktop's launcher finds no program for it: told the same way, once.
    ShellDouble().result = true;
    w.HelpUsage->UserClick();
    EXPECT_EQ(MessageDouble().Count(), 2u);
    EXPECT_EQ(ShellDouble().FailStarted(), 1u);
    ASSERT_EQ(MessageDouble().Count(), 3u);
    EXPECT_EQ(MessageDouble().Last().text, "Could not open the manual:\r\n" + manual.string());
    EXPECT_EQ(ShellDouble().FailStarted(), 0u);
}

// F9 while the start-up check's answer is awaited asks nothing more but has it speak in full.
TEST_F(OtherMenusTest, F9DuringTheStartUpCheckHasItsAnswerSpeak) {
    ui::Main& w = Start();
    ui::CheckForUpdate(true);
    w.LinksUpdate->UserClick();
    EXPECT_EQ(platform::HttpDouble().Requests().size(), 1u);
    EXPECT_EQ(platform::HttpDouble().AnswerWaiting(), 1u);  // unscripted: a failure
    ASSERT_EQ(MessageDouble().Count(), 1u);
    EXPECT_EQ(MessageDouble().Last().title, "Check failed");
}

TEST_F(OtherMenusTest, WebEntriesOpenTheirPagesAndTheSiteDerivesFromOneAddress) {
    ui::Main& w = Start();
    const std::string builtWith = ui::WebLinks().WebSite;
    ui::WebLinks().WebSite = "https://example.net/chassislab";  // no trailing slash on purpose
    w.LinksWebsite->UserClick();
    w.LinksFeedback->UserClick();
    w.LinksDonation->UserClick();
    const auto& t = ShellDouble().Targets();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0], "https://example.net/chassislab/");
    EXPECT_EQ(t[1], "https://example.net/chassislab/gbook.php?a=sign");
    EXPECT_EQ(t[2].rfind("https://example.net/chassislab/", 0), 0u);
    EXPECT_EQ(ui::VersionFileAddress(), "https://example.net/chassislab/ver.txt");
    ui::WebLinks().WebSite = builtWith;

    // The car pages and setup sites: distinct web addresses; the motorbike pages are never offered.
    EXPECT_FALSE(w.LinkSpecSites[1]->Visible());
    std::set<std::string> seen;
    for (auto* entries : {&w.LinkCarSpecs, &w.LinksSetups}) {
        for (platform::MenuItem* e : *entries) {
            const std::size_t before = ShellDouble().Targets().size();
            e->UserClick();
            ASSERT_EQ(ShellDouble().Targets().size(), before + 1) << e->Caption();
            const std::string& address = ShellDouble().Targets().back();
            EXPECT_EQ(address.rfind("https://", 0), 0u) << address;
            EXPECT_TRUE(seen.insert(address).second) << "twice: " << address;
            EXPECT_FALSE(e->Caption().empty());
        }
    }
}

TEST_F(OtherMenusTest, EntriesWhoseWindowsExistAreOffered) {
    // With a vehicle loaded the editor is closed (it greys some entries while it is open).
    vehicle::VehicleRecord v = sample::SampleCar();
    vehicle::SetVehicleName(v, "Menu car");
    vehtest::WriteVehicleFile((root / "vehicles" / "menu.vd3").string(), v);
    vehtest::WriteFile(root / "autoveh.lst", "menu\r\n");
    ui::Main& w = Start();
    for (platform::MenuItem* e : {w.ToolsUnitConverter, w.ToolsMechCalcs, w.ToolsRealtimeAcc,
                                  w.ToolsLargeGraph, w.ToolsBinaryReader, w.ToolsSetupReader,
                                  w.OptionsAutoVeh, w.OptionsPreferences, w.HelpAbout, w.ExportAccelerationData,
                                  w.ExportDecelerationData})
        EXPECT_TRUE(e->Enabled() && e->Click) << e->Caption();
}

TEST_F(OtherMenusTest, ToolEntriesOpenTheirWindowsAndGraphWindowsStopAtEight) {
    ui::Main& w = Start();
    w.ToolsUnitConverter->UserClick();
    w.ToolsSetupReader->UserClick();
    w.HelpAbout->UserClick();
    std::set<std::string> shown;
    for (platform::Form* f : platform::Desktop::Instance().ShownForms()) shown.insert(f->ClassName());
    EXPECT_TRUE(shown.count("UnitConv"));
    EXPECT_TRUE(shown.count("LFSSetupReader"));
    EXPECT_TRUE(shown.count("About"));
    for (int i = 0; i < 10; ++i) w.ToolsLargeGraph->UserClick();
    EXPECT_EQ(charts::ResizeableGraphCode().OpenGraphWindowCount, 8);
    w.Unload();  // closes every other window
    EXPECT_EQ(platform::Desktop::Instance().ShownForms().size(), 0u);
}

TEST_F(OtherMenusTest, AFirstVehicleLoadedAfterAStartWithNonePreparesEverything) {
    vehicle::VehicleRecord v = sample::SampleCar();
    vehicle::SetVehicleName(v, "Loaded car");
    const std::string path = (root / "vehicles" / "loaded.vd3").string();
    vehtest::WriteVehicleFile(path, v);
    ui::Main& w = Start();
    ASSERT_EQ(core::GlobalChassisLab().FormLoading, core::VbTrue);
    ASSERT_EQ(vehicle::VehCode().EditorOpen, core::VbTrue);  // open for a new vehicle
    platform::FileDialogDouble().QueueOpenPath(path);
    w.FileLoadVehicle->UserClick();
    EXPECT_EQ(vehicle::VehCode().EditorOpen, core::VbFalse);  // cancelled before loading
    EXPECT_EQ(MessageDouble().Count(), 0u) << MessageDouble().Last().text;
    EXPECT_EQ(core::GlobalChassisLab().FormLoading, core::VbFalse);
    EXPECT_EQ(core::GlobalChassisLab().CurrentVehicle.Name, vehicle::PaddedVehicleName("Loaded car"));
    EXPECT_GT(analysis::AccelerationCode().AccLastStep, 100);
}

}  // namespace
