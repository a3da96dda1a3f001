#include "charts/GearSpeedChart.hpp"

#include <algorithm>
#include <cmath>

#include "charts/ChartColours.hpp"
#include "charts/ChartFrame.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/GearingCode.hpp"

namespace charts {

const std::string& AngularVelocityTitle() {
    const auto& tt = core::TextTable();
    return core::OptionsSettings().UnitIndexARV == 0 ? tt.QuantityTitleAngularVelocity
                                                     : tt.QuantityTitleRotationalVelocity;
}

float GearLinesTopSpeed() {
    const auto& drivetrain = core::GlobalChassisLab().CurrentVehicle.Drivetrain;
    const auto& speed = vehicle::GearingCode().SpeedAtShift;
    const int gears = std::min<int>(drivetrain.NumGears, 7);
    float top = speed[1];  // gear 1's line is always drawn
    for (int g = 2; g <= gears; ++g) top = std::max(top, speed[static_cast<size_t>(g)]);
    if (drivetrain.HasReverse != 0) top = std::max(top, speed[0]);
    return top;
}

void DrawGearSpeedChart(platform::Surface& s, const vehicle::EngineRecord& engine, float xScale,
                        float xStep, float yScale, float yStep) {
    ChartRedraw frame(s);
    DrawGrid(s, xScale, xStep, yScale, yStep, 0, 15, 15, 0, kGridFromBottom);
    const auto& opt = core::OptionsSettings();
    const auto& veh = core::GlobalChassisLab().CurrentVehicle;
    const auto& gear = vehicle::GearingCode();
    const float w = s.ScaleWidth();
    const float base = s.ScaleHeight() - kChartMargin;

    if (std::isfinite(xScale) && std::isfinite(yScale)) {
        // A reference line only where it lies on the chart: a power peak above the limit lies
        // above the top of a chart scaled to the limit.
        auto level = [&](float revs, Color c) {
            const float y = base - revs * yScale;
            if (y >= 0.0f && y <= base) s.Line(kChartMargin, y, w, y, c);
        };
        if (opt.DrawPeakPowerLine == core::VbTrue) level(engine.PowerPeakSpeed, kGreen);
        if (opt.DrawPeakTorqueLine == core::VbTrue) level(engine.TorquePeakStart, kBlue);
        if (opt.DrawRevLimiterLine == core::VbTrue) level(engine.LimitSpeed, kRed);
        s.DrawWidth = 3;

        // With the limiter on no gear runs the engine past the limit: each line is cut there (a
        // fixed shift speed above it).
        const float top = vehicle::DrivingSpeedTop(engine);
        const float highest = top > 0.0f ? top : INFINITY;
        auto line = [&](float v1, float e1, float v2, float e2, std::optional<Color> c) {
            if (e1 > highest && e2 > highest) return;
            if (e2 > highest) {
                v2 = v1 + (v2 - v1) * (highest - e1) / (e2 - e1);
                e2 = highest;
            } else if (e1 > highest) {
                v1 = v2 + (v1 - v2) * (highest - e2) / (e1 - e2);
                e1 = highest;
            }
            const float x1 = kChartMargin + v1 * xScale, y1 = base - e1 * yScale;
            const float x2 = kChartMargin + v2 * xScale, y2 = base - e2 * yScale;
            if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
                s.Line(x1, y1, x2, y2, c);
        };
        if (veh.Drivetrain.HasReverse != 0)
            line(0, 0, gear.SpeedAtShift[0], gear.ShiftRevs[0], kGrey);
        line(0, 0, gear.SpeedAtShift[1], gear.ShiftRevs[1], std::nullopt);
        const int gears = std::min<int>(veh.Drivetrain.NumGears, 7);
        if (core::FromVbBool(opt.GearSpeedStyle)) {
            // The used range of each gear: a sawtooth of the gear lines and the drops at each
            // shift.
            for (int g = 2; g <= gears; ++g) {
                line(gear.SpeedAtShift[g - 1], gear.PostShiftRevs[g - 1], gear.SpeedAtShift[g],
                     gear.ShiftRevs[g], std::nullopt);
                line(gear.SpeedAtShift[g - 1], gear.PostShiftRevs[g - 1], gear.SpeedAtShift[g - 1],
                     gear.ShiftRevs[g - 1], std::nullopt);
            }
        } else {
            for (int g = 2; g <= gears; ++g)
                line(0, 0, gear.SpeedAtShift[g], gear.ShiftRevs[g], std::nullopt);
        }
    }
    s.DrawWidth = 3;
    DrawAxisTitles(s, core::TextTable().QuantityTitleSpeed, core::UnitSuffix(core::Quantity::Speed),
                   AngularVelocityTitle(), core::UnitSuffix(core::Quantity::ARV));
}

}  // namespace charts
