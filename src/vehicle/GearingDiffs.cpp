#include "vehicle/GearingDiffs.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "vehicle/GearingCode.hpp"
#include "vehicle/ModelGuards.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace vehicle {

namespace {

enum DiffType { kOpen, kLocked, kViscous, kClutchPack, kOtherType };

// The type named by a selector text, compared exactly with the text table's names.
DiffType TypeOf(const std::string& text) {
    const auto& names = core::TextTable().DiffTypeNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (text == names[i]) return static_cast<DiffType>(i);
    }
    return kOtherType;
}

const std::string& SplitName(std::size_t i) { return core::TextTable().SplitTypeNames[i]; }

void DeriveShares(float locking, float& minShare, float& maxShare, float& bias) {
    minShare = (1.0f - locking) / 2.0f;
    maxShare = (locking + 1.0f) / 2.0f;
    // Full locking (1.0) has no finite ratio; the locking sliders stop well short of it.
    bias = GuardedDiv(locking + 1.0f, 1.0f - locking);
}

std::string Percent1(float share) {
    return core::SingleText(core::RoundToDecimals(share * 100.0f, 1)) + "%";
}

std::string BiasText(float ratio) {
    return core::SingleText(core::RoundToDecimals(ratio, 2)) + " : 1";
}

// Power min, max, bias, coast min, max, bias of one axle differential, at firstIndex onwards.
void AxleCaptions(std::vector<core::Caption>& out, DiffType type, const DiffRecord& d,
                  int firstIndex) {
    auto put = [&](int offset, std::string text) {
        out.push_back({core::LabelArray::GearingLabel, firstIndex + offset, std::move(text), {}});
    };
    const std::string& variable = SplitName(0);
    const std::string& infinite = SplitName(1);
    if (type == kClutchPack) {
        put(0, Percent1(d.PowerMinShare));
        put(1, Percent1(d.PowerMaxShare));
        put(2, BiasText(d.PowerBiasRatio));
        put(3, Percent1(d.CoastMinShare));
        put(4, Percent1(d.CoastMaxShare));
        put(5, BiasText(d.CoastBiasRatio));
    } else if (type == kViscous) {
        for (int i = 0; i < 6; ++i) put(i, variable);
    } else if (type == kLocked) {
        for (int side = 0; side < 2; ++side) {
            put(3 * side + 0, "0%");
            put(3 * side + 1, "100%");
            put(3 * side + 2, infinite);
        }
    } else if (type == kOpen) {
        for (int side = 0; side < 2; ++side) {
            put(3 * side + 0, "50%");
            put(3 * side + 1, "50%");
            put(3 * side + 2, "1 : 1");
        }
    }
}

}  // namespace

void SetDiffParams(const DiffInputs& inputs) {
    auto& s = GearingCode();
    for (std::size_t i = 0; i < 2; ++i) {
        DiffRecord& d = s.DiffParams[i];
        const DiffType type = TypeOf(inputs.DiffType[i]);
        if (type == kOpen || type == kViscous) {
            // The viscous torque setting is shown only; it does not lock the differential.
            d.PowerLocking = 0.0f;
            d.CoastLocking = 0.0f;
            d.PreLoad = 0.0f;
        } else if (type == kLocked) {
            d.PowerLocking = kLockedLocking;
            d.CoastLocking = kLockedLocking;
            d.PreLoad = kLockedPreLoad;
        } else if (type == kClutchPack) {
            d.PowerLocking = static_cast<float>(core::CLng(inputs.PowerLocking[i]) / 100.0);
            d.CoastLocking = static_cast<float>(core::CLng(inputs.CoastLocking[i]) / 100.0);
            d.PreLoad = static_cast<float>(core::CLng(inputs.PreLoad[i]) * 10);
        }
        DeriveShares(d.PowerLocking, d.PowerMinShare, d.PowerMaxShare, d.PowerBiasRatio);
        DeriveShares(d.CoastLocking, d.CoastMinShare, d.CoastMaxShare, d.CoastBiasRatio);
    }

    const float front = s.FrontTorqueShare;
    s.AxleTorqueShare[0] = s.CentreShareMin[0] = s.CentreShareMax[0] = front;
    s.AxleTorqueShare[1] = s.CentreShareMin[1] = s.CentreShareMax[1] = 1.0f - front;

    const bool allWheel = core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType == kDriveAll;
    if (TypeOf(inputs.DiffType[2]) == kOpen && allWheel) {
        const float larger = front >= 0.5f ? s.AxleTorqueShare[0] : s.AxleTorqueShare[1];
        const float smaller = front >= 0.5f ? s.AxleTorqueShare[1] : s.AxleTorqueShare[0];
        // A split of 0 % or 100 % leaves one axle without torque: no finite ratio.
        s.CentreDiffRatio = smaller == 0.0f ? kInfiniteBiasRatio : GuardedDiv(larger, smaller);
    } else {
        s.CentreDiffRatio = 1.0f;
    }
}

std::vector<core::Caption> DiffSettingsCaptions(const DiffInputs& inputs) {
    const auto& s = GearingCode();
    std::vector<core::Caption> out;
    using T = core::LabelArray;

    // Viscous torques: front 27, rear 20, centre 13; the caption breaks after "Nms/".
    constexpr int kViscousLabel[3] = {27, 20, 13};
    for (std::size_t i = 0; i < 3; ++i) {
        out.push_back({T::Set_GearingLabel, kViscousLabel[i],
                       std::to_string(core::CLng(inputs.ViscousTorque[i])) + "Nms/\r\nrad"});
    }
    // Preloads in the torque unit: front 31, rear 33.
    out.push_back({T::Set_GearingLabel, 31,
                   core::UnitValueText(core::Quantity::Torque, s.DiffParams[0].PreLoad)});
    out.push_back({T::Set_GearingLabel, 33,
                   core::UnitValueText(core::Quantity::Torque, s.DiffParams[1].PreLoad)});

    AxleCaptions(out, TypeOf(inputs.DiffType[0]), s.DiffParams[0], 37);  // front
    AxleCaptions(out, TypeOf(inputs.DiffType[1]), s.DiffParams[1], 26);  // rear

    // Centre: 48 front min, 49 front max, 50 rear min, 51 rear max, 52 bias ratio.
    const DiffType centre = TypeOf(inputs.DiffType[2]);
    if (centre == kOpen) {
        auto share = [](float v) { return core::SingleText(v * 100.0f) + "%"; };
        out.push_back({T::GearingLabel, 48, share(s.CentreShareMin[0])});
        out.push_back({T::GearingLabel, 49, share(s.CentreShareMax[0])});
        out.push_back({T::GearingLabel, 50, share(s.CentreShareMin[1])});
        out.push_back({T::GearingLabel, 51, share(s.CentreShareMax[1])});
        out.push_back({T::GearingLabel, 52,
                       s.CentreDiffRatio >= kInfiniteBiasRatio ? SplitName(1)
                                                               : BiasText(s.CentreDiffRatio)});
    } else if (centre == kViscous) {
        for (int i = 48; i <= 52; ++i) out.push_back({T::GearingLabel, i, SplitName(0)});
    }
    return out;
}

}  // namespace vehicle
