// The dyno chart's samples and peak captions, checked against the engine's own figures: a
// sample every 1 rad/s from idle, torque on the plateau equal to the peak torque, power
// = torque x speed / 1000; an engine without a curve gives no samples and draws no curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "charts/DynoChart.hpp"
#include "platform/Control.hpp"
#include "support/SampleVehicles.hpp"

namespace {

class DynoChart : public ::testing::Test {
protected:
    void SetUp() override { sample::ResetAll(); }
};

TEST_F(DynoChart, SamplesEveryRadianPerSecondFromIdle) {
    vehicle::EngineRecord e = sample::FittedSampleEngine();
    // The sample engine: idle 1000 rpm, limit 7500 rpm, plateau 4000 to 5000 rpm at 250 N m.
    const float idle = e.IdleSpeed, limit = e.LimitSpeed;
    ASSERT_NEAR(idle, 104.72f, 0.01f);
    ASSERT_NEAR(limit, 785.40f, 0.01f);
    const charts::DynoSamples s = charts::SampleDynoCurve(e);
    // 785.40 - 104.72 = 680.68 rad/s: the last sample is 681 rad/s above idle.
    EXPECT_EQ(s.LastIndex, 681);
    ASSERT_EQ(s.Torque.size(), 682u);
    EXPECT_EQ(s.FirstSpeed, idle);
    // At idle the curve starts at the idle torque fraction (0.5) of the peak.
    EXPECT_NEAR(s.Torque[0], 125.0f, 0.01f);
    // On the plateau (4500 rpm = 471.24 rad/s, index 366.5 -> 367 is inside it).
    const std::size_t k = 367;
    EXPECT_FLOAT_EQ(s.Torque[k], 250.0f);
    EXPECT_NEAR(s.Power[k], 250.0f * (idle + 367.0f) / 1000.0f, 1e-3f);
    // The record is left at the last sample.
    EXPECT_EQ(e.Speed, idle + 681.0f);
}

TEST_F(DynoChart, UnitsScaleBothSeries) {
    ASSERT_TRUE(core::SelectUnitByName(core::Quantity::Power, "Horsepower (metric)"));
    vehicle::EngineRecord e = sample::FittedSampleEngine();
    const charts::DynoSamples s = charts::SampleDynoCurve(e);
    const float w = e.IdleSpeed + 367.0f;
    EXPECT_NEAR(s.Power[367], 250.0f * w / 1000.0f * 1.35962f, 1e-2f);
}

TEST_F(DynoChart, AnEngineWithoutACurveHasNoSamples) {
    vehicle::EngineRecord e = sample::FittedSampleEngine();
    e.LimitSpeed = 0.0f;  // a vehicle that is not wheel driven keeps 0 here
    EXPECT_EQ(charts::SampleDynoCurve(e).LastIndex, -1);
    e.LimitSpeed = e.IdleSpeed;
    EXPECT_TRUE(charts::SampleDynoCurve(e).Torque.empty());
    e.LimitSpeed = std::nanf("");
    EXPECT_TRUE(charts::SampleDynoCurve(e).Torque.empty());
    e.LimitSpeed = 1e30f;  // a damaged file's figure: no billion-point table
    EXPECT_TRUE(charts::SampleDynoCurve(e).Torque.empty());

    platform::Surface surface;
    surface.SetPixelSize(300, 200);
    e.LimitSpeed = 0.0f;
    charts::DrawDynoChart(surface, e, false);
    EXPECT_EQ(surface.DroppedOps(), 0);
    for (const auto& op : surface.DisplayList()) {
        EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                    std::isfinite(op.y2));
    }
}

TEST_F(DynoChart, PeakCaptionsShowTheScannedPeaks) {
    auto& e = vehicle::EngineCode();
    e.ScannedTorquePeak = 245.26f;
    e.ScannedTorquePeakSpeed = 471.0f;
    e.ScannedPowerPeak = 150.04f;
    e.ScannedPowerPeakSpeed = 680.0f;
    // Torque and power one decimal more than their display decimals (0 in N m and kW).
    const auto lines = charts::ScannedPeakTexts();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Scanned torque peak: 245.3 Nm @ 471 rad/s");
    EXPECT_EQ(lines[1], "Scanned power peak: 150 kW @ 680 rad/s");
}

TEST_F(DynoChart, PeaksArePrintedInRedOnlyWhenAsked) {
    vehicle::EngineRecord e = sample::FittedSampleEngine();
    platform::Surface surface;
    surface.SetPixelSize(400, 250);
    const auto redTexts = [&surface] {
        int n = 0;
        for (const auto& op : surface.DisplayList())
            if (op.kind == platform::DrawOpKind::Text && op.color == platform::RGB(255, 0, 0)) ++n;
        return n;
    };
    charts::DrawDynoChart(surface, e, false);
    EXPECT_EQ(redTexts(), 0);
    charts::DrawDynoChart(surface, e, true);
    EXPECT_EQ(redTexts(), 2);
    // Both lines end above the x-axis title, which fills the bottom line of the picture.
    double titleTop = 0.0, peaksBottom = 0.0;
    for (const auto& op : surface.DisplayList()) {
        if (op.kind != platform::DrawOpKind::Text || op.angleDeg != 0.0 || op.text.empty()) continue;
        const double bottom = op.y1 + platform::Services().fonts->Measure(op.text, op.font).height;
        if (op.color == 0) titleTop = op.y1;
        else peaksBottom = std::max(peaksBottom, bottom);
    }
    EXPECT_GT(titleTop, 230.0);
    EXPECT_LT(peaksBottom, titleTop);
    EXPECT_EQ(surface.ForeColor, 0u);  // left black
    // The scan found the plateau torque.
    EXPECT_NEAR(vehicle::EngineCode().ScannedTorquePeak, 250.0f, 0.01f);
}

