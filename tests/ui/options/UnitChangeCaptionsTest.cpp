// A unit chosen alone in the options window rewrites every caption, box and chart of the main
// window that shows its quantity: the window then reads as it does after a refresh of every
// display, for each unit of each quantity, on a wheel-driven car and on a thrust car.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/SampleVehicles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "support/WindowDump.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace {

// The two dumps agree; a failure names the lines (controls) that differ.
void ExpectSameLines(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    for (std::string l, r; std::getline(x, l) && std::getline(y, r);) EXPECT_EQ(l, r);
    EXPECT_TRUE(a == b);
}

class UnitChangeCaptions : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        vehicle::VehicleRecord thrust = sample::ThrustCar(4000.0f, 0.6f);  // N, m
        vehicle::SetVehicleName(thrust, "Thrust car");
        vehtest::WriteVehicleFile((root / "vehicles" / "thrust.vd3").string(), thrust);
        std::ofstream(root / "autoveh.lst", std::ios::app) << "thrust\r\n";
        main = &Start();
    }
    void TearDown() override {
        ui::ResetOptionsPanel();
        StartedProgram::TearDown();
    }
    ui::Main* main = nullptr;
};

TEST_F(UnitChangeCaptions, EveryUnitAloneRewritesEveryCaptionOfItsQuantity) {
    const int cars = main->Main_SelectVeh->ListCount();
    ASSERT_EQ(cars, 4);  // the three shipped cars, then the thrust car
    for (int car : {0, cars - 1}) {
        main->Main_SelectVeh->UserSelect(car);
        for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
            const core::Quantity q = core::QuantityAt(i);
            const auto rows = core::UnitRows(q);
            // Every unit in turn, ending on the first again.
            for (std::size_t k = 1; k <= rows.size(); ++k) {
                const std::string unit(rows[k % rows.size()].Name);
                SCOPED_TRACE(std::to_string(car) + ": " + unit);
                platform::ComboBox& box = ui::OptionsPanelWindow().Select(q);
                box.UserSelect(box.FindItem(unit));
                ASSERT_EQ(core::UnitData(q).Index, k % rows.size());
                const std::string afterChoice = testsupport::ShownControls(*main);
                ui::RefreshAllDisplays();
                ExpectSameLines(afterChoice, testsupport::ShownControls(*main));
            }
        }
    }
}

}  // namespace
