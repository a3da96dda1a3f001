// Summary of the stored acceleration run (times and distances to the benchmark speeds and
// distances, peaks, launch, shift and per-gear times, wheel spin, fuel) and the user's search
// over it (time and distance between two speeds; time and speed at a distance).
//
// The benchmarks follow the selected speed unit, so the summary is redone when it changes.
// Comparisons with benchmarks are strict (first step whose value is greater).
#include <algorithm>
#include <cmath>

#include "analysis/AccelerationCode.hpp"
#include "analysis/AccelerationRunState.hpp"
#include "analysis/PhysicalCode.hpp"
#include "analysis/RunSearchBounds.hpp"
#include "core/AccTargets.hpp"
#include "core/ScopedValue.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"

namespace analysis {

namespace {

constexpr float kDriveEndNetForce = 80.0f;  // N: still accelerating noticeably above this
constexpr float kMinDriveEndTime = 10.0f;   // s
constexpr int kMaxGears = 7;
// The summary's passes move the progress bar by a few units over tens of thousands of rows;
// it is brought up to date every this many rows.
constexpr int32_t kProgressRowStride = 256;

void SetProgress(AccelerationCodeState& s, const AccRunLinks& links, double x) {
    const int32_t value = accrun::ProgressBarValue(x);
    if (value == s.ProgressValue) return;
    s.ProgressValue = value;
    if (links.SetProgressValue) links.SetProgressValue(value);
}

float StepTime(float dt, int32_t step) {
    return static_cast<float>(static_cast<double>(dt) * step);
}

bool Spinning(const AccelerationCodeState& s, int32_t step, int firstWheel) {
    return s.Row(step, AccCol::WheelSpin + firstWheel) == -1.0f ||
           s.Row(step, AccCol::WheelSpin + firstWheel + 1) == -1.0f;
}

const std::array<double, core::kAccTargetRows>& Benchmarks() {
    const auto& t = core::AccTargetTable().AccTargets;
    const uint8_t unit = core::OptionsSettings().UnitIndexSpeed;
    return t[unit < t.size() ? unit : 0];
}

}  // namespace

void AnalyseAccRun(float dt, const AccRunLinks& links) {
    AccelerationCodeState& s = AccelerationCode();
    s.AccDataRanges.Clear();  // a new run, or the stored one summarised again
    auto& R = s.AccResults;
    R.fill(0.0f);
    R[AccRes::MinThrottle] = 1.0f;
    const int32_t last = s.AccLastStep;
    if (last < 0) {  // no run stored
        if (links.ShowAccResults) links.ShowAccResults(AccResultsTexts());
        return;
    }
    R[AccRes::FinalSpeed] = s.Row(last, AccCol::Speed);
    const auto& bench = Benchmarks();
    const int numGears = std::min<int>(core::GlobalChassisLab().CurrentVehicle.Drivetrain.NumGears,
                                       kMaxGears);
    const double progressPerStep = 1.0 / static_cast<double>(0.08f);
    const auto divisor = static_cast<double>(s.AccProgressDivisor);

    bool launched = false;
    bool correction = false;
    bool clutchWasOpen = false;  // the previous row after the launch had the clutch below 1
    for (int32_t i = 0; i <= last; ++i) {
        if (i % kProgressRowStride == 0)
            SetProgress(s, links, (i / progressPerStep + s.AccMaxSteps) / divisor);
        const float v = s.Row(i, AccCol::Speed);
        const float dist = s.Row(i, AccCol::Distance);
        const float t = StepTime(dt, i);
        R[AccRes::PeakAcceleration] =
            core::MaxSingle(R[AccRes::PeakAcceleration], s.Row(i, AccCol::Acceleration));
        for (int k = 0; k < 5; ++k) {
            if (R[AccRes::TimeToSpeed + k] == 0.0f && static_cast<float>(bench[k]) < v) {
                R[AccRes::TimeToSpeed + k] = t;
                R[AccRes::DistanceAtSpeed + k] = dist;
            }
        }
        // A run that never got going (final speed 0 or below) never reached a final speed.
        if (R[AccRes::TimeToFinalSpeed] == 0.0f && R[AccRes::FinalSpeed] > 0.0f &&
            v >= R[AccRes::FinalSpeed]) {
            R[AccRes::TimeToFinalSpeed] = t;
            R[AccRes::DistanceAtFinalSpeed] = dist;
        }
        for (int j = 0; j < 2; ++j) {
            if (R[AccRes::TimeToDistance + j] == 0.0f &&
                static_cast<float>(bench[core::kAccTargetFirstDistance + j]) < dist) {
                R[AccRes::TimeToDistance + j] = t;
                R[AccRes::SpeedAtDistance + j] = v;
            }
        }
        const float gear = s.Row(i, AccCol::Gear);
        const float clutch = s.Row(i, AccCol::Clutch);
        if (!launched) {
            // Clutching time: first gear until the clutch first closes.
            if (gear == 1.0f) {
                R[AccRes::LaunchTime] += dt;
                if (clutch == 1.0f) launched = true;
            }
        } else {
            // Shifting time: each step from the last row with the clutch closed before a shift
            // to the first closed again after it. A shift whose clutch is open on k rows lasts
            // k + 1 steps, since the rows sample the clutch at the ends of the steps.
            const bool open = clutch < 1.0f;
            if (open || clutchWasOpen) R[AccRes::ShiftTimeTotal] += dt;
            if (open && clutch > 0.99f) correction = true;
            clutchWasOpen = open;
        }
        // The gear column holds whole numbers: a row counts towards its gear while the clutch
        // carries torque.
        if (clutch > 0.0f && gear >= 1.0f && gear <= static_cast<float>(numGears) &&
            gear == std::floor(gear))
            R[AccRes::TimeInGear + static_cast<int>(gear)] += dt;
        if (R[AccRes::FrontSpinStartSpeed] == 0.0f && Spinning(s, i, 0))
            R[AccRes::FrontSpinStartSpeed] = v;
        if (R[AccRes::RearSpinStartSpeed] == 0.0f && Spinning(s, i, 2))
            R[AccRes::RearSpinStartSpeed] = v;
        R[AccRes::PeakDriveForce] =
            core::MaxSingle(R[AccRes::PeakDriveForce], s.Row(i, AccCol::DriveForce));
        R[AccRes::MinThrottle] = core::MinSingle(R[AccRes::MinThrottle], s.Row(i, AccCol::Throttle));
    }
    SetProgress(s, links, s.AccMaxSteps * 1.08 / divisor);
    // A clutch that never closed: the run ended before the launch did.
    if (!launched) R[AccRes::LaunchTime] = 0.0f;

    // A shift whose clutch came back just short of closed counts one step too many.
    if (correction)
        R[AccRes::ShiftTimeTotal] = static_cast<float>(
            R[AccRes::ShiftTimeTotal] - (s.Row(last, AccCol::Gear) - 1.0f) * static_cast<double>(dt));

    const int32_t b = s.ProgressValue;
    const double backPerStep = 1.0 / static_cast<double>(0.05f);
    for (int32_t i = last; i >= 0; --i) {
        if ((last - i) % kProgressRowStride == 0)
            SetProgress(s, links, (last - i) / backPerStep / divisor + b);
        const float v = s.Row(i, AccCol::Speed);
        if (R[AccRes::FrontSpinEndSpeed] == 0.0f && Spinning(s, i, 0))
            R[AccRes::FrontSpinEndSpeed] = v;
        if (R[AccRes::RearSpinEndSpeed] == 0.0f && Spinning(s, i, 2))
            R[AccRes::RearSpinEndSpeed] = v;
        if (R[AccRes::DriveEndTime] == 0.0f && s.Row(i, AccCol::NetForce) > kDriveEndNetForce)
            R[AccRes::DriveEndTime] = StepTime(dt, i);
        // Each search above ends at its first non-zero find; earlier rows change nothing.
        if (R[AccRes::FrontSpinEndSpeed] != 0.0f && R[AccRes::RearSpinEndSpeed] != 0.0f &&
            R[AccRes::DriveEndTime] != 0.0f)
            break;
    }
    if (R[AccRes::DriveEndTime] < kMinDriveEndTime) R[AccRes::DriveEndTime] = kMinDriveEndTime;

    R[AccRes::FuelUsed] = static_cast<float>(PhysicalCode().LiveFuelLoad - s.AccFuelLeftDouble);
    // A run that never moved has no fuel economy ("N/A"), not a division by zero.
    const float distance = s.Row(last, AccCol::Distance);
    R[AccRes::FuelPerDistance] = distance > 0.0f ? R[AccRes::FuelUsed] / distance : 0.0f;

    SetProgress(s, links, s.AccMaxSteps * 1.08 * 1.05 / divisor);
    if (links.ShowAccResults) links.ShowAccResults(AccResultsTexts());
}

AccSearchOutcome SearchAccRunTexts(float dt, const std::array<std::string, 3>& boxes) {
    AccelerationCodeState& s = AccelerationCode();
    const auto& o = core::OptionsSettings();
    const double speedFactor = o.UnitFactorSpeed;
    const double distFactor = o.UnitFactorDistanceLarge;
    auto toSI = [](std::string_view text, double factor) {
        return factor == 0.0 ? 0.0 : core::TypedVal(text) / factor;
    };
    double a = toSI(boxes[0], speedFactor);
    double b = toSI(boxes[1], speedFactor);
    double d = toSI(boxes[2], distFactor);
    const int32_t last = s.AccLastStep;
    if (last < 0) return {};  // no run to search: no box is corrected
    const float finalSpeed = s.Row(last, AccCol::Speed);
    const float lastDistance = s.Row(last, AccCol::Distance);

    auto correct = [](int box, std::string text) {
        return AccSearchOutcome{true, box, std::move(text)};
    };
    // A box is corrected into [0, the run's end]. A run that ends below zero (a vehicle that
    // rolled back) still has 0 as its upper bound, so the two corrections can never undo
    // each other.
    const float speedLimit = std::max(finalSpeed, 0.0f);
    const float distanceLimit = std::max(lastDistance, 0.0f);
    // A corrected box shows the run's end in its unit's decimals, as the captions do.
    for (int k = 0; k < 2; ++k) {
        const double value = k == 0 ? a : b;
        if (value < 0.0) return correct(k, "0");
        if (BeyondRunEnd(value, speedLimit, core::Quantity::Speed))
            return correct(k, core::UnitNumberText(core::Quantity::Speed, speedLimit));
    }
    if (a > b) return correct(1, boxes[0]);
    if (d < 0.0) return correct(2, "0");
    if (BeyondRunEnd(d, distanceLimit, core::Quantity::DistanceLarge))
        return correct(2, core::UnitNumberText(core::Quantity::DistanceLarge, distanceLimit));
    // A box holding the run's end (as a corrected box does) is reached at the run's end.
    a = std::min(a, static_cast<double>(finalSpeed));
    b = std::min(b, static_cast<double>(finalSpeed));
    d = std::min(d, static_cast<double>(lastDistance));

    auto& R = s.AccResults;
    R[AccRes::SearchTimeAtDistance] = 0.0f;
    std::array<float, 2> t{0.0f, 0.0f};
    std::array<float, 2> dist{0.0f, 0.0f};
    std::array<bool, 2> found{false, false};
    bool distanceFound = false;
    for (int32_t i = 0; i <= last; ++i) {
        const float v = s.Row(i, AccCol::Speed);
        const float sAt = s.Row(i, AccCol::Distance);
        for (int k = 0; k < 2; ++k) {
            const double target = k == 0 ? a : b;
            const bool reached = target < finalSpeed ? target < v : v >= finalSpeed;
            if (!found[k] && target > 0.0 && reached) {
                found[k] = true;
                t[k] = StepTime(dt, i);
                dist[k] = sAt;
            }
        }
        const bool passed = d < lastDistance ? d < sAt : sAt >= lastDistance;
        if (!distanceFound && passed) {
            distanceFound = true;
            R[AccRes::SearchTimeAtDistance] = StepTime(dt, i);
            R[AccRes::SearchSpeedAtDistance] = v;
        }
    }
    R[AccRes::SearchTime] = t[1] - t[0];
    R[AccRes::SearchDistance] = dist[1] - dist[0];
    return {};
}

void SearchAccRun(float dt, const AccRunLinks& links) {
    // A corrected box searches once more; a correction of that search's own correction is
    // the most a search may nest, whatever a run's figures.
    AccelerationCodeState& s = AccelerationCode();
    if (s.SearchDepth >= kMaxAccSearchDepth) return;
    const core::ScopedValue<int> depth(s.SearchDepth, s.SearchDepth + 1);
    const std::array<std::string, 3> boxes =
        links.ReadSearchInputs ? links.ReadSearchInputs() : std::array<std::string, 3>{};
    const AccSearchOutcome outcome = SearchAccRunTexts(dt, boxes);
    if (outcome.Corrected) {
        if (links.WriteSearchInput) links.WriteSearchInput(outcome.Box, outcome.CorrectedText);
        return;
    }
    if (links.ShowAccSearchResults) links.ShowAccSearchResults(AccSearchResultsTexts());
}

}  // namespace analysis
