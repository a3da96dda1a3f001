// What the graph routines and the graph-window registry need of a resizable graph window, so
// that neither includes the window itself. The window (ui/graphs) implements it.
//
// Sizes are twips (15 per pixel); the graph id is 0..41, or -1 while the window shows none.
#pragma once

namespace platform {
class PictureBox;
}

namespace charts {

class GraphWindow {
public:
    virtual ~GraphWindow() = default;

    // ---- What a graph routine uses ----
    // The picture box every graph is drawn on; it fills the window.
    virtual platform::PictureBox& LargeGraph() = 0;
    // The window's own inner height (the client area below the menu bar), twips.
    virtual float InnerHeight() const = 0;
    // The id of the graph the window shows; -1 for none.
    virtual int CurrentGraph() const = 0;
    virtual void SetCurrentGraph(int id) = 0;

    // ---- What the registry uses ----
    virtual void ShowWindow() = 0;       // modeless; a closed window comes back blank
    virtual void SetSlot(int slot) = 0;  // the registry slot the window stands in
    virtual void SetDupeMenuEnabled(bool enabled) = 0;  // "Open another graph window"
    virtual void UncheckGraphMenus() = 0;               // every graph item loses its check mark
    virtual void CheckGraphItem(int id) = 0;            // the item of graph id gets it
};

}  // namespace charts
