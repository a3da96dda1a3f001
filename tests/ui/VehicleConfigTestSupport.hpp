// Shared set-up for the tests of the setting-page configuration and the vehicle-dependent
// layout: fresh program state with texts, options, the simulator car table and the tyre
// compounds, the service doubles, and a real main window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/LFSCars.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "platform/Services.hpp"
#include "ui/main/Main.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui_test {

class VehicleConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        ui::ResetMainWindow();
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::OptionsSettings() = {};
        core::SetDefaultOptions();
        core::InitDefaultTexts();
        core::InitLFSCars();
        vehicle::TyreCode() = {};
        vehicle::InitTyreCompounds();
        vehicle::GearingCode() = {};
        w = &ui::MainWindow();
    }
    void TearDown() override { ui::ResetMainWindow(); }

    // Makes a vehicle of the given name current, as the vehicle selection does: the simulator
    // car row is found by the padded name and copied when there is one.
    void MakeCurrent(const std::string& name, bool hasReverse = true) {
        auto& g = core::GlobalChassisLab();
        vehicle::SetVehicleName(g.CurrentVehicle, name);
        g.CurrentVehicle.Drivetrain.HasReverse = core::ToVbBool(hasReverse);
        const int row = core::FindLFSCarByName(name);
        g.HasLFSCar = core::ToVbBool(row >= 0);
        if (row >= 0) g.CurrentLFSCar = core::LFSCarTable().LFSCars[static_cast<std::size_t>(row)];
    }

    static std::vector<std::string> Items(const platform::ComboBox& c) {
        std::vector<std::string> out;
        for (int i = 0; i < c.ListCount(); ++i) out.push_back(c.List(i));
        return out;
    }

    ui::Main* w = nullptr;
};

}  // namespace ui_test
