// Shared helpers of the chart tests: a fresh program state with the service doubles, and
// queries over a surface's display list (pixels; 15 twips to the pixel).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "platform/ServiceDoubles.hpp"
#include "platform/Surface.hpp"
#include "support/SampleVehicles.hpp"

namespace chart_test {

using platform::DrawOp;
using platform::DrawOpKind;

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        sample::ResetAll();
        s.SetPixelSize(300, 200);  // 4500 x 3000 twips
    }
    platform::Surface s;

    std::vector<DrawOp> Ops(const std::function<bool(const DrawOp&)>& pick) const {
        std::vector<DrawOp> out;
        for (const auto& op : s.DisplayList())
            if (pick(op)) out.push_back(op);
        return out;
    }
    std::vector<DrawOp> Lines(platform::Color c) const {
        return Ops([c](const DrawOp& o) { return o.kind == DrawOpKind::Line && o.color == c; });
    }
    std::vector<DrawOp> Texts() const {
        return Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Text; });
    }
    std::vector<DrawOp> Boxes() const {
        return Ops([](const DrawOp& o) { return o.kind == DrawOpKind::Box; });
    }
    // Every coordinate of the display list is a finite number.
    bool AllFinite() const {
        for (const auto& o : s.DisplayList())
            for (double v : {o.x1, o.y1, o.x2, o.y2, o.r})
                if (!std::isfinite(v)) return false;
        return true;
    }
};

inline bool Vertical(const DrawOp& o) { return o.kind == DrawOpKind::Line && o.x1 == o.x2; }
inline bool Horizontal(const DrawOp& o) { return o.kind == DrawOpKind::Line && o.y1 == o.y2; }

}  // namespace chart_test
