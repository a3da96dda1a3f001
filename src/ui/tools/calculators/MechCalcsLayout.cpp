// The mechanical calculators window's design-time layout: the selector, the three spring
// frames side by side over the stack frame (spring view), and the disc-brake frame (brake
// view, hidden at first). Input boxes start with their design-time texts.
#include <string>

#include "ui/tools/calculators/DiscBrakeCalc.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/ToolLayout.hpp"

namespace ui {

using namespace toolkit;
using platform::Align;
using platform::ComboBox;
using platform::Container;
using platform::Label;
using platform::TextBox;

namespace {
// Columns of an input row and of a result row inside a spring frame.
constexpr int kTitleLeft = 6, kTitleWidth = 112;
constexpr int kBoxLeft = 118, kBoxWidth = 56;
constexpr int kUnitLeft = 177, kUnitWidth = 28;
constexpr int kValueLeft = 118, kValueWidth = 92;
constexpr int RowTop(int row) { return kFrameHead + row * kRowPitch; }
}  // namespace

void MechCalcs::BuildLayout() {
    Move(100, 100, Width(), Height());
    SetClientSize(kSpringViewClientWidth, kSpringViewClientHeight);
    SelectMechCalc = &Place<ComboBox>(*this, "SelectMechCalc", nullptr, 8, 8, 200, kBoxHeight);
    BuildCoilFrame();
    BuildLeafFrame();
    BuildTorsionFrame();
    BuildStackFrame();
    BuildBrakeFrame();
}

namespace {
// The fixed captions (titles and unit captions) are numbered in the order they are made.
int Next(const MechCalcs& w) { return w.MechCalcCaption.UpperBound() + 1; }

struct InputRow {
    const char* title;
    const char* text;  // design-time text
    const char* unit;  // fixed unit caption ("" for none)
};

// Input rows from row `first` down: title, box and unit caption.
void InputRows(MechCalcs& w, platform::ControlArray<TextBox>& boxes, const char* name,
               Container* frame, int first, std::initializer_list<std::pair<int, InputRow>> rows) {
    int row = first;
    for (const auto& [index, r] : rows) {
        LabelAt(w, w.MechCalcCaption, "MechCalcCaption", Next(w), frame, kTitleLeft,
                RowTop(row) + 1, kTitleWidth, r.title);
        TextBox& b = PlaceIn(w, boxes, name, index, frame, kBoxLeft, RowTop(row), kBoxWidth,
                             kBoxHeight);
        b.SetText(r.text);
        if (*r.unit)
            LabelAt(w, w.MechCalcCaption, "MechCalcCaption", Next(w), frame, kUnitLeft,
                    RowTop(row) + 1, kUnitWidth, r.unit);
        ++row;
    }
}

// Result rows from row `first` down: title and value label (bold for the main results).
void ResultRows(MechCalcs& w, platform::ControlArray<Label>& values, const char* name,
                Container* frame, int first,
                std::initializer_list<std::tuple<int, const char*, bool>> rows,
                int titleLeft = kTitleLeft, int titleWidth = kTitleWidth,
                int valueLeft = kValueLeft, int valueWidth = kValueWidth) {
    int row = first;
    for (const auto& [index, title, bold] : rows) {
        LabelAt(w, w.MechCalcCaption, "MechCalcCaption", Next(w), frame, titleLeft,
                RowTop(row) + 1, titleWidth, title)
            .SetFontBold(bold);
        Label& v = LabelAt(w, values, name, index, frame, valueLeft, RowTop(row) + 1, valueWidth,
                           "");
        v.SetFontBold(bold);
        ++row;
    }
}

// A drop-down list row: title and list.
ComboBox& ListRow(MechCalcs& w, const char* name, Container* frame, int row, const char* title,
                  int left = kTitleLeft, int titleWidth = kTitleWidth, int listLeft = kBoxLeft,
                  int listWidth = 86) {
    LabelAt(w, w.MechCalcCaption, "MechCalcCaption", Next(w), frame, left, RowTop(row) + 1,
            titleWidth, title);
    return Place<ComboBox>(w, name, frame, listLeft, RowTop(row), listWidth, kBoxHeight);
}
}  // namespace

void MechCalcs::BuildCoilFrame() {
    auto& f = MakeFrame(*this, MechCalc, "MechCalc", 0, nullptr, 8, 34, 210, 208,
                        "Coil Spring Calculator");
    InputRows(*this, CoilSpringInput, "CoilSpringInput", &f, 0,
              {{0, {"Free Length:", "0.145", "m"}},
               {1, {"Pitch:", "0.0388", "m"}},
               {2, {"Total Coils:", "5.25", ""}},
               {3, {"Wire Diameter:", "0.014", "m"}},
               {4, {"Coil Inner Diameter:", "0.069", "m"}}});
    ResultRows(*this, CoilCalcLabel, "CoilCalcLabel", &f, 5,
               {{100, "Active Coils:", false},
                {101, "Coil Central Diameter:", false},
                {102, "Travel:", true},
                {103, "Stiffness:", true}});
}

void MechCalcs::BuildLeafFrame() {
    auto& f = MakeFrame(*this, MechCalc, "MechCalc", 2, nullptr, 222, 34, 210, 208,
                        "Leaf Spring Calculator");
    SelectLeafType = &ListRow(*this, "SelectLeafType", &f, 0, "Type:", kTitleLeft, 40, 48, 156);
    InputRows(*this, LeafSpringInput, "LeafSpringInput", &f, 1,
              {{0, {"Span:", "1.016", "m"}},
               {1, {"Leave Width:", "0.0635", "m"}},
               {2, {"Leave Thickness:", "0.00635", "m"}},
               {3, {"Leaves:", "6", ""}}});
    ResultRows(*this, LeafCalcLabel, "LeafCalcLabel", &f, 5, {{100, "Stiffness:", true}});
}

void MechCalcs::BuildTorsionFrame() {
    auto& f = MakeFrame(*this, MechCalc, "MechCalc", 1, nullptr, 436, 34, 210, 208,
                        "Torsion Bar Calculator");
    SelectARBType = &ListRow(*this, "SelectARBType", &f, 0, "Type:", kTitleLeft, 40, 48, 156);
    InputRows(*this, ARBInput, "ARBInput", &f, 1,
              {{0, {"Arm Length:", "0.227", "m"}},
               {1, {"Bar Length:", "0.8223", "m"}},
               {2, {"Bar Diameter:", "0.0286", "m"}},
               {3, {"Wall Thickness:", "0.0032", "m"}}});
    ResultRows(*this, ARBCalcLabel, "ARBCalcLabel", &f, 5,
               {{100, "Hollow Diameter:", false},
                {101, "Torsion Stiffness:", false},
                {102, "Linear Stiffness:", true}});
}

void MechCalcs::BuildStackFrame() {
    auto& f = MakeFrame(*this, MechCalc, "MechCalc", 3, nullptr, 8, 248, 638, 132,
                        "Belleville Stack Calculator");
    // Left half: size and arrangement; right half: multiplier, one disc and the result.
    SelectBellevilleStackNum =
        &ListRow(*this, "SelectBellevilleStackNum", &f, 0, "Stack size:", 6, 90, 100, 56);
    LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, 170, RowTop(0) + 1, 52,
            "Configs:");
    LabelAt(*this, BellevilleCalcLabel, "BellevilleCalcLabel", 100, &f, 224, RowTop(0) + 1, 60,
            "");
    SelectBellevilleStackConfig = &ListRow(*this, "SelectBellevilleStackConfig", &f, 1,
                                           "Configuration:", 6, 90, 100, 184);
    LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, 6, RowTop(2) + 1, 90,
            "Visual:");
    Label& visual = LabelAt(*this, BellevilleCalcLabel, "BellevilleCalcLabel", 101, &f, 100,
                            RowTop(2), 184, "");
    visual.SetFont({"Courier New", 10.0f, true, false});
    visual.SetHeight(kBoxHeight);

    SelectBellevilleStackStiffness = &ListRow(*this, "SelectBellevilleStackStiffness", &f, 0,
                                              "Multiplier:", 330, 100, 432, 100);
    LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, 330, RowTop(1) + 1, 100,
            "Unit stiffness:");
    BellevilleStackSingleStiffness = &Place<TextBox>(*this, "BellevilleStackSingleStiffness", &f,
                                                     432, RowTop(1), 60, kBoxHeight);
    BellevilleStackSingleStiffness->SetText("500");
    LabelAt(*this, BellevilleCalcLabel, "BellevilleCalcLabel", 7, &f, 496, RowTop(1) + 1, 60, "");
    LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, 330, RowTop(3) + 1, 100,
            "Stiffness:")
        .SetFontBold(true);
    LabelAt(*this, BellevilleCalcLabel, "BellevilleCalcLabel", 102, &f, 432, RowTop(3) + 1, 180,
            "")
        .SetFontBold(true);
    for (ComboBox* c : {SelectBellevilleStackNum, SelectBellevilleStackConfig,
                        SelectBellevilleStackStiffness})
        c->SetStyle(platform::ComboStyle::DropdownList);
}

