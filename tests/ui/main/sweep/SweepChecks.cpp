#include "ui/main/sweep/SweepChecks.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string_view>

#include "analysis/AccelerationCode.hpp"
#include "analysis/DecelerationCode.hpp"
#include "charts/ChartColours.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/PhysicalConstants.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/RunCsvExport.hpp"
#include "platform/Controls.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/options/RefreshDisplays.hpp"

namespace sweep {

namespace {

using core::Quantity;

// ---- Numbers in a caption ----------------------------------------------------------------

bool Digit(std::string_view text, std::size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

// The figures a caption shows, in order; a "NaN" or "Inf" standing alone counts as a figure
// that is not finite. A "-" is a sign only at the start or after a blank, "(" or "/": in
// "0-75 m/s" and "157-440 rad/s" it joins a range. Other words ("Mk7", "E46") are no figures.
std::vector<double> Figures(const std::string& text) {
    std::vector<double> out;
    for (std::size_t i = 0; i < text.size();) {
        const bool sign = text[i] == '-' && Digit(text, i + 1) &&
                          (i == 0 || std::string_view(" (/").find(text[i - 1]) != std::string_view::npos);
        if (std::isalpha(static_cast<unsigned char>(text[i]))) {
            // A word of letters and digits: each run of letters in it is looked at.
            while (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]))) {
                std::size_t end = i;
                while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
                const std::string_view word(text.data() + i, end - i);
                if (word == "NaN" || word == "nan") out.push_back(std::nan(""));
                if (word == "Inf" || word == "inf" || word == "INF") out.push_back(HUGE_VAL);
                for (i = end; Digit(text, i);) ++i;
            }
        } else if (Digit(text, i) || sign) {
            char* end = nullptr;
            out.push_back(std::strtod(text.c_str() + i, &end));
            for (i = static_cast<std::size_t>(end - text.c_str());
                 i < text.size() && (text[i] == '.' || Digit(text, i));)
                ++i;
        } else {
            ++i;
        }
    }
    return out;
}

// ---- What a caption's figure may be ------------------------------------------------------

// Quantities that have no sign: a caption showing only such quantities shows no negative
// figure. Speeds, forces, torques, powers, accelerations and angles have one (a speed gained
// between gears set out of order, a braking torque); so have areas (the lift area of a car
// with downforce). Small distances are positions as often as sizes; the sizes are listed below.
bool NeverNegative(Quantity q) {
    using enum Quantity;
    for (Quantity u : {Mass, Frequency, Volume, MOI, Density, Pressure, Stiffness, Damping, Rot,
                       DistanceLarge, P2W, FuelEcon})
        if (q == u) return true;
    return false;
}

// Label families whose figures have bounds of their own, by array and index range.
struct Family {
    const char* array;
    int first, last;
    double min, max;
    const char* problem;
};

