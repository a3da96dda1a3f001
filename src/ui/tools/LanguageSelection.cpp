#include "ui/tools/LanguageSelection.hpp"

#include "core/GlobalChassisLab.hpp"
#include "files/FileMessages.hpp"
#include "files/ListFiles.hpp"
#include "files/TextFileLines.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {
namespace {

struct LanguageSelectionModule {
    platform::FormHolder<LanguageSelection> Holder;
};

LanguageSelectionModule& Module() {
    static LanguageSelectionModule m;
    return m;
}

}  // namespace

LanguageSelection::LanguageSelection() : platform::Form("LanguageSelection") {
    SetClosesOnEscape(true);
    SetCaption("Language Selection");
    SetClientSize(300, 150);
    const char* captions[3] = {"Select your language:", "Current language:", "Author:"};
    for (int i = 0; i < 3; ++i) {
        auto& l = CreateIn(LanguageLabel, "LanguageLabel", i);
        l.Move(12, 14 + i * 28, 120, 16);
        l.SetCaption(captions[i]);
    }
    LanguageList = &Create<platform::ComboBox>("LanguageList");
    LanguageList->Move(136, 10, 150, 20);
    LanguageNow = &Create<platform::Label>("LanguageNow");
    LanguageNow->Move(136, 42, 150, 16);
    LanguageNow->SetCaption("English");
    LanguageAuthor = &Create<platform::Label>("LanguageAuthor");
    LanguageAuthor->Move(136, 70, 150, 16);
    LanguageAuthor->SetCaption("ChassisLab team");
    SaveLanguage = &Create<platform::CommandButton>("SaveLanguage");
    SaveLanguage->Move(186, 112, 100, 25);
    SaveLanguage->SetCaption("Save && Close");

    LanguageList->Click = [this] { CheckLanguage(); };
    SaveLanguage->Click = [this] { SaveAndClose(); };
    Load = [this] {
        const files::LanguageListContents list = files::LoadLanguageList();
        ListMissing = !list.exists;
        for (const std::string& item : list.items) LanguageList->AddItem(item);
        if (list.hasChoice) LanguageList->SetText(list.choice);
    };
}

bool LanguageSelection::CheckLanguage() {
    const std::string path =
        core::GlobalChassisLab().AppDir + "language_" + LanguageList->Text() + ".Text";
    std::vector<std::string> lines;
    switch (files::ReadTextFileLines(path, kMaxLanguageFileBytes, "any language file", lines)) {
        case files::TextFileRead::Missing:
            platform::MsgBox("The language file cannot be found: " + files::PathInMessage(path));
            return false;
        case files::TextFileRead::Unreadable:
        case files::TextFileRead::TooLarge: return false;  // the user has been told
        case files::TextFileRead::Read: break;
    }
    if (lines.size() != kLanguageFilePieces) {
        platform::MsgBox(
            "Language file does not have the correct number of lines. Loading failed.");
        return false;
    }
    return true;
}

void LanguageSelection::SaveAndClose() {
    files::SaveLanguageChoice(LanguageList->Text());
    Unload();
    if (Main* main = core::GlobalChassisLab().MainForm) main->Show();
}

LanguageSelection& LanguageSelectionWindow() { return Module().Holder.Get(); }

void ResetLanguageSelection() { Module().Holder.Reset(); }

void ShowLanguageSelection() {
    LanguageSelection& w = LanguageSelectionWindow();
    w.Show();
    if (w.ListMissing) w.Hide();
}

}  // namespace ui
