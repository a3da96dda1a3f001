// Shared set-up for the main window tests: a fresh program state with the built-in texts and
// default options, and a fresh main window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "ui/main/MainWindow.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace ui_test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::ResetMainWindow();
        ui::ResetOptionsPanel();
        core::GlobalChassisLab() = core::GlobalChassisLabState{};
        core::OptionsSettings() = {};
        core::SetDefaultOptions();
        core::InitDefaultTexts();
        w = &ui::MainWindow();
    }
    void TearDown() override {
        ui::ResetMainWindow();
        ui::ResetOptionsPanel();
    }

    ui::Main* w = nullptr;
};

// The topmost child of `parent` among those named `name` (the page a person sees).
inline const platform::Control* FrontMost(const platform::Container& parent, const std::string& name) {
    const platform::Control* front = nullptr;
    for (const platform::Control* c : parent.Children())
        if (c->Name() == name) front = c;  // children are in z-order, last on top
    return front;
}

}  // namespace ui_test