// Small distances that are sizes: a size below zero has no meaning.
constexpr double kNoTop = 1e300;
const Family kFamilies[] = {
    {"DataLabel", 38, 39, 0, kNoTop, "negative height"},        // CoG, handicap mass
    {"DataLabel", 42, 43, 0, kNoTop, "negative height"},        // tank, reference plane
    {"DataLabel", 47, 47, 0, kNoTop, "negative height"},        // front seat
    {"DataLabel", 50, 50, 0, kNoTop, "negative height"},        // rear seat
    {"DataLabel", 245, 250, 0, kNoTop, "negative length"},      // tyre width, rim diameter
    {"DataLabel", 253, 257, 0, kNoTop, "negative length"},      // ride height, tracks, wheelbase
    {"Analysis_PhysLabel", 121, 124, 0, kNoTop, "negative length"},  // unloaded tyre radius
    {"Analysis_SuspLabel", 100, 103, 0, kNoTop, "negative length"},  // wheel travel remaining
    {"Analysis_SuspLabel", 156, 159, 0, kNoTop, "negative length"},  // wheel motion range
    // Tyre deflection, rolling radius and circumference, sidewall remaining, patch size.
    {"Analysis_TyreLabel", 103, 105, 0, kNoTop, "negative length"},
    {"Analysis_TyreLabel", 107, 108, 0, kNoTop, "negative length"},
    {"Set_SuspLabel", 100, 100, 0, kNoTop, "negative length"},  // spring travel
    {"Set_SuspLabel", 105, 105, 0, kNoTop, "negative length"},

// Shares (%) of a mass, a wheel load, a grip or a stiffness between axles or corners lie within
// 0..100 % (those of positions are left out: wings may sit beyond the axles). A grip loss may be
// a gain, but never loses more than the whole grip. The aero balance may pass 100 % a little
// (the rear lifting); beyond -100..200 % the total is under half of either axle's load, too
// small to tell a balance: the caption should say "N/A".
    {"Analysis_PhysLabel", 107, 107, 0, 100, "share beyond 0..100 %"},  // unsprung CoG
    {"Analysis_PhysLabel", 109, 111, 0, 100, "share beyond 0..100 %"},  // sprung distribution
    {"Analysis_PhysLabel", 117, 120, 0, 100, "share beyond 0..100 %"},  // corner masses
    {"Analysis_SuspLabel", 117, 117, 0, 100, "share beyond 0..100 %"},  // roll stiffness
    {"Analysis_SuspLabel", 123, 123, 0, 100, "share beyond 0..100 %"},
    {"Analysis_TyreLabel", 100, 101, 0, 100, "share beyond 0..100 %"},  // patch, grip
    {"Analysis_TyreLabel", 114, 114, -100, 100, "grip loss beyond the whole grip"},
    {"Analysis_TyreLabel", 117, 117, -100, 100, "grip loss beyond the whole grip"},
    {"Analysis_AeroLabel", 13, 13, 0, 100, "share beyond 0..100 %"},    // drag / rolling
    {"Analysis_AeroLabel", 24, 24, 0, 100, "share beyond 0..100 %"},    // wheel loads
    {"Analysis_AeroLabel", 25, 25, -100, 200, "aero balance of a total near zero"},
};

const Family* FamilyOf(const std::string& name) {
    const auto open = name.find('(');
    if (open == std::string::npos) return nullptr;
    const std::string array = name.substr(0, open);
    const int index = std::atoi(name.c_str() + open + 1);
    for (const Family& f : kFamilies)
        if (array == f.array && index >= f.first && index <= f.last) return &f;
    return nullptr;
}

// The drive-train page's "Area:" under the full-throttle curve over each forward gear's speeds
// (N m x rad/s): a curve within its peak torque up to the limit gives at most gears x peak
// torque x limit speed. More (or below zero) contradicts the engine's figures, or is another
// car's; within the bound a large area is true and keeps its exponent form.
constexpr const char* kCurveAreaCaption = "GearingLabel(1)";
double CurveAreaBound(const vehicle::VehicleRecord& v) {
    if (v.Drivetrain.DriveType == vehicle::kDriveThrust) return 0.0;  // no engine
    return static_cast<double>(v.Drivetrain.NumGears) * v.Engine.PeakTorque * v.Engine.LimitRPM *
           core::kRpmToRadPerSec;
}

// "2.4E+07": a digit, E, a plus sign and two digits.
bool HasExponentForm(std::string_view text) {
    for (auto at = text.find("E+"); at != std::string::npos; at = text.find("E+", at + 1))
        if (at > 0 && Digit(text, at - 1) && Digit(text, at + 2) && Digit(text, at + 3)) return true;
    return false;
}

// ---- Run tables --------------------------------------------------------------------------

std::vector<std::string_view> Split(std::string_view text, std::string_view sep) {
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const auto cut = text.find(sep, start);
        out.push_back(text.substr(start, cut - start));
        if (cut == std::string::npos) return out;
        start = cut + sep.size();
    }
}

