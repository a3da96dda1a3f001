// Fixture for the tool and reader windows: fresh service doubles, the models' start-up tables
// (texts, units, tyre compounds), a temporary program folder with vehicles/ and setups/.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/SafeFileWrite.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/SampleVehicles.hpp"
#include "support/TemporaryFolder.hpp"
#include "support/VehicleTestSupport.hpp"

namespace windowtest {

class WindowFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        sample::ResetAll();
        root = testsupport::MakeTemporaryFolder("chassislab-window");
        ASSERT_FALSE(root.empty());
        std::filesystem::create_directories(root / "vehicles");
        std::filesystem::create_directories(root / "setups");
        auto& g = core::GlobalChassisLab();
        g.AppDir = root.string() + "/";
        g.VehiclesDir = g.AppDir + "vehicles/";
        g.SetupsDir = g.AppDir + "setups/";
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    std::string Path(const std::string& name) const { return (root / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        ASSERT_EQ(files::ReplaceFileContents(Path(name), bytes), "");
    }
    std::string ReadBack(const std::string& name) const { return vehtest::ReadFile(Path(name)); }
    static platform::ScriptedMessageBox& Messages() { return platform::MessageDouble(); }
    static platform::ScriptedFileDialog& Dialogs() { return platform::FileDialogDouble(); }

    std::filesystem::path root;
};

}  // namespace windowtest
