#include "ui/graphs/ResizeableGraphWindow.hpp"

#include <algorithm>
#include <string>

#include "core/Numbers.hpp"
#include "platform/Controls.hpp"

namespace ui {

namespace {

constexpr int kTwips = platform::kTwipsPerPixel;
// Pixels that hold at least the given twips.
constexpr int PixelsFor(int twips) { return (twips + kTwips - 1) / kTwips; }
constexpr int kDesignClientWidth = PixelsFor(6555);
constexpr int kDesignClientHeight = PixelsFor(4230);
constexpr int kMinWidth = PixelsFor(kGraphWindowMinWidthTwips);
constexpr int kMinHeight = PixelsFor(kGraphWindowMinHeightTwips);
// The picture box ends 4 twips above the bottom of the client area.
constexpr int kBottomGapTwips = 4;
// New windows are placed down and to the right of each other by slot, so none hides another.
constexpr int kCascadeStep = 24;

int ParseWhole(const std::string& text) { return core::CInt(core::Val(text)); }

}  // namespace

ResizeableGraphWindow::ResizeableGraphWindow() : platform::Form("ResizeableGraphWindow") {
    SetCaption("Resizeable Graph Display");
    SetClientSize(kDesignClientWidth, kDesignClientHeight);
    SetResizable(true);
    SetClosesOnEscape(true);
    SetMinimumSize(kMinWidth, kMinHeight);
    largeGraph_ = &Create<platform::PictureBox>("LargeGraph");
    largeGraph_->SetBackColor(platform::RGB(255, 255, 255));
    largeGraph_->Move(0, 0, ClientWidth(), ClientHeight());
    BuildMenus();
    Resize = [this] { Form_Resize(); };
    UnloadEvent = [this](bool& cancel) { Form_Unload(cancel); };
}

int ResizeableGraphWindow::Slot() const {
    const std::string& tag = RGWTag->Caption();
    return tag == "RGWTag" ? -1 : ParseWhole(tag);
}

float ResizeableGraphWindow::InnerHeight() const {
    return static_cast<float>(ClientHeight() * kTwips);
}

int ResizeableGraphWindow::CurrentGraph() const { return ParseWhole(CurrentGraphEntry->Caption()); }

void ResizeableGraphWindow::SetCurrentGraph(int id) { CurrentGraphEntry->SetCaption(std::to_string(id)); }

void ResizeableGraphWindow::SetSlot(int slot) { RGWTag->SetCaption(std::to_string(slot)); }

void ResizeableGraphWindow::SetDupeMenuEnabled(bool enabled) { DupeMenu->SetEnabled(enabled); }

void ResizeableGraphWindow::UncheckGraphMenus() {
    for (int g = 0; g < charts::kGraphGroupCount; ++g) {
        GroupItems(static_cast<charts::GraphGroup>(g)).ForEach([](int, MenuItem& m) {
            m.SetChecked(false);
        });
    }
}

void ResizeableGraphWindow::CheckGraphItem(int id) {
    charts::GraphGroup group;
    if (!charts::GroupOfGraph(id, group)) return;
    GroupItems(group)(id - charts::GroupRange(group).FirstId).SetChecked(true);
}

void ResizeableGraphWindow::GraphMenuItem_Click(charts::GraphGroup group, int index) {
    charts::ShowGraphItem(group, static_cast<int16_t>(index), *this);
}

void ResizeableGraphWindow::DupeMenu_Click() { charts::OpenGraphWindow(); }

void ResizeableGraphWindow::Form_Resize() {
    // The smallest size holds for a normal window only: a minimised or maximised one has
    // the size the desktop gives it. Setting the size raises this event again.
    const platform::WindowState state = WindowState();
    if (state == platform::WindowState::Normal) {
        if (Width() * kTwips < kGraphWindowMinWidthTwips) {
            SetSize(kMinWidth, Height());
            return;
        }
        if (Height() * kTwips < kGraphWindowMinHeightTwips) {
            SetSize(Width(), kMinHeight);
            return;
        }
    }
    if (state == platform::WindowState::Minimized) return;  // nothing to see or draw
    const int height = (ClientHeight() * kTwips - kBottomGapTwips) / kTwips;
    largeGraph_->Move(0, 0, ClientWidth(), std::max(0, height));
    charts::GraphGroup group;
    const int id = CurrentGraph();
    if (charts::GroupOfGraph(id, group)) {
        GraphMenuItem_Click(group, id - charts::GroupRange(group).FirstId);
    }
}

void ResizeableGraphWindow::Form_Unload(bool& cancel) {
    cancel = false;  // a graph window always closes
    charts::GraphWindowClosed(Slot());
}

// ---- The windows by slot --------------------------------------------------------------------

ResizeableGraphWindowState& ResizeableGraphWindows() {
    static ResizeableGraphWindowState state;
    return state;
}

void InstallGraphWindows() {
    charts::ResizeableGraphCode().WindowForSlot = [](int slot) -> charts::GraphWindow& {
        auto& windows = ResizeableGraphWindows().Windows;
        const bool fresh = windows.Peek(slot) == nullptr || windows.Peek(slot)->WasUnloaded();
        ResizeableGraphWindow& w = windows.Get(static_cast<std::size_t>(slot));
        if (fresh) {
            const int offset = kCascadeStep * slot;
            w.Move(w.Left() + offset, w.Top() + offset, w.Width(), w.Height());
        }
        return w;
    };
}

void ResetGraphWindows() {
    charts::ResetResizeableGraphCode();
    ResizeableGraphWindows().Windows.Reset();
}

}  // namespace ui