// A cell's heading: the item of header row 1 over it (or the nearest one to its left, for
// the columns of a wheel group) and the wheel of row 2.
std::string CellName(const std::vector<std::string_view>& row1,
                     const std::vector<std::string_view>& row2, std::size_t cell) {
    std::string name;
    for (std::size_t k = 0; k <= cell && k < row1.size(); ++k)
        if (!row1[k].empty()) name = row1[k];
    if (cell < row2.size() && !row2[cell].empty()) name += " " + std::string(row2[cell]);
    return name;
}

// The rows the CSV export writes (every row up to 65533, every k-th above), cut down to the
// first and last 50, every 100th, and up to 1000 rows with a figure that is not finite or large
// enough for exponent form in some unit: a run standing still for 120 s has millions of cells.
// A sampled row's time cell is that of its place in the sample.
struct SampledTable {
    std::vector<float> data;
    std::vector<int32_t> steps;  // the run's step of each sampled row
    int32_t LastStep() const { return static_cast<int32_t>(steps.size()) - 1; }
};

SampledTable Sample(std::span<const float> data, std::size_t columns, int32_t lastStep) {
    SampledTable out;
    if (columns == 0) return out;
    const auto rows = std::min<int64_t>(lastStep, static_cast<int64_t>(data.size() / columns) - 1);
    if (rows < 1) return out;  // an empty run: the export writes no row either
    const int32_t stride = files::RunCsvStride(static_cast<int32_t>(rows));
    const int64_t edge = 50LL * stride;
    int odd = 0;
    for (int64_t i = 0; i <= rows; i += stride) {
        const float* row = data.data() + i * static_cast<int64_t>(columns);
        const bool unusual = std::any_of(row, row + files::kRunCsvColumns, [](float x) {
            return !std::isfinite(x) || std::fabs(x) >= 1e5f;
        });
        if (i < edge || i + edge > rows || (i / stride) % 100 == 0 || (unusual && odd++ < 1000)) {
            out.data.insert(out.data.end(), row, row + columns);
            out.steps.push_back(static_cast<int32_t>(i));
        }
    }
    if (out.steps.size() < 2) out.steps.clear();
    return out;
}

// The visible labels of the main window with their captions, by display name. Every page of
// the window is a visible frame, only stacked; a label hidden by its own flag or its group's
// (the thrust boxes of a car with an engine) is never shown.
std::map<std::string, std::string> VisibleCaptions(const ui::Main& form) {
    std::map<std::string, std::string> captions;
    for (const auto& owned : form.AllControls()) {
        const auto* label = dynamic_cast<const platform::Label*>(owned.get());
        if (label != nullptr && label->Shown()) captions[label->DisplayName()] = label->Caption();
    }
    return captions;
}

}  // namespace

void LearnCaptionQuantities(ui::Main& form, CaptionQuantities& known) {
    ui::RefreshAllDisplays();
    const auto before = VisibleCaptions(form);
    for (std::size_t i = 0; i < core::kQuantityCount; ++i) {
        const core::Quantity q = core::QuantityAt(i);
        const uint8_t selected = core::UnitData(q).Index;
        core::ApplyUnitRow(q, selected == 1 ? 0 : 1);  // row 1's factor differs from SI row 0's
        ui::RefreshAllDisplays();
        for (const auto& [name, text] : VisibleCaptions(form)) {
            const auto old = before.find(name);
            if (old != before.end() && old->second != text) known[name].insert(q);
        }
        core::ApplyUnitRow(q, selected);
    }
    ui::RefreshAllDisplays();
}

