// Springs too soft for their loads: each sits on its bump stop, which carries the rest of the
// load. The runs' suspension step bounces such a spring off its stop every step, so its force
// is only what the spring holds; the tyres must still carry the whole vehicle. The sample car
// on 4 N/mm springs with 120 mm of travel holds 480 N a corner at the stop, under corner loads
// of some 3000 N: before the bump stop was counted its tyre loads added up to a fraction of
// its weight, and with them its grip and traction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "DecelerationTestVehicle.hpp"

namespace {

using analysis::AccelerationCode;
using analysis::DecelerationCode;

// The largest share by which a row's four tyre loads miss the weight less the lift.
template <typename State>
double WorstLoadShare(const State& s, int32_t lastRow, int firstLoad, int liftColumn) {
    const double weight = analysis::PhysicalCode().TotalMass * sample::kG;
    double worst = 0.0;
    for (int32_t r = 0; r <= lastRow; ++r) {
        double sum = 0.0;
        for (int i = 0; i < 4; ++i) sum += s.Row(r, firstLoad + i);
        const double carried = weight - s.Row(r, liftColumn);
        worst = std::max(worst, std::fabs(sum - carried) / carried);
    }
    return worst;
}

TEST(BottomedSpringRuns, TyresCarryTheWholeVehicleOnSpringsTooSoftForIt) {
    for (const int32_t stiffness : {400, 40}) {  // x 100 N/m: the sample springs, and soft
        SCOPED_TRACE(stiffness);
        dectest::VehicleChoice car;
        car.SpringStiffness = stiffness;
        dectest::SetUpVehicle(car);

        analysis::RunAccelerationAnalysis(0.01f, {}, {});
        const auto& acc = AccelerationCode();
        // Within the load the suspension's own bounce moves (a few per cent at the launch).
        EXPECT_LT(WorstLoadShare(acc, acc.AccLastStep, analysis::AccCol::WheelLoad,
                                 analysis::AccCol::AeroLift),
                  0.1);
        EXPECT_GT(acc.Row(acc.AccLastStep, analysis::AccCol::Speed), 50.0f);

        analysis::RunDecelerationAnalysis(dectest::Brakes(), {});
        const auto& dec = DecelerationCode();
        EXPECT_LT(WorstLoadShare(dec, dec.DecLastStep, analysis::DecCol::TyreLoad,
                                 analysis::DecCol::AeroLift),
                  0.1);
        EXPECT_EQ(dec.Row(dec.DecLastStep, analysis::DecCol::Speed), 0.0f);
    }
}

}  // namespace
