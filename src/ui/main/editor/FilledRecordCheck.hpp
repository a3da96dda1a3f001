// The one vehicle check (vehicle/VehicleCheck.hpp) of the record the vehicle editor fills its
// boxes from, for the boxes too short for their figure's exact text: whether a shorter text's
// figure, put in the record in place of the box's field, adds a problem that the record does
// not have. Such a text, typed back, would turn its box red ("828" kg of unsprung mass on an
// axle that carries 827.953 kg of body). The engine-speed boxes ask it of their texts together
// too (SpeedBoxTexts.hpp).
//
// The record's own problems are worked out once, when the first question is asked; a fill
// whose texts all fit asks nothing. A record with every field in range (every record the file
// reader loads) keeps them so with figures the fields' ranges take: then only the cross-checks
// between fields are worked out again.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "vehicle/VehicleCheck.hpp"
#include "vehicle/VehicleFieldRanges.hpp"
#include "vehicle/VehicleRecord.hpp"

namespace ui {

class FilledRecordCheck {
public:
    // A figure to put in place of a field of the record, whose range is `Range`.
    struct Figure {
        float* Field;
        const vehicle::FieldRange* Range;
        float Value;
    };

    // `record` is the record being filled; it is changed only for the time of a check.
    explicit FilledRecordCheck(vehicle::VehicleRecord& record) : record_(record) {}

    // Whether the figures, each in place of its field, together add no problem.
    bool AddsNoProblem(std::span<const Figure> figures) const;
    // Whether they add no problem that names `field` (as the check names it): what one box's
    // text answers for among other boxes' texts. Ranges aside: a figure's own range is its
    // own question.
    bool AddsNoProblemNaming(std::span<const Figure> figures, std::string_view field) const;
    // Whether `figure`, in place of `field` (a field of the record, whose range is `range`),
    // adds no problem.
    bool AddsNoProblem(float& field, const vehicle::FieldRange& range, float figure) const {
        const Figure one{&field, &range, figure};
        return AddsNoProblem(std::span<const Figure>(&one, 1));
    }
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

    // The record's own problems, worked out at the first question.
    const Own& OwnProblems() const;
    // The figures put in, one after another, for the time of the check of the record: whether
    // it has no problem (naming `field`, where one is given) but `own`, its problems worked out
    // before any figure was put in.
    bool AddsNoProblemWith(const Own& own, std::span<const Figure> figures,
                           std::string_view field) const;

    vehicle::VehicleRecord& record_;
    mutable std::optional<Own> own_;
};

}  // namespace ui