// The vehicle editor's refusal of the figures: its words wrapped to the width, line under line,
// in a band of its own that the curves (drawn 2 wide) stay below. The band, alone or above the
// curves, keeps as much room at its right as at its left, at any width of the plot.
TEST_F(DynoChart, ARefusalStandsInABandAboveTheCurves) {
    vehicle::EngineRecord e = sample::FittedSampleEngine();
    platform::Surface surface;
    surface.SetPixelSize(400, 250);
    std::string refusal = "Refused:";
    for (int k = 0; k < 40; ++k) refusal += " figures";
    charts::DrawDynoChart(surface, e, false, refusal);
    std::string said;
    double bandBottom = 0.0;
    for (const auto& op : surface.DisplayList()) {
        if (op.kind != platform::DrawOpKind::Text || op.color != platform::RGB(255, 0, 0)) continue;
        const auto size = platform::Services().fonts->Measure(op.text, op.font);
        EXPECT_TRUE(op.x1 + size.width <= 400.0 - op.x1 && op.y1 >= bandBottom) << op.text;
        bandBottom = op.y1 + size.height;
        said += (said.empty() ? "" : " ") + op.text;
    }
    EXPECT_EQ(said, refusal);
    EXPECT_GT(bandBottom, 30.0);  // three lines at least
    for (const auto& op : surface.DisplayList())
        if (op.kind == platform::DrawOpKind::Line && op.width == 2) EXPECT_GE(std::min(op.y1, op.y2), bandBottom);
    for (int width = 300; width < 340; ++width) {
        surface.SetPixelSize(width, 250);
        charts::DrawDynoBand(surface, refusal);
        for (const auto& op : surface.DisplayList()) {
            if (op.kind != platform::DrawOpKind::Text) continue;
            const auto size = platform::Services().fonts->Measure(op.text, op.font);
            EXPECT_LE(op.x1 + size.width, width - op.x1) << op.text << " at width " << width;
        }
    }
}

// A figure is never parted from its unit (nor a factor from its "x"), whatever the width, and
// a control's caption stays on one line wherever it fits one: each refusal wrapped at every
// width from a word's to the whole text's, each figure with its unit found whole on one line,
// each caption where a line holds it; nothing is lost or added, and no line is wider than the
// width (a caption wider than that breaks at its blanks).
TEST_F(DynoChart, AFigureKeepsItsUnitOnItsLine) {
    const std::string_view captions[] = {"Peak torque",     "Peak torque speed",
                                         "Torque plateau width", "Peak power",
                                         "Peak power speed", "Power reduction", "Shift power"};
    const struct {
        const char* text;
        std::vector<const char*> kept;
    } rows[] = {
        {"Power needs more torque: Peak power with Power reduction (107.9 kW) at Peak power "
         "speed with Shift power (523.6 rad/s) needs 206 Nm, more than 1.02 x Peak torque "
         "(200 Nm): lower Peak power, or raise Power reduction, Peak power speed or Peak torque",
         {"(107.9 kW)", "(523.6 rad/s)", "206 Nm,", "1.02 x", "(200 Nm):", "Peak power,",
          "Power reduction", "Peak power speed", "Shift power", "Peak torque"}},
        {"Plateau gives more power: Peak torque (350 lbf ft) at Peak torque speed + Torque "
         "plateau width (4200 rpm) gives 335.3 hp, more than 1.05 x Peak power (300 hp)",
         {"(350 lbf ft)", "(4200 rpm)", "335.3 hp,", "1.05 x", "(300 hp)", "Peak torque speed",
          "Torque plateau width"}},
        {"Peak torque must be from 0 to 7375.6 lbf ft; Wheel track 3 m/x", {"7375.6 lbf ft;", "3 m/x"}},
    };
    platform::Surface surface;
    surface.SetPixelSize(400, 250);
    const float widestFigure = surface.TextWidth("7375.6 lbf ft;");  // the widest, with its unit
    for (const auto& row : rows) {
        for (float width = 200.0f; width < surface.TextWidth(row.text) + 300.0f; width += 15.0f) {
            const auto lines = charts::WrappedLines(surface, row.text, width, captions);
            std::string said;
            for (const std::string& line : lines) {
                said += (said.empty() ? "" : " ") + line;
                if (width >= widestFigure) EXPECT_LE(surface.TextWidth(line), width) << line;
            }
            ASSERT_EQ(said, row.text) << width;
            for (const char* kept : row.kept) {
                if (surface.TextWidth(kept) > width) continue;
                EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [kept](const std::string& line) {
                    return line.find(kept) != std::string::npos;
                })) << kept << " at width " << width;
            }
        }
    }
}

}  // namespace
