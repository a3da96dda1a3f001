#include "vehicle/EngineFigureRefusalText.hpp"

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

#include "core/GlobalShared.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "core/Units.hpp"
#include "vehicle/VehicleFieldRanges.hpp"

namespace vehicle {

namespace {

// Engine figures (torque, power, engine speed) in their display unit, the selected row of the
// unit table: its factor holds before the options apply it too (the start-up list is loaded
// before the options file is read).
class EngineFigureTexts {
public:
    explicit EngineFigureTexts(core::Quantity q) {
        const auto rows = core::UnitRows(q);
        const std::size_t index = core::UnitData(q).Index;
        unit_ = &rows[index < rows.size() ? index : 0];
    }
    float Shown(double value) const { return static_cast<float>(value * unit_->Factor); }
    // With a decimal more than the unit shows, as the preview's scanned peaks.
    int32_t Places() const { return unit_->Decimals + 1; }
    std::string Text(double value, int32_t places) const {
        return core::RoundedText(Shown(value), places) + std::string(unit_->Suffix);
    }
    std::string Text(double value) const { return Text(value, Places()); }
    // "<what> (<figure>)": fields with the figure they give.
    std::string Named(std::string_view what, double value) const {
        return std::string(what) + " (" + Text(value) + ")";
    }
    // "<asked>, more than <margin> x <what> (<held>)", with as many decimals as it takes (up
    // to 6) for the figure asked to read above the margin times the figure it is held to:
    // "211.73 Nm, more than 1.02 x Engine.PeakTorque (207.55 Nm)".
    std::string Beyond(double asked, float margin, std::string_view what, double held) const {
        constexpr int32_t kMostPlaces = 6;
        int32_t places = Places();
        const auto readsAbove = [&](int32_t p) {
            return core::RoundToDecimals(Shown(asked), p) >
                   margin * core::RoundToDecimals(Shown(held), p);
        };
        while (places < kMostPlaces && !readsAbove(places)) ++places;
        return Text(asked, places) + ", more than " + core::SingleText(margin) + " x " +
               std::string(what) + " (" + Text(held, places) + ")";
    }

private:
    const core::UnitRow* unit_ = nullptr;
};

class Wording {
public:
    explicit Wording(const FieldWording& words) : words_(words) {}

    std::string_view Name(std::string_view field) const {
        const FieldWord* w = Find(field);
        return w != nullptr ? w->Name : field;
    }
    // Two fields' figures combined: "Engine.TorquePeakRPM + Engine.TorquePeakWidth".
    std::string Joined(std::string_view field, std::string_view join,
                       std::string_view other) const {
        std::string text(Name(field));
        return text.append(join).append(Name(other));
    }
    std::string WithFactor(std::string_view field, std::string_view factor) const {
        return Joined(field, words_.FactorJoin, factor);
    }
    // ": lower A or B, or raise C, D or E": each field that clears the problem moved alone,
    // the way its control moves to ease it, in the order the check gives them. Where none
    // does, those that ease it: ": more than one must move: lower A, or raise C". Where none
    // eases it: ": A, B and C are all at their ends".
    std::string Advice(std::span<const FieldMove> moves) const {
        const auto& texts = core::TextTable();
        std::vector<MoveReach> reach;
        reach.reserve(moves.size());
        for (const FieldMove& m : moves)
            reach.push_back(words_.Reach ? words_.Reach(m.Field, m.Move) : MoveReach::Clears);
        const auto reaching = [&reach](MoveReach r) {
            return std::find(reach.begin(), reach.end(), r) != reach.end();
        };
        const auto at = [&moves](const FieldMove& m) {
            return static_cast<std::size_t>(&m - moves.data());
        };
        if (!moves.empty() && !reaching(MoveReach::Clears) && !reaching(MoveReach::Helps)) {
            const auto all = [](const FieldMove&) { return true; };
            return ": " + Listed(moves, all, " and ") +
                   (moves.size() > 1 ? " are all at their ends" : " is at its end");
        }
        const MoveReach named = reaching(MoveReach::Clears) ? MoveReach::Clears : MoveReach::Helps;
        std::string advice = named == MoveReach::Clears ? ":" : ": more than one must move:";
        const std::size_t head = advice.size();
        for (const FigureMove way : {FigureMove::Lower, FigureMove::Raise}) {
            const auto asked = [&](const FieldMove& m) {
                const FieldWord* w = Find(m.Field);
                return (m.Move == way) != (w != nullptr && w->Reversed) && reach[at(m)] == named;
            };
            if (std::none_of(moves.begin(), moves.end(), asked)) continue;
            advice += advice.size() > head ? ", or " : " ";
            advice += way == FigureMove::Lower ? texts.MsgLowerFigures : texts.MsgRaiseFigures;
            advice += Listed(moves, asked, " or ");
        }
        return advice;
    }

private:
    // The names of the fields `pick` takes, "A, B <last> C".
    template <typename Pick>
    std::string Listed(std::span<const FieldMove> moves, Pick pick, std::string_view last) const {
        const auto count = std::count_if(moves.begin(), moves.end(), pick);
        std::string list;
        std::ptrdiff_t k = 0;
        for (const FieldMove& m : moves) {
            if (!pick(m)) continue;
            if (k > 0) list += k + 1 < count ? std::string_view(", ") : last;
            list += Name(m.Field);
            ++k;
        }
        return list;
    }

    const FieldWord* Find(std::string_view field) const {
        const auto it = std::find_if(words_.Words.begin(), words_.Words.end(),
                                     [field](const FieldWord& w) { return w.Field == field; });
        return it != words_.Words.end() ? &*it : nullptr;
    }

    const FieldWording& words_;
};

}  // namespace

std::string EngineFigureRefusalText(const VehicleProblem& problem, const FieldWording& words) {
    using Q = core::Quantity;
    const auto& texts = core::TextTable();
    const EngineFigureRefusal& f = *problem.Figures;
    const Wording w(words);
    const EngineFigureTexts torque(Q::Torque), power(Q::Power), speed(Q::ARV);
    std::string text;
    namespace n = fields;
    if (problem.Kind == VehicleCheckKind::PowerNeedsMoreTorque) {
        text = texts.MsgPowerPeakTorquePrefix +
               power.Named(w.WithFactor(n::PeakPower.Name, n::ReducePowerFactor.Name), f.Stated) +
               " at " +
               speed.Named(w.WithFactor(n::PowerPeakRPM.Name, n::ShiftPowerFactor.Name), f.Speed) +
               " needs " + torque.Beyond(f.Asked, f.Margin, w.Name(n::PeakTorque.Name), f.Held);
    } else {
        text = texts.MsgPlateauPowerPrefix + torque.Named(w.Name(n::PeakTorque.Name), f.Stated) +
               " at " +
               speed.Named(w.Joined(n::TorquePeakRPM.Name, " + ", n::TorquePeakWidth.Name),
                           f.Speed) +
               " gives " + power.Beyond(f.Asked, f.Margin, w.Name(n::PeakPower.Name), f.Held);
    }
    return text + w.Advice(f.Moves);
}

}  // namespace vehicle
