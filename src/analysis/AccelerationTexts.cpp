// Result texts of the acceleration run for the labels of the acceleration tab
// (Analysis_AccLabel), in the selected display units. A figure the run never reached (0 in
// AccResults) shows "N/A".
#include "analysis/AccelerationCode.hpp"

#include <cmath>

#include "analysis/PhysicalCode.hpp"
#include "core/AccTargets.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"

namespace analysis {

namespace {

using core::Quantity;

const std::string kNA(core::kNotApplicableText);

// A figure of a run gone wrong (not a number, infinite) shows "N/A", without its unit.
std::string TimeText(float t) { return std::isfinite(t) ? core::RoundedText(t, 3) + "s" : kNA; }
std::string SpeedText(double v) { return core::UnitValueText(Quantity::Speed, v); }
std::string DistanceText(double s) { return core::UnitValueText(Quantity::DistanceLarge, s); }

// Captions of the two benchmark distances for the selected speed unit.
std::pair<std::string, std::string> DistanceCaptions(uint8_t unit,
                                                     const std::array<double, 7>& bench) {
    switch (unit) {
        case 0:
        case 1: {
            auto metres = [](double m) {
                return "0-" +
                       core::SingleText(core::RoundToDecimals(static_cast<float>(m), 0)) + "m:";
            };
            return {metres(bench[5]), metres(bench[6])};
        }
        case 2: return {"Quarter mile ET:", "Mile ET:"};
        case 3: return {"\u00BC nautical mile ET:", "Nautical mile ET:"};
        case 4: return {"0-1000 feet:", "0-1000 fathoms:"};
        default: return {"", ""};
    }
}

// A caption of Analysis_AccLabel, in the label's own colour.
core::Caption AccCaption(int index, std::string text) {
    return {core::LabelArray::Analysis_AccLabel, index, std::move(text), std::nullopt};
}

}  // namespace

AccResultTexts AccResultsTexts() {
    const AccelerationCodeState& s = AccelerationCode();
    const auto& R = s.AccResults;
    const auto& targets = core::AccTargetTable().AccTargets;
    const uint8_t unit = core::OptionsSettings().UnitIndexSpeed;
    const auto& bench = targets[unit < targets.size() ? unit : 0];
    AccResultTexts out;
    auto put = [&](int index, std::string text) {
        out.Labels.push_back(AccCaption(index, std::move(text)));
    };

    for (int k = 0; k < 5; ++k) {
        put(6 + k, "0-" + SpeedText(bench[static_cast<std::size_t>(k)]) + ":");
        const float t = R[AccRes::TimeToSpeed + k];
        put(100 + k, t == 0.0f ? kNA : TimeText(t));
        put(106 + k, t == 0.0f ? kNA : DistanceText(R[AccRes::DistanceAtSpeed + k]));
    }
    put(11, "0-" + SpeedText(R[AccRes::FinalSpeed]) + ":");
    out.Colours.push_back(
        {11, s.AccLastStep == s.AccMaxSteps ? kAccTextBlue : kAccTextBlack});
    const bool finalReached = R[AccRes::TimeToFinalSpeed] != 0.0f;
    put(105, finalReached ? TimeText(R[AccRes::TimeToFinalSpeed]) : kNA);
    put(111, finalReached ? DistanceText(R[AccRes::DistanceAtFinalSpeed]) : kNA);

    const auto captions = DistanceCaptions(unit, bench);
    put(14, captions.first);
    put(15, captions.second);
    // A benchmark distance the run never passed (a slow car, or one that never moves) has no
    // time and no speed, as a benchmark speed it never passed.
    for (int j = 0; j < 2; ++j) {
        const float t = R[AccRes::TimeToDistance + j];
        put(112 + 2 * j, t == 0.0f ? kNA : TimeText(t));
        put(113 + 2 * j, t == 0.0f ? kNA : SpeedText(R[AccRes::SpeedAtDistance + j]));
    }

    // The rows of gears the vehicle does not have (every gear of one that is not wheel driven)
    // are hidden and empty, not left with the times of the vehicle run before.
    const int numGears = core::GlobalChassisLab().CurrentVehicle.Drivetrain.DriveType ==
                                 vehicle::kDriveThrust
                             ? 0
                             : core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears;
    // A car that never launched (its clutch never closed) spent the whole run slipping the
    // clutch in first gear: no time in first gear, as no launch time. A gear the run never
    // reached has no time in it either.
    const bool launched = R[AccRes::LaunchTime] != 0.0f;
    for (int g = 1; g <= 7; ++g) {
        std::string text;
        const float inGear = R[AccRes::TimeInGear + g];
        if (g <= numGears)
            text = (g == 1 && !launched) || inGear == 0.0f ? kNA : TimeText(inGear);
        put(116 + g, std::move(text));
    }
    put(116, launched ? TimeText(R[AccRes::LaunchTime]) : kNA);
    put(124, TimeText(R[AccRes::ShiftTimeTotal]));
    const float minThrottle = R[AccRes::MinThrottle] * 100.0f;  // %
    put(125, std::isfinite(minThrottle) ? core::RoundedText(minThrottle, 1) + "%" : kNA);
    put(126, core::UnitValueText(Quantity::Acc, R[AccRes::PeakAcceleration]));

    const bool frontSpin = R[AccRes::FrontSpinEndSpeed] != 0.0f;
    put(128, frontSpin ? SpeedText(R[AccRes::FrontSpinStartSpeed]) : kNA);
    put(130, frontSpin ? SpeedText(R[AccRes::FrontSpinEndSpeed]) : kNA);
    const bool rearSpin = R[AccRes::RearSpinEndSpeed] != 0.0f;
    put(127, rearSpin ? SpeedText(R[AccRes::RearSpinStartSpeed]) : kNA);
    put(129, rearSpin ? SpeedText(R[AccRes::RearSpinEndSpeed]) : kNA);

    put(131, core::UnitValueText(Quantity::Volume, R[AccRes::FuelUsed]));
    const bool ranDry = R[AccRes::FuelUsed] == static_cast<float>(PhysicalCode().LiveFuelLoad);
    out.Colours.push_back({131, ranDry ? kAccTextRed : kAccTextBlack});
    const float f = R[AccRes::FuelPerDistance];
    put(132, f == 0.0f ? kNA : core::UnitValueText(Quantity::FuelEcon, f));
    // A refused run: no figures, and no final speed in its caption.
    if (s.RunRefused)
        for (core::Caption& c : out.Labels)
            if (c.Index == 11 || c.Index >= 100) c.Text.clear();
    return out;
}

std::vector<core::Caption> AccSearchResultsTexts() {
    const auto& R = AccelerationCode().AccResults;
    if (AccelerationCode().RunRefused)  // no run: nothing searched
        return {AccCaption(133, ""), AccCaption(134, ""), AccCaption(135, ""),
                AccCaption(136, "")};
    return {AccCaption(133, TimeText(R[AccRes::SearchTime])),
            AccCaption(134, DistanceText(R[AccRes::SearchDistance])),
            AccCaption(135, TimeText(R[AccRes::SearchTimeAtDistance])),
            AccCaption(136, SpeedText(R[AccRes::SearchSpeedAtDistance]))};
}

}  // namespace analysis
