#include "ui/main/editor/EngineControlWords.hpp"

#include <array>
#include <cstddef>

#include "core/OptionsSettings.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"
#include "ui/main/form/EngineControls.hpp"

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

// The order of the engine speeds a problem says they break; empty for other problems.
std::string SpeedOrderRule(Kind kind) {
    switch (kind) {
        case Kind::PowerBelowTorquePeak:
            return Name(ec::PowerPeakSpeed) + " must be above " + Name(ec::TorquePeakSpeed);
        case Kind::PowerInsidePlateau:
            return Name(ec::PowerPeakSpeed) + " must be above " + Name(ec::TorquePeakSpeed) +
                   " + " + Name(ec::TorquePeakWidth);
        case Kind::IdleAboveTorquePeak:
            return Name(ec::IdleSpeed) + " must be below " + Name(ec::TorquePeakSpeed);
        case Kind::IdleAboveLimit:
            return Name(ec::IdleSpeed) + " must be below " + Name(ec::LimitSpeed);
        default: return {};
    }
}

}  // namespace

vehicle::FieldWording EngineControlWording(const vehicle::EngineFigures& shown) {
    const auto canMove = [&shown](std::string_view field, vehicle::FigureMove move) {
        const EngineControl* c = EngineControlOf(field);
        if (c == nullptr) return true;
        const vehicle::FieldRange& range = c->Field->Range;
        const double checked = shown.*(c->Field->Figure) * range.RecordToChecked;
        return move == vehicle::FigureMove::Lower ? !vehicle::AtMost(checked, range.Min)
                                                  : !vehicle::AtLeast(checked, range.Max);
    };
    return {ControlWords(), " with ", canMove};
}

std::string BrokenEngineBoxRules(const Main& w,
                                 const std::vector<vehicle::VehicleProblem>& problems) {
    std::string rules;
    const auto add = [&rules](const std::string& rule) {
        if (rule.empty()) return;
        if (!rules.empty()) rules += "; ";
        rules += rule;
    };
    for (const vehicle::VehicleProblem& p : problems) {
        if (p.Kind != Kind::Range) {
            add(SpeedOrderRule(p.Kind));
            continue;
        }
        const EngineControl* c = EngineControlOf(p.Fields.front());
        if (c != nullptr && c->Box) add(RangeRule(w, *c));
    }
    return rules;
}

}  // namespace ui
