#include "ui/main/menus/MainMenus.hpp"

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "charts/ResizeableGraphCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "platform/Services.hpp"
#include "ui/main/chain/AnalysisChain.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/main/form/Main.hpp"
#include "ui/main/menus/RecentFilesMenu.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/main/menus/VehiclePhoto.hpp"
#include "ui/main/menus/WebLinks.hpp"
#include "ui/readers/DataOutputReader.hpp"
#include "ui/readers/LFSSetupReader.hpp"
#include "ui/tools/About.hpp"
#include "ui/tools/AutoVehEditor.hpp"
#include "ui/tools/replay/DragRaceWindow.hpp"
#include "ui/tools/LanguageSelection.hpp"
#include "ui/tools/calculators/MechCalcs.hpp"
#include "ui/tools/RunDataExport.hpp"
#include "ui/tools/UnitConv.hpp"

namespace ui {

namespace {

// An entry that opens a window: its handler, and enabled.
void Opens(platform::MenuItem& entry, std::function<void()> open) {
    entry.Click = std::move(open);
    entry.SetEnabled(true);
}

void OpenPages(const std::vector<platform::MenuItem*>& entries, std::span<const WebLink> links) {
    for (std::size_t i = 0; i < entries.size() && i < links.size(); ++i) {
        const std::string address = links[i].Address;
        entries[i]->Click = [address] { OpenWebPage(address); };
    }
}

}  // namespace

void Main_HelpUsage_Click(Main& form) {
    (void)form;
    const std::string path = core::GlobalChassisLab().AppDir + "ChassisLab Manual - English.pdf";
    if (files::CheckFile(path) != 1) {
        // Missing or empty: the path says where it was looked for.
        platform::MsgBox("Cannot open manual\r\n" + files::PathInMessage(path),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation,
                         core::TextTable().MsgTitleProblem);
        return;
    }
    OpenWithDesktop(path, "the manual");
}

void InstallMenuHandlers(Main& form) {
    Main* f = &form;
    form.FileOpenSetup->Click = [f] { Main_FileOpenSetup_Click(*f); };
    for (int i = 0; i < static_cast<int>(form.FileOpenRecent.size()); ++i)
        form.FileOpenRecent[i]->Click = [f, i] { Main_FileOpenRecent_Click(*f, i); };
    form.FileSaveSetup->Click = [f] { Main_FileSaveSetup_Click(*f); };
    form.FileSaveAs->Click = [f] { Main_FileSaveAs_Click(*f); };
    form.FileClose->Click = [f] { Main_FileClose_Click(*f); };
    form.FileLoadVehicle->Click = [f] { Main_FileLoadVehicle_Click(*f); };
    form.FileSaveVehicle->Click = [f] { Main_FileSaveVehicle_Click(*f); };
    form.ExportAccelerationData->Click = [f] { Main_ExportAccelerationData_Click(*f); };
    form.ExportDecelerationData->Click = [f] { Main_ExportDecelerationData_Click(*f); };
    form.FileExit->Click = [f] { Main_FileExit_Click(*f); };

    form.OptionsManUpdate->Click = [f] { RecalculateAll(*f); };
    Opens(*form.ToolsRealtimeAcc, [] { ShowDragRaceWindow(); });
    Opens(*form.ToolsLargeGraph, [] { charts::OpenGraphWindow(); });  // eight at most
    Opens(*form.ToolsMechCalcs, [] { ShowMechCalcs(); });
    Opens(*form.ToolsUnitConverter, [] { ShowUnitConv(); });
    Opens(*form.ToolsBinaryReader, [] { ShowDataOutputReader(); });
    Opens(*form.ToolsSetupReader, [] { ShowLFSSetupReader(); });
    Opens(*form.OptionsAutoVeh, [] { ShowAutoVehEditor(); });
    Opens(*form.HelpAbout, [] { ShowAbout(); });
    // The entry stays hidden and disabled: the language files' texts are never applied.
    form.OptionsLanguage->Click = [] { ShowLanguageSelection(); };
    InstallRunDataExport(form);
    form.HelpUsage->Click = [f] { Main_HelpUsage_Click(*f); };

    form.LinksUpdate->Click = [] { CheckForUpdate(false); };
    form.LinksWebsite->Click = [] { OpenWebPage(WebSiteHome()); };
    form.LinksDonation->Click = [] { OpenWebPage(DonationAddress()); };
    form.LinksFeedback->Click = [] { OpenWebPage(FeedbackAddress()); };
    OpenPages(form.LinkCarSpecs, CarSpecLinks());
    OpenPages(form.LinkBikeSpecs, BikeSpecLinks());
    OpenPages(form.LinksSetups, SetupSiteLinks());

    form.VehData_PhotoToggle->Click = [f] { ToggleVehiclePhotoAndTools(*f); };
}

}  // namespace ui
