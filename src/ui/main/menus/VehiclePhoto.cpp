#include "ui/main/menus/VehiclePhoto.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/GlobalChassisLab.hpp"
#include "core/Numbers.hpp"
#include "core/OptionsSettings.hpp"
#include "core/TextTable.hpp"
#include "files/FileHelpers.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The files of `folder` whose name equals `fileName` in any letter case, the exact spelling
// first.
std::vector<std::string> MatchingFiles(const std::string& folder, const std::string& fileName) {
    std::vector<std::string> out;
    out.push_back(folder + fileName);
    const std::string wanted = Lower(fileName);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name != fileName && Lower(name) == wanted) out.push_back(folder + name);
    }
    return out;
}

// Loads the first usable picture named `stem` + ".jpg"; "" when there is none.
std::string TryLoad(Main& form, const std::string& folder, const std::string& stem) {
    for (const std::string& path : MatchingFiles(folder, stem + ".jpg")) {
        if (files::CheckFile(path) == 1 && form.Info_VehPic->LoadPicture(path)) return path;
    }
    return {};
}

void ShowLowResFrame(Main& form) {
    form.TestControls->SetVisible(core::FromVbBool(core::OptionsSettings().LowResControls));
}

}  // namespace

bool VehicleToolsShown(const Main& form) { return form.VehData_Modification->Visible(); }

std::string LoadVehiclePhotoFrom(Main& form, const std::string& folder, const std::string& name) {
    const std::string full = core::TrimRight(name);
    if (!core::Trim(full).empty()) {
        if (std::string p = TryLoad(form, folder, full); !p.empty()) return p;
        // Words split at single blanks (two blanks give an empty word); the longest leading
        // run of words with a photo wins.
        std::vector<std::string> words;
        std::size_t start = 0;
        for (std::size_t blank; (blank = full.find(' ', start)) != std::string::npos;
             start = blank + 1)
            words.push_back(full.substr(start, blank - start));
        words.push_back(full.substr(start));
        for (std::size_t m = words.size() - 1; m-- > 0;) {
            std::string candidate = words[0];
            for (std::size_t i = 1; i <= m; ++i) candidate += " " + words[i];
            candidate = core::Trim(candidate);
            if (candidate.empty()) continue;
            if (std::string p = TryLoad(form, folder, candidate); !p.empty()) return p;
        }
    }
    std::string fallback = TryLoad(form, folder, "unknown");
    // No photo at all: an empty image, rather than the photo of the vehicle shown before.
    if (fallback.empty()) form.Info_VehPic->ClearPicture();
    return fallback;
}

void LoadVehiclePhoto(Main& form) {
    const auto& g = core::GlobalChassisLab();
    LoadVehiclePhotoFrom(form, g.AppDir + "images/", g.CurrentVehicle.Name);
}

void ToggleVehiclePhotoAndTools(Main& form) {
    const bool tools = !VehicleToolsShown(form);
    const auto& captions = core::TextTable().PhotoToggleCaptions;
    form.VehData_PhotoToggle->SetCaption(captions[tools ? 1 : 0]);
    form.VehData_Modification->SetVisible(tools);
    form.Info_VehPic->SetVisible(!tools);
    if (tools) {
        ShowLowResFrame(form);
    } else {
        form.TestControls->SetVisible(false);
    }
}

void FollowLowResOption(Main& form) {
    if (VehicleToolsShown(form)) ShowLowResFrame(form);
}

}  // namespace ui
