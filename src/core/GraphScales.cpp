#include "core/GraphScales.hpp"

#include <array>

#include "core/Numbers.hpp"

namespace core {
namespace {

using B = OptionsBlock;
using Q = Quantity;
using L = ScaleLabel;

// Row builders: an axis of a two-slider group (item 0 horizontal, 1 vertical) or a slider of
// its own.
constexpr GraphScaleSlider Axis(int16_t B::*field, std::string_view slider, int item, int group,
                                int16_t min, int16_t max, int16_t small, int16_t large,
                                int16_t tick, ScaleLabel label, Quantity unit = Q::Speed) {
    return {field, slider, item, item == 1, group, min, max, small, large, tick, label, unit};
}
constexpr GraphScaleSlider Single(int16_t B::*field, std::string_view slider, bool vertical,
                                  int group, int16_t min, int16_t max, int16_t small,
                                  int16_t large, int16_t tick, ScaleLabel label,
                                  Quantity unit = Q::Speed) {
    return {field, slider, -1, vertical, group, min, max, small, large, tick, label, unit};
}

// The options file's line order. Time axes of the deceleration graphs step 2/5, those of the
// acceleration graphs 5/10.
constexpr std::array<GraphScaleSlider, kGraphScaleCount> kSliders = {{
    Axis(&B::DynoGraphScaleX, "Select_DynoGraphScale", 0, 0, 10, 2000, 5, 10, 200, L::Unit, Q::ARV),
    Axis(&B::DynoGraphScaleY, "Select_DynoGraphScale", 1, 0, 10, 500, 5, 10, 50, L::Bare),
    Single(&B::CornerMassChartScaleY, "Select_CornerMassChartScale", true, 1, 1, 200, 5, 10, 20, L::Unit, Q::Mass),
    Axis(&B::DecBrakeGraphScaleX, "Select_DecBrakeGraphScale", 0, 2, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecEngineARVGraphScaleX, "Select_DecEngineARVGraphScale", 0, 3, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecEngineARVGraphScaleY, "Select_DecEngineARVGraphScale", 1, 3, 100, 5000, 5, 10, 1000, L::Unit, Q::ARV),
    Axis(&B::DecGearGraphScaleX, "Select_DecGearGraphScale", 0, 4, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecForcesGraphScaleX, "Select_DecForcesGraphScale", 0, 5, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecForcesGraphScaleY, "Select_DecForcesGraphScale", 1, 5, 500, 5000, 50, 200, 500, L::Unit, Q::Force),
    Axis(&B::DecDecGraphScaleX, "Select_DecDecGraphScale", 0, 6, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecDecGraphScaleY, "Select_DecDecGraphScale", 1, 6, 1, 50, 5, 10, 10, L::Unit, Q::Acc),
    Axis(&B::DecSpeedGraphScaleX, "Select_DecSpeedGraphScale", 0, 7, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecSpeedGraphScaleY, "Select_DecSpeedGraphScale", 1, 7, 1, 50, 5, 10, 10, L::Unit, Q::Speed),
    Axis(&B::DecDistanceGraphScaleX, "Select_DecDistanceGraphScale", 0, 8, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecDistanceGraphScaleY, "Select_DecDistanceGraphScale", 1, 8, 1, 200, 5, 10, 25, L::Unit, Q::DistanceLarge),
    Axis(&B::DecSpringDefGraphScaleX, "Select_DecSpringDefGraphScale", 0, 9, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecSpringDefGraphScaleY, "Select_DecSpringDefGraphScale", 1, 9, 1, 50, 5, 10, 10, L::Unit, Q::DistanceSmall),
    Axis(&B::DecTyreDefGraphScaleX, "Select_DecTyreDefGraphScale", 0, 10, 1, 10, 2, 5, 1, L::Time),
    Axis(&B::DecTyreDefGraphScaleY, "Select_DecTyreDefGraphScale", 1, 10, 1, 50, 5, 10, 10, L::Unit, Q::DistanceSmall),
    Axis(&B::DecBrakeBalanceGraphScaleX, "Select_DecBrakeBalanceGraphScale", 0, 11, 1, 10, 2, 5, 1, L::Time),
    Single(&B::SpringLoadsChartScaleY, "Select_SpringLoadsChartScale", true, 12, 100, 2000, 5, 10, 500, L::Unit, Q::Force),
    Single(&B::SpringDeflectionChartScaleY, "Select_SpringDeflectionChartScale", true, 13, 1, 10, 5, 10, 1, L::Unit, Q::DistanceSmall),
    Single(&B::SuspRollStiffDiaScale, "Select_SuspRollStiffDiaScale", false, 14, 50, 500, 10, 50, 50, L::Bare),
    Axis(&B::DampDropGraphScaleX, "Select_DampDropGraphScale", 0, 17, 1, 10, 2, 5, 1, L::TimeTenths),
    Axis(&B::DampDropGraphScaleY, "Select_DampDropGraphScale", 1, 17, 1, 20, 5, 10, 5, L::Unit, Q::DistanceSmall),
    Axis(&B::SpeedPlotScaleX, "Select_SpeedPlotScale", 0, 20, 10, 50, 5, 10, 10, L::Unit, Q::Speed),
    Axis(&B::SpeedPlotScaleY, "Select_SpeedPlotScale", 1, 20, 200, 2000, 100, 200, 500, L::Unit, Q::ARV),
    Axis(&B::TorquePlotScaleX, "Select_TorquePlotScale", 0, 21, 100, 1000, 100, 200, 250, L::Unit, Q::ARV),
    Axis(&B::TorquePlotScaleY, "Select_TorquePlotScale", 1, 21, 100, 2500, 100, 500, 500, L::Unit, Q::Torque),
    Single(&B::TyreContactPatchScale, "Select_TyreContactPatchScale", false, 23, 1, 50, 5, 10, 10, L::Unit, Q::DistanceSmall),
    Axis(&B::AeroDragGraphScaleX, "Select_AeroDragGraphScale", 0, 24, 5, 20, 5, 10, 5, L::Unit, Q::Speed),
    Axis(&B::AeroDragGraphScaleY, "Select_AeroDragGraphScale", 1, 24, 1, 1000, 50, 200, 100, L::Unit, Q::Force),
    Axis(&B::AeroLiftGraphScaleX, "Select_AeroLiftGraphScale", 0, 25, 5, 20, 5, 10, 5, L::Unit, Q::Speed),
    Axis(&B::AeroLiftGraphScaleY, "Select_AeroLiftGraphScale", 1, 25, 1, 1000, 50, 200, 100, L::Unit, Q::Force),
    Single(&B::AeroLoadsChartScaleY, "Select_AeroLoadsChartScale", true, 26, 1, 1000, 50, 200, 100, L::Unit, Q::Force),
    Axis(&B::ThrottleTimeGraphScaleX, "Select_ThrottleTimeGraphScale", 0, 27, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::EngineARVTimeGraphScaleX, "Select_EngineARVTimeGraphScale", 0, 28, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::EngineARVTimeGraphScaleY, "Select_EngineARVTimeGraphScale", 1, 28, 100, 5000, 5, 10, 1000, L::Unit, Q::ARV),
    Axis(&B::GearTimeGraphScaleX, "Select_GearTimeGraphScale", 0, 29, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::ForcesTimeGraphScaleX, "Select_ForcesTimeGraphScale", 0, 30, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::ForcesTimeGraphScaleY, "Select_ForcesTimeGraphScale", 1, 30, 200, 5000, 200, 500, 1000, L::Unit, Q::Force),
    Axis(&B::AccTimeGraphScaleX, "Select_AccTimeGraphScale", 0, 31, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::AccTimeGraphScaleY, "Select_AccTimeGraphScale", 1, 31, 1, 100, 5, 10, 10, L::Unit, Q::Acc),
    Axis(&B::SpeedTimeGraphScaleX, "Select_SpeedTimeGraphScale", 0, 32, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::SpeedTimeGraphScaleY, "Select_SpeedTimeGraphScale", 1, 32, 10, 50, 5, 10, 10, L::Unit, Q::Speed),
    Axis(&B::DistanceTimeGraphScaleX, "Select_DistanceTimeGraphScale", 0, 33, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::DistanceTimeGraphScaleY, "Select_DistanceTimeGraphScale", 1, 33, 1, 500, 5, 10, 100, L::Unit, Q::DistanceLarge),
    Axis(&B::SpringDefTimeGraphScaleX, "Select_SpringDefTimeGraphScale", 0, 34, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::SpringDefTimeGraphScaleY, "Select_SpringDefTimeGraphScale", 1, 34, 1, 20, 5, 10, 5, L::Unit, Q::DistanceSmall),
    Axis(&B::TyreDefTimeGraphScaleX, "Select_TyreDefTimeGraphScale", 0, 35, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::TyreDefTimeGraphScaleY, "Select_TyreDefTimeGraphScale", 1, 35, 1, 20, 5, 10, 5, L::Unit, Q::DistanceSmall),
    Axis(&B::FuelTimeGraphScaleX, "Select_FuelTimeGraphScale", 0, 36, 5, 20, 5, 10, 5, L::Time),
    Axis(&B::FuelTimeGraphScaleY, "Select_FuelTimeGraphScale", 1, 36, 1, 20, 5, 10, 5, L::Unit, Q::Volume),
}};

using C = ScaleChart;

// Design tops step 56 from one group to the next; 76 after a group with a vertical-load box
// (5, 25, 30), 100 after the roll and pitch groups (15, 16) and 124 after the two gearing
// groups (20, 21). Each frame leaves 4 pixels to the next.
constexpr std::array<GraphGroup, kGraphGroupCount> kGroups = {{
    {"Vehicle Data - Power && Torque Graph Options", 4, 52, C::DynoGraph},
    {"Physical Analysis - Corner Masses Chart Options", 60, 52, C::PhysicalChart},
    {"Deceleration Analysis - Brake Graph Options", 116, 52, C::DecGraph},
    {"Deceleration Analysis - Engine Velocity Options", 172, 52, C::DecGraph},
    {"Deceleration Analysis - Gear Graph Options", 228, 52, C::DecGraph},
    {"Deceleration Analysis - Forces Graph Options", 284, 72, C::DecGraph},
    {"Deceleration Analysis - Deceleration Graph Options", 360, 52, C::DecGraph},
    {"Deceleration Analysis - Speed Graph Options", 416, 52, C::DecGraph},
    {"Deceleration Analysis - Distance Graph Options", 472, 52, C::DecGraph},
    {"Deceleration Analysis - Spring Deflection Graph Options", 528, 52, C::DecGraph},
    {"Deceleration Analysis - Tyre Vertical Deformation Graph Options", 584, 52, C::DecGraph},
    {"Deceleration Analysis - Brake Balance Graph Options", 640, 52, C::DecGraph},
    {"Springs Analysis - Spring Loads Chart Options", 696, 52, C::SuspDamperChart},
    {"Springs Analysis - Spring Deflection Chart Options", 752, 52, C::SuspDamperChart},
    {"Springs Analysis - Suspension Roll Stiffness Diagram Options", 808, 52, C::SuspBalance},
    {"Springs Analysis - Vehicle Roll Diagram Options", 864, 96, C::SuspChart},
    {"Springs Analysis - Vehicle Pitch Diagram Options", 964, 96, C::SuspChart},
    {"Damping Analysis - Suspension Drop Graph Options", 1064, 52, C::SuspResponseChart},
    {"Steering Analysis - Steering Diagram Options", 1120, 52, C::None},
    {"Steering Analysis - Camber Diagram Options", 1176, 52, C::None},
    {"Gearing Analysis - Speed Graph Options", 1232, 120, C::GearingGraph},
    {"Gearing Analysis - Torque Graph Options", 1356, 120, C::GearingGraph},
    {"Tyres Analysis - Side-On Tyre Diagram Options", 1480, 52, C::None},
    {"Tyres Analysis - Contact Patch Diagram Options", 1536, 52, C::TyreDiagrams},
    {"Aero Analysis - Drag Force Graph Options", 1592, 52, C::AeroSpeedChart},
    {"Aero Analysis - Lift Force Graph Options", 1648, 72, C::AeroSpeedChart},
    {"Aero Analysis - Aero Loads Chart Options", 1724, 52, C::AeroForcesChart},
    {"Acceleration Analysis - Throttle Graph Options", 1780, 52, C::AccGraph},
    {"Acceleration Analysis - Engine Ang. Vel. Graph Options", 1836, 52, C::AccGraph},
    {"Acceleration Analysis - Gear Graph Options", 1892, 52, C::AccGraph},
    {"Acceleration Analysis - Forces Graph Options", 1948, 72, C::AccGraph},
    {"Acceleration Analysis - Acceleration Graph Options", 2024, 52, C::AccGraph},
    {"Acceleration Analysis - Speed Graph Options", 2080, 52, C::AccGraph},
    {"Acceleration Analysis - Distance Graph Options", 2136, 52, C::AccGraph},
    {"Acceleration Analysis - Spring Deflection Graph Options", 2192, 52, C::AccGraph},
    {"Acceleration Analysis - Tyre Deformation Graph Options", 2248, 52, C::AccGraph},
    {"Acceleration Analysis - Fuel Graph Options", 2304, 52, C::AccGraph},
}};

}  // namespace

std::span<const GraphScaleSlider> GraphScaleSliders() { return kSliders; }

std::span<const GraphGroup> GraphGroups() { return kGroups; }

const GraphScaleSlider* FindGraphScale(int16_t OptionsBlock::*field) {
    for (const GraphScaleSlider& s : kSliders) {
        if (s.Field == field) return &s;
    }
    return nullptr;
}

std::string GraphScaleLabelText(const GraphScaleSlider& s, int16_t value) {
    switch (s.Label) {
        case ScaleLabel::Unit: return std::to_string(value) + UnitSuffix(s.Unit);
        case ScaleLabel::Time: return std::to_string(value) + "s";
        case ScaleLabel::TimeTenths: return DoubleText(value / 10.0) + "s";
        case ScaleLabel::Bare: return std::to_string(value);
    }
    return {};
}

}  // namespace core
