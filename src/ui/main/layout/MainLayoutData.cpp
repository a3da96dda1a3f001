// Main window layout: the four tabs of the "Vehicle Data" page.
//
// Each figure has a row caption, a value label that shows the current vehicle's figure, and, at
// the same place, the editor's input (hidden until the vehicle editor opens) with a unit label
// beside it (hidden likewise). DataLabel groups per tab: row captions, then value labels, then
// unit labels (Physical 0-12 / 35-50 / 70-84, Drive-train 100-117 / 135-154 / 170-180, Wheels
// 200-217 / 235-257 / 270-292, Aerodynamics 300-309 / 335-349 / 370-378).
#include "ui/main/layout/MainLayout.hpp"

#include "ui/main/form/EngineControls.hpp"
#include "vehicle/engine/EngineSpeedText.hpp"

namespace ui {

using namespace layout;
using platform::Container;
using platform::Orientation;

namespace {
constexpr int kPitch = 19;      // one figure per row
constexpr int kBoxH = 18;       // editor inputs in these rows
constexpr int kTitleLeft = 8;
constexpr int kTitleW = 168;
constexpr int kValueW = 136;
constexpr int kBoxW = 56;
constexpr int kUnitW = 80;
constexpr int kFrameW = 470;

// Row r's top inside a frame.
constexpr int RowTop(int r) { return kFrameHead + r * kPitch; }

struct DataRows {
    Main& w;
    Container* frame;

