// A unit chosen alone in the options window rewrites every caption, box and chart of the main
// window that shows its quantity: the window then reads as it does after a refresh of every
// display, for each unit of each quantity, on a wheel-driven car and on a thrust car.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "support/SampleVehicles.hpp"
#include "support/StartedProgram.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace {

// What every label, box, list and picture of the window shows, by control.
std::map<std::string, std::string> Shown(const platform::Form& form) {
    std::map<std::string, std::string> out;
    for (const auto& owned : form.AllControls()) {
        const platform::Control& c = *owned;
        std::string& text = out[c.DisplayName()];
        if (const auto* l = dynamic_cast<const platform::Label*>(&c)) {
            text = l->Caption();
        } else if (const auto* t = dynamic_cast<const platform::TextBox*>(&c)) {
            text = t->Text();
        } else if (const auto* b = dynamic_cast<const platform::ComboBox*>(&c)) {
            text = b->Text();
        } else if (const auto* p = dynamic_cast<const platform::PictureBox*>(&c)) {
            std::ostringstream s;
            for (const platform::DrawOp& op : p->Surf().DisplayList())
                s << op.text << '@' << op.x1 << ',' << op.y1 << ',' << op.x2 << ',' << op.y2 << ';';
            text = s.str();
        }
    }
    return out;
}

class UnitChangeCaptions : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        vehicle::VehicleRecord thrust = sample::SampleCar(vehicle::kDriveThrust);
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
                const auto afterChoice = Shown(*main);
                ui::RefreshAllDisplays();
                for (const auto& [control, refreshed] : Shown(*main))
                    EXPECT_EQ(afterChoice.at(control), refreshed) << control;
            }
        }
    }
}

}  // namespace
