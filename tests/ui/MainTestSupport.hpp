// Shared set-up for the main window tests: a fresh program state with the built-in texts and
// default options, and a fresh main window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "ui/main/Main.hpp"
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

// True when `c` lies (at any depth) inside `container`.
inline bool Inside(const platform::Control& c, const platform::Container* container) {
    for (platform::Container* p = c.Parent(); p != nullptr;) {
        if (p == container) return true;
        platform::Control* pc = p->AsControl();
        p = pc ? pc->Parent() : nullptr;
    }
    return false;
}

// The topmost child of `parent` among those named `name` (the page a person sees).
inline const platform::Control* FrontMost(const platform::Container& parent, const std::string& name) {
    const platform::Control* front = nullptr;
    for (const platform::Control* c : parent.Children())
        if (c->Name() == name) front = c;  // children are in z-order, last on top
    return front;
}

// Indexes of every control registered under `name`, optionally only inside `page`.
inline std::vector<int> IndexesOf(const platform::Form& form, const std::string& name,
                                  const platform::Container* page = nullptr) {
    std::vector<int> out;
    for (const auto& c : form.AllControls())
        if (c->Name() == name && (page == nullptr || Inside(*c, page))) out.push_back(c->Index());
    return out;
}

}  // namespace ui_test
