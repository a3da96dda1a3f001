#include "ui/main/editor/FilledRecordCheck.hpp"

#include <algorithm>

namespace ui {

namespace {

std::vector<std::pair<vehicle::VehicleCheckKind, std::vector<std::string>>> Keys(
    const std::vector<vehicle::VehicleProblem>& problems) {
    std::vector<std::pair<vehicle::VehicleCheckKind, std::vector<std::string>>> out;
    out.reserve(problems.size());
    for (const vehicle::VehicleProblem& p : problems) out.emplace_back(p.Kind, p.Fields);
    return out;
}

}  // namespace

bool FilledRecordCheck::AddsNoProblem(float& field, const vehicle::FieldRange& range,
                                      float figure) const {
    if (!own_) {
        std::vector<std::string> outOfRange = vehicle::FieldsOutOfRange(record_);
        own_ = Own{outOfRange, Keys(vehicle::FindVehicleProblems(record_, std::move(outOfRange)))};
    }
    const bool inRange = own_->OutOfRange.empty();
    // Every field in range: a figure beyond the field's range adds that problem.
    if (inRange && !range.Takes(figure, record_.Drivetrain.DriveType != vehicle::kDriveThrust))
        return false;
    const float kept = field;
    field = figure;
    const std::vector<ProblemKey> with =
        Keys(inRange ? vehicle::FindVehicleProblems(record_, {})
                     : vehicle::FindVehicleProblems(record_));
    field = kept;
    return std::all_of(with.begin(), with.end(), [this](const ProblemKey& k) {
        return std::find(own_->Problems.begin(), own_->Problems.end(), k) != own_->Problems.end();
    });
}

}  // namespace ui
