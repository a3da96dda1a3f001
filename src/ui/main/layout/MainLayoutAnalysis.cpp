// Main window layout: analysis tabs Physical, Deceleration, Springs, Damping and Steering.
// Each result row is a caption and one or more value labels that the analysis routines write.
#include "ui/main/layout/MainLayout.hpp"

namespace ui {

using namespace layout;
using platform::Container;
using platform::Orientation;

namespace {
constexpr int kColW = 380;    // a half-width column of frames
constexpr int kRightX = 386;  // left edge of the right column
constexpr int kPageW = 768;

constexpr int RowY(int r) { return kFrameHead + r * kRowPitch; }
constexpr int RowsHeight(int rows) { return kFrameHead + rows * kRowPitch + 6; }
}  // namespace

void Main::BuildAnalysisPhysical(Container* page) {
    const Columns one{8, 170, 182, 190, 96};
    auto& fuel = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 0, page, 0, 0, kColW,
                           RowsHeight(6), "Fuel effect");
    auto row = [&](Container* f, int r, const Columns& c, int title, const char* text,
                   std::initializer_list<int> values) {
        Row(*this, CTL(Analysis_PhysLabel), f, RowY(r), c, title, text, values);
    };
    row(&fuel, 0, one, 0, "Fuel mass:", {100});
    row(&fuel, 1, one, 1, "Total mass:", {101});
    row(&fuel, 2, one, 2, "Total weight:", {102});
    row(&fuel, 3, one, 3, "Mass increase from fuel:", {103});
    const Columns pairs{8, 170, 182, 92, 96};
    row(&fuel, 4, pairs, 4, "CoG shift (right / front):", {156, 104});
    row(&fuel, 5, one, 5, "CoG shift (height):", {105});

    auto& susp = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 1, page, 0, fuel.Height() + 4,
                           kColW, RowsHeight(7), "Suspension");
    row(&susp, 0, one, 6, "Unsprung mass:", {106});
    row(&susp, 1, one, 7, "Unsprung CoG:", {107});
    row(&susp, 2, one, 8, "Sprung mass:", {108});
    row(&susp, 3, one, 9, "Sprung mass distribution:", {109});
    row(&susp, 4, one, 10, "Sprung mass share:", {110});
    row(&susp, 5, one, 11, "Unsprung mass share:", {111});
    row(&susp, 6, one, 12, "Sprung : unsprung ratio:", {112});

    const Columns wheels{8, 106, 114, 64, 66};
    auto& wh = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 3, page, 0,
                         susp.Top() + susp.Height() + 4, kColW, RowsHeight(5),
                         "Wheels - static information");
    Headings(*this, CTL(Analysis_PhysLabel), &wh, RowY(0), wheels,
             {{13, "Front left"}, {14, "Front right"}, {15, "Rear left"}, {16, "Rear right"}});
    row(&wh, 1, wheels, 17, "Corner mass:", {113, 114, 115, 116});
    row(&wh, 2, wheels, 18, "Mass share:", {117, 118, 119, 120});
    row(&wh, 3, wheels, 19, "Unloaded radius:", {121, 122, 123, 124});
    row(&wh, 4, wheels, 20, "Inertia:", {125, 126, 127, 128});

    auto& body = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 2, page, 0,
                           wh.Top() + wh.Height() + 4, kColW, RowsHeight(1), "Body");
    row(&body, 0, one, 21, "Power to weight:", {129});

    auto& live = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 7, page, 0,
                           body.Top() + body.Height() + 4, kColW, RowsHeight(7), "Live Info");
    row(&live, 0, one, 50, "Resistance:", {150});
    row(&live, 1, one, 51, "Drive:", {151});
    row(&live, 2, one, 52, "Brakes:", {152});
    row(&live, 3, one, 53, "Net acceleration:", {153});
    row(&live, 4, one, 54, "Gear:", {154});
    row(&live, 5, one, 55, "Engine speed:", {155});
    row(&live, 6, one, 57, "Lateral acceleration:", {157});

    // Positions of the centre of gravity and the aerodynamic elements: absolute (height, share
    // to the front) and relative (distances to the axles, height).
    const Columns pos{8, 118, 128, 120, 124};
    const char* elements[] = {"Body aero centre:", "Undertray:", "Rear wing:", "Front wing:"};
    auto& abs = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 4, page, kRightX, 0, kColW + 2,
                          RowsHeight(6), "Absolute positions");
    Headings(*this, CTL(Analysis_PhysLabel), &abs, RowY(0), pos, {{22, "Height"}, {23, "Front / rear"}});
    row(&abs, 1, pos, 26, "Centre of gravity:", {135, 140});
    for (int i = 0; i <= 3; ++i) row(&abs, 2 + i, pos, 27 + i, elements[i], {136 + i, 141 + i});

    auto& rel = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 5, page, kRightX, abs.Height() + 4,
                          kColW + 2, RowsHeight(6), "Relative positions");
    Headings(*this, CTL(Analysis_PhysLabel), &rel, RowY(0), pos,
             {{36, "Axle distances"}, {37, "Height"}});
    row(&rel, 1, pos, 35, "Centre of gravity:", {130, 145});
    for (int i = 0; i <= 3; ++i) row(&rel, 2 + i, pos, 31 + i, elements[i], {131 + i, 146 + i});

    const int chartTop = rel.Top() + rel.Height() + 4;
    auto& chart = MakeFrame(*this, CTL(Analysis_PhysicalFrame), 6, page, kRightX, chartTop,
                            kColW + 2, live.Top() + live.Height() - chartTop, {});
    Make(*this, CTL(Analysis_PhysChart), &chart, 6, 10, chart.Width() - 12, chart.Height() - 16);
}

