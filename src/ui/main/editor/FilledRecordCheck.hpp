// The one vehicle check (vehicle/VehicleCheck.hpp) of the record the vehicle editor fills its
// boxes from, for the boxes too short for their figure's exact text: whether a shorter text's
// figure, put in the record in place of the box's field, adds a problem that the record does
// not have. Such a text, typed back, would turn its box red ("828" kg of unsprung mass on an
// axle that carries 827.953 kg of body).
//
// The record's own problems are worked out once, when the first such box asks; a fill whose
// texts all fit asks nothing. A record with every field in range (every record the file reader
// loads) keeps them so with a figure the field's range takes: then only the cross-checks
// between fields are worked out again.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "vehicle/VehicleCheck.hpp"
#include "vehicle/VehicleFieldRanges.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

class FilledRecordCheck {
public:
    // `record` is the record being filled; it is changed only for the time of a check.
    explicit FilledRecordCheck(vehicle::VehicleRecord& record) : record_(record) {}

    // Whether `figure`, in place of `field` (a field of the record, whose range is `range`),
    // adds no problem.
    bool AddsNoProblem(float& field, const vehicle::FieldRange& range, float figure) const;
    // The same question for one field, as a box's text is chosen.
    FigureJudge For(float& field, const vehicle::FieldRange& range) const {
        return [this, &field, &range](float figure) { return AddsNoProblem(field, range, figure); };
    }

private:
    // A problem as far as a box's text is concerned: its check and the fields it names (its
    // text carries the figures, which differ from one candidate to the next).
    using ProblemKey = std::pair<vehicle::VehicleCheckKind, std::vector<std::string>>;
    struct Own {
        std::vector<std::string> OutOfRange;
        std::vector<ProblemKey> Problems;
    };

    vehicle::VehicleRecord& record_;
    mutable std::optional<Own> own_;
};

}  // namespace ui
