#include "charts/LineCharts.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "charts/ChartColours.hpp"
#include "charts/ChartFrame.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/engine/EngineCode.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/TyreCode.hpp"

namespace charts {

namespace {

constexpr uint8_t kUndertray = 1, kRearWing = 2, kFrontWing = 3;

// A segment whose ends are both finite; anything else is left out rather than handed to the
// surface.
void Segment(platform::Surface& s, float x1, float y1, float x2, float y2, Color c) {
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
        s.Line(x1, y1, x2, y2, c);
}

bool ElementFitted(uint8_t k) {
    return core::GlobalChassisLab().CurrentVehicle.AeroElements[k].DeviceType > 0;
}

bool Usable(float scale) { return std::isfinite(scale); }

// The last point index the table holds, or -1.
int32_t LastHeld(const ChartSeries& y, int32_t lastIdx) {
    return std::min(lastIdx, y.Points - 1);
}

// Draws series s from point i to point i + stride (modes 0, 1, 2, 5).
struct StrideSegments {
    platform::Surface& s;
    const ChartSeries& y;
    float base;     // y of value 0
    float xPerPt;   // twips per point index
    float yScale;
    void operator()(int series, int32_t i, int32_t stride, Color c) const {
        if (series >= y.Series) return;
        const int32_t j = i + stride;
        Segment(s, kChartMargin + static_cast<float>(i) * xPerPt, base - y.At(series, i) * yScale,
                kChartMargin + static_cast<float>(j) * xPerPt, base - y.At(series, j) * yScale, c);
    }
};

// The series a stride mode (0, 1, 2, 5) draws, in drawing order, with their colours.
struct SeriesColour {
    int Series;
    Color Colour;
};
struct StrideModeSeries {
    std::array<SeriesColour, ChartSeries::kMaxSeries> List{};
    int Count = 0;
    void Add(int series, Color colour) { List[static_cast<size_t>(Count++)] = {series, colour}; }
};
StrideModeSeries SeriesOfMode(uint8_t mode, bool showExtra) {
    StrideModeSeries m;
    switch (mode) {
    case kPlotSingle:
        m.Add(0, kBlack);
        break;
    case kPlotAeroForces:
        m.Add(0, kBlack);
        if (ElementFitted(kUndertray)) m.Add(1, kGreen);
        if (ElementFitted(kRearWing)) m.Add(2, kBlue);
        if (ElementFitted(kFrontWing)) m.Add(3, kRed);
        m.Add(4, kMagenta);
        m.Add(5, kCyan);
        break;
    case kPlotForces:
        m.Add(1, kRed);
        m.Add(2, kBlue);
        m.Add(0, kGreen);
        if (showExtra) {
            m.Add(3, kMagenta);
            m.Add(4, kCyan);
        }
        break;
    case kPlotFourCorners:
        m.Add(0, kBlack);
        m.Add(1, kBlack);
        m.Add(2, kBlue);
        m.Add(3, kBlue);
        break;
    default:
        break;
    }
    return m;
}

// The first point a stride mode joins: mode 2 starts at point 0, the others at point 1.
int32_t FirstStridePoint(uint8_t mode) { return mode == kPlotForces ? 0 : 1; }

// The engine speed index nearest to a speed, counted from idle (whole rad/s).
int32_t IndexFromIdle(float speed, float idle) { return core::CLng(speed - idle); }

// Mode 4: wheel torque per gear over wheel speed.
void PlotGearTorque(platform::Surface& s, const ChartSeries& y, float x0, int32_t last,
                    float xScale, float yScale) {
    const auto& opt = core::OptionsSettings();
    const auto& veh = core::GlobalChassisLab().CurrentVehicle;
    const auto& gear = vehicle::GearingCode();
    const auto& eng = vehicle::EngineCode().CurrentEngine;
    const auto& tyres = vehicle::TyreCode().WheelTyres;
    const uint8_t driveType = veh.Drivetrain.DriveType;
    const float w = s.ScaleWidth();
    const float base = s.ScaleHeight() - kChartMargin;

    // Static traction limits: the torque the driven axle's tyres can pass on, in N m on the
    // same scale as the gear curves.
    if (core::FromVbBool(opt.DrawStaticTractionLimit)) {
        const float front = tyres[0].TractionTorqueLimit + tyres[1].TractionTorqueLimit;
        const float rear = tyres[2].TractionTorqueLimit + tyres[3].TractionTorqueLimit;
        auto line = [&](float t, Color c) {
            Segment(s, kChartMargin, base - t * yScale, w, base - t * yScale, c);
        };
        if (driveType == vehicle::kDriveFront) line(front, kRed);
        if (driveType == vehicle::kDriveRear) line(rear, kRed);
        if (driveType == vehicle::kDriveAll) {
            line(front, kOrange);
            line(rear, kRed);
        }
    }

    if (y.Series < 1) return;
    if (core::FromVbBool(opt.DrawEngineTorque)) {
        for (int32_t i = 1; i <= last; ++i) {
            s.DrawWidth = 3;
            Segment(s, kChartMargin + (x0 + static_cast<float>(i - 1)) * xScale,
                    base - y.At(0, i - 1) * yScale, kChartMargin + (x0 + static_cast<float>(i)) * xScale,
                    base - y.At(0, i) * yScale, kYellow);
            s.DrawWidth = 2;
        }
    }

    const bool usedRangeOnly = core::FromVbBool(opt.GearTorqueStyle);
    const bool highlight = core::FromVbBool(opt.HighlightTorqueCurve);
    const bool allWheel = driveType == vehicle::kDriveAll;
    const int32_t peakIdx = IndexFromIdle(eng.TorquePeakStart, eng.IdleSpeed);
    const int32_t limitIdx = IndexFromIdle(eng.LimitSpeed, eng.IdleSpeed);
    const int gears = std::min<int>(veh.Drivetrain.NumGears, 7);
    for (int g = 1; g <= gears; ++g) {
        const float ratio = gear.OverallRatios[g];
        const int32_t topIdx = IndexFromIdle(gear.ShiftRevs[g], eng.IdleSpeed);
        const int32_t lowIdx = g > 1 ? IndexFromIdle(gear.PostShiftRevs[g - 1], eng.IdleSpeed) : 0;
        // Two curves per gear for four-wheel drive (front share, then rear), one otherwise.
        const int curves = allWheel ? 2 : 1;
        for (int c = 0; c < curves; ++c) {
            const bool frontCurve = allWheel && c == 0;
            const float share = !allWheel ? 1.0f
                                : frontCurve ? gear.FrontTorqueShare
                                             : 1.0f - gear.FrontTorqueShare;
            const float k = yScale * veh.Drivetrain.DrivetrainEfficiency * ratio * share;
            auto px = [&](int32_t i) {
                return kChartMargin + (x0 + static_cast<float>(i)) / ratio * xScale;
            };
            auto segment = [&](int32_t i, Color col) {
                Segment(s, px(i - 1), base - y.At(0, i - 1) * k, px(i), base - y.At(0, i) * k, col);
            };
            if (!usedRangeOnly) {
                const Color plain = frontCurve ? kGrey : kBlack;
                for (int32_t i = 1; i <= last; ++i) segment(i, plain);
            }
            for (int32_t i = 1; i <= last; ++i) {
                if (i > topIdx || (g > 1 && i < lowIdx)) continue;
                Color col = frontCurve ? kGrey : kBlack;
                if (highlight) {
                    col = frontCurve ? kLightGreen : kGreen;
                    if (i < peakIdx) col = frontCurve ? kLightBlue : kBlue;
                    if (i > limitIdx) col = frontCurve ? kLightRed : kRed;
                }
                segment(i, col);
            }
        }
    }
}

// Where the lift chart puts its zero line (twips from the top) and its y scale.
struct FromTopLevel {
    float Scale;
    float ZeroY;
};

// The lift chart's zero line and scale. With downforce only (values 0 or below) that fits
// the caller's scale, the zero line is the top margin. When something lifts, or a downforce
// reaches past the bottom edge, the zero line moves down and the scale shrinks as needed so
// that the largest lift ends at the top margin at most and the largest downforce at the
// bottom edge at most.
FromTopLevel FitFromTop(const platform::Surface& s, const ChartSeries& y,
                        const std::array<bool, 6>& shown, int32_t last, float yScale) {
    float lift = 0.0f, downforce = 0.0f;
    for (int k = 0; k < std::min(y.Series, 6); ++k) {
        if (!shown[static_cast<size_t>(k)]) continue;
        for (int32_t i = 1; i <= last; ++i) {
            const float v = y.At(k, i);
            if (!std::isfinite(v)) continue;
            lift = std::max(lift, v);
            downforce = std::max(downforce, -v);
        }
    }
    const float room = s.ScaleHeight() - kChartMargin;
    if (lift <= 0.0f && downforce * yScale <= room) return {yScale, kChartMargin};
    const float scale = std::min(yScale, room / (lift + downforce));
    return {scale, kChartMargin + lift * scale};
}

}  // namespace

ChartSeries ChartSeries::Contiguous(const float* values, int series, int32_t points) {
    ChartSeries c;
    c.Values = values;
    c.Series = std::min(series, kMaxSeries);
    c.Points = points;
    for (int s = 0; s < c.Series; ++s) c.SeriesOffset[s] = s * points;
    return c;
}

ChartSeries ChartSeries::Columns(const float* table, int32_t rowLength, int32_t rows,
                                 const int* columns, int count, core::ColumnRangeMemo* ranges) {
    ChartSeries c;
    c.Values = table;
    c.Ranges = ranges;
    c.Points = std::max(rows, 0);
    c.PointStride = rowLength;
    c.Series = std::min(count, kMaxSeries);
    for (int s = 0; s < c.Series; ++s) c.SeriesOffset[s] = columns[s];
    return c;
}

ValueRange DrawnValueRange(const ChartSeries& y, uint8_t stride, int32_t lastIdx,
                           bool showExtra, uint8_t mode) {
    ValueRange r;
    const int32_t first = FirstStridePoint(mode);
    const int32_t last = LastHeld(y, lastIdx);
    // The segments join points first, first + stride, ... up to last, when there is one.
    if (stride < 1 || y.Values == nullptr || first > last - stride) return r;
    const StrideModeSeries shown = SeriesOfMode(mode, showExtra);
    for (int k = 0; k < shown.Count; ++k) {
        const int series = shown.List[static_cast<size_t>(k)].Series;
        if (series >= y.Series) continue;
        const int32_t column = y.SeriesOffset[series];
        const ValueRange one =
            y.Ranges ? y.Ranges->Of(y.Values, y.PointStride, column, first, stride, last)
                     : core::ColumnRange(y.Values, y.PointStride, column, first, stride, last);
        if (!one.Any) continue;
        r.Low = r.Any ? std::min(r.Low, one.Low) : one.Low;
        r.High = r.Any ? std::max(r.High, one.High) : one.High;
        r.Any = true;
    }
    return r;
}

void PlotChart(platform::Surface& s, const ChartSeries& y, float x0, uint8_t stride,
               int32_t lastIdx, float xScale, float xStep, float yScale, float yStep,
               const std::string& xTitle, const std::string& xUnit, const std::string& yTitle,
               const std::string& yUnit, bool showExtra, uint8_t mode, float yLow) {
    assert(stride >= 1 && "a stride of 0 never moves on");
    ChartRedraw frame(s);
    const uint8_t right = mode == kPlotEngine ? 15 : 0;
    // Values below zero, down to yLow, get room under a raised zero line.
    const bool raised = yLow < 0.0f && std::isfinite(yLow) && Usable(yScale);
    const float base = s.ScaleHeight() - kChartMargin + (raised ? yLow * yScale : 0.0f);
    if (raised) {
        DrawGridAboutZero(s, xScale, xStep, yScale, yStep, base, right);
    } else {
        DrawGrid(s, xScale, xStep, yScale, yStep, 0, 15, 15, right, kGridFromBottom);
    }
    s.DrawWidth = 2;

    const int32_t last = LastHeld(y, lastIdx);
    const bool draw = stride >= 1 && Usable(xScale) && Usable(yScale) && y.Values != nullptr;
    if (draw) {
        switch (mode) {
        case kPlotSingle:
        case kPlotAeroForces:
        case kPlotForces:
        case kPlotFourCorners: {
            const float xPerPt = mode == kPlotAeroForces ? xScale : x0 * xScale;
            const StrideSegments seg{s, y, base, xPerPt, yScale};
            const StrideModeSeries shown = SeriesOfMode(mode, showExtra);
            for (int32_t i = FirstStridePoint(mode); i <= last - stride; i += stride) {
                for (int k = 0; k < shown.Count; ++k) {
                    const SeriesColour& sc = shown.List[static_cast<size_t>(k)];
                    seg(sc.Series, i, stride, sc.Colour);
                }
            }
            break;
        }
        case kPlotEngine: {
            auto px = [&](int32_t i) { return kChartMargin + (x0 + static_cast<float>(i)) * xScale; };
            for (int32_t i = 1; i <= last; i += stride) {
                if (y.Series > 0)
                    Segment(s, px(i - 1), base - y.At(0, i - 1) * yScale, px(i),
                            base - y.At(0, i) * yScale, kBlue);
                if (y.Series > 1)
                    Segment(s, px(i - 1), base - y.At(1, i - 1) * yScale, px(i),
                            base - y.At(1, i) * yScale, kGreen);
            }
            break;
        }
        case kPlotGearTorque:
            PlotGearTorque(s, y, x0, last, xScale, yScale);
            break;
        default:
            break;
        }
    }

    DrawAxisTitles(s, xTitle, xUnit, yTitle, yUnit);
    if (mode == kPlotEngine) {
        PrintRotatedTextAtRight(s, TitleWithUnit(core::TextTable().QuantityTitlePower,
                                                 core::UnitSuffix(core::Quantity::Power)),
                                s.ScaleHeight() / 1.25f);
    }
}

void PlotChartFromTop(platform::Surface& s, const ChartSeries& y, uint8_t stride, int16_t lastIdx,
                      float xScale, float xStep, float yScale, float yStep,
                      const std::string& xTitle, const std::string& xUnit,
                      const std::string& yTitle, const std::string& yUnit) {
    assert(stride >= 1 && "a stride of 0 never moves on");
    ChartRedraw frame(s);
    const int32_t last = LastHeld(y, lastIdx);
    const bool draw = stride >= 1 && Usable(xScale) && Usable(yScale) && y.Values != nullptr;
    const bool under = ElementFitted(kUndertray), rearWing = ElementFitted(kRearWing),
               frontWing = ElementFitted(kFrontWing);
    const bool loads = core::FromVbBool(core::OptionsSettings().DrawAeroVLoads);
    const std::array<bool, 6> shown = {true, under, rearWing, frontWing, loads, loads};

    const FromTopLevel level = draw ? FitFromTop(s, y, shown, last, yScale)
                                    : FromTopLevel{yScale, kChartMargin};
    DrawGridFromLevel(s, xScale, xStep, level.Scale, yStep, level.ZeroY);
    s.DrawWidth = 2;

    if (draw) {
        const StrideSegments seg{s, y, level.ZeroY, xScale, level.Scale};
        const Color colours[] = {kBlack, kGreen, kBlue, kRed, kMagenta, kCyan};
        for (int32_t i = 1; i <= last - stride; i += stride) {
            for (int k = 0; k < 6; ++k)
                if (shown[static_cast<size_t>(k)]) seg(k, i, stride, colours[k]);
            s.CurrentY = 0;
        }
    }
    s.CurrentX = s.ScaleWidth() / 3;
    s.CurrentY = 0;
    s.Print(TitleWithUnit(xTitle, xUnit));
    PrintRotatedText(s, TitleWithUnit(yTitle, yUnit), 0.0f, s.ScaleHeight() / 1.25f);
}

}  // namespace charts