void Main::BuildAnalysisDeceleration(Container* page) {
    auto row = [&](Container* f, int r, const Columns& c, int title, const char* text,
                   std::initializer_list<int> values) {
        Row(*this, CTL(Analysis_DecLabel), f, RowY(r), c, title, text, values);
    };
    const Columns one{8, 170, 182, 190, 96};
    auto& info = MakeFrame(*this, CTL(Analysis_DecFrame), 0, page, 0, 0, kColW, RowsHeight(3),
                           "Brake information");
    row(&info, 0, one, 0, "Max brake torque (front):", {100});
    row(&info, 1, one, 1, "Max brake torque (rear):", {101});
    row(&info, 2, one, 2, "Brake bias ratio:", {115});

    auto& run = MakeFrame(*this, CTL(Analysis_DecFrame), 2, page, 0, info.Height() + 4, kColW, 80,
                          "Perform deceleration calculations");
    MakeIn(*this, CTL(Analysis_DecOptions), 0, &run, 8, 22, 170, 20).SetCaption("Apply brakes");
    MakeIn(*this, CTL(Analysis_DecOptions), 1, &run, 8, 48, 170, 20).SetCaption("Use engine braking");
    Analysis_DecOptions(0).SetValue(1);
    Make(*this, CTL(Analysis_DecCalc), &run, 200, 20, 110, kButtonHeight).SetCaption("Calculate");
    Make(*this, CTL(Analysis_DecProgress), &run, 200, 52, 170, 16);

    const Columns times{8, 120, 132, 110, 116};
    auto& tf = MakeFrame(*this, CTL(Analysis_DecFrame), 3, page, 0, run.Top() + run.Height() + 4,
                         kColW, RowsHeight(7), "Deceleration Times && Distances");
    Headings(*this, CTL(Analysis_DecLabel), &tf, RowY(0), times, {{3, "Time"}, {17, "Distance"}});
    for (int k = 1; k <= 5; ++k) row(&tf, k, times, k + 3, "", {100 + 2 * k, 101 + 2 * k});
    row(&tf, 6, times, 9, "", {112, 113});

    auto& peak = MakeFrame(*this, CTL(Analysis_DecFrame), 4, page, 0, tf.Top() + tf.Height() + 4,
                           kColW, RowsHeight(1), "Deceleration Info");
    row(&peak, 0, one, 10, "Peak deceleration:", {114});

    auto& search = MakeFrame(*this, CTL(Analysis_DecFrame), 7, page, 0,
                             peak.Top() + peak.Height() + 4, kColW, kFrameHead + 2 * 24 + 4 * kRowPitch + 8,
                             "Search data for statistics");
    // Two speeds (from, to) and one distance, in display units; their unit labels beside.
    MakeLabel(*this, CTL(Analysis_AccLabel), 1, &search, 8, kFrameHead + 3, 110, "Speeds / distance:");
    const char* tips[] = {"From speed", "To speed", "Distance"};
    for (int i = 0; i <= 2; ++i) {
        const int top = kFrameHead + (i == 2 ? 24 : 0);
        const int left = 124 + (i == 1 ? 56 : 0);
        MakeIn(*this, CTL(Analysis_DecSearchInput), i, &search, left, top, 50, kBoxHeight)
            .SetToolTipText(tips[i]);
    }
    MakeLabel(*this, CTL(Analysis_DecLabel), 15, &search, 236, kFrameHead + 3, 80);
    MakeLabel(*this, CTL(Analysis_DecLabel), 16, &search, 180, kFrameHead + 27, 80);
    const int resultTop = kFrameHead + 50;
    Row(*this, CTL(Analysis_DecLabel), &search, resultTop, one, 11, "Time between speeds:", {116});
    Row(*this, CTL(Analysis_DecLabel), &search, resultTop + kRowPitch, one, 12,
        "Distance between speeds:", {117});
    Row(*this, CTL(Analysis_DecLabel), &search, resultTop + 2 * kRowPitch, one, 13,
        "Time to distance:", {118});
    Row(*this, CTL(Analysis_DecLabel), &search, resultTop + 3 * kRowPitch, one, 14,
        "Speed at distance:", {119});

    auto& data = MakeFrame(*this, CTL(Analysis_DecFrame), 6, page, kRightX, 0, kColW + 2, 50,
                           "Data to graph");
    for (int i = 0; i <= 1; ++i)
        MakeIn(*this, CTL(Analysis_DecGraphData), i, &data, 8 + 186 * i, 20, 180, kBoxHeight);
    auto& graphs = MakeFrame(*this, CTL(Analysis_DecFrame), 5, page, kRightX, 54, kColW + 2,
                             page->AsControl()->Height() - 54, {});
    const int gh = (graphs.Height() - 18) / 2;
    const char* graphTips[] = {"This graph shows all the forces acting on the car against time",
                               "This graph shows vehicle velocity against time"};
    for (int i = 0; i <= 1; ++i)
        MakeIn(*this, CTL(Analysis_DecGraph), i, &graphs, 4, 8 + i * (gh + 4), graphs.Width() - 8, gh)
            .SetToolTipText(graphTips[i]);
}

