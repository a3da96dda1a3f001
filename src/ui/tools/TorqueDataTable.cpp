#include "ui/tools/TorqueDataTable.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/GlobalChassisLab.hpp"
#include "core/GlobalShared.hpp"
#include "core/OptionsSettings.hpp"
#include "ui/main/displays/EngineDisplays.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {

namespace {

// Sizes of the window's layout, twips. The smallest size is the window's outer size, frame
// included; the table fills the client area below the two boxes, 4 pixels from its edges.
constexpr int kMinWidth = 4000;
constexpr int kMinHeight = 3000;
constexpr int kTableMarginX = 120;   // client width less table width
constexpr int kTableMarginY = 660;   // client height less table height (the boxes above it)
constexpr int kColumnsMargin = 260;  // table width not shared among the columns
constexpr int kTwips = platform::kTwipsPerPixel;

constexpr float kMinStep = 5.0f;   // rad/s
constexpr int32_t kMaxRows = 201;  // rows 0 to 200

struct TorqueTableState {
    platform::FormHolder<TorqueDataTable> Holder;
};
TorqueTableState& TorqueTable() {
    static TorqueTableState state;
    return state;
}

int ToTwips(int pixels) { return pixels * kTwips; }
int ToPixels(int twips) { return (twips + kTwips / 2) / kTwips; }

// The table belongs to the main window, above which it stays, and opens beside the editor's
// Drive-train page, whose engine boxes and plot the person works in while watching it: to the
// right of the page (over the analysis area, which the editor covers), level with the page's
// top. The page's place on the screen is its place in the main window's client area plus the
// client area's corner, which lies at most the window's frame, menu bar and scroll bars from
// its outer corner: counting all of them to the left and above, the table clears the page
// whatever the frame is like.
void PlaceBesideEditor(TorqueDataTable& window, Main& main) {
    platform::Control* page = &main.DataPage(1);
    int right = page->Width(), top = 0;  // of the page, in the main window's client area
    for (platform::Control* c = page; c != nullptr;
         c = c->Parent() != nullptr ? c->Parent()->AsControl() : nullptr) {
        right += c->Left();
        top += c->Top();
    }
    window.SetOwner(&main);
    window.Move(main.Left() + main.Width() - main.ClientWidth() + right,
                main.Top() + main.Height() - main.ClientHeight() + top, window.Width(),
                window.Height());
}

// The row (1-based) that lists `speed`, or 0: the row nearest to it, when nearer than
// `tolerance` (rad/s), half the last digit the table shows. The same speed reached by another
// start and step (1000 rpm + 50 x 100 rpm, 2000 rpm + 80 x 50 rpm) is another Single in its
// last bits, so an exact match would miss it; and speeds closer than the table can show are
// one speed to the person reading it. Where two rows are that close (whole rps, 0.8 rps apart
// at the smallest step) the nearer one is it.
int RowOfSpeed(const std::vector<float>& rowSpeeds, float speed, double tolerance) {
    int row = 0;
    double nearest = tolerance;
    for (std::size_t i = 0; i < rowSpeeds.size(); ++i) {
        const double off = std::fabs(static_cast<double>(rowSpeeds[i]) - speed);
        if (off < nearest) {
            nearest = off;
            row = static_cast<int>(i) + 1;
        }
    }
    return row;
}

}  // namespace

TorqueTableLayout LayoutTorqueTable(int windowWidth, int windowHeight, int clientWidth,
                                    int clientHeight, int columnCount) {
    TorqueTableLayout out;
    if (windowWidth < kMinWidth) {
        out.snapWidth = kMinWidth;
        return out;
    }
    if (windowHeight < kMinHeight) {
        out.snapHeight = kMinHeight;
        return out;
    }
    out.tableWidth = clientWidth - kTableMarginX;
    out.tableHeight = clientHeight - kTableMarginY;
    if (columnCount > 0)
        out.columnWidth = core::CInt(static_cast<double>(out.tableWidth - kColumnsMargin) / columnCount);
    return out;
}

TorqueDataTable::TorqueDataTable() : platform::Form("TorqueDataTable") {
    SetClosesOnEscape(true);
    SetCaption("Engine Torque Curve Data Table");
    SetResizable(true);
    SetSize(ToPixels(5000), ToPixels(5400));  // placed when it opens (PlaceBesideEditor)

    auto& start = CreateIn(TorqueDataLabel, "TorqueDataLabel", 0);
    start.Move(8, 14, 40, 18);
    start.SetCaption("Start:");
    StartRevsText = &Create<platform::TextBox>("StartRevsText");
    StartRevsText->Move(50, 10, 60, 22);
    StartRevsText->SetMaxLength(4);
    auto& step = CreateIn(TorqueDataLabel, "TorqueDataLabel", 1);
    step.Move(124, 14, 36, 18);
    step.SetCaption("Step:");
    UnitStepText = &Create<platform::TextBox>("UnitStepText");
    UnitStepText->Move(162, 10, 60, 22);
    UnitStepText->SetMaxLength(4);
    UnitStepText->SetText("250");

    DataTable = &Create<platform::ListView>("DataTable");
    DataTable->Move(4, 40, ClientWidth() - ToPixels(kTableMarginX),
                    ClientHeight() - ToPixels(kTableMarginY));
    for (const char* heading : {"RPM", "Torque", "Torque (%)", "Power"})
        DataTable->AddColumn(heading, 80);
    RowSpeeds.reserve(kMaxRows);
    DataTable->ItemClick = [this](int item) {
        if (item >= 1 && item <= static_cast<int>(RowSpeeds.size()))
            PickedSpeed = RowSpeeds[static_cast<std::size_t>(item - 1)];
    };

    Load = [] { platform::Raise(TorqueDataTableHooks().PreviewEngine); };
    StartRevsText->Change = [] {
        if (!core::FromVbBool(EngineDisplays().TorqueTableFilling))
            platform::Raise(TorqueDataTableHooks().PreviewEngine);
    };
    UnitStepText->Change = [] { platform::Raise(TorqueDataTableHooks().PreviewEngine); };
    Resize = [this] { Layout(); };
    UnloadEvent = [](bool&) { EngineDisplays().TorqueTableOpen = core::VbFalse; };
}

