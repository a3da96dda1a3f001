// Module state of DecelerationCode, the brake torques and the brake panel texts.
#include "analysis/DecelerationCode.hpp"

#include <cstdint>
#include <string>

#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"

namespace analysis {

namespace {
// The one instance, initialised at compile time: its accessor needs no first-use check.
constinit DecelerationCodeState g_state;
}  // namespace

DecelerationCodeState& DecelerationCode() { return g_state; }

void SetBrakeTorques(int32_t maxTorque, int32_t balancePercent) {
    DecelerationCodeState& s = DecelerationCode();
    // The product of the two whole numbers first, then the per cent.
    const double front =
        static_cast<double>(static_cast<int64_t>(maxTorque) * balancePercent) / 100.0;
    const double rear = (1.0 - balancePercent / 100.0) * maxTorque;
    s.BrakeTorques[0] = static_cast<float>(front);
    s.BrakeTorques[1] = s.BrakeTorques[0];
    s.BrakeTorques[2] = static_cast<float>(rear);
    s.BrakeTorques[3] = s.BrakeTorques[2];
    s.BrakeTorqueRatio = (s.BrakeTorques[0] == 0.0f || s.BrakeTorques[2] == 0.0f)
                             ? 0.0f
                             : s.BrakeTorques[0] / s.BrakeTorques[2];
}

BrakeTexts BrakeSettingsTexts(const BrakeSettingsInputs& in) {
    using core::Quantity;
    const DecelerationCodeState& s = DecelerationCode();
    BrakeTexts out;
    constexpr auto kSet = core::LabelArray::Set_BrakeLabel;
    out.SetBrakeLabels = {
        {kSet, 100, core::UnitValueText(Quantity::Torque, in.MaxTorque), {}},
        {kSet, 101, std::to_string(in.Balance) + "%", {}},
        {kSet, 102, std::to_string(in.EBR) + "%", {}},
        {kSet, 103, core::DoubleText(in.TCSlipRatio / 10.0) + "%", {}},
        {kSet, 104, core::UnitValueText(Quantity::Speed, in.TCSlipSpeed), {}},
    };
    const std::string ratio =
        s.BrakeTorqueRatio == 0.0f
            ? std::string(core::kNotApplicableText)
            : core::SingleText(core::RoundToDecimals(s.BrakeTorqueRatio, 2)) + " : 1";
    constexpr auto kDec = core::LabelArray::Analysis_DecLabel;
    out.DecLabels = {
        {kDec, 100, core::UnitValueText(Quantity::Torque, s.BrakeTorques[0]), {}},
        {kDec, 101, core::UnitValueText(Quantity::Torque, s.BrakeTorques[2]), {}},
        {kDec, 115, ratio, {}},
    };
    return out;
}

}  // namespace analysis