void Main::BuildAnalysisSprings(Container* page) {
    // The scroll bar moves the frames and charts listed in kSpringsScrollBase from their design
    // Tops; everything is placed at those Tops here.
    auto top = [](bool chart, int index) {
        for (const auto& b : kSpringsScrollBase)
            if (b.isChart == chart && b.index == index) return b.top;
        return 0;
    };
    auto row = [&](Container* f, int r, const Columns& c, int title, const char* text,
                   std::initializer_list<int> values) {
        Row(*this, CTL(Analysis_SuspLabel), f, RowY(r), c, title, text, values);
    };
    const int colW = 386;
    // Columns rear left, rear right, front left, front right, then the unit label.
    const Columns corners{4, 156, 160, 42, 45};
    auto& springs = MakeFrame(*this, CTL(Analysis_SuspFrame), 0, page, 0, top(false, 0), colW, 224,
                              "Springs");
    const Columns axlePairs{4, 156, 160, 90, 92};
    Headings(*this, CTL(Analysis_SuspLabel), &springs, RowY(0), axlePairs, {{0, "Rear"}, {1, "Front"}});
    Headings(*this, CTL(Analysis_SuspLabel), &springs, RowY(1), corners,
             {{2, "Left"}, {3, "Right"}, {4, "Left"}, {5, "Right"}});
    struct CornerRow {
        int title;
        const char* text;
        int first;  // label of corner 0; corner i is first + i
        int unit;
    };
    const CornerRow rows[] = {
        {6, "Wheel motion range:", 156, 168},  {7, "Wheel rate:", 160, 169},
        {8, "Vertical load:", 140, 170},        {9, "Wheel deflection:", 164, 171},
        {10, "Wheel travel remaining:", 100, 172}, {11, "Undamped bounce frequency:", 104, 173},
        {12, "Undamped hop frequency:", 108, 174},
    };
    int r = 2;
    for (const CornerRow& c : rows) {
        row(&springs, r, corners, c.title, c.text, {c.first + 2, c.first + 3, c.first, c.first + 1, c.unit});
        ++r;
    }

    const Columns axles{4, 152, 156, 100, 110};
    auto& roll = MakeFrame(*this, CTL(Analysis_SuspFrame), 1, page, 0, top(false, 1), colW,
                           RowsHeight(7), "Roll Stiffness");
    Headings(*this, CTL(Analysis_SuspLabel), &roll, RowY(0), axles, {{13, "Rear"}, {14, "Front"}});
    const char* rollRows[] = {"Springs:", "Anti-roll bars:", "Total:", "ARB / spring ratio:",
                              "Stiffness / mass:", "Balance:"};
    for (int k = 0; k < 6; ++k) row(&roll, k + 1, axles, 15 + k, rollRows[k], {112 + k, 118 + k});

    auto& pitch = MakeFrame(*this, CTL(Analysis_SuspFrame), 2, page, 0, top(false, 2), colW,
                            RowsHeight(2), "Pitch stiffness");
    row(&pitch, 0, axles, 21, "Springs:", {124});
    row(&pitch, 1, axles, 22, "Stiffness / mass:", {125});

    auto& angles = MakeFrame(*this, CTL(Analysis_SuspFrame), 3, page, 0, top(false, 3), colW,
                             RowsHeight(4) + 6, "Roll angles");
    Headings(*this, CTL(Analysis_SuspLabel), &angles, RowY(0), axles, {{23, "Rear"}, {24, "Front"}});
    row(&angles, 1, axles, 30, "Tyres:", {126, 129});
    row(&angles, 2, axles, 31, "Springs and ARB:", {127, 130});
    row(&angles, 3, axles, 32, "Total:", {128, 131});

    auto& pangle = MakeFrame(*this, CTL(Analysis_SuspFrame), 4, page, 0, top(false, 4), colW,
                             RowsHeight(3) + 6, "Pitch Angle");
    row(&pangle, 0, axles, 33, "Tyres:", {132});
    row(&pangle, 1, axles, 34, "Springs:", {133});
    row(&pangle, 2, axles, 45, "Total:", {134});

    auto& shift = MakeFrame(*this, CTL(Analysis_SuspFrame), 5, page, 0, top(false, 5), colW,
                            RowsHeight(5), "Vertical shift");
    const char* shiftRows[] = {"Centre of gravity:", "Body aero centre:", "Undertray:",
                               "Rear wing:", "Front wing:"};
    for (int k = 0; k < 5; ++k) row(&shift, k, axles, 25 + k, shiftRows[k], {135 + k});

    // Right column: the two corner charts, the balance bar, level ride, the roll stiffness
    // diagram and the rear and side views.
    const int x = 392, half = 176, full = 356;
    MakeIn(*this, CTL(Analysis_SuspChart), 0, page, x, top(true, 0), half, 240);
    MakeIn(*this, CTL(Analysis_SuspChart), 1, page, x + half + 4, top(true, 1), half, 240);
    auto& bal = MakeFrame(*this, CTL(Analysis_SuspFrame), 6, page, x, top(false, 6), full, 68,
                          "Suspension balance diagram");
    Make(*this, CTL(Analysis_SuspBalance), &bal, 6, kFrameHead + 2, full - 12, 42);
    auto& level = MakeFrame(*this, CTL(Analysis_SuspFrame), 13, page, x, top(false, 13), half, 96,
                            "Level ride frequencies");
    const Columns lr{4, 98, 104, 68, 0};
    row(&level, 0, lr, 46, "Front given rear:", {183});
    row(&level, 1, lr, 47, "Rear given front:", {184});
    Make(*this, CTL(Analysis_SuspMakeLevelRide), &level, 4, RowY(2) + 4, half - 8, kButtonHeight)
        .SetCaption("Optimise for level ride");
    MakeIn(*this, CTL(Analysis_SuspChart), 2, page, x + half + 4, top(true, 2), half, 90);
    MakeIn(*this, CTL(Analysis_SuspChart), 3, page, x, top(true, 3), full, 180);
    MakeIn(*this, CTL(Analysis_SuspChart), 4, page, x, top(true, 4), full, 200);

    Make(*this, CTL(Analysis_SuspVScroll), page, kPageW - 18, 0, 17, page->AsControl()->Height(),
         Orientation::Vertical);
    Analysis_SuspVScroll->SetMin(0);
    Analysis_SuspVScroll->SetMax(420);
    Analysis_SuspVScroll->SetSmallChange(50);
    Analysis_SuspVScroll->SetLargeChange(420);
}

