// The options window's design-time layout: the tab strip over three stacked pages, the file
// buttons and title below them; the units page's selectors, the graphs page's 37 groups
// (from the table in core/GraphScales.hpp) and the misc page's switches. Positions are pixels
// of the containing control.
#include <algorithm>
#include <string>

#include "core/GraphScales.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/options/OptionsPanel.hpp"

namespace ui {
namespace {

using platform::Align;
using platform::Container;

constexpr int kClientWidth = 1020;
constexpr int kClientHeight = 484;
constexpr int kPageLeft = 8;
constexpr int kPageTop = 36;
constexpr int kPageWidth = kClientWidth - 16;
constexpr int kPageHeight = 400;
constexpr int kLabelHeight = 16;
constexpr int kBoxHeight = 20;
constexpr int kButtonHeight = 24;
constexpr int kSliderHeight = 24;
constexpr int kFrameHead = 18;

// Units page: one row per selector in the basic and advanced frames.
constexpr int kUnitRowPitch = 26;
constexpr int kUnitCaptionWidth = 190;
// Wide enough to show the longest unit name whole ("Kilogram-force metres per gradian").
constexpr int kUnitSelectorWidth = 200;
constexpr int kUnitSuffixWidth = 80;

// Graphs page: the scroll bar's width, and the columns of a group's two scale rows.
constexpr int kScrollWidth = 17;
constexpr int kGroupWidth = kPageWidth - kScrollWidth - 12;
constexpr int kScaleTitleWidth = 100;
constexpr int kScaleValueWidth = 90;
constexpr int kScaleSliderWidth = 220;
constexpr int kScaleColumn = kGroupWidth / 2;  // the vertical scale's column

// The selectors of the two unit frames, top to bottom.
constexpr core::Quantity kBasicUnits[] = {
    core::Quantity::DistanceLarge, core::Quantity::Volume, core::Quantity::Angle,
    core::Quantity::Speed,         core::Quantity::DistanceSmall, core::Quantity::Mass,
    core::Quantity::Force,         core::Quantity::Power, core::Quantity::Torque,
    core::Quantity::Area,
};
constexpr core::Quantity kAdvancedUnits[] = {
    core::Quantity::Frequency, core::Quantity::FuelEcon, core::Quantity::Pressure,
    core::Quantity::Stiffness, core::Quantity::Acc,      core::Quantity::ARV,
    core::Quantity::P2W,       core::Quantity::Density,  core::Quantity::MOI,
    core::Quantity::Damping,   core::Quantity::Rot,
};

// "Units of ...:" captions by OptionsLabel index.
constexpr const char* kUnitCaptions[] = {
    "Units of Speed:", "Units of Distance (Small):", "Units of Area:", "Units of Pressure:",
    "Units of Mass:", "Units of Force:", "Units of Stiffness:", "Units of Acceleration:",
    "Units of Power:", "Units of Torque:", "Units of Power-to-weight:", "Units of Density:",
    "Units of Angular / Rotational Velocity:", "Units of Moments of Inertia:",
    "Units of Damping:", "Units of Rotational Stiffness:", "Units of Angle:",
    "Units of Fuel Economy:", "Units of Volume:", "Units of Frequency:",
    "Units of Distance (Large):",
};

template <typename T>
T& Place(T& c, int left, int top, int width, int height) {
    c.Move(left, top, width, height);
    return c;
}

}  // namespace

void OptionsPanel::BuildFrame() {
    SetClientSize(kClientWidth, kClientHeight);
    Select_Options = &Place(Create<TabStrip>("Select_Options"), kPageLeft, 8, kPageWidth, 26);
    for (const char* tab : {"Units", "Graphs", "Misc"}) Select_Options->AddTab(tab);
    for (int p = 0; p < 3; ++p) {
        PictureBox& page = Place(CreateIn<PictureBox>(OptionsPage, "OptionsPage", p), kPageLeft,
                                 kPageTop, kPageWidth, kPageHeight);
        page.SetBorder(false);
    }
    BuildUnitsPage(&OptionsPage(0));
    BuildGraphsPage(&OptionsPage(1));
    BuildMiscPage(&OptionsPage(2));
    // The units page in front, as its tab is chosen at first.
    OptionsPage(0).BringToFront();

    const int below = kPageTop + kPageHeight + 10;
    OptionsLoad = &Place(Create<CommandButton>("OptionsLoad"), kPageLeft, below, 120, kButtonHeight);
    OptionsLoad->SetCaption("Load Options");
    OptionsSave = &Place(Create<CommandButton>("OptionsSave"), kPageLeft + 128, below, 120,
                         kButtonHeight);
    OptionsSave->SetCaption("Save Options");
    Title_Options = &Place(Create<Label>("Title_Options"), kClientWidth - 8 - 400, below, 400, 26);
    Title_Options->SetFont({"Arial", 14.0f, true, false});
    Title_Options->SetAlignment(Align::Right);
}

void OptionsPanel::BuildUnitsPage(Container* page) {
    Frame& presets = Place(CreateIn<Frame>(PreferencesUnits, "PreferencesUnits", 0, page), 8, 4,
                           kPageWidth - 16, 54);
    presets.SetCaption("Unit Presets");
    const char* names[] = {"SI", "Metric", "Imperial"};
    for (int i = 0; i < 3; ++i) {
        CommandButton& b = Place(CreateIn<CommandButton>(SetUnits, "SetUnits", i, &presets),
                                 10 + i * 130, kFrameHead + 4, 120, kButtonHeight);
        b.SetCaption(names[i]);
    }

    const int frameWidth = (kPageWidth - 24) / 2;
    const auto buildFrame = [&](int index, const char* caption, int left, const auto& quantities,
                                int count) {
        Frame& f = Place(CreateIn<Frame>(PreferencesUnits, "PreferencesUnits", index, page), left,
                         66, frameWidth, kFrameHead + count * kUnitRowPitch + 8);
        f.SetCaption(caption);
        for (int r = 0; r < count; ++r) {
            const core::Quantity q = quantities[r];
            const int top = kFrameHead + 2 + r * kUnitRowPitch;
            const int captionIndex = UnitCaptionIndex(q);
            Label& c = Place(CreateIn<Label>(OptionsLabel, "OptionsLabel", captionIndex, &f), 10,
                             top + 3, kUnitCaptionWidth, kLabelHeight);
            c.SetCaption(kUnitCaptions[captionIndex]);
            ComboBox& s = Place(Create<ComboBox>(UnitSelectorName(q), &f), 14 + kUnitCaptionWidth,
                                top, kUnitSelectorWidth, kBoxHeight);
            s.SetStyle(platform::ComboStyle::DropdownList);
            UnitSelector[core::QuantityIndex(q)] = &s;
            Label& suffix = Place(Create<Label>(UnitLabelName(q), &f),
                                  20 + kUnitCaptionWidth + kUnitSelectorWidth, top + 3,
                                  kUnitSuffixWidth, kLabelHeight);
            UnitLabel[core::QuantityIndex(q)] = &suffix;
        }
    };
    buildFrame(1, "Basic Units", 8, kBasicUnits, static_cast<int>(std::size(kBasicUnits)));
    buildFrame(2, "Advanced Units", 16 + frameWidth, kAdvancedUnits,
               static_cast<int>(std::size(kAdvancedUnits)));
}

void OptionsPanel::BuildGraphsPage(Container* page) {
    for (int g = 0; g < core::kGraphGroupCount; ++g) BuildGraphGroup(page, g);
    const auto groups = core::GraphGroups();
    const int contentHeight = groups.back().Top + groups.back().Height + 4;
    VScrollGraphsTab = &Place(
        Create<ScrollBar>("VScrollGraphsTab", page, -1, platform::Orientation::Vertical),
        kPageWidth - kScrollWidth, 0, kScrollWidth, kPageHeight);
    VScrollGraphsTab->SetMin(0);
    VScrollGraphsTab->SetMax(std::max(0, contentHeight - kPageHeight));
    VScrollGraphsTab->SetSmallChange(20);
    VScrollGraphsTab->SetLargeChange(kPageHeight - 40);
}

void OptionsPanel::BuildGraphGroup(Container* page, int g) {
    const core::GraphGroup& group = core::GraphGroups()[static_cast<std::size_t>(g)];
    Frame& f = Place(CreateIn<Frame>(OptionsGraphGroup, "OptionsGraphGroup", g, page), 4,
                     group.Top, kGroupWidth, group.Height);
    f.SetCaption(std::string(group.Caption));
    f.Tag = group.Top;  // the design top the scroll bar moves it from

    // The scale rows: the horizontal (or unified) scale on the left, the vertical on the right.
    const int rowTop = kFrameHead + 4;
    const auto sliders = core::GraphScaleSliders();
    bool unified = false;
    for (const auto& s : sliders) unified |= s.Group == g && s.Item < 0 && !s.VerticalLabel;
    for (std::size_t k = 0; k < sliders.size(); ++k) {
        const core::GraphScaleSlider& s = sliders[k];
        if (s.Group != g) continue;
        const int left = s.VerticalLabel ? kScaleColumn : 10;
        Label& title = s.VerticalLabel
                           ? CreateIn<Label>(Label_YScale, "Label_YScale", g, &f)
                           : CreateIn<Label>(Label_XScale, "Label_XScale", g, &f);
        Place(title, left, rowTop + 4, kScaleTitleWidth, kLabelHeight);
        title.SetCaption(s.VerticalLabel ? "Vertical Scale:" : unified ? "Unified Scale:" : "Horizontal Scale:");
        Label& value = s.VerticalLabel ? CreateIn<Label>(Label_YUnits, "Label_YUnits", g, &f)
                                       : CreateIn<Label>(Label_XUnits, "Label_XUnits", g, &f);
        Place(value, left + kScaleTitleWidth, rowTop + 4, kScaleValueWidth, kLabelHeight);
        Slider& slider = Place(Create<Slider>(std::string(s.Slider), &f, s.Item),
                               left + kScaleTitleWidth + kScaleValueWidth, rowTop,
                               kScaleSliderWidth, kSliderHeight);
        // Widen first so the start value never needs clamping on the way.
        slider.SetMax(s.Max);
        slider.SetMin(s.Min);
        slider.SetValue(s.Min);
        slider.SetSmallChange(s.SmallChange);
        slider.SetLargeChange(s.LargeChange);
        slider.SetTickFrequency(s.TickFrequency);
        ScaleSlider[k] = &slider;
    }

    // Drawing switches.
    const int switchTop = rowTop + kSliderHeight + 4;
    const int third = (kGroupWidth - 20) / 3;
    const auto check = [&](Array<CheckBox>* arr, CheckBox** single, const char* name, int index,
                           int left, int top, int width, const char* caption) {
        CheckBox& c = arr != nullptr ? CreateIn<CheckBox>(*arr, name, index, &f)
                                     : Create<CheckBox>(name, &f);
        Place(c, left, top, width, kBoxHeight);
        c.SetCaption(caption);
        if (single != nullptr) *single = &c;
    };
    const auto option = [&](int index, int left, int top, const char* caption) {
        OptionButton& o = Place(CreateIn<OptionButton>(GearGraphStyle, "GearGraphStyle", index, &f),
                                left, top, third * 3 / 2 - 10, kBoxHeight);
        o.SetCaption(caption);
    };
    const char* vLoads = "Draw Front/Rear Vertical Tyre Loads";
    switch (g) {
        case 5: check(nullptr, &EnableDecVLoads, "EnableDecVLoads", -1, 10, switchTop, 300, vLoads); break;
        case 25: check(nullptr, &EnableAeroLiftVLoads, "EnableAeroLiftVLoads", -1, 10, switchTop, 300, vLoads); break;
        case 30: check(nullptr, &EnableAccVLoads, "EnableAccVLoads", -1, 10, switchTop, 300, vLoads); break;
        case 15:
        case 16: {
            Array<CheckBox>& arr = g == 15 ? EnableRollPoint : EnablePitchPoint;
            const char* name = g == 15 ? "EnableRollPoint" : "EnablePitchPoint";
            const char* captions[] = {"Show Vehicle Live Centre of Gravity", "Show Undertray Effective Centre",
                                      "Show Rear Wing Effective Centre", "Show Front Wing Effective Centre"};
            for (int i = 0; i < 4; ++i)
                check(&arr, nullptr, name, i, 10 + (i % 2) * (third + 40), kFrameHead + 6 + (i / 2) * 24,
                      third + 30, captions[i]);
            check(&arr, nullptr, name, 10, 10 + 2 * (third + 40), kFrameHead + 6, third - 60,
                  g == 15 ? "Draw Axle Line" : "Draw Axle-equivalent Line");
            break;
        }
        case 20:
        case 21: {
            const int base = g == 20 ? 0 : 10;
            option(base, 10, switchTop, "Display full range for each gear");
            option(base + 1, 10 + third * 3 / 2, switchTop, "Display only used range of each gear");
            Array<CheckBox>& arr = g == 20 ? EnableGearSpeedLine : EnableGearTorqueLine;
            const char* name = g == 20 ? "EnableGearSpeedLine" : "EnableGearTorqueLine";
            const char* speed[] = {"Draw Peak Torque Line", "Draw Peak Power Line", "Draw Rev Limiter Line"};
            const char* torque[] = {"Draw Engine Torque", "Draw Static Traction Limit",
                                    "Colour highlight torque curve usage"};
            for (int i = 0; i < 3; ++i)
                check(&arr, nullptr, name, i, 10 + i * third, switchTop + 26, third - 6,
                      g == 20 ? speed[i] : torque[i]);
            break;
        }
        default: break;
    }
}

void OptionsPanel::BuildMiscPage(Container* page) {
    const auto frame = [&](int index, int left, int top, int width, int height, const char* caption) -> Frame& {
        Frame& f = Place(CreateIn<Frame>(OptionsGroup, "OptionsGroup", index, page), left, top, width, height);
        f.SetCaption(caption);
        return f;
    };
    const auto check = [&](CheckBox*& member, const char* name, Frame& f, int top, const char* caption) {
        member = &Place(Create<CheckBox>(name, &f), 10, top, 330, kBoxHeight);
        member->SetCaption(caption);
    };
    const auto label = [&](int index, Frame& f, int left, int top, int width, const char* caption) {
        Label& l = Place(CreateIn<Label>(GearingOptionsLabel, "GearingOptionsLabel", index, &f), left,
                         top + 3, width, kLabelHeight);
        l.SetCaption(caption);
    };
    const int leftWidth = 360;
    const int right = 8 + leftWidth + 12;
    const int rightWidth = 380;
    const int row = kFrameHead + 4;

    check(AutoUpdateChecking, "AutoUpdateChecking", frame(1, 8, 4, leftWidth, 50, "Startup Options"), row,
          "Automatically check for newer versions");
    check(AutomaticUpdating, "AutomaticUpdating", frame(2, 8, 60, leftWidth, 50, "Performance Options"), row,
          "Automatically recalculate analysis");
    check(SimplifiedDampersEnable, "SimplifiedDampersEnable",
          frame(3, 8, 116, leftWidth, 50, "Suspension Options"), row, "Use simplified dampers");
    check(SimplifiedDiffsEnable, "SimplifiedDiffsEnable", frame(4, 8, 172, leftWidth, 50, "Gearing Options"),
          row, "Use simplified (2-way) clutch pack differentials");

    Frame& display = frame(11, 8, 228, leftWidth, 104, "Display Options");
    check(EnableLFSMode, "EnableLFSMode", display, row, "Enable LFS compatibility mode");
    check(FilterSetups, "FilterSetups", display, row + 24, "Filter setups on open");
    check(EnableTestControls, "EnableTestControls", display, row + 48, "Enable low-res compatibility controls");
    label(3, display, 250, row + 24, 16, "X:");
    label(4, display, 250, row + 48, 16, "Y:");
    for (int i = 0; i < 2; ++i) {
        TextBox& box = Place(CreateIn<TextBox>(AreaOffset, "AreaOffset", i, &display), 270, row + 24 * (i + 1),
                             50, kBoxHeight);
        box.SetMaxLength(5);
        box.SetEnabled(false);
    }
    // The low-resolution row's box sits left of its offsets.
    EnableTestControls->SetWidth(236);
    FilterSetups->SetWidth(236);

    Frame& limits = frame(9, right, 4, rightWidth, 330, "Gearing Limitations");
    Frame& shift = Place(CreateIn<Frame>(OptionsGroup, "OptionsGroup", 5, &limits), 8, kFrameHead, rightWidth - 16, 72);
    shift.SetCaption("Shift Point Calculation");
    RC_Auto = &Place(Create<OptionButton>("RC_Auto", &shift), 10, row, 150, kBoxHeight);
    RC_Auto->SetCaption("Automatic");
    RC_Fixed = &Place(Create<OptionButton>("RC_Fixed", &shift), 10, row + 24, 120, kBoxHeight);
    RC_Fixed->SetCaption("Custom Fixed:");
    RC_FixedVal = &Place(Create<TextBox>("RC_FixedVal", &shift), 134, row + 24, 70, kBoxHeight);
    RC_FixedVal->SetMaxLength(6);
    RC_FixedVal->SetEnabled(false);

    Frame& limiter = Place(CreateIn<Frame>(OptionsGroup, "OptionsGroup", 6, &limits), 8, kFrameHead + 76,
                           rightWidth - 16, 48);
    limiter.SetCaption("Rev Limiter");
    RevLimitEnable = &Place(Create<CheckBox>("RevLimitEnable", &limiter), 10, row, 150, kBoxHeight);
    RevLimitEnable->SetCaption("Enable");

    Frame& speed = Place(CreateIn<Frame>(OptionsGroup, "OptionsGroup", 7, &limits), 8, kFrameHead + 128,
                         rightWidth - 16, 72);
    speed.SetCaption("Speed Calculation");
    const char* speedCaptions[] = {"True ground speed", "Speedometer indicated speed"};
    for (int i = 0; i < 2; ++i) {
        OptionButton& o = Place(CreateIn<OptionButton>(SpeedoType, "SpeedoType", i, &speed), 10, row + 24 * i,
                                200, kBoxHeight);
        o.SetCaption(speedCaptions[i]);
    }
    label(0, speed, 220, row + 24, 36, "Error:");
    SpeedoError = &Place(Create<TextBox>("SpeedoError", &speed), 258, row + 24, 50, kBoxHeight);
    SpeedoError->SetMaxLength(5);
    SpeedoError->SetEnabled(false);
    label(1, speed, 312, row + 24, 20, "%");

    Frame& top = Place(CreateIn<Frame>(OptionsGroup, "OptionsGroup", 8, &limits), 8, kFrameHead + 204,
                       rightWidth - 16, 100);
    top.SetCaption("Top Gear Rev Point");
    const char* topCaptions[] = {"Fixed (Peak Power)", "Fixed (Engine Limit)", "Power Drop:"};
    for (int i = 0; i < 3; ++i) {
        OptionButton& o = Place(CreateIn<OptionButton>(GearRevsTop, "GearRevsTop", i, &top), 10, row + 24 * i,
                                150, kBoxHeight);
        o.SetCaption(topCaptions[i]);
    }
    GearRevsTopPowerDrop = &Place(Create<Slider>("GearRevsTopPowerDrop", &top), 164, row + 46, 150, kSliderHeight);
    GearRevsTopPowerDrop->SetMax(core::kPowerDropSlider.Max);
    GearRevsTopPowerDrop->SetMin(core::kPowerDropSlider.Min);
    GearRevsTopPowerDrop->SetValue(core::OptionsBlock{}.PowerDropPercent);
    GearRevsTopPowerDrop->SetSmallChange(core::kPowerDropSlider.SmallChange);
    GearRevsTopPowerDrop->SetLargeChange(core::kPowerDropSlider.LargeChange);
    GearRevsTopPowerDrop->SetTickFrequency(core::kPowerDropSlider.TickFrequency);
    GearRevsTopPowerDrop->SetEnabled(false);
    label(2, top, 318, row + 50, 40, "5%");
}

}  // namespace ui
