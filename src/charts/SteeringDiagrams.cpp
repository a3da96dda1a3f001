#include "charts/SteeringDiagrams.hpp"

#include <algorithm>
#include <cmath>

#include "analysis/SteeringCode.hpp"
#include "charts/ChartColours.hpp"
#include "charts/ChartFrame.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"

namespace charts {

namespace {

constexpr float kArmLength = 0.1f;        // m, steering arm behind the wheel centre
constexpr float kDirectionLength = 8.0f;  // m, wheel direction line

// How far a wheel's outline (DrawWheelOutline) turned by `angle` reaches from its centre, in
// metres: across by W/2 + R |sin a|; along by |R cos a - R/2| + W/2 |sin a| (R/2 straight
// ahead, never more than (R + W) / 2). Straight ahead the outline is W across and R along.
struct Reach {
    float across = 0, along = 0;
};
Reach WheelReach(const vehicle::TyreState& t, float angle) {
    const float r = t.UnloadedRadius, w = t.Width;
    const float sinA = std::fabs(std::sin(angle)), cosA = std::cos(angle);
    return {w / 2 + r * sinA, std::fabs(r * cosA - r / 2) + w / 2 * sinA};
}

// Half the width and half the height (m) that one axle's pair of wheels takes about the
// centre of the drawing, the wheels turned by their angles (wheel order from `first`).
Reach AxleReach(float track, const std::array<vehicle::TyreState, 4>& tyres,
                const std::array<float, 4>& angle, std::size_t first) {
    const Reach l = WheelReach(tyres[first], angle[first]);
    const Reach r = WheelReach(tyres[first + 1], angle[first + 1]);
    return {track / 2 + std::max(l.across, r.across), std::max(l.along, r.along)};
}

}  // namespace

float SteeringPlanScaleWithin(const platform::Surface& s, float scale, bool fullView,
                              const std::array<float, 4>& wheelAngle) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    Reach reach = AxleReach(v.Axles[0].TrackWidth, tyres, wheelAngle, 0);
    // The steering arms reach 0.1 m behind the front wheel centres, and as far sideways.
    reach = {std::max(reach.across, v.Axles[0].TrackWidth / 2 + kArmLength),
             std::max(reach.along, kArmLength)};
    if (fullView) {
        const Reach rear = AxleReach(v.Axles[1].TrackWidth, tyres, wheelAngle, 2);
        // The axle lines lie half the wheelbase either side of the centre.
        reach = {std::max(reach.across, rear.across),
                 v.Wheelbase / 2 + std::max(reach.along, rear.along)};
    }
    // The labels take a line at the top and bottom (DrawSteeringDiagram).
    const auto& tt = core::TextTable();
    const float labels = 2 * (15 + std::max(s.TextHeight(tt.FrontText), s.TextHeight(tt.RearText)));
    return ScaleWithin(scale, reach.across, reach.along, s.ScaleWidth(), s.ScaleHeight() - labels);
}

float CamberScaleWithin(const platform::Surface& s, float scale,
                        const std::array<float, 4>& camber) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const Reach reach = analysis::SteeringCode().CamberDiagramMode == 0
                            ? AxleReach(v.Axles[0].TrackWidth, tyres, camber, 0)
                            : AxleReach(v.Axles[1].TrackWidth, tyres, camber, 2);
    return ScaleWithin(scale, reach.across, reach.along, s.ScaleWidth(), s.ScaleHeight());
}

void DrawWheelOutline(platform::Surface& s, const vehicle::TyreState& tyre, float angle, bool front,
                      float scale, float xOffset, float yOffset, uint8_t noDirectionLine) {
    const float sc = scale;
    const float cx = s.ScaleWidth() / 2 + sc * xOffset / 2;
    const float cy = s.ScaleHeight() / 2 - sc * yOffset / 2;
    const float r = tyre.UnloadedRadius, w = tyre.Width;
    const float sinA = std::sin(angle), cosA = std::cos(angle);
    const float h = sc * r * (cosA - 1);
    const float wx = sc * (w / 2) * sinA;
    const float rx = sc * r * sinA;

    if (noDirectionLine == 0) {
        const float len = kDirectionLength * sc;
        if ((front && angle > 0) || (!front && angle <= 0))
            s.Line(cx, cy, cx + len + h, cy + len * sinA, kBlue);
        else
            s.Line(cx - len - h, cy - len * sinA, cx, cy, kBlue);
    }

    const float p1x = cx - sc * w / 2 - rx, p1y = cy + sc * r / 2 + h - wx;
    const float p2x = cx - sc * w / 2 + rx, p2y = cy - sc * r / 2 - h - wx;
    const float p3x = cx + sc * w / 2 - rx, p3y = cy + sc * r / 2 + h + wx;
    const float p4x = cx + sc * w / 2 + rx, p4y = cy - sc * r / 2 - h + wx;
    s.Line(p1x, p1y, p2x, p2y, kBlack);
    s.Line(p3x, p3y, p4x, p4y, kBlack);
    s.Line(p2x, p2y, p4x, p4y, kBlack);
    s.Line(p1x, p1y, p3x, p3y, kBlack);
}

