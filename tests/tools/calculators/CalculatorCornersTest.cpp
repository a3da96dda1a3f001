// Every combination at the corners of what the calculators accept, the cross-checks'
// boundaries included, gives finite figures that every display unit writes without an
// exponent ("6.4E+10 N/mm", "4.5E+08 N").
//
// Each calculator is run over the ends of every box's range and, where one figure bounds
// another, over that boundary and its neighbours on either side. A caption's number grows and
// shrinks with its figure, so the window shows, in each unit, the accepted results holding the
// largest and the smallest non-zero magnitude of each figure.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tools/ToolWindowTestSupport.hpp"
#include "core/PhysicalConstants.hpp"
#include "ui/tools/ToolLayout.hpp"
#include "ui/tools/calculators/PartRanges.hpp"

namespace {

using namespace tools;
using core::Quantity;

std::vector<float> Ends(PartRange r) { return {r.Min, r.Max}; }

// A boundary that one figure sets for another, and its neighbours either side: the check
// takes one or two of them.
std::vector<float> WithBoundaries(std::vector<float> values, std::initializer_list<float> bounds) {
    for (float b : bounds)
        for (float f : {1.0f - 1e-6f, 1.0f, 1.0f + 1e-6f}) values.push_back(b * f);
    return values;
}

template <typename R>
class Extremes {
public:
    using Figures = std::function<std::vector<float>(const R&)>;
    explicit Extremes(Figures figures) : figures_(std::move(figures)) {}

