#include "ui/main/editor/VehicleEditorNumbers.hpp"

#include "core/OptionsSettings.hpp"

namespace ui {

float StoredRpm(double typed) {
    return vehicle::StoredSpeed(typed, core::OptionsSettings().UnitFactorARV);
}

std::string FieldText(float field, double unitFactor, int maxLength,
                      const vehicle::FieldRange& range, const FigureJudge& addsNoProblem) {
    return vehicle::FieldBoxText(field, unitFactor, maxLength, range, addsNoProblem);
}

std::string SpeedFieldText(float rpm, int maxLength, const vehicle::FieldRange& range,
                           const FigureJudge& addsNoProblem) {
    return vehicle::SpeedBoxText(rpm, core::OptionsSettings().UnitFactorARV, maxLength, range,
                                 addsNoProblem);
}

}  // namespace ui
