#include "ui/tools/calculators/DiscBrakeCalc.hpp"

#include "core/PhysicalConstants.hpp"

namespace tools {

namespace {
constexpr float kPi = static_cast<float>(core::kPi);
void Check(DiscBrakeResult& r, int box, bool pass) {
    r.Ok[static_cast<std::size_t>(box)] = pass;
    if (!pass) r.Valid = false;
}
}  // namespace

DiscBrakeResult CalcDiscBrakes(const DiscBrakeInputs& in) {
    DiscBrakeResult r;
    r.Ok.fill(true);
    const bool twoCylinders = in.MasterCylinders == 2;
    // Shift of the bar's pivot from its centre, as a share of the bar's length. Beyond a half
    // the rear cylinder would be pulled (a negative force): the offset box refuses that.
    const float shift = in.BiasLength != 0.0f ? in.BiasOffset * in.BiasThread / in.BiasLength
                                              : 0.0f;
    Check(r, BrakeBox::PedalArm, in.PedalArm >= 0.01f);
    Check(r, BrakeBox::PushrodDistance, in.PushrodDistance >= 0.01f);
    Check(r, BrakeBox::AppliedForce, in.AppliedForce >= 10.0f);
    Check(r, BrakeBox::BiasThread, in.BiasThread >= 0.0001f);
    Check(r, BrakeBox::BiasLength, in.BiasLength >= 0.01f);
    Check(r, BrakeBox::BiasOffset, in.BiasOffset >= 0.0f && (!twoCylinders || shift <= 0.5f));
    Check(r, BrakeBox::MasterBore, in.MasterBore >= 0.01f);
    Check(r, BrakeBox::FrontCaliperBore, in.CaliperBore[0] >= 0.01f);
    Check(r, BrakeBox::RearCaliperBore, in.CaliperBore[1] >= 0.01f);
    Check(r, BrakeBox::Friction, in.Friction >= 0.1f && in.Friction <= 2.0f);
    Check(r, BrakeBox::FrontDisc, in.CaliperBore[0] * 2.0f <= in.DiscDiameter[0]);
    Check(r, BrakeBox::RearDisc, in.CaliperBore[1] * 2.0f <= in.DiscDiameter[1]);
    if (!r.Valid) return r;

    r.Leverage = in.PedalArm / in.PushrodDistance;
    r.MechanicalForce = in.AppliedForce * r.Leverage;
    const float masterRadius = in.MasterBore * 0.5f;
    r.MasterArea = masterRadius * masterRadius * kPi;
    for (std::size_t i = 0; i < 2; ++i) {
        r.CaliperArea[i] = in.CaliperBore[i] * in.CaliperBore[i] * in.CalipersPerDisc[i] * kPi / 4.0f;
        r.PadRadius[i] = in.DiscDiameter[i] * 0.5f - in.CaliperBore[i];
    }
    if (twoCylinders) {
        r.MasterForce[0] = (shift + 0.5f) * r.MechanicalForce;
        r.MasterForce[1] = (0.5f - shift) * r.MechanicalForce;
    } else {
        r.MasterForce[0] = r.MechanicalForce;
        r.MasterForce[1] = r.MechanicalForce;
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