void Checks::Captions(const ui::Main& form, const std::string& input) {
    for (const auto& [name, text] : VisibleCaptions(form)) {
        const std::string where = "caption " + name;
        const auto figures = Figures(text);
        if (std::any_of(figures.begin(), figures.end(), [](double v) { return !std::isfinite(v); })) {
            Add(input, where, "not a finite figure", text);
            continue;
        }
        const bool curveArea = name == kCurveAreaCaption;
        // The vehicle data page shows the car's own figures as stored: large ones are true.
        const bool ownFigure = name.starts_with("DataLabel(");
        if (HasExponentForm(text) && !curveArea && !ownFigure) Add(input, where, "exponent form", text);
        if (figures.empty()) continue;
        const auto beyond = [&](double min, double max) {
            return std::any_of(figures.begin(), figures.end(),
                               [&](double v) { return v < min || v > max; });
        };
        if (curveArea) {
            const double bound = CurveAreaBound(core::GlobalChassisLab().CurrentVehicle);
            if (figures[0] < 0 || figures[0] > bound * (1 + 1e-6))
                Add(input, where, "curve area beyond the engine's own figures (at most " +
                                      core::DoubleText(bound) + ")", text);
        }
        const auto known = quantities_.find(name);
        if (known != quantities_.end() && !known->second.empty() &&
            std::all_of(known->second.begin(), known->second.end(), NeverNegative) &&
            beyond(0, HUGE_VAL))
            Add(input, where, "negative figure of a quantity that has no sign", text);
        if (const Family* f = FamilyOf(name); f != nullptr && beyond(f->min, f->max))
            Add(input, where, f->problem, text);
        // The fuel load "20 l (40%)": the share of the tank.
        if (name == "Set_LiveLabel(103)" && figures.size() == 2 && (figures[1] < 0 || figures[1] > 100))
            Add(input, where, "share beyond 0..100 %", text);
    }
}

void Checks::RunTables(const std::string& input) {
    const auto& a = analysis::AccelerationCode();
    const auto& d = analysis::DecelerationCode();
    const SampledTable acc = Sample(a.AccData, analysis::kAccColumns, a.AccLastStep);
    const SampledTable dec = Sample(d.DecData, analysis::kDecColumns, d.DecLastStep);
    const struct {
        const char* name;
        const SampledTable& sample;
        std::string csv;
    } tables[] = {
        {"acceleration", acc,
         files::BuildRunCsv({acc.data, analysis::kAccColumns, acc.LastStep(), a.AccTimeStep})},
        {"deceleration", dec,
         files::BuildRunCsv({dec.data, analysis::kDecColumns, dec.LastStep(), d.DecTimeStep})},
    };
    // Cell 0 is the time; table columns 25..28 ("Tyre Traction Limited?") are Yes/No.
    constexpr std::size_t kFirstYesNoCell = 26, kLastYesNoCell = 29;
    const std::string_view sep = core::TextTable().CsvSeparator;
    for (const auto& table : tables) {
        // Two header rows name the cells; the data rows follow, up to an empty line.
        const auto lines = Split(table.csv, "\r\n");
        if (lines.size() < 3) continue;
        const auto row1 = Split(lines[0], sep), row2 = Split(lines[1], sep);
        std::set<std::pair<std::size_t, std::string_view>> seen;  // the first row of each
        for (std::size_t row = 1; row + 1 < lines.size() && !lines[row + 1].empty(); ++row) {
            const auto cells = Split(lines[row + 1], sep);
            for (std::size_t cell = 0; cell <= files::kRunCsvColumns; ++cell) {
                const std::string_view text = cell < cells.size() ? cells[cell] : "";
                const bool yesNo = cell >= kFirstYesNoCell && cell <= kLastYesNoCell;
                const bool plain = text == core::TextTable().YesText ||
                                   text == core::TextTable().NoText ||
                                   text.find_first_not_of(" -+.0123456789E") == std::string::npos;
                const std::string_view problem =
                    text.empty() ? (yesNo && cell < cells.size() ? "" : "not a finite figure")
                    : !plain             ? "not a finite figure"
                    : HasExponentForm(text) ? "exponent form"
                                            : "";
                if (problem.empty() || !seen.insert({cell, problem}).second) continue;
                Add(input,
                    std::string(table.name) + " CSV '" + CellName(row1, row2, cell) + "' (step " +
                        std::to_string(table.sample.steps.at(row - 1)) + ")",
                    std::string(problem), "\"" + std::string(text) + "\"");
            }
        }
    }
}

