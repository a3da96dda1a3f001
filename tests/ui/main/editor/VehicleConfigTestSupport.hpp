// Shared set-up for the tests of the setting-page configuration and the vehicle-dependent
// layout: the main-window fixture with the simulator car table, the tyre compounds and the
// service doubles.
#pragma once

#include <string>
#include <vector>

#include "ui/main/MainTestSupport.hpp"
#include "core/LFSCars.hpp"
#include "platform/ServiceDoubles.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui_test {

class VehicleConfigTest : public MainWindowTest {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        MainWindowTest::SetUp();
        core::InitLFSCars();
        vehicle::TyreCode() = {};
        vehicle::InitTyreCompounds();
        vehicle::GearingCode() = {};
    }

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

};

}  // namespace ui_test
