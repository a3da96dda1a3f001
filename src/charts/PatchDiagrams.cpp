#include "charts/PatchDiagrams.hpp"

#include <algorithm>
#include <cmath>

#include "charts/ChartColours.hpp"
#include "charts/ChartFrame.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"

namespace charts {

namespace {

// Grid step of the patch diagrams: the option in small-distance display units, in metres.
float PatchGridStep() {
    const auto& opt = core::OptionsSettings();
    return static_cast<float>(opt.TyreContactPatchScale / opt.UnitFactorDistanceSmall);
}

}  // namespace

void DrawRollStiffnessDiagram(platform::Surface& s, const std::array<float, 12>& stiffness,
                              float height, float xScale, float xStep, float yScale, float yStep) {
    ChartRedraw frame(s);
    DrawGrid(s, xScale, xStep, yScale, yStep, 0, 0, 0, 0, kGridCentred);
    s.DrawWidth = 2;
    if (!std::isfinite(xScale) || !std::isfinite(yScale)) return;
    DrawAxleStiffnessLines(s, stiffness[4], stiffness[10], height, xScale, yScale, kGreen);
    DrawAxleStiffnessLines(s, stiffness[3], stiffness[9], height, xScale, yScale, kBlue);
}

void DrawAxleStiffnessLines(platform::Surface& s, float front, float rear, float height,
                            float xScale, float yScale, Color colour) {
    const float cx = s.ScaleWidth() / 2, cy = s.ScaleHeight() / 2;
    const float a = front * xScale, b = rear * xScale, h = height * yScale;
    s.Line(cx - a, cy - h, cx + a, cy - h, colour);
    s.Line(cx - a, cy - h, cx - b, cy + h, colour);
    s.Line(cx - b, cy + h, cx + b, cy + h, colour);
    s.Line(cx + a, cy - h, cx + b, cy + h, colour);
}

void DrawContactPatch(platform::Surface& s, const vehicle::TyreState& tyre, float scale,
                      float xOffset, float yOffset) {
    const float cx = s.ScaleWidth() / 2, cy = s.ScaleHeight() / 2;
    const float pw = tyre.PatchWidth, pl = tyre.PatchLength;
    s.Box(cx - scale * (pw - xOffset) / 2, cy - scale * (pl - yOffset) / 2,
          cx + scale * (pw + xOffset) / 2, cy + scale * (pl + yOffset) / 2, kTyreGrey, true);
}

void DrawContactPatches(platform::Surface& s, const vehicle::TyreState& tyre, float scale,
                        float xOffset, float yOffset) {
    ChartRedraw frame(s);
    // A patch wider or longer than the picture at the chosen zoom (a tyre a metre wide, a heavy
    // load) is drawn at the largest scale that keeps it inside; the grid follows the scale.
    scale = ScaleWithin(scale, (tyre.PatchWidth + std::fabs(xOffset)) / 2,
                        (tyre.PatchLength + std::fabs(yOffset)) / 2, s.ScaleWidth(), s.ScaleHeight());
    const float g = PatchGridStep();
    DrawGrid(s, scale, g, scale, g, 0, 0, 0, 0, kGridCentred);
    if (std::isfinite(scale)) DrawContactPatch(s, tyre, scale, xOffset, yOffset);
}

void DrawContactPatchDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                             float scale) {
    ChartRedraw frame(s);
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const float L = v.Wheelbase, t0 = v.Axles[0].TrackWidth, t1 = v.Axles[1].TrackWidth;
    // Each patch lies half its track and half the wheelbase from the centre.
    float across = 0.0f, along = 0.0f;
    for (std::size_t i = 0; i < 4; ++i) {
        across = std::max(across, (v.Axles[i / 2].TrackWidth + tyres[i].PatchWidth) / 2);
        along = std::max(along, (L + tyres[i].PatchLength) / 2);
    }
    scale = ScaleWithin(scale, across, along, s.ScaleWidth(), s.ScaleHeight());
    const float g = PatchGridStep();
    DrawGrid(s, scale, g, scale, g, 0, 0, 0, 0, kGridCentred);
    if (!std::isfinite(scale)) return;
    DrawContactPatch(s, tyres[0], scale, -t0, -L);
    DrawContactPatch(s, tyres[1], scale, t0, -L);
    DrawContactPatch(s, tyres[2], scale, -t1, L);
    DrawContactPatch(s, tyres[3], scale, t1, L);
}

}  // namespace charts
