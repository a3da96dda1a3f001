#include "ui/main/editor/EngineControlWords.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/OptionsSettings.hpp"
#include "ui/main/editor/EditorFilledFigures.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "ui/main/form/EngineControls.hpp"
#include "vehicle/EngineFigureMoves.hpp"

namespace ui {

namespace {

using Kind = vehicle::VehicleCheckKind;
namespace ec = engine_controls;

// Every engine control by its caption. A box shows its figure times a positive unit factor:
// it moves as its figure; a slider moves as its figure where its scale rises.
const std::array<vehicle::FieldWord, std::size(kEngineControls)>& ControlWords() {
    static const auto words = [] {
        std::array<vehicle::FieldWord, std::size(kEngineControls)> w{};
        for (std::size_t k = 0; k < w.size(); ++k) {
            const EngineControl& c = *kEngineControls[k];
            w[k] = {c.Field->Name, c.Caption, c.Field->Slider && c.Field->Slider->Sign < 0.0};
        }
        return w;
    }();
    return words;
}

std::string Name(const EngineControl& c) { return std::string(c.Caption); }

// "Torque plateau width must be from 0 to 9999 rad/s": the range's ends as the box would show
// them (texts that fit it and that the range takes).
std::string RangeRule(const Main& w, const EngineControl& c) {
    const vehicle::FieldRange& range = c.Field->Range;
    const platform::TextBox& box = *(w.*(c.Box));
    const auto shown = [&](double checked) {
        const auto field = static_cast<float>(checked / range.RecordToChecked);
        if (c.ShowsSpeed()) return SpeedFieldText(field, box.MaxLength(), range);
        return FieldText(field, c.UnitFactor(), box.MaxLength(), range);
    };
    return Name(c) + " must be from " + shown(range.Min) + " to " + shown(range.Max) +
           (c.Unit ? core::UnitSuffix(*c.Unit) : std::string());
}

// The order of the engine speeds a problem says they break, as the check applies it (equal
// speeds pass); empty for other problems.
std::string SpeedOrderRule(Kind kind) {
    switch (kind) {
        case Kind::PowerBelowTorquePeak:
            return Name(ec::PowerPeakSpeed) + " must not be below " + Name(ec::TorquePeakSpeed);
        case Kind::PowerInsidePlateau:
            return Name(ec::PowerPeakSpeed) + " must not be below " + Name(ec::TorquePeakSpeed) +
                   " + " + Name(ec::TorquePeakWidth);
        case Kind::IdleAboveTorquePeak:
            return Name(ec::IdleSpeed) + " must not be above " + Name(ec::TorquePeakSpeed);
        case Kind::IdleAboveLimit:
            return Name(ec::IdleSpeed) + " must not be above " + Name(ec::LimitSpeed);
        default: return {};
    }
}

// Whether `problems` hold one of `kind`.
bool Holds(const std::vector<vehicle::VehicleProblem>& problems, Kind kind) {
    return std::any_of(problems.begin(), problems.end(),
                       [kind](const vehicle::VehicleProblem& p) { return p.Kind == kind; });
}

}  // namespace

vehicle::FieldWording EngineControlWording(const vehicle::VehicleRecord& shown,
                                           const vehicle::VehicleProblem& refusal) {
    const auto reach = [&shown, &refusal](std::string_view field, vehicle::FigureMove move) {
        return vehicle::ReachOfMove(shown, refusal, {field, move});
    };
    return {ControlWords(), " with ", reach};
}

std::string BrokenEngineBoxRules(const Main& w,
                                 const std::vector<vehicle::VehicleProblem>& problems) {
    std::string rules;
    const auto add = [&rules](const std::string& rule) {
        if (rule.empty()) return;
        if (!rules.empty()) rules += "; ";
        rules += rule;
    };
    // A power peak not below the plateau's end is not below its start either (the width is
    // not negative): the order with the start is left out where that with the end is named.
    const bool insidePlateau = Holds(problems, Kind::PowerInsidePlateau);
    for (const vehicle::VehicleProblem& p : problems) {
        if (p.Kind != Kind::Range) {
            if (p.Kind != Kind::PowerBelowTorquePeak || !insidePlateau) add(SpeedOrderRule(p.Kind));
            continue;
        }
        const EngineControl* c = EngineControlOf(p.Fields.front());
        if (c == nullptr || !c->Box) continue;
        add(HoldsNoFigure(*(w.*(c->Box))) ? Name(*c) + " needs a figure" : RangeRule(w, *c));
    }
    return rules;
}

}  // namespace ui
