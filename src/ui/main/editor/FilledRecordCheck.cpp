#include "ui/main/editor/FilledRecordCheck.hpp"

#include <algorithm>
#include <utility>

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

const FilledRecordCheck::Own& FilledRecordCheck::OwnProblems() const {
    if (!own_) {
        std::vector<std::string> outOfRange = vehicle::FieldsOutOfRange(record_);
        own_ = Own{outOfRange, Keys(vehicle::FindVehicleProblems(record_, std::move(outOfRange)))};
    }
    return *own_;
}

bool FilledRecordCheck::AddsNoProblem(std::span<const Figure> figures) const {
    // Every field in range: a figure beyond its field's range adds that problem.
    const Own& own = OwnProblems();
    const bool wheelDriven = record_.Drivetrain.DriveType != vehicle::kDriveThrust;
    if (own.OutOfRange.empty() &&
        std::any_of(figures.begin(), figures.end(), [wheelDriven](const Figure& f) {
            return !f.Range->Takes(f.Value, wheelDriven);
        }))
        return false;
    return AddsNoProblemWith(own, figures, {});
}

bool FilledRecordCheck::AddsNoProblemNaming(std::span<const Figure> figures,
                                            std::string_view field) const {
    return AddsNoProblemWith(OwnProblems(), figures, field);
}

bool FilledRecordCheck::AddsNoProblemWith(const Own& own, std::span<const Figure> figures,
                                          std::string_view field) const {
    if (!figures.empty()) {
        // The field's own figure back once the rest are judged: a field given twice gets its
        // own again, the last put in first out.
        float& put = *figures.front().Field;
        const float kept = std::exchange(put, figures.front().Value);
        const bool none = AddsNoProblemWith(own, figures.subspan(1), field);
        put = kept;
        return none;
    }
    // A record with every field in range: only the cross-checks are worked out, the figures'
    // ranges being asked apart.
    const std::vector<ProblemKey> with =
        Keys(own.OutOfRange.empty() ? vehicle::FindVehicleProblems(record_, {})
                                    : vehicle::FindVehicleProblems(record_));
    const auto owned = [&own](const ProblemKey& k) {
        return std::find(own.Problems.begin(), own.Problems.end(), k) != own.Problems.end();
    };
    return std::all_of(with.begin(), with.end(), [&owned, field](const ProblemKey& k) {
        const bool named =
            field.empty() || std::find(k.second.begin(), k.second.end(), field) != k.second.end();
        return !named || owned(k);
    });
}

}  // namespace ui