void Main::BuildAnalysisDamping(Container* page) {
    const Columns corners{8, 190, 200, 130, 140};
    auto& crit = MakeFrame(*this, CTL(Analysis_SuspFrame), 7, page, 0, 0, kPageW, RowsHeight(7),
                           "Critical damping information");
    Headings(*this, CTL(Analysis_SuspLabel), &crit, RowY(0), corners,
             {{35, "Rear Left"}, {36, "Rear Right"}, {37, "Front Left"}, {38, "Front Right"}});
    struct CornerRow {
        int title;
        const char* text;
        int first;
    };
    const CornerRow rows[] = {{39, "Critical damping:", 144},
                              {40, "Bump ratio:", 148},
                              {41, "Rebound ratio:", 152},
                              {42, "Damped frequency (bump):", 175},
                              {43, "Damped frequency (rebound):", 179},
                              {44, "Rebound:Bump Ratio:", 185}};
    int r = 1;
    for (const CornerRow& c : rows) {
        Row(*this, CTL(Analysis_SuspLabel), &crit, RowY(r), corners, c.title, c.text,
            {c.first + 2, c.first + 3, c.first, c.first + 1});
        ++r;
    }

    const char* situations[] = {
        "Corner entry (tightening radius corner while reducing throttle)",
        "Corner entry (without braking)", "Corner entry (while reducing braking)",
        "Corner exit (without throttle)", "Corner exit (while increasing throttle)"};
    int y = crit.Height() + 4;
    for (int i = 0; i <= 4; ++i) {
        auto& f = MakeFrame(*this, CTL(Analysis_SuspFrame), 8 + i, page, 0, y, kColW, 76,
                            situations[i]);
        auto& bar = MakeIn(*this, CTL(Analysis_DampBalance), i, &f, 6, kFrameHead + 4, kColW - 12, 48);
        bar.SetToolTipText(
            "This chart shows the normalised (to the vehicles static mass distribution) affect "
            "of the suspension on weight transfer");
        y += 80;
    }
    const int top = crit.Height() + 4;
    auto& graph = MakeFrame(*this, CTL(Analysis_SuspFrame), 14, page, kRightX, top, kColW + 2,
                            y - 4 - top, "Data to graph");
    Make(*this, CTL(Analysis_SuspDampGraphCombo), &graph, 8, kFrameHead + 2, 240, kBoxHeight);
    Make(*this, CTL(Analysis_DampChart), &graph, 6, kFrameHead + 28, graph.Width() - 12,
         graph.Height() - kFrameHead - 34);
}

