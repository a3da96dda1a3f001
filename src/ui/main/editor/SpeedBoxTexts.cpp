#include "ui/main/editor/SpeedBoxTexts.hpp"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string_view>
#include <vector>

#include "core/Numbers.hpp"
#include "ui/main/editor/VehicleEditorNumbers.hpp"

namespace ui {

namespace {

using Figure = FilledRecordCheck::Figure;

// Rounds of choosing the boxes' texts again, while their texts typed back together add a
// problem: the first against the boxes chosen before each and the speeds of those after it,
// the next against every box's text.
constexpr int kRounds = 3;

// The speed (rpm) that typing the text stores.
float TypedBack(const std::string& text) { return StoredRpm(core::TypedVal(text)); }

bool SameSingle(float a, float b) {
    return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
}

}  // namespace

EngineSpeedTexts ChooseEngineSpeedTexts(const Main& form, vehicle::EngineFigures& engine,
                                        const FilledRecordCheck& check) {
    EngineSpeedTexts texts;
    // The speed boxes' places, and each speed as typing its box's text back stores it.
    std::vector<std::size_t> places;
    std::vector<Figure> typed;
    bool exact = true;  // every text reads back to its own speed
    for (std::size_t k = 0; k < std::size(kEngineControls); ++k) {
        const EngineControl& c = *kEngineControls[k];
        if (!c.ShowsSpeed()) continue;
        float& rpm = engine.*(c.Field->Figure);
        texts[k] = SpeedFieldText(rpm, (form.*(c.Box))->MaxLength(), c.Field->Range,
                                  check.For(rpm, c.Field->Range));
        places.push_back(k);
        typed.push_back({&rpm, &c.Field->Range, TypedBack(texts[k])});
        exact = exact && SameSingle(typed.back().Value, rpm);
    }
    if (exact || check.AddsNoProblem(typed)) return texts;

    // Box by box, in order, a text that adds no problem typed back alone, nor one naming its
    // speed with the other speeds as they stand: those chosen, as their texts type back; in the
    // first round, those not chosen yet at their own figures. A box keeps its text where that
    // adds no problem naming its speed (problems between other speeds are their boxes' own);
    // where no text adds none, it keeps its own too.
    std::vector<Figure> standing = typed;
    for (Figure& f : standing) f.Value = *f.Field;
    for (int round = 0; round < kRounds && !check.AddsNoProblem(typed); ++round) {
        for (std::size_t n = 0; n < places.size(); ++n) {
            const EngineControl& c = *kEngineControls[places[n]];
            const std::string_view speed = c.Field->Name;
            Figure& box = standing[n];
            box.Value = typed[n].Value;
            if (check.AddsNoProblemNaming(standing, speed)) continue;
            const FigureJudge alone = check.For(*box.Field, *box.Range);
            const auto amongOthers = [&alone, &check, &box, &standing, speed](float figure) {
                box.Value = figure;
                return alone(figure) && check.AddsNoProblemNaming(standing, speed);
            };
            // The nearest text that passes: the box's own choice, or another speed's text (equal
            // texts keep any order), where it fits.
            const int length = (form.*(c.Box))->MaxLength();
            std::string& text = texts[places[n]];
            double nearest = std::numeric_limits<double>::infinity();
            const auto consider = [&](const std::string& candidate) {
                const float figure = TypedBack(candidate);
                const double distance = std::fabs(static_cast<double>(figure) - *box.Field);
                if (distance < nearest && static_cast<int>(candidate.size()) <= length &&
                    amongOthers(figure)) {
                    nearest = distance;
                    text = candidate;
                }
            };
            consider(SpeedFieldText(*box.Field, length, *box.Range, amongOthers));
            for (std::size_t m = 0; m < places.size(); ++m)
                if (m != n) consider(texts[places[m]]);
            typed[n].Value = box.Value = TypedBack(text);
        }
    }
    return texts;
}

}  // namespace ui