    void Title(int index, int row, const std::string& caption, int left = kTitleLeft,
               int width = kTitleW) {
        MakeLabel(w, w.DataLabel, "DataLabel", index, frame, left, RowTop(row) + 1, width, caption);
    }
    void Value(int index, int row, int left, int width = kValueW) {
        MakeLabel(w, w.DataLabel, "DataLabel", index, frame, left, RowTop(row) + 1, width);
    }
    // A unit label beside an input; shown only while editing.
    void Unit(int index, int row, int left, const std::string& caption, int width = kUnitW) {
        MakeLabel(w, w.DataLabel, "DataLabel", index, frame, left, RowTop(row) + 1, width, caption)
            .SetVisible(false);
    }
    platform::TextBox& Box(platform::TextBox*& member, const char* name, int row, int left,
                           int maxLength, int width = kBoxW) {
        auto& b = Make(w, member, name, frame, left, RowTop(row), width, kBoxH);
        b.SetMaxLength(maxLength);
        b.SetVisible(false);
        return b;
    }
    platform::TextBox& BoxIn(platform::ControlArray<platform::TextBox>& arr, const char* name,
                             int index, int row, int left, int maxLength, int width = kBoxW) {
        auto& b = MakeIn(w, arr, name, index, frame, left, RowTop(row), width, kBoxH);
        b.SetMaxLength(maxLength);
        b.SetVisible(false);
        return b;
    }
    platform::Slider& ShapeSlider(platform::Slider*& member, const char* name, int top, int left,
                                  const SliderRange& r) {
        auto& s = Make(w, member, name, frame, left, top, kSliderWidth + 40, 22);
        ApplyRange(s, r);
        s.SetVisible(false);
        return s;
    }
};
}  // namespace

void Main::BuildDataPages() {
    BuildDataPhysical(&DataPage(0));
    BuildDataDrivetrain(&DataPage(1));
    BuildDataWheels(&DataPage(2));
    BuildDataAero(&DataPage(3));
}

void Main::BuildDataPhysical(Container* page) {
    const int c1 = 180, c2 = 326;  // first and second value column
    auto& body = MakeFrame(*this, CTL(VehDataFrame), 0, page, 0, 0, kFrameW, RowTop(3) + 6, "Body");
    DataRows r{*this, &body};
    r.Title(0, 0, "Mass:");
    r.Value(35, 0, c1);
    r.Box(CTL(VehData_NewBodyMass), 0, c1, 8);
    r.Unit(70, 0, c1 + kBoxW + 2, " kg");
    r.Title(1, 1, "CoG position:");
    r.Value(36, 1, c1);
    r.Value(37, 1, c2);
    r.Box(CTL(VehData_NewBodyPosX), 1, c1, 5);
    r.Unit(71, 1, c1 + kBoxW + 2, "% right");
    r.Box(CTL(VehData_NewBodyPosY), 1, c2, 5);
    r.Unit(72, 1, c2 + kBoxW + 2, "% front");
    r.Title(2, 2, "CoG height:");
    r.Value(38, 2, c1);
    r.Box(CTL(VehData_NewBodyPosZ), 2, c1, 5);
    r.Unit(73, 2, c1 + kBoxW + 2, " m");

    int top = body.Top() + body.Height() + 4;
    auto& tank = MakeFrame(*this, CTL(VehDataFrame), 1, page, 0, top, kFrameW, RowTop(3) + 6,
                           "Fuel tank");
    r.frame = &tank;
    r.Title(4, 0, "Capacity:");
    r.Value(40, 0, c1);
    r.Box(CTL(VehData_NewFuelTankCapacity), 0, c1, 5);
    r.Unit(75, 0, c1 + kBoxW + 2, " l");
    r.Title(5, 1, "Position:");
    r.Value(41, 1, c1);
    r.Box(CTL(VehData_NewFuelTankPosY), 1, c1, 5);
    r.Unit(76, 1, c1 + kBoxW + 2, "% front");
    r.Title(6, 2, "Height:");
    r.Value(42, 2, c1);
    r.Box(CTL(VehData_NewFuelTankPosZ), 2, c1, 5);
    r.Unit(77, 2, c1 + kBoxW + 2, " m");

    top = tank.Top() + tank.Height() + 4;
    auto& misc = MakeFrame(*this, CTL(VehDataFrame), 8, page, 0, top, kFrameW, RowTop(3) + 6,
                           "Misc");
    r.frame = &misc;
    r.Title(3, 0, "Handicap mass height:");
    r.Value(39, 0, c1);
    r.Box(CTL(VehData_NewHandicapPosZ), 0, c1, 5);
    r.Unit(74, 0, c1 + kBoxW + 2, " m");
    r.Title(7, 1, "Reference height:");
    r.Value(43, 1, c1);
    r.Box(CTL(VehData_NewRefPosZ), 1, c1, 5);
    r.Unit(78, 1, c1 + kBoxW + 2, " m");
    r.Title(8, 2, "Max. passengers:");
    r.Value(44, 2, c1);
    Make(*this, CTL(VehData_MaxPass), &misc, c1, RowTop(2) - 1, 60, kBoxH + 2).SetVisible(false);

    top = misc.Top() + misc.Height() + 4;
    auto& seats = MakeFrame(*this, CTL(VehDataFrame), 9, page, 0, top, kFrameW, RowTop(4) + 6,
                            "Passenger locations");
    r.frame = &seats;
    const char* positionTitles[] = {"Front passenger CoG position:", "Rear passenger CoG position:"};
    const char* heightTitles[] = {"and CoG Height:", "and CoG height:"};
    for (int s = 0; s <= 1; ++s) {
        const int row = 2 * s;
        r.Title(9 + 2 * s, row, positionTitles[s]);
        r.Value(45 + 3 * s, row, c1);
        r.Value(46 + 3 * s, row, c2);
        r.BoxIn(CTL(VehData_PassPosX), s, row, c1, 5);
        r.Unit(79 + 3 * s, row, c1 + kBoxW + 2, "% right");
        r.BoxIn(CTL(VehData_PassPosY), s, row, c2, 5);
        r.Unit(80 + 3 * s, row, c2 + kBoxW + 2, "% front");
        r.Title(10 + 2 * s, row + 1, heightTitles[s]);
        r.Value(47 + 3 * s, row + 1, c1);
        r.BoxIn(CTL(VehData_PassPosZ), s, row + 1, c1, 5);
        r.Unit(81 + 3 * s, row + 1, c1 + kBoxW + 2, " m");
    }
}

void Main::BuildDataDrivetrain(Container* page) {
    // Frames 2, 3 and 12 scroll with VehData_DT_VScroll from the Tops 4, 100 and 176. The
    // engine's rows are titled, and its sliders set, from the editor's engine controls.
    namespace ec = engine_controls;
    const int c1 = 150, c2 = 310;
    auto& basics = MakeFrame(*this, CTL(VehDataFrame), 2, page, 0, 4, kFrameW, 94,
                             "Engine (basics)");
    DataRows r{*this, &basics};
    r.Title(100, 0, ec::PeakTorque.RowTitle(), kTitleLeft, 140);
    r.Value(135, 0, c1, 300);
    r.Box(CTL(VehData_NewTorque), 0, c1, 6);
    r.Unit(170, 0, c1 + kBoxW + 2, " Nm");
    r.Box(CTL(VehData_NewTorqueRPM), 0, c2, vehicle::kEngineSpeedTextLength);
    r.Unit(171, 0, c2 + kBoxW + 2, " rad/s");
    r.Title(101, 1, ec::PeakPower.RowTitle(), kTitleLeft, 140);
    r.Value(136, 1, c1, 300);
    r.Box(CTL(VehData_NewPower), 1, c1, 6);
    r.Unit(172, 1, c1 + kBoxW + 2, " kW");
    r.Box(CTL(VehData_NewPowerRPM), 1, c2, vehicle::kEngineSpeedTextLength);
    r.Unit(173, 1, c2 + kBoxW + 2, " rad/s");
    r.Title(106, 2, ec::IdleSpeed.RowTitle(), kTitleLeft, 140);
    r.Value(143, 2, c1);
    r.Value(147, 2, c2);
    r.Box(CTL(VehData_NewIdleRPM), 2, c1, vehicle::kEngineSpeedTextLength);
    r.Unit(176, 2, c1 + kBoxW + 2, " rad/s");
    r.ShapeSlider(CTL(VehData_NewIdleTorque), RowTop(2) - 2, c2 - 8,
                  ec::IdleTorque.Field->Slider->Ends)
        .SetWidth(kFrameW - c2);
    r.Title(109, 3, ec::LimitSpeed.RowTitle(), kTitleLeft, 140);
    r.Value(145, 3, c1);
    r.Box(CTL(VehData_NewLimitRPM), 3, c1, vehicle::kEngineSpeedTextLength);
    r.Unit(177, 3, c1 + kBoxW + 2, " rad/s");

    auto& train = MakeFrame(*this, CTL(VehDataFrame), 3, page, 0, 100, kFrameW, 74,
                            "Drive-train");
    r.frame = &train;
    r.Title(102, 0, "Drive-train:", kTitleLeft, 140);
    r.Value(138, 0, c1);
    Make(*this, CTL(VehData_NewDrivetrain), &train, c1, RowTop(0) - 1, 150, kBoxH + 2)
        .SetVisible(false);
    r.Value(139, 0, c2, 40);
    r.Box(CTL(VehData_NewDrivetrainEff), 0, c2, 2, 36);
    r.Title(180, 0, "% efficient", c2 + 40, 100);
    r.Title(104, 1, "Num. gears:", kTitleLeft, 140);
    r.Value(140, 1, c1, 60);
    Make(*this, CTL(VehData_NewNumGears), &train, c1, RowTop(1) - 1, 60, kBoxH + 2)
        .SetVisible(false);
    r.Title(105, 1, "Reverse:", c1 + 90, 70);
    r.Value(141, 1, c2, 60);
    Make(*this, CTL(VehData_NewRevGear), &train, c2, RowTop(1), 20, kBoxH).SetVisible(false);
    r.Title(103, 2, "Shift time:", kTitleLeft, 140);
    r.Value(142, 2, c1);
    r.Box(CTL(VehData_NewDrivetrainShiftTime), 2, c1, 3);
    r.Unit(174, 2, c1 + kBoxW + 2, "ms");

    // Shown instead of the engine frames for a vehicle that is not wheel driven.
    auto& thrust = MakeFrame(*this, CTL(VehDataFrame), 5, page, 0, 4, kFrameW, RowTop(2) + 6,
                             "Propulsion");
    thrust.SetVisible(false);
    r.frame = &thrust;
    r.Title(116, 0, "Constant thrust:", kTitleLeft, 140);
    r.Value(153, 0, c1);
    r.Box(CTL(VehData_NewThrust), 0, c1, 6);
    r.Unit(178, 0, c1 + kBoxW + 2, " N");
    r.Title(117, 1, "Height applied:", kTitleLeft, 140);
    r.Value(154, 1, c1);
    r.Box(CTL(VehData_NewThrustHeight), 1, c1, 6);
    r.Unit(179, 1, c1 + kBoxW + 2, " m");

    auto& curve = MakeFrame(*this, CTL(VehDataFrame), 12, page, 0, 176, kFrameW, 470,
                            "Engine (torque curve)");
    r.frame = &curve;
    r.Title(107, 0, "Fuel type:", kTitleLeft, 140);
    r.Value(137, 0, c1);
    Make(*this, CTL(VehData_NewFuelType), &curve, c1, RowTop(0) - 1, 150, kBoxH + 2)
        .SetVisible(false);
    r.Title(108, 1, ec::TorquePeakWidth.RowTitle(), kTitleLeft, 140);
    r.Value(144, 1, c1);
    r.Box(CTL(VehData_NewTorquePeakWidth), 1, c1, 4);
    r.Unit(175, 1, c1 + kBoxW + 2, " rad/s");
    r.Title(110, 2, ec::EngineBraking.RowTitle(), kTitleLeft, 140);
    r.Value(146, 2, c1);
    r.Box(CTL(VehData_NewEBC), 2, c1, 5);

    // The shape factors: value labels outside the editor, sliders inside it.
    struct Shape {
        int title;
        const EngineControl& control;
        int value;
        Slider*& member;
        const char* name;
    };
    const Shape shapes[] = {
        {111, ec::LowerShape, 148, CTL(VehData_NewTCA)},
        {112, ec::PowerReduction, 149, CTL(VehData_NewPR)},
        {113, ec::UpperShapeA, 150, CTL(VehData_NewPCA)},
        {114, ec::UpperShapeB, 151, CTL(VehData_NewPWA)},
        {115, ec::ShiftPower, 152, CTL(VehData_NewPS)},
    };
    int y = RowTop(3);
    for (const Shape& s : shapes) {
        MakeLabel(*this, CTL(DataLabel), s.title, &curve, kTitleLeft, y + 4, 140,
                  s.control.RowTitle());
        MakeLabel(*this, CTL(DataLabel), s.value, &curve, c1, y + 4, kValueW);
        r.ShapeSlider(s.member, s.name, y, c1, s.control.Field->Slider->Ends);
        y += 24;
    }
    Make(*this, CTL(VehData_DynoThrottle), &curve, kTitleLeft, y, kFrameW - 16, 22);
    ApplyRange(*VehData_DynoThrottle, design::EditorDynoThrottle);
    VehData_DynoThrottle->SetToolTipText("Throttle of the engine curve preview");
    VehData_DynoThrottle->SetVisible(false);
    y += 24;
    Make(*this, CTL(TorquePowerPlot), &curve, kTitleLeft, y, kFrameW - 16, curve.Height() - y - 6);

    Make(*this, CTL(VehData_DT_VScroll), page, kFrameW + 4, 0, 17, page->AsControl()->Height(),
         Orientation::Vertical);
    VehData_DT_VScroll->SetMax(200);
    VehData_DT_VScroll->SetSmallChange(20);
    VehData_DT_VScroll->SetLargeChange(100);
}

void Main::BuildDataWheels(Container* page) {
    // Frames 4 and 13 scroll with VehData_Wh_VScroll from the Tops 4 and 144; frame 10 stays.
    const int c1 = 180, c2 = 310;  // front and rear columns
    const int w = kFrameW;
    struct AxleRow {
        int title;
        const char* caption;
        int value;  // front; rear is value + 1; the unit labels are value + 35 and + 36
        platform::ControlArray<platform::TextBox>* boxes;
        const char* name;
        int maxLength;
        const char* unit;
    };
    auto block = [&](platform::Frame& f, platform::ControlArray<platform::Frame>& strips,
                     int stripIndex, int headFront, std::initializer_list<AxleRow> rows) {
        // A caption-less strip across the top of the frame carries the axle headings.
        auto& strip = MakeFrame(*this, strips, "VehDataFrame", stripIndex, &f, 2, kFrameHead - 2,
                                w - 4, 18, {}, false);
        MakeLabel(*this, CTL(DataLabel), headFront, &strip, c1 - 2, 1, 100, "Front").SetFontBold(true);
        MakeLabel(*this, CTL(DataLabel), headFront + 1, &strip, c2 - 2, 1, 100, "Rear").SetFontBold(true);
        DataRows r{*this, &f};
        int row = 1;
        for (const AxleRow& a : rows) {
            r.Title(a.title, row, a.caption);
            for (int axle = 0; axle <= 1; ++axle) {
                const int left = axle == 0 ? c1 : c2;
                r.Value(a.value + axle, row, left, 126);
                r.BoxIn(*a.boxes, a.name, axle, row, left, a.maxLength, 50);
                r.Unit(a.value + 35 + axle, row, left + 52, a.unit, 70);
            }
            ++row;
        }
    };

    auto& dims = MakeFrame(*this, CTL(VehDataFrame), 4, page, 0, 4, w, RowTop(5) + 6,
                           "Wheel && tyre dimensions && inertia");
    block(dims, VehDataFrame, 101, 207,
          {{209, "Tyre width:", 245, &VehData_NewTyreWidth, "VehData_NewTyreWidth", 4, "mm"},
           {210, "Tyre profile:", 247, &VehData_NewTyreProfile, "VehData_NewTyreProfile", 3, "%"},
           {211, "Rim diameter:", 249, &VehData_NewWheelSize, "VehData_NewWheelSize", 2, "in"},
           {212, "Rotating mass:", 251, &VehData_NewRotMass, "VehData_NewRotMass", 5, " kg"}});

    auto& places = MakeFrame(*this, CTL(VehDataFrame), 13, page, 0, 144, w, RowTop(4) + 6,
                             "Wheel positions");
    block(places, VehDataFrame, 102, 216,
          {{213, "Ride height:", 253, &VehData_NewRideHeight, "VehData_NewRideHeight", 5, " m"},
           {214, "Track width:", 255, &VehData_NewTrackWidth, "VehData_NewTrackWidth", 5, " m"}});
    DataRows r{*this, &places};
    r.Title(215, 3, "Wheelbase:");
    r.Value(257, 3, c1, 126);
    r.Box(CTL(VehData_NewWheelbase), 3, c1, 6, 50);
    r.Unit(292, 3, c1 + 52, " m", 70);

    auto& motion = MakeFrame(*this, CTL(VehDataFrame), 10, page, 0, 250, w, RowTop(6) + 6,
                             "Wheel movement && alignment");
    block(motion, VehDataFrame, 100, 200,
          {{202, "Wheel:spring motion ratio:", 235, &VehData_NewWheelSpringMR,
            "VehData_NewWheelSpringMR", 5, " : 1"},
           {203, "Wheel:ARB motion ratio:", 237, &VehData_NewWheelARBMR, "VehData_NewWheelARBMR",
            5, " : 1"},
           {204, "Inclination:", 239, &VehData_NewInclination, "VehData_NewInclination", 5, " rad"},
           {205, "Camber:", 241, &VehData_NewCamber, "VehData_NewCamber", 5, " rad"},
           {206, "Unsprung mass:", 243, &VehData_NewUnsprung, "VehData_NewUnsprung", 5, " kg"}});

    Make(*this, CTL(VehData_Wh_VScroll), page, kFrameW + 4, 0, 17, page->AsControl()->Height(),
         Orientation::Vertical);
    VehData_Wh_VScroll->SetMax(150);
    VehData_Wh_VScroll->SetSmallChange(10);
    VehData_Wh_VScroll->SetLargeChange(50);
}

void Main::BuildDataAero(Container* page) {
    const int c1 = 150;
    auto& body = MakeFrame(*this, CTL(VehDataFrame), 6, page, 0, 0, kFrameW, RowTop(3) + 6, "Body");
    DataRows r{*this, &body};
    r.Title(300, 0, "Frontal area:", kTitleLeft, 140);
    r.Value(335, 0, c1);
    r.Box(CTL(VehData_NewFrontalArea), 0, c1, 5);
    r.Unit(370, 0, c1 + kBoxW + 2, " m\u00B2");
    r.Title(301, 1, "Drag coefficient:", kTitleLeft, 140);
    r.Value(336, 1, c1);
    r.Box(CTL(VehData_NewCd), 1, c1, 6);
    r.Title(302, 2, "Lift coefficient:", kTitleLeft, 140);
    r.Value(337, 2, c1);
    r.Box(CTL(VehData_NewCl), 2, c1, 6);

    // One row per aerodynamic element: position (share to the front, as the record holds it;
    // the data page shows it from the rear for all but the front wing), height, device type.
    const int posLeft = 118, heightLeft = 228, typeLeft = 330;
    auto& devices = MakeFrame(*this, CTL(VehDataFrame), 7, page, 0, body.Height() + 4, kFrameW,
                              RowTop(5) + 6, "Aero Devices");
    r.frame = &devices;
    r.Title(303, 0, "Position", posLeft, 100);
    r.Title(304, 0, "Height", heightLeft, 100);
    r.Title(305, 0, "Type", typeLeft, 130);
    const char* names[] = {"Body aero centre:", "Undertray:", "Rear wing:", "Front wing:"};
    for (int e = 0; e <= 3; ++e) {
        const int row = e + 1;
        r.Title(306 + e, row, names[e], kTitleLeft, 110);
        r.Value(e < 3 ? 338 + e : 341, row, posLeft, 106);
        r.Value(342 + e, row, heightLeft, 100);
        // The body has no device type; its cell (346) stays empty.
        r.Value(346 + e, row, typeLeft, 136);
        r.BoxIn(CTL(VehData_NewAeroDevicePosY), e, row, posLeft, 6, 50);
        r.Unit(371 + 2 * e, row, posLeft + 52, "% front", 54);
        r.BoxIn(CTL(VehData_NewAeroDevicePosZ), e, row, heightLeft, 7, 50);
        r.Unit(372 + 2 * e, row, heightLeft + 52, " m", 48);
        if (e >= 1)
            MakeIn(*this, CTL(VehData_NewAeroDeviceType), e, &devices, typeLeft, RowTop(row) - 1,
                   136, kBoxH + 2)
                .SetVisible(false);
    }
}

}  // namespace ui
