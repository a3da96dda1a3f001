// The resizable graph window: one picture box (LargeGraph) filling the window, on which the
// graph chosen from the View menu is drawn at the window's size, and redrawn when the window
// is resized or the analysis behind it is recomputed. Up to eight are open at once; the
// registry (charts/ResizeableGraphCode) opens them, each in its own slot.
//
// The window keeps its graph id and its slot number as the texts of two hidden menu entries,
// CurrentGraph ("-1": no graph yet) and RGWTag.
//
// Program-wide state of this unit: ResizeableGraphWindows(), the windows by slot.
#pragma once

#include <array>
#include <string>

#include "charts/GraphWindow.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "platform/Form.hpp"

namespace ui {

class ResizeableGraphWindow : public platform::Form, public charts::GraphWindow {
public:
    ResizeableGraphWindow();

    using MenuItem = platform::MenuItem;
    template <typename T>
    using Array = platform::ControlArray<T>;

    // ---- Menus ----
    MenuItem* ViewMenu = nullptr;  // "View"
    Array<MenuItem> SubMenu;       // 0..9, one per graph group, in id order
    Array<MenuItem> DataMenuItem;
    Array<MenuItem> PhysMenuItem;
    Array<MenuItem> DecMenuItem;
    Array<MenuItem> SpringMenuItem;
    Array<MenuItem> DamperMenuItem;
    Array<MenuItem> SteeringMenuItem;
    Array<MenuItem> DTMenuItem;
    Array<MenuItem> TyreMenuItem;
    Array<MenuItem> AeroMenuItem;
    Array<MenuItem> AccMenuItem;
    MenuItem* DupeMenu = nullptr;           // "Open another graph window"
    MenuItem* CurrentGraphEntry = nullptr;  // hidden: the graph id shown, "-1" for none
    MenuItem* RGWTag = nullptr;             // hidden: the registry slot

    // The items of a group's menu array.
    Array<MenuItem>& GroupItems(charts::GraphGroup group);
    // The slot number written by the registry (RGWTag); -1 before the window was opened.
    int Slot() const;

    // ---- Handlers ----
    // What a click on item `index` of a group does: uncheck all, check it, draw it.
    void GraphMenuItem_Click(charts::GraphGroup group, int index);
    void DupeMenu_Click();
    void Form_Resize();
    void Form_Unload(bool& cancel);

    // ---- charts::GraphWindow ----
    platform::PictureBox& LargeGraph() override { return *largeGraph_; }
    float InnerHeight() const override;
    int CurrentGraph() const override;
    void SetCurrentGraph(int id) override;
    void ShowWindow() override { Show(); }
    void SetSlot(int slot) override;
    void SetDupeMenuEnabled(bool enabled) override;
    void UncheckGraphMenus() override;
    void CheckGraphItem(int id) override;

private:
    void BuildMenus();
    platform::PictureBox* largeGraph_ = nullptr;
};

// Designed client area 6555 x 4230 twips; the smallest normal window 3000 x 2000 twips.
inline constexpr int kGraphWindowMinWidthTwips = 3000;
inline constexpr int kGraphWindowMinHeightTwips = 2000;

struct ResizeableGraphWindowState {
    platform::FormSlots<ResizeableGraphWindow> Windows;
};
ResizeableGraphWindowState& ResizeableGraphWindows();

// Makes the registry open these windows. The main window does it once when it is built.
void InstallGraphWindows();
// Drops every graph window and the registry's slots (tests; the window source stays).
void ResetGraphWindows();

}  // namespace ui
