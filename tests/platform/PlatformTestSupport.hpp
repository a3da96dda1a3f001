// Shared helpers of the platform tests: a fresh set of service doubles per test and an
// observer that records what a form reported.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Form.hpp"
#include "platform/ServiceDoubles.hpp"

namespace platform_test {

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        platform::ResetSliderClampTotal();
    }
};

struct RecordingObserver : platform::FormObserver {
    std::vector<std::pair<std::string, platform::Prop>> controls;
    std::vector<platform::Prop> form;
    int menus = 0;
    void ControlChanged(platform::Control& c, platform::Prop what) override {
        controls.emplace_back(c.DisplayName(), what);
    }
    void FormChanged(platform::Form&, platform::Prop what) override { form.push_back(what); }
    void MenuChanged(platform::Form&) override { ++menus; }
    int Count(const std::string& name, platform::Prop what) const {
        int n = 0;
        for (const auto& [who, p] : controls)
            if (who == name && p == what) ++n;
        return n;
    }
};

}  // namespace platform_test
