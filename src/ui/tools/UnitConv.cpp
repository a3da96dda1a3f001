#include "ui/tools/UnitConv.hpp"

#include "core/Numbers.hpp"
#include "platform/Controls.hpp"
#include "ui/tools/ToolLayout.hpp"

namespace ui {

namespace {

struct UnitConvWindowState {
    platform::FormHolder<UnitConv> Holder;
};
UnitConvWindowState& UnitConvWindow() {
    static UnitConvWindowState state;
    return state;
}

using tools::ConvQuantity;

using toolkit::ReadSingle;

}  // namespace

UnitConv::UnitConv() : platform::Form("UnitConv") {
    SetClosesOnEscape(true);
    using namespace toolkit;
    using platform::ComboBox;
    using platform::Label;
    using platform::TextBox;
    SetCaption("Quick Unit Converter");
    Move(240, 240, 300, 214);

    auto& units = MakeFrame(*this, UnitConvFrame, "UnitConvFrame", 0, nullptr, 8, 6, 276, 116,
                            "Convert Units");
    struct Row {
        const char* title;
        TextBox** input;
        const char* inputName;
        ComboBox** list;
        const char* listName;
        Label** output;
        const char* outputName;
        const char* outputText;
        ConvQuantity q;
    };
    const Row rows[] = {
        {"Distance:", &DistanceInput, "DistanceInput", &Select_DistanceUnits,
         "Select_DistanceUnits", &DistanceOutput, "DistanceOutput", "is ? m",
         ConvQuantity::Distance},
        {"Mass:", &MassInput, "MassInput", &Select_MassUnits, "Select_MassUnits", &MassOutput,
         "MassOutput", "is ? kg", ConvQuantity::Mass},
        {"Power:", &PowerInput, "PowerInput", &Select_PowerUnits, "Select_PowerUnits",
         &PowerOutput, "PowerOutput", "is ? kW", ConvQuantity::Power},
        {"Torque:", &TorqueInput, "TorqueInput", &Select_TorqueUnits, "Select_TorqueUnits",
         &TorqueOutput, "TorqueOutput", "is ? Nm", ConvQuantity::Torque},
    };
    int y = kFrameHead + 2;
    int i = 0;
    for (const Row& r : rows) {
        LabelAt(*this, UnitConvLabel, "UnitConvLabel", i++, &units, 8, y + 2, 50, r.title);
        *r.input = &Place<TextBox>(*this, r.inputName, &units, 58, y, 48, kBoxHeight + 2);
        (*r.input)->SetMaxLength(5);
        // Wide enough for the longest unit name, "Tons (Short)".
        *r.list = &Place<ComboBox>(*this, r.listName, &units, 110, y, 90, kBoxHeight + 2);
        (*r.list)->SetStyle(platform::ComboStyle::DropdownList);
        for (std::string_view name : tools::ConvUnitNames(r.q)) (*r.list)->AddItem(std::string(name));
        *r.output = &Place<Label>(*this, r.outputName, &units, 204, y + 2, 68, kLabelHeight);
        (*r.output)->SetCaption(r.outputText);
        const ConvQuantity q = r.q;
        (*r.input)->Change = [this, q] { Convert(q); };
        (*r.list)->Click = [this, q] { Convert(q); };
        y += 23;
    }

    auto& tyre = MakeFrame(*this, UnitConvFrame, "UnitConvFrame", 1, nullptr, 8, 128, 276, 52,
                           "Convert Metric Tyre Sizes");
    const int ty = kFrameHead + 6;
    TyreWidthInput = &Place<TextBox>(*this, "TyreWidthInput", &tyre, 8, ty, 38, kBoxHeight + 2);
    TyreWidthInput->SetText("205");
    TyreWidthInput->SetToolTipText("Input the tyre width in mm");
    InputSlash = &Place<Label>(*this, "InputSlash", &tyre, 48, ty + 2, 10, kLabelHeight);
    InputSlash->SetCaption("/");
    TyreHeightInput = &Place<TextBox>(*this, "TyreHeightInput", &tyre, 58, ty, 38, kBoxHeight + 2);
    TyreHeightInput->SetText("585");
    TyreHeightInput->SetToolTipText("Input the tyre height in mm");
    InputR = &Place<Label>(*this, "InputR", &tyre, 99, ty + 2, 12, kLabelHeight);
    InputR->SetCaption("R");
    RimSizeInput = &Place<TextBox>(*this, "RimSizeInput", &tyre, 112, ty, 38, kBoxHeight + 2);
    RimSizeInput->SetText("380");
    RimSizeInput->SetToolTipText("Input the rim height in mm");
    for (TextBox* b : {TyreWidthInput, TyreHeightInput, RimSizeInput}) b->SetMaxLength(4);
    TyreOutput = &Place<Label>(*this, "TyreOutput", &tyre, 160, ty + 2, 110, kLabelHeight);
    TyreOutput->SetFontBold(true);

    TyreWidthInput->Change = [this] { CheckWidth(); };
    TyreHeightInput->Change = [this] { CheckHeight(); };
    RimSizeInput->Change = [this] { CheckRim(); };
    Load = [this] { ConvertTyreSize(); };
}

void UnitConv::Convert(ConvQuantity q) {
    platform::TextBox* input = DistanceInput;
    platform::ComboBox* list = Select_DistanceUnits;
    platform::Label* output = DistanceOutput;
    switch (q) {
        case ConvQuantity::Distance: break;
        case ConvQuantity::Mass: input = MassInput, list = Select_MassUnits, output = MassOutput; break;
        case ConvQuantity::Power: input = PowerInput, list = Select_PowerUnits, output = PowerOutput; break;
        case ConvQuantity::Torque: input = TorqueInput, list = Select_TorqueUnits, output = TorqueOutput; break;
    }
    // No unit chosen yet: the output keeps its caption.
    if (auto text = tools::ConversionText(q, list->Text(), ReadSingle(*input))) output->SetCaption(*text);
}

tools::TyreSizeChecks UnitConv::TyreChecks() const {
    return tools::CheckTyreSize(core::TypedVal(TyreWidthInput->Text()),
                                core::TypedVal(TyreHeightInput->Text()),
                                core::TypedVal(RimSizeInput->Text()));
}

void UnitConv::TyreBoxEdited(platform::TextBox& box, bool pass, const tools::TyreSizeChecks& checks) {
    toolkit::MarkBox(box, pass);
    if (!pass || !checks.All()) return;
    for (platform::TextBox* b : {TyreWidthInput, TyreHeightInput, RimSizeInput})
        toolkit::MarkBox(*b, true);
    ConvertTyreSize();
}

void UnitConv::CheckWidth() {
    const auto c = TyreChecks();
    TyreBoxEdited(*TyreWidthInput, c.Width, c);
}

void UnitConv::CheckHeight() {
    const auto c = TyreChecks();
    TyreBoxEdited(*TyreHeightInput, c.Height, c);
}

void UnitConv::CheckRim() {
    const auto c = TyreChecks();
    TyreBoxEdited(*RimSizeInput, c.Rim, c);
}

void UnitConv::ConvertTyreSize() {
    const double w = core::TypedVal(TyreWidthInput->Text());
    const double h = core::TypedVal(TyreHeightInput->Text());
    const double r = core::TypedVal(RimSizeInput->Text());
    if (!tools::CheckTyreSize(w, h, r).All()) return;
    TyreOutput->SetCaption(tools::TyreSizeText(w, h, r));
}

void ShowUnitConv() { UnitConvWindow().Holder.Get().Show(); }

UnitConv* PeekUnitConv() { return UnitConvWindow().Holder.Peek(); }

void ResetUnitConv() { UnitConvWindow().Holder.Reset(); }

}  // namespace ui
