// "Language Selection": lists the languages of "languages.lst", checks that the chosen
// language's file ("language_" + name + ".Text" in the program folder) is present and has
// its 338 lines, and saves the choice. The program's texts stay the built-in English ones
// whatever is chosen; the Options menu entry that opens this window is hidden.
#pragma once

#include <string>

#include "platform/Form.hpp"

namespace ui {

// Pieces of a complete language file split into lines (338 lines, each with its line end).
inline constexpr std::size_t kLanguageFilePieces = 339;
// The largest language file read, in bytes: 338 lines of texts make some 20 kB.
inline constexpr std::size_t kMaxLanguageFileBytes = 1 << 20;

class LanguageSelection : public platform::Form {
public:
    LanguageSelection();

    platform::ControlArray<platform::Label> LanguageLabel;  // 0..2
    platform::ComboBox* LanguageList = nullptr;
    platform::Label* LanguageNow = nullptr;
    platform::Label* LanguageAuthor = nullptr;
    platform::CommandButton* SaveLanguage = nullptr;
    // Set on opening: "languages.lst" is missing or empty (the user has been told).
    bool ListMissing = false;

    // Checks the chosen language's file; a missing or incomplete file is reported. True when
    // the file is complete.
    bool CheckLanguage();
    // Saves the choice, closes this window and shows the main window.
    void SaveAndClose();
};

// Opens the window; without a language list it is hidden again at once.
void ShowLanguageSelection();
LanguageSelection& LanguageSelectionWindow();
// Destroys the window (the program's state reset).
void ResetLanguageSelection();

}  // namespace ui
