#include "charts/SuspensionCharts.hpp"

#include <algorithm>
#include <cmath>

#include "analysis/PhysicalCode.hpp"
#include "analysis/SuspensionCode.hpp"
#include "charts/ChartFrame.hpp"
#include "charts/CornerBarChart.hpp"
#include "charts/LineCharts.hpp"
#include "charts/PatchDiagrams.hpp"
#include "charts/VehicleDiagrams.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

namespace {

using core::Quantity;

constexpr float kLeastTop = 0.01f;  // N or m: the top of a bar chart with nothing to show

// Corner bars of a quantity, the tallest (top, internal units) at 1/1.15 of the usable
// height, the grid every yOption display units.
void DrawSuspensionBars(platform::Surface& s, const std::array<float, 8>& v, float top,
                        int16_t yOption, Quantity q, const std::string& title, uint8_t mode) {
    DrawCornerBarChart(s, v, (s.ScaleHeight() - 15.0f) / top / 1.15f, GridStep(yOption, q), title,
                       core::UnitSuffix(q), mode);
}

// m above the ground of the highest point the rear and side views draw: the tyres' tops, the
// springs' tops (their base is the wheel centre raised by the ride height), the body line, the
// centre of gravity and the aerodynamic elements' markers.
float TallestInViews() {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const auto& corners = analysis::SuspensionCode().SuspCorners;
    const auto& mass = analysis::PhysicalCode();
    constexpr float kMarker = 0.02f;  // m, the markers' radius
    float top = mass.VehicleCoG.Z + kMarker;
    for (const auto& element : mass.AeroElementPos) top = std::max(top, element.Z + kMarker);
    for (int i = 0; i < 4; ++i) {
        const auto& t = tyres[i];
        const auto& c = corners[i];
        const float base = t.LoadedRadius + v.Axles[i / 2].RideHeight;
        top = std::max({top, t.LoadedRadius + t.UnloadedRadius,
                        base + c.TravelLeftDiff + std::max(c.SpringTravel, c.LoadedSpringLength),
                        base + c.WheelTravelLeft});
    }
    return top;
}

// The view's scale (pixels per metre) from its width, made smaller where the tallest point
// would otherwise rise above the picture (a ride height of a metre, a centre of gravity high up).
float FitViewHeight(const platform::Surface& s, float widthScale) {
    const float room = s.ScaleHeight() - kChartMargin;  // from the ground up
    const float tallest = TallestInViews() * 1.05f;  // with a little room above
    if (tallest > 0.0f && tallest * widthScale > room) return room / tallest;
    return widthScale;
}

}  // namespace

void DrawSuspRearView(platform::Surface& s) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const float span = std::max(v.Axles[0].TrackWidth + tyres[0].Width,
                                v.Axles[1].TrackWidth + tyres[2].Width);
    DrawRollDiagram(s, tyres, analysis::SuspensionCode().SuspCorners,
                    FitViewHeight(s, s.ScaleWidth() / (span * 1.2f)));
}

void DrawSuspSideView(platform::Surface& s) {
    const auto& v = core::GlobalChassisLab().CurrentVehicle;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const auto& mass = analysis::PhysicalCode();
    const auto& el = v.AeroElements;
    const float L = v.Wheelbase;
    float scale;
    if (el[2].DeviceType == 0 && el[3].DeviceType == 0) {
        scale = s.ScaleWidth() / ((L + tyres[0].UnloadedRadius + tyres[3].UnloadedRadius) * 1.1f);
    } else {
        // Wide enough for a wing overhanging either axle, and never narrower than the wheelbase.
        const float a = std::max((1.0f - 2.0f * el[2].PosY) * L, L);
        const float b = std::max((2.0f * el[3].PosY - 1.0f) * L, L);
        scale = s.ScaleWidth() / (1.2f * std::max(a, b));
    }
    DrawPitchDiagram(s, tyres, analysis::SuspensionCode().SuspCorners, v, mass.VehicleCoG,
                     mass.AeroElementPos[1].Z, mass.AeroElementPos[3].Z, mass.AeroElementPos[2].Z,
                     FitViewHeight(s, scale));
}

void DrawSpringLoadChart(platform::Surface& s) {
    const auto& c = analysis::SuspensionCode().SuspCorners;
    std::array<float, 8> v{};
    // A spring the lift pulls out (a negative load) counts as much as one pressed in.
    float top = kLeastTop;
    for (int i = 0; i < 4; ++i) {
        v[i] = c[i].SpringLoad;
        top = std::max(top, std::fabs(v[i]));
    }
    DrawSuspensionBars(s, v, top, core::OptionsSettings().SpringLoadsChartScaleY, Quantity::Force,
                       core::TextTable().QuantityTitleForce, kBarsSingle);
}

void DrawWheelTravelChart(platform::Surface& s) {
    const auto& c = analysis::SuspensionCode().SuspCorners;
    std::array<float, 8> v{};
    float top = kLeastTop;
    for (int i = 0; i < 4; ++i) {
        v[i] = c[i].SpringTravel * c[i].MotionRatio;
        v[i + 4] = c[i].LoadedSpringLength * c[i].MotionRatio;
        top = std::max(top, v[i]);
    }
    DrawSuspensionBars(s, v, top, core::OptionsSettings().SpringDeflectionChartScaleY,
                       Quantity::DistanceSmall, core::TextTable().QuantityTitleDistance,
                       kBarsOverlay);
}

void DrawRollStiffnessChart(platform::Surface& s) {
    const auto& susp = analysis::SuspensionCode();
    const float pitch = susp.PitchStiffnessPerMass;
    const float xTop = std::max({1.0f, pitch, susp.RollStiffness[4], susp.RollStiffness[10]});
    const float yTop = std::max(1.0f, pitch);
    const float scale = std::min(s.ScaleWidth() / (xTop * 2.3f), s.ScaleHeight() / (yTop * 2.3f));
    const float step = core::OptionsSettings().SuspRollStiffDiaScale;
    DrawRollStiffnessDiagram(s, susp.RollStiffness, pitch, scale, step, scale, step);
}

void DrawSuspResponse(platform::Surface& s, const analysis::ResponseHistory<float>& travel) {
    const auto& c = analysis::SuspensionCode().SuspCorners;
    const float xScale = (s.ScaleWidth() - 15.0f) / 2.0f;  // the 2 s of a run fill the width
    float top = kLeastTop;
    for (const auto& corner : c) top = std::max(top, corner.SpringTravel * corner.MotionRatio);
    const float yScale = (s.ScaleHeight() - 15.0f) / (top * 1.05f);
    const auto& opt = core::OptionsSettings();
    const auto& tt = core::TextTable();
    // The four corners' histories lie one after another.
    static_assert(sizeof(travel) == sizeof(float) * 4 * (analysis::kResponseSteps + 1));
    const ChartSeries y = ChartSeries::Contiguous(travel[0].data(), 4,
                                                  static_cast<int32_t>(travel[0].size()));
    PlotChart(s, y, analysis::kResponseTimeStep, 1, analysis::kResponseSteps, xScale,
              opt.DampDropGraphScaleX / 10.0f, yScale,
              GridStep(opt.DampDropGraphScaleY, Quantity::DistanceSmall), tt.QuantityTitleTime, "s",
              tt.QuantityTitleDistance, core::UnitSuffix(Quantity::DistanceSmall), false,
              kPlotFourCorners);
}

}  // namespace charts
