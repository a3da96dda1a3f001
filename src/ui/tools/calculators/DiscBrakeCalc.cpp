#include "ui/tools/calculators/DiscBrakeCalc.hpp"

#include <algorithm>

#include "core/PhysicalConstants.hpp"
#include "ui/tools/calculators/InputChecks.hpp"
#include "ui/tools/calculators/PartRanges.hpp"

namespace tools {

namespace {
constexpr float kPi = static_cast<float>(core::kPi);
}  // namespace

DiscBrakeResult CalcDiscBrakes(const DiscBrakeInputs& in) {
    DiscBrakeResult r;
    r.Ok.fill(true);
    const bool twoCylinders = in.MasterCylinders == 2;
    // Shift of the bar's pivot from its centre, as a share of the bar's length. Beyond a half
    // the rear cylinder would be pulled (a negative force): the offset box refuses that.
    const float shift = in.BiasLength != 0.0f ? in.BiasOffset * in.BiasThread / in.BiasLength
                                              : 0.0f;
    Check(r, BrakeBox::PedalArm, kPedalArm.Holds(in.PedalArm));
    Check(r, BrakeBox::PushrodDistance, kPushrodDistance.Holds(in.PushrodDistance));
    Check(r, BrakeBox::AppliedForce, kAppliedForce.Holds(in.AppliedForce));
    Check(r, BrakeBox::BiasThread, kBiasThread.Holds(in.BiasThread));
    Check(r, BrakeBox::BiasLength, kBiasLength.Holds(in.BiasLength));
    Check(r, BrakeBox::BiasOffset,
          kBiasOffset.Holds(in.BiasOffset) && (!twoCylinders || AtMost(shift, 0.5)));
    Check(r, BrakeBox::MasterBore, kMasterBore.Holds(in.MasterBore));
    Check(r, BrakeBox::FrontCaliperBore, kCaliperBore.Holds(in.CaliperBore[0]));
    Check(r, BrakeBox::RearCaliperBore, kCaliperBore.Holds(in.CaliperBore[1]));
    Check(r, BrakeBox::Friction, kFriction.Holds(in.Friction));
    // A disc at least twice its caliper's bore (the pad radius is then not negative).
    Check(r, BrakeBox::FrontDisc, AtMost(in.CaliperBore[0] * 2.0, in.DiscDiameter[0]) &&
                                      in.DiscDiameter[0] <= kLargestDisc);
    Check(r, BrakeBox::RearDisc, AtMost(in.CaliperBore[1] * 2.0, in.DiscDiameter[1]) &&
                                     in.DiscDiameter[1] <= kLargestDisc);
    if (!r.Valid) return r;

    const float leverage = in.PedalArm / in.PushrodDistance;
    CrossCheck(r, WithinRange(kPedalRatio, double{in.PedalArm} / in.PushrodDistance),
               {BrakeBox::PedalArm, BrakeBox::PushrodDistance});
    const float mechanicalForce = in.AppliedForce * leverage;
    const float masterRadius = in.MasterBore * 0.5f;
    const float masterArea = masterRadius * masterRadius * kPi;
    std::array<float, 2> masterForce{mechanicalForce, mechanicalForce};
    if (twoCylinders) {
        // A shift typed at a half (within the slack) pulls the rear cylinder not at all.
        masterForce[0] = (shift + 0.5f) * mechanicalForce;
        masterForce[1] = std::max(0.0f, 0.5f - shift) * mechanicalForce;
    }
    // The push and the bore that turn it into line pressure.
    for (float force : masterForce)
        CrossCheck(r, AtMost(force / masterArea, kMostLinePressure),
                   {BrakeBox::AppliedForce, BrakeBox::MasterBore});
    if (!r.Valid) return r;

    r.Leverage = leverage;
    r.MechanicalForce = mechanicalForce;
    r.MasterArea = masterArea;
    r.MasterForce = masterForce;
    for (std::size_t i = 0; i < 2; ++i) {
        r.CaliperArea[i] = in.CaliperBore[i] * in.CaliperBore[i] * in.CalipersPerDisc[i] * kPi / 4.0f;
        r.PadRadius[i] = std::max(0.0f, in.DiscDiameter[i] * 0.5f - in.CaliperBore[i]);
    }
    // Each pad counts half: the two faces of a disc share one caliper's clamping force.
    const float cylinders = static_cast<float>(in.MasterCylinders);
    const float pads = static_cast<float>(in.PadsPerCaliper);
    for (std::size_t i = 0; i < 2; ++i) {
        r.Pressure[i] = r.MasterForce[i] / r.MasterArea;
        r.ClampForce[i] = r.Pressure[i] * r.CaliperArea[i];
        r.Torque[i] = in.Friction * r.ClampForce[i] * r.PadRadius[i] * pads * 0.5f * cylinders;
    }
    const float total = r.Torque[0] + r.Torque[1];
    r.HasBalance = total != 0.0f;
    r.FrontBalance = r.HasBalance ? r.Torque[0] / total : 0.0f;
    r.TorqueEffortRatio = total / in.AppliedForce;
    return r;
}

}  // namespace tools
