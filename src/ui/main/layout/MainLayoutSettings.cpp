// Main window layout: the six tabs of the "Vehicle Settings" page and the "Live Settings" page.
// A setting row is a caption, the slider and the label that shows its value (written by the
// analysis routines in the chosen units).
#include "ui/main/layout/MainLayout.hpp"

namespace ui {

using namespace layout;
using platform::Align;
using platform::Container;

namespace {
constexpr int kW = 492;  // page width
constexpr int kTitleLeft = 8;
constexpr int kTitleW = 150;
constexpr int kSliderLeft = 160;
constexpr int kValueLeft = 316;
constexpr int kValueW = 170;

constexpr int SliderRowTop(int r) { return kFrameHead + r * kSliderPitch; }
constexpr int FrameHeight(int rows) { return kFrameHead + rows * kSliderPitch + 6; }

struct SettingRows {
    Main& w;
    platform::ControlArray<platform::Label>& labels;
    const char* labelName;
    Container* frame;

    void Caption(int index, int row, const std::string& text, int left = kTitleLeft,
                 int width = kTitleW) {
        MakeLabel(w, labels, labelName, index, frame, left, SliderRowTop(row) + 4, width, text);
    }
    void Value(int index, int row, int left = kValueLeft, int width = kValueW) {
        MakeLabel(w, labels, labelName, index, frame, left, SliderRowTop(row) + 4, width);
    }
    platform::Slider& One(platform::Slider*& member, const char* name, int row,
                          const SliderDesign& r, int left = kSliderLeft, int width = kSliderWidth) {
        auto& s = Make(w, member, name, frame, left, SliderRowTop(row), width, kSliderHeight);
        ApplyRange(s, r);
        return s;
    }
    platform::Slider& In(platform::ControlArray<platform::Slider>& arr, const char* name,
                         int index, int row, const SliderDesign& r, int left = kSliderLeft,
                         int width = kSliderWidth) {
        auto& s = MakeIn(w, arr, name, index, frame, left, SliderRowTop(row), width, kSliderHeight);
        ApplyRange(s, r);
        return s;
    }
    // Caption, slider and value in one row.
    void Setting(int caption, const std::string& text, platform::Slider*& member,
                 const char* name, int value, int row, const SliderDesign& r) {
        Caption(caption, row, text);
        One(member, name, row, r);
        Value(value, row);
    }
    void SettingIn(int caption, const std::string& text, platform::ControlArray<platform::Slider>& arr,
                   const char* name, int index, int value, int row, const SliderDesign& r) {
        Caption(caption, row, text);
        In(arr, name, index, row, r);
        Value(value, row);
    }
};
}  // namespace

void Main::BuildSettingsBrakes(Container* page) {
    auto& brakes = MakeFrame(*this, CTL(Set_SetupFrame), 0, page, 0, 0, kW, FrameHeight(3),
                             "Brake settings");
    SettingRows r{*this, CTL(Set_BrakeLabel), &brakes};
    r.Setting(0, "Maximum brake torque:", CTL(Set_BrakeMaxTorque), 100, 0, design::BrakeMaxTorque);
    r.Setting(1, "Brake balance:", CTL(Set_BrakeBalance), 101, 1, design::BrakeBalance);
    r.Caption(7, 2, "ABS:");
    Make(*this, CTL(Set_ABS), &brakes, kSliderLeft, SliderRowTop(2) + 2, 120, 20).SetCaption("Enable");

    auto& throttle = MakeFrame(*this, CTL(Set_SetupFrame), 9, page, 0, brakes.Height() + 4, kW,
                               FrameHeight(1), "Throttle settings");
    r.frame = &throttle;
    r.Setting(2, "Engine brake reduction:", CTL(Set_EBR), 102, 0, design::EBR);

    auto& tc = MakeFrame(*this, CTL(Set_SetupFrame), 10, page, 0,
                         throttle.Top() + throttle.Height() + 4, kW, FrameHeight(4),
                         "Traction control settings");
    r.frame = &tc;
    r.Caption(3, 0, "Traction control:");
    Make(*this, CTL(Set_TC), &tc, kSliderLeft, SliderRowTop(0) + 2, 120, 20).SetCaption("Enable");
    r.Setting(4, "TC engage slip ratio:", CTL(Set_TCSlipRatio), 103, 1, design::TCSlipRatio);
    r.Setting(5, "TC engage slip speed:", CTL(Set_TCSlipSpeed), 104, 2, design::TCSlipSpeed);
    r.Caption(6, 3, "Slip ratio controls have no effect in this program", kTitleLeft, kW - 16);
}

void Main::BuildSettingsSuspension(Container* page) {
    // Front axle (index 0) in the upper frame with labels 5-9 / 105-109, rear (1) below with
    // labels 0-4 / 100-104.
    const char* captions[] = {"Spring travel:", "Spring stiffness:", "Bump damping:",
                              "Rebound damping:", "Anti-roll bar stiffness:"};
    struct AxleSliders {
        platform::ControlArray<platform::Slider>& arr;
        const char* name;
        SliderDesign range;
    };
    const AxleSliders sliders[] = {
        {CTL(Set_SuspSpringTravel), design::SuspSpringTravel},
        {CTL(Set_SuspSpringStiffness), design::SuspSpringStiffness},
        {CTL(Set_SuspBumpDamp), design::SuspBumpDamp},
        {CTL(Set_SuspReboundDamp), design::SuspReboundDamp},
        {CTL(Set_SuspARBStiffness), design::SuspARBStiffness},
    };
    int top = 0;
    for (int axle = 0; axle <= 1; ++axle) {
        auto& f = MakeFrame(*this, CTL(Set_SetupFrame), axle == 0 ? 2 : 1, page, 0, top, kW,
                            FrameHeight(5), axle == 0 ? "Front suspension" : "Rear suspension");
        SettingRows r{*this, CTL(Set_SuspLabel), &f};
        const int base = axle == 0 ? 5 : 0;
        for (int k = 0; k < 5; ++k)
            r.SettingIn(base + k, captions[k], sliders[k].arr, sliders[k].name, axle,
                        100 + base + k, k, sliders[k].range);
        top += f.Height() + 4;
    }
}

void Main::BuildSettingsSteering(Container* page) {
    auto& front = MakeFrame(*this, CTL(Set_SetupFrame), 3, page, 0, 0, kW, FrameHeight(4), "Front");
    SettingRows r{*this, CTL(Set_SteerLabel), &front};
    r.SettingIn(0, "Toe in:", CTL(Set_SteerToe), 0, 100, 0, design::SteerToe);
    r.SettingIn(1, "Caster:", CTL(Set_SteerCaster), 0, 101, 1, design::SteerCasterFront);
    r.Setting(2, "Ackermann geometry:", CTL(Set_SteerAckermann), 102, 2, design::SteerAckermann);
    r.Setting(3, "Maximum lock:", CTL(Set_SteerLock), 103, 3, design::SteerLock);

    auto& rear = MakeFrame(*this, CTL(Set_SetupFrame), 4, page, 0, front.Height() + 4, kW,
                           FrameHeight(2), "Rear");
    r.frame = &rear;
    r.SettingIn(4, "Toe in:", CTL(Set_SteerToe), 1, 104, 0, design::SteerToe);
    r.SettingIn(5, "Caster:", CTL(Set_SteerCaster), 1, 105, 1, design::SteerCasterRear);

    auto& config = MakeFrame(*this, CTL(Set_SetupFrame), 12, page, 0,
                             rear.Top() + rear.Height() + 4, kW, FrameHeight(1), "Config");
    r.frame = &config;
    r.Caption(6, 0, "Roof:");
    r.Caption(7, 0, {}, kValueLeft + 40, 100);
    MakeIn(*this, CTL(Set_MiscConfig), 0, &config, kSliderLeft, SliderRowTop(0) + 2, 80, 20)
        .SetCaption("Default");
    MakeIn(*this, CTL(Set_MiscConfig), 1, &config, kSliderLeft + 90, SliderRowTop(0) + 2, 100, 20)
        .SetCaption("Open roof");
    Set_MiscConfig(0).SetValue(true);
}

void Main::BuildSettingsGearing(Container* page) {
    // Gear ratio rows: forward gears 1st to 7th, the final drive, then reverse (index 0).
    // Where the simulator fixes the reverse ratio, the row's box and slider are hidden and the
    // ratio is shown as text in their place (the label's design-time caption is a note).
    constexpr int kPitch = 26;
    const char* gearNames[] = {"1st:", "2nd:", "3rd:", "4th:", "5th:", "6th:", "7th:"};
    auto gearRow = [&](int index, int row, int captionIndex, const std::string& caption) {
        const int top = row * kPitch;
        MakeLabel(*this, CTL(Set_GearingLabel), captionIndex, page, kTitleLeft, top + 4, 60, caption);
        auto& text = MakeIn(*this, CTL(Set_GearRatioText), index, page, 70, top + 1, 60, kBoxHeight);
        text.SetText(design::GearRatioText[index]);
        auto& s = MakeIn(*this, CTL(Set_GearRatioSlider), index, page, 136, top, 190, kSliderHeight);
        ApplyRange(s, design::GearRatio[index]);
    };
    for (int k = 1; k <= 7; ++k) gearRow(k, k - 1, k - 1, gearNames[k - 1]);
    gearRow(8, 7, 8, "Final");
    gearRow(0, 8, 7, "Reverse");
    // Level with the "Reverse" caption, its text where the box's text would be; it reaches
    // no further down than the differential selection below.
    auto& note = MakeLabel(*this, CTL(Set_GearingLabel), 35, page, 74, 8 * kPitch + 4, 252,
                           "LFS does not allow you to change the ratio for reverse, so neither "
                           "does ChassisLab.");
    note.SetWordWrap(true);
    note.SetHeight(kPitch + 4);

    const int selTop = 9 * kPitch + 8;
    auto& sel = MakeFrame(*this, CTL(Set_SetupFrame), 14, page, 0, selTop, kW, 46,
                          "Differential selection");
    MakeIn(*this, CTL(Set_ViewDiff), 0, &sel, 12, 20, 80, 20).SetCaption("Front");
    MakeIn(*this, CTL(Set_ViewDiff), 1, &sel, 100, 20, 80, 20).SetCaption("Rear");

    // Front and rear panels share one place, the centre panel has its own; each has a
    // "Not Available" placeholder at the same place, below it.
    const int axleTop = selTop + 50;
    const int axleHeight = FrameHeight(5) + 8;
    const int centreTop = axleTop + axleHeight + 4;
    const int centreHeight = FrameHeight(3) + 8;
    const char* noDiffCaptions[] = {"Front Differential", "Rear Differential",
                                    "Centre Differential"};
    const char* diffCaptions[] = {"Front differential", "Rear differential",
                                  "Centre differential"};
    for (int i = 0; i <= 2; ++i) {
        const int top = i == 2 ? centreTop : axleTop;
        const int height = i == 2 ? centreHeight : axleHeight;
        auto& none = MakeFrame(*this, CTL(NoDiffFrame), i, page, 0, top, kW, height,
                               noDiffCaptions[i]);
        MakeLabel(*this, CTL(Set_GearingLabel), 28 + i, &none, 0, height / 2 - 8, kW,
                  "Not Available", Align::Center);
    }
    for (int i = 0; i <= 2; ++i) {
        const int top = i == 2 ? centreTop : axleTop;
        const int height = i == 2 ? centreHeight : axleHeight;
        auto& f = MakeFrame(*this, CTL(DiffFrame), i, page, 0, top, kW, height, diffCaptions[i]);
        SettingRows r{*this, CTL(Set_GearingLabel), &f};
        r.Caption(i == 0 ? 21 : i == 1 ? 14 : 11, 0, "Type");
        MakeIn(*this, CTL(Set_GearingDiffType), i, &f, kSliderLeft, SliderRowTop(0) + 2, 150,
               kBoxHeight);
        if (i == 2) {
            r.Caption(12, 1, "Viscous torque");
            r.In(CTL(Set_GearingViscousTorque), 2, 1, design::ViscousTorque);
            r.Value(13, 1);
            r.Caption(9, 2, "Torque split");
            r.One(CTL(Set_GearingTorqueSplitCentre), 2, design::TorqueSplitCentre);
            r.Value(10, 2);
            continue;
        }
        const bool front = i == 0;
        r.Caption(front ? 22 : 15, 1, "Power");
        r.In(CTL(Set_GearingDiffPowerLocking), i, 1, design::DiffLocking);
        r.Value(front ? 23 : 16, 1);
        r.Caption(front ? 24 : 17, 2, "Coast");
        r.In(CTL(Set_GearingDiffCoastLocking), i, 2, design::DiffLocking);
        r.Value(front ? 25 : 18, 2);
        r.Caption(front ? 26 : 19, 3, "Viscous torque");
        r.In(CTL(Set_GearingViscousTorque), i, 3, design::ViscousTorque);
        // The viscous torque caption breaks after "Nms/", so it takes two lines.
        r.Value(front ? 27 : 20, 3);
        (front ? Set_GearingLabel(27) : Set_GearingLabel(20)).SetHeight(28);
        (front ? Set_GearingLabel(27) : Set_GearingLabel(20)).SetTop(SliderRowTop(3));
        r.Caption(front ? 32 : 34, 4, "Pre-load");
        r.In(CTL(Set_GearingDiffPreLoad), i, 4, design::DiffPreLoad);
        r.Value(front ? 31 : 33, 4);
    }
    Set_GearingLabel(13).SetHeight(28);
    Set_GearingLabel(13).SetTop(SliderRowTop(1));
    // Rear view first; the vehicle's drive type chooses later.
    Set_ViewDiff(1).SetValue(true);
    DiffFrame(1).BringToFront();
}

void Main::BuildSettingsTyres(Container* page) {
    auto& brand = MakeFrame(*this, CTL(Set_SetupFrame), 13, page, 0, 0, 240, 50, "Tyre brand");
    MakeLabel(*this, CTL(Set_TyreLabel), 10, &brand, kTitleLeft, 24, 50, "Brand:");
    Make(*this, CTL(Set_TyreBrand), &brand, 60, 21, 170, kBoxHeight);
    auto& sym = MakeFrame(*this, CTL(Set_SetupFrame), 11, page, 248, 0, kW - 248, 50,
                          "Left / right symmetrisation");
    MakeIn(*this, CTL(Set_Asym), 0, &sym, 10, 22, 100, 20).SetCaption("Asymmetric");
    MakeIn(*this, CTL(Set_Asym), 1, &sym, 120, 22, 100, 20).SetCaption("Symmetric");
    Set_Asym(0).SetValue(true);

    // Per axle: compound, then left and right pressure and camber sliders with one value label.
    constexpr int kTyreSliderW = 118;
    const int leftSlider = 104, rightSlider = leftSlider + kTyreSliderW + 4;
    const int valueLeft = rightSlider + kTyreSliderW + 4;
    int top = 54;
    for (int axle = 0; axle <= 1; ++axle) {
        auto& f = MakeFrame(*this, CTL(Set_SetupFrame), axle == 0 ? 5 : 6, page, 0, top, kW,
                            FrameHeight(3), axle == 0 ? "Front tyres" : "Rear tyres");
        SettingRows r{*this, CTL(Set_TyreLabel), &f};
        const int wheel = 2 * axle;
        r.Caption(axle == 0 ? 6 : 7, 0, "Compound:", kTitleLeft, 90);
        MakeIn(*this, CTL(Set_TyreCompound), wheel, &f, leftSlider, SliderRowTop(0) + 2, 170,
               kBoxHeight);
        r.Caption(axle == 0 ? 0 : 2, 1, "Pressure:", kTitleLeft, 90);
        const SliderDesign& p = axle == 0 ? design::TyrePressureFront : design::TyrePressureRear;
        r.In(CTL(Set_TyrePressure), wheel, 1, p, leftSlider, kTyreSliderW);
        r.In(CTL(Set_TyrePressure), wheel + 1, 1, p, rightSlider, kTyreSliderW);
        r.Value(axle == 0 ? 4 : 5, 1, valueLeft, kW - valueLeft - 4);
        r.Caption(axle == 0 ? 1 : 3, 2, "Camber adjust:", kTitleLeft, 90);
        r.In(CTL(Set_TyreCamber), wheel, 2, design::TyreCamber, leftSlider, kTyreSliderW);
        r.In(CTL(Set_TyreCamber), wheel + 1, 2, design::TyreCamber, rightSlider, kTyreSliderW);
        r.Value(axle == 0 ? 8 : 9, 2, valueLeft, kW - valueLeft - 4);
        top += f.Height() + 4;
    }
}

void Main::BuildSettingsMisc(Container* page) {
    auto& front = MakeFrame(*this, CTL(Set_SetupFrame), 8, page, 0, 0, kW, FrameHeight(1), "Front wing");
    SettingRows r{*this, CTL(Set_AeroLabel), &front};
    r.SettingIn(0, "Angle of attack:", CTL(Set_AeroWingAngle), 0, 2, 0, design::WingAngleFront);
    auto& rear = MakeFrame(*this, CTL(Set_SetupFrame), 7, page, 0, front.Height() + 4, kW,
                           FrameHeight(1), "Rear wing");
    r.frame = &rear;
    r.SettingIn(1, "Angle of attack:", CTL(Set_AeroWingAngle), 1, 3, 0, design::WingAngleRear);

    auto& pass = MakeFrame(*this, CTL(Set_SetupFrame), 15, page, 0, rear.Top() + rear.Height() + 4,
                           kW, kFrameHead + 4 * 26 + 6, "Passengers");
    const char* seats[] = {"Front:", "Rear left:", "Rear middle:", "Rear right:"};
    for (int s = 0; s <= 3; ++s) {
        MakeLabel(*this, CTL(Set_AeroLabel), 4 + s, &pass, kTitleLeft, kFrameHead + s * 26 + 4,
                  kTitleW, seats[s]);
        MakeIn(*this, CTL(Set_Pass), s, &pass, kSliderLeft, kFrameHead + s * 26, 120, kBoxHeight);
    }

    auto& hc = MakeFrame(*this, CTL(Set_SetupFrame), 16, page, 0, pass.Top() + pass.Height() + 4,
                         kW, FrameHeight(3), "Voluntary handicaps");
    r.frame = &hc;
    r.Setting(8, "Intake restriction:", CTL(Set_HandicapIntake), 11, 0, design::HandicapIntake);
    r.Setting(9, "Added mass:", CTL(Set_HandicapMass), 12, 1, design::HandicapMass);
    r.Setting(10, "Added mass position:", CTL(Set_HandicapMassPos), 13, 2, design::HandicapMassPos);
}

void Main::BuildLiveSettings(Container* page) {
    auto& cons = MakeFrame(*this, CTL(Live_Frame), 0, page, 0, 0, kW, FrameHeight(6),
                           "Adjust consumables");
    SettingRows r{*this, CTL(Set_LiveLabel), &cons};
    r.Caption(0, 0, "Tyre temperatures:");
    r.Value(9, 0);
    r.SettingIn(1, "Front:", CTL(Live_TyreTemp), 0, 100, 1, design::LiveTyreTemp);
    r.SettingIn(2, "Rear:", CTL(Live_TyreTemp), 1, 101, 2, design::LiveTyreTemp);
    r.Setting(3, "Wear:", CTL(Live_TyreWear), 102, 3, design::LiveTyreWear);
    r.Setting(4, "Current fuel load:", CTL(Live_FuelLoad), 103, 4, design::LiveFuelLoad);
    Make(*this, CTL(Live_BlowTyres), &cons, kSliderLeft, SliderRowTop(5) + 2, 150, 20)
        .SetCaption("Deflate tyres");
    Set_LiveLabel(1).SetLeft(kTitleLeft + 16);
    Set_LiveLabel(2).SetLeft(kTitleLeft + 16);

    auto& dyn = MakeFrame(*this, CTL(Live_Frame), 1, page, 0, cons.Height() + 4, kW,
                          FrameHeight(3), "Adjust vehicle dynamics");
    r.frame = &dyn;
    r.Setting(5, "Current vehicle speed:", CTL(Live_Speed), 104, 0, design::LiveSpeed);
    r.Setting(6, "Current throttle application:", CTL(Live_Throttle), 105, 1, design::LiveThrottle);
    r.Setting(7, "Current brake application:", CTL(Live_Brake), 106, 2, design::LiveBrake);

    auto& steer = MakeFrame(*this, CTL(Live_Frame), 2, page, 0, dyn.Top() + dyn.Height() + 4, kW,
                            FrameHeight(1), "Steering");
    r.frame = &steer;
    r.Setting(8, "Steering angle:", CTL(Live_SteeringAngle), 108, 0, design::LiveSteeringAngle);
}

}  // namespace ui