void DrawSteeringDiagram(platform::Surface& s, const std::array<float, 4>& wheelAngle,
                         const std::array<float, 2>& armAngle, float scale, float offset) {
    ChartRedraw frame(s);
    if (!std::isfinite(scale) || !std::isfinite(offset)) return;  // nothing to draw to
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const bool full = analysis::SteeringCode().ToeDiagramMode == 1;
    const float sc = scale, o = offset;
    const float tf = v.Axles[0].TrackWidth, tr = v.Axles[1].TrackWidth, L = v.Wheelbase;
    const float w = s.ScaleWidth(), h = s.ScaleHeight();
    const float cx = w / 2, cy = h / 2;
    const float yF = cy - sc * o / 2, yR = cy + sc * o / 2;
    const float a0 = armAngle[0], a1 = armAngle[1];

    s.Line(cx + sc * tf / 2, yF, cx - sc * tf / 2, yF, kGrey);
    if (full) {
        s.Line(cx + sc * tr / 2, yR, cx - sc * tr / 2, yR, kGrey);
        // L tan a as sin a x (L / cos a).
        const float t0 = std::sin(a0) * (L / std::cos(a0));
        const float t1 = std::sin(a1) * (L / std::cos(a1));
        s.Line(cx - sc * (tf / 2 + t0), yR, cx - sc * tf / 2, yF, kLightRed);
        s.Line(cx + sc * (tf / 2 - t1), yR, cx + sc * tf / 2, yF, kLightRed);
    }

    const float e0x = cx - sc * (tf / 2 + kArmLength * std::sin(a0));
    const float e0y = yF + kArmLength * sc * std::cos(a0);
    const float e1x = cx + sc * (tf / 2 - kArmLength * std::sin(a1));
    const float e1y = yF + kArmLength * sc * std::cos(a1);
    s.Line(e0x, e0y, cx - sc * tf / 2, yF, kRed);
    s.Line(e1x, e1y, cx + sc * tf / 2, yF, kRed);
    s.Line(e0x, e0y, e1x, e1y, kGreen);

    DrawWheelOutline(s, tyres[0], wheelAngle[0], true, sc, -tf, o, 0);
    DrawWheelOutline(s, tyres[1], wheelAngle[1], true, sc, tf, o, 0);
    if (full) {
        DrawWheelOutline(s, tyres[2], wheelAngle[2], false, sc, -tr, -o, 0);
        DrawWheelOutline(s, tyres[3], wheelAngle[3], false, sc, tr, -o, 0);
    }

    // The rear label sits one text height above the bottom edge so that it can be read.
    const auto& tt = core::TextTable();
    s.CurrentX = w / 2.1f;
    s.CurrentY = h - 15 - s.TextHeight(tt.RearText);
    s.Print(tt.RearText);
    s.CurrentX = w / 2.1f;
    s.CurrentY = 2;
    s.Print(tt.FrontText);
}

void DrawCamberDiagram(platform::Surface& s, const std::array<vehicle::TyreState, 4>& tyres,
                       const std::array<float, 4>& camber, float scale) {
    ChartRedraw frame(s);
    if (!std::isfinite(scale)) return;
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    if (analysis::SteeringCode().CamberDiagramMode == 0) {
        const float tf = v.Axles[0].TrackWidth;
        DrawWheelOutline(s, tyres[0], -camber[0], true, scale, -tf, 0, 1);
        DrawWheelOutline(s, tyres[1], camber[1], true, scale, tf, 0, 1);
    } else {
        const float tr = v.Axles[1].TrackWidth;
        DrawWheelOutline(s, tyres[2], -camber[2], false, scale, -tr, 0, 1);
        DrawWheelOutline(s, tyres[3], camber[3], false, scale, tr, 0, 1);
    }
}

}  // namespace charts
