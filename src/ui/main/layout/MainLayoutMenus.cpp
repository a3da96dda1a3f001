// The main window's menu bar: File, Options, Tools, Help and Links with their captions,
// shortcuts and first states. The handlers are installed by InstallMenuHandlers (MainMenus.cpp);
// entries that open another module's window start disabled and are enabled by that module.
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/WebLinks.hpp"

namespace ui {

namespace {

platform::MenuItem& Entry(platform::MenuItem& menu, const char* name, const char* caption,
                          const char* shortcut = "", bool enabled = true) {
    platform::MenuItem& item = menu.AddItem(name, -1, caption);
    item.SetShortcut(shortcut);
    item.SetEnabled(enabled);
    return item;
}

}  // namespace

void Main::BuildMenus() {
    FileMenu = &AddMenu("FileMenu", "&File");
    FileOpenSetup = &Entry(*FileMenu, "FileOpenSetup", "&Open", "Ctrl+O");
    FileOpenRecentMenu = &Entry(*FileMenu, "FileOpenRecentMenu", "Open Recent");
    for (int i = 0; i < static_cast<int>(FileOpenRecent.size()); ++i) {
        FileOpenRecent[i] =
            &FileOpenRecentMenu->AddItem("FileOpenRecent", i, "File" + std::to_string(i));
        FileOpenRecent[i]->SetVisible(i == 0);
    }
    FileSaveSetup = &Entry(*FileMenu, "FileSaveSetup", "&Save", "Ctrl+S");
    FileSaveAs = &Entry(*FileMenu, "FileSaveAs", "Save &As");
    // Ctrl+W, not Ctrl+X: Ctrl+X cuts text in every box (a gear ratio being typed).
    FileClose = &Entry(*FileMenu, "FileClose", "&Close", "Ctrl+W", false);
    FileUserVehicles = &Entry(*FileMenu, "FileUserVehicles", "User &Vehicles");
    FileLoadVehicle = &Entry(*FileUserVehicles, "FileLoadVehicle", "Load Vehicle Data");
    FileSaveVehicle = &Entry(*FileUserVehicles, "FileSaveVehicle", "Save Vehicle Data");
    FileExport = &Entry(*FileMenu, "FileExport", "&Export");
    // Enabled once the run exports are installed (InstallRunCsvWriter).
    ExportAccelerationData =
        &Entry(*FileExport, "ExportAccelerationData", "Acceleration Data to CSV", "", false);
    ExportDecelerationData =
        &Entry(*FileExport, "ExportDecelerationData", "Deceleration Data to CSV", "", false);
    FileExit = &Entry(*FileMenu, "FileExit", "E&xit Program");

    OptionsMenu = &AddMenu("OptionsMenu", "&Options");
    OptionsTabLinking = &Entry(*OptionsMenu, "OptionsTabLinking", "Use Tab Linking", "F4");
    OptionsTabLinking->SetChecked(true);
    OptionsManUpdate = &Entry(*OptionsMenu, "OptionsManUpdate", "Manual Recalculate", "F5");
    OptionsPreferences =
        &Entry(*OptionsMenu, "OptionsPreferences", "&Preferences", "Ctrl+P", false);
    OptionsAutoVeh = &Entry(*OptionsMenu, "OptionsAutoVeh", "Configure Vehicle Auto-Loading",
                            "Ctrl+A", false);
    // Nothing shows or enables the language entry: the language files' texts are not used.
    OptionsLanguage = &Entry(*OptionsMenu, "OptionsLanguage", "Select &Language", "Ctrl+L", false);
    OptionsLanguage->SetVisible(false);

    ToolsMenu = &AddMenu("ToolsMenu", "&Tools");
    ToolsRealtimeAcc =
        &Entry(*ToolsMenu, "ToolsRealtimeAcc", "Realtime Acceleration Viewer", "Ctrl+R", false);
    ToolsLargeGraph =
        &Entry(*ToolsMenu, "ToolsLargeGraph", "View Resizable Graph Display", "Ctrl+G", false);
    ToolsMechCalcs = &Entry(*ToolsMenu, "ToolsMechCalcs", "Mechanical Calculators", "Ctrl+M", false);
    ToolsUnitConverter = &Entry(*ToolsMenu, "ToolsUnitConverter", "Unit Converter", "Ctrl+U", false);
    ToolsBinaryReader =
        &Entry(*ToolsMenu, "ToolsBinaryReader", "LFS Vehicle Data Output Reader", "", false);
    ToolsSetupReader = &Entry(*ToolsMenu, "ToolsSetupReader", "LFS Vehicle Setup Reader", "", false);

    HelpMenu = &AddMenu("HelpMenu", "&Help");
    HelpUsage = &Entry(*HelpMenu, "HelpUsage", "&Manual", "F1");
    HelpAbout = &Entry(*HelpMenu, "HelpAbout", "&About", "F2", false);

    LinksMenu = &AddMenu("LinksMenu", "&Links");
    LinksUpdate = &Entry(*LinksMenu, "LinksUpdate", "Check for newer versions", "F9");
    LinksWebsite = &Entry(*LinksMenu, "LinksWebsite", "Program Website", "Shift+F9");
    LinksDonation = &Entry(*LinksMenu, "LinksDonation", "Make Donation");
    LinksFeedback = &Entry(*LinksMenu, "LinksFeedback", "Leave Feedback");
    const char* specCaptions[] = {"Car Specification Websites", "Motorbike Specification Websites"};
    for (int i = 0; i <= 1; ++i)
        LinkSpecSites[i] = &LinksMenu->AddItem("LinkSpecSites", i, specCaptions[i]);
    LinkSpecSites[1]->SetVisible(false);  // the motorbike pages are kept but never offered
    LinkSetSites = &Entry(*LinksMenu, "LinkSetSites", "LFS Setup Websites");
    const auto fill = [](platform::MenuItem& menu, const char* name, auto links,
                         std::vector<MenuItem*>& entries) {
        for (std::size_t i = 0; i < links.size(); ++i)
            entries.push_back(&menu.AddItem(name, static_cast<int>(i), links[i].Caption));
    };
    fill(*LinkSpecSites[0], "LinkCarSpecs", CarSpecLinks(), LinkCarSpecs);
    fill(*LinkSpecSites[1], "LinkBikeSpecs", BikeSpecLinks(), LinkBikeSpecs);
    fill(*LinkSetSites, "LinksSetups", SetupSiteLinks(), LinksSetups);
}

}  // namespace ui