Checks::DroppedCounts Checks::Dropped(const ui::Main& form) {
    DroppedCounts counts;
    for (const auto& owned : form.AllControls())
        if (const auto* box = dynamic_cast<const platform::PictureBox*>(owned.get()))
            counts[box] = box->Surf().DroppedOps();
    return counts;
}

void Checks::Pictures(const ui::Main& form, const std::string& input,
                          const DroppedCounts& before) {
    for (const auto& [box, dropped] : before)
        if (box->Shown()) Picture(*box, input, "", dropped);
}

void Checks::Picture(const platform::PictureBox& box, const std::string& input,
                         const std::string& view, int droppedBefore) {
    const platform::Surface& s = box.Surf();
    const std::string where = "chart " + box.DisplayName() + (view.empty() ? "" : " (" + view + ")");
    if (s.DroppedOps() > droppedBefore)
        Add(input, where, "drawing operations dropped",
            std::to_string(s.DroppedOps() - droppedBefore) + " ops");
    // Pixels; a pen of a few pixels on the border line may reach a pixel beyond it.
    constexpr double kSlack = 2.0;
    const double w = s.PixelWidth(), h = s.PixelHeight();
    const auto inside = [&](double x, double y) {
        return std::isfinite(x) && std::isfinite(y) && x >= -kSlack && x <= w + kSlack &&
               y >= -kSlack && y <= h + kSlack;
    };
    // The steering plan draws each wheel's direction as a line 8 m long from the wheel's
    // centre (charts/SteeringDiagrams.cpp), a ray the picture's edge cuts by design.
    const bool steeringPlan = box.DisplayName() == "Analysis_SteeringDiagram(0)";
    int off = 0;
    std::ostringstream first;
    for (const platform::DrawOp& op : s.DisplayList()) {
        const bool line = op.kind == platform::DrawOpKind::Line;
        // The grid's last line in each direction lies at or past the chart's edge by design
        // (charts/ChartFrame.hpp), where it is cut away unseen; it shows no figure.
        const bool gridLine = line && op.color == charts::kGrey && (op.x1 == op.x2 || op.y1 == op.y2);
        const bool ray = steeringPlan && line && op.color == charts::kBlue &&
                         (inside(op.x1, op.y1) || inside(op.x2, op.y2));
        // A text by its anchor, the top-left corner: it may be cut at the border like any
        // caption. A circle by its centre: the tyre's side view shows the wheel zoomed in on
        // its contact patch, larger than the picture.
        const bool ok = gridLine || ray ||
                        (inside(op.x1, op.y1) &&
                         (op.kind == platform::DrawOpKind::Circle ? std::isfinite(op.r)
                          : line || op.kind == platform::DrawOpKind::Box ? inside(op.x2, op.y2)
                                                                          : true));
        if (ok || off++ > 0) continue;
        first << (op.kind == platform::DrawOpKind::Text ? "text \"" + op.text + "\" at " : "op at ")
              << "(" << op.x1 << ", " << op.y1 << ")-(" << op.x2 << ", " << op.y2 << ") in " << w
              << " x " << h << " px";
    }
    if (off > 0)
        Add(input, where, "drawn off its chart",
            std::to_string(off) + " of " + std::to_string(s.DisplayList().size()) +
                " ops, first " + first.str());
}

std::string GroupedFindings(const std::vector<Finding>& findings, std::size_t examples) {
    // By problem and place, each group in the order the findings came.
    std::map<std::pair<std::string, std::string>, std::vector<const Finding*>> groups;
    for (const Finding& f : findings) groups[{f.problem, f.where}].push_back(&f);
    std::ostringstream out;
    for (const auto& [key, list] : groups) {
        out << key.first << " at " << key.second << ": " << list.size() << " case"
            << (list.size() == 1 ? "" : "s") << "\n";
        for (std::size_t i = 0; i < list.size() && i < examples; ++i)
            out << "    " << list[i]->input << " -> " << list[i]->shown << "\n";
    }
    return out.str();
}

}  // namespace sweep
