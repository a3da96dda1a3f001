#include "platform/Services.hpp"

#include "platform/PlatformState.hpp"

namespace platform {

std::string FileDialogResult::FileTitle() const {
    if (paths.empty()) return {};
    const std::string& p = paths.front();
    const std::size_t slash = p.find_last_of("/\\");
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

PlatformState& Platform() {
    // Never destroyed: see PlatformState.hpp.
    static PlatformState* state = [] {
        auto* s = new PlatformState;
        InstallServiceDoublesInto(*s);
        return s;
    }();
    return *state;
}

ServiceSet& Services() { return Platform().services; }

MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                 const std::string& title) {
    MessageRequest r;
    r.text = text;
    r.buttons = buttons;
    r.icon = icon;
    r.title = title;
    return Services().messages->Show(r);
}

void LetWindowsPaint() { Services().windowUpdates->LetWindowsPaint(); }

}  // namespace platform
