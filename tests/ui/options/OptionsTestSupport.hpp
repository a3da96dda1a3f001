// The program started in a folder holding the shipped sample cars, with the options window at
// hand as the start-up left it (filled, not shown).
#pragma once

#include <gtest/gtest.h>

#include "support/StartedProgram.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace options_test {

class StartedOptionsTest : public testsupport::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        CopyShippedData();
        main = &Start();
        ASSERT_GT(core::GlobalChassisLab().VehicleCount, 0);
        ASSERT_FALSE(core::FromVbBool(core::GlobalChassisLab().FormLoading));
        panel = &ui::OptionsPanelWindow();
    }
    void TearDown() override {
        ui::ResetOptionsPanel();
        StartedProgram::TearDown();
    }

    // A person picks the unit named `name` in the quantity's selector.
    void Choose(core::Quantity q, const std::string& name) {
        platform::ComboBox& box = panel->Select(q);
        const int k = box.FindItem(name);
        ASSERT_GE(k, 0) << name;
        box.UserSelect(k);
    }

    ui::Main* main = nullptr;
    ui::OptionsPanel* panel = nullptr;
};

}  // namespace options_test
