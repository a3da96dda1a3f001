#include "ui/tools/AutoVehEditor.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "files/FileMessages.hpp"
#include "files/ListFiles.hpp"

namespace ui {
namespace {

struct AutoVehEditorModule {
    platform::FormHolder<AutoVehEditor> Holder;
};

AutoVehEditorModule& Module() {
    static AutoVehEditorModule m;
    return m;
}

constexpr int kButtonLeft = 268, kButtonWidth = 116, kButtonHeight = 25;
// Refused files the message names before "and N more.": each refusal takes a line or two, so
// a choice of hundreds of files still gives a message that fits a laptop's screen.
constexpr std::size_t kRefusalsNamed = 12;

}  // namespace

AutoVehEditor::AutoVehEditor() : platform::Form("AutoVehEditor") {
    SetClosesOnEscape(true);
    SetCaption("Configure Vehicle Auto-Loading");
    SetClientSize(392, 300);
    VehAutoList = &Create<platform::ListView>("VehAutoList");
    VehAutoList->Move(8, 8, 252, 284);
    VehAutoList->AddColumn("Vehicle Preset", 230);
    VehAutoList->SetMultiSelect(true);

    int top = 8;
    auto button = [&](platform::CommandButton*& member, const char* name, const char* caption,
                      int gapAfter) {
        member = &Create<platform::CommandButton>(name);
        member->Move(kButtonLeft, top, kButtonWidth, kButtonHeight);
        member->SetCaption(caption);
        top += kButtonHeight + gapAfter;
    };
    button(AutoVehAdd, "AutoVehAdd", "Add Vehicle(s)", 16);
    button(AutoVehMoveUp, "AutoVehMoveUp", "\u2191", 4);
    button(AutoVehMoveDown, "AutoVehMoveDown", "\u2193", 16);
    button(AutoVehRemoveSelected, "AutoVehRemoveSelected", "Remove Selected", 4);
    button(AutoVehRemoveMissing, "AutoVehRemoveMissing", "Remove Missing", 16);
    button(AutoVehLoad, "AutoVehLoad", "Reset List", 4);
    button(AutoVehSave, "AutoVehSave", "Save List", 4);

    AutoVehAdd->Click = [this] { AddVehicles(); };
    AutoVehMoveUp->Click = [this] { MoveUp(); };
    AutoVehMoveDown->Click = [this] { MoveDown(); };
    AutoVehRemoveSelected->Click = [this] { RemoveSelected(); };
    AutoVehRemoveMissing->Click = [this] { RemoveMissing(); };
    AutoVehLoad->Click = [this] { LoadList(); };
    AutoVehSave->Click = [this] { SaveList(); };
    // The start has told of a list it could not read: opening, the window says no more of it.
    Load = [this] { LoadList(files::ListProblemTelling::UnlessTold); };
}

void AutoVehEditor::LoadList(files::ListProblemTelling telling) {
    files::AutoVehicleListRead list = files::ReadAutoVehicleList(telling);
    // A list that was not read is never saved over: its vehicles are not among the entries.
    // No list at all (problem empty) is no loss.
    unreadProblem_ = std::move(list.problem);
    if (list.read != files::TextFileRead::Read) return;
    VehAutoList->ClearItems();
    for (const std::string& e : list.entries) VehAutoList->AddItem(e);
}

bool AutoVehEditor::SaveList() {
    if (unreadProblem_.empty()) return files::SaveAutoVehicleList(Entries());
    files::ShowFileProblem(
        "The list was not saved: the start-up list could not be read, so saving would replace "
        "the vehicles it names with the list shown.\r\n" +
        unreadProblem_ +
        "\r\nOnce the file can be read, Reset List loads its vehicles and the list can be saved.");
    return false;
}

void AutoVehEditor::AddVehicles() {
    const auto& t = core::TextTable();
    platform::FileDialogRequest request;
    request.title = t.DlgTitleOpenVehicle;
    request.filter = t.DlgFilterVehicle;
    request.initialFolder = core::GlobalChassisLab().VehiclesDir;
    request.multiSelect = true;
    // The one multiple-selection use of the dialog, so it reads every returned path itself.
    const platform::FileDialogResult chosen = platform::Services().fileDialogs->Open(request);
    if (chosen.cancelled || chosen.errorNumber == platform::kCancelErrorNumber) return;
    if (chosen.errorNumber != 0) {
        platform::MsgBox("Error " + std::to_string(chosen.errorNumber) + "\r\n" +
                         chosen.errorDescription);
        return;
    }
    // A file the start-up would never load from its entry is not listed; one message says
    // which and why.
    std::vector<std::string> refused;
    for (const std::string& path : chosen.paths) {
        if (path.empty()) continue;
        const files::AutoVehicleChoice choice = files::CheckAutoVehicleChoice(path, Entries());
        if (choice.refusal.empty())
            VehAutoList->AddItem(choice.entry);
        else
            refused.push_back(choice.refusal);
    }
    if (refused.empty()) return;
    files::ShowFileProblem(
        "Not added to the list:\r\n" +
        files::NamedFilesText(refused.size(), [&refused](std::size_t i) { return refused[i]; },
                              kRefusalsNamed));
}

void AutoVehEditor::SwapItems(int a, int b) {
    const std::string text = VehAutoList->Item(a).text;
    VehAutoList->SetItemText(a, VehAutoList->Item(b).text);
    VehAutoList->SetItemText(b, text);
    const bool selectedA = VehAutoList->Item(a).selected;
    VehAutoList->SetSelected(a, VehAutoList->Item(b).selected);
    VehAutoList->SetSelected(b, selectedA);
}

// A selected block moves by one as a whole. A selected item moves only past an unselected
// one, so a block that already touches the top (or bottom) stays as it is instead of having
// its own items swapped.
void AutoVehEditor::MoveUp() {
    for (int i = 2; i <= VehAutoList->ItemCount(); ++i)
        if (VehAutoList->Item(i).selected && !VehAutoList->Item(i - 1).selected)
            SwapItems(i, i - 1);
}

void AutoVehEditor::MoveDown() {
    for (int i = VehAutoList->ItemCount() - 1; i >= 1; --i)
        if (VehAutoList->Item(i).selected && !VehAutoList->Item(i + 1).selected)
            SwapItems(i, i + 1);
}

void AutoVehEditor::RemoveSelected() {
    for (int i = VehAutoList->ItemCount(); i >= 1; --i)
        if (VehAutoList->Item(i).selected) VehAutoList->RemoveItem(i);
}

void AutoVehEditor::RemoveMissing() {
    for (int i = VehAutoList->ItemCount(); i >= 1; --i) {
        if (files::CheckFile(files::AutoVehiclePath(VehAutoList->Item(i).text)) == -1)
            VehAutoList->RemoveItem(i);
    }
}

std::vector<std::string> AutoVehEditor::Entries() const {
    std::vector<std::string> out;
    for (int i = 1; i <= VehAutoList->ItemCount(); ++i) out.push_back(VehAutoList->Item(i).text);
    return out;
}

AutoVehEditor& AutoVehEditorWindow() { return Module().Holder.Get(); }

void ResetAutoVehEditor() { Module().Holder.Reset(); }

void ShowAutoVehEditor() { AutoVehEditorWindow().Show(); }

}  // namespace ui
