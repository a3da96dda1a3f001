#include "charts/VehicleDiagrams.hpp"

#include <cmath>

#include "analysis/LiveStateCode.hpp"
#include "analysis/PhysicalCode.hpp"
#include "charts/ChartColours.hpp"
#include "charts/ChartFrame.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"

namespace charts {

namespace {

constexpr float kMarkerRadius = 0.02f;   // m
constexpr float kCarcassInset = 0.015f;  // m between the tyre's outside and its carcass
constexpr float kHubRadius = 0.05f;      // m
constexpr uint8_t kUndertray = 1, kRearWing = 2, kFrontWing = 3;

// A circle filled and outlined in one colour.
void Disc(platform::Surface& s, float x, float y, float r, Color c) {
    s.FillSolid = true;
    s.FillColor = c;
    s.Circle(x, y, r, c);
}

bool Fitted(const vehicle::VehicleRecord& v, uint8_t k) { return v.AeroElements[k].DeviceType > 0; }

bool On(core::VbBool option) { return core::FromVbBool(option); }

// The ground band along the bottom edge, outlined grey, in the fill colour in force.
void GroundBand(platform::Surface& s) {
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    s.FillSolid = true;
    s.Box(0, h - kChartMargin, w, h, kGrey);
}

}  // namespace

void DrawPointMarker(platform::Surface& s, float scale, float x, float height, Color colour) {
    Disc(s, s.ScaleWidth() / 2 - scale * x, s.ScaleHeight() - kChartMargin - scale * height,
         kMarkerRadius * scale, colour);
}

void DrawSideTyre(platform::Surface& s, const vehicle::TyreState& tyre, float scale, float x) {
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    const float ground = h - kChartMargin;
    const float cx = w / 2 + scale * x;
    const float cy = ground - scale * tyre.LoadedRadius;
    s.DrawWidth = 1;
    Disc(s, cx, cy, scale * (tyre.UnloadedRadius - tyre.WearDepth), kTyreGrey);
    Disc(s, cx, cy, scale * (tyre.UnloadedRadius - kCarcassInset), kTyreDark);
    // The flattened contact, in the carcass colour still in force.
    s.Box(cx - scale * tyre.PatchLength / 2, ground - scale * (kCarcassInset - tyre.WearDepth),
          cx + scale * tyre.PatchLength / 2, ground, kTyreGrey);
    Disc(s, cx, cy, scale * tyre.RimDiameter / 2, kRimGrey);
    Disc(s, cx, cy, scale * kHubRadius, kWhite);
    // The ground band in the hub's white, still in force.
    GroundBand(s);
}

void DrawTyreFromRear(platform::Surface& s, const vehicle::TyreState& tyre, float scale, float x) {
    const float w = s.ScaleWidth(), ground = s.ScaleHeight() - kChartMargin;
    const float cx = w / 2 + scale * x;
    s.Box(cx - scale * tyre.Width / 2, ground - scale * (tyre.LoadedRadius + tyre.UnloadedRadius),
          cx + scale * tyre.Width / 2, ground, kTyreGrey, true);
}

void DrawSpringLine(platform::Surface& s, const analysis::SuspCorner& corner,
                    const vehicle::TyreState& tyre, float scale, float x, float rideHeight) {
    const float ground = s.ScaleHeight() - kChartMargin;
    const float b = tyre.LoadedRadius + rideHeight + corner.TravelLeftDiff;
    const float px = s.ScaleWidth() / 2 + scale * x;
    s.Line(px, ground - scale * b, px, ground - scale * (b + corner.SpringTravel), kBlue);
    s.Line(px, ground - scale * b, px, ground - scale * (b + corner.LoadedSpringLength), kGreen);
}

void DrawPitchDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                      const std::array<analysis::SuspCorner, 4>& susp,
                      const vehicle::VehicleRecord& vehicle, const vehicle::PositionXYZ& cog,
                      float undertrayHeight, float frontWingHeight, float rearWingHeight,
                      float scale) {
    ChartRedraw frame(s);
    if (!std::isfinite(scale)) return;  // nothing to draw to
    const auto& opt = core::OptionsSettings();
    const float w = s.ScaleWidth(), h = s.ScaleHeight(), ground = h - kChartMargin;
    const float L = vehicle.Wheelbase;
    const float rh0 = vehicle.Axles[0].RideHeight, rh1 = vehicle.Axles[1].RideHeight;
    auto px = [&](float x) { return w / 2 + scale * x; };
    auto py = [&](float height) { return ground - scale * height; };
    s.DrawWidth = 1;
    s.Line(w / 2, h, w / 2, 0, kGrey);

    // Left side (wheels 0 and 2), then right side (1 and 3).
    for (int side = 0; side < 2; ++side) {
        const int f = side, r = side + 2;
        s.DrawWidth = 1;
        DrawSideTyre(s, tyres[f], scale, 0.5f * L);
        DrawSideTyre(s, tyres[r], scale, -0.5f * L);
        s.DrawWidth = 2;
        if (On(opt.DrawPitchAxleLine))
            s.Line(px(-0.5f * L), py(tyres[r].LoadedRadius + rh1), px(0.5f * L),
                   py(tyres[f].LoadedRadius + rh0), kGrey);
        DrawSpringLine(s, susp[f], tyres[f], scale, 0.5f * L, rh0);
        DrawSpringLine(s, susp[r], tyres[r], scale, -0.5f * L, rh1);
        s.Line(px(-0.5f * L), py(tyres[r].LoadedRadius + rh1 + susp[r].WheelTravelLeft),
               px(0.5f * L), py(tyres[f].LoadedRadius + rh0 + susp[f].WheelTravelLeft), kRed);
    }

    s.DrawWidth = 1;
    const auto& el = vehicle.AeroElements;
    if (On(opt.ShowPitchLiveCoG)) DrawPointMarker(s, scale, (0.5f - cog.Y) * L, cog.Z, kOrange);
    if (On(opt.ShowPitchUndertrayCentre) && Fitted(vehicle, kUndertray))
        DrawPointMarker(s, scale, (0.5f - el[kUndertray].PosY) * L, undertrayHeight, kCyan);
    if (On(opt.ShowPitchRearWingCentre) && Fitted(vehicle, kRearWing))
        DrawPointMarker(s, scale, (0.5f - el[kRearWing].PosY) * L, rearWingHeight, kBlue);
    if (On(opt.ShowPitchFrontWingCentre) && Fitted(vehicle, kFrontWing))
        DrawPointMarker(s, scale, (0.5f - el[kFrontWing].PosY) * L, frontWingHeight, kRed);
}

void DrawRollDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                     const std::array<analysis::SuspCorner, 4>& susp, float scale) {
    ChartRedraw frame(s);
    if (!std::isfinite(scale)) return;  // nothing to draw to
    const auto& opt = core::OptionsSettings();
    const auto& veh = core::GlobalChassisLab().CurrentVehicle;
    const auto& mass = analysis::PhysicalCode();
    const auto& rel = analysis::LiveStateCode().AeroElementRelPos;
    const float w = s.ScaleWidth(), h = s.ScaleHeight(), ground = h - kChartMargin;
    auto px = [&](float x) { return w / 2 + scale * x; };
    auto py = [&](float height) { return ground - scale * height; };
    s.DrawWidth = 1;
    s.Line(w / 2, ground, w / 2, 0, kGrey);

    // Rear axle (wheels 2 and 3), then the front axle (0 and 1) over it.
    for (int axle = 1; axle >= 0; --axle) {
        const int l = 2 * axle, r = 2 * axle + 1;
        const float track = veh.Axles[axle].TrackWidth;
        const float rh = veh.Axles[axle].RideHeight;
        s.DrawWidth = 1;
        DrawTyreFromRear(s, tyres[l], scale, -0.5f * track);
        DrawTyreFromRear(s, tyres[r], scale, 0.5f * track);
        s.DrawWidth = 2;
        if (On(opt.DrawRollAxleLine))
            s.Line(px(-0.5f * track), py(rh + tyres[l].LoadedRadius), px(0.5f * track),
                   py(rh + tyres[r].LoadedRadius), kBlack);
        DrawSpringLine(s, susp[l], tyres[l], scale, -0.5f * track, rh);
        DrawSpringLine(s, susp[r], tyres[r], scale, 0.5f * track, rh);
        auto top = [&](int i) {
            return rh + tyres[i].LoadedRadius + susp[i].TravelLeftDiff + susp[i].LoadedSpringLength;
        };
        s.Line(px(-0.5f * track), py(top(l)), px(0.5f * track), py(top(r)), kRed);
    }

    s.DrawWidth = 1;
    const float m = (veh.Axles[0].TrackWidth + veh.Axles[1].TrackWidth) * 0.5f;
    if (On(opt.ShowRollLiveCoG))
        DrawPointMarker(s, scale, m * (0.5f - mass.VehicleCoG.X), mass.VehicleCoG.Z, kOrange);
    auto element = [&](core::VbBool option, uint8_t k, Color c) {
        if (On(option) && Fitted(veh, k))
            DrawPointMarker(s, scale, (0.5f - rel[k].X) * m, mass.AeroElementPos[k].Z, c);
    };
    element(opt.ShowRollUndertrayCentre, kUndertray, kCyan);
    element(opt.ShowRollRearWingCentre, kRearWing, kBlue);
    element(opt.ShowRollFrontWingCentre, kFrontWing, kRed);
    // The ground band in its outline's grey.
    s.FillColor = kGrey;
    GroundBand(s);
}

}  // namespace charts