void TorqueDataTable::Layout() {
    const TorqueTableLayout l =
        LayoutTorqueTable(ToTwips(Width()), ToTwips(Height()), ToTwips(ClientWidth()),
                          ToTwips(ClientHeight()), static_cast<int>(DataTable->Columns().size()));
    // Growing the window resizes it again.
    if (l.snapWidth) return SetSize(ToPixels(*l.snapWidth), Height());
    if (l.snapHeight) return SetSize(Width(), ToPixels(*l.snapHeight));
    DataTable->SetWidth(ToPixels(l.tableWidth));
    DataTable->SetHeight(ToPixels(l.tableHeight));
    if (l.columnWidth <= 0) return;
    // The list's columns are re-made at their new width, keeping the rows.
    std::vector<platform::ListColumn> columns = DataTable->Columns();
    DataTable->ClearColumns();
    for (const auto& c : columns) DataTable->AddColumn(c.text, ToPixels(l.columnWidth));
}

TorqueDataTableLinks& TorqueDataTableHooks() {
    static TorqueDataTableLinks links;
    return links;
}

void ShowTorqueDataTable() {
    Main* main = core::GlobalChassisLab().MainForm;
    if (main == nullptr) return;
    EngineDisplays().TorqueTableOpen = core::VbTrue;
    TorqueDataTable& window = TorqueTable().Holder.Get();
    if (!window.Loaded()) PlaceBesideEditor(window, *main);
    window.Show();
    window.BringToFront();
}

void CloseTorqueDataTable() {
    if (TorqueTable().Holder.IsLoaded()) TorqueTable().Holder.Peek()->Unload();
}

void ResetTorqueDataTable() {
    CloseTorqueDataTable();
    TorqueTable().Holder.Reset();
}

TorqueDataTable* OpenTorqueDataTable() {
    auto& holder = TorqueTable().Holder;
    return holder.IsLoaded() ? holder.Peek() : nullptr;
}

void FillTorqueDataTable(vehicle::EngineRecord& engine) {
    TorqueDataTable* window = OpenTorqueDataTable();
    if (window == nullptr) return;
    const auto& u = core::OptionsSettings();
    const double factor = u.UnitFactorARV;

    float step = static_cast<float>(core::TypedVal(window->UnitStepText->Text()) / factor);
    if (!(step >= kMinStep)) step = kMinStep;  // also for a step that is no number
    if (window->StartRevsText->Text().empty()) {
        const float idle = static_cast<float>(engine.IdleSpeed * factor);
        window->StartRevsText->SetText(core::SingleText(core::RoundToSigFigs(
            idle, static_cast<uint8_t>(window->StartRevsText->MaxLength()))));
    }
    float start = static_cast<float>(core::TypedVal(window->StartRevsText->Text()) / factor);
    if (start < engine.IdleSpeed) start = engine.IdleSpeed;
    if (start > engine.PowerPeakSpeed) start = engine.PowerPeakSpeed;
    if (start > engine.LimitSpeed) start = engine.LimitSpeed;
    const int32_t last =
        std::min(core::CLng((engine.LimitSpeed - start) / step), kMaxRows - 1);

    platform::ListView& table = *window->DataTable;
    table.ClearItems();
    window->RowSpeeds.clear();
    const std::string& speedSuffix = core::UnitSuffix(core::Quantity::ARV);
    const std::string& torqueSuffix = core::UnitSuffix(core::Quantity::Torque);
    const std::string& powerSuffix = core::UnitSuffix(core::Quantity::Power);
    for (int32_t i = 0; i <= last; ++i) {
        float w = start + static_cast<float>(i) * step;
        if (w > engine.LimitSpeed) w = engine.LimitSpeed;
        engine.Speed = w;
        const float t = vehicle::GetEngineTorque(engine);
        const float p = w * t / 1000.0f;  // kW
        const int row = table.AddItem(
            core::RoundedText(static_cast<float>(w * factor), u.UnitDecimalsARV) + speedSuffix);
        table.SetSubItem(row, 1,
                         core::RoundedText(static_cast<float>(t * u.UnitFactorTorque),
                                           u.UnitDecimalsTorque + 1) + torqueSuffix);
        table.SetSubItem(row, 2, core::RoundedText(t / engine.PeakTorque * 100.0f, 1) + "%");
        table.SetSubItem(row, 3,
                         core::RoundedText(static_cast<float>(p * u.UnitFactorPower),
                                           u.UnitDecimalsPower + 1) + powerSuffix);
        window->RowSpeeds.push_back(w);
        if (w == engine.LimitSpeed) break;
    }

    // Selecting from code raises no ItemClick: the picked speed stays as the person picked it.
    if (window->PickedSpeed) {
        const double halfDigit = 0.5 * std::pow(10.0, -u.UnitDecimalsARV) / factor;
        if (const int row = RowOfSpeed(window->RowSpeeds, *window->PickedSpeed, halfDigit))
            table.SetSelected(row, true);
    }
}

}  // namespace ui
