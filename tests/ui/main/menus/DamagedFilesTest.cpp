// Damaged or foreign files given to the program as vehicle and setup files: each is refused
// with a message or read, never a crash, and a vehicle that is read (whatever numbers its
// bytes hold) gives finite figures when it is selected.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "files/VehicleFile.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/settings/SetupFileIO.hpp"

namespace {

class DamagedFilesTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
    }
};

TEST_F(DamagedFilesTest, RandomBytesAndDamagedCopiesAreRefusedOrReadSafely) {
    ui::Main& w = Start();
    const std::string goodVehicle = vehtest::ReadFile(root / "vehicles" / "VW Golf GTI Mk7.vd3");
    const std::string goodSetup = vehtest::ReadFile(root / "setups" / "VW Golf GTI Mk7_Default.set");
    std::mt19937 rng(77);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        // Half are copies of good files with some bytes changed (past the identifier, so the
        // reader goes on into the values), half random bytes of random length.
        auto damage = [&](std::string bytes) {
            if (i % 2 == 0) {
                bytes.assign(rng() % 400, '\0');
                for (char& b : bytes) b = static_cast<char>(byte(rng));
            } else {
                for (int k = 0; k < 8 && bytes.size() > 12; ++k)
                    bytes[12 + rng() % (bytes.size() - 12)] = static_cast<char>(byte(rng));
            }
            return bytes;
        };
        const auto vehiclePath = root / "vehicles" / ("damaged" + std::to_string(i) + ".vd3");
        vehtest::WriteFile(vehiclePath, damage(goodVehicle));
        if (files::LoadVehicleFile(vehiclePath.string(), false)) {
            w.Main_SelectVeh->AddItem(core::GlobalChassisLab().Vehicles.back().Name);
            w.Main_SelectVeh->UserSelect(w.Main_SelectVeh->ListCount() - 1);
        }
        const auto setupPath = root / "setups" / ("VW Golf GTI Mk7_damaged" + std::to_string(i) + ".set");
        vehtest::WriteFile(setupPath, damage(goodSetup));
        files::SetupFile().SetupOpenPath = setupPath.string();
        ui::OpenSetupFile(false);
    }
    for (const auto& c : w.AllControls()) {
        if (c->Kind() != platform::ControlKind::Label) continue;
        const std::string& text = static_cast<const platform::Label&>(*c).Caption();
        EXPECT_EQ(text.find("NaN"), std::string::npos) << c->DisplayName() << ": " << text;
    }
}

// Damaged options and list files: the program still starts, with the shipped vehicles when the
// start-up list survives and with default options otherwise.
TEST_F(DamagedFilesTest, DamagedOptionsAndListFilesStillStart) {
    const std::string goodOptions = [&] {
        Start();
        ui::ResetMainWindow();
        return vehtest::ReadFile(root / "Options.ini");
    }();
    std::mt19937 rng(5);
    for (int i = 0; i < 30; ++i) {
        SCOPED_TRACE(i);
        std::string options = goodOptions;
        for (int k = 0; k < 6; ++k) options[rng() % options.size()] = static_cast<char>(rng() % 256);
        vehtest::WriteFile(root / "Options.ini", options);
        std::string list(rng() % 200, '\0');
        for (char& c : list) c = static_cast<char>(rng() % 256);
        vehtest::WriteFile(root / "chassislab.mru", list);
        vehtest::WriteFile(root / "languages.lst", list);
        ui::ResetMainWindow();
        ui::Main& w = Start();
        EXPECT_EQ(w.Main_SelectVeh->ListCount(), core::GlobalChassisLab().VehicleCount);
        ASSERT_TRUE(w.Unload());
    }
}

}  // namespace
