// The quick unit converter window ("Quick Unit Converter"): a typed distance, mass, power or
// torque in a common non-SI unit shown in SI, and a metric tyre size (width, overall diameter
// and rim diameter in mm) in the width / profile R rim-inches notation. Independent of the
// program's unit settings and of the vehicle.
//
// A tyre box that fails its check turns red and the last result stays; the tyre size is
// converted only when all three boxes pass (a width of 0 would divide by zero).
#pragma once

#include "platform/Form.hpp"
#include "ui/tools/UnitConversions.hpp"

namespace ui {

class UnitConv : public platform::Form {
public:
    UnitConv();

    platform::ControlArray<platform::Frame> UnitConvFrame;  // 0 units, 1 tyre sizes
    platform::ControlArray<platform::Label> UnitConvLabel;  // fixed row captions
    platform::TextBox* DistanceInput = nullptr;
    platform::TextBox* MassInput = nullptr;
    platform::TextBox* PowerInput = nullptr;
    platform::TextBox* TorqueInput = nullptr;
    platform::ComboBox* Select_DistanceUnits = nullptr;
    platform::ComboBox* Select_MassUnits = nullptr;
    platform::ComboBox* Select_PowerUnits = nullptr;
    platform::ComboBox* Select_TorqueUnits = nullptr;
    platform::Label* DistanceOutput = nullptr;
    platform::Label* MassOutput = nullptr;
    platform::Label* PowerOutput = nullptr;
    platform::Label* TorqueOutput = nullptr;
    platform::TextBox* TyreWidthInput = nullptr;
    platform::TextBox* TyreHeightInput = nullptr;
    platform::TextBox* RimSizeInput = nullptr;
    platform::Label* InputSlash = nullptr;
    platform::Label* InputR = nullptr;
    platform::Label* TyreOutput = nullptr;

    void Convert(tools::ConvQuantity q);
    void CheckWidth();
    void CheckHeight();
    void CheckRim();
    void ConvertTyreSize();

private:
    // The checks of the three tyre boxes as they read now.
    tools::TyreSizeChecks TyreChecks() const;
    // Colours the edited box by its own check (`pass`, one of `checks`); converts when every
    // box passes (all three are then valid, so none stays red from an earlier edit).
    void TyreBoxEdited(platform::TextBox& box, bool pass, const tools::TyreSizeChecks& checks);
};

void ShowUnitConv();
UnitConv* PeekUnitConv();
void ResetUnitConv();

}  // namespace ui