    void Add(const R& r) {
        const std::vector<float> f = figures_(r);
        if (largest_.empty()) {
            largest_.assign(f.size(), {0.0f, r});
            smallest_.assign(f.size(), {std::numeric_limits<float>::infinity(), r});
        }
        for (std::size_t i = 0; i < f.size(); ++i) {
            ASSERT_TRUE(std::isfinite(f[i])) << "figure " << i;
            const float m = std::fabs(f[i]);
            if (m > largest_[i].first) largest_[i] = {m, r};
            if (m > 0.0f && m < smallest_[i].first) smallest_[i] = {m, r};
        }
        ++accepted_;
    }
    std::vector<R> Kept() const {
        std::vector<R> out;
        for (const auto& list : {largest_, smallest_})
            for (const auto& [m, r] : list) out.push_back(r);
        return out;
    }
    int Accepted() const { return accepted_; }

private:
    Figures figures_;
    std::vector<std::pair<float, R>> largest_, smallest_;
    int accepted_ = 0;
};

class CalculatorCorners : public tools_test::ToolWindowTest {
protected:
    // Runs `check` once for each unit row, every quantity the calculators show taking that
    // row (or its last one).
    static void InEveryUnit(const std::function<void()>& check) {
        const Quantity shown[] = {Quantity::Stiffness, Quantity::DistanceSmall, Quantity::Rot,
                                  Quantity::Force,     Quantity::Area,          Quantity::Pressure,
                                  Quantity::Torque};
        for (std::size_t k = 0; k < 6; ++k) {
            for (Quantity q : shown) {
                const std::size_t rows = core::UnitRows(q).size();
                core::ApplyUnitRow(q, static_cast<uint8_t>(std::min(k, rows - 1)));
            }
            SCOPED_TRACE("unit row " + std::to_string(k));
            check();
        }
    }
    static void ExpectNoExponent(platform::ControlArray<platform::Label>& labels) {
        labels.ForEach([](int index, platform::Label& l) {
            const std::string& c = l.Caption();
            EXPECT_TRUE(c.find("E+") == std::string::npos && c.find("E-") == std::string::npos)
                << l.Name() << "(" << index << ") " << c;
        });
    }
    // Shows each kept result in every unit and checks the labels.
    template <typename R>
    void ShowInEveryUnit(const Extremes<R>& extremes, const std::function<void(const R&)>& keep,
                         platform::ControlArray<platform::Label>& labels) {
        ASSERT_GT(extremes.Accepted(), 0);
        ui::MechCalcs& w = *ui::PeekMechCalcs();
        InEveryUnit([&] {
            for (const R& r : extremes.Kept()) {
                keep(r);
                w.FollowUnitChange();
                ExpectNoExponent(labels);
            }
        });
    }
    ui::MechCalcs& Open() {
        ui::ShowMechCalcs();
        return *ui::PeekMechCalcs();
    }
};

TEST_F(CalculatorCorners, CoilSpring) {
    auto& w = Open();
    Extremes<CoilSpringResult> found([](const CoilSpringResult& r) {
        return std::vector<float>{r.ActiveCoils, r.MeanDiameter, r.Travel, r.Rate};
    });
    for (float d : Ends(kCoilWireDiameter))
        for (float di : WithBoundaries(Ends(kCoilInnerDiameter),
                                       {(kCoilSpringIndex.Min - 1.0f) * d,
                                        (kCoilSpringIndex.Max - 1.0f) * d}))
            for (float p : WithBoundaries(Ends(kCoilPitch), {d}))
                for (float nt : Ends(kCoilTotalCoils))
                    for (float lf : WithBoundaries(Ends(kCoilFreeLength),
                                                   {nt * d, (nt + 1.0f) * p})) {
                        const auto r = CalcCoilSpring({lf, p, nt, d, di});
                        if (r.Valid) found.Add(r);
                    }
    ShowInEveryUnit<CoilSpringResult>(found, [&](const auto& r) { w.CoilShown = r; },
                                      w.CoilCalcLabel);
}

TEST_F(CalculatorCorners, LeafSpring) {
    auto& w = Open();
    Extremes<LeafSpringResult> found(
        [](const LeafSpringResult& r) { return std::vector<float>{r.Rate}; });
    for (float t : Ends(kLeafThickness))
        for (float span : WithBoundaries(Ends(kLeafSpan), {t * kLeafSpanPerThickness}))
            for (float b : Ends(kLeafWidth))
                for (int leaves : {kFewestLeaves, kMostLeaves})
                    for (auto type : {LeafType::SemiElliptic, LeafType::SemiEllipticProgressive,
                                      LeafType::QuarterElliptic}) {
                        const auto r = CalcLeafSpring({span, b, t, double(leaves), type});
                        if (r.Valid) found.Add(r);
                    }
    ShowInEveryUnit<LeafSpringResult>(found, [&](const auto& r) { w.LeafShown = r; },
                                      w.LeafCalcLabel);
}

TEST_F(CalculatorCorners, TorsionBar) {
    auto& w = Open();
    Extremes<TorsionBarResult> found([](const TorsionBarResult& r) {
        return std::vector<float>{r.HollowDiameter, r.TorsionStiffness, r.LinearStiffness};
    });
    for (float radius : Ends(kBarOuterRadius)) {
        const float diameter = radius * 2.0f;
        for (float arm : WithBoundaries(Ends(kBarArmLength), {diameter * kBarArmPerDiameter}))
            for (float length : Ends(kBarLength))
                for (float wall : {kBarThinnestWall, radius})
                    for (bool solid : {false, true}) {
                        const auto r = CalcTorsionBar({arm, length, diameter, wall, solid});
                        if (r.Valid) found.Add(r);
                    }
    }
    ShowInEveryUnit<TorsionBarResult>(found, [&](const auto& r) { w.BarShown = r; },
                                      w.ARBCalcLabel);
}

TEST_F(CalculatorCorners, DiscBrakes) {
    auto& w = Open();
    Extremes<DiscBrakeResult> found([](const DiscBrakeResult& r) {
        return std::vector<float>{r.Leverage,       r.MechanicalForce, r.MasterArea,
                                  r.CaliperArea[0], r.PadRadius[0],    r.MasterForce[0],
                                  r.MasterForce[1], r.Pressure[0],     r.Pressure[1],
                                  r.ClampForce[0],  r.ClampForce[1],   r.Torque[0],
                                  r.Torque[1],      r.TorqueEffortRatio, r.FrontBalance};
    });
    const float pi = static_cast<float>(core::kPi);
    DiscBrakeInputs in;
    for (float arm : Ends(kPedalArm))
        for (float rod : WithBoundaries(Ends(kPushrodDistance),
                                        {arm / kPedalRatio.Min, arm / kPedalRatio.Max}))
            for (float bore : Ends(kMasterBore)) {
                // The push that makes the most line pressure allowed.
                const float area = bore * bore * 0.25f * pi;
                for (float push : WithBoundaries(Ends(kAppliedForce),
                                                 {kMostLinePressure * area * rod / arm}))
                    for (int cylinders : {1, 2})
                        for (float thread : Ends(kBiasThread))
                            for (float bar : Ends(kBiasLength))
                                for (float offset : WithBoundaries(Ends(kBiasOffset),
                                                                   {0.5f * bar / thread}))
                                    for (float caliper : Ends(kCaliperBore))
                                        for (float calipers : {1.0f, 8.0f})
                                            for (float disc : {caliper * 2.0f, kLargestDisc})
                                                for (int pads : {1, 2})
                                                    for (float mu : Ends(kFriction)) {
                                                        in = {arm, rod, push, cylinders, thread,
                                                              bar, offset, bore,
                                                              {caliper, caliper},
                                                              {calipers, calipers}, pads, mu,
                                                              {disc, disc}};
                                                        const auto r = CalcDiscBrakes(in);
                                                        if (r.Valid) found.Add(r);
                                                    }
            }
    for (bool pairs : {false, true}) {
        ShowInEveryUnit<DiscBrakeResult>(found,
                                         [&](const auto& r) {
                                             w.BrakesShown = r;
                                             w.BrakesShownAsPairs = pairs;
                                         },
                                         w.DiscCalcLabel);
    }
}

// The stack's ends: the largest and the smallest disc, 15 of them side by side or in series.
TEST_F(CalculatorCorners, DiscSpringStack) {
    auto& w = Open();
    w.SelectBellevilleStackNum->UserSelect(tools::kMaxStackDiscs - 1);
    const int last = w.SelectBellevilleStackConfig->ListCount() - 1;
    InEveryUnit([&] {
        const double factor = core::OptionsSettings().UnitFactorStiffness;
        for (double disc : {kDiscSpringStiffness.Min * (1.0 + 1e-6), kDiscSpringStiffness.Max * (1.0 - 1e-6)}) {
            w.BellevilleStackSingleStiffness->SetText(core::DoubleText(disc * factor));
            ASSERT_EQ(w.BellevilleStackSingleStiffness->BackColor(), ui::toolkit::kBoxValid);
            for (int config : {0, last}) {
                w.SelectBellevilleStackConfig->UserSelect(config);
                ExpectNoExponent(w.BellevilleCalcLabel);
            }
        }
    });
}

}  // namespace
