// Every web address the program opens: the product's own site (one build setting, the CMake
// cache variable CHASSISLAB_WEBSITE, from which the version file, the guest book and the
// donation page are derived) and the one table of outside pages behind the Links menu.
#pragma once

#include <span>
#include <string>

namespace ui {

struct WebLink {
    const char* Caption;  // menu caption
    const char* Address;
};

struct WebLinksState {
    // The product web site's home page, ending in "/". Tests point it at a local server.
    std::string WebSite;
};

// Starts with the address the program was built with.
WebLinksState& WebLinks();
// Back to the address the program was built with.
void ResetWebLinks();

std::string WebSiteHome();        // the home page
std::string VersionFileAddress(); // "ver.txt" at the site's root: the published version
std::string FeedbackAddress();    // the guest book's signing page
std::string DonationAddress();

// The submenus of the Links menu, in menu order: 24 car, 7 motorbike, 2 setup-sharing pages.
std::span<const WebLink> CarSpecLinks();
std::span<const WebLink> BikeSpecLinks();
std::span<const WebLink> SetupSiteLinks();

// Opens a web page, a mail link or a file with the desktop's program for it, shown normally.
// When none could be started (no browser, no PDF viewer, ...) the person is told: a message
// titled "Problem" names `what` ("the manual", ...) and gives the address or the file's path
// (files::PathInMessage: a very long one shortened); also later, when the desktop's launcher
// reports that it found no program or the program failed. Whether it started.
bool OpenWithDesktop(const std::string& target, const std::string& what);

// OpenWithDesktop for a web page, or a mail link ("mailto:...").
void OpenWebPage(const std::string& address);

}  // namespace ui
