#include "charts/ResizeableGraphCode.hpp"

#include <array>

#include "charts/GraphWindowRoutines.hpp"

namespace charts {

namespace {

constexpr std::array<GraphGroupRange, kGraphGroupCount> kGroups{{
    {0, 1}, {1, 1}, {2, 10}, {12, 5}, {17, 3}, {20, 2}, {22, 2}, {24, 5}, {29, 3}, {32, 10},
}};

using DrawRoutine = void (*)(int16_t, GraphWindow&);
constexpr std::array<DrawRoutine, kGraphGroupCount> kRoutines{
    DrawPowerTorqueGraph, DrawCornerMassesGraph, DrawDecelerationGraph, DrawSpringGraph,
    DrawDamperGraph,      DrawSteeringGraph,     DrawDrivetrainGraph,   DrawTyreGraph,
    DrawAeroGraph,        DrawAccelerationGraph,
};

}  // namespace

GraphGroupRange GroupRange(GraphGroup group) { return kGroups[static_cast<std::size_t>(group)]; }

bool GroupOfGraph(int id, GraphGroup& group) {
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        if (kGroups[g].Holds(id)) {
            group = static_cast<GraphGroup>(g);
            return true;
        }
    }
    return false;
}

ResizeableGraphCodeState& ResizeableGraphCode() {
    static ResizeableGraphCodeState state;
    return state;
}

void ResetResizeableGraphCode() {
    auto& r = ResizeableGraphCode();
    auto source = std::move(r.WindowForSlot);
    r = ResizeableGraphCodeState{};
    r.WindowForSlot = std::move(source);
}

void OpenGraphWindow() {
    auto& r = ResizeableGraphCode();
    if (!r.WindowForSlot) return;
    int slot = -1;
    if (r.OpenGraphWindowCount != r.GraphWindowSlotCount) {
        for (int i = 0; i < r.GraphWindowSlotCount; ++i) {
            if (!core::FromVbBool(r.GraphWindows[i].InUse)) {
                slot = i;
                break;
            }
        }
    } else if (r.GraphWindowSlotCount >= kMaxGraphWindows) {
        UpdateGraphWindowMenus();
        return;
    } else {
        slot = r.GraphWindowSlotCount;
        r.GraphWindows.emplace_back();
        ++r.GraphWindowSlotCount;
    }
    if (slot < 0) return;  // the counts disagree with the slots: open nothing
    // A closed window comes back as a fresh one; showing it raises its resize while it is
    // still blank, before it knows its slot.
    GraphWindow& window = r.WindowForSlot(slot);
    r.GraphWindows[slot].Window = &window;
    window.ShowWindow();
    window.SetSlot(slot);
    GraphWindowSlot& s = r.GraphWindows[slot];
    s.InUse = core::VbTrue;
    s.OpenedAt = ++r.OpenCounter;
    ++r.OpenGraphWindowCount;
    UpdateGraphWindowMenus();
}

void UpdateGraphWindowMenus() {
    auto& r = ResizeableGraphCode();
    uint32_t best = 0;
    for (int i = 0; i < r.GraphWindowSlotCount; ++i) {
        const GraphWindowSlot& s = r.GraphWindows[i];
        if (core::FromVbBool(s.InUse) && s.OpenedAt > best) {
            best = s.OpenedAt;
            r.NewestGraphWindow = static_cast<uint8_t>(i);
        }
    }
    const bool more = r.OpenGraphWindowCount < kMaxGraphWindows;
    for (const GraphWindowSlot& s : r.GraphWindows) {
        if (s.Window && (core::FromVbBool(s.InUse) || !more)) s.Window->SetDupeMenuEnabled(more);
    }
}

void GraphWindowClosed(int slot) {
    auto& r = ResizeableGraphCode();
    // Only an open slot of the registry counts, so the count can never run below the slots
    // actually in use.
    if (slot < 0 || slot >= r.GraphWindowSlotCount) return;
    GraphWindowSlot& s = r.GraphWindows[slot];
    if (!core::FromVbBool(s.InUse)) return;
    s.InUse = core::VbFalse;
    --r.OpenGraphWindowCount;
    UpdateGraphWindowMenus();
}

GraphWindow* OpenGraphWindowAt(int slot) {
    auto& r = ResizeableGraphCode();
    if (slot < 0 || slot >= r.GraphWindowSlotCount) return nullptr;
    const GraphWindowSlot& s = r.GraphWindows[slot];
    return core::FromVbBool(s.InUse) ? s.Window : nullptr;
}

void UncheckGraphMenus(GraphWindow& window) { window.UncheckGraphMenus(); }

void DrawGroupGraph(GraphGroup group, int16_t index, GraphWindow& window) {
    kRoutines[static_cast<std::size_t>(group)](index, window);
}

void ShowGraphItem(GraphGroup group, int16_t index, GraphWindow& window) {
    const GraphGroupRange range = GroupRange(group);
    if (index < 0 || index >= range.Count) return;
    window.UncheckGraphMenus();
    window.CheckGraphItem(range.FirstId + index);
    DrawGroupGraph(group, index, window);
}

void ShowGraphInNewestWindow(GraphGroup group, int16_t index) {
    auto& r = ResizeableGraphCode();
    if (r.OpenGraphWindowCount == 0) OpenGraphWindow();
    if (GraphWindow* target = OpenGraphWindowAt(r.NewestGraphWindow)) {
        ShowGraphItem(group, index, *target);
    }
}

void RefreshGraphWindows(GraphGroup group) {
    RefreshGraphWindows(group, 0, static_cast<int16_t>(GroupRange(group).Count - 1));
}

void RefreshGraphWindows(GraphGroup group, int16_t firstItem, int16_t lastItem) {
    auto& r = ResizeableGraphCode();
    if (r.OpenGraphWindowCount == 0) return;
    const int16_t first = GroupRange(group).FirstId;
    for (int i = 0; i < r.GraphWindowSlotCount; ++i) {
        GraphWindow* w = OpenGraphWindowAt(i);
        if (!w) continue;
        const int item = w->CurrentGraph() - first;
        if (item >= firstItem && item <= lastItem && item < GroupRange(group).Count && item >= 0) {
            DrawGroupGraph(group, static_cast<int16_t>(item), *w);
        }
    }
}

}  // namespace charts
