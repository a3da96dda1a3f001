// Summary of the deceleration run, the user's search over it, and the result texts.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "analysis/DecelerationCode.hpp"

#include "analysis/RunSearchBounds.hpp"

#include "core/ScopedValue.hpp"
#include "core/AccTargets.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/AeroCode.hpp"

namespace analysis {

namespace {

using core::Quantity;

// Time (s) from row `row` to the last row.
float TimeToEnd(const DecelerationCodeState& s, int32_t row) {
    return static_cast<float>(static_cast<double>(s.DecTimeStep) * (s.DecLastStep - row));
}

// A distance travelled to standstill: never below zero ("N/A" for a run that went backwards).
std::string StopDistanceText(float metres) {
    if (metres < 0.0f) return std::string(core::kNotApplicableText);
    return core::UnitValueText(Quantity::DistanceLarge, metres);
}

// A time of a run gone wrong (not a number, infinite) shows "N/A", without its unit.
std::string SecondsText(float seconds, int places) {
    if (!std::isfinite(seconds)) return std::string(core::kNotApplicableText);
    return core::RoundedText(seconds, places) + "s";
}

// "100-0 km/h:" for a speed (m/s).
std::string FromSpeedCaption(double speed) {
    return core::UnitNumberText(Quantity::Speed, speed) + "-0" + core::UnitSuffix(Quantity::Speed) +
           ":";
}

// A caption of Analysis_DecLabel, in the label's own colour.
core::Caption DecCaption(int index, std::string text) {
    return {core::LabelArray::Analysis_DecLabel, index, std::move(text), std::nullopt};
}

}  // namespace

std::array<double, 5> DecTargetSpeeds() {
    const auto& table = core::AccTargetTable().AccTargets;
    const std::size_t unit =
        std::min<std::size_t>(core::OptionsSettings().UnitIndexSpeed, table.size() - 1);
    std::array<double, 5> out{};
    for (std::size_t k = 0; k < out.size(); ++k) out[k] = table[unit][k];
    return out;
}

bool DecRunStopped() {
    const DecelerationCodeState& s = DecelerationCode();
    const int32_t last = s.DecLastStep;
    if (last < 0 || s.DecData.size() < static_cast<std::size_t>(last + 1) * kDecColumns)
        return false;
    return s.Row(last, DecCol::Speed) <= 0.0f && s.Row(last, DecCol::Distance) >= 0.0f;
}

void AnalyseDecRun() {
    DecelerationCodeState& s = DecelerationCode();
    s.DecDataRanges.Clear();  // a new run, or the stored one summarised again
    auto& res = s.DecResults;
    res.fill(0.0f);
    const int32_t last = s.DecLastStep;
    if (last < 0) return;
    const std::array<double, 5> targets = DecTargetSpeeds();
    // Times and distances to standstill exist only for a run that came to a stop.
    const bool stopped = DecRunStopped();

    for (int32_t row = 0; row <= last; ++row)
        res[DecRes::PeakDeceleration] =
            std::max(res[DecRes::PeakDeceleration], s.Row(row, DecCol::Deceleration));

    const float endDistance = s.Row(last, DecCol::Distance);
    for (int32_t row = last; row >= 0; --row) {
        const float speed = s.Row(row, DecCol::Speed);
        for (int k = 1; stopped && k <= 5; ++k) {
            if (res[k] != 0.0f) continue;
            if (speed > targets[k - 1]) {
                res[k] = TimeToEnd(s, row);
                res[k + 6] = endDistance - s.Row(row, DecCol::Distance);
            }
        }
        res[DecRes::PeakTotalForce] =
            std::max(res[DecRes::PeakTotalForce], s.Row(row, DecCol::TotalForce));
    }
    res[DecRes::TimeFromTopSpeed] = TimeToEnd(s, 0);
    res[DecRes::StoppingDistance] = endDistance;
}

DecSearchOutcome SearchDecRunTexts(const std::array<std::string, 3>& boxes) {
    DecelerationCodeState& s = DecelerationCode();
    auto& res = s.DecResults;
    DecSearchOutcome out;
    const int32_t last = s.DecLastStep;
    if (last < 0) return out;  // no run to search

    // A box is corrected into [0, the run's end]; a run whose figures end below zero still has
    // 0 as its upper bound, so two corrections can never undo each other. A corrected box shows
    // the end in its unit's decimals, as the captions do.
    const double startSpeed = std::max(0.0, static_cast<double>(s.Row(0, DecCol::Speed)));
    const double endDistance = std::max(0.0, static_cast<double>(s.Row(last, DecCol::Distance)));
    std::array<double, 2> speeds{core::UnitInputValue(Quantity::Speed, boxes[0]),
                                 core::UnitInputValue(Quantity::Speed, boxes[1])};
    double distance = core::UnitInputValue(Quantity::DistanceLarge, boxes[2]);

    auto correct = [&](int box, std::string text) {
        out.Corrected = true;
        out.Box = box;
        out.CorrectedText = std::move(text);
        return out;
    };
    for (int b = 0; b < 2; ++b) {
        if (speeds[b] < 0.0) return correct(b, "0");
        if (BeyondRunEnd(speeds[b], startSpeed, Quantity::Speed))
            return correct(b, core::UnitNumberText(Quantity::Speed, startSpeed));
        speeds[b] = std::min(speeds[b], startSpeed);
    }
    if (speeds[0] < speeds[1]) return correct(1, boxes[0]);
    if (distance < 0.0) return correct(2, "0");
    if (BeyondRunEnd(distance, endDistance, Quantity::DistanceLarge))
        return correct(2, core::UnitNumberText(Quantity::DistanceLarge, endDistance));
    distance = std::min(distance, endDistance);

    // Times and distances are counted back from the last row. A speed the run never came down
    // to (it ended above it) has none, nor has standstill or a distance left to it when the
    // run never stopped.
    const bool stopped = DecRunStopped();
    const float lastSpeed = s.Row(last, DecCol::Speed);
    s.SearchSpeedsReached = stopped || (speeds[1] > 0.0 && speeds[1] >= lastSpeed);
    s.SearchStopReached = stopped;

    // Scanning back from the end, a speed is passed at the first row faster than it; the start
    // speed itself (as a corrected box holds it) at the last row still at it. The distance is
    // passed at the first row with more than it left to the end; the whole distance at row 0.
    std::array<float, 2> time{}, dist{};
    std::array<bool, 2> found{};
    bool distanceFound = false;
    res[DecRes::SearchTimeAtDistance] = 0.0f;
    res[DecRes::SearchSpeedAtDistance] = 0.0f;
    const float endDistanceF = s.Row(last, DecCol::Distance);
    for (int32_t row = last; row >= 0; --row) {
        const float speed = s.Row(row, DecCol::Speed);
        const float remaining = endDistanceF - s.Row(row, DecCol::Distance);
        for (int b = 0; b < 2; ++b) {
            const double target = speeds[b];
            if (found[b] || !(target > 0.0)) continue;
            if (target < startSpeed ? speed > target : speed >= startSpeed) {
                found[b] = true;
                time[b] = TimeToEnd(s, row);
                dist[b] = remaining;
            }
        }
        const bool passed =
            distance < endDistance ? remaining > distance : remaining >= endDistance;
        if (!distanceFound && passed) {
            distanceFound = true;
            res[DecRes::SearchTimeAtDistance] = TimeToEnd(s, row);
            res[DecRes::SearchSpeedAtDistance] = speed;
        }
    }
    res[DecRes::SearchTime] = time[0] - time[1];
    res[DecRes::SearchDistance] = dist[0] - dist[1];
    return out;
}

void SearchDecRun(const DecRunLinks& links) {
    if (!links.ReadSearchInputs) return;
    // A corrected box searches once more; a correction of that search's own correction is
    // the most a search may nest, whatever a run's figures.
    DecelerationCodeState& s = DecelerationCode();
    if (s.SearchDepth >= kMaxDecSearchDepth) return;
    const core::ScopedValue<int> depth(s.SearchDepth, s.SearchDepth + 1);
    const DecSearchOutcome outcome = SearchDecRunTexts(links.ReadSearchInputs());
    if (outcome.Corrected) {
        if (links.WriteSearchInput) links.WriteSearchInput(outcome.Box, outcome.CorrectedText);
        return;
    }
    if (s.DecLastStep < 0 && !s.RunRefused) return;  // nothing run yet
    if (links.ShowDecSearchResults) links.ShowDecSearchResults(DecSearchResultsTexts());
}

std::vector<core::Caption> DecResultsTexts() {
    const DecelerationCodeState& s = DecelerationCode();
    const auto& res = s.DecResults;
    const std::array<double, 5> targets = DecTargetSpeeds();
    const std::string na(core::kNotApplicableText);
    const bool stopped = DecRunStopped();
    std::vector<core::Caption> out;
    out.reserve(19);
    for (int k = 1; k <= 5; ++k) {
        out.push_back(DecCaption(k + 3, FromSpeedCaption(targets[k - 1])));
        if (res[k] != 0.0f) {
            out.push_back(DecCaption(100 + 2 * k, SecondsText(res[k], 2)));
            out.push_back(DecCaption(101 + 2 * k, StopDistanceText(res[k + 6])));
        } else {
            out.push_back(DecCaption(100 + 2 * k, na));
            out.push_back(DecCaption(101 + 2 * k, na));
        }
    }
    out.push_back(DecCaption(9, FromSpeedCaption(vehicle::AeroCode().TopSpeed)));
    // The time and distance of the last row are the stop's only when the run stopped there.
    out.push_back(DecCaption(112, stopped ? SecondsText(res[DecRes::TimeFromTopSpeed], 2) : na));
    out.push_back(DecCaption(113, stopped ? StopDistanceText(res[DecRes::StoppingDistance]) : na));
    out.push_back(
        DecCaption(114, core::UnitValueText(Quantity::Acc, res[DecRes::PeakDeceleration])));
    // A refused run: no figures, and no start speed in its caption.
    if (s.RunRefused)
        for (core::Caption& c : out)
            if (c.Index == 9 || c.Index >= 100) c.Text.clear();
    return out;
}

std::vector<core::Caption> DecSearchResultsTexts() {
    const DecelerationCodeState& s = DecelerationCode();
    const auto& res = s.DecResults;
    const std::string na(core::kNotApplicableText);
    const bool speeds = s.SearchSpeedsReached, stop = s.SearchStopReached;
    if (s.RunRefused)  // no run: nothing searched
        return {DecCaption(116, ""), DecCaption(117, ""), DecCaption(118, ""),
                DecCaption(119, "")};
    return {
        DecCaption(116, speeds ? SecondsText(res[DecRes::SearchTime], 3) : na),
        DecCaption(117, speeds ? core::UnitValueText(Quantity::DistanceLarge,
                                                     res[DecRes::SearchDistance])
                               : na),
        DecCaption(118, stop ? SecondsText(res[DecRes::SearchTimeAtDistance], 3) : na),
        DecCaption(119, stop ? core::UnitValueText(Quantity::Speed,
                                                   res[DecRes::SearchSpeedAtDistance])
                             : na),
    };
}

}  // namespace analysis
