// Main window layout: analysis tabs Drive-train, Tyres, Aerodynamics and Acceleration.
#include "ui/main/layout/MainLayout.hpp"

#include <algorithm>

namespace ui {

using namespace layout;
using platform::Align;
using platform::Container;
using platform::Orientation;

namespace {
constexpr int kColW = 380;
constexpr int kRightX = 386;
constexpr int kPageW = 768;
constexpr int kThirdW = 252;  // a third-width column of frames
constexpr int kThirdX[] = {0, 256, 512};

constexpr int RowY(int r) { return kFrameHead + r * kRowPitch; }
constexpr int RowsHeight(int rows) { return kFrameHead + rows * kRowPitch + 6; }
}  // namespace

void Main::BuildAnalysisDrivetrain(Container* page) {
    // Gear table: one row per gear (reverse first); a forward gear's row also carries the
    // figures of the shift into it from the gear below.
    constexpr int kHeadH = 34;
    const int tableTop = kFrameHead + kHeadH;
    auto& calc = MakeFrame(*this, CTL(Analysis_GearingFrame), 0, page, 0, 0, kPageW,
                           tableTop + 8 * kRowPitch + 30, "Gear ratio calculator");
    const int nameLeft = 8, nameW = 56;
    auto col = [](int j) { return 68 + j * 87; };
    const int colW = 85;
    auto heading = [&](int index, int left, int top, int width, int height, const char* text) {
        auto& l = MakeLabel(*this, CTL(GearingLabel), index, &calc, left, top, width, text);
        l.SetHeight(height);
        l.SetWordWrap(true);
        l.SetFontBold(true);
    };
    heading(12, nameLeft, kFrameHead + 16, nameW, 16, "Gear");
    heading(2, col(0), kFrameHead, 2 * colW, 16, "Engine ang. vel.");
    heading(3, col(0), kFrameHead + 16, colW, 16, "Before");
    heading(4, col(1), kFrameHead + 16, colW, 16, "After");
    heading(5, col(2), kFrameHead, 2 * colW, 16, "Engine ang. vel. drop");
    heading(6, col(2), kFrameHead + 16, colW, 16, "Absolute");
    heading(7, col(3), kFrameHead + 16, colW, 16, "Relative");
    heading(8, col(4), kFrameHead, colW, 32, "Speed at shift");
    heading(9, col(5), kFrameHead, colW, 32, "Speed gained");
    heading(10, col(6), kFrameHead, colW, 32, "Gearing reduction");
    // The last column's heading reaches 2 pixels further, towards the frame's edge: at the
    // column's width "Cruising engine" has only 2 pixels to spare before it would wrap.
    heading(11, col(7), kFrameHead, colW + 2, 32, "Cruising engine ang. vel.");
    const char* gearNames[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th"};
    for (int g = 0; g <= 7; ++g) {
        const int top = tableTop + g * kRowPitch;
        MakeLabel(*this, CTL(GearingLabel), g == 0 ? 20 : 12 + g, &calc, nameLeft, top, nameW,
                  g == 0 ? "Reverse" : gearNames[g - 1]);
        MakeLabel(*this, CTL(GearingRevsPreShift), g, &calc, col(0), top, colW);
        MakeLabel(*this, CTL(GearingSpeed), g, &calc, col(4), top, colW);
        MakeLabel(*this, CTL(GearingReduction), g, &calc, col(6), top, colW);
        MakeLabel(*this, CTL(GearingCruisingRevs), g, &calc, col(7), top, colW);
        if (g >= 2) {
            MakeLabel(*this, CTL(GearingRevsPostShift), g - 1, &calc, col(1), top, colW);
            MakeLabel(*this, CTL(GearingRevsDropAbs), g - 1, &calc, col(2), top, colW);
            MakeLabel(*this, CTL(GearingRevsDropRel), g - 1, &calc, col(3), top, colW);
            MakeLabel(*this, CTL(GearingSpeedGained), g - 1, &calc, col(5), top, colW);
        }
    }
    const int areaTop = tableTop + 8 * kRowPitch + 6;
    MakeLabel(*this, CTL(GearingLabel), 0, &calc, nameLeft, areaTop + 4, 40, "Area:");
    MakeLabel(*this, CTL(GearingLabel), 1, &calc, 50, areaTop + 4, 120);
    Make(*this, CTL(Analysis_GearingAutoSpace), &calc, kPageW - 170, areaTop, 160, kButtonHeight - 2)
        .SetCaption("Auto space gearing");

    const int graphTop = calc.Height() + 4;
    const int graphH = 300;
    MakeIn(*this, CTL(Analysis_GearingGraph), 0, page, 0, graphTop, kColW, graphH)
        .SetToolTipText("This graph shows engine rotational velocity against vehicle velocity, "
                        "for all available gears");
    MakeIn(*this, CTL(Analysis_GearingGraph), 1, page, kRightX, graphTop, kColW + 2, graphH)
        .SetToolTipText("This graph shows wheel torque against wheel rotational velocity, for "
                        "all available gears");

    // Differentials: rear, front, centre side by side, each over a "Not Available" placeholder.
    const int diffTop = graphTop + graphH + 4;
    const int diffH = RowsHeight(4);
    const char* placeholders[] = {"Rear Differential", "Front Differential", "Centre Differential"};
    for (int i = 0; i <= 2; ++i) {
        auto& f = MakeFrame(*this, CTL(Analysis_GearingFrame), 4 + i, page, kThirdX[i] + (i == 2 ? 4 : 0),
                            diffTop, kThirdW, diffH, placeholders[i]);
        MakeLabel(*this, CTL(GearingLabel), 53 + i, &f, 0, diffH / 2 - 6, kThirdW, "Not Available",
                  Align::Center);
    }
    const Columns lock{8, 56, 66, 58, 60};
    const char* diffNames[] = {"Rear differential", "Front differential"};
    for (int i = 0; i <= 1; ++i) {
        auto& f = MakeFrame(*this, CTL(Analysis_GearingFrame), 1 + i, page, kThirdX[i], diffTop,
                            kThirdW, diffH, diffNames[i]);
        const int base = i == 0 ? 21 : 32;  // headings, then the power and coast row captions
        const int values = i == 0 ? 26 : 37;
        Headings(*this, CTL(GearingLabel), &f, RowY(0), lock,
                 {{base, "Min"}, {base + 1, "Max"}, {base + 2, "Bias"}});
        Row(*this, CTL(GearingLabel), &f, RowY(1), lock, base + 3, "Power:",
            {values, values + 1, values + 2});
        Row(*this, CTL(GearingLabel), &f, RowY(2), lock, base + 4, "Coast:",
            {values + 3, values + 4, values + 5});
    }
    auto& centre = MakeFrame(*this, CTL(Analysis_GearingFrame), 3, page, kThirdX[2] + 4, diffTop,
                             kThirdW, diffH, "Centre differential");
    const Columns split{8, 100, 110, 66, 68};
    Headings(*this, CTL(GearingLabel), &centre, RowY(0), split, {{43, "Min"}, {44, "Max"}});
    Row(*this, CTL(GearingLabel), &centre, RowY(1), split, 45, "Front:", {48, 49});
    Row(*this, CTL(GearingLabel), &centre, RowY(2), split, 46, "Rear:", {50, 51});
    Row(*this, CTL(GearingLabel), &centre, RowY(3), split, 47, "Torque bias ratio:", {52});
}

void Main::BuildAnalysisTyres(Container* page) {
    MakeLabel(*this, CTL(Analysis_TyreLabel), 18, page, 8, 4, 50, "Wheel:");
    Make(*this, CTL(Analysis_TyreChoice), page, 60, 1, 140, kBoxHeight);

    auto row = [&](Container* f, int r, int title, const char* text, int value) {
        Row(*this, CTL(Analysis_TyreLabel), f, RowY(r), Columns{8, 184, 194, 180, 0}, title, text,
            {value});
    };
    int y = 28;
    auto frame = [&](int index, int rows, const char* caption) -> platform::Frame& {
        auto& f = MakeFrame(*this, CTL(Analysis_TyreFrame), index, page, 0, y, kColW,
                            RowsHeight(rows), caption);
        y += f.Height() + 4;
        return f;
    };
    auto& deform = frame(1, 6, "Tyre vertical deformation information");
    row(&deform, 0, 2, "Vertical stiffness:", 102);
    row(&deform, 1, 13, "Vertical frequency:", 113);
    row(&deform, 2, 3, "Deflection:", 103);
    row(&deform, 3, 4, "Rolling radius / circumference:", 104);
    row(&deform, 4, 5, "Sidewall height remaining:", 105);
    row(&deform, 5, 6, "Deflection ratio:", 106);
    auto& overall = frame(3, 3, "Overall tyre information");
    row(&overall, 0, 16, "Dynamic load:", 116);
    row(&overall, 1, 14, "Grip loss (temperature and wear):", 114);
    row(&overall, 2, 17, "Grip loss (weight transfer):", 117);
    auto& patch = frame(4, 4, "Tyre contact patch information");
    row(&patch, 0, 7, "Patch width:", 107);
    row(&patch, 1, 8, "Patch length:", 108);
    row(&patch, 2, 9, "Patch area:", 109);
    row(&patch, 3, 10, "Patch aspect ratio:", 110);
    auto& traction = frame(5, 3, "Tyre traction information");
    row(&traction, 0, 11, "Grip coefficient (long. / lat.):", 111);
    row(&traction, 1, 12, "Grip force (long. / lat.):", 112);
    row(&traction, 2, 15, "Acceleration (long. / lat.):", 115);
    auto& balance = MakeFrame(*this, CTL(Analysis_TyreFrame), 8, page, 0, y, kColW,
                              page->AsControl()->Height() - y, "Front/rear grip balance diagram");
    row(&balance, 0, 0, "Contact patch share:", 100);
    row(&balance, 1, 1, "Grip share:", 101);
    Make(*this, CTL(Analysis_TyreGripDrawing), &balance, 6, RowY(2) + 2, kColW - 12,
         balance.Height() - RowY(2) - 8);

    // Drawings with their zoom bars: side view (zoom 1), contact patch (zoom 0).
    const int h = (page->AsControl()->Height() - 28 - 4) / 2;
    struct View {
        int frame, drawing, zoom, zoomLabel;
        const char* caption;
    };
    const View views[] = {{9, 0, 1, 20, "Shape of deformed tyre (side view)"},
                          {2, 1, 0, 19, "Shape of contact patch"}};
    int top = 28;
    for (const View& v : views) {
        auto& f = MakeFrame(*this, CTL(Analysis_TyreFrame), v.frame, page, kRightX, top, kColW + 2,
                            h, v.caption);
        const int inner = f.Height() - kFrameHead - 6;
        MakeIn(*this, CTL(Analysis_TyreDrawing), v.drawing, &f, 6, kFrameHead, f.Width() - 44, inner);
        auto& zoom = MakeIn(*this, CTL(Analysis_TyresZoom), v.zoom, &f, f.Width() - 32, kFrameHead,
                            20, inner - 18, Orientation::Vertical);
        // The drawings' scales: twips per metre for the side view, tenths of that for the
        // contact patch. At the start a road wheel fills most of the side view and a patch
        // about a third of its picture.
        const bool side = v.zoom == 1;
        zoom.SetMin(side ? 1000 : 100);
        zoom.SetMax(side ? 6000 : 2000);
        zoom.SetSmallChange(side ? 100 : 20);
        zoom.SetLargeChange(side ? 1000 : 200);
        zoom.SetValue(side ? 5000 : 700);
        MakeLabel(*this, CTL(Analysis_TyreLabel), v.zoomLabel, &f, f.Width() - 38, kFrameHead + inner - 16,
                  34, "Zoom", Align::Center);
        top += h + 4;
    }
}

void Main::BuildAnalysisAero(Container* page) {
    const Columns c{6, 132, 140, 108, 0};
    auto row = [&](Container* f, int r, int title, const char* text, int value) {
        Row(*this, CTL(Analysis_AeroLabel), f, RowY(r), c, title, text, {value});
    };
    int y = 0;
    int x = kThirdX[0];
    auto frame = [&](int index, int rows, const char* caption) -> platform::Frame& {
        auto& f = MakeFrame(*this, CTL(AeroPanel), index, page, x, y, kThirdW, RowsHeight(rows), caption);
        y += f.Height() + 4;
        return f;
    };
    auto& totals = frame(1, 8, "Totals");
    row(&totals, 0, 1, "Drag:", 10);
    row(&totals, 1, 2, "Rolling resistance:", 11);
    row(&totals, 2, 3, "Total resistance:", 12);
    row(&totals, 3, 4, "Drag / rolling share:", 13);
    row(&totals, 4, 76, "Power to overcome:", 77);
    row(&totals, 5, 5, "Total lift:", 14);
    row(&totals, 6, 6, "Lift / drag ratio:", 15);
    row(&totals, 7, 7, "Top speed:", 17);
    auto& dist = frame(2, 5, "Force distribution information");
    row(&dist, 0, 18, "Front axle aero load:", 22);
    row(&dist, 1, 19, "Rear axle aero load:", 23);
    row(&dist, 2, 20, "Wheel load share:", 24);
    row(&dist, 3, 21, "Aero load share:", 25);
    row(&dist, 4, 8, "Front / rear load ratio:", 16);
    auto& air = frame(4, 3, "Air information");
    row(&air, 0, 26, "Air temperature:", 29);
    row(&air, 1, 27, "Air pressure:", 30);
    row(&air, 2, 28, "Air density:", 31);
    auto& misc = frame(3, 2, "Misc information");
    MakeLabel(*this, CTL(Analysis_AeroLabel), 9, &misc, 6, kFrameHead + 6, 80, "Chart shows:");
    Make(*this, CTL(Analysis_AeroGraphOption), &misc, 90, kFrameHead + 3, 150, kBoxHeight);

    // One frame per element: drag and lift areas, forces, ratio (and the wings' angles).
    const char* quantities[] = {"Drag area:", "Lift area:", "Drag:", "Lift:", "Lift / drag ratio:"};
    x = kThirdX[1];
    y = 0;
    struct Element {
        int panel, titles, values, angleTitle, angleValue;
        const char* caption;
    };
    const Element elements[] = {{5, 32, 37, -1, -1, "Body information"},
                                {6, 42, 47, -1, -1, "Undertay information"},
                                {8, 52, 57, 74, 75, "Front wing information"},
                                {7, 62, 67, 72, 73, "Rear wing information"}};
    for (const Element& e : elements) {
        auto& f = frame(e.panel, e.angleTitle < 0 ? 5 : 6, e.caption);
        for (int k = 0; k < 5; ++k) row(&f, k, e.titles + k, quantities[k], e.values + k);
        if (e.angleTitle >= 0) row(&f, 5, e.angleTitle, "Effective angle:", e.angleValue);
    }

    const int cx = kThirdX[2];
    const int cw = kPageW - cx;
    auto& bal = MakeFrame(*this, CTL(AeroPanel), 0, page, cx, 0, cw, 76, "Aero balance diagram");
    Make(*this, CTL(Analysis_AeroBalanceDiagram), &bal, 6, kFrameHead + 2, cw - 12, 50);
    const int ch = (page->AsControl()->Height() - 80 - 4) / 2;
    MakeIn(*this, CTL(Analysis_AeroForcesChart), 0, page, cx, 80, cw, ch);
    MakeIn(*this, CTL(Analysis_AeroForcesChart), 1, page, cx, 84 + ch, cw, ch);
}

void Main::BuildAnalysisAcceleration(Container* page) {
    auto row = [&](Container* f, int r, const Columns& c, int title, const char* text,
                   std::initializer_list<int> values) {
        Row(*this, CTL(Analysis_AccLabel), f, RowY(r), c, title, text, values);
    };
    // Column A: times and distances to the benchmark speeds, the dragstrip, fuel.
    const Columns times{6, 94, 100, 72, 76};
    auto& tf = MakeFrame(*this, CTL(Analysis_AccFrame), 1, page, kThirdX[0], 0, kThirdW,
                         RowsHeight(7), "Acceleration times && distances");
    Headings(*this, CTL(Analysis_AccLabel), &tf, RowY(0), times, {{3, "Time"}, {4, "Distance"}});
    for (int k = 0; k <= 5; ++k) row(&tf, k + 1, times, 6 + k, "", {100 + k, 106 + k});

    const Columns strip{6, 112, 120, 64, 66};
    auto& drag = MakeFrame(*this, CTL(Analysis_AccFrame), 2, page, kThirdX[0], tf.Height() + 4,
                           kThirdW, RowsHeight(3), "At the dragstrip");
    Headings(*this, CTL(Analysis_AccLabel), &drag, RowY(0), strip, {{12, "Time"}, {13, "Speed"}});
    row(&drag, 1, strip, 14, "", {112, 113});
    row(&drag, 2, strip, 15, "", {114, 115});

    const Columns one{6, 112, 120, 128, 0};
    auto& fuel = MakeFrame(*this, CTL(Analysis_AccFrame), 5, page, kThirdX[0],
                           drag.Top() + drag.Height() + 4, kThirdW, RowsHeight(2), "Fuel consumption");
    row(&fuel, 0, one, 31, "Fuel used:", {131});
    row(&fuel, 1, one, 32, "Fuel economy:", {132});

    // Column B: time in each gear, traction.
    auto& gears = MakeFrame(*this, CTL(Analysis_AccFrame), 3, page, kThirdX[1], 0, kThirdW,
                            RowsHeight(9), "Time spent in each gear");
    row(&gears, 0, one, 16, "Launch:", {116});
    const char* gearNames[] = {"1st:", "2nd:", "3rd:", "4th:", "5th:", "6th:", "7th:"};
    for (int g = 1; g <= 7; ++g) row(&gears, g, one, 16 + g, gearNames[g - 1], {116 + g});
    row(&gears, 8, one, 24, "Shifting:", {124});

    const Columns spin{6, 112, 120, 64, 66};
    auto& trac = MakeFrame(*this, CTL(Analysis_AccFrame), 4, page, kThirdX[1], gears.Height() + 4,
                           kThirdW, RowsHeight(5), "Traction information");
    row(&trac, 0, one, 25, "Minimum throttle:", {125});
    row(&trac, 1, one, 26, "Peak acceleration:", {126});
    Headings(*this, CTL(Analysis_AccLabel), &trac, RowY(2), spin, {{29, "Start"}, {30, "End"}});
    row(&trac, 3, spin, 27, "Rear wheelspin:", {127, 129});
    row(&trac, 4, spin, 28, "Front wheelspin:", {128, 130});

    // Column C: precision and run, graph choice, search.
    const int cx = kThirdX[2];
    const int cw = kPageW - cx;
    auto& prec = MakeFrame(*this, CTL(Analysis_AccFrame), 0, page, cx, 0, cw, 100,
                           "Select precision of acceleration calculations");
    Make(*this, CTL(Analysis_AccPrecision), &prec, 8, kFrameHead + 2, cw - 16, kBoxHeight);
    Make(*this, CTL(Analysis_AccCalc), &prec, 8, kFrameHead + 28, 100, kButtonHeight)
        .SetCaption("Calculate");
    Make(*this, CTL(Analysis_AccWatchRealtime), &prec, 114, kFrameHead + 28, cw - 122, kButtonHeight)
        .SetCaption("Watch in real-time");
    Make(*this, CTL(Analysis_AccProgress), &prec, 8, kFrameHead + 58, cw - 16, 16);

    auto& data = MakeFrame(*this, CTL(Analysis_AccFrame), 7, page, cx, prec.Height() + 4, cw, 76,
                           "Data to graph");
    for (int i = 0; i <= 1; ++i)
        MakeIn(*this, CTL(Analysis_AccGraphData), i, &data, 8, kFrameHead + 2 + 26 * i, cw - 16,
               kBoxHeight);

    const int searchTop = data.Top() + data.Height() + 4;
    auto& search = MakeFrame(*this, CTL(Analysis_AccFrame), 6, page, cx, searchTop, cw,
                             kFrameHead + 50 + 4 * kRowPitch + 6, "Search data for statistics");
    MakeLabel(*this, CTL(Analysis_AccLabel), 37, &search, 6, kFrameHead + 3, 60, "Speeds:");
    MakeLabel(*this, CTL(Analysis_AccLabel), 5, &search, 6, kFrameHead + 27, 60, "Distance:");
    const char* tips[] = {"From speed", "To speed", "Distance"};
    for (int i = 0; i <= 2; ++i) {
        const int top = kFrameHead + (i == 2 ? 24 : 0);
        const int left = 68 + (i == 1 ? 54 : 0);
        MakeIn(*this, CTL(Analysis_AccSearchInput), i, &search, left, top, 50, kBoxHeight)
            .SetToolTipText(tips[i]);
    }
    MakeLabel(*this, CTL(Analysis_AccLabel), 38, &search, 178, kFrameHead + 3, 70);
    MakeLabel(*this, CTL(Analysis_AccLabel), 39, &search, 124, kFrameHead + 27, 70);
    const Columns result{6, 134, 140, 108, 0};
    const int rt = kFrameHead + 50;
    const char* results[] = {"Time between speeds:", "Distance between speeds:",
                             "Time to distance:", "Speed at distance:"};
    for (int k = 0; k < 4; ++k)
        Row(*this, CTL(Analysis_AccLabel), &search, rt + k * kRowPitch, result, 33 + k, results[k],
            {133 + k});

    // Bottom: the two graphs, each in a caption-less frame.
    const int gt = std::max(search.Top() + search.Height(), trac.Top() + trac.Height()) + 4;
    const int gh = page->AsControl()->Height() - gt;
    for (int i = 0; i <= 1; ++i) {
        auto& f = MakeFrame(*this, CTL(Analysis_AccFrame), 10 + i, page, i == 0 ? 0 : kRightX, gt,
                            i == 0 ? kColW : kColW + 2, gh, {});
        MakeIn(*this, CTL(Analysis_AccGraph), i, &f, 4, 8, f.Width() - 8, f.Height() - 12);
    }
}

}  // namespace ui
