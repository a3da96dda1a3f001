// A test fixture for the whole program: a program folder of the test's own (empty, or a copy of
// the shipped data/ folder), every program-wide state reset, and the main window loaded the way
// the program starts, through its load event.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/ServiceDoubles.hpp"
#include "support/TemporaryFolder.hpp"
#include "ui/ProgramState.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/startup/MainStartUp.hpp"

// The module states the tests of the whole program read and set.
#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/SteeringCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Locale.hpp"
#include "files/ListFiles.hpp"
#include "files/SetupFileContext.hpp"
#include "ui/graphs/ResizeableGraphWindow.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/editor/VehicleEditorChecks.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/tools/TorqueDataTable.hpp"
#include "vehicle/AeroCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehCode.hpp"
#include "vehicle/engine/EngineCode.hpp"

namespace testsupport {

class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        ui::ResetProgramState();
        root = testsupport::MakeTemporaryFolder("chassislab-program");
        ASSERT_FALSE(root.empty());
        std::filesystem::create_directories(root / "vehicles");
        std::filesystem::create_directories(root / "setups");
        ui::MainStartUp().ProgramFolder = root.string() + "/";
    }
    void TearDown() override {
        ui::ResetProgramState();
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }

    // The program folder as the build lays it out beside the executable: a copy of data/.
    void CopyShippedData() {
        std::filesystem::copy(CHASSISLAB_DATA_DIR, root,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    // Creates the main window and shows it: its load event runs the start-up.
    ui::Main& Start() {
        ui::Main& w = ui::MainWindow();
        w.Show();
        return w;
    }

    std::filesystem::path root;
};

}  // namespace testsupport
