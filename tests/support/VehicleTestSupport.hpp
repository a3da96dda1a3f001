// Shared by the vehicle and list file tests: a temporary program folder, a fresh vehicle
// list, and the message-box double that records what the user would have been shown.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/TemporaryFolder.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehtest {

// A program folder of its own, with its "vehicles" folder, removed afterwards.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        root = testsupport::MakeTemporaryFolder("chassislab-vehtest");
        ASSERT_FALSE(root.empty());
        std::filesystem::create_directories(root / "vehicles");
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::InitDefaultTexts();  // the messages' texts
        auto& g = core::GlobalChassisLab();
        g.AppDir = root.string() + "/";
        g.VehiclesDir = g.AppDir + "vehicles/";
        g.SetupsDir = g.AppDir + "setups/";
    }
    void TearDown() override {
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }

    std::string VehiclePath(const std::string& stem) const {
        return (root / "vehicles" / (stem + ".vd3")).string();
    }
    std::string LastMessage() const {
        return platform::MessageDouble().Last().text;
    }

    std::filesystem::path root;
    // Every message box shown since SetUp (or the last ClearMessages).
    static const std::vector<platform::MessageRequest>& Shown() {
        return platform::MessageDouble().Requests();
    }
    static void ClearMessages() { platform::MessageDouble().Clear(); }
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// A vehicle whose every field holds a distinct value, so a field written to the wrong place
// or in the wrong width shows up.
vehicle::VehicleRecord DistinctVehicle(const std::string& name);
// DistinctVehicle with every field within what the vehicle editor accepts, so the vehicle file
// reader takes it.
vehicle::VehicleRecord ValidVehicle(const std::string& name);

// `car` made "Thrust Golf", not wheel driven, with 5000 N of thrust at 0.5 m in the engine's
// first two figures: a thrust vehicle made elsewhere, which keeps every other engine and
// drive-train figure of `car` (none of which the editor shows).
vehicle::VehicleRecord ThrustGolf(const vehicle::VehicleRecord& car);

// Writes a valid vehicle file (through the file format, not through the vehicle list).
void WriteVehicleFile(const std::string& path, const vehicle::VehicleRecord& v);

// The shipped cars as their files hold them: BMW M3 E46, Subaru Impreza WRX STI, VW Golf GTI
// Mk7.
std::vector<vehicle::VehicleRecord> ShippedCars();

// The engine figures with the editor's six shape sliders at the ends chosen by the bits of
// `corner` (0..63; bit 0 idle torque, 1 lower shape, 2 and 3 upper shapes A and B, 4 power
// reduction, 5 power shift; a set bit is the range's top).
vehicle::EngineFigures AtShapeCorner(vehicle::EngineFigures f, int corner);

// What the vehicle check says of the engine speeds' order (the file reader's text of the first
// conflict), or an empty text when they are in order.
std::string EngineSpeedProblem(const vehicle::VehicleRecord& v);

}  // namespace vehtest
