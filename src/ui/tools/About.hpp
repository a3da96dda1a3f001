// The about box: product name and version, the web site and a mail link for comments.
#pragma once

#include "platform/Form.hpp"

namespace ui {

// The web site is the one of the Links menu (ui/main/menus/WebLinks.hpp).
inline constexpr const char* kProductContactMail = "feedback@chassislab.example.org";

class About : public platform::Form {
public:
    About();

    platform::Image* ImageTitle = nullptr;
    platform::Image* ImageVer = nullptr;
    platform::Frame* InfoPanel = nullptr;
    // 0 the product label (opens the web site), 1 the contact label (opens a mail to us).
    platform::ControlArray<platform::Label> AboutLabels;
    // Closes the box; Esc presses it.
    platform::CommandButton* CloseButton = nullptr;
};

void ShowAbout();
About& AboutWindow();
// Destroys the window (the program's state reset).
void ResetAbout();

}  // namespace ui