void Main::BuildAnalysisSteering(Container* page) {
    auto row = [&](Container* f, int r, const Columns& c, int title, const char* text,
                   std::initializer_list<int> values) {
        Row(*this, CTL(Analysis_SteeringLabel), f, RowY(r), c, title, text, values);
    };
    const Columns sides{8, 198, 206, 84, 86};
    auto& steer = MakeFrame(*this, CTL(Analysis_SteerFrame), 1, page, 0, 0, kColW, RowsHeight(7),
                            "Steering");
    Headings(*this, CTL(Analysis_SteeringLabel), &steer, RowY(0), sides,
             {{0, "Rear / Left"}, {1, "Front / Right"}});
    row(&steer, 1, sides, 2, "Wheelbase / track width ratio:", {101, 100});
    row(&steer, 2, sides, 3, "Live caster angle:", {125, 124});
    row(&steer, 3, sides, 4, "Ackermann induced angle:", {102, 103});
    row(&steer, 4, sides, 5, "Live steering angle:", {104, 105});
    row(&steer, 5, sides, 6, "Current steer radius:", {122});
    row(&steer, 6, sides, 7, "Ackermann induced steering arm angle:", {123});

    // Four columns and the longest title just fill the frame: the bold "Front right" heading
    // gets 2 pixels to spare, the titles 4.
    const Columns wheels{8, 138, 146, 58, 58};
    auto& camber = MakeFrame(*this, CTL(Analysis_SteerFrame), 0, page, 0, steer.Height() + 4,
                             kColW, RowsHeight(5), "Camber");
    Headings(*this, CTL(Analysis_SteeringLabel), &camber, RowY(0), wheels,
             {{8, "Rear left"}, {9, "Rear right"}, {10, "Front left"}, {11, "Front right"}});
    const char* rows[] = {"Roll induced camber:", "Caster induced camber:",
                          "Inclination induced camber:", "Live camber:"};
    for (int k = 0; k < 4; ++k)
        row(&camber, k + 1, wheels, 12 + k, rows[k],
            {108 + 4 * k, 109 + 4 * k, 106 + 4 * k, 107 + 4 * k});

    auto& opts = MakeFrame(*this, CTL(Analysis_SteerFrame), 2, page, 0,
                           camber.Top() + camber.Height() + 4, kColW, 76, "Graph Options");
    MakeLabel(*this, CTL(Analysis_SteeringLabel), 16, &opts, 8, kFrameHead + 5, 110, "Toe diagram:");
    Make(*this, CTL(Analysis_SteerToeDiagramMode), &opts, 120, kFrameHead + 2, 140, kBoxHeight);
    MakeLabel(*this, CTL(Analysis_SteeringLabel), 17, &opts, 8, kFrameHead + 31, 110, "Camber diagram:");
    Make(*this, CTL(Analysis_SteerCamberDiagramMode), &opts, 120, kFrameHead + 28, 140, kBoxHeight);

    const int h = (page->AsControl()->Height() - 44) / 2;
    MakeLabel(*this, CTL(Analysis_SteeringLabel), 18, page, kRightX, 2, 200, "Toe (plan view)")
        .SetFontBold(true);
    MakeIn(*this, CTL(Analysis_SteeringDiagram), 0, page, kRightX, 20, kColW + 2, h);
    MakeLabel(*this, CTL(Analysis_SteeringLabel), 19, page, kRightX, 24 + h, 200, "Camber")
        .SetFontBold(true);
    MakeIn(*this, CTL(Analysis_SteeringDiagram), 1, page, kRightX, 42 + h, kColW + 2, h);
}

}  // namespace ui