void MechCalcs::BuildBrakeFrame() {
    namespace B = tools::BrakeBox;
    auto& f = MakeFrame(*this, MechCalc, "MechCalc", 4, nullptr, 8, 34, 480, 328,
                        "Disc Brake Calculator");
    f.SetVisible(false);
    constexpr int inTitleWidth = 150, inBoxLeft = 158, inUnitLeft = 218;
    constexpr int pitch = 19;
    auto top = [](int row) { return kFrameHead + row * pitch; };
    int row = 0;
    auto input = [&](int index, const char* title, const char* text, const char* unit) {
        LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, kTitleLeft,
                top(row) + 1, inTitleWidth, title);
        TextBox& b = PlaceIn(*this, DiscBrakeInput, "DiscBrakeInput", index, &f, inBoxLeft,
                             top(row), 56, kBoxHeight - 1);
        b.SetText(text);
        if (*unit)
            LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, inUnitLeft,
                    top(row) + 1, 34, unit);
        ++row;
    };
    input(B::PedalArm, "Pedal Arm Length:", "0.223", "m");
    input(B::PushrodDistance, "Pushrod to Pivot Distance:", "0.035", "m");
    input(B::AppliedForce, "Applied Force:", "333", "N");
    {
        LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, kTitleLeft,
                top(row) + 1, inTitleWidth, "Master Cylinders:");
        DiscMasterCylinders = &Place<ComboBox>(*this, "DiscMasterCylinders", &f, inBoxLeft,
                                               top(row), 56, kBoxHeight - 1);
        ++row;
    }
    input(B::BiasThread, "Bias Bar Thread:", "0.00125", "m");
    input(B::BiasLength, "Bias Bar Length:", "0.075", "m");
    input(B::BiasOffset, "Bias Bar Offset:", "1", "turns");
    input(B::MasterBore, "Master Cylinder Bore:", "0.02", "m");
    input(B::FrontDisc, "Front Disc Diameter:", "0.2755", "m");
    input(B::RearDisc, "Rear Disc Diameter:", "0.26", "m");
    for (int i = 0; i <= 1; ++i) {
        LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, kTitleLeft,
                top(row) + 1, inTitleWidth,
                i == 0 ? "Calipers on Front Disc:" : "Calipers on Rear Disc:");
        PlaceIn(*this, CalipersPerDisc, "CalipersPerDisc", i, &f, inBoxLeft, top(row), 56,
                kBoxHeight - 1);
        ++row;
    }
    input(B::FrontCaliperBore, "Bore of Front Calipers:", "0.035", "m");
    input(B::RearCaliperBore, "Bore of Rear Calipers:", "0.032", "m");
    {
        LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, kTitleLeft,
                top(row) + 1, inTitleWidth, "Pads per Caliper:");
        PadsPerCaliper = &Place<ComboBox>(*this, "PadsPerCaliper", &f, inBoxLeft, top(row), 56,
                                          kBoxHeight - 1);
        ++row;
    }
    input(B::Friction, "Coefficient of Friction:", "0.4", "");

    // Results in the right-hand column, each value on the line below its title (the pairs
    // with their units need the column's whole width).
    constexpr int resTitleLeft = 262, resTitleWidth = 210, resValueLeft = 276, resValueWidth = 198;
    constexpr int resPitch = 28, resValueDrop = 13;
    const std::pair<int, const char*> results[] = {
        {100, "Pedal Leverage Ratio:"}, {101, "Mechanical Force:"},
        {102, "Master Cylinder Bore Area:"}, {103, "Total Caliper Area:"},
        {104, "Effective Pad Radius:"}, {105, "Master Cylinder Force:"},
        {106, "System Pressure:"}, {107, "Clamping Force:"}, {108, "Brake Torque:"},
        {109, "Torque/Effort Ratio:"}, {110, "Brake Balance:"}};
    int r = 0;
    for (const auto& [index, title] : results) {
        const bool bold = index == 108;
        const int y = kFrameHead + r * resPitch;
        LabelAt(*this, MechCalcCaption, "MechCalcCaption", Next(*this), &f, resTitleLeft, y,
                resTitleWidth, title)
            .SetFontBold(bold);
        LabelAt(*this, DiscCalcLabel, "DiscCalcLabel", index, &f, resValueLeft, y + resValueDrop,
                resValueWidth, "")
            .SetFontBold(bold);
        ++r;
    }
    for (ComboBox* c : {DiscMasterCylinders, PadsPerCaliper, &CalipersPerDisc(0),
                        &CalipersPerDisc(1)})
        c->SetStyle(platform::ComboStyle::DropdownList);
}

}  // namespace ui
