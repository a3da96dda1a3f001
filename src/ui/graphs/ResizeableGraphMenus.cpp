// The graph window's menu bar as designed: the View menu with one submenu per graph group and
// its items in id order, "Open another graph window", and the two hidden bookkeeping entries.
#include <array>
#include <string>
#include <vector>

#include "ui/graphs/ResizeableGraphWindow.hpp"

namespace ui {

namespace {

struct GroupMenu {
    const char* arrayName;
    const char* caption;
    std::vector<const char*> items;  // "&&" shows as one "&"
};

// In the order of charts::GraphGroup.
const std::array<GroupMenu, charts::kGraphGroupCount>& GroupMenus() {
    static const std::array<GroupMenu, charts::kGraphGroupCount> menus{{
        {"DataMenuItem", "Data", {"Power && Torque Graph"}},
        {"PhysMenuItem", "Physical", {"Corner Masses Chart"}},
        {"DecMenuItem",
         "Deceleration",
         {"Brake vs Time Graph", "Engine Ang. Vel. vs Time Graph", "Gear vs Time Graph",
          "Forces vs Time Graph", "Acceleration vs Time Graph", "Speed vs Time Graph",
          "Distance vs Time Graph", "Spring Deflection vs Time Graph",
          "Tyre Deformation vs Time Graph", "Brake Balance vs Time Graph"}},
        {"SpringMenuItem",
         "Springs",
         {"Spring Loads Chart", "Spring Deflection Chart", "Suspension Roll Stiffness Diagram",
          "Vehicle Roll Diagram", "Vehicle Pitch Diagram"}},
        {"DamperMenuItem",
         "Damping",
         {"Drop Response Graph", "Push Response Graph", "Live Response Graph"}},
        {"SteeringMenuItem", "Steering", {"Steering Diagram", "Camber Diagram"}},
        {"DTMenuItem",
         "Drive-train",
         {"Engine Rotational Velocity vs Vehicle Speed Graph",
          "Wheel Rotational Velocity vs Wheel Torque Graph"}},
        {"TyreMenuItem",
         "Tyres",
         {"Side-On Tyre Diagram (FL)", "Side-On Tyre Diagram (FR)", "Side-On Tyre Diagram (RL)",
          "Side-On Tyre Diagram (RR)", "Contact Patch Diagram"}},
        {"AeroMenuItem",
         "Aerodynamics",
         {"Drag Force vs Speed Graph", "Lift Force vs Speed Graph", "Aero Loads Chart"}},
        {"AccMenuItem",
         "Acceleration",
         {"Throttle vs Time Graph", "Engine Ang. Vel. vs Time Graph", "Gear vs Time Graph",
          "Forces vs Time Graph", "Acceleration vs Time Graph", "Speed vs Time Graph",
          "Distance vs Time Graph", "Spring Deflection vs Time Graph",
          "Tyre Deformation vs Time Graph", "Fuel vs Time Graph"}},
    }};
    return menus;
}

}  // namespace

void ResizeableGraphWindow::BuildMenus() {
    ViewMenu = &AddMenu("ViewMenu", "View");
    for (int g = 0; g < charts::kGraphGroupCount; ++g) {
        const auto group = static_cast<charts::GraphGroup>(g);
        const GroupMenu& design = GroupMenus()[g];
        MenuItem& sub = ViewMenu->AddItem("SubMenu", g, design.caption);
        SubMenu.Put(g, sub);
        Array<MenuItem>& items = GroupItems(group);
        for (int k = 0; k < static_cast<int>(design.items.size()); ++k) {
            MenuItem& item = sub.AddItem(design.arrayName, k, design.items[k]);
            items.Put(k, item);
            item.Click = [this, group, k] { GraphMenuItem_Click(group, k); };
        }
    }
    DupeMenu = &AddMenu("DupeMenu", "Open another graph window");
    DupeMenu->Click = [this] { DupeMenu_Click(); };
    CurrentGraphEntry = &AddMenu("CurrentGraph", "-1");
    CurrentGraphEntry->SetVisible(false);
    RGWTag = &AddMenu("RGWTag", "RGWTag");
    RGWTag->SetVisible(false);
}

ResizeableGraphWindow::Array<platform::MenuItem>& ResizeableGraphWindow::GroupItems(
    charts::GraphGroup group) {
    switch (group) {
        case charts::GraphGroup::Data: return DataMenuItem;
        case charts::GraphGroup::Physical: return PhysMenuItem;
        case charts::GraphGroup::Deceleration: return DecMenuItem;
        case charts::GraphGroup::Springs: return SpringMenuItem;
        case charts::GraphGroup::Damping: return DamperMenuItem;
        case charts::GraphGroup::Steering: return SteeringMenuItem;
        case charts::GraphGroup::Drivetrain: return DTMenuItem;
        case charts::GraphGroup::Tyres: return TyreMenuItem;
        case charts::GraphGroup::Aero: return AeroMenuItem;
        case charts::GraphGroup::Acceleration: break;
    }
    return AccMenuItem;
}

}  // namespace ui
